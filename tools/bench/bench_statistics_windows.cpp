// Speed of the statistics windows' painters: the card grid and the game chart drawn whole on the
// recording surface from a filled statistics block.
#include "match/Statistics.h"
#include "platform/core/Resources.h"
#include "platform/headless/RecordingDC.h"
#include "resources/Editions.h"
#include "windows/CardStatistics.h"
#include "windows/GameStatistics.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Every table, count and counter set, so that every cell draws its numbers and tint.
void FillBlock() {
    g_pStatistics = std::make_unique<CStatisticsBlock>();
    CStatisticsBlock& block = *g_pStatistics;
    for (std::size_t w = 2; w < 662; ++w) block.Words[w] = static_cast<std::int32_t>(w % 37);
    block.CardView() = 1;
    for (int table = 0; table < kCardTables; ++table) {
        block.CardCount(table) = 1000;
        for (int holder = 0; holder < kCardRows; ++holder)
            for (int card = 0; card < kCardColumns; ++card) block.CardCounter(table, holder, card) = 100 + 7 * card + holder;
    }
}

void BM_CardStatisticsGrid(benchmark::State& state) {
    platform::SetResources(&EnglishResources());
    FillBlock();
    CCardStatistics window;
    for (auto _ : state) {
        platform::RecordingDC dc(platform::Size{458, CCardStatistics::kSheetHeight});
        window.PaintGrid(dc, 0, 0);
        benchmark::DoNotOptimize(dc.Records().size());
    }
    g_pStatistics.reset();
    platform::SetResources(nullptr);
}
BENCHMARK(BM_CardStatisticsGrid)->Unit(benchmark::kMicrosecond);

void BM_GameStatisticsChart(benchmark::State& state) {
    platform::SetResources(&EnglishResources());
    FillBlock();
    CGameStatistics window;
    for (auto _ : state) {
        platform::RecordingDC dc(platform::Size{518, CGameStatistics::kSheetHeight});
        window.PaintChart(dc, 0, 0);
        benchmark::DoNotOptimize(dc.Records().size());
    }
    g_pStatistics.reset();
    platform::SetResources(nullptr);
}
BENCHMARK(BM_GameStatisticsChart)->Unit(benchmark::kMicrosecond);

}  // namespace
