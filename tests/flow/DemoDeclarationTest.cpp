// Demonstration mode at the person's declaration bar: timer 53 asks for the skat suggestion, which
// lays away once per deal and hands over to timer 51; timer 51 presses the person's game, which the
// bar declares.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "platform/core/WindowSystem.h"

#include <string>

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kLongDelay = 600000;  // the demonstration's timers wait until a test fires them

class DemoDeclarationTest : public FlowFixture {
protected:
    // The person won the auction and picked the skat up; the demonstration takes over from here.
    void PersonHoldsTheSkat() {
        DealAndHold(4711);
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_ASK);
        g_Game.DemoMode = 1;
        g_Settings.Delay.Demo = kLongDelay;
        Frame().KillTimer(TM_DEMO_DECLARE);
        Frame().KillTimer(TM_DEMO_SUGGEST_SKAT);
    }
    int Count(const std::string& start) const {
        int count = 0;
        for (const std::string& line : LogBodies()) count += line.rfind(start, 0) == 0 ? 1 : 0;
        return count;
    }
    bool Armed(unsigned timer) { return platform::WindowSystem::Instance().IsTimerArmed(Frame().Handle(), timer); }
    void Fire(unsigned timer) {
        Frame().SendMessage(WM_TIMER, timer);
        host_->PumpUntilIdle();
    }
};

TEST_F(DemoDeclarationTest, SkatSuggestionOncePerDealThenTheDeclarationTimer) {
    PersonHoldsTheSkat();
    Fire(TM_DEMO_SUGGEST_SKAT);
    EXPECT_EQ(Count("CMainFrame::OnSuggestSkat("), 1);
    EXPECT_EQ(Frame().GameObject().PersonsHand().count, 10);
    EXPECT_EQ(Frame().GameObject().Trick().count, 2);
    EXPECT_TRUE(Armed(TM_DEMO_DECLARE));
    // A second request in the same deal does nothing.
    Frame().KillTimer(TM_DEMO_DECLARE);
    Fire(TM_DEMO_SUGGEST_SKAT);
    EXPECT_EQ(Count("CMainFrame::OnSuggestSkat("), 1);
    EXPECT_FALSE(Armed(TM_DEMO_DECLARE));
}

TEST_F(DemoDeclarationTest, DeclarationTimerPressesTheGameTheBarDeclares) {
    PersonHoldsTheSkat();
    Fire(TM_DEMO_SUGGEST_SKAT);
    Frame().KillTimer(TM_DEMO_DECLARE);
    Fire(TM_DEMO_DECLARE);
    ASSERT_EQ(Count("CMainFrame::DemoDeclare("), 1);
    // The bar declared: the laid-away cards are back in the skat and the demonstration goes on.
    EXPECT_TRUE(Armed(TM_DEMO_DECLARED));
    EXPECT_EQ(Frame().GameObject().Trick().count, 0);
    EXPECT_EQ(Frame().GameObject().count, 2);
    // The declared game is the one the timer chose.
    std::string chosen;
    for (const std::string& line : LogBodies())
        if (line.rfind("CMainFrame::DemoDeclare(", 0) == 0) chosen = line.substr(24, line.size() - 25);
    EXPECT_EQ(chosen, std::to_string(g_Game.GameType));
}

}  // namespace

namespace {

// With suggestions on, the bar's first click asks for the skat suggestion; the timer comes again
// and its second press declares.
TEST_F(DemoDeclarationTest, FirstPressAsksForTheSkatSuggestionTheNextDeclares) {
    WriteProfileInt("Options", "Suggest", 1);
    PersonHoldsTheSkat();
    Fire(TM_DEMO_DECLARE);
    EXPECT_EQ(Count("CMainFrame::OnSuggestSkat("), 1);
    EXPECT_EQ(Frame().GameObject().Trick().count, 2);
    EXPECT_TRUE(Armed(TM_DEMO_DECLARE));
    EXPECT_FALSE(Armed(TM_DEMO_DECLARED));
    Fire(TM_DEMO_DECLARE);
    EXPECT_EQ(Count("CMainFrame::OnSuggestSkat("), 1);
    EXPECT_TRUE(Armed(TM_DEMO_DECLARED));
    EXPECT_EQ(Frame().GameObject().Trick().count, 0);
    EXPECT_EQ(Frame().GameObject().count, 2);
}

}  // namespace
