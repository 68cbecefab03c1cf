#include "shell/SkatApp.h"

#include "platform/FileTestSupport.h"
#include "platform/core/FileIo.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TraceLogTest : public ::testing::Test {
protected:
    TraceLogTest() {
        app_.LogFilePath = temp_.File("Kartovan+.log");
        app_.Log = 1;
        app_.LogWindowSink = [this](const std::string& text) { window_.push_back(text); };
    }

    std::string FileText() const { return platform::ReadWholeFile(app_.LogFilePath).Text(); }

    testsupport::TempFolder temp_;
    CSkatApp app_;
    std::vector<std::string> window_;
};

// One line: what the file and the log window receive, with the levels at the given masks.
struct LineCase {
    const char* name;
    std::string text;
    unsigned flags;
    int logLevel;
    int logLevelV;
    std::string file;    // empty: nothing is written
    std::string window;  // the same as file when empty and something is written
};

// A failing case names itself, not its bytes.
void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class TraceLineTest : public TraceLogTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(TraceLineTest, WritesTheExactBytes) {
    const LineCase& c = GetParam();
    app_.LogLevel = c.logLevel;
    app_.LogLevelV = c.logLevelV;
    // The question the hot steps ask before they build a line answers as the writing does.
    EXPECT_EQ(app_.WantsLog(c.flags), !c.file.empty());
    app_.WriteLog(c.text, c.flags);
    if (c.file.empty()) {
        EXPECT_FALSE(platform::FileExists(app_.LogFilePath));
        EXPECT_TRUE(window_.empty());
        return;
    }
    EXPECT_EQ(FileText(), c.file);
    ASSERT_EQ(window_.size(), 1u);
    EXPECT_EQ(window_[0], c.window.empty() ? c.file : c.window);
}

constexpr unsigned kVerbose = LOG_VERBOSE;
constexpr unsigned kForced = LOG_FORCED;

