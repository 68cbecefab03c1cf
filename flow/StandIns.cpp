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

void CMainFrame::SelectEstimatedGame() {}

// The desktop's registrations follow the edition with the file commands' own step.
void CMainFrame::RegisterFileType(const std::string& root, const std::string& key, const std::string& code) {
    WriteTrace(":RegisterFileType(" + root + "\\" + key + ":" + code + ")", LOG_MAINFRAME);
}

std::string CMainFrame::GetPlayerName(int seat) const { return Game.GetPlayerName(seat); }

