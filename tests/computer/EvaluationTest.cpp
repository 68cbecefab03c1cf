// Game evaluation and bid limits of characteristic hands under the rule sets and risk settings,
// the announcement rules, and the trick estimator's sheet conventions.

#include "ComputerTestSupport.h"

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/TrickEstimator.h"

namespace {

class EvaluationTest : public ComputerTest {
protected:
    // Four Jacks, Ace-Ten-King of Clubs and Spades, a Hearts Ace: a Grand that cannot lose.
    void GiveStrongGrand(CPlayer& player) { GiveCards(player, "CJ SJ HJ DJ CA CT CK SA ST HA"); }
    // Nothing: no Jack, no Ace, no Ten, scattered low cards with picture cards in every suit.
    void GiveWeakHand(CPlayer& player) { GiveCards(player, "CK C9 SQ S8 HK H9 HQ DK DQ D9"); }
};

TEST_F(EvaluationTest, StrongGrandBidsHighAndAWeakHandPasses) {
    GiveStrongGrand(seat0);
    const int limit = CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    const int* grand = seat0.gameOptions[GAME_GRAND];
    EXPECT_EQ(grand[OPT_BASE], 24);
    EXPECT_GE(grand[OPT_TRICKS], 8);
    EXPECT_GE(limit, 24 * 5);  // with four, game five
    EXPECT_EQ(limit, grand[OPT_VALUE]);

    GiveWeakHand(seat1);
    g_Game.Forehand = 0;
    EXPECT_EQ(CGameEvaluation(seat1).AnalyseAndEvaluate(0), 0);
    for (int t = 0; t < 7; ++t) EXPECT_EQ(seat1.gameOptions[t][OPT_BASE], 0) << "option " << t;
}

TEST_F(EvaluationTest, LongTrumpSuitWithJacksIsPlayedAndARiskOfElevenSwitchesItOff) {
    // Clubs and Spades Jack with seven Hearts from the Ace: a strong Hearts game.
    GiveCards(seat0, "CJ SJ HA HT HK HQ H9 H8 CA S7");
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    const int* hearts = seat0.gameOptions[GAME_HEARTS];
    EXPECT_EQ(hearts[OPT_BASE], 10);
    EXPECT_GE(hearts[OPT_RULE], 2400);  // a strong code
    EXPECT_GE(hearts[OPT_VALUE], 30);   // with two, game three at least
    // Risk setting 11 for Hearts: that game is off in the bidding, whatever the hand.
    g_Risk.RiskSuit[0] = 0x05050B05 | (11 << 16);
    g_Risk.RiskSuit[0] = (0x05 << 24) | (11 << 16) | (0x05 << 8) | 0x05;
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(seat0.gameOptions[GAME_HEARTS][OPT_BASE], 0);
}

TEST_F(EvaluationTest, SafeNullAndTheNullRiskSetting) {
    g_Game.Forehand = 1;
    // Low cards in every suit: Null Ouvert Hand material.
    GiveCards(seat0, "C7 C8 C9 S7 S8 H7 H8 H9 D7 D8");
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    const int* null = seat0.gameOptions[GAME_NULL];
    EXPECT_EQ(null[OPT_BASE], 59);
    EXPECT_EQ(null[OPT_RULE], 6100);
    EXPECT_EQ(null[OPT_VALUE], 59);
    // RiskNull 11: Null and Revolution stay off without evaluation, the Null block untouched.
    SheetOf(seat0).Rows[SHEET_NULL][7][0] = 12345;
    g_Risk.RiskNull[0] = 11;
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(seat0.gameOptions[GAME_NULL][OPT_BASE], 0);
    EXPECT_EQ(seat0.gameOptions[GAME_REVOLUTION][OPT_BASE], 0);
    EXPECT_EQ(SheetOf(seat0).Rows[SHEET_NULL][7][0], 12345);
}

TEST_F(EvaluationTest, RevolutionHandTest) {
    g_Game.Forehand = 0;
    // Four Spades without the Eight, six Hearts: fails for the forehand seat.
    GiveCards(seat0, "SA S9 S7 SK HA HK HQ H9 H8 H7");
    seat0.AnalyseHand(0);
    g_Game.GameType = GAME_NULL;
    EXPECT_FALSE(CGameEvaluation(seat0).IsRevolutionHand());
    g_Game.Forehand = 1;
    EXPECT_TRUE(CGameEvaluation(seat0).IsRevolutionHand());
    g_Game.Forehand = 0;
    seat0.cards[1] = C(EIGHT, SPADES);
    seat0.AnalyseHand(0);
    EXPECT_TRUE(CGameEvaluation(seat0).IsRevolutionHand());
}

TEST_F(EvaluationTest, SchneiderAndOuvertRulesByRuleSet) {
    struct Case {
        int variant, round, schneiderSetting, ouvertSetting;
        int hand;
        bool schneider, ouvertHand, ouvertPlain;
    };
    const Case cases[] = {
        {0, 0, 0, 2, 1, true, false, false},   // official: Schneider only with Hand, Ouvert needs both
        {0, 0, 0, 2, 0, false, false, false},
        {1, 0, 0, 2, 0, true, true, true},     // variants: Schneider always, Ouvert setting 2 always
        {1, 0, 1, 1, 0, false, true, false},   // setting 1: Schneider only with Hand; Ouvert needs a
        {1, 2, 0, 2, 1, false, false, false},  // a Ramsch round allows neither
        {2, 0, 0, 2, 1, false, false, false},
    };
    for (const Case& c : cases) {
        g_Game.VariantMode = c.variant;
        g_Game.RoundStatus = c.round;
        g_Settings.Variants.Schneider = c.schneiderSetting;
        g_Settings.Variants.Ouvert = c.ouvertSetting;
        SCOPED_TRACE(testing::Message() << "variant " << c.variant << " round " << c.round);
        EXPECT_EQ(CheckSchneiderRule(c.hand), c.schneider);
        EXPECT_EQ(CheckOuvertRule(1, 0), c.ouvertHand);
        EXPECT_EQ(CheckOuvertRule(0, 0), c.ouvertPlain);
    }
}

TEST_F(EvaluationTest, TenTrumpsStartAtTenAndEndAtNineForASeatThatDoesNotLead) {
    GiveCards(seat0, "CJ SJ HJ DJ CA CT CK CQ C9 C8");
    g_Game.Forehand = 1;
    seat0.AnalyseHand(0);
    EXPECT_EQ(seat0.EstimateTricks(GAME_CLUBS), 9);
    EXPECT_EQ(seat0.CountExtraTricks(GAME_CLUBS), 0);  // a run of four loses nothing
    // A rule that did not apply keeps 65535 in field 0 but carries the estimate in field 2.
    const auto& rows = SheetOf(seat0).Rows[GAME_CLUBS];
    EXPECT_EQ(rows[7][0], SHEET_EMPTY);
    EXPECT_EQ(rows[7][2], 10);
    EXPECT_EQ(rows[6][2], 10);
    EXPECT_EQ(rows[24][0], 9);
}

TEST_F(EvaluationTest, ClearingAllViewsLeavesTheNullAndPlayBlocks) {
    TrickEstimationSheet& sheet = SheetOf(seat0);
    sheet.Rows[SHEET_NULL][0][0] = 4;
    sheet.Rows[SHEET_PLAY][0][0] = 6;
    sheet.Rows[2][3][0] = 9;
    seat0.ClearEstimationSheet(-1);
    EXPECT_EQ(sheet.Rows[2][3][0], SHEET_EMPTY);
    EXPECT_EQ(sheet.Rows[SHEET_NULL][0][0], 4);
    EXPECT_EQ(sheet.Rows[SHEET_PLAY][0][0], 6);
}

TEST_F(EvaluationTest, EvaluationIsDeterministicAndDrawsNothing) {
    GiveStrongGrand(seat0);
    const auto draws = platform::Random().DrawCount();
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(platform::Random().DrawCount(), draws);
}

}  // namespace

