// The headless host: virtual clock, idle jumps, scripted input and answers, the trace's text form.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "platform/core/Clock.h"

namespace enginetest {
namespace {

TEST(HeadlessHost, ClockStartsOnAWholeSecondAndMovesOnlyWhenAsked) {
    platform::HeadlessHost host;
    EXPECT_EQ(TickCount(), 0);
    EXPECT_EQ(Time64(), 1767225600);
    EXPECT_EQ(platform::FormatLocalTime("%Y-%m-%d %H:%M:%S", Time64()), "2026-01-01 00:00:00");
    Sleep(1999);
    EXPECT_EQ(Time64(), 1767225601);
    host.PumpFor(1);
    EXPECT_EQ(Time64(), 1767225602);
}

TEST(HeadlessHost, MainLoopJumpsToTheNextDueTimeAndReportsAWaitNothingCanEnd) {
    World world;
    world.frame.OnTimer(3, [&] {
        KillTimer(world.Frame(), 3);
        PostQuitMessage(0);
    });
    SetTimer(world.Frame(), 3, 200000);
    EXPECT_EQ(platform::WindowSystem::Instance().RunMessageLoop(), 0);
    EXPECT_EQ(world.host.NowMs(), 200000);
    EXPECT_THROW(platform::WindowSystem::Instance().RunMessageLoop(), platform::IdleStall);
}

// A nested wait polls as a screen's does: each empty poll sleeps until the next timer is due, so a
// wait of 5 s for a timer takes a few polls and ends at the timer's time; a wait for nothing that
// comes costs 1 ms a poll until the stall limit reports it.
TEST(HeadlessHost, AnEmptyPollJumpsToTheNextDueTimer) {
    World world;
    bool ticked = false;
    world.frame.OnTimer(4, [&] {
        KillTimer(world.Frame(), 4);
        ticked = true;
    });
    SetTimer(world.Frame(), 4, 5000);
    int polls = 0;
    EXPECT_TRUE(WaitWhile([&] {
        ++polls;
        return !ticked;
    }));
    EXPECT_LE(polls, 3);
    EXPECT_EQ(world.host.NowMs(), 5000);

    world.host.SetStallLimitMs(50);
    polls = 0;
    EXPECT_THROW(WaitWhile([&] {
                     ++polls;
                     return true;
                 }),
                 platform::IdleStall);
    EXPECT_EQ(polls, 50);
}

TEST(HeadlessHost, ClicksGoToTheWindowUnderThePointInClientCoordinates) {
    World world;
    TestWindow button;
    button.Create(ChildOf(world.prompt->Handle(), 1001, {10, 10, 90, 40}));
    std::vector<std::string> got;
    auto record = [&got](const char* who) {
        return [&got, who](WPARAM, LPARAM l) {
            got.push_back(std::string(who) + " " + std::to_string(GET_X_LPARAM(l)) + "," + std::to_string(GET_Y_LPARAM(l)));
            return LRESULT{0};
        };
    };
    world.view.On(WM_LBUTTONDOWN, 0, record("view"));
    button.On(WM_LBUTTONDOWN, 0, record("button"));
    world.host.Click(100, {100 + 15, 400 + 12});  // the prompt lies at (100, 400), above the frame
    world.host.Click(200, {30, 40});
    world.host.PumpFor(300);
    EXPECT_EQ(got, (std::vector<std::string>{"button 5,2", "view 30,40"}));
    EXPECT_EQ(GetActiveWindow(), world.Frame());  // the press activated the frame, now on top

    got.clear();
    world.host.Click(400, {100 + 15, 400 + 12});  // the frame covers the prompt now
    world.host.PumpFor(100);
    SetActiveWindow(world.prompt->Handle());
    EnableWindow(button.Handle(), false);
    world.host.Click(500, {100 + 15, 400 + 12});  // disabled: dropped
    world.host.PumpFor(300);
    EXPECT_EQ(got, (std::vector<std::string>{"view 115,412"}));
}

TEST(HeadlessHost, DragFollowsTheCaptureWindow) {
    World world;
    std::vector<UINT> got;
    world.view.On(WM_LBUTTONDOWN, 0, [&](WPARAM, LPARAM) {
        SetCapture(world.view.Handle());
        got.push_back(WM_LBUTTONDOWN);
        return LRESULT{0};
    });
    world.view.On(WM_MOUSEMOVE, 0, [&](WPARAM w, LPARAM) {
        EXPECT_TRUE(w & MK_LBUTTON);
        got.push_back(WM_MOUSEMOVE);
        return LRESULT{0};
    });
    world.view.On(WM_LBUTTONUP, 0, [&](WPARAM, LPARAM l) {
        EXPECT_EQ(GET_X_LPARAM(l), 1000);  // outside the view, still reported to it
        ReleaseCapture();
        got.push_back(WM_LBUTTONUP);
        return LRESULT{0};
    });
    world.host.Drag(50, {100, 100}, {1000, 500}, 100, 2);
    world.host.PumpFor(200);
    EXPECT_EQ(got, (std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONUP}));
}

TEST(HeadlessHost, ModifiersHeldAroundAKeyShowInTheKeyState) {
    World world;
    bool shiftHeld = false;
    world.view.On(WM_KEYDOWN, 0, [&](WPARAM key, LPARAM) {
        if (key == 'N') shiftHeld = GetKeyState(VK_SHIFT) < 0;
        return LRESULT{0};
    });
    SetFocus(world.view.Handle());
    world.host.Key(10, 'N', {VK_SHIFT});
    world.host.PumpFor(20);
    EXPECT_TRUE(shiftHeld);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
}

TEST(HeadlessHost, ScriptedAnswersAreTakenInOrder) {
    platform::HeadlessHost host;
    host.Answers().PushMessageBoxAnswer(IDYES);
    host.Answers().PushMessageBoxAnswer(IDNO);
    host.Answers().PushFileDialogAnswer("/tmp/a.skt");
    host.Answers().PushFileDialogCancel();
    platform::Host& asHost = host;
    EXPECT_EQ(asHost.TakeMessageBoxAnswer(), IDYES);
    EXPECT_EQ(asHost.TakeMessageBoxAnswer(), IDNO);
    EXPECT_EQ(asHost.TakeMessageBoxAnswer(), std::nullopt);
    auto file = asHost.TakeFileDialogAnswer();
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->accepted);
    EXPECT_EQ(file->path, "/tmp/a.skt");
    EXPECT_FALSE(asHost.TakeFileDialogAnswer()->accepted);
    EXPECT_FALSE(asHost.TakeFileDialogAnswer());
}

