// Speed of the window system on the headless host: posting and dispatching commands, sends, and
// timer churn (arming, re-arming, expiring and killing).
#include <benchmark/benchmark.h>

#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"

namespace {

class CountingWindow : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND || message == WM_TIMER) {
            ++handled;
            return 0;
        }
        return DefWindowProc(message, wParam, lParam);
    }
    std::int64_t handled = 0;
};

struct Bench {
    platform::HeadlessHost host;
    CountingWindow frame;
    Bench() {
        host.Trace().SetEnabled(false);
        platform::CreateParams params;
        params.rect = {0, 0, 800, 600};
        frame.Create(params);
    }
};

// Post a batch of commands, then pump them all as the main loop does.
void BM_PostAndDispatchCommands(benchmark::State& state) {
    Bench bench;
    const HWND frame = bench.frame.Handle();
    const int batch = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < batch; ++i) PostMessage(frame, WM_COMMAND, MAKEWPARAM(100 + i % 50, 0));
        bench.host.PumpUntilIdle();
    }
    state.SetItemsProcessed(state.iterations() * batch);
}
BENCHMARK(BM_PostAndDispatchCommands)->Arg(1)->Arg(64)->Arg(4096);

// A chain of posted commands, each posting the next (the flow's usual shape), on a nested wait's poll.
void BM_PostedChainThroughNestedWait(benchmark::State& state) {
    Bench bench;
    const HWND frame = bench.frame.Handle();
    for (auto _ : state) {
        PostMessage(frame, WM_COMMAND, 100);
        for (int i = 0; i < 1000; ++i) {
            PumpWaitStep();
            PostMessage(frame, WM_COMMAND, 100);
        }
        PumpWaitStep();
    }
    state.SetItemsProcessed(state.iterations() * 1001);
}
BENCHMARK(BM_PostedChainThroughNestedWait);

void BM_SendCommand(benchmark::State& state) {
    Bench bench;
    const HWND frame = bench.frame.Handle();
    for (auto _ : state) benchmark::DoNotOptimize(SendMessage(frame, WM_COMMAND, 117));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SendCommand);

// Timer churn: a handful of timers of the flow's shape (a 200 ms tick plus one-shots re-armed at
// every expiry), run over virtual time. Items: delivered expiries.
void BM_TimerChurn(benchmark::State& state) {
    Bench bench;
    const HWND frame = bench.frame.Handle();
    const int timers = static_cast<int>(state.range(0));
    for (int id = 1; id <= timers; ++id) SetTimer(frame, static_cast<UINT>(id), 10 + id * 7);
    std::int64_t before = bench.frame.handled;
    for (auto _ : state) {
        bench.host.PumpFor(1000);
        // Re-arm and kill some as handlers do.
        for (int id = 1; id <= timers; id += 2) SetTimer(frame, static_cast<UINT>(id), 10 + id * 5);
        KillTimer(frame, static_cast<UINT>(timers));
        SetTimer(frame, static_cast<UINT>(timers), 200);
    }
    state.SetItemsProcessed(bench.frame.handled - before);
}
BENCHMARK(BM_TimerChurn)->Arg(4)->Arg(16);

// Arm, re-arm and kill without any expiry.
void BM_TimerArmKill(benchmark::State& state) {
    Bench bench;
    const HWND frame = bench.frame.Handle();
    for (auto _ : state) {
        SetTimer(frame, 6, 500);
        SetTimer(frame, 6, 400);
        KillTimer(frame, 6);
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_TimerArmKill);

}  // namespace
