#include "platform/core/WindowApi.h"

#include <utility>

using platform::WindowSystem;

namespace {
WindowSystem& System() { return WindowSystem::Instance(); }
}  // namespace

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return System().PostMessage(hwnd, message, wParam, lParam);
}
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return System().SendMessage(hwnd, message, wParam, lParam);
}
void PostQuitMessage(int exitCode) { System().PostQuitMessage(exitCode); }
bool PeekMessage(MSG* message, HWND filter, UINT first, UINT last, UINT removeFlags) {
    MSG scratch;
    return System().PeekMessage(message ? *message : scratch, filter, first, last, removeFlags);
}
bool GetMessage(MSG* message, HWND filter, UINT first, UINT last) {
    MSG scratch;
    return System().GetMessage(message ? *message : scratch, filter, first, last);
}
LRESULT DispatchMessage(const MSG* message) { return message ? System().DispatchMessage(*message) : 0; }
bool TranslateMessage(const MSG* message) { return message && System().TranslateMessage(*message); }
short GetKeyState(int virtualKey) { return System().GetKeyState(virtualKey); }
platform::WindowSystem::WaitStep PumpWaitStep() { return System().PumpWaitStep(); }
bool WaitWhile(const std::function<bool()>& keepWaiting) { return System().WaitWhile(keepWaiting); }
void Sleep(std::int64_t ms) { System().Sleep(ms); }

UINT SetTimer(HWND hwnd, UINT id, int intervalMs) { return System().SetTimer(hwnd, id, intervalMs); }
bool KillTimer(HWND hwnd, UINT id) { return System().KillTimer(hwnd, id); }

bool IsWindow(HWND hwnd) { return System().IsWindow(hwnd); }
bool DestroyWindow(HWND hwnd) { return System().DestroyWindow(hwnd); }
bool ShowWindow(HWND hwnd, int command) { return System().ShowWindow(hwnd, command); }
bool IsWindowVisible(HWND hwnd) { return System().IsWindowVisible(hwnd); }
bool IsIconic(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window && window->SizeType() == SIZE_MINIMIZED;
}
bool IsZoomed(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window && window->SizeType() == SIZE_MAXIMIZED;
}
bool EnableWindow(HWND hwnd, bool enable) { return System().EnableWindow(hwnd, enable); }
bool IsWindowEnabled(HWND hwnd) { return System().IsWindowEnabled(hwnd); }
HWND GetParent(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window ? window->GetParent() : nullptr;
}
HWND GetWindowOwner(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window ? window->GetOwner() : nullptr;
}
bool IsChild(HWND parent, HWND hwnd) { return hwnd != parent && System().IsSelfOrDescendant(parent, hwnd); }
HWND GetDlgItem(HWND dialog, int id) {
    platform::Window* window = System().FromHandle(dialog);
    return window ? window->GetDlgItem(id) : nullptr;
}
int GetDlgCtrlID(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window ? window->GetDlgCtrlID() : 0;
}
std::vector<HWND> GetChildWindows(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window ? window->Children() : std::vector<HWND>{};
}
bool GetWindowRect(HWND hwnd, platform::Rect* rect) {
    platform::Window* window = System().FromHandle(hwnd);
    if (!window || !rect) return false;
    // The client area starts at the window's corner; the own scroll bars lie inside the rectangle.
    const platform::Point origin = System().ClientToScreen(hwnd, {0, 0});
    *rect = {0, 0, window->WindowRect().Width(), window->WindowRect().Height()};
    rect->Offset(origin.x, origin.y);
    return true;
}
bool GetClientRect(HWND hwnd, platform::Rect* rect) {
    platform::Window* window = System().FromHandle(hwnd);
    if (!window || !rect) return false;
    *rect = window->ClientRect();
    return true;
}
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
    if (!System().IsWindow(hwnd)) return false;
    System().MoveWindow(hwnd, {x, y, x + width, y + height}, repaint);
    return true;
}
bool SetWindowText(HWND hwnd, const std::string& text) {
    if (!System().IsWindow(hwnd)) return false;
    System().SetWindowText(hwnd, text);
    return true;
}
std::string GetWindowText(HWND hwnd) {
    platform::Window* window = System().FromHandle(hwnd);
    return window ? window->Title() : std::string{};
}
bool ClientToScreen(HWND hwnd, platform::Point* point) {
    if (!System().IsWindow(hwnd) || !point) return false;
    *point = System().ClientToScreen(hwnd, *point);
    return true;
}
bool ScreenToClient(HWND hwnd, platform::Point* point) {
    if (!System().IsWindow(hwnd) || !point) return false;
    *point = System().ScreenToClient(hwnd, *point);
    return true;
}
HWND WindowFromPoint(platform::Point screen) { return System().WindowFromPoint(screen); }
bool GetCursorPos(platform::Point* point) {
    if (!point) return false;
    *point = System().CursorPosition();
    return true;
}
platform::Window* WindowFromHandle(HWND hwnd) { return System().FromHandle(hwnd); }

HWND SetFocus(HWND hwnd) { return System().SetFocus(hwnd); }
HWND GetFocus() { return System().GetFocus(); }
HWND SetActiveWindow(HWND hwnd) { return System().SetActiveWindow(hwnd); }
HWND GetActiveWindow() { return System().GetActiveWindow(); }
HWND GetLastActivePopup(HWND owner) { return System().GetLastActivePopup(owner); }
HWND SetCapture(HWND hwnd) { return System().SetCapture(hwnd); }
bool ReleaseCapture() { return System().ReleaseCapture(); }
HWND GetCapture() { return System().GetCapture(); }

int RunModalLoop(platform::Window& dialog) { return System().RunModalLoop(dialog); }
void EndModalLoop(platform::Window& dialog, int result) { System().EndModalLoop(dialog, result); }
bool EndModalLoop(HWND dialog, int result) {
    platform::Window* window = System().FromHandle(dialog);
    if (!window) return false;
    System().EndModalLoop(*window, result);
    return true;
}

bool InvalidateRect(HWND hwnd, const platform::Rect* rect, bool erase) {
    return System().InvalidateRect(hwnd, rect, erase);
}
bool ValidateRect(HWND hwnd, const platform::Rect* rect) { return System().ValidateRect(hwnd, rect); }
bool GetUpdateRect(HWND hwnd, platform::Rect* rect) { return System().GetUpdateRect(hwnd, rect); }
bool UpdateWindow(HWND hwnd) { return System().UpdateWindow(hwnd); }
bool RedrawWindow(HWND hwnd, const platform::Rect* rect, UINT flags) { return System().RedrawWindow(hwnd, rect, flags); }
platform::DeviceContext* BeginPaint(HWND hwnd, PAINTSTRUCT* paint) { return System().BeginPaint(hwnd, paint); }
bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    System().EndPaint(hwnd, paint);
    return true;
}
platform::DeviceContext* GetDC(HWND hwnd) { return System().GetDC(hwnd); }
int ReleaseDC(HWND hwnd, platform::DeviceContext* dc) {
    System().ReleaseDC(hwnd, dc);
    return dc ? 1 : 0;
}
bool SurfaceKeepsPixels(HWND hwnd) { return System().SurfaceKeepsPixels(hwnd); }
bool DeferDrawing(HWND hwnd, std::function<void()> draw) { return System().DeferDrawing(hwnd, std::move(draw)); }

void DeliverFromOtherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    System().DeliverFromOtherProcess(hwnd, message, wParam, lParam);
}
