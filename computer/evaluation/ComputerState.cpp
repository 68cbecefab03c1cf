#include "computer/evaluation/ComputerState.h"

#include "model/PlayerData.h"

#include <cstring>

ComputerState g_Computer;
RiskSettings g_Risk;

namespace {

// One cleared row: the counts (fields 1, 8 and those above 8) 0, every other field empty.
struct BlankSheetRow {
    std::int32_t Fields[SHEET_FIELDS] = {};
    constexpr BlankSheetRow() {
        for (int f = 0; f < SHEET_FIELDS; ++f) Fields[f] = (f == 1 || f == 8 || f > 8) ? 0 : SHEET_EMPTY;
    }
};

constexpr BlankSheetRow BlankRow;

}  // namespace

// Row by row from a prepared blank row: a fixed-size copy the compiler turns into a few wide
// stores, where the test of each field cost a branch.
void TrickEstimationSheet::Clear() {
    for (auto& block : Rows)
        for (auto& row : block) std::memcpy(row, BlankRow.Fields, sizeof row);
}

void DiscardPlannerBlock::ClearCounts() {
    Singles1Count = Singles2Count = Singles3Count = 0;
    Pairs1Count = Pairs2Count = Pairs3Count = 0;
    ChosenCount = 0;
}

namespace {

int SheetSeat(const CPlayer& player) { return player.seat < 0 || player.seat > 3 ? 3 : player.seat; }

}  // namespace

TrickEstimationSheet& SheetOf(const CPlayer& player) {
    const int seat = SheetSeat(player);
    g_Computer.UntouchedBlocks[seat] = 0;
    return g_Computer.Sheets[seat];
}

SheetBlockRows& SheetBlock(const CPlayer& player, int block) {
    const int seat = SheetSeat(player);
    g_Computer.UntouchedBlocks[seat] &= ~(1u << block);
    return g_Computer.Sheets[seat].Rows[block];
}
