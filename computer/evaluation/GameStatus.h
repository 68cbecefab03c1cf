#pragma once
// The game-status summary of one player's view during play: trumps still out, whether his best
// trump or card of a suit is the top card, which seat may still hold which suit, whether a Ten is
// still out. The game-status panel draws it; computing it changes nothing in the game.

class CPlayer;

// One suit's five figures.
struct GameStatusSuit {
    int Outstanding;   // cards of the suit out in other hands
    int TopCard;       // his card of the suit is the top card (Null, Ramsch: the suit is safe)
    int SeatAHolds;    // seat A may still hold the suit
    int OtherHolds;    // the other side may still hold it (Ramsch: seat B)
    int Fourth;        // suit games and Grand: its Ten is out; Null: the soloist is safe in it;
                       // Ramsch: the Ramsch judgement of the suit
};

// 25 ints: the trump header and the four suit blocks (Clubs, Spades, Hearts, Diamonds).
struct GameStatusRecord {
    int TrumpsOut;        // trumps in play that he does not hold
    int TopTrump;         // his best trump is the top card
    int SeatAHoldsTrump;  // seat A may still hold trumps
    int SeatBHoldsTrump;  // seat B may still hold trumps
    int TrumpTen;         // suit games: the trump Ten is out; Grand -1; Ramsch: the Jacks' judgement
    GameStatusSuit Suits[4];
};
static_assert(sizeof(GameStatusRecord) == 25 * sizeof(int), "the status record is 25 ints");

// CPlayer::AnalyseGameStatus (model/PlayerData.h) fills it.
