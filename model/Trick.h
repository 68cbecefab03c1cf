#pragma once
// CTrick: a row of the trick family (the trick on the table, the last trick, the course rows).
// The trick on the table holds the card of seat s in slot s; Valuate and ControlTrump are the
// trick rules applied when it is complete.

#include "model/Cards.h"

class CPlayer;

class CTrick : public CCards {
public:
    CTrick(const std::string& name, int capacity, bool open, bool fixedPlaces);

    void Clear() override { Reset(); }
    // Clears the row, takes every present card's picture off the table, count 0.
    void Reset();

    // The players in seat order, for the winner's bookkeeping (set by the game object).
    void SetPlayers(CPlayer* seat0, CPlayer* seat1, CPlayer* seat2);

    // Decides the winner of the complete trick (lead card in the slot of TrickWinner), books the
    // card points to his party and makes him TrickWinner and TurnSeat. False only when the soloist
    // of a Null or Revolution game takes the trick.
    bool Valuate();
    // After Valuate: marks defenders free of trumps (or of Jacks in Grand) where the trick shows
    // it. refCard is the highest trump still out as the leader saw it, or -1.
    void ControlTrump(int refCard);

    CPlayer* players[3] = {nullptr, nullptr, nullptr};
};

// Tricks won by a party ([0] soloist, [1] defenders; in Ramsch per seat); -1 gives all tricks.
int GetTrickCount(int party);
// Start-of-game resets of TrickLeadCounts and LedSuitBySeat.
void ClearTrickCounters();
void ClearLedSuits();
