// Breaking a game off, playing the same deal again, ending the series without saving, letting the
// computer finish the person's game, and resuming after the person's card exchange.
#include "flow/GiveUp.h"

#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/RamschRounds.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "model/FlowGlobals.h"
#include "flow/GameObject.h"
#include "match/Profile.h"
#include "model/CardCodes.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/KeptValues.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

namespace {
constexpr int kMarkAborted = 1;
constexpr int kMarkRepeated = 4;
constexpr int kMessageBalloon = 5;
constexpr int kRepeatDealDelayMs = 200;
}  // namespace

void CGiveUp::OnBreak() {
    // Step 1: the play's pause ends; the break-off sounds.
    WriteTrace(":OnBreak()", LOG_MAINFRAME);
    frame_.SetPause(0);
    frame_.FrameAudio().SoundEffect(SOUND_BROKEN_OFF, false);
    // Step 2: a game that was running is marked as broken off and its tricks count no more.
    if (g_Game.StopFlag == StopState::Running) {
        frame_.CardExchange().CheckCheat(kMarkAborted, 1);
        for (int& turns : g_Game.PartyTricks) turns = 0;
    }
    // Step 3: every step and wait ends; a skat swap pause ends by its option (only while one
    // runs: in any other wait the person's option must stay as he set it).
    g_Game.StopFlag = StopState::Requested;
    if (frame_.Declaration().SwapPausePending) g_Flow.SkatSwapOption = 0;
    // Step 4: the cards of a Ramsch exchange go back into the skat first.
    if (g_Game.GameType == GAME_RAMSCH && (g_Game.FlowState == STATE_PICKUP || frame_.RamschRounds().RamschExchangeRunning()))
        frame_.RamschRounds().OnPushSkat();
    // An automatic completion cut short gives the person's settings back.
    frame_.MatchSeries().ApplyPendingSettings();
    // Step 5: the forehand is the leader again; the desk clears and the match's standing shows.
    g_Game.Forehand = g_Game.Leader;
    frame_.ClearDesk();
    frame_.ShowMatchState();
    frame_.FrameTexts().ClearHintText();
    // Step 6: the rule in the status bar.
    int rule = IDS_RAMSCH;
    if (g_Game.VariantMode == VARIANT_OFFICIAL) rule = IDS_RULE_SKAT;
    else if (g_Game.VariantMode == VARIANT_SKAT) rule = IDS_VARIANT_SKAT;
    else if (g_Settings.Variants.PassOn) rule = IDS_SCHIEBERAMSCH;
    frame_.FrameTexts().SetRuleText(platform::LoadString(rule));
    frame_.SetStatusPane(2, frame_.Texts().RuleText);
    // Step 7: the panels show the table as between two games.
    {
        CKeptValues kept(g_Game.FlowState);
        g_Game.FlowState = STATE_NEW;
        frame_.FramePanels().ShowDataDialog(0, 1);
        frame_.FramePanels().ShowGameStatusDialog(1, 0);
    }
    // Step 8: every player is without skat again; no history, course, exchange or drag; the game may
    // be repeated.
    for (int seat = 0; seat < 3; ++seat) g_Game.PlayerPhaseText[seat] = IDS_PHASE_WITHOUT_SKAT;
    frame_.FrameTrickPlay().ForgetHistory(false);
    frame_.CardExchange().FocusKeyGroup(0);
    frame_.FrameTrickPlay().CourseGone(false);
    frame_.MatchSeries().BreakOffGame();
    frame_.FrameDeclaration().UseUsualSwapSlide();
    frame_.CardExchange().ForgetDragCard();
    // Step 9: the trick estimation window picks its game.
    frame_.FramePanels().SelectEstimatedGame();
}

void CGiveUp::OnRepeat() {
    // Step 1: the repeat's time in the trace; a log set to start afresh with each game is deleted.
    const std::string now = platform::FormatLocalTime("%Y-%m-%d %H:%M", Time64());
    WriteTrace(platform::FormatText(platform::LoadString(IDS_TRACE_GAME), {now}), LOG_FORCED);
    frame_.LogDeleteOn(1);
    WriteTrace(":OnRepeat()", LOG_MAINFRAME);
    // Step 2: the deal runs until a stop request and is a fresh one.
    g_Game.StopFlag = StopState::Running;
    frame_.MatchSeries().MarkFreshDeal();
    // Step 3: only between games; a repeat during a game only wrote the traces.
    if (frame_.Series().GameRunning) return;
    frame_.SetFlowState(STATE_NEW, true);
    frame_.MatchSeries().BeginGame();
    if (WB_IsBalloonShown(g_Frame.hTableWnd, kMessageBalloon)) WB_RemoveBalloon(g_Frame.hTableWnd, kMessageBalloon);
    frame_.FrameTable().RemoveTrick();
    frame_.MatchFiles().ForgetGameReadWithoutFile();
    frame_.CardExchange().CheckCheat(kMarkRepeated, 1);
    InitializeSkat(game_);
    frame_.SetPause(1);
    g_Game.ResetKontra();
    frame_.FrameTable().RefreshPosTexts(1);
    // The same deal is dealt again from the rows' dealt cards.
    frame_.SetTimer(TM_ASSIGN, kRepeatDealDelayMs);
}

