#pragma once
// A whole deal for tests and benchmarks: from a cleared deck, the three hands in seat order and then
// the skat, with nothing known of any card and no trick on the table. (The program deals from the
// forehand, with the table's pictures, in CMainFrame::OnDeal.)

#include "model/CardKnowledge.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "tests/support/SkatTestAccess.h"

namespace testsupport {

inline void DealAll(CSkat& game) {
    ClearDeckTaken();
    ResetCardTables();
    // Seat by seat from a cleared deck, which no deal of the program does (it deals from the forehand).
    for (int seat = 0; seat < 3; ++seat) {
        SkatTestAccess::Player(game, seat).Reset();
        SkatTestAccess::Player(game, seat).Deal();
    }
    SkatTestAccess::Trick(game).Reset();
    game.Deal();
    game.CheckCardInvariant();
}

}  // namespace testsupport
