#pragma once
// What the painting steps of the three rule sheets share: the window and its context, the scroll
// offsets, the popup mode whose hot spots the sheet records, the tops of the four top rows, the
// columns, and the hot spots recorded so far; the sheet's words and the plain numbers it writes.

#include "windows/EstimationSheetDrawing.h"
#include "windows/TrickEstimation.h"

struct SheetPainter {
    CTrickEstimation& window;
    platform::DeviceContext& dc;
    const int xOffset, yOffset;
    const int mode;
    const int y0, y1, y2, y3;
    const estimation::SheetColumns& c;
    // The value boxes, the frame's right line, and how far everything tied to the boxes stands
    // right of its narrowest place.
    const int box, right, dx;
    int spot = 0;

    SheetPainter(CTrickEstimation& w, platform::DeviceContext& context, int x, int y, int popupMode);

    // Word w of a sheet row; an empty word while the window has no sheet.
    int Word(int row, int w = 0) const;
    // The sheet's next hot spot, at (x, y) of the scrolled sheet.
    void Record(int x, int y);
    // A number at (x, y), without a fill.
    void WriteNumber(int x, int y, int value);
    // A rule line of the Null or Ramsch sheet at `top`: its condition on a white strip, its hot
    // spot and box when it has one, a rule above it when it opens a group, and its term centred in
    // the sheet's term column (1 Null, 2 Ramsch).
    void PaintRuleLine(const estimation::RuleLine& line, int top, int termColumn);
};
