// Focus, activation and the last active popup.
#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace enginetest {
namespace {

struct Focus : testing::Test {
    World world;
    TestWindow button;
    void SetUp() override {
        button.Create(ChildOf(world.prompt->Handle(), 1012, {10, 10, 90, 40}));
        world.host.Trace().Name(button.Handle(), "button");
        SetFocus(world.view.Handle());
        world.host.Trace().Clear();
        world.host.Trace().KeepOnly({WM_SETFOCUS, WM_KILLFOCUS, WM_ACTIVATE});
    }
};

TEST_F(Focus, MovesWithKillThenSetSentSynchronously) {
    HWND seenInKill = nullptr;
    world.view.On(WM_KILLFOCUS, 0, [&](WPARAM, LPARAM) { seenInKill = GetFocus(); return LRESULT{0}; });
    EXPECT_EQ(SetFocus(button.Handle()), world.view.Handle());
    EXPECT_EQ(GetFocus(), button.Handle());
    EXPECT_EQ(GetActiveWindow(), world.prompt->Handle());
    EXPECT_EQ(seenInKill, button.Handle());
    const std::string view = std::to_string(HandleValue(world.view.Handle()));
    const std::string buttonValue = std::to_string(HandleValue(button.Handle()));
    // Activation first (frame loses, prompt gains), then the focus.
    EXPECT_EQ(world.Trace(), "0 0 S frame WM_ACTIVATE 0\n"
                             "0 0 S prompt WM_ACTIVATE 1\n"
                             "0 0 S view WM_KILLFOCUS " + buttonValue + "\n"
                             "0 0 S button WM_SETFOCUS " + view + "\n");
}

TEST_F(Focus, SettingTheSameWindowAgainSendsNothing) {
    SetFocus(world.view.Handle());
    EXPECT_EQ(world.Trace(), "");
}

TEST_F(Focus, DisabledWindowsCannotTakeItAndDisablingTakesItAway) {
    EnableWindow(button.Handle(), false);
    EXPECT_EQ(SetFocus(button.Handle()), nullptr);
    EXPECT_EQ(GetFocus(), world.view.Handle());
    EnableWindow(world.Frame(), false);  // the view's parent
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(world.view.Handle()), nullptr);
}

TEST_F(Focus, DestroyingTheFocusWindowLeavesNoDanglingFocus) {
    SetFocus(button.Handle());
    DestroyWindow(world.prompt->Handle());
    EXPECT_FALSE(IsWindow(button.Handle()));
    EXPECT_TRUE(IsWindow(GetFocus()));
    EXPECT_EQ(GetActiveWindow(), GetFocus());
}

TEST_F(Focus, ShowingAParentlessPromptActivatesItAndTakesTheFocus) {
    TestWindow second;
    platform::CreateParams params = TopLevel(platform::WindowKind::Popup, "Second", {0, 0, 50, 50});
    params.visible = false;
    second.Create(params);
    EXPECT_EQ(GetFocus(), world.view.Handle());
    ShowWindow(second.Handle(), SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), second.Handle());
    EXPECT_EQ(GetFocus(), second.Handle());
    ShowWindow(second.Handle(), SW_HIDE);
    EXPECT_NE(GetActiveWindow(), second.Handle());
    EXPECT_NE(GetFocus(), second.Handle());
}

// Showing the shown prompt again (Enter let go over the table shows the open bar) changes nothing:
// the window that has the keys keeps them.
TEST_F(Focus, ShowingAShownWindowAgainLeavesTheKeysWhereTheyAre) {
    EXPECT_TRUE(IsWindowVisible(world.prompt->Handle()));
    EXPECT_TRUE(ShowWindow(world.prompt->Handle(), SW_SHOW));
    EXPECT_EQ(GetActiveWindow(), world.Frame());
    EXPECT_EQ(GetFocus(), world.view.Handle());
    EXPECT_EQ(world.Trace(), "");
}

TEST_F(Focus, KeysGoToTheFocusWindow) {
    std::vector<HWND> got;
    for (TestWindow* w : {&world.view, &button})
        w->On(WM_KEYDOWN, 0, [&got, w](WPARAM, LPARAM) { got.push_back(w->Handle()); return LRESULT{0}; });
    world.host.Key(10, VK_RETURN);
    world.host.PumpFor(20);
    SetFocus(button.Handle());
    world.host.Key(30, VK_RETURN);
    world.host.PumpFor(20);
    EXPECT_EQ(got, (std::vector<HWND>{world.view.Handle(), button.Handle()}));
}

TEST(LastActivePopup, FollowsTheOwnedWindowsActivatedLast) {
    World world;
    const HWND frame = world.Frame();
    SetActiveWindow(frame);
    EXPECT_EQ(GetLastActivePopup(frame), world.side.Handle());  // shown and activated at creation
    TestWindow box;
    box.Create(TopLevel(platform::WindowKind::Popup, "Box", {0, 0, 10, 10}, world.view.Handle()));
    EXPECT_EQ(GetWindowOwner(box.Handle()), frame);  // a child as owner means its top-level window
    EXPECT_EQ(GetLastActivePopup(frame), box.Handle());
    SetActiveWindow(world.prompt->Handle());  // not owned by the frame: no change
    EXPECT_EQ(GetLastActivePopup(frame), box.Handle());
    EnableWindow(box.Handle(), false);
    EXPECT_EQ(GetLastActivePopup(frame), frame);
    EnableWindow(box.Handle(), true);
    DestroyWindow(box.Handle());
    EXPECT_EQ(GetLastActivePopup(frame), frame);
}

}  // namespace
}  // namespace enginetest
