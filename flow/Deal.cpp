// The deal and the start of a game: New prepares, timer 3 deals, StartGame lets the players look at
// their hands, OnStart opens the auction.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAuction.h"
#include "flow/FrameAudio.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/RamschRounds.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameEvaluation.h"
#include "model/FlowGlobals.h"
#include "flow/GameObject.h"
#include "match/ListTotals.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/TableTextHelpers.h"
#include "windows/TrickEstimation.h"

#include <cstdio>

namespace {

// The rows of a deal in dealing order: the forehand's hand first, the skat last.
struct DealOrder {
    TableRow rows[4];
};

TableRow HandRow(int seat) { return seat == 0 ? TableRow::Computer0 : seat == 1 ? TableRow::Computer1 : TableRow::Person; }

DealOrder OrderFromForehand() {
    const int p0 = g_Game.Forehand;
    return {{HandRow(p0), HandRow(NextSeat(p0)), HandRow(NextSeat(NextSeat(p0))), TableRow::Skat}};
}

}  // namespace

void CMainFrame::OnNew() {
    // Step 1: the new game's time in the trace.
    const std::string now = platform::FormatLocalTime("%Y-%m-%d %H:%M", Time64());
    WriteTrace(platform::FormatText(platform::LoadString(IDS_TRACE_GAME), {now}), LOG_FORCED);
    WriteTrace(":OnNew()", LOG_MAINFRAME);
    // Step 2: a log set to start afresh with each game is deleted.
    LogDeleteOn(1);
    // Step 3: the deal runs until a stop request and is a fresh one.
    g_Game.StopFlag = StopState::Running;
    MatchSeries().MarkFreshDeal();
    // Step 4: the play pauses while the cards are dealt.
    SetPause(1);
    // Step 5: the game of this deal is the temporary one until it is saved under a name.
    MatchFiles().UseOwnGameFile();
    SetTitle(Files().GamePath, 3);
    // Step 6: the state window is never open yet.
    FramePanels().ForgetStateWindowUse();
    // Step 7: the cheat marks take note of the new deal.
    CardExchange().CheckCheat(32, 1);
    // Step 8: a second New while this deal is prepared does not deal again.
    if (Series().GameRunning) return;
    MatchSeries().BeginGame();
    FrameTable().RemoveTrick();
    ShowMatchState();
    InitializeSkat(EditGameObject());
    g_Game.ResetKontra();
    FrameTable().RefreshPosTexts(1);
    RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0)
        FrameTable().MoveExtraText(g_Game.RoundStatus == ROUND_BOCK ? IDS_NOTICE_BOCK : IDS_NOTICE_RAMSCH, 0, 0, nullptr, nullptr);
    SetTimer(TM_DEAL, kDealDelayMs);
}

// Draws the three hands and the skat as the deal lays them down: in packets of 3, 4 and 3 with the
// skat after the first, or whole hands; the dealing sound runs while each is drawn.
static void DrawDeal(CMainFrame& frame, CSkat& game, const DealOrder& order) {
    const bool packets = g_Settings.Settings.Deal == 0;
    if (packets) {
        static constexpr int kPackets[3][2] = {{0, 2}, {3, 6}, {7, 9}};
        for (int packet = 0; packet < 3; ++packet) {
            for (int hand = 0; hand < 3; ++hand) {
                frame.FrameAudio().SoundEffect(SOUND_DEAL, true);
                game.PaintRow(order.rows[hand], 1, false, kPackets[packet][0], kPackets[packet][1]);
                frame.FrameAudio().SoundEffect(SOUND_STOP, false);
            }
            if (packet == 0) {
                frame.FrameAudio().SoundEffect(SOUND_DEAL, true);
                game.PaintRow(order.rows[3], 1, false, 0, 0);
                frame.FrameAudio().SoundEffect(SOUND_STOP, false);
            }
            frame.WaitForInput();
        }
    }
    // Step 5: off the table again, sorted (whole hands are sorted before they are dealt).
    for (TableRow row : order.rows) {
        game.RemoveRow(row, false);
        game.SortRow(row);
    }
    // Step 6: each row whole.
    for (int row = 0; row < 4; ++row) {
        frame.FrameAudio().SoundEffect(SOUND_DEAL, true);
        game.PaintRow(order.rows[row], packets ? 0 : 1);
        frame.FrameAudio().SoundEffect(SOUND_STOP, false);
        if (!packets && row < 3) frame.WaitForInput();
    }
    if (!packets) frame.FrameAudio().SoundEffect(SOUND_STOP, false);
}

