// The window system's handle table, window lifetime and window state. The queue lives in
// MessageQueue.cpp, timers in Timers.cpp, focus in Focus.cpp, painting in Paint.cpp, loops in Pumps.cpp.
#include "platform/core/WindowSystem.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "platform/core/Clock.h"

namespace platform {

namespace {

// The host until a real one is attached: the current clock, no input, and no way to wait. A blocking
// wait without a host could never end, so it is refused loudly.
class InertHost final : public Host {
public:
    Clock& HostClock() override { return CurrentClock(); }
    void IdlePoll(std::optional<std::int64_t>) override {}
    void WaitForWork(std::optional<std::int64_t>) override {
        throw std::logic_error("window system: a pump waits for work but no host is attached");
    }
    void Sleep(std::int64_t) override {}
};

InertHost g_inertHost;
// Set when the window system is destroyed at the program's end. Trivially destructible, so it
// stays readable while other globals are destroyed: a window freed by a later global's destructor
// (after the display went away, the program ends through exit()) then has nothing left to tell.
bool g_windowSystemGone = false;
WindowSystem g_windowSystem;

constexpr unsigned kSlotBits = kHandleSlotBits;
constexpr std::uintptr_t kSlotMask = (std::uintptr_t{1} << kSlotBits) - 1;
constexpr std::uintptr_t kLastGeneration = std::numeric_limits<std::uintptr_t>::max() >> kSlotBits;

}  // namespace

bool WindowSystem::Gone() { return g_windowSystemGone; }

WindowSystem& WindowSystem::Instance() { return g_windowSystem; }

WindowSystem::WindowSystem() : m_host(&g_inertHost), m_keyDown(0x200, 0) {}

WindowSystem::~WindowSystem() { g_windowSystemGone = true; }

WindowSystem::Pin::~Pin() {
    if (--m_window.m_handlerDepth != 0) return;
    if (g_windowSystem.m_surfacesAwaitingHandlers > 0) g_windowSystem.HandlersReturned(m_window);
    if (m_window.m_deletePending) delete &m_window;
}

void WindowSystem::AttachHost(Host* host) {
    Reset();
    m_host = host ? host : &g_inertHost;
}

void WindowSystem::Reset() {
    // Top-level windows first; each takes its children and owned windows with it.
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        Window* window = m_slots[i].window;
        if (window && window->m_kind != WindowKind::Child && !window->m_owner) DestroyWindow(window->m_hwnd);
    }
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].window) DestroyWindow(m_slots[i].window->m_hwnd);
    }
    m_posted.clear();
    m_input.clear();
    m_foreign.clear();
    m_paintList.clear();
    // Surfaces still held go with the host that made them.
    m_surfaceHolds.clear();
    m_deferredDrawing.clear();
    m_surfacesAwaitingHandlers = 0;
    m_timers.clear();
    m_modalStack.clear();
    m_zOrder.clear();
    m_focus = m_active = m_capture = nullptr;
    std::fill(m_keyDown.begin(), m_keyDown.end(), 0);
    m_mouseButtons = 0;
    m_cursorPosition = {};
}

std::int64_t WindowSystem::Now() const { return m_host->HostClock().NowMs(); }

Window* WindowSystem::FromHandle(HWND hwnd) const {
    const std::uintptr_t value = HandleValue(hwnd);
    const std::uintptr_t number = value & kSlotMask;
    if (number == 0 || number > m_slots.size()) return nullptr;
    const HandleSlot& slot = m_slots[number - 1];
    return slot.generation == value >> kSlotBits ? slot.window : nullptr;
}

// nullptr when every slot a handle can name holds a live window.
HWND WindowSystem::TakeHandle(Window& window) {
    std::size_t index = m_slots.size();
    if (!m_freeSlots.empty()) {
        index = m_freeSlots.back();
        m_freeSlots.pop_back();
    } else if (index < kSlotMask) {
        m_slots.emplace_back();
    } else {
        return nullptr;
    }
    HandleSlot& slot = m_slots[index];
    slot.window = &window;
    return HandleFromValue(slot.generation << kSlotBits | (index + 1));
}

void WindowSystem::FreeHandle(HWND hwnd) {
    HandleSlot& slot = m_slots[(HandleValue(hwnd) & kSlotMask) - 1];
    slot.window = nullptr;
    if (slot.generation == kLastGeneration) return;
    ++slot.generation;
    m_freeSlots.push_back((HandleValue(hwnd) & kSlotMask) - 1);
}

