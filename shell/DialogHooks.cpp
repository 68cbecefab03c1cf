#include "shell/ProgramHooks.h"

#include "dialogs/DialogServices.h"
#include "dialogs/ModelessDialog.h"
#include "flow/DialogRequests.h"
#include "flow/FrameGlobals.h"
#include "flow/MainFrame.h"
#include "flow/FileState.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"

namespace {

void ConnectDialogsToTheFrame() {
    // The frame while there is one; without it every question is answered by the defaults.
    g_DialogFrame.FrameWindow = [] { return g_Frame.pMainFrame ? g_Frame.pMainFrame->Handle() : HWND{}; };
    g_DialogFrame.SoundEffect = [](int effect) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SoundEffect(effect, false);
    };
    g_DialogFrame.SetPause = [](int level) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SetPause(level);
    };
    g_DialogFrame.CheckCheat = [](int code, int arg) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->CheckCheat(code, arg);
    };
    g_DialogFrame.SayKontra = [](int seat) {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SayKontra(seat);
    };
    g_DialogFrame.SayRekontra = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->SayRekontra();
    };
    g_DialogFrame.EndSwapPause = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->EndSwapPause();
    };
    g_DialogFrame.IsOpenPrompt = [](HWND bar) { return g_Frame.pMainFrame && g_Frame.pMainFrame->IsOpenPrompt(bar); };
    g_DialogFrame.CloseOpenPrompt = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->CloseModelessDialog();
    };
    g_DialogFrame.PlayerName = [](int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->GetPlayerName(seat) : std::string();
    };
    g_DialogFrame.PlayerVoice = [](int seat) {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->GetPlayerVoice(seat) : 8;
    };
    // A term is spoken in the edition's language, from files when that voice is.
    g_DialogFrame.SayTerm = [](int term, int voice) {
        CMainFrame* frame = g_Frame.pMainFrame;
        if (frame) frame->PlayVoiceTerm(term, frame->Files().EnglishEdition, voice, frame->IsVoiceFromFile(voice));
    };
    g_DialogFrame.LockFlag = [](int which, int mode) {
        return g_Frame.pMainFrame && g_Frame.pMainFrame->LockFlag(which, mode);
    };
    g_DialogFrame.Player = [](int index) {
        const CMainFrame* frame = g_Frame.pMainFrame;
        return frame ? frame->GameObject().Player(index) : nullptr;
    };
    g_DialogFrame.Series = [](SoloistSeries& series) {
        const CMainFrame* frame = g_Frame.pMainFrame;
        if (!frame) return false;
        for (std::size_t seat = 0; seat < 3; ++seat) {
            series.games[seat] = frame->Series().SoloistGames[seat];
            series.won[seat] = frame->Series().SoloistWon[seat];
            series.lost[seat] = frame->Series().SoloistLost[seat];
        }
        return true;
    };
    g_DialogFrame.TableLayout = [](TablePlacementMetrics& metrics) {
        const CMainFrame* frame = g_Frame.pMainFrame;
        if (!frame) return false;
        const TableLayout& layout = frame->Table().Layout;
        metrics.tableTop = layout.TableTop;
        metrics.lowerMargin = layout.DialogLine11;
        metrics.middleRow = layout.LayoutY;
        metrics.rowHeight = layout.RowStepY;
        metrics.borderWidth = layout.BorderWidth;
        metrics.borderHeight = layout.BorderHeight;
        return true;
    };
    g_DialogFrame.MenuItemFlags = [](int command) {
        const CMainFrame* frame = g_Frame.pMainFrame;
        const platform::MenuItem* item =
            frame && frame->Table().MainMenu ? frame->Table().MainMenu->FindCommand(command) : nullptr;
        return item ? item->flags : 0u;
    };
    g_DialogFrame.SuggestedGame = [] {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->Declaration().SuggestedGame : -1;
    };
    g_DialogFrame.SuggestedAnnouncements = [] {
        return g_Frame.pMainFrame ? g_Frame.pMainFrame->Declaration().SuggestedAnnouncements : 0;
    };
    g_DialogFrame.ForgetSuggestedGame = [] {
        if (g_Frame.pMainFrame) g_Frame.pMainFrame->EditDeclaration().SuggestedGame = -1;
    };
}

void ConnectDialogsToTheShell() {
    // The shell's help file and match state, the application's fonts and log settings.
    g_DialogFrame.HelpFile = [] { return g_Shell.HelpFile; };
    g_DialogFrame.GameNumberText = [] { return g_Shell.GameNumberText; };
    g_DialogFrame.AppFont = [](int index) { return g_pApp ? &g_pApp->Font(index) : nullptr; };
    g_DialogFrame.ReadLogSettings = [](LogSettings& settings) {
        if (!g_pApp) return false;
        settings = {g_pApp->Log, g_pApp->LogDelete, g_pApp->LogLevel, g_pApp->LogLevelV, g_pApp->LogList};
        return true;
    };
    g_DialogFrame.TakeLogSettings = [](const LogSettings& settings) {
        if (!g_pApp) return;
        g_pApp->Log = settings.log;
        g_pApp->LogDelete = settings.deleteMode;
        g_pApp->LogLevel = settings.level;
        g_pApp->LogLevelV = settings.advanced;
        g_pApp->LogList = settings.list;
    };
}

void ConnectDialogsToTheFlow() {
    // The game record changes through the flow's steps, with or without a frame.
    g_DialogFrame.TakePersonBid = &TakePersonBid;
    g_DialogFrame.TakePersonPass = &TakePersonPass;
    g_DialogFrame.AlterPendingRaise = &AlterPendingRaise;
    g_DialogFrame.ToggleSchneiderAnnounced = &ToggleSchneiderAnnounced;
    g_DialogFrame.ToggleSchwarzAnnounced = &ToggleSchwarzAnnounced;
    g_DialogFrame.ToggleOuvertAnnounced = &ToggleOuvertAnnounced;
    g_DialogFrame.DropAnnouncements = &DropAnnouncements;
    g_DialogFrame.DropSchneiderAndSchwarz = &DropSchneiderAndSchwarz;
    g_DialogFrame.ChangeGameType = &ChangeGameType;
    g_DialogFrame.DeclareNullGame = &DeclareNullGame;
    g_DialogFrame.DeclareRevolutionGame = &DeclareRevolutionGame;
    g_DialogFrame.AnnounceDurchmarsch = &AnnounceDurchmarsch;
    g_DialogFrame.RequestCourse = &RequestCourse;
    g_DialogFrame.ChooseFirstLeader = &ChooseFirstLeader;
    g_DialogFrame.OpenKontra = &OpenKontra;
    g_DialogFrame.SetMatchMode = &SetMatchMode;
}

}  // namespace

void InstallDialogServices() {
    g_DialogFrame.Reset();
    ConnectDialogsToTheFrame();
    ConnectDialogsToTheShell();
    ConnectDialogsToTheFlow();
}
