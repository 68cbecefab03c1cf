// A close signal (the session's logout, Ctrl+C, the terminal gone) on the headless host: the frame
// closes as on a confirmed exit, whatever it was doing: with a dealt game, with the bidding bar waiting for
// the person, while the computers bid (busy: the close waits for the step), and with the exit
// question the person opened still on the screen (nobody may be there to answer it).
#include "flow/FrameAuction.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameGlobals.h"

#include <functional>

namespace {

using testsupport::FlowFixture;
using testsupport::Later;

struct CloseSignalCase {
    friend void PrintTo(const CloseSignalCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    // Brings the program where the signal finds it; `signal` sends it (now or from a timer).
    std::function<void(FlowFixture&, Later&, std::function<void()> signal)> setUp;
};

class CloseSignalTest : public FlowFixture, public ::testing::WithParamInterface<CloseSignalCase> {
public:
    void Deal() { DealAndHold(); }
    void Auction(int leader, int limit0, int limit1) { StartAuction(leader, limit0, limit1); }
    testsupport::ModalAnswerer& Answerer() { return answerer_; }
    platform::HeadlessHost& Host() { return *host_; }
    CMainFrame& TheFrame() { return Frame(); }
};

TEST_P(CloseSignalTest, TheFrameClosesWithoutAskingAndWritesTheSettings) {
    const CloseSignalCase& c = GetParam();
    // A question the close asked would be answered No here, and the frame would stay.
    host_->Answers().PushMessageBoxAnswer(IDNO);
    Later later;
    c.setUp(*this, later, [this] { Frame().OnCloseSignal(); });
    host_->PumpFor(8000);

    EXPECT_FALSE(Frame().Run().TableAlive);
    EXPECT_FALSE(Frame().IsAlive());
    // No question was asked: the scripted No is still there.
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 1u);
    // The close sequence ran whole: its settings and its closing line were written.
    EXPECT_NE(GetProfileInt("RectMain", "Right", 0), 0);
    EXPECT_GE(FindLine("CMainFrame::OnClose()"), 0);
    // Every signal's close ran once.
    EXPECT_EQ(Frame().Run().CloseDeferred, 0);
}

const CloseSignalCase kCloseSignalCases[] = {
    {"DealtAndHeld",
     [](FlowFixture& f, Later&, std::function<void()> signal) {
         auto& t = static_cast<CloseSignalTest&>(f);
         t.Deal();
         t.Host().PumpUntilIdle();
         signal();
     }},
    {"BiddingBarWaitsForThePerson",
     [](FlowFixture& f, Later&, std::function<void()> signal) {
         auto& t = static_cast<CloseSignalTest&>(f);
         t.Deal();
         t.Auction(2, 0, 0);
         ASSERT_TRUE(t.TheFrame().FrameAuction().IsAuctionBarOpen());
         signal();
     }},
    {"ComputersBidInTheOpening",
     [](FlowFixture& f, Later& later, std::function<void()> signal) {
         auto& t = static_cast<CloseSignalTest&>(f);
         t.Deal();
         // Inside the computers' busy step, as the person's close in the auction's test.
         later.At(1500, [&t, signal] {
             EXPECT_EQ(t.TheFrame().Run().BusyFlag, 1);
             signal();
         });
         t.Auction(0, 60, 60);
     }},
    {"TheExitQuestionIsOpen",
     [](FlowFixture& f, Later& later, std::function<void()> signal) {
         auto& t = static_cast<CloseSignalTest&>(f);
         t.Deal();
         t.Auction(2, 0, 0);
         // Nobody answers the person's own close question; the signal comes while it is up.
         t.Answerer().KillTimer(1);
         t.Host().Answers().TakeMessageBoxAnswer();
         later.At(500, [&t, signal] {
             EXPECT_FALSE(platform::WindowSystem::Instance().ModalLoops().empty());
             t.Host().Answers().PushMessageBoxAnswer(IDNO);
             signal();
         });
         ::PostMessage(t.TheFrame().Handle(), WM_CLOSE);
     }},
};

INSTANTIATE_TEST_SUITE_P(Moments, CloseSignalTest, ::testing::ValuesIn(kCloseSignalCases),
                         [](const ::testing::TestParamInfo<CloseSignalCase>& info) { return std::string(info.param.name); });

}  // namespace
