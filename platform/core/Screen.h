#pragma once
// The screen the windows lie on. When it changes (another resolution, a screen removed, a panel
// that takes more room) the host says so, and every top-level window hears of it.

#include <optional>

#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"

// Posted to every top-level window after the screens changed. wParam and lParam: 0.
constexpr UINT WM_DISPLAYCHANGE = 0x0019;

namespace platform {

// The desktop and its work area (the desktop less the panels of the window manager).
struct ScreenAreas {
    Rect desktop;
    Rect workArea;
};

// The areas a host told with its last change, where it tells them this way (the headless host);
// the Qt host's program measures its screen itself.
void TellScreenAreas(const ScreenAreas& areas);
std::optional<ScreenAreas> ToldScreenAreas();
void ForgetScreenAreas();

// Posts WM_DISPLAYCHANGE to every top-level window.
void AnnounceScreenChange();

// The screen's pixels per pixel of the windows, as the host says (1 without a host).
double ScreenPixelRatio();

}  // namespace platform
