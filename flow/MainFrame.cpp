// The frame's construction, destruction and message map.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAuction.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/FrameKontra.h"
#include "flow/FramePanels.h"
#include "flow/FramePrinting.h"
#include "flow/FrameSettings.h"
#include "flow/FrameTable.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/GiveUp.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"
#include "flow/RamschRounds.h"
#include "flow/TrickPlay.h"

#include "computer/evaluation/FrameServices.h"
#include "dialogs/SkatBars.h"
#include "flow/PromptBars.h"
#include "model/GameState.h"
#include "model/Skat.h"
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

CMainFrame::CMainFrame()
    : game_(std::make_unique<CSkat>()),
      auction_(std::make_unique<CFrameAuction>(*this, *game_)),
      declaration_(std::make_unique<CFrameDeclaration>(*this, *game_)),
      ramschRounds_(std::make_unique<CRamschRounds>(*this, *game_)),
      exchange_(std::make_unique<CCardExchange>(*this, *game_)),
      trickPlay_(std::make_unique<CTrickPlay>(*this, *game_)),
      series_(std::make_unique<CMatchSeries>(*this)),
      panels_(std::make_unique<CFramePanels>(*this, *game_)),
      matchFiles_(std::make_unique<CMatchFiles>(*this, *game_)),
      timers_(std::make_unique<CFrameTimers>(*this)),
      texts_(std::make_unique<CFrameTexts>(*this)),
      table_(std::make_unique<CFrameTable>(*this, *game_)),
      printing_(std::make_unique<CFramePrinting>(*this, *game_)),
      audio_(std::make_unique<CFrameAudio>(*this)),
      kontra_(std::make_unique<CFrameKontra>(*this, *game_)),
      giveUp_(std::make_unique<CGiveUp>(*this, *game_)),
      settings_(std::make_unique<CFrameSettings>(*this, *game_)) {}

