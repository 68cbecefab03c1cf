// The prompt bars on the headless host: making a bar from its template, placing it over the laid-out
// table and destroying it again, as the frame does at every step that waits for the person.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialogs/AuctionDialog.h"
#include "dialogs/DeclareDialog.h"
#include "model/FlowGlobals.h"
#include "flow/MainFrame.h"
#include "flow/TableState.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/Editions.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "tools/bench/BenchProgram.h"
#include "tavlo/Tavlo.h"

namespace {

// Create from the template (controls, initialisation, placement), show, record, then clear the
// record and destroy; the engine frees the bar.
template <class Bar>
void BM_BarLifeCycle(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench-dialogs");
    bench::ResetProgram();
    g_Settings.Options.Suggest = static_cast<int>(state.range(0));
    platform::HeadlessHost host;
    CSkatApp app;
    app.InitInstance();
    host.PumpUntilIdle();
    CMainFrame& frame = *app.MainFrame();
    if (frame.Table().Layout.TableTop == 0) state.SkipWithError("the table was not laid out");
    for (auto _ : state) {
        Bar* bar = CreateBar<Bar>();
        if (!bar) {
            state.SkipWithError("no bar");
            break;
        }
        bar->ShowWindow(SW_SHOW);
        frame.RecordOpenPrompt(bar->Handle());
        benchmark::DoNotOptimize(bar->WindowRect());
        frame.RecordOpenPrompt(nullptr);
        bar->DestroyWindow();
    }
}
BENCHMARK(BM_BarLifeCycle<CAuctionDialog>)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BarLifeCycle<CDeclareDialog>)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
