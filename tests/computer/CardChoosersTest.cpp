// The score choosers and the Grand and suit card choosers: characteristic hands, the coin-flip
// senses under all-0 and all-1 scripts, and properties over seeded deals (never more points than
// allowed, the unguarded Ten doubleton kept, the top of a held run).

#include "CardPlayTestSupport.h"

#include "computer/play/CardChoosers.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "support/WholeDeal.h"
#include "support/SkatTestAccess.h"

namespace {

class CardChoosersTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_GRAND);
        StartPlayKnowledge();
        g_Game.Soloist = 2;
        g_Game.Forehand = g_Game.TrickWinner = 0;
    }
    static void Draws(int value) {
        platform::Random().ClearScript();
        platform::Random().Script(std::vector<int>(40, value));
    }
};

TEST_F(CardChoosersTest, CoinFlipSensesOfThePerSuitChoosers) {
    // Two single Aces score alike in the lead-or-last chooser: the newcomer wins on an odd draw.
    GiveHand(seat0, "CA SA");
    Draws(0);
    EXPECT_EQ(CCardChoosers(seat0).ChooseLeadOrLastCard(-1), C(ACE, CLUBS));
    Draws(1);
    EXPECT_EQ(CCardChoosers(seat0).ChooseLeadOrLastCard(-1), C(ACE, SPADES));
    // Two single Sevens in the trump-game chooser: the newcomer wins on an even draw.
    g_Game.Soloist = 0;
    GiveHand(seat0, "C7 S7 CJ");
    Draws(0);
    EXPECT_EQ(CCardChoosers(seat0).ChooseTrumpGameCard(false), C(SEVEN, SPADES));
    Draws(1);
    EXPECT_EQ(CCardChoosers(seat0).ChooseTrumpGameCard(false), C(SEVEN, CLUBS));
    // The score chooser of the discard: two single Sevens, the newcomer on an even draw.
    g_Game.Soloist = 2;
    GiveHand(seat0, "C7 S7 HA");
    Draws(0);
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentFollow(HEARTS), C(SEVEN, SPADES));
    Draws(1);
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentFollow(HEARTS), C(SEVEN, CLUBS));
}

TEST_F(CardChoosersTest, RankNeighboursAndRuns) {
    GiveHand(seat0, "CJ SJ CA CK C7");
    EXPECT_EQ(CCardChoosers(seat0).GetHeldRankNeighbour(C(JACK, CLUBS), 1), NO_CARD);
    EXPECT_EQ(CCardChoosers(seat0).GetHeldRankNeighbour(C(JACK, CLUBS), -1), C(JACK, SPADES));
    EXPECT_EQ(CCardChoosers(seat0).GetHeldRankNeighbour(C(ACE, CLUBS), -1), NO_CARD);  // the Ten is not held
    EXPECT_EQ(CCardChoosers(seat0).GetHeldRankNeighbour(C(ACE, CLUBS), -2), C(KING, CLUBS));
    // The next lower card not held: the card itself, without a draw.
    const auto draws = platform::Random().DrawCount();
    EXPECT_EQ(CCardChoosers(seat0).PickRandomDownRun(C(ACE, CLUBS)), C(ACE, CLUBS));
    EXPECT_EQ(platform::Random().DrawCount(), draws);
    // Null: the Jack sits in its suit between Queen and Ten.
    g_Game.SetGameType(GAME_NULL);
    GiveHand(seat0, "CQ CJ CT");
    EXPECT_EQ(CCardChoosers(seat0).GetHeldRankNeighbour(C(QUEEN, CLUBS), -1), C(JACK, CLUBS));
    EXPECT_EQ(CCardChoosers(seat0).GetHeldRankNeighbour(C(JACK, CLUBS), -1), C(TEN, CLUBS));
}

TEST_F(CardChoosersTest, SuitGameTrumpChoosers) {
    g_Game.SetGameType(GAME_HEARTS);
    StartPlayKnowledge();
    // Three trumps: the trial lead is for two only.
    GiveHand(seat0, "HJ H7 H8 CA");
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentLeadTrial(NO_CARD), NO_CARD);
    // A four-card suit without its Ace holding Ten, King and Seven: the King, no draw.
    GiveHand(seat0, "CT CK C9 C7 S8");
    const auto draws = platform::Random().DrawCount();
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentLeadSuit(), C(KING, CLUBS));
    EXPECT_EQ(platform::Random().DrawCount(), draws);
}

