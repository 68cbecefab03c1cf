#pragma once
// platform::QtHost: the host of the real program on Qt 6 Widgets. Our queue stays the master: the
// engine decides what runs next, the host supplies the system clock, Qt's input and the waiting, and
// mirrors our windows on screen. Needs a QApplication; constructing one installs its clock and
// dialog font measure and attaches it to the window system (which starts from a clean state);
// destroying it detaches again. One at a time.
//
// Windows. Every top-level window (overlapped or popup) gets a top-level widget, every child window
// a child widget: dialog controls as native Qt widgets kept in step with the control, other child
// windows (the table view) as widgets showing their retained surface. A window's rectangle in our
// coordinates is its widget's geometry.
//
// Input. Qt's events are only recorded while Qt delivers them; the engine takes them at its next
// retrieval (FetchInput): mouse and keys as raw input, a close request as a posted WM_CLOSE, a
// resize as MoveWindow, an activation or a click into a field as activation or focus. What the
// person does with a native control (a click, a choice, typing) becomes a posted message, so the
// dialog's handler runs from our message loop.
//
// Waiting. An empty blocking retrieval (main loop, modal loop) blocks in Qt's event processing until
// a Qt event comes or the next timer is due (one single-shot Qt timer armed at that time). An empty
// poll of a nested wait blocks the same way, so nothing wakes the program when nothing is due: every
// nested wait is ended by a message, a timer or a Qt event. Sleep blocks until its end,
// letting Qt repaint but dispatching none of ours. While the engine is busy, Qt's events are still
// processed every kBusyProcessMs at a retrieval, so the windows repaint and input is read. With
// KARTOVAN_WAKE_COUNT naming a file, each return from Qt's event processing is counted under what it
// found (QtWakeCount.h).

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <QIcon>
#include <QImage>
#include <QMargins>
#include <QPointer>
#include <QTimer>

#include "platform/core/Clock.h"
#include "platform/core/Host.h"
#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"
#include "platform/qt/QtWakeCount.h"
#include "platform/qt/QtWindowPool.h"

class QKeyEvent;
class QWidget;

namespace platform {

class Control;
class QtControlRelay;
class QtControl;
class QtWindowSurface;

class QtHost final : public Host {
public:
    static constexpr std::int64_t kBusyProcessMs = 15;
    // The largest size of the program's icon an owned window (a dialog, a strip) carries.
    static constexpr int kOwnedIconSide = 64;

    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // The host constructed last and still alive, or nullptr.
    static QtHost* Current();

    // Runs the main loop until WM_QUIT and returns its exit code.
    int Run();

    // --- Host ----------------------------------------------------------------------------------
    Clock& HostClock() override { return m_clock; }
    void FetchInput(WindowSystem& system) override;
    void IdlePoll(std::optional<std::int64_t> nextDueMs) override;
    void WaitForWork(std::optional<std::int64_t> nextDueMs) override;
    void Sleep(std::int64_t ms) override;
    // The screen shows a surface when Qt gets round to painting it: drawing that only shows waits
    // until then (the events Qt processes), so many changes of one place are drawn once.
    bool DefersDrawing() const override { return true; }
    double ScreenPixelRatio() const override;
    DeviceContext* WindowSurface(HWND hwnd) override;
    void OnWindowEvent(HWND hwnd, WindowEvent event) override;
    void Beep(unsigned type) override;
    std::optional<int> LaidOutTextHeight(HWND control) override;  // QtTextLayout.cpp
    std::optional<int> LaidOutTextWidth(HWND control) override;   // QtTextLayout.cpp
    void ReleaseSurface(HWND hwnd) override;
    // Qt's file dialog over the owner's widget, while our loop keeps running (QtFileDialog.h).
    FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) override;

    // --- Windows on screen ---------------------------------------------------------------------
    // The widget that shows a window (a native widget for a dialog control), or nullptr.
    QWidget* WidgetOf(HWND hwnd) const;
    // The window a widget shows, or nullptr.
    HWND WindowOf(const QWidget* widget) const;
    // A window's retained surface image, or nullptr when it has none (controls, windows that never
    // drew).
    const QImage* SurfaceImage(HWND hwnd) const;
    // Whether the surface of a destroyed window is still kept (a context on it is held or a handler
    // of the window still runs).
    bool KeepsRetiredSurface(HWND hwnd) const { return m_retiredSurfaces.contains(hwnd); }

    // Pictures of image controls by image id, at a size in pixels (the card pictures' owner
    // installs this); without one image controls stay empty.
    using ImageSource = std::function<QImage(int imageId, QSize size)>;
    void SetImageSource(ImageSource source);

    // --- From Qt to our loop -------------------------------------------------------------------
    // Runs `action` at the engine's next retrieval (inside FetchInput), for Qt-side code that has to
    // touch our windows (drops, a second instance's file name, dialogs' native controls): Qt event
    // handlers only record, never call into the window system themselves.
    void RunAtNextRetrieval(std::function<void()> action);
    // Brings a top-level window forward for a second start of the program: restored when it is
    // minimised, and the window it is busy with (its open dialog or message) activated and raised.
    void BringToFront(HWND mainWindow);
    // Runs `action` from our message loop: posted to a hidden relay window, so it is dispatched in
    // queue order like any posted message.
    void PostToLoop(std::function<void()> action);

