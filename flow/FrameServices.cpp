#include "flow/FrameServices.h"

#include "model/GameState.h"
#include "model/CardCodes.h"

void NextForehand() {
    g_Game.Leader = (g_Game.Leader + 1) % 3;
    g_Game.Forehand = g_Game.Leader;
    // A Bock-to-Ramsch hand-over stores the game type negated; -1 means no game and stays.
    if (g_Game.GameType < -1) g_Game.SetGameTypeKeepingTrumps(-g_Game.GameType);
}

void RotatePickup() { g_Game.SkatHolderSeat = NextSeat(g_Game.SkatHolderSeat); }

int RotateTurn() {
    g_Game.TurnSeat = NextSeat(g_Game.TurnSeat);
    return g_Game.TurnSeat;
}
