// The suit view's popups: the header terms (bare suits, the two safe-trick tables, the estimate,
// the trumps and the Jacks) and the 28 rule popups, which test each rule's condition on the
// stored sheet words term by term and show the terms up to the first that fails with the
// rule's verdict. Spot 0 serves every view.

#include "windows/EstimationPopups.h"

#include <vector>

#include "computer/evaluation/EstimationSheetLayout.h"
#include "model/PlayerData.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "windows/PopupTexts.h"

namespace {

using namespace SuitSheet;

// What a suit popup reads: the shown block and player, the trump suit and the spot's rule row.
struct SuitContext {
    PopupCanvas& canvas;
    const EstimationSheetBlock& block;
    const CPlayer& player;
    const PopupTexts& texts;
    int trump;
    int row;  // the spot's own row, whose word 2 is the rule's $

    int At(SheetWord w) const { return SheetAt(block, w); }
    int Word(int r, int w) const { return block[r][w]; }
    int Estimate() const { return Word(row, RuleRow::EstimateBefore); }
    int Jacks() const { return At(JackCount); }
    int TrumpAce() const { return (At(AceMask) >> trump) & 1; }
    int TrumpTen() const { return (At(TenMask) >> trump) & 1; }
    std::string Label(int id) const { return platform::LoadString(id); }
};

// The term lines of the rule popups.
enum SuitTerm {
    TERM_ESTIMATE, TERM_STAR, TERM_TRUMPS, TERM_JACKS, TERM_TRUMP_TRICKS, TERM_SAFE_TRICKS, TERM_BARE,
    TERM_NA, TERM_NA10, TERM_A, TERM_TEN, TERM_HEARTS_JACK, TERM_DIAMONDS_JACK, TERM_TA, TERM_T10,
    TERM_FOREHAND, TERM_LONGEST_SIDE_SUIT, TERM_TRUMP_ACE, TERM_TRUMP_TEN, TERM_TRUMP_KING,
    TERM_LONE_TEN_LENGTH, TERM_LONE_TEN_ACE, TERM_LONE_TEN_TEN, TERM_LONE_TEN_KING
};

PopupLine TermLine(const SuitContext& c, SuitTerm term) {
    const std::string& plus = c.texts.Joiners[JOINER_PLUS];
    switch (term) {
    case TERM_ESTIMATE: return PopupValued("$", c.Estimate());
    case TERM_STAR: return PopupValued("*", c.At(MatadorRun));
    case TERM_TRUMPS: {
        // "T: ", the trump suit's count and symbol, then the Jacks held.
        PopupLine line;
        line.Text("T: ").Text(PopupFormat("%d", c.At(TrumpSuitCount))).Symbol(c.trump);
        const int mask = c.At(JackMask), jacks = c.Jacks();
        if (mask != 0 && mask != SHEET_EMPTY && jacks != SHEET_EMPTY) {
            line.Fixed(plus, 12);
            int drawn = 0;
            for (int s = 0; s < 4; ++s) {
                if (!((mask >> s) & 1)) continue;
                line.Symbol(s).Fixed(c.texts.Jack, 9);
                if (++drawn < jacks) line.Fixed(plus, 12);
            }
        }
        return line;
    }
    case TERM_JACKS: {
        PopupLine line;
        line.Text(c.texts.Jack + ": ");
        if (c.Jacks() == 0) return line.Text("0");
        const int mask = c.At(JackMask);
        if (mask == 0 || mask == SHEET_EMPTY) return line.Text(" 0");
        bool first = true;
        for (int s = 0; s < 4; ++s) {
            if (!((mask >> s) & 1)) continue;
            if (!first) line.Text(plus);
            line.Symbol(s, 16);
            first = false;
        }
        return line;
    }
    case TERM_TRUMP_TRICKS: return PopupValued("T$", c.At(TrumpTricks));
    case TERM_SAFE_TRICKS: return PopupValued(c.Label(PopupLabel::SafeTricks), c.At(SafeTricks));
    case TERM_BARE: return PopupValued(c.Label(PopupLabel::BareSuits), c.At(BareSuitCount));
    case TERM_NA: return PopupSuitList("NA", c.At(AcesElsewhereCount), c.At(AcesElsewhereMask), plus);
    case TERM_NA10: return PopupSuitList("NA10", c.At(AceTenElsewhereCount), c.At(AceTenElsewhereMask), plus);
    case TERM_A: return PopupSuitList("A", c.At(AceCount), c.At(AceMask), plus);
    case TERM_TEN: return PopupSuitList("10", c.At(TenCount), c.At(TenMask), plus);
    case TERM_HEARTS_JACK: return PopupSymbolValued(2, c.texts.Jack, c.At(HeartsJackHeld));
    case TERM_DIAMONDS_JACK: return PopupSymbolValued(3, c.texts.Jack, c.At(DiamondsJackHeld));
    case TERM_TA: return PopupSymbolValued(c.trump, "TA", c.TrumpAce());
    case TERM_T10: return PopupSymbolValued(c.trump, "T10", c.TrumpTen());
    case TERM_FOREHAND:
        return PopupLine().Text(PopupFormat("%s: %d (%s)", c.Label(PopupLabel::Forehand).c_str(), c.At(IsForehand),
                                            c.texts.SeatLabel(c.At(ForehandSeat)).c_str()));
    case TERM_LONGEST_SIDE_SUIT: return PopupCountWithSuit(c.At(LongestSideSuitLength), c.At(LongestSideSuit));
    case TERM_TRUMP_ACE: return PopupSymbolValued(c.trump, "A", c.At(TrumpHighAce));
    case TERM_TRUMP_TEN: return PopupSymbolValued(c.trump, "10", c.At(TrumpHighTen));
    case TERM_TRUMP_KING: return PopupSymbolValued(c.trump, "K", c.At(TrumpHighKing));
    case TERM_LONE_TEN_LENGTH: return PopupCountWithSuit(c.At(LoneTenLength), c.At(LoneTenSuit));
    case TERM_LONE_TEN_ACE: return PopupSymbolValued(c.At(LoneTenSuit), "NA", c.At(LoneTenAce));
    case TERM_LONE_TEN_TEN: return PopupSymbolValued(c.At(LoneTenSuit), "N10", c.At(LoneTenTen));
    case TERM_LONE_TEN_KING: return PopupSymbolValued(c.At(LoneTenSuit), "NK", c.At(LoneTenKing));
    }
    return {};
}

// One test of a rule: the term lines it brings and whether it holds.
struct RuleTest {
    std::vector<SuitTerm> lines;
    bool (*holds)(const SuitContext&);
};

// A rule popup: its tests in the written order (a sub-row's header first) and its verdict text,
// given whether the whole condition held.
struct SuitRule {
    std::vector<RuleTest> tests;
    std::string (*verdict)(const SuitContext&, int n, const std::string& label, bool fired);
};

int T(const SuitContext& c) { return c.At(Trumps); }
int Star(const SuitContext& c) { return c.At(MatadorRun); }
int B(const SuitContext& c) { return c.Jacks(); }
int E(const SuitContext& c) { return c.Estimate(); }

// The verdicts: "<n> <label>:<text>" with the rule's text or " 0".
std::string MinusOne(const SuitContext&, int n, const std::string& l, bool f) {
    return PopupFormat("%d %s:%s", n, l.c_str(), f ? " - 1" : " 0");
}
std::string PlusOne(const SuitContext&, int n, const std::string& l, bool f) {
    return PopupFormat("%d %s:%s", n, l.c_str(), f ? " + 1" : " 0");
}
std::string Number(int n, const std::string& l, int value) { return PopupFormat("%d %s: %d", n, l.c_str(), value); }

// The header row of rules 12 and 13: no trump tricks, few side Aces, no side Ace-Ten.
const std::vector<RuleTest> kWeakHeader = {
    {{TERM_TRUMP_TRICKS}, [](const SuitContext& c) { return c.At(TrumpTricks) == 0; }},
    {{TERM_NA}, [](const SuitContext& c) { return c.At(AcesElsewhereCount) < 2; }},
    {{TERM_NA10}, [](const SuitContext& c) { return c.At(AceTenElsewhereCount) == 0; }},
};
// The header row of rules 14 to 16: trump tricks, or side Aces, or a side Ace-Ten.
const RuleTest kStrongHeader = {{TERM_TRUMP_TRICKS, TERM_NA, TERM_NA10}, [](const SuitContext& c) {
                                    return c.At(TrumpTricks) > 0 || c.At(AcesElsewhereCount) >= 2 ||
                                           c.At(AceTenElsewhereCount) >= 1;
                                }};

std::vector<RuleTest> WithHeader(std::vector<RuleTest> header, std::vector<RuleTest> tests) {
    header.insert(header.end(), tests.begin(), tests.end());
    return header;
}

// Rules 1..27 by rule number (rule 28 has alternatives of its own).
const SuitRule kSuitRules[] = {
    // 1: a long side suit with few trumps costs the tricks beyond three.
    {{{{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 6; }},
      {{TERM_LONGEST_SIDE_SUIT}, [](const SuitContext& c) { return c.At(LongestSideSuitLength) > 3; }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) {
         const std::string text = f ? PopupFormat("%s%d", " - ", c.At(LongestSideSuitLength) - 3) : " 0";
         return PopupFormat("%d %s:%s", n, l.c_str(), text.c_str());
     }},
    // 2: fewer than five trumps: - 1.
    {{{{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 5; }}}, MinusOne},
    // 3: fewer than five trumps, * 0 or less, fewer than two Jacks, not the trump Ace alone, no trump Ten: - 1.
    {{{{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 5; }},
      {{TERM_STAR}, [](const SuitContext& c) { return Star(c) <= 0; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) < 2; }},
      {{TERM_TA}, [](const SuitContext& c) { return c.TrumpAce() != 1; }},
      {{TERM_T10}, [](const SuitContext& c) { return c.TrumpTen() == 0; }}},
     MinusOne},
    // 4: * -1 or less, fewer than three Jacks: - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) <= -1; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) < 3; }}},
     MinusOne},
    // 5: * -2 or less: - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) <= -2; }}}, MinusOne},
    // 6: * -3 or less, fewer than six trumps: - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) <= -3; }},
      {{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 6; }}},
     MinusOne},
    // 7: * -1 without the Hearts Jack, fewer than six trumps: - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) == -1; }},
      {{TERM_HEARTS_JACK}, [](const SuitContext& c) { return c.At(HeartsJackHeld) == 0; }},
      {{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 6; }}},
     MinusOne},
    // 8: * 1, fewer than three Jacks: - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) == 1; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) < 3; }}},
     MinusOne},
    // 9: as 8 with fewer than six trumps: - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) == 1; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) < 3; }},
      {{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 6; }}},
     MinusOne},
    // 10: * 1 without the Hearts Jack, fewer than six trumps (or six without the trump Ace): - 1.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) == 1; }},
      {{TERM_HEARTS_JACK}, [](const SuitContext& c) { return c.At(HeartsJackHeld) <= 0; }},
      {{TERM_TRUMPS, TERM_TA}, [](const SuitContext& c) { return T(c) < 6 || (T(c) == 6 && c.TrumpAce() == 0); }}},
     MinusOne},
    // 11: without the trump Ace and Ten, as the estimator tests it.
    {{{{TERM_STAR}, [](const SuitContext& c) { return Star(c) == 2; }},
      {{TERM_DIAMONDS_JACK}, [](const SuitContext& c) { return c.At(DiamondsJackHeld) == 0; }},
      {{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) < 6; }},
      {{TERM_TA}, [](const SuitContext& c) { return c.TrumpAce() == 0; }},
      {{TERM_T10}, [](const SuitContext& c) { return c.TrumpTen() == 0; }}},
     MinusOne},
    // 12: weak (the header), the estimate below the safe tricks and the Jacks: - 1.
    {WithHeader(kWeakHeader, {{{TERM_ESTIMATE, TERM_SAFE_TRICKS, TERM_JACKS},
                               [](const SuitContext& c) { return E(c) < c.At(SafeTricks) + B(c); }}}),
     MinusOne},
    // 13: weak (the header), the estimate below the trumps and equal to the safe tricks and the Jacks, a side
    // Ace: + 1.
    {WithHeader(kWeakHeader,
                {{{TERM_ESTIMATE, TERM_TRUMPS}, [](const SuitContext& c) { return E(c) < T(c); }},
                 {{TERM_SAFE_TRICKS, TERM_JACKS}, [](const SuitContext& c) { return E(c) == c.At(SafeTricks) + B(c); }},
                 {{}, [](const SuitContext& c) { return c.At(AcesElsewhereCount) > 0; }}}),
     PlusOne},
    // 14: strong (the header), estimate above 4, more safe tricks than trump tricks, a trump top card: the
    // difference.
    {{kStrongHeader,
      {{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) > 4; }},
      {{TERM_TRUMP_TRICKS, TERM_SAFE_TRICKS}, [](const SuitContext& c) { return c.At(SafeTricks) > c.At(TrumpTricks); }},
      {{TERM_TRUMP_ACE, TERM_TRUMP_TEN, TERM_TRUMP_KING}, [](const SuitContext& c) { return c.At(TrumpHighSuit) != SHEET_EMPTY; }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) {
         const std::string text = f ? PopupFormat("+ %d", c.At(SafeTricks) - c.At(TrumpTricks)) : " 0";
         return PopupFormat("%d %s: %s", n, l.c_str(), text.c_str());
     }},
    // 15: strong (the header), the estimate below the trumps or the safe tricks: the greater of the two.
    {{kStrongHeader,
      {{TERM_ESTIMATE, TERM_TRUMPS, TERM_SAFE_TRICKS}, [](const SuitContext& c) { return E(c) < T(c) || E(c) < c.At(SafeTricks); }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) {
         return Number(n, l, f ? std::max(T(c), c.At(SafeTricks)) : 0);
     }},
    // 16: strong (the header), estimate above 5, a Ten suit of fewer than four without Ace or King: - 1.
    {{kStrongHeader,
      {{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) > 5; }},
      {{TERM_LONE_TEN_LENGTH}, [](const SuitContext& c) { return c.At(LoneTenLength) != 0 && c.At(LoneTenLength) < 4; }},
      {{TERM_LONE_TEN_ACE, TERM_LONE_TEN_TEN, TERM_LONE_TEN_KING}, [](const SuitContext& c) {
           return c.At(LoneTenAce) == 0 && c.At(LoneTenTen) == 1 && c.At(LoneTenKing) == 0;
       }}},
     [](const SuitContext&, int n, const std::string& l, bool f) {
         return PopupFormat("%d %s: %s", n, l.c_str(), f ? " - 1" : " 0");
     }},
    // 17: estimate above 7, * 0 or less, fewer than two Jacks: 7.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) > 7; }},
      {{TERM_STAR}, [](const SuitContext& c) { return Star(c) <= 0; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) < 2; }}},
     [](const SuitContext&, int n, const std::string& l, bool f) { return Number(n, l, f ? 7 : 0); }},
    // 18: the estimate back into 0..10.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) < 0 || E(c) > 10; }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) {
         const int e = E(c);
         if (!f) return PopupFormat("%d %s:%s%d", n, l.c_str(), "", 0);
         return e < 0 ? PopupFormat("%d %s:%s%d", n, l.c_str(), " + ", -e)
                      : PopupFormat("%d %s:%s%d", n, l.c_str(), " - ", e - 10);
     }},
    // 19: estimate 10, * 1 with fewer than nine trumps, or not forehand: - 1.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) == 10; }},
      {{TERM_STAR, TERM_TRUMPS, TERM_FOREHAND},
       [](const SuitContext& c) { return (Star(c) == 1 && T(c) < 9) || c.At(IsForehand) == 0; }}},
     MinusOne},
    // 20: estimate 9 or more, at most three Jacks, no trump Ace, not forehand: - 1.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) >= 9; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) <= 3; }},
      {{TERM_TA}, [](const SuitContext& c) { return c.TrumpAce() == 0; }},
      {{TERM_FOREHAND}, [](const SuitContext& c) { return c.At(IsForehand) == 0; }}},
     MinusOne},
    // 21: estimate 8 or more, * below 0: less the bare suits.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) >= 8; }},
      {{TERM_STAR}, [](const SuitContext& c) { return Star(c) < 0; }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) {
         const std::string text = f ? PopupFormat("%s%d", " - ", c.At(BareSuitCount)) : "0";
         return PopupFormat("%d %s:%s", n, l.c_str(), text.c_str());
     }},
    // 22: a run of Jacks with few tricks: the run plus two.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) <= 1; }},
      {{TERM_STAR}, [](const SuitContext& c) { return Star(c) > 0; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) > 1; }},
      {{TERM_TRUMPS}, [](const SuitContext& c) { return T(c) > 3; }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) { return Number(n, l, f ? Star(c) + 2 : 0); }},
    // 23: estimate at most 4, two Aces or more, four trumps with the trump Ace or five without: + 1.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) <= 4; }},
      {{TERM_A}, [](const SuitContext& c) { return c.At(AceCount) >= 2; }},
      {{TERM_TRUMPS}, [](const SuitContext& c) {
           return (c.TrumpAce() == 1 && T(c) >= 4) || (c.TrumpAce() == 0 && T(c) >= 5);
       }}},
     PlusOne},
    // 24: estimate below 4, more than two Aces: the Jacks and the Aces.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) < 4; }},
      {{TERM_A, TERM_JACKS}, [](const SuitContext& c) { return c.At(AceCount) > 2; }}},
     [](const SuitContext& c, int n, const std::string& l, bool f) { return Number(n, l, f ? B(c) + c.At(AceCount) : 0); }},
    // 25: the estimate above the trumps, * below -1, one Jack: - 1.
    {{{{TERM_ESTIMATE, TERM_TRUMPS}, [](const SuitContext& c) { return E(c) > T(c); }},
      {{TERM_STAR}, [](const SuitContext& c) { return Star(c) < -1; }},
      {{TERM_JACKS}, [](const SuitContext& c) { return B(c) == 1; }}},
     MinusOne},
    // 26: estimate below 4, two Aces and two Tens or more: 4.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) < 4; }},
      {{TERM_A}, [](const SuitContext& c) { return c.At(AceCount) >= 2; }},
      {{TERM_TEN}, [](const SuitContext& c) { return c.At(TenCount) >= 2; }}},
     [](const SuitContext&, int n, const std::string& l, bool f) { return Number(n, l, f ? 4 : 0); }},
    // 27: estimate 7 to 9, * 3 or more, the side suits covered, forehand: + 1.
    {{{{TERM_ESTIMATE}, [](const SuitContext& c) { return E(c) >= 7 && E(c) <= 9; }},
      {{TERM_STAR}, [](const SuitContext& c) { return Star(c) >= 3; }},
      {{TERM_NA, TERM_NA10}, [](const SuitContext& c) { return c.At(SideCover) != 0; }},
      {{TERM_FOREHAND}, [](const SuitContext& c) { return c.At(IsForehand) != 0; }}},
     PlusOne},
};
static_assert(sizeof(kSuitRules) / sizeof(kSuitRules[0]) == 27, "one row per rule popup");

