#pragma once
// CMainFrame: the main window and the owner of the whole game. It owns the game object, holds the
// flow state with every frame member of the flow, the tool bar and status bar, the match files
// (flow/MatchFiles.h) and the open prompt and message dialogs; every step of a game is one of its
// command handlers (flow/), and it draws the card table into the view (shell/).

#include "resources/FlowIds.h"
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

class CFramePanels;
struct PanelState;
class CMatchSeries;
struct SeriesState;
class CFrameTexts;
struct TextState;
class CFrameTimers;
struct TimerState;

class CMainFrame : public platform::Window {
public:
    // --- The frame's construction and message map (flow/MainFrame.cpp) ---------------------------
    CMainFrame();
    ~CMainFrame() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PreTranslateMessage(platform::Message& message) override;
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
    void LayoutTable(CSkat& game, platform::Point origin, int a, int b);

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

    // --- Table painting (shell/TablePainting.cpp) ------------------------------------------------
    void Paint(const platform::Rect& update);
    void ShowImages(platform::Rect& update, platform::DeviceContext* printer);
    void DrawScore(platform::DeviceContext* printer);
    platform::Point PrintOffset(platform::DeviceContext* printer) const;
    // The notice line the table shows in its state (0: none); the printout asks Variants/Extra
    // besides for the round notice.
    int NoticeLine(bool needsExtra) const;
    void LayoutFrame();
    // The open prompt bar is laid over the table again (after a move or a full repaint).
    void PlaceOpenBar();
    void WindowPosition(platform::Size size);
    void SetCardBack(int step);
    void SetCardFace(int step);
    void RemoveTrick();

    // --- Table texts, balloons, symbols (shell/TableTexts.cpp, shell/Balloons.cpp) ---------------
    void MovePosText(int seat, int stringId, platform::DeviceContext* printer, const platform::Rect* update);
    void RemoveText(int place, int stringId);
    void MoveExtraText(int showId, int clearId, int yOffset, platform::DeviceContext* printer,
                       const platform::Rect* update);
    void MoveBalloonText(int seat, int stringId, int value, platform::DeviceContext* printer,
                         const platform::Rect* update);
    void MessageBalloon(int side, int stringId);
    void MoveSymbol(int seat, bool draw, platform::DeviceContext* printer, const platform::Rect* update);
    void RefreshPosTexts(int kontraMode);
    void RefreshTexts();

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
    // The drop of an exchange with the skat in drag mode.
    void DragMove(platform::Point point);
    // After the person changed cards with the skat: the suggestion or the play preparation.
    void AfterExchange();
    // A press cuts the wait short: pause level 1, the reminder balloon goes; the old level.
    int CutPause();
    // "Reizen: " with the person's value of the game on the table, for a while.
    void ShowBiddingValue();
    // The exchange keys: Up (upper group) or Down (lower group) move the focus or raise a card.
    void ExchangeFocusKey(bool upper);
    // The card under the mouse, highlighted and named for the support option.
    void AnnounceCardUnderMouse(int card);

    // --- Auction (flow/Auction.cpp) --------------------------------------------------------------
    void OnAuction();
    void OnListenComputer1();
    void OnListenComputer2();
    void OnSpeakComputer1();
    void OnSpeakComputer2();
    void SetBidButton(int role, int seat);
    void EnableBidButtons(bool enable);
    // Seat 0..2: that seat has bid in this auction; 3: any seat has.
    bool HasBid(int seat) const;
    // The open prompt is a live auction bar (never a byte that a measuring bar could clear).
    bool IsAuctionBarOpen() const;

    // --- Skat, Hand and declaration (flow/Declaration.cpp) ---------------------------------------
    void Declare();
    // The three roads: a computer declares, the person gets the skat bar, nobody bid.
    void DeclareComputer(bool kontraAllowed, const std::string& bidText);
    void DeclarePerson(const std::string& bidText);
    void DeclareNobody(bool ramschVariant);

