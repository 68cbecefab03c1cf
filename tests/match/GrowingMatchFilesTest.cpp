// A match that grows game by game on disk: the list gets its new rows, the changed header words and
// the trailer in place, the stored deals their new deal; every write stays the same size however
// long the match, a very long match reads back whole, and a write cut off at any byte (a kill, a
// full disk) leaves files that read back every game finished before it and nothing else.
#include "match/MatchListFile.h"
#include "match/StoredDealFile.h"

#include "platform/core/FileIo.h"
#include "platform/FileTestSupport.h"
#include "support/MatchListEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::FileStep;
using testsupport::EncodeMatchList;

// A game row that tells its game apart from every other.
ListRecord Row(std::size_t game) {
    ListRecord row;
    row.Marks[game % 3] = 1;
    row.Score = static_cast<std::int32_t>(game % 2000) - 1000;
    const std::string text = "G" + std::to_string(game);
    std::memcpy(row.Text, text.data(), text.size());
    row.Forehand = static_cast<std::int32_t>(game % 3);
    return row;
}

ListSettings Trailer(const std::string& name) {
    ListSettings settings;
    settings.Words[0] = static_cast<std::int32_t>(kListSettingsMagic);
    settings.Words[1] = 0x05080000;
    for (std::size_t word = 2; word < kListSettingsWords; ++word) settings.Words[word] = static_cast<std::int32_t>(word);
    settings.Strings = {name, "Computer2", "Person", "/bilder/links.bmp", "", "/bilder/ich.bmp", ""};
    return settings;
}

// The header a game end leaves: the seat counters and balances follow the games.
ListHeader Header(std::size_t games) {
    ListHeader header;
    header.SetText(0, 56, "Spielliste\nScore Sheet");
    header.SetInt(80, 1);
    header.SetInt(84, 1);
    for (int seat = 0; seat < 3; ++seat) {
        header.SetInt(120 + 44 * seat, static_cast<std::int32_t>((games + static_cast<std::size_t>(seat)) / 3));
        header.SetInt(324 + 4 * seat, 501 - static_cast<std::int32_t>(games));
    }
    return header;
}

void Apply(std::vector<std::uint8_t>& file, const FileStep& step, std::size_t bytes) {
    if (step.kind == FileStep::Cut) {
        file.resize(step.offset);
        return;
    }
    if (file.size() < step.offset + bytes) file.resize(step.offset + bytes, 0);
    std::copy_n(step.bytes.begin(), bytes, file.begin() + static_cast<std::ptrdiff_t>(step.offset));
}

std::size_t StepBytes(const std::vector<FileStep>& steps) {
    std::size_t total = 0;
    for (const FileStep& step : steps) total += step.bytes.size();
    return total;
}

// A list file as a match leaves it game after game, and what it held when written.
struct ListOnDisk {
    std::vector<std::uint8_t> file;
    std::vector<ListRecord> games;
    ListHeader header;
    std::size_t written = 0;

    void Start() {
        header = Header(0);
        MatchListRecord record{header, {}, Trailer("Computer1")};
        file = EncodeMatchList(record);
    }
    std::vector<FileStep> NextGame(const std::string& name = "Computer1") {
        games.push_back(Row(games.size() + 1));
        const ListHeader next = Header(games.size());
        const std::vector<FileStep> steps =
            ListAppendSteps(header, written, next, games, EncodeListSettings(Trailer(name)));
        header = next;
        written = games.size();
        return steps;
    }
};

void ExpectGames(const std::optional<MatchListRecord>& read, const std::vector<ListRecord>& games, std::size_t least,
                 const std::string& where) {
    ASSERT_TRUE(read.has_value()) << where;
    ASSERT_GE(read->Games.size(), least) << where;
    ASSERT_LE(read->Games.size(), games.size()) << where;
    for (std::size_t game = 0; game < read->Games.size(); ++game) {
        EXPECT_EQ(read->Games[game].Score, games[game].Score) << where << " game " << game + 1;
        EXPECT_EQ(read->Games[game].TextString(), games[game].TextString()) << where << " game " << game + 1;
        EXPECT_EQ(read->Games[game].Forehand, games[game].Forehand) << where << " game " << game + 1;
    }
}

// The stored deals as a match leaves them: deal k holds its game number and cards of its own.
struct DealsOnDisk {
    CStoreRows rows;
    std::vector<std::uint8_t> file;

