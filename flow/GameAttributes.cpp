// The declared game's attributes for the statistics: each player's hand analysis is refreshed for
// the game just declared (its trump count and the small cards of each suit).
#include "flow/FrameDeclaration.h"
#include "flow/MainFrame.h"

#include "computer/evaluation/HandAnalysis.h"
#include "model/Skat.h"
#include "model/Trace.h"

void CFrameDeclaration::RegisterGameAttributes() {
    WriteTrace(":RegisterGameAttributes()", LOG_MAINFRAME);
    for (int seat = 0; seat < 3; ++seat) game_.Think(seat, [](CPlayer& player) { SortIntoTable(player, 0); });
    for (int seat = 0; seat < 3; ++seat) game_.Think(seat, [](CPlayer& player) { ListSmallCards(player); });
    for (int seat = 0; seat < 3; ++seat) game_.Think(seat, [](CPlayer& player) { StoreTrumpCount(player); });
}
