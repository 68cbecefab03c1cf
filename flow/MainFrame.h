#pragma once
// CMainFrame: the main window and the owner of the whole game. It owns the game object, holds the
// flow state with every frame member of the flow, the tool bar and status bar, the match files
// (flow/MatchFiles.h) and the open prompt and message dialogs; every step of a game is one of its
// command handlers (flow/), and it draws the card table into the view (shell/).

#include "resources/FlowIds.h"
#include "flow/FlowStep.h"
#include "flow/FrameRecords.h"
#include "model/SoundEffectIds.h"
#include "platform/core/CommandState.h"
#include "platform/core/Menu.h"
#include "platform/core/StatusBar.h"
#include "platform/core/Window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class DeviceContext;
class Dialog;
}

class CCards;
class CPlayer;
class CSkat;

struct GameScore;
struct FileState;
class CMatchFiles;

class CFramePrinting;
class CFrameTable;
struct TableState;

class CFramePanels;
struct PanelState;
class CMatchSeries;
class CRamschRounds;
struct RamschState;
struct SeriesState;
class CFrameTexts;
struct TextState;
class CFrameTimers;
struct TimerState;
class CFrameAudio;
class CFrameKontra;
class CGiveUp;
class CCardExchange;
struct ExchangeState;
class CFrameSettings;
class CTrickPlay;
struct TrickPlayState;
class CFrameAuction;
struct AuctionState;
class CFrameDeclaration;
struct DeclarationState;

class CMainFrame : public platform::Window {
public:
    // --- The frame's construction and message map (flow/MainFrame.cpp) ---------------------------
    CMainFrame();
    ~CMainFrame() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(platform::Message& message) override;
    // Runs a step of the flow (a command, a timer's step): a close or a file that arrives inside it
    // waits until it is over.
    void RunStep(FlowStep step);
    // The name of a seat's player as the table shows it.
    std::string GetPlayerName(int seat) const;

    // --- Window creation and close (shell/FrameWindow.cpp) ---------------------------------------
    int OnCreate();
    void OnClose();
    // A game is under way: closing asks the person first (string 40104).
    bool CloseNeedsQuestion() const;
    // A close signal (SIGTERM at the session's logout, SIGINT, SIGHUP): the close sequence runs as
    // if its question were answered Yes. A question or message holding the frame is answered as by
    // Esc, since nobody may be there to; a close that arrives while the frame is busy waits until
    // the step is over instead of being dropped.
    void OnCloseSignal();
    // Ends the modal dialogs that hold the frame with Cancel while a close signal waits.
    void EndModalDialogsForExit();
    // Places the tool bar, the view and the status bar in the frame.
    void ArrangeChildren();
    void SetView(platform::Window* view) { View = view; }
    // Keeps the RectMain members while the frame is moved or sized: whether it is maximised, and
    // its rectangle while it is not.
    void KeepMainRect();
    // Marks the whole table for its next paint: a step that changes what the table shows in many
    // places (its colour, the cards after a trick, an undo, a completion, a loaded game) has it
    // repainted whole, never in patches that leave old pictures beside them.
    void InvalidateTable();
    bool IsMaximised() const;
    platform::Window* GetView() const { return View; }
    // The height the tool bar and the status bar take inside the client area.
    int BarsHeight() const;
    // The frame's client width as the table drawing counts it (the view's width).
    int ClientWidth() const;
    void SetStatusPane(int pane, const std::string& text);

    // --- Flow states, pause and timers (flow/Timers.cpp) -----------------------------------------
    // FlowState := state, traced as ":State(NAME)", with verbose among the verbose lines. The one
    // way the flow changes its state.
    void SetFlowState(int state, bool verbose = false);
    int SetPause(int level);
    void OnTimer(unsigned id);
    void OnTick();
    // Presses a button of the open prompt by posting its command; nothing when none is open.
    void PressButton(int button);

    // --- Start-up and the desk (flow/Startup.cpp) ------------------------------------------------
    void Startup();
    void Start(const std::string& path);
    void ClearDesk();

    // --- Deal and game start (flow/Deal.cpp) -----------------------------------------------------
    void OnNew();
    void OnDeal();
    void AssignedCards();
    void StartGame();
    void EndContinue();
    void OnStart();
    void OnStartView();

    // --- Menu commands of the flow (flow/FrameCommands.cpp) --------------------------------------
    void OnSkatRule();
    void OnSkatVariant();
    void OnSkatRamsch();
    void OnSize(int type, int width, int height);
    void OnYourTurn();
    void OnRestoreTitle();
    // The one update function of menus, accelerators and the tool bar.
    void UpdateCommand(platform::CommandState& state);
    platform::CommandUpdater Updater();
    void OnInitMenuPopup(platform::Menu& popup, int index);
    void OnMinimalWindow();
    void OnOptimalWindow();
    void OnIdealWindow();