    // --- Card moves between hands, skat and trick (flow/CardMoves.cpp) ---------------------------
    void SwapCards(int cardA, CCards& rowA, int cardB, CCards& rowB, bool dragged);
    void SwapCardsPerson(bool skat, bool seat0, bool seat1, bool seat2, int mode);
    // The defenders' open exchange: the skat (in the trick while taken up) and the seats' hands,
    // seat2 the soloist's.
    void SwapCardsOpponents(bool skatInTrick, int seat0, int seat1, int seat2);
    void OnRevolution();
    void ManipulateClick(platform::Point point);
    void ManipulateDragEnd(platform::Point point);
    // Group g (0 skat, 1..3 seats 0..2) holds the clicked card as its picked card: its row, and the
    // first other row with a selected card as partner.
    bool FindClickedGroup(int card, int group, CCards*& row, CCards*& partnerRow, int& partnerCard,
                          bool& noOtherSelection);
    // Group g has a picked card g that is not the dropped card d: its row, and the first other
    // open group whose row holds d as partner.
    bool FindCardGroup(int dropped, int group, int& picked, CCards*& row, CCards*& partnerRow);
    // The three hands' bid limits again after cards changed hands.
    void ReevaluateHands(int soloistMode);
    // The rows of the four card groups: 0 the skat (in the trick row while exchanging), 1..3 seats.
    CCards& GroupRow(int group);

    // --- The ten tricks (flow/TrickPlay.cpp, flow/PersonPlay.cpp, flow/History.cpp) --------------
    void OnPlay();
    // OnPlay's steps; OnPlay runs them once at a time.
    void PlaySteps();
    // PlaySteps' card steps: a computer's card (or the person's under AutoComplete), the person's
    // card from the input step, his last card by itself, the person asked to play; then after a
    // card, false when the play stops there.
    int ServeComputerCard(const CPlayer& player, int seat);
    int TakePersonsCard(int seat);
    int PlayLastCardItself(int seat);
    void AskPersonForCard();
    bool GoOnAfterCard(int card);
    void OnNextTrick();
    // The card a seat has just put into the trick: into the history, the course and the record.
    void NoteCardInTrick(int seat, int card);
    void EndTrick();
    void SweepTrick(bool reset);
    static std::string ContinueCaption(int stringId, int nextTrick);
    void ShowContinueDialog();
    void ShowStateDialog();
    void OnSuggestCard();
    void DemoPlayPersonCard();
    bool PersonMayPlay() const;
    void PlayPersonCard(int slot, bool sound);
    void ClickPlay(platform::Point point);
    void DragPlay(platform::Point point);
    void PlayKey(int key);
    void RefuseInvalidCard();
    void InitHistory();
    void SaveGameState(bool spare);
    void FillSnapshot(GameSnapshot& record);

    // --- Kontra and Rekontra (flow/Kontra.cpp) ---------------------------------------------------
    // May the player still give Kontra (before his first card, by the rule set); without a
    // player: the person.
    bool IsKontraPossible(const CPlayer& player) const;
    bool IsKontraPossible() const;
    // The person gives Kontra (CM_KONTRA); the soloist may answer.
    void OnKontra();
    // Before computer seat `seat` plays its card: its Kontra, and the soloist's answer.
    void AskComputersKontra(int seat, int soloist);
    // Tells the person of a Kontra or Rekontra made since the serve read `earlierState`.
    void ShowKontraMessage(int earlierState, int seat, const std::string& name);
    const CPlayer& ComputerOfSeat(int seat) const;
    // The seat's player decides on Kontra, and on Rekontra; true when he announces it.
    bool SeatAnnouncesKontra(int seat);
    bool SeatAnnouncesRekontra(int seat);
    // The label at the seat, kept in the current snapshot.
    void MarkKontraAtSeat(int seat, int stringId);
    void ComputerKontra();

    // --- Giving up, breaking off, repeating, resuming (flow/GiveUp.cpp, flow/BreakRepeat.cpp) ----
    // The person's question whether computer seat `seat` may give the game up; true: accepted.
    bool Abandon(int seat, const std::string& name);
    // Would the seat that gives up have won the game?
    bool IsGameWon(int seat);
    void OnAbortMatch();
    void OnCompleteGame();
    void OnResume();
    // The deal as the trace shows it at a give-up.
    void TraceAssignedCards();
    void OnAbandon();
    void OnBreak();
    void OnRepeat();

