#include "computer/evaluation/ComputerState.h"

#include "model/Player.h"

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

void TrickEstimationSheet::ClearTouchedBlocks(std::uint32_t untouched) {
    if (untouched & ~ALL_SHEET_BLOCKS) untouched = 0;
    for (int b = 0; b < SHEET_BLOCKS; ++b) {
        if ((untouched >> b) & 1u) continue;
        for (auto& row : Rows[b]) std::memcpy(row, BlankRow.Fields, sizeof row);
    }
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

void ClearTouchedSheets(ComputerState& state) {
    for (int seat = 0; seat < 4; ++seat) {
        state.Sheets[seat].ClearTouchedBlocks(state.UntouchedBlocks[seat]);
        state.UntouchedBlocks[seat] = ALL_SHEET_BLOCKS;
    }
}
