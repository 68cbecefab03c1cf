// Speed of the score list's figures and of the score sheet's drawing: the totals and balances
// over 10,000 games, and the whole sheet of a 1,000-game match on the recording surface.
#include "match/GameList.h"
#include "match/ListTotals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "platform/headless/RecordingDC.h"
#include "resources/Editions.h"
#include "windows/Score.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// A list of `games` games: wins, losses and Ramsch games lost by two, in turn.
void FillList(int games) {
    g_GameList.Reset();
    g_Game.GameCount = games;
    g_GameList.Games.resize(static_cast<std::size_t>(games));
    for (int i = 0; i < games; ++i) {
        ListRecord& record = g_GameList.Games[static_cast<std::size_t>(i)];
        const int seat = i % 3;
        record.Forehand = (i + 1) % 3;
        switch (i % 3) {
            case 0: record.Marks[seat] = 1; record.Score = 24; std::strcpy(record.Text, "+2HdSnGd24"); break;
            case 1: record.Marks[seat] = 1; record.Score = -48; std::strcpy(record.Text, "-1Gr24KoRe"); break;
            default: record.Marks[seat] = 5; record.Score = -15; std::strcpy(record.Text, "RaSbSbJf"); break;
        }
    }
}

void BM_ListTotalsAndBalances(benchmark::State& state) {
    g_Settings.Game.MaxCredit = 100;
    FillList(10000);
    for (auto _ : state) {
        ComputeListTotals();
        ComputeBalances();
        benchmark::DoNotOptimize(g_GameList.Balances[0]);
    }
}
BENCHMARK(BM_ListTotalsAndBalances)->Unit(benchmark::kMicrosecond);

void BM_ScoreSheetDrawing(benchmark::State& state) {
    platform::SetResources(&EnglishResources());
    FillList(1000);
    CScore sheet;
    sheet.Highlight = true;
    for (auto _ : state) {
        platform::RecordingDC dc(platform::Size{700, CScore::SheetHeightFor(1000, 0)});
        sheet.DrawList(dc, 0, 0);
        benchmark::DoNotOptimize(dc.Records().size());
    }
    platform::SetResources(nullptr);
}
BENCHMARK(BM_ScoreSheetDrawing)->Unit(benchmark::kMillisecond);

}  // namespace
