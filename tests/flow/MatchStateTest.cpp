// The match state in the status bar and the Bierlachs end of a series read the game list: the next
// game's number as the list counts, and the balances, not the totals.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"

#include "match/GameList.h"
#include "match/ListTotals.h"
#include "model/GameState.h"
#include "model/Settings.h"

namespace {

using testsupport::FrameFixture;

class MatchStateTest : public FrameFixture {
protected:
    void SetUp() override { StartProgram(); }
    CMainFrame& Frame() { return *app_->MainFrame(); }
};

TEST_F(MatchStateTest, GameNumberFollowsTheListsCounting) {
    const struct {
        int counting, games;
        const char* clock;
    } cases[] = {
        {0, 0, "  1.1-0"}, {0, 6, "  3.1-0"}, {0, 8, "  3.3-0"},
        {1, 0, "   1-0"},  {1, 6, "   7-0"}, {1, 8, "   9-0"},
    };
    for (const auto& c : cases) {
        g_Game.MatchMode = 0;
        g_Game.FlowState = STATE_IDLE;
        g_GameList.Header.SetInt(LIST_COUNTING, c.counting);
        g_Game.GameCount = c.games;
        Frame().ShowMatchState();
        EXPECT_EQ(Frame().Texts().ClockText, c.clock) << c.counting << " " << c.games;
    }
}

TEST_F(MatchStateTest, BierlachsShowsAndEndsByTheBalances) {
    // Credit 100, seat 0 wins 24: the totals are 24, 0, 0, the balances 100, 76, 76.
    g_Settings.Game.MaxCredit = 100;
    ResetListTotals();
    g_Game.GameType = 0;
    g_Game.Soloist = 0;
    g_Game.GameCount = 1;
    AddGameToList(24, "+2HdSnGd24", 3);
    UpdateTotalsForLastGame(3);
    UpdateBalancesForLastGame(3);
    g_Game.MatchMode = 2;
    g_Game.FlowState = STATE_IDLE;
    Frame().ShowMatchState();
    EXPECT_EQ(Frame().Texts().ClockText, "  76-0");
    EXPECT_NE(Frame().Texts().StatusText.find(" (100, 76, 76)"), std::string::npos) << Frame().Texts().StatusText;
    EXPECT_FALSE(Frame().MatchSeries().CheckSeriesEnd());
    // Seat 2 wins 80: no total is below 0 (24, 0, 80), but seat 1's balance is (20, -4, 76).
    g_Game.Soloist = 2;
    g_Game.GameCount = 2;
    AddGameToList(80, "+GrHd80", 3);
    UpdateTotalsForLastGame(3);
    UpdateBalancesForLastGame(3);
    EXPECT_TRUE(Frame().MatchSeries().CheckSeriesEnd());
}

}  // namespace
