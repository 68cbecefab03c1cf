// The View menu's side windows: one routine opens a window at its stored place and closes it storing
// that place, with each kind's focus rule; a kind without its window leaves its command alone.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"

#include <cstddef>
#include <iterator>
#include <ostream>
#include <string>

#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "resources/FlowIds.h"
#include "model/Settings.h"
#include "platform/core/Menu.h"
#include "platform/core/Registry.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "shell/SideWindows.h"
#include "shell/SkatApp.h"

namespace {

using testsupport::FrameFixture;

// A side window that sizes itself, as the legend does: the place is the row's, the size its own.
platform::Window* MakeFixedWindow(CMainFrame&, const platform::CreateParams& given) {
    platform::CreateParams params = given;
    params.rect.right = params.rect.left + 567;
    params.rect.bottom = params.rect.top + 331;
    params.resizable = false;
    auto* window = new platform::Window;
    return window->Create(params) ? window : nullptr;
}

platform::Window* MakeWindow(CMainFrame&, const platform::CreateParams& params) {
    auto* window = new platform::Window;
    return window->Create(params) ? window : nullptr;
}

platform::Window* MakeNothing(CMainFrame&, const platform::CreateParams&) { return nullptr; }

int& LegendFlag() { return g_Settings.View.ListLegend; }
int& ScoreFlag() { return g_Settings.View.ListScore; }

class SideWindowsTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        WriteProfileInt("View", "LogList", 0);
        TraceOn();
        StartProgram();
        app_->LogLevelV = LOG_MAINFRAME;  // the side windows' and the frame's verbose lines too
    }
    platform::Rect PlaceOf(HWND hwnd) {
        platform::Rect rect;
        GetWindowRect(hwnd, &rect);
        return rect;
    }
    bool Checked(int command) {
        const platform::MenuItem* item =
            Frame().Table().MainMenu ? Frame().Table().MainMenu->FindCommand(command) : nullptr;
        return item && item->IsChecked();
    }
};

const CSideWindowRow kCornerRow{ID_LIST_LEGEND, &LegendFlag, "ListLegend", "RectLegend", {0, 0, 0, 0}, true,
                                IDS_PRODUCT_NAME, true, false, "OnListLegend", &MakeFixedWindow};

TEST_F(SideWindowsTest, OpenCloseOpenReusesTheStoredCornerWithTheWindowsOwnSize) {
    WriteProfileInt("RectLegend", "Left", 120);
    WriteProfileInt("RectLegend", "Top", 80);
    Frame().FramePanels().ToggleSideWindow(kCornerRow);
    const HWND first = Frame().FramePanels().SideWindow(ID_LIST_LEGEND);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(PlaceOf(first), (platform::Rect{120, 80, 687, 411}));
    EXPECT_EQ(g_Settings.View.ListLegend, 1);
    EXPECT_TRUE(Checked(ID_LIST_LEGEND));
    EXPECT_GE(FindLine("CMainFrame::OnListLegend(left:120:top:80)"), 0) << LogText();

    MoveWindow(first, 300, 200, 567, 331, false);
    Frame().FramePanels().ToggleSideWindow(kCornerRow);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_LEGEND), nullptr);
    EXPECT_EQ(g_Settings.View.ListLegend, 0);
    EXPECT_FALSE(Checked(ID_LIST_LEGEND));
    EXPECT_EQ(GetProfileInt("RectLegend", "Left", -1), 300);
    EXPECT_EQ(GetProfileInt("RectLegend", "Top", -1), 200);
    EXPECT_EQ(GetProfileInt("RectLegend", "Right", -1), -1) << "only the corner is stored";

    Frame().FramePanels().ToggleSideWindow(kCornerRow);
    EXPECT_EQ(PlaceOf(Frame().FramePanels().SideWindow(ID_LIST_LEGEND)), (platform::Rect{300, 200, 867, 531}));
}

TEST_F(SideWindowsTest, EachKindGivesTheFocusBackAsItsRowSays) {
    struct Case {
        const char* what;
        bool focusAfterOpen, focusAfterClose;
    };
    const Case cases[] = {
        {"the statistics: back after both", true, true},
        {"the score sheet: after neither", false, false},
        {"the store: after opening only", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CSideWindowRow row{ID_LIST_SCORE, &ScoreFlag, "ListScore", "RectScore", {418, 316, 1058, 614}, false,
                                 IDS_PRODUCT_NAME, c.focusAfterOpen, c.focusAfterClose, nullptr, &MakeWindow};
        Frame().FramePanels().ToggleSideWindow(row);
        const HWND window = Frame().FramePanels().SideWindow(ID_LIST_SCORE);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(PlaceOf(window), (platform::Rect{418, 316, 1058, 614}));
        EXPECT_EQ(GetFocus() == Frame().Handle(), c.focusAfterOpen);
        // Closing while the table has the focus: only a kind that gives it back moves it.
        SetFocus(g_Frame.hTableWnd);
        ASSERT_EQ(GetFocus(), g_Frame.hTableWnd);
        Frame().FramePanels().ToggleSideWindow(row);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(GetFocus() == Frame().Handle(), c.focusAfterClose);
        SetFocus(Frame().Handle());
    }
}

TEST_F(SideWindowsTest, AWindowThatCannotBeMadeLeavesNothingOpen) {
    const CSideWindowRow row{ID_LIST_SCORE, &ScoreFlag, "ListScore", "RectScore", {418, 316, 1058, 614}, false,
                             IDS_PRODUCT_NAME, true, true, nullptr, &MakeNothing};
    Frame().FramePanels().ToggleSideWindow(row);
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_SCORE), nullptr);
    // The next command tries again rather than closing a window that never came.
    Frame().FramePanels().ToggleSideWindow(row);
    EXPECT_EQ(g_Settings.View.ListScore, 1);
}

