// The Ramsch rule sheet: the decisions on Grand Hand, pushing the skat on and Durchmarsch with
// their risks at the top, the Ramsch classes of each suit and of the Jacks, the bonus adjustment
// lines and the weak holdings.
#include "computer/evaluation/EstimationSheetLayout.h"
#include "platform/core/WindowApi.h"
#include "tavlo/SymbolApi.h"
#include "windows/EstimationSheetDrawing.h"
#include "windows/EstimationSheetPainter.h"
#include "windows/PastelBrushes.h"
#include "windows/TrickEstimation.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRamschLines = 26;

// The line of each Ramsch class (-1: no line) and its term (0 bonus, 1 malus, 2 safe, 3 caution,
// 4 risk, 5 venture, 6 drop, 7 unfit) with its count.
struct RamschClass {
    int line;
    int term;
    int count;
};
constexpr RamschClass kRamschClasses[13] = {
    {-1, 0, 0}, {0, 0, 1}, {2, 2, 1}, {3, 3, 1}, {-1, 0, 0}, {-1, 0, 0}, {4, 4, 1},
    {-1, 0, 0}, {-1, 0, 0}, {5, 5, 1}, {6, 6, 1}, {7, 6, 2}, {8, 7, 1},
};

int LineTop(int y3, int line) { return line < 17 ? y3 + 34 + 17 * line : y3 + 51 + 17 * line; }

// What the painting steps share beside the sheet's own: the running totals of the class terms. The
// grids of the class and weak lines stand left of the value boxes and move with them.
struct RamschSheetPainter : SheetPainter {
    int totals[8] = {};

    RamschSheetPainter(CTrickEstimation& w, platform::DeviceContext& context, int x, int y)
        : SheetPainter(w, context, x, y, kPopupModeRamsch) {}

    // A number on white, the fill as wide as the number.
    void OnWhite(int x, int y, int value) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", value);
        const platform::Size size = dc.GetTextExtent(text);
        estimation::WhiteFill(dc, {x, y, x + size.cx, y + 16});
        dc.TextOut(x, y, text);
    }

    void PaintTop();
    void PaintLines();
    void PaintGrids();
    void PaintTopValues();
    void PaintGreenBoxes();
    void PaintJacks();
    void PaintSuitClasses();
    void PaintAdjustments();
    void PaintWeakLines();
};

// Step 2: the top, hot spots 0 to 7.
void RamschSheetPainter::PaintTop() {
    estimation::CentredHeading(dc, window.HeaderLabels[0], 70, y0);
    Record(70, y1);
    window.DrawCellText(70, y1, window.ShortLabels[0], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[7], box, y0);
    Record(box, y1);
    window.DrawCellText(box, y1, window.ShortLabels[13], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[8], 70, y2);
    Record(70, y3);
    window.DrawCellText(70, y3, window.ShortLabels[14], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[9], 230, y2);
    Record(230, y3);
    window.DrawCellText(230, y3, window.ShortLabels[15], dc);
    {
        const platform::Size size = dc.GetTextExtent(window.HeaderLabels[10]);
        const int left = box + 40 - size.cx / 2;
        estimation::WhiteFill(dc, {left, y2 + 1, left + size.cx, y2 + 17});
        dc.TextOut(left, y2 + 2, window.HeaderLabels[10]);
    }
    for (int k = 0; k < 4; ++k) {
        Record(box + 20 * k, y3);
        window.DrawCellText(box + 20 * k, y3, std::string(), dc);
    }
}

// Step 3: the lines, hot spots 8 onward.
void RamschSheetPainter::PaintLines() {
    dc.SetBkMode(platform::BkMode::Opaque);
    for (int j = 0; j < kRamschLines; ++j) {
        if (j == 17) estimation::Rule(dc, 0, right, y3 + 323);
        const int top = LineTop(y3, j);
        const estimation::RuleLine line = estimation::SplitRuleLine(window.RuleRows[93 + static_cast<std::size_t>(j)], 3);
        PaintRuleLine(line, top, 2);
        if (j == kRamschLines - 1) estimation::Rule(dc, 0, right, top + 17);
    }
}

