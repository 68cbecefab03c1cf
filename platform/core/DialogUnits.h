#pragma once
// Dialog units: templates measure in units of the dialog font so that a layout scales with the
// font. The host measures the font and reports its base units: the average character width and the
// character height in pixels. Then
//     x_px = dlu_x * baseX / 4        y_px = dlu_y * baseY / 8
// rounded to the nearest pixel, halves away from zero. A rectangle converts its edges, not its
// size, so controls that touch in dialog units still touch in pixels.

#include "platform/core/DialogTemplate.h"
#include "platform/core/WindowGeometry.h"

#include <string_view>

namespace platform {

struct DialogBaseUnits {
    int x = 0;  // average character width in pixels
    int y = 0;  // character height in pixels
};

// How dialog fonts measure: the host installs a function that measures a font with its own text
// metrics. Without one every font measures kDefaultDialogBaseUnits (an 8-point sans at 96 dpi).
inline constexpr DialogBaseUnits kDefaultDialogBaseUnits{6, 13};
using DialogFontMeasure = DialogBaseUnits (*)(const DialogFont& font);
void SetDialogFontMeasure(DialogFontMeasure measure);  // nullptr: back to the default
DialogBaseUnits MeasureDialogFont(const DialogFont& font);

// The size a static text takes in a dialog font, line breaks included, as the host draws it. A
// message box sizes itself by it. Without a host measure the text is estimated from the base units
// (average character width per character, character height per line).
using DialogTextMeasure = Size (*)(const DialogFont& font, std::string_view text);
void SetDialogTextMeasure(DialogTextMeasure measure);  // nullptr: back to the estimate
Size MeasureDialogText(const DialogFont& font, std::string_view text);

int DialogUnitsToPixelsX(int dluX, DialogBaseUnits units);
int DialogUnitsToPixelsY(int dluY, DialogBaseUnits units);
Rect DialogRectToPixels(const DialogRect& rect, DialogBaseUnits units);

}  // namespace platform