TEST_F(SideWindowsTest, AWindowClosedElsewhereCountsAsClosed) {
    Frame().FramePanels().ToggleSideWindow(kCornerRow);
    const HWND first = Frame().FramePanels().SideWindow(ID_LIST_LEGEND);
    ASSERT_NE(first, nullptr);
    DestroyWindow(first);
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_LEGEND), nullptr);
    Frame().FramePanels().ToggleSideWindow(kCornerRow);
    EXPECT_NE(Frame().FramePanels().SideWindow(ID_LIST_LEGEND), nullptr) << "the command opens it again";
}

TEST_F(SideWindowsTest, AKindWithoutItsWindowLeavesItsCommandAsItWas) {
    for (const CSideWindowRow& row : SideWindowRows()) {
        if (row.create) continue;
        SCOPED_TRACE(row.command);
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(row.command));
        EXPECT_EQ(Frame().FramePanels().SideWindow(row.command), nullptr);
        EXPECT_EQ(row.viewFlag(), 0);
        EXPECT_GE(FindLine("OnCommand(" + std::to_string(row.command) + ")"), 0);
    }
}

TEST_F(SideWindowsTest, EveryRowIsFoundByItsCommandAndTheLogFollowsLogList) {
    for (const CSideWindowRow& row : SideWindowRows()) EXPECT_EQ(FindSideWindowRow(row.command), &row);
    EXPECT_EQ(FindSideWindowRow(ID_NEW), nullptr);
    const CSideWindowRow* log = FindSideWindowRow(CM_LOG_WINDOW);
    ASSERT_NE(log, nullptr);
    app_->LogList = 1;
    EXPECT_EQ(&log->viewFlag(), &app_->LogList);
}

// The start reopens what was open at the last exit.
class SideWindowsAtStartTest : public FrameFixture {};

TEST_F(SideWindowsAtStartTest, TheLogWindowComesBackWhenLogListIsSet) {
    WriteProfileInt("Delay", "Switch", 0);
    WriteProfileInt("View", "LogList", 1);
    WriteProfileInt("RectLog", "Left", 50);
    WriteProfileInt("RectLog", "Top", 60);
    WriteProfileInt("RectLog", "Right", 350);
    WriteProfileInt("RectLog", "Bottom", 260);
    StartProgram();
    const HWND log = Frame().FramePanels().SideWindow(CM_LOG_WINDOW);
    ASSERT_NE(log, nullptr);
    platform::Rect rect;
    GetWindowRect(log, &rect);
    EXPECT_EQ(rect, (platform::Rect{50, 60, 350, 260}));
}

TEST_F(SideWindowsAtStartTest, NoLogWindowWhenLogListIsOff) {
    WriteProfileInt("Delay", "Switch", 0);
    WriteProfileInt("View", "LogList", 0);
    StartProgram();
    EXPECT_EQ(Frame().FramePanels().SideWindow(CM_LOG_WINDOW), nullptr);
}

// The View menu's ten windows that the start may reopen: the panels by their close command, the
// side windows by their own.
struct ViewWindow {
    const char* viewEntry;
    int CSettings::ViewSection::*viewFlag;
    int command;
    int panelClose;  // 0: a side window
};
constexpr ViewWindow kViewWindows[] = {
    {"ListAnnotation", &CSettings::ViewSection::ListAnnotation, ID_ANNOTATION, CM_CLOSE_ANNOTATION},
    {"ListData", &CSettings::ViewSection::ListData, ID_LIST_DATA, CM_CLOSE_DATA},
    {"ListGameValue", &CSettings::ViewSection::ListGameValue, ID_LIST_GAME_VALUE, CM_CLOSE_GAME_VALUE},
    {"ListLegend", &CSettings::ViewSection::ListLegend, ID_LIST_LEGEND, 0},
    {"ListCardStatistics", &CSettings::ViewSection::ListCardStatistics, ID_LIST_CARD_STATISTICS, 0},
    {"ListGameStatistics", &CSettings::ViewSection::ListGameStatistics, ID_LIST_GAME_STATISTICS, 0},
    {"ListState", &CSettings::ViewSection::ListState, ID_LIST_STATE, CM_CLOSE_STATE},
    {"ListScore", &CSettings::ViewSection::ListScore, ID_LIST_SCORE, 0},
    {"ListStore", &CSettings::ViewSection::ListStore, ID_LIST_STORE, 0},
    {"ListTrickEstimation", &CSettings::ViewSection::ListTrickEstimation, ID_LIST_TRICK_ESTIMATION, 0},
};

