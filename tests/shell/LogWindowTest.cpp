// The log window: it follows LogList, stores its place when it goes, sizes its scroll bars to the
// log, shows the end of what is appended, scrolls by lines and pages and is emptied by a right click.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"

#include <string>

#include "resources/FlowIds.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/FileIo.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowScrollBars.h"
#include "shell/LogWindow.h"
#include "shell/SideWindows.h"
#include "shell/SkatApp.h"

namespace {

using testsupport::FrameFixture;

// `count` lines "line 00001 ..." of `width` characters each, CR LF terminated.
std::string Lines(int count, int width) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        std::string line = "line " + std::to_string(100000 + i).substr(1);
        line.resize(static_cast<std::size_t>(width), '.');
        text += line + "\r\n";
    }
    return text;
}

class LogWindowTest : public FrameFixture {
protected:
    // Starts with no trace and no log window, so that the tests choose the log's text.
    void SetUp() override {
        WriteProfileInt("View", "Log", 0);
        WriteProfileInt("View", "LogList", 0);
        WriteProfileInt("Delay", "Switch", 0);
        StartProgram();
    }

    HWND Log() { return Frame().FramePanels().SideWindow(CM_LOG_WINDOW); }
    CLog* LogWindow() { return dynamic_cast<CLog*>(WindowFromHandle(Log())); }

    // Writes the log file and opens the window on it, as the logging dialog does.
    void OpenOn(const std::string& text) {
        ASSERT_TRUE(platform::WriteFileAtomic(app_->LogFilePath, text));
        app_->LogList = 1;
        Frame().SendMessage(WM_COMMAND, CM_LOG_WINDOW);
        ASSERT_NE(Log(), nullptr);
        host_->PumpUntilIdle();
    }

    int Range(int bar) {
        int minimum = 0;
        int maximum = 0;
        GetScrollRange(Log(), bar, &minimum, &maximum);
        return maximum;
    }
};

