#pragma once
// CSkat: the game object, owned by the main frame for the whole run. It is itself the two-card
// skat and owns the three players in seat order, the trick on the table, the last trick and the
// rows of the game course.

#include "model/Player.h"
#include "model/Trick.h"

class CSkat : public CCards {
public:
    CSkat();

    // Deals the skat and marks both cards as lying in the skat (PlayedCardTable -2).
    void Deal() override;
    void Restore(bool fromDealt) override;

    // The player of a seat 0..2; nullptr for any other value.
    CPlayer* Player(int seat);
    const CPlayer* Player(int seat) const;
    // A copy of the row name of a seat: "Comp1", "Comp2", "Person"; the skat's (empty) otherwise.
    std::string GetPlayerName(int seat) const;
    // Deals the three hands and the skat from a cleared DeckTable (the deal of a new game).
    void DealAll();

    CComputer computer0;
    CComputer computer1;
    CPerson person;
    CTrick trick;        // slot = seat, three fixed places
    CTrick lastTrick;    // the previous trick, slot = seat
    CTrick courseSkat;   // the skat in the game-course display
    CTrick courseRows[3];  // cards played by each seat, for the game course
};
