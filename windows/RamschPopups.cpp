// The Ramsch view's popups: the alternatives' rule codes and risks, the suits and cards of each
// Ramsch class, the malus suits and Jacks, the inputs and result of each bonus adjustment, and
// the weak holdings of a Durchmarsch. The cards are named in the Ramsch order, as the computer
// player's card routines give it for the hand.

#include "model/GameTypeLookups.h"
#include "windows/EstimationPopups.h"

#include <array>
#include <vector>

#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/OtherGameOrder.h"
#include "dialogs/HelpToggle.h"
#include "model/FlowGlobals.h"
#include "model/CardCodes.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "windows/PopupTexts.h"

namespace {

using namespace PlaySheet;

// The names of the Ramsch classes by code.
const std::array<const char*, 13> kRamschClassNames = {
    "", "OK", "SAFE_NO_FH", "SAFE_DROP_1", "", "", "RISK", "", "", "VENTURE", "VENTURE_DROP_1", "VENTURE_DROP_2", "UNFIT"};

std::string RamschClassName(int code) { return code >= 0 && code < 13 ? kRamschClassNames[static_cast<std::size_t>(code)] : ""; }

struct RamschContext {
    PopupCanvas& canvas;
    const EstimationSheetBlock& block;
    const PopupTexts& texts;
    RamschHandCards hand;  // the Jacks held in suit order, each suit's cards held

