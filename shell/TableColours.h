#pragma once
// The table's colours: green, or dark red while the game carries manipulation marks.

#include "platform/core/DrawingObjects.h"

// RGB(0, 128, 0) and RGB(128, 0, 0).
inline constexpr platform::Color kTableGreen = platform::Rgb(0, 128, 0);
inline constexpr platform::Color kTableRed = platform::Rgb(128, 0, 0);
inline constexpr platform::Color kSilver = platform::Rgb(0xC0, 0xC0, 0xC0);

// The brush that erases a piece of the table now (TableBrush or ManipulatedTableBrush).
platform::Brush TableBrush();
// Its colour, for text with an opaque background.
platform::Color TableColour();
