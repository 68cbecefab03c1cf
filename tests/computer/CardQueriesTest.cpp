// Card queries and pick routines: the walks over held and gone cards, the random tie counter and
// its scripted draws, the Jack runs, and the top-card and safety tests.

#include "ComputerTestSupport.h"

#include "computer/evaluation/HandAnalysis.h"
#include "computer/play/CardQueries.h"

namespace {

class CardQueriesTest : public ComputerTest {
protected:
    void Analyse(CPlayer& player) { player.AnalyseHand(0); }
    void Play(int card) { SetCardLocation(card, CARD_PLAYED); }
};

TEST_F(CardQueriesTest, HighestInSuitDrawsAcrossAGoneCardButStopsAtOneStillOut) {
    g_Game.GameType = GAME_GRAND;
    GiveCards(seat0, "HA HT H7 CA C7 C8 C9 S7 S8 S9");
    Analyse(seat0);
    // The King of Hearts still out: the run is Ace, Ten, and the next card breaks it. The draw
    // Rand() % 2 == 0 replaces the Ace by the Ten; 1 keeps the Ace.
    platform::Random().Script({0});
    EXPECT_EQ(PickHighestInSuit(seat0, HEARTS, false), C(TEN, HEARTS));
    platform::Random().Script({1});
    EXPECT_EQ(PickHighestInSuit(seat0, HEARTS, false), C(ACE, HEARTS));
    EXPECT_EQ(PickHighestInSuit(seat0, HEARTS, true), C(ACE, HEARTS));
    // With the Ten missing the walk ends after the Ace without a draw.
    GiveCards(seat1, "HA HK C7");
    Analyse(seat1);
    const auto draws = platform::Random().DrawCount();
    EXPECT_EQ(PickHighestInSuit(seat1, HEARTS, false), C(ACE, HEARTS));
    EXPECT_EQ(platform::Random().DrawCount(), draws);
    EXPECT_EQ(PickHighestInSuit(seat0, 4, false), NO_CARD);
}

// A code that names no card is held by nobody: the hand's rank table is never read outside it.
TEST_F(CardQueriesTest, OnlyRealCardsAreHeld) {
    g_Game.GameType = GAME_GRAND;
    GiveCards(seat0, {C(ACE, HEARTS), C(JACK, CLUBS), C(SEVEN, DIAMONDS)});
    Analyse(seat0);
    for (int card : {C(ACE, HEARTS), C(JACK, CLUBS), C(SEVEN, DIAMONDS)}) EXPECT_TRUE(IsHeld(seat0, card)) << card;
    for (int card : {C(TEN, HEARTS), C(JACK, SPADES)}) EXPECT_FALSE(IsHeld(seat0, card)) << card;
    for (int card : {NO_CARD, 0, 2, 6, 53, 1000, -7}) EXPECT_FALSE(IsHeld(seat0, card)) << card;
}

TEST_F(CardQueriesTest, TieCounterGrowsOnlyWhenTheLaterCandidateWins) {
    g_Game.GameType = GAME_GRAND;
    GiveCards(seat0, "HA HT HK C7");
    Analyse(seat0);
    // Ten: 0 % 2 replaces (counter 3); King: 1 % 3 keeps the Ten.
    platform::Random().Script({0, 1});
    EXPECT_EQ(PickHighestInSuit(seat0, HEARTS, false), C(TEN, HEARTS));
    EXPECT_EQ(g_Computer.RandomTieCounter, 3);
}

TEST_F(CardQueriesTest, LowCardOfSuitAndLowestInSuit) {
    g_Game.GameType = GAME_GRAND;
    GiveCards(seat0, "HA H7 C9 C8 C7");
    Analyse(seat0);
    EXPECT_EQ(PickLowCardOfSuit(seat0, HEARTS), C(ACE, HEARTS));
    platform::Random().Script({1, 1});
    EXPECT_EQ(PickLowCardOfSuit(seat0, CLUBS), C(NINE, CLUBS));
    EXPECT_EQ(PickLowestInSuit(seat0, CLUBS, true), C(SEVEN, CLUBS));
    // Lowest: a later candidate replaces on rand() % 2 == 1.
    platform::Random().Script({1, 0});
    EXPECT_EQ(PickLowestInSuit(seat0, CLUBS, false), C(EIGHT, CLUBS));
}

TEST_F(CardQueriesTest, JackRunsAndNeighbours) {
    g_Game.GameType = GAME_HEARTS;
    GiveCards(seat0, "SJ HJ DJ HA H9 H7 CA CK C9 S7");
    Analyse(seat0);
    EXPECT_EQ(PickJack(seat0, -1), C(JACK, SPADES));
    EXPECT_EQ(PickRandomJack(seat0, -1), C(JACK, DIAMONDS));
    platform::Random().Script({2});
    EXPECT_EQ(PickJack(seat0, CLUBS), C(JACK, DIAMONDS));  // run Spades..Diamonds, position 2
    platform::Random().Script({1});
    EXPECT_EQ(PickRandomJack(seat0, HEARTS), C(JACK, HEARTS));  // run Diamonds..Hearts, one up
    EXPECT_EQ(PickTrumpBelow(seat0, C(JACK, SPADES)), C(JACK, HEARTS));
    EXPECT_EQ(PickTrumpBelow(seat0, C(JACK, DIAMONDS)), C(ACE, HEARTS));
    EXPECT_EQ(PickCardAboveInTrumps(seat0, C(SEVEN, HEARTS), false), C(NINE, HEARTS));
    EXPECT_EQ(PickCardAboveInTrumps(seat0, C(ACE, HEARTS), false), C(JACK, DIAMONDS));
    EXPECT_EQ(GetNextHigherHeld(seat0, C(JACK, DIAMONDS)), C(JACK, SPADES));
    EXPECT_EQ(GetNextLowerHeld(seat0, C(JACK, SPADES)), C(JACK, DIAMONDS));
    // Trumps have no neighbour in their suit; plain cards do.
    EXPECT_EQ(NextLowerInSuit(seat0, C(ACE, HEARTS), false), NO_CARD);
    EXPECT_EQ(NextHigherInSuit(seat0, C(SEVEN, HEARTS)), NO_CARD);
    EXPECT_EQ(NextLowerInSuit(seat0, C(ACE, CLUBS), false), C(KING, CLUBS));
    EXPECT_EQ(NextLowerInSuit(seat0, C(ACE, CLUBS), true), C(KING, CLUBS));  // the Ten lies between
    GiveCards(seat1, "CA CT");
    Analyse(seat1);
    EXPECT_EQ(NextLowerInSuit(seat1, C(ACE, CLUBS), true), C(ACE, CLUBS));  // the Ten is directly below
    EXPECT_EQ(NextHigherInSuit(seat0, C(NINE, CLUBS)), C(KING, CLUBS));
}

TEST_F(CardQueriesTest, TopCardOfATrumpNeedsEveryJackAccountedFor) {
    g_Game.GameType = GAME_HEARTS;
    g_Game.TrumpCount = 11;
    GiveCards(seat0, "DJ HA C7 C8");
    Analyse(seat0);
    EXPECT_FALSE(IsTopCard(seat0, C(ACE, HEARTS), -1, -1));  // his own Jack is not named
    Play(C(JACK, CLUBS));
    Play(C(JACK, SPADES));
    Play(C(JACK, HEARTS));
    EXPECT_TRUE(IsTopCard(seat0, C(ACE, HEARTS), C(JACK, DIAMONDS), -1));
    EXPECT_TRUE(IsTopCard(seat0, C(JACK, DIAMONDS), -1, -1));
    EXPECT_FALSE(IsTopCard(seat0, NO_CARD, -1, -1));
    // A plain Ten is top once the Ace is played.
    EXPECT_FALSE(IsTopCard(seat0, C(TEN, SPADES), -1, -1));
    Play(C(ACE, SPADES));
    EXPECT_TRUE(IsTopCard(seat0, C(TEN, SPADES), -1, -1));
}

TEST_F(CardQueriesTest, SuitSafetyAsksWhetherTheOthersMayStillHoldTheSuit) {
    g_Game.GameType = GAME_NULL;
    StartPlayKnowledge();
    GiveCards(seat0, "C9 SA");
    Analyse(seat0);
    EXPECT_FALSE(IsSuitSafe(seat0, C(NINE, CLUBS), -1, -1));
    g_Knowledge.VoidTable[1][CLUBS] = 0;
    g_Knowledge.VoidTable[2][CLUBS] = 0;
    EXPECT_TRUE(IsSuitSafe(seat0, C(NINE, CLUBS), -1, -1));
}

TEST_F(CardQueriesTest, CardsStillOutAndJacksOut) {
    g_Game.GameType = GAME_SPADES;
    GiveCards(seat0, "SA CJ H7");
    Analyse(seat0);
    EXPECT_EQ(HighestCardOutInSuit(seat0, SPADES), C(TEN, SPADES));
    EXPECT_EQ(LowestCardOutInSuit(seat0, HEARTS), C(EIGHT, HEARTS));
    EXPECT_EQ(FirstMissingJack(seat0), C(JACK, SPADES));
    EXPECT_TRUE(HasJacksOut(seat0));
    Play(C(JACK, SPADES));
    Play(C(JACK, HEARTS));
    Play(C(JACK, DIAMONDS));
    EXPECT_FALSE(HasJacksOut(seat0));
    EXPECT_EQ(FirstMissingJack(seat0), C(TEN, SPADES));
    EXPECT_TRUE(AreLowerJacksGone(seat0, C(JACK, CLUBS)));
}

}  // namespace
