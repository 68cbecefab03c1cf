// The end of a game: the last trick goes, the game is scored and shown in the result dialog, and
// the person's answer decides what follows (the next game, the table, the course, a repeat).
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameTable.h"
#include "flow/RamschRounds.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/GiveUp.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/HandAnalysis.h"
#include "dialogs/ResultDialog.h"
#include "flow/FrameServices.h"
#include "match/GameScoring.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/Rounds.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "tavlo/Tavlo.h"

// The end of a game played to its last trick: the result is counted and shown, then what follows it.
void CMainFrame::EndGame() {
    // 1. The pause ends and the last trick is swept; the desk clears.
    g_Game.PauseLevel = 0;
    MatchSeries().StartPlayClock();
    if (g_Game.OuvertAnnounced == 2) g_Game.OuvertAnnounced = 0;
    FrameAudio().SoundEffect(SOUND_REMOVE_CARDS, false);
    FrameTrickPlay().SweepTrick(false);
    EditGameObject().ClearTrick();
    ClearDesk();
    ShowMatchState();
    g_Settings.Options.SupportSuspended = 0;
    // 2. The card statistics take the deal in.
    MatchFiles().CountLatchedDeal();
    // 3. The result.
    const bool counted = ShowResult(-1);
    // 4. A counted game leads to the next game or the match's end; one not counted is dealt again or waits.
    if (counted) {
        MatchSeries().UpdateSeriesEnd();
        FrameTrickPlay().ForgetHistory(false);
        AdvanceAfterCountedGame();
        FollowGameEnd();
    } else if (g_Game.FlowState == STATE_IDLE) {
        GiveUp().OnRepeat();
    } else if (g_Game.FlowState == STATE_STAY) {
        RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE);
        SetFlowState(STATE_IDLE);
        MatchSeries().AllowRepeat();
    }
    // 6. The trace names the state the game ends in.
    WriteTrace(":OnPlay()", LOG_MAINFRAME);
    WriteTrace(":State(" + FlowStateName(g_Game.FlowState) + ")", LOG_MAINFRAME);
}

// After a counted game, played to its end or given up: the next forehand (after a Grand of a Ramsch
// round the same one plays again) and the stored deals, the match list and the statistics written.
void CMainFrame::AdvanceAfterCountedGame() {
    const bool sameForehand = g_Game.GameType == GAME_GRAND &&
                              ((g_Game.VariantMode == VARIANT_SKAT && g_Game.RoundStatus == ROUND_RAMSCH) ||
                               g_Game.VariantMode == VARIANT_RAMSCH_ONLY);
    if (sameForehand) {
        g_Game.Forehand = g_Game.Leader;
        MatchSeries().CountGrandRepeat();
    } else {
        NextForehand();
    }
    MatchSeries().GameEnded();
    MatchFiles().SaveGameEndFiles();
}

// What follows a counted game, by the state the result left.
void CMainFrame::FollowGameEnd() {
    switch (g_Game.FlowState) {
        case STATE_IDLE:
            RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE);
            if (Series().SeriesEnded) {
                NewMatch();
                if (g_Game.DemoMode) PostMessage(WM_COMMAND, ID_NEW);
            } else {
                PostMessage(WM_COMMAND, ID_NEW);
            }
            break;
        case STATE_STAY:
            // The person stays at the table: the seats keep their labels and Kontra marks.
            RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE);
            SetFlowState(STATE_IDLE);
            MatchSeries().AllowRepeat();
            if (!TrickPlay().CourseShown) FrameTable().RefreshPosTexts(g_Game.KontraState);
            break;
        case STATE_BREAK:
            SetFlowState(STATE_IDLE);
            GiveUp().OnBreak();
            break;
        case STATE_LOAD:
            SetFlowState(STATE_IDLE);
            GiveUp().OnRepeat();
            break;
        default:
            SetFlowState(STATE_IDLE);
            MatchSeries().AllowRepeat();
            ClearDesk();
            break;
    }
}

void CMainFrame::SetPoints(int points, int party) {
    if (points == -1) {
        g_Game.PartyPoints[0] = g_Game.PartyPoints[1] = g_Game.PartyPoints[2] = 0;
        return;
    }
    if (party >= 0 && party <= 2) g_Game.PartyPoints[party] = points;
}