void WindowSystem::Notify(HWND hwnd, WindowEvent event) { m_host->OnWindowEvent(hwnd, event); }

LRESULT WindowSystem::Invoke(Window* window, UINT message, WPARAM wParam, LPARAM lParam,
                             DispatchRecord::Kind kind) {
    m_host->OnDispatch({kind, m_depth, window->m_hwnd, message, wParam, lParam, Now()});
    struct DepthGuard {
        int& depth;
        ~DepthGuard() { --depth; }
    } depthGuard{++m_depth};
    Pin pin(*window);
    return window->WindowProc(message, wParam, lParam);
}

LRESULT WindowSystem::SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FromHandle(hwnd);
    if (!window) return 0;
    return Invoke(window, message, wParam, lParam, DispatchRecord::Kind::Sent);
}

HWND WindowSystem::TopLevelOf(HWND hwnd) const {
    Window* window = FromHandle(hwnd);
    while (window && window->m_kind == WindowKind::Child) {
        Window* parent = FromHandle(window->m_parent);
        if (!parent) return window->m_hwnd;
        window = parent;
    }
    return window ? window->m_hwnd : nullptr;
}

bool WindowSystem::IsSelfOrDescendant(HWND ancestor, HWND hwnd) const {
    if (!ancestor) return false;
    for (Window* window = FromHandle(hwnd); window; window = FromHandle(window->m_parent)) {
        if (window->m_hwnd == ancestor) return true;
        if (window->m_kind != WindowKind::Child) break;
    }
    return false;
}

bool WindowSystem::CreateWindow(Window& window, const CreateParams& params) {
    if (window.m_hwnd) return false;
    Window* parent = FromHandle(params.parent);
    if (params.kind == WindowKind::Child ? !parent : params.parent != nullptr) return false;

    window.m_kind = params.kind;
    window.m_lifetime = params.lifetime;
    window.m_parent = params.kind == WindowKind::Child ? params.parent : nullptr;
    window.m_owner = params.kind == WindowKind::Child ? nullptr : TopLevelOf(params.owner);
    window.m_children.clear();
    window.m_owned.clear();
    window.m_lastActivePopup = nullptr;
    window.m_visible = false;
    window.m_disabled = params.disabled;
    window.m_rect = params.rect;
    window.m_resizable = params.resizable;
    window.m_scrollBars[0] = window.m_scrollBars[1] = OwnScrollBar{};
    window.m_toolTip.clear();
    window.m_title = params.title;
    window.m_controlId = params.controlId;
    window.m_deletePending = window.m_destroying = false;
    window.m_needsPaint = window.m_needsErase = window.m_inPaintList = false;
    window.m_updateRect = {};
    window.m_modalEnded = false;
    window.m_modalResult = 0;

    const HWND hwnd = TakeHandle(window);
    if (!hwnd) return false;
    window.m_hwnd = hwnd;
    if (parent) {
        parent->m_children.push_back(hwnd);
    } else {
        if (Window* owner = FromHandle(window.m_owner)) owner->m_owned.push_back(hwnd);
        m_zOrder.insert(m_zOrder.begin(), hwnd);
    }
    Notify(hwnd, WindowEvent::Created);

    CreateParams copy = params;
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&copy)) == -1) {
        // An engine-owned object is deleted here: the caller must not touch it after a failure.
        DestroyWindow(hwnd);
        return false;
    }
    if (!IsWindow(hwnd)) return false;
    const Rect client = window.ClientRect();
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    if (params.visible && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd);
}

bool WindowSystem::DestroyWindow(HWND hwnd) {
    Window* window = FromHandle(hwnd);
    if (!window || window->m_destroying) return false;
    DestroyTree(window);
    return true;
}

