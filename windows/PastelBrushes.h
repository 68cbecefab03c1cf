#pragma once
// The colour scale of the side windows, eleven pastel brushes from red (0) to green (10), shared
// by the score sheet, the statistics windows and the trick estimation's rule sheets.

#include "platform/core/DrawingObjects.h"

#include <array>

extern const std::array<platform::Brush, 11> PastelBrushes;

// The brush of an index, kept within 0..10 (a damaged count never reads past the scale).
const platform::Brush& PastelBrush(int index);