    void Start() {
        rows.Reset("Kartenzuordnung\nCards Assignment");
        file = EncodeStoredDeals(rows, 0);
        rows.Unchanged = file.size();
    }
    std::optional<std::vector<FileStep>> NextDeal(int deal) {
        rows.Bytes.resize(std::min(rows.Bytes.size(), StoredDealsFileBytes(rows, deal - 1)));
        rows.Unchanged = std::min(rows.Unchanged, rows.Bytes.size());
        rows.Bytes.resize(kStoreHeaderBytes + static_cast<std::size_t>(deal) * kStoreDealBytes, 0);
        rows.SetDealWord(deal, DEAL_GAME, deal);
        for (int word = DEAL_SKAT; word < kStoreDealWords; ++word) rows.SetDealWord(deal, word, (deal + word) % 32 + 1);
        auto steps = StoredDealAppendSteps(rows, deal, file.size());
        if (steps) rows.Unchanged = StoredDealsFileBytes(rows, deal);
        return steps;
    }
    // The next deal written whole into the file.
    void Grow(int deal) {
        const auto steps = NextDeal(deal);
        ASSERT_TRUE(steps.has_value()) << deal;
        for (const FileStep& step : *steps) Apply(file, step, step.bytes.size());
    }
};

TEST(GrowingMatchFilesTest, AMatchOfThirtyThousandGamesWrittenGameByGameReadsBackWhole) {
    constexpr int kGames = 30000;
    ListOnDisk list;
    DealsOnDisk deals;
    list.Start();
    deals.Start();
    std::size_t listWriteAt100 = 0, dealWriteAt100 = 0;
    for (int game = 1; game <= kGames; ++game) {
        const auto dealSteps = deals.NextDeal(game);
        ASSERT_TRUE(dealSteps.has_value()) << "deal " << game;
        for (const FileStep& step : *dealSteps) Apply(deals.file, step, step.bytes.size());
        const std::vector<FileStep> listSteps = list.NextGame();
        for (const FileStep& step : listSteps) Apply(list.file, step, step.bytes.size());
        // What a game end writes does not grow with the match.
        if (game == 100) {
            listWriteAt100 = StepBytes(listSteps);
            dealWriteAt100 = StepBytes(*dealSteps);
        }
        if (game == 20000) {
            EXPECT_EQ(StepBytes(listSteps), listWriteAt100);
            EXPECT_EQ(StepBytes(*dealSteps), dealWriteAt100);
            EXPECT_EQ(dealWriteAt100, kStoreDealBytes);
        }
    }
    const std::optional<MatchListRecord> read = DecodeMatchList(list.file);
    ExpectGames(read, list.games, kGames, "the whole match");
    ASSERT_TRUE(read->Settings.has_value());
    EXPECT_EQ(*read->Settings, Trailer("Computer1"));
    EXPECT_EQ(read->Header.Int(324), 501 - kGames);
    // The file is byte for byte what writing the match whole gives.
    EXPECT_EQ(list.file, EncodeMatchList({list.header, list.games, Trailer("Computer1")}));
    const std::optional<CStoreRows> stored = DecodeStoredDeals(deals.file);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(StoreRecords(*stored), kGames);
    EXPECT_EQ(stored->Bytes, deals.rows.Bytes);
}

// The longest list and store the program writes are read back; a longer one the writer never makes.
TEST(GrowingMatchFilesTest, TheReadersTakeTheLongestFilesTheWritersGive) {
    std::vector<ListRecord> games(kMaxListGames, Row(7));
    ListSettings settings = Trailer(std::string(300, 'n'));
    for (std::size_t i = 3; i < kListSettingsStrings; ++i) settings.Strings[i] = "/" + std::string(600, 'p');
    const std::vector<std::uint8_t> longest = EncodeMatchList({Header(kMaxListGames), games, settings});
    EXPECT_LE(longest.size(), kMatchListCap);
    const std::optional<MatchListRecord> read = DecodeMatchList(longest);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Games.size(), kMaxListGames);
    ASSERT_TRUE(read->Settings.has_value());
    // The texts are cut to what the reader keeps, so what was written reads back the same.
    EXPECT_EQ(EncodeListSettings(*read->Settings), EncodeListSettings(settings));
    CStoreRows rows;
    rows.Bytes.assign(kStoredDealCap, 1);
    const std::vector<std::uint8_t> store = EncodeStoredDeals(rows, static_cast<int>(kMaxStoredDeals));
    EXPECT_EQ(store.size(), kStoredDealCap);
    ASSERT_TRUE(DecodeStoredDeals(store).has_value());
    EXPECT_EQ(StoreRecords(*DecodeStoredDeals(store)), static_cast<int>(kMaxStoredDeals));
}

