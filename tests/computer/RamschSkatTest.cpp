// A computer seat's turn with the Ramsch skat (pass on or pick up and push two back, the resume
// pause, a break meanwhile), the person's Durchmarsch advice that leaves his cards alone, the
// picked-up skat's counts and the single-card exchange.

#include "ComputerTestSupport.h"

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int PASS_ON = 103;
constexpr int PICK_UP = 110;

class RamschSkatTest : public ComputerTest {
protected:
    CCards skat{"", 2, false, false};
    std::vector<int> sent;
    int animated = 0;
    int pauses = 0;

    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.GameType = GAME_RAMSCH;
        g_Game.Soloist = NO_SEAT;
        g_Game.Forehand = 1;
        g_ComputerFrame.SendCommand = [this](int command) { sent.push_back(command); };
        g_ComputerFrame.SwapCards = [this](int card, CCards& row, int otherCard, CCards& otherRow) {
            ++animated;
            const int a = row.FindCard(card), b = otherRow.FindCard(otherCard);
            row.cards[static_cast<std::size_t>(a)] = otherCard;
            otherRow.cards[static_cast<std::size_t>(b)] = card;
        };
        g_ComputerFrame.ResumeSwapPause = [this] { ++pauses; };
    }
    // Ten hand cards, then the two skat cards; the hand analysed as after the deal.
    void Deal(CPlayer& player, const char* twelve) {
        const auto cards = ParseCards(twelve);
        ASSERT_EQ(cards.size(), 12u);
        GiveCards(player, {cards[0], cards[1], cards[2], cards[3], cards[4], cards[5], cards[6], cards[7], cards[8],
                           cards[9]});
        player.dealt.assign(cards.begin(), cards.begin() + 10);
        GiveCards(skat, {cards[10], cards[11]});
        skat.dealt = {cards[10], cards[11]};
        player.AnalyseHand(0);
    }
    static std::vector<int> Hand(const CPlayer& player) {
        return std::vector<int>(player.cards.begin(), player.cards.begin() + 10);
    }
    std::vector<int> TwelveSorted(const CPlayer& player) const {
        auto all = Hand(player);
        all.push_back(skat.cards[0]);
        all.push_back(skat.cards[1]);
        std::sort(all.begin(), all.end());
        return all;
    }
};

// Low cards everywhere: nothing to fear, the skat goes on unseen.
constexpr const char* kSafeHand = "C7 C8 C9 S7 S8 S9 H7 H8 D7 D8 CA SA";
// High cards without their low guards: the skat is taken to push two of them back.
constexpr const char* kRiskyHand = "CA CT SA ST HA HK DA DT DK SJ C7 H8";

TEST_F(RamschSkatTest, PassingOnSendsPassAndLeavesTheHand) {
    Deal(seat0, kSafeHand);
    const auto hand = Hand(seat0);
    const std::vector<int> skatBefore = {skat.cards[0], skat.cards[1]};
    seat0.HandleRamschSkat(skat);
    EXPECT_EQ(sent, std::vector<int>{PASS_ON});
    EXPECT_EQ(Hand(seat0), hand);
    EXPECT_EQ((std::vector<int>{skat.cards[0], skat.cards[1]}), skatBefore);
    EXPECT_EQ(animated, 0);
    EXPECT_EQ(g_Game.GameType, GAME_RAMSCH);
    EXPECT_EQ(g_Game.TrumpCount, 4);
}

