// The Null rule sheet: the thirteen Null classes as lines, a column per suit marking which lines
// apply to that suit and how often, and beside each line the running total of its term (bonus,
// caution, risk, drop) over the suits; at the top the bare suits, the bonus and the chance.
#include "computer/evaluation/EstimationSheetLayout.h"
#include "platform/core/WindowApi.h"
#include "tavlo/SymbolApi.h"
#include "windows/EstimationSheetDrawing.h"
#include "windows/EstimationSheetPainter.h"
#include "windows/PastelBrushes.h"
#include "windows/TrickEstimation.h"

#include <algorithm>

namespace {

// The terms with a running total; None marks a pair without a value, Fixed a pair whose value is
// written as it stands (the bonus lines).
enum Term { None, Fixed, Caution1, Caution2, Caution3, Risk1, Risk2, Risk3, Drop, TermCount };

// One pair of a class: the count for the suit's column, the term that grows and by how much (minus
// the bonus flag when lessBonus).
struct Pair {
    int count;
    Term term;
    int grow;
    bool lessBonus = false;
};

struct NullClass {
    int firstLine;
    int lines;
    Pair pairs[4];
};

// The class table by class 1..13, first for row 8 word 0 = 0, then for the other variant.
// clang-format off
const NullClass kPlainClasses[14] = {
    {0, 0, {}},
    {0, 1, {{0, None, 0}}},
    {0, 1, {{1, None, 0}}},
    {2, 2, {{1, Caution2, 1}, {0, Fixed, 0}}},
    {4, 2, {{1, Drop, 1}, {1, Caution2, 1}}},
    {6, 2, {{2, Drop, 2}, {1, Caution3, 1}}},
    {9, 2, {{1, Caution1, 1}, {0, Fixed, 0}}},
    {11, 2, {{1, Caution3, 1}, {1, Risk1, 1}}},
    {13, 3, {{1, Drop, 1}, {1, Caution3, 1}, {1, Risk1, 1}}},
    {16, 3, {{2, Drop, 2}, {0, Fixed, 0}, {1, Risk2, 1}}},
    {19, 3, {{1, Drop, 1}, {0, Fixed, 0}, {1, Risk2, 1}}},
    {22, 4, {{1, Drop, 1}, {1, Caution3, 1}, {0, Fixed, 0}, {1, Risk3, 1}}},
    {26, 3, {{2, Drop, 2}, {0, Fixed, 0}, {1, Risk3, 1}}},
    {29, 1, {{3, Drop, 3}}},
};
const NullClass kOtherClasses[14] = {
    {0, 0, {}},
    {0, 1, {{0, None, 0}}},
    {0, 1, {{1, None, 0}}},
    {2, 2, {{0, Fixed, 0}, {1, Risk1, 1}}},
    {4, 2, {{1, Drop, 1}, {0, Fixed, 0}}},
    {6, 2, {{2, Drop, 2}, {0, Fixed, 0}}},
    {8, 3, {{0, Fixed, 1}, {0, Fixed, 0}, {1, Risk1, 1}}},
    {11, 2, {{0, Fixed, 0}, {1, Risk1, 1, true}}},
    {13, 3, {{1, Drop, 1}, {0, Fixed, 0}, {1, Risk1, 1, true}}},
    {16, 3, {{2, Drop, 2}, {1, Risk1, 1, true}, {0, Fixed, 0}}},
    {19, 3, {{1, Drop, 1}, {2, Risk1, 2}, {0, Fixed, 0}}},
    {22, 4, {{1, Drop, 1}, {0, Fixed, 0}, {2, Risk1, 2, true}, {0, Fixed, 0}}},
    {26, 3, {{2, Drop, 2}, {2, Risk1, 2, true}, {0, Fixed, 0}}},
    {29, 1, {{3, Drop, 3}}},
};
// clang-format on

constexpr int kNullLines = 31;

int LineTop(int y0, int line) { return y0 + 85 + 17 * line; }

// What the painting steps share beside the sheet's own: the bonus flag. The suit columns stand
// left of the value boxes and move with them.
struct NullSheetPainter : SheetPainter {
    const int bonus;

    NullSheetPainter(CTrickEstimation& w, platform::DeviceContext& context, int x, int y)
        : SheetPainter(w, context, x, y, kPopupModeNull),
          bonus(Word(NullSheet::SafeNoForehandMark.row) != SHEET_EMPTY ||
                        Word(NullSheet::SafeNoAceMark.row) != SHEET_EMPTY
                    ? 1
                    : 0) {}

