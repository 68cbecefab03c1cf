// The person's road of the declaration (pick up or Hand, the declaration bar, the declared game),
// the set-up of play that every road shares, the swap pause and the sorting of the hands.
#include "flow/FrameDeclaration.h"
#include "flow/FrameAuction.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/VoidTable.h"
#include "dialogs/DeclareDialog.h"
#include "dialogs/PlayBars.h"
#include "model/FlowGlobals.h"
#include "dialogs/GameNames.h"
#include "model/PlayerData.h"
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

void CFrameDeclaration::MoveSkatToTrick() { game_.MoveSkatToTrick(); }

void CFrameDeclaration::MoveTrickToSkat() { game_.MoveTrickToSkat(); }

void CFrameDeclaration::OpenDeclareBar() {
    OpenPromptBar<CDeclareDialog>(frame_);
    if (::IsWindow(frame_.Prompts().PromptDialog)) ::SetFocus(frame_.Prompts().PromptDialog);
}

void CFrameDeclaration::OnPickup() {
    // Step 1: the person picks up; the modeless dialog closes.
    WriteTrace(":OnPickup(" + frame_.GetPlayerName(2) + ")", LOG_MAINFRAME);
    frame_.CloseModelessDialog();
    // Step 2: nothing is known yet of the play; no points; the exchange runs.
    StartPlayKnowledge();
    for (int& points : g_Game.PartyPoints) points = 0;
    g_Flow.ExchangeRunning = 1;
    // Step 3: the person is asked for his game.
    frame_.SetFlowState(STATE_ASK);
    // Step 4: the skat also stands in the person's two extra slots.
    game_.ShowSkatBehindPersonsHand();
    frame_.FramePanels().ShowGameStatusDialog();
    g_Game.HandAnnounced = 0;
    g_Flow.ChosenButton = 0;
    frame_.CardExchange().SetOpenGroups(9);
    frame_.SetPause(1);
    // Step 5: the notice to swap the skat and declare.
    frame_.FrameTable().MoveExtraText(IDS_NOTICE_SWAP_DECLARE, g_Game.BockRound ? IDS_NOTICE_RAMSCH : 0, 0, nullptr, nullptr);
    frame_.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
    // Step 6: the skat lies face up in the trick.
    MoveSkatToTrick();
    // Step 7: the declaration bar.
    OpenDeclareBar();
    // Step 8: what may be announced with a game after a pick-up.
    if (!((g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Ouvert == 2) ||
          g_Game.VariantMode == VARIANT_RAMSCH_ONLY)) {
        g_Game.OuvertAnnounced = 0;
        if (HWND box = ::GetDlgItem(frame_.Prompts().PromptDialog, kBoxOuvert)) ::EnableWindow(box, false);
    }
    if (g_Game.VariantMode == VARIANT_OFFICIAL || (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Schneider == 1)) {
        g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        for (int id : {kBoxSchneider, kBoxSchwarz})
            if (HWND box = ::GetDlgItem(frame_.Prompts().PromptDialog, id)) ::EnableWindow(box, false);
    }
    // Step 9: the suggested game ticked on the bar, or the focus on the table.
    if (g_Settings.Options.Suggest) SelectGame(4);
    else FocusTable();
    // Step 10: the person's phase: he has picked up the skat; the estimation window shows the hand
    // with the skat.
    g_Game.PlayerPhaseText[2] = IDS_PHASE_PICKED_UP;
    frame_.FramePanels().SelectEstimatedGame();
    // Step 11: demonstration mode ticks the boxes of the game it will declare.
    if (g_Game.DemoMode) {
        int(*options)[13] = game_.PersonThinks([](CPlayer& person) { return person.ChooseGame(0); });
        const int type = g_Game.GameType;
        if (type >= 0 && type < GAME_OPTION_COUNT && options[type][OPT_HAND] && ::IsWindow(frame_.Prompts().PromptDialog)) {
            if (options[type][OPT_OUVERT]) ::PostMessage(frame_.Prompts().PromptDialog, WM_COMMAND, kBoxOuvert, 0);
            if (options[type][OPT_SCHWARZ]) ::PostMessage(frame_.Prompts().PromptDialog, WM_COMMAND, kBoxSchwarz, 0);
            if (options[type][OPT_SCHNEIDER]) ::PostMessage(frame_.Prompts().PromptDialog, WM_COMMAND, kBoxSchneider, 0);
        }
    }
}

