#pragma once
// The bid ladder the auction climbs: 64 fixed rungs from 18 to 264, and the three operations that
// turn a rung into a value, a value into a rung and step the current bid down. The current bid is
// rung g_Game.BidIndex + g_Game.PendingRaise.

constexpr int BID_LADDER_SIZE = 64;
// The rung of 92, the value of Revolution; it exists only under the variant rules.
constexpr int REVOLUTION_RUNG = 30;

struct BidRung {
    int value;
    int flag;  // 1 only on 92: skipped under rule Skat (VariantMode 0)
};

extern const BidRung BidLadder[BID_LADDER_SIZE];

// Value of a rung; -1 gives the current bid (BidIndex + PendingRaise). Rungs outside the ladder are
// read as its nearest end.
int BidValue(int index);
// Steps BidIndex down one rung (never below 0), over 92 as well under rule Skat.
void LowerBid();
