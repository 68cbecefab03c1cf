#include "windows/SideWindow.h"

#include "model/Trace.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/SystemMenu.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowScrollBars.h"
#include "windows/ScrollRules.h"
#include "windows/WindowFrameServices.h"

#include <algorithm>
#include <cstdio>

CSideWindow::CSideWindow(const SideWindowTraits& windowTraits, const int* shown, int* rest)
    : traits(windowTraits), shownFlag(shown), wheelRest(rest ? rest : &ownWheelRest) {}

CSideWindow::~CSideWindow() {
    if (IsAlive()) DestroyWindow();
}

bool CSideWindow::CreateSideWindow(HWND owner, const platform::Rect& rect, const std::string& title, bool visible,
                                   platform::Lifetime lifetime) {
    platform::CreateParams params;
    params.kind = platform::WindowKind::Overlapped;
    params.owner = owner;
    params.rect = rect;
    params.title = title;
    params.visible = visible;
    params.lifetime = lifetime;
    return Create(params);
}

std::string CSideWindow::CreationTrace() const {
    const platform::Rect& r = WindowRect();
    char text[96];
    std::snprintf(text, sizeof text, "left:%d:top:%d:right:%d:bottom:%d", r.left, r.top, r.right, r.bottom);
    return text;
}

LRESULT CSideWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (!OnCreateWindow()) return -1;
            WriteTrace(std::string(":") + traits.className + "(" + CreationTrace() + ")", LOG_VERBOSE | LOG_MAINFRAME);
            return 0;
        case WM_CLOSE: Close(); return 0;
        case WM_DESTROY: platform::ForgetSystemMenu(Handle()); break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (platform::DeviceContext* dc = BeginPaint(Handle(), &paint)) {
                ++paintCount;
                Paint(*dc, HorizontalOffset(), VerticalOffset());
                EndPaint(Handle(), &paint);
            }
            return 0;
        }
        case WM_ERASEBKGND:
            if (!traits.erasesToWhite) break;
            if (auto* dc = reinterpret_cast<platform::DeviceContext*>(wParam))
                dc->FillRect(ClientRect(), platform::Brush::Solid(platform::Rgb(255, 255, 255)));
            return 1;
        case WM_SIZE:
            DefWindowProc(message, wParam, lParam);
            if (!settingBars) OnSizeWindow(LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            Scroll(message == WM_VSCROLL, LOWORD(wParam), static_cast<std::int16_t>(HIWORD(wParam)));
            return 0;
        case WM_MOUSEWHEEL:
            Wheel(static_cast<std::int16_t>(HIWORD(wParam)), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return DefWindowProc(message, wParam, lParam);
        case WM_LBUTTONDOWN:
            if (!OnLeftClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) help.Toggle(traits.helpTopic);
            return 0;
        case WM_RBUTTONDOWN: OnRightClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case WM_MOUSEMOVE: OnMouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
        case platform::WM_SYSCOMMAND: OnSysCommand(static_cast<int>(wParam)); return 0;
        default: break;
    }
    return platform::Window::WindowProc(message, wParam, lParam);
}

// The close protocol. While the View flag is set the person closed the window (close box or window
// menu): the toggle closes it, storing the rectangle in one place, and its WM_CLOSE comes back here
// with the flag cleared. Then the window cleans up and goes.
void CSideWindow::Close() {
    if (*shownFlag != 0 && g_SideWindowFrame.RouteSideWindowClose(traits.toggleCommand)) return;
    OnPlainClose();
    DestroyWindow();
}