void CFrameDeclaration::OnHand() {
    WriteTrace(":OnHand(" + frame_.GetPlayerName(2) + ":hand)", LOG_MAINFRAME);
    frame_.CloseModelessDialog();
    g_Game.PlayerPhaseText[2] = IDS_PHASE_HAND;
    frame_.SetFlowState(STATE_HAND);
    g_Game.HandAnnounced = 1;
    g_Flow.ChosenButton = 0;
    OpenDeclareBar();
    if (g_Settings.Options.Suggest) SelectGame(-1);
    else FocusTable();
    frame_.FrameTable().MoveExtraText(IDS_NOTICE_DECLARE, g_Game.BockRound ? IDS_NOTICE_RAMSCH : 0, 0, nullptr, nullptr);
}

void CFrameDeclaration::OnDeclare() {
    // Step 1: the notice goes, the game is said and the hands sorted; the play pauses.
    frame_.CloseModelessDialog();
    frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
    frame_.FrameAudio().VoiceDeclare(false);
    frame_.OnSortCards();
    RegisterGameAttributes();
    frame_.SetPause(1);
    // Step 2: what the person laid away goes back into the skat.
    if (!g_Game.HandAnnounced) {
        frame_.FrameAudio().SoundEffect(SOUND_REMOVE_CARDS, false);
        MoveTrickToSkat();
    }
    g_Flow.ExchangeRunning = 0;
    // Step 3: Revolution Hand rearranges the defenders' hands.
    if (g_Game.HandAnnounced && g_Game.GameType == GAME_REVOLUTION)
        frame_.CardExchange().SwapCardsOpponents(false, 0, 1, 2);
    if (g_Game.DemoMode) {
        frame_.SetTimer(TM_DEMO_DECLARED, g_Settings.Delay.Demo);
        return;
    }
    // Step 4: the soloist's symbol goes; a skat swap pause may hold the declaration here.
    frame_.SetFlowState(STATE_MANIPULATE);
    frame_.FrameTable().MoveSymbol(2, false, nullptr, nullptr);
    if (SkatSwapPause(false)) return;
    // Step 5: the declaration in the trace.
    WriteTrace(":OnDeclare(" + DeclarationLine(frame_.GetPlayerName(2)) + ")", LOG_MAINFRAME);
    // Step 6: the game is declared.
    OnDeclared();
}

void CFrameDeclaration::OnDeclared() {
    // Step 1: the person's bid limit is his game's value; the hint goes.
    frame_.FrameAuction().SetBidLimit(2, game_.PersonThinks([](CPlayer& person) { return person.GetGameValue(); }));
    frame_.FrameTexts().ClearHintText();
    frame_.SetStatusPane(0, frame_.Texts().StatusText);
    // Step 2: the game is set up with the person as soloist.
    SetupGame(frame_.GameObject().Person(), *frame_.GameObject().Player(1), *frame_.GameObject().Player(0));
    // Step 3: the game is in play; the estimation window shows the declared game.
    frame_.FramePanels().SelectEstimatedGame();
    // Step 4: the person's phase: he has laid away his skat, unless he played Hand.
    if (!g_Game.HandAnnounced) g_Game.PlayerPhaseText[2] = IDS_PHASE_DISCARDED;
    // Step 5: the computers' hands in the table's order.
    for (int seat = 0; seat < 2; ++seat) {
        game_.SortRow(seat == 0 ? TableRow::Computer0 : TableRow::Computer1);
        game_.Think(seat, [](CPlayer& computer) { SortIntoTable(computer, 0); });
    }
    // Step 6: demonstration mode confirms by itself.
    if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
    // Step 7: the computers may give Kontra; the data and status windows and the history.
    frame_.FrameKontra().ComputerKontra();
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FrameTrickPlay().InitHistory();
    // Step 8: the trump flags of the game just declared, then play (the timers play on in
    // demonstration mode).
    for (int seat = 0; seat < 3; ++seat) game_.Think(seat, [](CPlayer& player) { player.UpdateTrumpFlag(); });
    if (g_Game.DemoMode) {
        frame_.SetTimer(g_Game.Soloist == 2 ? TM_DEMO_FINISH_OR_PLAY : TM_DEMO_FINISH_SWAP, g_Settings.Delay.Demo);
        return;
    }
    frame_.FrameTrickPlay().OnPlay();
}

