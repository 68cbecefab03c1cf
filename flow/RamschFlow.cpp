// The Ramsch rounds before the first card: the Grand Hand offer, the person's answers on the
// Ramsch bars, and the pass-on and push of the skat in Schieberamsch.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAuction.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"
#include "flow/RamschRounds.h"

#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/play/SuitSoloistPlay.h"
#include "dialogs/HelpToggle.h"
#include "dialogs/MessageDialogs.h"
#include "dialogs/RamschBars.h"
#include "model/FlowGlobals.h"
#include "flow/RichText.h"
#include "flow/FrameServices.h"
#include "flow/PromptBars.h"
#include "flow/RuleButton.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kPersonSeat = 2;
constexpr int kTermRamsch = 111;
constexpr int kTermIPassOn = 114;
constexpr int kPauseAfterRamschMs = 200;
constexpr int kJackRank = 5;
constexpr int kGrandHandPause = 5;

bool IsJack(int card) { return IsCardCode(card) && GetCardRank(card) == kJackRank; }

// The advice on the person's Grand Hand bar: Grand Hand with its rule when his hand holds one
// (the bar's rule button and the rule help then name the rule), else Durchmarsch or Ramsch.
std::string GrandHandAdvice(CMainFrame& frame, CSkat& game, CGrandHandDialog* bar) {
    if (game.PersonThinks([](CPlayer& person) { return person.InitPlayEstimate(); })) {
        game.PersonThinks([](CPlayer& person) { person.ChooseGame(-1); });
        // Choosing may change the game record: the offer is still made in a Ramsch.
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        std::string advice = platform::LoadString(IDS_GRAND_HAND);
        // The rule of the Grand option, even a 0, on the rule button and as the rule help's topic.
        const int rule = ShownRuleNumber(frame.GameObject().Person().gameOptions[GAME_GRAND][OPT_RULE]);
        if (bar && rule >= 0) {
            AppendToRuleButton(bar->Handle(), rule);
            g_Flow.RuleHelpTopic = RuleHelpTopic(rule);
        }
        if (g_Settings.Options.Suggest && bar)
            ::SendMessage(bar->Handle(), WM_NEXTDLGCTL,
                          reinterpret_cast<WPARAM>(::GetDlgItem(bar->Handle(), IDC_GRAND_HAND)), 1);
        frame.FramePanels().SelectEstimatedGame();
        return advice;
    }
    if (frame.Ramsch().GrandHandDurchmarsch) {
        char text[64];
        std::snprintf(text, sizeof text, platform::LoadString(IDS_ADVICE_RAMSCH_DURCHMARSCH).c_str(),
                      frame.GameObject().Person().GetRuleNumber());
        return text;
    }
    return platform::LoadString(IDS_GAME_RAMSCH);
}

}  // namespace

CRamschRounds& CMainFrame::RamschRounds() { return *ramschRounds_; }
const RamschState& CMainFrame::Ramsch() const { return ramschRounds_->State(); }

void CRamschRounds::NoteLosers(int loser, int secondLoser) {
    ramsch_.RamschResultSeats[0] = loser;
    ramsch_.RamschResultSeats[1] = secondLoser;
}

void CRamschRounds::RestoreResult(int loser, int secondLoser, int pushes) {
    NoteLosers(loser, secondLoser);
    ramsch_.RamschPushCount = pushes;
}

void CRamschRounds::BeginSkatSuggestion() { ramsch_.SkatSuggestionRunning = 1; }

bool CRamschRounds::EndSkatSuggestion() {
    ramsch_.SkatSuggestionRunning = 0;
    const bool pushWaits = ramsch_.PushAfterSuggestion != 0;
    ramsch_.PushAfterSuggestion = 0;
    return pushWaits;
}

bool CRamschRounds::RamschExchangeRunning() const {
    return g_Game.FlowState == STATE_QUERY && OpenBarAs<CEndSwapRamschDialog>(frame_) != nullptr;
}

bool CRamschRounds::RamschUnderWay() const {
    if (g_Game.GameType != GAME_RAMSCH) return false;
    switch (g_Game.FlowState) {
        case STATE_QUERY:
        case STATE_PICKUP:
        case STATE_PLAY: return true;
        case STATE_START: return OpenBarAs<CGrandHandDialog>(frame_) != nullptr;
        default: return false;
    }
}

void CRamschRounds::ShowRamschAdvice(const std::string& text) {
    frame_.FrameTexts().SetHintText(text);
    if (g_Settings.Options.Suggest && !text.empty()) {
        frame_.SetStatusPane(0, text);
        frame_.FrameTimers().StartStatusRotation();
        frame_.FrameTimers().DelayRotation(0);
    }
}