// Runs a rule's tests up to the first that fails: the lines shown and whether all held.
bool RunTests(const SuitContext& c, const std::vector<RuleTest>& tests, std::vector<PopupLine>& lines) {
    for (const RuleTest& test : tests) {
        for (SuitTerm term : test.lines) lines.push_back(TermLine(c, term));
        if (!test.holds(c)) return false;
    }
    return true;
}

// Rule 28: three alternatives; the first that holds shows its four terms.
void DrawRule28(const SuitContext& c, int spot, const std::string& label) {
    const std::vector<RuleTest> alternatives[] = {
        {{{TERM_ESTIMATE, TERM_TRUMPS}, [](const SuitContext& x) { return E(x) == T(x); }},
         {{TERM_TRUMP_TRICKS}, [](const SuitContext& x) { return E(x) <= 6 || x.At(TrumpTricks) == 0; }},
         {{TERM_NA}, [](const SuitContext& x) { return x.At(AcesElsewhereCount) == 0; }}},
        {{{TERM_ESTIMATE}, [](const SuitContext& x) { return E(x) >= 9; }},
         {{TERM_STAR}, [](const SuitContext& x) { return Star(x) <= 3; }},
         {{TERM_TRUMPS}, [](const SuitContext& x) { return T(x) <= 6; }},
         {{TERM_BARE}, [](const SuitContext& x) { return x.At(BareSuitCount) >= 2; }}},
        {{{TERM_ESTIMATE}, [](const SuitContext& x) { return E(x) >= 8; }},
         {{TERM_STAR}, [](const SuitContext& x) { return Star(x) <= 1; }},
         {{TERM_NA}, [](const SuitContext& x) { return x.At(AcesElsewhereCount) <= 2; }},
         {{TERM_BARE}, [](const SuitContext& x) { return x.At(BareSuitCount) <= 1; }}},
    };
    const int n = spot - 5;
    for (const auto& alternative : alternatives) {
        std::vector<PopupLine> lines;
        if (RunTests(c, alternative, lines)) {
            const std::string verdict = PopupFormat("%d %s: %s%d", n, label.c_str(), " - ", E(c) > 8 ? 2 : 1);
            return DrawRulePopup(c.canvas, kPopupModeSuit, spot, n, lines, verdict);
        }
    }
    std::vector<PopupLine> lines;
    for (SuitTerm term : {TERM_ESTIMATE, TERM_STAR, TERM_TRUMPS, TERM_TRUMP_TRICKS, TERM_NA}) lines.push_back(TermLine(c, term));
    DrawRulePopup(c.canvas, kPopupModeSuit, spot, n, lines, PopupFormat("%d %s: %s%d", n, label.c_str(), " ", 0));
}

