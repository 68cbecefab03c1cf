// The self-play loop of kartovan-selfplay: seeded demonstration games of the whole program on the
// headless host with every delay 0. One iteration plays a batch of games; the rate is games/s.

#include <benchmark/benchmark.h>

#include "DemoMatch.h"

namespace {

void BM_DemonstrationGames(benchmark::State& state) {
    const long games = state.range(0);
    std::uint64_t signature = 0;
    for (auto _ : state) {
        DemoMatchOptions options;
        options.games = games;
        options.seed = 1;
        const DemoMatchResult result = PlayDemoMatch(options);
        if (!result.ok()) state.SkipWithError(result.fault.c_str());
        signature = result.signature;
        benchmark::DoNotOptimize(signature);
    }
    state.SetItemsProcessed(state.iterations() * games);
    state.counters["signature_low32"] = static_cast<double>(signature & 0xffffffffULL);
}
BENCHMARK(BM_DemonstrationGames)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
