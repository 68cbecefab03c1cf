#pragma once
// The computer player's own globals: the random tie counter of the pick routines, the shared
// lay-away candidate block, the trick estimation sheets per seat and the few flags the
// evaluation keeps between calls. Grouped with a Reset so every test starts from a known state.

#include <cstdint>

// One row of a trick estimation sheet; 65535 marks an empty field.
constexpr std::int32_t SHEET_EMPTY = 65535;
constexpr int SHEET_BLOCKS = 7;
constexpr int SHEET_ROWS = 35;
constexpr int SHEET_FIELDS = 26;
// Blocks 0..3 suit games, 4 Grand, 5 Null and Revolution, 6 play and Ramsch analysis.
constexpr int SHEET_GRAND = 4;
constexpr int SHEET_NULL = 5;
constexpr int SHEET_PLAY = 6;

struct TrickEstimationSheet {
    std::int32_t Rows[SHEET_BLOCKS][SHEET_ROWS][SHEET_FIELDS];
    void Reset();
};

// A candidate card of the lay-away: its hand index (0..11) and its score.
struct DiscardEntry {
    int Index;
    int Score;
};

// A candidate pair: two hand indexes with their scores.
struct DiscardPair {
    DiscardEntry First;
    DiscardEntry Second;
};

// The lay-away planners' shared candidate lists and the final choice.
struct DiscardPlannerBlock {
    int Singles1Count, Singles2Count, Singles3Count;
    int Pairs1Count, Pairs2Count, Pairs3Count;
    int ChosenCount;
    DiscardEntry Singles1[4], Singles2[4], Singles3[4];
    DiscardPair Pairs1[4], Pairs2[4], Pairs3[4];
    DiscardEntry DiscardResult[2];

    // The six counts and ChosenCount to 0 (the calling protocol before each planning).
    void ClearCounts();
    void Reset();
};

// The risk settings of the three seats (sections RiskSuit, RiskGrand, RiskNull; values
// Computer1, Computer2, Person): 0..11, the threshold is the setting x 10 percent, 11 switches
// the game off. RiskSuit packs one byte per suit index.
struct RiskSettings {
    int RiskSuit[3];
    int RiskGrand[3];
    int RiskNull[3];
    void Reset();
};

struct ComputerState {
    int RandomTieCounter;
    // 1 only while ReevaluateAllPassed re-runs the bid evaluation.
    int AllPassedQuery;
    // Nonzero while the players are evaluated for the Grand Hand question of a Ramsch round
    // (the flow copies Variants/GrandHand into it just before).
    int GrandHandQuery;
    // 1 after the soloist picked up the skat (the flow's pick-up command and the computer's
    // declaration); 0 at the start of each game.
    int SkatTaken;
    // The suit the defender who did not win threw off in the last trick, -1 none.
    int ThrownOffSuit;
    // How often the closing check of a strategy replaced a card that was not held or not allowed
    // (each is a fault of a strategy; the self-play checks keep it at 0).
    int ReplacedCardCount;
    DiscardPlannerBlock Discard;
    // One sheet per seat 0..2 and the temporary 22-card player (seat 3).
    TrickEstimationSheet Sheets[4];
    void Reset();
};

extern ComputerState g_Computer;
extern RiskSettings g_Risk;

class CPlayer;
// The sheet of a player's seat (seats outside 0..3 share the last one).
TrickEstimationSheet& SheetOf(const CPlayer& player);
