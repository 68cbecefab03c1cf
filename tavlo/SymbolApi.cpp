#include "tavlo/SymbolApi.h"

#include "platform/core/WindowApi.h"
#include "tavlo/Table.h"

namespace {

tavlo::SymbolDeck* SymbolsOf(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    return table && table->symbols ? &*table->symbols : nullptr;
}

}  // namespace

int WS_NewSymbolDeck(HWND window) {
    tavlo::Table& table = tavlo::ObtainTable(window);
    if (!table.symbols) table.symbols.emplace();
    return 1;
}

int WS_DeleteSymbolDeck(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->symbols) return 0;
    table->symbols.reset();
    tavlo::ReleaseTableIfEmpty(window);
    return 1;
}

int WS_ShowSymbol(HWND window, int id, int x, int y) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->symbols || !tavlo::IsSymbolId(id)) return 0;
    auto& shown = table->symbols->shown;
    const platform::Point position{x, y};
    if (const auto it = shown.find(id); it != shown.end() && it->second != position) {
        table->Erase(tavlo::SymbolArea(id, it->second));
    }
    shown[id] = position;
    table->Redraw(tavlo::SymbolArea(id, position));
    return 1;
}

int WS_DrawSymbol(HWND window, int id, int x, int y, platform::DeviceContext* dc) {
    if (!dc) {
        if (WS_IsSymbolShown(window, id)) return WS_ShowSymbol(window, id, x, y);
        if (!SymbolsOf(window) || !tavlo::IsSymbolId(id)) return 0;
        platform::DeviceContext* surface = GetDC(window);
        if (!surface) return 0;
        tavlo::DrawSymbol(*surface, id, {x, y});
        ReleaseDC(window, surface);
        return 1;
    }
    if (!SymbolsOf(window) || !tavlo::IsSymbolId(id)) return 0;
    tavlo::DrawSymbol(*dc, id, {x, y});
    return 1;
}

int WS_IsSymbolShown(HWND window, int id) {
    const tavlo::SymbolDeck* deck = SymbolsOf(window);
    return deck && deck->shown.count(id) ? 1 : 0;
}

int WS_RemoveSymbol(HWND window, int id) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->symbols) return 0;
    auto& shown = table->symbols->shown;
    const auto it = shown.find(id);
    if (it == shown.end()) return 0;
    const platform::Rect area = tavlo::SymbolArea(id, it->second);
    shown.erase(it);
    table->Erase(area);
    return 1;
}