// Step 4: the grids of the class and the weak areas.
void RamschSheetPainter::PaintGrids() {
    auto grid = [&](int from, int to) {
        dc.MoveTo(dx + 182, from);
        dc.LineTo(dx + 182, to);
        for (int k = 0; k <= 4; ++k) {
            dc.MoveTo(dx + 202 + 48 * k, from);
            dc.LineTo(dx + 202 + 48 * k, to);
        }
    };
    grid(y3 + 17, y3 + 187);
    estimation::CentredHeading(dc, window.ShortLabels[7], dx + 182, y3 + 17 - 1);
    for (int k = 0; k < 4; ++k) WS_DrawSymbol(window.Handle(), k + 1, dx + 219 + 48 * k, y3 + 18, &dc);
    grid(y3 + 340, y3 + 493);
}

// Step 5: the top values.
void RamschSheetPainter::PaintTopValues() {
    dc.SetBkMode(platform::BkMode::Transparent);
    estimation::ValueBox(dc, 70, y1, Word(4, 0), estimation::NullCountScale(Word(4, 0)));
    const int grandHand = Word(5, 0) != 0 && Word(5, 0) != SHEET_EMPTY ? 1 : 0;
    const int passOn = Word(6, 0) > 0 && Word(6, 0) != SHEET_EMPTY ? 1 : 0;
    const int durchmarsch = Word(7, 0) > 0 && Word(7, 0) != SHEET_EMPTY ? 1 : 0;
    estimation::ValueBox(dc, box, y1, grandHand, grandHand ? 10 : 0);
    estimation::ValueBox(dc, 70, y3, passOn, passOn ? 10 : 0);
    estimation::ValueBox(dc, 230, y3, durchmarsch, durchmarsch ? 10 : 0);
    for (int k = 0; k < 4; ++k) {
        const int risk = Word(PlaySheet::RamschRisk.row, PlaySheet::RamschRisk.word + k);
        const int colour = risk == SHEET_EMPTY ? 0 : std::clamp((100 - risk) / 10, 0, 10);
        estimation::ValueBox(dc, box + 20 * k, y3, risk, colour);
    }
}

// Step 6: the value boxes of the valued lines start green.
void RamschSheetPainter::PaintGreenBoxes() {
    for (int j = 0; j < kRamschLines; ++j) {
        if (j == 14) continue;
        const int top = LineTop(y3, j);
        dc.FillRect({box + 1, top + 1, box + 20, top + 17}, PastelBrush(10));
    }
}

// Step 7: the Jacks' malus and their class mark.
void RamschSheetPainter::PaintJacks() {
    if (const int malus = Word(PlaySheet::JacksMalus.row, PlaySheet::JacksMalus.word); malus != 0 && malus != SHEET_EMPTY) {
        const int top = LineTop(y3, 1);
        OnWhite(dx + 189, top + 1, 1);
        dc.FillRect({box + 1, top + 1, box + 20, top + 17}, PastelBrush(6));
        WriteNumber(box + 8, top + 1, 1);
        totals[1] = 1;
    }
    const int jackClass = Word(PlaySheet::JacksStatus.row, PlaySheet::JacksStatus.word);
    if (!(jackClass == 1 && Word(8, 3) == 0) && jackClass >= 0 && jackClass <= 12 && kRamschClasses[jackClass].line >= 0) {
        dc.SetTextColor(platform::Rgb(192, 192, 192));
        OnWhite(dx + 189, LineTop(y3, kRamschClasses[jackClass].line) + 1, 1);
        dc.SetTextColor(platform::Rgb(0, 0, 0));
    }
}

