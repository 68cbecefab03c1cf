// The suit-game soloist's lead, second and third hand: characteristic positions with the card
// the cascade plays.

#include "SuitPlayTestSupport.h"

namespace {

class SuitSoloistTest : public SuitPlayTest {
protected:
    // Seat 0 leads a Clubs game: his Jack, the Hearts Ace and Seven.
    void SmallLead() { Deal(GAME_CLUBS, 0, "CJ HA H7", "S7 S8 D7", "D8 D9 S9"); }
};

TEST_F(SuitSoloistTest, ACommittedCardIsLedAtOnceWhileHeld) {
    struct Case {
        const char* name;
        int forced;
        int picked;
        int expected;
    };
    const Case cases[] = {
        {"committed", Card("H7"), 0, Card("H7")},
        {"sign ignored", -Card("H7"), 0, Card("H7")},
        {"picked card wins", Card("H7"), Card("HA"), Card("HA")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SmallLead();
        seat0.forcedCard = c.forced;
        seat0.PickedCard = c.picked;
        EXPECT_EQ(CardName(Serve(0)), CardName(c.expected));
        EXPECT_EQ(seat0.forcedCard, 0);
    }
}

TEST_F(SuitSoloistTest, ACommittedCardNoLongerHeldIsDroppedAndTheCascadeLeads) {
    SmallLead();
    seat0.forcedCard = Card("S7");  // after an exchange it lies in seat 1's hand
    const int replaced = g_Computer.ReplacedCardCount;
    const int card = Serve(0);
    EXPECT_TRUE(card == Card("CJ") || card == Card("HA") || card == Card("H7")) << CardName(card);
    EXPECT_EQ(g_Computer.ReplacedCardCount, replaced);
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(SuitSoloistTest, ThreeMatadorsLeadTheLowestJackOfTheRunAndCommitTheOneAbove) {
    Deal(GAME_CLUBS, 0, "CJ SJ HJ C7 S7 S8 H7 H8 D7 D8", "DJ CA CT CK S9 ST SQ SK H9 HT",
         "CQ C9 C8 SA HA HQ HK D9 DT DA");
    EXPECT_EQ(CardName(Serve(0)), "HJ");
    EXPECT_EQ(CardName(seat0.forcedCard), "SJ");
    EXPECT_EQ(seat0.ForcedCardCount, 10);
}

TEST_F(SuitSoloistTest, TopTrumpSureButSecondNotMakesALowSingletonVoid) {
    // Three trumps out, the Spades Jack above his second trump: the lone Spades Seven goes.
    Deal(GAME_CLUBS, 0, "CJ HJ CA C7 S7 DA DT", "SJ CT S8 S9 H7 H8 H9", "CK SA ST HA HT D7 D8");
    EXPECT_EQ(CardName(Serve(0)), "S7");
    // Without a singleton he leads his second trump, a Jack.
    Deal(GAME_CLUBS, 0, "CJ HJ CA C7 DA DT D9", "SJ CT S7 S8 S9 H7 H8", "CK SA ST HA HT D7 D8");
    EXPECT_EQ(CardName(Serve(0)), "HJ");
}

TEST_F(SuitSoloistTest, TwoCardsLeftTheTopTrumpGoesAtFiftySixToSixty) {
    struct Case {
        int points;
        const char* expected;
    };
    const Case cases[] = {{55, "H7"}, {56, "CJ"}, {60, "CJ"}, {61, "H7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        Deal(GAME_CLUBS, 0, "CJ H7", "C7 C8", "C9 D7");
        g_Game.PartyPoints[0] = c.points;
        EXPECT_EQ(CardName(Serve(0)), c.expected);
    }
}

TEST_F(SuitSoloistTest, SecondHandVoidRuffsByThePointsAndTheSuitsTricks) {
    // Seat 0 led the Hearts Seven; the soloist has no Hearts, his Jack and Seven of trumps.
    struct Case {
        int points;
        int heartsTricks;  // completed tricks led in Hearts
        const char* expected;
    };
    const Case cases[] = {
        {58, 0, "C7"},  // the Jack would not reach 61: the cheap ruff
        {60, 0, "CJ"},  // the Jack's two points win the game
        {60, 1, "CJ"},
        {61, 0, "C7"},  // won already: the cheap ruff while no Hearts trick is complete
        {61, 1, "C7"},  // past that rule the last rule also ruffs low
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.points << "/" << c.heartsTricks);
        Deal(GAME_CLUBS, 1, "C9 D7", "CJ C7 S7", "C8 H8 D8");
        g_Game.PartyPoints[0] = c.points;
        g_Knowledge.TrickLeadCounts[HEARTS] = c.heartsTricks;
        EXPECT_EQ(CardName(Serve(1, Card("H7"))), c.expected);
    }
}

TEST_F(SuitSoloistTest, ThirdHandTakesLowAndCommitsHisNextLead) {
    struct Case {
        const char* name;
        const char* soloist;
        const char* leader;
        const char* forced;
    };
    const Case cases[] = {
        // His top trump is sure: it is committed.
        {"sure top trump", "CJ C7 HA H9", "C8 D7 D8", "CJ"},
        // Not sure: his cheap trump instead.
        {"cheap trump", "SJ C7 HA H9", "CJ D7 D8", "C7"},
        // Only a Ten to commit: nothing.
        {"nothing", "CA CT HA H9", "CJ D7 D8", "--"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(GAME_CLUBS, 2, c.leader, "HT D9 DT", c.soloist);
        EXPECT_EQ(CardName(Serve(2, Card("H7"), Card("H8"))), "H9");
        EXPECT_EQ(CardName(seat2.forcedCard), c.forced);
    }
    // The committed card is his next lead.
    Deal(GAME_CLUBS, 2, "C8 D7 D8", "HT D9 DT", "CJ C7 HA H9");
    ASSERT_EQ(CardName(Serve(2, Card("H7"), Card("H8"))), "H9");
    EXPECT_EQ(CardName(Serve(2)), "CJ");
}

TEST_F(SuitSoloistTest, SecondHandAsksTheCardPlanAboutItsCandidate) {
    // Seat 0 led the trump Eight; the cascade takes with the sure Clubs Jack unless the card plan
    // holds another trump first.
    struct Case {
        const char* name;
        const char* planHead;
        const char* expected;
    };
    const Case cases[] = {{"no plan", "", "CJ"}, {"planned Seven", "C7", "C7"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(GAME_CLUBS, 1, "D7 D8", "CJ C7 H7", "C9 CT D9");
        seat1.ResetCardPlan();
        if (*c.planHead) seat1.CardPlan[0] = Card(c.planHead);
        EXPECT_EQ(CardName(Serve(1, Card("C8"))), c.expected);
    }
}

}  // namespace