void CMainFrame::OnDeal() {
    WriteTrace(":OnDeal()", LOG_MAINFRAME);
    if (Series().BeforeDeal) Series().BeforeDeal();
    // Steps 1 and 2: the seats from the forehand, then the skat.
    CSkat& game = EditGameObject();
    game.DealHands(g_Game.Forehand);
    const DealOrder order = OrderFromForehand();
    // Step 3: the card statistics count the new hands.
    MatchFiles().LatchDeal();
    // Steps 4 to 6: the cards go out onto the table.
    DrawDeal(*this, game, order);
    // Step 7: each row sorts into the table's order.
    game.SortDealtByTable();
    // Step 8: the annotation of the new deal.
    FramePanels().RenewAnnotationForDeal();
    // Step 9: the deal is saved in the game file.
    MatchFiles().SaveFile(Files().GamePath, 0);
    // Step 10: a stop during the deal clears the desk instead.
    if (g_Game.StopFlag == StopState::Running) {
        StartGame();
    } else {
        FrameAudio().SoundEffect(SOUND_BROKEN_OFF, false);
        ClearDesk();
    }
}

void CMainFrame::AssignedCards() {
    WriteTrace(":AssignedCards()", LOG_MAINFRAME);
    // Step 1: the cards given in the file go back into the rows, from the forehand on.
    CSkat& game = EditGameObject();
    game.RestoreDeal(g_Game.Forehand);
    const DealOrder order = OrderFromForehand();
    // Step 2: the deal is shown with its sound.
    FrameAudio().SoundEffect(SOUND_DEAL, true);
    DrawDeal(*this, game, order);
    // Step 3: the deal in the trace, seat by seat.
    for (int seat = 0; seat < 3; ++seat) {
        std::string line = "AssignedCards(";
        line += GetPlayerName(seat);
        for (int slot = 0; slot < 10; ++slot) {
            line += ':';
            line += CardShortText(GameObject().Player(seat)->dealt[static_cast<std::size_t>(slot)]);
        }
        line += ")";
        WriteTrace(line, LOG_MAINFRAME);
    }
    std::string skat = "AssignedCards(Skat";
    for (int slot = 0; slot < 2; ++slot) {
        skat += ':';
        skat += CardShortText(GameObject().dealt[static_cast<std::size_t>(slot)]);
    }
    skat += ")";
    WriteTrace(skat, LOG_MAINFRAME);
    // Step 4: a stop during the deal clears the desk; otherwise the game starts.
    if (g_Game.StopFlag != StopState::Running) {
        FrameAudio().SoundEffect(SOUND_BROKEN_OFF, false);
        ClearDesk();
    } else {
        StartGame();
    }
}

