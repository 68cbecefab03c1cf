#include "computer/evaluation/HandPredicates.h"

#include "model/CardCodes.h"

#include <cstdlib>

namespace {

// The shared walk: the other suits in index order; a suit qualifies when all ranks are held
// (and, with aceMissing, the Ace is not) and its SuitCount reaches the limit. With lowered, the
// limit drops by one for every inspected card lying in a skat slot, carried to later suits.
bool Covers(const HandInfo& info, int s, int n, int limit, const int* ranks, int rankCount, bool withSkat,
            bool lowered, bool aceMissing) {
    if (n <= 0) return true;
    const auto& table = withSkat ? info.RankTableWithSkat : info.RankTable;
    int found = 0;
    for (int u = 0; u < 4; ++u) {
        if (u == s) continue;
        bool all = true;
        for (int k = 0; k < rankCount; ++k) {
            const int slot = table[u][ranks[k]];
            if (lowered && slot >= 10) --limit;
            if (slot < 0) all = false;
        }
        if (aceMissing && table[u][ACE] >= 0) all = false;
        if (all && info.SuitCount[u] >= limit && ++found >= n) return true;
    }
    return false;
}

}  // namespace

bool HasAceCoverInOtherSuits(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {ACE};
    return Covers(info, s, n, limit, ranks, 1, true, true, false);
}

bool HasCoverInOtherSuits3(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {ACE, KING};
    return Covers(info, s, n, limit, ranks, 2, true, true, false);
}

bool HasCoverInOtherSuits4(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {ACE, QUEEN, KING};
    return Covers(info, s, n, limit, ranks, 3, true, true, false);
}

bool HasTenCoverInOtherSuits(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {ACE, TEN, KING};
    return Covers(info, s, n, limit, ranks, 3, true, true, false);
}

bool HasCoverInOtherSuits(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {ACE, TEN};
    return Covers(info, s, n, limit, ranks, 2, true, true, false);
}

bool HasCoverInOtherSuits6(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {TEN, QUEEN, KING};
    return Covers(info, s, n, limit, ranks, 3, true, true, false);
}

bool HasCoverInOtherSuits2(const HandInfo& info, int s, int n, int limit) {
    // The Ace is inspected too (lowering the limit when it lies in the skat); it must be missing
    // only for a negative limit.
    if (n <= 0) return true;
    const bool aceMissing = limit < 0;
    int lim = std::abs(limit);
    int found = 0;
    for (int u = 0; u < 4; ++u) {
        if (u == s) continue;
        const int ace = info.RankTableWithSkat[u][ACE];
        const int ten = info.RankTableWithSkat[u][TEN];
        const int king = info.RankTableWithSkat[u][KING];
        if (ace >= 10) --lim;
        if (ten >= 10) --lim;
        if (king >= 10) --lim;
        const bool ok = ten >= 0 && king >= 0 && (!aceMissing || ace < 0);
        if (ok && info.SuitCount[u] >= lim && ++found >= n) return true;
    }
    return false;
}

bool HasCoverInOtherSuits5(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {KING};
    return Covers(info, s, n, limit, ranks, 1, false, false, false);
}

bool CountHighPatterns(const HandInfo& info, int s, int n, int limit) {
    static constexpr int ranks[] = {TEN};
    return Covers(info, s, n, std::abs(limit), ranks, 1, false, false, limit <= 0);
}

bool CountSingleSuits(const HandInfo& info, int n) {
    int found = 0;
    for (int u = 0; u < 4; ++u)
        if (info.RankTable[u][TEN] >= 0 && info.SuitCount[u] == 1) ++found;
    return found >= n;
}
