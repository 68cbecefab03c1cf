// A seeded deal from New through the auction and a computer's declaration to the first card (the
// trick play's step), on the headless host with every delay 0 and the balloons off; the person
// passes at once and the computer's game message is answered as soon as it shows.

#include "flow/FrameAuction.h"
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/FlowGlobals.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "tools/bench/BenchProgram.h"
#include "tavlo/Tavlo.h"

namespace {

// Ends every modal message as soon as its loop runs (the computer's game message: its second OK).
class MessageCloser : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            const auto& loops = platform::WindowSystem::Instance().ModalLoops();
            if (!loops.empty() && loops.back()->IsAlive())
                ::PostMessage(loops.back()->Handle(), WM_COMMAND, IDCANCEL, 0);
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
};

// New with the seed, the person passes at once: true when a computer's declaration reaches the first card.
bool DealToFirstCard(platform::HeadlessHost& host, CMainFrame& frame, std::uint32_t seed) {
    frame.MatchSeries().GameEnded();
    g_Game.FlowState = STATE_IDLE;
    g_Game.Leader = g_Game.Forehand = 0;
    SeedRand(seed);
    frame.SendMessage(WM_COMMAND, ID_NEW);
    if (!host.PumpUntil([&frame] { return frame.FrameAuction().IsAuctionBarOpen(); }, 60000)) return false;
    ::SendMessage(frame.Prompts().PromptDialog, WM_COMMAND, BTN_PASS, 0);
    return host.PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 60000);
}

void BM_DealToFirstCard(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench-auction");
    bench::ResetProgram();
    bench::SetNoDelays();
    WriteProfileInt("Settings", "Balloon", 0);
    WriteProfileInt("Audio", "Voice", 0x00888BA9);
    WriteProfileInt("Options", "Suggest", 0);
    platform::HeadlessHost host;
    CSkatApp app;
    app.InitInstance();
    host.PumpUntilIdle();
    CMainFrame& frame = *app.MainFrame();
    MessageCloser closer;
    closer.Create(platform::CreateParams{});
    closer.SetTimer(1, 10);
    // The first seed whose deal a computer plays after the person passes (a deal everybody passes
    // never reaches a card).
    std::uint32_t seed = 1;
    while (seed < 100 && !DealToFirstCard(host, frame, seed)) ++seed;
    if (seed == 100) {
        state.SkipWithError("no seed below 100 reached the first card");
        return;
    }
    for (auto _ : state) {
        if (!DealToFirstCard(host, frame, seed)) {
            state.SkipWithError("the declaration did not reach the first card");
            break;
        }
    }
    state.counters["seed"] = seed;
}
BENCHMARK(BM_DealToFirstCard)->Unit(benchmark::kMicrosecond);

}  // namespace