// A game end cut off after any step and at any byte of the step under way: the list reads back the
// games before it, perhaps the new one, and never a part of the old trailer as a game.
TEST(GrowingMatchFilesTest, AListCutAtAnyByteOfAnyStepReadsBackEveryFinishedGame) {
    const struct {
        int games;            // the games before the one being written
        const char* newName;  // the trailer's first name after it (a changed trailer changes its length)
    } cases[] = {
        {0, "Computer1"}, {1, "Computer1"}, {2, "Jürgen"}, {57, "J"}, {58, "a much longer name"},
    };
    for (const auto& c : cases) {
        ListOnDisk list;
        list.Start();
        for (int game = 0; game < c.games; ++game)
            for (const FileStep& step : list.NextGame()) Apply(list.file, step, step.bytes.size());
        const std::vector<std::uint8_t> before = list.file;
        const std::vector<FileStep> steps = list.NextGame(c.newName);
        ASSERT_GE(steps.size(), 2u);
        for (std::size_t done = 0; done < steps.size(); ++done) {
            const std::size_t length = steps[done].kind == FileStep::Cut ? 0 : steps[done].bytes.size();
            for (std::size_t cut = 0; cut <= length; ++cut) {
                std::vector<std::uint8_t> file = before;
                for (std::size_t step = 0; step < done; ++step) Apply(file, steps[step], steps[step].bytes.size());
                Apply(file, steps[done], cut);
                const std::string where = std::to_string(c.games) + " games, step " + std::to_string(done) + " cut at " +
                                          std::to_string(cut);
                ExpectGames(DecodeMatchList(file), list.games, static_cast<std::size_t>(c.games), where);
                if (::testing::Test::HasFailure()) return;
            }
        }
        std::vector<std::uint8_t> file = before;
        for (const FileStep& step : steps) Apply(file, step, step.bytes.size());
        EXPECT_EQ(file, EncodeMatchList({list.header, list.games, Trailer(c.newName)})) << c.games << " games";
    }
}

TEST(GrowingMatchFilesTest, StoredDealsCutAtAnyByteReadBackEveryFinishedDeal) {
    for (int deals : {0, 1, 2, 40}) {
        DealsOnDisk store;
        store.Start();
        for (int deal = 1; deal <= deals; ++deal) store.Grow(deal);
        const std::vector<std::uint8_t> before = store.file;
        const auto steps = store.NextDeal(deals + 1);
        ASSERT_TRUE(steps.has_value());
        ASSERT_EQ(steps->size(), 1u);
        for (std::size_t cut = 0; cut <= steps->front().bytes.size(); ++cut) {
            std::vector<std::uint8_t> file = before;
            Apply(file, steps->front(), cut);
            const std::optional<CStoreRows> read = DecodeStoredDeals(file);
            ASSERT_TRUE(read.has_value()) << deals << " deals, cut at " << cut;
            const int held = StoreRecords(*read);
            EXPECT_TRUE(held == deals || (held == deals + 1 && cut == steps->front().bytes.size()))
                << deals << " deals, cut at " << cut << ": " << held;
            for (int deal = 1; deal <= held; ++deal)
                for (int word = DEAL_GAME; word < kStoreDealWords; ++word)
                    EXPECT_EQ(read->DealWord(deal, word), store.rows.DealWord(deal, word)) << deal;
        }
    }
}

