// The end of a match: the final standing in the match-start dialog, where the person chooses who
// begins the next match, and the match counters set back.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAuction.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/MatchEndText.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/GameEvaluation.h"
#include "dialogs/StartDialog.h"
#include "flow/RichText.h"
#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/RichTextEscape.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Rounds.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "windows/TrickEstimation.h"

#include <array>

namespace {

// The seat with the smallest balance; a later seat only when strictly smaller.
int BierlachsLoser(const int (&balances)[3]) {
    int loser = 0;
    for (int seat = 1; seat < 3; ++seat)
        if (balances[seat] < balances[loser]) loser = seat;
    return loser;
}

}  // namespace

std::string FinalStandingText(const std::string& reasonLine, const int (&numbers)[3],
                              const std::array<std::string, 3>& names) {
    std::string text = RichTextHead() + "\\fs17\\qc";
    if (!reasonLine.empty()) {
        text += reasonLine + "\\par\\par";
        text += platform::LoadString(IDS_FINAL_SCORE) + "\\par";
        // The space ends the bold word: glued to it, the number would be read as its argument and lost.
        for (int seat = 0; seat < 3; ++seat)
            text += "\\b " + EscapeRichText(names[seat]) + "\\b0 :  \\b " + std::to_string(numbers[seat]) + "\\b0\\par";
    }
    return text + "}";
}

std::string MatchEndReason(int matchMode, const std::array<std::string, 3>& names, const int (&balances)[3]) {
    switch (matchMode) {
        case 0:
            return platform::FormatText(platform::LoadString(IDS_MATCH_END_ROUNDS),
                                        {std::to_string(g_Settings.Game.MaxRounds)});
        case 1:
            return platform::FormatText(platform::LoadString(IDS_MATCH_END_TIME),
                                        {std::to_string(g_Settings.Game.MaxTime / 60)});
        case 2:
            return platform::FormatText(platform::LoadString(IDS_MATCH_END_BIERLACHS),
                                        {EscapeRichText(names[BierlachsLoser(balances)])});
        default: return std::string();
    }
}

std::array<std::string, 3> CMainFrame::SeatNames() const { return {GetPlayerName(0), GetPlayerName(1), GetPlayerName(2)}; }

