// The game statistics window: the Result row's shares, its chart on the recording surface for
// fixture counters (counts, shares, the declarer rates of rows 2 and 4, tints), the panel's type,
// period and reset run by scripted answers, damaged selection words, the sizes, and the close
// through the toggle by the close box and by the frame's close command.
#include "model/Skat.h"
#include "windows/GameStatistics.h"
#include "flow/MatchFiles.h"
#include "flow/FramePanels.h"

#include "StatisticsWindowSupport.h"
#include "flow/MainFrame.h"
#include "resources/FlowIds.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"
#include "windows/GameStatisticsPanel.h"
#include "support/FrameGameAccess.h"

namespace {

using platform::DialogAction;
using platform::Rect;
using namespace statistics_test;

TEST(GameStatisticsResultShares, BalancesAgainstTheOtherTwoWithOneCorrection) {
    const struct {
        std::int64_t a, b, c;
        std::array<int, 3> shares;
    } cases[] = {
        {30, -10, -20, {100, -34, -66}},   // -33 is the first inexact one: raised away from zero
        {10, 10, -20, {50, 50, -100}},     // all exact
        {-30, 10, 20, {-100, 34, 66}},
        {0, 0, 0, {0, 0, 0}},
        {5, 5, 5, {0, 0, 0}},              // equal sums: no balance
        {7, 0, 0, {100, -50, -50}},
        {0, 4, 1, {-72, 100, -28}},        // only the first inexact share is corrected
        {4, 1, 0, {100, -29, -71}},
        // Sums at the ends of 32 bits stay exact in 64.
        {2147483647, -2147483648LL, 0, {100, -100, 0}},
        {1000000000, -1000000000, 0, {100, -100, 0}},  // balances of 3e9 do not fit 32 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(CGameStatistics::ResultShares(c.a, c.b, c.c), c.shares) << c.a << " " << c.b << " " << c.c;
}

class GameStatisticsTest : public StatisticsFixture<CGameStatistics> {
protected:
    CGameStatistics& Open(const Rect& rect = {100, 50, 601, 526}) {
        return StatisticsFixture::Open(ID_LIST_GAME_STATISTICS, "RectGameStatistics", rect);
    }
    std::unique_ptr<platform::RecordingDC> Paint() {
        auto dc = std::make_unique<platform::RecordingDC>(platform::Size{600, 600});
        window_->PaintChart(*dc, 0, 0);
        return dc;
    }
    CGamesDialog& Panel() { return *window_->Panel(); }
    int RowTop(int j) const { return window_->PanelHeight() + 39 + 19 * j; }
    std::string Count() { return Panel().GetDlgItemText(CGamesDialog::kCount); }
    // The right half's text of seat k in row j: centred in 225 + 110k .. 280 + 110k.
    std::vector<std::string> Share(const platform::RecordingDC& dc, int j, int k) {
        return TextsInBand(dc, 226 + 110 * k, 280 + 110 * k, RowTop(j));
    }
    std::vector<std::string> Number(const platform::RecordingDC& dc, int j, int k) {
        return TextsInBand(dc, 170 + 110 * k, 225 + 110 * k, RowTop(j));
    }
};

TEST_F(GameStatisticsTest, NoGamesShowZeroEverywhereAndZeroOfZeroForTheDeclarerRates) {
    Open();
    const auto dc = Paint();
    for (int j = 0; j < 18; ++j) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(Number(*dc, j, k), std::vector<std::string>{"0"}) << j << "/" << k;
            const std::string share = j == 2 || j == 4 ? "0/0" : "0";
            EXPECT_EQ(Share(*dc, j, k), std::vector<std::string>{share}) << j << "/" << k;
            EXPECT_EQ(FillOf(*dc, {171 + 110 * k, RowTop(j), 225 + 110 * k, RowTop(j) + 18}), Tint(0));
        }
    }
    EXPECT_EQ(Count(), "0");
}