    // --- Printing the reports (shell/Printing.cpp) -----------------------------------------------
    // The print and preview commands and the orientation; false for another id.
    bool RunPrintCommand(int id);
    void OnPrintOrientation();
    // The print part (flow/FramePrinting.h): the jobs of the reports.
    CFramePrinting& FramePrinting();

    // --- Help and the language switch (shell/HelpCommands.cpp, shell/LanguageSwitch.cpp) ---------
    // The help menu's topics: the page in the help window, HelpTopic 1 to 4; 40206 when the help
    // pages cannot be opened.
    void OnHelpInstructions();
    void OnHelpOperation();
    void OnHelpGlossary();
    void OnHelpKeyboard();
    void OnHelpClose();
    // A help topic recorded as open whose window the person has closed meanwhile is forgotten
    // (HelpTopic 0). True while a help window is open.
    bool ForgetClosedHelp();
    // Hands over to the other edition: settings and files written, its program started, the
    // shortcuts and the file registration pointed at it, this one closed.
    void OnLanguage();

    // --- Input, files handed over (shell/Console.cpp) --------------------------------------------
    void OnConsole();
    bool OnCopyData(HWND sender, const COPYDATASTRUCT* data);
    // A file handed over while a wait or a step runs is kept and opened when the flow is free.
    void OpenPendingFile();

    // --- The person's input on the table (flow/PersonInput.cpp, flow/PersonKeys.cpp) -------------
    void KeyDown(int key, unsigned flags);
    void KeyUp(int key, unsigned flags);
    // The table keys that act in every state: H (the rule help), Shift, Shift+L (the log window),
    // Shift+N (a new match); true when the key was one of them.
    bool TableKey(int key);
    // True when the press may start a drag of the current game out of the table.
    bool LButtonDown(platform::Point point);
    void LButtonUp(platform::Point point);
    void MouseMove(platform::Point point);
    // A right click (dragEnter 0), or a file drag entering the table (1).
    void RButtonDown(platform::Point point, int dragEnter);
    // Whether the table is painted for this update rectangle.
    bool IsPersonHandInvalid(const platform::Rect& update);
    // A press cuts the wait short: pause level 1, the reminder balloon goes; the old level.
    int CutPause();
    // "Reizen: " with the person's value of the game on the table, for a while.
    void ShowBiddingValue();
    // The card under the mouse, highlighted and named for the support option.
    void AnnounceCardUnderMouse(int card);

    // --- The trick play part and its record's reader (flow/TrickPlay.cpp) ------------------------
    // The ten tricks, the history that undo and redo give back, the last trick and the course.
    CTrickPlay& FrameTrickPlay();
    const TrickPlayState& TrickPlay() const;

    // --- Kontra and Rekontra (flow/Kontra.cpp) ---------------------------------------------------
    // The Kontra part (flow/FrameKontra.h): Kontra and Rekontra, and the modal prompts of the game.
    CFrameKontra& FrameKontra();

    // --- Giving up, breaking off, repeating, resuming (flow/GiveUp.cpp) --------------------------
    // The give-up part (flow/GiveUp.h): a game given up, broken off, repeated, completed or
    // resumed, and the match ended without saving.
    CGiveUp& GiveUp();

    // --- The Ramsch rounds part and its record's reader (flow/RamschFlow.cpp) --------------------
    CRamschRounds& RamschRounds();
    const RamschState& Ramsch() const;

    // --- New match (flow/NewMatch.cpp) -----------------------------------------------------------
    void OnNewMatch();
    std::array<std::string, 3> SeatNames() const;
    // The counters of a match set back (the round notice, the players' counts, the totals).
    void ResetMatchCounters();
    void NewMatch();

    // --- The end of a game (flow/GameEnd.cpp) ----------------------------------------------------
    void EndGame();
    void AdvanceAfterCountedGame();
    void FollowGameEnd();
    GameScore ScoreGame(int seat);
    bool ShowResult(int seat);
    void NoticeRound(bool newRound);
    void SetPoints(int points, int party);

    // --- The open list windows follow the list and the stored deals (flow/ListBooking.cpp) ------
    // The open score sheet and cards assignment follow a change of the list or the stored deals.
    void RefreshListWindows();
    // The open score sheet follows a change of the list's header or the view.
    void RefreshScoreSheet();
    // With the cards assignment open, the stored hands follow the table's new sort order.
    void ResortStoredDealsIfShown();

