#include "model/PlayerData.h"
#include "ModelFixture.h"
#include "model/GameTypeLookups.h"
#include "model/Skat.h"
#include "model/Trick.h"
#include "support/WholeDeal.h"
#include "support/SkatTestAccess.h"

#include <vector>

namespace {

class TrickRulesTest : public ModelTest {
protected:
    CSkat game;

    void SetUp() override {
        ModelTest::SetUp();
        SkatTestAccess::Trick(game).Reset();
    }

    // Lays the cards of seats 0, 1, 2 into the trick, led by leader.
    void Lay(int leader, int seat0, int seat1, int seat2) {
        SkatTestAccess::Trick(game).Reset();
        SkatTestAccess::Trick(game).SetCard(0, seat0);
        SkatTestAccess::Trick(game).SetCard(1, seat1);
        SkatTestAccess::Trick(game).SetCard(2, seat2);
        g_Game.TrickWinner = leader;
        g_Game.Forehand = leader;
    }
};

TEST_F(TrickRulesTest, WinnersAndPointsOverGameTypesAndLeaders) {
    const int clubsAce = Card(ACE, CLUBS), clubsTen = Card(TEN, CLUBS), heartsSeven = Card(SEVEN, HEARTS);
    const int clubsJack = Card(JACK, CLUBS), spadesJack = Card(JACK, SPADES), diamondsJack = Card(JACK, DIAMONDS);
    const int spadesAce = Card(ACE, SPADES), spadesSeven = Card(SEVEN, SPADES), spadesKing = Card(KING, SPADES);
    const struct {
        int type, leader, soloist, cards[3], winner, points;
        bool result;
    } cases[] = {
        // Hearts trump: the Hearts Seven takes the Clubs Ace and Ten.
        {GAME_HEARTS, 0, 1, {clubsAce, heartsSeven, clubsTen}, 1, 21, true},
        {GAME_HEARTS, 2, 1, {clubsAce, heartsSeven, clubsTen}, 1, 21, true},
        // Grand: no trump among them, the Clubs Ace wins when Clubs is led.
        {GAME_GRAND, 0, 1, {clubsAce, heartsSeven, clubsTen}, 0, 21, true},
        // Led by the Clubs Ten in Grand the Ace still wins; the Hearts Seven never follows.
        {GAME_GRAND, 2, 0, {clubsAce, heartsSeven, clubsTen}, 0, 21, true},
        // Led by the Hearts Seven in Grand: nobody follows Hearts.
        {GAME_GRAND, 1, 0, {clubsAce, heartsSeven, clubsTen}, 1, 21, true},
        // A Jack beats the trump Ace; the Clubs Jack beats the Spades Jack.
        {GAME_SPADES, 0, 2, {spadesAce, diamondsJack, spadesSeven}, 1, 13, true},
        {GAME_CLUBS, 0, 2, {spadesJack, clubsJack, clubsAce}, 1, 15, true},
        {GAME_GRAND, 2, 0, {spadesJack, clubsJack, spadesAce}, 1, 15, true},
        {GAME_RAMSCH, 2, 3, {diamondsJack, spadesKing, spadesSeven}, 0, 6, true},
        // Null: the Ace wins its suit; the soloist taking a trick loses the game.
        {GAME_NULL, 0, 1, {clubsAce, heartsSeven, clubsTen}, 0, 0, true},
        {GAME_NULL, 0, 0, {clubsAce, heartsSeven, clubsTen}, 0, 0, false},
        {GAME_REVOLUTION, 1, 2, {spadesSeven, spadesKing, clubsJack}, 1, 0, true},
        // In Null the Jack is an ordinary card of its suit, below the Queen.
        {GAME_NULL, 2, 1, {Card(QUEEN, CLUBS), spadesAce, clubsJack}, 0, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " leader " << c.leader);
        g_Game.Reset();
        g_Knowledge.Reset();
        g_Game.GameType = c.type;
        g_Game.Soloist = c.soloist;
        Lay(c.leader, c.cards[0], c.cards[1], c.cards[2]);
        EXPECT_EQ(SkatTestAccess::Trick(game).Valuate(), c.result);
        EXPECT_EQ(g_Game.TrickWinner, c.winner);
        EXPECT_EQ(g_Game.TurnSeat, c.winner);
        EXPECT_EQ(g_Game.PreviousForehand, c.leader);
        int party = c.type == GAME_RAMSCH ? c.winner : (c.winner == c.soloist ? 0 : 1);
        if (c.type == GAME_NULL || c.type == GAME_REVOLUTION) {
            EXPECT_EQ(g_Game.PartyPoints[0] + g_Game.PartyPoints[1] + g_Game.PartyPoints[2], c.result ? 0 : 1);
        } else {
            EXPECT_EQ(g_Game.PartyPoints[party], c.points);
        }
    }
}

TEST_F(TrickRulesTest, TrickBookkeepingAcrossTricks) {
    g_Game.GameType = GAME_DIAMONDS;
    g_Game.Soloist = 2;
    Lay(0, Card(ACE, CLUBS), Card(SEVEN, CLUBS), Card(SEVEN, DIAMONDS));  // soloist trumps
    ASSERT_TRUE(SkatTestAccess::Trick(game).Valuate());
    EXPECT_EQ(g_Game.PartyPoints[0], 11);
    EXPECT_EQ(g_Knowledge.TrickLeadCounts[CLUBS], 1);
    EXPECT_EQ(g_Knowledge.LedSuitBySeat[2], -1);
    Lay(2, Card(EIGHT, DIAMONDS), Card(KING, DIAMONDS), Card(JACK, HEARTS));
    g_Knowledge.LedSuitBySeat[2] = HEARTS;
    ASSERT_TRUE(SkatTestAccess::Trick(game).Valuate());
    EXPECT_EQ(g_Knowledge.TrickLeadCounts[4], 1);  // a trump lead
    EXPECT_EQ(g_Knowledge.LedSuitBySeat[2], HEARTS);  // the leader won: his memory stays
    EXPECT_EQ(g_Game.PartyPoints[0], 11 + 2 + 4);
    g_Game.PartyTricks[0] = 2;
    g_Game.PartyTricks[1] = 1;
    EXPECT_EQ(GetTrickCount(-1), 3);
    EXPECT_EQ(GetTrickCount(1), 1);
}

TEST_F(TrickRulesTest, TrickResetLeavesAnEmptyTrick) {
    Lay(0, Card(ACE, CLUBS), Card(SEVEN, CLUBS), Card(SEVEN, DIAMONDS));
    EXPECT_EQ(game.Trick().count, 3);
    SkatTestAccess::Trick(game).Reset();
    EXPECT_EQ(game.Trick().count, 0);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(game.Trick().cards[slot], NO_CARD);
        EXPECT_FALSE(game.Trick().present[slot]);
    }
}

