// The settings export: its lines, and what the settings file reader makes of it.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"

#include "dialogs/SettingsIds.h"
#include "match/Profile.h"
#include "match/SettingsExport.h"
#include "platform/core/Codepage.h"
#include "platform/core/DialogAnswer.h"
#include "platform/core/RegistryFile.h"
#include "resources/CommandIds.h"

#include <filesystem>

namespace {

class SettingsExportTest : public testsupport::FrameFixture {
protected:
    // The person's answer to the confirmation dialog of the export (OK or Cancel).
    void ConfirmWith(int button) {
        host_->Answers().PushDialogAnswer(IDD_SAVE_INIT_VALUES, {platform::DialogAction::Press(button)});
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST_F(SettingsExportTest, WritesEverySectionInOrderAndReadsBack) {
    StartProgram();
    g_Settings.Game.CountDown = -1;
    g_Game.BockRounds = 5;
    g_Game.BockRound = 2;
    g_Profile.Names[2] = "Jörg \"der Spieler\" C:\\Skat";
    g_Settings.Options.Support = 1;
    g_Settings.Options.SupportSuspended = 1;
    g_Profile.Desk = temp_.Folder();
    ConfirmWith(IDOK);
    Frame().SendMessage(WM_COMMAND, ID_INITIALIZATION, 0);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    const platform::FileContent file = platform::ReadWholeFile(temp_.Folder() + "Kartovan+.reg");
    ASSERT_TRUE(file.ok);
    const std::string text = file.Text();
    // Every line ends with CR LF; the file starts with the editor's head and the product key.
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    const std::vector<std::string> lines = Lines(text);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Windows Registry Editor Version 5.00");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "[HKEY_CURRENT_USER\\SOFTWARE\\Kartovan+]");
    EXPECT_EQ(lines[3], "@=\"\"");
    EXPECT_EQ(lines[5], "[HKEY_CURRENT_USER\\SOFTWARE\\Kartovan+\\skat]");
    // The sections in alphabetical order.
    std::vector<std::string> sections;
    for (const std::string& line : lines)
        if (line.rfind("[HKEY_CURRENT_USER\\SOFTWARE\\Kartovan+\\skat\\", 0) == 0) sections.push_back(line.substr(43));
    const std::vector<std::string> expected = {
        "Actual]", "Audio]", "Delay]", "Game]", "Help]", "Image]", "Names]", "Options]", "Paths]", "Print]",
        "Ramsch]", "RectAnnotation]", "RectMain]", "RectScore]", "RectStore]", "RiskGrand]", "RiskNull]",
        "RiskSuit]", "Settings]", "Variants]", "View]"};
    EXPECT_EQ(sections, expected);
    EXPECT_NE(text.find("\"BockNumber\"=dword:0000138a\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"CountDown\"=dword:ffffffff\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Support\"=dword:00000000\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"Right\"=dword:000001a2\r\n"), std::string::npos);  // RectMain's default 418
    EXPECT_NE(text.find("\"Person\"=\"J\xf6rg \\\"der Spieler\\\" C:\\\\Skat\"\r\n"), std::string::npos);

    // Read as a settings file, every value comes back.
    platform::RegistryKey root;
    EXPECT_EQ(platform::ParseRegistryFile(platform::Cp1252ToUtf8(text), root), "");
    const platform::RegistryKey* names = root.Find("SOFTWARE\\Kartovan+\\skat\\Names");
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->String("Person"), g_Profile.Names[2]);
    const platform::RegistryKey* game = root.Find("SOFTWARE\\Kartovan+\\skat\\Game");
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->Number("CountDown"), 0xFFFFFFFFu);
    EXPECT_EQ(game->String("SkmName"), g_Profile.SkmName);
    const platform::RegistryKey* paths = root.Find("SOFTWARE\\Kartovan+\\skat\\Paths");
    ASSERT_NE(paths, nullptr);
    EXPECT_EQ(paths->String("Desk"), temp_.Folder());
}

TEST_F(SettingsExportTest, CancelWritesNothingAndAnUnwritableFolderIsNamed) {
    StartProgram();
    g_Profile.Desk = temp_.Folder();
    ConfirmWith(IDCANCEL);
    Frame().SendMessage(WM_COMMAND, ID_INITIALIZATION, 0);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_FALSE(std::filesystem::exists(temp_.Folder() + "Kartovan+.reg"));

    g_Profile.Desk = temp_.Folder() + "no such folder/";
    ConfirmWith(IDOK);
    host_->Answers().PushMessageBoxAnswer(IDOK);
    Frame().SendMessage(WM_COMMAND, ID_INITIALIZATION, 0);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_FALSE(std::filesystem::exists(temp_.Folder() + "no such folder"));
}

struct BackslashCase {
    const char* text;
    const char* doubled;
};

TEST(DoubleBackslashesTest, EveryBackslashIsWrittenTwice) {
    const BackslashCase cases[] = {
        {"", ""}, {"abc", "abc"}, {"a\\b", "a\\\\b"}, {"\\", "\\\\"}, {"\\\\x\\", "\\\\\\\\x\\\\"},
    };
    for (const BackslashCase& c : cases) EXPECT_EQ(DoubleBackslashes(c.text), c.doubled) << c.text;
}

TEST(SettingsExport, TextValues) {
    EXPECT_EQ(ExportTextValue("a\\b\"c\td\x01"), "a\\\\b\\\"c d ");
    EXPECT_EQ(ExportTextValue(""), "");
}

}  // namespace
