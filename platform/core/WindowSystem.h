#pragma once
// platform::WindowSystem: the single-threaded window system. One instance per process (Instance()),
// holding the handle table, the one message queue, timers, focus, activation, capture and the paint
// state. The classic free functions (WindowApi.h) forward to it.
//
// What a pump takes next (TakeMessage), in this order:
//  1. messages from other processes: delivered inside the retrieval call itself, never returned;
//  2. posted messages, one FIFO across all windows (WM_QUIT is a posted message too);
//  3. input, in the order the host produced it;
//  4. WM_PAINT for a visible window with an invalid region, one per window, oldest invalidation first;
//  5. WM_TIMER for the timer due earliest (ties: armed first).
//
// Timers: identity (window, id). Arming an armed id restarts it from now with the new interval.
// Expiries are synthesised at retrieval, so a kill drops even a due expiry and an id has at most one
// pending expiry. After an expiry the next due time is the last due time plus whole intervals, the
// first one after now: missed periods are skipped, never delivered in a burst. Intervals below 10 ms
// count as 10 ms. Timers need a window; they die with it.
//
// Pumps: RunMessageLoop (main loop: pre-translation along the target's chain, TranslateMessage,
// dispatch), RunModalLoop (the dialog's own pre-translation only) and the program's nested waits
// (PeekMessage + DispatchMessage, no translation). An empty PeekMessage lets the host idle a little
// (Host::IdlePoll); an empty blocking retrieval waits for work (Host::WaitForWork).
//
// Painting: InvalidateRect marks (bounding rectangle of the invalid parts); WM_PAINT is synthesised
// when nothing but timers is left. BeginPaint sends WM_ERASEBKGND when an erase was asked for and
// validates. A WM_PAINT handler that validates nothing is validated by the engine after it returns, so
// a careless handler cannot starve the queue. Hidden windows get no WM_PAINT; showing a window
// invalidates it. A destroyed window's surface stays, drawing nothing, until every
// context on it (GetDC, BeginPaint) is given back and its outermost running handler has returned;
// then the host may free it (Host::ReleaseSurface).
//
// Focus and activation: one active top-level window and one focus window. SetFocus sends WM_KILLFOCUS
// to the old and WM_SETFOCUS to the new window synchronously, activating the new window's top-level
// window first (WM_ACTIVATE to both). A disabled window (or one with a disabled ancestor) cannot take
// the focus; disabling the focus window or an ancestor of it takes the focus away.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/core/Host.h"
#include "platform/core/Message.h"
#include "platform/core/Window.h"
#include "platform/core/WindowGeometry.h"

namespace platform {

class DeviceContext;

// The paint record BeginPaint fills in.
struct PaintInfo {
    DeviceContext* dc = nullptr;  // the window's retained surface (nullptr when the host has none)
    bool erase = false;           // the background still needs erasing (WM_ERASEBKGND returned 0)
    Rect paintRect;               // client coordinates of the invalid part
};

class WindowSystem {
public:
    static WindowSystem& Instance();

    WindowSystem();
    ~WindowSystem();
    // Whether the one window system has been destroyed (only at the program's end).
    static bool Gone();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    // --- Host ----------------------------------------------------------------------------------
    // Attaches a host (nullptr detaches). Attaching or detaching resets the engine: every window is
    // destroyed and the queue, timers, focus and input are cleared.
    void AttachHost(Host* host);
    Host* AttachedHost() const { return m_host; }
    // Destroys every window and clears all state (tests start from here).
    void Reset();
    std::int64_t Now() const;

