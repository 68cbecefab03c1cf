// The settings dialogs on the headless host: opening one from its template, filling it from the
// settings, the scripted person pressing OK (which reads and stores every field) and closing it.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "dialogs/MatchSettingsDialogs.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/RuleOptionDialogs.h"
#include "dialogs/SettingsIds.h"
#include "dialogs/ViewDialogs.h"
#include "platform/core/DialogAnswer.h"
#include "platform/core/Resources.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/Editions.h"
#include "tools/bench/BenchProgram.h"

namespace {

template <class Make>
void RunModal(benchmark::State& state, int templateId, Make make) {
    bench::ResetProgram();
    platform::SetResources(&EnglishResources());
    platform::HeadlessHost host;
    for (auto _ : state) {
        host.Answers().PushDialogAnswer(templateId, {platform::DialogAction::Press(IDOK)});
        auto dialog = make();
        benchmark::DoNotOptimize(dialog->DoModal());
    }
    platform::SetResources(nullptr);
}

void BM_Configuration(benchmark::State& state) {
    RunModal(state, IDD_CONFIGURATION, [] { return std::make_unique<CConfigurationDialog>(); });
}
void BM_RamschEvalMode(benchmark::State& state) {
    RunModal(state, IDD_RAMSCH_EVAL_MODE, [] { return std::make_unique<CRamschEvalModeDialog>(); });
}
void BM_RiskDisposition(benchmark::State& state) {
    RunModal(state, IDD_RISK_DISPOSITION, [] { return std::make_unique<CRiskDispositionDialog>("Anna", "Bernd", "Du"); });
}
void BM_Delay(benchmark::State& state) {
    static std::array<int, CDelayDialog::kFieldCount> values{1000, 10000, 1000, 500, 1000, 100, 100, 100, 100, 100};
    RunModal(state, IDD_DELAY, [] {
        std::array<int*, CDelayDialog::kFieldCount> pointers{};
        for (std::size_t i = 0; i < values.size(); ++i) pointers[i] = &values[i];
        return std::make_unique<CDelayDialog>(pointers);
    });
}
void BM_CardBack(benchmark::State& state) {
    RunModal(state, IDD_CARD_BACK, [] { return std::make_unique<CCardBackDialog>(); });
}
void BM_Sort(benchmark::State& state) {
    RunModal(state, IDD_SORT, [] { return std::make_unique<CSortDialog>(); });
}
void BM_Termination(benchmark::State& state) {
    RunModal(state, IDD_TERMINATION, [] { return std::make_unique<CTerminationDialog>(false); });
}
void BM_Settings(benchmark::State& state) {
    RunModal(state, IDD_SETTINGS, [] { return std::make_unique<CSettingsDialog>(); });
}
void BM_Rename(benchmark::State& state) {
    RunModal(state, IDD_RENAME, [] { return std::make_unique<CRenameDialog>(0, "Abend.skg", true); });
}

BENCHMARK(BM_Configuration)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RamschEvalMode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RiskDisposition)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Delay)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CardBack)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sort)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Termination)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Settings)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Rename)->Unit(benchmark::kMicrosecond);

}  // namespace