TEST_F(GameStatisticsTest, TheChartShowsTheSelectedTypeAndPeriod) {
    // Grand games (type 4) of all games (period 1).
    Block().TypeSelection() = 4;
    Block().ModeSelection() = 1;
    Block().Count(4, 1) = 6;
    Block().Count(4, 0) = 99;  // the match's count must not show
    // Seat 0 declared 4 and won 3; the others won 1 declarer game between them.
    Block().Counter(STAT_SOLOIST, 4, 1, 0) = 4;
    Block().Counter(STAT_SOLOIST, 4, 1, 1) = 2;
    Block().Counter(STAT_WON_SINGLY, 4, 1, 0) = 3;
    Block().Counter(STAT_WON_SINGLY, 4, 1, 1) = 1;
    Block().Counter(STAT_LOST_SINGLY, 4, 1, 1) = 1;
    Block().Counter(STAT_LOST_SINGLY, 4, 1, 0) = 1;
    Block().Counter(STAT_SCORE, 4, 1, 0) = 30;
    Block().Counter(STAT_SCORE, 4, 1, 1) = -10;
    Block().Counter(STAT_SCORE, 4, 1, 2) = -20;
    Block().Counter(STAT_KONTRA, 4, 1, 2) = 3;
    Block().Counter(STAT_KONTRA, 4, 0, 2) = 50;  // the match's counter must not show
    Open();
    const auto dc = Paint();
    const struct {
        int row, seat;
        const char* number;
        const char* share;
        int tint;
    } cells[] = {
        {STAT_SOLOIST, 0, "4", "66", 6},
        {STAT_SOLOIST, 1, "2", "33", 3},
        {STAT_SOLOIST, 2, "0", "0", 0},
        {STAT_WON_SINGLY, 0, "3", "75/75", 7},
        {STAT_WON_SINGLY, 1, "1", "50/25", 2},
        {STAT_WON_SINGLY, 2, "0", "0/0", 0},
        {STAT_LOST_SINGLY, 0, "1", "25/50", 5},
        {STAT_SCORE, 0, "30", "100", 10},
        {STAT_SCORE, 1, "-10", "-34", 3},
        {STAT_SCORE, 2, "-20", "-66", 6},
        {STAT_KONTRA, 2, "3", "100", 10},
        {STAT_KONTRA, 0, "0", "0", 0},
    };
    for (const auto& cell : cells) {
        const int k = cell.seat, top = RowTop(cell.row);
        EXPECT_EQ(Number(*dc, cell.row, k), std::vector<std::string>{cell.number}) << cell.row << "/" << k;
        EXPECT_EQ(Share(*dc, cell.row, k), std::vector<std::string>{cell.share}) << cell.row << "/" << k;
        EXPECT_EQ(FillOf(*dc, {171 + 110 * k, top, 225 + 110 * k, top + 18}), Tint(cell.tint)) << cell.row << "/" << k;
    }
    // "75/75" is centred in its half; the left part of the half carries the declarer rate's tint.
    EXPECT_EQ(TextAt(*dc, 225 + (55 - 35) / 2, RowTop(STAT_WON_SINGLY)), "75/75");
    EXPECT_EQ(FillOf(*dc, {226, RowTop(STAT_WON_SINGLY), 254, RowTop(STAT_WON_SINGLY) + 18}), Tint(7));
    EXPECT_EQ(FillOf(*dc, {336, RowTop(STAT_WON_SINGLY), 364, RowTop(STAT_WON_SINGLY) + 18}), Tint(5));
    EXPECT_EQ(Count(), "6");
}

TEST_F(GameStatisticsTest, InconsistentCountersKeepTheTintOnTheScale) {
    Block().Counter(STAT_WON_SINGLY, 0, 0, 0) = 5;  // more games won than declared
    Block().Counter(STAT_SOLOIST, 0, 0, 0) = 1;
    Block().Counter(STAT_HAND, 0, 0, 1) = -40;       // a negative count
    Open();
    const auto dc = Paint();
    EXPECT_EQ(Share(*dc, STAT_WON_SINGLY, 0), std::vector<std::string>{"500/100"});
    EXPECT_EQ(FillOf(*dc, {226, RowTop(STAT_WON_SINGLY), 254, RowTop(STAT_WON_SINGLY) + 18}), Tint(10));
    EXPECT_EQ(Share(*dc, STAT_HAND, 1), std::vector<std::string>{"100"});
    EXPECT_EQ(FillOf(*dc, {281, RowTop(STAT_HAND), 335, RowTop(STAT_HAND) + 18}), Tint(10));
}