// Spot 0: the suits without a card (bare), from any view's block.
void DrawBareSuits(PopupCanvas& canvas, const EstimationSheetBlock& block) {
    const std::string text = platform::LoadString(IDS_POPUP_BARE_SUITS);
    const std::size_t cut = text.find(';');
    const std::string prefix = text.substr(0, cut);
    const std::string rest = cut == std::string::npos ? std::string() : text.substr(cut + 1);
    std::vector<int> bare;
    for (int s = 0; s < 4; ++s)
        if ((block[s][kBareSuitFlagWord] & 0xFF) != 0) bare.push_back(s);
    PopupLine line;
    line.Text(prefix);
    int width = canvas.MeasureText(prefix).cx;
    if (bare.empty()) {
        line.Text(rest);
        width += canvas.MeasureText(rest).cx;
    } else {
        for (int s : bare) line.Symbol(s, 16);
        width += 16 * static_cast<int>(bare.size()) - 2;
    }
    const int h = PopupLineHeight(canvas);
    const platform::Rect box = canvas.DrawPopupBox(canvas.PopupMode(), 0, width, h, 0);
    line.Draw(canvas, box.left + 2, box.top + 1);
}

void Rule(PopupCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Context().MoveTo(x1, y1);
    canvas.Context().LineTo(x2, y2);
}

