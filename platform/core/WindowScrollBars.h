#pragma once
// The classic calls for a window's own scroll bars (beside its client area, see Window.h), for
// scrolling a window's content and for a window's tooltip. The bars do not move themselves: what
// the person does with one comes to the window as WM_HSCROLL or WM_VSCROLL with lParam 0, and the
// window sets the new position.

#include <string>

#include "platform/core/Message.h"
#include "platform/core/Window.h"

using platform::SB_BOTH;
using platform::SB_HORZ;
using platform::SB_VERT;

// Shows or hides SB_HORZ, SB_VERT or SB_BOTH; the client area shrinks or grows by the bar's strip.
bool ShowScrollBar(HWND hwnd, int bar, bool show);
// A maximum below the minimum is accepted and clamped to the minimum; the position follows.
bool SetScrollRange(HWND hwnd, int bar, int minimum, int maximum, bool redraw);
// Clamped into the range; returns the previous position.
int SetScrollPos(HWND hwnd, int bar, int position, bool redraw);
int GetScrollPos(HWND hwnd, int bar);
bool GetScrollRange(HWND hwnd, int bar, int* minimum, int* maximum);
// Moves the client area's retained pixels by (dx, dy) and invalidates the uncovered strip.
bool ScrollWindow(HWND hwnd, int dx, int dy);
// The text shown while the mouse rests on the window (a control's hint); empty for none.
bool SetToolTip(HWND hwnd, const std::string& text);
std::string GetToolTip(HWND hwnd);
