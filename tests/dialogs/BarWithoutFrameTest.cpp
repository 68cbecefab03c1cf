// Bars outside a running program: without the edition's template none is made; without a main
// frame (before start-up, after the frame is gone) a bar is made where its template puts it and
// its buttons change the game variables without reaching for a frame.

#include "dialogs/AuctionDialog.h"
#include "dialogs/PlayBars.h"
#include "model/GameState.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

namespace {

class BarWithoutFrameTest : public ::testing::Test {
protected:
    BarWithoutFrameTest() { testsupport::ResetProgramGlobals(); }
    ~BarWithoutFrameTest() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramGlobals();
    }
    platform::HeadlessHost host;
};

TEST_F(BarWithoutFrameTest, NoTemplateNoBar) {
    platform::SetResources(nullptr);
    EXPECT_EQ(CreateBar<CAuctionDialog>(), nullptr);
}

TEST_F(BarWithoutFrameTest, ABarWithoutAFrameStaysWhereItsTemplatePutsItAndItsButtonsAreSafe) {
    platform::SetResources(&GermanResources());
    CAuctionDialog* bar = CreateBar<CAuctionDialog>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->WindowRect().left, 0);
    EXPECT_EQ(bar->WindowRect().top, 0);
    g_Game.Soloist = 0;
    g_Game.BidIndex = 2;
    g_Game.PendingRaise = 1;
    ::SendMessage(bar->GetDlgItem(IDC_BID), BM_CLICK, 0, 0);
    EXPECT_EQ(g_Game.BidIndex, 3);
    EXPECT_EQ(g_Game.HasBid[2], 1);
    ::SendMessage(bar->GetDlgItem(IDC_PASS), BM_CLICK, 0, 0);
    host.PumpUntilIdle();
    const HWND handle = bar->Handle();
    ::DestroyWindow(handle);
    EXPECT_FALSE(::IsWindow(handle));

    CResumeSwapDialog* resume = CreateBar<CResumeSwapDialog>();
    ASSERT_NE(resume, nullptr);
    EXPECT_EQ(resume->GetDlgItemText(IDC_RESUME), "&Fortsetzen ");
    ::SendMessage(resume->GetDlgItem(IDC_RESUME), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsWindow(resume->Handle()));
    resume->DestroyWindow();
}

}  // namespace
