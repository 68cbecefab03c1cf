// Focus, activation, capture and the last active popup.
#include <algorithm>

#include "platform/core/WindowSystem.h"

namespace platform {

bool WindowSystem::CanTakeFocus(HWND hwnd) const {
    for (Window* window = FromHandle(hwnd); window; window = FromHandle(window->m_parent)) {
        if (window->m_disabled || window->m_destroying) return false;
        if (window->m_kind != WindowKind::Child) return true;
    }
    return false;
}

HWND WindowSystem::SetFocus(HWND hwnd) {
    const HWND previous = m_focus;
    if (!hwnd) {
        if (previous) {
            m_focus = nullptr;
            SendMessage(previous, WM_KILLFOCUS, 0, 0);
        }
        return previous;
    }
    if (!CanTakeFocus(hwnd)) return nullptr;
    const HWND top = TopLevelOf(hwnd);
    if (top != m_active) {
        Activate(top, false, WA_ACTIVE);
        if (!CanTakeFocus(hwnd)) return nullptr;
    }
    const HWND old = m_focus;
    if (old == hwnd) return old;
    m_focus = hwnd;
    if (old) SendMessage(old, WM_KILLFOCUS, HandleValue(hwnd), 0);
    // The old window's handler may have moved the focus again; then that move stands.
    if (m_focus == hwnd) SendMessage(hwnd, WM_SETFOCUS, HandleValue(old), 0);
    return old;
}

void WindowSystem::LoseFocusInside(HWND hwnd) {
    if (m_focus && IsSelfOrDescendant(hwnd, m_focus)) SetFocus(nullptr);
}

HWND WindowSystem::SetActiveWindow(HWND hwnd) {
    const HWND previous = m_active;
    const HWND top = TopLevelOf(hwnd);
    if (!top) return nullptr;
    Activate(top, true, WA_ACTIVE);
    return previous;
}

// Activation moves to a top-level window (nullptr: none). WM_ACTIVATE goes to the window losing it,
// then to the one gaining it. With `giveFocus`, a window that does not hold the focus inside it takes
// it (its WM_SETFOCUS handler may pass it on to a control); one that cannot take it leaves nobody
// with the focus.
void WindowSystem::Activate(HWND hwnd, bool giveFocus, WPARAM how) {
    if (hwnd != m_active) {
        const HWND old = m_active;
        m_active = hwnd;
        if (Window* window = FromHandle(hwnd)) {
            BringToTop(hwnd);
            for (Window* owner = FromHandle(window->m_owner); owner; owner = FromHandle(owner->m_owner))
                owner->m_lastActivePopup = hwnd;
        }
        if (old) SendMessage(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
        if (hwnd && m_active == hwnd && IsWindow(hwnd)) {
            Notify(hwnd, WindowEvent::Activated);
            SendMessage(hwnd, WM_ACTIVATE, how, reinterpret_cast<LPARAM>(old));
        }
    }
    if (!giveFocus || m_active != hwnd) return;
    if (hwnd && IsSelfOrDescendant(hwnd, m_focus)) return;
    SetFocus(hwnd && CanTakeFocus(hwnd) ? hwnd : nullptr);
}

// The window `leaving` gives up the activation: to its owner when that can have it, else to the
// topmost shown, enabled top-level window, else to nobody.
void WindowSystem::ActivateNext(HWND leaving) {
    auto eligible = [&](HWND h) {
        Window* w = FromHandle(h);
        return w && h != leaving && w->m_visible && !w->m_disabled && !w->m_destroying;
    };
    HWND next = nullptr;
    if (Window* window = FromHandle(leaving); window && eligible(window->m_owner)) next = window->m_owner;
    if (!next) {
        auto it = std::find_if(m_zOrder.begin(), m_zOrder.end(), eligible);
        if (it != m_zOrder.end()) next = *it;
    }
    Activate(next, true, WA_ACTIVE);
}

HWND WindowSystem::GetLastActivePopup(HWND owner) const {
    Window* window = FromHandle(owner);
    if (!window) return nullptr;
    Window* popup = FromHandle(window->m_lastActivePopup);
    if (!popup || !popup->m_visible || popup->m_disabled) return owner;
    // Still owned (directly or through its owners) by `owner`?
    for (Window* o = FromHandle(popup->m_owner); o; o = FromHandle(o->m_owner))
        if (o == window) return popup->m_hwnd;
    return owner;
}

HWND WindowSystem::SetCapture(HWND hwnd) {
    const HWND previous = m_capture;
    m_capture = IsWindow(hwnd) ? hwnd : nullptr;
    if (previous && previous != m_capture)
        SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_capture));
    return previous;
}

bool WindowSystem::ReleaseCapture() {
    SetCapture(nullptr);
    return true;
}

}  // namespace platform
