// The declared game's attributes for the statistics: each player's hand analysis is refreshed for
// the game just declared (its trump count and the small cards of each suit).
#include "flow/MainFrame.h"

#include "computer/evaluation/HandAnalysis.h"
#include "model/Skat.h"
#include "model/Trace.h"

void CMainFrame::RegisterGameAttributes() {
    WriteTrace(":RegisterGameAttributes()", LOG_MAINFRAME);
    for (int seat = 0; seat < 3; ++seat) SortIntoTable(*EditGameObject().Player(seat), 0);
    for (int seat = 0; seat < 3; ++seat) ListSmallCards(*EditGameObject().Player(seat));
    for (int seat = 0; seat < 3; ++seat) StoreTrumpCount(*EditGameObject().Player(seat));
}
