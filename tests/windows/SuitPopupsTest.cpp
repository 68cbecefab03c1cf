// The suit view's popups: the rule popups as a table (first test fails, all hold), the settled
// sheet words in their term lines, the verdicts of the rules against the estimator's rows for
// evaluated hands, and the header terms.

#include "PopupTestSupport.h"

#include "computer/evaluation/EstimationSheetLayout.h"

namespace {

using popuptest::PopupTest;

class SuitPopupsTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        canvas.mode = kPopupModeSuit;
    }
    // Deals, analyses and estimates the suit game with trump t; shows its block.
    EstimationSheetBlock& Evaluate(const std::string& cards, int trump) {
        Deal(cards);
        seat0.AnalyseHand(0);
        estimate = seat0.EstimateTricks(trump);
        canvas.trump = trump;
        return ShowBlock(trump);
    }
    std::vector<std::string> Show(int spot) {
        canvas.Clear();
        DrawSuitPopup(canvas, spot);
        return canvas.Lines();
    }
    int estimate = 0;
};

TEST_F(SuitPopupsTest, RulePopupsShowTheTermsUpToTheFirstFailingTest) {
    // Clubs game: Spades Jack only (run -1), four Clubs, side Aces of Hearts and Diamonds.
    EstimationSheetBlock& block = Evaluate("SJ CA CT C9 HA HK DA DK S7 S8", CLUBS);
    struct Case {
        int spot;
        std::vector<std::pair<SheetWord, int>> words;  // set before the popup
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // Rule 2 fails at its only term: one line and " 0", two text heights high.
        {7, {{SuitSheet::Trumps, 5}}, {"T: 3<C> + <S>B", "2 Justierung: 0"}},
        // Rule 5 fails at * = -1.
        {10, {{SuitSheet::MatadorRun, -1}}, {"*: -1", "5 Justierung: 0"}},
        // Rule 4 holds: both lines and its value.
        {9, {{SuitSheet::MatadorRun, -1}, {SuitSheet::JackCount, 1}}, {"*: -1", "B: <S>", "4 Justierung: - 1"}},
        // Rule 1, the example: T = 5 and N = 5 of Spades.
        {6, {{SuitSheet::Trumps, 5}, {SuitSheet::LongestSideSuitLength, 5}, {SuitSheet::LongestSideSuit, SPADES}},
         {"T: 3<C> + <S>B", "N: 5 <S>", "1 Justierung: - 2"}},
        {6, {{SuitSheet::Trumps, 6}}, {"T: 3<C> + <S>B", "1 Justierung: 0"}},
        // Rule 25 with $ <= T shows $ and T.
        {30, {{{30, 2}, 4}, {SuitSheet::Trumps, 5}}, {"$: 4", "T: 3<C> + <S>B", "25 Justierung: 0"}},
        // Rule 18: the estimate back into 0..10.
        {23, {{{23, 2}, 12}}, {"$: 12", "18 Justierung: - 2"}},
        {23, {{{23, 2}, -1}}, {"$: -1", "18 Justierung: + 1"}},
        {23, {{{23, 2}, 5}}, {"$: 5", "18 Justierung:0"}},
        // Rule 21 that does not fire ends in "0" without a blank.
        {26, {{{26, 2}, 7}}, {"$: 7", "21 Justierung:0"}},
        {26, {{{26, 2}, 8}, {SuitSheet::MatadorRun, -1}, {SuitSheet::BareSuitCount, 2}}, {"$: 8", "*: -1", "21 Justierung: - 2"}},
        // Rule 3 fires with * = 0; rule 27 with $ = 9.
        {8, {{SuitSheet::Trumps, 4}, {SuitSheet::MatadorRun, 0}, {SuitSheet::JackCount, 1}},
         {"T: 3<C> + <S>B", "*: 0", "B: <S>", "<C>TA: 1", "3 Justierung: 0"}},
        {32, {{{32, 2}, 9}, {SuitSheet::MatadorRun, 3}, {SuitSheet::SideCover, 1}, {SuitSheet::IsForehand, 1}, {SuitSheet::ForehandSeat, 0}},
         {"$: 9", "*: 3", "NA: <H> + <D>", "NA10: 0", "Vh: 1 (C1)", "27 Justierung: + 1"}},
        // Rule 22 as the estimator applies it: the run plus two.
        {27, {{{27, 2}, 1}, {SuitSheet::MatadorRun, 2}, {SuitSheet::JackCount, 2}, {SuitSheet::JackMask, 3}, {SuitSheet::Trumps, 4}},
         {"$: 1", "*: 2", "B: <C> + <S>", "T: 3<C> + <C>B + <S>B", "22 Justierung: 4"}},
        {27, {{{27, 2}, 2}}, {"$: 2", "22 Justierung: 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "spot " << c.spot);
        Evaluate("SJ CA CT C9 HA HK DA DK S7 S8", CLUBS);
        for (const auto& [word, value] : c.words) block[word.row][word.word] = value;
        EXPECT_EQ(Show(c.spot), c.lines);
        ASSERT_EQ(canvas.boxes.size(), 1u);
        EXPECT_EQ(canvas.boxes[0].height, 12 * static_cast<int>(c.lines.size()));
        EXPECT_EQ(canvas.boxes[0].spot, c.spot);
    }
}

TEST_F(SuitPopupsTest, TermLinesIndentUnderTheRuleTextAndTheBoxHoldsTheWidestLine) {
    EstimationSheetBlock& block = Evaluate("SJ CA CT C9 HA HK DA DK S7 S8", CLUBS);
    SheetAt(block, SuitSheet::MatadorRun) = -1;
    SheetAt(block, SuitSheet::JackCount) = 1;
    Show(9);
    // "4 " is 14 wide: the term lines start 14 to the right of the verdict.
    std::vector<int> xs;
    for (const auto& record : canvas.dc.Records())
        if (record.kind == platform::DrawKind::Text) xs.push_back(record.points[0].x - canvas.boxes[0].rect.left);
    ASSERT_GE(xs.size(), 3u);
    EXPECT_EQ(xs.front(), 2 + 14);
    EXPECT_EQ(xs.back(), 2);
    EXPECT_EQ(canvas.boxes[0].width, 7 * static_cast<int>(std::string("4 Justierung: - 1").size()));
}

TEST_F(SuitPopupsTest, SettledWordsShowTheHandsRealValues) {
    // The trump Ace held, the Ten not: TA 1, T10 0; the Hearts Jack held: HzB 1.
    Evaluate("HJ CA C9 C8 C7 SA SK SQ S9 S8", CLUBS);
    EstimationSheetBlock& block = ShowBlock(CLUBS);
    SheetAt(block, SuitSheet::Trumps) = 4;
    SheetAt(block, SuitSheet::MatadorRun) = 0;
    SheetAt(block, SuitSheet::JackCount) = 1;
    const std::vector<std::string> rule3 = Show(8);
    ASSERT_EQ(rule3.size(), 5u);
    EXPECT_EQ(rule3[3], "<C>TA: 1");
    // Rule 1 names the longest side suit, Spades with five cards.
    Evaluate("HJ CA C9 C8 C7 SA SK SQ S9 S8", CLUBS);
    const std::vector<std::string> rule1 = Show(6);
    ASSERT_EQ(rule1.size(), 3u);
    EXPECT_EQ(rule1[1], "N: 5 <S>");
    // Rule 10 shows the Hearts Jack held.
    EstimationSheetBlock& again = Evaluate("HJ CA C9 C8 C7 SA SK SQ S9 S8", CLUBS);
    SheetAt(again, SuitSheet::MatadorRun) = 1;
    const std::vector<std::string> rule10 = Show(15);
    ASSERT_EQ(rule10.size(), 3u);
    EXPECT_EQ(rule10[1], "<H>B: 1");
    // The trump Ten without the Ace: T10 1 and TA 0 (row 8 alone would read as an Ace).
    EstimationSheetBlock& ten = Evaluate("SJ CT C9 C8 HA HK DA DK S7 S8", CLUBS);
    SheetAt(ten, SuitSheet::MatadorRun) = -1;
    const std::vector<std::string> lines = Show(8);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "<C>TA: 0");
    EXPECT_EQ(lines[4], "<C>T10: 1");
    EXPECT_EQ(lines[5], "3 Justierung: 0");
}

TEST_F(SuitPopupsTest, VerdictsOfRulesThreeSevenTenAndElevenAgreeWithTheEstimator) {
    struct Case {
        const char* cards;
        int trump, spot;
        bool fires;
    };
    const Case cases[] = {
        {"SJ H9 H8 H7 CA CK DA DK S8 S7", HEARTS, 8, true},    // rule 3: no trump Ace or Ten
        {"SJ HT H8 H7 CA CK DA DK S8 S7", HEARTS, 8, false},   // the trump Ten held
        {"SJ CA CT C9 HA HK DA DK S7 S8", CLUBS, 12, true},    // rule 7: without the Hearts Jack
        {"SJ HJ CA CT C9 HA HK DA DK S8", CLUBS, 12, false},
        {"CJ CA CT C9 HA HK DA DK S7 S8", CLUBS, 15, true},    // rule 10
        {"CJ HJ CA CT C9 HA HK DA DK S8", CLUBS, 15, false},
        {"CJ SJ C9 C8 C7 HA HK DA DK S7", CLUBS, 16, true},    // rule 11
        {"CJ SJ CA C8 C7 HA HK DA DK S7", CLUBS, 16, false},   // the trump Ace held
        {"CJ SJ CT C8 C7 HA HK DA DK S7", CLUBS, 16, false},   // the trump Ten held
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cards << " spot " << c.spot);
        const EstimationSheetBlock& block = Evaluate(c.cards, c.trump);
        EXPECT_EQ(block[c.spot][RuleRow::Value] != SHEET_EMPTY, c.fires) << "the estimator's row";
        const std::vector<std::string> lines = Show(c.spot);
        ASSERT_FALSE(lines.empty());
        const std::string expected = std::to_string(c.spot - 5) + " Justierung:" + (c.fires ? " - 1" : " 0");
        EXPECT_EQ(lines.back(), expected);
    }
}

