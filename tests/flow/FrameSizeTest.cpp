// Minimising the frame takes the open prompt bar out of sight; restoring or maximising brings back
// the bar it hid, and only that one.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "platform/core/WindowSystem.h"

namespace {

using testsupport::FlowFixture;

class FrameSizeTest : public FlowFixture {
protected:
    // The person holds 18 against two computers without a game and gets the skat bar.
    void OpenSkatBar() {
        DealAndHold();
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ASSERT_TRUE(::IsWindowVisible(Bar()));
    }
    static int VisibleTopLevels() {
        int count = 0;
        for (HWND hwnd : platform::WindowSystem::Instance().TopLevelWindows()) count += ::IsWindowVisible(hwnd) ? 1 : 0;
        return count;
    }
    void Size(int command) {
        ::ShowWindow(Frame().Handle(), command);
        host_->PumpUntilIdle();
    }
};

TEST_F(FrameSizeTest, MinimiseHidesTheOpenBarAndRestoreShowsItAgain) {
    OpenSkatBar();
    const HWND bar = Bar();
    Size(SW_MINIMIZE);
    EXPECT_TRUE(::IsIconic(Frame().Handle()));
    EXPECT_FALSE(::IsWindowVisible(bar));
    EXPECT_EQ(Bar(), bar) << "the bar stays the open prompt";
    Size(SW_RESTORE);
    EXPECT_TRUE(::IsWindowVisible(bar));
}

TEST_F(FrameSizeTest, MaximiseShowsTheHiddenBarAgain) {
    OpenSkatBar();
    const HWND bar = Bar();
    Size(SW_MINIMIZE);
    Size(SW_MAXIMIZE);
    EXPECT_TRUE(::IsWindowVisible(bar));
    EXPECT_TRUE(::IsZoomed(Frame().Handle()));
}

TEST_F(FrameSizeTest, ABarClosedWhileMinimisedStaysClosed) {
    OpenSkatBar();
    const HWND bar = Bar();
    Size(SW_MINIMIZE);
    Frame().CloseModelessDialog();
    Size(SW_RESTORE);
    EXPECT_FALSE(::IsWindow(bar));
    EXPECT_EQ(Bar(), nullptr);
}

TEST_F(FrameSizeTest, WithoutAnOpenBarNothingAppears) {
    DealAndHold();
    // The held deal (Ramsch only) offers Grand Hand on its bar; with that closed no bar is open.
    Frame().CloseModelessDialog();
    host_->PumpUntilIdle();
    ASSERT_EQ(Bar(), nullptr);
    const int shown = VisibleTopLevels();
    Size(SW_MINIMIZE);
    Size(SW_RESTORE);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(VisibleTopLevels(), shown);
}

}  // namespace
