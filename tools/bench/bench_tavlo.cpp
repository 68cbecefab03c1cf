// Repaint of a full table at 1280 x 960 into a recording context: 30 cards (three hands of ten,
// overlapping), two balloons and two symbols, as the table view's paint redraws them.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingDC.h"
#include "tavlo/Tavlo.h"

namespace {

// A 1280 x 960 table window on the headless host whose surface is one recording context.
struct TableWindow {
    platform::HeadlessHost host;
    platform::RecordingDC surface{platform::Size{1280, 960}};
    platform::Window window;

    TableWindow() {
        host.SetSurfaceFactory([this](HWND) { return &surface; });
        tavlo::ResetAll();
        platform::CreateParams params;
        params.rect = {0, 0, 1280, 960};
        params.visible = true;
        window.Create(params);
    }
    ~TableWindow() { tavlo::ResetAll(); }
};

void BM_RepaintFullTable(benchmark::State& state) {
    TableWindow bench;
    platform::RecordingDC& surface = bench.surface;
    const HWND table = bench.window.Handle();
    WC_NewCardDeck(table);
    WB_NewBalloonDeck(table);
    WS_NewSymbolDeck(table);
    int dealt = 0;
    for (int card = 1; card <= 52 && dealt < 30; ++card) {
        if (card % 13 >= 2 && card % 13 <= 6) continue;  // codes that are no card
        const int row = dealt / 10;
        WC_ExposeCard(table, card, row == 2 ? 1 : 0);
        WC_DealCard(table, card, 100 + 30 * (dealt % 10) + 400 * (row == 1), 100 + 350 * (row == 2));
        ++dealt;
    }
    WB_ShowBalloon(table, 5, 120, 20, 20, "reize 18");
    WB_ShowBalloon(table, 6, 900, 20, 20, "Hast du mehr?");
    WS_ShowSymbol(table, 1, 178, 2);
    WS_ShowSymbol(table, 8, 600, 2);
    WC_HighlightCard(table, 40, 1);
    for (auto _ : state) {
        surface.ClearRecords();
        for (int c = 1; c <= 52; ++c) {
            if (WC_IsCardDealt(table, c)) WC_DrawCard(table, c, WC_GetCardX(table, c), WC_GetCardY(table, c), &surface);
        }
        WB_DrawBalloon(table, 5, 120, 20, 20, "reize 18", &surface);
        WB_DrawBalloon(table, 6, 900, 20, 20, "Hast du mehr?", &surface);
        WS_DrawSymbol(table, 1, 178, 2, &surface);
        WS_DrawSymbol(table, 8, 600, 2, &surface);
        benchmark::DoNotOptimize(surface.Records().size());
    }
}
BENCHMARK(BM_RepaintFullTable)->Unit(benchmark::kMicrosecond);

// The same table redrawn by tavlo itself on the window after a change covering all of it.
void BM_RedealEveryCard(benchmark::State& state) {
    TableWindow bench;
    platform::RecordingDC& surface = bench.surface;
    const HWND table = bench.window.Handle();
    WC_NewCardDeck(table);
    std::vector<int> cards;
    for (int c = 1; c <= 52 && cards.size() < 30; ++c) {
        if (c % 13 >= 2 && c % 13 <= 6) continue;
        cards.push_back(c);
        WC_ExposeCard(table, c, 1);
        WC_DealCard(table, c, 100 + 30 * static_cast<int>(cards.size() % 10), 100 + 300 * static_cast<int>(cards.size() / 10));
    }
    for (auto _ : state) {
        surface.ClearRecords();
        for (int c : cards) WC_RedealCard(table, c);
        benchmark::DoNotOptimize(surface.Records().size());
    }
}
BENCHMARK(BM_RedealEveryCard)->Unit(benchmark::kMicrosecond);

}  // namespace
