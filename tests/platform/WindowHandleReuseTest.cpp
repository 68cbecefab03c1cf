// Window handles: a destroyed window's slot in the handle table goes to a later window, under a new
// generation, so that a handle kept after its window died (in a posted message, a timer, a stored
// dialog handle) is refused everywhere and never reaches the later window.
#include <gtest/gtest.h>

#include <set>

#include "EngineFixture.h"

namespace enginetest {
namespace {

std::uintptr_t SlotOf(HWND hwnd) { return HandleValue(hwnd) & ((std::uintptr_t{1} << kHandleSlotBits) - 1); }

// A popup owned by the frame whose commands, timers and private messages are counted.
struct CountingPopup {
    TestWindow window;
    int commands = 0;
    int timers = 0;
    int privateMessages = 0;

    explicit CountingPopup(HWND owner) {
        window.OnCommand(1, [this] { ++commands; });
        window.OnTimer(7, [this] { ++timers; });
        window.On(WM_USER + 1, 0, [this](WPARAM, LPARAM) {
            ++privateMessages;
            return LRESULT{1};
        });
        window.Create(TopLevel(platform::WindowKind::Popup, "Popup", {10, 10, 110, 60}, owner));
    }
    HWND Handle() const { return window.Handle(); }
};

TEST(WindowHandleReuse, WindowsComingAndGoingKeepTheTableSmallAndEveryHandleNew) {
    World world;
    std::set<HWND> seen;
    std::set<std::uintptr_t> slots;
    for (int i = 0; i < 200; ++i) {
        CountingPopup popup(world.Frame());
        ASSERT_TRUE(IsWindow(popup.Handle()));
        EXPECT_TRUE(seen.insert(popup.Handle()).second) << "a handle came back at window " << i;
        slots.insert(SlotOf(popup.Handle()));
    }
    EXPECT_EQ(slots.size(), 1u);  // one window at a time lives in one slot
    for (HWND old : seen) EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(IsWindow(world.Frame()));
    EXPECT_TRUE(IsWindow(world.view.Handle()));
}

TEST(WindowHandleReuse, AStaleHandleNeverReachesTheWindowInItsSlot) {
    World world;
    HWND stale = nullptr;
    {
        CountingPopup old(world.Frame());
        stale = old.Handle();
        SetTimer(stale, 7, 10);
        PostMessage(stale, WM_COMMAND, Command(1));
    }
    CountingPopup later(world.Frame());
    ASSERT_EQ(SlotOf(later.Handle()), SlotOf(stale));
    ASSERT_NE(later.Handle(), stale);
    SetTimer(later.Handle(), 7, 1000);

    EXPECT_FALSE(IsWindow(stale));
    EXPECT_EQ(platform::WindowSystem::Instance().FromHandle(stale), nullptr);
    EXPECT_EQ(WindowFromHandle(stale), nullptr);
    EXPECT_FALSE(PostMessage(stale, WM_COMMAND, Command(1)));
    EXPECT_EQ(SendMessage(stale, WM_USER + 1), 0);
    EXPECT_EQ(SetTimer(stale, 7, 10), 0u);
    EXPECT_FALSE(platform::WindowSystem::Instance().IsTimerArmed(stale, 7));
    EXPECT_FALSE(KillTimer(stale, 7));
    EXPECT_TRUE(platform::WindowSystem::Instance().IsTimerArmed(later.Handle(), 7));
    EXPECT_FALSE(DestroyWindow(stale));
    EXPECT_FALSE(ShowWindow(stale, SW_HIDE));
    EXPECT_FALSE(EnableWindow(stale, false));
    EXPECT_FALSE(SetWindowText(stale, "Stale"));
    EXPECT_EQ(GetDC(stale), nullptr);
    EXPECT_FALSE(EndModalLoop(stale, 1));

    // What was posted to the old window and its timer die with it, not in the later window.
    world.host.PumpFor(100);
    EXPECT_EQ(later.commands, 0);
    EXPECT_EQ(later.timers, 0);
    EXPECT_EQ(later.privateMessages, 0);
    EXPECT_TRUE(IsWindow(later.Handle()));
    EXPECT_TRUE(IsWindowVisible(later.Handle()));
    EXPECT_TRUE(IsWindowEnabled(later.Handle()));
    EXPECT_EQ(GetWindowText(later.Handle()), "Popup");

    // The later window's own handle still reaches it.
    EXPECT_TRUE(PostMessage(later.Handle(), WM_COMMAND, Command(1)));
    EXPECT_EQ(SendMessage(later.Handle(), WM_USER + 1), 1);
    world.host.PumpUntilIdle();
    EXPECT_EQ(later.commands, 1);
    EXPECT_EQ(later.privateMessages, 1);
}

TEST(WindowHandleReuse, AHandleKeptAcrossAResetOfTheWindowSystemStaysDead) {
    HWND kept = nullptr;
    std::uintptr_t keptSlot = 0;
    {
        World world;
        kept = world.Frame();
        keptSlot = SlotOf(kept);
    }
    World next;  // attaching its host resets the window system: every slot is free again
    std::vector<HWND> fresh{next.Frame(), next.view.Handle(), next.side.Handle(), next.prompt->Handle()};
    bool slotTaken = false;
    for (HWND hwnd : fresh) {
        EXPECT_NE(hwnd, kept);
        slotTaken = slotTaken || SlotOf(hwnd) == keptSlot;
    }
    EXPECT_TRUE(slotTaken);
    EXPECT_FALSE(IsWindow(kept));
    EXPECT_FALSE(PostMessage(kept, WM_COMMAND, Command(1)));
}

}  // namespace
}  // namespace enginetest
