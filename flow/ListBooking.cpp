// A finished or passed-in game joins the match's game list and the stored deals; the per-seat
// figures follow the last game, and the open list windows follow both.
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/RamschState.h"
#include "flow/MatchFiles.h"

#include "match/GameList.h"
#include "match/ListTotals.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "windows/Score.h"
#include "windows/Store.h"

void CMatchFiles::AddGameToList(int kind, const std::string& text) {
    ::AddGameToList(kind, text, frame_.Ramsch().RamschResultSeats[1]);
}

void CMatchFiles::AddDealToStore() { CStore::AddDeal(g_GameList.Header.Int(LIST_COUNTING), frame_.GameObject()); }

void CMatchFiles::UpdateListFiguresForLastGame() {
    UpdateTotalsForLastGame(frame_.Ramsch().RamschResultSeats[1]);
    UpdateBalancesForLastGame(frame_.Ramsch().RamschResultSeats[1]);
}

void CMainFrame::RefreshListWindows() {
    RefreshScoreSheet();
    if (auto* store = dynamic_cast<CStore*>(::WindowFromHandle(FramePanels().SideWindow(ID_LIST_STORE))))
        store->UpdateScrollBars(true);
}

void CMainFrame::RefreshScoreSheet() {
    if (auto* score = dynamic_cast<CScore*>(::WindowFromHandle(FramePanels().SideWindow(ID_LIST_SCORE))))
        score->UpdateScrollRange(true);
}

void CMainFrame::ResortStoredDealsIfShown() {
    auto* store = dynamic_cast<CStore*>(::WindowFromHandle(FramePanels().SideWindow(ID_LIST_STORE)));
    if (!store) return;
    CStore::ResortStoredHands();
    store->UpdateScrollBars(true);
}