void Number(PopupCanvas& canvas, int x, int y, int value) { canvas.Context().TextOut(x, y, PopupFormat("%d", value)); }

// The first word among 0..15 of a record that passes the test, or -1.
int FirstRecordWord(const SuitAnalysisRecord& record, bool positive) {
    for (int k = 0; k < 16; ++k)
        if (positive ? record.Slots[k] > 0 : record.Slots[k] != 0) return k;
    return -1;
}

// Spot 1: the safe trump tricks as a table with the trump suit's numbers.
void DrawTrumpTrickTable(const SuitContext& c) {
    PopupCanvas& canvas = c.canvas;
    const int h = PopupLineHeight(canvas);
    const std::vector<std::string> lines = TableHeading(IDS_POPUP_TRUMP_TABLE, 4);
    const int width = canvas.MeasureText(lines[1]).cx;
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeSuit, 1, width, 4 * h + 18, 0);
    const int left = box.left, top = box.top;
    DrawTableHeading(canvas, box, lines, h);
    canvas.DrawSymbol(c.trump, left + 4, top + 4 * h + 7);
    const int y = top + 3 * h + 4;
    Rule(canvas, left + 80, y, box.right, y);
    Rule(canvas, left, y + h + 2, box.right, y + h + 2);
    for (int x : {22, 50, 80, 125}) Rule(canvas, left + x, top, left + x, box.bottom);
    const int valueY = top + 4 * h + 8;
    Number(canvas, left + 34, valueY, c.player.handInfo.SuitCount[c.trump]);
    const SuitAnalysisRecord& record = *c.player.EstimateRecord(c.trump, 0);
    const int first = FirstRecordWord(record, false);
    if (first >= 0) Number(canvas, left + 64, valueY, record.Slots[first]);
    if (record.Slots[16] != 0) Number(canvas, left + 102, valueY, record.Slots[16]);
    if (record.Slots[17] != 0) Number(canvas, left + 145, valueY, record.Slots[17]);
}

