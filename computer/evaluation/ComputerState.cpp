#include "computer/evaluation/ComputerState.h"

#include "model/Player.h"

ComputerState g_Computer;
RiskSettings g_Risk;

void TrickEstimationSheet::Reset() {
    for (auto& block : Rows)
        for (auto& row : block)
            for (int f = 0; f < SHEET_FIELDS; ++f) row[f] = (f == 1 || f == 8 || f > 8) ? 0 : SHEET_EMPTY;
}

void DiscardPlannerBlock::ClearCounts() {
    Singles1Count = Singles2Count = Singles3Count = 0;
    Pairs1Count = Pairs2Count = Pairs3Count = 0;
    ChosenCount = 0;
}

void DiscardPlannerBlock::Reset() {
    *this = DiscardPlannerBlock{};
    DiscardResult[0] = {10, -1};
    DiscardResult[1] = {11, -1};
}

void RiskSettings::Reset() {
    // The neutral default: every game at a 50 percent threshold.
    for (int seat = 0; seat < 3; ++seat) {
        RiskSuit[seat] = 0x05050505;
        RiskGrand[seat] = 5;
        RiskNull[seat] = 5;
    }
}

void ComputerState::Reset() {
    RandomTieCounter = 2;
    AllPassedQuery = 0;
    GrandHandQuery = 0;
    SkatTaken = 0;
    ThrownOffSuit = -1;
    ReplacedCardCount = 0;
    Discard.Reset();
    for (auto& sheet : Sheets) sheet.Reset();
}

TrickEstimationSheet& SheetOf(const CPlayer& player) {
    int seat = player.seat;
    if (seat < 0 || seat > 3) seat = 3;
    return g_Computer.Sheets[seat];
}
