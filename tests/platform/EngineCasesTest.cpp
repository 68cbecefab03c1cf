// The orderings the game flow relies on, each pinned by the dispatch trace it must produce.
// Trace lines: "<virtual ms> <depth> <D dispatched | S sent> <target> <message> <wParam>".
#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace enginetest {
namespace {

struct EngineCase {
    const char* name;
    std::function<void(World&)> run;
    const char* trace;
};

void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.name; }

const EngineCase kCases[] = {
    {"PostedChainRunsBeforeDueTimer",
     [](World& w) {
         w.frame.OnTimer(1, [&] { KillTimer(w.Frame(), 1); });
         w.frame.OnCommand(100, [&] { PostMessage(w.Frame(), WM_COMMAND, Command(101)); });
         w.frame.OnCommand(101, [&] { PostMessage(w.Frame(), WM_COMMAND, Command(102)); });
         SetTimer(w.Frame(), 1, 10);
         Sleep(50);  // the timer is due before anything runs
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpFor(100);
     },
     "50 0 D frame WM_COMMAND 100\n"
     "50 0 D frame WM_COMMAND 101\n"
     "50 0 D frame WM_COMMAND 102\n"
     "50 0 D frame WM_TIMER 1\n"},

    {"PostsKeepOneOrderAcrossWindows",
     [](World& w) {
         PostMessage(w.prompt->Handle(), WM_COMMAND, Command(1012));
         PostMessage(w.Frame(), WM_COMMAND, Command(117));
         PostMessage(w.side.Handle(), WM_COMMAND, Command(5));
         PostMessage(w.prompt->Handle(), WM_COMMAND, Command(1013));
         w.host.PumpUntilIdle();
     },
     "0 0 D prompt WM_COMMAND 1012\n"
     "0 0 D frame WM_COMMAND 117\n"
     "0 0 D side WM_COMMAND 5\n"
     "0 0 D prompt WM_COMMAND 1013\n"},

    {"SendInsideHandlerRunsNestedAndReturns",
     [](World& w) {
         w.side.On(WM_COMMAND, 200, [](WPARAM, LPARAM) { return LRESULT{7}; });
         w.frame.OnCommand(100, [&] {
             const LRESULT result = SendMessage(w.side.Handle(), WM_COMMAND, Command(200));
             PostMessage(w.Frame(), WM_COMMAND, Command(static_cast<int>(300 + result)));
         });
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpUntilIdle();
     },
     "0 0 D frame WM_COMMAND 100\n"
     "0 1 S side WM_COMMAND 200\n"
     "0 0 D frame WM_COMMAND 307\n"},

    {"SendToDisabledHiddenWindowStillRuns",
     [](World& w) {
         EnableWindow(w.side.Handle(), false);
         ShowWindow(w.side.Handle(), SW_HIDE);
         w.side.On(WM_COMMAND, 200, [](WPARAM, LPARAM) { return LRESULT{9}; });
         EXPECT_EQ(SendMessage(w.side.Handle(), WM_COMMAND, Command(200)), 9);
     },
     "0 0 S side WM_COMMAND 200\n"},

    {"TimerKilledWhileDueIsNeverDelivered",
     [](World& w) {
         w.frame.OnCommand(100, [&] { KillTimer(w.Frame(), 1); });
         SetTimer(w.Frame(), 1, 10);
         Sleep(20);
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpFor(100);
     },
     "20 0 D frame WM_COMMAND 100\n"},

    {"RearmingRestartsTheCountdown",
     [](World& w) {
         w.frame.OnTimer(1, [&] { KillTimer(w.Frame(), 1); });
         w.frame.OnTimer(2, [&] {
             KillTimer(w.Frame(), 2);
             SetTimer(w.Frame(), 1, 100);  // armed at 0 for 100 ms: restarts at 60
         });
         SetTimer(w.Frame(), 1, 100);
         SetTimer(w.Frame(), 2, 60);
         w.host.PumpFor(500);
     },
     "60 0 D frame WM_TIMER 2\n"
     "160 0 D frame WM_TIMER 1\n"},

    {"TimersDueTogetherFireInArmOrderAndRearmingGoesLast",
     [](World& w) {
         SetTimer(w.Frame(), 3, 50);
         SetTimer(w.Frame(), 1, 50);
         SetTimer(w.Frame(), 2, 50);
         SetTimer(w.Frame(), 3, 50);  // armed again: now the last of the three
         w.host.PumpFor(120);
     },
     "50 0 D frame WM_TIMER 1\n"
     "50 0 D frame WM_TIMER 2\n"
     "50 0 D frame WM_TIMER 3\n"
     "100 0 D frame WM_TIMER 1\n"  // a periodic timer keeps its place among its equals
     "100 0 D frame WM_TIMER 2\n"
     "100 0 D frame WM_TIMER 3\n"},

    {"PeriodicTimerAfterLongSleepDeliversOneExpiry",
     [](World& w) {
         SetTimer(w.Frame(), 2, 200);
         Sleep(1050);  // five periods pass with nobody pumping
         w.host.PumpFor(400);
     },
     "1050 0 D frame WM_TIMER 2\n"   // one expiry for all the missed periods
     "1200 0 D frame WM_TIMER 2\n"   // then back in step: last due + whole periods
     "1400 0 D frame WM_TIMER 2\n"},

    {"ShortIntervalsCountAsTenMilliseconds",
     [](World& w) {
         w.frame.OnTimer(1, [&] { KillTimer(w.Frame(), 1); });
         SetTimer(w.Frame(), 1, 0);
         w.host.PumpFor(50);
     },
     "10 0 D frame WM_TIMER 1\n"},

    {"ModalLoopEndsAfterTheDispatchThatEndedItAndItsPostWaits",
     [](World& w) {
         TestWindow dialog;
         platform::CreateParams params =
             TopLevel(platform::WindowKind::Popup, "Dialog", {200, 200, 400, 300}, w.Frame());
         params.visible = false;
         dialog.Create(params);
         w.host.Trace().Name(dialog.Handle(), "dialog");
         dialog.OnCommand(IDOK, [&] {
             PostMessage(w.Frame(), WM_COMMAND, Command(137));  // like CM_START before EndDialog
             EndModalLoop(dialog, IDOK);
             PostMessage(w.Frame(), WM_COMMAND, Command(138));
         });
         w.frame.OnCommand(100, [&] {
             PostMessage(dialog.Handle(), WM_COMMAND, Command(IDOK));
             const int result = RunModalLoop(dialog);
             PostMessage(w.Frame(), WM_COMMAND, Command(400 + result));
         });
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.Trace().KeepOnly({WM_COMMAND});
         w.host.PumpUntilIdle();
     },
     "0 0 D frame WM_COMMAND 100\n"
     "0 1 D dialog WM_COMMAND 1\n"
     "0 0 D frame WM_COMMAND 137\n"
     "0 0 D frame WM_COMMAND 138\n"
     "0 0 D frame WM_COMMAND 401\n"},

    {"ModalLoopPumpsTimersOfTheDisabledOwner",
     [](World& w) {
         TestWindow dialog;
         dialog.Create(TopLevel(platform::WindowKind::Popup, "Dialog", {200, 200, 400, 300}, w.Frame()));
         w.host.Trace().Name(dialog.Handle(), "dialog");
         w.frame.OnTimer(71, [&] {
             KillTimer(w.Frame(), 71);
             EXPECT_FALSE(IsWindowEnabled(w.Frame()));
             EndModalLoop(GetLastActivePopup(w.Frame()), 0);
         });
         SetTimer(w.Frame(), 71, 3000);
         w.host.Trace().KeepOnly({WM_COMMAND, WM_TIMER});
         EXPECT_EQ(RunModalLoop(dialog), 0);
     },
     "3000 0 D frame WM_TIMER 71\n"},

    {"NestedWaitEndsWhenAHandlerChangesItsCondition",
     [](World& w) {
         bool waiting = false;
         w.frame.OnCommand(101, [&] { waiting = false; });
         w.frame.OnCommand(100, [&] {
             PostMessage(w.Frame(), WM_COMMAND, Command(101));
             PostMessage(w.Frame(), WM_COMMAND, Command(102));
             waiting = true;
             WaitWhile([&] { return waiting; });
             PostMessage(w.Frame(), WM_COMMAND, Command(103));
         });
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpUntilIdle();
     },
     "0 0 D frame WM_COMMAND 100\n"
     "0 1 D frame WM_COMMAND 101\n"   // the wait takes it and ends right after
     "0 0 D frame WM_COMMAND 102\n"
     "0 0 D frame WM_COMMAND 103\n"},

    {"NestedWaitEndsWhenTheTickLowersThePause",
     [](World& w) {
         int pauseLevel = 5;
         w.frame.OnTimer(2, [&] { pauseLevel = 2; });
         w.frame.OnCommand(100, [&] {
             WaitWhile([&] { return pauseLevel >= 5; });
             KillTimer(w.Frame(), 2);
             PostMessage(w.Frame(), WM_COMMAND, Command(101));
         });
         SetTimer(w.Frame(), 2, 200);
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpFor(1000);
     },
     "0 0 D frame WM_COMMAND 100\n"
     "200 1 D frame WM_TIMER 2\n"
     "200 0 D frame WM_COMMAND 101\n"},

    {"WindowDestroyedInsideItsOwnHandlerDropsLaterPosts",
     [](World& w) {
         HWND prompt = w.prompt->Handle();
         w.frame.OnCommand(200, [&, prompt] { DestroyWindow(prompt); });  // like OnPass closing the bar
         w.prompt->OnCommand(105, [&, prompt] {
             TestWindow* self = w.prompt;
             PostMessage(prompt, WM_COMMAND, Command(106));
             SendMessage(w.Frame(), WM_COMMAND, Command(200));
             // Still running on a live object, but the window is gone.
             self->SetDlgCtrlID(1);
             EXPECT_FALSE(IsWindow(prompt));
             EXPECT_FALSE(PostMessage(prompt, WM_COMMAND, Command(107)));
             EXPECT_EQ(SendMessage(prompt, WM_COMMAND, Command(108)), 0);
             EXPECT_EQ(w.promptDestructions, 0);
             PostMessage(w.Frame(), WM_COMMAND, Command(109));
         });
         PostMessage(prompt, WM_COMMAND, Command(105));
         w.host.PumpUntilIdle();
         EXPECT_EQ(w.promptDestructions, 1);
     },
     "0 0 D prompt WM_COMMAND 105\n"
     "0 1 S frame WM_COMMAND 200\n"
     "0 2 S prompt WM_DESTROY 0\n"
     "0 0 D frame WM_COMMAND 109\n"},

    {"PaintComesAfterPostsOncePerWindowBeforeTimers",
     [](World& w) {
         w.frame.OnCommand(100, [&] {
             platform::Rect part{0, 0, 10, 10};
             InvalidateRect(w.view.Handle(), &part, true);
             InvalidateRect(w.view.Handle(), nullptr, false);
             InvalidateRect(w.side.Handle(), nullptr, false);
             PostMessage(w.Frame(), WM_COMMAND, Command(101));
         });
         w.frame.OnTimer(1, [&] { KillTimer(w.Frame(), 1); });
         SetTimer(w.Frame(), 1, 10);
         Sleep(10);
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpUntilIdle();
     },
     "10 0 D frame WM_COMMAND 100\n"
     "10 0 D frame WM_COMMAND 101\n"
     "10 0 D view WM_PAINT 0\n"
     "10 1 S view WM_ERASEBKGND dc\n"
     "10 0 D side WM_PAINT 0\n"
     "10 0 D frame WM_TIMER 1\n"},

    {"RedrawUpdateNowErasesAndPaintsBeforeReturning",
     [](World& w) {
         w.frame.OnCommand(100, [&] {
             RedrawWindow(w.view.Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
             PostMessage(w.Frame(), WM_COMMAND, Command(101));
         });
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         w.host.PumpUntilIdle();
     },
     "0 0 D frame WM_COMMAND 100\n"
     "0 1 S view WM_PAINT 0\n"
     "0 2 S view WM_ERASEBKGND dc\n"
     "0 0 D frame WM_COMMAND 101\n"},   // and no second paint

    {"OtherProcessMessageComesFirstInsideAnyRetrieval",
     [](World& w) {
         w.frame.OnCommand(100, [&] {
             platform::WindowSystem::Instance().DeliverCopyData(w.Frame(), nullptr, 0, "\"a.skt\"");
             PumpWaitStep();
         });
         w.frame.On(WM_COPYDATA, 0, [](WPARAM, LPARAM l) {
             const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(l);
             EXPECT_EQ(std::string(static_cast<const char*>(data->lpData), data->cbData), "\"a.skt\"");
             return LRESULT{1};
         });
         PostMessage(w.Frame(), WM_COMMAND, Command(100));
         PostMessage(w.Frame(), WM_COMMAND, Command(101));
         w.host.PumpUntilIdle();
     },
     "0 0 D frame WM_COMMAND 100\n"
     "0 1 X frame WM_COPYDATA 0\n"
     "0 1 D frame WM_COMMAND 101\n"},
};

class EngineCases : public testing::TestWithParam<EngineCase> {};

TEST_P(EngineCases, ProduceTheirTrace) {
    World world;
    GetParam().run(world);
    EXPECT_EQ(world.Trace(), GetParam().trace);
}

INSTANTIATE_TEST_SUITE_P(Orderings, EngineCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<EngineCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace enginetest