// Spot 2: the safe tricks of each suit as a table with the column that gave them.
void DrawSafeTrickTable(const SuitContext& c) {
    static constexpr int kRules[] = {21, 46, 66, 86, 119, 140, 185, 222, 268, 310, 375, 414, 455};
    static constexpr int kValueColumns[] = {74, 100, 127, 159, 201, 243, 287, 340, 393, 433, 473};
    PopupCanvas& canvas = c.canvas;
    const int h = PopupLineHeight(canvas);
    const std::vector<std::string> lines = TableHeading(IDS_POPUP_SUIT_TABLE, 5);
    const int width = canvas.MeasureText(lines[2]).cx;
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeSuit, 2, width, 9 * h + 16, 0);
    const int left = box.left, top = box.top;
    DrawTableHeading(canvas, box, lines, h);
    Rule(canvas, left + 66, top + 4 * h + 2, box.right, top + 4 * h + 2);
    for (int k = 1; k <= 4; ++k) Rule(canvas, left, top + 4 * h + k * (h + 4), box.right, top + 4 * h + k * (h + 4));
    for (int x : kRules) Rule(canvas, left + x, top, left + x, box.bottom);
    const int malusWord = c.At(LostTrickWord);
    for (int s = 0; s < 4; ++s) {
        const int y = top + 5 * h + 5 + s * (h + 4);
        canvas.DrawSymbol(s, left + 4, y);
        Number(canvas, left + 31, y, c.player.handInfo.SuitCount[s]);
        const SuitAnalysisRecord& record = *c.player.EstimateRecord(s, 0);
        // Words 11..15 have no column in the table: their value is not shown.
        const int first = FirstRecordWord(record, true);
        if (first >= 0 && first < 11) Number(canvas, left + kValueColumns[first], y, record.Slots[first]);
        const int malus = malusWord == SHEET_EMPTY ? 0 : (malusWord >> (4 * s)) & 15;
        if (malus != 0) Number(canvas, left + 54, y, malus);
    }
}

