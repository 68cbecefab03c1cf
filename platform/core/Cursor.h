#pragma once
// The mouse cursor of a window: one of the system's cursors, loaded by its system id. Each window
// has its current cursor (the arrow until it sets another), shown while the mouse is over it; the
// host learns of every change (WindowEvent::CursorChanged).

#include "platform/core/Message.h"

namespace platform {

// A system cursor; handles point at the system's one record of each.
struct Cursor {
    int systemId = 0;
};

}  // namespace platform

using HCURSOR = const platform::Cursor*;

// The system cursors, by the classic ids (named apart from the dialogs' control ids).
constexpr int SYSTEM_CURSOR_ARROW = 32512;
constexpr int SYSTEM_CURSOR_HAND = 32649;

// The system cursor with that id, or nullptr for an id the system does not have.
HCURSOR LoadCursor(int systemId);
// Makes `cursor` the window's current cursor (nullptr: the arrow) and returns the one it had, or
// nullptr when hwnd is not a window.
HCURSOR SetCursor(HWND hwnd, HCURSOR cursor);
// The window's current cursor (the arrow unless it set another), or nullptr when hwnd is not a window.
HCURSOR GetWindowCursor(HWND hwnd);