TEST_F(SuitPopupsTest, BareSuitsListTheFlaggedSuitsInEveryMode) {
    Evaluate("CJ CA CT C9 C8 HA HK HQ H9 H8", CLUBS);
    for (int mode : {kPopupModeSuit, kPopupModeGrand, kPopupModeNull, kPopupModeRamsch}) {
        canvas.mode = mode;
        EXPECT_EQ(Show(0), std::vector<std::string>{"F0: blank bei <S><D>"});
        ASSERT_EQ(canvas.boxes.size(), 1u);
        EXPECT_EQ(canvas.boxes[0].mode, mode);
        EXPECT_EQ(canvas.boxes[0].width, 7 * 14 + 30);
    }
    Evaluate("CJ CA CT C9 SA HA HK HQ D9 D8", CLUBS);
    EXPECT_EQ(Show(0), std::vector<std::string>{"F0: blank bei keiner Farbe"});
    UseEdition(true);
    EXPECT_EQ(Show(0), std::vector<std::string>{"S0: bar at no suit"});
}

TEST_F(SuitPopupsTest, HeaderTermsTakeTheJacksFromTheJackMask) {
    // The hand is not sorted with its Jacks first: the Jacks come from the mask, in suit order.
    Evaluate("CA HJ CT C9 CJ SA HK HQ D9 D8", CLUBS);
    EXPECT_EQ(Show(3), std::vector<std::string>{"$: 3<C> + <C>B + <H>B"});
    EXPECT_EQ(canvas.boxes[0].width, 7 * 4 + 14 + 2 * (21 + 14 + 7));
    EXPECT_EQ(Show(4), std::vector<std::string>{"TF: 3<C>"});
    EXPECT_EQ(Show(5), std::vector<std::string>{"B: <C> + <H>"});
    EXPECT_EQ(canvas.boxes[0].width, 21 + 2 * (21 + 16) - 21 - 2);
    Evaluate("CA CT C9 SA SK HK HQ D9 D8 D7", CLUBS);
    EXPECT_EQ(Show(3), std::vector<std::string>{"$: 3<C> + 0B"});
    EXPECT_EQ(Show(5), std::vector<std::string>{"B: 0"});
    UseEdition(true);
    EXPECT_EQ(Show(5), std::vector<std::string>{"J: 0"});
}