    // --- Steps of the flow that other steps call, each in the file of its part of the game -------

    // --- The window title that names the match and the game (flow/FrameTitle.cpp) ---------------
    // Records the file name (kind 1 match, 2 game, 3 game name only; any other kind records
    // nothing) and sets the window title.
    void SetTitle(const std::string& path, int kind);

    // --- Match > Initialization (flow/FrameExport.cpp) -------------------------------------------
    // Every setting into the desk folder's "Kartovan+.reg" after asking.
    void OnInitialization();

    // --- File commands of the game and match menus (flow/FileCommands.cpp) -----------------------
    void OnLoad();
    void OnLoadMatch();
    void OnSaveGame();
    void OnSaveStore();
    void OnDeleteGame();
    void OnDeleteMatch();

    // --- The match files part and its record's reader (flow/MatchFiles.cpp) ----------------------
    CMatchFiles& MatchFiles();
    const FileState& Files() const;

    // --- The card table part and its record's reader (shell/TablePainting.cpp) -------------------
    // The table's drawing, its texts and the window's bars; their record.
    CFrameTable& FrameTable();
    const TableState& Table() const;

    // --- The frame's state -----------------------------------------------------------------------
    // The game object the flow plays on: every part reads it through the const accessor. Only the
    // frame's own steps and the parts it hands the game to at their construction change it.
    const CSkat& GameObject() const { return *game_; }
    // The frame's own records (flow/FrameRecords.h): every part reads them through the const
    // accessor; the frame's methods write them, the other parts only through the named steps.
    const PromptState& Prompts() const { return prompts_; }
    const RunState& Run() const { return run_; }
    // A computer's auction or Ramsch step begins (true) or is over (false): meanwhile a close
    // request is dropped or waits (flow/BusyStep.h).
    void MarkBusy(bool busy) { run_.BusyFlag = busy ? 1 : 0; }
    // The table comes to life at the view's first erase (true) and is let go by the close (false).
    void MarkTableAlive(bool alive) { run_.TableAlive = alive ? 1 : 0; }
    // Heights of the tool bar and the status bar in the frame.
    static constexpr int kToolBarHeight = 26;
    static constexpr int kStatusBarHeight = 20;

    // --- The frame's parts, each the one writer of its record (flow/MatchSeries.cpp, -------------
    // flow/FrameTexts.cpp, flow/FrameTimers.cpp) --------------------------------------------------
    // The games of a match; its record for reading.
    CMatchSeries& MatchSeries();
    const SeriesState& Series() const;
    // The texts of the status bar, the titles, the annotation and the balloons; their record.
    CFrameTexts& FrameTexts();
    const TextState& Texts() const;
    // The 200 ms tick's steps and counts; their record.
    CFrameTimers& FrameTimers();
    const TimerState& Timers() const;

    // --- The auction and the declaration parts and their records (flow/Auction.cpp, --------------
    // flow/Declaration.cpp) -----------------------------------------------------------------------
    // The auction; its record for reading, and the person's bid limit in it.
    CFrameAuction& FrameAuction();
    const AuctionState& Auction() const;
    int PersonBidLimit() const;
    // The declaration; its record for reading.
    CFrameDeclaration& FrameDeclaration();
    const DeclarationState& Declaration() const;

    // --- Called by the prompt bars (flow/FrameDialogs.cpp, flow/DeclarationSteps.cpp) ------------
    void OnSortCards();
    // The seat whose row holds the card, for trace lines: the skat's, "Trick" or a player's name.
    std::string CardOwnerName(int card, int where) const;
    // Runs a modal message of the game with the pause level held at 0; returns its result.
    int DoModalDialog(platform::Dialog& dialog);
    void CloseModelessDialog();
    HWND MessageDialog() const;
    // Whether `bar` is the live window the frame holds as its open prompt.
    bool IsOpenPrompt(HWND bar) const;
    // The bar (null: none) is now the frame's open prompt.
    void RecordOpenPrompt(HWND bar);
    // The open prompt (null when none is open) is the trick's Continue bar, the card play's Kontra
    // or suggestion bar, or the Ramsch skat bar.
    void MarkOpenPromptAs(PromptSlot slot);

    // --- Voices and sounds (flow/AudioFrame.cpp) -------------------------------------------------
    // The audio part (flow/FrameAudio.h): the sound effects, the voices and their settings.
    CFrameAudio& FrameAudio();