// Removes a window and everything under it at once. Order: owned windows, then the window leaves
// capture, focus and activation, gets WM_DESTROY, its children go the same way, and the handle dies.
void WindowSystem::DestroyTree(Window* window) {
    window->m_destroying = true;
    const HWND hwnd = window->m_hwnd;
    Pin pin(*window);  // freed (when engine-owned) only after this function and its handlers are done

    const std::vector<HWND> owned = window->m_owned;
    for (HWND h : owned) DestroyWindow(h);

    if (IsSelfOrDescendant(hwnd, m_capture)) m_capture = nullptr;
    if (window->m_visible) {
        window->m_visible = false;
        Notify(hwnd, WindowEvent::Hidden);
    }
    if (window->m_kind != WindowKind::Child && m_active == hwnd) ActivateNext(hwnd);
    LoseFocusInside(hwnd);

    SendMessage(hwnd, WM_DESTROY, 0, 0);

    const std::vector<HWND> children = window->m_children;
    for (HWND h : children) {
        Window* child = FromHandle(h);
        if (child && !child->m_destroying) DestroyTree(child);
    }
    FinishDestroy(window);
}

void WindowSystem::FinishDestroy(Window* window) {
    const HWND hwnd = window->m_hwnd;
    if (!hwnd) return;
    if (Window* parent = FromHandle(window->m_parent)) std::erase(parent->m_children, hwnd);
    if (Window* owner = FromHandle(window->m_owner)) std::erase(owner->m_owned, hwnd);
    std::erase(m_zOrder, hwnd);
    RemoveTimersOf(hwnd);
    if (m_focus == hwnd) m_focus = nullptr;
    if (m_active == hwnd) m_active = nullptr;
    if (m_capture == hwnd) m_capture = nullptr;
    window->m_needsPaint = window->m_needsErase = false;
    m_deferredDrawing.erase(hwnd);  // nothing of a gone window is shown any more
    Notify(hwnd, WindowEvent::Destroyed);
    HoldSurfaceUntilReleased(hwnd, *window);
    FreeHandle(hwnd);
    window->m_hwnd = nullptr;
    window->m_destroying = false;
    if (window->m_lifetime == Lifetime::Engine) window->m_deletePending = true;
}

bool WindowSystem::IsWindowVisible(HWND hwnd) const {
    Window* window = FromHandle(hwnd);
    while (window) {
        if (!window->m_visible) return false;
        if (window->m_kind != WindowKind::Child) return true;
        window = FromHandle(window->m_parent);
    }
    return false;
}

bool WindowSystem::IsWindowEnabled(HWND hwnd) const {
    Window* window = FromHandle(hwnd);
    return window && !window->m_disabled;
}

bool WindowSystem::ShowWindow(HWND hwnd, int command) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (command == SW_MINIMIZE || command == SW_MAXIMIZE || command == SW_RESTORE) {
        const WPARAM type = command == SW_MINIMIZE ? SIZE_MINIMIZED : command == SW_MAXIMIZE ? SIZE_MAXIMIZED : SIZE_RESTORED;
        return ChangeSizeType(hwnd, type);
    }
    const bool wasVisible = window->m_visible;
    // A window already shown stays as it is: showing it again neither raises nor activates it, so
    // that a key released over the table (Enter shows the open bar) leaves the keys where they are.
    if (command == SW_SHOW && wasVisible) return true;
    Pin pin(*window);
    if (command == SW_HIDE) {
        if (!wasVisible) return false;
        window->m_visible = false;
        SendMessage(hwnd, WM_SHOWWINDOW, 0, 0);
        Notify(hwnd, WindowEvent::Hidden);
        if (window->m_kind == WindowKind::Child) {
            Rect area = window->m_rect;
            InvalidateRect(window->m_parent, &area, true);
        } else if (m_active == hwnd) {
            ActivateNext(hwnd);
        }
        if (IsWindow(hwnd)) LoseFocusInside(hwnd);
        return true;
    }
    if (!wasVisible) {
        window->m_visible = true;
        SendMessage(hwnd, WM_SHOWWINDOW, 1, 0);
        if (!IsWindow(hwnd)) return false;
        Notify(hwnd, WindowEvent::Shown);
        // Showing makes the window and its shown descendants paint.
        std::vector<HWND> pending{hwnd};
        while (!pending.empty()) {
            HWND h = pending.back();
            pending.pop_back();
            Window* w = FromHandle(h);
            if (!w || !w->m_visible) continue;
            InvalidateRect(h, nullptr, true);
            pending.insert(pending.end(), w->m_children.begin(), w->m_children.end());
        }
    }
    if (window->m_kind != WindowKind::Child) {
        BringToTop(hwnd);
        if (command == SW_SHOW && !window->m_disabled) Activate(hwnd, true, WA_ACTIVE);
    }
    return wasVisible;
}

