// The table's drawing context when the table window goes while a drawing routine holds it (a balloon
// waits with the text just drawn): nothing is put back on the gone surface, and it is let go.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameGlobals.h"
#include "flow/FrameTable.h"
#include "flow/FrameTestSupport.h"

#include "platform/core/Window.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/TableDC.h"

namespace {

using testsupport::FrameFixture;

// A hidden window that destroys the table when it gets a command, as a close arriving in a wait would.
class TableBreaker : public platform::Window {
public:
    HWND table = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND) {
            ::DestroyWindow(table);
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
};

class TableDCTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        StartProgram();
        table_ = g_Frame.hTableWnd;
        ASSERT_TRUE(IsWindow(table_));
    }
    HWND table_ = nullptr;
};

TEST_F(TableDCTest, ContextOfATableThatWentIsOnlyLetGo) {
    {
        TableDC dc(nullptr, table_);
        ASSERT_TRUE(dc);
        dc.SelectAppFont(5);
        DestroyWindow(table_);
        EXPECT_NE(host_->RetiredSurface(table_), nullptr);
    }
    EXPECT_EQ(host_->RetiredSurface(table_), nullptr);
}

TEST_F(TableDCTest, BalloonWaitOutlivesTheTable) {
    TableBreaker breaker;
    platform::CreateParams params;
    params.title = "breaker";
    ASSERT_TRUE(breaker.Create(params));
    breaker.table = table_;
    PostMessage(breaker.Handle(), WM_COMMAND, 1, 0);  // taken by the balloon's wait

    g_Settings.Settings.Balloon = 0;
    g_Game.FlowState = STATE_AUCTION;
    Frame().FrameTable().MoveBalloonText(0, IDS_BALLOON_PASS, 18, nullptr, nullptr);
    EXPECT_FALSE(IsWindow(table_));
    EXPECT_EQ(g_Game.PauseLevel, 2);  // the tick ended the wait
    EXPECT_EQ(host_->RetiredSurface(table_), nullptr);
}

}  // namespace
