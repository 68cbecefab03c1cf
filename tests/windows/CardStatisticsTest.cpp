// The card statistics window: its grid on the recording surface for fixture tables (values in
// their cells, the pastel tint by tens, empty cells), the panel's views, test deal and reset run
// by scripted clicks, a damaged view word, names cut to their column, the editions' Jack and
// Queen, the two sizes and the panel scrolling with the grid.
#include "model/Skat.h"
#include "windows/CardStatistics.h"
#include "flow/MatchFiles.h"
#include "flow/FramePanels.h"

#include "StatisticsWindowSupport.h"
#include "flow/MainFrame.h"
#include "platform/core/ControlMessages.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"
#include "resources/ids.h"
#include "windows/CardStatisticsPanel.h"
#include "support/FrameGameAccess.h"

namespace {

using platform::DialogAction;
using platform::Rect;
using namespace statistics_test;

class CardStatisticsTest : public StatisticsFixture<CCardStatistics> {
protected:
    CCardStatistics& Open(const Rect& rect = {100, 50, 541, 792}) {
        return StatisticsFixture::Open(ID_LIST_CARD_STATISTICS, "RectCardStatistics", rect);
    }
    std::unique_ptr<platform::RecordingDC> Paint() {
        auto dc = std::make_unique<platform::RecordingDC>(platform::Size{600, 900});
        window_->PaintGrid(*dc, 0, 0);
        return dc;
    }
    CCardsDialog& Panel() { return *window_->Panel(); }
    // The top of card row r's cells.
    int RowTop(int r) const { return window_->PanelHeight() + 39 + 19 * r; }
    std::string Count() { return Panel().GetDlgItemText(CCardsDialog::kCount); }
};

TEST_F(CardStatisticsTest, AViewWithoutDealsShowsZeroInEveryShareOnTheFirstTint) {
    Open();
    const auto dc = Paint();
    for (int c = 0; c < 4; ++c) {
        const int L = 88 * (c + 1);
        for (int r = 0; r < 32; ++r) {
            const int top = RowTop(r);
            EXPECT_EQ(FillOf(*dc, {L + 1, top, L + 44, top + 18}), Tint(0)) << c << "/" << r;
            EXPECT_EQ(FillOf(*dc, {L + 45, top, L + 88, top + 18}), Tint(0)) << c << "/" << r;
            EXPECT_EQ(TextsInBand(*dc, L, L + 44, top), std::vector<std::string>{}) << c << "/" << r;
            EXPECT_EQ(TextAt(*dc, L + 62, top), "0") << c << "/" << r;
        }
    }
    EXPECT_EQ(Count(), "0");
}

TEST_F(CardStatisticsTest, CellsShowCountAndShareTintedByTens) {
    // View 1 holds four deals; the other views differ, so a wrong view shows.
    Block().CardView() = 1;
    Block().CardCount(1) = 4;
    Block().CardCounter(1, 0, 0) = 4;   // Ace of Clubs at seat 0 in every deal
    Block().CardCounter(1, 1, 5) = 1;   // Nine of Clubs once at seat 1
    Block().CardCounter(1, 3, 31) = 3;  // Seven of Diamonds three times in the skat
    Block().CardCounter(1, 2, 0) = 9;   // more than the deals (a damaged file): the tint stays green
    Block().CardCounter(1, 2, 1) = -5;  // below zero: an empty cell
    Block().CardCount(0) = 1;
    Block().CardCounter(0, 0, 0) = 1;
    Block().CardCount(2) = 7;
    Open();
    const auto dc = Paint();
    const struct {
        int column, row;
        const char* count;
        const char* share;
        int countX, shareX, tint;
    } cells[] = {
        {0, 0, "4", "100", 106, 143, 10},
        {1, 5, "1", "25", 194, 235, 2},
        {3, 31, "3", "75", 370, 411, 7},
        {2, 0, "9", "225", 282, 319, 10},
        {0, 1, nullptr, "0", 0, 150, 0},
    };
    for (const auto& cell : cells) {
        const int L = 88 * (cell.column + 1), top = RowTop(cell.row);
        if (cell.count) {
            EXPECT_EQ(TextAt(*dc, cell.countX, top), cell.count) << cell.column << "/" << cell.row;
        } else {
            EXPECT_EQ(TextsInBand(*dc, L, L + 44, top), std::vector<std::string>{});
        }
        EXPECT_EQ(TextAt(*dc, cell.shareX, top), cell.share) << cell.column << "/" << cell.row;
        EXPECT_EQ(FillOf(*dc, {L + 1, top, L + 44, top + 18}), Tint(cell.tint)) << cell.column << "/" << cell.row;
        EXPECT_EQ(FillOf(*dc, {L + 45, top, L + 88, top + 18}), Tint(cell.tint)) << cell.column << "/" << cell.row;
    }
    // The negative cell of seat 2 reads as none.
    EXPECT_EQ(TextAt(*dc, 264 + 62, RowTop(1)), "0");
    EXPECT_EQ(FillOf(*dc, {265, RowTop(1), 308, RowTop(1) + 18}), Tint(0));
    EXPECT_EQ(Count(), "4");
    // The panel shows view 1: its radio button alone, no test deal button.
    EXPECT_EQ(Panel().IsDlgButtonChecked(CCardsDialog::kUnlimited), 1);
    EXPECT_EQ(Panel().IsDlgButtonChecked(CCardsDialog::kSeries), 0);
    EXPECT_EQ(Panel().IsDlgButtonChecked(CCardsDialog::kTest), 0);
    EXPECT_FALSE(::IsWindowVisible(Panel().GetDlgItem(CCardsDialog::kDeal)));
}

TEST_F(CardStatisticsTest, HeadingsNamesAndSkatLieInTheirCells) {
    const std::string names[3] = {
        "Bartholomaeus-Maximilian",  // 24 characters of 7 pixels
        "\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84",  // 13 umlauts
        ""};
    FrameGameAccess::Game(Frame()).NameRows(Frame().GameObject().name, names);
    Open();
    const auto dc = Paint();
    const int H = window_->PanelHeight();
    // Cut from the end until narrower than the column of 88: twelve characters, whole code points.
    EXPECT_EQ(TextAt(*dc, (264 - 84) / 2, H + 1), "Bartholomaeu");
    EXPECT_EQ(TextAt(*dc, (264 + 176 - 84) / 2, H + 1),
              "\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F\xC3\x84\xC3\xB6\xC3\xBC\xC3\x9F");
    EXPECT_EQ(TextAt(*dc, (264 + 3 * 176 - 28) / 2, H + 1), "Skat");
    EXPECT_EQ(TextAt(*dc, (88 - 35) / 2, H + 10), "Cards");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(TextAt(*dc, (222 + 176 * k - 21) / 2, H + 20), "abs") << k;
        EXPECT_EQ(TextAt(*dc, (310 + 176 * k - 21) / 2, H + 20), "rel") << k;
    }
    EXPECT_EQ(FillOf(*dc, {1, H + 1, 88, H + 38}), (platform::Color{255, 255, 255}));
}

