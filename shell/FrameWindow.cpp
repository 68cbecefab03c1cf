// The main frame as a window: creation with its bars, timers, folders and paths; the close sequence.
#include "audio/SpeechLogic.h"
#include "audio/VoiceClips.h"
#include "audio/VoicePlayer.h"
#include "computer/evaluation/FrameServices.h"
#include "flow/FrameGlobals.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/DeclarationState.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FramePrinting.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/GiveUp.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "match/OwnFiles.h"
#include "match/Profile.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/Folders.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "platform/core/Dialog.h"
#include "resources/CommandIds.h"
#include "resources/ToolBar.h"
#include "resources/ids.h"
#include "shell/HelpFolder.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "shell/SkatView.h"
#include "shell/TableColours.h"
#include "tavlo/Tavlo.h"

platform::Brush TableBrush() { return platform::Brush::Solid(TableColour()); }
platform::Color TableColour() { return g_Game.CheatMask != 0 ? kTableRed : kTableGreen; }

bool CToolBar::Load(int resourceId) {
    if (resourceId != IDR_MAINFRAME) return false;
    buttons.assign(kMainToolBar.begin(), kMainToolBar.end());
    return true;
}

void CMainFrame::ArrangeChildren() {
    if (!View || !View->IsAlive()) return;
    const platform::Rect client = ClientRect();
    const int top = g_Shell.FrameBarsOutside ? 0 : kToolBarHeight;
    const int height = std::max(0, client.Height() - BarsHeight());
    View->MoveWindow({0, top, client.Width(), top + height}, true);
}

int CMainFrame::BarsHeight() const { return g_Shell.FrameBarsOutside ? 0 : kToolBarHeight + kStatusBarHeight; }

int CMainFrame::ClientWidth() const { return View ? View->ClientRect().Width() : ClientRect().Width(); }

void CMainFrame::SetStatusPane(int pane, const std::string& text) { FrameTable().SetStatusPane(pane, text); }

int CMainFrame::OnCreate() {
    // Step 1: the window's title.
    WriteTrace(":OnCreate()", LOG_MAINFRAME);
    FrameTexts().SetFrameTitle(platform::LoadString(IDS_PRODUCT_NAME));

    // Steps 2 and 3: the menu, the tool bar and the status bar.
    if (!FrameTable().MakeBars()) return -1;

    // Step 5: a fresh table.
    SetFlowState(STATE_INIT);
    FrameTrickPlay().ClearHistory();
    prompts_.PromptDialog = prompts_.ContinuePrompt = prompts_.KontraPrompt = prompts_.RamschSkatPrompt = nullptr;
    prompts_.RunningMessage = nullptr;
    FrameTimers().DropRedraw();
    FramePanels().KeepAnnotationOnClose();
    MatchSeries().StampPause(0);

    // Step 6: the tick for the program's life. Our timers cannot fail on a live window; should it
    // happen all the same, the folders and paths below are still set up.
    if (SetTimer(TM_TICK, kTickMs) == 0)
        MessageBox(Handle(), platform::LoadString(IDS_TIMER_FAILED), Texts().FrameTitle,
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);

    // Step 7: the volume is set a little after the start.
    SetTimer(TM_VOLUME, kVolumeDelayMs);

    // Steps 8 and 9: the program's folder is read-only; work and desktop default to per-user
    // writable folders.
    ReadProfilePaths();

    // Step 10: the sounds and voices come from the work folder.
    Sound_Path((g_Profile.Work + "Sounds/").c_str());
    SetVoiceBaseDirectory((g_Profile.Work + "Voices/").c_str());

    // Step 11: the other edition's code names our own.
    const std::string other = platform::LoadString(IDS_OTHER_LANGUAGE);
    MatchFiles().SetEdition(other);
    SetVoiceEdition(Files().EnglishEdition);
    g_ComputerFrame.LanguageIndex = Files().EnglishEdition;
    // The wording of bids and answers has its own generator, so voices never touch the game's.
    VoiceRandom().Seed(static_cast<std::uint32_t>(Time64()));

    // Step 12: the statistics and the temporary match, game and store files live in the work folder.
    MatchFiles().PlaceOwnFiles(g_Profile.Work);
    // What saves of an earlier run left half-done under temporary names goes.
    const std::string ownFiles[] = {"cards~.skm", "cards~.skt", "cards~.sks", "temp~.skm", "temp~.sks", "statistics2"};
    RemoveStaleTemporaryFiles(g_Profile.Work, ownFiles);

    // Step 13: the edition's help pages, beside the program or where it was installed.
    MatchFiles().SetHelpFolder(HelpFolder(g_Profile.Inst, Files().LanguageCode));
    return 0;
}

void CMainFrame::InvalidateTable() {
    if (::IsWindow(g_Frame.hTableWnd)) ::InvalidateRect(g_Frame.hTableWnd, nullptr, true);
}

bool CMainFrame::IsMaximised() const {
    if (g_Shell.IsFrameMaximised) return g_Shell.IsFrameMaximised(Handle());
    return WindowRect() == g_Shell.WorkArea;
}

void CMainFrame::KeepMainRect() {
    const bool maximised = IsMaximised();
    g_Profile.RectMain.Zoomed = maximised ? 1 : 0;
    if (!maximised) FrameTable().KeepMainRect(WindowRect());
}

