#include "computer/evaluation/ComputerState.h"

#include "model/Player.h"

ComputerState g_Computer;
RiskSettings g_Risk;

void TrickEstimationSheet::Clear() {
    for (auto& block : Rows)
        for (auto& row : block)
            for (int f = 0; f < SHEET_FIELDS; ++f) row[f] = (f == 1 || f == 8 || f > 8) ? 0 : SHEET_EMPTY;
}

void DiscardPlannerBlock::ClearCounts() {
    Singles1Count = Singles2Count = Singles3Count = 0;
    Pairs1Count = Pairs2Count = Pairs3Count = 0;
    ChosenCount = 0;
}

TrickEstimationSheet& SheetOf(const CPlayer& player) {
    int seat = player.seat;
    if (seat < 0 || seat > 3) seat = 3;
    return g_Computer.Sheets[seat];
}
