// A demonstration match of 40 games with both statistics windows reopened at the start: every
// finished deal goes into the match's card table and every scored game into the game statistics,
// and each repaints its open window.
#include "windows/CardStatistics.h"
#include "flow/MatchSeries.h"
#include "flow/FramePanels.h"
#include "windows/GameStatistics.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "match/Statistics.h"
#include "resources/CommandIds.h"

#include <numeric>

namespace {

class StatisticsDemoTest : public testsupport::FrameFixture {};

TEST_F(StatisticsDemoTest, EachGameCountsItsDealAndRepaintsTheOpenWindows) {
    for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap", "Switch"})
        WriteProfileInt("Delay", delay, 0);
    WriteProfileInt("Options", "Demo", 1);
    WriteProfileInt("Options", "Suggest", 0);
    WriteProfileInt("Game", "Mode", 3);
    WriteProfileInt("Variants", "Variant", 0);
    WriteProfileInt("View", "ListCardStatistics", 1);
    WriteProfileInt("View", "ListGameStatistics", 1);
    StartProgram();
    CMainFrame& frame = Frame();
    auto* cards =
        dynamic_cast<CCardStatistics*>(WindowFromHandle(frame.FramePanels().SideWindow(ID_LIST_CARD_STATISTICS)));
    auto* games =
        dynamic_cast<CGameStatistics*>(WindowFromHandle(frame.FramePanels().SideWindow(ID_LIST_GAME_STATISTICS)));
    ASSERT_NE(cards, nullptr);
    ASSERT_NE(games, nullptr);
    *g_pStatistics = CStatisticsBlock();

    constexpr int kGames = 40;
    int dealt = 0, countedBefore = 0, scored = 0;
    int cardPaints = cards->PaintCount(), gamePaints = games->PaintCount();
    frame.MatchSeries().SetBeforeDeal([&] {
        if (dealt > 0) {
            // The game before this deal: its deal counted once and the card window repainted; a
            // scored game (not one passed in) counted and the game window repainted.
            EXPECT_EQ(g_pStatistics->CardCount(CARDS_MATCH), dealt);
            EXPECT_EQ(g_pStatistics->CardCount(CARDS_ALL_TIME), dealt);
            EXPECT_GT(cards->PaintCount(), cardPaints) << "game " << dealt;
            const int counted = g_pStatistics->Count(0, 1);
            if (counted > countedBefore) {
                EXPECT_EQ(counted, countedBefore + 1) << "game " << dealt;
                EXPECT_GT(games->PaintCount(), gamePaints) << "game " << dealt;
                ++scored;
            }
            countedBefore = counted;
            cardPaints = cards->PaintCount();
            gamePaints = games->PaintCount();
        }
        ++dealt;
    });
    g_Game.DemoMode = 1;
    frame.PostMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([&] { return dealt > kGames; }, 60 * 60 * 1000));
    frame.MatchSeries().SetBeforeDeal(nullptr);
    EXPECT_GT(scored, 0);
    // Each deal put 10, 10, 10 and 2 cards into the match's table.
    for (int holder = 0; holder < 4; ++holder) {
        int cardsThere = 0;
        for (int card = 0; card < 32; ++card) cardsThere += g_pStatistics->CardCounter(CARDS_MATCH, holder, card);
        EXPECT_EQ(cardsThere, kGames * (holder < 3 ? 10 : 2)) << holder;
    }
    // Under the official rules every counted game is rule Skat and one of Null, suit or Grand.
    const CStatisticsBlock& block = *g_pStatistics;
    CStatisticsBlock copy = block;
    EXPECT_EQ(copy.Count(0, 0), copy.Count(2, 0) + copy.Count(3, 0) + copy.Count(4, 0));
    EXPECT_EQ(copy.Count(1, 0), 0);
    EXPECT_EQ(copy.Count(0, 1), copy.Count(0, 0));
}

}  // namespace
