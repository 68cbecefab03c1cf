// Kontra and Rekontra: who may announce under which rules, the start-of-play question that leaves
// the state alone, and a strong Grand defender.

#include "ComputerTestSupport.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/Kontra.h"
#include "computer/evaluation/KontraDecision.h"
#include "computer/play/NullPlay.h"
#include "model/Skat.h"
#include "support/SkatTestAccess.h"

namespace {

class KontraTest : public ComputerTest {
protected:
    // Defender seat 0 against a Grand of the person (seat 2): three Jacks from the top and three Aces.
    void StrongGrandDefender() {
        GiveCards(seat0, "CJ SJ HJ CA CT CK CQ SA ST HA");
        g_Game.GameType = GAME_GRAND;
        g_Game.TrumpCount = 4;
        g_Game.Soloist = 2;
        g_Game.KontraState = KONTRA_NONE;
        g_Game.KontraSeat = 1;
        seat0.AnalyseHand(0);
    }
};

TEST_F(KontraTest, RuleSetsDecideWhoMayAnnounce) {
    StrongGrandDefender();
    struct Case {
        int variant, roundStatus, hasBid, kontraSetting;
        bool permitted;
    };
    const Case cases[] = {
        {0, 0, 1, 1, false},  // official rules: never
        {1, 0, 1, 1, true},   // variants: the defender bid
        {1, 0, 0, 1, false},  // variants: did not bid, normal round
        {1, 2, 0, 1, true},   // variants: did not bid, but Grand in a Ramsch round
        {2, 0, 0, 1, true},   // Ramsch only: Grand
        {1, 0, 1, 0, false},  // the setting is off
    };
    for (const Case& c : cases) {
        g_Game.VariantMode = c.variant;
        g_Game.RoundStatus = c.roundStatus;
        g_Game.HasBid[0] = static_cast<unsigned char>(c.hasBid);
        g_Settings.Variants.Kontra = c.kontraSetting;
        EXPECT_EQ(KontraPermitted(seat0), c.permitted) << c.variant << " " << c.roundStatus << " " << c.hasBid;
    }
}

TEST_F(KontraTest, StrongGrandDefenderAnnouncesAndTheQuestionChangesNothing) {
    StrongGrandDefender();
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.HasBid[0] = 1;
    // The start-of-play question is not asked against the person's game.
    EXPECT_FALSE(CKontraDecision(seat0).DecideKontra());
    g_Game.Soloist = 1;
    EXPECT_TRUE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    EXPECT_EQ(g_Game.KontraSeat, 1);  // put back as it was
    EXPECT_TRUE(CKontraDecision(seat0).AnnounceKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_EQ(g_Game.KontraSeat, 0);
    EXPECT_EQ(seat0.gameOptions[GAME_GRAND][OPT_RULE], 3570);  // three matadors, covered side suits
    // Once Kontra stands, nobody announces it again.
    EXPECT_FALSE(CKontraDecision(seat1).AnnounceKontra());
}

TEST_F(KontraTest, OfficialRulesNeverKontraAndTheSoloistNeverDoes) {
    StrongGrandDefender();
    g_Game.VariantMode = VARIANT_OFFICIAL;
    g_Game.HasBid[0] = 1;
    EXPECT_FALSE(CKontraDecision(seat0).DecideKontra());
    EXPECT_FALSE(CKontraDecision(seat0).AnnounceKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.Soloist = 0;
    EXPECT_FALSE(CKontraDecision(seat0).AnnounceKontra());
}

}  // namespace

namespace {

// A defender (seat 0) against the suit game or Null of seat 1, who leads; the rules let him announce.
class KontraEstimateTest : public ComputerTest {
protected:
    void Defend(int type, const std::vector<int>& cards) {
        g_Game.SetGameType(type);
        g_Game.Soloist = 1;
        g_Game.Forehand = 1;
        g_Game.VariantMode = VARIANT_SKAT;
        g_Game.HasBid[0] = 1;
        GiveCards(seat0, cards);
        seat0.AnalyseHand(0);
    }
    // The same with the cards written out ("CJ HJ H7 ...").
    void Defend(int type, const char* cards) {
        const std::vector<int> hand = ParseCards(cards);
        Defend(type, std::vector<int>{});
        for (std::size_t slot = 0; slot < hand.size(); ++slot) {
            seat0.cards[slot] = hand[slot];
            seat0.present[slot] = 1;
        }
        seat0.count = static_cast<int>(hand.size());
        seat0.AnalyseHand(0);
    }
    int Code(int type) const { return seat0.gameOptions[type][OPT_RULE]; }
};

TEST_F(KontraEstimateTest, SuitGameDefenderHands) {
    struct Case {
        const char* hand;
        std::vector<int> cards;
        int code;  // 0: no Kontra
    };
    const Case cases[] = {
        {"six trumps with the top Jack", ParseCards("CJ HA HT HK HQ H9 C7 C8 S7 D7"), 2999},
        {"three trumps, nothing high", ParseCards("DJ H7 H8 C7 C8 C9 S7 S8 D7 D8"), 0},
        {"three matadors and two side Aces", ParseCards("CJ SJ HJ CA CT C7 SA ST D7 D8"), 2980},
        {"two Jacks and Ace-Ten aside", ParseCards("CJ SJ H7 H8 CA CT C7 S7 S8 D7"), 2991},
        {"one Jack, the trump Ace and three Aces", ParseCards("HJ HA H7 H8 CA C7 SA S7 D7 D8"), 2990},
    };
    for (const Case& c : cases) {
        SetUp();
        seat0.gameOptions[GAME_HEARTS][OPT_RULE] = 0;
        Defend(GAME_HEARTS, c.cards);
        const bool would = CKontraDecision(seat0).DecideKontra();
        EXPECT_EQ(would, c.code != 0) << c.hand;
        EXPECT_EQ(Code(GAME_HEARTS), c.code) << c.hand;
        EXPECT_EQ(g_Game.KontraState, KONTRA_NONE) << c.hand;
        EXPECT_EQ(CKontraDecision(seat0).AnnounceKontra(), c.code != 0) << c.hand;
        EXPECT_EQ(g_Game.KontraSeat, c.code != 0 ? 0 : 3) << c.hand;
    }
}

TEST_F(KontraEstimateTest, SoloistsLeadIsWeighedBySuitAndATrumpLeadByTrumps) {
    // Seat 1 plays Hearts and leads; seat 0 holds the Clubs and a second Jack, no Ace, no void.
    // A Jack led is a trump: the defender's trumps count, never the Jack's printed suit.
    CSkat game;
    g_ComputerFrame.Game = &game;
    struct Case {
        const char* cards;
        const char* led;
        int code;  // 0: no Kontra
    };
    const Case cases[] = {
        {"CJ HJ H7 H8 S7 C7 C8 C9 D7 D8", "SJ", 0},     // one Spade, four trumps
        {"CJ HJ H7 H8 S7 S8 C7 C8 D7 D8", "SJ", 0},     // two Spades, the same trumps
        {"CJ HJ DJ H7 S7 S8 C7 C8 D7 D8", "H9", 0},     // one Hearts card, but four trumps
        {"CJ HJ H7 H8 S7 C7 C8 C9 D7 D8", "SK", 2991},  // a Spade led: the single Spade counts
        {"CJ HJ H7 H8 S7 S8 C7 C8 D7 D8", "SK", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cards << " against " << c.led);
        seat0.gameOptions[GAME_HEARTS][OPT_RULE] = 0;
        Defend(GAME_HEARTS, c.cards);
        SkatTestAccess::Trick(game).cards[1] = ParseCards(c.led)[0];
        SkatTestAccess::Trick(game).present[1] = 1;
        EXPECT_EQ(CKontraDecision(seat0).DecideKontra(), c.code != 0);
        EXPECT_EQ(Code(GAME_HEARTS), c.code);
    }
    g_ComputerFrame.Game = nullptr;
}

TEST_F(KontraEstimateTest, SuitGameAgainstAnOpenHandFollowsItsWinProbability) {
    // A hand that would not announce on its own cards.
    Defend(GAME_HEARTS, ParseCards("DJ H7 H8 C7 C8 C9 S7 S8 D7 D8"));
    g_Game.Soloist = 1;
    g_Game.OuvertAnnounced = 1;
    seat0.SetPartner(&seat1);
    seat1.gameOptions[GAME_HEARTS][OPT_PROBABILITY] = 45;
    EXPECT_TRUE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(Code(GAME_HEARTS), 2993);
    seat1.gameOptions[GAME_HEARTS][OPT_PROBABILITY] = 70;
    seat0.gameOptions[GAME_HEARTS][OPT_RULE] = 0;
    EXPECT_FALSE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(Code(GAME_HEARTS), 0);
}

TEST_F(KontraEstimateTest, NullAgainstHiddenCardsWantsFourOfASuitWithoutTheEight) {
    Defend(GAME_NULL, ParseCards("CA CK C9 C7 ST SJ HQ HK DA DK"));
    EXPECT_TRUE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(Code(GAME_NULL), 6220);
    // The same four with the Eight instead of the Seven are no trap.
    Defend(GAME_NULL, ParseCards("CA CK C9 C8 ST SJ HQ HK DA DK"));
    seat0.gameOptions[GAME_NULL][OPT_RULE] = 0;
    EXPECT_FALSE(CKontraDecision(seat0).DecideKontra());
}

TEST_F(KontraEstimateTest, NullOuvertDefenderCatchesABareHighCard) {
    // The soloist (seat 1) shows a bare Ten of Spades; the defender holds the Seven below it.
    g_Game.SetGameType(GAME_NULL);
    GiveCards(seat1, "ST C7 C8 C9 H7 H8 H9 D7 D8 D9");
    seat1.AnalyseHand(0);
    Defend(GAME_NULL, ParseCards("S7 S8 CA CK CQ HA HK DA DK DQ"));
    g_Game.Soloist = 1;
    g_Game.OuvertAnnounced = 1;
    seat0.SetPartner(&seat1);
    EXPECT_FALSE(CNullPlay(seat1).EvaluateNullFollow(NO_CARD, SPADES));
    EXPECT_TRUE(CKontraDecision(seat0).AnnounceKontra());
    EXPECT_EQ(Code(GAME_NULL), 6264);
}

TEST_F(KontraEstimateTest, RevolutionWithACommittedCardAnnouncesAtOnce) {
    Defend(GAME_REVOLUTION, ParseCards("S7 S8 S9 ST C7 C8 C9 H7 H8 D7"));
    EXPECT_FALSE(CKontraDecision(seat0).DecideKontra());
    seat0.forcedCard = C(SEVEN, SPADES);
    EXPECT_TRUE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
}

TEST_F(KontraEstimateTest, NullRekontraWhenTheSoloistCannotBeForced) {
    g_Game.SetGameType(GAME_NULL);
    g_Game.Soloist = 1;
    g_Game.KontraState = KONTRA_SAID;
    struct Case {
        const char* name;
        std::vector<int> cards;
        bool rekontra;
    };
    const Case cases[] = {
        {"every suit held from its Seven", ParseCards("C7 C8 C9 S7 S8 H7 H8 H9 D7 D8"), true},
        {"the Eight of Spades without the Seven can be forced", ParseCards("C7 C8 C9 S8 S9 H7 H8 H9 D7 D8"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.KontraState = KONTRA_SAID;
        GiveCards(seat1, c.cards);
        seat1.AnalyseHand(0);
        EXPECT_EQ(CKontraDecision(seat1).AnnounceRekontra(), c.rekontra);
        EXPECT_EQ(seat1.gameOptions[GAME_NULL][OPT_RULE], c.rekontra ? 6210 : 0);
    }
    // A card left pending by the strategy (forcedCard -1) withholds the Rekontra.
    g_Game.KontraState = KONTRA_SAID;
    GiveCards(seat1, cases[0].cards);
    seat1.AnalyseHand(0);
    seat1.forcedCard = -1;
    EXPECT_FALSE(CKontraDecision(seat1).AnnounceRekontra());
}

TEST_F(KontraEstimateTest, NullSafetyCountsOutCardsAgainstLowerHeldCards) {
    g_Game.SetGameType(GAME_NULL);
    GiveCards(seat0, "C7 S8 H7 H9 HJ DA DK DQ DJ DT");
    seat0.AnalyseHand(0);
    EXPECT_TRUE(CNullPlay(seat0).EvaluateNullFollow(NO_CARD, CLUBS));    // only the Seven
    EXPECT_FALSE(CNullPlay(seat0).EvaluateNullFollow(NO_CARD, SPADES));  // only the Eight, the Seven out
    EXPECT_TRUE(CNullPlay(seat0).EvaluateNullFollow(NO_CARD, HEARTS));   // 7, 9, J: each out card finds one below
    EXPECT_FALSE(CNullPlay(seat0).EvaluateNullFollow(NO_CARD, DIAMONDS));
    EXPECT_FALSE(CNullPlay(seat0).EvaluateNullFollow(NO_CARD, -1));
    // The Eight counted as played leaves nothing to force in Spades.
    EXPECT_TRUE(CNullPlay(seat0).EvaluateNullFollow(C(EIGHT, SPADES), SPADES));
    // Once the Seven is gone, the Eight is safe too.
    SetCardLocation(C(SEVEN, SPADES), 0);
    EXPECT_TRUE(CNullPlay(seat0).EvaluateNullFollow(NO_CARD, SPADES));
}

TEST_F(KontraEstimateTest, GrandInARamschRoundLetsEveryDefenderJudge) {
    // Two Jacks from the top and three short Aces: the Ramsch round's own rule, else rule 7.
    Defend(GAME_GRAND, ParseCards("CJ SJ CA C7 SA S7 HA H7 D7 D8"));
    g_Game.HasBid[0] = 0;
    EXPECT_FALSE(CKontraDecision(seat0).DecideKontra());  // did not bid, normal round
    g_Game.RoundStatus = ROUND_RAMSCH;
    EXPECT_TRUE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(Code(GAME_GRAND), 3550);
    g_Game.RoundStatus = ROUND_NORMAL;
    g_Game.HasBid[0] = 1;
    EXPECT_TRUE(CKontraDecision(seat0).DecideKontra());
    EXPECT_EQ(Code(GAME_GRAND), 3538);
}

}  // namespace

namespace {

TEST_F(KontraEstimateTest, GrandRekontraNeedsMoreTricksForEachAnnouncement) {
    // Seat 1 plays Grand with a hand that takes every trick, then with one that takes few.
    g_Game.SetGameType(GAME_GRAND);
    g_Game.Soloist = 1;
    g_Game.Forehand = 1;
    GiveCards(seat1, "CJ SJ HJ DJ CA CT CK SA ST HA");
    seat1.AnalyseHand(0);
    ASSERT_EQ(seat1.EstimateTricks(GAME_GRAND), 10);
    // Ten tricks: Rekontra under every announcement, with the code of the announcement.
    struct Case {
        int schneider, schwarz, ouvert, code;
    };
    const Case cases[] = {{0, 0, 0, 3517}, {1, 0, 0, 3519}, {1, 1, 0, 3520}, {0, 0, 1, 3520}};
    int* grand = seat1.gameOptions[GAME_GRAND];
    for (const Case& c : cases) {
        g_Game.KontraState = KONTRA_SAID;
        grand[OPT_SCHNEIDER] = c.schneider;
        grand[OPT_SCHWARZ] = c.schwarz;
        grand[OPT_OUVERT] = c.ouvert;
        EXPECT_TRUE(CKontraDecision(seat1).AnnounceRekontra()) << c.code;
        EXPECT_EQ(g_Game.KontraState, KONTRA_REKONTRA) << c.code;
        EXPECT_EQ(grand[OPT_RULE], c.code);
    }
    // Nine tricks: enough with Schneider announced, not with Schwarz.
    const std::vector<int> nine = ParseCards("CJ HJ CA SA ST HA HT H8 DA DT");
    for (std::size_t slot = 0; slot < nine.size(); ++slot) seat1.cards[slot] = nine[slot];
    seat1.AnalyseHand(0);
    ASSERT_EQ(seat1.EstimateTricks(GAME_GRAND), 9);
    const Case nineCases[] = {{1, 0, 0, 3519}, {1, 1, 0, 0}};
    for (const Case& c : nineCases) {
        g_Game.KontraState = KONTRA_SAID;
        grand[OPT_SCHNEIDER] = c.schneider;
        grand[OPT_SCHWARZ] = c.schwarz;
        grand[OPT_OUVERT] = c.ouvert;
        EXPECT_EQ(CKontraDecision(seat1).AnnounceRekontra(), c.code != 0) << c.schwarz;
        EXPECT_EQ(grand[OPT_RULE], c.code) << c.schwarz;
    }
    GiveCards(seat1, "DJ C7 C8 C9 S7 S8 H7 H8 D7 D8");
    seat1.AnalyseHand(0);
    grand[OPT_SCHNEIDER] = grand[OPT_SCHWARZ] = grand[OPT_OUVERT] = 0;
    g_Game.KontraState = KONTRA_SAID;
    ASSERT_EQ(seat1.EstimateTricks(GAME_GRAND), 1);
    EXPECT_FALSE(CKontraDecision(seat1).AnnounceRekontra());
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
}

}  // namespace

namespace {

// Seat 1, who leads, plays the game; the Kontra was said and he weighs Rekontra on his estimate.
class RekontraThresholdTest : public ComputerTest {
protected:
    int Estimate(int type, const char* cards) {
        SetUp();
        g_Game.SetGameType(type);
        g_Game.Soloist = 1;
        g_Game.Forehand = 1;
        g_Game.KontraState = KONTRA_SAID;
        const std::vector<int> hand = ParseCards(cards);
        for (auto& card : seat1.cards) card = NO_CARD;
        for (std::size_t i = 0; i < hand.size() && i < 10; ++i) {
            seat1.cards[i] = hand[i];
            seat1.present[i] = 1;
        }
        seat1.count = 10;
        seat1.AnalyseHand(0);
        return seat1.EstimateTricks(type);
    }
};

TEST_F(RekontraThresholdTest, SuitGameAtSixTricksNeedsARunOfTwo) {
    struct Case {
        const char* cards;
        int tricks;
        bool rekontra;
    };
    const Case cases[] = {
        {"CJ SJ HA H9 H8 H7 SA S7 C7 D7", 6, true},   // with two
        {"CJ DJ HA H9 H8 H7 SA S7 C7 D7", 6, false},  // with one
        {"CJ HJ HA HT H9 H8 H7 SA C7 D7", 7, true},   // seven tricks: any run
        {"CJ SJ HA HT H9 H8 SK S7 C7 D7", 5, false},  // five: not even with two
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Estimate(GAME_HEARTS, c.cards), c.tricks) << c.cards;
        EXPECT_EQ(CKontraDecision(seat1).AnnounceRekontra(), c.rekontra) << c.cards;
        EXPECT_EQ(g_Game.KontraState, c.rekontra ? KONTRA_REKONTRA : KONTRA_SAID) << c.cards;
        EXPECT_EQ(seat1.gameOptions[GAME_HEARTS][OPT_RULE], c.rekontra ? 3520 : 0) << c.cards;
    }
}

TEST_F(RekontraThresholdTest, GrandAtTheEdgesOfEachAnnouncement) {
    const char* six = "CJ SJ CA CT C9 S9 HA H7 DA DT";
    const char* seven = "CJ SJ CA CT C7 SA S9 S8 HA HT";
    const char* eight = "CJ SJ CA CT CK C7 SA HA H8 DQ";
    const char* nine = "CJ HJ CA SA ST HA HT H8 DA DT";
    struct Case {
        const char* cards;
        int tricks;
        int schneider, ouvert, schneiderSetting;
        int code;  // 0: no Rekontra
    };
    const Case cases[] = {
        {six, 6, 0, 0, 0, 0},
        {seven, 7, 0, 0, 0, 3517},
        {eight, 8, 1, 0, 0, 0},     // Schneider announced needs nine
        {nine, 9, 1, 0, 0, 3519},
        {nine, 9, 0, 1, 0, 3517},   // open, not sure of every trick: judged as a plain Grand
        {nine, 9, 0, 1, 3, 0},      // ... unless the Schneider setting 3 holds it back
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Estimate(GAME_GRAND, c.cards), c.tricks) << c.cards;
        g_Settings.Variants.Schneider = c.schneiderSetting;
        int* grand = seat1.gameOptions[GAME_GRAND];
        grand[OPT_SCHNEIDER] = c.schneider;
        grand[OPT_SCHWARZ] = 0;
        grand[OPT_OUVERT] = c.ouvert;
        SCOPED_TRACE(testing::Message() << c.cards << " Schneider " << c.schneider << " Ouvert " << c.ouvert);
        EXPECT_EQ(CKontraDecision(seat1).AnnounceRekontra(), c.code != 0);
        EXPECT_EQ(grand[OPT_RULE], c.code);
    }
}

}  // namespace
