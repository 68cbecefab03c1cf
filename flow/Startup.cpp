// The game side of program start, opening a file handed to the program, clearing the desk and the
// settings kept for an automatic completion.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAuction.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/GiveUp.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"
#include "match/Profile.h"

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/GameEvaluation.h"
#include "model/FlowGlobals.h"
#include "flow/GameObject.h"
#include "match/MatchListFile.h"
#include "match/OwnFiles.h"
#include "match/Statistics.h"
#include "match/StoredDealFile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardKnowledge.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Folders.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    if (text.size() < tail.size()) return false;
    return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string FileTitle(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void TraceForced(int stringId) {
    const std::string now = platform::FormatLocalTime("%Y-%m-%d %H:%M", Time64());
    WriteTrace(platform::FormatText(platform::LoadString(stringId), {now}), LOG_FORCED);
}

}  // namespace

void CMainFrame::Startup() {
    // Step 1: the forehand in the trace.
    std::string line = ":Startup(";
    line += GetPlayerName(g_Game.Forehand);
    line += ":forehand)";
    WriteTrace(line, LOG_MAINFRAME);

    // Step 2: the temporary list and store in the work folder.
    FrameTable().SetTableWindow(g_Frame.hTableWnd);
    // The list read here is the running match: the exit writes it back, and the settings keep its
    // rounds and seats (section Actual) for the next start.
    MatchFiles().BeginRunningMatch(g_Profile.Work);
    g_Profile.MatchListActive = 1;
    // The program's own files live there; a work folder named in the settings is made when missing.
    platform::EnsureFolder(g_Profile.Work);

    // Step 3: the match list and its stored deals.
    // Deals past the list's last game go when the list was read, and when there was no list at all:
    // a new match's first game end killed between its deal and its list row leaves a deal and no
    // list. A new list after a damaged one leaves the stored deals alone: the games they belong to
    // are in the damaged list moved aside.
    const bool noList = NothingAt(Files().TempListPath) && NothingAt(Files().ListPath);
    const bool listRead = MatchFiles().ReadList(Files().ListPath, 0, false);
    MatchFiles().ReadStore(Files().StorePath, 0);
    if (listRead || noList) MatchFiles().DropDealsPastList();

    // Step 4: the table waits for a game.
    SetFlowState(STATE_IDLE);

    // Step 5: nothing is known of any card; nobody's turn, no trick's winner, no phase.
    ResetCardTables();
    g_Game.PreviousForehand = g_Game.Forehand;
    g_Game.TurnSeat = 3;
    g_Game.TrickWinner = 3;
    for (int& text : g_Game.PlayerPhaseText) text = 200;

    // Step 6: the rule set through its menu command.
    if (g_Game.VariantMode == VARIANT_OFFICIAL) OnSkatRule();
    else if (g_Game.VariantMode == VARIANT_SKAT) OnSkatVariant();
    else OnSkatRamsch();

    // Step 7: the match clock continues where it stood.
    FrameTimers().ResetBalloonTicks();
    MatchSeries().ContinueMatchClock();

    // Step 8: real play; the random source is seeded and the decks of cards, balloons and symbols made.
    g_Game.RealPlayFlag = 1;
    StartupSkat(GameObject(), g_Frame.hTableWnd, *this);

    // Step 9: the uncover marks carry over from the cheat marks.
    g_Flow.UncoverBits = ((g_Game.CheatMask & 256) ? 1 : 0) | ((g_Game.CheatMask & 512) ? 2 : 0);

    // Step 10: the statistics, unless read already.
    if (!g_pStatistics) MatchFiles().ReadStatistics(Files().StatisticsPath, false);

    // Step 11: the round notice.
    FrameTable().MoveExtraText(0, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
    if (g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0)
        FrameTable().MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, nullptr);

    // Step 12: the last game from its file.
    const int read = MatchFiles().ReadCards(Files().GamePath, 2) ? 1 : 0;

    // Step 13: no game runs; the last one may be repeated when it was read; the match's standing shows.
    MatchSeries().StartIdle(read);
    FrameTrickPlay().EndAutoComplete();
    FrameTimers().DropRedraw();
    CardExchange().ResetKeyGroups();
    ShowMatchState();
    MatchFiles().ForgetLatchedDeal();
    MatchSeries().UpdateSeriesEnd();
    CardExchange().CheckCheat(g_Game.CheatMask, 1);
    FrameAuction().ClearBidLimits();

    // Step 14: the players look at the last deal again, off the table.
    if (!TrickPlay().CourseShown) {
        if (Series().SeriesEnded) NewMatch();
        EditGameObject().LayDealBack();
        // AnalyseAndEvaluate becomes a member of the player with the computer's next step.
        FrameAuction().EvaluateBidLimits();
        EditGameObject().TakeCardsOffTable(false);
    }

    // Step 15: the side windows open at the last exit, then the log window.
    FramePanels().ReopenSideWindows();

    // Step 17: the table takes its size, and the start command sets the seats for the next game.
    PostMessage(WM_SIZE, 0, 0);
    PostMessage(WM_COMMAND, CM_START);
}

