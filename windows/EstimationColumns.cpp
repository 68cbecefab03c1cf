// The columns of the trick estimation sheets, laid out from the texts that stand in them.
#include "windows/EstimationSheetDrawing.h"
#include "windows/TrickEstimation.h"

#include <algorithm>

namespace {

// The room kept between two texts of a row and between a text and the frame.
constexpr int kGap = 6;
constexpr int kMargin = 3;

// The rule rows of each sheet: first row, count, digits of the code.
struct RowRange {
    std::size_t first;
    int count;
    int digits;
};
constexpr RowRange kSuitGrandRows = {0, 62, 3};
constexpr RowRange kNullRows = {62, 31, 2};
constexpr RowRange kRamschRows = {93, 26, 3};

}  // namespace

void CTrickEstimation::LayOutColumns(platform::DeviceContext& dc) {
    const platform::LogFont previous = dc.SelectFont(SheetFont());
    auto width = [&dc](const std::string& text) { return text.empty() ? 0 : dc.GetTextExtent(text).cx; };
    auto half = [](int w) { return (w + 1) / 2; };
    auto line = [&](const RowRange& rows, int i) {
        return estimation::SplitRuleLine(RuleRows[rows.first + static_cast<std::size_t>(i)], rows.digits);
    };
    estimation::SheetColumns c;

    // The value boxes: right of every condition that runs across the sheet (the Null lines and the
    // Ramsch class and weak lines stand in their grids left of the boxes) and of the labels in the
    // top rows beside the middle boxes.
    int box = 394;
    for (int i = 0; i < kSuitGrandRows.count; ++i)
        box = std::max(box, 10 + width(line(kSuitGrandRows, i).condition) + kGap);
    for (int j = 9; j <= 16; ++j) box = std::max(box, 10 + width(line(kRamschRows, j).condition) + kGap);
    box = std::max(box, 256 + width(ShortLabels[1]) + kGap);
    box = std::max(box, 254 + width(ShortLabels[15]) + kGap);
    c.box = box;

    // The adjustment columns: centred in 93 pixels, or wider for a wider term, and clear of the
    // boxes; on the suit sheet also of the " | " that joins two lines beside the boxes.
    int right = box + 112;
    const RowRange sheets[3] = {kSuitGrandRows, kNullRows, kRamschRows};
    const int leftOfBox[3] = {25, 21, 20};
    const int clearFrom[3] = {box + 25 + width(" | ") + 1, box + 22, box + 22};
    for (int s = 0; s < 3; ++s) {
        int widest = 0;
        for (int i = 0; i < sheets[s].count; ++i) {
            const estimation::RuleLine rule = line(sheets[s], i);
            if (rule.hasTerm) widest = std::max(widest, width(rule.term));
        }
        const int columnWidth = std::max(93, widest + 4);
        const int left = std::max(box + leftOfBox[s], clearFrom[s] - (columnWidth - widest) / 2);
        c.termLeft[s] = left;
        c.termWidth[s] = columnWidth;
        right = std::max(right, left + (columnWidth + widest) / 2 + kMargin);
    }

    // The labels right of the boxes and the headings centred over them.
    for (const int label : {2, 3, 10, 11, 13}) right = std::max(right, box + 24 + width(ShortLabels[label]) + kMargin);
    for (const int heading : {2, 5, 6, 7})
        right = std::max(right, box + 10 + half(width(HeaderLabels[heading])) + kMargin);
    right = std::max(right, box + 40 + half(width(HeaderLabels[10])) + kMargin);

    // The suit sheet's second heading row: the adjustment over its column, the estimate over its box
    // or, where the two would meet, left of the adjustment.
    const int adjustment = width(HeaderLabels[4]), estimate = width(HeaderLabels[3]);
    c.adjustmentCentre = 470 + (c.termLeft[0] - 419) + (c.termWidth[0] - 93) / 2;
    right = std::max(right, c.adjustmentCentre + half(adjustment) + kMargin);
    c.estimateCentre = std::min(box - 8, c.adjustmentCentre - half(adjustment) - kGap - half(estimate));

    c.right = right;
    Columns = c;
    dc.SelectFont(previous);
}
