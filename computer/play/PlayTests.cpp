// Small tests the suit-game and Ramsch strategies share: the next planned lead suit, the Ramsch
// Jack test and the count of suits with low cards.
#include "model/Player.h"

#include "model/CardCodes.h"
#include "model/GameState.h"

int CPlayer::NextSuitFromMask() {
    if (partnerTopSuits == 0) return -1;
    for (int suit = 0; suit < 4; ++suit) {
        const int bit = 1 << suit;
        if (!(partnerTopSuits & bit)) continue;
        if (CountInSuit(suit) > 0) return suit;
        partnerTopSuits &= ~bit;
    }
    return -1;
}

bool CPlayer::RamschJackTest(int mode, int value) const {
    const int jacks = handInfo.JackCount;
    const int held = count;
    if (mode == 1) return held - 1 != g_Game.TrumpCount;
    if (mode != 0) return true;
    if (jacks > 0 && value >= 10) {
        if (jacks != g_Game.TrumpCount && AreLowerJacksGone(PickRandomJack(-1))) return true;
        if (held - 2 == jacks) return false;
    }
    return true;
}

int CPlayer::CountSuitsWithLowCards() const {
    if (IsNullGame()) return 0;
    static const int kLowRanks[] = {SEVEN, EIGHT, NINE, TEN, JACK, QUEEN};
    int suits = 0;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank : kLowRanks) {
            if (handInfo.RankTable[suit][rank] != -1) {
                ++suits;
                break;
            }
        }
    }
    return suits;
}
