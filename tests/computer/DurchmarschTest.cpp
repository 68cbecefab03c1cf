// Durchmarsch: the player who aims at every trick leads and follows with his Jacks and high
// cards, and always follows a Jack lead with a Jack.

#include "CardPlayTestSupport.h"

namespace {

class DurchmarschTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.FlowState = STATE_PLAY;
        g_Game.Soloist = NO_SEAT;
        StartPlayKnowledge();
    }
    int Serve(int first, int second = NO_CARD) {
        const int position = first == NO_CARD ? 0 : second == NO_CARD ? 1 : 2;
        g_Game.Forehand = g_Game.TrickWinner = (3 - position) % 3;
        seat0.SetDurchmarsch(1, -1);  // after the hand is given: a new hand clears the aim
        return seat0.ServeCardDispatch(position, first, second);
    }
};

struct TrumpInCase {
    const char* name;
    const char* gone;  // Jacks already played
    int trumps;        // TrumpCount
    const char* expected;
};

TEST_F(DurchmarschTest, TrumpsInSecondPositionOnlyWithHalfTheJacksInPlay) {
    // J >= T - J: one Jack of two in play trumps, one of three does not.
    const TrumpInCase cases[] = {
        {"one of two", "CJ SJ", 2, "DJ"},
        {"one of three", "CJ", 3, "HA"},
    };
    for (const TrumpInCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        PlayedCards(c.gone);
        GiveHand(seat0, "DJ HA H7");
        g_Game.TrumpCount = c.trumps;
        EXPECT_EQ(CardName(Serve(C(SEVEN, CLUBS))), c.expected);
    }
}

TEST_F(DurchmarschTest, JackLeadWithTwoJacksTakesTheJackAboveOnACoin) {
    GiveHand(seat0, "CJ SJ H7");
    // The run Clubs-Spades: 0 keeps the Clubs Jack; the coin 1 takes the Jack just above.
    platform::Random().Script({0, 1});
    EXPECT_EQ(CardName(Serve(C(JACK, DIAMONDS))), "SJ");
    GiveHand(seat0, "CJ SJ H7");
    platform::Random().Script({0, 0});
    EXPECT_EQ(CardName(Serve(C(JACK, DIAMONDS))), "CJ");
}

TEST_F(DurchmarschTest, JackLeadIsFollowedWithAJackEvenWithoutOneAbove) {
    // Second position: no Jack above the Spades Jack; the coin keeps his own Jack.
    GiveHand(seat0, "HJ DJ S7");
    platform::Random().Script({1, 1});
    EXPECT_EQ(CardName(Serve(C(JACK, SPADES))), "DJ");
    // Third position: nothing above the Spades Jack in the trick; the lowest Jack follows.
    GiveHand(seat0, "DJ S7");
    EXPECT_EQ(CardName(Serve(C(JACK, HEARTS), C(JACK, SPADES))), "DJ");
    EXPECT_EQ(g_Computer.ReplacedCardCount, 0);
}

TEST_F(DurchmarschTest, ThirdPositionOverTheWinningCard) {
    // The lowest card above the higher of both cards.
    GiveHand(seat0, "C9 CK CA");
    EXPECT_EQ(CardName(Serve(C(EIGHT, CLUBS), C(QUEEN, CLUBS))), "CK");
    // A Jack on a plain lead: he follows with his low card of the suit (here its Ace tops it).
    GiveHand(seat0, "C9 CK CA");
    platform::Random().Script({1, 1});
    EXPECT_EQ(CardName(Serve(C(EIGHT, CLUBS), C(JACK, HEARTS))), "CA");
}

TEST_F(DurchmarschTest, LeadDrawsTheJacksWhileAnotherPlayerHoldsOne) {
    GiveHand(seat0, "CJ SJ H7 HA");
    platform::Random().Script({0});
    EXPECT_EQ(GetCardRank(Serve(NO_CARD)), JACK);
}

}  // namespace

namespace {

TEST_F(DurchmarschTest, CoinAfterAFailingTestIsNotDrawn) {
    // One Jack: the coin of the two-Jack rule is never drawn, only the Jack's own draw.
    GiveHand(seat0, "CJ S7");
    const auto before = platform::Random().DrawCount();
    EXPECT_EQ(CardName(Serve(C(JACK, HEARTS))), "CJ");
    EXPECT_EQ(platform::Random().DrawCount() - before, 1u);
}

}  // namespace
