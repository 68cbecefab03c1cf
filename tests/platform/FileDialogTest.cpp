// File dialogs on the headless host: scripted answers, the default extension, and no hang.
#include <gtest/gtest.h>

#include "platform/core/FileDialog.h"
#include "platform/headless/HeadlessHost.h"

namespace {

using platform::FileDialogRequest;

TEST(FileDialogTest, ScriptedAnswersInOrderWithTheDefaultExtensionOnSave) {
    platform::HeadlessHost host;
    host.Answers().PushFileDialogAnswer("/home/anna/Spiele/Serie");
    host.Answers().PushFileDialogAnswer("/home/anna/v1.2/Serie");
    host.Answers().PushFileDialogCancel();
    host.Answers().PushFileDialogAnswer("/home/anna/alt.skm");

    FileDialogRequest save;
    save.save = true;
    save.defaultExtension = "skm";
    save.filters = {{"Match lists (*.skm)", "*.skm"}};
    EXPECT_EQ(platform::RunFileDialog(save).path, "/home/anna/Spiele/Serie.skm");
    // A dot in a folder name is no extension.
    EXPECT_EQ(platform::RunFileDialog(save).path, "/home/anna/v1.2/Serie.skm");
    platform::FileDialogAnswer cancelled = platform::RunFileDialog(save);
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_EQ(cancelled.path, "");

    FileDialogRequest open;
    open.defaultExtension = "skt";
    platform::FileDialogAnswer opened = platform::RunFileDialog(open);
    EXPECT_TRUE(opened.accepted);
    EXPECT_EQ(opened.path, "/home/anna/alt.skm");  // an open dialog keeps the name as chosen
    ASSERT_EQ(host.FileDialogRequests().size(), 4u);
    EXPECT_EQ(host.FileDialogRequests()[0].filters[0].pattern, "*.skm");
}

TEST(FileDialogTest, UnansweredDialogFailsInsteadOfHanging) {
    platform::HeadlessHost host;
    EXPECT_THROW(platform::RunFileDialog(FileDialogRequest{}), platform::IdleStall);
}

TEST(FileDialogTest, DefaultExtensionTable) {
    EXPECT_EQ(platform::WithDefaultExtension("a", "skm"), "a.skm");
    EXPECT_EQ(platform::WithDefaultExtension("a.sks", "skm"), "a.sks");
    EXPECT_EQ(platform::WithDefaultExtension("dir.x/a", "skm"), "dir.x/a.skm");
    EXPECT_EQ(platform::WithDefaultExtension("a", ""), "a");
    EXPECT_EQ(platform::WithDefaultExtension("", "skm"), "");
}

}  // namespace
