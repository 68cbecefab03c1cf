#include "match/FileTypeRegistration.h"
#include "flow/MatchFiles.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FileTypeRegistration, CommandsAndProgramPaths) {
    const struct {
        const char* name;
        std::string value;
        std::optional<std::string> result;
    } cases[] = {
        {"documented form", "C:\\Programme\\Kartovan\\kartovan-ge.exe \"%1\"", "C:\\Programme\\Kartovan\\kartovan-en.exe \"%1\""},
        {"quoted path", "\"C:\\Program Files\\Kartovan\\Kartovan-GE.EXE\" \"%1\"",
         "\"C:\\Program Files\\Kartovan\\Kartovan-en.EXE\" \"%1\""},
        {"program path", "C:\\Kartovan\\kartovan-ge.exe", "C:\\Kartovan\\kartovan-en.exe"},
        {"short value", "ge.exe", std::nullopt},
        {"no pattern", "C:\\Other\\skat.exe \"%1\"", std::nullopt},
        {"digits are no edition", "C:\\kartovan-12.exe", std::nullopt},
        {"over 259 bytes", std::string(250, 'x') + "kartovan-ge.exe", std::nullopt},
        {"empty", "", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(RepointCommand(c.value, "en"), c.result) << c.name;
}

TEST(FileTypeRegistration, DesktopEntryChangesOnlyTheLinesOfThePattern) {
    const std::string entry = "[Desktop Entry]\nName=Kartovan+ kartovan-ge\nExec=kartovan-ge %f\n"
                              "TryExec=/usr/bin/kartovan-ge\nExec=kartovan-ge --second\nIcon=kartovan\n";
    const std::string expected = "[Desktop Entry]\nName=Kartovan+ kartovan-ge\nExec=kartovan-en %f\n"
                                 "TryExec=/usr/bin/kartovan-en\nExec=kartovan-en --second\nIcon=kartovan\n";
    EXPECT_EQ(RepointDesktopEntry(entry, "en"), expected);
    EXPECT_EQ(RepointDesktopEntry("[Desktop Entry]\nExec=other %f\n", "en"), std::nullopt);
    // Without a line end at the end, every byte but the two letters stays.
    EXPECT_EQ(RepointDesktopEntry("Exec=kartovan-en", "ge"), std::string("Exec=kartovan-ge"));
}

class RegisterFileTypeTest : public testsupport::FrameFixture {};

TEST_F(RegisterFileTypeTest, OnTheStoreAndTheUsersDesktopEntry) {
    StartProgram();
    platform::RegistryKey& user = platform::CurrentUserRegistry();
    user.Create("Software\\Classes\\skm_auto_file\\shell\\open\\command").SetString("", "C:\\k\\kartovan-ge.exe \"%1\"");
    user.Create("Software\\Classes\\skt_auto_file\\shell\\open\\command").SetString("", "x");
    const std::string folder = temp_.Folder() + "data/applications/";
    std::filesystem::create_directories(folder);
    const std::string text = "[Desktop Entry]\r\nExec=kartovan-ge %f\r\nTryExec=kartovan-ge\r\n";
    ASSERT_TRUE(platform::WriteFileAtomic(folder + "kartovan.desktop", text));

    Frame().MatchFiles().RegisterFileType(0, "Applications\\skat.exe\\shell\\open\\command", "en");
    Frame().MatchFiles().RegisterFileType(1, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\skat.exe", "en");
    Frame().MatchFiles().RegisterFileType(2, "Software\\Classes\\skm_auto_file\\shell\\open\\command", "en");
    Frame().MatchFiles().RegisterFileType(2, "Software\\Classes\\skt_auto_file\\shell\\open\\command", "en");
    Frame().MatchFiles().RegisterFileType(2, "Software\\Classes\\missing\\shell\\open\\command", "en");

    EXPECT_EQ(platform::ReadWholeFile(folder + "kartovan.desktop").Text(),
              "[Desktop Entry]\r\nExec=kartovan-en %f\r\nTryExec=kartovan-en\r\n");
    EXPECT_EQ(user.Find("Software\\Classes\\skm_auto_file\\shell\\open\\command")->String(""),
              std::string("C:\\k\\kartovan-en.exe \"%1\""));
    EXPECT_EQ(user.Find("Software\\Classes\\skt_auto_file\\shell\\open\\command")->String(""), std::string("x"));
    EXPECT_EQ(user.Find("Software\\Classes\\missing"), nullptr);  // nothing created
}

TEST_F(RegisterFileTypeTest, AMissingEntryIsNotCreated) {
    StartProgram();
    Frame().MatchFiles().RegisterFileType(0, "Applications\\skat.exe\\shell\\open\\command", "en");
    EXPECT_FALSE(std::filesystem::exists(temp_.Folder() + "data/applications/kartovan.desktop"));
}

}  // namespace