// The destructor saves without asking: the statistics unless the close command stored them, and the
// match list and stored deals unless the match was ended without updating them; the temporary list
// and store go away.
CMainFrame::~CMainFrame() {
    run_.Destroying = 1;
    MatchFiles().SaveAtFrameEnd();
    // A panel still open would write into the frame that goes.
    FramePanels().DestroyPanels();
    // The computer player must not look at a game that is gone.
    if (g_ComputerFrame.Game == &GameObject()) g_ComputerFrame.Game = nullptr;
    if (IsAlive()) DestroyWindow();
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: return OnCreate();
        case WM_MOVE:
            if (Run().TableAlive) {
                KeepMainRect();
                FrameTable().PlaceOpenBar();
            }
            return 0;
        case WM_SIZE:
            ArrangeChildren();
            OnSize(static_cast<int>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                   HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_TIMER:
        case WM_COMMAND:
            RunStep([this, message, wParam] {
                if (message == WM_TIMER) OnTimer(static_cast<unsigned>(wParam));
                else OnCommand(LOWORD(wParam));
            });
            return 0;
        case WM_CLOSE: OnClose(); return 0;
        case WM_DISPLAYCHANGE:
            // Maximised or not is judged on the screen as it was.
            if (Run().TableAlive && g_FrameShell.FollowScreenChange)
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

void CMainFrame::RunStep(FlowStep step) {
    ++run_.StepDepth;
    step();
    --run_.StepDepth;
    // The outermost step is over: a close or a file that arrived meanwhile comes now.
    if (Run().StepDepth == 0 && g_Frame.ModalPumpActive == 0) {
        if (Run().CloseDeferred) {
            run_.CloseDeferred = 0;
            PostMessage(WM_CLOSE);
        } else if (!Files().PendingFile.empty()) {
            OpenPendingFile();
        }
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
bool CommandInTime(CMainFrame& frame, int id) {
    const int state = g_Game.FlowState;
    switch (id) {
        case CM_PASS:
        case CM_LISTEN_COMPUTER1:
        case CM_LISTEN_COMPUTER2:
        case CM_SPEAK_COMPUTER1:
        case CM_SPEAK_COMPUTER2: return InAuction() && frame.FrameAuction().IsAuctionBarOpen();
        case CM_PICKUP:
        case CM_HAND: return state == STATE_SKAT && OpenBarAs<CSkatDialog>(frame) != nullptr;
        case CM_DECLARE: return state == STATE_ASK || state == STATE_HAND;
        case CM_DECLARED: return state == STATE_ASK || state == STATE_HAND || state == STATE_MANIPULATE;
        case CM_REVOLUTION: return state == STATE_SWAP;
        default: return true;
    }
}

// A command row's handler: a method of the frame, or a method of one of the frame's parts, which
// the row reaches through the frame's accessor of that part.
template <void (CMainFrame::*Handler)()>
void FrameHandler(CMainFrame& frame) {
    (frame.*Handler)();
}
template <auto Part, auto Handler>
void PartHandler(CMainFrame& frame) {
    ((frame.*Part)().*Handler)();
}

}  // namespace

// The commands with a handler of their own: the internal ones of the flow's stages, then the menu's.
const CMainFrame::CommandRow CMainFrame::kCommandRows[] = {
    // Internal commands of this stage of the flow.
    {CM_DEAL, FrameHandler<&CMainFrame::OnDeal>},
    {CM_ASSIGNED_CARDS, FrameHandler<&CMainFrame::AssignedCards>},
    {CM_START, FrameHandler<&CMainFrame::OnStart>},
    {CM_START_VIEW, FrameHandler<&CMainFrame::OnStartView>},
    {CM_AUCTION, PartHandler<&CMainFrame::FrameAuction, &CFrameAuction::OnAuction>},
    {CM_PASS, PartHandler<&CMainFrame::FrameAuction, &CFrameAuction::OnPass>},
    {CM_LISTEN_COMPUTER1, PartHandler<&CMainFrame::FrameAuction, &CFrameAuction::OnListenComputer1>},
    {CM_LISTEN_COMPUTER2, PartHandler<&CMainFrame::FrameAuction, &CFrameAuction::OnListenComputer2>},
    {CM_SPEAK_COMPUTER1, PartHandler<&CMainFrame::FrameAuction, &CFrameAuction::OnSpeakComputer1>},
    {CM_SPEAK_COMPUTER2, PartHandler<&CMainFrame::FrameAuction, &CFrameAuction::OnSpeakComputer2>},
    {CM_PICKUP, PartHandler<&CMainFrame::FrameDeclaration, &CFrameDeclaration::OnPickup>},
    {CM_HAND, PartHandler<&CMainFrame::FrameDeclaration, &CFrameDeclaration::OnHand>},
    {CM_DECLARE, PartHandler<&CMainFrame::FrameDeclaration, &CFrameDeclaration::OnDeclare>},
    {CM_DECLARED, PartHandler<&CMainFrame::FrameDeclaration, &CFrameDeclaration::OnDeclared>},
    {CM_REVOLUTION, PartHandler<&CMainFrame::CardExchange, &CCardExchange::OnRevolution>},
    {CM_CONSOLE, FrameHandler<&CMainFrame::OnConsole>},
    {CM_YOUR_TURN, FrameHandler<&CMainFrame::OnYourTurn>},
    {CM_RESTORE_TITLE, FrameHandler<&CMainFrame::OnRestoreTitle>},
    {CM_LOG_WINDOW, FrameHandler<&CMainFrame::OnListLog>},
    {CM_LAST, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnLast>},
    {CM_PLAY, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnPlay>},
    {CM_NEXT_TRICK, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnNextTrick>},
    {CM_SUGGEST_CARD, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnSuggestCard>},
    {CM_KONTRA, PartHandler<&CMainFrame::FrameKontra, &CFrameKontra::OnKontra>},
    {CM_PASS_ON_RAMSCH, PartHandler<&CMainFrame::RamschRounds, &CRamschRounds::OnPassOnRamsch>},
    {CM_PICKUP_RAMSCH, PartHandler<&CMainFrame::RamschRounds, &CRamschRounds::OnPickupRamsch>},
    {CM_RESUME, PartHandler<&CMainFrame::GiveUp, &CGiveUp::OnResume>},
    {CM_SHOW_STATE, PartHandler<&CMainFrame::FramePanels, &CFramePanels::OnUncoverState>},
    {CM_PUSH_SKAT, PartHandler<&CMainFrame::RamschRounds, &CRamschRounds::OnPushSkat>},
    {CM_RAMSCH, PartHandler<&CMainFrame::RamschRounds, &CRamschRounds::OnRamsch>},
    {CM_GRAND_HAND, PartHandler<&CMainFrame::RamschRounds, &CRamschRounds::OnGrandHand>},
    {CM_DURCHMARSCH, PartHandler<&CMainFrame::RamschRounds, &CRamschRounds::OnDurchmarschHint>},
    // Menu commands.
    {ID_NEW, FrameHandler<&CMainFrame::OnNew>},
    {ID_BREAK, PartHandler<&CMainFrame::GiveUp, &CGiveUp::OnBreak>},
    {ID_REPEAT, PartHandler<&CMainFrame::GiveUp, &CGiveUp::OnRepeat>},
    {ID_ABANDON, PartHandler<&CMainFrame::GiveUp, &CGiveUp::OnAbandon>},
    {ID_COMPLETE, PartHandler<&CMainFrame::GiveUp, &CGiveUp::OnCompleteGame>},
    {ID_ABORT_MATCH, PartHandler<&CMainFrame::GiveUp, &CGiveUp::OnAbortMatch>},
    {ID_NEW_MATCH, FrameHandler<&CMainFrame::OnNewMatch>},
    {ID_LAST, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnLast>},
    {ID_LOAD, FrameHandler<&CMainFrame::OnLoad>},
    {ID_LOAD_MATCH, FrameHandler<&CMainFrame::OnLoadMatch>},
    {ID_SAVE_GAME, FrameHandler<&CMainFrame::OnSaveGame>},
    {ID_SAVE_STORE, FrameHandler<&CMainFrame::OnSaveStore>},
    {ID_DELETE_GAME, FrameHandler<&CMainFrame::OnDeleteGame>},
    {ID_DELETE_MATCH, FrameHandler<&CMainFrame::OnDeleteMatch>},
    {ID_INITIALIZATION, FrameHandler<&CMainFrame::OnInitialization>},
    {ID_UNDO, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnUndo>},
    {ID_RECOVER, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnRecover>},
    {ID_SUPPORT, PartHandler<&CMainFrame::FrameTrickPlay, &CTrickPlay::OnSupport>},
    {CM_SUGGEST_EXCHANGE, PartHandler<&CMainFrame::CardExchange, &CCardExchange::OnSuggestExchange>},
    {CM_SUGGEST_SKAT, PartHandler<&CMainFrame::FrameDeclaration, &CFrameDeclaration::OnSuggestSkat>},
    {CM_SUGGEST_GAME, PartHandler<&CMainFrame::FrameDeclaration, &CFrameDeclaration::OnSuggestGame>},
    {ID_SWAP_CARDS, PartHandler<&CMainFrame::CardExchange, &CCardExchange::OnSwapCardsMode>},
    {ID_SWAP_SKAT, PartHandler<&CMainFrame::CardExchange, &CCardExchange::OnSkatSwap>},
    {ID_SWAP_HAND, PartHandler<&CMainFrame::CardExchange, &CCardExchange::OnSwapHands>},
    {ID_SWAP_SUITS, PartHandler<&CMainFrame::CardExchange, &CCardExchange::OnSwapSuits>},
    {ID_SOUNDS_FOLDER, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnSoundsFolder>},
    {ID_VOICES_FOLDER, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnVoicesFolder>},
    {ID_STORAGE_FOLDER, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnStorageFolder>},
    {ID_SORT, FrameHandler<&CMainFrame::OnSortCards>},
    {ID_SUGGEST, FrameHandler<&CMainFrame::OnSuggest>},
    {ID_SKAT_RULE, FrameHandler<&CMainFrame::OnSkatRule>},
    {ID_SKAT_VARIANT, FrameHandler<&CMainFrame::OnSkatVariant>},
    {ID_SKAT_RAMSCH, FrameHandler<&CMainFrame::OnSkatRamsch>},
    {ID_MINIMAL_WINDOW, FrameHandler<&CMainFrame::OnMinimalWindow>},
    {ID_OPTIMAL_WINDOW, FrameHandler<&CMainFrame::OnOptimalWindow>},
    {ID_IDEAL_WINDOW, FrameHandler<&CMainFrame::OnIdealWindow>},
    {ID_AUDIO, PartHandler<&CMainFrame::FrameAudio, &CFrameAudio::OnAudio>},
    {ID_RISK, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnRiskDisposition>},
    {ID_LOGGING, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnLogging>},
    {ID_SORT_DIALOG, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnSortDialog>},
    {ID_RAMSCH_EVAL_MODE, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnRamschEvalMode>},
    {ID_TERMINATION, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnTermination>},
    {ID_CARD_BACK, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnCardBack>},
    {ID_CARD_FACE, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnCardFace>},
    {ID_DELAY, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnDelay>},
    {ID_IMAGES, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnImages>},
    {ID_CONFIGURATION, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnConfiguration>},
    {ID_NAMES, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnNames>},
    {ID_SETTINGS, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnSettings>},
    {ID_RENAME_GAME, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnRenameGame>},
    {ID_RENAME_SERIES, PartHandler<&CMainFrame::FrameSettings, &CFrameSettings::OnRenameSeries>},
    {ID_ANNOTATION, PartHandler<&CMainFrame::FramePanels, &CFramePanels::OnListAnnotation>},
    {ID_LIST_DATA, PartHandler<&CMainFrame::FramePanels, &CFramePanels::OnListData>},
    {ID_LIST_GAME_VALUE, PartHandler<&CMainFrame::FramePanels, &CFramePanels::OnListGameValue>},
    {ID_LIST_STATE, PartHandler<&CMainFrame::FramePanels, &CFramePanels::OnListState>},
    {CM_CLOSE_ANNOTATION, PartHandler<&CMainFrame::FramePanels, &CFramePanels::CloseAnnotationWindow>},
    {CM_CLOSE_DATA, PartHandler<&CMainFrame::FramePanels, &CFramePanels::CloseDataWindow>},
    {CM_CLOSE_GAME_VALUE, PartHandler<&CMainFrame::FramePanels, &CFramePanels::CloseGameValueWindow>},
    {CM_CLOSE_STATE, PartHandler<&CMainFrame::FramePanels, &CFramePanels::CloseStateWindow>},
    {ID_HELP_INSTRUCTIONS, FrameHandler<&CMainFrame::OnHelpInstructions>},
    {ID_HELP_OPERATING, FrameHandler<&CMainFrame::OnHelpOperation>},
    {ID_HELP_GLOSSARY, FrameHandler<&CMainFrame::OnHelpGlossary>},
    {ID_HELP_RULE, FrameHandler<&CMainFrame::OnHelpKeyboard>},
    {ID_HELP_CLOSE, FrameHandler<&CMainFrame::OnHelpClose>},
    {ID_LANGUAGE, FrameHandler<&CMainFrame::OnLanguage>},
};

void CMainFrame::OnCommand(int id) {
    if (!CommandInTime(*this, id)) {
        WriteTrace(":OnCommand(" + std::to_string(id) + ":late)", LOG_MAINFRAME);
        return;
    }
    for (const CommandRow& row : kCommandRows)
        if (row.id == id) return row.run(*this);
    switch (id) {
        case CM_CLOSE_GAME_STATISTICS:
            // The game statistics close through their toggle, which stores the window's place.
            if (FramePanels().SideWindow(ID_LIST_GAME_STATISTICS)) OnCommand(ID_LIST_GAME_STATISTICS);
            return;
        case CM_FOCUS_DIALOG:
            if (::IsWindow(Prompts().PromptDialog)) ::SetFocus(Prompts().PromptDialog);
            return;
        case ID_APP_EXIT: PostMessage(WM_CLOSE); return;
        case ID_APP_ABOUT:
            if (g_FrameShell.ShowAbout) g_FrameShell.ShowAbout();
            return;
        default: break;
    }
    if (g_FrameShell.ToggleSideWindow && g_FrameShell.ToggleSideWindow(*this, id)) return;
    if (RunSwitchCommand(id)) return;
    if (RunPrintCommand(id)) return;
    // A command that no handler above takes changes nothing: the trace shows that it arrived.
    std::string line = "OnCommand(";
    line += std::to_string(id);
    line += ")";
    WriteTrace(line, LOG_MAINFRAME | LOG_VERBOSE);
}

std::string CMainFrame::GetPlayerName(int seat) const { return GameObject().GetPlayerName(seat); }