// The Jacks held, from the Jack mask in suit order; none when B is outside 1..4.
std::vector<int> JackSuits(const SuitContext& c) { return PopupJackSuits(c.Jacks(), c.At(JackMask)); }

// Spot 3: the estimate's trumps, the trump suit's cards and the Jacks.
void DrawEstimateTerm(const SuitContext& c) {
    PopupCanvas& canvas = c.canvas;
    const std::string& plus = c.texts.Joiners[JOINER_PLUS];
    const std::string first =
        PopupFormat("%s: %d", platform::LoadString(PopupLabel::Estimate).c_str(), c.player.handInfo.SuitCount[c.trump]);
    PopupLine line;
    line.Text(first).Symbol(c.trump);
    const std::vector<int> jacks = JackSuits(c);
    int width = canvas.MeasureText(first).cx + 14;
    if (jacks.empty()) {
        const std::string none = PopupFormat("%s0%s", plus.c_str(), c.texts.Jack.c_str());
        line.Text(none);
        width += canvas.MeasureText(none).cx;
    } else {
        for (int s : jacks) line.Text(plus).Symbol(s).Text(c.texts.Jack);
        width += static_cast<int>(jacks.size()) * (canvas.MeasureText(plus).cx + 14 + canvas.MeasureText(c.texts.Jack).cx);
    }
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeSuit, 3, width, PopupLineHeight(canvas), 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}