bool CMainFrame::CloseNeedsQuestion() const {
    const int state = g_Game.FlowState;
    return state != STATE_INIT && state != STATE_IDLE && state != STATE_NEW && state != STATE_PASS;
}

void CMainFrame::OnCloseSignal() {
    if (!IsAlive()) return;
    run_.ExitRequested = 1;
    run_.CloseConfirmed = 1;
    EndModalDialogsForExit();
    PostMessage(WM_CLOSE);
}

void CMainFrame::EndModalDialogsForExit() {
    if (!Run().ExitRequested) return;
    // Each dialog ends after the dispatch in which it was ended; a nested one first.
    const std::vector<platform::Window*> loops = platform::WindowSystem::Instance().ModalLoops();
    for (auto it = loops.rbegin(); it != loops.rend(); ++it)
        if ((*it)->IsAlive()) platform::EndDialog((*it)->Handle(), IDCANCEL);
}

void CMainFrame::OnClose() {
    // Step 1: a computer's auction or Ramsch step runs: the person's request is dropped; a close
    // signal's waits until the step is over.
    if (Run().BusyFlag) {
        if (Run().ExitRequested) run_.CloseDeferred = 1;
        return;
    }
    // A close inside a nested wait or step waits until that has unwound; the step is told to stop.
    if (Run().StepDepth > 0 || g_Frame.ModalPumpActive) {
        run_.CloseDeferred = 1;
        g_Game.StopFlag = StopState::Requested;
        return;
    }
    // Step 2: a close during the print preview only ends the preview.
    if (FramePrinting().EndPreview()) return;
    // Step 3: the play pauses while the person is asked whether to quit; a no goes back to the game.
    const int pause = SetPause(0);
    const int state = g_Game.FlowState;
    if (CloseNeedsQuestion() && !Run().CloseConfirmed) {
        if (MessageBox(Handle(), platform::LoadString(IDS_QUERY_EXIT), Texts().FrameTitle,
                       platform::MB_YESNO | platform::MB_ICONQUESTION) != IDYES) {
            SetPause(pause);
            return;
        }
    }
    // Step 4: a swap pause waiting its turn breaks off first, and the close comes again after it.
    if (Declaration().SwapPausePending) {
        GiveUp().OnBreak();
        PostMessage(WM_CLOSE);
        return;
    }
    // Step 5: a help window the person closed leaves no open topic behind.
    if (g_Profile.HelpTopic != 0 && !platform::IsHelpWindowOpen()) g_Profile.HelpTopic = 0;
    WriteProfileInt("Help", "Topic", g_Profile.HelpTopic);
    // Step 6: the decks of balloons, cards and symbols go.
    WB_DeleteBalloonDeck(g_Frame.hTableWnd);
    WC_DeleteCardDeck(g_Frame.hTableWnd);
    WS_DeleteSymbolDeck(g_Frame.hTableWnd);
    // Step 7: a game still running at the close is marked as broken off.
    const bool running = state == STATE_START || state == STATE_OBSERVE || state == STATE_AUCTION ||
                         state == STATE_REPLY || state == STATE_PICKUP || state == STATE_SWAP || state == STATE_PLAY;
    CardExchange().CheckCheat(running ? 1 : g_Game.CheatMask, 1);
    // Step 8: the main window's place is kept for the next start.
    KillTimer(TM_TICK);
    KeepMainRect();
    FrameTable().KeepWindowRect();
    g_Profile.RectMain.Left = Table().MainRect.left;
    g_Profile.RectMain.Top = Table().MainRect.top;
    g_Profile.RectMain.Right = Table().MainRect.right;
    g_Profile.RectMain.Bottom = Table().MainRect.bottom;
    g_Profile.RectMain.Stored = Table().MainRect.right != 0 ? 1 : 0;
    // An automatic completion cut short by the close gives the person's settings back first.
    MatchSeries().ApplyPendingSettings();
    WriteProfile();
    // The statistics now, while the frame can still say when they cannot be stored.
    MatchFiles().SaveStatisticsAtClose();
    // Step 9: a game read from a file is kept in the temporary game file.
    MatchFiles().KeepReadGame();
    // Step 10: the side windows close.
    FramePanels().CloseSideWindowsAtExit();
    // Step 11: the closing line still reaches the log window.
    WriteTrace(":OnClose()", LOG_MAINFRAME);
    if (HWND log = FramePanels().SideWindow(CM_LOG_WINDOW)) ::SendMessage(log, WM_CLOSE);
    // Step 12: the modeless dialog closes and the running steps are told to stop.
    CloseModelessDialog();
    DisconnectFrameHooks(*this);
    g_Game.StopFlag = StopState::Requested;
    // Step 13: the panels store their places through their close commands.
    for (int close : {CM_CLOSE_ANNOTATION, CM_CLOSE_DATA, CM_CLOSE_GAME_VALUE, CM_CLOSE_STATE})
        if (FramePanels().PanelWindow(close)) SendMessage(WM_COMMAND, static_cast<WPARAM>(close));
    // Step 15: the window goes; the program's loop ends with it.
    DestroyWindow();
    PostQuitMessage(0);
}