TEST_F(CardChoosersTest, TheLeadTrialCountsTheGivenCardPlayedWithoutTouchingTheCardMemory) {
    g_Game.SetGameType(GAME_HEARTS);
    StartPlayKnowledge();
    PlayedCards("CJ SJ HJ DJ");
    SetCardLocation(C(KING, HEARTS), CARD_IN_SKAT);
    GiveHand(seat0, "HA HT CA");
    const unsigned playedBefore = g_Knowledge.PlayedCards, skatBefore = g_Knowledge.SkatCards;
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentLeadTrial(C(KING, HEARTS)), NO_CARD);  // the Ten is top
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentLeadTrial(NO_CARD), NO_CARD);
    EXPECT_EQ(g_Knowledge.PlayedCards, playedBefore);
    EXPECT_EQ(g_Knowledge.SkatCards, skatBefore);
    EXPECT_EQ(g_Knowledge.CardLocation(GetCardRow(C(KING, HEARTS))), CARD_IN_SKAT);
}

TEST_F(CardChoosersTest, DefenderLeadPrefersTheAceWithItsTen) {
    g_Game.Soloist = 1;
    GiveHand(seat0, "CA CT S7");
    EXPECT_EQ(CCardChoosers(seat0).ChooseDefenderLead(false), C(ACE, CLUBS));
    // The soloist known free of Spades: the Seven gains 20 but stays below the Ace.
    g_Knowledge.VoidTable[1][SPADES] = 0;
    EXPECT_EQ(CCardChoosers(seat0).ChooseDefenderLead(false), C(ACE, CLUBS));
}

TEST_F(CardChoosersTest, DiscardCountsALoneSmallCardVeryFreeButALoneQueenOnlyFree) {
    // Throwing off to a Club trick, beside a Heart King (8) with a small card: a lone Nine scores as
    // very free (3 + 10) and goes, a lone Queen only as free (4 + 1) and stays.
    GiveHand(seat0, "S9 HK H7 CA");
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentFollow(CLUBS), C(NINE, SPADES));
    GiveHand(seat0, "SQ HK H7 CA");
    EXPECT_EQ(CCardChoosers(seat0).ChooseOpponentFollow(CLUBS), C(KING, HEARTS));
}

TEST_F(CardChoosersTest, ScoreChooserPropertiesOverSeededDeals) {
    CSkat game;
    for (int seed = 1; seed <= 200; ++seed) {
        SeedRand(static_cast<std::uint32_t>(seed));
        testsupport::DealAll(game);
        const int type = seed % 3 == 0 ? GAME_GRAND : seed % 4;
        g_Game.SetGameType(type);
        StartPlayKnowledge();
        g_Game.Soloist = seed % 3;
        CPlayer& p = SkatTestAccess::Player(game, seed % 2);
        p.AnalyseHand(0);
        // Never a card worth more than allowed, with or without the limit steps.
        for (int maxPoints : {0, 3, 4, 10, 11}) {
            for (bool noLimit : {false, true}) {
                const int card = CCardChoosers(p).ChooseCardByScore(maxPoints, NO_CARD, noLimit);
                if (card != NO_CARD) {
                    EXPECT_LE(GetCardPoints(card), maxPoints) << seed;
                    EXPECT_TRUE(p.HasCard(card)) << seed;
                }
            }
        }
        // A two-card suit under a Ten that is not top is never thrown.
        for (int excluded = 0; excluded < 4; ++excluded) {
            for (int card :
                 {CCardChoosers(p).ChooseOpponentFollow(excluded), CCardChoosers(p).ChooseCardByScore2(excluded)}) {
                if (card == NO_CARD) continue;
                const int s = GetCardSuit(card, true);
                const bool unguardedTen = p.CountInSuit(s) == 2 && p.handInfo.GetTopRank(s) == TEN &&
                                          !IsTopCard(p, CardCodeOf(TEN, s), -1, -1);
                EXPECT_FALSE(unguardedTen) << seed << " " << CardName(card);
                EXPECT_NE(s, excluded);
            }
        }
        // The group-4 chooser plays the top of a run of touching held cards.
        const int card = CCardChoosers(p).ChooseCardByScore3(5, true);
        if (card != NO_CARD) {
            EXPECT_EQ(GetNextHigherHeld(p, card), card) << seed;
        }
    }
}

}  // namespace
