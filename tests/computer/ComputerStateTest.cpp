// The computer player's own globals start at their start values by themselves: the program, which
// never resets them, begins its first game from the same state as every test.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>

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

TEST(ComputerStateTest, TheRiskSettingsStartNeutral) {
    const RiskSettings risk;
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(risk.RiskSuit[seat], 0x05050505) << seat;
        EXPECT_EQ(risk.RiskGrand[seat], 5) << seat;
        EXPECT_EQ(risk.RiskNull[seat], 5) << seat;
    }
}

}  // namespace
