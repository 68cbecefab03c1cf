#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"

#include "computer/evaluation/DiscardPlanner.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

#include <vector>

using namespace discard;

namespace {

// Null walk of a suit, highest first; the Jack is a plain card of its suit.
constexpr int kNullWalk[8] = {ACE, KING, QUEEN, JACK, TEN, NINE, EIGHT, SEVEN};
// Durchmarsch walk, lowest first, without the Jack.
constexpr int kDurchmarschWalk[7] = {SEVEN, EIGHT, NINE, QUEEN, KING, TEN, ACE};

std::vector<int> HeldInWalk(const HandInfo& info, int s, const int* walk, int length) {
    std::vector<int> ranks;
    for (int i = 0; i < length; ++i)
        if (info.Holds(s, walk[i])) ranks.push_back(walk[i]);
    return ranks;
}

bool IsAceOfFourCardSuit(const CPlayer& player, int index) {
    const int s = SuitAt(player, index);
    return s >= 0 && RankAt(player, index) == ACE && player.handInfo.SuitCountWithJack[s] == 4;
}

}  // namespace

namespace {

// The candidates of one suit s of n cards (the Jack a plain card): blanks without the Seven,
// doubletons, and longer suits by their low cards.
void ListNullSuit(const CPlayer& player, DiscardPlannerBlock& b, int s, int n) {
    const HandInfo& info = player.handInfo;
    auto entry = [&](int rank) {
        const int index = Slot(info, s, rank);
        return DiscardEntry{index, DiscardOrderScore(player, index)};
    };
    const auto ranks = HeldInWalk(info, s, kNullWalk, 8);
    auto has = [&](int rank) { return info.Holds(s, rank); };
    auto top = [&] { return entry(ranks[0]); };
    auto topPair = [&](DiscardPair* list, int& listCount) {
        AddPair(list, listCount, entry(ranks[0]), entry(ranks[1]));
    };
    auto single = [&](DiscardEntry* list, int& listCount, DiscardEntry e) {
        AddSingle(list, listCount, e.Index, e.Score);
    };
    const bool seven = has(SEVEN), eight = has(EIGHT), nine = has(NINE), ten = has(TEN), jack = has(JACK);
    if (n == 1) {
        if (!seven) single(b.Singles1, b.Singles1Count, top());
    } else if (n == 2 && !seven) {
        topPair(b.Pairs1, b.Pairs1Count);
    } else if (n == 2) {
        if (!eight && !nine) single(b.Singles2, b.Singles2Count, top());
    } else if (!seven) {
        const bool twoOfThree = (nine && ten) || (nine && jack) || (ten && jack);
        if ((n == 3 && eight && (nine || ten)) || (n == 4 && eight && twoOfThree))
            single(b.Singles3, b.Singles3Count, top());
        else topPair(b.Pairs2, b.Pairs2Count);
    } else if (!eight && !nine) {
        topPair(b.Pairs2, b.Pairs2Count);
    } else if (nine && !eight && !ten && !jack && n <= 4) {
        if (n == 4) topPair(b.Pairs3, b.Pairs3Count);
        else single(b.Singles3, b.Singles3Count, top());
    } else if (nine && !eight && n == 4 && has(ACE)) {
        single(b.Singles3, b.Singles3Count, {Slot(info, s, ACE), 5});
    } else if (eight && !nine && !ten && !jack && n <= 4) {
        if (n == 4) topPair(b.Pairs2, b.Pairs2Count);
        else single(b.Singles3, b.Singles3Count, top());
    } else if (eight && n == 4 && has(ACE)) {
        single(b.Singles3, b.Singles3Count, {Slot(info, s, ACE), 5});
    }
}

// Steps 1 and 2: an Ace of a four-card suit among the middle singles goes; v the candidate count.
void DropTheFourCardAce(const CPlayer& player, DiscardPlannerBlock& b, int& v) {
    // Step 1: of two middle singles, an Ace of a four-card suit goes.
    if (v > 2 && b.Singles3Count == 2) {
        for (int i = 0; i < 2; ++i) {
            if (!IsAceOfFourCardSuit(player, b.Singles3[i].Index)) continue;
            if (i == 0) b.Singles3[0] = b.Singles3[1];
            b.Singles3Count = 1;
            --v;
            break;
        }
    }
    // Step 2: a lone middle single that is a four-card suit's Ace: it goes beside doubletons; without
    // them a blank Eight goes instead.
    if (b.Singles3Count == 1 && v > 2 && IsAceOfFourCardSuit(player, b.Singles3[0].Index)) {
        if (b.Pairs1Count == 0 && b.Pairs2Count == 0 && b.Pairs3Count == 0) {
            if (b.Singles1Count == 1 && RankAt(player, b.Singles1[0].Index) == EIGHT) b.Singles1Count = 0;
        } else {
            b.Singles3Count = 0;
        }
    }
}

// Step 5: beside one pair of the second list without the Seven, the middle singles that score
// above its top card or lack their Seven stay; v becomes their count.
void MiddleSinglesAgainstThePair(const CPlayer& player, DiscardPlannerBlock& b, int& v) {
    if (b.Singles3Count == 0 || b.Pairs2Count != 1) return;
    const HandInfo& info = player.handInfo;
    const int pairSuit = SuitAt(player, b.Pairs2[0].First.Index);
    if (info.Holds(pairSuit, SEVEN)) return;
    const int o = b.Pairs2[0].First.Score;
    int kept = 0;
    for (int i = 0; i < b.Singles3Count; ++i) {
        const DiscardEntry e = b.Singles3[i];
        const int s = SuitAt(player, e.Index);
        if (DiscardOrderScore(player, e.Index) > o || !info.Holds(s, SEVEN)) b.Singles3[kept++] = e;
    }
    b.Singles3Count = kept;
    v = kept;
}

}  // namespace