    // --- The Ramsch rounds (flow/RamschFlow.cpp, flow/RamschTurns.cpp) ---------------------------
    // The person exchanges cards with the Ramsch skat (its end-swap bar is open).
    bool RamschExchangeRunning() const;
    // The Grand Hand offer (0) or the person's Grand Hand (1).
    void GrandHand(int mode);
    // GrandHand's steps: the person's Grand Hand, a computer's answer to the offer (true when it
    // plays Grand Hand), the offer to the person, and the pick-up round.
    void PlayPersonsGrandHand();
    bool ComputerAnswersGrandHand(int s);
    void OfferGrandHandToPerson();
    void StartRamschPickupRound();
    void OnGrandHand();
    void OnRamsch();
    void OnPassOnRamsch();
    void OnPickupRamsch();
    void OnPushSkat();
    void OnDurchmarschHint();
    void InitRamschPickup();
    // The Durchmarsch aim of the seat; the other two aim at none.
    void ApplyRamschChoice(int seat);
    // The resume pause after a turn with the Ramsch skat (skat swap option on): true when the game
    // was stopped meanwhile.
    bool RamschResumePause();
    void DemoPushRamschSkat();
    // The advice of the Ramsch rounds: "Suggestion: " + the text, kept as the hint.
    void ShowRamschAdvice(const std::string& text);
    void PickupRamsch(int mode);
    // PickupRamsch's steps: the first entry that makes the game a Ramsch, the start of play after
    // the round, a computer's turn with the skat (false when stopped) and the person's turn.
    void StartRamsch(int ask);
    void BeginRamschPlay();
    bool ComputerTakesRamschTurn(int s);
    void OfferRamschSkatToPerson();

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
    void VoiceResult(int outcome);
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
    int RamschLoser() const { return Ramsch().RamschResultSeats[0]; }

    // --- The match files part and its record's reader (flow/MatchFiles.cpp) ----------------------
    CMatchFiles& MatchFiles();
    const FileState& Files() const;

    // --- The frame's state -----------------------------------------------------------------------
    // The game object the flow plays on: every part reads it through the const accessor; the
    // Edit accessor is for the steps that change the game.
    const CSkat& GameObject() const { return *game_; }
    CSkat& EditGameObject() { return *game_; }
    // The frame's state records (flow/FrameRecords.h): every part reads them through the const
    // accessor; the Edit accessor is for the code of the record's own part.
    const AuctionState& Auction() const { return auction_; }
    AuctionState& EditAuction() { return auction_; }
    const DeclarationState& Declaration() const { return declaration_; }
    DeclarationState& EditDeclaration() { return declaration_; }
    const RamschState& Ramsch() const { return ramsch_; }
    RamschState& EditRamsch() { return ramsch_; }
    const ExchangeState& Exchange() const { return exchange_; }
    ExchangeState& EditExchange() { return exchange_; }
    const TrickPlayState& TrickPlay() const { return trickPlay_; }
    TrickPlayState& EditTrickPlay() { return trickPlay_; }
    const PromptState& Prompts() const { return prompts_; }
    PromptState& EditPrompts() { return prompts_; }
    const TableState& Table() const { return table_; }
    TableState& EditTable() { return table_; }
    const RunState& Run() const { return run_; }
    RunState& EditRun() { return run_; }
    int PersonBidLimit() const { return Auction().BidLimits[2]; }
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

    // --- Called by the prompt bars (flow/FrameDialogs.cpp, flow/Kontra.cpp,-----------------------
    // flow/DeclarationSteps.cpp, flow/AudioFrame.cpp) ---------------------------------------------
    // Voices (0) or sound effects (1) on or off.
    void ToggleAudio(int which);
    // The two skat cards face up into the trick's first two places, and back into the skat.
    void MoveSkatToTrick();
    void MoveTrickToSkat();
    void OpenDeclareBar();
    void OnPickup();
    void OnHand();
    void OnDeclare();
    void OnDeclared();
    // The declaration part of the game message; traces the game and sets play up.
    std::string SetupGame(const CPlayer& soloist, const CPlayer& second, const CPlayer& third);
    void OnSortCards();
    // The skat swap pause: pumps until Fortsetzen; true when the game was stopped meanwhile.
    bool SkatSwapPause(bool setPlayState);
    // The seat whose row holds the card, for trace lines: the skat's, "Trick" or a player's name.
    std::string CardOwnerName(int card, int where) const;
    // Runs a modal message of the game with the pause level held at 0; returns its result.
    int DoModalDialog(platform::Dialog& dialog);
    void OpenResumeSwapDialog();
    void CloseModelessDialog();
    void SoundEffect(int effect, bool loop);
    void ApplyVolume();
    HWND MessageDialog() const;
    // Whether `bar` is the live window the frame holds as its open prompt.
    bool IsOpenPrompt(HWND bar) const;
    // A seat gives Kontra (the person: 2); replaces the open bar.
    void SayKontra(int seat);
    // The resume bar's button: the skat swap pause ends at the loop's next check.
    void EndSwapPause();
    // Voices: a seat's voice (8: none), whether a voice is played from files, one spoken term.
    int GetPlayerVoice(int seat) const;
    bool IsVoiceFromFile(int voice) const;
    void PlayVoiceTerm(int term, int language, int voice, bool fromFile);

