// A "what if" asked of the globals leaves them as they were, however it ends.
#include "ModelFixture.h"

#include "model/KeptValues.h"

#include <stdexcept>

namespace {

class KeptValuesTest : public ModelTest {
protected:
    // A question that changes the game type, the trumps and the party counters, and leaves by
    // the road asked for: 0 its end, 1 a return from the middle, 2 an exception.
    static int AskWhatIf(int road) {
        CKeptValues kept(g_Game.GameType, g_Game.TrumpCount, g_Game.PartyTricks, g_Game.PartyPoints);
        g_Game.SetGameType(GAME_GRAND);
        g_Game.PartyTricks[0] = 9;
        g_Game.PartyPoints[1] = 99;
        if (road == 1) return g_Game.TrumpCount;
        if (road == 2) throw std::runtime_error("the question broke off");
        g_Game.TrumpCount = 0;
        g_Game.PartyTricks[2] = 7;
        return g_Game.PartyTricks[0];
    }
};

TEST_F(KeptValuesTest, TheGlobalsComeBackOnEveryWayOut) {
    for (int road = 0; road < 3; ++road) {
        SCOPED_TRACE(testing::Message() << "road " << road);
        g_Game.SetGameTypeWithTrumps(GAME_HEARTS, 5);
        const int tricks[3] = {3, 2, 1};
        const int points[3] = {40, 30, 20};
        std::copy(std::begin(tricks), std::end(tricks), g_Game.PartyTricks);
        std::copy(std::begin(points), std::end(points), g_Game.PartyPoints);
        g_Game.Soloist = 1;
        if (road == 2) {
            EXPECT_THROW(AskWhatIf(road), std::runtime_error);
        } else {
            // Inside, the question saw its own values.
            EXPECT_EQ(AskWhatIf(road), road == 1 ? 4 : 9);
        }
        EXPECT_EQ(g_Game.GameType, GAME_HEARTS);
        EXPECT_EQ(g_Game.TrumpCount, 5);
        for (int party = 0; party < 3; ++party) {
            EXPECT_EQ(g_Game.PartyTricks[party], tricks[party]);
            EXPECT_EQ(g_Game.PartyPoints[party], points[party]);
        }
        // What the question did not name is not its business.
        EXPECT_EQ(g_Game.Soloist, 1);
    }
}

// Nested questions each put back their own values, the inner first.
TEST_F(KeptValuesTest, NestedQuestionsUnwindInOrder) {
    g_Game.SetGameType(GAME_SPADES);
    {
        CKeptValues outer(g_Game.GameType, g_Game.TrumpCount);
        g_Game.SetGameType(GAME_NULL);
        {
            CKeptValues inner(g_Game.GameType, g_Game.TrumpCount);
            g_Game.SetGameType(GAME_RAMSCH);
            g_Game.TrumpCount = 1;
        }
        EXPECT_EQ(g_Game.GameType, GAME_NULL);
        EXPECT_EQ(g_Game.TrumpCount, 4);
    }
    EXPECT_EQ(g_Game.GameType, GAME_SPADES);
    EXPECT_EQ(g_Game.TrumpCount, 11);
}

}  // namespace
