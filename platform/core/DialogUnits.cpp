#include "platform/core/DialogUnits.h"

#include <algorithm>
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
DialogTextMeasure g_textMeasure = nullptr;

}  // namespace

void SetDialogFontMeasure(DialogFontMeasure measure) { g_fontMeasure = measure; }

DialogBaseUnits MeasureDialogFont(const DialogFont& font) {
    DialogBaseUnits units = g_fontMeasure ? g_fontMeasure(font) : kDefaultDialogBaseUnits;
    // A font the host cannot measure must not collapse every control to nothing.
    if (units.x <= 0 || units.y <= 0) units = kDefaultDialogBaseUnits;
    return units;
}

void SetDialogTextMeasure(DialogTextMeasure measure) { g_textMeasure = measure; }

Size MeasureDialogText(const DialogFont& font, std::string_view text) {
    if (g_textMeasure) return g_textMeasure(font, text);
    const DialogBaseUnits units = MeasureDialogFont(font);
    int lines = 1;
    int longest = 0;
    int current = 0;
    for (char c : text) {
        if (c == '\n') {
            ++lines;
            current = 0;
        } else if (c != '\r' && (static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            longest = std::max(longest, ++current);  // one per character, not per UTF-8 byte
        }
    }
    return {longest * units.x, lines * units.y};
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