void CRamschRounds::InitRamschPickup() {
    StartPlayKnowledge();
    for (int& points : g_Game.PartyPoints) points = 0;
}

void CRamschRounds::ApplyRamschChoice(int seat) {
    if (g_Game.GameType != GAME_RAMSCH || seat < 0 || seat > 2) return;
    for (int s = 0; s < 3; ++s) {
        game_.Think(s, [s, seat](CPlayer& player) {
            if (s == seat) CSuitSoloistPlay(player).CheckDurchmarsch();
            else player.SetDurchmarsch(0, -1);
        });
    }
}

void CRamschRounds::OnGrandHand() {
    if (g_Game.GameType != GAME_RAMSCH || g_Game.StopFlag != StopState::Running ||
        OpenBarAs<CGrandHandDialog>(frame_) == nullptr) {
        WriteTrace(":OnGrandHand(late)", LOG_MAINFRAME);
        return;
    }
    frame_.CloseModelessDialog();
    WriteTrace(":OnGrandHand(" + frame_.GetPlayerName(kPersonSeat) + ")", LOG_MAINFRAME);
    frame_.FrameTable().MoveBalloonText(kPersonSeat, IDS_GRAND_HAND, 0, nullptr, nullptr);
    GrandHand(1);
}

void CRamschRounds::OnRamsch() {
    if (g_Game.GameType != GAME_RAMSCH || g_Game.StopFlag != StopState::Running ||
        OpenBarAs<CGrandHandDialog>(frame_) == nullptr) {
        WriteTrace(":OnRamsch(late)", LOG_MAINFRAME);
        return;
    }
    // Busy until the Grand Hand round that follows ends: GrandHand clears the flag at each of its
    // ends, since the same round also follows a Ramsch deal that was never busy.
    frame_.MarkBusy(true);
    frame_.CloseModelessDialog();
    WriteTrace(":OnRamsch(" + frame_.GetPlayerName(kPersonSeat) + ")", LOG_MAINFRAME);
    frame_.FrameTable().MoveBalloonText(kPersonSeat, IDS_GAME_RAMSCH, 0, nullptr, nullptr);
    frame_.FrameAudio().SaySeatTerm(kPersonSeat, kTermRamsch, false);
    ::Sleep(kPauseAfterRamschMs);
    g_Game.OuvertAnnounced = 0;
    RotatePickup();
    GrandHand(0);
    if (g_Game.GameType == GAME_RAMSCH && g_Settings.Variants.PassOn && g_Game.StopFlag == StopState::Running &&
        g_Game.FlowState != STATE_PLAY)
        frame_.SetFlowState(STATE_QUERY);
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowGameStatusDialog();
}

void CRamschRounds::OnPassOnRamsch() {
    const int s = g_Game.TurnSeat;
    // Only while the Ramsch skat is offered to the seat whose turn it is.
    const bool personsTurn = s == kPersonSeat && OpenBarAs<CSkatRamschDialog>(frame_) != nullptr &&
                             g_Game.FlowState == STATE_QUERY;
    const bool computersTurn = (s == 0 || s == 1) && frame_.Run().BusyFlag;
    if (g_Game.GameType != GAME_RAMSCH || g_Game.StopFlag != StopState::Running || (!personsTurn && !computersTurn)) {
        WriteTrace(":OnPassOnRamsch(late)", LOG_MAINFRAME);
        return;
    }
    // Step 1: the bar stays the open prompt (the person's finished turn), out of sight.
    if (::IsWindow(frame_.Prompts().PromptDialog)) ::ShowWindow(frame_.Prompts().PromptDialog, SW_HIDE);
    frame_.FrameTexts().ClearHintText();
    frame_.SetFlowState(STATE_PICKUP);
    // Steps 2 and 3: the seat says it passes the skat on; the count of pushes grows and the balloon shows it.
    frame_.FrameAudio().SaySeatTerm(s, kTermIPassOn, false);
    ++ramsch_.RamschPushCount;
    g_Game.SkatPassedOnBySeat[s] = 1;
    WriteTrace(":OnPassOnRamsch(" + frame_.GetPlayerName(s) + ")", LOG_MAINFRAME);
    frame_.FrameTable().MoveBalloonText(s, IDS_I_PASS_ON, 0, nullptr, nullptr);
    if (s == kPersonSeat) {
        game_.PersonThinks([](CPlayer& person) { person.SetDurchmarsch(g_Game.SchwarzAnnounced, -1); });
        PickupRamsch(1);
        return;
    }
    if (g_Settings.Settings.Rule) {
        const CPlayer& player = *frame_.GameObject().Player(s);
        CMessageDialog message(PlayerMessage(player.name, platform::LoadString(IDS_I_PASS_ON), true), 0,
                               player.GetRuleNumber());
        frame_.FrameKontra().RunGameMessage(message);
    }
}

