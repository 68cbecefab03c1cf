// Steps of the game that later stages build (the auction, the Ramsch flow, new match, break-off
// and repeat, the course display, the manipulation marks, the panels and side windows, the match
// files and the statistics, voices and sound effects). Until then each stand-in writes its trace
// line and does nothing else, so that the flow around it runs as it will.
#include "flow/MainFrame.h"

#include "match/ListTotals.h"
#include "match/StoreRows.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "shell/SkatApp.h"
#include "tavlo/Tavlo.h"

namespace {
void TraceStandIn(const char* name, int argument = -1) {
    std::string line = ":";
    line += name;
    line += "(";
    if (argument >= 0) line += std::to_string(argument);
    line += ")";
    WriteTrace(line, LOG_MAINFRAME);
}
}  // namespace

void CMainFrame::OnAbandon() { TraceStandIn("OnAbandon"); }
void CMainFrame::ComputerKontra() { TraceStandIn("ComputerKontra"); }
void CMainFrame::SelectGame(int mode) { TraceStandIn("SelectGame", mode < 0 ? 0 : mode); }
void CMainFrame::UpdateCardsStatistics(int kind) { TraceStandIn("UpdateCardsStatistics", kind); }
void CMainFrame::ShowGameStatusDialog() { TraceStandIn("ShowGameStatusDialog"); }
// The defenders' Revolution exchange is the computer player's; until it comes nothing moves.
void CPlayer::SwapOpponentCards(CCards&, CPlayer& first, CPlayer& second, CPlayer&) {
    WriteTrace(":CPlayer::SwapOpponentCards(" + first.name + ":" + second.name + ")", LOG_MAINFRAME);
}
void CMainFrame::PickupRamsch(int mode) { TraceStandIn("PickupRamsch", mode); }
void CMainFrame::LoadFromStore(int, const std::array<int, 40>& deal) { TraceStandIn("LoadFromStore", deal[7]); }
void CMainFrame::NewMatch() { TraceStandIn("NewMatch"); }
void CMainFrame::OnBreak() { TraceStandIn("OnBreak"); }
void CMainFrame::OnRepeat() { TraceStandIn("OnRepeat"); }
void CMainFrame::OnSuggest() { TraceStandIn("OnSuggest"); }
void CMainFrame::MoveCourseText(int show) { TraceStandIn("MoveCourseText", show); }
void CMainFrame::SelectEstimatedGame() {}
void CMainFrame::ShowDataDialog(int, int) {}
void CMainFrame::ShowAnnotationDialog() {}
void CMainFrame::LatchCardsStatistics(int) {}
// Until the list file is read, the match starts from an empty list: its totals 0, the balances
// the start credit, as a read list's recomputation gives them.
int CMainFrame::ReadList(const std::string&) {
    ComputeListTotals();
    ComputeBalances();
    return 0;
}
// Until the store file is read, the stored deals start as an empty store with its default title.
int CMainFrame::ReadStore(const std::string&) {
    g_StoreRows.Reset(platform::LoadString(IDS_STORE_TITLE));
    return 0;
}
int CMainFrame::ReadCards(const std::string&) { return 0; }
void CMainFrame::SaveFile(const std::string&, int) {}
// Writes nothing yet; the names are the program's own temporary files in the work folder.
std::string CMainFrame::SaveTempFile(int kind) {
    TraceStandIn("SaveTempFile", kind);
    switch (kind) {
        case 0: return "cards~.skt";
        case 1: return "cards~.skm";
        default: return "cards~.sks";
    }
}
void CMainFrame::SaveStatistics() {}
void CMainFrame::ReadStatistics() {}
void CMainFrame::SaveList() {}
void CMainFrame::SaveStore() {}
// The information panels come with their own step; until then none is ever open.
HWND CMainFrame::PanelWindow(int /*closeCommand*/) const { return nullptr; }

// The manipulation marks and their table colour come with their own step.
void CMainFrame::CheckCheat(int /*code*/, int /*mode*/) {}

void CMainFrame::SetTitle(const std::string& fileName) {
    std::string title = FrameTitle;
    if (!fileName.empty()) {
        title += " - ";
        title += fileName;
    }
    SetWindowText(title);
}

std::string CMainFrame::GetPlayerName(int seat) const { return Game.GetPlayerName(seat); }

