// The side windows reach the main frame only through the services the program installs at its
// start: a refreshed list window hands the focus back to the frame, and once the frame is gone the
// services answer as if there were none, so a window that outlives it touches nothing of it.
#include "model/Skat.h"
#include "windows/WindowFrameServices.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameGlobals.h"
#include "model/Trace.h"
#include "resources/CommandIds.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using testsupport::FrameFixture;

class SideWindowFrameTest : public FrameFixture {};

// After a booked game the frame refreshes its list windows; the score sheet and the store, opened
// through the View menu, redraw their bars and give the focus back to the frame, wherever it was.
TEST_F(SideWindowFrameTest, ARefreshedListWindowGivesTheFocusBackToTheFrame) {
    StartProgram();
    for (const int command : {ID_LIST_SCORE, ID_LIST_STORE}) {
        SCOPED_TRACE(command);
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
        host_->PumpUntilIdle();
        ASSERT_NE(Frame().FramePanels().SideWindow(command), nullptr);
        SetFocus(g_Frame.hTableWnd);
        ASSERT_EQ(GetFocus(), g_Frame.hTableWnd);
        Frame().RefreshListWindows();
        EXPECT_EQ(GetFocus(), Frame().Handle());
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
        host_->PumpUntilIdle();
        EXPECT_EQ(Frame().FramePanels().SideWindow(command), nullptr);
    }
}

// A side window's creation goes to the application's trace as a verbose line of the frame's
// category, with the window's rectangle (the score sheet adds its own marks after it).
TEST_F(SideWindowFrameTest, TheCreationIsTracedWithTheWindowsRectangle) {
    TraceOn();
    WriteProfileInt("View", "LogLevelV", LOG_MAINFRAME);
    StartProgram();
    Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(ID_LIST_SCORE));
    host_->PumpUntilIdle();
    const HWND score = Frame().FramePanels().SideWindow(ID_LIST_SCORE);
    ASSERT_NE(score, nullptr);
    platform::Rect rect;
    ASSERT_TRUE(GetWindowRect(score, &rect));
    const std::string head = "CMainFrame::CScore(left:" + std::to_string(rect.left) +
                             ":top:" + std::to_string(rect.top) + ":right:" + std::to_string(rect.right) +
                             ":bottom:" + std::to_string(rect.bottom);
    const std::vector<std::string> lines = LogBodies();
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(head, 0) == 0; }), 1)
        << LogText();
}

// The started program answers from its frame; after the frame is gone every answer is the one
// without a frame and no request reaches anything.
TEST_F(SideWindowFrameTest, TheAnswersGoWithTheFrame) {
    StartProgram();
    EXPECT_EQ(g_SideWindowFrame.GetPlayerName(2), Frame().GetPlayerName(2));
    EXPECT_FALSE(g_SideWindowFrame.GetPlayerName(2).empty());
    EXPECT_EQ(g_SideWindowFrame.GamePlayer(1), Frame().GameObject().Player(1));
    EXPECT_TRUE(g_SideWindowFrame.SelectEstimatedGame());
    g_Shell.WorkArea = {0, 0, 800, 600};
    EXPECT_EQ(g_SideWindowFrame.KeptInWorkArea({700, 500, 900, 700}), (platform::Rect{600, 400, 800, 600}));

    app_.reset();
    EXPECT_EQ(g_SideWindowFrame.GetPlayerName(2), "");
    EXPECT_EQ(g_SideWindowFrame.UserFileName(), "");
    EXPECT_EQ(g_SideWindowFrame.GamePlayer(1), nullptr);
    EXPECT_EQ(g_SideWindowFrame.SoloistWon(0), 0);
    EXPECT_EQ(g_SideWindowFrame.SoloistLost(0), 0);
    EXPECT_FALSE(g_SideWindowFrame.LockFlag(2, 0));
    EXPECT_FALSE(g_SideWindowFrame.RouteSideWindowClose(ID_LIST_SCORE));
    EXPECT_FALSE(g_SideWindowFrame.SelectEstimatedGame());
    // The requests reach nothing: a call on the freed frame would be the sanitizer's report.
    g_SideWindowFrame.CheckCheat(0x200, 1);
    g_SideWindowFrame.FocusFrame();
    g_SideWindowFrame.DealStatisticsTest();
    g_SideWindowFrame.SendCommand(ID_LIST_LEGEND);
    g_SideWindowFrame.LoadFromStore(0, {});
}

// Without the program's start, a window on its own gets the answers of no frame.
TEST(SideWindowFrameDefaults, AnswerAsIfThereWereNoFrame) {
    SideWindowFrameServices services;
    EXPECT_EQ(services.GetPlayerName(0), "");
    EXPECT_EQ(services.GamePlayer(0), nullptr);
    EXPECT_FALSE(services.LockFlag(2, 1));
    EXPECT_FALSE(services.SelectEstimatedGame());
    EXPECT_FALSE(services.RouteSideWindowClose(ID_LIST_SCORE));
    EXPECT_EQ(services.KeptInWorkArea({-50, -50, 5000, 5000}), (platform::Rect{-50, -50, 5000, 5000}));
}

}  // namespace