    // --- Windows -------------------------------------------------------------------------------
    Window* FromHandle(HWND hwnd) const;
    bool IsWindow(HWND hwnd) const { return FromHandle(hwnd) != nullptr; }
    bool CreateWindow(Window& window, const CreateParams& params);
    bool DestroyWindow(HWND hwnd);
    // Visible flag of the window and all its parents.
    bool IsWindowVisible(HWND hwnd) const;
    // Enabled flag of the window (not its parents, as the classic call does).
    bool IsWindowEnabled(HWND hwnd) const;
    bool ShowWindow(HWND hwnd, int command);  // returns whether it was visible before
    // A top-level window becomes minimised, maximised or restored (shown when hidden): WM_SIZE with
    // the type when it changed. The host calls it when the user changes the state; ShowWindow with
    // SW_MINIMIZE, SW_MAXIMIZE or SW_RESTORE lands here. Returns whether it was visible before.
    bool ChangeSizeType(HWND hwnd, WPARAM type);
    bool EnableWindow(HWND hwnd, bool enable);  // returns whether it was disabled before
    void MoveWindow(HWND hwnd, const Rect& rect, bool repaint);
    void SetWindowText(HWND hwnd, const std::string& title);
    // The window's current cursor becomes the system cursor `systemId`; the host hears of a change.
    // Returns the old id, 0 when hwnd is not a window.
    int SetCursor(HWND hwnd, int systemId);
    // Where the mouse was at the last mouse input taken (screen coordinates).
    Point CursorPosition() const { return m_cursorPosition; }
    // The window's own scroll bars (SB_HORZ, SB_VERT; SB_BOTH for showing). Showing or hiding a bar
    // changes the client area: the host hears of it as a move, the window gets WM_SIZE with the new
    // client size and is repainted. A range with the maximum below the minimum is accepted and
    // clamped to an empty one at the minimum; the position is clamped into the range. False (0 for
    // SetOwnScrollPos) when hwnd is not a window or bar names none.
    bool ShowOwnScrollBar(HWND hwnd, int bar, bool show);
    bool SetOwnScrollRange(HWND hwnd, int bar, int minimum, int maximum, bool redraw);
    // Returns the previous position.
    int SetOwnScrollPos(HWND hwnd, int bar, int position, bool redraw);
    // Moves the retained pixels of the client area by (dx, dy) and invalidates the strip they
    // uncovered (with erasing), so that only it is painted again.
    bool ScrollWindow(HWND hwnd, int dx, int dy);
    // The window's tooltip; the host hears of a change.
    bool SetToolTip(HWND hwnd, const std::string& text);
    // The top-level windows in z-order, topmost first.
    const std::vector<HWND>& TopLevelWindows() const { return m_zOrder; }
    Point ClientToScreen(HWND hwnd, Point p) const;
    Point ScreenToClient(HWND hwnd, Point p) const;
    // The deepest visible window under a screen point (disabled ones included), or nullptr.
    HWND WindowFromPoint(Point screen) const;
    // Whether `hwnd` is `ancestor` or one of its descendants.
    bool IsSelfOrDescendant(HWND ancestor, HWND hwnd) const;

    // --- Messages ------------------------------------------------------------------------------
    bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuitMessage(int exitCode);
    // Takes the next message by the pump order, without waiting and without idling. With `remove`
    // false, the message stays where it is. A filter (hwnd and/or message range, 0/0 = all) applies
    // to posted, input, paint and timer messages; other processes' messages are delivered regardless.
    bool TakeMessage(Message& out, HWND filter, UINT first, UINT last, bool remove) {
        return TakeMessage(out, filter, first, last, remove, nullptr);
    }
    // PeekMessage: TakeMessage, and Host::IdlePoll when it found nothing.
    bool PeekMessage(Message& out, HWND filter, UINT first, UINT last, UINT removeFlags);
    // GetMessage: waits (Host::WaitForWork) until a message comes; false for WM_QUIT.
    bool GetMessage(Message& out, HWND filter, UINT first, UINT last);
    LRESULT DispatchMessage(const Message& message);
    // Posts WM_CHAR for a WM_KEYDOWN of a character key. Returns whether it did.
    bool TranslateMessage(const Message& message);
    // The main loop's pre-translation: the target and its parents up to the top-level window.
    bool PreTranslateChain(Message& message);
    // One turn of the main loop for a message already taken: pre-translate, translate, dispatch.
    void ProcessMessage(Message& message);
    // The main loop: until WM_QUIT, whose exit code it returns.
    int RunMessageLoop();
    // A message from another process (WM_COPYDATA to the frame): the next retrieval of any pump
    // delivers it before anything else. For WM_COPYDATA pass the bytes; the engine keeps them until
    // the delivery and hands the handler a COPYDATASTRUCT.
    void DeliverFromOtherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void DeliverCopyData(HWND hwnd, HWND sender, std::uintptr_t tag, std::string bytes);
    // Input from the host (Host::FetchInput calls this).
    void QueueInput(const InputEvent& event);
    bool HasPendingInput() const { return !m_input.empty(); }
    // Key state as of the input messages taken so far (the classic GetKeyState: bit 0x8000 down).
    short GetKeyState(int key) const;
    // Whether anything of classes 1-4 is waiting or a timer is due now.
    bool HasWork();

