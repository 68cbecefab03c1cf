// The legend: which rows a game's marks tick, its picture and place, its help toggle and close box.
#include "flow/FrameFixture.h"
#include "flow/FrameTestSupport.h"

#include "match/Profile.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "shell/Legend.h"
#include "shell/LegendPicture.h"

namespace {

using testsupport::FrameFixture;

struct TickCase {
    const char* name;
    int cheatMask;
    int pendingMarks;
    std::vector<int> rows;
};

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
        WriteProfileInt("View", "LogLevelV", LOG_MAINFRAME);
        StartProgram();
    }
    void Open() {
        ASSERT_TRUE(legend_.CreateLegend(Frame().Handle(), "Legend"));
        legend_.ShowWindow(SW_SHOW);
        host_->PumpUntilIdle();
    }
    std::vector<platform::DrawRecord> Blits() const {
        std::vector<platform::DrawRecord> blits;
        for (const platform::DrawRecord& record : host_->Surface(legend_.Handle())->Records())
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
            rows.push_back((blit.bounds.top - 21) / 24);
        }
        return rows;
    }

    platform::DesktopRecorder desktop_;
    CLegend legend_;
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
    EXPECT_TRUE(testsupport::WasDrawn(testsupport::DrawnTexts(*host_, legend_.Handle()), "Undone"));
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

TEST_F(LegendWindowTest, TheClientIsThePictureAtTheStoredCorner) {
    WriteProfileInt("RectLegend", "Left", 120);
    WriteProfileInt("RectLegend", "Top", 80);
    Open();
    EXPECT_EQ(legend_.WindowRect(), (platform::Rect{120, 80, 120 + 567, 80 + 331}));
    EXPECT_EQ(legend_.ClientRect(), (platform::Rect{0, 0, 567, 331}));
}

TEST_F(LegendWindowTest, ACornerOffTheWorkAreaOpensAtTheDefault) {
    for (const auto& [left, top] : {std::pair{-600, 10}, std::pair{10, 5000}, std::pair{99999, 99999}}) {
        WriteProfileInt("RectLegend", "Left", left);
        WriteProfileInt("RectLegend", "Top", top);
        EXPECT_EQ(legend_.InitialRect(), (platform::Rect{0, 0, 567, 331})) << left << "," << top;
    }
}

TEST_F(LegendWindowTest, AClickOpensItsHelpAndTheNextClosesIt) {
    Open();
    const platform::Point inside = platform::HeadlessHost::ScreenPoint(legend_.Handle(), {100, 100});
    host_->Input(host_->NowMs(), {WM_LBUTTONDOWN, inside});
    host_->Input(host_->NowMs(), {WM_LBUTTONUP, inside});
    host_->PumpFor(10);
    ASSERT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.page, "Bedienung/Ansicht.htm");
    EXPECT_EQ(desktop_.HelpRequests()[0].topic.anchor, "legend");
    EXPECT_EQ(::GetFocus(), Frame().Handle());
    EXPECT_TRUE(legend_.IsHelpOpen());
    host_->Input(host_->NowMs(), {WM_LBUTTONDOWN, inside});
    host_->PumpFor(10);
    EXPECT_EQ(desktop_.HelpClosings(), 1);
    EXPECT_EQ(desktop_.HelpRequests().size(), 1u);
    EXPECT_FALSE(legend_.IsHelpOpen());
}

TEST_F(LegendWindowTest, TheCloseBoxGoesThroughTheMenusToggleWhileTheMenuHasItOpen) {
    Open();
    g_Settings.View.ListLegend = 1;
    legend_.SendMessage(WM_CLOSE);
    EXPECT_TRUE(legend_.IsAlive()) << "the toggle closes it";
    EXPECT_GE(FindLine("OnCommand(32800)"), 0) << LogText();
    g_Settings.View.ListLegend = 0;
    legend_.SendMessage(WM_CLOSE);
    EXPECT_FALSE(legend_.IsAlive());
}

}  // namespace
