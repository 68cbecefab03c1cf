#pragma once
// The game the trick estimation window shows for its player: the most probable of his game options.

#include "computer/evaluation/GameOption.h"

// The best option by win probability: Clubs when it is playable with a probability above 0, else
// Diamonds with 0; Spades to Diamonds win when strictly more probable, Null to Durchmarsch when at
// least as probable (the later one on a tie). An option is playable when its base value is above 0.
int BestEstimatedGame(const int (*options)[OPT_FIELD_COUNT]);