// The follow rule computed straight from the hand: a card must follow the effective suit led when
// the hand holds any card of it.
bool MustFollow(const CPlayer& hand, int lead, int card) {
    int led = GetCardSuit(lead, false);
    for (int slot = 0; slot < hand.capacity; ++slot)
        if (hand.present[slot] && GetCardSuit(hand.cards[slot], false) == led)
            return GetCardSuit(card, false) == led;
    return true;
}

TEST_F(TrickRulesTest, PersonFollowsSuitLikeTheHandSays) {
    int checked = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SeedRand(seed);
        testsupport::DealAll(game);
        for (int type : {0, 1, 2, 3, 4, 5, 6, 7}) {
            g_Game.GameType = type;
            SkatTestAccess::Person(game).TallyHand();
            // Lead with each card of the other hands, played by the seat before the person.
            for (int slot = 0; slot < 10; ++slot) {
                int lead = game.Player(1)->cards[slot];
                SkatTestAccess::Trick(game).Reset();
                SkatTestAccess::Trick(game).SetCard(1, lead);
                g_Game.TrickWinner = 1;
                for (int own = 0; own < 10; ++own) {
                    bool expected = MustFollow(game.Person(), lead, game.Person().cards[own]);
                    ASSERT_EQ(game.Person().ValidCard(own, game.Trick()), expected)
                        << "seed " << seed << " type " << type << " lead " << lead << " card "
                        << game.Person().cards[own];
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 100000);
    // An empty trick allows every card.
    SkatTestAccess::Trick(game).Reset();
    EXPECT_TRUE(game.Person().ValidCard(0, game.Trick()));
}

TEST_F(TrickRulesTest, PersonFollowRuleNamedCases) {
    CPerson& person = SkatTestAccess::Person(game);
    person.Clear();
    person.count = 0;
    auto give = [&](std::vector<int> cards) {
        person.Clear();
        person.count = 0;
        for (int card : cards) person.AddCard(card);
        person.TallyHand();
    };
    // Grand, a Jack led, the person holds a Jack: only Jacks.
    g_Game.GameType = GAME_GRAND;
    give({Card(JACK, HEARTS), Card(ACE, CLUBS), Card(SEVEN, SPADES)});
    Lay(0, Card(JACK, SPADES), NO_CARD, NO_CARD);
    EXPECT_TRUE(person.ValidCard(0, game.Trick()));
    EXPECT_FALSE(person.ValidCard(1, game.Trick()));
    // Clubs game, a Jack led, only Clubs cards and no Jack: only Clubs.
    g_Game.GameType = GAME_CLUBS;
    give({Card(ACE, CLUBS), Card(TEN, HEARTS)});
    Lay(0, Card(JACK, DIAMONDS), NO_CARD, NO_CARD);
    EXPECT_TRUE(person.ValidCard(0, game.Trick()));
    EXPECT_FALSE(person.ValidCard(1, game.Trick()));
    // Null, the Clubs Jack led: it is a Clubs card.
    g_Game.GameType = GAME_NULL;
    give({Card(JACK, SPADES), Card(SEVEN, CLUBS)});
    Lay(0, Card(JACK, CLUBS), NO_CARD, NO_CARD);
    EXPECT_FALSE(person.ValidCard(0, game.Trick()));
    EXPECT_TRUE(person.ValidCard(1, game.Trick()));
    // A slot that holds no card is never valid.
    EXPECT_FALSE(person.ValidCard(5, game.Trick()));
}

TEST_F(TrickRulesTest, ControlTrumpMarksDefendersFreeOfTrumps) {
    g_Game.GameType = GAME_SPADES;
    g_Game.Soloist = 0;
    // The soloist wins with a plain Ace led; the defender who threw a Hearts card has no trump.
    Lay(0, Card(ACE, CLUBS), Card(SEVEN, CLUBS), Card(SEVEN, HEARTS));
    ASSERT_TRUE(SkatTestAccess::Trick(game).Valuate());
    SkatTestAccess::Trick(game).ControlTrump(NO_CARD);
    EXPECT_EQ(g_Knowledge.VoidTable[1][SPADES], 1);
    EXPECT_EQ(g_Knowledge.VoidTable[2][SPADES], 0);

    // The soloist leads a trump and wins; a defender gives the trump Ten although every trump
    // still out ranks below it: he had no other. In a Hand game the missing trump lies in the skat.
    g_Knowledge.Reset();
    g_Game.HandAnnounced = 1;
    g_Game.TrumpCount = 5;
    Lay(0, Card(JACK, CLUBS), Card(TEN, SPADES), Card(SEVEN, HEARTS));
    ASSERT_TRUE(SkatTestAccess::Trick(game).Valuate());
    SkatTestAccess::Trick(game).ControlTrump(Card(KING, SPADES));
    EXPECT_EQ(g_Knowledge.VoidTable[1][SPADES], 0);
    EXPECT_EQ(g_Knowledge.VoidTable[2][SPADES], 1);
    EXPECT_EQ(g_Game.TrumpCount, 4);
    // The inference never drives the count below 0.
    g_Game.TrumpCount = 0;
    SkatTestAccess::Trick(game).ControlTrump(Card(KING, SPADES));
    EXPECT_EQ(g_Game.TrumpCount, 0);

    // Grand: the soloist leads an Ace; a defender who neither follows nor plays a Jack or an Ace
    // holds no Jack.
    g_Knowledge.Reset();
    g_Game.GameType = GAME_GRAND;
    Lay(0, Card(ACE, HEARTS), Card(KING, CLUBS), Card(ACE, CLUBS));
    ASSERT_TRUE(SkatTestAccess::Trick(game).Valuate());
    SkatTestAccess::Trick(game).ControlTrump(NO_CARD);
    EXPECT_EQ(g_Knowledge.VoidTable[1][GAME_GRAND], 0);
    EXPECT_EQ(g_Knowledge.VoidTable[2][GAME_GRAND], 1);
}

}  // namespace
