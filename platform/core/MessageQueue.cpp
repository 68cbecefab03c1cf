// The one message queue: posting, other processes' messages, input, and taking messages by the pump
// order (other process, posted, input, paint, timers).
#include <algorithm>

#include "platform/core/Control.h"
#include "platform/core/WindowSystem.h"

namespace platform {

namespace {

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST; }

WPARAM ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return MK_LBUTTON;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return MK_RBUTTON;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: return MK_MBUTTON;
        default: return 0;
    }
}

bool IsButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK;
}

}  // namespace

bool WindowSystem::PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !IsWindow(hwnd)) return false;
    m_posted.push_back({hwnd, message, wParam, lParam, Now()});
    return true;
}

void WindowSystem::PostQuitMessage(int exitCode) {
    m_posted.push_back({nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, Now()});
}

void WindowSystem::RepostQuit(int exitCode) {
    // Put back where it was taken from: ahead of everything posted since.
    m_posted.push_front({nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, Now()});
}

void WindowSystem::DeliverFromOtherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ForeignMessage foreign;
    foreign.hwnd = hwnd;
    foreign.message = message;
    foreign.wParam = wParam;
    foreign.lParam = lParam;
    m_foreign.push_back(std::move(foreign));
}

void WindowSystem::DeliverCopyData(HWND hwnd, HWND sender, std::uintptr_t tag, std::string bytes) {
    ForeignMessage foreign;
    foreign.hwnd = hwnd;
    foreign.message = WM_COPYDATA;
    foreign.wParam = HandleValue(sender);
    foreign.copyData = true;
    foreign.tag = tag;
    foreign.bytes = std::move(bytes);
    m_foreign.push_back(std::move(foreign));
}

bool WindowSystem::DeliverForeign(const std::function<bool()>* loopEnded) {
    bool delivered = false;
    while (!m_foreign.empty()) {
        ForeignMessage foreign = std::move(m_foreign.front());
        m_foreign.pop_front();
        Window* window = FromHandle(foreign.hwnd);
        if (!window) continue;
        LPARAM lParam = foreign.lParam;
        COPYDATASTRUCT data;
        if (foreign.copyData) {
            data.dwData = foreign.tag;
            data.cbData = static_cast<std::uint32_t>(foreign.bytes.size());
            data.lpData = foreign.bytes.data();
            lParam = reinterpret_cast<LPARAM>(&data);
        }
        Invoke(window, foreign.message, foreign.wParam, lParam, DispatchRecord::Kind::OtherProcess);
        delivered = true;
        if (loopEnded && (*loopEnded)()) break;  // the rest waits for the next retrieval
    }
    return delivered;
}

void WindowSystem::QueueInput(const InputEvent& event) { m_input.push_back(event); }

short WindowSystem::GetKeyState(int key) const {
    if (key < 0 || static_cast<std::size_t>(key) >= m_keyDown.size()) return 0;
    return m_keyDown[static_cast<std::size_t>(key)] ? static_cast<short>(0x8000) : 0;
}

