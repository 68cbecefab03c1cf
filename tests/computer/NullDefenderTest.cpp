// The Null defenders: the lead rules with the pending next card, the second and third card, and
// the first choices that read the soloist's open hand.

#include "CardPlayTestSupport.h"

#include "computer/evaluation/GameOption.h"
#include "computer/play/NullPlay.h"

namespace {

// Seat 0 is the soloist; seat 1 leads with the soloist two seats on (F false), the person's seat
// 2 sits before him (F true).
class NullDefenderTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_NULL);
        g_Game.FlowState = STATE_PLAY;
        g_Game.Soloist = 0;
        g_Game.Forehand = g_Game.TrickWinner = 1;
        StartPlayKnowledge();
    }
    static void Free(int seat, int suit) { g_Knowledge.VoidTable[seat][suit] = 0; }
};

struct DefenderLeadCase {
    const char* name;
    int seat;
    const char* hand;
    std::vector<int> draws;
    bool soloistFreeOfAll;
    const char* expected;
};

TEST_F(NullDefenderTest, LeadRules) {
    const DefenderLeadCase cases[] = {
        // A singleton scores 28 + its order without F (30 for the 9), above a 7-8 pair (16).
        {"singleton", 1, "C9 S7 S8 H7 H9 HJ", {}, false, "C9"},
        // Four cards whose low card is not safe and whose top is not top: 36 beats the singleton.
        {"four cards", 1, "C9 S8 S9 ST SJ", {1, 1, 1, 1}, false, "S8"},
        // The soloist lacks every suit: without F the highest card, with F the lowest.
        {"soloist free, no F", 1, "C7 CA S9", {}, true, "CA"},
        {"soloist free, F", 2, "C7 CA S9", {}, true, "C7"},
    };
    for (const DefenderLeadCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        CPlayer& player = c.seat == 1 ? static_cast<CPlayer&>(seat1) : seat2;
        g_Game.Forehand = g_Game.TrickWinner = c.seat;
        GiveHand(player, c.hand);
        if (c.soloistFreeOfAll)
            for (int s = 0; s < 4; ++s) Free(0, s);
        platform::Random().Script(c.draws);
        EXPECT_EQ(CardName(player.ServeCardDispatch(0, NO_CARD, NO_CARD)), c.expected);
    }
}

TEST_F(NullDefenderTest, CommittedCardLeadsAndItsSuccessorWaitsOverTwoTricks) {
    GiveHand(seat1, "S7 S9 SQ H8");
    seat1.forcedCard = C(SEVEN, SPADES);
    EXPECT_EQ(CardName(seat1.ServeCardDispatch(0, NO_CARD, NO_CARD)), "S7");
    EXPECT_EQ(seat1.forcedCard, -C(NINE, SPADES));
    // The trick is played; the flow makes the pending card due after he wins it in its suit.
    seat1.PlayCard(seat1.FindCard(C(SEVEN, SPADES)));
    SetCardLocation(C(SEVEN, SPADES), CARD_PLAYED);
    seat1.forcedCard = -seat1.forcedCard;
    EXPECT_EQ(CardName(seat1.ServeCardDispatch(0, NO_CARD, NO_CARD)), "S9");
    EXPECT_EQ(seat1.forcedCard, -C(QUEEN, SPADES));
}

TEST_F(NullDefenderTest, PendingCardNotYetDueIsDroppedAtTheLead) {
    GiveHand(seat1, "C9 S9 SQ H8");
    seat1.forcedCard = -C(NINE, SPADES);
    const int card = seat1.ServeCardDispatch(0, NO_CARD, NO_CARD);
    EXPECT_EQ(seat1.forcedCard, 0);
    EXPECT_EQ(CardName(card), "C9");  // the singleton rule, not the pending 9
}

TEST_F(NullDefenderTest, SecondBehindTheSoloistStaysUnderOrThrowsTheHighest) {
    g_Game.Forehand = g_Game.TrickWinner = 0;
    GiveHand(seat1, "C8 C9 CA");
    platform::Random().Script({0});  // the lowest run 8-9 keeps the 8 on an even draw
    EXPECT_EQ(CardName(seat1.ServeCardDispatch(1, C(TEN, CLUBS), NO_CARD)), "C8");
    GiveHand(seat1, "C8 C9 CA");
    platform::Random().Script({0});
    EXPECT_EQ(CardName(seat1.ServeCardDispatch(1, C(SEVEN, CLUBS), NO_CARD)), "CA");
}

TEST_F(NullDefenderTest, ThirdBehindABeatenSoloistThrowsTheHighest) {
    // The soloist led the 9, the partner's Jack already beats it.
    g_Game.Forehand = g_Game.TrickWinner = 0;
    GiveHand(seat2, "C7 CT CK");
    EXPECT_EQ(CardName(seat2.ServeCardDispatch(2, C(NINE, CLUBS), C(JACK, CLUBS))), "CK");
    // The partner stays under: the lowest run stays under the soloist as well.
    GiveHand(seat2, "C7 CT CK");
    EXPECT_EQ(CardName(seat2.ServeCardDispatch(2, C(NINE, CLUBS), C(EIGHT, CLUBS))), "C7");
}

