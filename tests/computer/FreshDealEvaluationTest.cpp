// The evaluation of a new deal starts afresh: a player's bid limit and option records for a hand
// do not depend on the hand he evaluated before.

#include "ComputerTestSupport.h"

#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "model/Skat.h"
#include "support/WholeDeal.h"

#include <cstring>

namespace {

class FreshDealEvaluationTest : public ComputerTest {
protected:
    // The ten cards into the hand slots of the row, the two skat slots empty.
    static void SetHand(CPlayer& player, const std::vector<int>& hand) {
        for (auto& card : player.cards) card = NO_CARD;
        for (auto& flag : player.present) flag = 0;
        for (std::size_t slot = 0; slot < hand.size(); ++slot) {
            player.cards[slot] = hand[slot];
            player.present[slot] = 1;
        }
        player.count = static_cast<int>(hand.size());
    }
    static std::vector<int> HandOf(const CPlayer& player) {
        return std::vector<int>(player.cards.begin(), player.cards.begin() + 10);
    }
    static bool SameRecords(const CPlayer& a, const CPlayer& b) {
        return std::memcmp(a.gameOptions, b.gameOptions, sizeof a.gameOptions) == 0;
    }
    // A seeded hand of three or four Jacks and no Ace with Ten, King and Queen of one suit: the
    // shape whose Grand trick count reads the option records' Schwarz field.
    static std::vector<int> JackRichHandWithoutAce() {
        std::vector<int> hand;
        const int missingJack = Rand() % 2 == 0 ? Rand() % 4 : -1;
        for (int s = 0; s < 4; ++s)
            if (s != missingJack) hand.push_back(C(JACK, s));
        const int longSuit = Rand() % 4;
        for (int rank : {TEN, KING, QUEEN}) hand.push_back(C(rank, longSuit));
        std::vector<int> rest;
        for (int s = 0; s < 4; ++s)
            for (int rank : {SEVEN, EIGHT, NINE, TEN, QUEEN, KING})
                if (s != longSuit || rank < TEN) rest.push_back(C(rank, s));
        while (hand.size() < 10) {
            const std::size_t pick = static_cast<std::size_t>(Rand()) % rest.size();
            hand.push_back(rest[pick]);
            rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(pick));
        }
        return hand;
    }
};

TEST_F(FreshDealEvaluationTest, AGrandSchwarzDealDoesNotRaiseTheNextDealsBidLimit) {
    // After a Grand that announces Schwarz, the Grand trick count of the next hand must not read
    // that Schwarz field: the hand is worth 27 (Diamonds with one, Hand), not 72.
    const std::vector<int> schwarz = ParseCards("CJ SJ HJ DJ CA CT CK CQ C9 C8");
    const std::vector<int> next = ParseCards("DJ DK DT S7 D8 HQ CJ DQ HK SJ");
    CComputer fresh{"Comp1", 10, false, 0};
    SetHand(fresh, next);
    EXPECT_EQ(CGameEvaluation(fresh).AnalyseAndEvaluate(0), 27);

    SetHand(seat0, schwarz);
    CGameEvaluation(seat0).AnalyseAndEvaluate(0);
    ASSERT_EQ(seat0.gameOptions[GAME_GRAND][OPT_SCHWARZ], 1);
    SetHand(seat0, next);
    EXPECT_EQ(CGameEvaluation(seat0).AnalyseAndEvaluate(0), 27);
    EXPECT_TRUE(SameRecords(seat0, fresh));
}

TEST_F(FreshDealEvaluationTest, TheBidLimitOfAHandIsTheSameWhateverWasEvaluatedBefore) {
    // Each hand is judged by a fresh player, then by one who judged another hand of the deal
    // before it, and by one who judged a Grand that announces Schwarz before it. Every other
    // hand is dealt; the rest are Jack-rich hands without an Ace.
    const std::vector<int> grandSchwarz = ParseCards("CJ SJ HJ DJ CA CT CK CQ C9 C8");
    CSkat game;
    int differing = 0;
    for (int deal = 1; deal <= 3000 && differing <= 5; ++deal) {
        SeedRand(static_cast<std::uint32_t>(deal));
        testsupport::DealAll(game);
        g_Game.Forehand = deal % 3;
        const std::vector<int> hand = deal % 2 == 0 ? HandOf(*game.Player(2)) : JackRichHandWithoutAce();

        CComputer fresh{"Comp1", 10, false, 0};
        SetHand(fresh, hand);
        const int freshLimit = CGameEvaluation(fresh).AnalyseAndEvaluate(0);

        for (const std::vector<int>& before : {HandOf(*game.Player(1)), grandSchwarz}) {
            CComputer player{"Comp1", 10, false, 0};
            SetHand(player, before);
            CGameEvaluation(player).AnalyseAndEvaluate(0);
            SetHand(player, hand);
            const int limit = CGameEvaluation(player).AnalyseAndEvaluate(0);
            if (limit != freshLimit || !SameRecords(player, fresh)) {
                ++differing;
                ADD_FAILURE() << "deal " << deal << ": limit " << limit << " after another hand, " << freshLimit
                              << " fresh";
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
