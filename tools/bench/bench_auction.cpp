// A seeded deal from New through the auction and a computer's declaration to the first card (the
// trick play's step), on the headless host with every delay 0 and the balloons off; the person
// passes at once and the computer's game message is answered as soon as it shows.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "flow/FlowGlobals.h"
#include "flow/MainFrame.h"
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
#include "tavlo/Tavlo.h"

namespace {

struct BenchFolders {
    BenchFolders() {
        folder = (std::filesystem::temp_directory_path() / "kartovan-bench-auction").string();
        std::filesystem::create_directories(folder);
        ::setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    }
    ~BenchFolders() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string folder;
};

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

// A deal in which the computer in middlehand plays after the person passes.
constexpr std::uint32_t kSeed = 1;

void BM_DealToFirstCard(benchmark::State& state) {
    BenchFolders folders;
    g_Game.Reset();
    g_Settings.Reset();
    g_Shell.Reset();
    g_Flow.Reset();
    g_Knowledge.Reset();
    tavlo::ResetAll();
    platform::SetResources(&EnglishResources());
    platform::SetRegistryKey("Kartovan+", "skat");
    platform::CurrentUserRegistry().Clear();
    for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap", "Switch"})
        WriteProfileInt("Delay", delay, 0);
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
    for (auto _ : state) {
        frame.GameRunning = 0;
        g_Game.FlowState = STATE_IDLE;
        g_Game.Leader = g_Game.Forehand = 0;
        SeedRand(kSeed);
        frame.SendMessage(WM_COMMAND, ID_NEW);
        if (!host.PumpUntil([&frame] { return frame.IsAuctionBarOpen(); }, 60000)) {
            state.SkipWithError("New did not reach the auction");
            break;
        }
        ::SendMessage(frame.PromptDialog, WM_COMMAND, BTN_PASS, 0);
        if (!host.PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 60000)) {
            state.SkipWithError("the declaration did not reach the first card");
            break;
        }
    }
}
BENCHMARK(BM_DealToFirstCard)->Unit(benchmark::kMicrosecond);

}  // namespace
