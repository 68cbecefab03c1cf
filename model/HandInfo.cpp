#include "model/HandInfo.h"

#include "model/CardCodes.h"

#include <cstring>

void HandInfo::Clear() {
    std::memset(this, 0, sizeof *this);
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 8; ++rank) {
            RankTable[suit][rank] = -1;
            RankTableWithSkat[suit][rank] = -1;
            SmallCards[suit][rank] = -1;
        }
        SmallCards[suit][0] = 0;
    }
    MatadorRun = -4;
    NullSafe = 1;
}

void HandInfo::RemoveCard(int suit, int rank) {
    if (suit < 0 || suit > 3 || rank < 0 || rank > 7) return;
    RankTable[suit][rank] = -1;
    if (rank == JACK) {
        --JackCount;
    } else {
        --SuitCount[suit];
        ++PlayedSuitCount[suit];
    }
    --SuitCountWithJack[suit];
    ++PlayedSuitCountWithJack[suit];
}

int HandInfo::GetTopRank(int suit) const {
    if (suit < 0 || suit > 3) return -1;
    for (int rank : SuitRankList)
        if (RankTableWithSkat[suit][rank] != -1) return rank;
    return -1;
}