INSTANTIATE_TEST_SUITE_P(
    Lines, TraceLineTest,
    ::testing::Values(
        LineCase{"NormalLine", ":OnCreate()", LOG_MAINFRAME, 15, 0, " 2 CMainFrame::OnCreate()\r\n", ""},
        LineCase{"VerboseLine", ":OnEraseBkgnd(0)", kVerbose | LOG_VIEW, 15, 1, " 1+CView::OnEraseBkgnd(0)\r\n", ""},
        LineCase{"EachCategoryItsPrefix", ":Bid(18)", LOG_PLAYER, 15, 0, " 8 CPlayer::Bid(18)\r\n", ""},
        LineCase{"GameCategory", ":Deal()", LOG_GAME, 15, 0, " 4 CGame::Deal()\r\n", ""},
        LineCase{"ForcedLineAfterABlankLine", "  Game 2024-03-01 18:30", kForced, 0, 0,
                 "\r\n   Game 2024-03-01 18:30\r\n", ""},
        LineCase{"ForcedLineHasNoPrefix", ":OnNew()", kForced | LOG_MAINFRAME, 15, 0, "\r\n :OnNew()\r\n", ""},
        LineCase{"TextWithoutColonHasNoPrefix", "PostMessage(CM_CONSOLE)\r\n", LOG_MAINFRAME, 15, 0,
                 " 2 PostMessage(CM_CONSOLE)\r\n\r\n", ""},
        LineCase{"ColonLaterInTheTextIsNoPrefix", "State: PLAY", LOG_MAINFRAME, 15, 0, " 2 State: PLAY\r\n", ""},
        LineCase{"EmptyText", "", LOG_VIEW, 15, 0, " 1 \r\n", ""},
        LineCase{"SeveralCategoriesTakeTheLowestPrefix", ":Play()", LOG_GAME | LOG_PLAYER, 15, 0,
                 "12 CGame::Play()\r\n", ""},
        LineCase{"AboveNinetyNineTheFileLosesTheKind", ":Hold()", 8 | 32 | 64, 8, 0, "104CPlayer::Hold()\r\n",
                 "104 CPlayer::Hold()\r\n"},
        LineCase{"AboveNinetyNineVerbose", ":Hold()", kVerbose | 4 | 32 | 64, 0, 4, "100CGame::Hold()\r\n",
                 "100+CGame::Hold()\r\n"},
        LineCase{"VerboseMaskAlsoWritesNormalLines", ":OnPlay()", LOG_MAINFRAME, 0, 2,
                 " 2 CMainFrame::OnPlay()\r\n", ""},
        LineCase{"VerboseLineNeedsTheVerboseMask", ":OnEraseBkgnd(0)", kVerbose | LOG_VIEW, 15, 0, "", ""},
        LineCase{"VerboseLineOfAnotherCategory", ":Think()", kVerbose | LOG_PLAYER, 15, 7, "", ""},
        LineCase{"CategoryOutsideTheMask", ":OnPaint()", LOG_VIEW, 14, 0, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TraceLogTest, LogOffWritesNothingNotEvenForcedLines) {
    app_.Log = 0;
    EXPECT_FALSE(app_.WantsLog(LOG_FORCED));
    EXPECT_FALSE(app_.WantsLog(LOG_MAINFRAME));
    app_.WriteLog("  Program 2024-03-01 18:30", LOG_FORCED);
    app_.WriteLog(":OnCreate()", LOG_MAINFRAME);
    EXPECT_FALSE(platform::FileExists(app_.LogFilePath));
    EXPECT_TRUE(window_.empty());
}

TEST_F(TraceLogTest, LinesAreAppendedToWhatTheFileHolds) {
    ASSERT_TRUE(platform::WriteFileAtomic(app_.LogFilePath, std::string_view("earlier\r\n")));
    app_.WriteLog(":OnCreate()", LOG_MAINFRAME);
    app_.WriteLog("  Game x", LOG_FORCED);
    app_.WriteLog(":OnNew()", LOG_MAINFRAME);
    EXPECT_EQ(FileText(), "earlier\r\n 2 CMainFrame::OnCreate()\r\n\r\n   Game x\r\n 2 CMainFrame::OnNew()\r\n");
    EXPECT_EQ(window_.size(), 3u);
}

TEST_F(TraceLogTest, WindowTakesLinesOnlyWhenWantedAndTheFileTookThem) {
    app_.LogList = 0;
    app_.WriteLog(":OnCreate()", LOG_MAINFRAME);
    EXPECT_TRUE(window_.empty());
    EXPECT_EQ(FileText(), " 2 CMainFrame::OnCreate()\r\n");

    app_.LogList = 1;
    app_.LogWindowSink = nullptr;  // no log window open
    app_.WriteLog(":OnNew()", LOG_MAINFRAME);
    EXPECT_NE(FileText().find("OnNew"), std::string::npos);

    // A file that cannot be written loses the line, in the window as well.
    app_.LogWindowSink = [this](const std::string& text) { window_.push_back(text); };
    app_.LogFilePath = temp_.File("no folder/Kartovan+.log");
    app_.WriteLog(":OnClose()", LOG_MAINFRAME);
    EXPECT_TRUE(window_.empty());
}

TEST_F(TraceLogTest, ReadLogFileCountsCrLfLinesAndTheLongest) {
    app_.LogLineCount = 99;
    app_.LogLongestLine = 99;
    const std::string text = " 2 CMainFrame::OnCreate()\r\n\r\n   Game x\r\nlone\rCR\r\nMüß\r\nunterminated tail that is long";
    ASSERT_TRUE(platform::WriteFileAtomic(app_.LogFilePath, text));
    app_.ReadLogFile();
    EXPECT_EQ(app_.LogText, text);
    EXPECT_EQ(app_.LogTextLength, static_cast<int>(text.size()));
    EXPECT_EQ(app_.LogLineCount, 5);
    EXPECT_EQ(app_.LogLongestLine, 25);  // " 2 CMainFrame::OnCreate()"; the unterminated tail is no line
}

TEST_F(TraceLogTest, LongestLineCountsCharacters) {
    ASSERT_TRUE(platform::WriteFileAtomic(app_.LogFilePath, std::string_view("ab\r\nÄÖÜäöü\r\n")));
    app_.ReadLogFile();
    EXPECT_EQ(app_.LogLineCount, 2);
    EXPECT_EQ(app_.LogLongestLine, 6);
}

TEST_F(TraceLogTest, UnreadableLogKeepsThePreviousTextWithZeroedCounters) {
    app_.LogText = "previous\r\n";
    app_.LogTextLength = 10;
    app_.LogLineCount = 1;
    app_.LogLongestLine = 8;
    app_.ReadLogFile();  // no file yet
    EXPECT_EQ(app_.LogText, "previous\r\n");
    EXPECT_EQ(app_.LogTextLength, 0);
    EXPECT_EQ(app_.LogLineCount, 0);
    EXPECT_EQ(app_.LogLongestLine, 0);
}

TEST_F(TraceLogTest, WrittenLinesReadBackAsLines) {
    app_.WriteLog(":OnCreate()", LOG_MAINFRAME);
    app_.WriteLog("  Game x", LOG_FORCED);
    app_.ReadLogFile();
    EXPECT_EQ(app_.LogLineCount, 3);  // the forced line brings its blank line
    EXPECT_EQ(app_.LogLongestLine, 25);
}

}  // namespace

namespace {

// Appending to the log window moves the focus to the main frame; the writer gives it back.
TEST_F(TraceLogTest, FocusReturnsToTheWindowThatHadIt) {
    platform::HeadlessHost host;
    platform::Window frame;
    platform::Window prompt;
    platform::CreateParams params;
    params.rect = {0, 0, 400, 300};
    params.visible = true;
    ASSERT_TRUE(frame.Create(params));
    params.kind = platform::WindowKind::Popup;
    ASSERT_TRUE(prompt.Create(params));
    SetFocus(prompt.Handle());
    app_.LogWindowSink = [&](const std::string&) { SetFocus(frame.Handle()); };
    app_.WriteLog(":OnPlay()", LOG_MAINFRAME);
    EXPECT_EQ(GetFocus(), prompt.Handle());
}

}  // namespace
