#include "flow/FrameServices.h"
#include "model/GameState.h"
#include "match/Profile.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"
#include "platform/core/Registry.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

namespace {

class GameStateTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
};

TEST_F(GameStateTest, LeaderCyclesAndForehandFollowsIt) {
    std::vector<int> leaders;
    for (int game = 0; game < 4; ++game) {
        NextForehand();
        leaders.push_back(g_Game.Leader);
        EXPECT_EQ(g_Game.Forehand, g_Game.Leader);
    }
    EXPECT_EQ(leaders, (std::vector<int>{1, 2, 0, 1}));
}

TEST_F(GameStateTest, NextForehandRestoresANegatedGameTypeOnly) {
    const struct {
        int before, after;
    } cases[] = {{-7, 7}, {-6, 6}, {-2, 2}, {-1, -1}, {0, 0}, {7, 7}};
    for (const auto& c : cases) {
        g_Game.GameType = c.before;
        NextForehand();
        EXPECT_EQ(g_Game.GameType, c.after) << c.before;
    }
}

TEST_F(GameStateTest, RotationsGoRoundTheTable) {
    g_Game.SkatHolderSeat = 2;
    RotatePickup();
    EXPECT_EQ(g_Game.SkatHolderSeat, 0);
    g_Game.TurnSeat = 1;
    EXPECT_EQ(RotateTurn(), 2);
    EXPECT_EQ(RotateTurn(), 0);
    EXPECT_EQ(g_Game.TurnSeat, 0);
}

TEST_F(GameStateTest, StageResets) {
    g_Game.GameType = 6;
    g_Game.TrumpCount = 2;
    g_Game.HandAnnounced = 1;
    g_Game.ResetForDeal();
    EXPECT_EQ(g_Game.GameType, 0);
    EXPECT_EQ(g_Game.TrumpCount, 11);
    EXPECT_EQ(g_Game.HandAnnounced, 0);
    g_Game.Forehand = 2;
    g_Game.StopFlag = StopState::Requested;
    g_Game.ResetForGame();
    EXPECT_EQ(g_Game.SkatHolderSeat, 2);
    EXPECT_EQ(g_Game.Soloist, 3);
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);
    EXPECT_EQ(g_Game.PauseLevel, 1);
    g_Game.SetGameType(GAME_NULL);
    EXPECT_EQ(g_Game.TrumpCount, 4);
    g_Game.SetGameType(GAME_DIAMONDS);
    EXPECT_EQ(g_Game.TrumpCount, 11);
}

TEST_F(GameStateTest, SettingsDefaultsFromAnEmptyRegistryAndRoundTrip) {
    g_Settings.Delay.Bid = 5;
    g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
    ReadProfile();
    EXPECT_EQ(g_Settings.Delay.Bid, 1000);
    EXPECT_EQ(g_Settings.Delay.Answer, 10000);
    EXPECT_EQ(g_Settings.Delay.Continue, 500);
    EXPECT_EQ(g_Settings.Variants.Ouvert, 2);
    EXPECT_EQ(g_Settings.Variants.Extra, 3);
    EXPECT_EQ(g_Settings.Variants.IfExtra, 63);
    EXPECT_EQ(g_Settings.Audio.Voice, 0x0D888BA9);
    EXPECT_EQ(g_Settings.Game.MaxCredit, 501);
    EXPECT_EQ(g_Settings.View.SortMode, 258);
    EXPECT_EQ(g_Game.VariantMode, 0);
    EXPECT_EQ(g_Game.BockCounter, 0);  // a fresh profile has played no game of a round

    WriteProfileInt("Variants", "Hand", 0);
    WriteProfileInt("Actual", "Leader", 2);
    WriteProfileInt("Actual", "BockNumber", 2001);
    ReadProfile();
    EXPECT_EQ(g_Settings.Variants.Hand, 0);
    EXPECT_EQ(g_Game.Leader, 2);
    EXPECT_EQ(g_Game.BockRounds, 2);
    EXPECT_EQ(g_Game.BockRound, 1);

    g_Settings.Delay.Demo = 250;
    g_Settings.Options.Drag = 1;
    g_Game.CheatMask = 8;
    g_Game.DemoMode = 1;
    WriteProfile();
    EXPECT_EQ(GetProfileInt("Delay", "Demo", 0), 250);
    EXPECT_EQ(GetProfileInt("Game", "Cheat", 0), 8);
    g_Settings.Reset();
    g_Game.Reset();
    ReadProfile();
    EXPECT_EQ(g_Settings.Delay.Demo, 250);
    EXPECT_EQ(g_Settings.Options.Drag, 1);
    EXPECT_EQ(g_Game.CheatMask, 8 | 2);  // marks kept from the last run carry RECOVERED
    EXPECT_EQ(g_Game.DemoMode, 1);
    EXPECT_EQ(g_Game.Leader, 2);
}

TEST_F(GameStateTest, OneTrumpFlag) {
    CPlayer player("Comp1", 10, false, 0);
    player.Clear();
    player.count = 0;
    player.AddCard(CardCodeOf(JACK, DIAMONDS));
    player.AddCard(CardCodeOf(ACE, HEARTS));
    g_Game.GameType = GAME_CLUBS;
    player.UpdateTrumpFlag();
    EXPECT_EQ(player.oneTrumpFlag, 1);
    player.AddCard(CardCodeOf(SEVEN, CLUBS));
    player.UpdateTrumpFlag();
    EXPECT_EQ(player.oneTrumpFlag, 0);
    g_Game.GameType = GAME_GRAND;
    player.UpdateTrumpFlag();
    EXPECT_EQ(player.oneTrumpFlag, 0);
    g_Game.GameType = GAME_HEARTS;
    player.UpdateTrumpFlag();  // two trumps: the Diamonds Jack and the Hearts Ace
    EXPECT_EQ(player.oneTrumpFlag, 0);
}

}  // namespace