void CMainFrame::Start(const std::string& path) {
    if (EndsWithNoCase(path, ".skt")) {
        // Steps 1 and 2: a log set to start afresh with each game is deleted; the time in the trace; no pause.
        LogDeleteOn(1);
        TraceForced(IDS_TRACE_GAME);
        const int pause = SetPause(0);
        const std::string title = FileTitle(path);
        // Step 3: a game running is replaced only when the person agrees.
        if (Series().GameRunning && MessageBox(Handle(), platform::LoadString(IDS_QUERY_REPLACE_GAME), {title},
                                               platform::LoadString(IDS_PRODUCT_NAME),
                                               platform::MB_YESNO | platform::MB_ICONQUESTION) != IDYES) {
            SetPause(pause);
            return;
        }
        // Step 4: the file in the trace, and its game read; a file that cannot be read changes nothing.
        std::string line = ":Start(";
        line += path;
        line += ")";
        WriteTrace(line, LOG_MAINFRAME);
        if (!MatchFiles().ReadCards(path, 2)) {
            SetPause(pause);
            return;
        }
        // Step 5: the read game is marked, kept in the work folder, and the game before breaks off.
        CardExchange().CheckCheat(2, 1);
        SetFlowState(STATE_IDLE);
        MatchFiles().SaveFile(Files().GamePath, 0);
        g_Game.StopFlag = StopState::Requested;
        GiveUp().OnBreak();
        // Step 7: show the course when the file has one, else play the deal again.
        if (g_Game.CourseTricks > 0) {
            g_Game.StopFlag = StopState::Running;
            g_Game.GameEndFlags = 8;
            FrameTrickPlay().OnLast();
        } else {
            GiveUp().OnRepeat();
        }
        // Step 8: the pause is as before.
        SetPause(pause);
        return;
    }
    if (EndsWithNoCase(path, ".skm") || EndsWithNoCase(path, ".sks")) {
        // Steps 1 and 2: a log set to start afresh with each match is deleted; the time in the trace.
        LogDeleteOn(2);
        TraceForced(IDS_TRACE_MATCH);
        const std::string stem = path.substr(0, path.size() - 4);
        // The person's files are theirs: one that is there but cannot be read is named and left
        // alone, and the match stays as it was.
        if (!MatchFiles().MatchFileUsable(stem + ".skm", false) || !MatchFiles().MatchFileUsable(stem + ".sks", true))
            return;
        MatchFiles().UseMatchFiles(stem + ".skm");
        // Steps 4 and 5: the match list and store come with the files' own step.
        if (Series().GameRunning) GiveUp().OnBreak();
        MatchFiles().ReadList(Files().ListPath, 1, false);
        MatchFiles().SaveList(Files().ListPath, false);
        MatchFiles().ReadStore(Files().StorePath, 1);
        MatchFiles().SaveStore(Files().StorePath);
        CardExchange().CheckCheat(0, 1);
        MatchFiles().ResetMatchCardStatistics();
        for (int seat = 0; seat < 3; ++seat) FrameTable().RemoveText(seat, IDS_WIDEST_NAME);
        Startup();
    }
    // Any other ending does nothing.
}

void CMainFrame::ClearDesk() {
    // Step 1: the demonstration plays no more cards.
    KillTimer(TM_DEMO_PLAY_CARD);
    // Step 2: the course shown goes.
    if (TrickPlay().CourseShown) FrameTrickPlay().OnLast();
    // Step 3: the cards leave the table: skat, hands, trick and last trick.
    EditGameObject().TakeCardsOffTable(true);
    // Step 4: the seats' labels and the Grand Hand texts go.
    for (int seat = 0; seat < 3; ++seat) FrameTable().RemoveText(seat, IDS_WIDEST_NAME);
    FrameTable().RemoveText(4, IDS_GRAND_HAND);
    FrameTable().RemoveText(5, IDS_GRAND_HAND);
    // Step 5: the first symbol shown goes.
    for (int id = 1; id <= 22; ++id) {
        if (WS_IsSymbolShown(g_Frame.hTableWnd, id)) {
            WS_RemoveSymbol(g_Frame.hTableWnd, id);
            break;
        }
    }
    // Step 6: the status bar shows no game; a cheat text stays.
    FrameTimers().SetStatusRotation(false);
    FrameTexts().ClearStatusText();
    SetStatusPane(0, Texts().CheatText.empty() ? Texts().StatusText : Texts().CheatText);
    // Step 7: the modeless dialog closes.
    CloseModelessDialog();
    // Step 8: the table waits for a game and is painted afresh.
    WriteTrace(":ClearDesk()", LOG_MAINFRAME);
    SetFlowState(STATE_IDLE);
    RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