TEST_F(CardStatisticsTest, TheViewsKeepTheirTablesAndTheCountFollows) {
    Block().CardCount(0) = 3;
    Block().CardCount(1) = 30;
    Block().CardCount(2) = 0;
    Block().CardCounter(1, 2, 9) = 11;
    Open();
    const CStatisticsBlock before = Block();
    EXPECT_EQ(Count(), "3");
    Panel().ApplyActions({DialogAction::Check(CCardsDialog::kTest)});
    host_->PumpUntilIdle();
    EXPECT_EQ(Block().CardView(), 2);
    EXPECT_TRUE(::IsWindowVisible(Panel().GetDlgItem(CCardsDialog::kDeal)));
    EXPECT_EQ(Count(), "0");
    Panel().ApplyActions({DialogAction::Check(CCardsDialog::kUnlimited)});
    host_->PumpUntilIdle();
    EXPECT_EQ(Block().CardView(), 1);
    EXPECT_FALSE(::IsWindowVisible(Panel().GetDlgItem(CCardsDialog::kDeal)));
    EXPECT_EQ(Count(), "30");
    // Only word 0 changed.
    CStatisticsBlock after = Block();
    after.CardView() = before.Words[662];
    EXPECT_EQ(after, before);
}

TEST_F(CardStatisticsTest, ADealAddsOneRandomDealToTheTestTableOnly) {
    Block().CardCount(0) = 2;
    Block().CardCounter(0, 1, 3) = 2;
    Block().CardCount(1) = 5;
    Block().CardCounter(1, 0, 7) = 4;
    Block().CardCount(2) = 1;
    Open();
    Panel().ApplyActions({DialogAction::Check(CCardsDialog::kTest)});
    const CStatisticsBlock before = Block();
    Panel().ApplyActions({DialogAction::Press(CCardsDialog::kDeal)});
    host_->PumpUntilIdle();
    EXPECT_EQ(Block().CardCount(2), 2);
    // Each seat gained ten cards, the skat two; every card lay in exactly one place.
    const int gains[4] = {10, 10, 10, 2};
    for (int holder = 0; holder < 4; ++holder) {
        int gained = 0;
        for (int card = 0; card < 32; ++card) gained += Block().CardCounter(2, holder, card) - before.Words[static_cast<std::size_t>(666 + 256 + 32 * holder + card)];
        EXPECT_EQ(gained, gains[holder]) << holder;
    }
    for (int card = 0; card < 32; ++card) {
        int placed = 0;
        for (int holder = 0; holder < 4; ++holder) placed += Block().CardCounter(2, holder, card);
        EXPECT_EQ(placed, 1) << card;
    }
    // The match and unlimited tables stay.
    for (std::size_t w = 0; w < 666 + 256; ++w)
        if (w != 665) {
            EXPECT_EQ(Block().Words[w], before.Words[w]) << w;  // 665: the test deals' count
        }
    EXPECT_EQ(Count(), "2");
}