// The game's score and texts, without a window.
GameScore CMainFrame::ScoreGame(int seat) {
    ScoreNames names;
    for (int s = 0; s < 3; ++s) names.seat[s] = GetPlayerName(s);
    const CCards& skat =
        GameObject().CourseSkat().count > 0 ? static_cast<const CCards&>(GameObject().CourseSkat()) : GameObject();
    // The soloist's matadors are counted with the skat through his own analysis, which puts him
    // back as he was.
    const int pushes = Ramsch().RamschPushCount;
    GameScore result = g_Game.Soloist >= 0 && g_Game.Soloist <= 2
                           ? EditGameObject().Think(g_Game.Soloist,
                                                    [&](CPlayer& soloist) {
                                                        return ScoreFinishedGame(seat, &soloist, skat, pushes, names);
                                                    })
                           : ScoreFinishedGame(seat, nullptr, skat, pushes, names);
    if (g_Game.GameType == GAME_RAMSCH) RamschRounds().NoteLosers(result.loser, result.secondLoser);
    MatchSeries().SetGameScore(result.score);
    return result;
}

bool CMainFrame::ShowResult(int seat) {
    // 1. Pending settings come back; without a game type there is nothing to score.
    WriteTrace(":ShowResult()", LOG_MAINFRAME);
    MatchSeries().ApplyPendingSettings();
    const int type = g_Game.GameType;
    if (type < 0 || type > 7) {
        // No game to score: reported, not listed; the flow goes on.
        WriteTrace(":ShowResult(no game type " + std::to_string(type) + ")", LOG_FORCED);
        SetFlowState(STATE_IDLE);
        return true;
    }
    // 2. The score.
    GameScore result = ScoreGame(seat);
    const int score = result.score;
    // 3. Won or lost is heard, and the balloons go.
    if (seat == -1) FrameAudio().SoundEffect(score >= 0 ? SOUND_GAME_WON : SOUND_GAME_LOST, false);
    FrameAudio().VoiceResult(result.outcome);
    FrameTexts().ClearBalloonTexts();
    // 4. The marks of a manipulated game.
    if (g_Game.CheatMask != 0) {
        std::string marks = ":";
        const int mask = g_Game.CheatMask;
        if (mask & 2) marks += "L";
        else if (mask & 4) marks += "W";
        else if (mask & 1) marks += "A";
        if (mask & 64) marks += "Z";
        if (mask & 16) marks += "O";
        else if (mask & 32) marks += "D";
        if (mask & 8) marks += "T";
        if (mask & (256 | 512)) marks += "S";
        result.listText += marks;
    }
    SetFlowState(STATE_IDLE);
    CardExchange().CheckCheat(0, 1);
    // 6. The result's text and the game's record.
    const std::string text = platform::LoadString(IDS_RICH_TEXT_HEAD) + result.resultText + "}";
    MatchSeries().NoteResult(text, score,
                             type == GAME_RAMSCH ? (result.outcome == 0 ? 1 : -1) : (score >= 0 ? 1 : -1));
    // 7. The dialog, with the pause held at 0.
    CResultDialog dialog(text);
    const int pause = g_Game.PauseLevel;
    DoModalDialog(dialog);
    if (pause != 0) {
        SetPause(pause);
        MatchSeries().StartPlayClock();
    }
    EditGameObject().RemoveRow(TableRow::Skat, false);
    // 8. The answer.
    const int word = dialog.ResultWord();
    int next = STATE_LOAD;
    if (word & 1) next = STATE_STAY;
    else if (word & 4) next = STATE_IDLE;
    else if (word & 8) next = STATE_STAY;
    if (word & 16) {
        // A repeat: the game is not counted, listed or entered in the statistics.
        g_Game.StopFlag = StopState::Requested;
        GiveUp().OnBreak();
        g_Game.StopFlag = StopState::Running;
        FrameTable().RefreshPosTexts(1);
        CardExchange().CheckCheat(4, 0);
        SetFlowState(next);
        if (word & 8) PostMessage(WM_COMMAND, CM_LAST);
        return false;
    }
    MatchSeries().CountGame(type == GAME_RAMSCH ? 0 : (score < 0 ? -1 : 1));
    MatchFiles().AddGameToList(score, result.listText);
    MatchFiles().AddDealToStore();
    MatchFiles().UpdateListFiguresForLastGame();
    RefreshListWindows();
    SetFlowState(next);
    if (word & 8) PostMessage(WM_COMMAND, CM_LAST);
    NoticeRound(result.newRound);
    MatchFiles().Statistics(score);
    return true;
}


void CMainFrame::NoticeRound(bool newRound) {
    if (g_Game.VariantMode != VARIANT_SKAT || g_Settings.Variants.Extra == 0) return;
    const int old = g_Game.RoundStatus;
    AdvanceRoundCounters();
    if (newRound) {
        ArmRounds();
    } else if (old != ROUND_NORMAL) {
        WriteTrace(":NoticeRound(" + std::to_string(g_Game.RoundStatus) + ")", LOG_MAINFRAME);
    }
}
