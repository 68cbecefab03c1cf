// The Grand view's popups: the safe tricks' table, the estimate's suits and Jacks, the safe
// tricks by suit, the Jacks, and the 30 rule popups, which test each rule's terms on the stored
// Grand block and show them up to the first that fails with the rule's adjustment.

#include "windows/EstimationPopups.h"

#include <bit>
#include <vector>

#include "computer/evaluation/EstimationSheetLayout.h"
#include "model/PlayerData.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "windows/PopupTexts.h"

namespace {

using namespace GrandSheet;

struct GrandContext {
    PopupCanvas& canvas;
    const EstimationSheetBlock& block;
    const CPlayer& player;
    const PopupTexts& texts;
    int row;  // the rule's row

    int At(SheetWord w) const { return SheetAt(block, w); }
    int Word(int r, int w) const { return block[r][w]; }
    int Long(int w) const { return Word(row, w); }  // a word of the rule's long suit
    int Estimate() const { return Word(row, RuleRow::EstimateBefore); }
    int B() const { return At(JackCount); }
    int Star() const { return At(MatadorRun); }
    int A() const { return At(AceCount); }
    int A10() const { return At(AceTenCount); }
    int A10K() const { return At(AceTenKingCount); }
    int F0() const { return At(BareSuitCount); }
    int Vh() const { return At(IsForehand); }
    int W() const { return At(WeakLongSuitMark); }
    std::string Label(int id) const { return platform::LoadString(id); }
};

enum GrandTerm {
    G_ESTIMATE, G_STAR, G_JACK_LIST, G_ACE_LIST, G_ACE_TEN_LIST, G_ACE_TEN_KING_LIST, G_BARE_LIST, G_BARE,
    G_SAFE_TRICKS, G_FOREHAND, G_LONG_SUIT, G_RANK_ACE, G_RANK_TEN, G_RANK_KING, G_RANK_QUEEN, G_RANK_NINE, G_W,
    G_RULE5_LONGEST, G_RULE7_LENGTH, G_RULE7_TENS, G_LITERAL_SAFE_TRICKS, G_RULE8_SUIT_TRICKS, G_W_LONG_SUIT,
    G_W_CLOSED, G_RULE17_ESTIMATE, G_HEARTS_JACK, G_ESTIMATE_BEFORE_RULES, G_ACE_COUNT, G_SINGLE_COUNT,
    G_FIRST_SINGLE, G_SECOND_SINGLE, G_RULE25_ESTIMATE
};

std::string RankName(const PopupTexts& texts, int rank) {
    return rank >= 0 && rank < 8 ? texts.RankNames[static_cast<std::size_t>(rank)] : std::string();
}

PopupLine TermLine(const GrandContext& c, GrandTerm term) {
    const std::string& plus = c.texts.Joiners[JOINER_PLUS];
    const int longSuit = c.Long(LongSuitWord::Suit);
    switch (term) {
    case G_ESTIMATE: return PopupValued("$", c.Estimate());
    case G_STAR: return PopupValued("*", c.Star());
    case G_JACK_LIST: return PopupSuitList(c.texts.Jack, c.B(), c.At(JackMask), plus);
    case G_ACE_LIST: return PopupSuitList("A", c.A(), c.At(AceMask), plus);
    case G_ACE_TEN_LIST: return PopupSuitList("A10", c.A10(), c.At(AceTenMask), plus);
    case G_ACE_TEN_KING_LIST: return PopupSuitList("A10K", c.A10K(), c.At(AceTenKingMask), plus);
    case G_BARE_LIST: return PopupSuitList(c.Label(PopupLabel::BareSuits), c.F0(), c.At(EmptySuitMask), plus);
    case G_BARE: return PopupValued(c.Label(PopupLabel::BareSuits), c.F0());
    case G_SAFE_TRICKS: return PopupValued(c.Label(PopupLabel::SafeTricks), c.At(SafeTricks));
    case G_FOREHAND:
        return PopupLine().Text(PopupFormat("%s: %d (%s)", c.Label(PopupLabel::Forehand).c_str(), c.Vh(),
                                            c.texts.SeatLabel(c.At(ForehandSeat)).c_str()));
    case G_LONG_SUIT: return PopupCountWithSuit(c.Long(LongSuitWord::Length), longSuit);
    case G_RANK_ACE: return PopupSymbolValued(longSuit, "A", c.Long(LongSuitWord::Ace));
    case G_RANK_TEN: return PopupSymbolValued(longSuit, "10", c.Long(LongSuitWord::Ten));
    case G_RANK_KING: return PopupSymbolValued(longSuit, "K", c.Long(LongSuitWord::King));
    case G_RANK_QUEEN: return PopupSymbolValued(longSuit, c.texts.Queen, c.Long(LongSuitWord::Queen));
    case G_RANK_NINE: return PopupSymbolValued(longSuit, "9", c.Long(LongSuitWord::Nine));
    case G_W: return PopupValued("W", c.W());
    case G_RULE5_LONGEST: return PopupCountWithSuit(c.At(Rule5LongestLength), c.At(Rule5LongestSuit));
    case G_RULE7_LENGTH: return PopupValued("N", c.At(Rule7TenSuitLength));
    case G_RULE7_TENS: {
        const int mask = c.At(Rule7TenSuitMask);
        const int count = mask == SHEET_EMPTY || mask < 0 ? 0 : std::popcount(static_cast<unsigned>(mask & 15));
        return PopupSuitList("N10", count, mask, plus);
    }
    case G_LITERAL_SAFE_TRICKS: return PopupValued("F$", c.At(SafeTricks));
    case G_RULE8_SUIT_TRICKS:
        return PopupLine()
            .Text(c.Label(PopupLabel::SafeTricks) + "(")
            .Symbol(longSuit)
            .Text(PopupFormat("): %d", c.At(Rule8SuitSafeTricks)));
    case G_W_LONG_SUIT: return PopupCountWithSuit(c.At(LongestLength), c.At(WeakLongSuit));
    case G_W_CLOSED: return PopupValued("A10K", c.At(WeakLongSuitClosed));
    case G_RULE17_ESTIMATE: return PopupValued("$", c.Word(20, RuleRow::EstimateBefore));
    case G_HEARTS_JACK: return PopupValued(c.texts.Jack, c.At(HeartsJackHeld));
    case G_ESTIMATE_BEFORE_RULES:
        return PopupValued(c.Label(PopupLabel::SafeTricks) + plus + c.texts.Jack, c.At(EstimateBeforeRules));
    case G_ACE_COUNT: return PopupValued("A", c.A());
    case G_SINGLE_COUNT: return PopupValued("N", c.At(SingleCount));
    case G_FIRST_SINGLE: return PopupSymbolValued(c.At(FirstSingleSuit), RankName(c.texts, c.At(FirstSingleRank)), 1);
    case G_SECOND_SINGLE: return PopupSymbolValued(c.At(SecondSingleSuit), RankName(c.texts, c.At(SecondSingleRank)), 1);
    case G_RULE25_ESTIMATE: return PopupValued("$", c.Estimate());
    }
    return {};
}

// One term test: the lines it brings, whether it holds, and lines shown only when it fails.
struct GrandTest {
    std::vector<GrandTerm> lines;
    bool (*holds)(const GrandContext&);
    std::vector<GrandTerm> linesWhenFailing = {};
};

struct GrandRule {
    int row;
    std::vector<GrandTest> tests;
    std::string (*value)(const GrandContext&);  // the adjustment text when all terms hold
};

bool Always(const GrandContext&) { return true; }
int L(const GrandContext& c, int w) { return c.Long(w); }

// Rules 1..30 by rule number, the popups of spots 5..34.
const GrandRule kGrandRules[] = {
    // 1: no Jack.
    {6, {{{G_JACK_LIST}, [](const GrandContext& c) { return c.B() == 0; }}}, [](const GrandContext&) { return std::string(" - 4"); }},
    // 2: without Jacks no fewer than the safe tricks.
    {7,
     {{{G_JACK_LIST}, [](const GrandContext& c) { return c.B() == 0; }},
      {{G_ESTIMATE, G_SAFE_TRICKS}, [](const GrandContext& c) { return c.Estimate() < c.At(SafeTricks); }}},
     [](const GrandContext& c) { return PopupFormat(" %d", c.At(SafeTricks)); }},
    // 3: estimate 9 or more, * 0 or less, two Jacks (or three with three Aces): - 1.
    {8,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 9; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() <= 0; }},
      {{G_JACK_LIST, G_ACE_LIST}, [](const GrandContext& c) { return c.B() == 2 || (c.B() == 3 && c.A() == 3); }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 4: estimate 9 or more, * at most 1, at most two Jacks, not * 1 with two Jacks, four Aces and forehand: - 2.
    {9,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 9; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() <= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 2; }},
      {{G_ACE_LIST, G_FOREHAND}, [](const GrandContext& c) { return !(c.Star() == 1 && c.B() == 2 && c.A() == 4 && c.Vh() == 1); }}},
     [](const GrandContext&) { return std::string(" - 2"); }},
    // 5: estimate 7 or more, * at most 1 or at most two Jacks, at most two Aces, no suit longer than 5, at
    // most one A10 or not forehand: - 2.
    {10,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 7; }},
      {{G_STAR, G_JACK_LIST}, [](const GrandContext& c) { return c.Star() <= 1 || c.B() <= 2; }},
      {{G_ACE_LIST}, [](const GrandContext& c) { return c.A() <= 2; }},
      {{G_RULE5_LONGEST}, [](const GrandContext& c) { return c.At(Rule5LongestLength) <= 5; }},
      {{G_ACE_TEN_LIST, G_FOREHAND}, [](const GrandContext& c) { return c.A10() <= 1 || c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string(" - 2"); }},
    // 6: the fourth term counts the bare suits.
    {11,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 4; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() <= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 2; }},
      {{G_BARE_LIST}, [](const GrandContext& c) { return c.F0() >= 2; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string(" 3"); }},
    // 7: estimate at most 6, * 4 or more, two Aces (or an Ace and a Ten suit), two safe tricks, a bare suit: + 1.
    {12,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() <= 6; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() >= 4; }},
      {{G_ACE_LIST}, [](const GrandContext& c) { return c.A() >= 1; }},
      {{G_RULE7_LENGTH, G_RULE7_TENS},
       [](const GrandContext& c) { return c.A() + (c.At(Rule7TenSuitLength) != 0 ? 1 : 0) >= 2; }},
      {{G_LITERAL_SAFE_TRICKS}, [](const GrandContext& c) { return c.At(SafeTricks) >= 2; }},
      {{G_BARE}, [](const GrandContext& c) { return c.F0() >= 1; }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 8: * 4, two safe tricks, a long suit of three or more with its Ten or King but no Ace or Queen, more
    // cards in it than its safe tricks and one: + 1.
    {13,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 4; }},
      {{G_LITERAL_SAFE_TRICKS}, [](const GrandContext& c) { return c.At(SafeTricks) >= 2; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) >= 3; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING, G_RANK_QUEEN},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) == 0 && (L(c, LongSuitWord::Ten) != 0 || L(c, LongSuitWord::King) != 0) &&
                  L(c, LongSuitWord::Queen) == 0;
       }},
      {{G_RULE8_SUIT_TRICKS},
       [](const GrandContext& c) { return L(c, LongSuitWord::Length) - 1 > c.At(Rule8SuitSafeTricks); }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 9: the long suit's length comes last once its ranks are looked at.
    {14,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() <= 7; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() >= 3; }},
      {{}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) >= 4; }, {G_LONG_SUIT}},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING, G_LONG_SUIT},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) != 0 && L(c, LongSuitWord::King) != 0;
       }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 10: estimate at most 7, * 1 or more, three Jacks or more, a long suit of six or more: + 1.
    {15,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() <= 7; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() >= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() >= 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) >= 6; }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 11: estimate at most 8, * 1 or more, three Jacks or more, a long suit of four or more without its Ace,
    // with its Ten or its King but not both, forehand: + 1.
    {16,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() <= 8; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() >= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() >= 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) >= 4; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) == 0 && (L(c, LongSuitWord::Ten) != 0) != (L(c, LongSuitWord::King) != 0);
       }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() != 0; }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 12: * 2, two Jacks, a long suit of three or four with its Ace but not Ten and King, no bare suit: - 1.
    {17,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 2; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() == 2; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 3 || L(c, LongSuitWord::Length) == 4; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && !(L(c, LongSuitWord::Ten) != 0 && L(c, LongSuitWord::King) != 0);
       }},
      {{G_BARE}, [](const GrandContext& c) { return c.F0() == 0; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 13: the W line (its verdict is the W value itself).
    {5,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() <= 1; }},
      {{G_JACK_LIST, G_W_LONG_SUIT}, [](const GrandContext& c) { return c.B() == 2; }},
      {{G_W_CLOSED}, [](const GrandContext& c) { return c.At(LongestLength) >= 4; }}},
     nullptr},
    // 14: estimate 6 or more, * at most 1, not four Jacks, two bare suits, not forehand: - 1 with W, else 0.
    {18,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 6; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() <= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() != 4; }},
      {{G_BARE}, [](const GrandContext& c) { return c.F0() == 2; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }},
      {{G_W}, Always}},
     [](const GrandContext& c) { return PopupFormat(" - %d", c.W() != 0 ? 1 : 0); }},
    // 15: as 14 with one bare suit: - 2 with W, else - 1.
    {19,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 6; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() <= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() != 4; }},
      {{G_BARE}, [](const GrandContext& c) { return c.F0() == 1; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }},
      {{G_W}, Always}},
     [](const GrandContext& c) { return PopupFormat(" - %d", c.W() != 0 ? 2 : 1); }},
    // 16: estimate at most 7, * 3 or more, a long suit of five or more with its Ten but no Ace or King, and
    // an Ace, forehand, or * 4 with two bare suits: + 1.
    {20,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() <= 7; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() >= 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) > 4; }},
      {{G_ACE_LIST, G_FOREHAND, G_BARE},
       [](const GrandContext& c) { return c.A() >= 1 || c.Vh() == 1 || (c.Star() == 4 && c.F0() == 2); }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ten) != 0 && L(c, LongSuitWord::Ace) == 0 && L(c, LongSuitWord::King) == 0;
       }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 17: the estimate of row 20 shown first, not tested.
    {21,
     {{{G_RULE17_ESTIMATE}, Always},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() >= 2; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) > 4; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) != 0 && L(c, LongSuitWord::King) == 0;
       }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
    // 18: * 1, at most three Jacks, a long suit of four or five with its Ace but no Ten or King, not
    // forehand: - 1.
    {22,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 4 || L(c, LongSuitWord::Length) == 5; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) == 0 && L(c, LongSuitWord::King) == 0;
       }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 19: as 18, and no Queen.
    {23,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 4 || L(c, LongSuitWord::Length) == 5; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING, G_RANK_QUEEN},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) == 0 && L(c, LongSuitWord::King) == 0 &&
                  L(c, LongSuitWord::Queen) == 0;
       }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 20: * 1, at most two Jacks, a long suit of four or five with its Ace but no Ten, not forehand: - 1.
    {24,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 2; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 4 || L(c, LongSuitWord::Length) == 5; }},
      {{G_RANK_ACE, G_RANK_TEN},
       [](const GrandContext& c) { return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) == 0; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 21: estimate 6, * at most 2 or at most three Jacks, a long suit of four with Ace and Ten but no King,
    // Queen or Nine: - 1.
    {25,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() == 6; }},
      {{G_STAR, G_JACK_LIST}, [](const GrandContext& c) { return c.Star() <= 2 || c.B() <= 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 4; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING, G_RANK_QUEEN, G_RANK_NINE},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) != 0 && L(c, LongSuitWord::King) == 0 &&
                  L(c, LongSuitWord::Queen) == 0 && L(c, LongSuitWord::Nine) == 0;
       }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 22: estimate 8, * 3, a long suit of three or four with its Ace but no Ten, not forehand: - 1.
    {26,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() == 8; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() == 3; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 3 || L(c, LongSuitWord::Length) == 4; }},
      {{G_RANK_ACE, G_RANK_TEN},
       [](const GrandContext& c) { return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) == 0; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 23: estimate 9, a long suit of four with Ace and King but no Ten or Queen: - 1.
    {27,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() == 9; }},
      {{G_LONG_SUIT}, [](const GrandContext& c) { return L(c, LongSuitWord::Length) == 4; }},
      {{G_RANK_ACE, G_RANK_TEN, G_RANK_KING, G_RANK_QUEEN},
       [](const GrandContext& c) {
           return L(c, LongSuitWord::Ace) != 0 && L(c, LongSuitWord::Ten) == 0 && L(c, LongSuitWord::King) != 0 &&
                  L(c, LongSuitWord::Queen) == 0;
       }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 24: * 2, two Jacks, fewer than three Aces, no A10K, one bare suit, not forehand: - 2 with W, else - 1.
    {28,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 2; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() == 2; }},
      {{G_ACE_LIST}, [](const GrandContext& c) { return c.A() < 3; }},
      {{G_ACE_TEN_KING_LIST}, [](const GrandContext& c) { return c.A10K() == 0; }},
      {{G_BARE}, [](const GrandContext& c) { return c.F0() == 1; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }},
      {{G_W}, Always}},
     [](const GrandContext& c) { return PopupFormat(" - %d", c.W() != 0 ? 2 : 1); }},
    // 25: down by five, not below 0: " - $" when the estimate is 4 or less.
    {29,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() == 2; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() == 2; }},
      {{G_ACE_LIST}, [](const GrandContext& c) { return c.A() < 3; }},
      {{G_ACE_TEN_KING_LIST}, [](const GrandContext& c) { return c.A10K() == 0; }},
      {{G_BARE}, [](const GrandContext& c) { return c.F0() == 2; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }},
      {{G_RULE25_ESTIMATE}, Always}},
     [](const GrandContext& c) { return PopupFormat(" - %d", c.Estimate() > 4 ? 5 : c.Estimate()); }},
    // 26: two Jacks; * -1 without the Hearts Jack, * -2 or 1, or the estimate as before the rules; at most
    // three Aces: - 1.
    {30,
     {{{G_JACK_LIST}, [](const GrandContext& c) { return c.B() == 2; }},
      {{G_STAR, G_HEARTS_JACK, G_ESTIMATE, G_ESTIMATE_BEFORE_RULES},
       [](const GrandContext& c) {
           return (c.Star() == -1 && c.At(HeartsJackHeld) == 0) || c.Estimate() == c.At(EstimateBeforeRules) ||
                  c.Star() == -2 || c.Star() == 1;
       }},
      {{G_ACE_COUNT}, [](const GrandContext& c) { return c.A() <= 3; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 27: estimate 6 or more, * -1 or less, at most two Jacks, fewer than three Aces: - 2.
    {31,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() >= 6; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() <= -1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 2; }},
      {{G_ACE_LIST}, [](const GrandContext& c) { return c.A() < 3; }}},
     [](const GrandContext&) { return std::string(" - 2"); }},
    // 28: estimate 8, * 1 or more, three Jacks or more, two single cards or more: - 1.
    {32,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() == 8; }},
      {{G_STAR}, [](const GrandContext& c) { return c.Star() >= 1; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() >= 3; }},
      {{G_SINGLE_COUNT, G_FIRST_SINGLE, G_SECOND_SINGLE}, [](const GrandContext& c) { return c.At(SingleCount) >= 2; }}},
     [](const GrandContext&) { return std::string(" - 1"); }},
    // 29: estimate 10, at most three Jacks, not forehand: - 1.
    {33,
     {{{G_ESTIMATE}, [](const GrandContext& c) { return c.Estimate() == 10; }},
      {{G_JACK_LIST}, [](const GrandContext& c) { return c.B() <= 3; }},
      {{G_FOREHAND}, [](const GrandContext& c) { return c.Vh() == 0; }}},
     [](const GrandContext&) { return std::string("- 1"); }},
    // 30: * below -1, four A10, an A10K or more: + 1.
    {34,
     {{{G_STAR}, [](const GrandContext& c) { return c.Star() < -1; }},
      {{G_ACE_TEN_LIST}, [](const GrandContext& c) { return c.A10() == 4; }},
      {{G_ACE_TEN_KING_LIST}, [](const GrandContext& c) { return c.A10K() >= 1; }}},
     [](const GrandContext&) { return std::string(" + 1"); }},
};
static_assert(sizeof(kGrandRules) / sizeof(kGrandRules[0]) == 30, "one row per rule popup");

