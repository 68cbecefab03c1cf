// Seeded self-played games over the model: every served card held and allowed, no strategy's card
// replaced by the closing check, hands and the card memory in agreement after every trick.

#include "SelfPlayHarness.h"

#include "ComputerTestSupport.h"

namespace {

class SelfPlayTest : public ComputerTest {
protected:
    void TearDown() override { g_ComputerFrame.Reset(); }

    // Plays count seeded games from first with the options varied per seed.
    void PlayMany(int type, std::uint32_t first, int count, int ouvert) {
        for (int i = 0; i < count; ++i) {
            SelfPlayOptions options;
            options.seed = first + static_cast<std::uint32_t>(i);
            options.gameType = type;
            options.ouvert = ouvert;
            options.hand = i % 2;
            options.schneider = i % 5 == 1;
            options.schwarz = i % 11 == 3;
            options.kontra = i % 3 == 0 ? 2 : 1;
            options.variantMode = i % 4 == 2 ? 1 : 0;
            options.nullOuvertSetting = i % 8 < 4;
            options.abandonAnswer = i % 2;
            options.durchmarschSeat = type == GAME_RAMSCH && i % 3 == 0 ? i % 2 : -1;
            const SelfPlayResult result = PlaySelfGame(options);
            ASSERT_TRUE(result.ok) << "type " << type << " seed " << options.seed << ": " << result.fault;
            ASSERT_TRUE(result.gaveUp || result.tricks == 10 || IsNullType(result.gameType))
                << "type " << type << " seed " << options.seed;
            ASSERT_EQ(result.replacedCards, 0);
        }
    }
    static bool IsNullType(int type) { return type == GAME_NULL || type == GAME_REVOLUTION; }
};

TEST_F(SelfPlayTest, GrandGamesKeepEveryCardHeldAndAllowed) { PlayMany(GAME_GRAND, 1, 600, 0); }

TEST_F(SelfPlayTest, GrandOuvertGamesKeepEveryCardHeldAndAllowed) { PlayMany(GAME_GRAND, 5001, 400, 1); }

TEST_F(SelfPlayTest, NullAndRevolutionGamesKeepEveryCardHeldAndAllowed) {
    PlayMany(GAME_NULL, 10001, 300, 0);
    PlayMany(GAME_NULL, 11001, 300, 1);
    PlayMany(GAME_REVOLUTION, 12001, 200, 1);
}

TEST_F(SelfPlayTest, RamschGamesKeepEveryCardHeldAndAllowed) { PlayMany(GAME_RAMSCH, 20001, 500, 0); }

TEST_F(SelfPlayTest, SuitGamesKeepEveryCardHeldAndAllowed) {
    for (int suit = 0; suit < 4; ++suit) PlayMany(suit, 30001 + 1000 * suit, 50, 0);
}

TEST_F(SelfPlayTest, DeclaredGamesKeepEveryCardHeldAndAllowed) { PlayMany(-2, 40001, 300, 0); }

TEST_F(SelfPlayTest, TheSameSeedPlaysTheSameGame) {
    SelfPlayOptions options;
    options.seed = 77;
    options.gameType = GAME_GRAND;
    const SelfPlayResult a = PlaySelfGame(options);
    const SelfPlayResult b = PlaySelfGame(options);
    EXPECT_EQ(a.soloistPoints, b.soloistPoints);
    EXPECT_EQ(a.tricks, 10);
}

}  // namespace
