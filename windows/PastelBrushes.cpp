#include "windows/PastelBrushes.h"

#include <algorithm>

using platform::Brush;
using platform::Rgb;

// 9 and 10 are the same green: a full percentage and a nearly full one look alike.
const std::array<Brush, 11> PastelBrushes = {
    Brush::Solid(Rgb(248, 177, 177)), Brush::Solid(Rgb(248, 196, 177)), Brush::Solid(Rgb(248, 213, 177)),
    Brush::Solid(Rgb(248, 231, 177)), Brush::Solid(Rgb(248, 248, 177)), Brush::Solid(Rgb(231, 248, 177)),
    Brush::Solid(Rgb(223, 248, 177)), Brush::Solid(Rgb(213, 248, 177)), Brush::Solid(Rgb(196, 248, 177)),
    Brush::Solid(Rgb(177, 248, 196)), Brush::Solid(Rgb(177, 248, 196)),
};

const Brush& PastelBrush(int index) { return PastelBrushes[static_cast<std::size_t>(std::clamp(index, 0, 10))]; }