    // Runs `handler` whenever a retrieval found nothing to do, before the host waits (main and modal
    // loops) or idles (nested waits): work of an idle loop, such as refreshing a tool bar. Handlers
    // run from our side; each gets an id for removing it.
    int AddIdleHandler(std::function<void()> handler);
    void RemoveIdleHandler(int id);

    // Margins around a top-level window's client area for its bars: its widget grows by them around
    // the window's rectangle, which stays the client area (see QtWindowWidget::SetClientMargins).
    void SetClientMargins(HWND hwnd, const QMargins& margins);
    // The smallest client area the person may drag a top-level window to: the window manager is
    // told (its size hints, with the bars' margins added), so a drag stops there.
    void SetMinimumClientSize(HWND hwnd, QSize size);

    // --- Used by the host's widgets ------------------------------------------------------------
    void QueueMouse(HWND hwnd, UINT message, QPoint local, int wheelDelta = 0);
    void QueueKey(const QKeyEvent& event);
    void RequestClose(HWND hwnd);
    // The person used one of the window's own scroll bars: WM_HSCROLL or WM_VSCROLL (lParam 0) is
    // posted at the next retrieval.
    void QueueScroll(HWND hwnd, bool vertical, unsigned code, int position);
    // The window manager moved or sized a top-level widget: our window takes the widget's place
    // (less the bars) as it is when the report is taken.
    void ReportGeometry(HWND hwnd);
    // The person minimised, maximised or restored a top-level widget: our window takes the state
    // and gets WM_SIZE with its size type.
    void ReportWindowState(HWND hwnd, Qt::WindowStates states);
    // The person resized a top-level window from `before` to `after` (client sizes): its child
    // windows that filled the client area are stretched on Qt's side at once, until our side
    // places them.
    void StretchFillingChildren(HWND hwnd, QSize before, QSize after);
    void ReportActivated(HWND hwnd);
    void ReportDeactivated();
    void ReportFocus(HWND hwnd);
    // The person changed a native control: `action` runs from our loop on the live control; the
    // control is not overwritten from our side until then.
    void ReportControlAction(HWND hwnd, std::function<void(Control&)> action);

private:
    struct Mirror {
        QPointer<QWidget> widget;
        std::unique_ptr<QtWindowSurface> surface;
        std::unique_ptr<QtControl> control;
        bool dirty = false;          // control: its state changed since the last sync
        int pendingUserActions = 0;  // control: the person's changes not yet taken by our loop
        bool resizePending = false;  // surface: the window's size changed while the surface was held
        QSize minimumClient;         // top-level: the smallest client area, empty for none
    };

    Mirror* Find(HWND hwnd);
    const Mirror* Find(HWND hwnd) const;
    void CreateMirror(HWND hwnd);
    void DestroyMirror(HWND hwnd);
    void ApplyGeometry(HWND hwnd, Mirror& mirror);
    // At the next retrieval our window's rectangle becomes its top-level widget's client area.
    void FollowWidgetGeometry(HWND hwnd);
    void ApplySurfaceSize(HWND hwnd, Mirror& mirror);
    // Has the widget show what was drawn on the surface since the last notice (a paint ended or a
    // context released): only that rectangle, or all of it when the surface changed its size.
    void ShowDrawn(HWND hwnd, Mirror& mirror);
    // Brings Qt in step with our side: focus and the controls whose state changed (all of them with
    // `everything`).
    void SyncToQt(bool everything);
    void SyncControl(HWND hwnd, Mirror& mirror);
    // Processes Qt's events, blocking up to `waitMs` (nothing: until an event comes) for the first.
    void ProcessQtEvents(std::optional<std::int64_t> waitMs, QtWakeCount::Kind kind);
    void DrainRecorded();
    void RunIdleHandlers();
    // Where a window's client area starts inside its widget (a frame's bars above it), or 0, 0.
    QPoint ClientOffsetOf(HWND hwnd) const;
    QMargins ClientMarginsOf(HWND hwnd) const;
    void AskForActivation();
    void ReleaseHeldModifiers();
    void ForgetModifiersReleasedElsewhere(int key, Qt::KeyboardModifiers held);
    qreal RatioOf(HWND hwnd) const;

    SystemClock m_clock;
    std::unordered_map<HWND, Mirror> m_mirrors;
    std::unordered_map<HWND, std::unique_ptr<QtWindowSurface>> m_retiredSurfaces;  // of destroyed windows
    QtWindowPool m_pool;  // top-level widgets of destroyed owned windows, for the next of their kind
    std::deque<std::function<void()>> m_recorded;
    std::unique_ptr<QtControlRelay> m_relay;
    ImageSource m_imageSource;
    std::map<int, std::function<void()>> m_idleHandlers;
    int m_nextIdleHandler = 0;
    QTimer m_wakeTimer;
    std::unique_ptr<QtWakeCount> m_wakeCount;  // only when the environment asks for the census
    QIcon m_ownedIcon;                  // the program's icon for owned windows, made at the first one
    std::int64_t m_lastProcessedMs = 0;
    HWND m_focusShown = nullptr;        // the window Qt was last given the focus for
    std::vector<HWND> m_activationsAsked;  // activations we asked Qt for and it has not reported yet
    HWND m_activationToAsk = nullptr;   // our active window, asked of the desktop when Qt runs next
    HWND m_desktopActivated = nullptr;  // while ours follows the desktop's activation: the window it activated
    std::vector<int> m_modifiersDown;   // modifier keys reported down and not yet up
    int m_applying = 0;                 // > 0 while we change widgets ourselves
};

}  // namespace platform
