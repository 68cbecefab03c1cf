// The pick-up round of Schieberamsch, seat by seat: a computer passes the skat on or picks it up
// and pushes two cards back; the person does so through the Ramsch skat bar and the end-swap bar.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"
#include "flow/RamschRounds.h"

#include "computer/evaluation/HandAnalysis.h"
#include "dialogs/AnswerDialogs.h"
#include "dialogs/HelpToggle.h"
#include "dialogs/RamschBars.h"
#include "model/FlowGlobals.h"
#include "flow/BusyStep.h"
#include "flow/FrameServices.h"
#include "flow/PromptBars.h"
#include "flow/RuleButton.h"
#include "flow/RichText.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"

#include <string>

namespace {

constexpr int kPersonSeat = 2;
constexpr int kTermRamschNoOneBids = 89;
constexpr int kTermIPickUpSkat = 115;

int TurnsTaken() { return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2]; }

void SetAllPhaseTexts(int id) {
    for (int& phase : g_Game.PlayerPhaseText) phase = id;
}

}  // namespace

bool CRamschRounds::RamschResumePause() {
    if (g_Flow.SkatSwapOption) {
        // An exchange inside the pause may leave another state behind: the round goes on in its own.
        const int state = g_Game.FlowState;
        frame_.FrameDeclaration().OpenResumeSwapDialog();
        frame_.FrameDeclaration().PumpUntilResumed();
        if (g_Game.StopFlag != StopState::Requested && g_Game.FlowState != state) frame_.SetFlowState(state);
    }
    return g_Game.StopFlag == StopState::Requested;
}

void CRamschRounds::PickupRamsch(int ask) {
    // Step 1: nothing after a stop request.
    if (g_Game.StopFlag != StopState::Running) return;
    // Step 2: whose turn it is, in the trace.
    std::string who;
    if (!ask) who = "CGrandHandDialog";
    else if (g_Game.FlowState == STATE_START) who = "CSkatRamschDialog";
    else if (g_Game.FlowState == STATE_QUERY && g_Game.TurnSeat == kPersonSeat) who = "act";
    else who = frame_.GetPlayerName(g_Game.TurnSeat);
    WriteTrace(":PickupRamsch(" + who + ")", LOG_MAINFRAME);
    // Step 3: the pause clock; a Ramsch not yet begun starts; its play begins once every seat has had
    // its turn, or at once when the skat may not be pushed on.
    frame_.MatchSeries().StampPause(1);
    if (g_Game.GameType != GAME_RAMSCH) return StartRamsch(ask);
    if (TurnsTaken() >= 3 || !g_Settings.Variants.PassOn) return BeginRamschPlay();
    // Step 6: one seat's turn, shown in the estimation window when it follows this seat.
    const int s = g_Game.TurnSeat;
    frame_.FramePanels().RefreshEstimationOf(s);
    SetAllPhaseTexts(IDS_PHASE_PICKED_UP);
    if (s == 0 || s == 1) {
        if (!ComputerTakesRamschTurn(s)) return;
    } else if (s == kPersonSeat && ::IsWindow(frame_.Prompts().PromptDialog)) {
        // The person has finished his turn; with the skat swap option on he may look first.
        if (RamschResumePause()) return;
        game_.PersonThinks([](CPlayer& person) { person.PreparePlay(); });
        ++g_Game.PartyTricks[kPersonSeat];
    } else if (s == kPersonSeat) {
        return OfferRamschSkatToPerson();
    } else {
        ReportInternalError(s, "MainFrm", __LINE__);
        return;
    }
    // Step 7: the next seat.
    RotateTurn();
    RotatePickup();
    PickupRamsch(1);
}

// Step 4: the first entry makes the game a Ramsch.
void CRamschRounds::StartRamsch(int ask) {
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.PreviousForehand = g_Game.TrickWinner = g_Game.TurnSeat = g_Game.Forehand;
    g_Game.SkatHolderSeat = g_Game.Forehand;
    ramsch_.RamschPushCount = 0;
    for (int& passed : g_Game.SkatPassedOnBySeat) passed = 0;
    InitRamschPickup();
    for (int& turns : g_Game.PartyTricks) turns = 0;
    frame_.FrameTexts().SetStatusText(platform::LoadString(g_Settings.Variants.PassOn ? IDS_SCHIEBERAMSCH : IDS_GAME_RAMSCH));
    frame_.SetStatusPane(0, frame_.Texts().StatusText);
    if (!ask) {
        GrandHand(0);
        return;
    }
    // All passed: the person is told why a Ramsch is played.
    frame_.FrameAudio().SaySeatTerm(g_Game.Forehand, kTermRamschNoOneBids, false);
    frame_.FramePanels().RefreshEstimation();
    CPassedVariantDialog notice(RichTextHead() + platform::LoadString(IDS_PASSED_OUT_RAMSCH) + "}");
    frame_.FrameKontra().RunGameMessage(notice);
    for (int place = 4; place <= 6; ++place) frame_.FrameTable().RemoveText(place, IDS_GRAND_HAND);
    frame_.FrameTexts().ClearBalloonTexts();
    frame_.FramePanels().ShowGameStatusDialog();
    PickupRamsch(1);
}

