// A window's own scroll bars, ScrollWindow and the tooltip: state kept on the window, the host told
// of every change so that it can show it.
#include <algorithm>
#include <cstdlib>

#include "platform/core/DeviceContext.h"
#include "platform/core/Host.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/core/WindowSystem.h"

namespace platform {

namespace {
bool IsOneBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }
}  // namespace

bool WindowSystem::ShowOwnScrollBar(HWND hwnd, int bar, bool show) {
    Window* window = FromHandle(hwnd);
    if (!window || (!IsOneBar(bar) && bar != SB_BOTH)) return false;
    bool changed = false;
    for (int index : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && bar != index) continue;
        OwnScrollBar& state = window->m_scrollBars[index];
        if (state.shown == show) continue;
        state.shown = show;
        changed = true;
    }
    if (!changed) return true;
    Pin pin(*window);
    Notify(hwnd, WindowEvent::ScrollBarsChanged);
    // The client area changed size: the surface follows it, the window lays itself out again.
    Notify(hwnd, WindowEvent::Moved);
    const Rect client = window->ClientRect();
    SendMessage(hwnd, WM_SIZE, window->m_sizeType, MAKELPARAM(client.Width(), client.Height()));
    if (IsWindow(hwnd)) InvalidateRect(hwnd, nullptr, true);
    return true;
}

bool WindowSystem::SetOwnScrollRange(HWND hwnd, int bar, int minimum, int maximum, bool redraw) {
    (void)redraw;  // the host shows the bar as it is; nothing of the client is drawn again
    Window* window = FromHandle(hwnd);
    if (!window || !IsOneBar(bar)) return false;
    OwnScrollBar& state = window->m_scrollBars[bar];
    const OwnScrollBar before = state;
    state.minimum = minimum;
    state.maximum = std::max(minimum, maximum);
    state.position = std::clamp(state.position, state.minimum, state.maximum);
    if (state != before) Notify(hwnd, WindowEvent::ScrollBarsChanged);
    return true;
}

int WindowSystem::SetOwnScrollPos(HWND hwnd, int bar, int position, bool redraw) {
    (void)redraw;
    Window* window = FromHandle(hwnd);
    if (!window || !IsOneBar(bar)) return 0;
    OwnScrollBar& state = window->m_scrollBars[bar];
    const int previous = state.position;
    state.position = std::clamp(position, state.minimum, state.maximum);
    if (state.position != previous) Notify(hwnd, WindowEvent::ScrollBarsChanged);
    return previous;
}

bool WindowSystem::ScrollWindow(HWND hwnd, int dx, int dy) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (dx == 0 && dy == 0) return true;
    const Rect client = window->ClientRect();
    // A distance beyond the client area uncovers all of it.
    if (std::abs(dx) >= client.Width() || std::abs(dy) >= client.Height()) {
        InvalidateRect(hwnd, nullptr, true);
        return true;
    }
    // A part still waiting for its paint moved with the pixels: it is painted where it is now.
    if (window->m_needsPaint) {
        Rect moved = window->m_updateRect;
        moved.Offset(dx, dy);
        moved = moved.Intersect(client);
        if (!moved.IsEmpty()) InvalidateRect(hwnd, &moved, true);
    }
    if (DeviceContext* surface = m_host->WindowSurface(hwnd)) {
        surface->ScrollSurface(client, dx, dy);
        Notify(hwnd, WindowEvent::Painted);
    }
    // The strips the move uncovered: a column on the side it moved away from, a row likewise.
    if (dx != 0) {
        const Rect column = dx > 0 ? Rect{0, 0, dx, client.bottom} : Rect{client.right + dx, 0, client.right, client.bottom};
        InvalidateRect(hwnd, &column, true);
    }
    if (dy != 0) {
        const Rect row = dy > 0 ? Rect{0, 0, client.right, dy} : Rect{0, client.bottom + dy, client.right, client.bottom};
        InvalidateRect(hwnd, &row, true);
    }
    return true;
}

bool WindowSystem::SetToolTip(HWND hwnd, const std::string& text) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (window->m_toolTip == text) return true;
    window->m_toolTip = text;
    Notify(hwnd, WindowEvent::ToolTipChanged);
    return true;
}

}  // namespace platform

// --- The classic calls ---------------------------------------------------------------------------

namespace {
platform::WindowSystem& Engine() { return platform::WindowSystem::Instance(); }
}  // namespace

bool ShowScrollBar(HWND hwnd, int bar, bool show) { return Engine().ShowOwnScrollBar(hwnd, bar, show); }
bool SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, bool redraw) {
    return Engine().SetOwnScrollRange(hwnd, bar, minimum, maximum, redraw);
}
int SetScrollPos(HWND hwnd, int bar, int position, bool redraw) {
    return Engine().SetOwnScrollPos(hwnd, bar, position, redraw);
}
int GetScrollPos(HWND hwnd, int bar) {
    const platform::Window* window = Engine().FromHandle(hwnd);
    return window && (bar == platform::SB_HORZ || bar == platform::SB_VERT) ? window->ScrollBarState(bar).position : 0;
}
bool GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum) {
    const platform::Window* window = Engine().FromHandle(hwnd);
    if (!window || !minimum || !maximum || (bar != platform::SB_HORZ && bar != platform::SB_VERT)) return false;
    *minimum = window->ScrollBarState(bar).minimum;
    *maximum = window->ScrollBarState(bar).maximum;
    return true;
}
bool ScrollWindow(HWND hwnd, int dx, int dy) { return Engine().ScrollWindow(hwnd, dx, dy); }
bool SetToolTip(HWND hwnd, const std::string& text) { return Engine().SetToolTip(hwnd, text); }
std::string GetToolTip(HWND hwnd) {
    const platform::Window* window = Engine().FromHandle(hwnd);
    return window ? window->ToolTip() : std::string();
}