// The suits with safe tricks, each value (its first nonzero record word less its malus) as a
// text: a value outside 0..9 prints whole.
struct ListedSuits {
    std::vector<int> suits;
    std::vector<std::string> values;
    std::string digits;  // all values together
};

ListedSuits SafeTricksBySuit(const CPlayer& player) {
    ListedSuits listed;
    for (int s = 0; s < 4; ++s) {
        const SuitAnalysisRecord& record = *player.EstimateRecord(s, 1);
        for (int k = 0; k < 16; ++k) {
            if (record.Slots[k] == 0) continue;
            listed.suits.push_back(s);
            listed.values.push_back(PopupFormat("%d", record.Slots[k] - record.Slots[16]));
            listed.digits += listed.values.back();
            break;
        }
    }
    return listed;
}

std::vector<int> JackSuits(const GrandContext& c) { return PopupJackSuits(c.B(), c.At(JackMask)); }

void Rule(PopupCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.Context().MoveTo(x1, y1);
    canvas.Context().LineTo(x2, y2);
}

// Spot 1: the safe tricks of each suit in the table of column rules.
void DrawSafeTrickTable(const GrandContext& c) {
    static constexpr int kGrid[] = {21, 46, 66, 84, 119, 140, 208, 275, 324, 414};
    static constexpr int kValueColumns[] = {72, 100, 128, -1, -1, -1, -1, -1, -1, -1, -1, 173, 239, 297, 367, 431};
    PopupCanvas& canvas = c.canvas;
    const std::vector<std::string> lines = TableHeading(IDS_POPUP_GRAND_TABLE, 5);
    const platform::Size size = canvas.MeasureText(lines[2]);
    const int h = size.cy;
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeGrand, 1, size.cx, 9 * h + 16, -370);
    const int left = box.left, top = box.top, L = left + 2, T = top + 2;
    DrawTableHeading(canvas, box, lines, h);
    for (int s = 0; s < 4; ++s) canvas.DrawSymbol(s, L + 2, T + 5 * h + 3 + s * (h + 4));
    Rule(canvas, left + 66, top + 4 * h + 2, box.right, top + 4 * h + 2);
    for (int k = 1; k <= 4; ++k) Rule(canvas, left, top + 4 * h + k * (h + 4), box.right, top + 4 * h + k * (h + 4));
    for (int x : kGrid) Rule(canvas, left + x, top, left + x, box.bottom);
    for (int s = 0; s < 4; ++s) {
        canvas.DrawText(left + 31, top + 5 + 5 * h + s * (h + 4), PopupFormat("%d", c.player.handInfo.SuitCount[s]));
        const SuitAnalysisRecord& record = *c.player.EstimateRecord(s, 1);
        const int y = top + 6 + 5 * h + s * (h + 4);
        for (int k = 0; k < 16; ++k) {
            if (record.Slots[k] == 0) continue;
            // Words 3..10 have no column in the table: their value is not shown.
            if (kValueColumns[k] >= 0) canvas.DrawText(left + kValueColumns[k], y, PopupFormat("%d", record.Slots[k]));
            break;
        }
        if (record.Slots[16] != 0) canvas.DrawText(left + 54, y, PopupFormat("%d", record.Slots[16]));
    }
}

