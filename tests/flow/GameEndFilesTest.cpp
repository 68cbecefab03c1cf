// What a game end leaves on disk, through demonstration games of the whole program: the stored
// deals, the match list and the statistics after every game, the list and the deals changed in
// place; and a run killed at any step of a game end (or between games) leaves files from which the
// next start finds every game finished before the kill, the statistics of the finished games, and
// no deal without its game.
#include "DemoMatch.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"
#include "match/GameList.h"
#include "match/MatchListFile.h"
#include "match/Statistics.h"
#include "match/StoreRows.h"
#include "match/StoredDealFile.h"
#include "match/Profile.h"
#include "model/Trace.h"
#include "platform/core/FileIo.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::int32_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    if (at + 4 > bytes.size()) return -1;
    return static_cast<std::int32_t>(std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                                     std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24);
}

// The deals counted in the all-time card table: one per finished game.
constexpr std::size_t kAllTimeDeals = 2656;

TEST(GameEndFilesTest, EveryGameEndLeavesTheFilesAsTheProgramHoldsThemWrittenInPlace) {
    testsupport::ResetProgramGlobals();
    DemoMatchOptions options;
    options.games = 12;
    options.seed = 31;
    long finished = 0;
    std::optional<platform::FileStamp> firstList, firstStore;
    options.line = [&](const std::string&) {
        ++finished;
        const std::string work = g_Profile.Work;
        const std::optional<MatchListRecord> list = DecodeMatchList(platform::ReadWholeFile(work + "cards~.skm").bytes);
        ASSERT_TRUE(list.has_value()) << finished;
        ASSERT_EQ(static_cast<long>(list->Games.size()), finished);
        for (long game = 0; game < finished; ++game)
            EXPECT_EQ(list->Games[static_cast<std::size_t>(game)].TextString(),
                      g_GameList.Games[static_cast<std::size_t>(game)].TextString());
        EXPECT_EQ(list->Header.Bytes, g_GameList.Header.Bytes) << finished;
        EXPECT_TRUE(list->Settings.has_value()) << finished;
        const std::vector<std::uint8_t> deals = platform::ReadWholeFile(work + "cards~.sks").bytes;
        EXPECT_EQ(deals, EncodeStoredDeals(g_StoreRows, g_Game.StoreCount)) << finished;
        EXPECT_EQ(StoreRecords(*DecodeStoredDeals(deals)), finished);
        ASSERT_TRUE(g_pStatistics);
        EXPECT_EQ(platform::ReadWholeFile(work + "statistics2").bytes, EncodeStatistics(*g_pStatistics)) << finished;
        // From the second game on the two files are the same files, changed where they grew.
        const auto list_ = platform::StampOf(work + "cards~.skm");
        const auto store = platform::StampOf(work + "cards~.sks");
        ASSERT_TRUE(list_ && store);
        if (finished == 1) {
            firstList = list_;
            firstStore = store;
        } else {
            EXPECT_EQ(list_->inode, firstList->inode) << finished;
            EXPECT_EQ(store->inode, firstStore->inode) << finished;
        }
    };
    const DemoMatchResult result = PlayDemoMatch(options);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(finished, 12);
    testsupport::ResetProgramGlobals();
}

// Each game end writes every file it changed (the statistics and the game file replaced, the list
// and the deals grown in place); the frame's end, which finds nothing changed since, and saving the
// same deal again write nothing: the files stay the very files, and still hold what the program holds.
TEST(GameEndFilesTest, AGameEndWritesWhatChangedAndASaveOfTheSameBytesWritesNothing) {
    testsupport::ResetProgramGlobals();
    const char* const names[] = {"statistics2", "cards~.skm", "cards~.sks", "cards~.skt"};
    using Stamps = std::array<std::optional<platform::FileStamp>, 4>;
    const auto stampsNow = [&] {
        Stamps stamps;
        for (std::size_t i = 0; i < stamps.size(); ++i) stamps[i] = platform::StampOf(g_Profile.Work + names[i]);
        return stamps;
    };
    DemoMatchOptions options;
    options.games = 4;
    options.seed = 17;
    CMainFrame* frame = nullptr;
    options.started = [&](CMainFrame& started) { frame = &started; };
    long finished = 0;
    Stamps last;
    options.line = [&](const std::string&) {
        ++finished;
        ASSERT_NE(frame, nullptr);
        const Stamps stamps = stampsNow();
        for (std::size_t i = 0; i < stamps.size(); ++i) {
            SCOPED_TRACE(std::string(names[i]) + " after game " + std::to_string(finished));
            ASSERT_TRUE(stamps[i]);
            if (finished > 1) {
                EXPECT_NE(stamps[i], last[i]);
            }
        }
        last = stamps;
        if (finished < options.games) return;
        // The frame's end and the deal saved again: nothing new for any file.
        frame->MatchFiles().SaveAtFrameEnd();
        frame->MatchFiles().SaveFile(frame->Files().GamePath, 0);
        EXPECT_EQ(stampsNow(), last);
        const std::string work = g_Profile.Work;
        EXPECT_EQ(platform::ReadWholeFile(work + "statistics2").bytes, EncodeStatistics(*g_pStatistics));
        EXPECT_EQ(platform::ReadWholeFile(work + "cards~.sks").bytes, EncodeStoredDeals(g_StoreRows, g_Game.StoreCount));
        const std::optional<MatchListRecord> list = DecodeMatchList(platform::ReadWholeFile(work + "cards~.skm").bytes);
        ASSERT_TRUE(list.has_value());
        EXPECT_EQ(static_cast<long>(list->Games.size()), finished);
        EXPECT_EQ(list->Header.Bytes, g_GameList.Header.Bytes);
    };
    const DemoMatchResult result = PlayDemoMatch(options);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(finished, 4);
    testsupport::ResetProgramGlobals();
}

