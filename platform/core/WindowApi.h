#pragma once
// The classic window-system calls the program makes, as global functions over the one
// platform::WindowSystem. See WindowSystem.h for the rules they follow.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Message.h"
#include "platform/core/Window.h"
#include "platform/core/WindowGeometry.h"
#include "platform/core/WindowSystem.h"

namespace platform {
class DeviceContext;
}

using PAINTSTRUCT = platform::PaintInfo;

// --- Messages ----------------------------------------------------------------------------------
// Queues the message and returns; false when hwnd is not a window. hwnd 0 queues a thread message
// that DispatchMessage hands to nobody.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Runs the window's handler now, nested, even for a hidden or disabled window; 0 when hwnd is not a
// window.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues WM_QUIT behind the messages already posted.
void PostQuitMessage(int exitCode);
bool PeekMessage(MSG* message, HWND filter, UINT first, UINT last, UINT removeFlags);
// Waits for a message; returns false for WM_QUIT.
bool GetMessage(MSG* message, HWND filter, UINT first, UINT last);
LRESULT DispatchMessage(const MSG* message);
bool TranslateMessage(const MSG* message);
short GetKeyState(int virtualKey);
// Nested waits inside handlers. One poll: takes one message and dispatches it raw, or idles when
// there is none; a quit request is put back and reported as WaitStep::Quit (end the wait then).
platform::WindowSystem::WaitStep PumpWaitStep();
// Pumps while keepWaiting() holds (tested after every poll); false when a quit request ended it.
bool WaitWhile(const std::function<bool()>& keepWaiting);
// Lets ms milliseconds pass without dispatching anything.
void Sleep(std::int64_t ms);

// --- Timers ------------------------------------------------------------------------------------
// Arms (or re-arms, restarting the countdown) timer (hwnd, id); returns id, or 0 when hwnd is not a
// window or id is 0.
UINT SetTimer(HWND hwnd, UINT id, int intervalMs);
bool KillTimer(HWND hwnd, UINT id);

// --- Windows -----------------------------------------------------------------------------------
bool IsWindow(HWND hwnd);
bool DestroyWindow(HWND hwnd);
bool ShowWindow(HWND hwnd, int command);
bool IsWindowVisible(HWND hwnd);
// Whether a top-level window is minimised (iconic) or maximised (zoomed).
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);
bool EnableWindow(HWND hwnd, bool enable);
bool IsWindowEnabled(HWND hwnd);
HWND GetParent(HWND hwnd);
HWND GetWindowOwner(HWND hwnd);
bool IsChild(HWND parent, HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
std::vector<HWND> GetChildWindows(HWND hwnd);
bool GetWindowRect(HWND hwnd, platform::Rect* rect);  // screen coordinates
bool GetClientRect(HWND hwnd, platform::Rect* rect);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool SetWindowText(HWND hwnd, const std::string& text);
std::string GetWindowText(HWND hwnd);
bool ClientToScreen(HWND hwnd, platform::Point* point);
bool ScreenToClient(HWND hwnd, platform::Point* point);
HWND WindowFromPoint(platform::Point screen);
// The mouse's screen position as of the last mouse input the program took.
bool GetCursorPos(platform::Point* point);
// The object behind a handle, or nullptr.
platform::Window* WindowFromHandle(HWND hwnd);

// --- Focus, activation, capture ----------------------------------------------------------------
HWND SetFocus(HWND hwnd);  // returns the previous focus window
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND GetLastActivePopup(HWND owner);
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// --- Modal loops -------------------------------------------------------------------------------
int RunModalLoop(platform::Window& dialog);
void EndModalLoop(platform::Window& dialog, int result);
bool EndModalLoop(HWND dialog, int result);  // false when hwnd is not a window

// --- Painting ----------------------------------------------------------------------------------
// rect nullptr: the whole client area.
bool InvalidateRect(HWND hwnd, const platform::Rect* rect, bool erase);
bool ValidateRect(HWND hwnd, const platform::Rect* rect);
bool GetUpdateRect(HWND hwnd, platform::Rect* rect);
// Sends WM_PAINT now when the window has an invalid region.
bool UpdateWindow(HWND hwnd);
bool RedrawWindow(HWND hwnd, const platform::Rect* rect, UINT flags);
platform::DeviceContext* BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
// The window's retained surface for drawing outside paint; ReleaseDC tells the host to show it.
platform::DeviceContext* GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, platform::DeviceContext* dc);
// Whether the window's surface keeps what is drawn on it: where it does not, drawing that leaves
// nothing but pixels may be left out (false without a window or a surface).
bool SurfaceKeepsPixels(HWND hwnd);
// Drawing that only shows, put off until the surface is next drawn on or shown (see
// WindowSystem::DeferDrawing); false where it has to be drawn now.
bool DeferDrawing(HWND hwnd, std::function<void()> draw);

// --- Other processes ---------------------------------------------------------------------------
// For the host: a message from another process, delivered first by the next retrieval of any pump.
void DeliverFromOtherProcess(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
