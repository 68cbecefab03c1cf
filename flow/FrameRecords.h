#pragma once
// The main frame's state, one record per part of the game and of the window. Each record is written
// by the code of its own part; every other part reads it through the frame's const accessor.

#include "flow/GameRecord.h"
#include "flow/GameSnapshot.h"
#include "platform/core/Menu.h"
#include "platform/core/StatusBar.h"
#include "platform/core/Window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class Dialog;
}

// The tool bar: the command ids of its buttons in order, 0 for a separator. The update function
// decides which are enabled, as for the menu.
struct CToolBar {
    std::vector<int> buttons;
    bool Load(int resourceId);
    bool IsLoaded() const { return !buttons.empty(); }
};

// Where the table and its rows stand on the screen (the frame's table layout).
struct TableLayout {
    int DesktopWidth = 0, DesktopHeight = 0;
    int TableTop = 0;  // 0 until LayoutFrame has run; the notice line is not drawn meanwhile
    int DialogLine13 = 0, DialogLine11 = 0;
    int PromptBandHeight = 0;
    int BalloonX = 0, BalloonY = 0;
    int LayoutX = 0, LayoutY = 0;
    int NoticeX = 0, NoticeY = 0;
    int CardStepX = 0, RowStepY = 0;
    int BorderWidth = 0, BorderHeight = 0;
    int MinWindowWidth = 0, MinWindowHeight = 0;
    int TableWidth = 0, TableHeight = 0;
    int IdealWidth = 0, IdealHeight = 0;
    platform::Rect WindowRect;  // RectMain; right 0 = none stored
};

// The auction: the bar's focus and the three hands' limits.
struct AuctionState {
    // The auction bar's button that the next tick focuses.
    int FocusButton = 0;
    // The last step up of the bid could not raise it (the top of the ladder): nobody bids above.
    int BidAtTop = 0;
    int BidLimits[3] = {0, 0, 0};
};

// The declaration: the game suggested to the person and the skat swap pause.
struct DeclarationState {
    // The game suggested to the person as declarer (record 0..8 of his game options, -1 none) and
    // its announcements (1 Schneider, 2 Schwarz, 4 Ouvert).
    int SuggestedGame = -1;
    int SuggestedAnnouncements = 0;
    // The skat's open flag at the start of an exchange, the slide of the swap and the resume bar.
    int SkatOpenSaved = 0;
    int SwapAnimation = 3;
    int ResumeSwapOpen = 0;
    int SwapPausePending = 0;  // the skat swap pause pumps messages
};

// The Ramsch rounds: the pushes of the skat, the result and the Grand Hand offer's answer.
struct RamschState {
    int RamschPushCount = 0;  // the skat was pushed on this often in the Ramsch game
    int RamschResultSeats[2] = {3, 3};
    // The Grand Hand offer's kept Durchmarsch answer for the person.
    int GrandHandDurchmarsch = 0;
    // The skat suggestion is moving cards (its slides wait for the clock): a second suggestion
    // waits for none, and a push of the skat asked for meanwhile follows once the cards lie.
    int SkatSuggestionRunning = 0;
    int PushAfterSuggestion = 0;
};

// An exchange of cards on the table, by mouse or keyboard.
struct ExchangeState {
    // The groups that take part (1 skat, 2/4/8 seats 0/1/2), each group's picked card, the
    // keyboard's first and last group.
    int ActiveGroups = 0;
    int GroupPickedCards[4] = {0, 0, 0, 0};
    int KeyGroupFirst = 1, KeyGroupLast = 8;
    int DragCard = 0;  // the card a drag of an exchange carries, 0 none
    int KeyGroup = 1, KeyGroupMask = 7;
    // The lower focus (2/3 seat 0, 4/5 seat 1, 6/7 the person; even: that row has a raised card)
    // and whether Left and Right act on the upper one.
    int KeyFocusLowerGroup = 7;
    int KeyFocusUpperActive = 0;
};

// The ten tricks: the play's steps, the person's choice, undo and redo, the last trick and course.
struct TrickPlayState {
    int PlayStep = 0;
    // OnPlay's steps run: a computer's choice may wait inside them (the give-up question).
    int PlayRunning = 0;
    int SelectedSlot = -1;  // the person's chosen slot for the keyboard play, -1 none
    // The card last highlighted for the support voice, 0 none.
    int HighlightedCard = 0;
    int HistoryPosition = 0, RedoLimit = 0;
    int SparePosition = -1;  // the trick in which the spare record 11 was written, -1 none
    GameSnapshot History[12];
    int LastTrickAvailable = 0;
    int CourseRequested = 0, CourseAvailable = 0, CourseShown = 0;
    int AutoComplete = 0;
};

// The open prompt bar and its three typed slots (each the prompt's handle or null), and the modal
// message of the game. Handles, not objects: a record of a destroyed window is stale and IsWindow
// says so.
struct PromptState {
    HWND PromptDialog = nullptr;
    HWND ContinuePrompt = nullptr;
    HWND KontraPrompt = nullptr;
    HWND RamschSkatPrompt = nullptr;
    // The open prompt that minimising the frame hid; restoring or maximising shows it again while it
    // is still the open prompt.
    HWND PromptHiddenByMinimise = nullptr;
    // The modal message DoModalDialog runs: the dialog lives in its caller's frame for exactly as
    // long as it is recorded here, and its handle is null once it is destroyed.
    platform::Dialog* RunningMessage = nullptr;
};

// The frame's window: its bars, menu and child windows, the table's layout and the cards' growths.
struct TableState {
    CToolBar ToolBar;
    platform::StatusBar StatusBar;
    std::unique_ptr<platform::Menu> MainMenu;
    TableLayout Layout;
    platform::Rect MainRect;  // the frame's rectangle kept for RectMain
    // The cards' layout growths at the current zoom (LayoutTable reads them).
    int GrowthW = 0, GrowthH = 0;
    platform::Point TrickCentre;
    HWND TableWindow = nullptr;
    HWND StatusBarWindow = nullptr;
    HWND ToolBarWindow = nullptr;
    int WindowResized = 0;
};

// The flow's run and the frame's close: steps under way, the busy step, the close requests.
struct RunState {
    // The person already agreed to close (the language switch asked): the close asks no more.
    int CloseConfirmed = 0;
    int ExitRequested = 0;
    int Destroying = 0;
    // From the view's first erase, which brings the table to life, until the close lets it go or
    // the frame goes: meanwhile the program's hooks reach this frame.
    int TableAlive = 0;
    int CloseDeferred = 0;  // a close arrived during a nested wait; done once it has unwound
    int BusyFlag = 0;       // a computer's auction or Ramsch step runs: a close request is dropped
    int StepDepth = 0;      // steps of the flow running (nested) right now
};
