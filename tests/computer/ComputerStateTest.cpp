// The computer player's own globals start at their start values by themselves: the program, which
// never resets them, begins its first game from the same state as every test.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "ComputerTestSupport.h"
#include "SelfPlayHarness.h"
#include "computer/evaluation/ComputerState.h"

namespace {

TEST(ComputerStateTest, AFreshStateIsAtItsStartValues) {
    const auto state = std::make_unique<ComputerState>();
    const struct {
        const char* field;
        int value, start;
    } cases[] = {
        {"RandomTieCounter", state->RandomTieCounter, 2},
        {"AllPassedQuery", state->AllPassedQuery, 0},
        {"GrandHandQuery", state->GrandHandQuery, 0},
        {"SkatTaken", state->SkatTaken, 0},
        {"ThrownOffSuit", state->ThrownOffSuit, -1},
        {"ReplacedCardCount", state->ReplacedCardCount, 0},
        {"Discard.ChosenCount", state->Discard.ChosenCount, 0},
        {"Discard.Singles1Count", state->Discard.Singles1Count, 0},
        {"Discard.Pairs3Count", state->Discard.Pairs3Count, 0},
        {"Discard.DiscardResult[0].Index", state->Discard.DiscardResult[0].Index, 10},
        {"Discard.DiscardResult[1].Index", state->Discard.DiscardResult[1].Index, 11},
        {"Discard.DiscardResult[1].Score", state->Discard.DiscardResult[1].Score, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value, c.start) << c.field;
}

// Every sheet of every seat is empty but for its count fields 1, 8 and those above 8.
TEST(ComputerStateTest, EverySheetStartsEmpty) {
    const auto state = std::make_unique<ComputerState>();
    for (const TrickEstimationSheet& sheet : state->Sheets)
        for (const auto& block : sheet.Rows)
            for (const auto& row : block)
                for (int f = 0; f < SHEET_FIELDS; ++f)
                    ASSERT_EQ(row[f], f == 1 || f == 8 || f > 8 ? 0 : SHEET_EMPTY) << "field " << f;
}

// The self-play harness's reset in place brings back every byte of a fresh state, whatever the
// games left in it.
TEST(ComputerStateTest, AResetStateIsAFreshOne) {
    const auto fresh = std::make_unique<ComputerState>();
    const auto used = std::make_unique<ComputerState>();
    static_assert(std::is_trivially_copyable_v<ComputerState>);
    for (unsigned char fill : {0x00, 0x5A, 0xFF}) {
        std::memset(static_cast<void*>(used.get()), fill, sizeof(ComputerState));
        ResetComputerState(*used);
        EXPECT_EQ(std::memcmp(used.get(), fresh.get(), sizeof(ComputerState)), 0) << "filled with " << int{fill};
    }
}

class ComputerStateGamesTest : public ComputerTest {
protected:
    void TearDown() override { g_ComputerFrame.Reset(); }
    static bool SheetsAreFresh(const ComputerState& state, const ComputerState& fresh) {
        return std::memcmp(state.Sheets, fresh.Sheets, sizeof fresh.Sheets) == 0;
    }
};

// The harness clears between its games only the sheet blocks the computer asked for: after real
// games of every kind (the bidding, Grand, Null and Revolution with the pooled player's sheet,
// Ramsch with its play block, a suit game) the reset still leaves every byte of a fresh state.
TEST_F(ComputerStateGamesTest, AResetAfterPlayedGamesLeavesAFreshState) {
    const auto fresh = std::make_unique<ComputerState>();
    const struct {
        int type, ouvert, durchmarschSeat;
    } cases[] = {
        {-2, 0, -1},         {GAME_GRAND, 0, -1},  {GAME_NULL, 1, -1}, {GAME_REVOLUTION, 1, -1},
        {GAME_RAMSCH, 0, 1}, {GAME_HEARTS, 0, -1},
    };
    // Which blocks of which sheet the games wrote, to be sure the games reach every kind of block.
    unsigned written[4] = {};
    for (const auto& c : cases) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            SelfPlayOptions options;
            options.seed = seed;
            options.gameType = c.type;
            options.ouvert = c.ouvert;
            options.durchmarschSeat = c.durchmarschSeat;
            ASSERT_TRUE(PlaySelfGame(options).ok) << "type " << c.type << " seed " << seed;
            for (int sheet = 0; sheet < 4; ++sheet)
                for (int b = 0; b < SHEET_BLOCKS; ++b)
                    if (std::memcmp(g_Computer.Sheets[sheet].Rows[b], fresh->Sheets[sheet].Rows[b],
                                    sizeof fresh->Sheets[sheet].Rows[b]) != 0)
                        written[sheet] |= 1u << b;
            ResetComputerState(g_Computer);
            EXPECT_EQ(std::memcmp(&g_Computer, fresh.get(), sizeof(ComputerState)), 0)
                << "type " << c.type << " seed " << seed;
        }
    }
    // The suit, Grand and Null blocks of the three seats; the play block and the pooled player's
    // sheet are written on the program's Ramsch and Revolution roads, which the next test takes.
    EXPECT_EQ(written[0] | written[1] | written[2], ALL_SHEET_BLOCKS & ~(1u << SHEET_PLAY));
}

// A block is cleared when it was asked for alone or with its whole sheet, and left as it lies
// when nobody asked for it since the last reset.
TEST_F(ComputerStateGamesTest, TheResetClearsTheBlocksAskedFor) {
    const auto fresh = std::make_unique<ComputerState>();
    CPlayer seat1("Comp2", 10, false, 1), pooled("", 22, false, 3);
    SheetBlock(seat1, SHEET_NULL)[7][0] = 11;
    SheetOf(pooled).Rows[SHEET_PLAY][6][0] = 12;
    g_Computer.Sheets[2].Rows[SHEET_GRAND][3][0] = 13;  // written past the accessors: not asked for
    ResetComputerState(g_Computer);
    EXPECT_EQ(g_Computer.Sheets[1].Rows[SHEET_NULL][7][0], SHEET_EMPTY);
    EXPECT_EQ(g_Computer.Sheets[3].Rows[SHEET_PLAY][6][0], SHEET_EMPTY);
    EXPECT_EQ(g_Computer.Sheets[2].Rows[SHEET_GRAND][3][0], 13);
    g_Computer.Sheets[2].Rows[SHEET_GRAND][3][0] = SHEET_EMPTY;
    EXPECT_TRUE(SheetsAreFresh(g_Computer, *fresh));
    // The Ramsch play preparation writes the play block through its own road.
    g_Game.SetGameType(GAME_RAMSCH);
    GiveCards(seat1, "CJ SJ HA HT HK D7 D8 S9 SQ C7");
    seat1.AnalyseHand(0);
    seat1.PreparePlay();
    EXPECT_FALSE(SheetsAreFresh(g_Computer, *fresh));
    ResetComputerState(g_Computer);
    EXPECT_TRUE(SheetsAreFresh(g_Computer, *fresh));
}

TEST(ComputerStateTest, TheRiskSettingsStartNeutral) {
    const RiskSettings risk;
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(risk.RiskSuit[seat], 0x05050505) << seat;
        EXPECT_EQ(risk.RiskGrand[seat], 5) << seat;
        EXPECT_EQ(risk.RiskNull[seat], 5) << seat;
    }
}

}  // namespace
