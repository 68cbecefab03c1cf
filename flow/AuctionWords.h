#pragma once
// The building blocks of the auction's steps: a seat's spoken word (voice, trace line, balloon),
// a computer's decision, the two computers bidding against each other and the demonstration timer.
// The bid's steps up and down the ladder are the auction part's (flow/FrameAuction.h).

#include <string>

class CMainFrame;

enum class AuctionWord { Bid = 0, Hold = 1, Pass = 2 };

// Voice terms of the auction.
enum AuctionTerm : int {
    TERM_ALL_PASSED = 93,
    TERM_MORE = 94,
    TERM_HAVE_YOU_MORE = 95,
    TERM_YES = 96,
    TERM_AWAY = 98,
    TERM_I_AM_AWAY = 99,
    TERM_ALSO_AWAY = 100,
    TERM_SAY_SOMETHING = 102,
    TERM_I_HEAR_MORE = 103,
    TERM_I_HAVE_NOTHING = 104,
    TERM_KONTRA = 105,
    TERM_REKONTRA = 106,
};

// The words of one handler, traced under its name (":OnPass(Person:pass:18)").
class AuctionSpeaker {
public:
    AuctionSpeaker(CMainFrame& frame, const char* handler) : frame_(frame), handler_(handler) {}

    // The seat's voice says the term, or with variant a random alternative of it.
    void Voice(int seat, int term, bool variant);
    // The seat's word on the table at that value: the trace line and the balloon, which waits.
    void Show(int seat, AuctionWord word, int value);
    void Say(int seat, AuctionWord word, int value, int term, bool variant);
    // The seat bids the value on the table (its rung is the spoken term).
    void Bid(int seat);
    void Hold(int seat, int term, bool variant);
    // The seat passes the value on the table with a variant of the term.
    void Pass(int seat, int term);
    void Trace(const std::string& text) const;

private:
    CMainFrame& frame_;
    const char* handler_;
};

// The value of the bid on the table.
int ValueOnTable();

// A computer bids the value on the table: its limit reaches it and it lies within the ladder.
bool ComputerBids(const CMainFrame& frame, int seat);
void ArmAuctionDemoTimer(CMainFrame& frame, bool opening);

// While the two computers bid among themselves, the stop flag reads Auction (a running game only);
// false when a stop was asked for and they do not start.
bool StartComputersBidding();
// The flag goes back to Running, unless a stop was asked for meanwhile.
void EndComputersBidding();

// How the computers' bidding ended: the holder passed a bid, the bidder found the value on the
// table beyond its limit, or a stop was asked for.
struct ComputersBidding {
    enum Outcome { HolderPassed, BidderPassed, Stopped };
    Outcome Ending = Stopped;
    int Bids = 0;  // the bids the bidder made
};
// The bidder bids the value on the table while its limit reaches it and the holder holds each bid
// (the bid goes up a rung); the holder passes with its term. A stop asked for during a bid ends
// the bidding at once where stopAfterBid, else after the holder's answer. Runs while the stop flag
// reads Auction; the caller says what follows and ends the bidding.
ComputersBidding BidAmongComputers(CMainFrame& frame, AuctionSpeaker& say, int bidder, int holder, int holderPassTerm,
                                   bool stopAfterBid);