// Spot 4: the trump suit's count before the Jacks.
void DrawTrumpSuitTerm(const SuitContext& c) {
    const std::string label = platform::LoadString(PopupLabel::SuitSumLine).substr(0, 2);
    const std::string text = PopupFormat("%s: %d", label.c_str(), c.At(TrumpSuitCount));
    PopupLine line;
    line.Text(text).Symbol(c.trump);
    const platform::Rect box =
        c.canvas.DrawPopupBox(kPopupModeSuit, 4, c.canvas.MeasureText(text).cx + 14, PopupLineHeight(c.canvas), 0);
    line.Draw(c.canvas, box.left + 2, box.top + 2);
}

// Spot 5: the Jacks held.
void DrawJacksTerm(const SuitContext& c) { DrawJacksHeldPopup(c.canvas, kPopupModeSuit, 5, JackSuits(c), c.texts); }

}  // namespace

void DrawSuitPopup(PopupCanvas& canvas, int spot) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player) return;
    if (spot == 0) return DrawBareSuits(canvas, *block);
    if (spot < 1 || spot > 33) return;
    const PopupTexts texts = PopupTexts::Load();
    const int trump = canvas.TrumpSuit();
    const SuitContext c{canvas, *block, *player, texts, trump < 0 || trump > 3 ? 0 : trump, spot};
    switch (spot) {
    case 1: return DrawTrumpTrickTable(c);
    case 2: return DrawSafeTrickTable(c);
    case 3: return DrawEstimateTerm(c);
    case 4: return DrawTrumpSuitTerm(c);
    case 5: return DrawJacksTerm(c);
    default: break;
    }
    const std::string label = platform::LoadString(PopupLabel::Adjustment);
    if (spot == 33) return DrawRule28(c, spot, label);
    const int n = spot - 5;
    const SuitRule& rule = kSuitRules[n - 1];
    std::vector<PopupLine> lines;
    const bool fired = RunTests(c, rule.tests, lines);
    DrawRulePopup(canvas, kPopupModeSuit, spot, n, lines, rule.verdict(c, n, label, fired));
}
