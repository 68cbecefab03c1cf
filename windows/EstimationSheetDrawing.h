#pragma once
// What the three rule sheets of the trick estimation window draw alike: centred headings, value
// boxes on the pastel scale, the scales themselves and the fields of a rule line.

#include "platform/core/DeviceContext.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace estimation {

// The scales of the boxes: index into PastelBrushes of a count 0..4 (Jacks, bare suits), a trick
// count 0..10, a bare-suit count 0..3 of the Null and Ramsch sheets. A value past either end takes
// the colour of that end; an empty word (65535) takes colour 0.
int CountScale(int value);
int TrickScale(int value);
int NullCountScale(int value);

// A heading centred over the 20-pixel column at x, on white, its top at `top`.
void CentredHeading(platform::DeviceContext& dc, std::string_view text, int x, int top);
// A value box at (x, y): its inside in the colour, the value written centred over it at y + 2.
void ValueBox(platform::DeviceContext& dc, int x, int y, int value, int colour);
// A number centred over the box column at x, at y, without a fill.
void CentredNumber(platform::DeviceContext& dc, int x, int y, int value);
// A text centred in the column from `left`, `width` wide, its top at y.
void CentredInColumn(platform::DeviceContext& dc, std::string_view text, int left, int width, int y);
// A line across the sheet at y.
void Rule(platform::DeviceContext& dc, int left, int right, int y);
void WhiteFill(platform::DeviceContext& dc, const platform::Rect& rect);

// Where the columns of the three sheets stand. The texts set them as the context measures them: the
// value boxes stand right of the longest condition, the adjustments are centred in a column wide
// enough for the widest of them, and the frame's right line encloses every text.
struct SheetColumns {
    int box = 394;    // the left edge of the rule lines' value boxes
    int right = 506;  // the frame's right line; the sheet is one pixel wider
    // The adjustment column of the suit and Grand sheet, the Null sheet and the Ramsch sheet.
    int termLeft[3] = {419, 415, 414};
    int termWidth[3] = {93, 93, 93};
    // The centres of the suit sheet's second heading row: the estimate over its box, the adjustment.
    int estimateCentre = 386;
    int adjustmentCentre = 470;
    // How far the value boxes and everything tied to them stand right of their narrowest place.
    int Shift() const { return box - 394; }
    int Width() const { return right + 1; }
};

// The fields of a rule row "condition;abc;term".
struct RuleLine {
    std::string condition;
    char a = '0', b = '0', c = '0';
    bool hasTerm = false;
    std::string term;
};
// Two-digit rows (the Null sheet) leave c at '0'.
RuleLine SplitRuleLine(const std::string& row, int digits);

}  // namespace estimation
