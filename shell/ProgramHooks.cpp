#include "shell/ProgramHooks.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/HandAnalysis.h"
#include "flow/FrameGlobals.h"
#include "model/FlowGlobals.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/GiveUp.h"
#include "flow/RamschRounds.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"
#include "flow/ShellServices.h"
#include "match/ProfileServices.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/Skat.h"
#include "model/TableServices.h"
#include "model/Trace.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "shell/SideWindows.h"
#include "shell/SkatApp.h"
#include "shell/WindowPlacement.h"
#include "windows/WindowFrameServices.h"

#include <optional>
#include <string>

namespace {

// Without a frame the pause level is the game record's alone.
int SetPauseWithoutFrame(int level) {
    const int previous = g_Game.PauseLevel;
    g_Game.PauseLevel = level;
    return previous;
}

void InstallTraceAndTableServices() {
    // Trace lines reach the application object that is current when they are written.
    SetTraceSink({[] { return g_pApp != nullptr; },
                  [](const std::string& text, unsigned flags) { g_pApp->WriteLog(text, flags); },
                  [](unsigned flags) { return g_pApp != nullptr && g_pApp->WantsLog(flags); }});

    // The card rows lie on the view's window.
    g_TableServices.TableWindow = [] { return g_Frame.hTableWnd; };
    g_TableServices.ZoomExtra = [] { return platform::Point{g_Frame.ZoomExtraWidth, g_Frame.ZoomExtraHeight}; };
}

void ConnectTableToTheFrame(CMainFrame& frame) {
    // The card rows ask the main frame for the pause, the deck, the printed page and the sound.
    g_TableServices.SetPause = [&frame](int level) { return frame.SetPause(level); };
    g_TableServices.DeckPosition = [&frame] { return frame.Table().TrickCentre; };
    g_TableServices.PrintOffset = [&frame](platform::DeviceContext* printer) { return frame.FrameTable().PrintOffset(printer); };
    g_TableServices.SelectionSound = [&frame] { frame.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false); };
}

void InstallSideWindowServices() {
    // The side windows answer as if there were no frame until one is connected, and keep inside the
    // shell's work area.
    g_SideWindowFrame = SideWindowFrameServices();
    g_SideWindowFrame.KeptInWorkArea = [](const platform::Rect& rect) { return KeptInside(rect, g_Shell.WorkArea); };
}

void ConnectSideWindowsToTheFrame(CMainFrame& frame) {
    // The side windows ask the main frame for the names and the series, give it back the focus,
    // start its steps and have it delete the log.
    g_SideWindowFrame.GetPlayerName = [&frame](int seat) { return frame.GetPlayerName(seat); };
    g_SideWindowFrame.UserFileName = [&frame] { return frame.MatchFiles().UserFileName(); };
    g_SideWindowFrame.SoloistWon = [&frame](int seat) { return frame.Series().SoloistWon[seat]; };
    g_SideWindowFrame.SoloistLost = [&frame](int seat) { return frame.Series().SoloistLost[seat]; };
    g_SideWindowFrame.FocusFrame = [&frame] { frame.SetFocus(); };
    g_SideWindowFrame.DealStatisticsTest = [&frame] {
        frame.MatchFiles().LatchCardsStatistics(1);
        frame.MatchFiles().UpdateCardsStatistics(1);
    };
    g_SideWindowFrame.RouteSideWindowClose = [&frame](int command) {
        return frame.FramePanels().RouteSideWindowClose(command);
    };
    g_SideWindowFrame.LoadFromStore = [&frame](int numberingMode, const std::array<int, 40>& deal) {
        frame.LoadFromStore(numberingMode, deal);
    };
    g_SideWindowFrame.GamePlayer = [&frame](int seat) { return frame.GameObject().Player(seat); };
    g_SideWindowFrame.LockFlag = [&frame](int which, int mode) { return frame.FramePanels().LockFlag(which, mode); };
    g_SideWindowFrame.CheckCheat = [&frame](int code, int argument) {
        frame.CardExchange().CheckCheat(code, argument);
    };
    g_SideWindowFrame.SelectEstimatedGame = [&frame] {
        frame.FramePanels().SelectEstimatedGame();
        return true;
    };
    g_SideWindowFrame.SendCommand = [&frame](int command) {
        frame.SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    };
    g_SideWindowFrame.DeleteFileUnasked = [&frame](const std::string& path) { frame.DeleteFile(path, true); };
}

void InstallProfileServices() {
    // The profile stores the log window as open while the application has a sink for it.
    g_ProfileShell.LogWindowOpen = [] { return g_pApp != nullptr && static_cast<bool>(g_pApp->LogWindowSink); };
}

void InstallComputerFrameServices() {
    // The frame's services for the computer player. The game object comes with the frame
    // (CSkatApp::InitInstance); the open-cards option starts as the game record has it.
    g_ComputerFrame.OpenCardsFlag = g_Game.AllCardsOpen;
    // The suits a strategy led are the flow's marks: cleared when a game starts, taken back with a
    // trick.
    g_ComputerFrame.SuitLedMarks = [] { return g_Flow.SuitLedMarks; };
}

void LeaveComputerPlayerWithoutFrame() {
    // Without a frame a computer's two exchanged cards change places in their rows, the pause is
    // the game record's, and nothing is shown, asked, sent or heard.
    g_ComputerFrame.SwapCards = nullptr;
    g_ComputerFrame.ShowKontraMessage = nullptr;
    g_ComputerFrame.AskComputersKontra = nullptr;
    g_ComputerFrame.Abandon = nullptr;
    g_ComputerFrame.PostCommand = nullptr;
    g_ComputerFrame.SendCommand = nullptr;
    g_ComputerFrame.ResumeSwapPause = nullptr;
    g_ComputerFrame.SetPause = SetPauseWithoutFrame;
    g_ComputerFrame.SoundEffect = nullptr;
    g_ComputerFrame.PlayVoiceTerm = nullptr;
}