void CRamschRounds::OnPushSkat() {
    const bool cardsOut = frame_.GameObject().Trick().present[0] && IsCardCode(frame_.GameObject().Trick().cards[0]);
    // The skat suggestion is still swapping: the push follows once its cards lie.
    if (ramsch_.SkatSuggestionRunning && g_Game.StopFlag == StopState::Running) {
        WriteTrace(":OnPushSkat(after the suggestion)", LOG_MAINFRAME);
        ramsch_.PushAfterSuggestion = 1;
        return;
    }
    // A break only puts the exchanged cards back into the skat.
    if (g_Game.StopFlag != StopState::Running) {
        if (g_Game.GameType == GAME_RAMSCH && cardsOut) frame_.FrameDeclaration().MoveTrickToSkat();
        return;
    }
    if (g_Game.GameType != GAME_RAMSCH || !RamschExchangeRunning() || !cardsOut) {
        WriteTrace(":OnPushSkat(late)", LOG_MAINFRAME);
        return;
    }
    // Step 1: no Jack may be pushed on.
    if (IsJack(frame_.GameObject().Trick().cards[0]) || IsJack(frame_.GameObject().Trick().cards[1])) {
        frame_.FrameTexts().SetStatusText(platform::LoadString(IDS_RAMSCH_JACK_IN_SKAT));
        frame_.FrameAudio().SetStatusText(IDS_RAMSCH_JACK_IN_SKAT);
        return;
    }
    // Step 2: the cards go back into the skat, the person's hand is laid out anew, and the turn passes on.
    frame_.SetFlowState(STATE_PICKUP);
    if (::IsWindow(frame_.Prompts().PromptDialog)) ::ShowWindow(frame_.Prompts().PromptDialog, SW_HIDE);
    frame_.SetPause(1);
    frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
    frame_.FrameTexts().SetStatusText(platform::LoadString(IDS_SCHIEBERAMSCH));
    frame_.SetStatusPane(0, frame_.Texts().StatusText);
    frame_.FrameAudio().SoundEffect(SOUND_REMOVE_CARDS, false);
    frame_.FrameDeclaration().MoveTrickToSkat();
    frame_.CardExchange().SetOpenGroups(0);
    game_.RemoveRow(TableRow::Person, false);
    game_.SortRow(TableRow::Person);
    game_.PaintRow(TableRow::Person, 0);
    game_.PersonThinks([](CPlayer& person) {
        ResetPlayAnalysis(person);
        person.SetDurchmarsch(g_Game.SchwarzAnnounced, -1);
    });
    if (g_Game.StopFlag == StopState::Running) PickupRamsch(1);
}

// Each end clears BusyFlag by hand: the flag is OnRamsch's, set before the round began (a round
// after a Ramsch deal, or the person's Grand Hand, finds it clear already).
void CRamschRounds::GrandHand(int mode) {
    if (mode == 1) return PlayPersonsGrandHand();
    // Step 1: the bid limits and the Durchmarsch plans of all three.
    frame_.FrameAuction().EvaluateBidLimits();
    const auto planPlay = [](CPlayer& player) { return player.PlanPlay(false); };
    for (int seat = 0; seat < 2; ++seat) game_.Think(seat, planPlay);
    ramsch_.GrandHandDurchmarsch = game_.PersonThinks(planPlay) ? 1 : 0;
    // Step 2: the offer goes round from the seat whose turn it is.
    if (g_Settings.Variants.GrandHand) {
        while (g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2] < 3 &&
               g_Game.StopFlag == StopState::Running) {
            const int s = g_Game.TurnSeat;
            if (s == 0 || s == 1) {
                if (ComputerAnswersGrandHand(s)) return;
            } else if (s == kPersonSeat) {
                return OfferGrandHandToPerson();
            } else {
                ReportInternalError(s, "MainFrm", __LINE__);
                frame_.MarkBusy(false);
                return;
            }
        }
    }
    StartRamschPickupRound();
}

