#pragma once
// platform::Window: the base of every window (frame, view, dialogs, controls, side windows). It holds
// the window's state (handle, parent, owner, flags, rectangle, title, control id) and its message
// handler; the engine (WindowSystem) keeps the queue, timers, focus and painting.
//
// Lifetime. Create() gives the object a handle; DestroyWindow() takes it away at once (later posts to
// it are dropped, sends return 0, it leaves focus, capture and activation). Who frees the object:
//  - Lifetime::Caller (default): the caller owns it, e.g. a dialog on the stack run modally. Its
//    destructor destroys a window still alive (WM_DESTROY then reaches only the base handler, so a
//    derived class that needs it destroys the window in its own destructor).
//  - Lifetime::Engine: the object lives on the heap and the engine deletes it after its destruction,
//    but only once its outermost running handler has returned, so a handler that destroys its own
//    window finishes safely on a live object.
//
// Geometry. There is no non-client area but the window's own scroll bars: the client rectangle is
// the window rectangle moved to (0, 0), less a strip of kOwnScrollBarWidth pixels on the right for a
// shown vertical bar and at the bottom for a shown horizontal one. A top-level window's rectangle is
// in screen coordinates, a child's in its parent's client coordinates.

#include <string>
#include <vector>

#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"

namespace platform {

class Control;
class WindowSystem;
class DeviceContext;

// The window's own scroll bars (not scroll bar controls): which one a call means.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_BOTH = 3;
// Width of a shown own scroll bar's strip, taken from the window rectangle. The side windows'
// compact sizes count on it.
constexpr int kOwnScrollBarWidth = 17;

// One of a window's own scroll bars. The maximum is never below the minimum (a range given the
// wrong way round is clamped to an empty one), and the position lies in the range.
struct OwnScrollBar {
    bool shown = false;
    int minimum = 0;
    int maximum = 0;
    int position = 0;

