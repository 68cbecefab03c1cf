// Modal loops and nested waits: owner disabling, focus coming back, early ends, quit requests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineFixture.h"

namespace enginetest {
namespace {

struct ModalLoop : testing::Test {
    World world;
    TestWindow dialog;
    TestWindow okButton;

    void SetUp() override {
        platform::CreateParams params =
            TopLevel(platform::WindowKind::Popup, "Dialog", {200, 200, 400, 300}, world.Frame());
        params.visible = false;
        dialog.Create(params);
        okButton.Create(ChildOf(dialog.Handle(), IDOK, {10, 10, 90, 40}));
        // The dialog passes its focus on to its button, as dialogs do.
        dialog.On(WM_SETFOCUS, 0, [&](WPARAM, LPARAM) { SetFocus(okButton.Handle()); return LRESULT{0}; });
    }
};

TEST_F(ModalLoop, DisablesTheOwnerAndGivesTheFocusBackAfterwards) {
    SetFocus(world.view.Handle());
    bool sawDisabledOwner = false;
    dialog.OnCommand(IDCANCEL, [&] {
        sawDisabledOwner = !IsWindowEnabled(world.Frame());
        EXPECT_EQ(GetFocus(), okButton.Handle());
        EXPECT_EQ(GetLastActivePopup(world.Frame()), dialog.Handle());
        EndModalLoop(dialog, IDCANCEL);
    });
    PostMessage(dialog.Handle(), WM_COMMAND, Command(IDCANCEL));
    EXPECT_EQ(RunModalLoop(dialog), IDCANCEL);
    EXPECT_TRUE(sawDisabledOwner);
    EXPECT_TRUE(IsWindowEnabled(world.Frame()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_EQ(GetActiveWindow(), world.Frame());
    EXPECT_EQ(GetFocus(), world.view.Handle());
    EXPECT_EQ(GetLastActivePopup(world.Frame()), world.Frame());
}

TEST_F(ModalLoop, AnOwnerDisabledBeforehandStaysDisabled) {
    EnableWindow(world.Frame(), false);
    EndModalLoop(dialog, 5);  // ended during its creation: the loop ends at once
    EXPECT_EQ(RunModalLoop(dialog), 5);
    EXPECT_FALSE(IsWindowEnabled(world.Frame()));
}

TEST_F(ModalLoop, InputToTheDisabledOwnerIsDroppedWhileTheDialogGetsItsOwn) {
    int frameClicks = 0;
    int buttonClicks = 0;
    world.view.On(WM_LBUTTONDOWN, 0, [&](WPARAM, LPARAM) { ++frameClicks; return LRESULT{0}; });
    okButton.On(WM_LBUTTONDOWN, 0, [&](WPARAM, LPARAM) {
        ++buttonClicks;
        EndModalLoop(dialog, IDOK);
        return LRESULT{0};
    });
    world.host.Click(100, {50, 50});
    world.host.Click(200, platform::HeadlessHost::ScreenPoint(okButton.Handle(), {5, 5}));
    EXPECT_EQ(RunModalLoop(dialog), IDOK);
    EXPECT_EQ(world.host.NowMs(), 200);
    EXPECT_EQ(frameClicks, 0);
    EXPECT_EQ(buttonClicks, 1);
}

TEST_F(ModalLoop, PreTranslationAsksTheDialogOnlyAndCanEndIt) {
    int frameAsked = 0;
    world.frame.preTranslate = [&](platform::Message&) { ++frameAsked; return false; };
    dialog.preTranslate = [&](platform::Message& message) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            EndModalLoop(dialog, IDCANCEL);
            return true;
        }
        return false;
    };
    world.host.Key(50, VK_ESCAPE);
    EXPECT_EQ(RunModalLoop(dialog), IDCANCEL);
    EXPECT_EQ(frameAsked, 0);
}

TEST_F(ModalLoop, DestroyingTheDialogEndsTheLoop) {
    SetFocus(world.view.Handle());
    dialog.OnTimer(21, [&] { DestroyWindow(dialog.Handle()); });
    SetTimer(dialog.Handle(), 21, 100);
    EXPECT_EQ(RunModalLoop(dialog), -1);
    EXPECT_TRUE(IsWindowEnabled(world.Frame()));
    EXPECT_EQ(GetActiveWindow(), world.Frame());
    EXPECT_EQ(GetFocus(), world.view.Handle());
}

TEST_F(ModalLoop, NestedLoopsEndInnermostFirst) {
    TestWindow inner;
    platform::CreateParams params = TopLevel(platform::WindowKind::Popup, "Box", {250, 250, 350, 300}, dialog.Handle());
    params.visible = false;
    inner.Create(params);
    std::vector<int> order;
    dialog.OnCommand(10, [&] {
        PostMessage(inner.Handle(), WM_COMMAND, Command(11));
        order.push_back(RunModalLoop(inner));
        EXPECT_FALSE(IsWindowEnabled(world.Frame()));  // the outer loop still holds it
        EXPECT_TRUE(IsWindowEnabled(dialog.Handle()));
    });
    inner.OnCommand(11, [&] {
        EndModalLoop(dialog, 2);  // the outer dialog is ended from inside the inner loop
        EndModalLoop(inner, 1);
    });
    PostMessage(dialog.Handle(), WM_COMMAND, Command(10));
    order.push_back(RunModalLoop(dialog));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_TRUE(IsWindowEnabled(world.Frame()));
}

TEST_F(ModalLoop, QuitRequestEndsItAndIsPutBackForTheMainLoop) {
    PostQuitMessage(4);
    PostMessage(world.Frame(), WM_COMMAND, Command(100));
    EXPECT_EQ(RunModalLoop(dialog), -1);
    EXPECT_EQ(world.host.PumpUntilIdle(), 0);  // the quit comes first, ahead of the command
    EXPECT_EQ(world.host.QuitCode(), 4);
}

// Another process's message ends the dialog while nothing else is queued and no timer is armed: the
// loop ends at once (a wait for more could never end).
TEST_F(ModalLoop, EndedByAnotherProcessWithNothingQueued) {
    constexpr UINT kFromOtherProcess = WM_USER + 7;
    ShowWindow(dialog.Handle(), SW_SHOW);
    world.host.PumpUntilIdle();
    dialog.On(kFromOtherProcess, 0, [&](WPARAM, LPARAM) {
        EndModalLoop(dialog, 9);
        return LRESULT{0};
    });
    platform::WindowSystem::Instance().DeliverFromOtherProcess(dialog.Handle(), kFromOtherProcess, 0, 0);
    EXPECT_EQ(RunModalLoop(dialog), 9);
}

// A message from another process runs its handler inside the retrieval. When it ends the dialog and
// nothing else is queued, the loop ends there and then: no timer is armed, so a wait would stall.
// What that handler posted, and another process's next message, wait for the next pump.
TEST_F(ModalLoop, EndedInsideTheRetrievalEndsWithoutWaiting) {
    constexpr UINT kFromOtherProcess = WM_USER + 7;
    ShowWindow(dialog.Handle(), SW_SHOW);
    world.host.PumpUntilIdle();  // shown and painted: nothing is left in the queue
    std::vector<std::string> seen;
    dialog.On(kFromOtherProcess, 0, [&](WPARAM, LPARAM) {
        seen.push_back("dialog ended");
        EndModalLoop(dialog, 9);
        PostMessage(world.Frame(), WM_COMMAND, Command(100));
        return LRESULT{0};
    });
    world.frame.On(kFromOtherProcess, 0, [&](WPARAM, LPARAM) { seen.push_back("frame told"); return LRESULT{0}; });
    world.frame.OnCommand(100, [&] { seen.push_back("command"); });
    auto& system = platform::WindowSystem::Instance();
    system.DeliverFromOtherProcess(dialog.Handle(), kFromOtherProcess, 0, 0);
    system.DeliverFromOtherProcess(world.Frame(), kFromOtherProcess, 0, 0);

    EXPECT_EQ(RunModalLoop(dialog), 9);
    EXPECT_EQ(seen, (std::vector<std::string>{"dialog ended"}));
    EXPECT_EQ(world.host.NowMs(), 0);
    world.host.PumpUntilIdle();
    EXPECT_EQ(seen, (std::vector<std::string>{"dialog ended", "frame told", "command"}));
}

// A handler's own loop inside the modal loop is not ended by the dialog's end: a wait that the
// handler starts after EndModalLoop still runs until its own condition ends it.
TEST_F(ModalLoop, AHandlersOwnWaitAfterTheEndStillRuns) {
    int ticks = 0;
    dialog.OnCommand(10, [&] {
        EndModalLoop(dialog, 3);
        SetTimer(dialog.Handle(), 5, 100);
        WaitWhile([&] { return ticks < 2; });
        KillTimer(dialog.Handle(), 5);
    });
    dialog.OnTimer(5, [&] { ++ticks; });
    PostMessage(dialog.Handle(), WM_COMMAND, Command(10));
    EXPECT_EQ(RunModalLoop(dialog), 3);
    EXPECT_EQ(ticks, 2);
}

TEST(NestedWait, QuitRequestIsPutBackAndEndsTheWait) {
    World world;
    bool ended = true;
    world.frame.OnCommand(100, [&] {
        PostQuitMessage(3);
        ended = WaitWhile([] { return true; });
        PostMessage(world.Frame(), WM_COMMAND, Command(101));
    });
    PostMessage(world.Frame(), WM_COMMAND, Command(100));
    EXPECT_EQ(platform::WindowSystem::Instance().RunMessageLoop(), 3);
    EXPECT_FALSE(ended);
    EXPECT_EQ(world.Trace(), "0 0 D frame WM_COMMAND 100\n");
}

TEST(NestedWait, GetsRawKeysWithoutTranslation) {
    World world;
    int asked = 0;
    std::vector<UINT> seen;
    world.view.preTranslate = [&](platform::Message&) { ++asked; return false; };
    world.view.On(WM_KEYDOWN, 0, [&](WPARAM, LPARAM) { seen.push_back(WM_KEYDOWN); return LRESULT{0}; });
    world.view.On(WM_KEYUP, 0, [&](WPARAM, LPARAM) { seen.push_back(WM_KEYUP); return LRESULT{0}; });
    world.view.On(WM_CHAR, 0, [&](WPARAM, LPARAM) { seen.push_back(WM_CHAR); return LRESULT{0}; });
    SetFocus(world.view.Handle());
    world.host.Key(5, 'A');
    WaitWhile([&] { return seen.size() < 2; });
    world.host.PumpFor(10);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
    // The main loop pre-translates and translates the same key.
    seen.clear();
    world.host.Key(world.host.NowMs() + 1, 'A');
    world.host.PumpFor(10);
    EXPECT_EQ(asked, 3);  // key down, its character, key up
    EXPECT_EQ(seen, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST(NestedWait, CountedPollsCostOneVirtualMillisecondEach) {
    World world;
    int polls = 0;
    WaitWhile([&] { return polls++ < 4096; });
    EXPECT_EQ(world.host.NowMs(), 4096);
}

TEST(NestedWait, ThatNothingCanEndIsReportedInsteadOfHanging) {
    World world;
    world.host.SetStallLimitMs(1000);
    EXPECT_THROW(WaitWhile([] { return true; }), platform::IdleStall);
    EXPECT_GE(world.host.NowMs(), 1000);
}

TEST(NestedWait, WithTheTickRunningForeverHitsTheTimeLimit) {
    World world;
    SetTimer(world.Frame(), 2, 200);
    world.host.SetTimeLimitMs(5000);
    EXPECT_THROW(WaitWhile([] { return true; }), platform::IdleStall);
}

}  // namespace
}  // namespace enginetest
