#include "match/MatchEnd.h"

#include "resources/ids.h"

MatchEnd MatchEndOfList(int mode, int games, int maxRounds, int countDown, const int balances[3]) {
    if (mode == 0 && 3 * maxRounds <= games) return {IDS_END_ROUNDS_PLAYED, 3};
    if (mode == 1 && countDown <= 0) return {IDS_END_TIME_EXPIRED, 3};
    if (mode == 2) {
        // A credit is used up when it is below 0, as the end of a game decides it.
        for (int seat = 0; seat < 3; ++seat)
            if (balances[seat] < 0) return {IDS_END_BIERLACHS, seat};
    }
    return {};
}
