// The Null view's popups: the bonus mark, the chance and, for every Null rule group term, the
// suits of the hand that the term concerns with the cards that decide it.

#include "windows/EstimationPopups.h"

#include "computer/evaluation/EstimationSheetLayout.h"
#include "platform/core/Resources.h"
#include "windows/PopupNullPrimitives.h"

namespace {

enum NullPrimitive { SUIT_A, SUIT_B, CARD_C, CARDS_D, ESTIMATE_ROW };
enum NullTerm { BONUS, CAUTION1, CAUTION2, CAUTION3, DROP, RISK1, RISK2, RISK3 };

// One rule spot: its term, its primitive and the class it lists under each reading of the
// group (flag F of row 8 set, and clear).
struct NullRuleSpot {
    NullTerm term;
    NullPrimitive primitive;
    int codeWithF;
    int codeWithoutF;
};

// Spots 3..31, in the order of the Null rule rows.
constexpr NullRuleSpot kNullRuleSpots[] = {
    {BONUS, SUIT_A, 3, 3},            // 3  safe without forehand
    {CAUTION2, SUIT_B, 0, 3},         // 4
    {RISK1, ESTIMATE_ROW, 3, 0},      // 5
    {DROP, CARD_C, 4, 4},             // 6  safe with one drop
    {CAUTION2, SUIT_B, 0, 4},         // 7
    {DROP, CARDS_D, 5, 5},            // 8  safe with two drops
    {CAUTION3, SUIT_B, 0, 5},         // 9
    {BONUS, SUIT_A, 6, 6},            // 10 safe without Ace
    {CAUTION1, SUIT_B, 0, 6},         // 11
    {RISK1, ESTIMATE_ROW, 6, 0},      // 12
    {CAUTION3, SUIT_B, 0, 7},         // 13 risk
    {RISK1, ESTIMATE_ROW, 7, 7},      // 14
    {DROP, CARD_C, 8, 8},             // 15 risk with one drop
    {CAUTION3, SUIT_B, 0, 8},         // 16
    {RISK1, ESTIMATE_ROW, 8, 8},      // 17
    {DROP, CARDS_D, 9, 9},            // 18 risk with two drops
    {RISK1, ESTIMATE_ROW, 9, 0},      // 19
    {RISK2, ESTIMATE_ROW, 0, 9},      // 20
    {DROP, CARD_C, 0, 10},            // 21 venture
    {RISK1, ESTIMATE_ROW, 10, 0},     // 22
    {RISK2, ESTIMATE_ROW, 0, 10},     // 23
    {DROP, CARD_C, 11, 11},           // 24 venture with one drop
    {CAUTION3, SUIT_B, 0, 11},        // 25
    {RISK1, ESTIMATE_ROW, 11, 0},     // 26
    {RISK3, ESTIMATE_ROW, 0, 11},     // 27
    {DROP, CARDS_D, 12, 12},          // 28 venture with two drops
    {RISK1, ESTIMATE_ROW, 12, 0},     // 29
    {RISK3, ESTIMATE_ROW, 0, 12},     // 30
    {DROP, CARD_C, 13, 13},           // 31 unfit
};

int FirstSuitOfClass(const EstimationSheetBlock& block, int code) {
    for (int s = 0; s < 4; ++s)
        if (block[s][NullSheet::ClassWord] == code) return s;
    return -1;
}

// Spot 1: the suits that earn the bonus mark "b" (class 3 first, then class 6).
void DrawBonusMark(PopupCanvas& canvas, const EstimationSheetBlock& block) {
    const std::string label = platform::LoadString(PopupLabel::NullBonus);
    const bool safeNoForehand = SheetAt(block, NullSheet::SafeNoForehandMark) != SHEET_EMPTY;
    const bool safeNoAce = SheetAt(block, NullSheet::SafeNoAceMark) != SHEET_EMPTY;
    const int h = PopupLineHeight(canvas);
    PopupLine line;
    int width = 0;
    if (!safeNoForehand && !safeNoAce) {
        line.Text(PopupFormat("%s: 0", label.c_str()));
        width = line.Width(canvas);
    } else {
        const std::string head = PopupFormat("%s: ", label.c_str());
        const int w = canvas.MeasureText(head).cx;
        line.Text(head);
        const int class3 = FirstSuitOfClass(block, 3), class6 = FirstSuitOfClass(block, 6);
        if (safeNoForehand && safeNoAce) {
            const int ws = canvas.MeasureText(" | ").cx;
            width = w + 28 + ws;
            // Without a class-3 suit the class-6 symbol takes the first place.
            if (class3 >= 0) line.Symbol(class3).Text(" | ");
            if (class6 >= 0) line.Symbol(class6);
        } else {
            width = w + 14;
            const int suit = safeNoForehand ? class3 : class6;
            if (suit >= 0) line.Symbol(suit);
        }
    }
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeNull, 1, width, h, 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}

// Spot 2: the chance "c" in percent.
void DrawChance(PopupCanvas& canvas, const EstimationSheetBlock& block) {
    const std::string text = PopupFormat("%s: %d %%", platform::LoadString(PopupLabel::NullChance).c_str(),
                                         SheetAt(block, NullSheet::Chance));
    const platform::Size size = canvas.MeasureText(text);
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeNull, 2, size.cx, size.cy, 0);
    canvas.DrawText(box.left + 2, box.top + 2, text);
}

}  // namespace

void DrawNullPopup(PopupCanvas& canvas, int spot) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    if (!block || !canvas.ShownPlayer()) return;
    if (spot == 1) return DrawBonusMark(canvas, *block);
    if (spot == 2) return DrawChance(canvas, *block);
    if (spot < 3 || spot > 31) return;
    const NullRuleSpot& rule = kNullRuleSpots[spot - 3];
    const PopupTexts texts = PopupTexts::Load();
    const bool reading = SheetAt(*block, NullSheet::Reading) != 0;
    const NullPrimitiveCall call{reading ? rule.codeWithF : rule.codeWithoutF, kPopupModeNull, spot,
                                 texts.TermKeys[rule.term], texts.Joiners[JOINER_PLUS]};
    switch (rule.primitive) {
    case SUIT_A: PaintPopupSuitA(canvas, texts, call); break;
    case SUIT_B: PaintPopupSuitB(canvas, texts, call); break;
    case CARD_C: PaintPopupC(canvas, texts, call); break;
    case CARDS_D: PaintPopupD(canvas, texts, call); break;
    case ESTIMATE_ROW: DrawEstimateRow(canvas, texts, call); break;
    }
}
