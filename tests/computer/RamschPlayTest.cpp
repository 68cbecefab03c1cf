// Ramsch without the Durchmarsch aim: the lead with its committed card, the second and third card,
// and the card-code bounds the rules keep.

#include "CardPlayTestSupport.h"

namespace {

class RamschPlayTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.FlowState = STATE_PLAY;
        g_Game.Soloist = NO_SEAT;
        StartPlayKnowledge();
    }
    // Seat 0 serves; the leader is placed so that the trick holds the cards given.
    int Serve(int first = NO_CARD, int second = NO_CARD) {
        const int position = first == NO_CARD ? 0 : second == NO_CARD ? 1 : 2;
        g_Game.Forehand = g_Game.TrickWinner = (3 - position) % 3;
        return seat0.ServeCardDispatch(position, first, second);
    }
};

TEST_F(RamschPlayTest, FirstTrickNeverGoesOnInTheSuitLedBefore) {
    // With ten cards the suit led before does not count, whatever the knowledge holds.
    const char* hand = "C7 CA S8 SK H9 HQ D7 D8 DT DK";
    GiveHand(seat0, hand);
    g_Knowledge.TrickLeadSuit = -1;
    SeedRand(3);
    const int plain = Serve();
    const auto draws = platform::Random().DrawCount();
    SetUp();
    GiveHand(seat0, hand);
    g_Knowledge.TrickLeadSuit = CLUBS;
    SeedRand(3);
    EXPECT_EQ(Serve(), plain);
    EXPECT_EQ(platform::Random().DrawCount(), draws);
}

TEST_F(RamschPlayTest, AfterWinningATrickHeGoesOnLowInTheSuitLed) {
    // Nine cards: he won the Clubs trick; one Clubs card is still out above his safe 7.
    PlayedCards("C8 C9 CT CQ");
    GiveHand(seat0, "C7 CA S8 SK H9 HQ D7 D8 DK");
    g_Game.PartyTricks[0] = 1;
    g_Knowledge.TrickLeadSuit = CLUBS;
    EXPECT_EQ(CardName(Serve()), "C7");
}

TEST_F(RamschPlayTest, CommittedCardWithOneCardLeftOutGivesWayToTheLowest) {
    PlayedCards("C7 C9 CT CQ");
    GiveHand(seat0, "C8 CA S8 SK H9");
    seat0.forcedCard = C(ACE, CLUBS);
    seat0.ForcedCardCount = 6;
    EXPECT_EQ(CardName(Serve()), "C8");
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(RamschPlayTest, WithTwoCardsLeftNoCommittedCardOfManyPoints) {
    GiveHand(seat0, "CA S7");
    seat0.forcedCard = C(ACE, CLUBS);
    seat0.ForcedCardCount = 3;
    EXPECT_EQ(CardName(Serve()), "S7");
}

TEST_F(RamschPlayTest, SecondWithTwoCardsAboveTheLeadPlaysTheLowerUnlessItIsTheNine) {
    // The 9 and the King above the led 7: the 9, while the suit is still open.
    PlayedCards("C7");
    GiveHand(seat0, "C9 CK S8");
    EXPECT_EQ(CardName(Serve(C(SEVEN, CLUBS))), "C9");
    // The King is top (Ace and Ten gone) and the suit still guarded: the King.
    SetUp();
    PlayedCards("C7 CA CT");
    GiveHand(seat0, "C9 CK S8");
    EXPECT_EQ(CardName(Serve(C(SEVEN, CLUBS))), "CK");
}

TEST_F(RamschPlayTest, SecondOnASevenIntoALongSuitTakesEightOrNineByACoin) {
    // Five Clubs with one card (the Ace) still out.
    PlayedCards("C7");
    GiveHand(seat0, "C8 C9 CT CQ CK S7");
    platform::Random().Script({1});
    EXPECT_EQ(CardName(Serve(C(SEVEN, CLUBS))), "C8");
    GiveHand(seat0, "C8 C9 CT CQ CK S7");
    platform::Random().Script({0});
    EXPECT_EQ(CardName(Serve(C(SEVEN, CLUBS))), "C9");
}

TEST_F(RamschPlayTest, OnlyAPlayerWithoutJacksIsOfferedToGiveUp) {
    int asked = 0;
    g_ComputerFrame.Abandon = [&](const std::string&, int) {
        ++asked;
        return true;
    };
    // The Durchmarsch player laid his cards face up; this defender has seen them before.
    g_Game.EarlyFaceUp = 1;
    g_Game.PartyTricks[2] = 3;
    GiveHand(seat0, "DJ C9 CK S8");
    seat0.FaceUpSeen = 1;
    EXPECT_NE(Serve(C(SEVEN, CLUBS)), NO_CARD);
    EXPECT_EQ(asked, 0);
    GiveHand(seat0, "C9 CK S8");
    seat0.FaceUpSeen = 1;
    EXPECT_EQ(Serve(C(SEVEN, CLUBS)), NO_CARD);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(g_Game.Soloist, 2);  // written only now that the give-up stands
}

TEST_F(RamschPlayTest, ThirdBehindAJackOnAPlainLeadShedsTheHighest) {
    GiveHand(seat0, "C7 CA S9");
    EXPECT_EQ(CardName(Serve(C(EIGHT, CLUBS), C(JACK, SPADES))), "CA");
}

TEST_F(RamschPlayTest, ThirdWithTwoJacksPlaysUnderTheHigherJackOfTheTrick) {
    GiveHand(seat0, "SJ DJ C7");
    EXPECT_EQ(CardName(Serve(C(JACK, HEARTS), C(JACK, CLUBS))), "SJ");
}

TEST_F(RamschPlayTest, ThirdKeepsTheCardCodeBoundOfTheCommittedCard) {
    // Holding the only Jack in play he cannot follow Hearts. The mode-4 card of his suit is
    // committed and the Jack played only while its code is below 10 (Clubs Ace to Nine); a
    // Spades card fails the bound and is played itself.
    PlayedCards("CJ SJ HJ");
    GiveHand(seat0, "DJ C7 C9");
    g_Game.TrumpCount = 1;
    seat0.handInfo.ShortSuitCount = 0;
    EXPECT_EQ(CardName(Serve(C(SEVEN, HEARTS), C(EIGHT, HEARTS))), "DJ");
    EXPECT_EQ(CardName(seat0.forcedCard), "C9");
    SetUp();
    PlayedCards("CJ SJ HJ");
    GiveHand(seat0, "DJ S7 S9");
    g_Game.TrumpCount = 1;
    seat0.handInfo.ShortSuitCount = 0;
    EXPECT_EQ(CardName(Serve(C(SEVEN, HEARTS), C(EIGHT, HEARTS))), "S9");
    EXPECT_NE(seat0.forcedCard, C(NINE, SPADES));
}

}  // namespace

namespace {

TEST_F(RamschPlayTest, CommittedCardNoLongerHeldIsDropped) {
    GiveHand(seat0, "C8 CA S8 SK H9");
    seat0.forcedCard = C(SEVEN, DIAMONDS);
    seat0.ForcedCardCount = 6;
    const int card = Serve();
    EXPECT_TRUE(seat0.HasCard(card));
    EXPECT_NE(seat0.forcedCard, C(SEVEN, DIAMONDS));
    EXPECT_EQ(g_Computer.ReplacedCardCount, 0);
}

}  // namespace