void CSideWindow::OnSizeWindow(int cx, int cy) {
    // 1. The bars by the client size and the sheet.
    const int height = SheetHeight();
    ShowBars(cx < SheetWidth(), cy < height);
    // 2. The ranges from the client left by the bars.
    platform::Rect client;
    GetClientRect(Handle(), &client);
    const int spanX = HorizontalRangeWidth() - client.Width();
    const int spanY = height - client.Height();
    if (traits.rangesAlways) {
        SetBarRange(false, 0, spanX);
        SetBarRange(true, 0, spanY);
        SetBarPosition(true, VerticalBar().high);
    } else {
        if (spanX > 0) SetBarRange(false, 0, spanX);
        if (spanY > 0) SetBarRange(true, 0, spanY);
    }
}

void CSideWindow::Scroll(bool vertical, unsigned code, int track) {
    if (vertical && traits.verticalOnlyWhileShown && !vScrollShown) return;
    platform::Rect client;
    GetClientRect(Handle(), &client);
    const BarState bar = Bar(vertical);
    const int page = sidewindow::ScrollPage(vertical ? client.Height() : client.Width(), vertical ? hScrollShown : vScrollShown);
    const sidewindow::ScrollStep step =
        sidewindow::ApplyScrollCode(code, bar.position, bar.low, bar.high, vertical ? traits.lineY : traits.lineX, page, track);
    if (!step.set) return;
    SetBarPosition(vertical, step.position);
    if (step.moved != 0) ScrollContent(vertical ? 0 : -step.moved, vertical ? -step.moved : 0);
}

void CSideWindow::Wheel(int delta, platform::Point point) {
    if (traits.wheelOnlyWhileShown && !vScrollShown) return;
    // The remainder counts every turn; the lines go out only where the window lets the wheel scroll.
    const sidewindow::WheelLines lines = sidewindow::SplitWheel(*wheelRest, delta);
    *wheelRest = lines.rest;
    if (!WheelAllowedAt(point)) return;
    for (int i = 0; i < lines.lines; ++i)
        PostMessage(WM_VSCROLL, lines.up ? SB_LINEUP : SB_LINEDOWN, 0);
}

void CSideWindow::SwitchSize(int width, int height, bool keepVerticalBar) {
    // 1.-2. Same top-left corner, the new size.
    const platform::Rect rect = WindowRect();
    MoveWindow({rect.left, rect.top, rect.left + width, rect.top + height}, true);
    // 3.-4. Both bars back to 0 with the content scrolled back; the bars hidden but where kept.
    const int x = HorizontalBar().position, y = VerticalBar().position;
    SetBarPosition(false, 0);
    SetBarPosition(true, 0);
    ScrollContent(x, y);
    ShowBars(false, keepVerticalBar);
}

void CSideWindow::ShowBars(bool horizontal, bool vertical) {
    hScrollShown = horizontal;
    vScrollShown = vertical;
    if (!IsAlive()) return;
    // Each bar changes the client and sends WM_SIZE; the caller has decided already, so the size
    // rule does not run again inside.
    settingBars = true;
    ShowScrollBar(Handle(), SB_HORZ, horizontal);
    ShowScrollBar(Handle(), SB_VERT, vertical);
    settingBars = false;
}

void CSideWindow::SetBarRange(bool vertical, int low, int high) {
    // A range that ends below its start is empty: the sheet fits.
    if (IsAlive()) SetScrollRange(Handle(), vertical ? SB_VERT : SB_HORZ, low, high, true);
}

void CSideWindow::SetBarPosition(bool vertical, int position) {
    if (IsAlive()) SetScrollPos(Handle(), vertical ? SB_VERT : SB_HORZ, position, true);
}

CSideWindow::BarState CSideWindow::Bar(bool vertical) const {
    BarState bar;
    if (!IsAlive()) return bar;
    GetScrollRange(Handle(), vertical ? SB_VERT : SB_HORZ, &bar.low, &bar.high);
    bar.position = GetScrollPos(Handle(), vertical ? SB_VERT : SB_HORZ);
    return bar;
}

void CSideWindow::ScrollContent(int dx, int dy) {
    if ((dx != 0 || dy != 0) && IsAlive()) ScrollWindow(Handle(), dx, dy);
}
