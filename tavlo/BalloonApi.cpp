#include "tavlo/BalloonApi.h"

#include "platform/core/WindowApi.h"
#include "tavlo/Table.h"

namespace {

tavlo::BalloonDeck* BalloonsOf(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    return table && table->balloons ? &*table->balloons : nullptr;
}

}  // namespace

int WB_NewBalloonDeck(HWND window) {
    tavlo::Table& table = tavlo::ObtainTable(window);
    if (!table.balloons) table.balloons.emplace();
    return 1;
}

int WB_DeleteBalloonDeck(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->balloons) return 0;
    table->balloons.reset();
    tavlo::ReleaseTableIfEmpty(window);
    return 1;
}

int WB_ShowBalloon(HWND window, int id, int x, int y, int tail, std::string_view text) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->balloons || !tavlo::IsBalloonId(id)) return 0;
    auto& shown = table->balloons->shown;
    if (const auto it = shown.find(id); it != shown.end()) table->Erase(it->second.bounds);
    tavlo::Balloon& balloon = shown[id];
    balloon.position = {x, y};
    balloon.tail = tail;
    balloon.text = std::string(text);
    // Laid out for real when it is drawn; the estimate stands for a window without a surface.
    balloon.bounds = tavlo::EstimateBalloon(id, balloon.position, tail, text).bounds;
    if (platform::DeviceContext* dc = GetDC(window)) {
        dc->SaveDC();
        dc->SelectFont(tavlo::BalloonFont());
        balloon.bounds = tavlo::LayOutBalloon(*dc, id, balloon.position, tail, text).bounds;
        dc->RestoreDC(-1);
        ReleaseDC(window, dc);
    }
    table->Redraw(balloon.bounds);
    return 1;
}

int WB_DrawBalloon(HWND window, int id, int x, int y, int tail, std::string_view text, platform::DeviceContext* dc) {
    if (!dc) return WB_ShowBalloon(window, id, x, y, tail, text);
    if (!BalloonsOf(window) || !tavlo::IsBalloonId(id)) return 0;
    tavlo::DrawBalloon(*dc, id, {x, y}, tail, text);
    return 1;
}

int WB_IsBalloonShown(HWND window, int id) {
    const tavlo::BalloonDeck* deck = BalloonsOf(window);
    return deck && deck->shown.count(id) ? 1 : 0;
}

int WB_RemoveBalloon(HWND window, int id) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->balloons) return 0;
    auto& shown = table->balloons->shown;
    const auto it = shown.find(id);
    if (it == shown.end()) return 0;
    const platform::Rect area = it->second.bounds;
    shown.erase(it);
    table->Erase(area);
    return 1;
}
