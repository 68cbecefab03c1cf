// The auction: the computers bid by comparing their bid limits with the value on the table, the
// person answers on the auction bar, and the last step names the soloist. Every spoken word shows
// a balloon and waits for the tick to take it down, pumping messages meanwhile.
#include "flow/AuctionWords.h"
#include "flow/BusyStep.h"
#include "flow/FrameAuction.h"
#include "flow/MainFrame.h"
#include "flow/FrameAudio.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "dialogs/AuctionDialog.h"
#include "flow/EstimatedGame.h"
#include "flow/PromptBars.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/ids.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Random.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "windows/TrickEstimation.h"

#include <cstdio>
#include <optional>

namespace {

void StampWait(CMainFrame& frame, int level) { frame.MatchSeries().StampPause(level); }

}  // namespace

int ValueOnTable() { return BidValue(-1); }

void AuctionSpeaker::Voice(int seat, int term, bool variant) {
    // The alternative wording is drawn only for a word that is spoken.
    frame_.FrameAudio().SaySeatTerm(seat, term, variant);
}

void AuctionSpeaker::Show(int seat, AuctionWord word, int value) {
    static const char* const kFormats[3] = {"%s:bid:%d", "%s:hold:%d", "%s:pass:%d"};
    static const int kBalloons[3] = {IDS_BALLOON_BID, IDS_BALLOON_HOLD, IDS_BALLOON_PASS};
    const int w = static_cast<int>(word);
    if (IsTraceOn(LOG_MAINFRAME)) {
        char text[96];
        std::snprintf(text, sizeof text, kFormats[w], frame_.GetPlayerName(seat).c_str(), value);
        Trace(text);
    }
    frame_.FrameTable().MoveBalloonText(seat, kBalloons[w], value, nullptr, nullptr);
    frame_.MatchSeries().NoteCall(seat, "bhp"[w], value);
}

void AuctionSpeaker::Say(int seat, AuctionWord word, int value, int term, bool variant) {
    Voice(seat, term, variant);
    Show(seat, word, value);
}

void AuctionSpeaker::Bid(int seat) { Say(seat, AuctionWord::Bid, ValueOnTable(), g_Game.BidIndex, true); }
void AuctionSpeaker::Hold(int seat, int term, bool variant) { Say(seat, AuctionWord::Hold, ValueOnTable(), term, variant); }
void AuctionSpeaker::Pass(int seat, int term) { Say(seat, AuctionWord::Pass, ValueOnTable(), term, true); }

void AuctionSpeaker::Trace(const std::string& text) const {
    if (!IsTraceOn(LOG_MAINFRAME)) return;
    std::string line = ":";
    line += handler_;
    line += "(";
    line += text;
    line += ")";
    WriteTrace(line, LOG_MAINFRAME);
}

CFrameAuction& CMainFrame::FrameAuction() { return *auction_; }
const AuctionState& CMainFrame::Auction() const { return auction_->State(); }
int CMainFrame::PersonBidLimit() const { return Auction().BidLimits[2]; }

// Step up one rung, over 92 under rule Skat. At the top the bid stays and nobody may bid above it.
void CFrameAuction::StepUpBid() {
    if (g_Game.BidIndex >= BID_LADDER_SIZE - 1) {
        auction_.BidAtTop = 1;
        return;
    }
    auction_.BidAtTop = 0;
    ++g_Game.BidIndex;
    if (g_Game.VariantMode == VARIANT_OFFICIAL && g_Game.BidIndex < BID_LADDER_SIZE - 1 &&
        BidLadder[g_Game.BidIndex].flag)
        ++g_Game.BidIndex;
}

// Step down after a step up that nobody took: a step up that could not raise is not taken back.
void CFrameAuction::StepDownBid() {
    if (auction_.BidAtTop) {
        auction_.BidAtTop = 0;
        return;
    }
    LowerBid();
}

void CFrameAuction::ForgetFocusButton() { auction_.FocusButton = 0; }