    // --- The menu rules of the shell (shell/MenuState.cpp) ---------------------------------------
    // True when it answered for the command.
    bool UpdateMenuCommand(platform::CommandState& state);
    // The texts of the items that say what choosing them will do, in any popup that has them.
    void SetMenuTexts(platform::Menu& popup);

    // --- The Options menu's switches (shell/MenuSwitches.cpp) ------------------------------------
    // RunSwitchCommand: false for another id.
    void OnContinue();
    void OnCount();
    void OnDemonstration();
    void OnDragCards();
    void OnFaceUp();
    bool RunSwitchCommand(int id);
    // CM_CONFIGURATION_CHANGED: the rule set's status pane follows the configuration.
    void UpdateVariantPane();

    // --- The match state (shell/MatchState.cpp) -------------------------------------------------
    void ShowMatchState();

    // --- Play aids (flow/PlayAids.cpp) -----------------------------------------------------------

    // --- The help text of the window part under the mouse (flow/FrameHelp.cpp) -------------------
    // The help text of the window part under the mouse (its hit-test code) in status pane 0.
    void OnSetCursor(int hitTest);

    // --- The panels part and its record's reader (flow/SmallServices.cpp) ------------------------
    // The information panels, the side windows and the trick estimation window's game.
    CFramePanels& FramePanels();
    const PanelState& Panels() const;

    // --- Playing a stored deal again (flow/StoredDealReplay.cpp) ---------------------------------
    // Offers to play a stored deal (its 40 words) again as the current game.
    void LoadFromStore(int numberingMode, const std::array<int, 40>& deal);

    // --- Deleting a file, and the trace log at a new game or match (flow/LastTrick.cpp) ---------
    void LogDeleteOn(int event);
    // Deletes a file, unless silent after asking the person; a file that cannot be deleted (or
    // is not there) is no error.
    void DeleteFile(const std::string& path, bool silent);

    // --- The suggestion switch (flow/SuggestSwitch.cpp) ------------------------------------------
    void OnSuggest();

    // --- The frame's side of the trick estimation window (flow/EstimatedGame.cpp) ----------------

    // --- The wait between the packets of a deal (flow/WaitForInput.cpp) --------------------------
    void WaitForInput();

    // --- The log window (shell/LogWindow.cpp) ----------------------------------------------------
    void OnListLog();

    // --- The card exchanges and the settings commands (flow/CardMoves.cpp, flow/FolderCommands.cpp)
    // The cards that change rows outside play and the manipulation marks; their record.
    CCardExchange& CardExchange();
    const ExchangeState& Exchange() const;
    // The settings commands of the menus, each with its dialog.
    CFrameSettings& FrameSettings();

private:
    // --- The command dispatch (flow/MainFrame.cpp) -----------------------------------------------
    void OnCommand(int id);
    // A command with a handler of its own: OnCommand runs the handler of its row, a method of the
    // frame or of one of its parts.
    struct CommandRow {
        int id;
        void (*run)(CMainFrame& frame);
    };
    static const CommandRow kCommandRows[];

    // --- The frame's own data ----------------------------------------------------------------------
    // Held through a pointer, so that a file of the frame that never touches the game object does
    // not see the game object's header.
    std::unique_ptr<CSkat> game_;
    CSkat& EditGameObject() { return *game_; }
    // Tests that set up a position no road reaches (tests/support/FrameGameAccess.h); the program
    // never defines it.
    friend struct FrameGameAccess;
    platform::Window* View = nullptr;  // the table view (the shell's), repainted and handed keys
    std::unique_ptr<CFrameAuction> auction_;
    std::unique_ptr<CFrameDeclaration> declaration_;
    std::unique_ptr<CRamschRounds> ramschRounds_;
    std::unique_ptr<CCardExchange> exchange_;
    std::unique_ptr<CTrickPlay> trickPlay_;
    std::unique_ptr<CMatchSeries> series_;
    PromptState prompts_;
    std::unique_ptr<CFramePanels> panels_;
    std::unique_ptr<CMatchFiles> matchFiles_;
    std::unique_ptr<CFrameTimers> timers_;
    std::unique_ptr<CFrameTexts> texts_;
    std::unique_ptr<CFrameTable> table_;
    std::unique_ptr<CFramePrinting> printing_;
    std::unique_ptr<CFrameAudio> audio_;
    std::unique_ptr<CFrameKontra> kontra_;
    std::unique_ptr<CGiveUp> giveUp_;
    RunState run_;
    std::unique_ptr<CFrameSettings> settings_;
};

// The current time in seconds after setting PauseLevel; callers keep it in PlayClock.
std::int64_t StampPauseLevel(int level);
