// A top-level window's window menu on the Qt host: a bar with one menu above the client area for a
// window whose menu the program asked for, showing the program's items where it inserted them;
// choosing one reaches the window as WM_SYSCOMMAND through our queue, Close closes the window, a
// disabled window takes no choice. A window that never asked gets no bar.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "platform/core/SystemMenu.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtWindowMenuBar.h"
#include "QtTestSupport.h"

using namespace platform;
using namespace qttest;

namespace {

constexpr int kHighlight = 0x0100;
constexpr int kOptimize = 0x0120;
constexpr Rect kRect{120, 90, 420, 290};

// A side window's way with its window menu: items inserted at creation, the menu forgotten when
// the window goes.
class MenuWindow : public RecordingWindow {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE && withMenu) {
            if (Menu* menu = GetSystemMenu(Handle())) {
                InsertMenuItemAt(*menu, 1, kHighlight, "&Highlight");
                InsertMenuItemAt(*menu, 6, kOptimize, "&Optimize");
            }
        }
        if (message == WM_DESTROY) ForgetSystemMenu(Handle());
        return RecordingWindow::WindowProc(message, wParam, lParam);
    }
    int SysCommands(int id) const {
        int n = 0;
        for (const Message& m : messages) n += m.message == WM_SYSCOMMAND && m.wParam == static_cast<WPARAM>(id);
        return n;
    }
    bool withMenu = true;
};

class QtWindowMenuBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateWindowOf(window, WindowKind::Overlapped, kRect));
        bar = WindowMenuBarOf(window.Handle());
        ASSERT_NE(bar, nullptr);
    }
    // The shown action standing for the window menu's item with this id, or nullptr.
    QAction* ActionFor(int id) {
        bar->Fill();
        const Menu* menu = FindSystemMenu(window.Handle());
        const QList<QAction*> actions = bar->WindowMenu()->actions();
        for (std::size_t i = 0; i < bar->ShownItems().size(); ++i)
            if (menu->Items()[static_cast<std::size_t>(bar->ShownItems()[i])].id == id) return actions.value(static_cast<int>(i));
        return nullptr;
    }

    QtHost host;
    MenuWindow window;
    QtWindowMenuBar* bar = nullptr;
};

