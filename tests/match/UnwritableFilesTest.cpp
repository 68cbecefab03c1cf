// Saving where nothing can be written: a folder that is a file, a file name taken by a folder, a
// write that fails part of the way. Each save names what it could not store, the file that was
// there before stays byte for byte, and no half-written file is left behind. A temporary file left
// by a save that was killed disturbs neither reading nor the next save; deleting a match whose
// list cannot go keeps its stored deals. (The tests run as root, which ignores access rights, so a
// path is made unwritable by what lies at it, and a failing write by the file size limit.)
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "match/OwnFiles.h"
#include "match/StoreRows.h"
#include "platform/core/FileIo.h"
#include "resources/CommandIds.h"

#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

// Every entry below a folder, by its path relative to the folder.
std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(fs::relative(entry.path(), folder).string());
    return names;
}

// While it lives, no file of this process can grow past `bytes`: a write beyond fails as on a
// full disk (the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    bool Active() const { return active_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
    bool active_ = false;
};

class UnwritableFilesTest : public testsupport::FrameFixture {
protected:
    void Start() {
        StartProgram();
        answerer_.Start();
        answerer_.answer = IDOK;
        answerer_.probe = [this](HWND) {
            if (platform::MessageBoxDialog* box = platform::ActiveMessageBox()) shown_.push_back(box->Text());
            return 0;
        };
        folder_ = temp_.Folder() + "files/";
        fs::create_directories(folder_);
    }
    // A file command with the file dialog answered by `path`; the messages it showed.
    std::vector<std::string> Command(int id, const std::string& path) {
        shown_.clear();
        host_->Answers().PushFileDialogAnswer(path);
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id), 0);
        host_->PumpUntilIdle();
        EXPECT_EQ(host_->Answers().PendingFileDialogAnswers(), 0u);
        return shown_;
    }
    static std::string NotStored(const std::string& operation, const std::string& path) {
        return "Error: Data can not be stored !\n\n" + operation + ": '" + path + "'";
    }
    static std::vector<std::uint8_t> Bytes(const std::string& path) { return platform::ReadWholeFile(path).bytes; }

    testsupport::ModalAnswerer answerer_;
    std::vector<std::string> shown_;
    std::string folder_;
};

TEST_F(UnwritableFilesTest, SavingWhereAFileOrAFolderIsInTheWayNamesEveryFileNotStored) {
    Start();
    // A file where the folder should be, and folders where the files should be.
    ASSERT_TRUE(platform::WriteFileAtomic(folder_ + "blocked", std::string("not a folder")));
    for (const char* name : {"Grand.skt", "Liga.skm", "Liga.sks"}) fs::create_directories(folder_ + name + "/inside");
    const struct {
        int command;
        std::string path;
        std::vector<std::string> messages;
    } cases[] = {
        {ID_SAVE_GAME, folder_ + "blocked/Grand.skt", {NotStored("SaveFile", folder_ + "blocked/Grand.skt")}},
        {ID_SAVE_STORE, folder_ + "blocked/Liga.skm",
         {NotStored("SaveList", folder_ + "blocked/Liga.skm"), NotStored("SaveStore", folder_ + "blocked/Liga.sks")}},
        {ID_SAVE_GAME, folder_ + "Grand.skt", {NotStored("SaveFile", folder_ + "Grand.skt")}},
        {ID_SAVE_STORE, folder_ + "Liga.skm",
         {NotStored("SaveList", folder_ + "Liga.skm"), NotStored("SaveStore", folder_ + "Liga.sks")}},
    };
    const std::set<std::string> before = Entries(folder_);
    for (const auto& c : cases) {
        EXPECT_EQ(Command(c.command, c.path), c.messages) << c.path;
        // Nothing written, nothing half-written left, the file in the way as it was.
        EXPECT_EQ(Entries(folder_), before) << c.path;
        EXPECT_EQ(platform::ReadWholeFile(folder_ + "blocked").Text(), "not a folder") << c.path;
    }
}

