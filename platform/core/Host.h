#pragma once
// platform::Host: what the window system asks of the program's host (the Qt host in the program, the
// headless host in tests and tools): time, waiting when there is nothing to do, input, the windows'
// retained drawing surfaces, and notice of what happened to windows so the host can show them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/DialogAnswer.h"
#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"

namespace platform {

class Clock;
class DeviceContext;
class WindowSystem;

// One raw input event as the host produced it. The engine picks the target window when a pump takes
// the event: the capture window or the window under `screenPoint` for mouse events, the focus window
// for keys.
struct InputEvent {
    UINT message = WM_NULL;  // WM_MOUSEMOVE, WM_LBUTTONDOWN, ..., WM_KEYDOWN, WM_KEYUP, WM_SYSKEY*
    Point screenPoint;       // mouse events
    int key = 0;             // key events: the virtual key
    WPARAM buttons = 0;      // mouse events: MK_* state to report (0: taken from the engine's key state)
    int wheelDelta = 0;      // WM_MOUSEWHEEL
    std::int64_t time = 0;   // host clock (ms) when the event happened
};

// What happened to a window, for the host's view of it.
enum class WindowEvent {
    Created,
    Destroyed,  // the window is gone: its surface draws nothing from now on, but stays (ReleaseSurface)
    Shown,
    Hidden,
    Moved,      // rectangle changed
    Retitled,
    Enabled,
    Disabled,
    Activated,
    Painted,    // a paint ended (EndPaint) or the surface was drawn on outside paint (ReleaseDC)
    CursorChanged,  // the window's current cursor changed (Window::CursorId)
    ScrollBarsChanged,  // an own scroll bar was shown, hidden, given a range or a position
    ToolTipChanged,     // Window::ToolTip changed
    IconChanged,    // the window's small icon changed (Window::SmallIconId)
};

// One invocation of a window procedure by the engine, for traces.
struct DispatchRecord {
    enum class Kind : char {
        Dispatched = 'D',  // taken from the queue by a pump (posted, input, paint, timer)
        Sent = 'S',        // SendMessage or a message the engine sends itself (focus, create, size, ...)
        OtherProcess = 'X',  // delivered from another process inside a retrieval call
    };
    Kind kind = Kind::Dispatched;
    int depth = 0;  // window procedure calls already on the stack (0: straight from the outermost pump)
    HWND hwnd = nullptr;
    UINT message = WM_NULL;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::int64_t time = 0;  // host clock (ms)
};

// A scripted or real answer to a file dialog.
struct FileDialogAnswer {
    bool accepted = false;  // false: the person cancelled
    std::string path;
};

// One entry of a file dialog's type list: "Match lists (*.skm)" with the pattern "*.skm".
struct FileFilter {
    std::string description;
    std::string pattern;  // one or more patterns separated by ';'
};

// What the program asks of a file dialog.
struct FileDialogRequest {
    HWND owner = nullptr;
    bool save = false;              // a save dialog (else open an existing file)
    std::string title;              // empty: the host's own title
    std::string acceptLabel;        // the accept button's text when it does more than open or save; empty: the host's
    std::string folder;             // the folder shown first (ends with '/'), empty: the host's choice
    std::string fileName;           // the name proposed
    std::string defaultExtension;   // without the dot; added to a chosen name without extension
    std::vector<FileFilter> filters;
};

class Host {
public:
    virtual ~Host() = default;

    // The clock of timers, Sleep and message times.
    virtual Clock& HostClock() = 0;

    // Called at the start of every retrieval: hand the input that is due now to
    // WindowSystem::QueueInput (and deliver other processes' messages with DeliverFromOtherProcess).
    virtual void FetchInput(WindowSystem& system) { (void)system; }

    // A non-blocking retrieval (PeekMessage, a nested wait's poll) found nothing. The headless host
    // advances its clock by a fixed poll cost; the Qt host may wait briefly for events.
    // `nextDueMs`: when the earliest timer is due, if any.
    virtual void IdlePoll(std::optional<std::int64_t> nextDueMs) = 0;

    // A blocking retrieval (the main loop, a modal loop) found nothing: wait until `nextDueMs` or until
    // new input arrives. The headless host jumps its clock; it reports a wait that nothing can end.
    virtual void WaitForWork(std::optional<std::int64_t> nextDueMs) = 0;

    // Sleep: let `ms` pass without dispatching anything.
    virtual void Sleep(std::int64_t ms) = 0;

    // Whether the host shows the windows' surfaces only when it gets round to it (a real screen):
    // drawing that only shows may then wait for it (WindowSystem::DeferDrawing), and the host calls
    // WindowSystem::DrawDeferred before it shows them.
    virtual bool DefersDrawing() const { return false; }

    // Whether the windows' surfaces keep what is drawn on them (a screen, a test that reads the
    // drawing). On a host whose windows keep nothing a window is painted once, when it first
    // shows, and never again: a later invalidation marks nothing, as nobody would see the paint.
    virtual bool KeepsPixels() const { return true; }

    // The screen's pixels per pixel of the windows (2 on a screen scaled twice): pictures made for
    // a dialog come in that many pixels each way.
    virtual double ScreenPixelRatio() const { return 1.0; }

    // The window's retained drawing surface (drawing outside paint and inside BeginPaint/EndPaint), or
    // nullptr when the host has none.
    virtual DeviceContext* WindowSurface(HWND hwnd) { (void)hwnd; return nullptr; }

    // The surface of a destroyed window may go now: no drawing context on it is held any more and no
    // handler of the window is running.
    virtual void ReleaseSurface(HWND hwnd) { (void)hwnd; }

    // Notice of a change to a window (after the change).
    virtual void OnWindowEvent(HWND hwnd, WindowEvent event) { (void)hwnd; (void)event; }

    // Called before every window procedure call the engine makes.
    virtual void OnDispatch(const DispatchRecord& record) { (void)record; }

    // Scripted answers for the dialog layer: a message box or file dialog takes the next one, if any,
    // instead of waiting for the person. The program's host has none.
    virtual std::optional<int> TakeMessageBoxAnswer() { return std::nullopt; }
    virtual std::optional<FileDialogAnswer> TakeFileDialogAnswer() { return std::nullopt; }
    // The person's actions for a modal dialog built from this template, if a test lined any up.
    virtual std::optional<DialogActions> TakeDialogAnswer(int templateId) { (void)templateId; return std::nullopt; }

    // MessageBeep: the warning sound.
    virtual void Beep(unsigned type) { (void)type; }
    // The height a control's text takes laid out at the control's width, frame included, where the
    // host lays text out in its own fonts (the Qt host's rich text); nothing where the program's
    // own measure is the host's.
    virtual std::optional<int> LaidOutTextHeight(HWND control) {
        (void)control;
        return std::nullopt;
    }
    // The width a control's text takes with no line wrapped (its widest paragraph; a rich text's
    // frame included, a label's text in the label's own font), where the host lays text out in its
    // own fonts; nothing elsewhere.
    virtual std::optional<int> LaidOutTextWidth(HWND control) {
        (void)control;
        return std::nullopt;
    }
    // Runs a file dialog for the person (modal to the request's owner). The default answers with a
    // scripted answer, or as cancelled when there is none.
    virtual FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) {
        (void)request;
        return TakeFileDialogAnswer().value_or(FileDialogAnswer{});
    }
};

}  // namespace platform
