// The card questions the strategies share: whether a hand holds a card, the counts of a suit, the
// highest and lowest card of a suit or of the trumps, the neighbours of a card in its suit, the
// trump suit, whose side a player is on and which card he may play, and the coin flip's two sides.

#include "ComputerTestSupport.h"

#include "computer/play/CardQueries.h"
#include "computer/play/StrategyHelpers.h"

namespace {

class CardVocabularyTest : public ComputerTest {
protected:
    // Gives the player the cards named ("CJ HA D7") and analyses his hand.
    void Deal(CPlayer& player, const char* hand) {
        for (auto& card : player.cards) card = NO_CARD;
        for (auto& flag : player.present) flag = 0;
        int slot = 0;
        for (int card : ParseCards(hand)) {
            player.cards[slot] = card;
            player.present[slot] = 1;
            ++slot;
        }
        player.count = slot;
        player.AnalyseHand(0);
    }
};

TEST_F(CardVocabularyTest, HoldsAsksForThePrintedSuitAndAnswersNoOutsideTheTable) {
    struct Case {
        const char* name;
        int gameType;
        const char* hand;
        int suit;
        int rank;
        bool held;
    };
    const Case cases[] = {
        {"held plain card", GAME_HEARTS, "HA H7 CK", HEARTS, ACE, true},
        {"card not held", GAME_HEARTS, "HA H7 CK", HEARTS, TEN, false},
        {"empty hand", GAME_HEARTS, "", CLUBS, KING, false},
        // A Jack is a trump in the game but stays a card of its printed suit for the question.
        {"Jack of a suit game by its suit", GAME_HEARTS, "CJ HA", CLUBS, JACK, true},
        {"Jack of Grand by its suit", GAME_GRAND, "SJ DA", SPADES, JACK, true},
        {"Jack not under the trump suit", GAME_HEARTS, "CJ HA", HEARTS, JACK, false},
        {"Jack in Null", GAME_NULL, "DJ D7", DIAMONDS, JACK, true},
        {"suit -1 (the trumps) is no suit of the table", GAME_HEARTS, "CJ SJ HJ DJ HA", -1, JACK, false},
        {"suit 4", GAME_HEARTS, "CA SA HA DA", 4, ACE, false},
        {"rank -1", GAME_HEARTS, "CA SA HA DA", CLUBS, -1, false},
        {"rank 8", GAME_HEARTS, "CA CK SA HA DA", CLUBS, 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.GameType = c.gameType;
        Deal(seat0, c.hand);
        EXPECT_EQ(Holds(seat0, c.suit, c.rank), c.held);
        EXPECT_EQ(seat0.handInfo.Holds(c.suit, c.rank), c.held);
    }
}

TEST_F(CardVocabularyTest, SuitCountsWithAndWithoutTheJack) {
    struct Case {
        const char* name;
        int gameType;
        int suit;
        int plain;        // PlainCount: with the Jack in Null and Revolution
        int withoutJack;  // SuitCountOf: never the Jack
    };
    const Case cases[] = {
        {"Grand counts the suit without its Jack", GAME_GRAND, CLUBS, 2, 2},
        {"a suit game likewise", GAME_SPADES, CLUBS, 2, 2},
        {"Null counts the Jack with its suit", GAME_NULL, CLUBS, 3, 2},
        {"Revolution likewise", GAME_REVOLUTION, CLUBS, 3, 2},
        {"a suit not held", GAME_NULL, HEARTS, 0, 0},
        {"suit -1", GAME_NULL, -1, 0, 0},
        {"suit 4", GAME_GRAND, 4, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.GameType = c.gameType;
        Deal(seat0, "CJ CA C7 SA");
        EXPECT_EQ(PlainCount(seat0, c.suit), c.plain);
        EXPECT_EQ(PlainCount(seat0.handInfo, c.suit), c.plain);
        EXPECT_EQ(SuitCountOf(seat0, c.suit), c.withoutJack);
    }
    Deal(seat0, "");
    EXPECT_EQ(PlainCount(seat0, CLUBS), 0);
    EXPECT_EQ(SuitCountOf(seat0, CLUBS), 0);
}

TEST_F(CardVocabularyTest, HighestAndLowestOfASuitOrOfTheTrumps) {
    g_Game.GameType = GAME_HEARTS;
    Deal(seat0, "CJ DJ HA H8 CA CK C7");
    EXPECT_EQ(HighestHeld(seat0, CLUBS), C(ACE, CLUBS));
    EXPECT_EQ(LowestHeld(seat0, CLUBS), C(SEVEN, CLUBS));
    // -1 asks for the trumps: the Jacks first.
    EXPECT_EQ(HighestHeld(seat0, -1), C(JACK, CLUBS));
    // The plain-suit questions answer the same for a suit and nothing for the trumps.
    EXPECT_EQ(HighestOfPlainSuit(seat0, CLUBS), C(ACE, CLUBS));
    EXPECT_EQ(LowestOfPlainSuit(seat0, CLUBS), C(SEVEN, CLUBS));
    EXPECT_EQ(LowCardOfPlainSuit(seat0, CLUBS), PickLowCardOfSuit(seat0, CLUBS));
    for (int suit : {-1, 4}) {
        SCOPED_TRACE(suit);
        EXPECT_EQ(HighestOfPlainSuit(seat0, suit), NO_CARD);
        EXPECT_EQ(LowestOfPlainSuit(seat0, suit), NO_CARD);
        EXPECT_EQ(LowCardOfPlainSuit(seat0, suit), NO_CARD);
    }
    EXPECT_NE(PickLowCardOfSuit(seat0, -1), NO_CARD);  // what the plain-suit form keeps out
    EXPECT_EQ(HighestHeld(seat0, SPADES), NO_CARD);
    Deal(seat0, "");
    EXPECT_EQ(HighestHeld(seat0, -1), NO_CARD);
    EXPECT_EQ(LowestHeld(seat0, CLUBS), NO_CARD);
}

TEST_F(CardVocabularyTest, NeighboursInTheSuitAndTheOrderOfTwoCards) {
    g_Game.GameType = GAME_HEARTS;
    Deal(seat0, "CA CQ C7 HA H9 CJ");
    EXPECT_EQ(HeldBelow(seat0, C(ACE, CLUBS)), C(QUEEN, CLUBS));
    EXPECT_EQ(HeldBelow(seat0, C(QUEEN, CLUBS)), C(SEVEN, CLUBS));
    EXPECT_EQ(HeldBelow(seat0, C(SEVEN, CLUBS)), NO_CARD);
    EXPECT_EQ(HeldAbove(seat0, C(SEVEN, CLUBS)), C(QUEEN, CLUBS));
    EXPECT_EQ(HeldAbove(seat0, C(ACE, CLUBS)), NO_CARD);
    // A card not held still has held neighbours; a trump has none in this sense.
    EXPECT_EQ(HeldBelow(seat0, C(TEN, CLUBS)), C(QUEEN, CLUBS));
    EXPECT_EQ(HeldBelow(seat0, C(ACE, HEARTS)), NO_CARD);
    EXPECT_EQ(HeldAbove(seat0, C(NINE, HEARTS)), NO_CARD);
    EXPECT_EQ(HeldBelow(seat0, NO_CARD), NO_CARD);

    EXPECT_TRUE(RanksBelow(C(SEVEN, CLUBS), C(ACE, CLUBS)));
    EXPECT_FALSE(RanksBelow(C(ACE, CLUBS), C(SEVEN, CLUBS)));
    EXPECT_FALSE(RanksBelow(C(ACE, CLUBS), C(ACE, CLUBS)));
    EXPECT_FALSE(RanksBelow(NO_CARD, C(ACE, CLUBS)));
    EXPECT_FALSE(RanksBelow(C(SEVEN, CLUBS), NO_CARD));
    // The Jack of Clubs is the highest trump of the suit game.
    EXPECT_TRUE(RanksBelow(C(ACE, HEARTS), C(JACK, CLUBS)));
}

TEST_F(CardVocabularyTest, TrumpSuitAndTrumpGames) {
    g_Game.GameType = GAME_HEARTS;
    EXPECT_TRUE(IsTrumpSuit(HEARTS));
    EXPECT_FALSE(IsTrumpSuit(CLUBS));
    EXPECT_FALSE(IsTrumpSuit(-1));
    for (int type : {GAME_GRAND, GAME_NULL, GAME_RAMSCH}) {
        SCOPED_TRACE(type);
        g_Game.GameType = type;
        for (int suit = -1; suit <= 4; ++suit) EXPECT_FALSE(IsTrumpSuit(suit));
    }
    for (int type : {GAME_CLUBS, GAME_DIAMONDS, GAME_GRAND, GAME_RAMSCH}) EXPECT_TRUE(IsTrumpGame(type)) << type;
    for (int type : {GAME_NONE, GAME_NULL, GAME_REVOLUTION, GAME_DURCHMARSCH}) EXPECT_FALSE(IsTrumpGame(type)) << type;
    EXPECT_EQ(JackOf(CLUBS), C(JACK, CLUBS));
    EXPECT_EQ(JackOf(DIAMONDS), C(JACK, DIAMONDS));
    EXPECT_EQ(JackOf(4), NO_CARD);
}

TEST_F(CardVocabularyTest, SidesAndTheCardsAPlayerMayPlay) {
    g_Game.GameType = GAME_HEARTS;
    g_Game.Soloist = 1;
    EXPECT_TRUE(IsDefender(seat0));
    EXPECT_FALSE(IsDefender(seat1));
    Deal(seat0, "CA C7 HA SJ");
    // Hearts led: the trump Ace and the Jack follow, the Clubs do not.
    seat0.trickLeadCard = C(NINE, HEARTS);
    EXPECT_TRUE(MayPlay(seat0, C(ACE, HEARTS)));
    EXPECT_TRUE(MayPlay(seat0, C(JACK, SPADES)));
    EXPECT_FALSE(MayPlay(seat0, C(ACE, CLUBS)));
    EXPECT_FALSE(MayPlay(seat0, C(TEN, HEARTS)));  // not held
    EXPECT_FALSE(MayPlay(seat0, NO_CARD));
    // Clubs led: only the Clubs.
    seat0.trickLeadCard = C(KING, CLUBS);
    EXPECT_TRUE(MayPlay(seat0, C(SEVEN, CLUBS)));
    EXPECT_FALSE(MayPlay(seat0, C(ACE, HEARTS)));
}

TEST_F(CardVocabularyTest, TheCoinShowsHeadsOnAnEvenDrawAndTailsOnAnOddOne) {
    const int draws[] = {0, 1, 2, 32767, 32766};
    for (int draw : draws) {
        SCOPED_TRACE(draw);
        const bool even = draw % 2 == 0;
        platform::Random().Script({draw});
        const auto before = platform::Random().DrawCount();
        EXPECT_EQ(CoinHeads(), even);
        EXPECT_EQ(platform::Random().DrawCount(), before + 1);
        platform::Random().Script({draw});
        EXPECT_EQ(CoinTails(), !even);
        EXPECT_EQ(platform::Random().DrawCount(), before + 2);
    }
}

TEST_F(CardVocabularyTest, RunningBestsDrawTheCoinOnlyOnAnEqualScore) {
    // Heads replaces in the plain running best, tails with oddReplaces.
    for (bool odd : {false, true}) {
        SCOPED_TRACE(odd);
        RunningBest best;
        best.oddReplaces = odd;
        const auto before = platform::Random().DrawCount();
        EXPECT_TRUE(best.Offer(C(ACE, CLUBS), 3));
        EXPECT_FALSE(best.Offer(C(KING, CLUBS), 2));
        EXPECT_EQ(platform::Random().DrawCount(), before);
        platform::Random().Script({0});
        EXPECT_EQ(best.Offer(C(TEN, CLUBS), 3), !odd);
        platform::Random().Script({1});
        EXPECT_EQ(best.Offer(C(QUEEN, CLUBS), 3), odd);
        EXPECT_EQ(platform::Random().DrawCount(), before + 2);
    }
    CoinFlipBest grand;
    grand.Offer(5, C(ACE, SPADES));
    platform::Random().Script({1});
    grand.Offer(5, C(TEN, SPADES));
    EXPECT_EQ(grand.card, C(ACE, SPADES));
    platform::Random().Script({2});
    grand.Offer(5, C(KING, SPADES));
    EXPECT_EQ(grand.card, C(KING, SPADES));
}

}  // namespace
