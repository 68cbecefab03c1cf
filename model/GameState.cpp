#include "model/GameState.h"

CGameState g_Game;

void CGameState::ResetForDeal() {
    GameType = 0;
    TrumpCount = 11;
    HandAnnounced = 0;
    EarlyFaceUp = 0;
    CourseTricks = 10;
}

void CGameState::ResetForGame() {
    Soloist = 3;
    GameEndFlags = 2;
    PauseLevel = 1;
    StopFlag = StopState::Running;
    SkatHolderSeat = Forehand;
    for (int& text : PlayerPhaseText) text = 200;
}

void CGameState::ResetKontra() {
    KontraState = KONTRA_NONE;
    KontraSeat = 3;
}

void CGameState::ResetAuction() {
    BidIndex = 0;
    PendingRaise = 0;
    for (unsigned char& bid : HasBid) bid = 0;
}

void CGameState::SetGameType(int type) {
    GameType = type;
    TrumpCount = type < 4 ? 11 : 4;
}

void CGameState::SetGameTypeWithTrumps(int type, int trumpCount) {
    GameType = type;
    TrumpCount = trumpCount;
}

void CGameState::SetGameTypeKeepingTrumps(int type) { GameType = type; }
