// The side windows of the View menu, one row each. A window kind joins by giving its row a factory.
#include "resources/FlowIds.h"
#include "model/Settings.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/Legend.h"
#include "shell/LogWindow.h"
#include "shell/SideWindows.h"
#include "shell/SkatApp.h"
#include "windows/CardStatistics.h"
#include "windows/GameStatistics.h"
#include "windows/Score.h"
#include "windows/Store.h"
#include "windows/TrickEstimation.h"

namespace {

int& LogListFlag() { return g_pApp->LogList; }

// The side windows of the match list: made at their rectangle, deleted by the engine when they go.
template <typename Window>
platform::Window* CreateListWindow(CMainFrame&, const platform::CreateParams& params) {
    auto* window = new Window();
    if (!window->Create(params)) return nullptr;  // an engine-owned object is gone after a failure
    return window;
}

// clang-format off
const CSideWindowRow kRows[] = {
    // command, View flag, its name, Rect section, defaults, corner only, caption, focus back after
    // open/close, trace after opening, factory
    {ID_LIST_CARD_STATISTICS, [] () -> int& { return g_Settings.View.ListCardStatistics; }, "ListCardStatistics", "RectCardStatistics", {0, 0, 441, 742}, false, IDS_CAPTION_CARD_STATISTICS, true, true, nullptr, &CreateListWindow<CCardStatistics>},
    {ID_LIST_GAME_STATISTICS, [] () -> int& { return g_Settings.View.ListGameStatistics; }, "ListGameStatistics", "RectGameStatistics", {0, 0, 500, 800}, false, IDS_CAPTION_GAME_STATISTICS, true, true, nullptr, &CreateListWindow<CGameStatistics>},
    {ID_LIST_LEGEND, [] () -> int& { return g_Settings.View.ListLegend; }, "ListLegend", "RectLegend", {0, 0, 567, 331}, true, IDS_CAPTION_LEGEND, true, false, "OnListLegend", &CreateLegendWindow},
    {ID_LIST_SCORE, [] () -> int& { return g_Settings.View.ListScore; }, "ListScore", "RectScore", {418, 316, 1058, 614}, false, IDS_PRODUCT_NAME, false, false, nullptr, &CreateListWindow<CScore>},
    {ID_LIST_STORE, [] () -> int& { return g_Settings.View.ListStore; }, "ListStore", "RectStore", {418, 614, 874, 870}, false, IDS_PRODUCT_NAME, true, false, nullptr, &CreateListWindow<CStore>},
    {ID_LIST_TRICK_ESTIMATION, [] () -> int& { return g_Settings.View.ListTrickEstimation; }, "ListTrickEstimation", "RectTrickEstimation", {0, 0, 500, 800}, false, IDS_CAPTION_TRICK_ESTIMATION, true, true, nullptr, &CreateListWindow<CTrickEstimation>},
    {CM_LOG_WINDOW, &LogListFlag, "LogList", "RectLog", {401, 321, 861, 621}, false, IDS_PRODUCT_NAME, true, false, nullptr, &CreateLogWindow},
};
// clang-format on

}  // namespace

std::span<const CSideWindowRow> SideWindowRows() { return kRows; }

const CSideWindowRow* FindSideWindowRow(int command) {
    for (const CSideWindowRow& row : kRows)
        if (row.command == command) return &row;
    return nullptr;
}