TEST_F(LogWindowTest, TheCommandMakesTheWindowFollowLogList) {
    struct Case {
        const char* what;
        bool openBefore;
        int logList;
        bool openAfter;
        bool placeStored;
    };
    const Case cases[] = {
        {"open and turned off: it goes", true, 0, false, true},
        {"open and on: nothing", true, 1, true, false},
        {"closed and on: it comes", false, 1, true, false},
        {"closed and off: nothing", false, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::CurrentUserRegistry().Remove(platform::ProfileKeyPath() + "\\RectLog");
        app_->LogList = c.openBefore ? 1 : 0;
        Frame().OnListLog();
        ASSERT_EQ(Log() != nullptr, c.openBefore);
        if (c.openBefore) MoveWindow(Log(), 30, 40, 500, 200, false);

        app_->LogList = c.logList;
        Frame().SendMessage(WM_COMMAND, CM_LOG_WINDOW);
        EXPECT_EQ(Log() != nullptr, c.openAfter);
        EXPECT_EQ(GetProfileInt("RectLog", "Left", -1), c.placeStored ? 30 : -1);
        if (c.placeStored) {
            EXPECT_EQ(GetProfileInt("RectLog", "Top", -1), 40);
            EXPECT_EQ(GetProfileInt("RectLog", "Right", -1), 530);
            EXPECT_EQ(GetProfileInt("RectLog", "Bottom", -1), 240);
        }
        // Back to closed for the next case.
        app_->LogList = 0;
        Frame().OnListLog();
    }
}

TEST_F(LogWindowTest, ItOpensAtItsDefaultsTitledAndGivesTheFocusBack) {
    OpenOn("");
    platform::Rect rect;
    GetWindowRect(Log(), &rect);
    EXPECT_EQ(rect, (platform::Rect{401, 321, 861, 621}));
    EXPECT_EQ(GetWindowText(Log()), "Kartovan+");
    EXPECT_EQ(GetFocus(), Frame().Handle());
}

TEST_F(LogWindowTest, TheCloseBoxTurnsLogListOffAndStoresThePlace) {
    OpenOn("a\r\n");
    MoveWindow(Log(), 100, 110, 300, 250, false);
    const HWND log = Log();
    SendMessage(log, WM_CLOSE);
    EXPECT_FALSE(IsWindow(log));
    EXPECT_EQ(app_->LogList, 0);
    EXPECT_EQ(GetProfileInt("RectLog", "Left", -1), 100);
    EXPECT_EQ(GetProfileInt("RectLog", "Bottom", -1), 360);
    // The next opening uses the stored place.
    app_->LogList = 1;
    Frame().OnListLog();
    platform::Rect rect;
    GetWindowRect(Log(), &rect);
    EXPECT_EQ(rect, (platform::Rect{100, 110, 400, 360}));
}

// A stored place is kept inside the work area at its own size (shrunk where it is larger), also
// when the work area has moved since (another screen); an inverted or empty one gives the default.
TEST_F(LogWindowTest, AStoredPlaceIsKeptInsideTheWorkAreaAndAnInvertedOneGivesTheDefault) {
    struct Case {
        const char* what;
        platform::Rect workArea;
        platform::Rect stored;
        platform::Rect opened;
    };
    const platform::Rect wide{0, 0, 1920, 1040};
    const Case cases[] = {
        {"inside", wide, {100, 110, 400, 360}, {100, 110, 400, 360}},
        {"off the work area", wide, {5000, 5000, 5400, 5300}, {1520, 740, 1920, 1040}},
        {"above and left of it", wide, {-300, -200, 100, 100}, {0, 0, 400, 300}},
        {"partly below it", wide, {200, 900, 600, 1200}, {200, 740, 600, 1040}},
        {"larger than it", wide, {-10, -10, 2000, 1200}, {0, 0, 1920, 1040}},
        {"a smaller screen beside the old one", {1920, 24, 2944, 768}, {100, 110, 400, 360}, {1920, 110, 2220, 360}},
        {"a screen lower than the window", {0, 30, 1024, 598}, {100, 0, 560, 700}, {100, 30, 560, 598}},
        {"inverted", wide, {600, 500, 200, 100}, {401, 321, 861, 621}},
        {"empty", wide, {300, 300, 300, 300}, {401, 321, 861, 621}},
        {"inverted on a small screen: the default kept inside", {0, 0, 800, 600}, {600, 500, 200, 100}, {340, 300, 800, 600}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Shell.WorkArea = c.workArea;
        WriteProfileInt("RectLog", "Left", c.stored.left);
        WriteProfileInt("RectLog", "Top", c.stored.top);
        WriteProfileInt("RectLog", "Right", c.stored.right);
        WriteProfileInt("RectLog", "Bottom", c.stored.bottom);
        app_->LogList = 1;
        Frame().OnListLog();
        platform::Rect rect;
        GetWindowRect(Log(), &rect);
        EXPECT_EQ(rect, c.opened);
        app_->LogList = 0;
        Frame().OnListLog();
    }
}

TEST_F(LogWindowTest, ScrollBarsFollowTheLogsSize) {
    // The window is 460 x 300; a bar takes 17 pixels.
    struct Case {
        const char* what;
        int lines, width;
        bool horizontal, vertical;
        int horizontalMaximum, verticalMaximum;
    };
    const Case cases[] = {
        {"an empty log", 0, 0, false, false, 0, 0},
        {"a short log", 3, 20, false, false, 0, 0},
        // Client 443 x 283: 21 lines fit; (10000 - 21 + 1) x 14 and 80 x 7 - 443.
        {"ten thousand wide lines", 10000, 80, true, true, 117, 139720},
        // Client 443 x 300: (22 + 1 - 22) x 14 with 22 lines visible.
        {"just too long", 22, 20, false, true, 0, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenOn(Lines(c.lines, c.width));
        CLog* log = LogWindow();
        ASSERT_NE(log, nullptr);
        EXPECT_EQ(log->HorzBar, c.horizontal);
        EXPECT_EQ(log->VertBar, c.vertical);
        EXPECT_EQ(WindowFromHandle(Log())->ScrollBarState(SB_HORZ).shown, c.horizontal);
        EXPECT_EQ(Range(SB_HORZ), c.horizontalMaximum);
        EXPECT_EQ(Range(SB_VERT), c.verticalMaximum);
        EXPECT_EQ(GetScrollPos(Log(), SB_VERT), c.verticalMaximum) << "the end shows";
        app_->LogList = 0;
        Frame().OnListLog();
    }
}

TEST_F(LogWindowTest, LinesArePaintedAtFourteenPixelStepsInFontTwelve) {
    OpenOn("first\r\nsecond\r\nthird\r\n");
    platform::RecordingDC* surface = host_->Surface(Log());
    ASSERT_NE(surface, nullptr);
    surface->ClearRecords();
    RedrawWindow(Log(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const auto texts = surface->RecordsOfKind(platform::DrawKind::Text);
    ASSERT_EQ(texts.size(), 3u);
    const char* expected[] = {"first", "second", "third"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].text, expected[i]);
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].points[0], (platform::Point{0, 14 * i}));
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].font, app_->Font(12));
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].bkMode, platform::BkMode::Transparent);
    }
}

