// Demonstration mode carries a seeded deal by timers alone: the person's bar is pressed for him.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "dialogs/DeclareDialog.h"
#include "flow/PromptBars.h"

namespace {

using testsupport::FlowFixture;

class DemoTest : public FlowFixture {
protected:
    // New with the seed, then only the timers act.
    void RunDemo(std::uint32_t seed) {
        WriteProfileInt("Options", "Demo", 1);
        TraceOn();
        StartProgram();
        SeedRand(seed);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        host_->PumpUntil([this] { return FindLine("CMainFrame::InitHistory()") >= 0 || g_Game.FlowState == STATE_ASK ||
                                         g_Game.FlowState == STATE_HAND; },
                         120000);
    }
};

// A computer wins the auction of this deal; its game message is closed by its timer and play is
// set up: the first card is the trick play's.
TEST_F(DemoTest, ComputersDeclarationReachesTheFirstCard) {
    RunDemo(2);
    EXPECT_EQ(g_Game.Soloist, 1);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_GE(FindLine("CMainFrame::InitHistory()"), FindLine("CMainFrame::Declare()"));
    EXPECT_GE(FindLine("CMainFrame::Declare()"), 0);
    // The person passed by the timer: his word is in the trace, and no bar is left open.
    EXPECT_GE(FindLine("CMainFrame::OnPass(" + Frame().GetPlayerName(2) + ":pass:20)"), 0) << LogText();
    EXPECT_FALSE(::IsWindow(Bar()));
}

// The person wins this deal's auction: the timers bid for him, pick up the skat and stop at the
// declaration bar (its game choice comes with the suggestions).
TEST_F(DemoTest, PersonReachesTheDeclarationBar) {
    RunDemo(45);
    EXPECT_EQ(g_Game.Soloist, 2);
    EXPECT_EQ(BidValue(-1), 24);
    EXPECT_EQ(g_Game.FlowState, STATE_ASK);
    EXPECT_NE(OpenBarAs<CDeclareDialog>(Frame()), nullptr);
    EXPECT_GE(FindLine("CMainFrame::OnPickup(" + Frame().GetPlayerName(2) + ")"), 0);
    EXPECT_EQ(FindLine("CMainFrame::InitHistory()"), -1);
}

}  // namespace
