#pragma once
// CFramePanels: the windows beside the table, for the frame. The four game information panels
// (the annotation, the game data, the game value and the game status), the side windows of the
// View menu, the trick estimation window's game and the lock word of the two windows that may show
// an opponent's hidden cards. It owns the panels record (flow/PanelState.h) and is the only writer
// of it; the frame owns one, its View menu rows run its toggles and every other part asks it
// through its methods. Its steps open and close windows of the shell (shell/Panels*.cpp,
// shell/SideWindowToggle.cpp).

#include "flow/PanelState.h"

#include <string>

class CMainFrame;
class CSkat;
class CModelessDialog;
class CTrickEstimation;
struct CSideWindowRow;

class CFramePanels {
public:
    CFramePanels(CMainFrame& frame, CSkat& game);
    CFramePanels(const CFramePanels&) = delete;
    CFramePanels& operator=(const CFramePanels&) = delete;

    // The record, for reading; the frame's Panels() gives the same.
    const PanelState& Record() const { return panels_; }

    // --- The game information panels beside the table (shell/PanelsGame.cpp, -------------------
    // shell/PanelsOpen.cpp) -----------------------------------------------------------------------
    // The game-value panel follows the bid on the table.
    void UpdateGameValueBid();
    // reset: the status shown becomes unknown; collect: the chosen seat's status is taken anew.
    void ShowGameStatusDialog(int reset = 0, int collect = 1);
    // The side windows the marks look at, until they are built: the game-status window's state
    // and the legend's repaint.
    bool GameStatusWindowOpen() const;
    // The status panel has shown no opponent in this game (a fresh deal, a game begun without it).
    void ForgetStateWindowUse();
    void ShowDataDialog(int reset, int collect);
    // The open game data panel names the winner of the last trick.
    void ShowTrickWinner();
    void ShowAnnotationDialog();
    // The open information panel that a close command (CM_CLOSE_ANNOTATION ...) closes, or nullptr.
    HWND PanelWindow(int closeCommand) const;
    void ShowGameValueDialog();
    // The View menu's toggles: an open panel closes through its close command, a closed one opens.
    void OnListAnnotation();
    void OnListData();
    void OnListGameValue();
    void OnListState();
    // The close commands: the panel's place is stored, its View flag cleared, its window destroyed.
    void CloseAnnotationWindow();
    void CloseDataWindow();
    void CloseGameValueWindow();
    void CloseStateWindow();
    // The status panel shows an opponent: the game is marked, the panel refreshed.
    void OnUncoverState();
    // The panels' windows go (the frame's own end: flags and places stay as they are).
    void DestroyPanels();
    // A match ended by time: the open data panel shows the time left.
    void ShowDataPanelClock();
    // The person's note stays when its panel closes (the frame's start).
    void KeepAnnotationOnClose();
    // A loaded game's note: the open panel is closed and opened again on the loaded text.
    void RenewAnnotationAfterLoad(const std::string& keptText);
    // A fresh deal empties the note; a listed panel is closed and, unless notes open by themselves,
    // opened again.
    void RenewAnnotationForDeal();

    // --- Side windows of the View menu (shell/SideWindowToggle.cpp) ------------------------------
    // The row's command: an open window closes storing its place, a closed one opens at it.
    void ToggleSideWindow(const CSideWindowRow& row);
    // Opens the row's window at its stored place (no flag changes); its handle or nullptr.
    HWND OpenSideWindow(const CSideWindowRow& row);
    // Stores the open window's place and closes it (no flag changes).
    void CloseSideWindow(const CSideWindowRow& row);
    // The open window of a row's command, or nullptr.
    HWND SideWindow(int command) const;
    // A side window's close box: while its View flag is set, it closes through its command (which
    // stores its place and clears the flag); true then. False: the window closes by itself.
    bool RouteSideWindowClose(int command);
    // The end of the program closes the open side windows in the table's order (not the log).
    void CloseSideWindowsAtExit();
    // The start reopens the panels and side windows that were open at the last exit, then the log.
    void ReopenSideWindows();

    // --- The trick estimation window's game (flow/EstimatedGame.cpp) -----------------------------
    // Puts the open trick estimation window on its player's best game.
    void SelectEstimatedGame();
    CTrickEstimation* TrickEstimationWindow() const;
    // The open trick estimation window shows the game as it now stands; the seat form only when
    // the window follows the game and shows that seat.
    void RefreshEstimation();
    void RefreshEstimationOf(int seat);
    // After the person changed cards with the skat: the window, when it follows the game and shows
    // the person, goes to his most valuable game and repaints.
    void RefreshEstimationAfterExchange();

    // --- The lock word (flow/SmallServices.cpp) --------------------------------------------------
    // Bit 1 the game-status panel, bit 2 the trick estimation window: mode 2 clears the bit, -1
    // changes nothing, any other sets it. Whether any bit is set.
    bool LockFlag(int which, int mode);

private:
    // The steps every information panel opens and closes by (shell/PanelsOpen.cpp): the View flag
    // and menu check, the frame's small icon, the stored place, shown, kept, the focus back to the
    // frame, the trace line (nothing for a panel that could not be made); and place stored, View
    // flag cleared (not at the program's end), window destroyed.
    void OpenPanel(CModelessDialog* panel, int closeCommand);
    void ClosePanel(int closeCommand);

    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    PanelState panels_;
};
