// The end of the auction: the person passes (or has the bid), the computers left bid among
// themselves, and the soloist is named before the declaration.
#include "flow/AuctionWords.h"
#include "flow/BusyStep.h"
#include "flow/FrameAuction.h"
#include "flow/FrameDeclaration.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "model/BidLadder.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"

#include <cstdio>

namespace {

constexpr int kLowestBid = 18;

// The bid nobody took: at the lowest bid the forehand computer decides alone, a limit of 0 looked
// at again as a game still worth playing; above it, the bid goes back to the value last held.
// False when nobody plays.
bool ForehandDecidesOrBidStepsDown(CMainFrame& frame, CSkat& game, AuctionSpeaker& say, int seat, int passTerm) {
    if (ValueOnTable() != kLowestBid) {
        frame.FrameAuction().StepDownBid();
        return true;
    }
    if (frame.Auction().BidLimits[seat] == 0)
        frame.FrameAuction().SetBidLimit(
            seat, game.Think(seat, [](CPlayer& player) { return player.EvaluateAllPassed(); }));
    if (frame.Auction().BidLimits[seat] >= kLowestBid) {
        say.Say(seat, AuctionWord::Hold, ValueOnTable(), g_Game.BidIndex, true);
        return true;
    }
    say.Pass(seat, passTerm);
    return false;
}

// The person, forehand, passed on seat 0's bid: rearhand seat 1 now bids to seat 0. False when a
// stop was asked for and the pass ends here.
bool RearhandSeat1BidsToSeat0(CMainFrame& frame, AuctionSpeaker& say) {
    frame.FrameAuction().StepUpBid();
    if (!StartComputersBidding()) return false;
    // Here seat 0 still answers a bid during which a stop was asked for.
    switch (BidAmongComputers(frame, say, 1, 0, TERM_I_AM_AWAY, false).Ending) {
        case ComputersBidding::HolderPassed: g_Game.Soloist = 1; break;
        case ComputersBidding::BidderPassed:
            // Seat 1 passes the value seat 0 holds.
            say.Voice(1, TERM_ALSO_AWAY, true);
            frame.FrameAuction().StepDownBid();
            say.Show(1, AuctionWord::Pass, ValueOnTable());
            break;
        case ComputersBidding::Stopped: break;
    }
    EndComputersBidding();
    return g_Game.StopFlag != StopState::Requested;
}

// The person, middlehand, passed against forehand seat 1: rearhand seat 0 bids to seat 1. False
// when a stop was asked for and the pass ends here.
bool RearhandSeat0BidsToSeat1(CMainFrame& frame, CSkat& game, BusyStep& busy, AuctionSpeaker& say) {
    if (g_Game.StopFlag == StopState::Running) {
        // Not busy while they bid: a close request stops their loop at its next check.
        g_Game.StopFlag = StopState::Auction;
        busy.End();
    }
    if (g_Game.StopFlag == StopState::Requested) return false;
    const ComputersBidding bidding = BidAmongComputers(frame, say, 0, 1, TERM_ALSO_AWAY, true);
    switch (bidding.Ending) {
        case ComputersBidding::HolderPassed: g_Game.Soloist = 0; break;
        case ComputersBidding::BidderPassed:
            // Seat 0 passes too: "also" when it never bid, after the person's pass.
            say.Pass(0, bidding.Bids == 0 ? TERM_ALSO_AWAY : TERM_I_AM_AWAY);
            if (!ForehandDecidesOrBidStepsDown(frame, game, say, 1, TERM_I_AM_AWAY)) {
                g_Game.Soloist = 3;
                frame.SetFlowState(STATE_QUERY);
            }
            break;
        case ComputersBidding::Stopped: break;
    }
    EndComputersBidding();
    return g_Game.StopFlag != StopState::Requested;
}

}  // namespace

void CFrameAuction::OnPass() {
    AuctionSpeaker say(frame_, "OnPass");
    // Step 1: the person's word.
    if (g_Game.Soloist != 2) {
        const bool alsoAway = g_Game.Soloist == 0 && g_Game.Forehand != 2 && ValueOnTable() == kLowestBid;
        say.Voice(2, alsoAway ? TERM_ALSO_AWAY : TERM_I_AM_AWAY, true);
    }
    BusyStep busy(frame_);
    // Step 2: on the table.
    if (g_Game.Soloist == 2) {
        if (g_Game.Forehand == 2) say.Show(2, AuctionWord::Hold, ValueOnTable());
    } else {
        say.Show(2, AuctionWord::Pass, ValueOnTable());
    }
    // Step 3: the bar closes; the pause clock starts.
    frame_.CloseModelessDialog();
    frame_.MatchSeries().StampPause(1);
    // Step 4: who is left.
    const int soloist = g_Game.Soloist;
    const int leader = g_Game.Leader;
    if (soloist == 0 && leader == 2) {
        if (!RearhandSeat1BidsToSeat0(frame_, say)) return;
    } else if (soloist == 0 && leader == 0) {
        // The person, rearhand, passed against forehand seat 0.
        if (!ForehandDecidesOrBidStepsDown(frame_, game_, say, 0, TERM_ALSO_AWAY)) g_Game.Soloist = 3;
    } else if (soloist == 1 && leader == 1) {
        if (!RearhandSeat0BidsToSeat1(frame_, game_, busy, say)) return;
    } else if (soloist == 1 && leader == 0) {
        // The person, rearhand, passed against seat 1, who had won against forehand.
        StepDownBid();
    }
    // Step 5: the soloist, or nobody.
    busy.End();
    if (g_Game.Soloist == 3) {
        frame_.SetFlowState(STATE_QUERY);
        frame_.MatchFiles().CountLatchedDeal();
    } else {
        char text[96];
        std::snprintf(text, sizeof text, "%s:soloist:%d", frame_.GetPlayerName(g_Game.Soloist).c_str(), ValueOnTable());
        say.Trace(text);
    }
    frame_.FrameDeclaration().Declare();
}
