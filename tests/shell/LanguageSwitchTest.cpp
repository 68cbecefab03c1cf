// The language menu hands over to the other edition: the question first, everything written
// before the other program starts, its shortcuts and registrations, then this one closes.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameGlobals.h"
#include "shell/ModalReader.h"

#include "match/Profile.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/FileIo.h"
#include "platform/core/Folders.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"

#include <filesystem>

namespace {

using testsupport::FrameFixture;

// A desktop that notes what the settings file held when the other edition was started.
class StartWatchingDesktop : public platform::DesktopServices {
public:
    StartWatchingDesktop() { platform::InstallDesktopServices(this); }
    ~StartWatchingDesktop() override {
        if (platform::InstalledDesktopServices() == this) platform::InstallDesktopServices(nullptr);
    }

    bool ShowHelp(HWND owner, const platform::HelpTopic& topic) override { return recorder.ShowHelp(owner, topic); }
    void CloseAllHelp() override { recorder.CloseAllHelp(); }
    bool IsHelpOpen() const override { return recorder.IsHelpOpen(); }
    platform::ShellResult OpenUrl(const std::string& url) override { return recorder.OpenUrl(url); }
    platform::ShellResult OpenFolder(const std::string& folder) override { return recorder.OpenFolder(folder); }
    platform::ShellResult StartEdition(platform::Edition edition, const std::vector<std::string>& arguments) override {
        started.push_back(edition);
        startArguments = arguments;
        settingsAtStart = platform::ReadWholeFile(platform::RegistryFilePath()).Text();
        if (fail) return platform::ShellResult::Failed("no such program");
        return platform::ShellResult::Done();
    }
    void AcceptFiles(HWND hwnd, bool accept) override { recorder.AcceptFiles(hwnd, accept); }
    bool DragFilesOut(HWND from, const std::vector<std::string>& paths) override { return recorder.DragFilesOut(from, paths); }
    platform::PrintOutcome Print(HWND owner, const platform::PrintDocument& document) override {
        return recorder.Print(owner, document);
    }
    platform::PrintOutcome PrintPreview(HWND owner, const platform::PrintDocument& document) override {
        return recorder.PrintPreview(owner, document);
    }
    platform::PrintOutcome PrintToPdf(const platform::PrintDocument& document, const std::string& path) override {
        return recorder.PrintToPdf(document, path);
    }
    void SetSoundVolume(double volume) override { recorder.SetSoundVolume(volume); }

    platform::DesktopRecorder recorder;
    std::vector<platform::Edition> started;
    std::string settingsAtStart;
    std::vector<std::string> startArguments;
    bool fail = false;
};

class LanguageSwitchTest : public FrameFixture {
protected:
    void Start(const platform::ResourceSet& edition) {
        UseEdition(edition);
        WriteProfileInt("Delay", "Switch", 0);
        TraceOn();
        StartProgram();
        // The shortcuts' folders of this installation.
        g_Profile.Desk = temp_.Folder() + "desk/";
        g_Profile.Start = temp_.Folder() + "start/";
        std::filesystem::create_directories(g_Profile.Desk);
        std::filesystem::create_directories(g_Profile.Start);
    }
    void Shortcut(const std::string& name, const std::string& text) {
        ASSERT_TRUE(platform::WriteFileAtomic(g_Profile.Work + name, std::string_view(text)).ok);
    }
    void Switch() {
        reader_.Start();
        Frame().SendMessage(WM_COMMAND, ID_LANGUAGE);
        host_->PumpUntilIdle();
    }
    bool FrameClosed() const { return !app_->MainFrame()->Run().TableAlive; }

