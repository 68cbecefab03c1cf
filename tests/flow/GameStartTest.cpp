// What the start of each game puts back: the skat of the new game is nobody's yet, and the cards
// the deal laid out are sound.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTestSupport.h"

#include "model/InternalError.h"
#include "model/Skat.h"
#include "resources/CommandIds.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FrameFixture;

// What the game looks like the moment the deal reaches START: the auction follows inside the
// same step, so the trace line of the state is where it is noted.
struct AtStart {
    bool seen = false;
    int skatTaken = -1;
    std::string fault;
};
AtStart g_atStart;
CSkat* g_watchedGame = nullptr;

class GameStartTest : public FrameFixture {
protected:
    void SetUp() override { WriteProfileInt("Delay", "Switch", 0); }
    // The auction follows the game start inside the same step, so the game is looked at through
    // the trace line of START.
    void NewToStart() {
        g_atStart = AtStart{};
        g_watchedGame = &FrameGameAccess::Game(Frame());
        SetTraceSink({[] { return g_pApp != nullptr; },
                      [](const std::string& text, unsigned flags) {
                          if (text == ":State(START)" && !g_atStart.seen)
                              g_atStart = AtStart{true, g_Computer.SkatTaken, g_watchedGame->FindCardFault().text};
                          g_pApp->WriteLog(text, flags);
                      }});
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_atStart.seen; }, 10000));
    }
};

TEST_F(GameStartTest, TheSkatOfTheLastGameIsNotTakenInTheNext) {
    StartProgram();
    // The last game's soloist picked up the skat.
    g_Computer.SkatTaken = 1;
    NewToStart();
    EXPECT_EQ(g_atStart.skatTaken, 0);
}

TEST_F(GameStartTest, TheDealLaysOutEveryCardOnceAndReportsNothing) {
    StartProgram();
    std::vector<std::string> reports;
    SetInternalErrorHandler([&](const std::string& text) { reports.push_back(text); });
    SeedRand(4711);
    NewToStart();
    EXPECT_EQ(g_atStart.fault, "");
    EXPECT_TRUE(reports.empty()) << reports.front();
    SetInternalErrorHandler({});
}

}  // namespace
