// The Revolution exchange as a pure function over fixed and seeded deals: the attack suit, the
// ten and twelve cards of the two defenders, the two cards into the skat, the forced card.

#include "ComputerTestSupport.h"

#include "computer/evaluation/HandAnalysis.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

class RevolutionTest : public ComputerTest {
protected:
    CCards skat{"", 2, false, false};
    CPlayer pool{"", 22, false, 3};

    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.GameType = GAME_REVOLUTION;
        g_Game.TrumpCount = 4;
        g_Game.Soloist = 2;
    }
    // The soloist (seat 2) holds the first ten cards; the defenders seat 0 and seat 1 the next
    // twenty; the skat the last two.
    void Deal(const std::vector<int>& cards) {
        ASSERT_EQ(cards.size(), 32u);
        auto ten = [&](CCards& row, std::size_t from) {
            GiveCards(row, {cards[from], cards[from + 1], cards[from + 2], cards[from + 3], cards[from + 4],
                            cards[from + 5], cards[from + 6], cards[from + 7], cards[from + 8], cards[from + 9]});
        };
        ten(seat2, 0);
        ten(seat0, 10);
        ten(seat1, 20);
        GiveCards(skat, {cards[30], cards[31]});
        for (CPlayer* p : {static_cast<CPlayer*>(&seat0), static_cast<CPlayer*>(&seat1), static_cast<CPlayer*>(&seat2)})
            p->AnalyseHand(0);
    }
    std::vector<int> Pooled() const {
        std::vector<int> all(seat0.cards.begin(), seat0.cards.begin() + 10);
        all.insert(all.end(), seat1.cards.begin(), seat1.cards.begin() + 10);
        all.push_back(skat.cards[0]);
        all.push_back(skat.cards[1]);
        std::sort(all.begin(), all.end());
        return all;
    }
    static bool Holds(const CPlayer& player, int card) {
        return std::find(player.cards.begin(), player.cards.begin() + 10, card) != player.cards.begin() + 10;
    }
};

// The attack suit is one the open soloist cannot duck: a pooled card stands below his card of the
// same place from below, so the first defender leads it and he must take the trick. His Clubs
// Seven under the pool's Eight is no attack (he would duck the Eight with the Seven); his Spades
// Nine over the pool's Seven is: the first defender gets all pooled Spades and leads the Seven.
TEST_F(RevolutionTest, TheAttackSuitIsOneTheSoloistMustTakeATrickIn) {
    for (int forehand : {0, 2}) {
        g_Game.Forehand = forehand;
        seat0.forcedCard = 0;
        Deal(ParseCards("C7 S9 DA DK DQ DJ DT D9 D8 D7 "
                        "CA CK CQ CJ CT C9 C8 SA SK HA "
                        "SQ SJ ST S8 S7 HK HQ HJ HT H9 "
                        "H8 H7"));
        const auto before = Pooled();
        pool.SwapOpponentCards(skat, seat0, seat1, seat2);
        EXPECT_EQ(Pooled(), before) << forehand;
        EXPECT_EQ(seat0.forcedCard, C(SEVEN, SPADES)) << forehand;
        EXPECT_NE(seat0.forcedCard, C(EIGHT, CLUBS)) << forehand;
        for (int card : ParseCards("SA SK SQ SJ ST S8 S7")) EXPECT_TRUE(Holds(seat0, card)) << CardName(card);
    }
}

// The soloist's Hearts Seven and Nine below every pooled Heart: he ducks whatever is led, so
// Hearts is no attack suit and the first defender is not sent to lead the Eight.
TEST_F(RevolutionTest, ASuitTheSoloistCanDuckIsNoAttackSuit) {
    for (int forehand : {0, 2}) {
        g_Game.Forehand = forehand;
        seat0.forcedCard = 0;
        Deal(ParseCards("H7 H9 DA DK DQ DJ DT D9 D8 D7 "
                        "CA CK CQ CJ CT C9 C8 C7 HA HK "
                        "SA SK SQ SJ ST S9 S8 S7 HQ HJ "
                        "HT H8"));
        for (int s = 0; s < 4; ++s) seat2.handInfo.StructureCode[s] = 1;
        const auto before = Pooled();
        pool.SwapOpponentCards(skat, seat0, seat1, seat2);
        EXPECT_EQ(Pooled(), before) << forehand;
        EXPECT_NE(seat0.forcedCard, C(EIGHT, HEARTS)) << forehand;
        EXPECT_EQ(seat0.forcedCard, 0) << forehand;
    }
}