// Spot 2: the estimate as the safe tricks of each suit and the Jacks.
void DrawEstimateTerm(const GrandContext& c) {
    PopupCanvas& canvas = c.canvas;
    const std::string& plus = c.texts.Joiners[JOINER_PLUS];
    const std::string head = platform::LoadString(PopupLabel::Estimate) + ": ";
    ListedSuits listed;
    std::string suitPart;
    if (c.At(TricksLessExtra) <= 0) suitPart = "0";
    else listed = SafeTricksBySuit(c.player);
    const std::vector<int> jacks = JackSuits(c);
    const int n = static_cast<int>(listed.suits.size()), b = static_cast<int>(jacks.size());
    const int h = PopupLineHeight(canvas);
    PopupLine line;
    line.Text(head);
    int width = 0;
    if (n + b == 0) {
        line.Text(suitPart + "0 + 0" + c.texts.Jack);
        width = line.Width(canvas);
    } else {
        width = canvas.MeasureText(head).cx + canvas.MeasureText(listed.digits).cx + 14 * n + 12 * std::max(n, 1) - 11;
        const std::string noJack = PopupFormat("0%s", c.texts.Jack.c_str());
        width += b == 0 ? canvas.MeasureText(noJack).cx : b * (canvas.MeasureText(c.texts.Jack).cx + 14);
        if (n == 0) line.Text(suitPart);
        for (int i = 0; i < n; ++i) {
            if (i > 0) line.Fixed(plus, 12);
            line.Text(listed.values[static_cast<std::size_t>(i)]).Symbol(listed.suits[static_cast<std::size_t>(i)]);
        }
        if (b == 0) line.Fixed(plus, 12).Text(noJack);
        for (int s : jacks) line.Fixed(plus, 12).Symbol(s).Text(c.texts.Jack);
    }
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeGrand, 2, width, h, 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}