void CDiscardPlanner::PlanDiscardNull() {
    const HandInfo& info = me.handInfo;
    DiscardPlannerBlock& b = Block();
    for (int s = 0; s < 4; ++s) {
        const int n = info.SuitCountWithJack[s];
        if (n == 0) continue;
        ListNullSuit(me, b, s, n);
    }

    int v = b.Singles1Count + b.Singles2Count + b.Singles3Count + 2 * (b.Pairs1Count + b.Pairs2Count + b.Pairs3Count);
    DropTheFourCardAce(me, b, v);
    // Step 3: doubletons and longer suits without a blank: the doubletons' high cards gain.
    if (b.Pairs1Count > 0 && b.Pairs2Count > 0 && b.Singles1Count == 0) {
        if (b.Pairs1Count == 1 && b.Pairs2Count == 1 && b.Pairs1[0].First.Score > 2) b.Pairs2Count = 0;
        for (int i = 0; i < b.Pairs1Count; ++i) {
            if (b.Pairs1[i].First.Score > 2) b.Pairs1[i].First.Score += 3;
            if (b.Pairs1[i].Second.Score > 2) b.Pairs1[i].Second.Score += 3;
        }
        return;
    }
    // Step 4: two doubletons over Eights give their high cards as singles.
    if (v == 4 && b.Pairs1Count == 2 && RankAt(me, b.Pairs1[0].Second.Index) == EIGHT &&
        RankAt(me, b.Pairs1[1].Second.Index) == EIGHT) {
        b.Singles2[0] = b.Pairs1[0].First;
        b.Singles2[1] = b.Pairs1[1].First;
        b.Singles2Count = 2;
        b.Pairs1Count = 0;
        return;
    }
    if (v < 3) return;
    MiddleSinglesAgainstThePair(me, b, v);
    // Step 6: three cards of a blank and a pair scoring at least as high: the pair gives only its first card.
    if (v == 3 && b.Singles1Count == 1 && b.Pairs2Count == 1 && b.Singles1[0].Score > 1 &&
        b.Pairs2[0].First.Score >= b.Singles1[0].Score) {
        b.Singles3[0] = b.Pairs2[0].First;
        b.Singles3Count = 1;
        b.Pairs2Count = 0;
    }
}

void CDiscardPlanner::PlanDiscardDurchmarsch() {
    const HandInfo& info = me.handInfo;
    DiscardPlannerBlock& b = Block();
    auto entry = [&](int s, int rank) {
        const int index = Slot(info, s, rank);
        return DiscardEntry{index, 7 - DiscardOrderScore(me, index)};
    };
    int c = 0;
    for (int s = 0; s < 4; ++s) {
        const int n = info.SuitCount[s];
        if (n == 0) continue;
        const auto ranks = HeldInWalk(info, s, kDurchmarschWalk, 7);
        const bool A = info.Holds(s, ACE), T = info.Holds(s, TEN), K = info.Holds(s, KING);
        auto low = [&] { return entry(s, ranks[0]); };
        auto lowPair = [&](DiscardPair* list, int& listCount) {
            AddPair(list, listCount, entry(s, ranks[0]), entry(s, ranks[1]));
            c += 2;
        };
        if (n == 1 && !A && !T && !K) {
            AddSingle(b.Singles1, b.Singles1Count, low().Index, low().Score), ++c;
        } else if (n == 2 && !A) {
            lowPair(b.Pairs1, b.Pairs1Count);
        } else if (n == 2 && !T && !K) {
            AddSingle(b.Singles2, b.Singles2Count, low().Index, low().Score), ++c;
        } else if (n == 3 && !A && !T && K) {
            lowPair(b.Pairs2, b.Pairs2Count);
        } else if (n == 3 && A && !T && !K) {
            lowPair(b.Pairs2, b.Pairs2Count);
        } else if (n == 3 && A && (T != K)) {
            AddSingle(b.Singles3, b.Singles3Count, low().Index, low().Score), ++c;
        } else if (n == 4 && A && K && !T) {
            lowPair(b.Pairs2, b.Pairs2Count);
        }
    }
    if (c == 3) {
        int* singleCount = b.Singles1Count ? &b.Singles1Count : b.Singles2Count ? &b.Singles2Count
                                                               : b.Singles3Count ? &b.Singles3Count : nullptr;
        const DiscardEntry* single = b.Singles1Count ? b.Singles1 : b.Singles2Count ? b.Singles2 : b.Singles3;
        DiscardPair* pair = b.Pairs1Count ? &b.Pairs1[0] : b.Pairs2Count ? &b.Pairs2[0] : nullptr;
        if (singleCount && pair && pair->Second.Score < single[0].Score) {
            pair->Second.Index = single[0].Index;
            *singleCount = 0;
        }
    } else if (c > 3) {
        if (b.Singles2Count + b.Singles3Count > 1 && b.Pairs2Count > 0) {
            b.Pairs2Count = 0;
            c -= 2;
        }
        if (c == 4 && b.Pairs1Count == 2) {
            DiscardEntry four[4] = {b.Pairs1[0].First, b.Pairs1[0].Second, b.Pairs1[1].First, b.Pairs1[1].Second};
            for (int i = 0; i < 4; ++i)
                for (int j = i + 1; j < 4; ++j)
                    if (DiscardOrderScore(me, four[j].Index) < DiscardOrderScore(me, four[i].Index)) {
                        const DiscardEntry t = four[i];
                        four[i] = four[j];
                        four[j] = t;
                    }
            b.Singles2[0] = four[0];
            b.Singles2[1] = four[1];
            b.Singles2Count = 2;
            b.Pairs1Count = 0;
        }
    }
}
