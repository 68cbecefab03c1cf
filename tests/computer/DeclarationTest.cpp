// Game choice and declaration: the pre-selected game, ties between suit games, Hand or pick-up
// under scripted draws, the whole declaration of a strong hand, and the all-passed judgement.

#include "ComputerTestSupport.h"

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/Declaration.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/BidLadder.h"
#include "model/Skat.h"
#include "support/BidIndex.h"

namespace {

class DeclarationTest : public ComputerTest {
protected:
    void SetOption(CPlayer& player, int t, int base, int value, int probability, int hand = 0) {
        int* o = player.gameOptions[t];
        ClearGameOption(o);
        o[OPT_BASE] = base;
        o[OPT_VALUE_NO_HAND] = value;
        o[OPT_VALUE] = value + hand * base;
        o[OPT_HAND] = hand;
        o[OPT_PROBABILITY] = probability;
    }
    void Bid(int value) { g_Game.BidIndex = testsupport::BidIndexOf(value); }
    // Four Jacks, Ace-Ten-King of Clubs and Spades, a Hearts Ace.
    void GiveStrongGrand(CPlayer& player) { GiveCards(player, "CJ SJ HJ DJ CA CT CK SA ST HA"); }
    CSkat game;
};

TEST_F(DeclarationTest, ChooseGameTakesTheMostProbableOptionAndGrandAtSixty) {
    Bid(18);
    SetOption(seat0, GAME_SPADES, 11, 22, 70);
    SetOption(seat0, GAME_HEARTS, 10, 20, 70);  // equal: the earlier type stays
    seat0.ChooseGame(-1);
    EXPECT_EQ(g_Game.GameType, GAME_SPADES);
    EXPECT_EQ(g_Game.TrumpCount, 11);
    SetOption(seat0, GAME_GRAND, 24, 48, 60);  // Grand at 60 takes over without a higher probability
    seat0.gameOptions[GAME_GRAND][OPT_SCHNEIDER] = 1;
    seat0.ChooseGame(-1);
    EXPECT_EQ(g_Game.GameType, GAME_GRAND);
    EXPECT_EQ(g_Game.TrumpCount, 4);
    EXPECT_EQ(g_Game.SchneiderAnnounced, 1);
    // A Ramsch round sets the announcements but keeps its game type.
    g_Game.RoundStatus = ROUND_RAMSCH;
    g_Game.GameType = GAME_RAMSCH;
    seat0.gameOptions[GAME_GRAND][OPT_SCHNEIDER] = 0;
    seat0.ChooseGame(-1);
    EXPECT_EQ(g_Game.GameType, GAME_RAMSCH);
    EXPECT_EQ(g_Game.SchneiderAnnounced, 0);
    // Without suggestions nothing is chosen.
    g_Settings.Options.Suggest = 0;
    g_Game.OuvertAnnounced = 1;
    seat0.ChooseGame(-1);
    EXPECT_EQ(g_Game.GameType, GAME_NONE);
    EXPECT_EQ(g_Game.OuvertAnnounced, 0);
}

TEST_F(DeclarationTest, TiedSuitOptionsFavourTheLongerSuitThenTheOneWithoutItsAce) {
    struct Case {
        const char* name;
        std::vector<int> hand;
        int winner;
    };
    const std::vector<Case> cases = {
        {"four Spades against three Hearts: Spades", ParseCards("SA ST S9 S8 HK H9 H8 C7 C8 C9"), GAME_SPADES},
        {"three each, Spades with its Ace: Hearts", ParseCards("SA ST S9 HK H9 H8 C7 C8 C9 CT"), GAME_HEARTS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GiveCards(seat0, {c.hand[0], c.hand[1], c.hand[2], c.hand[3], c.hand[4], c.hand[5], c.hand[6], c.hand[7],
                          c.hand[8], c.hand[9]});
        for (int t = 0; t < 9; ++t) ClearGameOption(seat0.gameOptions[t]);
        SetOption(seat0, GAME_SPADES, 11, 22, 60);
        SetOption(seat0, GAME_HEARTS, 10, 20, 60);
        seat0.SelectDeclaredOption();
        EXPECT_EQ(seat0.gameOptions[c.winner][OPT_PROBABILITY], 65);
        EXPECT_EQ(seat0.gameOptions[c.winner == GAME_SPADES ? GAME_HEARTS : GAME_SPADES][OPT_PROBABILITY], 60);
    }
}

TEST_F(DeclarationTest, HandOrPickUpByOneDraw) {
    // A Hand-marked Grand at 75 percent that reaches the bid without Hand: d = 2.
    for (int draw : {0, 1}) {
        SetUp();
        GiveStrongGrand(seat0);
        seat0.AnalyseHand(0);
        for (int t = 0; t < 9; ++t) ClearGameOption(seat0.gameOptions[t]);
        SetOption(seat0, GAME_GRAND, 24, 120, 75, 1);
        GiveCards(game, "D7 D8");
        g_Game.Soloist = 0;
        Bid(18);
        platform::Random().Script({draw});
        const bool overbid = seat0.Declare(game);
        EXPECT_FALSE(overbid);
        EXPECT_EQ(g_Computer.SkatTaken, 1);
        EXPECT_EQ(g_Game.GameType, GAME_GRAND);
        if (draw == 0) {
            EXPECT_EQ(g_Game.HandAnnounced, 1);
            EXPECT_EQ(g_Game.PlayerPhaseText[0], 202);
            EXPECT_EQ(game.cards[0], C(SEVEN, DIAMONDS));  // the skat untouched
        } else {
            EXPECT_EQ(g_Game.HandAnnounced, 0);
            EXPECT_EQ(g_Game.PlayerPhaseText[0], 203);
            // Two cards lie in the skat and twelve distinct cards are between hand and skat.
            std::vector<int> all(seat0.cards.begin(), seat0.cards.begin() + 10);
            all.push_back(game.cards[0]);
            all.push_back(game.cards[1]);
            std::sort(all.begin(), all.end());
            EXPECT_EQ(std::unique(all.begin(), all.end()), all.end());
            EXPECT_NE(GetCardRank(game.cards[0]), JACK);
            EXPECT_NE(GetCardRank(game.cards[1]), JACK);
        }
    }
}

TEST_F(DeclarationTest, SureHandOptionNeedsNoDraw) {
    GiveStrongGrand(seat0);
    seat0.AnalyseHand(0);
    for (int t = 0; t < 9; ++t) ClearGameOption(seat0.gameOptions[t]);
    SetOption(seat0, GAME_GRAND, 24, 120, 81, 1);
    GiveCards(game, "D7 D8");
    g_Game.Soloist = 0;
    Bid(18);
    const auto before = platform::Random().DrawCount();
    seat0.Declare(game);
    EXPECT_EQ(platform::Random().DrawCount(), before);
    EXPECT_EQ(g_Game.HandAnnounced, 1);
}

TEST_F(DeclarationTest, StrongGrandDeclaresGrandAfterThePickUp) {
    GiveStrongGrand(seat0);
    GiveCards(game, "D7 H8");
    g_Game.Soloist = 0;
    Bid(18);
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    seat0.gameOptions[GAME_GRAND][OPT_HAND] = 0;
    EXPECT_FALSE(seat0.Declare(game));
    EXPECT_EQ(g_Game.GameType, GAME_GRAND);
    EXPECT_EQ(g_Game.TrumpCount, 4);
    // The two low cards stay laid away, the Jacks and Aces stay in the hand.
    for (int slot = 0; slot < 10; ++slot) EXPECT_NE(seat0.cards[slot], NO_CARD);
    EXPECT_EQ(DeclarationText(seat0, GAME_NULL).rfind("Comp1:Nl", 0), 0u);
}

TEST_F(DeclarationTest, AllPassedOnlyForForehandUnderTheVariants) {
    GiveStrongGrand(seat0);
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    g_Game.Forehand = 0;
    g_Game.VariantMode = VARIANT_OFFICIAL;
    EXPECT_EQ(seat0.EvaluateAllPassed(), 0);
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.Forehand = 1;
    EXPECT_EQ(seat0.EvaluateAllPassed(), 0);
    // Forehand with a strong hand under the variants keeps one suit option worth playing.
    g_Game.Forehand = 0;
    GiveCards(seat0, "CJ SJ HJ CA CT CK CQ C9 SA HA");
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    const int value = seat0.EvaluateAllPassed();
    EXPECT_GT(value, 0);
    int on = 0;
    for (int t = 0; t <= GAME_NULL; ++t) on += seat0.gameOptions[t][OPT_BASE] >= 1 ? 1 : 0;
    EXPECT_EQ(on, 1);
}

}  // namespace

namespace {

TEST_F(DeclarationTest, NoGameReachesTheBidSoTheNearestSuitIsDeclared) {
    // Nothing in hand or skat plays: the suit whose next multiple lies nearest above the bid.
    struct Case {
        int bid, type;
    };
    const Case cases[] = {
        {27, GAME_DIAMONDS},  // 36, 33, 30, 27: Diamonds exactly
        {23, GAME_CLUBS},     // 24, 33, 30, 27: Clubs one away
        {22, GAME_SPADES},    // 24, 22, 30, 27: Spades exactly
    };
    for (const Case& c : cases) {
        SetUp();
        g_Game.Forehand = 1;
        GiveCards(seat0, "CK C9 SQ S8 HK H9 HQ DK DQ D9");
        GiveCards(game, "CA SA");
        g_Game.Soloist = 0;
        Bid(c.bid);
        CGameEvaluation(seat0).AnalyseAndEvaluate(0);
        EXPECT_TRUE(seat0.Declare(game)) << c.bid;  // overbid
        EXPECT_EQ(g_Game.GameType, c.type) << c.bid;
        EXPECT_EQ(g_Game.HandAnnounced, 0) << c.bid;
    }
}

TEST_F(DeclarationTest, NullIsPlayedOpenOnlyWhenTheBidNeedsIt) {
    // Low cards with a Ten of Hearts and a King of Diamonds: Null after the pick-up.
    for (int bid : {23, 24}) {
        SetUp();
        g_Game.Forehand = 1;
        GiveCards(seat0, "C7 C8 C9 S7 S8 H7 H8 HT D7 DK");
        GiveCards(game, "CA SA");
        g_Game.Soloist = 0;
        Bid(bid);
        CGameEvaluation(seat0).AnalyseAndEvaluate(0);
        platform::Random().Script({1, 1, 1, 1});
        EXPECT_FALSE(seat0.Declare(game)) << bid;
        EXPECT_EQ(g_Game.GameType, GAME_NULL) << bid;
        EXPECT_EQ(g_Game.OuvertAnnounced, bid > 23 ? 1 : 0) << bid;
        // High cards were laid away: the King of Diamonds and one of the Aces.
        EXPECT_TRUE(game.cards[0] == C(KING, DIAMONDS) || game.cards[1] == C(KING, DIAMONDS)) << bid;
        EXPECT_TRUE(GetCardRank(game.cards[0]) == ACE || GetCardRank(game.cards[1]) == ACE) << bid;
        EXPECT_NE(game.cards[0], game.cards[1]) << bid;
    }
}

}  // namespace

namespace {

// Only a plain Null (23) plays after the pick-up; when the bid went past it, the soloist opens
// his cards to reach it, as far as Null Ouvert (46) carries.
TEST_F(DeclarationTest, APlainNullBelowTheBidBecomesNullOuvert) {
    struct Case {
        int bid;
        int type, ouvert, base;
        bool overbid;
    };
    const Case cases[] = {
        {23, GAME_NULL, 0, 23, false},   // the plain Null reaches the bid
        {24, GAME_NULL, 1, 46, false},
        {46, GAME_NULL, 1, 46, false},
        {48, GAME_CLUBS, 0, 23, true},   // beyond Null Ouvert: the nearest suit game, lost
    };
    for (const Case& c : cases) {
        SetUp();
        g_Game.Forehand = 1;
        const std::vector<int> cards = ParseCards("C7 C8 C9 CQ D7 D9 DK S9 H9 DT HT HK");
        for (auto& card : seat0.cards) card = NO_CARD;
        for (int i = 0; i < 10; ++i) {
            seat0.cards[i] = cards[i];
            seat0.present[i] = 1;
        }
        seat0.count = 10;
        GiveCards(game, {cards[10], cards[11]});
        g_Game.Soloist = 0;
        Bid(c.bid);
        CGameEvaluation(seat0).AnalyseAndEvaluate(0);
        platform::Random().Script({1, 1, 1, 1, 1, 1, 1, 1});
        SCOPED_TRACE(testing::Message() << "bid " << c.bid);
        EXPECT_EQ(seat0.Declare(game), c.overbid);
        EXPECT_EQ(g_Game.GameType, c.type);
        EXPECT_EQ(g_Game.OuvertAnnounced, c.ouvert);
        EXPECT_EQ(g_Game.HandAnnounced, 0);
        const int* null = seat0.gameOptions[GAME_NULL];
        EXPECT_EQ(null[OPT_RULE], 6000);  // the evaluation with the skat saw a plain Null
        EXPECT_EQ(null[OPT_BASE], c.base);
        EXPECT_EQ(null[OPT_VALUE], c.base);
        EXPECT_NE(game.cards[0], game.cards[1]);
    }
}

}  // namespace