struct ReopenCase {
    const char* name;
    unsigned openAtExit;  // bit i: kViewWindows[i] was open at the last exit
};

void PrintTo(const ReopenCase& c, std::ostream* out) { *out << c.name; }

class ReopenAtStartTest : public FrameFixture, public ::testing::WithParamInterface<ReopenCase> {};

// What was open at the last exit opens again, and its View flag stays set; nothing else opens.
TEST_P(ReopenAtStartTest, TheWindowsOpenAtTheLastExitOpenAgain) {
    const ReopenCase& c = GetParam();
    for (std::size_t i = 0; i < std::size(kViewWindows); ++i)
        WriteProfileInt("View", kViewWindows[i].viewEntry, (c.openAtExit >> i) & 1);
    // The trick estimation shows the person: an opponent's cards would first ask him.
    WriteProfileInt("View", "Player", 0x22);
    StartProgram();
    for (std::size_t i = 0; i < std::size(kViewWindows); ++i) {
        const ViewWindow& window = kViewWindows[i];
        SCOPED_TRACE(window.viewEntry);
        const bool wanted = ((c.openAtExit >> i) & 1) != 0;
        const HWND open = window.panelClose != 0 ? Frame().FramePanels().PanelWindow(window.panelClose)
                                                 : Frame().FramePanels().SideWindow(window.command);
        EXPECT_EQ(open != nullptr, wanted);
        EXPECT_EQ(g_Settings.View.*window.viewFlag, wanted ? 1 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReopenAtStartTest,
                         ::testing::Values(ReopenCase{"Nothing", 0}, ReopenCase{"Annotation", 1u << 0},
                                           ReopenCase{"GameData", 1u << 1}, ReopenCase{"GameValue", 1u << 2},
                                           ReopenCase{"Legend", 1u << 3}, ReopenCase{"CardStatistics", 1u << 4},
                                           ReopenCase{"GameStatistics", 1u << 5}, ReopenCase{"GameStatus", 1u << 6},
                                           ReopenCase{"ScoreSheet", 1u << 7}, ReopenCase{"CardsAssignment", 1u << 8},
                                           ReopenCase{"TrickEstimation", 1u << 9}, ReopenCase{"AllTen", 0x3FFu}),
                         [](const ::testing::TestParamInfo<ReopenCase>& info) { return std::string(info.param.name); });

// The View menu's windows on a 1024 x 768 screen less the frame's bars: opened at their defaults (the
// statistics and trick estimation windows are taller than the screen there) or at places stored on
// a larger screen, each lies wholly inside the work area.
TEST_F(SideWindowsTest, EveryViewWindowOpensInsideASmallWorkArea) {
    struct Case {
        const char* what;
        int command;
        const char* section;
        bool stored;
        platform::Rect place;  // stored: left, top, right, bottom
    };
    const Case cases[] = {
        {"score sheet", ID_LIST_SCORE, "RectScore", false, {}},
        {"cards assignment", ID_LIST_STORE, "RectStore", false, {}},
        {"card statistics", ID_LIST_CARD_STATISTICS, "RectCardStatistics", false, {}},
        {"game statistics", ID_LIST_GAME_STATISTICS, "RectGameStatistics", false, {}},
        {"trick estimation", ID_LIST_TRICK_ESTIMATION, "RectTrickEstimation", false, {}},
        {"legend", ID_LIST_LEGEND, "RectLegend", false, {}},
        {"score sheet from a larger screen", ID_LIST_SCORE, "RectScore", true, {1400, 700, 2040, 1000}},
        {"game statistics from a larger screen", ID_LIST_GAME_STATISTICS, "RectGameStatistics", true, {1300, 200, 1800, 1000}},
        {"legend from a larger screen", ID_LIST_LEGEND, "RectLegend", true, {1500, 900, 0, 0}},
    };
    const platform::Rect work{0, 52, 1024, 744};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Shell.WorkArea = work;
        if (c.stored) {
            WriteProfileInt(c.section, "Left", c.place.left);
            WriteProfileInt(c.section, "Top", c.place.top);
            WriteProfileInt(c.section, "Right", c.place.right);
            WriteProfileInt(c.section, "Bottom", c.place.bottom);
        }
        host_->Answers().PushMessageBoxAnswer(IDNO);  // the trick estimation's question, if it asks
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(c.command));
        host_->PumpUntilIdle();
        host_->Answers().TakeMessageBoxAnswer();
        const HWND window = Frame().FramePanels().SideWindow(c.command);
        ASSERT_NE(window, nullptr);
        const platform::Rect rect = PlaceOf(window);
        EXPECT_GE(rect.left, work.left);
        EXPECT_GE(rect.top, work.top);
        EXPECT_LE(rect.right, work.right);
        EXPECT_LE(rect.bottom, work.bottom);
        EXPECT_GT(rect.Width(), 100);
        EXPECT_GT(rect.Height(), 100);
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(c.command));
        host_->PumpUntilIdle();
        ASSERT_EQ(Frame().FramePanels().SideWindow(c.command), nullptr);
    }
}

}  // namespace
