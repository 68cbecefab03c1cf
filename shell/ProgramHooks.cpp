#include "shell/ProgramHooks.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/HandAnalysis.h"
#include "flow/FrameGlobals.h"
#include "model/FlowGlobals.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"
#include "flow/ShellServices.h"
#include "match/ProfileServices.h"
#include "model/GameState.h"
#include "model/InternalError.h"
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

void InstallTraceAndTableServices() {
    // Trace lines reach the application object that is current when they are written.
    SetTraceSink({[] { return g_pApp != nullptr; },
                  [](const std::string& text, unsigned flags) { g_pApp->WriteLog(text, flags); }});

    // The card rows lie on the view's window and ask the main frame while it exists.
    g_TableServices.TableWindow = [] { return g_Frame.hTableWnd; };
    g_TableServices.SetPause = [](int level) {
        if (g_Frame.pMainFrame) return g_Frame.pMainFrame->SetPause(level);
        const int previous = g_Game.PauseLevel;
        g_Game.PauseLevel = level;
        return previous;
    };
    g_TableServices.DeckPosition = [] {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->Table().TrickCentre : platform::Point{};
    };
    g_TableServices.PrintOffset = [](platform::DeviceContext* printer) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->PrintOffset(printer) : platform::Point{};
    };
    g_TableServices.SelectionSound = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SoundEffect(SOUND_CARD_PLAYED, false);
    };
    g_TableServices.ZoomExtra = [] { return platform::Point{g_Frame.ZoomExtraWidth, g_Frame.ZoomExtraHeight}; };
}

void InstallSideWindowServices() {
    // The side windows ask the main frame while it exists, and keep inside the shell's work area.
    g_SideWindowFrame.GetPlayerName = [](int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->GetPlayerName(seat) : std::string();
    };
    g_SideWindowFrame.UserFileName = [] {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->MatchFiles().UserFileName() : std::string();
    };
    g_SideWindowFrame.SoloistWon = [](int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->Series().SoloistWon[seat] : 0;
    };
    g_SideWindowFrame.SoloistLost = [](int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->Series().SoloistLost[seat] : 0;
    };
    g_SideWindowFrame.FocusFrame = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SetFocus();
    };
    g_SideWindowFrame.DealStatisticsTest = [] {
        if (!g_Frame.pMainFrame) return;
        g_Frame.pMainFrame->MatchFiles().LatchCardsStatistics(1);
        g_Frame.pMainFrame->MatchFiles().UpdateCardsStatistics(1);
    };
    g_SideWindowFrame.RouteSideWindowClose = [](int command) {
        return g_Frame.pMainFrame && g_Frame.pMainFrame->RouteSideWindowClose(command);
    };
    g_SideWindowFrame.LoadFromStore = [](int numberingMode, const std::array<int, 40>& deal) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->LoadFromStore(numberingMode, deal);
    };
    g_SideWindowFrame.GamePlayer = [](int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->GameObject().Player(seat) : nullptr;
    };
    g_SideWindowFrame.LockFlag = [](int which, int mode) {
        return g_Frame.pMainFrame && g_Frame.pMainFrame->LockFlag(which, mode);
    };
    g_SideWindowFrame.CheckCheat = [](int code, int argument) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->CheckCheat(code, argument);
    };
    g_SideWindowFrame.SelectEstimatedGame = [] {
        if (!g_Frame.pMainFrame) return false;
        g_Frame.pMainFrame->SelectEstimatedGame();
        return true;
    };
    g_SideWindowFrame.SendCommand = [](int command) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    };
    g_SideWindowFrame.KeptInWorkArea = [](const platform::Rect& rect) { return KeptInside(rect, g_Shell.WorkArea); };
}

void InstallProfileServices() {
    // The profile stores the log window as open while the application has a sink for it.
    g_ProfileShell.LogWindowOpen = [] { return g_pApp != nullptr && static_cast<bool>(g_pApp->LogWindowSink); };
}