TEST_F(LogWindowTest, APaintDrawsOnlyTheLinesItUncovers) {
    OpenOn(Lines(10000, 20));
    platform::RecordingDC* surface = host_->Surface(Log());
    surface->ClearRecords();
    RedrawWindow(Log(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const auto whole = surface->RecordsOfKind(platform::DrawKind::Text);
    // The end shows: the last lines, 22 of them at most (300 pixels of 14).
    ASSERT_FALSE(whole.empty());
    EXPECT_LE(whole.size(), 23u);
    EXPECT_EQ(whole.back().text, "line 10000..........");

    // One line up: the text moves down 14 pixels and only the top strip is painted again.
    surface->ClearRecords();
    SendMessage(Log(), WM_VSCROLL, SB_LINEUP, 0);
    host_->PumpUntilIdle();
    const auto scrolls = surface->RecordsOfKind(platform::DrawKind::Scroll);
    ASSERT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(scrolls[0].points[0], (platform::Point{0, 14}));
    const auto strip = surface->RecordsOfKind(platform::DrawKind::Text);
    ASSERT_GE(strip.size(), 1u);
    EXPECT_LE(strip.size(), 2u);
}

TEST_F(LogWindowTest, ScrollingStopsAtTheEndsOfTheRange) {
    OpenOn(Lines(40, 20));  // client 443 x 300: range 0 .. (40 - 22 + 1) x 14 = 266
    ASSERT_EQ(Range(SB_VERT), 266);
    SendMessage(Log(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(GetScrollPos(Log(), SB_VERT), 266) << "already at the end";
    SendMessage(Log(), WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(GetScrollPos(Log(), SB_VERT), 0) << "a page of 21 whole lines, clamped at the top";
    SendMessage(Log(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100), 0);
    EXPECT_EQ(GetScrollPos(Log(), SB_VERT), 100);
    SendMessage(Log(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(GetScrollPos(Log(), SB_VERT), 114);
    // The wheel turned towards the person shows later lines.
    SendMessage(Log(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<std::uint16_t>(-120)), 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(GetScrollPos(Log(), SB_VERT), 128);
}

TEST_F(LogWindowTest, AnAppendShowsTheEnd) {
    OpenOn(Lines(40, 20));
    SendMessage(Log(), WM_VSCROLL, SB_TOP, 0);
    ASSERT_EQ(GetScrollPos(Log(), SB_VERT), 0);
    app_->Log = 1;
    app_->WriteLog(":OnTest()", LOG_MAINFRAME);
    EXPECT_EQ(app_->LogLineCount, 41);
    EXPECT_EQ(Range(SB_VERT), 280);
    EXPECT_EQ(GetScrollPos(Log(), SB_VERT), 280);
    EXPECT_NE(app_->LogText.find(" 2 CMainFrame::OnTest()\r\n"), std::string::npos);
}

TEST_F(LogWindowTest, ARightClickDeletesTheLogAndEmptiesTheWindow) {
    OpenOn(Lines(40, 100));
    ASSERT_TRUE(LogWindow()->HorzBar);
    SendMessage(Log(), WM_RBUTTONDOWN, 0, 0);
    EXPECT_FALSE(platform::FileExists(app_->LogFilePath));
    EXPECT_EQ(app_->LogText, "");
    EXPECT_EQ(app_->LogLineCount, 0);
    EXPECT_FALSE(LogWindow()->HorzBar);
    EXPECT_FALSE(LogWindow()->VertBar);
    platform::Rect client;
    GetClientRect(Log(), &client);
    EXPECT_EQ(client, (platform::Rect{0, 0, 460, 300}));
}

TEST_F(LogWindowTest, DeletingBeforeAGameEmptiesTheOpenWindow) {
    OpenOn(Lines(40, 100));
    app_->Log = 1;
    app_->LogDelete = 1;
    Frame().LogDeleteOn(1);
    EXPECT_EQ(app_->LogText, "");
    EXPECT_FALSE(LogWindow()->HorzBar) << "no bar is left over the empty text";
    EXPECT_FALSE(LogWindow()->VertBar);
}

TEST_F(LogWindowTest, TheProgramsEndClosesTheLogAfterItsLastLine) {
    app_->Log = 1;
    OpenOn("");
    const HWND log = Log();
    Frame().SendMessage(WM_CLOSE);
    EXPECT_FALSE(IsWindow(log));
    EXPECT_NE(app_->LogText.find("CMainFrame::OnClose()\r\n"), std::string::npos) << "the closing line still reached it";
    // Its place is stored for the next run.
    EXPECT_EQ(GetProfileInt("RectLog", "Left", -1), 401);
}

}  // namespace