TEST_F(QtWindowMenuBarTest, TheBarShowsTheWindowsMenuAboveAnUnchangedClientArea) {
    bar->Fill();
    QStringList texts;
    for (QAction* action : bar->WindowMenu()->actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    // Move and Size belong to the window manager's frame; the program's items keep their order.
    EXPECT_EQ(texts, (QStringList{"Restore", "&Highlight", "Minimise", "Maximise", "&Optimize", "-", "Close"}));
    EXPECT_EQ(bar->ShownItems(), (std::vector<int>{0, 1, 4, 5, 6, 7, 8}));
    // Restore has nothing to do for a window in its normal state.
    EXPECT_FALSE(ActionFor(SC_RESTORE)->isEnabled());
    EXPECT_TRUE(ActionFor(kHighlight)->isEnabled());
    // The window's rectangle stays its client area; its widget grows by the bar.
    QWidget* widget = host.WidgetOf(window.Handle());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(window.WindowRect(), kRect);
    EXPECT_GT(bar->height(), 0);
    EXPECT_EQ(widget->height(), kRect.Height() + bar->height());
    EXPECT_EQ(widget->width(), kRect.Width());
    EXPECT_EQ(bar->geometry().top(), 0);
}

TEST_F(QtWindowMenuBarTest, AnItemChangedByTheProgramShowsAsItIsWhenTheMenuOpens) {
    Menu* menu = FindSystemMenu(window.Handle());
    ASSERT_NE(menu, nullptr);
    menu->CheckItem(kHighlight, true);
    menu->EnableItem(kOptimize, false);
    EXPECT_TRUE(ActionFor(kHighlight)->isChecked());
    EXPECT_FALSE(ActionFor(kOptimize)->isEnabled());
    menu->CheckItem(kHighlight, false);
    EXPECT_FALSE(ActionFor(kHighlight)->isChecked());
}

TEST_F(QtWindowMenuBarTest, AChoiceReachesTheWindowAsASystemCommandThroughOurQueue) {
    QAction* highlight = ActionFor(kHighlight);
    ASSERT_NE(highlight, nullptr);
    highlight->trigger();
    // Only recorded while Qt delivers it: the window hears of it from our loop.
    EXPECT_EQ(window.SysCommands(kHighlight), 0);
    ASSERT_TRUE(PumpUntil([this] { return window.SysCommands(kHighlight) == 1; }));
    PumpFor(50);
    EXPECT_EQ(window.SysCommands(kHighlight), 1);
    EXPECT_EQ(window.Count(WM_SYSCOMMAND), 1);
    EXPECT_EQ(window.Count(WM_CLOSE), 0);
}

TEST_F(QtWindowMenuBarTest, CloseClosesTheWindowAfterItsSystemCommand) {
    ActionFor(SC_CLOSE)->trigger();
    ASSERT_TRUE(PumpUntil([this] { return !IsWindow(window.Handle()); }));
    EXPECT_EQ(window.SysCommands(SC_CLOSE), 1);
    EXPECT_EQ(window.Count(WM_CLOSE), 1);
}

TEST_F(QtWindowMenuBarTest, MaximiseAndRestoreChangeTheWindowsState) {
    ActionFor(SC_MAXIMIZE)->trigger();
    ASSERT_TRUE(PumpUntil([this] { return IsZoomed(window.Handle()); }));
    // The window manager's late echoes of the new place must not take the maximised state away.
    PumpFor(100);
    EXPECT_EQ(window.SysCommands(SC_MAXIMIZE), 1);
    EXPECT_TRUE(ActionFor(SC_RESTORE)->isEnabled());
    EXPECT_FALSE(ActionFor(SC_MAXIMIZE)->isEnabled());
    ActionFor(SC_RESTORE)->trigger();
    ASSERT_TRUE(PumpUntil([this] { return !IsZoomed(window.Handle()); }));
    EXPECT_EQ(window.SysCommands(SC_RESTORE), 1);
}

// The bar changing its height while the window is maximised: the widget stays maximised at the
// window manager's size, and the window's client area shrinks by the taller bar.
TEST_F(QtWindowMenuBarTest, ATallerBarLeavesAMaximisedWindowMaximised) {
    ActionFor(SC_MAXIMIZE)->trigger();
    ASSERT_TRUE(PumpUntil([this] { return IsZoomed(window.Handle()); }));
    PumpFor(100);
    QWidget* widget = host.WidgetOf(window.Handle());
    ASSERT_NE(widget, nullptr);
    const QSize maximised = widget->size();
    host.SetClientMargins(window.Handle(), QMargins(0, bar->height() + 30, 0, 0));
    ASSERT_TRUE(PumpUntil([&] { return window.WindowRect().Height() == maximised.height() - bar->height() - 30; }));
    PumpFor(100);
    EXPECT_TRUE(widget->isMaximized());
    EXPECT_TRUE(IsZoomed(window.Handle()));
    EXPECT_EQ(widget->size(), maximised);
    EXPECT_EQ(window.WindowRect().Width(), maximised.width());
    EXPECT_EQ(window.WindowRect().Height(), maximised.height() - bar->height() - 30);
}

TEST_F(QtWindowMenuBarTest, ADisabledWindowTakesNoChoice) {
    QAction* optimize = ActionFor(kOptimize);
    EnableWindow(window.Handle(), false);
    optimize->trigger();
    PumpFor(100);
    EXPECT_EQ(window.Count(WM_SYSCOMMAND), 0);
    EnableWindow(window.Handle(), true);
    ActionFor(kOptimize)->trigger();
    ASSERT_TRUE(PumpUntil([this] { return window.SysCommands(kOptimize) == 1; }));
}

TEST(QtWindowMenuBarAbsentTest, AWindowThatNeverAskedForItsMenuGetsNoBar) {
    QtHost host;
    MenuWindow window;
    window.withMenu = false;
    ASSERT_TRUE(CreateWindowOf(window, WindowKind::Overlapped, kRect));
    EXPECT_EQ(WindowMenuBarOf(window.Handle()), nullptr);
    EXPECT_EQ(FindSystemMenu(window.Handle()), nullptr);
    QWidget* widget = host.WidgetOf(window.Handle());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->height(), kRect.Height());
}

}  // namespace