    // --- Timers --------------------------------------------------------------------------------
    static constexpr int kMinimumTimerMs = 10;
    UINT SetTimer(HWND hwnd, UINT id, int intervalMs);
    bool KillTimer(HWND hwnd, UINT id);
    bool IsTimerArmed(HWND hwnd, UINT id) const;
    std::optional<std::int64_t> NextTimerDue() const;
    // Sleep: the host lets time pass; nothing is dispatched (due timers come at the next retrieval).
    void Sleep(std::int64_t ms);

    // --- Modal loops ---------------------------------------------------------------------------
    // Runs the dialog modally: disables its owner (when enabled), shows and activates the dialog, pumps
    // every message with the dialog's pre-translation until EndModalLoop was called for it (checked
    // after every dispatch) or it was destroyed; then re-enables and activates the owner and gives the
    // focus back to the window that had it. Returns the EndModalLoop result; -1 when the dialog was
    // destroyed without one, or when a quit request came (it is posted again for the outer loop).
    int RunModalLoop(Window& dialog);
    // Ends the dialog's modal loop after the current dispatch. Called before the loop starts (during
    // the dialog's creation), the loop ends at once.
    void EndModalLoop(Window& dialog, int result);
    // Modal loops running now, innermost last.
    const std::vector<Window*>& ModalLoops() const { return m_modalStack; }

    // --- Nested waits --------------------------------------------------------------------------
    // One poll of a nested wait inside a handler: takes one message by the pump order and dispatches
    // it raw (no pre-translation, no TranslateMessage); an empty poll idles (Host::IdlePoll). A quit
    // request is put back at the head of the queue and reported, and the wait should end.
    enum class WaitStep { Dispatched, Empty, Quit };
    WaitStep PumpWaitStep();
    // Pumps as a nested wait while keepWaiting() holds (tested after every poll, dispatched or
    // empty). Returns false when a quit request ended it.
    bool WaitWhile(const std::function<bool()>& keepWaiting);

    // --- Focus, activation, capture ------------------------------------------------------------
    HWND SetFocus(HWND hwnd);
    HWND GetFocus() const { return m_focus; }
    HWND SetActiveWindow(HWND hwnd);
    HWND GetActiveWindow() const { return m_active; }
    // The owned window of `owner` activated last while it is still visible and enabled, else `owner`.
    HWND GetLastActivePopup(HWND owner) const;
    HWND SetCapture(HWND hwnd);
    bool ReleaseCapture();
    HWND GetCapture() const { return m_capture; }

    // --- Painting ------------------------------------------------------------------------------
    bool InvalidateRect(HWND hwnd, const Rect* rect, bool erase);
    bool ValidateRect(HWND hwnd, const Rect* rect);
    bool GetUpdateRect(HWND hwnd, Rect* rect) const;
    bool UpdateWindow(HWND hwnd);
    bool RedrawWindow(HWND hwnd, const Rect* rect, UINT flags);
    DeviceContext* BeginPaint(HWND hwnd, PaintInfo* info);
    void EndPaint(HWND hwnd, const PaintInfo* info);
    DeviceContext* GetDC(HWND hwnd);
    void ReleaseDC(HWND hwnd, DeviceContext* dc);
    // Whether what is drawn on the window's surface is kept (false without a window or surface).
    bool SurfaceKeepsPixels(HWND hwnd);
    // Drawing that only shows (a card table's redraw) put off until the surface is next drawn on or
    // shown: true when the host shows surfaces later and nobody holds this window's surface now,
    // and then `draw` runs before the next GetDC, BeginPaint or RedrawWindow of the window, or at
    // DrawDeferred, whichever comes first (one pending drawing per window: a later one replaces it).
    // False (and nothing kept) where drawing must happen at once; the caller draws then.
    bool DeferDrawing(HWND hwnd, std::function<void()> draw);
    // Runs the put-off drawing of every window (the host, before it shows the surfaces).
    void DrawDeferred();

    // --- Diagnostics ---------------------------------------------------------------------------
    // Window procedure calls on the stack now.
    int HandlerDepth() const { return m_depth; }

private:
    struct Timer {
        HWND hwnd = nullptr;
        UINT id = 0;
        std::int64_t interval = 0;
        std::int64_t due = 0;
        std::uint64_t sequence = 0;  // arm order, breaks ties between equal due times
    };
    struct ForeignMessage {
        HWND hwnd = nullptr;
        UINT message = WM_NULL;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool copyData = false;
        std::uintptr_t tag = 0;
        std::string bytes;
    };

