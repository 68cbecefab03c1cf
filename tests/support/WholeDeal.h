#pragma once
// A whole deal for tests and benchmarks: from a cleared deck, the three hands in seat order and then
// the skat, with nothing known of any card and no trick on the table. (The program deals from the
// forehand, with the table's pictures, in CMainFrame::OnDeal.)

#include "model/CardKnowledge.h"
#include "model/Skat.h"

namespace testsupport {

inline void DealAll(CSkat& game) {
    ClearDeckTaken();
    ResetCardTables();
    for (int seat = 0; seat < 3; ++seat) {
        game.Player(seat)->Reset();
        game.Player(seat)->Deal();
    }
    game.trick.Reset();
    game.Deal();
    game.CheckCardInvariant();
}

}  // namespace testsupport