// ---- First choices with the soloist's cards open --------------------------------------------

class NullOuvertFirstChoiceTest : public NullDefenderTest {
protected:
    void SetUp() override {
        NullDefenderTest::SetUp();
        g_Game.OuvertAnnounced = 1;
        seat1.SetPartner(&seat0);
        seat2.SetPartner(&seat0);
    }
};

TEST_F(NullOuvertFirstChoiceTest, SilentUnderTheRamschOnlyRulesAndBeforeTheFirstTrickWhenWithheld) {
    GiveHand(seat0, "C9 CT D7 D8 D9 DT DJ DQ DK DA");
    GiveHand(seat1, "C8 CA S7 S8 S9 ST SJ SQ SK SA");
    bool abort = true;
    g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
    EXPECT_EQ(CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort), NO_CARD);
    EXPECT_FALSE(abort);
    // Variant rules with the open cards withheld: silent until a trick is complete.
    g_Game.VariantMode = VARIANT_SKAT;
    g_Settings.Variants.NullOuvert = 1;
    EXPECT_EQ(CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort), NO_CARD);
    g_Game.PartyTricks[1] = 1;
    EXPECT_NE(CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort), NO_CARD);
    // Without the open-hand link nothing acts.
    seat1.SetPartner(nullptr);
    EXPECT_EQ(CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort), NO_CARD);
}

TEST_F(NullOuvertFirstChoiceTest, FourthRuleLeadsUnderTheSoloistAndAnnouncesKontraAtTheFirstTrick) {
    g_Game.VariantMode = VARIANT_SKAT;
    GiveHand(seat0, "C9 CT D7 D8 D9 DT DJ DQ DK DA");
    GiveHand(seat1, "C8 CA S7 S8 S9 ST SJ SQ SK SA");
    g_Game.HasBid[1] = 1;
    g_Game.HasBid[2] = 1;  // the partner bid: the third rule stays out
    Free(2, CLUBS);
    EXPECT_EQ(CardName(seat1.ServeCardDispatch(0, NO_CARD, NO_CARD)), "C8");
    EXPECT_EQ(seat1.gameOptions[GAME_NULL][OPT_RULE], 6260);
    EXPECT_EQ(g_Game.KontraState, KONTRA_SAID);
    EXPECT_EQ(g_Game.KontraSeat, 1);
}

TEST_F(NullOuvertFirstChoiceTest, SixthRuleDrawsNothing) {
    g_Game.HasBid[2] = 1;
    // Clubs: his lowest 8 is above the soloist's 7, but his second card (Ten) lies under the
    // soloist's Jack. The 9 is gone, so the first rule's candidate (the Ten) is dropped, and with
    // Spades also examined it is not taken back. Clubs is the soloist's longer shared suit.
    PlayedCards("C9");
    GiveHand(seat0, "C7 CJ S7 D7");
    GiveHand(seat1, "C8 CT S9 H7");
    const auto draws = platform::Random().DrawCount();
    bool abort = false;
    EXPECT_EQ(CardName(CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort)), "C8");
    EXPECT_FALSE(abort);
    EXPECT_EQ(platform::Random().DrawCount(), draws);
}

TEST_F(NullOuvertFirstChoiceTest, FirstRuleStepOneNeverActsForClubs) {
    g_Game.HasBid[2] = 1;
    // The soloist holds four cards of a suit up to the Ace that the defender lacks: step 1 leads
    // the lowest card of another shared suit the partner may hold, but not for Clubs.
    GiveHand(seat0, "SA SK SQ SJ H8 D7");
    GiveHand(seat1, "H7 HA D8 DA");
    bool abort = false;
    EXPECT_EQ(CardName(CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort)), "H7");
    GiveHand(seat0, "CA CK CQ CJ H8 D7");
    const int card = CNullPlay(seat1).NullOpponentLeadFirstChoice(false, abort);
    EXPECT_NE(CardName(card), "H7");
}

TEST_F(NullOuvertFirstChoiceTest, SecondPositionBehindTheSoloistKeepsACardBelowWithoutAsking) {
    int asked = 0;
    g_ComputerFrame.Abandon = [&](const std::string&, int) {
        ++asked;
        return false;
    };
    g_Game.Forehand = g_Game.TrickWinner = 0;
    GiveHand(seat0, "CT S7 D7");
    GiveHand(seat1, "C8 CA H7");
    bool abort = false;
    const int card = CNullPlay(seat1).NullOpponentSecondFirstChoice(false, C(TEN, CLUBS), abort);
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(abort);
    EXPECT_EQ(CardName(card), "C8");
}

}  // namespace
