#include "app/AppFrame.h"

#include <algorithm>

#include "platform/core/Accelerators.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/MenuTemplate.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtFrameBars.h"
#include "resources/ToolBar.h"

using platform::Rect;

namespace {

constexpr platform::Color kTableGreen{0, 128, 0};

// The framework's command that ends the program.
constexpr int kAppExit = 57665;

// Until the editions' resources hold the program's menu 128: a menu to close the program with.
constexpr platform::MenuItemTemplate kDemoProgramItems[] = {{kAppExit, "&Beenden / E&xit"}};
constexpr platform::MenuItemTemplate kDemoBarItems[] = {{0, "&Kartovan+", platform::MF_POPUP, kDemoProgramItems}};
constexpr platform::MenuTemplate kDemoMenu{128, kDemoBarItems};

// The status bar's panes: the message stretches, then two fixed panes; drawn in application font 6.
constexpr int kStatusFont = 6;

std::optional<platform::LogFont> AppFont(int id) {
    if (id != kStatusFont) return std::nullopt;
    platform::LogFont font;
    font.face = "Arial";
    font.height = 12;
    font.weight = 700;
    return font;
}

}  // namespace

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

AppFrame::~AppFrame() {
    if (IsAlive()) DestroyWindow();
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

    m_statusBar.SetPanes({{0, true}, {44, false}, {78, false}});
    m_statusBar.SetFont(kStatusFont);
    platform::FrameBarsSpec bars;
    bars.menu = platform::FindMenu(128) ? platform::FindMenu(128) : &kDemoMenu;
    bars.toolbarIds = kMainToolBar;
    bars.statusBar = &m_statusBar;
    bars.accelerators = platform::FindAccelerators(128);
    bars.fonts = AppFont;
    platform::AttachFrameBars(GetSafeHwnd(), bars);

    ShowWindow(SW_SHOW);
    return true;
}

LRESULT AppFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (m_view.IsAlive()) m_view.MoveWindow({0, 0, LOWORD(static_cast<WPARAM>(lParam)), HIWORD(static_cast<WPARAM>(lParam))});
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kAppExit) PostMessage(WM_CLOSE);
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