    int At(SheetWord w) const { return SheetAt(block, w); }
    int Suit(int s, int word) const { return block[s][word]; }
    int H() const { return PopupLineHeight(canvas); }
};

// The term of a rule row: the text 5 characters after its first ";".
std::string TermOf(int id) {
    const std::string row = platform::LoadString(id);
    const std::size_t semicolon = row.find(';');
    if (semicolon == std::string::npos || semicolon + 5 > row.size()) return {};
    return row.substr(semicolon + 5);
}

// One line box: measured, placed and drawn.
void DrawOneLine(PopupCanvas& canvas, int spot, const PopupLine& line) {
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeRamsch, spot, line.Width(canvas), PopupLineHeight(canvas), 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}

void DrawLines(PopupCanvas& canvas, int spot, const PopupLines& lines) {
    const int h = PopupLineHeight(canvas);
    const platform::Rect box =
        canvas.DrawPopupBox(kPopupModeRamsch, spot, lines.Width(canvas), h * static_cast<int>(lines.lines.size()), 0);
    lines.Draw(canvas, box, h);
}

// The cards the player holds of suit s, each as its symbol and rank, " + " between them; "0"
// and the symbol when he holds none.
void AddHeldCards(const RamschContext& c, int s, PopupLine& line) {
    const std::vector<int>& cards = c.hand.suits[static_cast<std::size_t>(s)];
    if (cards.empty()) {
        line.Text("0").Symbol(s);
        return;
    }
    for (std::size_t k = 0; k < cards.size(); ++k) {
        if (k > 0) line.Fixed(c.texts.Joiners[JOINER_PLUS], 12);
        line.Symbol(s).Text(c.texts.CardText(cards[k]));
    }
}

// The Jacks held as their symbols, " + " between them.
PopupLine JackLine(const RamschContext& c, PopupLine line, bool withLabel) {
    for (std::size_t k = 0; k < c.hand.jacks.size(); ++k) {
        if (k > 0) line.Text(c.texts.Joiners[JOINER_PLUS]);
        line.Symbol(GetCardSuit(c.hand.jacks[k], true));
        if (withLabel) line.Text(c.texts.Jack);
    }
    return line;
}

// A title followed by one line of held cards per listed suit, later lines under the first;
// "<title>: 0" without a listed suit.
void DrawSuitsWithCards(const RamschContext& c, int spot, const std::string& title, const std::vector<int>& suits) {
    if (suits.empty()) return DrawOneLine(c.canvas, spot, PopupLine().Text(title + ": 0"));
    const int indent = c.canvas.MeasureText(title).cx;
    PopupLines lines;
    for (std::size_t k = 0; k < suits.size(); ++k) {
        PopupLine line;
        if (k == 0) line.Text(title);
        AddHeldCards(c, suits[k], line);
        lines.Add(line, k == 0 ? 0 : indent);
    }
    DrawLines(c.canvas, spot, lines);
}

std::vector<int> SuitsWhere(const RamschContext& c, int word, int value) {
    std::vector<int> suits;
    for (int s = 0; s < 4; ++s)
        if (c.Suit(s, word) == value) suits.push_back(s);
    return suits;
}

// A suit entry: the suit's number with its symbol 7 pixels after the number's start.
void AddSuitEntry(const RamschContext& c, int s, PopupLine& line) {
    line.Fixed(PopupFormat("%d", c.Suit(s, CardCountWord)), 7).Symbol(s);
}

// Spots 1..3: the rule code of Grand Hand, pushing on and Durchmarsch; a rule names its help topic.
void DrawAlternative(const RamschContext& c, int spot) {
    static constexpr int kLabels[] = {PopupLabel::GrandHand, PopupLabel::PassOn, PopupLabel::Durchmarsch};
    const std::string label = platform::LoadString(kLabels[spot - 1]);
    const int code = c.block[spot + 4][0];
    if (code == 0) return DrawOneLine(c.canvas, spot, PopupLine().Text(label + ": 0"));
    g_Flow.RuleHelpTopic = RuleHelpTopic(code);
    DrawOneLine(c.canvas, spot,
                PopupLine().Text(PopupFormat("%s: %s %d", label.c_str(), platform::LoadString(PopupLabel::Rule).c_str(), code)));
}

// Spots 4..7: the risks of Ramsch, Grand Hand, pushing on and Durchmarsch.
void DrawRisk(const RamschContext& c, int spot) {
    static constexpr int kLabels[] = {PopupLabel::Ramsch, PopupLabel::GrandHand, PopupLabel::PassOn, PopupLabel::Durchmarsch};
    const std::string label = platform::LoadString(kLabels[spot - 4]);
    DrawOneLine(c.canvas, spot, PopupLine().Text(PopupFormat("%s: %d%%", label.c_str(), c.block[6][spot - 2])));
}

// Spot 9: the suits with a malus and, with the Jacks' malus mark, the Jacks.
void DrawMalus(const RamschContext& c) {
    const std::string title = PopupFormat("2 %s", TermOf(PopupLabel::FirstRamschRule + 1).c_str()) + ": ";
    std::vector<int> suits;
    for (int s = 0; s < 4; ++s)
        if (c.Suit(s, MalusWord) != 0) suits.push_back(s);
    const bool jackMalus = c.At(JacksMalus) != 0;
    PopupLine first;
    first.Text(title);
    for (std::size_t k = 0; k < suits.size(); ++k) {
        if (k > 0) first.Fixed(c.texts.Joiners[JOINER_PLUS], 12);
        AddSuitEntry(c, suits[k], first);
    }
    if (suits.empty() && !jackMalus) return DrawOneLine(c.canvas, 9, first.Text("0"));
    if (!jackMalus) return DrawOneLine(c.canvas, 9, first);
    if (suits.empty()) return DrawOneLine(c.canvas, 9, JackLine(c, first, true));
    PopupLines lines;
    lines.Add(first);
    lines.Add(JackLine(c, PopupLine(), true), c.canvas.MeasureText(title).cx);
    DrawLines(c.canvas, 9, lines);
}

// Spot 10: the suits safe without the lead.
void DrawSafe(const RamschContext& c) {
    const std::string title = PopupFormat("%d %s", 3, TermOf(PopupLabel::FirstRamschRule + 2).c_str());
    const std::vector<int> suits = SuitsWhere(c, StatusWord, 2);
    PopupLine line;
    line.Text(title);
    if (suits.empty()) line.Text(": 0");
    for (std::size_t k = 0; k < suits.size(); ++k) {
        if (k > 0) line.Fixed(c.texts.Joiners[JOINER_PLUS], 12);
        AddSuitEntry(c, suits[k], line);
    }
    DrawOneLine(c.canvas, 10, line);
}

// Spots 17..23: the bonus adjustment rules 10..16, their inputs and their result.
void DrawBonusRule(const RamschContext& c, int spot) {
    const int r = spot - 7;
    const std::int32_t* row6 = c.block[6];
    auto suitsOfClass = [&](int code) { return static_cast<int>(SuitsWhere(c, StatusWord, code).size()); };
    const int caution = suitsOfClass(3), risk = suitsOfClass(6), venture = suitsOfClass(9), safe = suitsOfClass(2);
    const int drop = suitsOfClass(10) + 2 * suitsOfClass(11), unfit = suitsOfClass(12);
    // The bonus after each rule.
    int b[6];
    b[0] = row6[8] != 0 ? (row6[8] & 15) : row6[6];
    for (int k = 1; k <= 4; ++k) b[k] = b[k - 1] + (row6[8 + k] != 0 ? 1 : 0);
    b[5] = row6[13] != 0 ? 4 : b[4];
    const bool applied = row6[spot - 9] != 0;
    auto input = [](const char* term, int value) { return PopupLine().Text(PopupFormat("%s: %d", term, value)); };
    auto countLine = [&](int count, int suit) {
        PopupLine line;
        line.Text(PopupFormat("%s: %d ", "N", count));
        if (count != SHEET_EMPTY && suit != SHEET_EMPTY) line.Symbol(suit);
        return line;
    };
    std::vector<PopupLine> inputs;
    std::string result;
    switch (spot) {
    case 17: {
        const int malus = row6[8] == 16 ? 1 : row6[6] - b[0];
        inputs = {input("bonus", row6[6]), input("malus", malus)};
        result = PopupFormat("%d %s - %d", r, PopupFormat("%s: %d", "bonus", row6[6]).c_str(), malus);
        break;
    }
    case 18:
        inputs = {input("bonus", b[0]), input("unfit", unfit), input("caution", caution), input("drop", drop),
                  PopupLine().Text(PopupFormat("%s$: RAMSCH_%s", c.texts.Jack.c_str(), RamschClassName(c.At(JacksStatus)).c_str())),
                  PopupLine().Text(PopupFormat("%s: %d", platform::LoadString(PopupLabel::Forehand).c_str(), c.At(IsForehand)))};
        result = PopupFormat("%d %s: %d + 1", r, "bonus", b[0]);
        break;
    case 19:
    case 20:
    case 21:
        inputs = {input("bonus", b[r - 11]), input("unfit", unfit), input("risk", risk), input("venture", venture),
                  input("drop", drop)};
        if (spot == 21 && c.At(SingleCardMark) != SHEET_EMPTY) inputs.push_back(countLine(c.At(SingleCardMark), c.At(SingleCardSuit)));
        result = PopupFormat("%d %s: %d + 1", r, "bonus", b[r - 11]);
        break;
    case 22:
        inputs = {input("bonus", b[4]), input("unfit", unfit), input("venture", venture), input("drop", drop),
                  input("safe", safe), input("risk", risk)};
        result = PopupFormat("%d %s: 4", r, "bonus");
        break;
    default:
        inputs = {input("bonus", b[5]), input("unfit", unfit), countLine(c.At(LowCardsLength), c.At(LowCardsSuit))};
        result = PopupFormat("%d %s: %d + 1", r, "bonus", b[5]);
        break;
    }
    if (!applied) result = PopupFormat("%d %s: 0", r, platform::LoadString(IDS_POPUP_EXTRA).c_str());
    const int indent = c.canvas.MeasureText(PopupFormat("%d ", r)).cx;
    PopupLines lines;
    for (const PopupLine& line : inputs) lines.Add(line, indent);
    lines.Add(PopupLine().Text(result));
    DrawLines(c.canvas, spot, lines);
}

// Spots 24..32: the weak holdings of a Durchmarsch, WEAK_OK to WEAK_UNFIT.
void DrawWeakRow(const RamschContext& c, int spot) {
    const int r = spot - 23;
    const std::string term = TermOf(spot == 24 ? PopupLabel::FirstWeakRule : PopupLabel::FirstWeakRule + 1);
    const std::string title = PopupFormat("%d %s", r, term.c_str());
    const int jackCode = c.At(JacksWeakCode);
    if (spot == 31) {
        if (jackCode != 108) return DrawOneLine(c.canvas, spot, PopupLine().Text(title + ": 0"));
        return DrawOneLine(c.canvas, spot, JackLine(c, PopupLine().Text(PopupFormat("%s: %s: ", title.c_str(), c.texts.Jack.c_str())), false));
    }
    if (spot == 32) {
        const std::string head = PopupFormat("%d %s: ", 9, term.c_str());
        if (jackCode == 109) {
            if (c.hand.jacks.empty()) return DrawOneLine(c.canvas, spot, PopupLine().Text(head + "0" + c.texts.Jack));
            return DrawOneLine(c.canvas, spot, JackLine(c, PopupLine().Text(head), true));
        }
        const std::vector<int> suits = SuitsWhere(c, WeakCodeWord, 109);
        if (suits.empty()) return DrawOneLine(c.canvas, spot, PopupLine().Text(head + "0"));
        return DrawSuitsWithCards(c, spot, head, suits);
    }
    if (jackCode == 109) return DrawOneLine(c.canvas, spot, PopupLine().Text(title + ": 0"));
    const std::vector<int> suits = SuitsWhere(c, WeakCodeWord, 100 + r);
    if (spot == 24 && suits.empty())
        return DrawOneLine(c.canvas, spot, JackLine(c, PopupLine().Text(PopupFormat("%s: %s: ", title.c_str(), c.texts.Jack.c_str())), false));
    DrawSuitsWithCards(c, spot, title, suits);
}

}  // namespace

void DrawRamschPopup(PopupCanvas& canvas, int spot) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player) return;
    if (spot < 1 || spot > 32) return;
    const PopupTexts texts = PopupTexts::Load();
    const RamschContext c{canvas, *block, texts, RamschOrderCards(*player)};
    if (spot <= 3) return DrawAlternative(c, spot);
    if (spot <= 7) return DrawRisk(c, spot);
    if (spot == 9) return DrawMalus(c);
    if (spot == 10) return DrawSafe(c);
    if (spot == 8 || (spot >= 11 && spot <= 16)) {
        // Rules 1 and 4..9: the suits of their Ramsch class with the cards held.
        static constexpr int kClassOfRule[] = {0, 1, 0, 0, 3, 6, 9, 10, 11, 12};
        const int r = spot - 7;
        const std::string title = PopupFormat("%d %s", r, TermOf(PopupLabel::FirstRamschRule - 1 + r).c_str());
        return DrawSuitsWithCards(c, spot, title, SuitsWhere(c, StatusWord, kClassOfRule[r]));
    }
    if (spot <= 23) return DrawBonusRule(c, spot);
    DrawWeakRow(c, spot);
}
