#pragma once
// CStateDialog: the game status panel. For the chosen seat (the low four bits of View/Player) it
// shows the seat's role, the game and a grid of what is known about trumps and the four suits
// outside his hand. The frame stores the snapshot before it opens or refreshes the panel.
// Showing an opponent's status reveals hidden cards: the person is asked once, and a revealed
// status marks the game.

#include <array>

#include "dialogs/HelpToggle.h"
#include "dialogs/ModelessDialog.h"

struct GameStatusRecord;

// The 25 words of the status record, rows trump, Clubs, Spades, Hearts, Diamonds; -1 unknown.
using GameStatusSnapshot = std::array<int, 25>;
GameStatusSnapshot EmptyGameStatusSnapshot();
GameStatusSnapshot ToSnapshot(const GameStatusRecord& record);

class CStateDialog : public CModelessDialog {
public:
    static constexpr int kTemplateId = 188;
    static constexpr int kPlayer = 1056, kTitle = 1046, kGame = 1022;
    static constexpr std::array<int, 5> kHeads{1071, 1052, 1049, 1050, 1051};
    // The grid by row (trump, Clubs, Spades, Hearts, Diamonds), in the order of the heads.
    static constexpr std::array<std::array<int, 5>, 5> kGrid{{{1020, 1025, 1040, 1035, 1030},
                                                              {1021, 1026, 1041, 1036, 1031},
                                                              {1055, 1027, 1042, 1037, 1032},
                                                              {1023, 1028, 1043, 1038, 1033},
                                                              {1024, 1029, 1044, 1039, 1034}}};

    CStateDialog();

    // The snapshot the panel shows (kept for the panel's next opening).
    static void StoreSnapshot(const GameStatusSnapshot& snapshot);
    // The seat whose status is shown (View/Player, bits 0-3).
    static int ChosenSeat();

    // Fills the panel for the chosen seat.
    void UpdateFields();

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;

private:
    // Another seat was chosen in the list.
    void OnSelchangePlayer();
    // The reveal question for `seat`; true when the person agrees.
    bool AskReveal(int seat);

    CHelpToggle help;
};
