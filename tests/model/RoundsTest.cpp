#include "ModelFixture.h"
#include "model/Rounds.h"
#include "platform/core/Registry.h"

#include <string>
#include <vector>

namespace {

class RoundsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        platform::SetRegistryKey("Kartovan+", "skat");
        platform::CurrentUserRegistry().Clear();
        g_Game.BockCounter = 0;
    }
    void PlayGame(int type) {
        g_Game.GameType = type;
        AdvanceRoundCounters();
    }
};

TEST_F(RoundsTest, OneBockRoundRunsThreeGames) {
    g_Settings.Variants.Extra = 1;
    EXPECT_EQ(ArmRounds(), 1);
    EXPECT_EQ(g_Game.BockRounds, 1);
    EXPECT_EQ(g_Game.BockRound, 1);
    PlayGame(GAME_CLUBS);
    PlayGame(GAME_GRAND);
    EXPECT_EQ(g_Game.RoundStatus, 1);
    PlayGame(GAME_HEARTS);
    EXPECT_EQ(g_Game.BockRound, 0);
    EXPECT_EQ(g_Game.BockRounds, 0);
    EXPECT_EQ(g_Game.RoundStatus, 0);
}

// A fresh profile (nothing stored) starts its first Bock round at its first game, like every later
// round: three games each, as many rounds as were armed.
TEST_F(RoundsTest, FromAFreshProfileEveryBockRoundHasThreeGames) {
    for (int rounds = 1; rounds <= 3; ++rounds) {
        SCOPED_TRACE("rounds " + std::to_string(rounds));
        g_Game.Reset();
        platform::CurrentUserRegistry().Clear();
        ReadRoundCounters();
        g_Settings.Variants.Extra = 1;
        for (int trigger = 0; trigger < rounds; ++trigger) ArmRounds();
        std::vector<int> statuses;
        for (int game = 0; game < 3 * rounds + 1; ++game) {
            statuses.push_back(g_Game.RoundStatus);
            PlayGame(GAME_CLUBS);
        }
        std::vector<int> expected(static_cast<std::size_t>(3 * rounds), ROUND_BOCK);
        expected.push_back(ROUND_NORMAL);
        EXPECT_EQ(statuses, expected);
    }
}

TEST_F(RoundsTest, BockThenRamschRoundWhereGrandDoesNotCount) {
    g_Settings.Variants.Extra = 3;
    EXPECT_EQ(ArmRounds(), 1);
    PlayGame(GAME_CLUBS);
    PlayGame(GAME_SPADES);
    PlayGame(GAME_HEARTS);
    EXPECT_EQ(g_Game.RoundStatus, 2);
    EXPECT_EQ(g_Game.GameType, -GAME_HEARTS);  // the hand-over is stored negated
    PlayGame(GAME_RAMSCH);
    PlayGame(GAME_GRAND);  // not counted
    PlayGame(GAME_RAMSCH);
    EXPECT_EQ(g_Game.RoundStatus, 2);
    PlayGame(GAME_RAMSCH);
    EXPECT_EQ(g_Game.RoundStatus, 0);
    EXPECT_EQ(g_Game.RamschRound, 0);
    EXPECT_EQ(g_Game.RamschRounds, 0);
}

TEST_F(RoundsTest, TwoTriggersArmTwoBockRounds) {
    g_Settings.Variants.Extra = 1;
    ArmRounds();
    PlayGame(GAME_CLUBS);
    ArmRounds();
    EXPECT_EQ(g_Game.BockRounds, 2);
    EXPECT_EQ(g_Game.BockRound, 1);
    for (int game = 0; game < 2; ++game) PlayGame(GAME_CLUBS);
    EXPECT_EQ(g_Game.BockRound, 2);
    EXPECT_EQ(g_Game.RoundStatus, 1);
    for (int game = 0; game < 3; ++game) PlayGame(GAME_CLUBS);
    EXPECT_EQ(g_Game.RoundStatus, 0);
}

