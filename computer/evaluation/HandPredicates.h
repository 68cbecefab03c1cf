#pragma once
// Questions the evaluators ask of a hand-analysis block: how many other suits hold an Ace, an
// Ace and Ten, a guarded Ten ... with enough cards. s is the suit left out (6, Grand, leaves out
// none), n how many suits are needed, limit the minimum SuitCount of a qualifying suit.

#include "model/CardCodes.h"
#include "model/HandInfo.h"

// On the table with the skat; the limit is lowered by every inspected card lying in a skat slot.
bool HasAceCoverInOtherSuits(const HandInfo& info, int s, int n, int limit);   // A
bool HasCoverInOtherSuits3(const HandInfo& info, int s, int n, int limit);     // A K
bool HasCoverInOtherSuits4(const HandInfo& info, int s, int n, int limit);     // A Q K
bool HasTenCoverInOtherSuits(const HandInfo& info, int s, int n, int limit);   // A 10 K
bool HasCoverInOtherSuits(const HandInfo& info, int s, int n, int limit);      // A 10
bool HasCoverInOtherSuits6(const HandInfo& info, int s, int n, int limit);     // 10 Q K
// 10 K; a negative limit also needs the Ace missing (limit taken as its absolute value).
bool HasCoverInOtherSuits2(const HandInfo& info, int s, int n, int limit);
// On the hand table, fixed limit: K.
bool HasCoverInOtherSuits5(const HandInfo& info, int s, int n, int limit);
// On the hand table: 10; limit <= 0 also needs the Ace missing (limit taken as its absolute value).
bool CountHighPatterns(const HandInfo& info, int s, int n, int limit);
// At least n suits whose only card (without Jack) is the Ten.
bool CountSingleSuits(const HandInfo& info, int n);

// Suits other than s (with the skat) holding: the Ace; Ace, Ten and King; Ace and Ten; the Ten.
// Inline: the trick estimator asks them several times for every estimate.
namespace handpredicates {
template <int N>
int CountHolding(const HandInfo& info, int s, const int (&ranks)[N]) {
    int count = 0;
    for (int u = 0; u < 4; ++u) {
        if (u == s) continue;
        bool all = true;
        for (int rank : ranks) all = all && info.RankTableWithSkat[u][rank] >= 0;
        if (all) ++count;
    }
    return count;
}
}  // namespace handpredicates
inline int CountAcesElsewhere(const HandInfo& info, int s) {
    static constexpr int ranks[] = {ACE};
    return handpredicates::CountHolding(info, s, ranks);
}
inline int CountHighElsewhere(const HandInfo& info, int s) {
    static constexpr int ranks[] = {ACE, TEN, KING};
    return handpredicates::CountHolding(info, s, ranks);
}
inline int CountAceTenElsewhere(const HandInfo& info, int s) {
    static constexpr int ranks[] = {ACE, TEN};
    return handpredicates::CountHolding(info, s, ranks);
}
inline int CountTensElsewhere(const HandInfo& info, int s) {
    static constexpr int ranks[] = {TEN};
    return handpredicates::CountHolding(info, s, ranks);
}
