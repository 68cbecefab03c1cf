// Start-up on the headless host up to the first painted table, and New up to the auction waiting
// for the person, with every delay 0. Settings in an empty registry; the folders under a temporary folder.

#include "flow/FrameAuction.h"
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "model/Settings.h"
#include "model/CardKnowledge.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "tools/bench/BenchProgram.h"
#include "tavlo/Tavlo.h"

namespace {

// The globals as at a start, every delay 0: made before the host.
struct StartSettings {
    StartSettings() {
        bench::ResetProgram();
        bench::SetNoDelays();
    }
};

// The program started on the headless host, up to its idle table.
struct StartedProgram : StartSettings {
    platform::HeadlessHost host;
    CSkatApp app;

    StartedProgram() {
        app.InitInstance();
        host.PumpUntilIdle();
    }
};

void BM_StartupToFirstPaint(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench");
    for (auto _ : state) {
        StartedProgram program;
        benchmark::DoNotOptimize(g_Game.FlowState);
        if (g_Game.FlowState != STATE_IDLE) state.SkipWithError("start-up did not reach IDLE");
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_NewToAuction(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench");
    StartedProgram program;
    platform::HeadlessHost& host = program.host;
    CMainFrame& frame = *program.app.MainFrame();
    for (auto _ : state) {
        frame.MatchSeries().GameEnded();
        g_Game.FlowState = STATE_IDLE;
        frame.CloseModelessDialog();
        frame.SendMessage(WM_COMMAND, ID_NEW);
        // The deal is done when the auction waits for the person.
        if (!host.PumpUntil([&frame] { return frame.FrameAuction().IsAuctionBarOpen(); }, 10000))
            state.SkipWithError("New did not reach the auction");
    }
}
BENCHMARK(BM_NewToAuction)->Unit(benchmark::kMillisecond);

// Resident memory of the running program after start-up and one deal, in kilobytes.
void BM_ResidentMemory(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench");
    StartedProgram program;
    CMainFrame& frame = *program.app.MainFrame();
    frame.SendMessage(WM_COMMAND, ID_NEW);
    program.host.PumpUntil([&frame] { return frame.FrameAuction().IsAuctionBarOpen(); }, 10000);
    long residentKb = 0;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) residentKb = std::strtol(line.c_str() + 6, nullptr, 10);
    for (auto _ : state) benchmark::DoNotOptimize(residentKb);
    state.counters["resident_kB"] = static_cast<double>(residentKb);
}
BENCHMARK(BM_ResidentMemory)->Iterations(1);

}  // namespace
