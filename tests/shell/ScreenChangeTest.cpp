// A screen that changes while the program runs (another resolution, the larger of two screens
// removed): the windows open then, the main window, the side windows, the panels and the legend,
// move into the new work area and shrink where they are larger than it; what already lies inside
// stays where it is.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"

#include "resources/FlowIds.h"
#include "platform/core/Screen.h"
#include "resources/CommandIds.h"
#include "shell/ShellGlobals.h"

#include <string>
#include <vector>

namespace {

using testsupport::FrameFixture;

class ScreenChangeTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        // Places stored on a large screen, far from where a small one ends.
        for (const char* section : {"RectScore", "RectCardStatistics", "RectLegend"}) {
            WriteProfileInt(section, "Left", 1500);
            WriteProfileInt(section, "Top", 800);
        }
        WriteProfileInt("RectGameValue", "Left", 1700);
        WriteProfileInt("RectGameValue", "Top", 900);
        // One window that lies inside the small screen already.
        WriteProfileInt("RectStore", "Left", 20);
        WriteProfileInt("RectStore", "Top", 60);
        WriteProfileInt("RectStore", "Right", 420);
        WriteProfileInt("RectStore", "Bottom", 360);
        StartProgram();
    }
    void Command(int id) {
        host_->Answers().PushMessageBoxAnswer(IDNO);  // a window that asks on opening
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id));
        host_->PumpUntilIdle();
        host_->Answers().TakeMessageBoxAnswer();
    }
    static platform::Rect PlaceOf(HWND hwnd) {
        platform::Rect rect;
        ::GetWindowRect(hwnd, &rect);
        return rect;
    }
    struct Open {
        std::string what;
        HWND hwnd;
    };
    // The View menu's windows, a panel and the legend, opened as the person opens them.
    std::vector<Open> OpenWindows() {
        Command(ID_LIST_SCORE);
        Command(ID_LIST_STORE);
        Command(ID_LIST_CARD_STATISTICS);
        Command(ID_LIST_LEGEND);
        Command(ID_LIST_GAME_VALUE);
        std::vector<Open> open = {{"main window", Frame().Handle()},
                                  {"score sheet", Frame().FramePanels().SideWindow(ID_LIST_SCORE)},
                                  {"cards assignment", Frame().FramePanels().SideWindow(ID_LIST_STORE)},
                                  {"card statistics", Frame().FramePanels().SideWindow(ID_LIST_CARD_STATISTICS)},
                                  {"legend", Frame().FramePanels().SideWindow(ID_LIST_LEGEND)},
                                  {"game value panel", Frame().FramePanels().PanelWindow(CM_CLOSE_GAME_VALUE)}};
        for (const Open& window : open) EXPECT_TRUE(::IsWindowVisible(window.hwnd)) << window.what;
        return open;
    }
};

void ExpectInside(const platform::Rect& rect, const platform::Rect& area, const std::string& what) {
    EXPECT_GE(rect.left, area.left) << what;
    EXPECT_GE(rect.top, area.top) << what;
    EXPECT_LE(rect.right, area.right) << what;
    EXPECT_LE(rect.bottom, area.bottom) << what;
    EXPECT_GT(rect.Width(), 0) << what;
    EXPECT_GT(rect.Height(), 0) << what;
}

TEST_F(ScreenChangeTest, OpenWindowsMoveIntoTheNewWorkArea) {
    // The main window large on the large screen.
    Frame().MoveWindow({200, 100, 1800, 1000}, true);
    host_->PumpUntilIdle();
    const std::vector<Open> open = OpenWindows();
    const platform::Rect storeBefore = PlaceOf(Frame().FramePanels().SideWindow(ID_LIST_STORE));
    const platform::Rect small{0, 0, 1024, 768}, smallWork{0, 28, 1024, 740};
    // Before the change the old screen holds them: some lie outside the small one.
    int outside = 0;
    for (const Open& window : open) {
        const platform::Rect rect = PlaceOf(window.hwnd);
        outside += rect.right > smallWork.right || rect.bottom > smallWork.bottom;
    }
    ASSERT_GE(outside, 4);

    host_->ChangeScreen(small, smallWork);
    host_->PumpUntilIdle();
    EXPECT_EQ(g_Shell.Desktop, small);
    EXPECT_EQ(g_Shell.WorkArea, smallWork);
    for (const Open& window : open) {
        ASSERT_TRUE(::IsWindow(window.hwnd)) << window.what;
        EXPECT_TRUE(::IsWindowVisible(window.hwnd)) << window.what;
        ExpectInside(PlaceOf(window.hwnd), smallWork, window.what);
    }
    // A window already inside stays where it was.
    EXPECT_EQ(PlaceOf(Frame().FramePanels().SideWindow(ID_LIST_STORE)), storeBefore);
    // The main window keeps what fits of its size: shrunk to the new work area where it must be.
    const platform::Rect main = Frame().WindowRect();
    EXPECT_LE(main.Width(), smallWork.Width());
    EXPECT_LE(main.Height(), smallWork.Height());
}

// A main window maximised on the old screen fills the new work area, smaller or larger.
TEST_F(ScreenChangeTest, AMaximisedMainWindowFillsTheNewWorkArea) {
    Frame().MoveWindow(g_Shell.WorkArea, true);
    host_->PumpUntilIdle();
    ASSERT_TRUE(Frame().IsMaximised());
    const struct {
        platform::Rect desktop, work;
    } screens[] = {{{0, 0, 1280, 800}, {0, 0, 1280, 760}}, {{0, 0, 2560, 1440}, {0, 32, 2560, 1440}}};
    for (const auto& screen : screens) {
        host_->ChangeScreen(screen.desktop, screen.work);
        host_->PumpUntilIdle();
        EXPECT_EQ(Frame().WindowRect(), screen.work);
        EXPECT_TRUE(Frame().IsMaximised());
    }
}

}  // namespace