TEST(HeadlessHost, TraceTextNamesWindowsAndCommands) {
    platform::HeadlessHost host;
    TestWindow titled, unnamed;
    platform::CreateParams hidden = TopLevel(platform::WindowKind::Popup, "Reizen", {0, 0, 10, 10});
    hidden.visible = false;
    titled.Create(hidden);
    platform::CreateParams params;
    unnamed.Create(params);
    host.Trace().Clear();
    SendMessage(titled.Handle(), WM_COMMAND, MAKEWPARAM(1046, 3));
    PostMessage(unnamed.Handle(), WM_USER + 7, 9);
    host.PumpUntilIdle();
    EXPECT_EQ(host.Trace().Text(), "0 0 S \"Reizen\" WM_COMMAND 1046/3\n0 0 D #" +
                                       std::to_string(HandleValue(unnamed.Handle())) + " WM_USER+7 9\n");
}

TEST(HeadlessHost, PumpUntilStopsWhenThePredicateHoldsOrTheLimitPasses) {
    World world;
    int ticks = 0;
    world.frame.OnTimer(2, [&] { ++ticks; });
    SetTimer(world.Frame(), 2, 200);
    EXPECT_TRUE(world.host.PumpUntil([&] { return ticks == 3; }));
    EXPECT_EQ(world.host.NowMs(), 600);
    EXPECT_FALSE(world.host.PumpUntil([] { return false; }, 1000));
    EXPECT_EQ(world.host.NowMs(), 1600);
    EXPECT_EQ(ticks, 8);
}

// A surface is drawn on, painted and released: the count of the window, as the host keeps it.
void PaintOnce(HWND window) {
    platform::DeviceContext* dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    dc->FillRect({0, 0, 4, 4}, platform::Brush::Solid({0, 128, 0}));
    ReleaseDC(window, dc);
}

TEST(HeadlessHost, ADestroyedWindowsPaintCountIsForgottenWhileTheOthersKeepTheirs) {
    World world;
    const int frameBefore = world.host.PaintCount(world.Frame());
    TestWindow passing;
    passing.Create(TopLevel(platform::WindowKind::Popup, "Passing", {100, 100, 300, 200}));
    const HWND gone = passing.Handle();
    for (int i = 0; i < 3; ++i) PaintOnce(gone);
    PaintOnce(world.Frame());
    ASSERT_GE(world.host.PaintCount(gone), 3);

    DestroyWindow(gone);
    world.host.PumpUntilIdle();
    ASSERT_FALSE(IsWindow(gone));
    EXPECT_EQ(world.host.PaintCount(gone), 0);
    EXPECT_EQ(world.host.PaintCount(world.Frame()), frameBefore + 1);

    // A window made afterwards counts its own paints only.
    TestWindow next;
    next.Create(TopLevel(platform::WindowKind::Popup, "Next", {100, 100, 300, 200}));
    ASSERT_NE(next.Handle(), gone);
    const int nextBefore = world.host.PaintCount(next.Handle());
    PaintOnce(next.Handle());
    EXPECT_EQ(world.host.PaintCount(next.Handle()), nextBefore + 1);
}