void InstallComputerFrameServices() {
    // The frame's services for the computer player. The game object comes with the frame
    // (CSkatApp::InitInstance); the open-cards option starts as the game record has it.
    g_ComputerFrame.OpenCardsFlag = g_Game.AllCardsOpen;
    // A computer's lay-away glides on the table like the person's exchange; without a frame the
    // two cards still change places in their rows.
    g_ComputerFrame.SwapCards = [](int card, CCards& row, int otherCard, CCards& otherRow) {
        if (g_Frame.pMainFrame) {
            g_Frame.pMainFrame->SwapCards(card, row, otherCard, otherRow, false);
            return;
        }
        const auto replace = [](CCards& cards, int from, int to) {
            for (int& code : cards.cards)
                if (code == from) {
                    code = to;
                    return;
                }
        };
        replace(row, card, otherCard);
        replace(otherRow, otherCard, card);
    };

    // Kontra before a computer's card and the person's answer to a computer's giving up.
    g_ComputerFrame.ShowKontraMessage = [](int kontraState, int seat, const std::string& name) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->ShowKontraMessage(kontraState, seat, name);
    };
    g_ComputerFrame.AskComputersKontra = [](int seat, int soloist) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->AskComputersKontra(seat, soloist);
    };
    g_ComputerFrame.Abandon = [](const std::string& name, int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->Abandon(seat, name) : false;
    };
    g_ComputerFrame.PostCommand = [](int command) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->PostMessage(WM_COMMAND, command);
    };
    // A computer's Ramsch skat turn answers the frame with its pass-on or pick-up command, whose
    // handler runs inside the turn.
    g_ComputerFrame.SendCommand = [](int command) {
        CMainFrame* frame = g_Frame.pMainFrame;
        if (frame && frame->IsAlive()) frame->SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    };
    g_ComputerFrame.ResumeSwapPause = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->RamschResumePause();
    };
    g_ComputerFrame.SetPause = [](int level) {
        if (g_Frame.pMainFrame) return g_Frame.pMainFrame->SetPause(level);
        const int previous = g_Game.PauseLevel;
        g_Game.PauseLevel = level;
        return previous;
    };
    // A computer's card is heard as it goes into the trick; the lay-down phrase is spoken in the
    // player's voice (the edition's language comes with the frame's window).
    g_ComputerFrame.SoundEffect = [](int effect, bool loop) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SoundEffect(effect, loop);
    };
    g_ComputerFrame.PlayVoiceTerm = [](int term, int language, int voice, bool fromFile) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->PlayVoiceTerm(term, language, voice, fromFile);
    };
    // The suits a strategy led are the flow's marks: cleared when a game starts, taken back with a
    // trick.
    g_ComputerFrame.SuitLedMarks = [] { return g_Flow.SuitLedMarks; };
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
        frame.ToggleSideWindow(*row);
        return true;
    };
    g_FrameShell.FollowScreenChange = FollowScreenChange;
}

void InstallInternalErrorBox() {
    // An internal inconsistency is shown in a message box over the main frame while there is one;
    // the trace has the line in any case.
    SetInternalErrorHandler([](const std::string& text) {
        CMainFrame* frame = g_Frame.pMainFrame;
        if (frame == nullptr || !frame->IsAlive()) return;
        MessageBox(frame->Handle(), text, platform::LoadString(IDS_PRODUCT_NAME),
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
    });
}

}  // namespace

void InstallProgramHooks() {
    InstallTraceAndTableServices();
    InstallSideWindowServices();
    InstallProfileServices();

    // The model's player hooks ask the computer player's analysis, matadors and top-card test.
    InstallComputerPlayer();

    // The bars, panels and messages ask the frame, the shell and the flow through their record.
    InstallDialogServices();

    InstallComputerFrameServices();
    InstallFrameShellServices();
    InstallInternalErrorBox();
}