// Step 5: the round is over; play begins.
void CRamschRounds::BeginRamschPlay() {
    for (int& turns : g_Game.PartyTricks) turns = 0;
    frame_.SetFlowState(STATE_PLAY);
    SetAllPhaseTexts(IDS_PHASE_DISCARDED);
    frame_.SetStatusPane(2, frame_.Texts().PointsText);
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FramePanels().RefreshEstimation();
    frame_.FrameTrickPlay().InitHistory();
    frame_.FrameTrickPlay().OnPlay();
}

// A computer's turn with the skat; false when the game was stopped meanwhile.
bool CRamschRounds::ComputerTakesRamschTurn(int s) {
    {
        BusyStep busy(frame_);
        game_.ThinkOnSkat(s, false, [](CPlayer& computer, CCards& skat) { computer.HandleRamschSkat(skat); });
    }
    if (g_Game.StopFlag != StopState::Running) return false;
    game_.Think(s, [](CPlayer& computer) { computer.PreparePlay(); });
    frame_.FramePanels().RefreshEstimationOf(s);
    ++g_Game.PartyTricks[s];
    return true;
}

// The person's turn begins: the Ramsch skat bar with its advice.
void CRamschRounds::OfferRamschSkatToPerson() {
    frame_.SetFlowState(STATE_QUERY);
    g_Game.SchwarzAnnounced = game_.PersonThinks([](CPlayer& person) {
        ResetPlayAnalysis(person);
        return person.PlanPlay(false);
    }) ? 1 : 0;
    CSkatRamschDialog* bar = OpenPromptBar<CSkatRamschDialog>(frame_);
    frame_.MarkOpenPromptAs(PromptSlot::RamschSkat);
    int advice = IDS_ADVICE_PICK_UP_SKAT;
    // The rule behind the advice, on the bar's rule button and as the rule help's topic.
    int rule = 0;
    if (g_Game.SchwarzAnnounced) {
        advice = IDS_ADVICE_PASS_ON_DURCHMARSCH;
        rule = ShownRuleNumber(frame_.GameObject().Person().gameOptions[GAME_DURCHMARSCH][OPT_RULE]);
    } else if (game_.PersonThinks([](CPlayer& person) { return person.AnalysePlayRisk(); })) {
        game_.PersonThinks([](CPlayer& person) { person.ChooseGame(-1); });
        // Choosing may change the game record: the game stays a plain Ramsch.
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        advice = IDS_ADVICE_PASS_ON_SKAT;
        rule = ShownRuleNumber(frame_.GameObject().Person().gameOptions[GAME_RAMSCH][OPT_RULE]);
    }
    if (bar && rule > 0) {
        AppendToRuleButton(bar->Handle(), rule);
        g_Flow.RuleHelpTopic = RuleHelpTopic(rule);
    }
    if (bar && advice != IDS_ADVICE_PICK_UP_SKAT && g_Settings.Options.Suggest)
        ::SendMessage(bar->Handle(), WM_NEXTDLGCTL,
                      reinterpret_cast<WPARAM>(::GetDlgItem(bar->Handle(), IDC_PASS_ON)), 1);
    if (bar) ::ShowWindow(bar->Handle(), SW_SHOW);
    ShowRamschAdvice(platform::LoadString(IDS_SUGGESTION) + platform::LoadString(advice));
}

