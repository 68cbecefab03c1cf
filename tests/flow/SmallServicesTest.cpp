// The frame's small services: the lock word and the game count.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/RamschRounds.h"
#include "flow/MatchSeries.h"

#include "model/GameState.h"

namespace {

using testsupport::FrameFixture;

class SmallServicesTest : public FrameFixture {};

TEST_F(SmallServicesTest, LockFlagSetsAndClearsEachBit) {
    StartProgram();
    CMainFrame& frame = Frame();
    EXPECT_FALSE(frame.FramePanels().LockFlag(1, -1));
    EXPECT_TRUE(frame.FramePanels().LockFlag(1, 1));
    EXPECT_TRUE(frame.FramePanels().LockFlag(2, 0));  // any mode but 2 and -1 sets
    EXPECT_TRUE(frame.FramePanels().LockFlag(1, 2));  // bit 2 still set
    EXPECT_FALSE(frame.FramePanels().LockFlag(2, 2));
    EXPECT_FALSE(frame.FramePanels().LockFlag(3, 1));  // no such bit
}

struct CountCase {
    const char* name;
    int soloist, result, first, second;
    int countedSeat;
    bool lost;
};

// A failing case names itself, not its bytes.
void PrintTo(const CountCase& c, std::ostream* out) { *out << c.name; }

class CountGame : public SmallServicesTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CountGame, CountsTheSoloistsGame) {
    const CountCase& c = GetParam();
    StartProgram();
    CMainFrame& frame = Frame();
    g_Game.Soloist = c.soloist;
    frame.RamschRounds().NoteLosers(c.first, c.second);
    const int listed = g_Game.GameCount;
    frame.MatchSeries().CountGame(c.result);
    EXPECT_EQ(frame.Series().SoloistGames[c.countedSeat], 1);
    EXPECT_EQ(frame.Series().SoloistLost[c.countedSeat], c.lost ? 1 : 0);
    EXPECT_EQ(frame.Series().SoloistWon[c.countedSeat], c.lost ? 0 : 1);
    EXPECT_EQ(g_Game.GameCount, listed + 1);
    if (c.result == 0) {
        EXPECT_EQ(g_Game.Soloist, c.countedSeat);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CountGame,
                         ::testing::Values(CountCase{"Won", 1, 1, 3, 3, 1, false},
                                           CountCase{"Lost", 2, -1, 3, 3, 2, true},
                                           // Ramsch with two losers: the third seat won.
                                           CountCase{"RamschTwoLosers", 3, 0, 0, 2, 1, false},
                                           // Ramsch with one loser: his lost game.
                                           CountCase{"RamschOneLoser", 3, 0, 2, 3, 2, true}),
                         [](const ::testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

}  // namespace