// The person leads and no suit of the soloist can be attacked from below: the suits he holds
// weakest go to the first defender, two of them when all would make more than ten cards; two
// suits that make more than ten keep the first, which named the forced card.
TEST_F(RevolutionTest, WeakSuitsOfTheSoloistGoToTheFirstDefender) {
    struct Case {
        const char* name;
        std::vector<int> weak;  // the soloist's suits with structure code 3
        int forced;
        const char* first;      // the first defender's ten cards
    };
    const Case cases[] = {
        {"three suits: the pair making ten", {CLUBS, SPADES, HEARTS}, C(TEN, CLUBS),
         "CA CK CQ CJ CT SA SK SQ SJ ST"},
        {"two suits over ten: the first, topped up", {HEARTS, DIAMONDS}, C(NINE, HEARTS),
         "HA HK HQ HJ HT H9 CA SA DA CK"},
    };
    for (const Case& c : cases) {
        g_Game.Forehand = 2;
        seat0.forcedCard = 0;
        // The soloist holds the lowest cards of every suit: he can duck whatever is led.
        Deal(ParseCards("C9 C8 C7 S9 S8 S7 H8 H7 D8 D7 "
                        "CA CK CQ CJ CT SA SK SQ SJ ST "
                        "HA HK HQ HJ HT H9 DA DK DQ DJ "
                        "DT D9"));
        for (int s = 0; s < 4; ++s) seat2.handInfo.StructureCode[s] = 1;
        for (int s : c.weak) seat2.handInfo.StructureCode[s] = 3;
        pool.SwapOpponentCards(skat, seat0, seat1, seat2);
        auto expected = ParseCards(c.first);
        std::vector<int> got(seat0.cards.begin(), seat0.cards.begin() + 10);
        std::sort(expected.begin(), expected.end());
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, expected) << c.name;
        EXPECT_EQ(seat0.forcedCard, c.forced) << c.name;
    }
}

// Over many seeded deals and both forehand cases: ten cards to the first defender, twelve to the
// second of which two go into the skat, the 22 cards conserved with no duplicate, and a forced
// card only when the first defender holds it.
TEST_F(RevolutionTest, SeededDealsSplitTenAndTwelve) {
    for (int seed = 1; seed <= 300; ++seed) {
        for (int forehand : {0, 1, 2}) {
            SeedRand(static_cast<std::uint32_t>(seed * 7 + forehand));
            std::vector<int> deck;
            for (int s = 0; s < 4; ++s)
                for (int r = 0; r < 8; ++r) deck.push_back(C(r, s));
            for (int i = 31; i > 0; --i)
                std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(Rand() % (i + 1))]);
            g_Game.Forehand = forehand;
            seat0.forcedCard = 0;
            Deal(deck);
            const auto before = Pooled();
            pool.SwapOpponentCards(skat, seat0, seat1, seat2);
            const auto after = Pooled();
            ASSERT_EQ(after, before) << "seed " << seed << " forehand " << forehand;
            ASSERT_EQ(std::set<int>(after.begin(), after.end()).size(), 22u) << "seed " << seed;
            for (int card : after) ASSERT_TRUE(IsCardCode(card)) << "seed " << seed;
            EXPECT_EQ(seat1.cards[10], NO_CARD);
            EXPECT_EQ(seat1.cards[11], NO_CARD);
            EXPECT_EQ(skat.count, 2);
            if (seat0.forcedCard != 0) {
                EXPECT_TRUE(Holds(seat0, seat0.forcedCard)) << "seed " << seed;
            }
        }
    }
}

}  // namespace