    // The drawing contexts handed out on a window's surface and not given back yet. A destroyed
    // window's surface stays (drawing nothing) until none is held and its outermost handler returned,
    // so a handler that still draws, ends its paint or puts its font back touches a live object.
    struct SurfaceHold {
        int contexts = 0;                // GetDC calls not yet released
        DeviceContext* paint = nullptr;  // BeginPaint's surface, until EndPaint
        bool destroyed = false;
        const Window* handlersOf = nullptr;  // destroyed: the object whose handlers still run
    };

    // Keeps a window object alive (counted as a running handler) while the engine uses it.
    class Pin {
    public:
        explicit Pin(Window& window) : m_window(window) { ++m_window.m_handlerDepth; }
        ~Pin();
        Pin(const Pin&) = delete;
        Pin& operator=(const Pin&) = delete;

    private:
        Window& m_window;
    };

    LRESULT Invoke(Window* window, UINT message, WPARAM wParam, LPARAM lParam, DispatchRecord::Kind kind);
    void Notify(HWND hwnd, WindowEvent event);
    void DestroyTree(Window* window);
    void FinishDestroy(Window* window);
    // A modal loop's retrieval: `loopEnded` (the loop's end condition) is tested after each delivery
    // made inside the retrieval (the host's input and actions, other processes' messages); once it
    // holds, nothing more is delivered or taken and the retrieval finds nothing, so the loop ends
    // without waiting.
    bool TakeMessage(Message& out, HWND filter, UINT first, UINT last, bool remove,
                     const std::function<bool()>* loopEnded);
    bool DeliverForeign(const std::function<bool()>* loopEnded);
    bool TakeInput(Message& out, HWND filter, UINT first, UINT last, bool remove);
    bool TakePaint(Message& out, HWND filter, UINT first, UINT last, bool remove);
    bool TakeTimer(Message& out, HWND filter, UINT first, UINT last, bool remove);
    void FileTimer(const Timer& timer);
    bool Matches(HWND target, UINT message, HWND filter, UINT first, UINT last) const;
    void Activate(HWND hwnd, bool giveFocus, WPARAM how);
    void ActivateNext(HWND leaving);
    void LoseFocusInside(HWND hwnd);
    bool CanTakeFocus(HWND hwnd) const;
    void BringToTop(HWND hwnd);
    HWND TopLevelOf(HWND hwnd) const;
    void RemoveTimersOf(HWND hwnd);
    void RepostQuit(int exitCode);
    void ValidateAfterPaint(HWND hwnd, int paintCountBefore);
    void HoldSurfaceUntilReleased(HWND hwnd, const Window& window);
    void HandlersReturned(const Window& window);
    void ReleaseSurfaceIfUnused(HWND hwnd);
    void DrawDeferredOf(HWND hwnd);
    std::int64_t IntervalOf(int ms) const;

    Host* m_host = nullptr;
    // A handle names a slot of the table and the slot's generation at the window's creation. A
    // destroyed window's slot is free for a later window under the next generation, so the table
    // stays as large as the most windows alive at once while an old handle, kept in a posted
    // message, a timer or a stored dialog handle, never names the later window. A slot whose
    // generation count runs out is retired, never reused.
    struct HandleSlot {
        Window* window = nullptr;  // nullptr while free
        std::uintptr_t generation = 0;
    };
    HWND TakeHandle(Window& window);
    void FreeHandle(HWND hwnd);
    std::vector<HandleSlot> m_slots;
    std::vector<std::size_t> m_freeSlots;  // reused last freed first
    std::vector<HWND> m_zOrder;      // visible or not, topmost first
    std::deque<Message> m_posted;
    std::deque<InputEvent> m_input;
    std::deque<ForeignMessage> m_foreign;
    std::vector<HWND> m_paintList;
    std::map<HWND, SurfaceHold> m_surfaceHolds;
    std::map<HWND, std::function<void()>> m_deferredDrawing;
    int m_surfacesAwaitingHandlers = 0;  // holds of destroyed windows whose handlers still run
    std::vector<Timer> m_timers;
    std::uint64_t m_timerSequence = 0;
    std::vector<Window*> m_modalStack;
    HWND m_focus = nullptr;
    HWND m_active = nullptr;
    HWND m_capture = nullptr;
    int m_depth = 0;
    std::vector<unsigned char> m_keyDown;  // per virtual key
    WPARAM m_mouseButtons = 0;             // MK_*BUTTON held, as of the input taken so far
    Point m_cursorPosition;                // screen point of the last mouse input taken
};

}  // namespace platform
