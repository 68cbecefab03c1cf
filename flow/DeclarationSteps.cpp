// The person's road of the declaration (pick up or Hand, the declaration bar, the declared game),
// the set-up of play that every road shares, the swap pause and the sorting of the hands.
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/VoidTable.h"
#include "dialogs/DeclareDialog.h"
#include "dialogs/PlayBars.h"
#include "model/FlowGlobals.h"
#include "dialogs/GameNames.h"
#include "model/Skat.h"
#include "resources/ids.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "flow/FrameGlobals.h"

#include <cstdio>

namespace {

// Check boxes of the declaration bar.
constexpr int kBoxOuvert = 1022;
constexpr int kBoxSchwarz = 1027;
constexpr int kBoxSchneider = 1045;

// Offsets of the announcements' short names.
constexpr int kAbbrOuvert = 16;
constexpr int kAbbrHand = 18;
constexpr int kAbbrSchneider = 22;
constexpr int kAbbrSchwarz = 26;

// "%s:%s%s%s%s%s": the name, the game's short name, and Hand, Ouvert, Schneider, Schwarz where
// announced; in Null the Hand word stands behind the Ouvert word, in Revolution neither stands.
std::string DeclarationLine(const std::string& name) {
    const int type = g_Game.GameType;
    const std::string hand = g_Game.HandAnnounced ? GetAbbreviation(kAbbrHand) : "";
    const std::string ouvert = g_Game.OuvertAnnounced ? GetAbbreviation(kAbbrOuvert) : "";
    std::string line = name + ":" + (type >= 0 ? GetAbbreviation(2 * type) : std::string());
    if (type == GAME_NULL) line += ouvert + hand;
    else if (type != GAME_REVOLUTION) line += hand + ouvert;
    if (g_Game.SchneiderAnnounced) line += GetAbbreviation(kAbbrSchneider);
    if (g_Game.SchwarzAnnounced) line += GetAbbreviation(kAbbrSchwarz);
    return line;
}

void FocusTable() { ::SetFocus(g_Frame.hTableWnd); }

}  // namespace

void CMainFrame::MoveSkatToTrick() { EditGameObject().MoveSkatToTrick(); }

void CMainFrame::MoveTrickToSkat() { EditGameObject().MoveTrickToSkat(); }

void CMainFrame::OpenDeclareBar() {
    OpenPromptBar<CDeclareDialog>(*this);
    if (::IsWindow(Prompts().PromptDialog)) ::SetFocus(Prompts().PromptDialog);
}

void CMainFrame::OnPickup() {
    // Step 1: the person picks up; the modeless dialog closes.
    WriteTrace(":OnPickup(" + GetPlayerName(2) + ")", LOG_MAINFRAME);
    CloseModelessDialog();
    // Step 2: nothing is known yet of the play; no points; the exchange runs.
    StartPlayKnowledge();
    for (int& points : g_Game.PartyPoints) points = 0;
    g_Flow.ExchangeRunning = 1;
    // Step 3: the person is asked for his game.
    SetFlowState(STATE_ASK);
    // Step 4: the skat also stands in the person's two extra slots.
    EditGameObject().ShowSkatBehindPersonsHand();
    FramePanels().ShowGameStatusDialog();
    g_Game.HandAnnounced = 0;
    g_Flow.ChosenButton = 0;
    EditExchange().ActiveGroups = 9;
    SetPause(1);
    // Step 5: the notice to swap the skat and declare.
    MoveExtraText(IDS_NOTICE_SWAP_DECLARE, g_Game.BockRound ? IDS_NOTICE_RAMSCH : 0, 0, nullptr, nullptr);
    SoundEffect(SOUND_CARD_PLAYED, false);
    // Step 6: the skat lies face up in the trick.
    MoveSkatToTrick();
    // Step 7: the declaration bar.
    OpenDeclareBar();
    // Step 8: what may be announced with a game after a pick-up.
    if (!((g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Ouvert == 2) ||
          g_Game.VariantMode == VARIANT_RAMSCH_ONLY)) {
        g_Game.OuvertAnnounced = 0;
        if (HWND box = ::GetDlgItem(Prompts().PromptDialog, kBoxOuvert)) ::EnableWindow(box, false);
    }
    if (g_Game.VariantMode == VARIANT_OFFICIAL || (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Schneider == 1)) {
        g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        for (int id : {kBoxSchneider, kBoxSchwarz})
            if (HWND box = ::GetDlgItem(Prompts().PromptDialog, id)) ::EnableWindow(box, false);
    }
    // Step 9: the suggested game ticked on the bar, or the focus on the table.
    if (g_Settings.Options.Suggest) SelectGame(4);
    else FocusTable();
    // Step 10: the person's phase: he has picked up the skat; the estimation window shows the hand
    // with the skat.
    g_Game.PlayerPhaseText[2] = IDS_PHASE_PICKED_UP;
    FramePanels().SelectEstimatedGame();
    // Step 11: demonstration mode ticks the boxes of the game it will declare.
    if (g_Game.DemoMode) {
        int(*options)[13] = EditGameObject().PersonThinks([](CPlayer& person) { return person.ChooseGame(0); });
        const int type = g_Game.GameType;
        if (type >= 0 && type < GAME_OPTION_COUNT && options[type][OPT_HAND] && ::IsWindow(Prompts().PromptDialog)) {
            if (options[type][OPT_OUVERT]) ::PostMessage(Prompts().PromptDialog, WM_COMMAND, kBoxOuvert, 0);
            if (options[type][OPT_SCHWARZ]) ::PostMessage(Prompts().PromptDialog, WM_COMMAND, kBoxSchwarz, 0);
            if (options[type][OPT_SCHNEIDER]) ::PostMessage(Prompts().PromptDialog, WM_COMMAND, kBoxSchneider, 0);
        }
    }
}

