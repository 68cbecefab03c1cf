#pragma once
// The legend's pictures, drawn in code: the legend itself (567 x 331: a heading band, nine rows
// with a box for each row's tick, the table's two colours below) and the mark picture whose
// top-left 20 x 20 is the tick laid into a row's box.

#include "platform/core/Bitmap.h"

inline constexpr int kLegendWidth = 567;
inline constexpr int kLegendHeight = 331;
inline constexpr int kLegendRows = 9;
inline constexpr int kLegendTickX = 287;
inline constexpr int kLegendTickSize = 20;
// The top of row i.
constexpr int LegendRowTop(int row) { return 21 + 24 * row; }
// Where the notes of the rows begin, right of the tick boxes.
inline constexpr int kLegendNoteX = 320;
// The table's colours below the rows: the swatches' left edge and their tops.
inline constexpr int kLegendSwatchX = 10;
inline constexpr int kLegendGreenTop = 268;
inline constexpr int kLegendRedTop = 298;

platform::Bitmap LegendPicture();
// 390 x 72, all grey 220: the mask the cards assignment shades with, and the legend's tick.
platform::Bitmap MarkPicture();
