// The file formats' readers and writers on large inputs, and counting a game in the statistics.
#include "match/GameFile.h"
#include "match/MatchListFile.h"
#include "match/Statistics.h"
#include "match/StatisticsCounting.h"
#include "match/StoredDealFile.h"
#include "tests/support/MatchListEncoding.h"

#include "platform/core/FileIo.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include <cstring>

namespace {

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) {
    if (bytes.size() < at + 4) bytes.resize(at + 4, 0);
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// A list of 1,000 games with its trailer.
std::vector<std::uint8_t> ThousandGameList() {
    std::vector<std::uint8_t> bytes(352, 0);
    Put(bytes, 80, 1);
    Put(bytes, 84, 1);
    for (int game = 0; game < 1000; ++game) {
        const std::size_t at = 352 + 44 * static_cast<std::size_t>(game);
        Put(bytes, at, game % 3 == 0 ? 1 : -1);
        Put(bytes, at + 4, game % 3 == 1 ? 1 : -1);
        Put(bytes, at + 8, game % 3 == 2 ? 1 : -1);
        Put(bytes, at + 12, game * 7 - 3000);
        std::memcpy(bytes.data() + at + 16, "Kr Hand Schneider", 17);
        Put(bytes, at + 40, game % 3);
    }
    const std::size_t trailer = bytes.size();
    Put(bytes, trailer, static_cast<std::int32_t>(kListSettingsMagic));
    bytes.resize(trailer + 372, 0);
    for (const char* text : {"Anna", "Bert", "Carla", "/a.bmp", "/b.bmp", "/c.bmp", "/d.bmp"}) {
        bytes.insert(bytes.end(), text, text + std::strlen(text));
        bytes.push_back(0);
    }
    return bytes;
}

constexpr int kDeck[32] = {1,  7,  8,  9,  10, 11, 12, 13, 14, 20, 21, 22, 23, 24, 25, 26,
                           27, 33, 34, 35, 36, 37, 38, 39, 40, 46, 47, 48, 49, 50, 51, 52};

std::vector<std::uint8_t> FinishedGame() {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 32; ++i) Put(bytes, 4 * static_cast<std::size_t>(i), kDeck[i]);
    for (int i = 0; i < 30; ++i) Put(bytes, 128 + 4 * static_cast<std::size_t>(i), kDeck[i]);
    Put(bytes, 248, 51);
    Put(bytes, 252, 52);
    Put(bytes, 256, 1001);
    Put(bytes, 340, 1);
    Put(bytes, 344, 3);
    bytes.resize(528, 0);
    const char note[] = "Ein schoenes Spiel.";
    bytes.insert(bytes.end(), note, note + sizeof note - 1);
    return bytes;
}

std::vector<std::uint8_t> ThousandDeals() {
    std::vector<std::uint8_t> bytes(40, 0);
    for (int deal = 0; deal < 1000; ++deal) {
        const std::size_t at = 40 + 160 * static_cast<std::size_t>(deal);
        bytes.resize(at + 160, 0);
        for (int word = 8; word < 40; ++word) Put(bytes, at + 4 * static_cast<std::size_t>(word), kDeck[(word + deal) % 32]);
    }
    return bytes;
}

void BM_MatchListRead(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = ThousandGameList();
    for (auto _ : state) benchmark::DoNotOptimize(DecodeMatchList(bytes));
}
BENCHMARK(BM_MatchListRead)->Unit(benchmark::kMicrosecond);

void BM_MatchListWrite(benchmark::State& state) {
    const auto record = DecodeMatchList(ThousandGameList());
    for (auto _ : state) benchmark::DoNotOptimize(testsupport::EncodeMatchList(*record));
}
BENCHMARK(BM_MatchListWrite)->Unit(benchmark::kMicrosecond);

void BM_GameFileRead(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = FinishedGame();
    for (auto _ : state) benchmark::DoNotOptimize(DecodeGameFile(bytes));
}
BENCHMARK(BM_GameFileRead)->Unit(benchmark::kMicrosecond);

void BM_GameFileWrite(benchmark::State& state) {
    const GameFileDecoded decoded = DecodeGameFile(FinishedGame());
    for (auto _ : state) benchmark::DoNotOptimize(EncodeGameFile(*decoded.Record));
}
BENCHMARK(BM_GameFileWrite)->Unit(benchmark::kMicrosecond);

void BM_StoredDealsReadWrite(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = ThousandDeals();
    for (auto _ : state) {
        const auto rows = DecodeStoredDeals(bytes);
        benchmark::DoNotOptimize(EncodeStoredDeals(*rows, 1000));
    }
}
BENCHMARK(BM_StoredDealsReadWrite)->Unit(benchmark::kMicrosecond);

void BM_StatisticsReadWrite(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes(4200, 1);
    for (auto _ : state) benchmark::DoNotOptimize(EncodeStatistics(DecodeStatistics(bytes)));
}
BENCHMARK(BM_StatisticsReadWrite)->Unit(benchmark::kMicrosecond);

void BM_CountAGame(benchmark::State& state) {
    CStatisticsBlock block;
    StatisticsGame game;
    game.GameType = 6;
    game.Soloist = 1;
    game.KontraState = 4;
    game.KontraSeat = 0;
    game.PartyPoints[0] = 95;
    for (auto _ : state) {
        CountFinishedGame(block, game, 144);
        benchmark::DoNotOptimize(block);
    }
}
BENCHMARK(BM_CountAGame)->Unit(benchmark::kNanosecond);

// A game end of a match of state.range(0) games on a real file: the new stored deal and the new
// list row with the changed header words and the trailer, each written in place with its fsync.
// Its cost does not depend on how long the match is (compare the two arguments).
void BM_GameEndWrites(benchmark::State& state) {
    const std::size_t games = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kartovan-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string listPath = (folder / "cards~.skm").string(), dealsPath = (folder / "cards~.sks").string();
    ListHeader header;
    std::vector<ListRecord> rows(games);
    ListSettings settings;
    settings.Words[0] = static_cast<std::int32_t>(kListSettingsMagic);
    settings.Strings = {"Anna", "Bert", "Carla", "/a.bmp", "", "/c.bmp", ""};
    const std::vector<std::uint8_t> trailer = EncodeListSettings(settings);
    platform::WriteFileAtomic(listPath, testsupport::EncodeMatchList({header, rows, settings}));
    CStoreRows deals;
    deals.Bytes.assign(40 + 160 * games, 7);
    platform::WriteFileAtomic(dealsPath, deals.Bytes);
    deals.Unchanged = deals.Bytes.size();
    platform::FileStamp listStamp = *platform::StampOf(listPath), dealsStamp = *platform::StampOf(dealsPath);
    for (auto _ : state) {
        // The next game: its deal, its row, the balances in the header.
        deals.Bytes.resize(deals.Bytes.size() + 160, 9);
        const auto dealSteps = StoredDealAppendSteps(deals, static_cast<int>(rows.size() + 1), dealsStamp.size);
        platform::UpdateFileInPlace(dealsPath, dealsStamp, *dealSteps, dealsStamp);
        deals.Unchanged = deals.Bytes.size();
        const ListHeader written = header;
        rows.push_back(ListRecord());
        header.SetInt(324, 501 - static_cast<std::int32_t>(rows.size()));
        const auto listSteps = ListAppendSteps(written, rows.size() - 1, header, rows, trailer);
        platform::UpdateFileInPlace(listPath, listStamp, listSteps, listStamp);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_GameEndWrites)->Arg(100)->Arg(20000)->Iterations(200)->Unit(benchmark::kMicrosecond);

}  // namespace
