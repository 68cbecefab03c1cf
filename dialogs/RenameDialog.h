#pragma once
// CRenameDialog: the name of the current game file (kind 0) or match list file (kind 1), with the
// "&Standard" button stepping through proposed names: empty, the person's own name, and for a game
// the name built from its course (BuildDefaultName), for a match the variant, the match mode and
// the card deck.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/SettingsDialogBase.h"

// What the default name of a game is built from.
struct GameNameFacts {
    int seat = 3;               // the seat the name is built for; 3 none
    int gameType = 0;           // 0-3 suits, 4 Null, 5 Revolution, 6 Grand, 7 Ramsch
    bool hand = false, ouvert = false, grandHandInsteadOfRamsch = false;
    bool schneiderAnnounced = false, schwarzAnnounced = false;
    bool kontra = false, rekontra = false;
    int kontraSeat = 3;
    bool inPlay = false;        // the game is still being played
    int soloistTricks = 0, soloistPoints = 0;
    int leader = 0;             // the game's forehand
    std::array<int, 3> tricks{};     // Ramsch: tricks per seat
    std::array<bool, 3> passedOn{};  // Ramsch: the seat passed the skat on
    std::array<std::string, 3> positionNames;  // forehand, middlehand, rearhand in the edition's words
};

// The facts of the game on record (the global game record and the frame's flags) for `seat`.
GameNameFacts CurrentGameNameFacts(int seat);

class CRenameDialog : public CSettingsDialogBase {
public:
    static constexpr int kName = 1056;
    static constexpr int kGameCaption = 41013, kMatchCaption = 41017;
    // Accepts a name for the kind (keeping or checking its ending), or beeps and refuses it.
    using NameCheck = std::function<bool(int kind, std::string& name)>;

    // `gameOnRecord`: a finished game's course is still on record (a game name can be built).
    CRenameDialog(int kind, std::string fileTitle, bool gameOnRecord, NameCheck check = {});

    bool OnInitDialog() override;
    void OnOK() override;
    void OnStandard() override;

    // The name of a finished or running game from its facts ("C1GdHdVh"); empty for no seat.
    static std::string BuildDefaultName(const GameNameFacts& facts);

    // The name OK accepted.
    std::string Name;

private:
    int kind;
    std::string fileTitle;
    bool gameOnRecord;
    NameCheck check;
    std::string userName;
    std::vector<std::string> candidates;  // the generated ones, by cycle position from 2
    int nextPosition = 0;
};