    void PaintTop();
    void PaintLines();
    void PaintSuitColumns();
    void PaintTopValues();
    void PaintClasses();
};

// Steps 2 and 3: the rule under the class row and the top boxes.
void NullSheetPainter::PaintTop() {
    estimation::Rule(dc, 0, box, y0 + 85);
    estimation::CentredHeading(dc, window.HeaderLabels[0], 70, y0);
    Record(70, y1);
    window.DrawCellText(70, y1, window.ShortLabels[0], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[5], box, y0);
    Record(box, y1);
    window.DrawCellText(box, y1, window.ShortLabels[10], dc);
    estimation::CentredHeading(dc, window.HeaderLabels[6], box, y0 + 34);
    Record(box, y3);
    window.DrawCellText(box, y3, window.ShortLabels[11], dc);
}

// Step 4: the lines.
void NullSheetPainter::PaintLines() {
    dc.SetBkMode(platform::BkMode::Opaque);
    for (int j = 0; j < kNullLines; ++j) {
        const int top = LineTop(y0, j);
        const estimation::RuleLine line =
            estimation::SplitRuleLine(window.RuleRows[62 + static_cast<std::size_t>(j)], 2);
        PaintRuleLine(line, top, 1);
    }
}

// Step 5: the OK row and the suit columns.
void NullSheetPainter::PaintSuitColumns() {
    dc.TextOut(10, y0 + 69, window.ExtraLabels[2]);
    for (int k = 0; k <= 4; ++k) {
        dc.MoveTo(dx + 202 + 48 * k, y0 + 595);
        dc.LineTo(dx + 202 + 48 * k, y0 + 68);
    }
    for (int s = 0; s < 4; ++s) {
        if (Word(s) == 1) dc.FillRect({dx + 203 + 48 * s, y0 + 69, dx + 250 + 48 * s, y0 + 85}, PastelBrush(10));
        WS_DrawSymbol(window.Handle(), s + 1, dx + 219 + 48 * s, y0 + 69, &dc);
    }
}

// Steps 6 and 7: the top values; the value boxes of lines 1 to 29 start green.
void NullSheetPainter::PaintTopValues() {
    dc.SetBkMode(platform::BkMode::Transparent);
    estimation::ValueBox(dc, 70, y1, Word(4), estimation::NullCountScale(Word(4)));
    estimation::ValueBox(dc, box, y1, bonus, bonus == 1 ? 10 : 0);
    const int chance = Word(NullSheet::Chance.row);
    estimation::ValueBox(dc, box, y3, chance, chance == SHEET_EMPTY ? 0 : chance / 10);
    for (int j = 1; j <= 29; ++j) {
        const int top = LineTop(y0, j);
        dc.FillRect({box + 1, top + 1, box + 20, top + 17}, PastelBrush(10));
    }
}

// Step 8: the classes of the four suits, then the two bonus lines.
void NullSheetPainter::PaintClasses() {
    const bool plain = Word(NullSheet::Reading.row) == 0;
    int totals[TermCount] = {};
    for (int pass = 0; pass < 6; ++pass) {
        NullClass cls{};
        int classCode = 0;
        if (pass < 4) {
            classCode = Word(pass);
            if (classCode == SHEET_EMPTY) cls = {0, 1, {{0, None, 0}}};
            else if (classCode >= 1 && classCode <= 13) cls = plain ? kPlainClasses[classCode] : kOtherClasses[classCode];
            else continue;  // a class outside 1..13 writes nothing
        } else {
            const int v = Word(pass == 4 ? 5 : 6) != SHEET_EMPTY ? 1 : 0;
            cls = {pass == 4 ? 1 : 8, 1, {{0, Fixed, v}}};
            classCode = pass == 4 ? 3 : 6;
        }
        for (int k = 0; k < cls.lines; ++k) {
            const Pair& pair = cls.pairs[k];
            const int y = LineTop(y0, cls.firstLine + k) + 2;
            if (pair.count != 0 || classCode == SHEET_EMPTY) WriteNumber(dx + 222 + 48 * pass, y, pair.count);
            if (pair.term == None) continue;
            int value = pair.grow;
            if (pair.term != Fixed) {
                totals[pair.term] += pair.grow - (pair.lessBonus ? bonus : 0);
                value = totals[pair.term];
            }
            const int top = y - 2;
            dc.FillRect({box + 1, top + 1, box + 20, top + 17}, PastelBrush(std::max(0, 10 - 3 * value)));
            WriteNumber(box + 8, y, value);
        }
    }
}

}  // namespace

void CTrickEstimation::PaintNullSheet(platform::DeviceContext& dc, int xOffset, int yOffset) {
    // Step 1: the common start and the bonus flag.
    const platform::LogFont previous = BeginSheet(dc, xOffset, yOffset);
    NullSheetPainter painter(*this, dc, xOffset, yOffset);
    painter.PaintTop();
    painter.PaintLines();
    painter.PaintSuitColumns();
    painter.PaintTopValues();
    painter.PaintClasses();
    // Step 9: the font and the origin as they were.
    dc.SelectFont(previous);
    dc.SetViewportOrg(0, 0);
}