// Step 8: the suits' classes.
void RamschSheetPainter::PaintSuitClasses() {
    for (int s = 0; s < 4; ++s) {
        const int code = Word(s, PlaySheet::StatusWord);
        if (code < 0 || code > 12 || kRamschClasses[code].line < 0) continue;
        const RamschClass& cls = kRamschClasses[code];
        struct {
            int count, term, grow;
        } pairs[2] = {{cls.count, cls.term, cls.count}, {0, 1, 0}};
        int n = 1;
        if (code == 1 && Word(s, PlaySheet::MalusWord) == 1) {
            pairs[1] = {1, 1, 1};
            n = 2;
        }
        for (int k = 0; k < n; ++k) {
            const int line = cls.line + k;
            const int y = LineTop(y3, line) + 1;
            totals[pairs[k].term] += pairs[k].grow;
            const int value = totals[pairs[k].term];
            if (pairs[k].count != 0) OnWhite(dx + 222 + 48 * s, y, pairs[k].count);
            if (value != 0) {
                // Line 0 keeps green; the unfit line falls faster.
                const int colour = line == 0 ? 10 : std::max(0, 10 - (line == 8 ? 5 : 4) * value);
                dc.FillRect({box + 1, y, box + 20, y + 16}, PastelBrush(colour));
                WriteNumber(box + 8, y, value);
            }
        }
    }
}

// Step 9: the adjustment lines.
void RamschSheetPainter::PaintAdjustments() {
    static constexpr int kAdjustmentLines[7] = {9, 10, 11, 12, 13, 15, 16};
    for (int k = 0; k < 7; ++k) {
        const int w = Word(PlaySheet::PassOnRule.row, PlaySheet::FirstBonusRuleWord + k);
        if (w == 0 || w == SHEET_EMPTY) continue;
        const int v = w & 15;
        const int top = LineTop(y3, kAdjustmentLines[k]);
        dc.FillRect({box + 1, top + 1, box + 20, top + 17}, PastelBrush(v + 1));
        WriteNumber(box + 8, top + 1, v);
    }
}

// Step 10: the weak lines. The suits keep code, count and value in words 4, 6 and 7 of their
// rows; the Jacks in words 2, 4 and 5 of row 4, where the play preparation writes them. A count
// of 4 Jacks limits the section to the Jacks' column.
void RamschSheetPainter::PaintWeakLines() {
    using namespace PlaySheet;
    auto weakCode = [&](int s) { return s == 4 ? Word(JacksWeakCode.row, JacksWeakCode.word) : Word(s, WeakCodeWord); };
    auto weakCount = [&](int s) { return s == 4 ? Word(JacksWeakCount.row, JacksWeakCount.word) : Word(s, WeakLostWord); };
    auto weakValue = [&](int s) { return s == 4 ? Word(JacksWeakValue.row, JacksWeakValue.word) : Word(s, RunningLostWord); };
    int okRows = 0;
    for (int s = 0; s <= 4; ++s)
        if (weakCode(s) == 101) ++okRows;
    const bool jacksOnly = weakCount(4) == 4;
    for (int s = jacksOnly ? 4 : 0; s <= 4; ++s) {
        const int code = weakCode(s);
        if (code < 101 || code > 109) continue;  // a weak code outside the table is skipped
        const int top = LineTop(y3, 17 + code - 101);
        const int countWord = weakCount(s);
        OnWhite(dx + (s == 4 ? 189 : 222 + 48 * s), top + 1, countWord == 0 ? 1 : countWord);
        const int v = code == 101 ? okRows : weakValue(s);
        const int colour = countWord == 0 ? 10 : (v < 4 ? std::clamp(9 - v, 0, 10) : 0);
        dc.FillRect({box + 1, top + 1, box + 20, top + 17}, PastelBrush(colour));
        estimation::CentredNumber(dc, box, top + 2, v);
    }
}

}  // namespace

void CTrickEstimation::PaintRamschSheet(platform::DeviceContext& dc, int xOffset, int yOffset) {
    // Step 1: the common start and the rule under the top.
    const platform::LogFont previous = BeginSheet(dc, xOffset, yOffset);
    RamschSheetPainter painter(*this, dc, xOffset, yOffset);
    estimation::Rule(dc, 0, painter.right, painter.y0 + 85);
    painter.PaintTop();
    painter.PaintLines();
    painter.PaintGrids();
    painter.PaintTopValues();
    painter.PaintGreenBoxes();
    painter.PaintJacks();
    painter.PaintSuitClasses();
    painter.PaintAdjustments();
    painter.PaintWeakLines();
    // Step 11: the font and the origin as they were.
    dc.SelectFont(previous);
    dc.SetViewportOrg(0, 0);
}
