// The rule sheet of the suit games and Grand: the term boxes at the top (bare suits, safe trump
// tricks, safe tricks, the sum that makes the estimate), then the evaluator's rule lines, each with
// the estimate that the line left.
#include "platform/core/WindowApi.h"
#include "tavlo/SymbolApi.h"
#include "windows/EstimationSheetDrawing.h"
#include "windows/EstimationSheetPainter.h"
#include "windows/PastelBrushes.h"
#include "windows/TrickEstimation.h"

namespace {

using estimation::CountScale;
using estimation::TrickScale;

// The suit tokens of a condition, by suit index (Clubs, Spades, Hearts, Diamonds).
constexpr const char* kSuitTokens[4] = {"Kz", "Pk", "Hz", "Ka"};
constexpr int kRuleLines = 31;


// What the painting steps share beside the sheet's own: the view; then where the rule lines put
// each value row's box and the W line of Grand.
struct SuitGrandSheetPainter : SheetPainter {
    const bool grand;
    int rowTop[SHEET_ROWS] = {};
    bool rowAfterHeading[SHEET_ROWS] = {};
    int valueRow = 6;
    int wLineTop = -1;

    SuitGrandSheetPainter(CTrickEstimation& w, platform::DeviceContext& context, int x, int y, bool grandView)
        : SheetPainter(w, context, x, y, grandView ? kPopupModeGrand : kPopupModeSuit), grand(grandView) {}

    void PaintTop();
    void PaintRuleLines();
    void PaintSuitSymbols(const std::string& condition, int top);
    void PaintTopValues();
    void PaintValueRows();
};

// Step 2: headings and boxes of the top, in the order of their hot spots.
void SuitGrandSheetPainter::PaintTop() {
    estimation::CentredHeading(dc, window.HeaderLabels[0], 70, y0);
    Record(70, y1);
    window.DrawCellText(70, y1, window.ShortLabels[0], dc);
    if (!grand) {
        estimation::CentredHeading(dc, window.HeaderLabels[1], 232, y0);
        Record(232, y1);
        window.DrawCellText(232, y1, window.ShortLabels[1], dc);
    }
    estimation::CentredHeading(dc, window.HeaderLabels[2], box, y0);
    Record(box, y1);
    window.DrawCellText(box, y1, window.ShortLabels[2], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[3], c.estimateCentre - 10, y2);
    Record(box, y3);
    window.DrawCellText(box, y3, window.ShortLabels[3], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[4], c.adjustmentCentre - 10, y2);
    Record(10, y3);
    window.DrawCellText(10, y3, window.ShortLabels[grand ? 5 : 4], dc);
    Record(70, y3);
    window.DrawCellText(70, y3, std::string(), dc);
}

// Step 3: the rule lines; each valued line takes the next value row. Remember where each
// row's box stands and where the W line of Grand is.
void SuitGrandSheetPainter::PaintRuleLines() {
    dc.SetBkMode(platform::BkMode::Opaque);
    bool headingBefore = false;
    const std::size_t first = grand ? 31 : 0;
    for (int i = 0; i < kRuleLines; ++i) {
        const int t = y3 + 17 * (i + 1);
        const estimation::RuleLine line =
            estimation::SplitRuleLine(window.RuleRows[first + static_cast<std::size_t>(i)], 3);
        // 3.1 The condition on a white strip.
        estimation::WhiteFill(dc, {10, t + 1, right, t + 17});
        dc.TextOut(10, t + 1, line.condition);
        PaintSuitSymbols(line.condition, t);
        // 3.3 The hot spot and its box.
        if (line.a == '1') {
            Record(box, t);
            window.DrawCellText(box, t, std::string(), dc);
        } else if (line.a == '2') {
            Record(box, t);
            wLineTop = t;
        }
        // 3.4 The separators.
        const int separator = line.b - '0';
        if (separator & 1) estimation::Rule(dc, 0, right, t);
        if (separator & 2) dc.TextOut(box + 25, t - 8, " | ");
        // 3.5 The value row of the line.
        if (line.c == '0' && line.a != '2' && valueRow < SHEET_ROWS) {
            rowTop[valueRow] = t;
            rowAfterHeading[valueRow] = headingBefore;
            ++valueRow;
        }
        headingBefore = line.c == '1';
        // 3.6 The adjustment.
        if (line.hasTerm) estimation::CentredInColumn(dc, line.term, c.termLeft[0], c.termWidth[0], t + 1);
    }
}

// 3.2 The first token of each suit, not at the start, gets its symbol.
void SuitGrandSheetPainter::PaintSuitSymbols(const std::string& condition, int top) {
    for (int k = 0; k < 4; ++k) {
        const std::size_t at = condition.find(kSuitTokens[k]);
        if (at == std::string::npos || at == 0) continue;
        const int x = 10 + dc.GetTextExtent(std::string_view(condition).substr(0, at)).cx;
        WS_DrawSymbol(window.Handle(), 9 + k, x, top + 1, &dc);
    }
}

// Step 4: the values of the top boxes.
void SuitGrandSheetPainter::PaintTopValues() {
    dc.SetBkMode(platform::BkMode::Transparent);
    const int bare = Word(4), jacks = Word(0);
    const int safe = grand ? Word(1) : Word(2);
    const int before = grand ? Word(2) : Word(3);
    estimation::ValueBox(dc, 70, y1, bare, CountScale(bare));
    if (!grand) estimation::ValueBox(dc, 232, y1, Word(1), TrickScale(Word(1)));
    estimation::ValueBox(dc, box, y1, safe, TrickScale(safe));
    estimation::ValueBox(dc, 10, y3, before, TrickScale(before));
    estimation::ValueBox(dc, 70, y3, jacks, CountScale(jacks));
    const bool emptySum = before == SHEET_EMPTY || jacks == SHEET_EMPTY;
    estimation::ValueBox(dc, box, y3, before + jacks, emptySum ? 0 : TrickScale(before + jacks));
}

// Step 5: the value rows.
void SuitGrandSheetPainter::PaintValueRows() {
    const int lastRow = grand ? 34 : 33;
    for (int r = 6; r <= lastRow && r < valueRow; ++r) {
        const int y = rowTop[r];
        // Grand: the W line shows the flag without a box, above the row that follows it.
        if (grand && r == 18 && rowAfterHeading[r] && wLineTop >= 0)
            estimation::CentredNumber(dc, box, wLineTop + 2, Word(5));
        const int v = Word(r);
        if (v == SHEET_EMPTY) dc.FillRect({box + 1, y + 1, box + 20, y + 17}, PastelBrush(0));
        else estimation::ValueBox(dc, box, y, v, TrickScale(v));
    }
}

}  // namespace

void CTrickEstimation::PaintSuitGrandSheet(platform::DeviceContext& dc, int xOffset, int yOffset) {
    const bool grand = View == VIEW_GRAND;
    // Step 1: the common start.
    const platform::LogFont previous = BeginSheet(dc, xOffset, yOffset);
    SuitGrandSheetPainter painter(*this, dc, xOffset, yOffset, grand);
    painter.PaintTop();
    painter.PaintRuleLines();
    painter.PaintTopValues();
    painter.PaintValueRows();
    // Step 6: the font and the origin as they were.
    dc.SelectFont(previous);
    dc.SetViewportOrg(0, 0);
}
