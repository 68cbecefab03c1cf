// Seeded self-played suit games of each trump suit: every card held and allowed, the closing
// check never replacing a strategy's card, and the cascades' own last steps counted.

#include "SelfPlayHarness.h"

#include "ComputerTestSupport.h"
#include "computer/play/SuitDefenderFrame.h"
#include "computer/play/SuitSoloistPlay.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "support/SkatTestAccess.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Prints how often each cascade ended in its own last step.
void ReportFallbacks(int games) {
    static const char* const kNames[FALLBACK_KINDS] = {
        "second hand, common", "third hand, smear", "third hand, trump trick", "third hand, void",
        "defender lead, other", "defender second, other", "defender third, other", "soloist, any"};
    std::printf("%d suit games; cascades ending in their own last step:\n", games);
    for (int k = 0; k < FALLBACK_KINDS; ++k)
        std::printf("  %-24s %8d reached, %6d took the lowest allowed card\n", kNames[k], g_SuitFallbacks.reached[k],
                    g_SuitFallbacks.replaced[k]);
}

class SuitSelfPlayTest : public ComputerTest {
protected:
    void TearDown() override { g_ComputerFrame.Reset(); }

    // Plays count games of the suit from the seed first, the options varied per seed, the
    // soloist at every seat in turn.
    void PlaySuit(int suit, std::uint32_t first, int count, int ouvert) {
        for (int i = 0; i < count; ++i) {
            SelfPlayOptions options;
            options.seed = first + static_cast<std::uint32_t>(i);
            options.gameType = suit;
            options.soloist = i % 3;
            options.ouvert = ouvert;
            options.hand = i % 2;
            options.schneider = i % 5 == 1;
            options.schwarz = i % 11 == 3;
            options.kontra = i % 3 == 0 ? 2 : (i % 7 == 1 ? 4 : 1);
            options.variantMode = i % 4 == 2 ? 1 : 0;
            options.nullOuvertSetting = i % 8 < 4;
            options.abandonAnswer = i % 2;
            const SelfPlayResult result = PlaySelfGame(options);
            ASSERT_TRUE(result.ok) << "suit " << suit << " seed " << options.seed << ": " << result.fault;
            ASSERT_TRUE(result.gaveUp || result.tricks == 10) << "suit " << suit << " seed " << options.seed;
            ASSERT_EQ(result.replacedCards, 0) << "suit " << suit << " seed " << options.seed;
            ++games;
        }
    }

    void Report() const { ReportFallbacks(games); }

    int games = 0;
};

TEST_F(SuitSelfPlayTest, EveryTrumpSuitKeepsEveryCardHeldAndAllowed) {
    g_SuitFallbacks.Reset();
    for (int suit = 0; suit < 4; ++suit) PlaySuit(suit, 60001 + 1000 * static_cast<std::uint32_t>(suit), 500, 0);
    Report();
}

TEST_F(SuitSelfPlayTest, OuvertSuitGamesKeepEveryCardHeldAndAllowed) {
    g_SuitFallbacks.Reset();
    for (int suit = 0; suit < 4; ++suit) PlaySuit(suit, 70001 + 1000 * static_cast<std::uint32_t>(suit), 250, 1);
    Report();
}

// Card by card, with what the game flow does between cards that the shared harness leaves out:
// the suit soloist's early lay-down before his lead, the Ramsch leader's Durchmarsch decision,
// and at every turn a suggestion that must leave the player and the card memory as they were.
class SuitSelfPlayStepTest : public ComputerTest {
protected:
    void TearDown() override { g_ComputerFrame.Reset(); }

    // Asks the seat to play for a suggestion and checks that nothing it must keep has changed.
    void CheckSuggestion(SelfPlayGame& game, std::uint32_t seed) {
        CPlayer& p = SkatTestAccess::Player(game.Game(), game.SeatToPlay());
        const std::vector<int> cards = p.cards;
        const std::vector<unsigned char> present = p.present;
        const HandInfo info = p.handInfo;
        const CCardKnowledge knowledge = g_Knowledge;
        const int forced = p.forcedCard, forcedCount = p.ForcedCardCount, ouvert = g_Game.OuvertAnnounced;
        g_Game.RealPlayFlag = 0;
        const int card = p.ChooseCardForTrick(&SkatTestAccess::Trick(game.Game()));
        g_Game.RealPlayFlag = 1;
        // The flow's callers put these back.
        p.forcedCard = forced;
        p.ForcedCardCount = forcedCount;
        g_Game.OuvertAnnounced = ouvert;
        ASSERT_TRUE(card == NO_CARD || p.HasCard(card)) << "seed " << seed;
        ASSERT_EQ(p.cards, cards) << "seed " << seed;
        ASSERT_EQ(p.present, present) << "seed " << seed;
        ASSERT_EQ(0, std::memcmp(&info, &p.handInfo, sizeof info)) << "seed " << seed;
        ASSERT_EQ(g_Knowledge.PlayedCards, knowledge.PlayedCards) << "seed " << seed;
        ASSERT_EQ(g_Knowledge.SkatCards, knowledge.SkatCards) << "seed " << seed;
        ASSERT_EQ(0, std::memcmp(g_Knowledge.LedSuitBySeat, knowledge.LedSuitBySeat, sizeof knowledge.LedSuitBySeat))
            << "seed " << seed;
        ASSERT_EQ(g_Knowledge.PreferredSuit, knowledge.PreferredSuit) << "seed " << seed;
    }

