#pragma once
// The Qt side of the program's main frame, shared by main() and the screenshot tests: the frame's
// menu, tool bar and status bar around its client area, and the screen the frame is placed on.
// The Qt tests link the very same wiring as the program (app/ProgramFrame.cpp).

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/core/Resources.h"
#include "platform/core/Screen.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtPlacement.h"
#include "platform/qt/QtWindowWidget.h"
#include "shell/ShellGlobals.h"

class CSkatApp;

namespace program {

// The room a screen area leaves for the frame's client area once the bars' margins are taken off
// every side: the frame's rectangle on the Qt host is its client area.
inline platform::Rect ClientRoom(const QRect& area, const QMargins& bars) {
    const QRect room = area.marginsRemoved(bars);
    return {room.left(), room.top(), room.left() + room.width(), room.top() + room.height()};
}

// The desktop and work area of the frame's screen as room for the frame's client area: its bars
// and the window manager's frame (title bar and borders) taken off every side, so that a window
// kept inside the work area shows its title bar on the screen.
inline void TellDesktop(HWND frameHandle) {
    platform::QtHost* host = platform::QtHost::Current();
    const auto* widget = host ? dynamic_cast<const platform::QtWindowWidget*>(host->WidgetOf(frameHandle)) : nullptr;
    const QScreen* screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins room = (widget ? widget->ClientMargins() : QMargins()) + platform::WindowDecoration(widget);
    g_Shell.Desktop = ClientRoom(screen->geometry(), room);
    g_Shell.WorkArea = ClientRoom(screen->availableGeometry(), room);
}

// Watches the frame until the window manager has framed it: its real frame replaces the guessed one.
class FramedWatch : public QObject {
public:
    FramedWatch(QWidget* frameWidget, HWND frameHandle) : QObject(frameWidget), m_frame(frameHandle) {
        frameWidget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (event->type() == QEvent::Move || event->type() == QEvent::Show) && widget->isVisible() &&
            widget->frameGeometry() != widget->geometry()) {
            TellDesktop(m_frame);
            widget->removeEventFilter(this);
        }
        return false;
    }

private:
    HWND m_frame;
};

// Tells the shell the desktop now, again once the frame is framed, and whenever a screen changes
// its size or free area or the primary screen changes: the windows open then move into the new
// work area, the next window opened keeps to it, and stored places are kept inside it as read.
inline void FollowDesktop(HWND frameHandle) {
    TellDesktop(frameHandle);
    platform::QtHost* host = platform::QtHost::Current();
    QWidget* frameWidget = host ? host->WidgetOf(frameHandle) : nullptr;
    // The offscreen platform has no window manager and no screens that change: what it told stays.
    if (!frameWidget || !qApp || QGuiApplication::platformName() == QStringLiteral("offscreen")) return;
    // The frame's widget is the context: the watches end with it.
    QWidget* context = frameWidget->window();
    new FramedWatch(context, frameHandle);
    // A change also tells the open windows, which move into the new work area.
    const auto retell = [frameHandle] {
        TellDesktop(frameHandle);
        platform::AnnounceScreenChange();
    };
    const auto watchScreen = [context, retell](QScreen* screen) {
        QObject::connect(screen, &QScreen::availableGeometryChanged, context, retell);
        QObject::connect(screen, &QScreen::geometryChanged, context, retell);
    };
    for (QScreen* screen : QGuiApplication::screens()) watchScreen(screen);
    QObject::connect(qApp, &QGuiApplication::screenAdded, context, [watchScreen, retell](QScreen* screen) {
        watchScreen(screen);
        retell();
    });
    QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, context, retell);
    // A screen removed: once the windows on it have come to another screen.
    QObject::connect(qApp, &QGuiApplication::screenRemoved, context, retell, Qt::QueuedConnection);
}

// Our own icon on every top-level window (the frame, the dialogs, the side windows): the
// application's icon is every window's icon unless it sets its own. Set before InitInstance makes
// the first window, so that each window is made with it: a window made before is sent it again, at
// every size, and the frame shows the window manager's own icon meanwhile.
inline void UseProgramIcon() { QApplication::setWindowIcon(platform::ProgramIcon()); }

// Attaches the frame's bars (its menu 128, tool bar, status bar model and update function, the
// accelerators 128, the application fonts for the status bar) and tells the shell the desktop and
// work area of the frame's screen, less the bars and the window manager's frame (and again as they change), and how the window manager maximises the frame. Call after InitInstance, before the loop runs
// (the first erase lays the frame out on that desktop). False without a frame or a host.
bool AttachProgramFrame(CSkatApp& app);

// The frame's window, the one the program's loop watches.
HWND ProgramFrameHandle(const CSkatApp& app);

}  // namespace program
