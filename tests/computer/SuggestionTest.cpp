// A card suggested to a seat (the dispatcher run with RealPlayFlag 0) leaves the hand, the hand
// analysis, the played-card memory, the seats' led suits and the preferred suit as they were.

#include "CardPlayTestSupport.h"

#include "model/Skat.h"
#include "support/WholeDeal.h"
#include "support/SkatTestAccess.h"

#include <cstring>

namespace {

struct Snapshot {
    std::vector<int> cards;
    std::vector<unsigned char> present;
    int count = 0;
    HandInfo info{};
    unsigned played = 0, skat = 0;
    int led[4] = {};
    int preferred = 0;

    explicit Snapshot(const CPlayer& p) : cards(p.cards), present(p.present), count(p.count), info(p.handInfo) {
        played = g_Knowledge.PlayedCards;
        skat = g_Knowledge.SkatCards;
        std::memcpy(led, g_Knowledge.LedSuitBySeat, sizeof(led));
        preferred = g_Knowledge.PreferredSuit;
    }
    bool Same(const CPlayer& p) const {
        return cards == p.cards && present == p.present && count == p.count &&
               std::memcmp(&info, &p.handInfo, sizeof(info)) == 0 &&
               played == g_Knowledge.PlayedCards && skat == g_Knowledge.SkatCards &&
               std::memcmp(led, g_Knowledge.LedSuitBySeat, sizeof(led)) == 0 && preferred == g_Knowledge.PreferredSuit;
    }
};

class SuggestionTest : public ComputerTest {};

TEST_F(SuggestionTest, ASuggestionLeavesThePlayersMemoryOfPlayAlone) {
    int suggestions = 0;
    for (int seed = 1; seed <= 120; ++seed) {
        SetUp();
        CSkat game;
        SeedRand(static_cast<std::uint32_t>(seed));
        testsupport::DealAll(game);
        g_Game.SetGameType(GAME_GRAND);
        StartPlayKnowledge();
        ClearLedSuits();
        g_Game.Soloist = seed % 3;
        g_Game.OuvertAnnounced = seed % 4 == 0 ? 1 : 0;
        g_Game.TrickWinner = g_Game.Forehand = (seed / 3) % 3;
        g_Knowledge.PreferredSuit = seed % 5 - 1;
        for (int s = 0; s < 3; ++s) {
            SkatTestAccess::Player(game, s).AnalyseHand(0);
            if (g_Game.OuvertAnnounced && s != g_Game.Soloist) SkatTestAccess::Player(game, s).SetPartner(&SkatTestAccess::Player(game, g_Game.Soloist));
        }
        SkatTestAccess::Trick(game).Reset();
        // Three tricks: before each card the seat is asked for a suggestion, then plays.
        for (int t = 0; t < 3; ++t) {
            SkatTestAccess::Trick(game).Reset();
            g_Game.Forehand = g_Game.TrickWinner;
            for (int k = 0; k < 3; ++k) {
                CPlayer& p = SkatTestAccess::Player(game, (g_Game.Forehand + k) % 3);
                const Snapshot before(p);
                const int forced = p.forcedCard;
                g_Game.RealPlayFlag = 0;
                const int card = p.ChooseCardForTrick(&SkatTestAccess::Trick(game));
                g_Game.RealPlayFlag = 1;
                EXPECT_TRUE(before.Same(p)) << "seed " << seed << " trick " << t << " seat " << p.seat;
                EXPECT_TRUE(p.HasCard(card)) << "seed " << seed;
                ++suggestions;
                p.forcedCard = forced;  // the flow's callers put a commitment back
                p.ServeCard(&SkatTestAccess::Trick(game));
                NoteCardPlayed(game.Trick().cards[p.seat]);
            }
            SkatTestAccess::Trick(game).Valuate();
        }
    }
    EXPECT_EQ(suggestions, 120 * 9);
    EXPECT_EQ(g_Computer.ReplacedCardCount, 0);
}

}  // namespace
