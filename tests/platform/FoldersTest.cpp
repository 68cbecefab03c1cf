#include "platform/core/Folders.h"

#include "platform/FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(FoldersTest, ProgramFolderHoldsTheRunningProgram) {
    std::string folder = platform::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(folder + "tests_platform"));
}

}  // namespace
