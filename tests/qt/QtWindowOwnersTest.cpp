// Which window each window of the program belongs to on the Qt host, reached the way the person
// reaches them: the bidding bar of a new game (made without an owner), the four panels (the frame
// as owner) and the side windows (the main frame as owner) are transient for the main window and
// of a kind the window manager keeps above it; the message dialogs' default owner is the main window.
#include <gtest/gtest.h>
#include "flow/FramePanels.h"

#include <functional>
#include <string>

#include <QWidget>
#include <QWindow>

#include "platform/core/Dialog.h"
#include "platform/core/WindowApi.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "resources/FlowIds.h"
#include "resources/CommandIds.h"

namespace {

struct OwnedCase {
    const char* name;
    int command;                               // the View menu's command that opens it; 0: the deal's bar
    std::function<HWND(CMainFrame&)> window;   // the window it opens
    Qt::WindowType type;                       // what the window manager is told it is
};

void PrintTo(const OwnedCase& c, std::ostream* out) { *out << c.name; }

class QtWindowOwners : public ::testing::TestWithParam<OwnedCase> {};

TEST_P(QtWindowOwners, TheWindowStaysAboveTheMainWindow) {
    const OwnedCase& c = GetParam();
    qttest::AppOnQtHost app(false);
    app.Start(1024, 768);
    if (HasFatalFailure()) return;
    EXPECT_EQ(platform::Dialog::DefaultOwner(), app.Frame().Handle());
    app.Deal();
    if (HasFatalFailure()) return;
    if (c.command != 0) app.Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(c.command));
    qttest::PumpFor(100);

    const HWND hwnd = c.window(app.Frame());
    ASSERT_TRUE(::IsWindow(hwnd));
    QWidget* widget = app.Host().WidgetOf(hwnd);
    QWidget* main = app.Widget();
    ASSERT_NE(widget, nullptr);
    ASSERT_NE(main, nullptr);
    ASSERT_NE(widget->windowHandle(), nullptr);
    EXPECT_EQ(widget->windowHandle()->transientParent(), main->windowHandle());
    EXPECT_EQ(widget->windowType(), c.type);
    if (c.command != 0) {
        // Made with the frame as its owner: it goes with the frame.
        const platform::Window* window = platform::WindowSystem::Instance().FromHandle(hwnd);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->GetOwner(), app.Frame().Handle());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, QtWindowOwners,
    ::testing::Values(OwnedCase{"BiddingBar", 0, [](CMainFrame& f) { return f.Prompts().PromptDialog; }, Qt::Tool},
                      OwnedCase{"DataPanel", ID_LIST_DATA,
                                [](CMainFrame& f) { return f.FramePanels().PanelWindow(CM_CLOSE_DATA); }, Qt::Dialog},
                      OwnedCase{"StatePanel", ID_LIST_STATE,
                                [](CMainFrame& f) { return f.FramePanels().PanelWindow(CM_CLOSE_STATE); }, Qt::Dialog},
                      OwnedCase{"GameValuePanel", ID_LIST_GAME_VALUE,
                                [](CMainFrame& f) { return f.FramePanels().PanelWindow(CM_CLOSE_GAME_VALUE); },
                                Qt::Dialog},
                      OwnedCase{"ScoreSheet", ID_LIST_SCORE,
                                [](CMainFrame& f) { return f.FramePanels().SideWindow(ID_LIST_SCORE); }, Qt::Dialog},
                      OwnedCase{"CardStatistics", ID_LIST_CARD_STATISTICS,
                                [](CMainFrame& f) { return f.FramePanels().SideWindow(ID_LIST_CARD_STATISTICS); },
                                Qt::Dialog}),
    [](const ::testing::TestParamInfo<OwnedCase>& info) { return std::string(info.param.name); });

}  // namespace
