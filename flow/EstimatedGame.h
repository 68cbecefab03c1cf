#pragma once
// The game the trick estimation window shows for its player: the most probable of his game options,
// or after the person's exchange with the skat the most valuable.

#include "computer/evaluation/GameOption.h"

// The best option by one field (the win probability, or the value): Clubs when it is playable with
// the field above 0, else Diamonds with 0; Spades to Diamonds win when strictly higher, Null to
// Durchmarsch when at least as high (the later one on a tie). An option is playable when its base
// value is above 0.
int BestEstimatedGame(const int (*options)[OPT_FIELD_COUNT], int field = OPT_PROBABILITY);
