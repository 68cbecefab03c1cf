// The keys of the table that act in every state: H opens the rule last named and closes the help
// on its next press, Shift+L closes and opens the log window, Shift+N breaks the game off for a new
// match; L and N without Shift (or after Shift was let go) do nothing of the kind.
#include "flow/TrickPlay.h"
#include "flow/StoredDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"

#include "dialogs/DialogIds.h"
#include "flow/FrameGlobals.h"
#include "model/FlowGlobals.h"
#include "resources/FlowIds.h"
#include "platform/core/HelpTopic.h"
#include "platform/headless/DesktopRecorder.h"
#include "shell/SkatApp.h"

namespace {

using testsupport::SpadesDeal;
using testsupport::StoredDealFixture;

class TableKeysTest : public StoredDealFixture {
protected:
    // The keys reach the table (which window has them is the desktop's matter).
    void Key(int key, std::vector<int> modifiers = {}) {
        ::SetFocus(g_Frame.hTableWnd);
        host_->Key(host_->NowMs() + 10, key, std::move(modifiers));
        host_->PumpFor(50);
    }
    bool LogWindowOpen() { return Frame().FramePanels().SideWindow(CM_LOG_WINDOW) != nullptr; }
    // Comp2's Spades game up to the person's first card, where the Kontra advice names its rule.
    void UpToTheKontraAdvice() {
        WriteProfileInt("Variants", "Variant", 1);
        WriteProfileInt("Options", "Suggest", 1);
        Start();
        PlayDeal(SpadesDeal(false));
        BidOnceThenPass();
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
        ASSERT_FALSE(g_Flow.RuleHelpTopic.empty());
    }
    platform::DesktopRecorder desktop;
};

TEST_F(TableKeysTest, HOpensTheRuleLastNamedAndClosesTheHelpOnTheNextPress) {
    UpToTheKontraAdvice();
    const std::string topic = g_Flow.RuleHelpTopic.substr(3);  // without "::/"
    for (int round = 1; round <= 2; ++round) {
        Key('H');
        ASSERT_EQ(desktop.HelpRequests().size(), static_cast<std::size_t>(round));
        EXPECT_EQ(platform::HelpTopicText(desktop.HelpRequests().back().topic), topic);
        EXPECT_EQ(desktop.HelpClosings(), round - 1);
        EXPECT_EQ(::GetFocus(), g_Frame.hTableWnd) << "the table keeps the keys";
        Key('H');
        EXPECT_EQ(desktop.HelpRequests().size(), static_cast<std::size_t>(round));
        EXPECT_EQ(desktop.HelpClosings(), round);
    }
    // The game waits as it did.
    EXPECT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
}

TEST_F(TableKeysTest, ShiftLClosesAndOpensTheLogWindowAndLAloneDoesNothing) {
    Start();
    // The log window is wanted from the start.
    ASSERT_TRUE(LogWindowOpen());
    Key('L');
    EXPECT_TRUE(LogWindowOpen());
    Key('L', {VK_SHIFT});
    EXPECT_FALSE(LogWindowOpen());
    EXPECT_EQ(g_pApp->LogList, 0);
    // Shift let go: L is a plain key again.
    Key(VK_SHIFT);
    Key('L');
    EXPECT_FALSE(LogWindowOpen());
    Key('L', {VK_SHIFT});
    EXPECT_TRUE(LogWindowOpen());
    EXPECT_EQ(g_pApp->LogList, 1);
}

TEST_F(TableKeysTest, ShiftNBreaksTheGameOffForANewMatch) {
    UpToTheKontraAdvice();
    Key('N');
    EXPECT_EQ(FindLine("CMainFrame::OnBreak()"), -1);
    EXPECT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    // The match-start dialog comes; its first seat button starts the new match.
    answerer_.answers = {IDC_START_SEAT0};
    Key('N', {VK_SHIFT});
    host_->PumpFor(500);
    const int broken = FindLine("CMainFrame::OnBreak()");
    ASSERT_GE(broken, 0);
    EXPECT_GT(FindLine("CMainFrame::OnNewMatch()", broken), broken);
    EXPECT_FALSE(Frame().FrameTrickPlay().PersonMayPlay());
    EXPECT_EQ(g_Game.GameCount, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

}  // namespace
