#include "windows/EstimationSheetPainter.h"

#include "computer/evaluation/ComputerState.h"

#include <cstdio>

SheetPainter::SheetPainter(CTrickEstimation& w, platform::DeviceContext& context, int x, int y, int popupMode)
    : window(w), dc(context), xOffset(x), yOffset(y), mode(popupMode), y0(w.PanelHeight), y1(y0 + 17), y2(y0 + 34),
      y3(y0 + 51), c(w.Columns), box(c.box), right(c.right), dx(c.Shift()) {}

int SheetPainter::Word(int row, int w) const {
    return window.Sheet ? static_cast<int>(window.Sheet[row][w]) : static_cast<int>(SHEET_EMPTY);
}

void SheetPainter::Record(int x, int y) {
    if (spot < kHotSpots) window.HotSpots[mode][spot] = {x - xOffset, y - yOffset};
    ++spot;
}

void SheetPainter::PaintRuleLine(const estimation::RuleLine& line, int top, int termColumn) {
    estimation::WhiteFill(dc, {10, top + 1, right, top + 17});
    dc.TextOut(10, top + 1, line.condition);
    if (line.a == '1') {
        Record(box, top);
        window.DrawCellText(box, top, std::string(), dc);
    }
    if (line.b != '0') estimation::Rule(dc, 0, right, top);
    if (line.hasTerm)
        estimation::CentredInColumn(dc, line.term, c.termLeft[termColumn], c.termWidth[termColumn], top + 1);
}

void SheetPainter::WriteNumber(int x, int y, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    dc.TextOut(x, y, text);
}