TEST_F(GameStatisticsTest, LabelsNamesAndHeadingsLieInTheirCells) {
    // 28 characters of 7 pixels
    const std::string names[3] = {Frame().GetPlayerName(0), "Friedrich-Wilhelm-Maximilian", Frame().GetPlayerName(2)};
    FrameGameAccess::Game(Frame()).NameRows(Frame().GameObject().name, names);
    Open();
    const auto dc = Paint();
    const int H = window_->PanelHeight();
    EXPECT_EQ(TextAt(*dc, (170 - 70) / 2, H + 10), "Attributes");
    EXPECT_EQ(TextAt(*dc, 170 + (110 + 220 - 105) / 2, H + 1), "Friedrich-Wilhe");
    EXPECT_EQ(TextAt(*dc, 170 + (57 - 21) / 2, H + 20), "abs");
    EXPECT_EQ(TextAt(*dc, 170 + (167 + 440 - 21) / 2, H + 20), "rel");
    EXPECT_EQ(TextAt(*dc, 10, RowTop(0)), "Soloist");
    EXPECT_EQ(TextAt(*dc, 10, RowTop(13)), "passed on");
    EXPECT_EQ(TextAt(*dc, 10, RowTop(17)), "Rekontra");
}

TEST_F(GameStatisticsTest, TypeAndPeriodChangeOnlyTheSelection) {
    Block().Count(3, 0) = 12;
    Block().Count(3, 1) = 40;
    Block().Counter(STAT_OUVERT, 3, 1, 1) = 2;
    Open();
    const auto* types = Panel().GetControlAs<platform::ComboBox>(CGamesDialog::kType);
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->Items().Count(), 6);
    EXPECT_EQ(types->GetCurSel(), 0);
    // A fresh block shows the current match: the box "per match" is checked.
    EXPECT_EQ(Panel().IsDlgButtonChecked(CGamesDialog::kPerMatch), 1);
    const CStatisticsBlock before = Block();
    Panel().ApplyActions({DialogAction::Choose(CGamesDialog::kType, 3)});
    host_->PumpUntilIdle();
    EXPECT_EQ(Block().TypeSelection(), 3);
    EXPECT_EQ(Count(), "12");
    Panel().ApplyActions({DialogAction::Check(CGamesDialog::kPerMatch, 0)});
    host_->PumpUntilIdle();
    EXPECT_EQ(Block().ModeSelection(), 1);
    EXPECT_EQ(Count(), "40");
    CStatisticsBlock after = Block();
    after.TypeSelection() = 0;
    after.ModeSelection() = 0;
    EXPECT_EQ(after, before);
}

TEST_F(GameStatisticsTest, ResetClearsThePeriodShownOfAllSixTypes) {
    for (int type = 0; type < 6; ++type)
        for (int mode = 0; mode < 2; ++mode) {
            Block().Count(type, mode) = 10 + type;
            for (int array = 0; array < 18; ++array)
                for (int seat = 0; seat < 3; ++seat) Block().Counter(array, type, mode, seat) = array + seat + 1;
        }
    Block().TypeSelection() = 2;  // the selected type does not limit the reset
    Open();
    const CStatisticsBlock before = Block();
    Panel().ApplyActions({DialogAction::Press(CGamesDialog::kReset)});
    host_->PumpUntilIdle();
    for (int type = 0; type < 6; ++type) {
        EXPECT_EQ(Block().Count(type, 0), 0) << type;
        EXPECT_EQ(Block().Count(type, 1), 10 + type) << type;
        for (int array = 0; array < 18; ++array)
            for (int seat = 0; seat < 3; ++seat) {
                EXPECT_EQ(Block().Counter(array, type, 0, seat), 0);
                EXPECT_EQ(Block().Counter(array, type, 1, seat), array + seat + 1);
            }
    }
    // The card part is not the panel's.
    for (std::size_t w = 662; w < Block().Words.size(); ++w) EXPECT_EQ(Block().Words[w], before.Words[w]);
    EXPECT_EQ(Count(), "0");
}

