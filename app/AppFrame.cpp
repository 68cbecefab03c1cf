#include "app/AppFrame.h"

#include <algorithm>

#include "platform/core/DeviceContext.h"
#include "platform/core/WindowApi.h"

using platform::Rect;

namespace {
constexpr platform::Color kTableGreen{0, 128, 0};
}

LRESULT TableView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PAINT: {
            platform::PaintInfo paint;
            if (platform::DeviceContext* dc = platform::WindowSystem::Instance().BeginPaint(GetSafeHwnd(), &paint))
                dc->FillRect(ClientRect(), platform::Brush::Solid(kTableGreen));
            platform::WindowSystem::Instance().EndPaint(GetSafeHwnd(), &paint);
            return 0;
        }
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

bool AppFrame::CreateFrame(const Rect& area) {
    platform::CreateParams params;
    params.kind = platform::WindowKind::Overlapped;
    params.rect = area;
    params.title = "Kartovan+";
    if (!Create(params)) return false;
    platform::CreateParams view;
    view.kind = platform::WindowKind::Child;
    view.parent = GetSafeHwnd();
    view.rect = ClientRect();
    view.visible = true;
    if (!m_view.Create(view)) return false;
    ShowWindow(SW_SHOW);
    return true;
}

LRESULT AppFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (m_view.IsAlive()) m_view.MoveWindow({0, 0, LOWORD(static_cast<WPARAM>(lParam)), HIWORD(static_cast<WPARAM>(lParam))});
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return Window::WindowProc(message, wParam, lParam);
    }
}

Rect FrameRectIn(const Rect& workArea) {
    const int width = std::min(1024, workArea.Width());
    const int height = std::min(768, workArea.Height());
    const int left = workArea.left + (workArea.Width() - width) / 2;
    const int top = workArea.top + (workArea.Height() - height) / 2;
    return {left, top, left + width, top + height};
}
