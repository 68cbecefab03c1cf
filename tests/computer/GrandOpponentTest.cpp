// The Grand defenders: the frame (give-up, committed card), the points that cross 61 or 31 in the
// partner's trick, the partner marked void, the committed card of a trump-in, and the first
// choices against an open hand, which only rule sets 0 and 1 show.

#include "CardPlayTestSupport.h"
#include "computer/play/GrandPlay.h"
#include "model/GameTypeLookups.h"

namespace {

class GrandOpponentTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_GRAND);
        StartPlayKnowledge();
        g_Game.GameEndFlags = 2;
    }
    // Puts the trick's cards down as played.
    static void Trick(const std::vector<int>& cards) {
        for (int card : cards) SetCardLocation(card, CARD_PLAYED);
    }
};

TEST_F(GrandOpponentTest, GivingUpReturnsNoCardBeforeTheCommittedCard) {
    g_Game.Soloist = 2;
    g_Game.TrickWinner = g_Game.Forehand = 0;
    g_Game.EarlyFaceUp = 1;
    g_ComputerFrame.Abandon = [](const std::string&, int) { return true; };
    GiveHand(seat0, "CA C7 S7");
    seat0.FaceUpSeen = 1;
    seat0.forcedCard = C(SEVEN, CLUBS);
    EXPECT_EQ(seat0.ServeCardDispatch(0, NO_CARD, NO_CARD), NO_CARD);
    EXPECT_EQ(seat0.forcedCard, C(SEVEN, CLUBS));
    EXPECT_EQ(seat0.count, 3);
    // Without the give-up the committed card leads.
    SetUp();
    g_Game.Soloist = 2;
    g_Game.TrickWinner = g_Game.Forehand = 0;
    GiveHand(seat0, "CA C7 S7");
    seat0.forcedCard = C(SEVEN, CLUBS);
    EXPECT_EQ(seat0.ServeCardDispatch(0, NO_CARD, NO_CARD), C(SEVEN, CLUBS));
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(GrandOpponentTest, SecondCardAddsPointsThatCrossSixtyOneOrThirtyOne) {
    // The partner (seat 2) led the top Hearts Ace; seat 0 has no Hearts and no Jack; the soloist
    // (seat 1) plays third. The Spades Ace goes in when it brings the defenders from 60 to 61 or
    // more, or from 30 to 31 or more, counting the lead's 11 (a trick standing at 19 to 30, or at
    // 50 to 60).
    const struct {
        int defenderPoints;
        int card;
    } cases[] = {{8, C(EIGHT, CLUBS)},  {9, C(ACE, SPADES)},  {19, C(ACE, SPADES)}, {20, C(EIGHT, CLUBS)},
                 {39, C(ACE, SPADES)}, {49, C(ACE, SPADES)}, {50, C(EIGHT, CLUBS)}};
    for (const auto& c : cases) {
        SetUp();
        g_Game.Soloist = 1;
        g_Game.TrickWinner = g_Game.Forehand = 2;
        g_Game.PartyPoints[1] = c.defenderPoints;
        GiveHand(seat0, "SA S7 C8");
        Trick(ParseCards("HA"));
        EXPECT_EQ(seat0.ServeCardDispatch(1, C(ACE, HEARTS), NO_CARD), c.card) << c.defenderPoints;
    }
}

TEST_F(GrandOpponentTest, ThirdCardMarksThePartnerVoidWhenHeDidNotFollow) {
    // The soloist (seat 1) led Clubs, the partner (seat 2) threw a Heart; seat 0 follows.
    g_Game.Soloist = 1;
    g_Game.TrickWinner = g_Game.Forehand = 1;
    GiveHand(seat0, "CA C8 S7");
    Trick(ParseCards("C7 H7"));
    const int card = seat0.ServeCardDispatch(2, C(SEVEN, CLUBS), C(SEVEN, HEARTS));
    EXPECT_EQ(GetCardSuit(card, true), CLUBS);
    EXPECT_EQ(g_Knowledge.VoidTable[2][CLUBS], 0);
    EXPECT_EQ(g_Knowledge.VoidTable[1][CLUBS], 1);
}

TEST_F(GrandOpponentTest, TrumpingInCommitsTheHighCardOfThePartnersTopSuitOnlyWhenHeld) {
    // The soloist (seat 1) led the Clubs Seven, the partner (seat 2) threw the top Hearts Ace;
    // seat 0 has no Clubs and trumps with a Jack.
    for (const bool holdsHearts : {true, false}) {
        SetUp();
        g_Game.Soloist = 1;
        g_Game.TrickWinner = g_Game.Forehand = 1;
        GiveHand(seat0, holdsHearts ? "SJ HK D7 D8" : "SJ S7 D7 D8");
        Trick(ParseCards("C7 HA"));
        const int card = seat0.ServeCardDispatch(2, C(SEVEN, CLUBS), C(ACE, HEARTS));
        EXPECT_EQ(card, C(JACK, SPADES));
        if (holdsHearts) {
            EXPECT_EQ(seat0.forcedCard, C(KING, HEARTS));
            EXPECT_EQ(seat0.ForcedCardCount, 4);
            EXPECT_EQ(g_Knowledge.VoidTable[1][HEARTS], 0);
        } else {
            // No card of the partner's suit: nothing is committed, no void mark is written.
            EXPECT_EQ(seat0.forcedCard, 0);
            EXPECT_EQ(g_Knowledge.VoidTable[1][HEARTS], 1);
            EXPECT_EQ(g_Knowledge.VoidTable[0][VOID_COLUMNS - 1], 1);
        }
    }
}

TEST_F(GrandOpponentTest, OpenHandFirstChoicesOnlyWhereTheRuleSetShowsTheHand) {
    // The soloist (seat 2) plays open; seat 0 leads. With the partner known to lack Diamonds and
    // a trick worth more than 4 points in it, the first choice leads into Diamonds.
    const struct {
        int variant;
        int nullOuvertSetting;
        int tricks;
        bool shown;
    } cases[] = {{0, 1, 0, true}, {1, 0, 0, true}, {1, 1, 0, false}, {1, 1, 1, true}, {2, 0, 3, false}};
    for (const auto& c : cases) {
        SetUp();
        g_Game.Soloist = 2;
        g_Game.OuvertAnnounced = 1;
        g_Game.VariantMode = c.variant;
        g_Settings.Variants.NullOuvert = c.nullOuvertSetting;
        g_Game.PartyTricks[0] = c.tricks;
        GiveHand(seat2, "CJ SJ DA DK C7 C8 C9 S7 S8 S9");
        GiveHand(seat0, "HJ DT D9 D8 D7 H7 H8 H9 HK HQ");
        PlayedCards("DQ");  // so the partner holds no Diamonds
        seat0.SetPartner(&seat2);
        const int choice = CGrandPlay(seat0).GrandOpponentLeadFirstChoice(false);
        if (c.shown)
            EXPECT_EQ(choice, C(TEN, DIAMONDS)) << c.variant << " " << c.nullOuvertSetting << " " << c.tricks;
        else
            EXPECT_EQ(choice, NO_CARD) << c.variant << " " << c.nullOuvertSetting << " " << c.tricks;
    }
}

TEST_F(GrandOpponentTest, OpenHandSecondCardLeavesAJackLeadToAPlayerWithJacks) {
    g_Game.Soloist = 1;
    g_Game.OuvertAnnounced = 1;
    GiveHand(seat1, "CJ DA DK C7 C8 C9 S7 S8 S9");
    GiveHand(seat0, "HJ DT D9 H7 H8 H9 HK HQ D7");
    seat0.SetPartner(&seat1);
    Trick(ParseCards("SJ"));
    // The partner led a Jack, and the soloist led one: both -1 while a Jack is held.
    EXPECT_EQ(CGrandPlay(seat0).GrandOpponentSecondFirstChoice(true, C(JACK, SPADES)), NO_CARD);
    EXPECT_EQ(CGrandPlay(seat0).GrandOpponentSecondFirstChoice(false, C(JACK, SPADES)), NO_CARD);
    // Without the link nothing applies.
    seat0.SetPartner(nullptr);
    EXPECT_EQ(CGrandPlay(seat0).GrandOpponentLeadFirstChoice(false), NO_CARD);
}

}  // namespace