void CFrameAuction::EvaluateBidLimits(int soloistMode) {
    for (int seat = 0; seat < 3; ++seat)
        auction_.BidLimits[seat] = CGameEvaluation(*frame_.GameObject().Player(seat))
                                       .AnalyseAndEvaluate(seat == g_Game.Soloist ? soloistMode : 0);
}

void CFrameAuction::EvaluateBidLimit(int seat) {
    auction_.BidLimits[seat] = CGameEvaluation(*frame_.GameObject().Player(seat)).AnalyseAndEvaluate(0);
}

void CFrameAuction::SetBidLimit(int seat, int limit) { auction_.BidLimits[seat] = limit; }

void CFrameAuction::ClearBidLimits() {
    for (int& limit : auction_.BidLimits) limit = 0;
}

// A computer bids the value on the table when its limit reaches it, and never above the top.
bool ComputerBids(const CMainFrame& frame, int seat) {
    return !frame.Auction().BidAtTop && frame.Auction().BidLimits[seat] >= ValueOnTable();
}

// Demonstration mode: a timer presses the bid, pass or (at the opening, with suggestions) the
// suggest button for the person.
void ArmAuctionDemoTimer(CMainFrame& frame, bool opening) {
    if (!g_Game.DemoMode) return;
    unsigned timer = frame.PersonBidLimit() >= ValueOnTable() ? TM_DEMO_BID : TM_DEMO_PASS;
    if (opening && g_Settings.Options.Suggest) timer = TM_DEMO_SUGGEST_GAME;
    frame.SetTimer(timer, g_Settings.Delay.Demo);
}

bool StartComputersBidding() {
    if (g_Game.StopFlag == StopState::Running) g_Game.StopFlag = StopState::Auction;
    return g_Game.StopFlag != StopState::Requested;
}

void EndComputersBidding() {
    if (g_Game.StopFlag == StopState::Auction) g_Game.StopFlag = StopState::Running;
}

ComputersBidding BidAmongComputers(CMainFrame& frame, AuctionSpeaker& say, int bidder, int holder, int holderPassTerm,
                                   bool stopAfterBid) {
    ComputersBidding bidding;
    while (g_Game.StopFlag == StopState::Auction) {
        if (!ComputerBids(frame, bidder)) {
            bidding.Ending = ComputersBidding::BidderPassed;
            return bidding;
        }
        say.Bid(bidder);
        ++bidding.Bids;
        if (stopAfterBid && g_Game.StopFlag == StopState::Requested) return bidding;
        frame.FramePanels().UpdateGameValueBid();
        if (frame.Auction().BidLimits[holder] < ValueOnTable()) {
            say.Pass(holder, holderPassTerm);
            bidding.Ending = ComputersBidding::HolderPassed;
            return bidding;
        }
        say.Hold(holder, TERM_YES, true);
        frame.FrameAuction().StepUpBid();
    }
    return bidding;
}