    friend bool operator==(const OwnScrollBar&, const OwnScrollBar&) = default;
};

enum class WindowKind {
    Overlapped,  // a top-level main or side window
    Popup,       // a top-level dialog, prompt or message box
    Child,       // a control or a view inside its parent's client area
};

enum class Lifetime {
    Caller,  // the caller owns the C++ object
    Engine,  // the engine deletes the heap object after the window is destroyed
};

// What Create() needs. For a child, `parent` is required and `owner` is ignored; for a top-level window
// `parent` must be empty and `owner` (or, given a child, that child's top-level window) owns it:
// an owned window is destroyed with its owner and reported by GetLastActivePopup(owner).
struct CreateParams {
    WindowKind kind = WindowKind::Overlapped;
    HWND parent = nullptr;
    HWND owner = nullptr;
    Rect rect;                // screen coordinates (top-level) or parent client coordinates (child)
    std::string title;        // UTF-8
    int controlId = 0;        // a child's id within its parent (GetDlgCtrlID)
    bool visible = false;     // shown at the end of Create (SW_SHOW: top-level windows are activated)
    bool disabled = false;
    bool resizable = true;    // false: the person cannot change the window's size (the host fixes it)
    Lifetime lifetime = Lifetime::Caller;
    LPARAM createArgument = 0;  // handed to the derived class through WM_CREATE's CreateParams
};

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window: registers a handle, links it to parent and owner, sends WM_CREATE (a handler
    // result of -1 destroys it again and Create returns false) and WM_SIZE, then shows it when asked.
    bool Create(const CreateParams& params);

    // The message handler. Derived classes handle what they need and pass the rest on to the base.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling: WM_CLOSE destroys the window, WM_PAINT validates (erasing first), WM_SETTEXT
    // sets the title; everything else returns 0.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Message pre-translation (keyboard navigation, accelerators). The main loop offers each message to
    // the target's chain from the target up to its top-level window, a modal loop to its dialog only, a
    // nested wait to nobody. Return true to swallow the message (it is then not dispatched).
    virtual bool PreTranslateMessage(Message& message);

    // The window as a control, or nullptr: the question every dialog step asks of each child, so it
    // costs a virtual call and not a cast through the class tree.
    virtual Control* AsControl() { return nullptr; }

    // --- State -------------------------------------------------------------------------------
    HWND GetSafeHwnd() const { return m_hwnd; }
    HWND Handle() const { return m_hwnd; }
    bool IsAlive() const { return m_hwnd != nullptr; }
    WindowKind Kind() const { return m_kind; }
    Lifetime GetLifetime() const { return m_lifetime; }
    HWND GetParent() const { return m_parent; }
    HWND GetOwner() const { return m_owner; }
    // This window for a top-level window, else the top-level window its parent chain ends in.
    HWND GetTopLevel() const;
    int GetDlgCtrlID() const { return m_controlId; }
    void SetDlgCtrlID(int id) { m_controlId = id; }
    // The first child with that control id, or nullptr.
    HWND GetDlgItem(int id) const;
    // Children in creation order (also the hit-test order: later children lie on top).
    const std::vector<HWND>& Children() const { return m_children; }
    bool IsVisibleFlag() const { return m_visible; }  // own flag; IsWindowVisible also asks the parents
    bool IsEnabledFlag() const { return !m_disabled; }
    // SIZE_RESTORED, SIZE_MINIMIZED or SIZE_MAXIMIZED (children are always restored).
    WPARAM SizeType() const { return m_sizeType; }
    // The system id of the window's current cursor (the arrow, 32512, until SetCursor).
    int CursorId() const { return m_cursorId; }
    const Rect& WindowRect() const { return m_rect; }  // screen (top-level) or parent client coordinates
    // The window rectangle at (0, 0) less the strips of the shown own scroll bars.
    Rect ClientRect() const;
    const std::string& Title() const { return m_title; }
    // SB_HORZ or SB_VERT (any other value reads the horizontal bar).
    const OwnScrollBar& ScrollBarState(int bar) const { return m_scrollBars[bar == SB_VERT ? 1 : 0]; }
    bool IsResizable() const { return m_resizable; }
    // The text the host shows when the mouse rests on the window (empty: none).
    const std::string& ToolTip() const { return m_toolTip; }
    // The small icon of the caption (an image id the host draws; 0: the host's default).
    int SmallIconId() const { return m_smallIconId; }
    // Returns the previous one.
    int SetSmallIcon(int iconId);

    // --- Conveniences forwarding to the free functions for this window -------------------------
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT SetTimer(UINT id, int intervalMs);
    bool KillTimer(UINT id);
    void Invalidate(bool erase = true);
    void UpdateWindow();
    bool ShowWindow(int command);
    bool EnableWindow(bool enable);
    bool DestroyWindow();
    HWND SetFocus();
    void SetWindowText(const std::string& title);
    void MoveWindow(const Rect& rect, bool repaint = true);

private:
    friend class WindowSystem;

    HWND m_hwnd = nullptr;
    WindowKind m_kind = WindowKind::Overlapped;
    Lifetime m_lifetime = Lifetime::Caller;
    HWND m_parent = nullptr;
    HWND m_owner = nullptr;
    std::vector<HWND> m_children;
    std::vector<HWND> m_owned;         // top-level windows this one owns, in creation order
    HWND m_lastActivePopup = nullptr;  // the owned window activated last (GetLastActivePopup)
    bool m_visible = false;
    int m_smallIconId = 0;
    bool m_disabled = false;
    WPARAM m_sizeType = SIZE_RESTORED;
    int m_cursorId = 32512;
    bool m_resizable = true;
    OwnScrollBar m_scrollBars[2];  // horizontal, vertical
    std::string m_toolTip;
    Rect m_rect;
    std::string m_title;
    int m_controlId = 0;

    // Engine bookkeeping.
    int m_handlerDepth = 0;        // window procedure calls of this object on the stack
    bool m_deletePending = false;  // engine-owned, destroyed, waiting for its handlers to return
    bool m_destroying = false;     // inside DestroyWindow
    bool m_needsPaint = false;     // has an invalid region
    bool m_needsErase = false;
    bool m_inPaintList = false;
    Rect m_updateRect;             // bounding rectangle of the invalid region, client coordinates
    bool m_painted = false;        // a WM_PAINT has reached the window's handler
    int m_paintCount = 0;          // BeginPaint calls, to catch a WM_PAINT handler that never validates
    bool m_modalEnded = false;     // EndModalLoop was called
    int m_modalResult = 0;
};

}  // namespace platform
