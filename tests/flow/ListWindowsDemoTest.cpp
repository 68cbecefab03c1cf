// A demonstration match with the score sheet and the cards assignment open: every game adds one
// line to the list and one stored deal, the open windows follow with their newest line in view,
// and the totals and balances kept game by game equal a recomputation over the whole list.
#include "DemoMatch.h"

#include "flow/FrameGlobals.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/StoreRows.h"
#include "model/GameState.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowScrollBars.h"
#include "resources/CommandIds.h"
#include "support/ProgramGlobals.h"
#include "windows/Score.h"
#include "windows/Store.h"

#include <gtest/gtest.h>

namespace {

TEST(ListWindowsDemoTest, EveryGameAddsOneLineAndOneDeal) {
    testsupport::ResetProgramGlobals();
    DemoMatchOptions options;
    options.games = 40;
    options.seed = 7;
    options.listWindows = true;
    long finished = 0;
    int windowsSeen = 0;
    CMainFrame* frame = nullptr;
    options.started = [&frame](CMainFrame& made) { frame = &made; };
    options.line = [&](const std::string&) {
        ++finished;
        EXPECT_EQ(g_GameList.ListedGames(), finished);
        EXPECT_EQ(g_StoreRows.StoredDeals(), finished);
        EXPECT_EQ(g_StoreRows.DealWord(static_cast<int>(finished), DEAL_GAME), finished);
        // The incremental figures against a recomputation from the list.
        const CGameList kept = g_GameList;
        ComputeListTotals();
        ComputeBalances();
        for (int seat = 0; seat < 3; ++seat) {
            EXPECT_EQ(g_GameList.MatchTotals[seat], kept.MatchTotals[seat]) << "game " << finished;
            EXPECT_EQ(g_GameList.Balances[seat], kept.Balances[seat]) << "game " << finished;
        }
        // The open score sheet shows the newest line.
        ASSERT_NE(frame, nullptr);
        auto* score = dynamic_cast<CScore*>(WindowFromHandle(frame->FramePanels().SideWindow(ID_LIST_SCORE)));
        auto* store = dynamic_cast<CStore*>(WindowFromHandle(frame->FramePanels().SideWindow(ID_LIST_STORE)));
        if (score && store) {
            ++windowsSeen;
            platform::Rect client;
            GetClientRect(score->Handle(), &client);
            EXPECT_EQ(score->VerticalBar().high,
                      std::max(0, CScore::SheetHeightFor(static_cast<int>(finished), 0) - client.Height()));
            EXPECT_EQ(score->VerticalBar().position, score->VerticalBar().high);
            GetClientRect(store->Handle(), &client);
            EXPECT_EQ(store->VerticalBar().high, std::max(0, CStore::SheetHeightFor(static_cast<int>(finished)) - client.Height()));
        }
    };
    const DemoMatchResult result = PlayDemoMatch(options);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(result.games, 40);
    EXPECT_EQ(windowsSeen, 40);
    testsupport::ResetProgramGlobals();
}

}  // namespace
