// The words of the trick estimation sheet that the estimation window reads: each settled position
// holds the hand's real value after the estimator ran.

#include "ComputerTestSupport.h"

#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/TrickEstimator.h"

namespace {

class EstimationSheetLayoutTest : public ComputerTest {
protected:
    // Gives seat 0 the cards, analyses them and runs the estimator for game type t.
    const std::int32_t (*Estimate(const char* cards, int t))[SHEET_FIELDS] {
        const std::vector<int> list = ParseCards(cards);
        for (auto& card : seat0.cards) card = NO_CARD;
        for (auto& flag : seat0.present) flag = 0;
        for (std::size_t i = 0; i < list.size(); ++i) {
            seat0.cards[i] = list[i];
            seat0.present[i] = 1;
        }
        seat0.count = static_cast<int>(list.size());
        seat0.AnalyseHand(0);
        seat0.EstimateTricks(t);
        return SheetOf(seat0).Rows[t == GAME_GRAND ? SHEET_GRAND : t];
    }
};

TEST_F(EstimationSheetLayoutTest, SuitBlockMarksTheHeldHeartsAndDiamondsJacks) {
    struct Case {
        const char* cards;
        int heartsJack, diamondsJack;
    };
    const Case cases[] = {
        {"HJ CA CT CK C9 SA S8 H7 D8 D9", 1, 0},
        {"DJ CA CT CK C9 SA S8 H7 D8 D9", 0, 1},
        {"HJ DJ CA CT CK C9 SA S8 H7 D8", 1, 1},
        {"CJ SJ CA CT CK C9 SA S8 H7 D8", 0, 0},
        {"CA CT CK C9 C8 SA S8 H7 D8 D9", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards);
        const auto rows = Estimate(c.cards, GAME_CLUBS);
        EXPECT_EQ(SheetAt(rows, SuitSheet::HeartsJackHeld), c.heartsJack);
        EXPECT_EQ(SheetAt(rows, SuitSheet::DiamondsJackHeld), c.diamondsJack);
    }
}

TEST_F(EstimationSheetLayoutTest, TrumpAceAndTenAreTheTrumpBitsOfTheAceAndTenMasks) {
    // Row 8 holds the trump Ten alone: read as "the trump Ace" it would name a held Ten an Ace.
    struct Case {
        const char* cards;
        int trump;
        bool ace, ten;
    };
    const Case cases[] = {
        {"CJ CA C9 C8 C7 SA S8 H7 D8 D9", CLUBS, true, false},
        {"CJ CT C9 C8 C7 SA S8 H7 D8 D9", CLUBS, false, true},
        {"CJ CA CT C8 C7 S9 S8 H7 D8 D9", CLUBS, true, true},
        {"CJ HA HT H8 H7 S9 S8 C7 D8 D9", HEARTS, true, true},
        {"CJ HK H9 H8 H7 SA ST CA D8 D9", HEARTS, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cards);
        const auto rows = Estimate(c.cards, c.trump);
        EXPECT_EQ((SheetAt(rows, SuitSheet::AceMask) >> c.trump) & 1, c.ace ? 1 : 0);
        EXPECT_EQ((SheetAt(rows, SuitSheet::TenMask) >> c.trump) & 1, c.ten ? 1 : 0);
        EXPECT_EQ(SheetAt(rows, SuitSheet::TrumpTenHeld), c.ten ? 1 : 0);
    }
}

TEST_F(EstimationSheetLayoutTest, RuleOneNamesTheLongestSideSuitInWordThree) {
    // Four trumps and five Spades: the rule looks at Spades; word 8 of its row stays unwritten.
    const auto rows = Estimate("CJ CA C9 C8 SA SK SQ S9 S8 H7", GAME_CLUBS);
    EXPECT_EQ(SheetAt(rows, SuitSheet::LongestSideSuitLength), 5);
    EXPECT_EQ(SheetAt(rows, SuitSheet::LongestSideSuit), SPADES);
    EXPECT_EQ(rows[SuitSheet::LongestSideSuitLength.row][8], 0);
    EXPECT_EQ(rows[6][RuleRow::Value], rows[6][RuleRow::EstimateBefore] - 2);
}

TEST_F(EstimationSheetLayoutTest, GrandLongSuitRowsNameTheSuitItsRanksAndLength) {
    // Spades A K Q 9 and Hearts A 10 8 7: each rule names the suit it finds, else the longest
    // (Spades before Hearts on equal lengths).
    const auto rows = Estimate("CJ SJ SA SK SQ S9 HA HT H8 H7", GAME_GRAND);
    struct Case {
        int row, suit, ace, ten, king, queen, nine, length;
    };
    const Case cases[] = {
        {16, SPADES, 1, 0, 1, 1, 1, 4},  // none without its Ace: the longest
        {17, SPADES, 1, 0, 1, 1, 1, 4},  // Ace with exactly one of Ten and King
        {22, SPADES, 1, 0, 1, 1, 1, 4},  // Ace without Ten
        {23, SPADES, 1, 0, 1, 1, 1, 4},
        {24, SPADES, 1, 0, 1, 1, 1, 4},
        {25, HEARTS, 1, 1, 0, 0, 0, 4},  // Ace and Ten without King, Queen and Nine
        {26, SPADES, 1, 0, 1, 1, 1, 4},
        {27, SPADES, 1, 0, 1, 1, 1, 4},  // none: the longest
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row);
        const std::int32_t* row = rows[c.row];
        EXPECT_EQ(row[LongSuitWord::Suit], c.suit);
        EXPECT_EQ(row[LongSuitWord::Ace], c.ace);
        EXPECT_EQ(row[LongSuitWord::Ten], c.ten);
        EXPECT_EQ(row[LongSuitWord::King], c.king);
        EXPECT_EQ(row[LongSuitWord::Queen], c.queen);
        EXPECT_EQ(row[LongSuitWord::Nine], c.nine);
        EXPECT_EQ(row[LongSuitWord::Length], c.length);
    }
}

TEST_F(EstimationSheetLayoutTest, GrandSingleCardsRowHoldsSuitsThenRanksThenCount) {
    const auto rows = Estimate("CJ SJ HJ CA CT CK CQ C9 S7 H8", GAME_GRAND);
    ASSERT_EQ(rows[32][RuleRow::EstimateBefore], 8) << "the rule is reached with 8 tricks";
    EXPECT_EQ(SheetAt(rows, GrandSheet::FirstSingleSuit), SPADES);
    EXPECT_EQ(SheetAt(rows, GrandSheet::SecondSingleSuit), HEARTS);
    EXPECT_EQ(SheetAt(rows, GrandSheet::FirstSingleRank), SEVEN);
    EXPECT_EQ(SheetAt(rows, GrandSheet::SecondSingleRank), EIGHT);
    EXPECT_EQ(SheetAt(rows, GrandSheet::SingleCount), 2);
    EXPECT_EQ(rows[32][RuleRow::Value], 7);
}

}  // namespace