// Spot 3: the safe tricks by suit.
void DrawSafeTricksTerm(const GrandContext& c) {
    PopupCanvas& canvas = c.canvas;
    const ListedSuits listed = SafeTricksBySuit(c.player);
    const std::string label = platform::LoadString(PopupLabel::SafeTricks);
    const int n = static_cast<int>(listed.suits.size());
    const std::string head = PopupFormat(n == 0 ? "%s: 0" : "%s: ", label.c_str());
    PopupLine line;
    line.Text(head);
    for (int i = 0; i < n; ++i) {
        if (i > 0) line.Fixed(c.texts.Joiners[JOINER_PLUS], 12);
        line.Text(listed.values[static_cast<std::size_t>(i)]).Symbol(listed.suits[static_cast<std::size_t>(i)]);
    }
    const int width = canvas.MeasureText(head).cx + canvas.MeasureText(listed.digits).cx + (n > 0 ? 26 * n - 13 : 0);
    const platform::Rect box = canvas.DrawPopupBox(kPopupModeGrand, 3, width, PopupLineHeight(canvas), 0);
    line.Draw(canvas, box.left + 2, box.top + 2);
}

// Spot 4: the Jacks held.
void DrawJacksTerm(const GrandContext& c) { DrawJacksHeldPopup(c.canvas, kPopupModeGrand, 4, JackSuits(c), c.texts); }

}  // namespace

