#pragma once
// platform::QtWindowMenuBar: a top-level window's window menu (platform/core SystemMenu.h) on the
// Qt host, shown as a bar with one menu above the window's client area, since the window manager's
// own menu behind the title bar cannot carry the program's items. The window's rectangle stays its
// client area: the widget grows by the bar's height, as for a frame's bars.
//
// The menu is filled afresh from the window's menu each time it opens, so items the program
// inserted, dimmed or checked show as they are. Choosing an item takes the route of the headless
// host, from our loop: WM_SYSCOMMAND with the item's id to the window, and the standard Close closes
// it. Restore, Minimise and Maximise then change the window's state on screen; Move and Size are
// done with the window manager's frame, so the bar leaves them out (their places still count in the
// window's menu).

#include <vector>

#include <QMenuBar>

#include "platform/core/Message.h"

class QMenu;

namespace platform {

class QtWindowMenuBar final : public QMenuBar {
public:
    QtWindowMenuBar(HWND hwnd, QWidget& windowWidget);

    HWND Window() const { return m_hwnd; }
    QMenu* WindowMenu() const { return m_menu; }
    // Fills the menu from the window's menu now (Qt does it when the menu is about to show).
    void Fill();
    // The index in the window's menu of each action the menu shows now (separators included).
    const std::vector<int>& ShownItems() const { return m_shown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    // Runs from our loop: the item at `index` of the window's menu was chosen.
    static void Run(HWND hwnd, int index);

    HWND m_hwnd;
    QWidget& m_widget;
    QMenu* m_menu;
    std::vector<int> m_shown;
};

// Gives a top-level window of the current QtHost its window-menu bar when the program has asked
// for the window's menu and the window has no frame bars (a frame's menu bar is its own); true
// when the window has one afterwards.
bool AttachWindowMenuBar(HWND hwnd);
// The window's menu bar, or nullptr.
QtWindowMenuBar* WindowMenuBarOf(HWND hwnd);

}  // namespace platform
