// Where windows open, in real windows under openbox: the trick estimation's control panel is part of
// the estimation window, at the top of its client area under the title bar, not a window of its own
// laid over the estimation window.

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "flow/MainFrame.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtWindowWidget.h"
#include "qt/AppOnQtHost.h"
#include "qt/QtTestSupport.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/CommandIds.h"
#include "windows/TrickEstimation.h"
#include "windows/TrickEstimationDialog.h"

namespace {

using qttest::PumpUntil;

TEST(RealWindowPlacement, TheEstimationPanelSitsAtTheTopOfItsWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    qttest::AppOnQtHost app(false);
    // The person's own estimation (seat 2 in the window's bits of the setting): no question first.
    WriteProfileInt("View", "Player", (2 << 4) | 2);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    app.Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
    CTrickEstimation* estimation = app.Frame().TrickEstimationWindow();
    ASSERT_NE(estimation, nullptr);
    ASSERT_NE(estimation->PanelDialog(), nullptr);
    auto& host = *platform::QtHost::Current();
    QWidget* window = host.WidgetOf(estimation->Handle());
    QWidget* panel = host.WidgetOf(estimation->PanelDialog()->Handle());
    ASSERT_NE(window, nullptr);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return window->isVisible() && panel->isVisible(); }, 10000));
    // Inside the estimation window, at the top left of its client area, across the sheet.
    EXPECT_FALSE(panel->isWindow());
    ASSERT_EQ(panel->window(), window);
    const QMargins bars = dynamic_cast<const platform::QtWindowWidget&>(*window).ClientMargins();
    EXPECT_EQ(panel->mapTo(window, QPoint(0, 0)), QPoint(bars.left(), bars.top()));
    EXPECT_GT(panel->width(), 200);
    // The window manager stacks the estimation window with its title bar; the panel is no window
    // of its own laid over it.
    EXPECT_GE(realwindow::StackIndex(realwindow::Stacking(), window->winId()), 0);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible() && host.WindowOf(top) == estimation->PanelDialog()->Handle());
}

}  // namespace
