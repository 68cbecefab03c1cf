#include "flow/FrameAuction.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"
#include "flow/FrameGlobals.h"
#include "match/Profile.h"
#include "flow/FrameTestSupport.h"
#include "flow/TableState.h"

#include "platform/core/Folders.h"

#include <cstring>
#include "resources/CommandIds.h"

namespace {

using testsupport::FrameFixture;

class StartupTest : public FrameFixture {};

TEST_F(StartupTest, EmptyRegistryReachesIdleWithEverySettingAtItsDefault) {
    StartProgram();
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    EXPECT_TRUE(Frame().Run().TableAlive);
    EXPECT_NE(g_Frame.hTableWnd, nullptr);
    // Every setting of the flow stands at its default: the record equals a fresh one, byte by byte
    // of its sections.
    const CSettings defaults;
    EXPECT_EQ(std::memcmp(&g_Settings.Delay, &defaults.Delay, sizeof defaults.Delay), 0);
    EXPECT_EQ(std::memcmp(&g_Settings.Options, &defaults.Options, sizeof defaults.Options), 0);
    EXPECT_EQ(std::memcmp(&g_Settings.Settings, &defaults.Settings, sizeof defaults.Settings), 0);
    EXPECT_EQ(std::memcmp(&g_Settings.Variants, &defaults.Variants, sizeof defaults.Variants), 0);
    EXPECT_EQ(std::memcmp(&g_Settings.Game, &defaults.Game, sizeof defaults.Game), 0);
    EXPECT_EQ(g_Game.VariantMode, 0);
    EXPECT_EQ(g_Game.CheatMask, 0);
    // The status bar: the match state, and the rule set in pane 2.
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Game Series");
    // A new list numbers its games straight through.
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(1), "   1-0");
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(2), "Rule Skat");
    // The first game waits for New: OnStart did not open an auction.
    EXPECT_EQ(FindLine("CMainFrame::OnAuction()"), -1);
}

// Per edition: the help file and the folders with no Paths values, and the texts of the table.
struct EditionCase {
    const char* name;
    const platform::ResourceSet& (*edition)();
    const char* helpFile;
    const char* labels[3];
};

// A failing case names itself, not its bytes.
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class StartupEditionTest : public FrameFixture, public ::testing::WithParamInterface<EditionCase> {};

TEST_P(StartupEditionTest, FoldersHelpAndLabels) {
    const EditionCase& edition = GetParam();
    UseEdition(edition.edition());
    g_Settings.Delay.Switch = 0;
    WriteProfileInt("Delay", "Switch", 0);
    StartProgram();
    // Inst is the program's own (read-only) folder; work and desktop folders are per-user.
    EXPECT_EQ(g_Profile.Inst, platform::ProgramFolder());
    EXPECT_EQ(g_Profile.Work, platform::WorkFolder());
    // The help pages' folder of the edition (this test program has none beside it).
    const std::string helpPath = Frame().Files().HelpFilePath;
    ASSERT_GE(helpPath.size(), std::string(edition.helpFile).size());
    EXPECT_EQ(helpPath.substr(helpPath.size() - std::string(edition.helpFile).size()), edition.helpFile);
    EXPECT_EQ(g_Shell.HelpFile, Frame().Files().HelpFilePath);
    EXPECT_EQ(app_->LogFilePath, platform::DesktopFolder() + "Kartovan+.log");
    EXPECT_EQ(Frame().Files().TempGameFile, platform::WorkFolder() + "cards~.skt");
    EXPECT_EQ(Frame().Files().TempStoreFile, platform::WorkFolder() + "cards~.sks");

    // New shows the three position labels beside the names; the auction then waits for the person.
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameAuction().IsAuctionBarOpen(); }, 10000));
    const std::vector<std::string> texts = testsupport::DrawnTexts(*host_, g_Frame.hTableWnd);
    for (const char* label : edition.labels) EXPECT_TRUE(testsupport::WasDrawn(texts, label)) << label;
    EXPECT_TRUE(testsupport::WasDrawn(texts, "Person"));
}

INSTANTIATE_TEST_SUITE_P(Editions, StartupEditionTest,
                         ::testing::Values(EditionCase{"German", GermanResources, "/share/kartovan/help/ge/", {"Vh", "Mh", "Hh"}},
                                           EditionCase{"English", EnglishResources, "/share/kartovan/help/en/", {"Fh", "Mh", "Rh"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, StoredPathsAreTakenAsTheyStand) {
    WriteProfileString("Paths", "Inst", "/opt/kartovan/");
    WriteProfileString("Paths", "Work", temp_.Folder() + "work/");
    WriteProfileString("Paths", "Desk", temp_.Folder());
    StartProgram();
    EXPECT_EQ(Frame().Files().HelpFilePath, "/opt/share/kartovan/help/en/");
    EXPECT_EQ(Frame().Files().StatisticsPath, temp_.Folder() + "work/statistics2");
    EXPECT_EQ(app_->LogFilePath, temp_.Folder() + "Kartovan+.log");
}

TEST_F(StartupTest, MatchClockResumesWhereItStood) {
    WriteProfileInt("Game", "MaxTime", 1800);
    WriteProfileInt("Game", "CountDown", 600);
    StartProgram();
    // 1200 seconds of the match were played in earlier runs.
    EXPECT_EQ(Frame().Series().MatchStartTime, Time64() - 1200);
}

TEST_F(StartupTest, TraceOfStartUpInOrder) {
    TraceOn();
    StartProgram();
    const std::vector<std::string> expected = {
        "CSkatApp::InitInstance(Kartovan+ 5.8)", "CMainFrame::OnCreate()",
        "CMainFrame::Startup(Computer1:forehand)",   "CMainFrame::State(IDLE)",
        "CMainFrame::OnSkatRule(variant:SKAT_RULE)", "CGame::Startup()", "CMainFrame::OnStart()"};
    int at = 0;
    for (const std::string& line : expected) {
        at = FindLine(line, at);
        ASSERT_GE(at, 0) << line << " missing or out of order in\n" << LogText();
    }
    // The run opens with the forced program line after a blank line.
    EXPECT_EQ(LogText().rfind("\r\n   Program ", 0), 0u);
}

TEST_F(StartupTest, CommandLineFileIsOpenedOnceTheTableExists) {
    TraceOn();
    // The file is not there: its name is shown once, and the person answers.
    host_->Answers().PushMessageBoxAnswer(IDOK);
    StartProgram("\"/games/GAME.SKT\"");
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    const int posted = FindLine("PostMessage(CM_CONSOLE)");
    const int console = FindLine("CMainFrame::OnConsole()");
    ASSERT_GE(posted, 0);
    ASSERT_GT(console, posted);
    // The quotes go, and the file is opened only after the table's start-up ran.
    const int start = FindLine("CMainFrame::Start(/games/GAME.SKT)");
    ASSERT_GT(start, 0) << LogText();
    EXPECT_LT(FindLine("CMainFrame::Startup(Computer1:forehand)"), start);
}

TEST_F(StartupTest, EmptyCommandLinePostsNothing) {
    TraceOn();
    StartProgram();
    EXPECT_EQ(FindLine("PostMessage(CM_CONSOLE)"), -1);
}

}  // namespace