namespace {

TEST_F(GrandOpponentTest, WithoutJacksTheOpenHandLeadGoesToASuitTheSoloistLacks) {
    // Every Jack played; the open soloist holds no Clubs and no Spades. The single top Clubs Ace
    // (6 + 9 + 10 + 10 = 35) beats the two Spades under the King (4 + 20 + 10 = 34).
    g_Game.Soloist = 2;
    g_Game.OuvertAnnounced = 1;
    PlayedCards("CJ SJ HJ DJ ST");
    g_Game.TrumpCount = 0;
    GiveHand(seat2, "HA HT DA DT");
    GiveHand(seat0, "CA SK S7 H7 D7");
    seat0.SetPartner(&seat2);
    EXPECT_EQ(CGrandPlay(seat0).GrandOpponentLeadFirstChoice(false), C(ACE, CLUBS));
}

// L12: a defender with the top Jack and a second one draws the soloist's Jacks when a top side
// card waits to take a trick afterwards (the Spades King, its Ace and Ten gone). Without such a
// card the scored lead stays: the Diamonds Seven, which was led with the top King as well until
// the top side card was looked at.
TEST_F(GrandOpponentTest, TheTopJackDrawsTrumpsWhenATopSideCardWaits) {
    const struct {
        const char* why;
        bool aceAndTenGone;
        const char* card;
    } cases[] = {
        {"the Spades King is top", true, "CJ"},
        {"no top side card", false, "D7"},
    };
    for (const auto& c : cases) {
        SetUp();
        g_Game.Soloist = 1;
        g_Game.TrickWinner = g_Game.Forehand = 0;
        if (c.aceAndTenGone) Trick(ParseCards("SA ST"));
        GiveHand(seat0, "CJ HJ SK S8 S7 H9 H8 D8 D7 C7");
        EXPECT_EQ(CardName(CGrandPlay(seat0).PlayGrandOpponentLead(true)), c.card) << c.why;
    }
}

}  // namespace