TEST_F(CardStatisticsTest, ResetClearsOnlyTheViewShown) {
    for (int view = 0; view < 3; ++view) {
        Block().CardCount(view) = 10 + view;
        for (int card = 0; card < 32; ++card) Block().CardCounter(view, card % 4, card) = 10 + view;
    }
    Block().CardView() = 2;
    Open();
    const CStatisticsBlock before = Block();
    Panel().ApplyActions({DialogAction::Press(CCardsDialog::kReset)});
    host_->PumpUntilIdle();
    EXPECT_EQ(Block().CardCount(2), 0);
    for (int holder = 0; holder < 4; ++holder)
        for (int card = 0; card < 32; ++card) EXPECT_EQ(Block().CardCounter(2, holder, card), 0);
    for (std::size_t w = 0; w < 666 + 256; ++w)
        if (w != 665) {
            EXPECT_EQ(Block().Words[w], before.Words[w]) << w;  // 665: the test deals' count
        }
    EXPECT_EQ(Count(), "0");
}

TEST_F(CardStatisticsTest, AViewWordNamingNoTableIsTheMatch) {
    for (int bad : {3, 7, -1, -2147483647}) {
        *g_pStatistics = CStatisticsBlock();
        Block().CardView() = bad;
        Block().CardCount(0) = 6;
        Open();
        EXPECT_EQ(Block().CardView(), 0) << bad;
        EXPECT_EQ(Count(), "6") << bad;
        EXPECT_EQ(Panel().IsDlgButtonChecked(CCardsDialog::kSeries), 1) << bad;
        Frame().SendMessage(WM_COMMAND, ID_LIST_CARD_STATISTICS);
        EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_CARD_STATISTICS), nullptr);
    }
}

TEST_F(CardStatisticsTest, TheSizeButtonsGiveTheCompactAndFullClients) {
    Open();
    EXPECT_EQ(::SendMessage(Panel().GetDlgItem(CCardsDialog::kCompact), BM_GETIMAGE, 0, 0), IDB_SIZE_COMPACT);
    EXPECT_EQ(::SendMessage(Panel().GetDlgItem(CCardsDialog::kFull), BM_GETIMAGE, 0, 0), IDB_SIZE_FULL);
    Panel().ApplyActions({DialogAction::Press(CCardsDialog::kCompact)});
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->WindowRect(), (Rect{100, 50, 558, 336}));
    EXPECT_EQ(window_->ClientRect(), (Rect{0, 0, 441, 286}));
    EXPECT_TRUE(window_->VScrollShown());
    EXPECT_FALSE(window_->HScrollShown());
    // Scrolled down, the panel goes up with the grid.
    window_->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    window_->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->VerticalBar().position, 28);
    EXPECT_EQ(Panel().WindowRect().top, -28);
    EXPECT_EQ(Panel().WindowRect().Width(), 441);
    Panel().ApplyActions({DialogAction::Press(CCardsDialog::kFull)});
    host_->PumpUntilIdle();
    EXPECT_EQ(window_->WindowRect(), (Rect{100, 50, 541, 792}));
    EXPECT_EQ(window_->ClientRect(), (Rect{0, 0, 441, 742}));
    EXPECT_FALSE(window_->VScrollShown());
    EXPECT_EQ(window_->VerticalBar().position, 0);
    EXPECT_EQ(window_->HorizontalBar().position, 0);
    EXPECT_EQ(Panel().WindowRect().top, 0);
}

