#include "platform/core/DialogUnits.h"

#include <cstdint>

namespace platform {

namespace {

// value * numerator / denominator rounded to nearest, halves away from zero; 64-bit so that a
// large coordinate cannot overflow on the way.
int ScaleRounded(int value, int numerator, int denominator) {
    std::int64_t product = std::int64_t{value} * numerator;
    std::int64_t half = denominator / 2;
    std::int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

DialogFontMeasure g_fontMeasure = nullptr;

}  // namespace

void SetDialogFontMeasure(DialogFontMeasure measure) { g_fontMeasure = measure; }

DialogBaseUnits MeasureDialogFont(const DialogFont& font) {
    DialogBaseUnits units = g_fontMeasure ? g_fontMeasure(font) : kDefaultDialogBaseUnits;
    // A font the host cannot measure must not collapse every control to nothing.
    if (units.x <= 0 || units.y <= 0) units = kDefaultDialogBaseUnits;
    return units;
}

int DialogUnitsToPixelsX(int dluX, DialogBaseUnits units) {
    return ScaleRounded(dluX, units.x, 4);
}

int DialogUnitsToPixelsY(int dluY, DialogBaseUnits units) {
    return ScaleRounded(dluY, units.y, 8);
}

Rect DialogRectToPixels(const DialogRect& rect, DialogBaseUnits units) {
    return {DialogUnitsToPixelsX(rect.x, units), DialogUnitsToPixelsY(rect.y, units),
            DialogUnitsToPixelsX(rect.x + rect.cx, units), DialogUnitsToPixelsY(rect.y + rect.cy, units)};
}

}  // namespace platform