    StartWatchingDesktop desktop_;
    testsupport::ModalReader reader_;
};

struct EditionCase {
    const char* name;
    const platform::ResourceSet& (*edition)();
    platform::Edition other;
    const char* code;
};

// A failing case names itself, not its bytes.
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class LanguageEditionTest : public LanguageSwitchTest, public ::testing::WithParamInterface<EditionCase> {};

TEST_P(LanguageEditionTest, StartsTheOtherEditionWithEverythingWritten) {
    const EditionCase& c = GetParam();
    Start(c.edition());
    g_Profile.HelpTopic = 0;
    Shortcut(std::string("kartovan-") + c.code + ".desktop", "program shortcut");
    Shortcut(std::string("readme-") + c.code + ".desktop", "readme shortcut");
    Frame().MoveWindow({30, 40, 1054, 808});
    // The person's own desktop entry still starts this edition.
    const std::string applications = temp_.Folder() + "data/applications/";
    std::filesystem::create_directories(applications);
    const std::string self = std::string(c.code) == "ge" ? "en" : "ge";
    ASSERT_TRUE(platform::WriteFileAtomic(applications + "kartovan.desktop", "[Desktop Entry]\nExec=kartovan-" + self + " %f\n"));
    Switch();
    ASSERT_EQ(desktop_.started.size(), 1u);
    EXPECT_EQ(desktop_.started[0], c.other);
    // It waits for this one to give up the work folder instead of handing over to it.
    EXPECT_EQ(desktop_.startArguments, std::vector<std::string>{std::string(platform::kLanguageSwitchArgument)});
    // The settings were in their file before the other edition could read them.
    EXPECT_NE(desktop_.settingsAtStart.find("[HKEY_CURRENT_USER"), std::string::npos);
    EXPECT_NE(desktop_.settingsAtStart.find("RectMain"), std::string::npos);
    // The three shortcuts now start the other edition.
    EXPECT_EQ(platform::ReadWholeFile(g_Profile.Desk + "Kartovan+.desktop").Text(), "program shortcut");
    EXPECT_EQ(platform::ReadWholeFile(g_Profile.Start + "Skat.desktop").Text(), "program shortcut");
    EXPECT_EQ(platform::ReadWholeFile(g_Profile.Start + "Readme.desktop").Text(), "readme shortcut");
    EXPECT_TRUE(reader_.boxTexts.empty());
    // The four registrations, in order, then the close.
    const int first = FindLine(std::string("CMainFrame::RegisterFileType(Applications\\skat.exe\\shell\\open\\command:") + c.code + ")");
    ASSERT_GE(first, 0) << LogText();
    EXPECT_GT(FindLine(std::string("CMainFrame::RegisterFileType(Software\\Classes\\skt_auto_file\\shell\\open\\command:") + c.code + ")", first), first);
    // A double click on a match file now opens the other edition.
    EXPECT_EQ(platform::ReadWholeFile(applications + "kartovan.desktop").Text(),
              std::string("[Desktop Entry]\nExec=kartovan-") + c.code + " %f\n");
    EXPECT_TRUE(FrameClosed());
}

INSTANTIATE_TEST_SUITE_P(Editions, LanguageEditionTest,
                         ::testing::Values(EditionCase{"German", GermanResources, platform::Edition::English, "en"},
                                           EditionCase{"English", EnglishResources, platform::Edition::German, "ge"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageSwitchTest, OnlyExistingShortcutsAreCopied) {
    Start(GermanResources());
    Shortcut("readme-en.desktop", "readme");
    Switch();
    EXPECT_FALSE(platform::FileExists(g_Profile.Desk + "Kartovan+.desktop"));
    EXPECT_FALSE(platform::FileExists(g_Profile.Start + "Skat.desktop"));
    EXPECT_EQ(platform::ReadWholeFile(g_Profile.Start + "Readme.desktop").Text(), "readme");
    EXPECT_TRUE(reader_.boxTexts.empty()) << "a missing source is no failure";
}

TEST_F(LanguageSwitchTest, AFailedCopyIsShownAndTheSwitchGoesOn) {
    Start(EnglishResources());
    Shortcut("kartovan-ge.desktop", "program");
    // The desktop folder is a file: the copy there cannot be written.
    std::filesystem::remove_all(g_Profile.Desk);
    ASSERT_TRUE(platform::WriteFileAtomic(temp_.Folder() + "desk", std::string_view("x")).ok);
    Switch();
    ASSERT_EQ(reader_.boxTexts.size(), 1u);
    EXPECT_EQ(reader_.boxTexts[0].rfind("Error: Data can not be copied !\n\nOnLanguage: '", 0), 0u) << reader_.boxTexts[0];
    EXPECT_NE(reader_.boxTexts[0].find(g_Profile.Work + "kartovan-ge.desktop"), std::string::npos);
    EXPECT_EQ(platform::ReadWholeFile(g_Profile.Start + "Skat.desktop").Text(), "program") << "the next copy still runs";
    EXPECT_TRUE(FrameClosed());
}

TEST_F(LanguageSwitchTest, NoToTheCloseQuestionStartsNothing) {
    Start(EnglishResources());
    Shortcut("kartovan-ge.desktop", "program");
    g_Game.FlowState = STATE_PLAY;
    host_->Answers().PushMessageBoxAnswer(IDNO);
    Switch();
    EXPECT_TRUE(desktop_.started.empty());
    EXPECT_FALSE(platform::FileExists(g_Profile.Desk + "Kartovan+.desktop"));
    EXPECT_EQ(FindLine("CMainFrame::RegisterFileType(Applications\\skat.exe\\shell\\open\\command:ge)"), -1);
    EXPECT_FALSE(FrameClosed());
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
}

TEST_F(LanguageSwitchTest, YesAsksOnceAndTheCloseDoesNotAskAgain) {
    Start(EnglishResources());
    g_Game.FlowState = STATE_PLAY;
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Switch();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(desktop_.started.size(), 1u);
    EXPECT_TRUE(FrameClosed()) << "a second question would have found no answer and stayed open";
}

TEST_F(LanguageSwitchTest, AFailedStartIsShownAndChangesNothingElse) {
    Start(GermanResources());
    Shortcut("kartovan-en.desktop", "program");
    desktop_.fail = true;
    Switch();
    ASSERT_EQ(reader_.boxTexts.size(), 1u);
    EXPECT_EQ(reader_.boxTexts[0], "Fehler: Sprache kann nicht umgeschaltet werden. Verzeichnis:\n\n'" + g_Profile.Inst +
                                       "kartovan-en'\n\n nicht gefunden.");
    EXPECT_FALSE(platform::FileExists(g_Profile.Desk + "Kartovan+.desktop"));
    EXPECT_EQ(FindLine("CMainFrame::RegisterFileType(Applications\\skat.exe\\shell\\open\\command:en)"), -1);
    EXPECT_FALSE(FrameClosed());
}

}  // namespace
