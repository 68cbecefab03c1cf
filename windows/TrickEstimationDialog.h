#pragma once
// CTrickEstimationDialog: the panel at the top of the trick estimation window. The person chooses
// the player whose evaluation is shown and the game view, switches Auto (follow the current game
// type), opens the legend and switches the window between compact and full size; the panel shows
// the flow state and the shown player's phase. Showing an opponent's evaluation marks the game with
// the manipulation mark 0x200 once the person confirms it.

#include "platform/core/Dialog.h"

#include <string>

class CPlayer;
class CTrickEstimation;

class CTrickEstimationDialog : public platform::Dialog {
public:
    // The window and the addresses of its shown player, Auto flag and view.
    CTrickEstimationDialog(CTrickEstimation& window, const CPlayer** player, int* autoFlag, int* view);

    // Creates the panel, modeless, a child at the top of the window's client.
    bool CreatePanel();

    // Empties the player combo, inserts the three seats' names, selects the remembered seat and
    // shows its phase (every paint calls it).
    void FillPlayerCombo();
    // Moves the panel with the sheet: its top-left corner at the client point (x, y).
    void MoveTo(int x, int y, int width, int height);
    void SetPhaseText(const std::string& text);

    // The handlers of the panel's controls.
    void OnSelchangeGame();
    void OnSelchangePlayer();
    void OnAuto();
    void OnLegend();
    void OnCompact();
    void OnFullSize();

    bool AutoChecked() const;
    // The game combo's selection (-1 none) and the player combo's (-1 none).
    int SelectedView() const;
    void SelectView(int view);
    int SelectedSeat() const;

    // The seat the estimation window remembers: bits 4-7 of View/Player, kept within 0..2.
    static int RememberedSeat();
    static void RememberSeat(int seat);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    // The panel is never ended: Enter and Escape press the Legend button (the cancel id).
    void OnOK() override {}
    void OnCancel() override {}

private:
    // Asks whether the seat's evaluation may be shown; true on Yes.
    bool AskReveal(int seat);
    void ShowPlayer(int seat);

    CTrickEstimation& window;
    const CPlayer** player;
    int* autoFlag;
    int* view;
    bool initialised = false;
};
