// The painting model: invalid regions, synthesised WM_PAINT, synchronous redraw and surfaces.
#include "platform/core/WindowSystem.h"

namespace platform {

bool WindowSystem::InvalidateRect(HWND hwnd, const Rect* rect, bool erase) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    const Rect client = window->ClientRect();
    const Rect area = rect ? rect->Intersect(client) : client;
    if (area.IsEmpty()) return true;
    window->m_updateRect = window->m_needsPaint ? window->m_updateRect.Union(area) : area;
    window->m_needsPaint = true;
    if (erase) window->m_needsErase = true;
    if (!window->m_inPaintList) {
        window->m_inPaintList = true;
        m_paintList.push_back(hwnd);
    }
    return true;
}

// The invalid part is kept as one bounding rectangle, so validating a part clears it only when the
// part covers all of it.
bool WindowSystem::ValidateRect(HWND hwnd, const Rect* rect) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (!rect || rect->Intersect(window->m_updateRect) == window->m_updateRect) {
        window->m_needsPaint = window->m_needsErase = false;
        window->m_updateRect = {};
    }
    return true;
}

bool WindowSystem::GetUpdateRect(HWND hwnd, Rect* rect) const {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (rect) *rect = window->m_needsPaint ? window->m_updateRect : Rect{};
    return window->m_needsPaint;
}

bool WindowSystem::TakePaint(Message& out, HWND filter, UINT first, UINT last, bool remove) {
    (void)remove;  // the paint stays due until the window is validated
    for (std::size_t i = 0; i < m_paintList.size();) {
        const HWND hwnd = m_paintList[i];
        Window* window = FromHandle(hwnd);
        if (!window || !window->m_needsPaint) {
            if (window) window->m_inPaintList = false;
            m_paintList.erase(m_paintList.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (IsWindowVisible(hwnd) && Matches(hwnd, WM_PAINT, filter, first, last)) {
            out = {hwnd, WM_PAINT, 0, 0, Now()};
            return true;
        }
        ++i;
    }
    return false;
}

// A WM_PAINT handler that neither began a paint nor validated would get the same WM_PAINT forever;
// the engine validates for it.
void WindowSystem::ValidateAfterPaint(HWND hwnd, int paintCountBefore) {
    Window* window = FromHandle(hwnd);
    if (window && window->m_paintCount == paintCountBefore) ValidateRect(hwnd, nullptr);
}

bool WindowSystem::UpdateWindow(HWND hwnd) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (!window->m_needsPaint || !IsWindowVisible(hwnd)) return true;
    const int paintsBefore = window->m_paintCount;
    SendMessage(hwnd, WM_PAINT, 0, 0);
    ValidateAfterPaint(hwnd, paintsBefore);
    return true;
}

bool WindowSystem::RedrawWindow(HWND hwnd, const Rect* rect, UINT flags) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    if (flags & RDW_INVALIDATE) InvalidateRect(hwnd, rect, (flags & RDW_ERASE) != 0);
    if (flags & RDW_VALIDATE) ValidateRect(hwnd, rect);
    if (flags & RDW_NOERASE) window->m_needsErase = false;
    if ((flags & RDW_ERASENOW) && !(flags & RDW_UPDATENOW) && window->m_needsErase && IsWindowVisible(hwnd)) {
        window->m_needsErase = false;
        if (SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(m_host->WindowSurface(hwnd)), 0) == 0)
            if (Window* w = FromHandle(hwnd)) w->m_needsErase = true;
    }
    if (flags & RDW_UPDATENOW) UpdateWindow(hwnd);
    if (flags & RDW_ALLCHILDREN) {
        if (Window* w = FromHandle(hwnd)) {
            const std::vector<HWND> children = w->m_children;
            for (HWND child : children) RedrawWindow(child, nullptr, flags);
        }
    }
    return true;
}

DeviceContext* WindowSystem::BeginPaint(HWND hwnd, PaintInfo* info) {
    Window* window = FromHandle(hwnd);
    if (!window) return nullptr;
    ++window->m_paintCount;
    DeviceContext* dc = m_host->WindowSurface(hwnd);
    const Rect area = window->m_needsPaint ? window->m_updateRect : Rect{};
    const bool erase = window->m_needsErase;
    // Validated first: an invalidation made while painting asks for another paint.
    window->m_needsPaint = window->m_needsErase = false;
    window->m_updateRect = {};
    bool stillToErase = false;
    if (erase) stillToErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    if (info) {
        info->dc = dc;
        info->erase = stillToErase;
        info->paintRect = area;
    }
    return dc;
}

void WindowSystem::EndPaint(HWND hwnd, const PaintInfo* info) {
    (void)info;
    if (IsWindow(hwnd)) Notify(hwnd, WindowEvent::Painted);
}

DeviceContext* WindowSystem::GetDC(HWND hwnd) { return IsWindow(hwnd) ? m_host->WindowSurface(hwnd) : nullptr; }

void WindowSystem::ReleaseDC(HWND hwnd, DeviceContext* dc) {
    if (dc && IsWindow(hwnd)) Notify(hwnd, WindowEvent::Painted);
}

}  // namespace platform
