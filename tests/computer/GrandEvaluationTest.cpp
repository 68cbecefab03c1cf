// The Grand evaluation of characteristic hands: which rule decides, what the option is worth,
// and how the seat, the Grand Hand question of a Ramsch round and a single card turn the verdict.

#include "ComputerTestSupport.h"

#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"

#include <vector>

namespace {

struct GrandCase {
    const char* why;
    const char* cards;
    bool forehand;
    bool grandHandQuery;
    int rule;   // 0: the Grand option is off
    int value;  // the bid limit of the option
    int hand;
    int probability;
};

class GrandEvaluationTest : public ComputerTest {
protected:
    const int* Evaluate(const GrandCase& c, int rules = 0) {
        SetUp();
        g_Game.VariantMode = rules;
        const std::vector<int> cards = ParseCards(c.cards);
        EXPECT_EQ(cards.size(), 10u) << c.cards;
        for (auto& card : seat0.cards) card = NO_CARD;
        for (std::size_t i = 0; i < cards.size() && i < 10; ++i) {
            seat0.cards[i] = cards[i];
            seat0.present[i] = 1;
        }
        seat0.count = 10;
        g_Game.Forehand = c.forehand ? 0 : 1;
        g_Computer.GrandHandQuery = c.grandHandQuery ? 1 : 0;
        CGameEvaluation(seat0).AnalyseAndEvaluate(0);
        return seat0.gameOptions[GAME_GRAND];
    }
};

TEST_F(GrandEvaluationTest, CharacteristicHandsReachTheirRule) {
    const GrandCase cases[] = {
        // Three Jacks (step 3).
        {"two Aces beside Ace-Ten, not leading", "CJ SJ DJ CA CT C8 SA H8 DA D9", false, false, 3247, 96, 1, 60},
        {"the same hand leading: three Aces decide", "CJ SJ DJ CA CT C8 SA H8 DA D9", true, false, 3234, 96, 1, 60},
        {"with three, two voids and a four-card Hearts", "CJ SJ HJ HA HQ H8 H7 DA DQ D9", true, false, 3243, 120, 1, 60},
        {"with two, Ace-Ten beside the Ace", "CJ SJ DJ CT SA SQ HA H9 DT D7", false, false, 3149, 72, 0, 50},
        {"without one, a long Spades Ace, not leading", "SJ HJ DJ CA SA SQ S9 S8 S7 H9", false, false, 3141, 48, 0, 60},
        {"the same hand leading plays Hand", "SJ HJ DJ CA SA SQ S9 S8 S7 H9", true, false, 3241, 72, 1, 60},
        // Two Jacks with a run of two (step 4).
        {"eight tricks from the lead", "CJ SJ CA CT CK C7 SA HA H8 DQ", true, false, 3422, 96, 1, 80},
        {"eight tricks with a long Clubs from the middle", "CJ SJ HJ CA CT CK C8 C7 SK HA", false, false, 3423, 120, 1, 80},
        {"eight tricks, the Ten of Spades bare", "CJ SJ CA ST HA H8 DA DT DK DQ", true, false, 3234, 96, 1, 80},
        {"two voids and Ace-Ten-King", "CJ SJ CA CT CK C9 C8 HA HT H9", true, false, 3336, 96, 1, 70},
        {"two Ace-Ten suits from the lead", "CJ SJ CA CT C7 SA S9 S8 HA HT", true, false, 3237, 96, 1, 70},
        {"one Ace-Ten suit and two voids", "CJ SJ HA HT HQ H8 H7 DA DK D7", true, false, 3236, 96, 1, 70},
        {"seven tricks from the lead, no Ten", "CJ SJ CA CK CQ C8 C7 SQ HA DK", true, false, 3135, 72, 0, 70},
        {"two Ace-Ten suits, no open picture", "CJ SJ CA CT C9 S9 HA H7 DA DT", true, false, 3235, 96, 1, 60},
        {"Ace-Ten-King and a Ten", "CJ SJ CA CT CK SA SK H8 DT D7", true, false, 3132, 72, 0, 60},
        {"two Ace-Ten suits and three Tens", "CJ SJ C9 ST HA HT H7 DA DT D7", true, false, 3131, 72, 0, 80},
        {"one Ace-Ten suit and two Tens", "CJ SJ CA ST S7 H8 DA DT DQ D8", true, false, 3131, 72, 0, 50},
        // Two Jacks with a run of one.
        {"all four Aces, nine tricks", "CJ HJ CA SA ST HA HT H8 DA DT", true, false, 3424, 120, 1, 90},
        {"the same hand from the middle: seven tricks", "CJ HJ CA SA ST HA HT H8 DA DT", false, false, 3334, 72, 1, 70},
        {"long Spades from Ace-Ten-King, two voids", "CJ HJ SA ST SK S9 S7 HA HT HK", true, false, 3333, 72, 1, 70},
        {"Ace-Ten-King and a second Ace-Ten", "CJ DJ CA CT CK C8 SK HA HT D8", true, false, 3130, 48, 0, 70},
        {"two Aces and a void from the lead", "CJ HJ CA CK C8 SA ST S7 HA H8", true, false, 3232, 72, 1, 60},
        {"three Aces with Ten-King", "CJ HJ CA CT CK SA S9 HA HT D7", false, false, 3230, 72, 1, 60},
        // Without the top Jacks.
        {"three Aces, the Spades Jack held", "SJ DJ CA CT CK SA HA H9 D8 D7", false, false, 3127, 48, 0, 50},
        {"the same without the Spades Jack", "HJ DJ CA CT CK SA HA H9 D8 D7", false, false, 0, 0, 0, 50},
        {"the same without the Spades Jack, leading", "HJ DJ CA CT CK SA HA H9 D8 D7", true, false, 3228, 96, 1, 60},
        // One Jack (step 5).
        {"four Aces, two Ace-Ten suits", "CJ CA CT CK SA HA HT H9 DA D8", true, false, 3226, 72, 1, 50},
        {"three Ace-Ten suits", "CJ CA CT SA ST S7 HA HT H7 DT", true, false, 3121, 48, 0, 50},
        {"two Ace-Ten suits and three Tens", "CJ CA CT C9 ST SK HA HT DA D7", true, false, 3120, 48, 0, 60},
    };
    for (const GrandCase& c : cases) {
        const int* grand = Evaluate(c);
        SCOPED_TRACE(testing::Message() << c.why << ": " << c.cards);
        EXPECT_EQ(grand[OPT_RULE], c.rule);
        EXPECT_EQ(grand[OPT_BASE], c.rule == 0 ? 0 : 24);
        EXPECT_EQ(grand[OPT_VALUE], c.value);
        EXPECT_EQ(grand[OPT_HAND], c.hand);
        EXPECT_EQ(grand[OPT_PROBABILITY], c.probability);
    }
}

// While the players of a Ramsch round are asked about Grand Hand, the 320x rules lift a hand
// that the bidding would judge lower or not at all.
TEST_F(GrandEvaluationTest, GrandHandQuestionOfARamschRound) {
    const GrandCase cases[] = {
        {"three Jacks, a run of one", "CJ HJ DJ CA C8 SA HK H8 DT DK", true, true, 3203, 72, 1, 60},
        {"... without the question", "CJ HJ DJ CA C8 SA HK H8 DT DK", true, false, 3148, 48, 0, 60},
        {"three Jacks, two Aces", "CJ SJ DJ CA C9 HK H7 DA D9 D7", false, true, 3207, 96, 1, 50},
        {"... without the question", "CJ SJ DJ CA C9 HK H7 DA D9 D7", false, false, 0, 0, 0, 50},
        {"three Jacks, one Ace and two voids", "CJ SJ DJ CA CK C8 ST S9 S8 S7", true, true, 3208, 96, 1, 60},
        {"two Jacks, two Aces and Ace-Ten-King", "CJ HJ CA CT CK S8 HT HK H9 DA", false, true, 3205, 72, 1, 50},
        {"without two, all four Aces", "HJ DJ CA C8 SA S8 HA HK DA D9", false, true, 3204, 96, 1, 60},
        {"... without the question", "HJ DJ CA C8 SA S8 HA HK DA D9", false, false, 3142, 72, 0, 60},
    };
    for (const GrandCase& c : cases) {
        const int* grand = Evaluate(c);
        SCOPED_TRACE(testing::Message() << c.why << ": " << c.cards);
        EXPECT_EQ(grand[OPT_RULE], c.rule);
        EXPECT_EQ(grand[OPT_VALUE], c.value);
        EXPECT_EQ(grand[OPT_HAND], c.hand);
        EXPECT_EQ(grand[OPT_PROBABILITY], c.probability);
    }
}

// Nine tricks with all four Aces promise Schneider where the rule set lets a Hand game announce
// it; the Ramsch-only rule set allows no announcement, and the option keeps only its Hand.
TEST_F(GrandEvaluationTest, FourAcesAndNineTricksAnnounceSchneiderWhereTheRulesAllow) {
    const GrandCase c = {"four Aces", "CJ HJ CA SA ST HA HT H8 DA DT", true, false, 3424, 120, 1, 90};
    for (int rules : {0, 2}) {
        SCOPED_TRACE(testing::Message() << "rule set " << rules);
        const int* grand = Evaluate(c, rules);
        EXPECT_EQ(grand[OPT_RULE], 3424);
        EXPECT_EQ(grand[OPT_TRICKS], 9);
        EXPECT_EQ(grand[OPT_HAND], 1);
        EXPECT_EQ(grand[OPT_SCHNEIDER], rules == 0 ? 1 : 0);
        EXPECT_EQ(grand[OPT_SCHWARZ], 0);
        EXPECT_EQ(grand[OPT_VALUE], rules == 0 ? 120 : 72);  // with one, Hand, (Schneider): 5 or 3 x 24
    }
}

}  // namespace
