// The painting model: invalid regions, synthesised WM_PAINT, synchronous redraw and surfaces.
#include "platform/core/DeviceContext.h"
#include "platform/core/WindowSystem.h"

namespace platform {

bool WindowSystem::InvalidateRect(HWND hwnd, const Rect* rect, bool erase) {
    Window* window = FromHandle(hwnd);
    if (!window) return false;
    // Where nothing drawn is kept, only a window's first paint is asked for: it may bring the
    // window to life (the table starts at its first erase); every later one would only show.
    if (window->m_painted && !m_host->KeepsPixels()) return true;
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

// After every WM_PAINT: the window has had its paint. A handler that neither began a paint nor
// validated would get the same WM_PAINT forever; the engine validates for it.
void WindowSystem::ValidateAfterPaint(HWND hwnd, int paintCountBefore) {
    Window* window = FromHandle(hwnd);
    if (!window) return;
    window->m_painted = true;
    if (window->m_paintCount == paintCountBefore) ValidateRect(hwnd, nullptr);
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
    DrawDeferredOf(hwnd);
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
    if (!FromHandle(hwnd)) return nullptr;
    // What was put off lies under the paint, as if drawn when asked for.
    DrawDeferredOf(hwnd);
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
    // Each paint starts from a fresh drawing state, clipped to what needs painting, as the
    // drawing code selects its own objects and leaves them selected.
    if (dc) {
        SurfaceHold& hold = m_surfaceHolds[hwnd];
        if (hold.paint) hold.paint->RestoreDC(-1);  // an unfinished paint
        dc->SaveDC();
        if (!area.IsEmpty()) dc->SetClipRect(area);
        hold.paint = dc;
    }
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
    auto hold = m_surfaceHolds.find(hwnd);
    if (hold != m_surfaceHolds.end() && hold->second.paint) {
        // The surface of a destroyed window only lets go; it is not shown any more.
        if (!hold->second.destroyed) hold->second.paint->RestoreDC(-1);
        hold->second.paint = nullptr;
    }
    if (IsWindow(hwnd)) Notify(hwnd, WindowEvent::Painted);
    ReleaseSurfaceIfUnused(hwnd);
}

DeviceContext* WindowSystem::GetDC(HWND hwnd) {
    if (!IsWindow(hwnd)) return nullptr;
    DrawDeferredOf(hwnd);
    if (!IsWindow(hwnd)) return nullptr;
    DeviceContext* dc = m_host->WindowSurface(hwnd);
    if (dc) {
        dc->SaveDC();
        ++m_surfaceHolds[hwnd].contexts;
    }
    return dc;
}

bool WindowSystem::SurfaceKeepsPixels(HWND hwnd) {
    if (!IsWindow(hwnd)) return false;
    const DeviceContext* dc = m_host->WindowSurface(hwnd);
    return dc && dc->KeepsPixels();
}

bool WindowSystem::DeferDrawing(HWND hwnd, std::function<void()> draw) {
    if (!m_host || !m_host->DefersDrawing() || !IsWindow(hwnd)) return false;
    // A held surface draws at once, in the order of its holder's own drawing (and inside a paint,
    // within the paint's clip).
    const auto hold = m_surfaceHolds.find(hwnd);
    if (hold != m_surfaceHolds.end() && (hold->second.contexts > 0 || hold->second.paint)) return false;
    m_deferredDrawing[hwnd] = std::move(draw);
    return true;
}

void WindowSystem::DrawDeferredOf(HWND hwnd) {
    const auto it = m_deferredDrawing.find(hwnd);
    if (it == m_deferredDrawing.end()) return;
    // Taken off first: the drawing takes the window's context itself.
    const std::function<void()> draw = std::move(it->second);
    m_deferredDrawing.erase(it);
    if (draw) draw();
}

void WindowSystem::DrawDeferred() {
    while (!m_deferredDrawing.empty()) DrawDeferredOf(m_deferredDrawing.begin()->first);
}

void WindowSystem::ReleaseDC(HWND hwnd, DeviceContext* dc) {
    if (!dc) return;
    auto hold = m_surfaceHolds.find(hwnd);
    const bool held = hold != m_surfaceHolds.end() && hold->second.contexts > 0;
    if (held) --hold->second.contexts;
    if (IsWindow(hwnd)) {
        dc->RestoreDC(-1);
        Notify(hwnd, WindowEvent::Painted);
    }
    // A destroyed window's context is touched no more: its surface may be gone unless held.
    if (held) ReleaseSurfaceIfUnused(hwnd);
}

// A destroyed window: its surface waits for the contexts held on it and its running handlers.
void WindowSystem::HoldSurfaceUntilReleased(HWND hwnd, const Window& window) {
    SurfaceHold& hold = m_surfaceHolds[hwnd];
    hold.destroyed = true;
    if (window.m_handlerDepth > 0) {
        hold.handlersOf = &window;
        ++m_surfacesAwaitingHandlers;
    }
    ReleaseSurfaceIfUnused(hwnd);
}

void WindowSystem::HandlersReturned(const Window& window) {
    if (m_surfacesAwaitingHandlers == 0) return;  // the common case: nothing waits
    std::vector<HWND> done;
    for (auto& [hwnd, hold] : m_surfaceHolds) {
        if (hold.handlersOf != &window) continue;
        hold.handlersOf = nullptr;
        --m_surfacesAwaitingHandlers;
        done.push_back(hwnd);
    }
    for (HWND hwnd : done) ReleaseSurfaceIfUnused(hwnd);
}

void WindowSystem::ReleaseSurfaceIfUnused(HWND hwnd) {
    auto it = m_surfaceHolds.find(hwnd);
    if (it == m_surfaceHolds.end()) return;
    const SurfaceHold& hold = it->second;
    if (hold.contexts > 0 || hold.paint || hold.handlersOf) return;
    const bool destroyed = hold.destroyed;
    m_surfaceHolds.erase(it);
    if (destroyed) m_host->ReleaseSurface(hwnd);
}

}  // namespace platform
