#pragma once
// The computer player's own globals: the random tie counter of the pick routines, the shared
// lay-away candidate block, the trick estimation sheets per seat and the few flags the
// evaluation keeps between calls. Each starts at its start values, in the program as in every test.

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

// One bit per block of a sheet.
constexpr std::uint32_t ALL_SHEET_BLOCKS = (1u << SHEET_BLOCKS) - 1;

struct TrickEstimationSheet {
    // Every field empty, but for the counts (fields 1, 8 and those above 8), which start at 0.
    TrickEstimationSheet() { Clear(); }
    void Clear();
    std::int32_t Rows[SHEET_BLOCKS][SHEET_ROWS][SHEET_FIELDS];
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
    int Singles1Count = 0, Singles2Count = 0, Singles3Count = 0;
    int Pairs1Count = 0, Pairs2Count = 0, Pairs3Count = 0;
    int ChosenCount = 0;
    DiscardEntry Singles1[4] = {}, Singles2[4] = {}, Singles3[4] = {};
    DiscardPair Pairs1[4] = {}, Pairs2[4] = {}, Pairs3[4] = {};
    // Before any planning: the two skat cards (hand indexes 10 and 11), unscored.
    DiscardEntry DiscardResult[2] = {{10, -1}, {11, -1}};

    // The six counts and ChosenCount to 0 (the calling protocol before each planning).
    void ClearCounts();
};

// The risk settings of the three seats (sections RiskSuit, RiskGrand, RiskNull; values
// Computer1, Computer2, Person): 0..11, the threshold is the setting x 10 percent, 11 switches
// the game off. RiskSuit packs one byte per suit index.
struct RiskSettings {
    // The neutral default: every game at a 50 percent threshold.
    int RiskSuit[3] = {0x05050505, 0x05050505, 0x05050505};
    int RiskGrand[3] = {5, 5, 5};
    int RiskNull[3] = {5, 5, 5};
};

struct ComputerState {
    int RandomTieCounter = 2;
    // 1 only while ReevaluateAllPassed re-runs the bid evaluation.
    int AllPassedQuery = 0;
    // Nonzero while the players are evaluated for the Grand Hand question of a Ramsch round
    // (the flow copies Variants/GrandHand into it just before).
    int GrandHandQuery = 0;
    // 1 after the soloist picked up the skat (the flow's pick-up command and the computer's
    // declaration); 0 at the start of each game.
    int SkatTaken = 0;
    // The suit the defender who did not win threw off in the last trick, -1 none.
    int ThrownOffSuit = -1;
    // How often the closing check of a strategy replaced a card that was not held or not allowed
    // (each is a fault of a strategy; the self-play checks keep it at 0).
    int ReplacedCardCount = 0;
    DiscardPlannerBlock Discard;
    // One sheet per seat 0..2 and the temporary 22-card player (seat 3).
    TrickEstimationSheet Sheets[4];
    // Per sheet, bit b: block b is as cleared, nobody has asked for it since. The self-play
    // harness clears only the other blocks between its games: a whole sheet copy per seat and
    // game would be a twentieth of its time.
    std::uint32_t UntouchedBlocks[4] = {ALL_SHEET_BLOCKS, ALL_SHEET_BLOCKS, ALL_SHEET_BLOCKS, ALL_SHEET_BLOCKS};
};

extern ComputerState g_Computer;
extern RiskSettings g_Risk;

class CPlayer;
// The sheet of a player's seat (seats outside 0..3 share the last one); every block of it counts
// as touched.
TrickEstimationSheet& SheetOf(const CPlayer& player);
// One block of that sheet, the only one that counts as touched.
using SheetBlockRows = std::int32_t[SHEET_ROWS][SHEET_FIELDS];
SheetBlockRows& SheetBlock(const CPlayer& player, int block);
