// A new match through the running program: a match of one round played in demonstration ends by
// itself, and the new one starts its match statistics afresh while the all-time ones stay; the open
// statistics windows show it at once. Ending a match from the menu brings the open trick
// estimation window's panel up to date.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"

#include "match/GameList.h"
#include "match/Statistics.h"
#include "platform/core/Button.h"
#include "platform/core/Dialog.h"
#include "platform/core/RichTextReader.h"
#include "platform/core/WindowApi.h"
#include "dialogs/DialogIds.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "resources/Editions.h"
#include "resources/EstimationTemplates.h"
#include "windows/SideWindow.h"
#include "windows/TrickEstimation.h"
#include "windows/TrickEstimationDialog.h"

#include <string>

namespace {

using testsupport::FlowFixture;

class NewMatchTest : public FlowFixture {
protected:
    CSideWindow* Side(int command) {
        return dynamic_cast<CSideWindow*>(::WindowFromHandle(Frame().FramePanels().SideWindow(command)));
    }
    static int MatchGames(CStatisticsBlock& block, int mode) {
        int games = 0;
        for (int type = 0; type < kStatisticsTypes; ++type) games += block.Count(type, mode);
        return games;
    }
};

TEST_F(NewMatchTest, TheEndOfAMatchStartsItsStatisticsAfreshAndKeepsTheAllTimeOnes) {
    WriteProfileInt("Options", "Demo", 1);
    WriteProfileInt("Game", "Mode", 0);
    WriteProfileInt("Game", "MaxRounds", 1);  // three games make the match
    WriteProfileInt("View", "ListCardStatistics", 1);
    WriteProfileInt("View", "ListGameStatistics", 1);
    TraceOn();
    StartProgram();
    ASSERT_NE(g_pStatistics, nullptr);
    CStatisticsBlock& block = *g_pStatistics;
    CSideWindow* cards = Side(ID_LIST_CARD_STATISTICS);
    CSideWindow* games = Side(ID_LIST_GAME_STATISTICS);
    ASSERT_NE(cards, nullptr);
    ASSERT_NE(games, nullptr);
    SeedRand(5);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    // Two games of the match counted: both tables hold their deals.
    ASSERT_TRUE(host_->PumpUntil([&] { return block.CardCount(CARDS_ALL_TIME) == 2; }, 3600000));
    EXPECT_EQ(block.CardCount(CARDS_MATCH), 2);
    const int paintsBefore[2] = {cards->PaintCount(), games->PaintCount()};
    const int allTimeGames = MatchGames(block, 1);
    EXPECT_GT(allTimeGames, 0);
    // The third game ends the match, and the new match's tables are empty until its first game
    // is counted.
    ASSERT_TRUE(host_->PumpUntil([&] { return block.CardCount(CARDS_ALL_TIME) == 3; }, 3600000));
    EXPECT_EQ(block.CardCount(CARDS_MATCH), 0);
    EXPECT_EQ(block.CardCount(CARDS_ALL_TIME), 3);
    EXPECT_EQ(MatchGames(block, 0), 0);
    EXPECT_GT(MatchGames(block, 1), allTimeGames);
    for (int row = 0; row < kCardRows; ++row)
        for (int column = 0; column < kCardColumns; ++column)
            EXPECT_EQ(block.CardCounter(CARDS_MATCH, row, column), 0) << row << "/" << column;
    EXPECT_GE(FindLine("CMainFrame::NewMatch()"), 0);
    // The open windows drew the third game and then the emptied match.
    EXPECT_GE(cards->PaintCount(), paintsBefore[0] + 2);
    EXPECT_GE(games->PaintCount(), paintsBefore[1] + 2);
}

// Match > New with the estimation window open on a computer's evaluation: the new match starts
// without manipulation marks, so the panel asks again before it shows that evaluation, and Yes
// marks the new match.
TEST_F(NewMatchTest, TheMenusNewMatchAsksAgainBeforeTheEstimationShowsAnOpponent) {
    WriteProfileInt("View", "Player", 0x02);  // the estimation window shows seat 0
    WriteProfileInt("View", "ListTrickEstimation", 1);
    host_->Answers().PushMessageBoxAnswer(IDYES);
    StartProgram();
    CTrickEstimation* window = Frame().FramePanels().TrickEstimationWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    ASSERT_NE(g_Game.CheatMask & 0x200, 0);
    // The person ends the match, begins the next himself and allows the look again.
    answerer_.Start();
    answerer_.answer = IDC_START_SEAT2;
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Frame().SendMessage(WM_COMMAND, ID_NEW_MATCH);
    host_->PumpUntilIdle();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u) << "the question came";
    EXPECT_NE(g_Game.CheatMask & 0x200, 0);
    EXPECT_EQ(window->UpdateEstimation(2), 0);
}

