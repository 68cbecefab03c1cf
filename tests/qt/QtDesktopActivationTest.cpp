// The desktop's word on which window is active is followed, never answered: the program asks for an
// activation only for a step of its own or the person's act. Answering each report with a request
// of its own made the side windows and panels reopened at the start take the activation from each
// other without end, the window manager and the program spinning.
#include <gtest/gtest.h>
#include "flow/FramePanels.h"

#include <vector>

#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QWindow>

#include "platform/core/WindowApi.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "resources/CommandIds.h"

namespace {

TEST(QtDesktopActivation, TheProgramFollowsTheDesktopAndAsksNothingBack) {
    qttest::AppOnQtHost app(false);
    app.Start(1024, 768);
    if (HasFatalFailure()) return;
    CMainFrame& frame = app.Frame();
    // The person opens the score sheet, which becomes the active window.
    frame.SendMessage(WM_COMMAND, ID_LIST_SCORE);
    ASSERT_TRUE(qttest::PumpUntil([&] { return frame.FramePanels().SideWindow(ID_LIST_SCORE) != nullptr; }));
    const HWND score = frame.FramePanels().SideWindow(ID_LIST_SCORE);
    QWidget* scoreWidget = app.Host().WidgetOf(score);
    ASSERT_NE(scoreWidget, nullptr);
    QWindow* scoreWindow = scoreWidget->windowHandle();
    QWindow* mainWindow = app.Widget()->windowHandle();
    ASSERT_TRUE(qttest::PumpUntil([&] { return QGuiApplication::focusWindow() == scoreWindow; }));
    qttest::PumpFor(50);
    ASSERT_EQ(::GetActiveWindow(), score);

    std::vector<QWindow*> activated;
    const QMetaObject::Connection watch =
        QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&](QWindow* window) {
            if (window) activated.push_back(window);
        });
    // The desktop activates the main window and then the score sheet again, both before the
    // program runs (a click and the window manager's own choice, reported together).
    mainWindow->requestActivate();
    scoreWindow->requestActivate();
    ASSERT_TRUE(qttest::PumpUntil([&] { return activated.size() >= 2; }));
    qttest::PumpFor(200);
    QObject::disconnect(watch);

    // Each reached Qt once: the program asked for none of its own, not the main window's again.
    EXPECT_EQ(activated, (std::vector<QWindow*>{mainWindow, scoreWindow}));
    EXPECT_EQ(QGuiApplication::focusWindow(), scoreWindow);
    // Ours followed the desktop to its last word.
    EXPECT_EQ(::GetActiveWindow(), score);
}

}  // namespace
