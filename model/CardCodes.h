#pragma once
// Card codes, suit and rank indexes, game types and seats, with the static card tables behind
// them: the vocabulary every subsystem uses to speak about cards. Pure lookups on static tables;
// nothing allocates and nothing fails. The computer asks them in every step of its thinking, so the
// lookups are inline. The lookups that read the game being played (a card's suit and strength under
// its game type) are in model/GameTypeLookups.h, so that the vocabulary needs no game state.
//
// A card code is 1..52 in four blocks of 13 (Clubs 1-13, Diamonds 14-26, Hearts 27-39, Spades
// 40-52); offset 1 is the Ace, offsets 7..13 Seven to King. -1 is no card. The same code names the
// card's picture in the card-table library.

// Suit index: the order used by every rule and table (equal to the suit game types 0..3).
enum SuitIndex : int { CLUBS = 0, SPADES = 1, HEARTS = 2, DIAMONDS = 3 };

// Rank index.
enum RankIndex : int { ACE = 0, SEVEN = 1, EIGHT = 2, NINE = 3, TEN = 4, JACK = 5, QUEEN = 6, KING = 7 };

// Game types (the values of g_Game.GameType).
enum GameTypeValue : int {
    GAME_NONE = -1,
    GAME_CLUBS = 0,
    GAME_SPADES = 1,
    GAME_HEARTS = 2,
    GAME_DIAMONDS = 3,
    GAME_NULL = 4,
    GAME_REVOLUTION = 5,
    GAME_GRAND = 6,
    GAME_RAMSCH = 7,
    GAME_DURCHMARSCH = 8,  // only while a Ramsch pick-up is evaluated; set back to 7
};

constexpr int NO_CARD = -1;
// Seats 0 and 1 are the computers, 2 the person; 3 stands for nobody wherever a seat is stored.
constexpr int NO_SEAT = 3;
constexpr int DECK_SIZE = 32;

// One row of the deck: the card code and whether a deal has already drawn it.
struct DeckRow {
    int code;
    int taken;
};

// The 32 cards block by block (Clubs, Diamonds, Hearts, Spades), each block A 7 8 9 10 J Q K.
// The taken flags are the dealing state: cleared before a deal, set by each draw.
extern DeckRow DeckTable[DECK_SIZE];

extern const int SuitToBlock[4];       // suit index -> code block: 0, 3, 2, 1
extern const int SuitDeckBase[4];      // suit index -> first DeckTable row: 0, 24, 16, 8
extern const int CardPointsTable[8];   // by rank index
extern const int TrumpOrderTable[8];   // by rank index: 7 < 8 < 9 < Q < K < 10 < A
extern const int NullOrderTable[8];    // by rank index: 7 < 8 < 9 < 10 < J < Q < K < A
extern const int TrumpRankList[8];     // ranks high to low: J A 10 K Q 9 8 7
extern const int NullRankList[8];      // ranks high to low: A K Q J 10 9 8 7
extern const int SuitRankList[7];      // a suit without its Jack, high to low: A 10 K Q 9 8 7
extern const int NullRankOrder[8];     // position in the ascending Null order -> rank index
extern const int TrumpRankOrder[8];    // position in the ascending order 7 8 9 Q K 10 A J -> rank
extern const int PointsOrder[8];       // rank index -> position in A 10 K Q J 9 8 7

// Ten display-key tables indexed by card code (0..52); entry 0 is 127, codes that are no card 0,
// the 32 cards 1..32 (smaller sorts first). Tables 0-7 put the Jacks first, 8-9 keep each Jack in
// its suit; which applies is chosen by CCards::Sort.
extern const int SortKeyTables[10][53];

