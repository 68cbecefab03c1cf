// Steps of the game that later stages build (the auction, the Ramsch flow, new match, break-off
// and repeat, the course display, the manipulation marks, the panels and side windows, the match
// files and the statistics, voices and sound effects). Until then each stand-in writes its trace
// line and does nothing else, so that the flow around it runs as it will.
#include "flow/MainFrame.h"

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
void CMainFrame::UpdateCardsStatistics(int kind) { TraceStandIn("UpdateCardsStatistics", kind); }
void CMainFrame::ShowGameStatusDialog() { TraceStandIn("ShowGameStatusDialog"); }
void CMainFrame::AddGameToList(int kind, const std::string&) { TraceStandIn("AddGameToList", kind); }
void CMainFrame::AddDealToStore() { TraceStandIn("CStore::AddDeal"); }
void CMainFrame::PickupRamsch(int mode) { TraceStandIn("PickupRamsch", mode); }
void CMainFrame::NewMatch() { TraceStandIn("NewMatch"); }
void CMainFrame::OnBreak() { TraceStandIn("OnBreak"); }
void CMainFrame::OnRepeat() { TraceStandIn("OnRepeat"); }
void CMainFrame::MoveCourseText(int show) { TraceStandIn("MoveCourseText", show); }
void CMainFrame::SelectEstimatedGame() {}
void CMainFrame::ShowDataDialog(int, int) {}
void CMainFrame::ShowAnnotationDialog() {}
void CMainFrame::LatchCardsStatistics(int) {}
int CMainFrame::ReadList(const std::string&) { return 0; }
int CMainFrame::ReadStore(const std::string&) { return 0; }
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
void CMainFrame::OnListLog() {}

void CMainFrame::SetTitle(const std::string& fileName) {
    std::string title = FrameTitle;
    if (!fileName.empty()) {
        title += " - ";
        title += fileName;
    }
    SetWindowText(title);
}

std::string CMainFrame::GetPlayerName(int seat) const { return Game.GetPlayerName(seat); }

