#include "platform/core/Window.h"

#include <algorithm>

#include "platform/core/WindowSystem.h"

namespace platform {

namespace {
WindowSystem& System() { return WindowSystem::Instance(); }
}  // namespace

Window::Window() = default;

Window::~Window() {
    if (m_hwnd && !WindowSystem::Gone()) {
        // The caller is freeing the object itself: the engine must not free it again.
        m_lifetime = Lifetime::Caller;
        System().DestroyWindow(m_hwnd);
    }
}

bool Window::Create(const CreateParams& params) { return System().CreateWindow(*this, params); }

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProc(message, wParam, lParam);
}

LRESULT Window::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    switch (message) {
        case WM_CLOSE:
            System().DestroyWindow(m_hwnd);
            return 0;
        case WM_PAINT: {
            PaintInfo paint;
            System().BeginPaint(m_hwnd, &paint);
            System().EndPaint(m_hwnd, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            // The retained surface is the window's own; there is no class background to fill.
            return 1;
        case WM_SETTEXT:
            m_title = lParam ? reinterpret_cast<const char*>(lParam) : "";
            if (m_hwnd && System().AttachedHost()) System().AttachedHost()->OnWindowEvent(m_hwnd, WindowEvent::Retitled);
            return 1;
        default:
            return 0;
    }
}

bool Window::PreTranslateMessage(Message& message) {
    (void)message;
    return false;
}

HWND Window::GetTopLevel() const {
    const Window* window = this;
    while (window->m_kind == WindowKind::Child) {
        const Window* parent = System().FromHandle(window->m_parent);
        if (!parent) break;
        window = parent;
    }
    return window->m_hwnd;
}

HWND Window::GetDlgItem(int id) const {
    for (HWND child : m_children) {
        const Window* window = System().FromHandle(child);
        if (window && window->m_controlId == id) return child;
    }
    return nullptr;
}

bool Window::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hwnd && System().PostMessage(m_hwnd, message, wParam, lParam);
}
LRESULT Window::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return System().SendMessage(m_hwnd, message, wParam, lParam);
}
UINT Window::SetTimer(UINT id, int intervalMs) { return System().SetTimer(m_hwnd, id, intervalMs); }
bool Window::KillTimer(UINT id) { return System().KillTimer(m_hwnd, id); }
void Window::Invalidate(bool erase) { System().InvalidateRect(m_hwnd, nullptr, erase); }
void Window::UpdateWindow() { System().UpdateWindow(m_hwnd); }
bool Window::ShowWindow(int command) { return System().ShowWindow(m_hwnd, command); }
bool Window::EnableWindow(bool enable) { return System().EnableWindow(m_hwnd, enable); }
bool Window::DestroyWindow() { return System().DestroyWindow(m_hwnd); }
HWND Window::SetFocus() { return System().SetFocus(m_hwnd); }
int Window::SetSmallIcon(int iconId) {
    const int previous = m_smallIconId;
    m_smallIconId = iconId;
    if (m_hwnd && System().AttachedHost()) System().AttachedHost()->OnWindowEvent(m_hwnd, WindowEvent::IconChanged);
    return previous;
}

void Window::SetWindowText(const std::string& title) { System().SetWindowText(m_hwnd, title); }
void Window::MoveWindow(const Rect& rect, bool repaint) { System().MoveWindow(m_hwnd, rect, repaint); }

Rect Window::ClientRect() const {
    const int width = m_rect.Width() - (m_scrollBars[1].shown ? kOwnScrollBarWidth : 0);
    const int height = m_rect.Height() - (m_scrollBars[0].shown ? kOwnScrollBarWidth : 0);
    return {0, 0, std::max(width, 0), std::max(height, 0)};
}

}  // namespace platform