TEST_F(CardStatisticsTest, EnglishRowsNameJackAndQueenByTheirLetters) {
    Open();
    const auto dc = Paint();
    EXPECT_EQ(CountTexts(*dc, "J"), 4);
    EXPECT_EQ(CountTexts(*dc, "Q"), 4);
    EXPECT_EQ(CountTexts(*dc, "B"), 0);
    EXPECT_EQ(CountTexts(*dc, "D"), 0);
    EXPECT_EQ(CountTexts(*dc, "A"), 4);
}

TEST_F(CardStatisticsTest, OpensAtItsPlaceOrItsDefaultAndClosesThroughItsToggle) {
    CCardStatistics& window = Open({20, 30, 461, 772});
    EXPECT_EQ(window.WindowRect(), (Rect{20, 30, 461, 772}));
    EXPECT_EQ(window.Title(), "Card Statistics");
    EXPECT_EQ(g_Settings.View.ListCardStatistics, 1);
    EXPECT_EQ(window.Panel()->GetParent(), window.Handle());
    ::MoveWindow(window.Handle(), 60, 70, 458, 286, true);
    window.SendMessage(WM_CLOSE);  // the close box
    host_->PumpUntilIdle();
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_CARD_STATISTICS), nullptr);
    EXPECT_EQ(g_Settings.View.ListCardStatistics, 0);
    EXPECT_EQ(GetProfileInt("RectCardStatistics", "Right", 0), 518);
    EXPECT_EQ(GetProfileInt("RectCardStatistics", "Bottom", 0), 356);
    // An inverted rectangle opens at the default.
    EXPECT_EQ(Open({300, 300, 100, 100}).WindowRect(), (Rect{0, 0, 441, 742}));
}

TEST_F(CardStatisticsTest, EnterAndEscapeLeaveThePanelInItsWindow) {
    Open();
    ::SetFocus(Panel().GetDlgItem(CCardsDialog::kUnlimited));
    for (int key : {VK_ESCAPE, VK_RETURN}) {
        host_->Key(host_->NowMs() + 10, key);
        host_->PumpFor(50);
        EXPECT_TRUE(::IsWindowVisible(Panel().Handle())) << key;
        EXPECT_NE(Frame().FramePanels().SideWindow(ID_LIST_CARD_STATISTICS), nullptr) << key;
    }
    EXPECT_EQ(Block().CardView(), 0);
}

TEST_F(CardStatisticsTest, ACountedDealRedrawsTheOpenWindow) {
    CCardStatistics& window = Open();
    const int paints = window.PaintCount();
    Frame().MatchFiles().LatchCardsStatistics(0);
    Frame().MatchFiles().UpdateCardsStatistics(0);
    EXPECT_GT(window.PaintCount(), paints);
    EXPECT_EQ(Count(), "1");
}

class GermanCardStatisticsTest : public CardStatisticsTest {
protected:
    void SetUp() override {
        UseEdition(GermanResources());
        CardStatisticsTest::SetUp();
    }
};

TEST_F(GermanCardStatisticsTest, GermanRowsHaveTheirOwnJackAndQueen) {
    Open();
    const auto dc = Paint();
    EXPECT_EQ(CountTexts(*dc, "B"), 4);
    EXPECT_EQ(CountTexts(*dc, "D"), 4);
    EXPECT_EQ(CountTexts(*dc, "J"), 0);
    EXPECT_EQ(CountTexts(*dc, "Q"), 0);
    EXPECT_EQ(CountTexts(*dc, "Karten"), 1);
    EXPECT_EQ(Panel().GetDlgItemText(CCardsDialog::kDeal), "&Geben");
}

}  // namespace