TEST_F(RoundsTest, RoundsAlternateWhileBothKindsAreArmed) {
    g_Settings.Variants.Extra = 3;
    ArmRounds();
    ArmRounds();  // two of each
    std::vector<int> statuses;
    for (int game = 0; game < 12; ++game) {
        statuses.push_back(g_Game.RoundStatus);
        PlayGame(g_Game.RoundStatus == ROUND_RAMSCH ? GAME_RAMSCH : GAME_CLUBS);
    }
    statuses.push_back(g_Game.RoundStatus);
    EXPECT_EQ(statuses, (std::vector<int>{1, 1, 1, 2, 2, 2, 1, 1, 1, 2, 2, 2, 0}));
}

TEST_F(RoundsTest, SetRoundLimits) {
    // Zero limits during a Bock round end it.
    g_Settings.Variants.Extra = 1;
    ArmRounds();
    PlayGame(GAME_CLUBS);
    SetRoundLimits(0, 0);
    EXPECT_EQ(g_Game.BockCounter, 0);
    EXPECT_EQ(g_Game.RoundStatus, 0);
    // Entering rounds starts them at once, Bock first.
    SetRoundLimits(2, 1);
    EXPECT_EQ(g_Game.RoundStatus, 1);
    EXPECT_EQ(g_Game.BockRound, 1);
    EXPECT_EQ(g_Game.RamschRound, 1);
    // Taking the Bock rounds away hands over to Ramsch.
    SetRoundLimits(0, 1);
    EXPECT_EQ(g_Game.RoundStatus, 2);
    EXPECT_EQ(g_Game.BockCounter, 1);
    // Negative numbers count as none.
    SetRoundLimits(-4, -1);
    EXPECT_EQ(g_Game.RoundStatus, 0);
    EXPECT_EQ(g_Game.BockRounds, 0);
    EXPECT_EQ(g_Game.RamschRounds, 0);
}

TEST_F(RoundsTest, RegistryPackingRoundTrip) {
    int rounds = 0, round = 0;
    UnpackRoundNumber(2001, rounds, round);
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(round, 1);
    UnpackRoundNumber(3, rounds, round);  // a running round above the armed count is still armed
    EXPECT_EQ(rounds, 3);
    EXPECT_EQ(round, 3);
    EXPECT_EQ(PackRoundNumber(2, 1), 2001);
    EXPECT_EQ(PackRoundNumber(5000, 1200), 999999);

    g_Game.RoundStatus = ROUND_RAMSCH;
    g_Game.BockCounter = 2;
    g_Game.BockRound = 1;
    g_Game.BockRounds = 3;
    g_Game.RamschRound = 2;
    g_Game.RamschRounds = 2;
    WriteRoundCounters();
    EXPECT_EQ(GetProfileInt("Actual", "BockNumber", -1), 3001);
    EXPECT_EQ(GetProfileInt("Actual", "RamschNumber", -1), 2002);
    CGameState saved = g_Game;
    g_Game.Reset();
    ReadRoundCounters();
    EXPECT_EQ(g_Game.RoundStatus, saved.RoundStatus);
    EXPECT_EQ(g_Game.BockCounter, saved.BockCounter);
    EXPECT_EQ(g_Game.BockRound, saved.BockRound);
    EXPECT_EQ(g_Game.BockRounds, saved.BockRounds);
    EXPECT_EQ(g_Game.RamschRound, saved.RamschRound);
    EXPECT_EQ(g_Game.RamschRounds, saved.RamschRounds);

    // An empty registry gives the defaults; a damaged status reads as normal games.
    platform::CurrentUserRegistry().Clear();
    WriteProfileInt("Actual", "Status", 9);
    g_Game.BockCounter = 2;
    ReadRoundCounters();
    EXPECT_EQ(g_Game.RoundStatus, 0);
    EXPECT_EQ(g_Game.BockCounter, 0);  // no game of a round played yet
    EXPECT_EQ(g_Game.BockRounds, 0);
}

}  // namespace
