// The card questions that count or test a suit through the gone-card mask give the answers of the
// card-by-card walks they replace. The walks are kept here as they stood, and both are asked in
// every state that self-played games pass through: every game type, every seat, every card of the
// play, with the lay-away's unseen skat and without.

#include "ComputerTestSupport.h"
#include "SelfPlayHarness.h"

#include "computer/play/CardQueries.h"
#include "model/Skat.h"

#include <functional>

namespace {

// IsSuitGuarded as it walked the suit card by card.
bool WalkedIsSuitGuarded(const CPlayer& player, int suit, int n, bool exact) {
    int first = NextSeat(player.seat);
    int second = PreviousSeat(player.seat);
    if (player.seat != g_Game.Soloist && g_Game.Soloist != NO_SEAT) first = second = g_Game.Soloist;
    int k = 0;
    if (player.MayHoldSuit(first, suit) || (second != first && player.MayHoldSuit(second, suit))) {
        if (suit >= 0 && suit <= 3) {
            const int* ranks = IsNullGame() ? NullRankList : SuitRankList;
            const int length = IsNullGame() ? 8 : 7;
            const unsigned gone = GoneCards(player.seat);
            for (int i = 0; i < length; ++i) {
                const int row = GetCardRow(CardCodeOf(ranks[i], suit));
                if (!(row >= 0 && ((gone >> row) & 1u) != 0)) ++k;
            }
        } else {
            for (int s = 0; s < 4; ++s)
                if (!IsCardGone(s, JACK, player.seat)) ++k;
        }
    }
    if (suit < 0 || suit > 3) return exact ? k == n : k >= n;
    const int own = PlainCount(player, suit);
    return exact ? k - own == n : k >= n + own;
}

class CardQuestionWalksTest : public ComputerTest {
protected:
    void TearDown() override { g_ComputerFrame.Reset(); }

    // Calls ask for every seat after the deal and after every card of seeded games of each type
    // (and of declared ones), once as the play stands and once while the lay-away is busy.
    static void EveryState(const std::function<void(const CPlayer&)>& ask) {
        const int types[] = {-2,        GAME_CLUBS,      GAME_SPADES, GAME_HEARTS, GAME_DIAMONDS,
                             GAME_NULL, GAME_REVOLUTION, GAME_GRAND,  GAME_RAMSCH};
        for (int type : types) {
            for (std::uint32_t seed = 1; seed <= 12; ++seed) {
                SelfPlayOptions options;
                options.seed = 100 * seed + static_cast<std::uint32_t>(type + 2);
                options.gameType = type;
                options.ouvert = seed % 3 == 0;
                options.hand = seed % 2;
                options.variantMode = seed % 4 == 1;
                SelfPlayGame game;
                ASSERT_TRUE(game.Start(options)) << "type " << type << " seed " << options.seed;
                do {
                    for (int busy = 0; busy <= 1; ++busy) {
                        const int kept = g_Knowledge.DiscardBusy;
                        g_Knowledge.DiscardBusy = busy;
                        for (int seat = 0; seat < 3; ++seat) ask(*game.Game().Player(seat));
                        g_Knowledge.DiscardBusy = kept;
                    }
                } while (game.PlayCard());
                ASSERT_TRUE(game.Result().ok)
                    << "type " << type << " seed " << options.seed << ": " << game.Result().fault;
            }
        }
    }
};

TEST_F(CardQuestionWalksTest, IsSuitGuardedCountsTheSuitAsItsWalkDid) {
    long asked = 0, guarded = 0;
    EveryState([&](const CPlayer& player) {
        for (int suit = -1; suit <= 9; ++suit)
            for (int n = 0; n <= 4; ++n)
                for (bool exact : {false, true}) {
                    const bool expected = WalkedIsSuitGuarded(player, suit, n, exact);
                    ASSERT_EQ(player.IsSuitGuarded(suit, n, exact), expected)
                        << "type " << g_Game.GameType << " seat " << player.seat << " suit " << suit << " n " << n
                        << " exact " << exact;
                    ++asked;
                    guarded += expected;
                }
    });
    // Both answers occur often: the states are a spread, not one side of the question.
    EXPECT_GT(guarded, asked / 20);
    EXPECT_LT(guarded, asked - asked / 20);
}

}  // namespace