void CMainFrame::StartGame() {
    // Steps 1 and 2. The Grand Hand question of the evaluation is off until a Ramsch game asks it;
    // the soloist's lay-down is to be announced in the new game.
    for (unsigned char& mark : g_Flow.SuitLedMarks) mark = 0;
    g_Flow.GrandHandOffered = 0;
    g_Computer.GrandHandQuery = 0;
    g_Game.ResetForGame();
    g_ComputerFrame.FaceUpAnnouncePending = 1;
    // Nobody has taken the skat of the new game yet.
    g_Computer.SkatTaken = 0;
    MatchSeries().StartRecord();
    // Step 3: the round, normal, Bock or Ramsch, in the trace.
    std::string round = "round:";
    if (g_Game.RoundStatus == ROUND_NORMAL) {
        round += "NORMAL";
    } else {
        const bool bock = g_Game.RoundStatus == ROUND_BOCK;
        char text[64];
        std::snprintf(text, sizeof text, "%s:%d-%d:game:%d", bock ? "bock" : "ramsch",
                      bock ? g_Game.BockRound : g_Game.RamschRound, bock ? g_Game.BockRounds : g_Game.RamschRounds,
                      g_Game.BockCounter + 1);
        round += text;
    }
    std::string line = ":StartGame(";
    line += round;
    line += ")";
    WriteTrace(line, LOG_MAINFRAME);
    // Step 4: no hint; the status line rotates only with a cheat text; the game starts.
    FrameTexts().ClearHintText();
    FrameTimers().SetStatusRotation(!Texts().CheatText.empty());
    g_Game.StopFlag = StopState::Running;
    SetFlowState(STATE_START);
    // Step 5: each player looks at his hand, then prepares his play estimate (the Ramsch sheet
    // shows it).
    FrameAuction().EvaluateBidLimits();
    for (int seat = 0; seat < 3; ++seat) EditGameObject().Think(seat, [](CPlayer& player) { player.PreparePlay(); });
    // Step 6: the trick estimation window on the best game, when it follows the game; kept on its
    // view it still shows the new hand's sheet, not the last game's.
    if (CTrickEstimation* estimation = FramePanels().TrickEstimationWindow()) {
        if (estimation->UpdateEstimation(1) != 0) FramePanels().SelectEstimatedGame();
        else estimation->UpdateEstimation(-1);
    }
    // Step 7: the pause clock starts.
    g_Game.PauseLevel = 1;
    MatchSeries().StartPlayClock();
    // Step 8: no card is picked, and a raised card goes down.
    for (int seat = 0; seat < 3; ++seat) {
        EditGameObject().Think(seat, [](CPlayer& player) {
            player.PickedCard = static_cast<int>(g_Game.StopFlag);
            g_Game.StopFlag = StopState::Running;
            if (player.IsSelectedCard(player.PickedCard)) player.SelectCard(4, 0, true);
        });
    }
    // Step 9: the match's standing, the score sheet and the data window.
    OnStartView();
    // Step 10: a Ramsch game goes to the pick-up round; any other to the auction.
    const bool ramschGame = g_Game.VariantMode == VARIANT_RAMSCH_ONLY || (g_Game.VariantMode == VARIANT_SKAT && g_Game.RoundStatus == ROUND_RAMSCH);
    if (ramschGame) {
        g_Flow.GrandHandOffered = g_Settings.Variants.GrandHand != 0 ? 1 : 0;
        // The players judge their hands for the Grand Hand offer that follows under its rule.
        g_Computer.GrandHandQuery = g_Flow.GrandHandOffered;
        FrameTrickPlay().AnnounceSeats();
        if (Series().SeriesEnded) NewMatch();
        RamschRounds().PickupRamsch(0);
    } else {
        EndContinue();
    }
}

void CMainFrame::OnStartView() {
    ShowMatchState();
    MatchSeries().UpdateSeriesEnd();
    RefreshScoreSheet();
    FramePanels().ShowDataDialog(0, 1);
}

void CMainFrame::EndContinue() {
    FrameTrickPlay().CourseGone(true);
    CloseModelessDialog();
    for (int& points : g_Game.PartyPoints) points = 0;
    if (Series().SeriesEnded) NewMatch();
    else OnStart();
}

void CMainFrame::OnStart() {
    WriteTrace(":OnStart()", LOG_MAINFRAME);
    // Step 1: a new match starts.
    if (Series().SeriesEnded) {
        MatchSeries().StartPlayClock();
        g_Game.GameCount = 0;
        g_Game.StoreCount = 0;
        ResetListTotals();
        RefreshListWindows();
        g_Settings.Game.CountDown = g_Settings.Game.MaxTime;
        ShowMatchState();
        MatchSeries().ClearSeriesEnd();
        FrameTimers().RotateFrom(0);
        SetStatusPane(0, Texts().StatusText);
        if (!(TrickPlay().CourseShown && TrickPlay().CourseAvailable))
            for (int seat = 0; seat < 3; ++seat) FrameTable().RemoveText(seat, IDS_WIDEST_NAME);
    }
    // Step 2: the auction starts afresh.
    g_Game.ResetAuction();
    // Step 4: the seats' labels.
    FrameTrickPlay().AnnounceSeats();
    // Step 5: the first game after the program start waits for New.
    if (g_Game.FlowState != STATE_IDLE) {
        for (int seat = 0; seat < 3; ++seat) {
            FrameTexts().ClearBalloonText(seat);
        }
        // A Ramsch game has no auction: the match-start dialog's start can arrive while its
        // rounds wait.
        const bool ramschGame = g_Game.VariantMode == VARIANT_RAMSCH_ONLY ||
                                (g_Game.VariantMode == VARIANT_SKAT && g_Game.RoundStatus == ROUND_RAMSCH) ||
                                g_Game.GameType == GAME_RAMSCH;
        if (!ramschGame) SendMessage(WM_COMMAND, CM_AUCTION);
    }
}

