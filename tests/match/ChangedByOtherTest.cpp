// A file of the program's that another program wrote since this one last read or wrote it holds
// that program's games or counters: the next save keeps it byte for byte, writes nothing over it
// and names it. A file nobody else touched, or one that someone removed, is saved as before.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "match/OwnFiles.h"
#include "platform/core/FileIo.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class ChangedByOtherTest : public testsupport::FrameFixture {
protected:
    void Start() {
        StartProgram();
        answerer_.Start();
        answerer_.answer = IDOK;
        answerer_.probe = [this](HWND) {
            if (platform::MessageBoxDialog* box = platform::ActiveMessageBox()) shown_.push_back(box->Text());
            return 0;
        };
    }
    // One save; the messages it showed.
    std::vector<std::string> Save(const std::function<void(CMainFrame&)>& save) {
        shown_.clear();
        save(Frame());
        host_->PumpUntilIdle();
        return shown_;
    }
    static std::string KeptAsItIs(const std::string& operation, const std::string& path) {
        return "The file was changed by another program. It is kept as it is, nothing is stored over it !\n\n" +
               operation + ": '" + path + "'";
    }

    testsupport::ModalAnswerer answerer_;
    std::vector<std::string> shown_;
};

TEST_F(ChangedByOtherTest, EachWriterKeepsAFileAnotherProgramWroteAndNamesIt) {
    Start();
    const FileState& files = Frame().Files();
    const struct {
        const char* operation;
        std::string path;
        std::function<void(CMainFrame&)> save;
    } cases[] = {
        {"SaveList", files.ListPath, [&](CMainFrame& f) { f.MatchFiles().SaveListAfterGame(files.ListPath); }},
        {"SaveList", files.ListPath, [&](CMainFrame& f) { f.MatchFiles().SaveList(files.ListPath, false); }},
        {"SaveStore", files.StorePath, [&](CMainFrame& f) { f.MatchFiles().SaveStoreAfterGame(files.StorePath); }},
        {"SaveStore", files.StorePath, [&](CMainFrame& f) { f.MatchFiles().SaveStore(files.StorePath); }},
        {"SaveData", files.StatisticsPath, [&](CMainFrame& f) { f.MatchFiles().SaveStatistics(files.StatisticsPath); }},
    };
    const std::string theirs = "the games another program played";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operation);
        // Its own file: saved, and saved again; nothing changed, so the second save leaves the
        // file as it is (the same file, not written again).
        EXPECT_TRUE(Save(c.save).empty());
        const std::vector<std::uint8_t> own = platform::ReadWholeFile(c.path).bytes;
        ASSERT_FALSE(own.empty());
        const std::optional<platform::FileStamp> saved = platform::StampOf(c.path);
        EXPECT_TRUE(Save(c.save).empty());
        EXPECT_EQ(platform::StampOf(c.path), saved);
        // Another program's, after that save that wrote nothing: still found, kept and named.
        ASSERT_TRUE(platform::WriteFileAtomic(c.path, theirs));
        EXPECT_EQ(Save(c.save), std::vector<std::string>{KeptAsItIs(c.operation, c.path)});
        EXPECT_EQ(platform::ReadWholeFile(c.path).Text(), theirs);
        EXPECT_EQ(Save(c.save), std::vector<std::string>{KeptAsItIs(c.operation, c.path)});
        EXPECT_EQ(platform::ReadWholeFile(c.path).Text(), theirs);
        // Removed by someone: nothing to keep, the program's own file is written anew.
        ASSERT_TRUE(platform::RemoveFile(c.path));
        EXPECT_TRUE(Save(c.save).empty());
        EXPECT_EQ(platform::ReadWholeFile(c.path).bytes, own);
    }
}

// The statistics read at the start were missing: a file another program made meanwhile is its.
TEST_F(ChangedByOtherTest, StatisticsAnotherProgramMadeSinceTheStartAreKept) {
    Start();
    const std::string path = Frame().Files().StatisticsPath;
    ASSERT_FALSE(platform::FileExists(path));
    ASSERT_TRUE(platform::WriteFileAtomic(path, std::string("their counters")));
    EXPECT_EQ(Save([&](CMainFrame& f) { f.MatchFiles().SaveStatistics(path); }),
              std::vector<std::string>{KeptAsItIs("SaveData", path)});
    EXPECT_EQ(platform::ReadWholeFile(path).Text(), "their counters");
}

}  // namespace
