#include "DemoMatch.h"

#include "computer/evaluation/ComputerState.h"
#include "GameLine.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"
#include "model/CardCodes.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/Editions.h"
#include "shell/ProgramHooks.h"
#include "shell/SkatApp.h"

#include "resources/CommandIds.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

// A game that has not ended after this much virtual time has stalled.
constexpr std::int64_t kStallMs = 10 * 60 * 1000;

// The program's folders live in a private temporary folder for the run. The program makes each
// written file durable (fsync) at every game end; on a busy disk that wait would swamp what the run
// measures, so the folder goes into memory (/dev/shm) unless TMPDIR names another place.
std::filesystem::path RunFolderBase() {
    std::error_code error;
    if (!std::getenv("TMPDIR") && std::filesystem::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    // A TMPDIR that names no folder is taken as it stands: no folder can be made in it.
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (!error) return base;
    const char* named = std::getenv("TMPDIR");
    return named ? named : "/tmp";
}

// A fresh folder of the run's own (mode 0700, made by mkdtemp, never one that was there before),
// removed at the end. Empty when it could not be made.
struct RunFolders {
    RunFolders() {
        std::string name = (RunFolderBase() / "kartovan-selfplay-XXXXXX").string();
        if (!::mkdtemp(name.data())) return;
        folder = name;
        ::setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    }
    ~RunFolders() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    RunFolders(const RunFolders&) = delete;
    RunFolders& operator=(const RunFolders&) = delete;
    std::string folder;
};

int TypeIndex(const CGameRecord& record) {
    if (record.gameType < 0 || record.gameType > 7) return 8;
    return record.gameType;
}

}  // namespace

