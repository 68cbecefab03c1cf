#pragma once
// Where the program's windows may lie: wholly inside the desktop's work area, never larger than it,
// so that every title bar can be reached and no part of a window is off the screen.

#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"

// The rectangle moved (and, where it is larger, shrunk) so that it lies wholly inside the area.
platform::Rect KeptInside(const platform::Rect& rect, const platform::Rect& area);

// The place of a window stored at an earlier close, or its default: an inverted or empty stored
// rectangle gives the default; either is then kept inside the work area (the screens may have
// changed since it was stored).
platform::Rect PlacedOnWorkArea(const platform::Rect& stored, const platform::Rect& defaults);

// The screens changed: the desktop and work area the host told are taken, and every window of the
// program that is open is moved (and shrunk where it must be) into the new work area. The frame,
// maximised before, fills the new work area where the host leaves that to the program.
void FollowScreenChange(HWND frame, bool frameMaximised);
