#include "model/Skat.h"
#include "shell/ProgramHooks.h"

#include "dialogs/DialogServices.h"
#include "dialogs/ModelessDialog.h"
#include "flow/DialogRequests.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameDeclaration.h"
#include "flow/FramePanels.h"
#include "flow/FileState.h"
#include "flow/FrameAudio.h"
#include "flow/FrameKontra.h"
#include "flow/MatchSeries.h"
#include "flow/TableState.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"

void ConnectDialogsToTheFrame(CMainFrame& frame) {
    g_DialogFrame.FrameWindow = [&frame] { return frame.Handle(); };
    g_DialogFrame.SoundEffect = [&frame](int effect) { frame.FrameAudio().SoundEffect(effect, false); };
    g_DialogFrame.SetPause = [&frame](int level) { frame.SetPause(level); };
    g_DialogFrame.CheckCheat = [&frame](int code, int arg) { frame.CardExchange().CheckCheat(code, arg); };
    g_DialogFrame.SayKontra = [&frame](int seat) { frame.FrameKontra().SayKontra(seat); };
    g_DialogFrame.SayRekontra = [&frame] { frame.FrameKontra().SayRekontra(); };
    g_DialogFrame.EndSwapPause = [&frame] { frame.FrameDeclaration().EndSwapPause(); };
    g_DialogFrame.IsOpenPrompt = [&frame](HWND bar) { return frame.IsOpenPrompt(bar); };
    g_DialogFrame.CloseOpenPrompt = [&frame] { frame.CloseModelessDialog(); };
    g_DialogFrame.PlayerName = [&frame](int seat) { return frame.GetPlayerName(seat); };
    g_DialogFrame.PlayerVoice = [&frame](int seat) { return frame.FrameAudio().GetPlayerVoice(seat); };
    // A term is spoken in the edition's language, from files when that voice is.
    g_DialogFrame.SayTerm = [&frame](int term, int voice) {
        frame.FrameAudio().PlayVoiceTerm(term, frame.Files().EnglishEdition, voice,
                                         frame.FrameAudio().IsVoiceFromFile(voice));
    };
    g_DialogFrame.LockFlag = [&frame](int which, int mode) { return frame.FramePanels().LockFlag(which, mode); };
    g_DialogFrame.Player = [&frame](int index) { return frame.GameObject().Player(index); };
    g_DialogFrame.Series = [&frame](SoloistSeries& series) {
        for (std::size_t seat = 0; seat < 3; ++seat) {
            series.games[seat] = frame.Series().SoloistGames[seat];
            series.won[seat] = frame.Series().SoloistWon[seat];
            series.lost[seat] = frame.Series().SoloistLost[seat];
        }
        return true;
    };
    g_DialogFrame.TableLayout = [&frame](TablePlacementMetrics& metrics) {
        const TableLayout& layout = frame.Table().Layout;
        metrics.tableTop = layout.TableTop;
        metrics.lowerMargin = layout.DialogLine11;
        metrics.middleRow = layout.LayoutY;
        metrics.rowHeight = layout.RowStepY;
        metrics.borderWidth = layout.BorderWidth;
        metrics.borderHeight = layout.BorderHeight;
        return true;
    };
    g_DialogFrame.MenuItemFlags = [&frame](int command) {
        const platform::MenuItem* item =
            frame.Table().MainMenu ? frame.Table().MainMenu->FindCommand(command) : nullptr;
        return item ? item->flags : 0u;
    };
    g_DialogFrame.SuggestedGame = [&frame] { return frame.Declaration().SuggestedGame; };
    g_DialogFrame.SuggestedAnnouncements = [&frame] { return frame.Declaration().SuggestedAnnouncements; };
    g_DialogFrame.ForgetSuggestedGame = [&frame] { frame.FrameDeclaration().ForgetSuggestedGame(); };
}

namespace {

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
    // The frame's part answers as if there were none until the frame is connected.
    g_DialogFrame.Reset();
    ConnectDialogsToTheShell();
    ConnectDialogsToTheFlow();
}