namespace {

// The four characteristic hands under each rule set (official, variants, Ramsch only) and three
// risk settings (0, the neutral 5, a cautious 9) for every game of the seat.
TEST_F(EvaluationTest, BidLimitsOfCharacteristicHandsUnderEveryRuleSetAndRisk) {
    const std::vector<int> strongGrand = ParseCards("CJ SJ HJ DJ CA CT CK SA ST HA");
    const std::vector<int> longHearts = ParseCards("CJ SJ HA HT HK HQ H9 H8 CA S7");
    const std::vector<int> safeNull = ParseCards("C7 C8 C9 S7 S8 H7 H8 H9 D7 D8");
    const std::vector<int> weak = ParseCards("CK C9 SQ S8 HK H9 HQ DK DQ D9");
    struct Case {
        const char* hand;
        std::vector<int> cards;
        int limit[3][3];  // [rule set][risk 0, 5, 9]
    };
    const Case cases[] = {
        // Grand Ouvert Hand with Schneider and Schwarz (24 x 11) where open games are allowed;
        // Grand Hand with four (24 x 6) in the Ramsch-only rule set.
        {"strong Grand", strongGrand, {{264, 264, 264}, {264, 264, 264}, {144, 144, 144}}},
        // Grand with two (24 x 4) up to a cautious setting, then the sure Hearts game stands.
        {"long Hearts with two Jacks", longHearts, {{96, 96, 60}, {120, 120, 70}, {96, 96, 40}}},
        // Null Ouvert Hand, or Revolution where the variants allow it.
        {"safe Null", safeNull, {{59, 59, 59}, {92, 92, 92}, {59, 59, 59}}},
        {"weak hand", weak, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    };
    const int risks[3] = {0, 5, 9};
    for (const Case& c : cases) {
        for (int rules = 0; rules < 3; ++rules) {
            for (int r = 0; r < 3; ++r) {
                SetUp();
                g_Game.VariantMode = rules;
                g_Game.Forehand = 1;
                g_Risk.RiskSuit[0] = risks[r] * 0x01010101;
                g_Risk.RiskGrand[0] = g_Risk.RiskNull[0] = risks[r];
                for (auto& record : seat0.gameOptions) ClearGameOption(record);
                GiveCards(seat0, c.cards);
                const int limit = CGameEvaluation(seat0).AnalyseAndEvaluate(0);
                EXPECT_EQ(limit, c.limit[rules][r]) << c.hand << ", rule set " << rules << ", risk " << risks[r];
                // The limit is always the value of one option that is on.
                bool found = limit == 0;
                for (int t = 0; t < 7; ++t)
                    found = found || (seat0.gameOptions[t][OPT_BASE] != 0 && seat0.gameOptions[t][OPT_VALUE] == limit);
                EXPECT_TRUE(found) << c.hand << ", rule set " << rules << ", risk " << risks[r];
            }
        }
    }
}

TEST_F(EvaluationTest, RuleSetsDecideOpenGamesRevolutionAndWeakSuitOptions) {
    const int* grand = seat0.gameOptions[GAME_GRAND];
    const int* hearts = seat0.gameOptions[GAME_HEARTS];
    GiveStrongGrand(seat0);
    for (int rules : {0, 1, 2}) {
        g_Game.VariantMode = rules;
        CGameEvaluation(seat0).AnalyseAndEvaluate(0);
        EXPECT_EQ(grand[OPT_OUVERT], rules == 2 ? 0 : 1) << rules;
        EXPECT_EQ(grand[OPT_HAND], 1) << rules;
    }
    // A cautious Hearts setting drops the doubtful Hearts option, except under the variants with
    // Ramsch, where it stays in the records marked as weak (1304) for the all-passed judgement.
    g_Risk.RiskSuit[0] = 9 * 0x01010101;
    g_Game.VariantMode = VARIANT_OFFICIAL;
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(hearts[OPT_BASE], 0);
    g_Game.VariantMode = VARIANT_SKAT;
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(hearts[OPT_BASE], 10);
    EXPECT_EQ(hearts[OPT_RULE], 1304);
    g_Settings.Variants.Ramsch = 0;
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(hearts[OPT_BASE], 0);
    // Revolution: only the variants with the setting on.
    g_Game.Forehand = 1;
    GiveCards(seat0, "C7 C8 C9 S7 S8 H7 H8 H9 D7 D8");
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(seat0.gameOptions[GAME_REVOLUTION][OPT_BASE], 92);
    g_Settings.Variants.Revolution = 0;
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    EXPECT_EQ(seat0.gameOptions[GAME_REVOLUTION][OPT_BASE], 0);
    EXPECT_EQ(seat0.gameOptions[GAME_NULL][OPT_BASE], 59);
}

}  // namespace
