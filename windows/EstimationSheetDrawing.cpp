#include "windows/EstimationSheetDrawing.h"

#include "computer/evaluation/ComputerState.h"
#include "windows/PastelBrushes.h"

#include <algorithm>
#include <cstdio>

namespace estimation {

namespace {

int Scale(int value, const int* scale, int last) {
    if (value == SHEET_EMPTY) return 0;
    return scale[std::clamp(value, 0, last)];
}

const platform::Brush kWhite = platform::Brush::Solid(platform::Rgb(255, 255, 255));

}  // namespace

int CountScale(int value) {
    static constexpr int kScale[5] = {0, 1, 3, 6, 10};
    return Scale(value, kScale, 4);
}

int TrickScale(int value) {
    static constexpr int kScale[11] = {0, 0, 1, 2, 4, 6, 9, 10, 10, 10, 10};
    return Scale(value, kScale, 10);
}

int NullCountScale(int value) {
    static constexpr int kScale[4] = {0, 3, 6, 10};
    return Scale(value, kScale, 3);
}

void WhiteFill(platform::DeviceContext& dc, const platform::Rect& rect) { dc.FillRect(rect, kWhite); }

void CentredHeading(platform::DeviceContext& dc, std::string_view text, int x, int top) {
    const platform::Size size = dc.GetTextExtent(text);
    const int left = x + (20 - size.cx) / 2;
    WhiteFill(dc, {left, top + 1, left + size.cx, top + 17});
    dc.TextOut(left, top + 2, text);
}

void CentredNumber(platform::DeviceContext& dc, int x, int y, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    const platform::Size size = dc.GetTextExtent(text);
    dc.TextOut(x + 1 + (20 - size.cx) / 2, y, text);
}

void ValueBox(platform::DeviceContext& dc, int x, int y, int value, int colour) {
    dc.FillRect({x + 1, y + 1, x + 20, y + 17}, PastelBrush(colour));
    CentredNumber(dc, x, y + 2, value);
}

void CentredInColumn(platform::DeviceContext& dc, std::string_view text, int left, int width, int y) {
    const platform::Size size = dc.GetTextExtent(text);
    dc.TextOut(left + (width - size.cx) / 2, y, text);
}

void Rule(platform::DeviceContext& dc, int left, int right, int y) {
    dc.MoveTo(left, y);
    dc.LineTo(right, y);
}

RuleLine SplitRuleLine(const std::string& row, int digits) {
    RuleLine line;
    const std::size_t semicolon = row.find(';');
    line.condition = row.substr(0, semicolon);
    if (semicolon == std::string::npos) return line;
    // Characters past the end of a short row are not read: a missing field skips its step.
    const std::size_t code = semicolon + 1;
    if (code < row.size()) line.a = row[code];
    if (code + 1 < row.size()) line.b = row[code + 1];
    if (digits == 3 && code + 2 < row.size()) line.c = row[code + 2];
    const std::size_t after = code + static_cast<std::size_t>(digits);
    if (after < row.size() && row[after] == ';') {
        line.hasTerm = true;
        line.term = row.substr(after + 1);
    }
    return line;
}

}  // namespace estimation