    // --- Voices and sounds (flow/AudioFrame.cpp) -------------------------------------------------
    // A refusal: the string in status pane 0 for 20 ticks, with sound effect 2.
    void SetStatusText(int stringId);
    // The person says Rekontra.
    void SayRekontra();
    // The wording of a bid or answer (its own random draw); the declaration with its
    // announcement in the soloist's voice; a card named for the support option (seat -1: pointed at).
    int VoiceVariant(int term);
    void VoiceDeclare(bool givesUp);
    void VoiceSupport(int card, int seat);
    // Seat s says term t: only with voice output on and a voice for the seat, from file when that
    // voice is; through VoiceVariant when asked.
    void SaySeatTerm(int seat, int term, bool withVariant);
    // Options > Voices and Sounds: the settings dialog, with the game paused.
    void OnAudio();

    // --- Settings and renames of the match and game menus (flow/SettingsRename.cpp) --------------
    void OnSettings();
    void OnRenameGame();
    void OnRenameSeries();

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

    // --- The end of the auction (flow/AuctionEnd.cpp) --------------------------------------------
    // The person passes, or the auction ends; names the soloist and goes on to the declaration.
    void OnPass();

    // --- The declared game's attributes for the statistics (flow/GameAttributes.cpp) ------------
    // Registers the declared game's top cards with the three players (flow/).
    void RegisterGameAttributes();

    // --- Choosing the next trick's cards under the continue bar (flow/NextTrickChoice.cpp) -------
    // A click on a card of a hand, or the arrow keys.
    void ManipulateTrickCard(platform::Point point);
    void NextTrickKey(int key);
    // Whether a seat after the trick's winner already has a card chosen for the next trick (then
    // the winner's card may not change); with show, string 41080 says so.
    bool CheckTrickWinnerCard(int seat, bool show);

    // --- Demonstration mode declares for the person (flow/DemoBestGame.cpp) ----------------------
    // Timer 51: the person's most valuable game pressed on the declaration bar.
    void DemoDeclareBestGame();

    // --- Taking the last trick back and bringing it again (flow/UndoRedo.cpp) --------------------
    void UndoTrick();
    void RedoTrick(bool spare);
    void OnUndo();
    void OnRecover();
    // Whether a later trick was recorded and not played over, so that redo can bring it back.
    bool IsRedoPossible() const;
    // Restores the fields of a record that undo and redo give back (all but the played cards).
    void RestoreSnapshot(const GameSnapshot& record);

    // --- Play aids (flow/PlayAids.cpp) -----------------------------------------------------------
    void OnSupport();
    void OnSuggestExchange();
    void CheckEarlyFaceUp();
    // The player's remaining cards are laid open once the defenders can no longer make him take
    // a trick (the card he has just played counts as gone).
    void LayDownCards(int seat, int card);
    // Before the person's first card as a defender: the Kontra advice on his card prompt.
    void AdviseKontra();

    // --- The skat suggestion (flow/SkatSuggestion.cpp) -------------------------------------------
    void OnSuggestSkat();

    // --- The game suggestion (flow/SuggestGameCommand.cpp) ---------------------------------------
    // The games the hand allows, in a message with rule links.
    void OnSuggestGame();

    // --- The manipulation commands (flow/SwapCommands.cpp) ---------------------------------------
    // The manipulation commands: a free card exchange, the skat swap (a
    // switch, or an exchange with the skat), whole hands or two suits exchanged and the deal replayed.
    void OnSwapCardsMode();
    void OnSkatSwap();
    void OnSwapHands();
    void OnSwapSuits();
    // Hands or suits exchanged in the dealt copies: the game is broken off, marked and dealt again.
    void ReplaySwappedDeal();

    // --- The folder commands (flow/FolderCommands.cpp) -------------------------------------------
    void OpenWorkFolder(const std::string& name);
    void OnSoundsFolder();
    void OnVoicesFolder();
    void OnStorageFolder();

    // --- The help text of the window part under the mouse (flow/FrameHelp.cpp) -------------------
    // The help text of the window part under the mouse (its hit-test code) in status pane 0.
    void OnSetCursor(int hitTest);

    // --- The modal prompts of the game (flow/GamePrompts.cpp) ------------------------------------
    // The person's Rekontra prompt over a computer's Kontra (its button says Rekontra).
    void RunRekontraPrompt(const std::string& text, int ruleNumber, int personRuleNumber);
    // A modal message of the game; in demonstration mode a timer answers it with OK.
    int RunGameMessage(platform::Dialog& dialog);
    // The person's answer to a computer's giving up: true when he accepts.
    bool RunResignPrompt(const std::string& text);