TEST(HeadlessHost, ASurfaceKeepsPixelsUnlessTheHostDropsWhatIsDrawn) {
    struct Case {
        bool keepDrawing;
        bool keepsPixels;
    };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        World world;
        world.host.SetKeepDrawing(c.keepDrawing);
        TestWindow window;
        window.Create(TopLevel(platform::WindowKind::Popup, "Table", {0, 0, 200, 100}));
        platform::DeviceContext* dc = GetDC(window.Handle());
        ASSERT_NE(dc, nullptr);
        EXPECT_EQ(dc->KeepsPixels(), c.keepsPixels) << "keep drawing " << c.keepDrawing;
        ReleaseDC(window.Handle(), dc);
        // The window system answers the same without a context taken.
        EXPECT_EQ(SurfaceKeepsPixels(window.Handle()), c.keepsPixels) << "keep drawing " << c.keepDrawing;
        const HWND gone = window.Handle();
        window.DestroyWindow();
        EXPECT_FALSE(SurfaceKeepsPixels(gone)) << "a destroyed window keeps nothing";
    }
    EXPECT_FALSE(SurfaceKeepsPixels(nullptr));
}

// Where nothing drawn is kept, a window still gets the paint it shows with (it may come to life
// there), but an invalidation afterwards, by any road, asks for no paint and no erase: nobody would
// see them. A host that keeps its pixels paints every time. The handler here neither begins a paint
// nor validates, so only the engine's own bookkeeping stops the paints.
TEST(HeadlessHost, AfterItsFirstPaintAWindowThatKeepsNothingIsNeverPaintedAgain) {
    struct Case {
        bool keepDrawing;
        int paintsAfterInvalidating;  // 3 invalidations
        int erases;                   // erasing asked for at once
    };
    for (const Case c : {Case{true, 4, 1}, Case{false, 1, 0}}) {
        World world;
        world.host.SetKeepDrawing(c.keepDrawing);
        EXPECT_EQ(world.host.KeepsPixels(), c.keepDrawing);
        TestWindow window;
        int paints = 0, erases = 0;
        window.On(WM_PAINT, 0, [&paints](WPARAM, LPARAM) { ++paints; return LRESULT{0}; });
        window.On(WM_ERASEBKGND, 0, [&erases](WPARAM, LPARAM) { ++erases; return LRESULT{1}; });
        window.Create(TopLevel(platform::WindowKind::Popup, "Table", {0, 0, 200, 100}));
        ShowWindow(window.Handle(), SW_SHOW);
        world.host.PumpUntilIdle();
        EXPECT_EQ(paints, 1) << "keep drawing " << c.keepDrawing;
        const platform::Rect part{10, 10, 50, 50};
        InvalidateRect(window.Handle(), &part, true);
        world.host.PumpUntilIdle();
        window.Invalidate(true);
        UpdateWindow(window.Handle());
        RedrawWindow(window.Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
        EXPECT_EQ(erases, c.erases) << "keep drawing " << c.keepDrawing;
        world.host.PumpUntilIdle();
        EXPECT_EQ(paints, c.paintsAfterInvalidating) << "keep drawing " << c.keepDrawing;
        platform::Rect update;
        EXPECT_FALSE(GetUpdateRect(window.Handle(), &update)) << "keep drawing " << c.keepDrawing;
    }
}

// A destroyed window's surface, once let go, serves the next window that draws, drawing again and
// with nothing of the old window's records; the old handle names no window and no surface.
TEST(HeadlessHost, ANewWindowDrawsOnTheSurfaceAGoneOneLetGoWhoseHandleStaysDead) {
    for (const bool keepDrawing : {true, false}) {
        World world;
        world.host.SetKeepDrawing(keepDrawing);
        TestWindow old;
        old.Create(TopLevel(platform::WindowKind::Popup, "Prompt", {0, 0, 200, 100}));
        const HWND gone = old.Handle();
        platform::DeviceContext* first = GetDC(gone);
        ASSERT_NE(first, nullptr);
        first->FillRect({0, 0, 20, 20}, platform::Brush::Solid({0, 128, 0}));
        ReleaseDC(gone, first);
        EXPECT_EQ(world.host.Surface(gone)->Records().empty(), !keepDrawing);
        old.DestroyWindow();
        EXPECT_EQ(world.host.RetiredSurface(gone), nullptr);

        TestWindow next;
        next.Create(TopLevel(platform::WindowKind::Popup, "Prompt", {0, 0, 300, 150}));
        platform::DeviceContext* reused = GetDC(next.Handle());
        EXPECT_EQ(reused, first) << "keep drawing " << keepDrawing;
        ASSERT_NE(reused, nullptr);
        EXPECT_FALSE(reused->Retired());
        EXPECT_EQ(reused->KeepsPixels(), keepDrawing);
        EXPECT_TRUE(world.host.Surface(next.Handle())->Records().empty());
        reused->FillRect({0, 0, 300, 150}, platform::Brush::Solid({0, 0, 128}));
        ReleaseDC(next.Handle(), reused);
        EXPECT_EQ(world.host.Surface(next.Handle())->Records().size(), keepDrawing ? 1u : 0u);

        EXPECT_FALSE(IsWindow(gone));
        EXPECT_NE(next.Handle(), gone);
        EXPECT_EQ(GetDC(gone), nullptr);
        EXPECT_EQ(world.host.Surface(gone), nullptr);
        EXPECT_FALSE(SurfaceKeepsPixels(gone));
        EXPECT_FALSE(InvalidateRect(gone, nullptr, true));
    }
}

}  // namespace
}  // namespace enginetest
