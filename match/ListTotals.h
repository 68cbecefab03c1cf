#pragma once
// Booking a game into the match's game list, and the two per-seat figures derived from it: the list
// totals (the scores each seat made) and the balances (what is left of each seat's start credit).
// Both are recomputed over the whole list after a list was read, and updated for the last game
// after each game, which keeps them equal to a recomputation.
//
// The game's facts come from g_Game (GameType, Soloist, Leader); the Ramsch second loser is the
// frame's, so the caller hands it over (3 when only one player lost).

#include <string>

// Appends the game just counted (g_Game.GameCount already includes it) as game GameCount: the
// forehand, the declarer's mark (5 for the third player of a Ramsch game lost by two), the score
// and the first 23 characters of the text.
void AddGameToList(int score, const std::string& text, int secondLoser);
// The totals from 0 over every listed game.
void ComputeListTotals();
// The balances from the start credit (Game/MaxCredit) over every listed game.
void ComputeBalances();
// Add the last listed game, as the game globals still describe it.
void UpdateTotalsForLastGame(int secondLoser);
void UpdateBalancesForLastGame(int secondLoser);
// A new match: totals 0, balances the start credit, no recomputation.
void ResetListTotals();
