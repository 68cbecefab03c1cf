// The legend: which rows a game's marks tick, its picture and place, its help toggle and close box.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTestSupport.h"

#include "match/Profile.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "shell/Legend.h"
#include "resources/LegendBitmap.h"

namespace {

using testsupport::FrameFixture;

struct TickCase {
    const char* name;
    int cheatMask;
    int pendingMarks;
    std::vector<int> rows;
};

// A failing case names itself, not its bytes.
void PrintTo(const TickCase& c, std::ostream* out) { *out << c.name; }

class LegendTickTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(LegendTickTest, RowsOfTheMarks) {
    const TickCase& c = GetParam();
    unsigned expected = 0;
    for (int row : c.rows) expected |= 1u << row;
    EXPECT_EQ(LegendTicks(c.cheatMask, c.pendingMarks), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, LegendTickTest,
    ::testing::Values(TickCase{"NoMarks", 0, 0, {}},
                      TickCase{"AbortedAndUndone", 1 | 64, 0, {0, 8}},
                      TickCase{"SecondUncoveringAlone", 0x200, 0, {5}},
                      TickCase{"BothUncoverings", 0x300, 0, {5}},
                      TickCase{"LoadedAmongTheKeptMarks", 0, 0x80, {3}},
                      TickCase{"KeptMarksOtherThanLoadedTickNothing", 0, 1 | 8, {}},
                      TickCase{"DealtOpenAndFaceUp", 16 | 32, 0, {1, 4}},
                      TickCase{"EveryMark", 1 | 2 | 4 | 8 | 16 | 32 | 64 | 0x100, 0x80, {0, 1, 2, 3, 4, 5, 6, 7, 8}}),
    [](const auto& info) { return std::string(info.param.name); });

class LegendWindowTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        TraceOn();
        // The legend's opening is a verbose line of the frame.
        WriteProfileInt("View", "LogLevelV", LOG_MAINFRAME);
        StartProgram();
    }
    // View > Legend.
    void Open() {
        Frame().SendMessage(WM_COMMAND, ID_LIST_LEGEND);
        host_->PumpUntilIdle();
        ASSERT_NE(Legend(), nullptr);
    }
    CLegend* Legend() const {
        return dynamic_cast<CLegend*>(::WindowFromHandle(app_->MainFrame()->FramePanels().SideWindow(ID_LIST_LEGEND)));
    }
    std::vector<platform::DrawRecord> Blits() const {
        std::vector<platform::DrawRecord> blits;
        for (const platform::DrawRecord& record : host_->Surface(Legend()->Handle())->Records())
            if (record.kind == platform::DrawKind::Blit) blits.push_back(record);
        return blits;
    }
    // The rows whose box got the tick.
    std::vector<int> TickedRows() const {
        std::vector<int> rows;
        for (const platform::DrawRecord& blit : Blits()) {
            if (blit.rasterOp != platform::RasterOp::SrcAnd) continue;
            EXPECT_EQ(blit.bounds.left, kLegendTickX);
            EXPECT_EQ(blit.bounds.Width(), 20);
            EXPECT_EQ(blit.bounds.Height(), 20);
            EXPECT_EQ(blit.source, (platform::Rect{0, 0, 20, 20}));
            EXPECT_EQ(blit.sourceSize, (platform::Size{390, 72})) << "the mask's corner";
            rows.push_back((blit.bounds.top - 21) / 24);
        }
        return rows;
    }

    platform::DesktopRecorder desktop_;
};

TEST_F(LegendWindowTest, ThePictureAloneWithoutMarks) {
    g_Game.CheatMask = 0;
    g_Profile.Cond = 0;
    Open();
    const std::vector<platform::DrawRecord> blits = Blits();
    ASSERT_FALSE(blits.empty());
    EXPECT_EQ(blits[0].rasterOp, platform::RasterOp::SrcCopy);
    EXPECT_EQ(blits[0].bounds, (platform::Rect{0, 0, 567, 331}));
    EXPECT_TRUE(TickedRows().empty());
    EXPECT_TRUE(testsupport::WasDrawn(testsupport::DrawnTexts(*host_, Legend()->Handle()), "Undone"));
}

TEST_F(LegendWindowTest, AbortedAndUndoneTickTheFirstAndLastRows) {
    g_Game.CheatMask = 1 | 64;
    Open();
    EXPECT_EQ(TickedRows(), (std::vector<int>{0, 8}));
}

