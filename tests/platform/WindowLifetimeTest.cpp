// Window lifetime: creation, destruction at once, and freeing engine-owned objects only after their
// outermost running handler has returned.
#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace enginetest {
namespace {

TEST(WindowLifetime, EngineOwnedObjectOutlivesNestedHandlersOfItsOwn) {
    World world;
    TestWindow* prompt = world.prompt;
    const HWND hwnd = prompt->Handle();
    int depthAtDestroy = -1;
    prompt->OnCommand(2, [&] {
        DestroyWindow(hwnd);  // innermost handler destroys; two handlers of the object are running
        depthAtDestroy = world.promptDestructions;
    });
    prompt->OnCommand(1, [&] {
        SendMessage(hwnd, WM_COMMAND, Command(2));
        EXPECT_EQ(world.promptDestructions, 0);
        prompt->SetDlgCtrlID(5);  // touching the object after the inner handler returned is safe
    });
    SendMessage(hwnd, WM_COMMAND, Command(1));
    EXPECT_EQ(depthAtDestroy, 0);
    EXPECT_EQ(world.promptDestructions, 1);
}

TEST(WindowLifetime, DestroyTakesChildrenOwnedWindowsTimersAndQueuedPosts) {
    World world;
    std::vector<std::string> destroyed;
    world.frame.On(WM_DESTROY, 0, [&](WPARAM, LPARAM) {
        EXPECT_TRUE(IsWindow(world.Frame()));  // still a window during its WM_DESTROY
        destroyed.push_back("frame");
        return LRESULT{0};
    });
    world.view.On(WM_DESTROY, 0, [&](WPARAM, LPARAM) { destroyed.push_back("view"); return LRESULT{0}; });
    world.side.On(WM_DESTROY, 0, [&](WPARAM, LPARAM) { destroyed.push_back("side"); return LRESULT{0}; });
    SetTimer(world.Frame(), 2, 10);
    PostMessage(world.Frame(), WM_COMMAND, Command(100));
    const HWND frame = world.Frame();
    EXPECT_TRUE(DestroyWindow(frame));
    EXPECT_FALSE(DestroyWindow(frame));
    EXPECT_EQ(destroyed, (std::vector<std::string>{"side", "frame", "view"}));
    EXPECT_FALSE(IsWindow(world.view.Handle()));
    EXPECT_FALSE(IsWindow(world.side.Handle()));
    EXPECT_EQ(SetTimer(frame, 2, 10), 0u);
    world.host.Trace().Clear();
    world.host.PumpFor(100);
    EXPECT_EQ(world.Trace(), "");
}

TEST(WindowLifetime, CloseDestroysByDefaultAndCreateCanBeRefused) {
    World world;
    SendMessage(world.side.Handle(), WM_CLOSE);
    EXPECT_FALSE(world.side.IsAlive());

    int destructions = 0;
    auto* refused = new TestWindow;
    refused->destructions = &destructions;
    refused->On(WM_CREATE, 0, [](WPARAM, LPARAM) { return LRESULT{-1}; });
    platform::CreateParams params = TopLevel(platform::WindowKind::Popup, "Refused", {0, 0, 10, 10});
    params.lifetime = platform::Lifetime::Engine;
    EXPECT_FALSE(refused->Create(params));
    EXPECT_EQ(destructions, 1);  // the engine freed it
}

TEST(WindowLifetime, CallerOwnedObjectGoingOutOfScopeDestroysItsWindow) {
    World world;
    HWND hwnd = nullptr;
    {
        TestWindow temporary;
        temporary.Create(TopLevel(platform::WindowKind::Popup, "Temp", {0, 0, 10, 10}, world.Frame()));
        hwnd = temporary.Handle();
        PostMessage(hwnd, WM_COMMAND, Command(1));
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(world.host.PumpUntilIdle(), 0);  // its post went with it
    EXPECT_EQ(GetLastActivePopup(world.Frame()), world.Frame());
}

TEST(WindowLifetime, ChildrenAndGeometry) {
    World world;
    TestWindow button;
    button.Create(ChildOf(world.view.Handle(), 1001, {100, 50, 180, 80}));
    EXPECT_EQ(GetDlgItem(world.view.Handle(), 1001), button.Handle());
    EXPECT_EQ(GetDlgItem(world.view.Handle(), 1002), nullptr);
    EXPECT_EQ(GetDlgCtrlID(button.Handle()), 1001);
    EXPECT_TRUE(IsChild(world.Frame(), button.Handle()));
    EXPECT_EQ(button.GetTopLevel(), world.Frame());
    MoveWindow(world.Frame(), 10, 20, 800, 600, false);
    platform::Rect rect;
    GetWindowRect(button.Handle(), &rect);
    EXPECT_EQ(rect, (platform::Rect{110, 70, 190, 100}));
    EXPECT_EQ(WindowFromPoint({115, 75}), button.Handle());
    EXPECT_EQ(WindowFromPoint({105, 75}), world.view.Handle());
    platform::Point p{115, 75};
    ScreenToClient(button.Handle(), &p);
    EXPECT_EQ(p, (platform::Point{5, 5}));
    SetWindowText(button.Handle(), "Pass");
    EXPECT_EQ(GetWindowText(button.Handle()), "Pass");
}

}  // namespace
}  // namespace enginetest
