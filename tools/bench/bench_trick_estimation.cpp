// Speed of the trick estimation window on the headless host: the toggle that opens it up to its
// first painted sheet (then the toggle that closes it), and one popup shown and erased on a
// surface that keeps its pixels.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "shell/SkatApp.h"
#include "tools/bench/BenchProgram.h"
#include "windows/TrickEstimation.h"

namespace {

// The program started with every window drawing into a surface with pixels.
struct RunningProgram {
    explicit RunningProgram() {
        bench::ResetProgram();
        bench::SetNoDelays();
        host.SetSurfaceFactory([this](HWND hwnd) -> platform::DeviceContext* {
            auto& surface = surfaces[hwnd];
            if (!surface) surface = std::make_unique<platform::RecordingDC>(platform::Bitmap(800, 900));
            return surface.get();
        });
        app.InitInstance();
        host.PumpUntilIdle();
        g_Settings.View.Player = 0x22;  // the person's sheet: no question
    }
    CMainFrame& Frame() { return *app.MainFrame(); }
    void Toggle() {
        Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
        host.PumpUntilIdle();
    }

    std::map<HWND, std::unique_ptr<platform::RecordingDC>> surfaces;
    platform::HeadlessHost host;
    CSkatApp app;
};

void BM_OpenTrickEstimation(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench");
    RunningProgram program;
    for (auto _ : state) {
        program.Toggle();
        CTrickEstimation* window = program.Frame().FramePanels().TrickEstimationWindow();
        if (!window || window->PaintCount() == 0) state.SkipWithError("the window did not paint");
        state.PauseTiming();
        program.Toggle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTrickEstimation)->Unit(benchmark::kMillisecond);

void BM_PopupShownAndErased(benchmark::State& state) {
    bench::BenchFolders folders("kartovan-bench");
    RunningProgram program;
    program.Toggle();
    CTrickEstimation* window = program.Frame().FramePanels().TrickEstimationWindow();
    if (!window) {
        state.SkipWithError("no window");
        return;
    }
    const platform::Point spot = window->HotSpots[kPopupModeSuit][8];
    for (auto _ : state) {
        // Onto the spot: the hit test and the popup with its save-under; off it: the erase.
        ::SendMessage(window->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(spot.x + 5, spot.y + 5));
        if (window->PopupSize.cx == 0) {  // a family that draws nothing there: a box of a line
            platform::DeviceContext* dc = ::GetDC(window->Handle());
            window->PopupSize = {160, 14};
            window->PopupRect = window->DrawPopupBox(kPopupModeSuit, 8, 160, 14, 0, *dc);
            ::ReleaseDC(window->Handle(), dc);
        }
        ::SendMessage(window->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        benchmark::DoNotOptimize(window->CurrentSpot);
    }
}
BENCHMARK(BM_PopupShownAndErased)->Unit(benchmark::kMicrosecond);

}  // namespace
