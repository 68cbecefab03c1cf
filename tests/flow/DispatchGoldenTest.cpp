// The frame's dispatch trace of the first two tricks of a scripted game, against the checked-in
// trace in golden/TwoTricks.trace: the suggestion sent at the person's turn, his card posted as
// CM_PLAY, the focus of the continue bar before timer 6 takes the first trick on, and a double
// press of the bar after the second trick that goes on by one trick only.
// With KARTOVAN_UPDATE_GOLDEN=1 in the environment the test writes the file instead.
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "dialogs/PlayBars.h"
#include "flow/FrameGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "flow/PromptBars.h"
#include "tavlo/Tavlo.h"

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kClubs = 1016;

const std::string kGoldenPath = std::string(KARTOVAN_TEST_SOURCE_DIR) + "/flow/golden/TwoTricks.trace";

class DispatchGoldenTest : public FlowFixture {
protected:
    const CPerson& Person() { return Frame().GameObject().Person(); }
    platform::Point CardPoint(int card) {
        const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
        return platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client);
    }
    int FirstLegalSlot() {
        for (int slot = 0; slot < Person().capacity; ++slot)
            if (Person().present[slot] && Person().ValidCard(slot, Frame().GameObject().Trick())) return slot;
        return -1;
    }
    int TricksDone() const { return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2]; }
    // The person's card of the running trick, by a click.
    void PlayPersonsCard() {
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
        const int slot = FirstLegalSlot();
        ASSERT_GE(slot, 0);
        host_->Click(host_->NowMs() + 10, CardPoint(Person().cards[slot]));
    }
    // The frame's commands and timers, the time counted from the first line.
    std::string FrameTrace() const {
        const auto& records = host_->Trace().Records();
        std::ostringstream text;
        const std::int64_t start = records.empty() ? 0 : records.front().time;
        for (const platform::DispatchRecord& record : records) {
            std::string line = host_->Trace().Line(record);
            line = std::to_string(record.time - start) + line.substr(line.find(' '));
            text << line << '\n';
        }
        return text.str();
    }
};

TEST_F(DispatchGoldenTest, TheFirstTwoTricksDispatchAsRecorded) {
    WriteProfileInt("Options", "Continue", 1);
    WriteProfileInt("Delay", "Continue", 700);
    DealAndHold(4711);
    StartAuction(2, 0, 0);
    ::SendMessage(Bar(), WM_COMMAND, BTN_BID, 0);
    host_->PumpUntilIdle();
    ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
    host_->PumpUntilIdle();
    // From the declaration on, only what reaches the frame as a command or a timer is recorded;
    // the 200 ms tick is left out.
    const HWND frame = Frame().Handle();
    host_->Trace().Clear();
    host_->Trace().Name(frame, "frame");
    host_->Trace().SetFilter([frame](const platform::DispatchRecord& record) {
        return record.hwnd == frame &&
               (record.message == WM_COMMAND || (record.message == WM_TIMER && record.wParam != TM_TICK));
    });
    ::SendMessage(Bar(), WM_COMMAND, kClubs, 0);

    // Trick 1: the person's card, then timer 6 takes the trick on.
    PlayPersonsCard();
    ASSERT_TRUE(host_->PumpUntil([this] { return TricksDone() == 1 && Frame().GameObject().Trick().count == 0; }, 60000));
    // Trick 2: the person's card; the bar is pressed twice before its timer.
    PlayPersonsCard();
    ASSERT_TRUE(host_->PumpUntil(
        [this] { return ::IsWindow(Frame().Prompts().ContinuePrompt) && Frame().GameObject().Trick().count == 3; },
        60000));
    const HWND bar = Frame().Prompts().ContinuePrompt;
    ::PostMessage(bar, WM_COMMAND, IDC_CONTINUE, 0);
    ::PostMessage(bar, WM_COMMAND, IDC_CONTINUE, 0);
    host_->PumpFor(1500);
    EXPECT_EQ(TricksDone(), 2);

    const std::string trace = FrameTrace();
    if (const char* update = std::getenv("KARTOVAN_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ofstream(kGoldenPath, std::ios::binary) << trace;
        GTEST_SKIP() << "wrote " << kGoldenPath;
    }
    std::ifstream file(kGoldenPath, std::ios::binary);
    ASSERT_TRUE(file) << "no golden trace at " << kGoldenPath;
    std::ostringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(trace, expected.str());
}

}  // namespace
