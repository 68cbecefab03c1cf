#include "platform/core/Screen.h"

#include <vector>

#include "platform/core/Host.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"

namespace platform {

namespace {

std::optional<ScreenAreas> g_toldAreas;

}  // namespace

void TellScreenAreas(const ScreenAreas& areas) { g_toldAreas = areas; }

std::optional<ScreenAreas> ToldScreenAreas() { return g_toldAreas; }

void ForgetScreenAreas() { g_toldAreas.reset(); }

double ScreenPixelRatio() {
    const Host* host = WindowSystem::Instance().AttachedHost();
    return host ? host->ScreenPixelRatio() : 1.0;
}

void AnnounceScreenChange() {
    // A copy: a window may open or close while the posts are made.
    const std::vector<HWND> windows = WindowSystem::Instance().TopLevelWindows();
    for (HWND hwnd : windows) ::PostMessage(hwnd, WM_DISPLAYCHANGE);
}

}  // namespace platform