TEST_F(LegendWindowTest, ALoadedGameTicksTheLoadedRow) {
    g_Game.CheatMask = 2;
    g_Profile.Cond = 0x80;
    Open();
    EXPECT_EQ(TickedRows(), (std::vector<int>{2, 3}));
}

TEST_F(LegendWindowTest, OpensAtTheStoredCornerWithThePicturesSizeAndReopensWhereItWasLeft) {
    WriteProfileInt("RectLegend", "Left", 120);
    WriteProfileInt("RectLegend", "Top", 80);
    Open();
    EXPECT_EQ(Legend()->WindowRect(), (platform::Rect{120, 80, 120 + 567, 80 + 331}));
    EXPECT_EQ(Legend()->ClientRect(), (platform::Rect{0, 0, 567, 331}));
    EXPECT_FALSE(Legend()->IsResizable());
    EXPECT_EQ(::GetWindowText(Legend()->Handle()), "Legend for Score Sheet and Documentation");
    EXPECT_GE(FindLine("CMainFrame::OnListLegend(left:120:top:80)"), 0) << LogText();
    // Moved by the person, closed by its own box, opened again: where it was left.
    Legend()->MoveWindow({300, 200, 300 + 567, 200 + 331});
    Legend()->SendMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_EQ(Legend(), nullptr);
    EXPECT_EQ(g_Settings.View.ListLegend, 0);
    EXPECT_EQ(GetProfileInt("RectLegend", "Left", -1), 300);
    EXPECT_EQ(GetProfileInt("RectLegend", "Top", -1), 200);
    Open();
    EXPECT_EQ(Legend()->WindowRect(), (platform::Rect{300, 200, 300 + 567, 200 + 331}));
    EXPECT_EQ(g_Settings.View.ListLegend, 1);
}

// A stored corner off the work area is moved in until the whole legend shows.
TEST_F(LegendWindowTest, ACornerOffTheWorkAreaIsKeptInsideIt) {
    struct Case {
        int left, top;
        platform::Rect opened;
    };
    const Case cases[] = {
        {-600, 10, {0, 10, 567, 341}},
        {10, 5000, {10, 709, 577, 1040}},
        {99999, 99999, {1353, 709, 1920, 1040}},
        {1500, 800, {1353, 709, 1920, 1040}},
    };
    for (const Case& c : cases) {
        WriteProfileInt("RectLegend", "Left", c.left);
        WriteProfileInt("RectLegend", "Top", c.top);
        Open();
        EXPECT_EQ(Legend()->WindowRect(), c.opened) << c.left << "," << c.top;
        Frame().SendMessage(WM_COMMAND, ID_LIST_LEGEND);
        host_->PumpUntilIdle();
        ASSERT_EQ(Legend(), nullptr);
    }
}

TEST_F(LegendWindowTest, AClickOpensItsHelpAndTheNextClosesIt) {
    Open();
    const platform::Point inside = platform::HeadlessHost::ScreenPoint(Legend()->Handle(), {100, 100});
    host_->Input(host_->NowMs(), {WM_LBUTTONDOWN, inside});
    host_->Input(host_->NowMs(), {WM_LBUTTONUP, inside});
    host_->PumpFor(10);
    ASSERT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.page, "Bedienung/Ansicht.htm");
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.anchor, "legend");
    EXPECT_EQ(::GetFocus(), Frame().Handle());
    EXPECT_TRUE(Legend()->IsHelpOpen());
    host_->Input(host_->NowMs(), {WM_LBUTTONDOWN, inside});
    host_->PumpFor(10);
    EXPECT_EQ(desktop_.HelpClosings(), 1);
    EXPECT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_FALSE(Legend()->IsHelpOpen());
}

TEST_F(LegendWindowTest, WithoutTheMenusFlagTheCloseBoxJustCloses) {
    Open();
    g_Settings.View.ListLegend = 0;
    WriteProfileInt("RectLegend", "Left", 5);
    Legend()->MoveWindow({40, 50, 40 + 567, 50 + 331});
    Legend()->SendMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_EQ(Legend(), nullptr);
    EXPECT_EQ(GetProfileInt("RectLegend", "Left", -1), 5) << "not through the toggle: nothing stored";
}

}  // namespace