// The tables behind the lookups below, indexed by card code 0..52 and, where the game type
// matters, by game type; built once from the rules at compile time (model/CardCodes.cpp). The
// game type is read at each lookup, never kept: the computer sets trial types while it weighs a game.
namespace cardtables {

constexpr int TYPE_ROWS = GAME_DURCHMARSCH - GAME_NONE + 1;
constexpr int CODE_SLOTS = 53;

struct CardTableSet {
    signed char rank[CODE_SLOTS] = {};
    signed char block[CODE_SLOTS] = {};
    signed char row[CODE_SLOTS] = {};
    signed char plainSuit[CODE_SLOTS] = {};
    signed char points[CODE_SLOTS] = {};
    signed char pointsPosition[CODE_SLOTS] = {};
    signed char effectiveSuit[TYPE_ROWS][CODE_SLOTS] = {};
    signed char order[TYPE_ROWS][CODE_SLOTS] = {};
    signed char code[4][8] = {};  // [suit index][rank index]
};
extern const CardTableSet Tables;

// The row of a game type: GAME_NONE..GAME_DURCHMARSCH. Any other value (a type stored negated by
// a Bock-to-Ramsch hand-over) reads the row of GAME_NONE, as the rule does.
constexpr int TypeRow(int type) {
    unsigned row = static_cast<unsigned>(type - GAME_NONE);
    return row < TYPE_ROWS ? static_cast<int>(row) : 0;
}

// Card codes are 0..52; anything else (-1 for no card included) is no card.
constexpr bool InCodeRange(int card) { return static_cast<unsigned>(card) < CODE_SLOTS; }

}  // namespace cardtables

// True for 1..52 and a code that names one of the 32 cards.
inline bool IsCardCode(int card) { return cardtables::InCodeRange(card) && cardtables::Tables.rank[card] >= 0; }
// Rank index of a card; -1 gives -1.
inline int GetCardRank(int card) { return cardtables::InCodeRange(card) ? cardtables::Tables.rank[card] : -1; }
// Code of the card (rank index, suit index).
inline int CardCodeOf(int rank, int suit) {
    if (static_cast<unsigned>(rank) > 7 || static_cast<unsigned>(suit) > 3) return NO_CARD;
    return cardtables::Tables.code[suit][rank];
}
// Card points by rank: A 11, 10 10, K 4, Q 3, J 2, else 0; -1 gives 0.
inline int GetCardPoints(int card) { return cardtables::InCodeRange(card) ? cardtables::Tables.points[card] : 0; }
// Rank index at a position 0..7 of the ascending order (Null or trump games); beyond 7 gives -1.
int GetRankOrderEntry(int position, bool null);
// Position of the card's rank in A 10 K Q J 9 8 7 (statistics counters); -1 gives -1.
inline int CardTableLookupB(int card) {
    return cardtables::InCodeRange(card) ? cardtables::Tables.pointsPosition[card] : -1;
}
// Code block 0..3 of a card (Clubs, Diamonds, Hearts, Spades); -1 for no card.
inline int GetCardBlock(int card) { return cardtables::InCodeRange(card) ? cardtables::Tables.block[card] : -1; }
// Row 0..31 of the card in every 32-entry card table (block x 8 + rank); -1 for no card.
inline int GetCardRow(int card) { return cardtables::InCodeRange(card) ? cardtables::Tables.row[card] : -1; }
// True for 0..3: a suit game type, or a suit index.
inline bool IsSuitGame(int type) { return type >= 0 && type <= 3; }
// True for the game types with trumps: the suit games, Grand and Ramsch (not Durchmarsch).
inline bool IsTrumpGame(int type) { return IsSuitGame(type) || type == GAME_GRAND || type == GAME_RAMSCH; }
// The next and previous seat in playing order 0, 1, 2, 0; any other value gives 0 and 1.
// Inline: the card questions ask them for each opponent.
inline int NextSeat(int seat) { return seat == 0 ? 1 : seat == 1 ? 2 : 0; }
inline int PreviousSeat(int seat) { return seat == 0 ? 2 : seat == 1 ? 0 : 1; }
