// Small tests the suit-game and Ramsch strategies share: the next planned lead suit, the Ramsch
// Jack test and the count of suits with low cards.
#include "model/GameTypeLookups.h"
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

bool RamschJackTest(const CPlayer& player, int mode, int value) {
    const int jacks = player.handInfo.JackCount;
    const int held = player.count;
    if (mode == 1) return held - 1 != g_Game.TrumpCount;
    if (mode != 0) return true;
    if (jacks > 0 && value >= 10) {
        if (jacks != g_Game.TrumpCount && AreLowerJacksGone(player, PickRandomJack(player, -1))) return true;
        if (held - 2 == jacks) return false;
    }
    return true;
}

int CountSuitsWithLowCards(const CPlayer& player) {
    if (IsNullGame()) return 0;
    static const int kLowRanks[] = {SEVEN, EIGHT, NINE, TEN, JACK, QUEEN};
    int suits = 0;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank : kLowRanks) {
            if (player.handInfo.RankTable[suit][rank] != -1) {
                ++suits;
                break;
            }
        }
    }
    return suits;
}