TEST_F(RamschSkatTest, PickingUpSendsPickUpAndPushesTwoCardsBack) {
    for (int open : {0, 1}) {
        sent.clear();
        animated = 0;
        g_ComputerFrame.OpenCardsFlag = open;
        Deal(seat0, kRiskyHand);
        const auto before = TwelveSorted(seat0);
        const auto hand = Hand(seat0);
        // The frame's pick-up handler runs before any card moves.
        std::vector<int> handWhenSent;
        g_ComputerFrame.SendCommand = [&](int command) {
            sent.push_back(command);
            handWhenSent = Hand(seat0);
        };
        seat0.HandleRamschSkat(skat);
        EXPECT_EQ(sent, std::vector<int>{PICK_UP}) << open;
        EXPECT_EQ(handWhenSent, hand) << open;
        EXPECT_EQ(TwelveSorted(seat0), before) << "twelve cards conserved, open " << open;
        // Two cards pushed back, never a Jack; the picked-up cards that stay are in the hand.
        int changed = 0;
        for (int card : Hand(seat0)) changed += std::count(hand.begin(), hand.end(), card) ? 0 : 1;
        EXPECT_GE(changed, 1) << open;
        for (int card : {skat.cards[0], skat.cards[1]}) {
            EXPECT_NE(GetCardRank(card), JACK) << open;
            EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(card)), CARD_IN_SKAT) << open;
        }
        EXPECT_EQ(animated, open ? changed : 0) << "the exchange is animated only with the open-cards option";
    }
}

// Over many seeded deals, either computer seat and every forehand: one answer, the twelve cards
// conserved, at most two of them changed places, and no Jack of the hand pushed into the skat.
TEST_F(RamschSkatTest, SeededTurnsKeepTheTwelveCards) {
    for (int seed = 1; seed <= 300; ++seed) {
        SeedRand(static_cast<std::uint32_t>(seed));
        std::vector<int> deck;
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 8; ++r) deck.push_back(C(r, s));
        for (int i = 31; i > 0; --i)
            std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(Rand() % (i + 1))]);
        std::string twelve;
        for (int k = 0; k < 12; ++k) twelve += CardName(deck[static_cast<std::size_t>(k)]) + " ";
        CPlayer& player = seed % 2 ? static_cast<CPlayer&>(seat0) : static_cast<CPlayer&>(seat1);
        g_Game.Forehand = seed % 3;
        g_Game.StopFlag = StopState::Running;
        ResetCardTables();
        sent.clear();
        Deal(player, twelve.c_str());
        const auto before = TwelveSorted(player);
        const auto hand = Hand(player);
        player.HandleRamschSkat(skat);
        ASSERT_EQ(sent.size(), 1u) << twelve;
        ASSERT_EQ(TwelveSorted(player), before) << twelve;
        int changed = 0;
        for (int card : Hand(player)) changed += std::count(hand.begin(), hand.end(), card) ? 0 : 1;
        EXPECT_LE(changed, 2) << twelve;
        if (sent[0] == PASS_ON) {
            EXPECT_EQ(changed, 0) << twelve;
        } else {
            for (int card : {skat.cards[0], skat.cards[1]}) {
                const bool pushed = std::count(hand.begin(), hand.end(), card) > 0;
                EXPECT_FALSE(pushed && GetCardRank(card) == JACK) << twelve;
            }
        }
    }
}

TEST_F(RamschSkatTest, ResumePauseFollowsTheTurnUnlessTheGameIsBrokenOff) {
    Deal(seat0, kRiskyHand);
    seat0.HandleRamschSkat(skat);
    EXPECT_EQ(pauses, 1);
    // A break while the pick-up command runs: no exchange, no pause.
    pauses = 0;
    Deal(seat1, kRiskyHand);
    const auto hand = Hand(seat1);
    g_ComputerFrame.SendCommand = [](int) { g_Game.StopFlag = StopState::Requested; };
    seat1.HandleRamschSkat(skat);
    EXPECT_EQ(pauses, 0);
    EXPECT_EQ(Hand(seat1), hand);
}

