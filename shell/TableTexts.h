#pragma once
// Helpers of the table texts shared by their drawing routines.

#include "platform/core/WindowGeometry.h"

#include <string>

// The first `count` characters (not bytes) of a UTF-8 text.
std::string FirstCharacters(const std::string& text, int count);
// Whether an update rectangle lies wholly outside r, each edge with its slack; no update rectangle
// means draw unconditionally.
bool LiesOutside(const platform::Rect* update, const platform::Rect& r, int slackLeft, int slackRight,
                 int slackTop, int slackBottom);
// A notice text with the round numbers filled in (texts without placeholders stay as they are).
std::string FormatNotice(int stringId);