std::string CFrameDeclaration::SetupGame(const CPlayer& soloist, const CPlayer& /*second*/, const CPlayer& /*third*/) {
    // Step 1: the declaration in the trace.
    WriteTrace(":SetupGame(" + DeclarationLine(soloist.name) + ")", LOG_MAINFRAME);
    const int type = g_Game.GameType;
    // Step 2: Schwarz announced says Schneider as well.
    const bool schwarz = g_Game.SchwarzAnnounced != 0;
    const bool schneider = g_Game.SchneiderAnnounced != 0 && !schwarz;
    // Step 3: "plays" in the status bar, "Play" in the course.
    std::string result = platform::LoadString(IDS_PLAY);
    frame_.FrameTexts().AppendStatusText(": " + platform::LoadString(IDS_PLAYS) + " ");
    // Step 4: the game's name.
    const std::string name = platform::LoadString(GameNameId(type));
    frame_.FrameTexts().AppendStatusText(name);
    result += " \\b\\cf2 " + name + "\\b0\\cf1 ";
    // Step 5: each word plain in the status bar, in dark red bold in the course.
    auto word = [&](int stringId, const char* statusPrefix, const char* coursePrefix) {
        const std::string text = platform::LoadString(stringId);
        frame_.FrameTexts().AppendStatusText(statusPrefix + text);
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
    frame_.SetStatusPane(0, frame_.Texts().StatusText);
    frame_.FrameTimers().StartStatusRotation();
    frame_.FrameTimers().ResetPane2Toggle();
    frame_.FrameTimers().DelayRotation(20);
    // Step 7: play is set up.
    frame_.SetFlowState(STATE_PLAY);
    g_Game.PreviousForehand = g_Game.Forehand;
    StartPlayKnowledge();
    for (int party = 0; party < 3; ++party) g_Game.PartyPoints[party] = g_Game.PartyTricks[party] = 0;
    g_Game.TurnSeat = g_Game.TrickWinner = g_Game.Leader;
    game_.ClearTrick();
    // Step 8: the skat counts for the soloist's party unless it stays out of the game.
    if (!g_Game.HandAnnounced && type != GAME_NULL && type != GAME_REVOLUTION) {
        const int points = frame_.GameObject().CountPoints();
        if (points == -1) {
            for (int& party : g_Game.PartyPoints) party = 0;
        } else {
            g_Game.PartyPoints[0] = points;
        }
    }
    // Step 9: with the count on, the status bar shows the person's points as soloist, else 0.
    if (g_Settings.Options.Count) {
        frame_.FrameTexts().SetPointsText(std::to_string(g_Game.Soloist == 2 ? g_Game.PartyPoints[0] : 0));
        frame_.SetStatusPane(2, frame_.Texts().PointsText);
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

bool CFrameDeclaration::SkatSwapPause(bool setPlayState) {
    if (g_Flow.SkatSwapOption) {
        OpenResumeSwapDialog();
        frame_.SetFlowState(STATE_MANIPULATE);
        PumpUntilResumed();
        if (setPlayState) frame_.SetFlowState(STATE_PLAY);
    }
    return g_Game.StopFlag == StopState::Requested;
}

void CFrameDeclaration::PumpUntilResumed() {
    g_Frame.ModalPumpActive = 1;
    declaration_.SwapPausePending = 1;
    // Fortsetzen ends it (SwapPausePending), a break clears the option, and a close waiting its
    // turn (StopFlag 1) ends it as well; a quit request taken here is put back by the wait.
    WaitWhile([this] {
        return g_Flow.SkatSwapOption != 0 && declaration_.SwapPausePending != 0 &&
               g_Game.StopFlag != StopState::Requested;
    });
    declaration_.SwapPausePending = 0;
    g_Frame.ModalPumpActive = 0;
    g_Flow.SkatSwapOption = 1;
}

void CFrameDeclaration::EndSwapPause() { declaration_.SwapPausePending = 0; }

void CFrameDeclaration::OpenResumeSwapDialog() {
    OpenPromptBar<CResumeSwapDialog>(frame_);
    declaration_.ResumeSwapOpen = ::IsWindow(frame_.Prompts().PromptDialog) ? 1 : 0;
}

void CFrameDeclaration::ForgetResumeBar() { declaration_.ResumeSwapOpen = 0; }

void CFrameDeclaration::UseSlowSwapSlide() { declaration_.SwapAnimation = 6; }

void CFrameDeclaration::UseUsualSwapSlide() { declaration_.SwapAnimation = 3; }
