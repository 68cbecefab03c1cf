#pragma once
// Small services of the main frame over the game record. CMainFrame's members of the same names
// forward to these.

// After each game: the next seat becomes Leader and Forehand; a GameType stored negated by a
// Bock-to-Ramsch hand-over is made positive again (-1, no game, stays).
void NextForehand();
// SkatHolderSeat moves to the next seat.
void RotatePickup();
// TurnSeat moves to the next seat, which is returned.
int RotateTurn();