    // --- The panels part and its record's reader (flow/SmallServices.cpp) ------------------------
    // The information panels, the side windows and the trick estimation window's game.
    CFramePanels& FramePanels();
    const PanelState& Panels() const;

    // --- Playing a stored deal again (flow/StoredDealReplay.cpp) ---------------------------------
    // Offers to play a stored deal (its 40 words) again as the current game.
    void LoadFromStore(int numberingMode, const std::array<int, 40>& deal);

    // --- The declaration bar's preselection (flow/GamePreselection.cpp) --------------------------
    void SelectGame(int mode);

    // --- The last trick and the course (flow/LastTrick.cpp) --------------------------------------
    // "Letzten Stich": shows the last trick during play, the whole course after the game; a
    // second use puts the table back.
    void OnLast();
    void AnnounceSeats();
    void LogDeleteOn(int event);
    // Deletes a file, unless silent after asking the person; a file that cannot be deleted (or
    // is not there) is no error.
    void DeleteFile(const std::string& path, bool silent);

    // --- The suggestion switch (flow/SuggestSwitch.cpp) ------------------------------------------
    void OnSuggest();

    // --- The manipulation marks (flow/CheatMarks.cpp) --------------------------------------------
    // Applies one manipulation mark (code 0 resets the mask), shows its message in pane 0,
    // repaints and traces. `arg` counts only for code 16: the flow state.
    void CheckCheat(int code, int arg);
    void RepaintLegend();

    // --- The frame's side of the trick estimation window (flow/EstimatedGame.cpp) ----------------
    // The Grand Hand offer, the skat round or the play of a Ramsch is going on.
    bool RamschUnderWay() const;

    // --- Settings dialogs of the Options and Variations menus (flow/SettingsCommands.cpp) --------
    // The match-end dialog of a loaded match that has reached its end.
    void OpenTerminationDialog();
    void OnRiskDisposition();
    void OnLogging();
    void OnSortDialog();
    void OnRamschEvalMode();
    void OnTermination();

    // --- The course record of a finished game (shell/CourseRecord.cpp) ---------------------------
    // The course rows and the course record of the finished game:
    // image[0..31] the rows and the skat, image[offset..offset+67] the record.
    void CopyCourse(std::int32_t* image, int offset);

    // --- The wait between the packets of a deal (flow/WaitForInput.cpp) --------------------------
    void WaitForInput();

    // --- The course texts on the table and on paper (shell/CourseText.cpp) -----------------------
    // The course texts beside the shown course (1 show, 0 remove), on the table or a printed page;
    // CourseHeadline: who won or lost which game.
    void MoveCourseText(int show, platform::DeviceContext* printer = nullptr, const platform::Rect* update = nullptr);
    std::string CourseHeadline();

    // --- The log window (shell/LogWindow.cpp) ----------------------------------------------------
    void OnListLog();

    // --- The settings dialogs of the look, the players, the rules (flow/SettingsDialogs.cpp) -----
    void OnCardBack();
    void OnCardFace();
    void OnDelay();
    void OnImages();
    void OnConfiguration();
    void OnNames();

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
    platform::Window* View = nullptr;  // the table view (the shell's), repainted and handed keys
    AuctionState auction_;
    DeclarationState declaration_;
    RamschState ramsch_;
    ExchangeState exchange_;
    TrickPlayState trickPlay_;
    std::unique_ptr<CMatchSeries> series_;
    PromptState prompts_;
    std::unique_ptr<CFramePanels> panels_;
    std::unique_ptr<CMatchFiles> matchFiles_;
    std::unique_ptr<CFrameTimers> timers_;
    std::unique_ptr<CFrameTexts> texts_;
    TableState table_;
    std::unique_ptr<CFramePrinting> printing_;
    RunState run_;
};

// The final standing of a match: the reason line (empty: none, and then no seat lines either) and
// a number per seat.
std::string FinalStandingText(const std::string& reasonLine, const int (&numbers)[3],
                              const std::array<std::string, 3>& names);
// The reason line of a match that reached its end, by the match mode (3: none).
std::string MatchEndReason(int matchMode, const std::array<std::string, 3>& names, const int (&balances)[3]);

// The current time in seconds after setting PauseLevel; callers keep it in PlayClock.
std::int64_t StampPauseLevel(int level);
