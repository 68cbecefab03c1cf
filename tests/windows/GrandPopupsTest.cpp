// The Grand view's popups: rule popups as a table, the long-suit and single-card lines from the
// estimator's rows, and the safe-trick, estimate and Jack terms.

#include "PopupTestSupport.h"

#include "computer/evaluation/EstimationSheetLayout.h"

namespace {

using popuptest::PopupTest;

class GrandPopupsTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        canvas.mode = kPopupModeGrand;
    }
    EstimationSheetBlock& Evaluate(const std::string& cards) {
        Deal(cards);
        seat0.AnalyseHand(0);
        estimate = seat0.EstimateTricks(GAME_GRAND);
        return ShowBlock(SHEET_GRAND);
    }
    std::vector<std::string> Show(int spot) {
        canvas.Clear();
        DrawGrandPopup(canvas, spot);
        return canvas.Lines();
    }
    int estimate = 0;
};

TEST_F(GrandPopupsTest, RulePopupsShowTheTermsUpToTheFirstFailingTest) {
    struct Case {
        const char* cards;
        int spot;
        std::vector<std::pair<SheetWord, int>> words;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // Rule 1: no Jack, all lines and " - 4"; with a Jack one line and " 0".
        {"CA CT CK SA ST HA HK DA D9 D8", 5, {}, {"B: 0", "1 Justierung: - 4"}},
        {"CJ CA CT CK SA ST HA HK DA D9", 5, {}, {"B: <C>", "1 Justierung: 0"}},
        // Rule 2: no Jack and the estimate below the safe tricks: three lines and the safe tricks.
        {"CA CT CK SA ST HA HK DA D9 D8", 6, {{{7, 2}, 3}, {GrandSheet::SafeTricks, 6}},
         {"B: 0", "$: 3", "F$: 6", "2 Justierung: 6"}},
        {"CJ CA CT CK SA ST HA HK DA D9", 6, {}, {"B: <C>", "2 Justierung: 0"}},
        // Rule 4, the example: the first term fails, then all four hold.
        {"CJ CA CT CK SA ST HA HK DA D9", 8, {{{9, 2}, 8}}, {"$: 8", "4 Justierung: 0"}},
        {"CJ CA CT CK SA ST HA HK DA D9", 8, {{{9, 2}, 9}, {GrandSheet::IsForehand, 1}, {GrandSheet::ForehandSeat, 2}},
         {"$: 9", "*: 1", "B: <C>", "A: <C> + <S> + <H> + <D>", "Vh: 1 (P)", "4 Justierung: - 2"}},
        // The fourth term fails only with run 1, two Jacks, four Aces and the lead at once.
        {"CJ HJ CA CT SA ST HA HK DA D9", 8, {{{9, 2}, 9}, {GrandSheet::IsForehand, 1}, {GrandSheet::ForehandSeat, 2}},
         {"$: 9", "*: 1", "B: <C> + <H>", "A: <C> + <S> + <H> + <D>", "Vh: 1 (P)", "4 Justierung: 0"}},
        // Rule 6 tests the bare suits in its fourth term.
        {"CJ CA CT CK CQ C9 HA HK HQ H9", 10, {{{11, 2}, 5}, {GrandSheet::IsForehand, 0}},
         {"$: 5", "*: 1", "B: <C>", "F0: <S> + <D>", "Vh: 0 (C1)", "6 Justierung: 3"}},
        // Rule 25 takes the estimate from its own row: down by five, or by the estimate itself.
        {"CJ SJ CA CT HA H9 H8 DK D9 D8", 29, {{{29, 2}, 6}, {GrandSheet::BareSuitCount, 2}, {GrandSheet::IsForehand, 0}},
         {"*: 2", "B: <C> + <S>", "A: <C> + <H>", "A10K: 0", "F0: 2", "Vh: 0 (C1)", "$: 6", "25 Justierung: - 5"}},
        {"CJ SJ CA CT HA H9 H8 DK D9 D8", 29, {{{29, 2}, 3}, {GrandSheet::BareSuitCount, 2}, {GrandSheet::IsForehand, 0}},
         {"*: 2", "B: <C> + <S>", "A: <C> + <H>", "A10K: 0", "F0: 2", "Vh: 0 (C1)", "$: 3", "25 Justierung: - 3"}},
        // Rule 29's value has no leading blank.
        {"CJ SJ HJ CA CT CK SA ST HA HT", 33, {{{33, 2}, 10}, {GrandSheet::IsForehand, 0}},
         {"$: 10", "B: <C> + <S> + <H>", "Vh: 0 (C1)", "29 Justierung:- 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cards << " spot " << c.spot);
        EstimationSheetBlock& block = Evaluate(c.cards);
        for (const auto& [word, value] : c.words) block[word.row][word.word] = value;
        EXPECT_EQ(Show(c.spot), c.lines);
        ASSERT_EQ(canvas.boxes.size(), 1u);
        EXPECT_EQ(canvas.boxes[0].height, 12 * static_cast<int>(c.lines.size()));
        EXPECT_EQ(canvas.boxes[0].xOffset, 0);
    }
}

TEST_F(GrandPopupsTest, WLineShowsTheWValueWhateverItsTermsGive) {
    // Run 1 with two Jacks: Spades A K Q 9 is a long suit without its Ten, the weak mark.
    EstimationSheetBlock& block = Evaluate("CJ HJ SA SK SQ S9 HA HT H8 H7");
    EXPECT_EQ(SheetAt(block, GrandSheet::WeakLongSuitMark), 1);
    EXPECT_EQ(Show(17), (std::vector<std::string>{"*: 1", "B: <C> + <H>", "N: 4 <S>", "A10K: 0", "13 W: 1"}));
    SheetAt(block, GrandSheet::MatadorRun) = 2;
    EXPECT_EQ(Show(17), (std::vector<std::string>{"*: 2", "13 W: 1"}));
}

TEST_F(GrandPopupsTest, LongSuitLinesShowTheSuitsRanksAndLength) {
    // Spades A K Q 9: rule 22 looks at Spades; its ranks and length stand in its row.
    EstimationSheetBlock& block = Evaluate("CJ SJ SA SK SQ S9 HA HT H8 H7");
    block[26][RuleRow::EstimateBefore] = 8;
    SheetAt(block, GrandSheet::MatadorRun) = 3;
    SheetAt(block, GrandSheet::IsForehand) = 0;
    EXPECT_EQ(Show(26), (std::vector<std::string>{"$: 8", "*: 3", "N: 4 <S>", "<S>A: 1", "<S>10: 0", "Vh: 0 (C1)",
                                                  "22 Justierung: - 1"}));
    // Rule 21 looks at Hearts A 10 8 7: Ace and Ten without King, Queen and Nine.
    block[25][RuleRow::EstimateBefore] = 6;
    EXPECT_EQ(Show(25), (std::vector<std::string>{"$: 6", "*: 3", "B: <C> + <S>", "N: 4 <H>", "<H>A: 1", "<H>10: 1",
                                                  "<H>K: 0", "<H>D: 0", "<H>9: 0", "21 Justierung: - 1"}));
    UseEdition(true);
    EXPECT_EQ(Show(25)[7], "<H>Q: 0");
}

TEST_F(GrandPopupsTest, SingleCardsRuleNamesTheSuitsAndRanks) {
    Evaluate("CJ SJ HJ CA CT CK CQ C9 S7 H8");
    EXPECT_EQ(Show(32), (std::vector<std::string>{"$: 8", "*: 3", "B: <C> + <S> + <H>", "N: 2", "<S>7: 1", "<H>8: 1",
                                                  "28 Justierung: - 1"}));
}

TEST_F(GrandPopupsTest, EstimateSafeTricksAndJackTerms) {
    // The Jacks are not the first cards of the hand: they come from the Jack mask.
    Evaluate("CA HJ CT CK CJ SA ST HA HK D9");
    const std::vector<std::string> estimate2 = Show(2);
    ASSERT_EQ(estimate2.size(), 1u);
    EXPECT_EQ(estimate2[0].rfind("$: ", 0), 0u);
    EXPECT_NE(estimate2[0].find(" + <C>B + <H>B"), std::string::npos) << estimate2[0];
    EXPECT_EQ(Show(4), std::vector<std::string>{"B: <C> + <H>"});
    EXPECT_EQ(canvas.boxes[0].width, 21 + 2 * (21 + 16) - 21 - 2);
    // A suit value above 9 prints whole.
    seat0.handInfo.SuitRecords[2 * CLUBS + 1].Slots[0] = 12;
    seat0.handInfo.SuitRecords[2 * CLUBS + 1].Slots[16] = 0;
    const std::vector<std::string> safe = Show(3);
    ASSERT_EQ(safe.size(), 1u);
    EXPECT_EQ(safe[0].rfind("F$: 12<C>", 0), 0u) << safe[0];
    // No safe tricks and no Jacks.
    EstimationSheetBlock& none = Evaluate("C9 C8 C7 S9 S8 S7 H9 H8 D9 D8");
    EXPECT_EQ(SheetAt(none, GrandSheet::JackCount), 0);
    SheetAt(none, GrandSheet::TricksLessExtra) = 0;
    EXPECT_EQ(Show(2), std::vector<std::string>{"$: 00 + 0B"});
    EXPECT_EQ(Show(3), std::vector<std::string>{"F$: 0"});
    EXPECT_EQ(Show(4), std::vector<std::string>{"B: 0"});
}

TEST_F(GrandPopupsTest, SafeTrickTableOpensFarLeftWithTheGrandColumns) {
    Evaluate("CJ HJ CA CT CK SA ST HA HK D9");
    Show(1);
    ASSERT_EQ(canvas.boxes.size(), 1u);
    EXPECT_EQ(canvas.boxes[0].xOffset, -370);
    EXPECT_EQ(canvas.boxes[0].height, 9 * 12 + 16);
    EXPECT_EQ(canvas.symbols.size(), 4u);
    std::vector<std::string> texts;
    for (const auto& record : canvas.dc.Records())
        if (record.kind == platform::DrawKind::Text) texts.push_back(record.text);
    ASSERT_GE(texts.size(), 5u);
    EXPECT_EQ(texts[0].rfind("F$:", 0), 0u);
    EXPECT_EQ(texts[2].rfind("Far- An-   Ma-", 0), 0u);
}

TEST_F(GrandPopupsTest, NothingWithoutBlockOrPlayer) {
    Evaluate("CJ HJ CA CT CK SA ST HA HK D9");
    canvas.player = nullptr;
    EXPECT_TRUE(Show(8).empty());
    EXPECT_TRUE(Show(0).empty());
}

}  // namespace