// The person with the Clubs Jack and another: the Durchmarsch lay-away is worked out as advice,
// his hand, the skat and both dealt copies stay as they were.
TEST_F(RamschSkatTest, PersonsDurchmarschAdviceLeavesHisCards) {
    Deal(seat2, "CJ SJ CA CT CK SA ST SK H7 D7 HA HT");
    const auto hand = Hand(seat2);
    const auto dealtHand = seat2.dealt;
    const std::vector<int> skatBefore = {skat.cards[0], skat.cards[1]}, dealtSkat = skat.dealt;
    seat2.DecideRamschSkat(skat, true);
    EXPECT_EQ(Hand(seat2), hand);
    EXPECT_EQ((std::vector<int>{skat.cards[0], skat.cards[1]}), skatBefore);
    EXPECT_EQ(seat2.dealt, dealtHand);
    EXPECT_EQ(skat.dealt, dealtSkat);
    EXPECT_EQ(animated, 0);
    // The advice: two distinct cards of the twelve.
    const auto& result = g_Computer.Discard.DiscardResult;
    EXPECT_NE(result[0].Index, result[1].Index);
    EXPECT_EQ(g_Game.GameType, GAME_RAMSCH);
}

// Broken off before the person's skat is looked at: nothing was laid away, so a stale lay-away
// result must not be exchanged back.
TEST_F(RamschSkatTest, PersonsAdviceAfterABreakExchangesNothing) {
    Deal(seat2, "CJ SJ CA CT CK SA ST SK H7 D7 HA HT");
    const auto hand = Hand(seat2);
    const std::vector<int> skatBefore = {skat.cards[0], skat.cards[1]};
    g_Computer.Discard.DiscardResult[0] = {0, 6};
    g_Computer.Discard.DiscardResult[1] = {1, 5};
    g_Game.StopFlag = StopState::Requested;
    seat2.DecideRamschSkat(skat, true);
    EXPECT_EQ(Hand(seat2), hand);
    EXPECT_EQ((std::vector<int>{skat.cards[0], skat.cards[1]}), skatBefore);
}

TEST_F(RamschSkatTest, ComputersDurchmarschLayAwayKeepsTheDealtCopies) {
    g_ComputerFrame.OpenCardsFlag = 1;
    Deal(seat0, "CJ SJ CA CT CK SA ST SK H7 D7 HA HT");
    const auto before = TwelveSorted(seat0);
    const auto dealtHand = seat0.dealt;
    seat0.DecideRamschSkat(skat, true);
    EXPECT_EQ(TwelveSorted(seat0), before);
    EXPECT_EQ(seat0.dealt, dealtHand);
    EXPECT_NE(Hand(seat0), dealtHand) << "the computer lays away for the Durchmarsch";
    EXPECT_GT(animated, 0);
}

TEST_F(RamschSkatTest, SkatCountsAddTheJacksOfTheSkat) {
    struct Case {
        const char* skatCards;
        int jacks;
    };
    for (const Case& c : {Case{"C7 D8", 0}, Case{"CJ D8", 1}, Case{"HJ DJ", 2}}) {
        Deal(seat2, (std::string("SJ C8 C9 S7 S8 S9 H7 H8 D7 D9 ") + c.skatCards).c_str());
        const int before = seat2.handInfo.JackCount;
        seat2.TakeSkatCounts(skat);
        EXPECT_EQ(seat2.handInfo.JackCount, before + c.jacks) << c.skatCards;
        EXPECT_EQ(seat2.cards[10], skat.cards[0]);
        EXPECT_EQ(seat2.cards[11], skat.cards[1]);
    }
}

TEST_F(RamschSkatTest, SwapCardsMarksTheCardsWhereTheyNowLie) {
    Deal(seat0, kSafeHand);
    const int handCard = seat0.cards[3], skatCard = skat.cards[1];
    SetCardLocation(skatCard, CARD_IN_SKAT);
    seat0.SwapCards(3, skat, 1, false);
    EXPECT_EQ(seat0.cards[3], skatCard);
    EXPECT_EQ(skat.cards[1], handCard);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(handCard)), CARD_IN_SKAT);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(skatCard)), -1);
    // An index outside either row moves nothing.
    seat0.SwapCards(12, skat, 0, false);
    seat0.SwapCards(0, skat, 2, false);
    EXPECT_EQ(seat0.cards[3], skatCard);
    EXPECT_EQ(skat.cards[0], ParseCards(kSafeHand)[10]);
}

}  // namespace