// The child's run: where it kills itself and what it had finished by then.
std::string g_KillBefore;
bool g_Armed = false;
std::string g_NotePath;

void KillOnLine(const std::string& text, unsigned) {
    if (g_Armed && text.rfind(g_KillBefore, 0) == 0) ::raise(SIGKILL);
}

// The deals counted in the all-time card table of the statistics file; none without the file.
int CountedDeals(const std::string& work) {
    const std::vector<std::uint8_t> bytes = platform::ReadWholeFile(work + "statistics2").bytes;
    return bytes.empty() ? 0 : Word(bytes, kAllTimeDeals);
}

class GameEndKillTest : public testsupport::FrameFixture {
protected:
    // Plays demonstration games of a new match in a child process that kills itself before the step
    // `line` of the end of game `game` (or, with an empty line, once that game is written); its
    // work folder becomes ours. Returns the deals counted in the statistics of the last game
    // finished whole (0 when none was).
    int PlayAndKill(const std::string& line, int game) {
        const std::string runs = temp_.Folder() + "runs";
        std::filesystem::remove_all(runs);
        std::filesystem::create_directories(runs);
        const std::string note = temp_.Folder() + "note";
        std::filesystem::remove(note);
        const pid_t child = ::fork();
        if (child == 0) {
            // The run brings its own host and settings.
            host_.reset();
            ResetGlobals();
            ::setenv("TMPDIR", runs.c_str(), 1);
            g_KillBefore = line;
            g_NotePath = note;
            DemoMatchOptions options;
            options.games = 10;
            options.seed = 5;
            int finished = 0;
            // Armed once the game is dealt and under way (an all-passed one too): the steps of the
            // match's own start come before.
            const auto arm = [&] {
                const bool underWay = g_Game.FlowState >= STATE_START && g_Game.FlowState <= STATE_PLAY;
                if (g_Armed || line.empty() || finished != game - 1 || !underWay) return;
                g_Armed = true;
                SetTraceSink({[] { return true; }, &KillOnLine});
            };
            options.betweenMessages = arm;
            options.line = [&](const std::string&) {
                ++finished;
                std::ofstream(g_NotePath) << Word(EncodeStatistics(*g_pStatistics), kAllTimeDeals) << "\n";
                if (finished == game && line.empty()) ::raise(SIGKILL);
            };
            PlayDemoMatch(options);
            ::_exit(3);
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << line;
        // The child's work folder (the one folder of its run) becomes the program's.
        std::vector<std::filesystem::path> made;
        for (const auto& entry : std::filesystem::directory_iterator(runs)) made.push_back(entry.path());
        EXPECT_EQ(made.size(), 1u);
        if (made.empty()) return -1;
        std::filesystem::create_directories(temp_.Folder() + "data");
        std::filesystem::rename(made.front() / "data/kartovan", temp_.Folder() + "data/kartovan");
        int counted = 0;
        std::ifstream(note) >> counted;
        return counted;
    }
};

TEST_F(GameEndKillTest, AKillAtAnyStepOfAGameEndLosesAtMostThatGame) {
    const struct {
        int game;            // the game whose end is cut short: a new match's first, or its third
        const char* before;  // the step the kill comes before
        int listed;          // the games the list holds afterwards
        int deals;           // the deals the store file holds
    } cases[] = {
        {1, ":SaveStore(", 0, 0},
        // The deal is written and there is no list yet: the deal goes at the start.
        {1, ":SaveList(", 0, 1},
        {1, ":SaveStatistics(", 1, 1},
        {1, "", 1, 1},
        {3, ":SaveStore(", 2, 2},
        // The deal is written, its row not: the deal goes at the start.
        {3, ":SaveList(", 2, 3},
        {3, ":SaveStatistics(", 3, 3},
        {3, "", 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.game) + " " + c.before);
        std::filesystem::remove_all(temp_.Folder() + "data");
        const int counted = PlayAndKill(c.before, c.game);
        const std::string work = temp_.Folder() + "data/kartovan/";
        // A match with no game ended whole may have no list yet.
        int listed = 0;
        if (platform::FileExists(work + "cards~.skm")) {
            const std::optional<MatchListRecord> list =
                DecodeMatchList(platform::ReadWholeFile(work + "cards~.skm").bytes);
            ASSERT_TRUE(list.has_value());
            listed = static_cast<int>(list->Games.size());
        }
        EXPECT_EQ(listed, c.listed);
        int stored = 0;
        if (platform::FileExists(work + "cards~.sks")) {
            const std::optional<CStoreRows> deals =
                DecodeStoredDeals(platform::ReadWholeFile(work + "cards~.sks").bytes);
            ASSERT_TRUE(deals.has_value());
            stored = StoreRecords(*deals);
        }
        EXPECT_EQ(stored, c.deals);
        // The statistics of every game finished whole survive the kill.
        const int finishedWhole = c.before[0] == '\0' ? c.game : c.game - 1;
        EXPECT_EQ(counted, finishedWhole);
        EXPECT_EQ(CountedDeals(work), counted);
        // The next start holds every listed game and a deal for each, none beyond.
        StartProgram();
        EXPECT_EQ(g_Game.GameCount, c.listed);
        EXPECT_EQ(g_Game.StoreCount, c.listed);
        if (c.listed > 0) {
            EXPECT_EQ(g_StoreRows.DealWord(g_Game.StoreCount, DEAL_GAME), c.listed);
        }
        app_.reset();
        host_.reset();
        ResetGlobals();
        host_ = std::make_unique<platform::HeadlessHost>();
    }
}

}  // namespace
