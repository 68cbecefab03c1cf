// What the start of each game puts back: the skat of the new game is nobody's yet, and the cards
// the deal laid out are sound.
#include "flow/FrameFixture.h"
#include "flow/FrameTestSupport.h"

#include "model/InternalError.h"
#include "resources/CommandIds.h"

namespace {

using testsupport::FrameFixture;

class GameStartTest : public FrameFixture {
protected:
    void SetUp() override { WriteProfileInt("Delay", "Switch", 0); }
    // The auction follows the game start inside the same step: wait until the game has started,
    // which is before any card has moved or the skat was taken.
    void NewToStart() {
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState >= STATE_START; }, 10000));
        ASSERT_LT(g_Game.FlowState, STATE_SKAT);
    }
};

TEST_F(GameStartTest, TheSkatOfTheLastGameIsNotTakenInTheNext) {
    StartProgram();
    // The last game's soloist picked up the skat.
    g_Computer.SkatTaken = 1;
    NewToStart();
    EXPECT_EQ(g_Computer.SkatTaken, 0);
}

TEST_F(GameStartTest, TheDealLaysOutEveryCardOnceAndReportsNothing) {
    StartProgram();
    std::vector<std::string> reports;
    SetInternalErrorHandler([&](const std::string& text) { reports.push_back(text); });
    SeedRand(4711);
    NewToStart();
    EXPECT_FALSE(Frame().Game.FindCardFault()) << Frame().Game.FindCardFault().text;
    EXPECT_TRUE(reports.empty()) << reports.front();
    SetInternalErrorHandler({});
}

}  // namespace
