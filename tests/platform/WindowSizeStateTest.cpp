// Minimising, maximising and restoring a top-level window: the WM_SIZE each change sends, with its
// size type and the size the window keeps, and the moves made while maximised.
#include <gtest/gtest.h>

#include <vector>

#include "EngineFixture.h"

namespace enginetest {
namespace {

struct SizeMessage {
    WPARAM type;
    int width, height;
    bool operator==(const SizeMessage&) const = default;
};

class WindowSizeStateTest : public ::testing::Test {
protected:
    WindowSizeStateTest() {
        world_.frame.On(WM_SIZE, 0, [this](WPARAM type, LPARAM size) {
            sizes_.push_back({type, LOWORD(static_cast<std::uintptr_t>(size)), HIWORD(static_cast<std::uintptr_t>(size))});
            return LRESULT{0};
        });
    }
    World world_;
    std::vector<SizeMessage> sizes_;
};

TEST_F(WindowSizeStateTest, EachChangeSendsItsTypeWithTheKeptSize) {
    const HWND frame = world_.Frame();
    EXPECT_TRUE(ShowWindow(frame, SW_MINIMIZE)) << "was visible before";
    EXPECT_TRUE(IsIconic(frame));
    EXPECT_TRUE(IsWindowVisible(frame));
    ShowWindow(frame, SW_RESTORE);
    EXPECT_FALSE(IsIconic(frame));
    ShowWindow(frame, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(frame));
    ShowWindow(frame, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(frame));
    const std::vector<SizeMessage> expected{{SIZE_MINIMIZED, 800, 600},
                                            {SIZE_RESTORED, 800, 600},
                                            {SIZE_MAXIMIZED, 800, 600},
                                            {SIZE_RESTORED, 800, 600}};
    EXPECT_EQ(sizes_, expected);
}

TEST_F(WindowSizeStateTest, TheSameStateTwiceSendsNothingMore) {
    ShowWindow(world_.Frame(), SW_MINIMIZE);
    ShowWindow(world_.Frame(), SW_MINIMIZE);
    ShowWindow(world_.Frame(), SW_RESTORE);
    ShowWindow(world_.Frame(), SW_RESTORE);
    ASSERT_EQ(sizes_.size(), 2u);
    EXPECT_EQ(sizes_[0].type, SIZE_MINIMIZED);
    EXPECT_EQ(sizes_[1].type, SIZE_RESTORED);
}

TEST_F(WindowSizeStateTest, AMoveWhileMaximisedSaysMaximised) {
    ShowWindow(world_.Frame(), SW_MAXIMIZE);
    sizes_.clear();
    MoveWindow(world_.Frame(), 0, 0, 1024, 700, true);
    const std::vector<SizeMessage> expected{{SIZE_MAXIMIZED, 1024, 700}};
    EXPECT_EQ(sizes_, expected);
}

TEST_F(WindowSizeStateTest, AHiddenWindowIsShownMinimisedWithoutTakingTheActivation) {
    const HWND side = world_.side.Handle();
    ShowWindow(side, SW_HIDE);
    SetActiveWindow(world_.Frame());
    EXPECT_FALSE(ShowWindow(side, SW_MINIMIZE)) << "was hidden before";
    EXPECT_TRUE(IsWindowVisible(side));
    EXPECT_TRUE(IsIconic(side));
    EXPECT_EQ(GetActiveWindow(), world_.Frame());
}

TEST_F(WindowSizeStateTest, AChildKeepsNoSizeState) {
    const HWND view = world_.view.Handle();
    ShowWindow(view, SW_MAXIMIZE);
    EXPECT_FALSE(IsZoomed(view));
    ShowWindow(view, SW_MINIMIZE);
    EXPECT_FALSE(IsIconic(view));
}

}  // namespace
}  // namespace enginetest
