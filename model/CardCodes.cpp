#include "model/CardCodes.h"

#include "model/GameState.h"

DeckRow DeckTable[DECK_SIZE] = {
    {1, 0},  {7, 0},  {8, 0},  {9, 0},  {10, 0}, {11, 0}, {12, 0}, {13, 0},  // Clubs
    {14, 0}, {20, 0}, {21, 0}, {22, 0}, {23, 0}, {24, 0}, {25, 0}, {26, 0},  // Diamonds
    {27, 0}, {33, 0}, {34, 0}, {35, 0}, {36, 0}, {37, 0}, {38, 0}, {39, 0},  // Hearts
    {40, 0}, {46, 0}, {47, 0}, {48, 0}, {49, 0}, {50, 0}, {51, 0}, {52, 0},  // Spades
};

const int SuitToBlock[4] = {0, 3, 2, 1};
const int SuitDeckBase[4] = {0, 24, 16, 8};
const int CardPointsTable[8] = {11, 0, 0, 0, 10, 2, 3, 4};
const int TrumpOrderTable[8] = {6, 0, 1, 2, 5, 7, 3, 4};
const int NullOrderTable[8] = {7, 0, 1, 2, 3, 4, 5, 6};
const int TrumpRankList[8] = {5, 0, 4, 7, 6, 3, 2, 1};
const int NullRankList[8] = {0, 7, 6, 5, 4, 3, 2, 1};
const int SuitRankList[7] = {0, 4, 7, 6, 3, 2, 1};
const int NullRankOrder[8] = {1, 2, 3, 4, 5, 6, 7, 0};
const int TrumpRankOrder[8] = {1, 2, 3, 6, 7, 4, 0, 5};
const int PointsOrder[8] = {0, 7, 6, 5, 1, 4, 3, 2};

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

bool IsCardCode(int card) {
    if (card < 1 || card > 52) return false;
    int offset = (card - 1) % 13;  // 0 the Ace, 6..12 Seven to King
    return offset == 0 || offset >= 6;
}

int GetCardRank(int card) {
    if (!IsCardCode(card)) return -1;
    int r = card % 13;
    if (r == 0) r = 13;
    return r <= 1 ? ACE : r - 6;
}

int GetCardBlock(int card) {
    if (!IsCardCode(card)) return -1;
    return (card - 1) / 13;
}

int GetCardRow(int card) {
    int block = GetCardBlock(card);
    return block < 0 ? -1 : block * 8 + GetCardRank(card);
}

int GetCardSuit(int card, bool plain) {
    int block = GetCardBlock(card);
    if (block < 0) return -1;
    if (!plain && GetCardRank(card) == JACK) {
        int type = g_Game.GameType;
        if ((type >= GAME_CLUBS && type <= GAME_DIAMONDS) || type == GAME_GRAND || type == GAME_RAMSCH)
            return type;
    }
    // The block order Clubs, Diamonds, Hearts, Spades maps onto the suit order by the same
    // exchange as SuitToBlock (it is its own inverse).
    return SuitToBlock[block];
}

int CardCodeOf(int rank, int suit) {
    if (rank < 0 || rank > 7 || suit < 0 || suit > 3) return NO_CARD;
    return DeckTable[SuitToBlock[suit] * 8 + rank].code;
}

int GetCardPoints(int card) {
    int rank = GetCardRank(card);
    return rank < 0 ? 0 : CardPointsTable[rank];
}

int GetCardOrder(int card) {
    int rank = GetCardRank(card);
    if (rank < 0) return -1;
    if (IsNullGame()) return NullOrderTable[rank];
    // A Jack outranks every other card of its effective suit: Diamonds 7 up to Clubs 10.
    if (rank == JACK) return 7 + 3 - GetCardSuit(card, true);
    return TrumpOrderTable[rank];
}

int GetRankOrderEntry(int position, bool null) {
    if (position < 0 || position > 7) return -1;
    return null ? NullRankOrder[position] : TrumpRankOrder[position];
}

int CardTableLookupB(int card) {
    int rank = GetCardRank(card);
    return rank < 0 ? -1 : PointsOrder[rank];
}

bool IsSuitGame(int type) { return type >= 0 && type <= 3; }

bool IsRamschGame() { return g_Game.GameType == GAME_RAMSCH || g_Game.GameType == GAME_DURCHMARSCH; }

bool IsNullGame() { return g_Game.GameType == GAME_NULL || g_Game.GameType == GAME_REVOLUTION; }

int NextSeat(int seat) {
    if (seat == 0) return 1;
    if (seat == 1) return 2;
    return 0;
}

int PreviousSeat(int seat) {
    if (seat == 0) return 2;
    if (seat == 1) return 0;
    return 1;
}
