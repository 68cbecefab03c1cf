// The card questions that count or test a suit through the gone-card mask give the answers of the
// card-by-card walks they replace. The walks are kept here as they stood, and both are asked in
// every state that self-played games pass through: every game type, every seat, every card of the
// play, with the lay-away's unseen skat and without.

#include "ComputerTestSupport.h"
#include "SelfPlayHarness.h"

#include "computer/play/CardQueries.h"
#include "model/GameTypeLookups.h"
#include "model/Skat.h"

#include <functional>

namespace {

// IsSuitGuarded as it walked the suit card by card.
bool WalkedIsSuitGuarded(const CPlayer& player, int suit, int n, bool exact) {
    int first = NextSeat(player.seat);
    int second = PreviousSeat(player.seat);
    if (player.seat != g_Game.Soloist && g_Game.Soloist != NO_SEAT) first = second = g_Game.Soloist;
    int k = 0;
    if (MayHoldSuit(player, first, suit) || (second != first && MayHoldSuit(player, second, suit))) {
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

// CollectSuit as it walked the suit column card by card (the Jacks first in the trump column).
int WalkedCollectSuit(const CPlayer& player, int suit, bool held, int* list) {
    if (suit < 0 || suit > 8 || suit == GAME_NULL || suit == GAME_REVOLUTION) return 0;
    const unsigned gone = GoneCards(player.seat);
    int found = 0;
    auto walk = [&](int rank, int cardSuit) {
        const bool holds = player.handInfo.Holds(cardSuit, rank);
        if (held ? holds : (!holds && !((gone >> (SuitToBlock[cardSuit] * 8 + rank)) & 1u)))
            list[found++] = CardCodeOf(rank, cardSuit);
    };
    if (suit == g_Game.GameType)
        for (int jackSuit = 0; jackSuit < 4; ++jackSuit) walk(JACK, jackSuit);
    if (suit >= 6) return found;
    if (IsNullGame())
        for (int rank : NullRankList) walk(rank, suit);
    else
        for (int i = 1; i < 8; ++i) walk(TrumpRankList[i], suit);
    return found;
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
                    ASSERT_EQ(IsSuitGuarded(player, suit, n, exact), expected)
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

TEST_F(CardQuestionWalksTest, TheSuitColumnListsAsItsWalkDid) {
    long listed = 0;
    EveryState([&](const CPlayer& player) {
        for (int suit = -1; suit <= 9; ++suit) {
            for (bool held : {false, true}) {
                int expected[11] = {}, actual[11] = {};
                const int n = WalkedCollectSuit(player, suit, held, expected);
                ASSERT_EQ(CollectSuit(player, suit, held, actual), n)
                    << "type " << g_Game.GameType << " seat " << player.seat << " suit " << suit << " held " << held;
                ASSERT_EQ(CollectSuit(player, suit, held, nullptr), n);
                for (int i = 0; i < n; ++i) ASSERT_EQ(actual[i], expected[i]) << "suit " << suit << " place " << i;
                if (!held) {
                    ASSERT_EQ(HighestOutstanding(player, suit), n > 0 ? expected[0] : NO_CARD)
                        << "type " << g_Game.GameType << " seat " << player.seat << " suit " << suit;
                }
                listed += n;
            }
        }
    });
    EXPECT_GT(listed, 0);
}

// The held ranks of a suit read at once are the ranks the rank table holds one by one.
TEST_F(CardQuestionWalksTest, TheHeldRanksOfASuitAreItsRankTableRow) {
    HandInfo info;
    info.Clear();
    for (unsigned set : {0x00u, 0xFFu, 0x01u, 0x80u, 0x5Au, 0xA5u, 0x21u, 0x7Eu})
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 8; ++rank)
                info.RankTable[suit][rank] = (set >> rank) & 1u ? (rank + suit) % 12 : -1;
            EXPECT_EQ(info.HeldRanks(suit), set) << "suit " << suit;
            for (int rank = 0; rank < 8; ++rank)
                EXPECT_EQ(((info.HeldRanks(suit) >> rank) & 1u) != 0, info.Holds(suit, rank));
        }
}

}  // namespace