void CGiveUp::OnAbortMatch() {
    // Its close would be dropped while a computer's step runs: refused like any action out of turn.
    if (frame_.Run().BusyFlag) {
        frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    // Step 1: the play pauses while the person is asked; a no goes back to the match.
    const int pause = frame_.SetPause(1);
    const int answer = MessageBox(frame_.Handle(), platform::LoadString(IDS_QUERY_ABORT_MATCH),
                                  frame_.Texts().FrameTitle, platform::MB_YESNO | platform::MB_ICONQUESTION);
    if (answer != IDYES) {
        frame_.SetPause(pause);
        return;
    }
    // Step 2: the match list and the stored deals are not written back.
    frame_.CardExchange().CheckCheat(kMarkAborted, 1);
    frame_.MatchFiles().DropMatchAtExit();
    g_Profile.MatchListActive = 0;
    frame_.SetFlowState(STATE_NEW);
    frame_.OnClose();
}

void CGiveUp::OnCompleteGame() {
    // Step 1: only a game in play that does not complete itself already.
    if (g_Game.FlowState != STATE_PLAY || frame_.TrickPlay().AutoComplete) {
        WriteTrace(":OnCompleteGame(late)", LOG_MAINFRAME);
        return;
    }
    WriteTrace(":OnCompleteGame()", LOG_MAINFRAME);
    // Step 2: what the game gives back afterwards.
    frame_.MatchSeries().KeepPendingSettings();
    // Step 3: the suggestion shows once and then stays off; without it the turn notice goes.
    if (g_Settings.Options.Suggest) {
        frame_.OnSuggest();
        g_Settings.Options.Suggest = 0;
    } else {
        frame_.FrameTable().MoveExtraText(0, IDS_YOUR_TURN, 0, nullptr, nullptr);
    }
    frame_.InvalidateTable();
    // Step 4: quiet and quick; the card play plays the person's cards too.
    g_Settings.Audio.Voice = 0;
    g_Settings.Audio.Sound = 0;
    g_Settings.Delay.Show = 0;
    g_Settings.Delay.Continue = 0;
    g_Settings.Delay.Order = 0;
    g_Settings.Settings.Abandon = 0;
    frame_.FrameTrickPlay().StartAutoComplete();
    frame_.FrameTrickPlay().OnPlay();
}

void CGiveUp::OnResume() {
    // Step 1: the play pauses and the modeless dialog closes.
    frame_.SetPause(1);
    frame_.CloseModelessDialog();
    // Step 2: the end of a skat swap pause.
    if (frame_.Declaration().SwapPausePending) {
        const int seat = g_Game.SkatHolderSeat;
        WriteTrace(":OnResume(Swapper(" + frame_.GetPlayerName(seat == 0 || seat == 1 ? seat : 2) + "))",
                   LOG_MAINFRAME);
        WriteTrace(":State(" + FlowStateName(g_Game.FlowState) + ")", LOG_MAINFRAME);
        if (frame_.GameObject().Trick().present[0] && IsCardCode(frame_.GameObject().Trick().cards[0])) {
            game_.EndSkatSwap(seat == 0 || seat == 1 ? seat : 2, g_Game.AllCardsOpen || g_Game.OuvertAnnounced,
                                         LookAtNewHand);
            frame_.FramePanels().SelectEstimatedGame();
            frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
            frame_.FrameTexts().RestoreStatusText();
            frame_.SetFlowState(STATE_PLAY);
            frame_.CardExchange().SetOpenGroups(9);
        }
        g_Flow.SkatSwapOption = 0;
        frame_.FrameDeclaration().EndSwapPause();
        return;
    }
    // Step 3: the end of the person's card swap before the game: the game starts again with the
    // swapped cards as its deal.
    if (!frame_.GameObject().Trick().present[0] || !IsCardCode(frame_.GameObject().Trick().cards[0])) {
        WriteTrace(":OnResume(late)", LOG_MAINFRAME);
        return;
    }
    frame_.SetFlowState(STATE_IDLE);
    WriteTrace(":OnResume()", LOG_MAINFRAME);
    frame_.FrameAudio().SoundEffect(SOUND_REMOVE_CARDS, false);
    int skat[2] = {};
    game_.KeepSwappedHands(skat);
    RedrawWindow(frame_.Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    game_.DealSwappedSkat(skat, LookAtNewHand);
    frame_.FramePanels().SelectEstimatedGame();
    g_Game.SetGameType(GAME_CLUBS);
    g_Flow.ExchangeRunning = 0;
    frame_.StartGame();
}
