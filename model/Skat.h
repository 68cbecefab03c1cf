#pragma once
// CSkat: the game object, owned by the main frame for the whole run. It is itself the two-card
// skat and owns the three players in seat order, the trick on the table, the last trick and the
// rows of the game course.

#include "model/Player.h"
#include "model/Trick.h"

#include <string>

// A fault of the card invariant: the card concerned (NO_CARD when the fault is a count) and
// what is wrong, in words for the trace.
struct CardFault {
    int card = -1;
    std::string text;
    explicit operator bool() const { return !text.empty(); }
};

class CSkat : public CCards {
public:
    CSkat();

    // Deals the skat and marks both cards as lying in the skat (CARD_IN_SKAT).
    void Deal() override;
    void Restore(bool fromDealt) override;

    // The player of a seat 0..2; nullptr for any other value. Inline: every card of the play
    // asks it.
    CPlayer* Player(int seat) {
        switch (seat) {
            case 0: return &computer0;
            case 1: return &computer1;
            case 2: return &person;
            default: return nullptr;
        }
    }
    const CPlayer* Player(int seat) const { return const_cast<CSkat*>(this)->Player(seat); }
    // A copy of the row name of a seat: "Comp1", "Comp2", "Person"; the skat's (empty) otherwise.
    std::string GetPlayerName(int seat) const;

    // The card invariant. The 32 cards each lie in exactly one place: a hand (with the two
    // entries behind it while the player holds the skat), the skat, the trick on the table, or
    // the tricks taken, which are the cards in none of these rows. Outside play no trick is
    // taken. In play the tricks taken are whole tricks, as many as the parties counted, and their
    // card points are the points booked, so that all places add up to 120 (a complete trick on
    // the table may be booked already; the soloist's count may begin with the skat's points).
    // Answers the first fault found; an empty text when the cards are sound.
    CardFault FindCardFault() const;
    // Checked after every step that moves cards, in debug and test builds: a fault is traced and
    // reported as an internal error of "Skat". Release builds (NDEBUG) skip it.
    void CheckCardInvariant() const;

    CComputer computer0;
    CComputer computer1;
    CPerson person;
    CTrick trick;        // slot = seat, three fixed places
    CTrick lastTrick;    // the previous trick, slot = seat
    CTrick courseSkat;   // the skat in the game-course display
    CTrick courseRows[3];  // cards played by each seat, for the game course
};
