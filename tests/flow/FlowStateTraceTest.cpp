// The flow changes its state in one traced place: across demonstration games of each rule set,
// the state that every trace line sees changes only on a ":State(NAME)" line naming the new state.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "model/FlowStateNames.h"
#include "model/Trace.h"

#include <string>
#include <vector>

namespace {

using testsupport::FlowFixture;

struct SeenLine {
    std::string text;
    int state;
};
std::vector<SeenLine> seenLines;

void NoteLine(const std::string& text, unsigned) { seenLines.push_back({text, g_Game.FlowState}); }

class FlowStateTraceTest : public FlowFixture, public ::testing::WithParamInterface<int> {
protected:
    void TearDown() override { seenLines.clear(); }

    // Demonstration games with every delay 0, each deal seeded, until `games` deals have begun.
    void PlayDemoGames(int variant, int games) {
        for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap"})
            WriteProfileInt("Delay", delay, 0);
        WriteProfileInt("Options", "Demo", 1);
        WriteProfileInt("Game", "Mode", 3);
        WriteProfileInt("Variants", "Variant", variant);
        StartProgram();
        seenLines.clear();
        SetTraceSink({[] { return true; }, NoteLine});
        int deals = 0;
        Frame().MatchSeries().SetBeforeDeal([&deals] { SeedRand(static_cast<std::uint32_t>(300 + deals++)); });
        g_Game.DemoMode = 1;
        Frame().PostMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([&deals, games] { return deals > games; }, 3600000));
    }
};

TEST_P(FlowStateTraceTest, EveryChangeOfTheFlowStateIsTracedWhereItHappens) {
    PlayDemoGames(GetParam(), 6);
    ASSERT_GT(seenLines.size(), 100u);
    int changes = 0;
    for (std::size_t i = 1; i < seenLines.size(); ++i) {
        const SeenLine& line = seenLines[i];
        const int before = seenLines[i - 1].state;
        if (line.text == ":State(" + FlowStateName(line.state) + ")") {
            ++changes;
            continue;
        }
        EXPECT_EQ(line.state, before) << "line " << i << " \"" << line.text << "\" sees " << FlowStateName(line.state)
                                      << " after " << FlowStateName(before) << " untraced";
    }
    // The games went through the auction, the play and back to a new deal.
    EXPECT_GE(changes, 6 * 2);
}

INSTANTIATE_TEST_SUITE_P(RuleSets, FlowStateTraceTest,
                         ::testing::Values(VARIANT_OFFICIAL, VARIANT_SKAT, VARIANT_RAMSCH_ONLY));

}  // namespace
