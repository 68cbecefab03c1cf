#pragma once
// Where the program's windows may lie: wholly inside the desktop's work area, never larger than it,
// so that every title bar can be reached and no part of a window is off the screen.

#include "platform/core/WindowGeometry.h"

// The rectangle moved (and, where it is larger, shrunk) so that it lies wholly inside the area.
platform::Rect KeptInside(const platform::Rect& rect, const platform::Rect& area);

// The place of a window stored at an earlier close, or its default: an inverted or empty stored
// rectangle gives the default; either is then kept inside the work area (the screens may have
// changed since it was stored).
platform::Rect PlacedOnWorkArea(const platform::Rect& stored, const platform::Rect& defaults);