std::uint64_t Fnv1a(std::uint64_t hash, const std::string& text) {
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

namespace {

// 1. The settings of an empty registry, with the demonstration on and every delay 0.
void WriteDemoSettings(const DemoMatchOptions& options) {
    platform::SetResources(&EnglishResources());
    platform::SetRegistryKey("Kartovan+", "skat");
    platform::CurrentUserRegistry().Clear();
    for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap", "Switch"})
        WriteProfileInt("Delay", delay, 0);
    WriteProfileInt("Options", "Demo", 1);
    // The suggestions the demonstration presses in the auction come with the play aids.
    WriteProfileInt("Options", "Suggest", 0);
    // One match without end: a new match comes with its own step.
    WriteProfileInt("Game", "Mode", 3);
    WriteProfileInt("Variants", "Variant", options.variantMode);
    WriteProfileInt("View", "Log", 0);
    WriteProfileInt("View", "ListScore", options.listWindows ? 1 : 0);
    WriteProfileInt("View", "ListStore", options.listWindows ? 1 : 0);
    if (options.estimationWindow) {
        WriteProfileInt("View", "ListTrickEstimation", 1);
        WriteProfileInt("View", "Player", 0x22);  // the person's own hand: nothing to reveal
        WriteProfileInt("RectTrickEstimation", "Auto", options.estimationAuto ? 1 : 0);
    }
}

// How one game's pumping ended: whether the program moved on, or the stall a nested wait threw.
struct GamePump {
    bool moved = false;
    std::string nestedStall;
};

// Pumps one game until `ended` holds, within its virtual time. The host's own limit counts from
// this game, so that a wait nested inside the game (a modal loop the pump cannot leave) fails
// this game and not a later one after a day of virtual time summed over many games.
GamePump PumpOneGame(platform::HeadlessHost& host, const DemoMatchOptions& options,
                     const std::function<bool()>& ended) {
    GamePump pump;
    host.SetTimeLimitMs(host.NowMs() + 2 * kStallMs);
    try {
        pump.moved = host.PumpUntil(
            [&] {
                if (options.betweenMessages) options.betweenMessages();
                return ended();
            },
            kStallMs);
    } catch (const platform::IdleStall& stall) {
        pump.nestedStall = stall.what();
    }
    return pump;
}

// The fault of the game of `seed`, if it had one, into the result: a stall inside a nested wait,
// an internal error reported, a strategy's card replaced, or a stall. True when it had one.
bool RecordFault(DemoMatchResult& result, std::uint64_t seed, const GamePump& pump, long reports, bool replaced) {
    if (!pump.nestedStall.empty()) {
        result.stalls += 1;
        result.failedSeed = seed;
        result.fault = "the game of seed " + std::to_string(seed) + " stalled in state " +
                       FlowStateName(g_Game.FlowState) + " (" + pump.nestedStall + ")";
        return true;
    }
    if (reports > 0) {
        result.invariantFaults = reports;
        result.failedSeed = seed;
        result.fault = "an internal error was reported in the game of seed " + std::to_string(seed);
        return true;
    }
    if (replaced) {
        result.illegal += 1;
        result.failedSeed = seed;
        result.fault = "a strategy's card was replaced in the game of seed " + std::to_string(seed);
        return true;
    }
    if (!pump.moved) {
        result.stalls += 1;
        result.failedSeed = seed;
        result.fault = "the game of seed " + std::to_string(seed) + " stalled in state " +
                       FlowStateName(g_Game.FlowState);
        return true;
    }
    return false;
}

}  // namespace

DemoMatchResult PlayDemoMatch(const DemoMatchOptions& options) {
    DemoMatchResult result;
    RunFolders folders;
    if (folders.folder.empty()) {
        result.fault = "the run's own temporary folder could not be made";
        result.stalls = 1;
        return result;
    }
    WriteDemoSettings(options);
    InstallProgramHooks();
    long reports = 0;

    platform::HeadlessHost host;
    // The dispatch trace is off: it would keep every message of every game. The table lays out and
    // measures as always, but what it draws is dropped unless asked for: the self-play reads none
    // of it.
    host.Trace().SetEnabled(false);
    host.SetKeepDrawing(options.keepDrawing);
    auto app = std::make_unique<CSkatApp>();
    // A message at the start (a file of the run's folder refused) waits for an answer nobody gives.
    try {
        if (!app->InitInstance()) {
            result.fault = "the program did not start";
            result.stalls = 1;
            return result;
        }
        host.PumpUntilIdle();
    } catch (const platform::IdleStall& stall) {
        result.fault = std::string("the program's start waited for an answer (") + stall.what() + ")";
        result.stalls = 1;
        return result;
    }
    CMainFrame& frame = *app->MainFrame();
    if (options.started) options.started(frame);
    // The program installs its own handler (a message box) at its start; the count replaces it.
    SetInternalErrorHandler([&reports](const std::string&) { ++reports; });
    // KARTOVAN_SELFPLAY_TRACE set: every trace line goes to the error output, to find a stall.
    if (std::getenv("KARTOVAN_SELFPLAY_TRACE"))
        SetTraceSink({[] { return true; }, [](const std::string& text, unsigned) { std::fprintf(stderr, "%s\n", text.c_str()); }});

    // 2. Before each deal the last game is written and the random source seeded for the next.
    long dealt = 0;
    bool done = false;
    auto finishGame = [&] {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(dealt - 1);
        const std::string line = FormatGameLine(frame.Series().Record, seed);
        result.signature = Fnv1a(result.signature, line + "\n");
        result.gameTypes[TypeIndex(frame.Series().Record)] += 1;
        if (options.line) options.line(line);
        ++result.games;
    };
    frame.MatchSeries().SetBeforeDeal([&] {
        if (dealt > 0) finishGame();
        if (dealt >= options.games) {
            done = true;
            return;
        }
        SeedRand(static_cast<std::uint32_t>(options.seed + static_cast<std::uint64_t>(dealt)));
        ++dealt;
    });
    g_Game.DemoMode = 1;
    frame.PostMessage(WM_COMMAND, ID_NEW);
    // 3. Game after game, each within its virtual time.
    while (!done) {
        const long before = dealt;
        const int replaced = g_Computer.ReplacedCardCount;
        const GamePump pump = PumpOneGame(host, options, [&] {
            return done || dealt != before || g_Computer.ReplacedCardCount != replaced || reports > 0;
        });
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(dealt > 0 ? dealt - 1 : 0);
        if (RecordFault(result, seed, pump, reports, g_Computer.ReplacedCardCount != replaced)) break;
    }
    frame.MatchSeries().SetBeforeDeal(nullptr);
    app.reset();
    SetInternalErrorHandler({});
    return result;
}
