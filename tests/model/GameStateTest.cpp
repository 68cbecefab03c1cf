// The game record's setters keep the game type and its trump count together.
#include "ModelFixture.h"

namespace {

class GameStateTest : public ModelTest {};

// The game type's setters: a fresh game's trumps, a given count, or the count kept.
TEST_F(GameStateTest, GameTypeSettersKeepTypeAndTrumpsTogether) {
    struct Case {
        int type;
        int trumps;
    };
    for (const Case c : {Case{GAME_NONE, 11}, Case{GAME_CLUBS, 11}, Case{GAME_DIAMONDS, 11}, Case{GAME_NULL, 4},
                         Case{GAME_REVOLUTION, 4}, Case{GAME_GRAND, 4}, Case{GAME_RAMSCH, 4}, Case{GAME_DURCHMARSCH, 4},
                         Case{-GAME_RAMSCH, 11}}) {
        g_Game.TrumpCount = 2;
        g_Game.SetGameType(c.type);
        EXPECT_EQ(g_Game.GameType, c.type);
        EXPECT_EQ(g_Game.TrumpCount, c.trumps) << c.type;
        g_Game.SetGameTypeWithTrumps(c.type, 3);
        EXPECT_EQ(g_Game.TrumpCount, 3);
        g_Game.SetGameTypeKeepingTrumps(-c.type);
        EXPECT_EQ(g_Game.GameType, -c.type);
        EXPECT_EQ(g_Game.TrumpCount, 3);
    }
}

}  // namespace