void CMainFrame::OnHand() {
    WriteTrace(":OnHand(" + GetPlayerName(2) + ":hand)", LOG_MAINFRAME);
    CloseModelessDialog();
    g_Game.PlayerPhaseText[2] = IDS_PHASE_HAND;
    SetFlowState(STATE_HAND);
    g_Game.HandAnnounced = 1;
    g_Flow.ChosenButton = 0;
    OpenDeclareBar();
    if (g_Settings.Options.Suggest) SelectGame(-1);
    else FocusTable();
    MoveExtraText(IDS_NOTICE_DECLARE, g_Game.BockRound ? IDS_NOTICE_RAMSCH : 0, 0, nullptr, nullptr);
}

void CMainFrame::OnDeclare() {
    // Step 1: the notice goes, the game is said and the hands sorted; the play pauses.
    CloseModelessDialog();
    MoveExtraText(0, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
    VoiceDeclare(false);
    OnSortCards();
    RegisterGameAttributes();
    SetPause(1);
    // Step 2: what the person laid away goes back into the skat.
    if (!g_Game.HandAnnounced) {
        SoundEffect(SOUND_REMOVE_CARDS, false);
        MoveTrickToSkat();
    }
    g_Flow.ExchangeRunning = 0;
    // Step 3: Revolution Hand rearranges the defenders' hands.
    if (g_Game.HandAnnounced && g_Game.GameType == GAME_REVOLUTION)
        SwapCardsOpponents(false, 0, 1, 2);
    if (g_Game.DemoMode) {
        SetTimer(TM_DEMO_DECLARED, g_Settings.Delay.Demo);
        return;
    }
    // Step 4: the soloist's symbol goes; a skat swap pause may hold the declaration here.
    SetFlowState(STATE_MANIPULATE);
    MoveSymbol(2, false, nullptr, nullptr);
    if (SkatSwapPause(false)) return;
    // Step 5: the declaration in the trace.
    WriteTrace(":OnDeclare(" + DeclarationLine(GetPlayerName(2)) + ")", LOG_MAINFRAME);
    // Step 6: the game is declared.
    OnDeclared();
}

void CMainFrame::OnDeclared() {
    // Step 1: the person's bid limit is his game's value; the hint goes.
    EditAuction().BidLimits[2] = EditGameObject().PersonThinks([](CPlayer& person) { return person.GetGameValue(); });
    FrameTexts().ClearHintText();
    SetStatusPane(0, Texts().StatusText);
    // Step 2: the game is set up with the person as soloist.
    SetupGame(GameObject().Person(), *GameObject().Player(1), *GameObject().Player(0));
    // Step 3: the game is in play; the estimation window shows the declared game.
    FramePanels().SelectEstimatedGame();
    // Step 4: the person's phase: he has laid away his skat, unless he played Hand.
    if (!g_Game.HandAnnounced) g_Game.PlayerPhaseText[2] = IDS_PHASE_DISCARDED;
    // Step 5: the computers' hands in the table's order.
    for (int seat = 0; seat < 2; ++seat) {
        EditGameObject().SortRow(seat == 0 ? TableRow::Computer0 : TableRow::Computer1);
        EditGameObject().Think(seat, [](CPlayer& computer) { SortIntoTable(computer, 0); });
    }
    // Step 6: demonstration mode confirms by itself.
    if (g_Game.DemoMode) SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
    // Step 7: the computers may give Kontra; the data and status windows and the history.
    ComputerKontra();
    FramePanels().ShowDataDialog(0, 1);
    FramePanels().ShowGameStatusDialog();
    InitHistory();
    // Step 8: the trump flags of the game just declared, then play (the timers play on in
    // demonstration mode).
    for (int seat = 0; seat < 3; ++seat) EditGameObject().Think(seat, [](CPlayer& player) { player.UpdateTrumpFlag(); });
    if (g_Game.DemoMode) {
        SetTimer(g_Game.Soloist == 2 ? TM_DEMO_FINISH_OR_PLAY : TM_DEMO_FINISH_SWAP, g_Settings.Delay.Demo);
        return;
    }
    OnPlay();
}

std::string CMainFrame::SetupGame(const CPlayer& soloist, const CPlayer& /*second*/, const CPlayer& /*third*/) {
    // Step 1: the declaration in the trace.
    WriteTrace(":SetupGame(" + DeclarationLine(soloist.name) + ")", LOG_MAINFRAME);
    const int type = g_Game.GameType;
    // Step 2: Schwarz announced says Schneider as well.
    const bool schwarz = g_Game.SchwarzAnnounced != 0;
    const bool schneider = g_Game.SchneiderAnnounced != 0 && !schwarz;
    // Step 3: "plays" in the status bar, "Play" in the course.
    std::string result = platform::LoadString(IDS_PLAY);
    FrameTexts().AppendStatusText(": " + platform::LoadString(IDS_PLAYS) + " ");
    // Step 4: the game's name.
    const std::string name = platform::LoadString(GameNameId(type));
    FrameTexts().AppendStatusText(name);
    result += " \\b\\cf2 " + name + "\\b0\\cf1 ";
    // Step 5: each word plain in the status bar, in dark red bold in the course.
    auto word = [&](int stringId, const char* statusPrefix, const char* coursePrefix) {
        const std::string text = platform::LoadString(stringId);
        FrameTexts().AppendStatusText(statusPrefix + text);
        result += coursePrefix + text + "\\b0\\cf1 ";
    };
    if (type == GAME_NULL) {
        if (g_Game.OuvertAnnounced) word(IDS_SUFFIX_OUVERT, "", "\\b\\cf2 ");
        if (g_Game.HandAnnounced) word(IDS_SUFFIX_HAND, "", "\\b\\cf2 ");
    } else if (type == GAME_REVOLUTION) {
        // The game says it all.
    } else if (g_Game.VariantMode == VARIANT_OFFICIAL) {
        if (g_Game.OuvertAnnounced) {
            word(IDS_SUFFIX_OUVERT, "", "\\b\\cf2 ");
        } else if (g_Game.HandAnnounced) {
            word(IDS_SUFFIX_HAND, "", "\\b\\cf2 ");
            if (schneider) word(IDS_SCHNEIDER_ANNOUNCED, ", ", ", \\b\\cf2 ");
            if (schwarz) word(IDS_SCHWARZ_ANNOUNCED, ", ", ", \\b\\cf2 ");
        }
    } else if (g_Game.VariantMode == VARIANT_SKAT) {
        if (g_Game.HandAnnounced) word(IDS_SUFFIX_HAND, "", " \\b\\cf2 ");
        if (g_Game.OuvertAnnounced) word(IDS_SUFFIX_OUVERT, "", " \\b\\cf2 ");
        if (schneider) word(IDS_SCHNEIDER_ANNOUNCED, ", ", ", \\b\\cf2 ");
        if (schwarz) word(IDS_SCHWARZ_ANNOUNCED, ", ", ". \\b\\cf2 ");
    } else {
        if (g_Game.HandAnnounced) word(IDS_SUFFIX_HAND, "", " \\b\\cf2 ");
    }
    // Step 6: the status bar shows the game and rotates.
    SetStatusPane(0, Texts().StatusText);
    FrameTimers().StartStatusRotation();
    FrameTimers().ResetPane2Toggle();
    FrameTimers().DelayRotation(20);
    // Step 7: play is set up.
    SetFlowState(STATE_PLAY);
    g_Game.PreviousForehand = g_Game.Forehand;
    StartPlayKnowledge();
    for (int party = 0; party < 3; ++party) g_Game.PartyPoints[party] = g_Game.PartyTricks[party] = 0;
    g_Game.TurnSeat = g_Game.TrickWinner = g_Game.Leader;
    EditGameObject().ClearTrick();
    // Step 8: the skat counts for the soloist's party unless it stays out of the game.
    if (!g_Game.HandAnnounced && type != GAME_NULL && type != GAME_REVOLUTION) {
        const int points = GameObject().CountPoints();
        if (points == -1) {
            for (int& party : g_Game.PartyPoints) party = 0;
        } else {
            g_Game.PartyPoints[0] = points;
        }
    }
    // Step 9: with the count on, the status bar shows the person's points as soloist, else 0.
    if (g_Settings.Options.Count) {
        FrameTexts().SetPointsText(std::to_string(g_Game.Soloist == 2 ? g_Game.PartyPoints[0] : 0));
        SetStatusPane(2, Texts().PointsText);
    }
    return result;
}

void CMainFrame::OnSortCards() {
    // Step 1: the play pauses; there is nothing to sort before a deal.
    SetPause(1);
    const int state = g_Game.FlowState;
    if (state == STATE_INIT || state == STATE_IDLE) return;
    // Step 2: the skat and the hands sort; before the play the computers' hands take the table's order.
    CSkat& game = EditGameObject();
    for (TableRow row : {TableRow::Skat, TableRow::Computer0, TableRow::Computer1, TableRow::Person}) game.SortRow(row);
    const auto sortIntoTable = [](CPlayer& player) { SortIntoTable(player, 0); };
    if (state != STATE_PLAY) {
        game.Think(1, sortIntoTable);
        game.Think(0, sortIntoTable);
    }
    // Step 3: open hands are laid out again in their new order.
    const auto layOutAgain = [&game](TableRow row) {
        game.RemoveRow(row, false);
        game.PaintRow(row, 2);
    };
    if (state == STATE_SWAP || g_Game.AllCardsOpen || g_Game.GameType == GAME_REVOLUTION) {
        for (TableRow row : {TableRow::Computer0, TableRow::Computer1, TableRow::Skat}) layOutAgain(row);
    } else if (g_Game.OuvertAnnounced && (g_Game.Soloist == 0 || g_Game.Soloist == 1)) {
        layOutAgain(g_Game.Soloist == 0 ? TableRow::Computer0 : TableRow::Computer1);
    }
    // Step 4: the person's hand is laid out again; the stored deals shown follow the new order.
    game.PaintRow(TableRow::Person, 2);
    if (state != STATE_PLAY) game.Think(2, sortIntoTable);
    ResortStoredDealsIfShown();
}

bool CMainFrame::SkatSwapPause(bool setPlayState) {
    if (g_Flow.SkatSwapOption) {
        OpenResumeSwapDialog();
        SetFlowState(STATE_MANIPULATE);
        g_Frame.ModalPumpActive = 1;
        EditDeclaration().SwapPausePending = 1;
        // Fortsetzen ends it (SwapPausePending), a break clears the option, and a close waiting
        // its turn (StopFlag 1) ends it as well; a quit request taken here is put back by the wait.
        WaitWhile([this] {
            return g_Flow.SkatSwapOption != 0 && Declaration().SwapPausePending != 0 &&
                   g_Game.StopFlag != StopState::Requested;
        });
        EditDeclaration().SwapPausePending = 0;
        g_Frame.ModalPumpActive = 0;
        g_Flow.SkatSwapOption = 1;
        if (setPlayState) SetFlowState(STATE_PLAY);
    }
    return g_Game.StopFlag == StopState::Requested;
}

void CMainFrame::EndSwapPause() { EditDeclaration().SwapPausePending = 0; }

void CMainFrame::OpenResumeSwapDialog() {
    OpenPromptBar<CResumeSwapDialog>(*this);
    EditDeclaration().ResumeSwapOpen = ::IsWindow(Prompts().PromptDialog) ? 1 : 0;
}