void CRamschRounds::OnPickupRamsch() {
    const int s = g_Game.TurnSeat;
    const bool personsTurn = s == kPersonSeat && OpenBarAs<CSkatRamschDialog>(frame_) != nullptr &&
                             g_Game.FlowState == STATE_QUERY;
    const bool computersTurn = (s == 0 || s == 1) && frame_.Run().BusyFlag;
    if (g_Game.GameType != GAME_RAMSCH || g_Game.StopFlag != StopState::Running || (!personsTurn && !computersTurn)) {
        WriteTrace(":OnPickupRamsch(late)", LOG_MAINFRAME);
        return;
    }
    // Step 1: no hint; the play pauses; the person is asked when he holds the skat; the trick
    // estimation window picks its game.
    frame_.FrameTexts().ClearHintText();
    frame_.SetPause(1);
    frame_.SetFlowState(g_Game.SkatHolderSeat == kPersonSeat ? STATE_QUERY : STATE_PICKUP);
    frame_.FramePanels().SelectEstimatedGame();
    if (s != kPersonSeat) {
        // Step 2: a computer says it picks up the skat.
        WriteTrace(":OnPickupRamsch(" + frame_.GetPlayerName(s) + ")", LOG_MAINFRAME);
        frame_.FrameTable().MoveBalloonText(s, IDS_I_PICK_UP, 0, nullptr, nullptr);
        frame_.FrameAudio().SaySeatTerm(s, kTermIPickUpSkat, false);
        return;
    }
    // Step 3: the person takes the skat into the trick row and exchanges.
    frame_.CloseModelessDialog();
    WriteTrace(":OnPickupRamsch(" + frame_.GetPlayerName(kPersonSeat) + ")", LOG_MAINFRAME);
    frame_.FrameTable().MoveBalloonText(kPersonSeat, IDS_I_PICK_UP, 0, nullptr, nullptr);
    frame_.FrameAudio().SaySeatTerm(kPersonSeat, kTermIPickUpSkat, false);
    frame_.FramePanels().ShowGameStatusDialog();
    game_.PersonThinksOnSkat(false, [](CPlayer& person, CCards& skat) { person.DecideRamschSkat(skat, true); });
    g_Game.SchwarzAnnounced = game_.PersonThinks([](CPlayer& person) { return person.PlanPlay(true); }) ? 1 : 0;
    CEndSwapRamschDialog* bar = OpenPromptBar<CEndSwapRamschDialog>(frame_);
    if (bar) ::SetFocus(bar->Handle());
    frame_.CardExchange().SetOpenGroups(9);
    frame_.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
    frame_.FrameDeclaration().MoveSkatToTrick();
    game_.PersonThinks([this](CPlayer& person) { person.TakeSkatCounts(frame_.GameObject().Trick()); });
    if (g_Game.SchwarzAnnounced) {
        // The Durchmarsch rule on the rule button (this bar's own spacing; the help topic stays).
        const int rule = ShownRuleNumber(frame_.GameObject().Person().gameOptions[GAME_DURCHMARSCH][OPT_RULE]);
        if (bar && rule > 0) AppendToRuleButton(bar->Handle(), rule, 2);
        ShowRamschAdvice(platform::LoadString(IDS_SUGGESTION) + platform::LoadString(IDS_ADVICE_DURCHMARSCH));
    }
    if (g_Game.RoundStatus != ROUND_NORMAL) frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
    frame_.FrameTable().MoveExtraText(IDS_NOTICE_SWAP_SKAT, 0, 0, nullptr, nullptr);
    if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_SUGGEST_SKAT, g_Settings.Delay.Demo);
}

void CRamschRounds::OnDurchmarschHint() {
    const bool exchanging = RamschExchangeRunning();
    if (g_Game.GameType != GAME_RAMSCH || g_Game.StopFlag != StopState::Running ||
        (!exchanging && OpenBarAs<CSkatRamschDialog>(frame_) == nullptr)) {
        WriteTrace(":OnDurchmarschHint(late)", LOG_MAINFRAME);
        return;
    }
    // The plan looks at the skat where it lies: in the trick row while the person exchanges.
    game_.PersonThinksOnSkat(
        exchanging, [exchanging](CPlayer& person, CCards& skat) { person.DecideRamschSkat(skat, exchanging); });
    const bool advised = game_.PersonThinks([](CPlayer& person) { return person.PlanPlay(true); });
    std::string advice;
    if (g_Game.SchwarzAnnounced == 1) {
        if (!advised) advice = platform::LoadString(IDS_DURCHMARSCH_NOT_ADVISED);
    } else if (advised) {
        advice = platform::LoadString(IDS_SUGGESTION) + platform::LoadString(IDS_ADVICE_DURCHMARSCH);
    }
    ShowRamschAdvice(advice);
    game_.PersonThinks([](CPlayer& person) { person.SetDurchmarsch(g_Game.SchwarzAnnounced, -1); });
}

// The demonstration's person lays away as the computer would and pushes the skat on.
void CRamschRounds::DemoPushRamschSkat() {
    if (!RamschExchangeRunning()) return;
    // A suggestion swapping cards already lays away for him; the push follows it.
    if (!ramsch_.SkatSuggestionRunning)
        game_.PersonThinksOnSkat(true, [](CPlayer& person, CCards& skat) { person.SuggestSkat(skat, true); });
    frame_.PressButton(BTN_FINISH_SWAP);
}