TEST_F(UnwritableFilesTest, AWriteThatFailsPartWayLeavesThePreviousFilesByteForByte) {
    Start();
    const std::string list = folder_ + "Liga.skm", deals = folder_ + "Liga.sks";
    ASSERT_TRUE(Command(ID_SAVE_STORE, list).empty());
    const std::vector<std::uint8_t> listBefore = Bytes(list), dealsBefore = Bytes(deals);
    ASSERT_GE(listBefore.size(), 352u);
    ASSERT_EQ(dealsBefore.size(), 80u);
    const std::set<std::string> before = Entries(folder_);
    // The match read back: the next save writes both files whole (a save of what the program
    // wrote last and nobody changed would write nothing at all).
    ASSERT_TRUE(Command(ID_LOAD_MATCH, list).empty());
    {
        // Room for the start of each file only.
        FileSizeLimit limit(64);
        ASSERT_TRUE(limit.Active());
        EXPECT_EQ(Command(ID_SAVE_STORE, list), (std::vector<std::string>{NotStored("SaveList", list), NotStored("SaveStore", deals)}));
    }
    EXPECT_EQ(Bytes(list), listBefore);
    EXPECT_EQ(Bytes(deals), dealsBefore);
    EXPECT_EQ(Entries(folder_), before);
    // And they still load: the match comes back without a word.
    EXPECT_TRUE(Command(ID_LOAD_MATCH, list).empty());
}

TEST_F(UnwritableFilesTest, ATemporaryFileOfAKilledSaveDisturbsNeitherLoadingNorSaving) {
    Start();
    const std::string list = folder_ + "Liga.skm";
    ASSERT_TRUE(Command(ID_SAVE_STORE, list).empty());
    const std::vector<std::uint8_t> saved = Bytes(list);
    // What a save killed before its rename leaves: the start of a new image under a temporary name.
    const std::string leftover = list + ".k1LLd0";
    ASSERT_TRUE(platform::WriteFileAtomic(leftover, std::string("\x01\x02half a list", 13)));
    EXPECT_TRUE(Command(ID_LOAD_MATCH, list).empty());
    EXPECT_EQ(Bytes(list), saved);
    EXPECT_TRUE(Command(ID_SAVE_STORE, list).empty());
    EXPECT_EQ(Bytes(list), saved);
    EXPECT_EQ(platform::ReadWholeFile(leftover).Text(), std::string("\x01\x02half a list", 13));
}

TEST_F(UnwritableFilesTest, AMatchWhoseListCannotBeDeletedKeepsItsStoredDeals) {
    Start();
    // A folder under the list's name: it cannot be deleted as a file, so the deals stay too.
    fs::create_directories(folder_ + "Liga.skm/inside");
    ASSERT_TRUE(platform::WriteFileAtomic(folder_ + "Liga.sks", std::string(80, '\0')));
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Command(ID_DELETE_MATCH, folder_ + "Liga.skm");
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_TRUE(fs::is_directory(folder_ + "Liga.skm/inside"));
    EXPECT_EQ(Bytes(folder_ + "Liga.sks"), std::vector<std::uint8_t>(80, 0));
    // A list that goes takes its deals along.
    fs::remove_all(folder_ + "Liga.skm");
    ASSERT_TRUE(platform::WriteFileAtomic(folder_ + "Liga.skm", std::string(400, 'x')));
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Command(ID_DELETE_MATCH, folder_ + "Liga.skm");
    EXPECT_FALSE(fs::exists(folder_ + "Liga.skm"));
    EXPECT_FALSE(fs::exists(folder_ + "Liga.sks"));
}

}  // namespace

