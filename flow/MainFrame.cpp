// The frame's construction, destruction and message map.
#include "flow/MainFrame.h"

#include "computer/evaluation/FrameServices.h"
#include "dialogs/SkatBars.h"
#include "flow/PromptBars.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/Accelerators.h"
#include "platform/core/Dialog.h"
#include "platform/core/FileIo.h"
#include "platform/core/Resources.h"
#include "platform/core/Screen.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "flow/FrameGlobals.h"
#include "flow/ShellServices.h"

CMainFrame::CMainFrame() = default;

// The destructor saves without asking: the statistics unless the close command stored them, and the
// match list and stored deals unless the match was ended without updating them; the temporary list
// and store go away.
CMainFrame::~CMainFrame() {
    EditRun().Destroying = 1;
    if (!Files().StatisticsSavedAtClose) SaveStatistics(Files().StatisticsPath);
    if (Files().ListUpdateOnExit) {
        SaveList(Files().ListPath, false);
        SaveStore(Files().StorePath);
    }
    if (!Files().TempListPath.empty() && platform::FileExists(Files().TempListPath))
        (void)platform::RemoveFile(Files().TempListPath);
    if (!Files().TempStorePath.empty() && platform::FileExists(Files().TempStorePath))
        (void)platform::RemoveFile(Files().TempStorePath);
    if (g_Frame.pMainFrame == this) g_Frame.pMainFrame = nullptr;
    // A panel still open would write into the frame that goes.
    DestroyPanels();
    // The computer player must not look at a game that is gone.
    if (g_ComputerFrame.Game == &Game) g_ComputerFrame.Game = nullptr;
    if (IsAlive()) DestroyWindow();
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate();
        case WM_MOVE:
            if (g_Frame.pMainFrame == this) {
                KeepMainRect();
                PlaceOpenBar();
            }
            return 0;
        case WM_SIZE:
            ArrangeChildren();
            OnSize(static_cast<int>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                   HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_TIMER:
        case WM_COMMAND: {
            // A step of the flow: a close or a file that arrives inside it waits until it is over.
            ++EditRun().StepDepth;
            if (message == WM_TIMER) OnTimer(static_cast<unsigned>(wParam));
            else OnCommand(LOWORD(wParam));
            --EditRun().StepDepth;
            if (Run().StepDepth == 0 && g_Frame.ModalPumpActive == 0) {
                if (Run().CloseDeferred) {
                    EditRun().CloseDeferred = 0;
                    PostMessage(WM_CLOSE);
                } else if (!Files().PendingFile.empty()) {
                    OpenPendingFile();
                }
            }
            return 0;
        }
        case WM_CLOSE: OnClose(); return 0;
        case WM_DISPLAYCHANGE:
            // Maximised or not is judged on the screen as it was.
            if (g_Frame.pMainFrame == this && g_FrameShell.FollowScreenChange)
                g_FrameShell.FollowScreenChange(Handle(), IsMaximised());
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
            // The frame holding the keyboard (after Esc on a bar, a suggestion, an opened panel)
            // hands its keys to the table, as a frame does with its view.
            if (View && View->IsAlive()) return View->SendMessage(message, wParam, lParam);
            return platform::Window::WindowProc(message, wParam, lParam);
        case WM_DESTROY:
            // Windows made later (the program's last messages) have no main window to belong to.
            if (platform::Dialog::DefaultOwner() == Handle()) platform::Dialog::SetDefaultOwner(nullptr);
            return platform::Window::WindowProc(message, wParam, lParam);
        case WM_INITMENUPOPUP: {
            auto* popup = reinterpret_cast<platform::Menu*>(wParam);
            if (!popup) return 0;
            // Only the bar's own pop-ups are counted by their index.
            if (HIWORD(static_cast<std::uintptr_t>(lParam)) == 0)
                OnInitMenuPopup(*popup, LOWORD(static_cast<std::uintptr_t>(lParam)));
            else
                popup->Open(Updater());
            return 0;
        }
        case WM_COPYDATA:
            return OnCopyData(HandleFromValue(wParam), reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? 1 : 0;
        default: return platform::Window::WindowProc(message, wParam, lParam);
    }
}

bool CMainFrame::PreTranslateMessage(platform::Message& message) {
    if (const platform::AcceleratorTable* table = platform::FindAccelerators(IDR_MAINFRAME))
        if (platform::TranslateAcceleratorMessage(Handle(), *table, Updater(), message)) return true;
    return platform::Window::PreTranslateMessage(message);
}

namespace {

bool InAuction() {
    const int state = g_Game.FlowState;
    return state == STATE_OBSERVE || state == STATE_AUCTION || state == STATE_REPLY;
}

// A command of the auction or the declaration that arrives after its step (a late demonstration
// timer, a post overtaken by a break or by the end of the auction) finds its step gone.
bool CommandInTime(const CMainFrame& frame, int id) {
    const int state = g_Game.FlowState;
    switch (id) {
        case CM_PASS:
        case CM_LISTEN_COMPUTER1:
        case CM_LISTEN_COMPUTER2:
        case CM_SPEAK_COMPUTER1:
        case CM_SPEAK_COMPUTER2: return InAuction() && frame.IsAuctionBarOpen();
        case CM_PICKUP:
        case CM_HAND: return state == STATE_SKAT && OpenBarAs<CSkatDialog>(frame) != nullptr;
        case CM_DECLARE: return state == STATE_ASK || state == STATE_HAND;
        case CM_DECLARED: return state == STATE_ASK || state == STATE_HAND || state == STATE_MANIPULATE;
        case CM_REVOLUTION: return state == STATE_SWAP;
        default: return true;
    }
}

}  // namespace

void CMainFrame::OnCommand(int id) {
    if (!CommandInTime(*this, id)) {
        WriteTrace(":OnCommand(" + std::to_string(id) + ":late)", LOG_MAINFRAME);
        return;
    }
    switch (id) {
        // Internal commands of this stage of the flow.
        case CM_DEAL: OnDeal(); break;
        case CM_ASSIGNED_CARDS: AssignedCards(); break;
        case CM_START: OnStart(); break;
        case CM_START_VIEW: OnStartView(); break;
        case CM_AUCTION: OnAuction(); break;
        case CM_PASS: OnPass(); break;
        case CM_LISTEN_COMPUTER1: OnListenComputer1(); break;
        case CM_LISTEN_COMPUTER2: OnListenComputer2(); break;
        case CM_SPEAK_COMPUTER1: OnSpeakComputer1(); break;
        case CM_SPEAK_COMPUTER2: OnSpeakComputer2(); break;
        case CM_PICKUP: OnPickup(); break;
        case CM_HAND: OnHand(); break;
        case CM_DECLARE: OnDeclare(); break;
        case CM_DECLARED: OnDeclared(); break;
        case CM_REVOLUTION: OnRevolution(); break;
        case CM_CONSOLE: OnConsole(); break;
        case CM_YOUR_TURN: OnYourTurn(); break;
        case CM_RESTORE_TITLE: OnRestoreTitle(); break;
        case CM_LOG_WINDOW: OnListLog(); break;
        case CM_CLOSE_GAME_STATISTICS:
            // The game statistics close through their toggle, which stores the window's place.
            if (SideWindow(ID_LIST_GAME_STATISTICS)) OnCommand(ID_LIST_GAME_STATISTICS);
            break;
        case CM_LAST: OnLast(); break;
        case CM_PLAY: OnPlay(); break;
        case CM_NEXT_TRICK: OnNextTrick(); break;
        case CM_SUGGEST_CARD: OnSuggestCard(); break;
        case CM_KONTRA: OnKontra(); break;
        case CM_PASS_ON_RAMSCH: OnPassOnRamsch(); break;
        case CM_PICKUP_RAMSCH: OnPickupRamsch(); break;
        case CM_RESUME: OnResume(); break;
        case CM_SHOW_STATE: OnUncoverState(); break;
        case CM_PUSH_SKAT: OnPushSkat(); break;
        case CM_RAMSCH: OnRamsch(); break;
        case CM_GRAND_HAND: OnGrandHand(); break;
        case CM_DURCHMARSCH: OnDurchmarschHint(); break;
        case CM_FOCUS_DIALOG:
            if (::IsWindow(Prompts().PromptDialog)) ::SetFocus(Prompts().PromptDialog);
            break;
        // Menu commands.
        case ID_NEW: OnNew(); break;
        case ID_BREAK: OnBreak(); break;
        case ID_REPEAT: OnRepeat(); break;
        case ID_ABANDON: OnAbandon(); break;
        case ID_COMPLETE: OnCompleteGame(); break;
        case ID_ABORT_MATCH: OnAbortMatch(); break;
        case ID_NEW_MATCH: OnNewMatch(); break;
        case ID_LAST: OnLast(); break;
        case ID_LOAD: OnLoad(); break;
        case ID_LOAD_MATCH: OnLoadMatch(); break;
        case ID_SAVE_GAME: OnSaveGame(); break;
        case ID_SAVE_STORE: OnSaveStore(); break;
        case ID_DELETE_GAME: OnDeleteGame(); break;
        case ID_DELETE_MATCH: OnDeleteMatch(); break;
        case ID_INITIALIZATION: OnInitialization(); break;
        case ID_UNDO: OnUndo(); break;
        case ID_RECOVER: OnRecover(); break;
        case ID_SUPPORT: OnSupport(); break;
        case CM_SUGGEST_EXCHANGE: OnSuggestExchange(); break;
        case CM_SUGGEST_SKAT: OnSuggestSkat(); break;
        case CM_SUGGEST_GAME: OnSuggestGame(); break;
        case ID_SWAP_CARDS: OnSwapCardsMode(); break;
        case ID_SWAP_SKAT: OnSkatSwap(); break;
        case ID_SWAP_HAND: OnSwapHands(); break;
        case ID_SWAP_SUITS: OnSwapSuits(); break;
        case ID_SOUNDS_FOLDER: OnSoundsFolder(); break;
        case ID_VOICES_FOLDER: OnVoicesFolder(); break;
        case ID_STORAGE_FOLDER: OnStorageFolder(); break;
        case ID_SORT: OnSortCards(); break;
        case ID_SUGGEST: OnSuggest(); break;
        case ID_SKAT_RULE: OnSkatRule(); break;
        case ID_SKAT_VARIANT: OnSkatVariant(); break;
        case ID_SKAT_RAMSCH: OnSkatRamsch(); break;
        case ID_MINIMAL_WINDOW: OnMinimalWindow(); break;
        case ID_OPTIMAL_WINDOW: OnOptimalWindow(); break;
        case ID_IDEAL_WINDOW: OnIdealWindow(); break;
        case ID_AUDIO: OnAudio(); break;
        case ID_RISK: OnRiskDisposition(); break;
        case ID_LOGGING: OnLogging(); break;
        case ID_SORT_DIALOG: OnSortDialog(); break;
        case ID_RAMSCH_EVAL_MODE: OnRamschEvalMode(); break;
        case ID_TERMINATION: OnTermination(); break;
        case ID_CARD_BACK: OnCardBack(); break;
        case ID_CARD_FACE: OnCardFace(); break;
        case ID_DELAY: OnDelay(); break;
        case ID_IMAGES: OnImages(); break;
        case ID_CONFIGURATION: OnConfiguration(); break;
        case ID_NAMES: OnNames(); break;
        case ID_SETTINGS: OnSettings(); break;
        case ID_RENAME_GAME: OnRenameGame(); break;
        case ID_RENAME_SERIES: OnRenameSeries(); break;
        case ID_ANNOTATION: OnListAnnotation(); break;
        case ID_LIST_DATA: OnListData(); break;
        case ID_LIST_GAME_VALUE: OnListGameValue(); break;
        case ID_LIST_STATE: OnListState(); break;
        case CM_CLOSE_ANNOTATION: CloseAnnotationWindow(); break;
        case CM_CLOSE_DATA: CloseDataWindow(); break;
        case CM_CLOSE_GAME_VALUE: CloseGameValueWindow(); break;
        case CM_CLOSE_STATE: CloseStateWindow(); break;
        case ID_APP_EXIT: PostMessage(WM_CLOSE); break;
        case ID_HELP_INSTRUCTIONS: OnHelpInstructions(); break;
        case ID_HELP_OPERATING: OnHelpOperation(); break;
        case ID_HELP_GLOSSARY: OnHelpGlossary(); break;
        case ID_HELP_RULE: OnHelpKeyboard(); break;
        case ID_HELP_CLOSE: OnHelpClose(); break;
        case ID_LANGUAGE: OnLanguage(); break;
        case ID_APP_ABOUT:
            if (g_FrameShell.ShowAbout) g_FrameShell.ShowAbout();
            break;
        default: {
            if (g_FrameShell.ToggleSideWindow && g_FrameShell.ToggleSideWindow(*this, id)) break;
            if (RunSwitchCommand(id)) break;
            if (RunPrintCommand(id)) break;
            // Commands whose steps later stages build: the trace shows they arrived.
            std::string line = "OnCommand(";
            line += std::to_string(id);
            line += ")";
            WriteTrace(line, LOG_MAINFRAME | LOG_VERBOSE);
            break;
        }
    }
}

std::string CMainFrame::GetPlayerName(int seat) const { return Game.GetPlayerName(seat); }