void CMainFrame::ResetMatchCounters() {
    // Step 6: the round notice and the Bock and Ramsch rounds.
    g_Game.BockCounter = 0;
    if (g_Game.RoundStatus != ROUND_NORMAL) {
        FrameTable().MoveExtraText(0, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
        SetRoundLimits(0, 0);
    }
    // Step 7: the soloist counts and the list's totals start at zero.
    MatchSeries().ResetSoloistCounts();
    ResetListTotals();
    // Step 8: the panels, the list windows and the match's statistics start afresh.
    FramePanels().ShowDataDialog(0, 1);
    FramePanels().ShowGameStatusDialog(1, 0);
    ShowMatchState();
    MatchSeries().ResetGrandRepeats();
    RefreshListWindows();
    MatchFiles().ResetMatchCardStatistics();
    MatchFiles().ResetMatchGameStatistics();
}

void CMainFrame::NewMatch() {
    // Step 1: the status bar says the match has ended.
    WriteTrace(":NewMatch()", LOG_MAINFRAME);
    SetStatusPane(0, platform::LoadString(IDS_MATCH_ENDED));
    SetTitle("cards~.skm", 0);  // the title anew; the match keeps its file
    // Steps 2 and 3: the final standing; the person chooses who begins.
    const std::array<std::string, 3> names = SeatNames();
    const int(&numbers)[3] = g_Game.MatchMode == 2 ? g_GameList.Balances : g_GameList.MatchTotals;
    CStartDialog dialog(FinalStandingText(MatchEndReason(g_Game.MatchMode, names, g_GameList.Balances), numbers, names),
                        names);
    if (g_Game.DemoMode) SetTimer(TM_DEMO_RANDOM_STARTER, g_Settings.Delay.Demo);
    DoModalDialog(dialog);
    // Step 4: closed without a starter: the game is broken off.
    if (!dialog.Started()) {
        MatchSeries().AllowRepeat();
        MatchSeries().ClearSeriesEnd();
        SendMessage(WM_COMMAND, ID_BREAK);
        return;
    }
    // Step 5: a log set to start afresh with each match is deleted; the new match's time in the trace.
    LogDeleteOn(2);
    const std::string now = platform::FormatLocalTime("%Y-%m-%d %H:%M", Time64());
    WriteTrace(platform::FormatText(platform::LoadString(IDS_TRACE_MATCH), {now}), LOG_FORCED);
    WriteTrace(":NewMatch()", LOG_MAINFRAME);
    SetTitle("cards~.skm", 0);  // the title anew; the match keeps its file
    // Steps 6 to 9; the trick estimation window follows the new match as at Match > New.
    const int state = g_Game.FlowState;
    SetFlowState(STATE_NEW);
    ResetMatchCounters();
    if (CTrickEstimation* estimation = FramePanels().TrickEstimationWindow()) estimation->UpdateDialog();
    SetFlowState(state == STATE_START ? STATE_START : STATE_IDLE);
}

void CMainFrame::OnNewMatch() {
    // Step 1: the play's pause ends.
    const int pause = SetPause(0);
    // Step 2: the match has ended early: the reason and the standing to show.
    SetStatusPane(0, platform::LoadString(IDS_MATCH_ENDED));
    const std::array<std::string, 3> names = SeatNames();
    const int mode = g_Game.MatchMode;
    const std::string modeName = platform::LoadString(IDS_MODE_SERIES + (mode >= 0 && mode <= 3 ? mode : 0));
    const std::string reason = platform::FormatText(platform::LoadString(IDS_MATCH_END_EARLY), {modeName});
    const int(&numbers)[3] = mode == 2 ? g_GameList.Balances : g_GameList.MatchTotals;
    // Step 3: the final standing; the person chooses who begins, or goes back to the match.
    CStartDialog dialog(FinalStandingText(reason, numbers, names), names);
    DoModalDialog(dialog);
    if (!dialog.Started()) {
        SetPause(pause);
        return;
    }
    // Step 4: a log set to start afresh with each match is deleted; the new match's time in the trace.
    LogDeleteOn(2);
    const std::string now = platform::FormatLocalTime("%Y-%m-%d %H:%M", Time64());
    WriteTrace(platform::FormatText(platform::LoadString(IDS_TRACE_MATCH), {now}), LOG_FORCED);
    WriteTrace(":OnNewMatch()", LOG_MAINFRAME);
    SetTitle("cards~.skm", 0);  // the title anew; the match keeps its file
    // Step 5: the match's clock and counts start afresh; the cheat marks clear.
    g_Game.PauseLevel = 0;
    MatchSeries().StartMatchClock();
    g_Game.GameCount = 0;
    g_Game.StoreCount = 0;
    g_Settings.Game.CountDown = g_Settings.Game.MaxTime;
    ShowMatchState();
    CardExchange().CheckCheat(0, 1);
    if (CTrickEstimation* estimation = FramePanels().TrickEstimationWindow()) estimation->UpdateDialog();
    // Step 6: the match's counters and rounds start afresh.
    SetFlowState(STATE_NEW, true);
    ResetMatchCounters();
    // Step 7: the hands are judged afresh.
    for (int seat = 0; seat < 3; ++seat) {
        FrameAuction().EvaluateBidLimit(seat);
        EditGameObject().Think(seat, [](CPlayer& player) { player.PreparePlay(); });
    }
    FramePanels().SelectEstimatedGame();
    // Step 8: the score on the table is painted afresh.
    if (g_Settings.Settings.Score) RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE);
    // Step 9: the table waits for the next game.
    SetFlowState(STATE_IDLE);
    SetPause(pause);
}