namespace {

// A file the person opens is theirs: when it cannot be used it is named (a game file too short for a
// deal is passed over without a word) and stays where it is, byte for byte, and nothing is written
// over it.
TEST_F(UnwritableFilesTest, AFileThePersonOpensIsNeverMovedAside) {
    Start();
    std::vector<std::uint8_t> badCards(128, 0);
    badCards[0] = 53;  // no card of the deck
    const struct {
        int command;
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> messages;
    } cases[] = {
        {ID_LOAD_MATCH, "Kurz.skm", std::vector<std::uint8_t>(100, 0x41),
         {"Error: Data can not be read !\n\nReadList: '" + folder_ + "Kurz.skm'"}},
        {ID_LOAD, "Falsch.skt", badCards,
         {"Error: File\n\n  '" + folder_ + "Falsch.skt'\n\nhas no valid skat-game format"}},
        {ID_LOAD, "Kurz.skt", std::vector<std::uint8_t>(127, 1), {}},
    };
    for (const auto& c : cases) {
        const std::string path = folder_ + c.name;
        ASSERT_TRUE(platform::WriteFileAtomic(path, c.bytes));
        const std::set<std::string> before = Entries(folder_);
        EXPECT_EQ(Command(c.command, path), c.messages) << c.name;
        EXPECT_EQ(Bytes(path), c.bytes) << c.name;
        EXPECT_EQ(Entries(folder_), before) << c.name;
    }
}

// Damaged copies of the program's own file: the newest is ".bad", the older ones follow it
// numbered, and the oldest goes once there are five.
TEST(DamagedCopiesTest, TheLastFewCopiesAreKeptTheOldestGoesFirst) {
    testsupport::TempFolder temp;
    const std::string path = temp.Folder() + "cards~.skm";
    for (int copy = 1; copy <= kDamagedCopies + 2; ++copy) {
        ASSERT_TRUE(platform::WriteFileAtomic(path, "damaged " + std::to_string(copy)));
        ASSERT_TRUE(MoveDamagedFileAside(path));
    }
    EXPECT_FALSE(platform::FileExists(path));
    const struct {
        const char* name;
        const char* text;
    } kept[] = {{"cards~.skm.bad", "damaged 7"},   {"cards~.skm.bad.1", "damaged 6"}, {"cards~.skm.bad.2", "damaged 5"},
                {"cards~.skm.bad.3", "damaged 4"}, {"cards~.skm.bad.4", "damaged 3"}};
    for (const auto& k : kept) EXPECT_EQ(platform::ReadWholeFile(temp.Folder() + k.name).Text(), k.text) << k.name;
    EXPECT_EQ(temp.Entries().size(), std::size(kept));
}

// What saves killed before their rename left in the work folder goes at the start; nothing else.
TEST_F(UnwritableFilesTest, StaleTemporaryFilesOfTheProgramGoAtTheStart) {
    const std::string work = temp_.Folder() + "data/kartovan/";
    fs::create_directories(work + "statistics2.Folder");
    const struct {
        const char* name;
        bool stays;
    } cases[] = {
        {"cards~.skm.Ab12Cd", false}, {"cards~.sks.000000", false}, {"cards~.skt.zzzzzz", false},
        {"temp~.skm.Q1w2E3", false},  {"statistics2.k1LLd0", false}, {"cards~.skm.bad", true},
        {"Liga.skm.Ab12Cd", true},    {"cards~.skm.Ab12C", true},    {"cards~.skm.Ab_2Cd", true},
        {"notes.txt", true},          {"cards~.skmXAb12Cd", true},
    };
    for (const auto& c : cases) ASSERT_TRUE(platform::WriteFileAtomic(work + c.name, std::string("x")));
    Start();
    for (const auto& c : cases) EXPECT_EQ(platform::FileExists(work + c.name), c.stays) << c.name;
    EXPECT_TRUE(fs::is_directory(work + "statistics2.Folder"));
}

}  // namespace

namespace {

// A match file handed to the program (a double click) that is there but cannot be read is named
// and left where it is; the program's own match goes on as it was.
TEST_F(UnwritableFilesTest, AMatchFileHandedOverThatCannotBeReadLeavesTheMatchAsItWas) {
    const std::string folder = temp_.Folder() + "given/";
    fs::create_directories(folder);
    const std::vector<std::uint8_t> damaged(100, 0x41);
    ASSERT_TRUE(platform::WriteFileAtomic(folder + "Kurz.skm", damaged));
    answerer_.answer = IDOK;
    host_->Answers().PushMessageBoxAnswer(IDOK);
    StartProgram("\"" + folder + "Kurz.skm\"");
    host_->PumpUntilIdle();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(Frame().Files().ListPath, temp_.Folder() + "data/kartovan/cards~.skm");
    app_.reset();
    EXPECT_EQ(Bytes(folder + "Kurz.skm"), damaged);
    EXPECT_FALSE(platform::FileExists(folder + "Kurz.skm.bad"));
    EXPECT_FALSE(platform::FileExists(folder + "Kurz.sks"));
}

}  // namespace

namespace {

// The statistics are stored by the close command, where a failure is still shown (40202); the
// frame going afterwards does not store them again.
TEST_F(UnwritableFilesTest, StatisticsThatCannotBeStoredAtTheCloseAreNamed) {
    Start();
    const std::string statistics = temp_.Folder() + "data/kartovan/statistics2";
    fs::remove(statistics);
    fs::create_directories(statistics + "/in the way");
    shown_.clear();
    Frame().SendMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_EQ(shown_, (std::vector<std::string>{NotStored("SaveData", statistics)}));
    app_.reset();
    EXPECT_TRUE(fs::is_directory(statistics + "/in the way"));
}

}  // namespace
