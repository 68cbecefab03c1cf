// The hand's cards in another game's order, asked in the middle of a game: the Null order and the
// Ramsch order name the cards as those games rank them, and the game record is left as it was,
// trump count and all.

#include "ComputerTestSupport.h"

#include "computer/evaluation/OtherGameOrder.h"

namespace {

class OtherGameOrderTest : public ComputerTest {};

// In a Hearts game the Ten stands below the Ace and the Jack of Clubs is a trump; in the Null order
// the King follows the Ace and the Jack is a Club between the Queen and the Ten.
TEST_F(OtherGameOrderTest, NullOrderNamesTheCardsAsNullRanksThem) {
    g_Game.SetGameTypeWithTrumps(GAME_HEARTS, 7);
    GiveCards(seat0, "HA HK HT H9 H7 CJ C8 S7 DT D9");
    seat0.AnalyseHand(0);
    const auto draws = platform::Random().DrawCount();

    const std::vector<NullSuitCards> cards = NullOrderCards(seat0, {HEARTS, CLUBS, SPADES, -1, 4});

    ASSERT_EQ(cards.size(), 5u);
    struct Case {
        const char* what;
        int suit, highest, belowHighest, lowest, aboveLowest;
    };
    const Case cases[] = {
        {"Hearts: the King below the Ace", HEARTS, C(ACE, HEARTS), C(KING, HEARTS), C(SEVEN, HEARTS), C(NINE, HEARTS)},
        {"Clubs: the Jack is a Club", CLUBS, C(JACK, CLUBS), C(EIGHT, CLUBS), C(EIGHT, CLUBS), C(JACK, CLUBS)},
        {"Spades: one card", SPADES, C(SEVEN, SPADES), NO_CARD, C(SEVEN, SPADES), NO_CARD},
        {"the trump column lists nothing", -1, NO_CARD, NO_CARD, NO_CARD, NO_CARD},
        {"no suit lists nothing", 4, NO_CARD, NO_CARD, NO_CARD, NO_CARD},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const Case& c = cases[k];
        SCOPED_TRACE(c.what);
        EXPECT_EQ(cards[k].suit, c.suit);
        EXPECT_EQ(cards[k].highest, c.highest);
        EXPECT_EQ(cards[k].belowHighest, c.belowHighest);
        EXPECT_EQ(cards[k].lowest, c.lowest);
        EXPECT_EQ(cards[k].aboveLowest, c.aboveLowest);
    }
    EXPECT_EQ(g_Game.GameType, GAME_HEARTS);
    EXPECT_EQ(g_Game.TrumpCount, 7);
    EXPECT_EQ(platform::Random().DrawCount(), draws) << "the question draws no random number";
}

// In a Null game the Jacks are suit cards; in the Ramsch order they are the trumps, listed apart,
// and each suit lists its cards without its Jack.
TEST_F(OtherGameOrderTest, RamschOrderListsTheJacksApartFromTheSuits) {
    g_Game.SetGameTypeWithTrumps(GAME_NULL, 0);
    GiveCards(seat0, "CJ HJ CA CT C7 S9 HK H7 DA D7");
    seat0.AnalyseHand(0);

    const RamschHandCards hand = RamschOrderCards(seat0);

    EXPECT_EQ(hand.jacks, (std::vector<int>{C(JACK, CLUBS), C(JACK, HEARTS)}));
    EXPECT_EQ(hand.suits[CLUBS], (std::vector<int>{C(ACE, CLUBS), C(TEN, CLUBS), C(SEVEN, CLUBS)}));
    EXPECT_EQ(hand.suits[SPADES], (std::vector<int>{C(NINE, SPADES)}));
    EXPECT_EQ(hand.suits[HEARTS], (std::vector<int>{C(KING, HEARTS), C(SEVEN, HEARTS)}));
    EXPECT_EQ(hand.suits[DIAMONDS], (std::vector<int>{C(ACE, DIAMONDS), C(SEVEN, DIAMONDS)}));
    EXPECT_EQ(g_Game.GameType, GAME_NULL);
    EXPECT_EQ(g_Game.TrumpCount, 0);
}

}  // namespace