bool WindowSystem::Matches(HWND target, UINT message, HWND filter, UINT first, UINT last) const {
    if (filter && !IsSelfOrDescendant(filter, target)) return false;
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool WindowSystem::TakeMessage(Message& out, HWND filter, UINT first, UINT last, bool remove,
                               const std::function<bool()>* loopEnded) {
    m_host->FetchInput(*this);
    if (loopEnded && (*loopEnded)()) return false;
    DeliverForeign(loopEnded);
    if (loopEnded && (*loopEnded)()) return false;

    for (auto it = m_posted.begin(); it != m_posted.end();) {
        if (it->hwnd && !IsWindow(it->hwnd)) {  // its window died after the post: dropped
            it = m_posted.erase(it);
            continue;
        }
        if (!filter && (first == 0 && last == 0)) {
            out = *it;
            if (remove) m_posted.erase(it);
            return true;
        }
        if (Matches(it->hwnd, it->message, filter, first, last) || (it->message == WM_QUIT && !filter)) {
            out = *it;
            if (remove) m_posted.erase(it);
            return true;
        }
        ++it;
    }
    return TakeInput(out, filter, first, last, remove) || TakePaint(out, filter, first, last, remove) ||
           TakeTimer(out, filter, first, last, remove);
}

bool WindowSystem::TakeInput(Message& out, HWND filter, UINT first, UINT last, bool remove) {
    while (!m_input.empty()) {
        const InputEvent& event = m_input.front();
        const bool mouse = IsMouseMessage(event.message);
        HWND target = nullptr;
        if (mouse) {
            target = IsWindow(m_capture) ? m_capture : WindowFromPoint(event.screenPoint);
            // Without capture, a disabled window (or one inside a disabled window) gets no mouse input.
            if (target && !IsWindow(m_capture)) {
                for (const Window* w = FromHandle(target); w;
                     w = w->m_kind == WindowKind::Child ? FromHandle(w->m_parent) : nullptr) {
                    if (w->m_disabled) {
                        target = nullptr;
                        break;
                    }
                }
            }
        } else {
            target = IsWindow(m_focus) ? m_focus : (IsWindow(m_active) ? m_active : nullptr);
        }
        if (!target) {
            m_input.pop_front();
            continue;
        }

        Message message{target, event.message, 0, 0, event.time};
        if (mouse) {
            const Point client = ScreenToClient(target, event.screenPoint);
            message.lParam = MAKELPARAM(client.x, client.y);
        } else {
            message.wParam = static_cast<WPARAM>(event.key);
            if (m_keyDown[static_cast<std::size_t>(VK_MENU)] || event.key == VK_MENU) {
                if (event.message == WM_KEYDOWN) message.message = WM_SYSKEYDOWN;
                if (event.message == WM_KEYUP) message.message = WM_SYSKEYUP;
                message.lParam |= KF_ALTDOWN;
            }
        }
        if (!Matches(target, message.message, filter, first, last)) return false;
        if (!remove) {
            out = message;
            return true;
        }

        const InputEvent taken = event;
        m_input.pop_front();
        // The key and button state follows the input as it is taken.
        if (mouse) {
            m_cursorPosition = taken.screenPoint;
            if (IsButtonDown(taken.message)) m_mouseButtons |= ButtonOf(taken.message);
            else m_mouseButtons &= ~ButtonOf(taken.message);
            WPARAM state = taken.buttons ? taken.buttons : m_mouseButtons;
            if (m_keyDown[static_cast<std::size_t>(VK_SHIFT)]) state |= MK_SHIFT;
            if (m_keyDown[static_cast<std::size_t>(VK_CONTROL)]) state |= MK_CONTROL;
            message.wParam = state;
            if (taken.message == WM_MOUSEWHEEL) message.wParam |= MAKEWPARAM(0, static_cast<unsigned>(taken.wheelDelta));
        } else if (taken.key >= 0 && static_cast<std::size_t>(taken.key) < m_keyDown.size()) {
            unsigned char& down = m_keyDown[static_cast<std::size_t>(taken.key)];
            if (taken.message == WM_KEYDOWN || taken.message == WM_SYSKEYDOWN) {
                if (down) message.lParam |= KF_REPEAT;
                down = 1;
            } else {
                down = 0;
            }
        }
        // A press on an inactive top-level window activates it first. Then the window pressed takes
        // the keyboard, as a click on a window does on the desktop (the table after a click on it);
        // a control takes the focus itself where it wants it.
        if (mouse && IsButtonDown(taken.message) && !IsWindow(m_capture)) {
            const HWND top = TopLevelOf(target);
            if (top != m_active) Activate(top, true, WA_CLICKACTIVE);
            if (!IsWindow(target)) continue;
            if (!FromHandle(target)->AsControl() && !IsSelfOrDescendant(target, m_focus) &&
                CanTakeFocus(target))
                SetFocus(target);
            if (!IsWindow(target)) continue;
        }
        out = message;
        return true;
    }
    return false;
}

bool WindowSystem::PeekMessage(Message& out, HWND filter, UINT first, UINT last, UINT removeFlags) {
    if (TakeMessage(out, filter, first, last, (removeFlags & PM_REMOVE) != 0)) return true;
    m_host->IdlePoll(NextTimerDue());
    return false;
}

bool WindowSystem::GetMessage(Message& out, HWND filter, UINT first, UINT last) {
    while (!TakeMessage(out, filter, first, last, true)) m_host->WaitForWork(NextTimerDue());
    return out.message != WM_QUIT;
}

bool WindowSystem::HasWork() {
    Message message;
    return TakeMessage(message, nullptr, 0, 0, false);
}

LRESULT WindowSystem::DispatchMessage(const Message& message) {
    Window* window = FromHandle(message.hwnd);
    if (!window) return 0;
    if (message.message != WM_PAINT)
        return Invoke(window, message.message, message.wParam, message.lParam, DispatchRecord::Kind::Dispatched);
    const int paintsBefore = window->m_paintCount;
    const LRESULT result = Invoke(window, WM_PAINT, message.wParam, message.lParam, DispatchRecord::Kind::Dispatched);
    ValidateAfterPaint(message.hwnd, paintsBefore);
    return result;
}

bool WindowSystem::TranslateMessage(const Message& message) {
    if (message.message != WM_KEYDOWN || m_keyDown[static_cast<std::size_t>(VK_CONTROL)]) return false;
    const int key = static_cast<int>(message.wParam);
    int character = 0;
    if (key >= 'A' && key <= 'Z') {
        character = m_keyDown[static_cast<std::size_t>(VK_SHIFT)] ? key : key - 'A' + 'a';
    } else if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_ESCAPE ||
               key == VK_TAB || key == VK_BACK || key == '+' || key == '-' || key == ',' || key == '.') {
        character = key;
    }
    if (!character) return false;
    return PostMessage(message.hwnd, WM_CHAR, static_cast<WPARAM>(character), message.lParam);
}

}  // namespace platform
