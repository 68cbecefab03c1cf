#pragma once
// platform::QtFrameBars: a frame window's menu bar, tool bar and status bar on the Qt host, all
// asking the frame's one update function and running commands through our loop.
//
// Layout: the bars lie around the frame's client area, not on it. The frame's widget grows by the
// bars' heights (QtHost::SetClientMargins): menu bar and tool bar above the client area, status bar
// below it. The frame's rectangle in our window system stays its client area, so the program lays
// out its view over the whole client rectangle exactly as on the headless host, and the person's
// resizing reports the widget's size less the bars.
//
// The bars belong to the frame's widget and go with the frame's window.

#include <cstdint>
#include <span>

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "platform/core/Accelerators.h"
#include "platform/core/CommandState.h"
#include "platform/core/MenuTemplate.h"
#include "platform/core/Message.h"
#include "platform/core/StatusBar.h"
#include "platform/qt/QtMenuBar.h"
#include "platform/qt/QtStatusBar.h"
#include "platform/qt/QtToolBar.h"

class QKeyEvent;
class QWidget;

namespace platform {

class QtHost;

struct FrameBarsSpec {
    const MenuTemplate* menu = nullptr;  // nullptr: no menu bar
    std::span<const int> toolbarIds;      // buttons, 0 for a separator; empty: no tool bar
    StatusBar* statusBar = nullptr;       // nullptr: no status bar; else it must outlive the frame's window
    CommandUpdater updater;               // the frame's update function
    // The frame's accelerators: their keys go to our loop even where a top-level menu title has the
    // same Alt mnemonic, as accelerators come first.
    const AcceleratorTable* accelerators = nullptr;
    QtStatusBar::FontLookup fonts;        // the status bar's font by application font id
    std::function<ButtonPicture(int id)> pictures;  // the tool bar's pictures; none: framed letters
};

class QtFrameBars final : public QObject {
public:
    // The tool bar is refreshed at most this often while our loop is idle.
    static constexpr std::int64_t kToolBarRefreshMs = 100;

    QtFrameBars(QtHost& host, HWND frame, QWidget& frameWidget, const FrameBarsSpec& bars);
    ~QtFrameBars() override;

    QtMenuBar* MenuBar() const { return m_menuBar; }
    QtToolBar* ToolBar() const { return m_toolBar; }
    QtStatusBar* StatusBarWidget() const { return m_statusBar; }

    // Replaces the menu (the language switch), making a menu bar when there was none.
    void RebuildMenu(const MenuTemplate& menu);
    // Asks the update function about the tool bar's buttons now.
    void UpdateToolBar();
    // Places the bars again and gives the frame's widget room for them (after a bar's height changed:
    // a new menu, the status bar's font).
    void Relayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnIdle();
    void PlaceBars();
    bool IsAccelerator(const QKeyEvent& key) const;

    QtHost& m_host;
    HWND m_frame;
    QWidget& m_widget;
    CommandUpdater m_updater;
    const AcceleratorTable* m_accelerators;
    // Guarded: the frame's widget may delete the bars, its children, before this object.
    QPointer<QtMenuBar> m_menuBar;
    QPointer<QtToolBar> m_toolBar;
    QPointer<QtStatusBar> m_statusBar;
    int m_idleHandler = 0;
    std::int64_t m_lastToolBarUpdate = 0;
    QTimer m_toolBarWake;  // ends the host's wait when a refresh was held back
};

// Installs the bars on a frame shown by the current QtHost, replacing bars installed before; false
// when there is no host or the window is not one of its top-level windows.
bool AttachFrameBars(HWND frame, const FrameBarsSpec& bars);
bool AttachFrameBars(HWND frame, const MenuTemplate* menu, std::span<const int> toolbarIds, StatusBar* statusBar,
                     CommandUpdater updater);
// The bars of a frame, or nullptr.
QtFrameBars* FrameBarsOf(HWND frame);

}  // namespace platform