void ConnectComputerPlayerToTheFrame(CMainFrame& frame) {
    // A computer's lay-away glides on the table like the person's exchange.
    g_ComputerFrame.SwapCards = [&frame](int card, CCards& row, int otherCard, CCards& otherRow) {
        frame.CardExchange().SwapCards(card, row, otherCard, otherRow, false);
    };
    // Kontra before a computer's card and the person's answer to a computer's giving up.
    g_ComputerFrame.ShowKontraMessage = [&frame](int kontraState, int seat, const std::string& name) {
        frame.FrameKontra().ShowKontraMessage(kontraState, seat, name);
    };
    g_ComputerFrame.AskComputersKontra = [&frame](int seat, int soloist) {
        frame.FrameKontra().AskComputersKontra(seat, soloist);
    };
    g_ComputerFrame.Abandon = [&frame](const std::string& name, int seat) {
        return frame.GiveUp().Abandon(seat, name);
    };
    g_ComputerFrame.PostCommand = [&frame](int command) { frame.PostMessage(WM_COMMAND, command); };
    // A computer's Ramsch skat turn answers the frame with its pass-on or pick-up command, whose
    // handler runs inside the turn.
    g_ComputerFrame.SendCommand = [&frame](int command) {
        if (frame.IsAlive()) frame.SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    };
    g_ComputerFrame.ResumeSwapPause = [&frame] { frame.RamschRounds().RamschResumePause(); };
    g_ComputerFrame.SetPause = [&frame](int level) { return frame.SetPause(level); };
    // A computer's card is heard as it goes into the trick; the lay-down phrase is spoken in the
    // player's voice (the edition's language comes with the frame's window).
    g_ComputerFrame.SoundEffect = [&frame](int effect, bool loop) { frame.FrameAudio().SoundEffect(effect, loop); };
    g_ComputerFrame.PlayVoiceTerm = [&frame](int term, int language, int voice, bool fromFile) {
        frame.FrameAudio().PlayVoiceTerm(term, language, voice, fromFile);
    };
}

void InstallFrameShellServices() {
    // What the frame's steps ask of the shell: the application's fonts, log and about box, the side
    // windows, the screens.
    g_FrameShell.Font = [](int index) -> const platform::LogFont* { return g_pApp ? &g_pApp->Font(index) : nullptr; };
    g_FrameShell.ShowAbout = [] {
        if (g_pApp) g_pApp->OnAppAbout();
    };
    g_FrameShell.LogFileToDelete = [](int event) -> std::optional<std::string> {
        if (!g_pApp || !g_pApp->Log || (g_pApp->LogDelete & event) == 0) return std::nullopt;
        return g_pApp->LogFilePath;
    };
    g_FrameShell.ForgetLogText = [] {
        if (!g_pApp) return;
        g_pApp->LogLineCount = 0;
        // The longest line goes with the text, or an empty window would keep its horizontal bar.
        g_pApp->LogLongestLine = 0;
        g_pApp->LogText.clear();
        g_pApp->LogTextLength = 0;
    };
    g_FrameShell.WantLogWindow = [](bool wanted) {
        if (g_pApp) g_pApp->LogList = wanted ? 1 : 0;
    };
    g_FrameShell.ToggleSideWindow = [](CMainFrame& frame, int command) {
        const CSideWindowRow* row = FindSideWindowRow(command);
        if (!row || !row->create) return false;
        frame.FramePanels().ToggleSideWindow(*row);
        return true;
    };
    g_FrameShell.FollowScreenChange = FollowScreenChange;
}

void ConnectInternalErrorBox(CMainFrame& frame) {
    // An internal inconsistency is shown in a message box over the main frame while there is one;
    // the trace has the line in any case.
    SetInternalErrorHandler([&frame](const std::string& text) {
        if (!frame.IsAlive()) return;
        MessageBox(frame.Handle(), text, platform::LoadString(IDS_PRODUCT_NAME),
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
    });
}

// Every hook that would reach the frame answers as if there were none: the card rows', the side
// windows', the bars', the computer player's and the internal error box.
void InstallFramelessHooks() {
    g_TableServices.SetPause = nullptr;
    g_TableServices.DeckPosition = nullptr;
    g_TableServices.PrintOffset = nullptr;
    g_TableServices.SelectionSound = nullptr;
    InstallSideWindowServices();
    // The bars, panels and messages ask the frame, the shell and the flow through their record.
    InstallDialogServices();
    LeaveComputerPlayerWithoutFrame();
    SetInternalErrorHandler({});
}

}  // namespace

void InstallProgramHooks() {
    InstallTraceAndTableServices();
    InstallProfileServices();

    // The model's player hooks ask the computer player's analysis, matadors and top-card test.
    InstallComputerPlayer();

    InstallComputerFrameServices();
    InstallFrameShellServices();
    // Nothing reaches a frame before its table comes to life.
    InstallFramelessHooks();
}

void ConnectFrameHooks(CMainFrame& frame) {
    frame.MarkTableAlive(true);
    ConnectTableToTheFrame(frame);
    ConnectSideWindowsToTheFrame(frame);
    ConnectDialogsToTheFrame(frame);
    ConnectComputerPlayerToTheFrame(frame);
    ConnectInternalErrorBox(frame);
}

void DisconnectFrameHooks(CMainFrame& frame) {
    if (!frame.Run().TableAlive) return;
    frame.MarkTableAlive(false);
    InstallFramelessHooks();
}