TEST_F(SuitPopupsTest, SafeTrickTableShowsEachSuitsCountColumnAndMalus) {
    EstimationSheetBlock& block = Evaluate("CJ CA CT C9 SA SK HK HQ D9 D8", CLUBS);
    SheetAt(block, SuitSheet::LostTrickWord) = 3 << 8;  // Hearts loses three tricks
    Show(2);
    ASSERT_EQ(canvas.boxes.size(), 1u);
    EXPECT_EQ(canvas.boxes[0].height, 9 * 12 + 16);
    const platform::Rect box = canvas.boxes[0].rect;
    // The numbers drawn after the five table lines, with their place in the box.
    std::vector<std::tuple<int, int, std::string>> numbers;
    int texts = 0;
    for (const auto& record : canvas.dc.Records()) {
        if (record.kind != platform::DrawKind::Text) continue;
        if (++texts <= 5) continue;
        numbers.emplace_back(record.points[0].x - box.left, (record.points[0].y - box.top - 65) / 16, record.text);
    }
    // Clubs: 3 cards, Ace-Ten with the 9 (column 2 gives 2); Spades: Ace-King, 2 cards
    // (column 0 gives 1); Hearts: nothing, malus 3; Diamonds: nothing.
    const std::vector<std::tuple<int, int, std::string>> expected = {
        {31, 0, "3"}, {127, 0, "2"}, {31, 1, "2"}, {74, 1, "1"}, {31, 2, "2"}, {54, 2, "3"}, {31, 3, "2"}};
    EXPECT_EQ(numbers, expected);
    EXPECT_EQ(canvas.symbols.size(), 4u);
}

TEST_F(SuitPopupsTest, EnglishEditionShowsItsLabels) {
    UseEdition(true);
    EstimationSheetBlock& block = Evaluate("SJ CA CT C9 HA HK DA DK S7 S8", CLUBS);
    SheetAt(block, SuitSheet::Trumps) = 4;
    EXPECT_EQ(Show(7), (std::vector<std::string>{"T: 3<C> + <S>J", "2 Adjustment: - 1"}));
}

TEST_F(SuitPopupsTest, NothingWithoutBlockOrPlayerAndNothingAtSpot34) {
    Evaluate("SJ CA CT C9 HA HK DA DK S7 S8", CLUBS);
    EXPECT_TRUE(Show(34).empty());
    canvas.block = nullptr;
    EXPECT_TRUE(Show(7).empty());
    EXPECT_TRUE(canvas.boxes.empty());
}

}  // namespace
