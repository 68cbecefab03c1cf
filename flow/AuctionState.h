#pragma once
// The auction as the auction part keeps it: the bar's focus, the top of the ladder and the three
// hands' bid limits. Only CFrameAuction writes it; every other part reads it through the frame's
// Auction().

struct AuctionState {
    // The auction bar's button that the next tick focuses.
    int FocusButton = 0;
    // The last step up of the bid could not raise it (the top of the ladder): nobody bids above.
    int BidAtTop = 0;
    int BidLimits[3] = {0, 0, 0};
};