// The person plays Grand Hand.
void CRamschRounds::PlayPersonsGrandHand() {
    frame_.FrameTexts().SetStatusText(frame_.GetPlayerName(kPersonSeat).substr(0, 10));
    g_Game.HandAnnounced = 1;
    g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
    g_Game.SetGameType(GAME_GRAND);
    g_Game.Soloist = kPersonSeat;
    // The declaration of a Hand game follows (its demonstration timer comes back to it).
    frame_.SetFlowState(STATE_HAND);
    frame_.FrameDeclaration().OnDeclare();
    // The pause after the declaration, with the empty message balloon while it asks.
    frame_.MatchSeries().StampPause(kGrandHandPause);
    g_Game.HasBid[kPersonSeat] = 0;
    const int state = g_Game.FlowState;
    const bool asking = state == STATE_AUCTION || state == STATE_OBSERVE || state == STATE_REPLY ||
                        state == STATE_QUERY ||
                        (g_Game.GameType == GAME_RAMSCH &&
                         (state == STATE_ASK || state == STATE_PICKUP || state == STATE_PASS ||
                          state == STATE_PLAY || state == STATE_START));
    if (g_Settings.Settings.Balloon && asking) frame_.FrameTable().MessageBalloon(0, 0);
    else if (g_Frame.PaintDepth == 0 && g_Game.PauseLevel >= kGrandHandPause) {
        g_Frame.ModalPumpActive = 1;
        ::WaitWhile([] { return g_Game.PauseLevel >= kGrandHandPause && g_Game.StopFlag != StopState::Requested; });
        g_Frame.ModalPumpActive = 0;
    }
    frame_.MarkBusy(false);
}

// A computer's turn in the offer: Grand Hand (true; the declaration follows), or Ramsch and the
// turn goes on.
bool CRamschRounds::ComputerAnswersGrandHand(int s) {
    const CPlayer& computer = *frame_.GameObject().Player(s);
    if (game_.Think(s, [](CPlayer& player) { return player.InitPlayEstimate(); })) {
        g_Game.Soloist = s;
        WriteTrace(":GrandHand(" + computer.name + ")", LOG_MAINFRAME);
        frame_.FrameTable().MoveBalloonText(s, IDS_GRAND_HAND, 0, nullptr, nullptr);
        frame_.FrameDeclaration().Declare();
        // The person's suit tops for the statistics, as the game now stands (the analysis lists them
        // with its small cards).
        game_.PersonThinks([](CPlayer& person) { ListSmallCards(person); });
        frame_.MarkBusy(false);
        return true;
    }
    ++g_Game.PartyTricks[s];
    RotateTurn();
    WriteTrace(":GrandHand(" + computer.name + ":ramsch)", LOG_MAINFRAME);
    frame_.FrameTable().MoveBalloonText(s, IDS_GAME_RAMSCH, 0, nullptr, nullptr);
    frame_.FrameAudio().SaySeatTerm(s, kTermRamsch, false);
    ::Sleep(kPauseAfterRamschMs);
    RotatePickup();
    return false;
}

// The person's turn in the offer: the Grand Hand bar with its advice.
void CRamschRounds::OfferGrandHandToPerson() {
    ++g_Game.PartyTricks[kPersonSeat];
    RotateTurn();
    CGrandHandDialog* bar = OpenPromptBar<CGrandHandDialog>(frame_);
    if (bar) ::SetFocus(bar->Handle());
    const std::string advice = GrandHandAdvice(frame_, game_, bar);
    ShowRamschAdvice(platform::LoadString(IDS_SUGGESTION) + advice);
    frame_.MarkBusy(false);
}

// Step 3: the pick-up round.
void CRamschRounds::StartRamschPickupRound() {
    frame_.MarkBusy(false);
    if (g_Game.StopFlag == StopState::Requested) {
        frame_.CloseModelessDialog();
        return;
    }
    for (int& turns : g_Game.PartyTricks) turns = 0;
    PickupRamsch(1);
    // The person's advice for the pick-up round, only while he is asked (with pass-on off, play
    // has begun by now).
    if (g_Game.FlowState != STATE_QUERY || g_Game.StopFlag != StopState::Running) return;
    int advice = IDS_ADVICE_PICK_UP_SKAT;
    if (game_.PersonThinks([](CPlayer& person) { return person.PlanPlay(false); }))
        advice = IDS_ADVICE_PASS_ON_DURCHMARSCH;
    else if (game_.PersonThinks([](CPlayer& person) { return person.AnalysePlayRisk(); }))
        advice = IDS_ADVICE_PASS_ON_SKAT;
    ShowRamschAdvice(platform::LoadString(IDS_SUGGESTION) + platform::LoadString(advice));
}