namespace {

// The person's turn: the computers' busy step ends as the bid button names the holder.
void TurnToPerson(CMainFrame& frame, std::optional<BusyStep>& busy, int role, int seat) {
    busy.reset();
    frame.FrameAuction().SetBidButton(role, seat);
    frame.FrameAuction().EnableBidButtons(true);
}

// Step 8: the estimation window, when it follows the game, goes to the best game of the player it
// shows; the person's options are those the bar was opened with.
void ShowEstimatedBestGame(CMainFrame& frame, CSkat& game, const int (*personOptions)[OPT_FIELD_COUNT]) {
    CTrickEstimation* window = frame.FramePanels().TrickEstimationWindow();
    if (!window || window->UpdateEstimation(1) == 0) return;
    const int seat = window->UpdateEstimation(2);
    const int(*options)[OPT_FIELD_COUNT] =
        seat == 0 || seat == 1 ? game.Think(seat, [](CPlayer& player) { return player.ChooseGame(0); }) : personOptions;
    g_Game.SetGameType(BestEstimatedGame(options));
    window->UpdateEstimation(-1);
}

// The person is forehand: middlehand seat 0 speaks first, then rearhand seat 1.
void MiddlehandThenRearhandSpeak(CMainFrame& frame, std::optional<BusyStep>& busy, AuctionSpeaker& say) {
    frame.FrameAuction().EnableBidButtons(false);
    if (frame.Auction().BidLimits[0] == 0) {
        say.Pass(0, TERM_I_AM_AWAY);
        if (frame.Auction().BidLimits[1] == 0) {
            say.Pass(1, TERM_ALSO_AWAY);
            TurnToPerson(frame, busy, 1, 2);
        } else {
            say.Bid(1);
            TurnToPerson(frame, busy, 1, 1);
        }
    } else {
        say.Bid(0);
        TurnToPerson(frame, busy, 1, 0);
    }
}

// Both computers bid: middlehand seat 1 bids to forehand seat 0 until one of them passes and the
// other turns to the person (rearhand). False when a stop was asked for.
bool MiddlehandBidsToForehand(CMainFrame& frame, std::optional<BusyStep>& busy, AuctionSpeaker& say) {
    if (g_Game.StopFlag == StopState::Requested) return false;
    frame.FrameAuction().EnableBidButtons(false);
    StartComputersBidding();
    switch (BidAmongComputers(frame, say, 1, 0, TERM_I_AM_AWAY, true).Ending) {
        case ComputersBidding::HolderPassed:
            // Seat 1 holds the value on the table and asks the person for more.
            say.Hold(1, TERM_I_HEAR_MORE, false);
            frame.FrameAuction().StepUpBid();
            EndComputersBidding();
            TurnToPerson(frame, busy, 0, 1);
            frame.SetFlowState(STATE_AUCTION);
            break;
        case ComputersBidding::BidderPassed:
            say.Pass(1, TERM_AWAY);
            EndComputersBidding();
            say.Voice(0, TERM_MORE, false);
            TurnToPerson(frame, busy, 0, 0);
            break;
        case ComputersBidding::Stopped: break;
    }
    // A break during the last word: nothing further is said.
    return g_Game.StopFlag != StopState::Requested;
}

// The person is rearhand: middlehand seat 1 bids to forehand seat 0 first. False when a stop was
// asked for.
bool ComputersBidBeforeRearhand(CMainFrame& frame, std::optional<BusyStep>& busy, AuctionSpeaker& say) {
    if (frame.Auction().BidLimits[1] == 0) {
        const int more = Rand() % 2;
        say.Say(1, AuctionWord::Pass, ValueOnTable(), TERM_I_HAVE_NOTHING, false);
        if (g_Game.StopFlag == StopState::Requested) return false;
        say.Voice(0, more ? TERM_MORE : TERM_HAVE_YOU_MORE, false);
        frame.FrameTable().MessageBalloon(0, more ? IDS_BALLOON_MORE : IDS_BALLOON_HAVE_MORE);
        TurnToPerson(frame, busy, 0, 0);
    } else if (frame.Auction().BidLimits[0] == 0) {
        say.Bid(1);
        frame.FramePanels().UpdateGameValueBid();
        say.Pass(0, TERM_I_AM_AWAY);
        frame.FrameTable().RemoveText(5, IDS_GRAND_HAND);
        say.Hold(1, TERM_I_HEAR_MORE, false);
        frame.FrameAuction().StepUpBid();
        TurnToPerson(frame, busy, 0, 1);
    } else {
        return MiddlehandBidsToForehand(frame, busy, say);
    }
    return true;
}

}  // namespace

// Step 2: the bar opens, in the state of the person's seat.
void CFrameAuction::OpenAuctionBar(AuctionSpeaker& say) {
    auction_.BidAtTop = 0;
    int(*options)[13] = game_.PersonThinks([](CPlayer& person) { return person.ChooseGame(0); });
    const int state = g_Game.Leader == 0 ? STATE_OBSERVE : g_Game.Leader == 1 ? STATE_AUCTION : STATE_REPLY;
    char text[96];
    std::snprintf(text, sizeof text, "%s:max bid:%d", frame_.GetPlayerName(2).c_str(), frame_.PersonBidLimit());
    say.Trace(text);
    frame_.SetFlowState(state);
    frame_.RefreshScoreSheet();
    if (CAuctionDialog* bar = OpenPromptBar<CAuctionDialog>(frame_)) {
        bar->AlterBidDisplay(true);
        bar->AlterBidDisplay(false);
    }
    FocusBidOrPass(options);
    g_Game.SetGameType(GAME_CLUBS);
    EnableBidButtons(false);
    ShowEstimatedBestGame(frame_, game_, options);
}