bool WindowSystem::EnableWindow(HWND hwnd, bool enable) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    const bool wasDisabled = window->m_disabled;
    if (wasDisabled == !enable) return wasDisabled;
    Pin pin(*window);
    window->m_disabled = !enable;
    if (!enable) LoseFocusInside(hwnd);
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_ENABLE, enable ? 1 : 0, 0);
    if (IsWindow(hwnd)) Notify(hwnd, enable ? WindowEvent::Enabled : WindowEvent::Disabled);
    return wasDisabled;
}

bool WindowSystem::ChangeSizeType(HWND hwnd, WPARAM type) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    Pin pin(*window);
    const bool wasVisible = window->m_visible;
    if (!wasVisible) ShowWindow(hwnd, type == SIZE_MINIMIZED ? SW_SHOWNA : SW_SHOW);
    if (!IsWindow(hwnd) || window->m_kind == WindowKind::Child || window->m_sizeType == type) return wasVisible;
    window->m_sizeType = type;
    const Rect client = window->ClientRect();
    SendMessage(hwnd, WM_SIZE, type, MAKELPARAM(client.Width(), client.Height()));
    return wasVisible;
}

void WindowSystem::MoveWindow(HWND hwnd, const Rect& rect, bool repaint) {
    Window* window = FromHandle(hwnd);
    if (!window) return;
    Pin pin(*window);
    const Rect old = window->m_rect;
    window->m_rect = rect;
    Notify(hwnd, WindowEvent::Moved);
    if (old.left != rect.left || old.top != rect.top) SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (IsWindow(hwnd) && (old.Width() != rect.Width() || old.Height() != rect.Height())) {
        const Rect client = window->ClientRect();
        SendMessage(hwnd, WM_SIZE, window->m_sizeType, MAKELPARAM(client.Width(), client.Height()));
    }
    if (repaint && IsWindow(hwnd)) {
        InvalidateRect(hwnd, nullptr, true);
        if (window->m_kind == WindowKind::Child) InvalidateRect(window->m_parent, &old, true);
    }
}

void WindowSystem::SetWindowText(HWND hwnd, const std::string& title) {
    SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()));
}

int WindowSystem::SetCursor(HWND hwnd, int systemId) {
    Window* window = FromHandle(hwnd);
    if (!window) return 0;
    const int old = window->m_cursorId;
    if (old == systemId) return old;
    window->m_cursorId = systemId;
    Notify(hwnd, WindowEvent::CursorChanged);
    return old;
}

void WindowSystem::BringToTop(HWND hwnd) {
    auto it = std::find(m_zOrder.begin(), m_zOrder.end(), hwnd);
    if (it == m_zOrder.end() || it == m_zOrder.begin()) return;
    m_zOrder.erase(it);
    m_zOrder.insert(m_zOrder.begin(), hwnd);
}

Point WindowSystem::ClientToScreen(HWND hwnd, Point p) const {
    for (Window* window = FromHandle(hwnd); window; window = FromHandle(window->m_parent)) {
        p.x += window->m_rect.left;
        p.y += window->m_rect.top;
        if (window->m_kind != WindowKind::Child) break;
    }
    return p;
}

Point WindowSystem::ScreenToClient(HWND hwnd, Point p) const {
    const Point origin = ClientToScreen(hwnd, {0, 0});
    return {p.x - origin.x, p.y - origin.y};
}

HWND WindowSystem::WindowFromPoint(Point screen) const {
    for (HWND top : m_zOrder) {
        Window* window = FromHandle(top);
        if (!window || !window->m_visible || !window->m_rect.Contains(screen)) continue;
        // Descend: later children lie on top of earlier ones.
        Point local{screen.x - window->m_rect.left, screen.y - window->m_rect.top};
        for (bool descended = true; descended;) {
            descended = false;
            for (auto it = window->m_children.rbegin(); it != window->m_children.rend(); ++it) {
                Window* child = FromHandle(*it);
                if (child && child->m_visible && child->m_rect.Contains(local)) {
                    local = {local.x - child->m_rect.left, local.y - child->m_rect.top};
                    window = child;
                    descended = true;
                    break;
                }
            }
        }
        return window->m_hwnd;
    }
    return nullptr;
}

}  // namespace platform
