#pragma once
// The rung of a bid value, for tests and benchmarks that set the auction's position by its value:
// -1 gives BidIndex; otherwise the lowest rung whose value is not below the value (above 264: 63).

#include "model/BidLadder.h"
#include "model/GameState.h"

namespace testsupport {

inline int BidIndexOf(int value) {
    if (value == -1) return g_Game.BidIndex;
    for (int i = 0; i < BID_LADDER_SIZE; ++i)
        if (BidLadder[i].value >= value) return i;
    return BID_LADDER_SIZE - 1;
}

}  // namespace testsupport