// Step 5: the focus goes to the bid button when the person has a playable game.
void CFrameAuction::FocusBidOrPass(int (*options)[13]) {
    auction_.FocusButton = BTN_BID;
    if (!g_Settings.Options.Suggest) return;
    bool playable = false;
    for (int type = 0; type < GAME_OPTION_COUNT; ++type) playable = playable || options[type][OPT_BASE] > 0;
    auction_.FocusButton = playable ? BTN_BID : BTN_PASS;
    ::SendMessage(frame_.Prompts().PromptDialog, WM_NEXTDLGCTL,
                  reinterpret_cast<WPARAM>(::GetDlgItem(frame_.Prompts().PromptDialog, auction_.FocusButton)), 1);
    RedrawWindow(frame_.Prompts().PromptDialog, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool CFrameAuction::IsAuctionBarOpen() const {
    return ::IsWindow(frame_.Prompts().PromptDialog) &&
           dynamic_cast<CAuctionDialog*>(::WindowFromHandle(frame_.Prompts().PromptDialog)) != nullptr;
}

bool CFrameAuction::HasBid(int seat) const {
    if (seat >= 0 && seat <= 2) return g_Game.HasBid[seat] != 0;
    return g_Game.HasBid[0] || g_Game.HasBid[1] || g_Game.HasBid[2];
}

void CFrameAuction::SetBidButton(int role, int seat) {
    if (!IsAuctionBarOpen() || !::IsWindow(::GetDlgItem(frame_.Prompts().PromptDialog, BTN_BID))) return;
    g_Game.AuctionRole = role;
    g_Game.Soloist = seat;
    ::SetWindowText(::GetDlgItem(frame_.Prompts().PromptDialog, BTN_BID), CAuctionDialog::BidButtonLabel());
}

void CFrameAuction::EnableBidButtons(bool enable) {
    if (g_Game.StopFlag != StopState::Running || !IsAuctionBarOpen() ||
        !::IsWindow(::GetDlgItem(frame_.Prompts().PromptDialog, BTN_BID)))
        return;
    for (int button : {BTN_BID, BTN_PASS, BTN_SUGGEST_GAME})
        if (HWND control = ::GetDlgItem(frame_.Prompts().PromptDialog, button)) ::EnableWindow(control, enable);
    frame_.FrameTimers().AskDialogFocus();
}

void CFrameAuction::OnAuction() {
    WriteTrace(":OnAuction()", LOG_MAINFRAME);
    AuctionSpeaker say(frame_, "OnAuction");
    // Step 1: the pause for the answer; at the start the auction bar opens.
    StampWait(frame_, g_Game.FlowState == STATE_START ? 2 : 1);
    if (g_Game.FlowState == STATE_START) OpenAuctionBar(say);
    // Step 3: the computers speak until the person must answer.
    std::optional<BusyStep> busy;
    switch (g_Game.FlowState) {
        case STATE_REPLY:
            busy.emplace(frame_);
            MiddlehandThenRearhandSpeak(frame_, busy, say);
            break;
        case STATE_AUCTION:
            // The person is middlehand: forehand seat 1 asks him to speak.
            say.Voice(1, TERM_SAY_SOMETHING, false);
            frame_.FrameTable().MessageBalloon(1, IDS_BALLOON_SAY_SOMETHING);
            TurnToPerson(frame_, busy, 0, 1);
            break;
        case STATE_OBSERVE:
            busy.emplace(frame_);
            if (!ComputersBidBeforeRearhand(frame_, busy, say)) return;
            break;
        default: return;
    }
    busy.reset();
    // Step 4: demonstration mode answers for the person.
    ArmAuctionDemoTimer(frame_, true);
}

namespace {

// Nobody bids above the person: he has the bid. The pass that names him is a busy step of its own,
// which ends before the declaration.
void PersonHasTheBid(CMainFrame& frame, BusyStep& busy) {
    g_Game.Soloist = 2;
    busy.End();
    frame.FrameAuction().OnPass();
}

// The person held; computer c (seat 0 or 1) bids on, or passes.
void ListenComputer(CMainFrame& frame, int c, const char* handler) {
    AuctionSpeaker say(frame, handler);
    // Step 1: the person holds.
    BusyStep busy(frame);
    say.Hold(2, TERM_YES, true);
    // Step 2: the pause for the answer; the bid goes up a step.
    StampWait(frame, 2);
    frame.FrameAuction().StepUpBid();
    // Step 3: the computer bids on when its limit reaches the value.
    if (ComputerBids(frame, c)) {
        say.Bid(c);
        frame.FramePanels().UpdateGameValueBid();
        ArmAuctionDemoTimer(frame, false);
        return;
    }
    // Step 4: with the person forehand, rearhand seat 1 may still come in after seat 0.
    say.Pass(c, TERM_I_AM_AWAY);
    if (c == 0 && g_Game.Leader == 2) {
        if (ComputerBids(frame, 1)) {
            say.Bid(1);
            frame.FramePanels().UpdateGameValueBid();
            g_Game.Soloist = 1;
            ArmAuctionDemoTimer(frame, false);
            return;
        }
        say.Pass(1, TERM_I_AM_AWAY);
    }
    // Step 5: nobody bids the new value; the person has it.
    frame.FrameAuction().StepDownBid();
    PersonHasTheBid(frame, busy);
}

// The person bid; computer c (seat 0 or 1) holds, or passes.
void SpeakComputer(CMainFrame& frame, int c, const char* handler) {
    AuctionSpeaker say(frame, handler);
    // Step 1: the person bids.
    BusyStep busy(frame);
    say.Bid(2);
    frame.FramePanels().UpdateGameValueBid();
    // Step 2: the pause for the answer.
    StampWait(frame, 2);
    // Step 3: the computer holds when its limit reaches the value; the bid goes up a step.
    if (frame.Auction().BidLimits[c] >= ValueOnTable()) {
        say.Hold(c, TERM_YES, true);
        frame.FrameAuction().StepUpBid();
        ArmAuctionDemoTimer(frame, false);
        return;
    }
    // Step 4: otherwise it passes.
    say.Pass(c, TERM_I_AM_AWAY);
    if (c == 0 || g_Game.Leader != 1) {
        // Step 5: the person is the soloist.
        PersonHasTheBid(frame, busy);
    } else {
        // Step 6: rearhand seat 0 comes in only above the value the person bid.
        frame.FrameAuction().StepUpBid();
        if (!frame.Auction().BidAtTop && frame.Auction().BidLimits[0] > ValueOnTable()) {
            say.Bid(0);
            frame.FramePanels().UpdateGameValueBid();
            g_Game.Soloist = 0;
            g_Game.AuctionRole = 1;
            ArmAuctionDemoTimer(frame, false);
        } else {
            say.Pass(0, TERM_ALSO_AWAY);
            frame.FrameAuction().StepDownBid();
            PersonHasTheBid(frame, busy);
        }
    }
}

}  // namespace

void CFrameAuction::OnListenComputer1() { ListenComputer(frame_, 0, "OnListenComputer1"); }
void CFrameAuction::OnListenComputer2() { ListenComputer(frame_, 1, "OnListenComputer2"); }
void CFrameAuction::OnSpeakComputer1() { SpeakComputer(frame_, 0, "OnSpeakComputer1"); }
void CFrameAuction::OnSpeakComputer2() { SpeakComputer(frame_, 1, "OnSpeakComputer2"); }