TEST_F(GameStatisticsTest, SelectionWordsOutOfRangeBecomeTheFirst) {
    const struct {
        int type, mode;
    } cases[] = {{6, 0}, {-1, 1}, {2, 2}, {0, -5}, {2147483647, -2147483647}};
    for (const auto& c : cases) {
        *g_pStatistics = CStatisticsBlock();
        Block().TypeSelection() = c.type;
        Block().ModeSelection() = c.mode;
        Open();
        const int type = c.type >= 0 && c.type <= 5 ? c.type : 0;
        const int mode = c.mode == 1 ? 1 : 0;
        EXPECT_EQ(Block().TypeSelection(), type) << c.type << "/" << c.mode;
        EXPECT_EQ(Block().ModeSelection(), mode) << c.type << "/" << c.mode;
        const auto dc = Paint();
        EXPECT_EQ(CountTexts(*dc, "Soloist"), 1);
        Frame().SendMessage(WM_COMMAND, ID_LIST_GAME_STATISTICS);
    }
}

TEST_F(GameStatisticsTest, TheSizeButtonsGiveTheCompactAndFullClients) {
    Open();
    Panel().ApplyActions({DialogAction::Press(CGamesDialog::kCompact)});
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->WindowRect(), (Rect{100, 50, 618, 222}));
    EXPECT_EQ(window_->ClientRect(), (Rect{0, 0, 501, 172}));
    EXPECT_TRUE(window_->VScrollShown());
    window_->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->VerticalBar().position, 172);
    EXPECT_EQ(Panel().WindowRect().top, -172);
    Panel().ApplyActions({DialogAction::Press(CGamesDialog::kFull)});
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->ClientRect(), (Rect{0, 0, 501, 476}));
    EXPECT_FALSE(window_->VScrollShown());
    EXPECT_EQ(window_->VerticalBar().position, 0);
    EXPECT_EQ(Panel().WindowRect().top, 0);
}

TEST_F(GameStatisticsTest, TheCloseBoxAndTheCloseCommandGoThroughTheToggle) {
    for (bool byCommand : {false, true}) {
        CGameStatistics& window = Open();
        EXPECT_EQ(g_Settings.View.ListGameStatistics, 1);
        ::MoveWindow(window.Handle(), 30, 40, 520, 300, true);
        if (byCommand)
            Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(CM_CLOSE_GAME_STATISTICS));
        else
            window.SendMessage(WM_CLOSE);
        host_->PumpUntilIdle();
        EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_GAME_STATISTICS), nullptr) << byCommand;
        EXPECT_EQ(g_Settings.View.ListGameStatistics, 0) << byCommand;
        EXPECT_EQ(GetProfileInt("RectGameStatistics", "Left", 0), 30);
        EXPECT_EQ(GetProfileInt("RectGameStatistics", "Top", 0), 40);
        EXPECT_EQ(GetProfileInt("RectGameStatistics", "Right", 0), 550);
        EXPECT_EQ(GetProfileInt("RectGameStatistics", "Bottom", 0), 340);
    }
    // With the window closed, the close command does nothing (it does not open it).
    Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(CM_CLOSE_GAME_STATISTICS));
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_GAME_STATISTICS), nullptr);
}

TEST_F(GameStatisticsTest, ACountedGameRedrawsTheOpenWindow) {
    CGameStatistics& window = Open();
    const int paints = window.PaintCount();
    g_Game.GameType = 0;
    g_Game.Soloist = 2;
    Frame().MatchFiles().Statistics(24);
    EXPECT_GT(window.PaintCount(), paints);
    EXPECT_EQ(Count(), "1");
}

}  // namespace
