#include "shell/WindowPlacement.h"

#include <algorithm>

#include "platform/core/Screen.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "shell/ShellGlobals.h"

#include <vector>

platform::Rect KeptInside(const platform::Rect& rect, const platform::Rect& area) {
    const int width = std::max(0, std::min(rect.Width(), area.Width()));
    const int height = std::max(0, std::min(rect.Height(), area.Height()));
    const int left = std::clamp(rect.left, area.left, std::max(area.left, area.right - width));
    const int top = std::clamp(rect.top, area.top, std::max(area.top, area.bottom - height));
    return {left, top, left + width, top + height};
}

platform::Rect PlacedOnWorkArea(const platform::Rect& stored, const platform::Rect& defaults) {
    const platform::Rect& chosen = stored.IsEmpty() ? defaults : stored;
    return KeptInside(chosen, g_Shell.WorkArea);
}

void FollowScreenChange(HWND frame, bool frameMaximised) {
    if (const std::optional<platform::ScreenAreas> areas = platform::ToldScreenAreas()) {
        g_Shell.Desktop = areas->desktop;
        g_Shell.WorkArea = areas->workArea;
    }
    const platform::Rect area = g_Shell.WorkArea;
    // A copy: moving a window may open or close another (a bar placed anew).
    const std::vector<HWND> windows = platform::WindowSystem::Instance().TopLevelWindows();
    for (HWND hwnd : windows) {
        if (!::IsWindow(hwnd) || !::IsWindowVisible(hwnd)) continue;
        platform::Rect rect;
        if (!::GetWindowRect(hwnd, &rect)) continue;
        platform::Rect wanted = KeptInside(rect, area);
        if (hwnd == frame && frameMaximised) {
            // The host's window manager keeps a maximised frame on its screen itself.
            if (g_Shell.ShowFrameMaximised) continue;
            wanted = area;
        }
        if (wanted == rect) continue;
        ::MoveWindow(hwnd, wanted.left, wanted.top, wanted.Width(), wanted.Height(), true);
    }
}