// A match that ends by its game count with the estimation window open on the person: once the
// starter is chosen the window is brought up to the new match, as at Match > New, and drawn
// before the next game is dealt.
TEST_F(NewMatchTest, TheEndOfAMatchRefreshesTheEstimationWindow) {
    WriteProfileInt("Options", "Demo", 1);
    WriteProfileInt("Game", "Mode", 0);
    WriteProfileInt("Game", "MaxRounds", 1);  // three games make the match
    WriteProfileInt("View", "Player", 0x22);
    WriteProfileInt("View", "ListTrickEstimation", 1);
    TraceOn();
    StartProgram();
    CTrickEstimation* window = Frame().FramePanels().TrickEstimationWindow();
    ASSERT_NE(window, nullptr);
    SeedRand(5);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    // The window's paints while the match-start dialog is up, then when the new match stands.
    int paintsAtTheDialog = -1;
    answerer_.answer = IDC_START_SEAT2;
    answerer_.probe = [&](HWND dialog) {
        if (::GetDlgItem(dialog, IDC_START_SEAT2) != nullptr && paintsAtTheDialog < 0) paintsAtTheDialog = window->PaintCount();
        return 0;
    };
    answerer_.Start();
    ASSERT_TRUE(host_->PumpUntil([&] { return paintsAtTheDialog >= 0 && FindLine("CMainFrame::NewMatch()", FindLine("CMainFrame::NewMatch()") + 1) >= 0; },
                                 3600000));
    EXPECT_EQ(FindLine("CMainFrame::OnDeal()", FindLine("CMainFrame::NewMatch()", FindLine("CMainFrame::NewMatch()") + 1)), -1)
        << "no game dealt yet";
    EXPECT_GT(window->PaintCount(), paintsAtTheDialog);
    EXPECT_EQ(window->UpdateEstimation(2), 2);
}

// Match > New shows each seat's name with its number in the final standing, in both editions:
// every seat line reads "name:  number", none keeps only its colon.
class FinalStandingShownTest : public NewMatchTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FinalStandingShownTest, EachSeatLineShowsItsNumber) {
    if (GetParam()) UseEdition(GermanResources());
    StartProgram();
    std::string shown;
    answerer_.answer = IDCANCEL;
    answerer_.probe = [&](HWND dialog) {
        if (auto* start = dynamic_cast<platform::Dialog*>(::WindowFromHandle(dialog)))
            shown = platform::ReadRichText(start->GetDlgItemText(IDC_TEXT)).PlainText();
        return 0;
    };
    answerer_.Start();
    Frame().SendMessage(WM_COMMAND, ID_NEW_MATCH);
    host_->PumpUntilIdle();
    ASSERT_FALSE(shown.empty()) << "the final standing was shown";
    for (int seat = 0; seat < 3; ++seat) {
        const std::string line =
            "\n" + Frame().GetPlayerName(seat) + ":  " + std::to_string(g_GameList.MatchTotals[seat]) + "\n";
        EXPECT_NE(("\n" + shown + "\n").find(line), std::string::npos) << "seat " << seat << " in:\n" << shown;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, FinalStandingShownTest, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "German" : "English"); });

}  // namespace
