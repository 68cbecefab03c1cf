#pragma once
// CFrameAuction: the auction for the frame. It alone writes the auction record: the bid's steps up
// and down the ladder, the bar's focus and the hands' bid limits. Its command handlers run the
// person's answers on the auction bar and the computers' bids; the end of the auction names the
// soloist and hands over to the declaration. Every other part asks through its methods and reads
// the record through the frame's Auction().

#include "flow/AuctionState.h"

class AuctionSpeaker;
class CMainFrame;
class CSkat;

class CFrameAuction {
public:
    CFrameAuction(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CFrameAuction(const CFrameAuction&) = delete;
    CFrameAuction& operator=(const CFrameAuction&) = delete;

    const AuctionState& State() const { return auction_; }

    // --- Auction (flow/Auction.cpp) --------------------------------------------------------------
    void OnAuction();
    void OnListenComputer1();
    void OnListenComputer2();
    void OnSpeakComputer1();
    void OnSpeakComputer2();
    void SetBidButton(int role, int seat);
    void EnableBidButtons(bool enable);
    // Seat 0..2: that seat has bid in this auction; 3: any seat has.
    bool HasBid(int seat) const;
    // The open prompt is a live auction bar (never a byte that a measuring bar could clear).
    bool IsAuctionBarOpen() const;
    // One rung up (over 92 under rule Skat); at the top the bid stays and nobody may bid above it.
    void StepUpBid();
    // One rung down after a step up that nobody took; after a step up that could not raise, nothing.
    void StepDownBid();
    // The closed bar leaves no button for the tick to focus.
    void ForgetFocusButton();

    // --- The hands' bid limits (flow/Auction.cpp) ------------------------------------------------
    // Each seat judges its hand; the soloist's with soloistMode, as while he exchanges with the skat.
    void EvaluateBidLimits(int soloistMode = 0);
    void EvaluateBidLimit(int seat);
    // The seat's limit is this value (the person's declared game's value, a passed hand looked at
    // again).
    void SetBidLimit(int seat, int limit);
    // Off the table nobody has a limit.
    void ClearBidLimits();

    // --- The end of the auction (flow/AuctionEnd.cpp) --------------------------------------------
    // The person passes, or the auction ends; names the soloist and goes on to the declaration.
    void OnPass();

private:
    // The bar opens in the state of the person's seat; the focus goes to the bid button when the
    // person has a playable game.
    void OpenAuctionBar(AuctionSpeaker& say);
    void FocusBidOrPass(int (*options)[13]);

    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    AuctionState auction_;
};
