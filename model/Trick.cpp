#include "model/Trick.h"

#include "model/GameState.h"
#include "model/CardKnowledge.h"

CTrick::CTrick(const std::string& rowName, int rowCapacity, bool isOpen, bool isFixed)
    : CCards(rowName, rowCapacity, isOpen, isFixed) {}

void CTrick::Reset() {
    // The pictures go first: once the slots are cleared nothing would tell which to take off.
    RemoveCards(true);
    CCards::Clear();
    count = 0;
}

void CTrick::SetPlayers(CPlayer* seat0, CPlayer* seat1, CPlayer* seat2) {
    players[0] = seat0;
    players[1] = seat1;
    players[2] = seat2;
}

int GetTrickCount(int party) {
    if (party == -1) return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2];
    if (party < 0 || party > 2) return 0;
    return g_Game.PartyTricks[party];
}

void ClearTrickCounters() {
    for (int& counter : g_Knowledge.TrickLeadCounts) counter = 0;
}

void ClearLedSuits() {
    for (int& suit : g_Knowledge.LedSuitBySeat) suit = -1;
}
