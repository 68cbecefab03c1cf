#include "platform/core/Folders.h"

#include "platform/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(FoldersTest, FoldersFollowTheXdgVariables) {
    testsupport::TempFolder temp;
    testsupport::ScopedEnvironment config("XDG_CONFIG_HOME", temp.Folder() + "config");
    testsupport::ScopedEnvironment data("XDG_DATA_HOME", temp.Folder() + "data/");
    testsupport::ScopedEnvironment home("HOME", temp.Folder() + "home");

    EXPECT_EQ(platform::ConfigFolder(), temp.Folder() + "config/kartovan/");
    EXPECT_EQ(platform::RegistryFilePath(), temp.Folder() + "config/kartovan/registry.reg");
    EXPECT_FALSE(std::filesystem::exists(temp.Folder() + "config"));  // made only by a save

    EXPECT_EQ(platform::WorkFolder(), temp.Folder() + "data/kartovan/");
    EXPECT_TRUE(std::filesystem::is_directory(temp.Folder() + "data/kartovan"));
    EXPECT_EQ(platform::DesktopFolder(), platform::WorkFolder());
}

TEST(FoldersTest, UnsetOrRelativeVariablesFallBackToTheHomeFolder) {
    testsupport::TempFolder temp;
    testsupport::ScopedEnvironment config("XDG_CONFIG_HOME", std::nullopt);
    testsupport::ScopedEnvironment data("XDG_DATA_HOME", std::string("relative/data"));
    testsupport::ScopedEnvironment home("HOME", temp.Folder() + "home");

    EXPECT_EQ(platform::ConfigFolder(), temp.Folder() + "home/.config/kartovan/");
    EXPECT_EQ(platform::WorkFolder(), temp.Folder() + "home/.local/share/kartovan/");
    EXPECT_TRUE(std::filesystem::is_directory(temp.Folder() + "home/.local/share/kartovan"));
    EXPECT_FALSE(std::filesystem::exists("relative"));
}

TEST(FoldersTest, TheOwnFolderInASharedFolderIsMadeForTheUserAloneAndAnyOtherIsRefused) {
    const std::string name = "kartovan-" + std::to_string(::getuid());
    const struct {
        const char* what;
        std::function<void(const std::string& path)> plant;  // what is there before; empty: nothing
        bool taken;
    } cases[] = {
        {"nothing there yet", {}, true},
        {"the user's own from an earlier start", [](const std::string& path) { ::mkdir(path.c_str(), 0700); }, true},
        {"a folder others may write to",
         [](const std::string& path) {
             ::mkdir(path.c_str(), 0700);
             ::chmod(path.c_str(), 0777);
         },
         false},
        {"a folder of another user",
         [](const std::string& path) {
             ::mkdir(path.c_str(), 0700);
             if (::chown(path.c_str(), ::getuid() + 1, ::getgid()) != 0) ::chmod(path.c_str(), 0755);
         },
         false},
        {"a link to a folder of the user's",
         [](const std::string& path) {
             ::mkdir((path + "-elsewhere").c_str(), 0700);
             (void)::symlink((path + "-elsewhere").c_str(), path.c_str());
         },
         false},
        {"a file", [](const std::string& path) { std::ofstream(path) << "x"; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempFolder shared;
        const std::string path = shared.File(name);
        if (c.plant) c.plant(path);
        const std::string folder = platform::OwnFolderIn(shared.Path());
        if (!c.taken) {
            EXPECT_EQ(folder, "");
            continue;
        }
        EXPECT_EQ(folder, path);
        struct stat info {};
        ASSERT_EQ(::lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISDIR(info.st_mode));
        EXPECT_EQ(info.st_mode & 0777, 0700u);
        EXPECT_EQ(info.st_uid, ::getuid());
    }
}

TEST(FoldersTest, ProgramFolderHoldsTheRunningProgram) {
    std::string folder = platform::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "tests_platform"));
}

}  // namespace