// Only a pure append goes in place: a change reaching into a deal the file holds, a changed title,
// a store that shrank or a file of another shape is written whole.
TEST(GrowingMatchFilesTest, StoredDealsGoInPlaceOnlyWhenNothingTheFileHoldsChanged) {
    DealsOnDisk store;
    store.Start();
    for (int deal = 1; deal <= 3; ++deal) store.Grow(deal);
    const CStoreRows kept = store.rows;
    const struct {
        const char* name;
        void (*change)(CStoreRows&);
        int deals;
        std::uint64_t fileBytes;
        bool inPlace;
    } cases[] = {
        {"nothing changed", [](CStoreRows&) {}, 3, 520, true},
        {"a resorted deal", [](CStoreRows& rows) { rows.SetDealWord(2, DEAL_SKAT, 9); }, 3, 520, false},
        {"a new title", [](CStoreRows& rows) { rows.SetTitle("Ablage"); }, 3, 520, false},
        {"fewer deals", [](CStoreRows&) {}, 2, 520, false},
        {"a file cut short", [](CStoreRows&) {}, 3, 500, false},
    };
    for (const auto& c : cases) {
        CStoreRows rows = kept;
        c.change(rows);
        const auto steps = StoredDealAppendSteps(rows, c.deals, c.fileBytes);
        EXPECT_EQ(steps.has_value(), c.inPlace) << c.name;
        if (steps) {
            EXPECT_TRUE(steps->empty()) << c.name;
        }
    }
}

// Cut by a real failing write (a full disk) and by the process killed between the steps: the
// real file on disk reads back every finished game.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    bool Active() const { return active_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
    bool active_ = false;
};

TEST(GrowingMatchFilesTest, AListOnDiskCutByAFullDiskOrAKillReadsBackEveryFinishedGame) {
    testsupport::TempFolder temp;
    const std::string path = temp.Folder() + "cards~.skm";
    ListOnDisk list;
    list.Start();
    for (int game = 0; game < 5; ++game)
        for (const FileStep& step : list.NextGame()) Apply(list.file, step, step.bytes.size());
    const std::vector<std::uint8_t> before = list.file;
    const std::vector<FileStep> steps = list.NextGame("a name that grows the trailer");
    const auto restart = [&] {
        EXPECT_TRUE(platform::WriteFileAtomic(path, before));
        return *platform::StampOf(path);
    };
    // A write that fails part of the way: room for the file up to each of these lengths, from the
    // rows alone to all but the last byte of the new trailer.
    std::vector<std::uint8_t> whole = before;
    for (const FileStep& step : steps) Apply(whole, step, step.bytes.size());
    const rlim_t rowsEnd = 352 + 5 * 44;
    for (rlim_t room : {rowsEnd, rowsEnd + 20, rowsEnd + 44, rowsEnd + 50, static_cast<rlim_t>(whole.size() - 1)}) {
        const platform::FileStamp stamp = restart();
        platform::FileStamp after;
        {
            FileSizeLimit limit(room);
            ASSERT_TRUE(limit.Active());
            EXPECT_FALSE(platform::UpdateFileInPlace(path, stamp, steps, after)) << room;
        }
        ExpectGames(DecodeMatchList(platform::ReadWholeFile(path).bytes), list.games, 5, "room " + std::to_string(room));
    }
    // The process killed after each step.
    for (std::size_t done = 0; done <= steps.size(); ++done) {
        const platform::FileStamp stamp = restart();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            platform::FileStamp after;
            (void)platform::UpdateFileInPlace(path, stamp, std::span(steps).first(done), after);
            ::raise(SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        ExpectGames(DecodeMatchList(platform::ReadWholeFile(path).bytes), list.games, done == steps.size() ? 6 : 5,
                    "killed after step " + std::to_string(done));
    }
}

// The file changed by anyone else since the program wrote it: nothing is written in place.
TEST(GrowingMatchFilesTest, AFileChangedSinceItWasWrittenIsNotChangedInPlace) {
    testsupport::TempFolder temp;
    const std::string path = temp.Folder() + "cards~.sks";
    ASSERT_TRUE(platform::WriteFileAtomic(path, std::string(80, 'a')));
    const platform::FileStamp stamp = *platform::StampOf(path);
    const std::vector<FileStep> steps = {{FileStep::Write, 80, std::vector<std::uint8_t>(160, 'b')}};
    const struct {
        const char* name;
        std::string content;
    } cases[] = {{"replaced", std::string(80, 'c')}, {"grown", std::string(240, 'a')}};
    for (const auto& c : cases) {
        ASSERT_TRUE(platform::WriteFileAtomic(path, c.content));
        platform::FileStamp after;
        EXPECT_FALSE(platform::UpdateFileInPlace(path, stamp, steps, after)) << c.name;
        EXPECT_EQ(platform::ReadWholeFile(path).Text(), c.content) << c.name;
    }
}

}  // namespace