    // The leader's Durchmarsch decision by its rule: he first decides for it only while nobody
    // else has a point and he holds at least as many Jacks as are out, his highest sure; an aim is
    // held only while his highest Jack (if any is in play) is sure.
    static void CheckDurchmarschAim(CPlayer& p, bool decidedBefore, std::uint32_t seed) {
        const int others = g_Game.PartyPoints[(p.seat + 1) % 3] + g_Game.PartyPoints[(p.seat + 2) % 3];
        if (!decidedBefore && p.durchmarschDecided) {
            EXPECT_EQ(others, 0) << "seed " << seed << ": Durchmarsch decided after another seat took points";
            EXPECT_GE(p.handInfo.JackCount, g_Game.TrumpCount - p.handInfo.JackCount)
                << "seed " << seed << ": Durchmarsch decided with fewer Jacks than are out";
        }
        if (p.durchmarschAim && g_Game.TrumpCount != 0) {
            EXPECT_TRUE(IsTopCard(p, PickJack(p, -1), -1, -1))
                << "seed " << seed << ": Durchmarsch aimed at without a sure highest Jack";
        }
    }

    void PlayByCard(int type, std::uint32_t first, int count) {
        for (int i = 0; i < count; ++i) {
            SelfPlayOptions options;
            options.seed = first + static_cast<std::uint32_t>(i);
            options.gameType = type;
            options.soloist = i % 3;
            options.ouvert = i % 6 == 5;
            options.hand = i % 2;
            options.schneider = i % 5 == 1;
            options.kontra = i % 3 == 0 ? 2 : 1;
            options.abandonAnswer = i % 2;
            SelfPlayGame game;
            ASSERT_TRUE(game.Start(options)) << game.Result().fault;
            do {
                game.PrepareNextCard();
                const int seat = game.SeatToPlay();
                CPlayer& p = SkatTestAccess::Player(game.Game(), seat);
                if (game.Position() == 0 && IsSuitGame(type)) {
                    // A committed card at a lead is one he holds.
                    ASSERT_TRUE(p.forcedCard == 0 || p.HasCard(std::abs(p.forcedCard))) << "seed " << options.seed;
                    if (seat == g_Game.Soloist && g_ComputerFrame.FaceUpAnnouncePending)
                        CSuitSoloistPlay(p).EarlyFaceUpSuit();
                    layDowns += g_Game.EarlyFaceUp;
                }
                if (game.Position() == 0 && type == GAME_RAMSCH) {
                    const bool decidedBefore = p.durchmarschDecided != 0;
                    CSuitSoloistPlay(p).CheckDurchmarsch();
                    for (int other = 0; other < 3; ++other)
                        if (other != seat) SkatTestAccess::Player(game.Game(), other).SetDurchmarsch(0, -1);
                    CheckDurchmarschAim(p, decidedBefore, options.seed);
                    aims += p.durchmarschAim;
                }
                CheckSuggestion(game, options.seed);
                if (HasFatalFailure()) return;
            } while (game.PlayCard());
            const SelfPlayResult& result = game.Result();
            ASSERT_TRUE(result.ok) << "seed " << options.seed << ": " << result.fault;
            ASSERT_EQ(result.replacedCards, 0) << "seed " << options.seed;
            ASSERT_TRUE(result.gaveUp || result.tricks == 10) << "seed " << options.seed;
            gaveUp += result.gaveUp;
        }
    }

    int layDowns = 0, aims = 0, gaveUp = 0;
};

TEST_F(SuitSelfPlayStepTest, SuitGamesWithTheEarlyLayDownAndASuggestionAtEveryTurn) {
    for (int suit = 0; suit < 4; ++suit) PlayByCard(suit, 80001 + 1000 * static_cast<std::uint32_t>(suit), 250);
    std::printf("suit games: %d leads with the soloist's cards laid down, %d games given up\n", layDowns, gaveUp);
    EXPECT_GT(layDowns, 0);
}

TEST_F(SuitSelfPlayStepTest, RamschWithTheLeadersDurchmarschDecision) {
    PlayByCard(GAME_RAMSCH, 90001, 400);
    std::printf("Ramsch: a leader aimed at Durchmarsch before %d leads\n", aims);
    EXPECT_GT(aims, 0) << "no Ramsch leader ever aimed at Durchmarsch";
}

// The long run, 100,000 games of each suit card by card: run it by name in a Release build with
// --gtest_also_run_disabled_tests.
TEST_F(SuitSelfPlayStepTest, DISABLED_HundredThousandGamesOfEachSuit) {
    g_SuitFallbacks.Reset();
    for (int suit = 0; suit < 4; ++suit) PlayByCard(suit, 1 + 100000 * static_cast<std::uint32_t>(suit), 100000);
    ReportFallbacks(400000);
    std::printf("leads with the soloist's cards laid down: %d, games given up: %d\n", layDowns, gaveUp);
}

}  // namespace
