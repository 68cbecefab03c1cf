#include "model/CardCodes.h"

#include "model/GameState.h"

DeckRow DeckTable[DECK_SIZE] = {
    {1, 0},  {7, 0},  {8, 0},  {9, 0},  {10, 0}, {11, 0}, {12, 0}, {13, 0},  // Clubs
    {14, 0}, {20, 0}, {21, 0}, {22, 0}, {23, 0}, {24, 0}, {25, 0}, {26, 0},  // Diamonds
    {27, 0}, {33, 0}, {34, 0}, {35, 0}, {36, 0}, {37, 0}, {38, 0}, {39, 0},  // Hearts
    {40, 0}, {46, 0}, {47, 0}, {48, 0}, {49, 0}, {50, 0}, {51, 0}, {52, 0},  // Spades
};

constexpr int SuitToBlock[4] = {0, 3, 2, 1};
constexpr int SuitDeckBase[4] = {0, 24, 16, 8};
constexpr int CardPointsTable[8] = {11, 0, 0, 0, 10, 2, 3, 4};
constexpr int TrumpOrderTable[8] = {6, 0, 1, 2, 5, 7, 3, 4};
constexpr int NullOrderTable[8] = {7, 0, 1, 2, 3, 4, 5, 6};
constexpr int TrumpRankList[8] = {5, 0, 4, 7, 6, 3, 2, 1};
constexpr int NullRankList[8] = {0, 7, 6, 5, 4, 3, 2, 1};
constexpr int SuitRankList[7] = {0, 4, 7, 6, 3, 2, 1};
constexpr int NullRankOrder[8] = {1, 2, 3, 4, 5, 6, 7, 0};
constexpr int TrumpRankOrder[8] = {1, 2, 3, 6, 7, 4, 0, 5};
constexpr int PointsOrder[8] = {0, 7, 6, 5, 1, 4, 3, 2};

// Indexed by card code in rows of 13 (Clubs, Diamonds, Hearts, Spades blocks). Tables 0-3: Jacks,
// then Clubs, Spades, Hearts, Diamonds with the trump suit moved to the front; 4-7 the alternating
// colours Clubs, Hearts, Spades, Diamonds likewise; 8 and 9 the Null order in the two suit orders.
const int SortKeyTables[10][53] = {
    {127, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 1, 8,
     7, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 4, 29,
     28, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 3, 22,
     21, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 2, 15,
     14},
    {127, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 1, 15,
     14, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 4, 29,
     28, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 3, 22,
     21, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 2, 8,
     7},
    {127, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 1, 15,
     14, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 4, 29,
     28, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 3, 8,
     7, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 2, 22,
     21},
    {127, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 1, 15,
     14, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 4, 8,
     7, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 3, 29,
     28, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 2, 22,
     21},
    {127, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 1, 8,
     7, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 4, 29,
     28, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 3, 15,
     14, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 2, 22,
     21},
    {127, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 1, 22,
     21, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 4, 29,
     28, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 3, 15,
     14, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 2, 8,
     7},
    {127, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 1, 15,
     14, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 4, 22,
     21, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 3, 8,
     7, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 2, 29,
     28},
    {127, 12, 0, 0, 0, 0, 0, 18, 17, 16, 13, 1, 15,
     14, 5, 0, 0, 0, 0, 0, 11, 10, 9, 6, 4, 8,
     7, 19, 0, 0, 0, 0, 0, 25, 24, 23, 20, 3, 22,
     21, 26, 0, 0, 0, 0, 0, 32, 31, 30, 27, 2, 29,
     28},
    {127, 1, 0, 0, 0, 0, 0, 8, 7, 6, 5, 4, 3,
     2, 25, 0, 0, 0, 0, 0, 32, 31, 30, 29, 28, 27,
     26, 17, 0, 0, 0, 0, 0, 24, 23, 22, 21, 20, 19,
     18, 9, 0, 0, 0, 0, 0, 16, 15, 14, 13, 12, 11,
     10},
    {127, 1, 0, 0, 0, 0, 0, 8, 7, 6, 5, 4, 3,
     2, 25, 0, 0, 0, 0, 0, 32, 31, 30, 29, 28, 27,
     26, 9, 0, 0, 0, 0, 0, 16, 15, 14, 13, 12, 11,
     10, 17, 0, 0, 0, 0, 0, 24, 23, 22, 21, 20, 19,
     18},
};

