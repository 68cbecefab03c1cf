// The lay-away: the planners' candidates for characteristic suits, the final choice's tie-break
// and, over many seeded deals, that every game type lays away two distinct held cards.

#include "ComputerTestSupport.h"

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardPlanner.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/GameTypeLookups.h"

#include <algorithm>
#include <vector>

namespace {

class DiscardTest : public ComputerTest {
protected:
    // Ten hand cards and two skat cards (slots 10 and 11), analysed with the skat for game type t.
    void Prepare(const std::vector<int>& hand, int skat1, int skat2, int type) {
        GiveCards(seat0, hand);
        GiveSkat(seat0, skat1, skat2);
        g_Game.GameType = type;
        g_Game.TrumpCount = type < 4 ? 11 : 4;
        seat0.AnalyseHand(1);
    }
    int CardOf(int index) const { return seat0.cards[index]; }
    std::vector<int> Chosen() const {
        const auto& result = g_Computer.Discard.DiscardResult;
        std::vector<int> cards = {CardOf(result[0].Index), CardOf(result[1].Index)};
        std::sort(cards.begin(), cards.end());
        return cards;
    }
    static std::vector<int> Sorted(std::vector<int> cards) {
        std::sort(cards.begin(), cards.end());
        return cards;
    }
};

TEST_F(DiscardTest, SuitGameLaysAwayTwoBlanks) {
    // Clubs game: blank King of Spades and blank Nine of Hearts go, the rest is trumps and Aces.
    Prepare(ParseCards("CJ SJ CA CT CK CQ C9 SK H9 DA"), C(TEN, DIAMONDS), C(EIGHT, CLUBS), GAME_CLUBS);
    g_Computer.Discard.ClearCounts();
    CDiscardPlanner(seat0).PlanDiscardSuit(GAME_CLUBS);
    const auto& b = g_Computer.Discard;
    ASSERT_EQ(b.Singles1Count, 2);
    EXPECT_EQ(b.Singles1[0].Score, 4);  // the King
    EXPECT_EQ(b.Singles1[1].Score, 2);  // the Nine
    PlanAndChooseDiscard(seat0, GAME_CLUBS);
    EXPECT_EQ(Chosen(), Sorted(ParseCards("SK H9")));
}

TEST_F(DiscardTest, FirstPassProposalsOfSingleSuits) {
    struct Case {
        std::vector<int> spades;  // the Spades cards; the rest of the hand is Clubs trumps
        int list;                 // 1..3 Singles, 4..5 Pairs1..2, 0 nothing
        int score;                // score of the (first) entry
    };
    const std::vector<Case> cases = {
        {ParseCards("ST"), 1, 6},           // blank Ten: order 5 + 1
        {ParseCards("S7"), 1, 0},           // blank Seven
        {ParseCards("SA SQ"), 2, 3},        // Ace and Queen: the Queen
        {ParseCards("SA ST"), 0, 0},        // Ace and Ten: nothing
        {ParseCards("SQ S9 S7"), 5, 7},     // Queen 3 + 4, Nine 0 + 4
        {ParseCards("SA SK SQ S9"), 3, 4},  // the King
        {ParseCards("SA SK SQ S8"), 3, 1},  // the Eight
    };
    const std::vector<int> trumps = ParseCards("CJ SJ HJ DJ CA CT CK CQ C9 C8 C7");
    for (const Case& c : cases) {
        std::vector<int> cards = c.spades;
        for (int i = 0; cards.size() < 12; ++i) cards.push_back(trumps[i]);
        GiveCards(seat0, {cards[0], cards[1], cards[2], cards[3], cards[4], cards[5], cards[6], cards[7], cards[8],
                          cards[9]});
        GiveSkat(seat0, cards[10], cards[11]);
        g_Game.GameType = GAME_CLUBS;
        seat0.AnalyseHand(1);
        g_Computer.Discard.ClearCounts();
        CDiscardPlanner(seat0).PlanDiscardSuit(GAME_CLUBS);
        const auto& b = g_Computer.Discard;
        const int counts[] = {b.Singles1Count, b.Singles2Count, b.Singles3Count, b.Pairs1Count, b.Pairs2Count};
        const int scores[] = {b.Singles1[0].Score, b.Singles2[0].Score, b.Singles3[0].Score, b.Pairs1[0].First.Score,
                              b.Pairs2[0].First.Score};
        for (int l = 0; l < 5; ++l) {
            EXPECT_EQ(counts[l], c.list == l + 1 ? 1 : 0) << "case of " << c.spades.size() << " cards, list " << l + 1;
            if (c.list == l + 1) {
                EXPECT_EQ(scores[l], c.score) << "case of " << c.spades.size() << " cards";
            }
        }
    }
}

TEST_F(DiscardTest, NullAndDurchmarschPlanners) {
    // Null: a blank Ace (score 7) and Seven-King of Hearts (the King, score 6); a blank Seven
    // proposes nothing.
    Prepare(ParseCards("CA S7 H7 HK D7 D8 D9 DT DJ DQ"), C(KING, DIAMONDS), C(ACE, DIAMONDS), GAME_NULL);
    g_Computer.Discard.ClearCounts();
    CDiscardPlanner(seat0).PlanDiscardNull();
    const auto& b = g_Computer.Discard;
    ASSERT_EQ(b.Singles1Count, 1);
    EXPECT_EQ(b.Singles1[0].Score, 7);
    ASSERT_EQ(b.Singles2Count, 1);
    EXPECT_EQ(CardOf(b.Singles2[0].Index), C(KING, HEARTS));
    EXPECT_EQ(b.Singles2[0].Score, 6);
    PlanAndChooseDiscard(seat0, GAME_NULL);
    EXPECT_EQ(Chosen(), Sorted(ParseCards("CA HK")));

    // Durchmarsch: two doubletons without Ace and nothing else to give: the two lowest of them.
    Prepare(ParseCards("C9 CK S8 SQ HA HT HK DA DT DK"), C(JACK, CLUBS), C(JACK, SPADES), GAME_DURCHMARSCH);
    g_Computer.Discard.ClearCounts();
    CDiscardPlanner(seat0).PlanDiscardDurchmarsch();
    ASSERT_EQ(b.Singles2Count, 2);
    EXPECT_EQ(b.Pairs1Count, 0);
    EXPECT_EQ(Sorted({CardOf(b.Singles2[0].Index), CardOf(b.Singles2[1].Index)}), Sorted(ParseCards("S8 C9")));
}

TEST_F(DiscardTest, EqualScoresAreSettledByTheOddDraw) {
    // Two blanks of equal score: the later replaces the earlier exactly when the draw is odd.
    const DiscardEntry entries[3] = {{1, 4}, {2, 4}, {3, 4}};
    platform::Random().Script({0, 0, 0, 0, 0, 0});
    CDiscardPlanner::ChooseBestSingles(3, entries, true);
    EXPECT_EQ(g_Computer.Discard.ChosenCount, 2);
    EXPECT_EQ(g_Computer.Discard.DiscardResult[0].Index, 2);  // the second filled the first slot
    EXPECT_EQ(g_Computer.Discard.DiscardResult[1].Index, 1);
    platform::Random().ClearScript();
    platform::Random().Script({1, 1, 1, 1, 1, 1});
    CDiscardPlanner::ChooseBestSingles(3, entries, true);
    EXPECT_EQ(g_Computer.Discard.DiscardResult[1].Index, 3);
    EXPECT_EQ(g_Computer.Discard.DiscardResult[0].Index, 2);
    // One entry is one card, in the first slot.
    CDiscardPlanner::ChooseBestSingles(1, entries, true);
    EXPECT_EQ(g_Computer.Discard.ChosenCount, 1);
    EXPECT_EQ(g_Computer.Discard.DiscardResult[0].Index, 1);
}

TEST_F(DiscardTest, EveryGameLaysAwayTwoDistinctHeldCardsOverManyDeals) {
    for (int deal = 0; deal < 300; ++deal) {
        SeedRand(1000 + deal);
        std::vector<int> deck;
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 8; ++r) deck.push_back(C(r, s));
        for (int i = 31; i > 0; --i) std::swap(deck[i], deck[Rand() % (i + 1)]);
        for (int type : {0, 1, 2, 3, 4, 5, 6, 8}) {
            Prepare({deck[0], deck[1], deck[2], deck[3], deck[4], deck[5], deck[6], deck[7], deck[8], deck[9]},
                    deck[10], deck[11], type);
            PlanAndChooseDiscard(seat0, type);
            const auto& b = g_Computer.Discard;
            ASSERT_EQ(b.ChosenCount, 2) << "deal " << deal << " type " << type;
            const int i1 = b.DiscardResult[0].Index, i2 = b.DiscardResult[1].Index;
            ASSERT_TRUE(i1 >= 0 && i1 < 12 && i2 >= 0 && i2 < 12) << "deal " << deal << " type " << type;
            EXPECT_NE(i1, i2) << "deal " << deal << " type " << type;
            if (type < 4 || type == GAME_GRAND) {
                int plain = 0;  // cards that are neither Jack nor trump
                for (int i = 0; i < 12; ++i)
                    plain += GetCardRank(deck[i]) != JACK && GetCardSuit(deck[i], true) != type ? 1 : 0;
                for (int index : {i1, i2})
                    if (plain >= 2) {
                        EXPECT_NE(GetCardRank(CardOf(index)), JACK) << "deal " << deal << " type " << type;
                    }
            }
        }
    }
}

}  // namespace
