#include "platform/qt/QtControlRelay.h"

namespace platform {

bool QtControlRelay::EnsureWindow() {
    if (IsAlive()) return true;
    m_actions.clear();  // their messages went with the old window
    CreateParams params;
    params.kind = WindowKind::Popup;
    params.title = "Qt host relay";
    params.disabled = true;
    return Create(params);
}

bool QtControlRelay::Post(std::function<void()> action) {
    if (!EnsureWindow()) return false;
    const std::uint64_t id = ++m_next;
    m_actions.emplace(id, std::move(action));
    if (PostMessage(kRunAction, static_cast<WPARAM>(id))) return true;
    m_actions.erase(id);
    return false;
}

LRESULT QtControlRelay::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunAction) return Window::WindowProc(message, wParam, lParam);
    auto it = m_actions.find(static_cast<std::uint64_t>(wParam));
    if (it == m_actions.end()) return 0;
    std::function<void()> action = std::move(it->second);
    m_actions.erase(it);
    action();
    return 0;
}

}  // namespace platform