using cardtables::CardTableSet;
using cardtables::CODE_SLOTS;
using cardtables::TypeRow;

namespace {

// The rules behind the lookups, evaluated once when the tables below are built. The block order
// Clubs, Diamonds, Hearts, Spades maps onto the suit order by the same exchange as SuitToBlock (it
// is its own inverse), so SuitToBlock[block] is the block's suit.

constexpr bool IsCardCodeRule(int card) {
    if (card < 1 || card > 52) return false;
    int offset = (card - 1) % 13;  // 0 the Ace, 6..12 Seven to King
    return offset == 0 || offset >= 6;
}

constexpr int RankRule(int card) {
    if (!IsCardCodeRule(card)) return -1;
    int r = card % 13;
    if (r == 0) r = 13;
    return r <= 1 ? ACE : r - 6;
}

constexpr int BlockRule(int card) { return IsCardCodeRule(card) ? (card - 1) / 13 : -1; }

constexpr bool JackTakesTypeRule(int type) {
    return (type >= GAME_CLUBS && type <= GAME_DIAMONDS) || type == GAME_GRAND || type == GAME_RAMSCH;
}

constexpr int EffectiveSuitRule(int card, int type) {
    int block = BlockRule(card);
    if (block < 0) return -1;
    if (RankRule(card) == JACK && JackTakesTypeRule(type)) return type;
    return SuitToBlock[block];
}

constexpr int OrderRule(int card, int type) {
    int rank = RankRule(card);
    if (rank < 0) return -1;
    if (type == GAME_NULL || type == GAME_REVOLUTION) return NullOrderTable[rank];
    // A Jack outranks every other card of its effective suit: Diamonds 7 up to Clubs 10.
    if (rank == JACK) return 7 + 3 - SuitToBlock[BlockRule(card)];
    return TrumpOrderTable[rank];
}

constexpr CardTableSet BuildCardTables() {
    CardTableSet tables;
    for (int card = 0; card < CODE_SLOTS; ++card) {
        int rank = RankRule(card);
        int block = BlockRule(card);
        tables.rank[card] = static_cast<signed char>(rank);
        tables.block[card] = static_cast<signed char>(block);
        tables.row[card] = static_cast<signed char>(block < 0 ? -1 : block * 8 + rank);
        tables.plainSuit[card] = static_cast<signed char>(block < 0 ? -1 : SuitToBlock[block]);
        tables.points[card] = static_cast<signed char>(rank < 0 ? 0 : CardPointsTable[rank]);
        tables.pointsPosition[card] = static_cast<signed char>(rank < 0 ? -1 : PointsOrder[rank]);
        for (int type = GAME_NONE; type <= GAME_DURCHMARSCH; ++type) {
            tables.effectiveSuit[TypeRow(type)][card] = static_cast<signed char>(EffectiveSuitRule(card, type));
            tables.order[TypeRow(type)][card] = static_cast<signed char>(OrderRule(card, type));
        }
        if (block >= 0) tables.code[SuitToBlock[block]][rank] = static_cast<signed char>(card);
    }
    return tables;
}

}  // namespace

// Built here once, at compile time, from the rules above.
constexpr CardTableSet cardtables::Tables = BuildCardTables();

int GetRankOrderEntry(int position, bool null) {
    if (position < 0 || position > 7) return -1;
    return null ? NullRankOrder[position] : TrumpRankOrder[position];
}