void DrawGrandPopup(PopupCanvas& canvas, int spot) {
    const EstimationSheetBlock* block = canvas.ShownBlock();
    const CPlayer* player = canvas.ShownPlayer();
    if (!block || !player || spot < 1 || spot > 34) return;
    const PopupTexts texts = PopupTexts::Load();
    GrandContext c{canvas, *block, *player, texts, 0};
    switch (spot) {
    case 1: return DrawSafeTrickTable(c);
    case 2: return DrawEstimateTerm(c);
    case 3: return DrawSafeTricksTerm(c);
    case 4: return DrawJacksTerm(c);
    default: break;
    }
    const int n = spot - 4;
    const GrandRule& rule = kGrandRules[n - 1];
    c.row = rule.row;
    std::vector<PopupLine> lines;
    bool fired = true;
    for (const GrandTest& test : rule.tests) {
        for (GrandTerm term : test.lines) lines.push_back(TermLine(c, term));
        if (!test.holds(c)) {
            for (GrandTerm term : test.linesWhenFailing) lines.push_back(TermLine(c, term));
            fired = false;
            break;
        }
    }
    const std::string label = platform::LoadString(PopupLabel::Adjustment);
    const std::string verdict = rule.value ? PopupFormat("%d %s:%s", n, label.c_str(), fired ? rule.value(c).c_str() : " 0")
                                           : PopupFormat("%d %s: %d", n, "W", c.W());
    DrawRulePopup(canvas, kPopupModeGrand, spot, n, lines, verdict);
}
