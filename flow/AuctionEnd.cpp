// The end of the auction: the person passes (or has the bid), the computers left bid among
// themselves, and the soloist is named before the declaration.
#include "flow/AuctionWords.h"
#include "flow/BusyStep.h"
#include "flow/MainFrame.h"

#include "model/BidLadder.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"

#include <cstdio>

namespace {

int Value() { return BidValue(-1); }
constexpr int kLowestBid = 18;

// StopFlag 0 becomes -1 while the computers bid among themselves; false when a stop is asked for.
bool StartComputersLoop() {
    if (g_Game.StopFlag == StopState::Running) g_Game.StopFlag = StopState::Auction;
    return g_Game.StopFlag != StopState::Requested;
}

void EndComputersLoop() {
    if (g_Game.StopFlag == StopState::Auction) g_Game.StopFlag = StopState::Running;
}

// The forehand computer decides alone at 18 when everybody else passed: a limit of 0 is looked at
// again as a game still worth playing. False when it passes too.
bool ForehandPlaysAlone(CMainFrame& frame, AuctionSpeaker& say, int seat, int passTerm) {
    if (frame.Auction().BidLimits[seat] == 0)
        frame.EditAuction().BidLimits[seat] = frame.EditGameObject().Player(seat)->EvaluateAllPassed();
    if (frame.Auction().BidLimits[seat] >= kLowestBid) {
        say.Say(seat, AuctionWord::Hold, Value(), g_Game.BidIndex, true);
        return true;
    }
    say.Pass(seat, passTerm);
    return false;
}

// The person, forehand, passed on seat 0's bid: rearhand seat 1 now bids to seat 0. False when a
// stop was asked for and the pass ends here.
bool RearhandSeat1BidsToSeat0(CMainFrame& frame, AuctionSpeaker& say) {
    StepUpBid(frame);
    if (!StartComputersLoop()) return false;
    while (g_Game.StopFlag == StopState::Auction) {
        if (ComputerBids(frame, 1)) {
            say.Bid(1);
            frame.UpdateGameValueBid();
            if (frame.Auction().BidLimits[0] >= Value()) {
                say.Hold(0, TERM_YES, true);
                StepUpBid(frame);
                continue;
            }
            say.Pass(0, TERM_I_AM_AWAY);
            g_Game.Soloist = 1;
            EndComputersLoop();
        } else {
            // Seat 1 passes the value seat 0 holds.
            say.Voice(1, TERM_ALSO_AWAY, true);
            StepDownBid(frame);
            say.Show(1, AuctionWord::Pass, Value());
            EndComputersLoop();
        }
    }
    if (g_Game.StopFlag == StopState::Requested) return false;
    return true;
}

// The person, middlehand, passed against forehand seat 1: rearhand seat 0 bids to seat 1. False
// when a stop was asked for and the pass ends here.
bool RearhandSeat0BidsToSeat1(CMainFrame& frame, BusyStep& busy, AuctionSpeaker& say) {
    bool first = true;
    if (g_Game.StopFlag == StopState::Running) {
        // Not busy while they bid: a close request stops their loop at its next check.
        g_Game.StopFlag = StopState::Auction;
        busy.End();
    }
    if (g_Game.StopFlag == StopState::Requested) return false;
    while (g_Game.StopFlag == StopState::Auction) {
        if (ComputerBids(frame, 0)) {
            first = false;
            say.Bid(0);
            if (g_Game.StopFlag == StopState::Requested) break;
            frame.UpdateGameValueBid();
            if (frame.Auction().BidLimits[1] >= Value()) {
                say.Hold(1, TERM_YES, true);
                StepUpBid(frame);
                continue;
            }
            say.Pass(1, TERM_ALSO_AWAY);
            g_Game.Soloist = 0;
            EndComputersLoop();
        } else {
            say.Pass(0, first ? TERM_ALSO_AWAY : TERM_I_AM_AWAY);
            if (Value() == kLowestBid) {
                if (!ForehandPlaysAlone(frame, say, 1, TERM_I_AM_AWAY)) {
                    g_Game.Soloist = 3;
                    frame.SetFlowState(STATE_QUERY);
                }
            } else {
                StepDownBid(frame);
            }
            EndComputersLoop();
        }
    }
    if (g_Game.StopFlag == StopState::Requested) return false;
    return true;
}

}  // namespace

void CMainFrame::OnPass() {
    AuctionSpeaker say(*this, "OnPass");
    // Step 1: the person's word.
    if (g_Game.Soloist != 2) {
        const bool alsoAway = g_Game.Soloist == 0 && g_Game.Forehand != 2 && Value() == kLowestBid;
        say.Voice(2, alsoAway ? TERM_ALSO_AWAY : TERM_I_AM_AWAY, true);
    }
    BusyStep busy(*this);
    // Step 2: on the table.
    if (g_Game.Soloist == 2) {
        if (g_Game.Forehand == 2) say.Show(2, AuctionWord::Hold, Value());
    } else {
        say.Show(2, AuctionWord::Pass, Value());
    }
    // Step 3: the bar closes; the pause clock starts.
    CloseModelessDialog();
    EditSeries().PlayClock = StampPauseLevel(1);
    // Step 4: who is left.
    const int soloist = g_Game.Soloist;
    const int leader = g_Game.Leader;
    if (soloist == 0 && leader == 2) {
        if (!RearhandSeat1BidsToSeat0(*this, say)) return;
    } else if (soloist == 0 && leader == 0) {
        // The person, rearhand, passed against forehand seat 0.
        if (Value() == kLowestBid) {
            if (!ForehandPlaysAlone(*this, say, 0, TERM_ALSO_AWAY)) g_Game.Soloist = 3;
        } else {
            StepDownBid(*this);
        }
    } else if (soloist == 1 && leader == 1) {
        if (!RearhandSeat0BidsToSeat1(*this, busy, say)) return;
    } else if (soloist == 1 && leader == 0) {
        // The person, rearhand, passed against seat 1, who had won against forehand.
        StepDownBid(*this);
    }
    // Step 5: the soloist, or nobody.
    busy.End();
    if (g_Game.Soloist == 3) {
        SetFlowState(STATE_QUERY);
        if (Files().CardStatisticsPending) {
            EditFiles().CardStatisticsPending = 0;
            UpdateCardsStatistics(0);
        }
    } else {
        char text[96];
        std::snprintf(text, sizeof text, "%s:soloist:%d", GetPlayerName(g_Game.Soloist).c_str(), Value());
        say.Trace(text);
    }
    Declare();
}
