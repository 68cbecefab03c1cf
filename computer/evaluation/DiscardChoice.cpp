#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"
#include "computer/evaluation/GameOption.h"

#include "computer/evaluation/DiscardPlanner.h"
#include "computer/play/CardQueries.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "platform/core/Random.h"

using namespace discard;

namespace {

DiscardEntry BestSingle(const DiscardEntry* list, int n) {
    DiscardEntry kept{-1, -1};
    for (int i = 0; i < n; ++i)
        if (list[i].Score > kept.Score || (list[i].Score == kept.Score && CoinTails())) kept = list[i];
    return kept;
}

// The pair with the highest sum of scores; -1 when the list is empty.
int BestPairBySum(const DiscardPair* list, int n) {
    int kept = -1, keptValue = -1;
    for (int i = 0; i < n; ++i) {
        const int value = list[i].First.Score + list[i].Second.Score;
        bool wins = value > keptValue;
        if (!wins && value == keptValue) wins = list[i].First.Score > list[kept].First.Score || CoinTails();
        if (wins) kept = i, keptValue = value;
    }
    return kept;
}

bool IsTenOrKing(const CPlayer& player, int index) {
    const int rank = RankAt(player, index);
    return rank == TEN || rank == KING;
}

}  // namespace

void CDiscardPlanner::ChooseBestSingles(int n, const DiscardEntry* entries, bool reset) {
    DiscardPlannerBlock& b = Block();
    DiscardEntry& first = b.DiscardResult[0];
    DiscardEntry& second = b.DiscardResult[1];
    int written = reset ? 0 : b.ChosenCount;
    if (reset) first.Score = second.Score = -1;
    for (int i = 0; i < n; ++i) {
        const DiscardEntry e = entries[i];
        if (second.Score < e.Score || (second.Score == e.Score && CoinTails())) {
            first = second;
            second = e;
        } else if (first.Score < e.Score || (first.Score == e.Score && CoinTails())) {
            first = e;
        }
        ++written;
    }
    // The true count: a single entry stands in the first slot, as every caller reads it.
    if (written > 2) written = 2;
    if (reset && n == 1) first = second;
    b.ChosenCount = written;
}

void CDiscardPlanner::ChooseBestPair(int n, DiscardEntry e, const DiscardPair* pairs, bool flag) {
    DiscardPlannerBlock& b = Block();
    DiscardEntry& first = b.DiscardResult[0];
    DiscardEntry& second = b.DiscardResult[1];
    const int type = g_Game.GameType;
    // A Durchmarsch wants the single kept together with the pair's first card.
    const int bonus =
        (type == GAME_DURCHMARSCH || (type == GAME_RAMSCH && me.gameOptions[GAME_RAMSCH][OPT_SCHWARZ])) ? 100 : 0;
    int best = -1;
    auto take = [&](int value, DiscardEntry a, DiscardEntry c) {
        best = value;
        first = a;
        second = c;
    };
    for (int i = 0; i < n; ++i) {
        const DiscardPair& p = pairs[i];
        int value = e.Score + p.First.Score + bonus;
        if (best < value || (bonus == 0 && best == value && CoinTails())) take(value, e, p.First);
        value = e.Score + p.Second.Score;
        if (best < value || (best == value && CoinTails())) take(value, e, p.Second);
        value = p.First.Score + p.Second.Score;
        if (best < value || (best == value && CoinTails())) take(value, p.First, p.Second);
        if (!(flag && second.Score == 5) && (best < value || (best == value && CoinTails())))
            take(value, p.First, p.Second);
    }
    if (n > 0) b.ChosenCount = 2;
}

namespace {

// The choice over the planner's lists: the two chosen entries, the hand's game and whether its
// player leads. Each case answers whether the choice goes on to steps 9 and 10.
struct DiscardCases {
    CPlayer& p;
    DiscardPlannerBlock& b;
    DiscardEntry& first;
    DiscardEntry& second;
    const bool null;
    const bool leads;
    const int type;

    void TakeBestPairBySum(const DiscardPair* pairs, int n) {
        const DiscardPair& pair = pairs[BestPairBySum(pairs, n)];
        first = pair.Second;
        second = pair.First;
    }
    bool OneBlank();
    void OneBlankBesideThirdList(DiscardEntry blank);
    bool OneBlankBesidePairs(DiscardEntry blank);
    bool NoBlankNoDoubleton();
    void NoBlankNoDoubletonMiddlePairs();
    void Doubletons();
    void DoubletonsInNull();
    void DoubletonBesideASingle(int firstSuit);
    void LongerSuitPair();
    void HighestBlankForTheTensSuit();
};

// Case 2: one blank.
bool DiscardCases::OneBlank() {
    const DiscardEntry blank = b.Singles1[0];
    first = blank;
    b.ChosenCount = 1;
    if (b.Singles2Count > 0) {
        second = BestSingle(b.Singles2, b.Singles2Count);
        b.ChosenCount = 2;
        return true;
    }
    if (b.Singles3Count > 0) {
        OneBlankBesideThirdList(blank);
        return true;
    }
    return OneBlankBesidePairs(blank);
}

void DiscardCases::OneBlankBesideThirdList(DiscardEntry blank) {
    second = blank;
    int kept = -1;
    for (int i = 0; i < b.Singles3Count; ++i) {
        const DiscardEntry e = b.Singles3[i];
        if (e.Score > kept || (e.Score == kept && CoinTails())) {
            kept = e.Score;
            if (leads && second.Score > first.Score) first = second;
            second = e;
        }
    }
    if (b.Pairs1Count == 1 && (leads || RankAt(p, b.Pairs1[0].First.Index) == TEN)) {
        const DiscardEntry pair = b.Pairs1[0].First;
        if (second.Score < pair.Score) second = pair;
        else if (first.Score < pair.Score) first = pair;
    }
    b.ChosenCount = 2;
}

bool DiscardCases::OneBlankBesidePairs(DiscardEntry blank) {
    const bool pairs1WasEmpty = b.Pairs1Count == 0;
    if (pairs1WasEmpty) {
        if (b.Pairs2Count > 0) {
            for (int i = 0; i < b.Pairs2Count; ++i) b.Pairs1[i] = b.Pairs2[i];
            b.Pairs1Count = b.Pairs2Count;
        } else if (b.Pairs3Count > 0) {
            for (int i = 0; i < b.Pairs3Count; ++i) b.Pairs1[i] = b.Pairs3[i];
            b.Pairs1Count = b.Pairs3Count;
        }
        if (b.Pairs1Count == 0) return false;  // the blank alone
        if (null && b.Pairs1Count >= 2) {
            int kept = -1, keptLow = 2;
            for (int i = 0; i < b.Pairs1Count; ++i) {
                const int low = b.Pairs1[i].First.Score < b.Pairs1[i].Second.Score ? b.Pairs1[i].First.Score
                                                                                   : b.Pairs1[i].Second.Score;
                if (low > keptLow) kept = i, keptLow = low;
            }
            if (kept >= 0) {
                b.Pairs1[0] = b.Pairs1[kept];
                b.Pairs1Count = 1;
            }
        }
    }
    if (!null) {
        CDiscardPlanner(p).ChooseBestPair(b.Pairs1Count, blank, b.Pairs1, true);
        if (IsTenOrKing(p, first.Index) && IsTenOrKing(p, second.Index) && b.Singles2Count > 0) {
            first = blank;
            second = BestSingle(b.Singles2, b.Singles2Count);
        }
        if (pairs1WasEmpty && first.Index != blank.Index && second.Index != blank.Index) second = blank;
        return true;
    }
    second = {0, 0};
    if (RankAt(p, blank.Index) == EIGHT) first.Score = 2;
    for (int i = 0; i < b.Pairs1Count; ++i) {
        const DiscardPair& pair = b.Pairs1[i];
        if (second.Score < pair.First.Score || (second.Score == pair.First.Score && CoinTails())) second = pair.First;
        if (first.Score < pair.Second.Score || (first.Score == pair.Second.Score && CoinTails())) first = pair.Second;
    }
    b.ChosenCount = 2;
    return true;
}

// Case 3: neither a blank nor a doubleton.
bool DiscardCases::NoBlankNoDoubleton() {
    if (b.Singles2Count >= 2) {
        CDiscardPlanner::ChooseBestSingles(b.Singles2Count, b.Singles2, true);
    } else if (b.Singles2Count == 1) {
        first = b.Singles2[0];
        b.ChosenCount = 1;
        if (b.Pairs2Count > 0) {
            CDiscardPlanner(p).ChooseBestPair(b.Pairs2Count, b.Singles2[0], b.Pairs2, false);
        } else if (b.Singles3Count == 0) {
            return false;
        } else {
            second = BestSingle(b.Singles3, b.Singles3Count);
            b.ChosenCount = 2;
        }
    } else if (b.Pairs2Count == 0) {
        if (b.Pairs3Count > 0) {
            TakeBestPairBySum(b.Pairs3, b.Pairs3Count);
            b.ChosenCount = 2;
        } else if (b.Singles3Count >= 2) {
            CDiscardPlanner::ChooseBestSingles(b.Singles3Count, b.Singles3, true);
        } else {
            if (b.Singles3Count == 1) first = b.Singles3[0];
            b.ChosenCount = b.Singles3Count;
            return false;
        }
    } else {
        NoBlankNoDoubletonMiddlePairs();
    }
    return true;
}

void DiscardCases::NoBlankNoDoubletonMiddlePairs() {
    first = second = {0, -1};
    auto rank = [&](DiscardEntry e) {
        if (e.Score > second.Score) first = second, second = e;
        else if (e.Score > first.Score) first = e;
    };
    for (int i = 0; i < b.Singles3Count; ++i) rank(b.Singles3[i]);
    for (int i = 0; i < b.Pairs2Count; ++i) {
        const DiscardPair& pair = b.Pairs2[i];
        if (pair.Second.Score > 4) {
            first = pair.First;
            second = pair.Second;
            break;
        }
        rank(pair.First);
        rank(pair.Second);
    }
    if (type == GAME_NULL && b.Pairs3Count > 0) TakeBestPairBySum(b.Pairs3, b.Pairs3Count);
    b.ChosenCount = 2;
}

// Case 4: doubletons and no blank.
void DiscardCases::Doubletons() {
    if (!null) {
        TakeBestPairBySum(b.Pairs1, b.Pairs1Count);
        b.ChosenCount = 2;
    } else {
        DoubletonsInNull();
    }
    LongerSuitPair();
}

void DiscardCases::DoubletonsInNull() {
    bool fromSingle = false;
    if (b.Singles2Count >= 2) {
        CDiscardPlanner::ChooseBestSingles(b.Singles2Count, b.Singles2, true);
    } else if (b.Singles2Count == 1) {
        first = b.Singles2[0];
        b.ChosenCount = 1;
        fromSingle = true;
    } else if (b.Singles3Count == 1) {
        bool highPair = false;
        for (int i = 0; i < b.Pairs1Count; ++i)
            highPair = highPair || (DiscardOrderScore(p, b.Pairs1[i].First.Index) > 2 &&
                                    DiscardOrderScore(p, b.Pairs1[i].Second.Index) > 2);
        if (highPair) b.Singles3Count = 0;
        else first = b.Singles3[0], b.ChosenCount = 1, fromSingle = true;
    }
    const int firstSuit = SuitAt(p, first.Index);
    if (fromSingle) {
        DoubletonBesideASingle(firstSuit);
        b.ChosenCount = 2;
    } else if (b.ChosenCount == 0) {
        TakeBestPairBySum(b.Pairs1, b.Pairs1Count);
        b.ChosenCount = 2;
    }
}

void DiscardCases::DoubletonBesideASingle(int firstSuit) {
    bool doubletonAbove = false;
    int ofFirstSuit = -1, countOfFirstSuit = 0;
    for (int i = 0; i < b.Pairs1Count; ++i) {
        const DiscardEntry pair = b.Pairs1[i].First;
        const int s = SuitAt(p, pair.Index);
        if (s >= 0 && p.handInfo.SuitCountWithJack[s] == 2 &&
            DiscardOrderScore(p, pair.Index) >= DiscardOrderScore(p, first.Index))
            doubletonAbove = true;
        if (s == firstSuit) ofFirstSuit = i, ++countOfFirstSuit;
    }
    if (doubletonAbove) {
        b.ChosenCount = 0;
        TakeBestPairBySum(b.Pairs1, b.Pairs1Count);
    } else if (b.Pairs1Count == 1 && countOfFirstSuit == 1) {
        second = b.Pairs1[ofFirstSuit].Second;
    } else {
        int kept = -1;
        for (int i = 0; i < b.Pairs1Count; ++i) {
            const DiscardEntry pair = b.Pairs1[i].First;
            if (SuitAt(p, pair.Index) == firstSuit) continue;
            const bool wins = kept < 0 || pair.Score > b.Pairs1[kept].First.Score ||
                              (pair.Score == b.Pairs1[kept].First.Score && (pair.Score > second.Score || CoinTails()));
            if (wins) kept = i;
        }
        if (kept >= 0) second = b.Pairs1[kept].First;
    }
}

// 4.3: Null (and a leading Ramsch player) may prefer a longer suit's pair.
void DiscardCases::LongerSuitPair() {
    if (type != GAME_NULL && (type != GAME_RAMSCH || !leads)) return;
    if (b.Pairs2Count > 0) {
        const DiscardPair& pair = b.Pairs2[BestPairBySum(b.Pairs2, b.Pairs2Count)];
        if (b.ChosenCount == 1) second = pair.First.Index == first.Index ? pair.Second : pair.First;
        else first = pair.First, second = pair.Second;
        b.ChosenCount = 2;
    }
    if (type == GAME_NULL && b.ChosenCount < 2) {
        if (b.Pairs3Count > 0) {
            const DiscardPair& pair = b.Pairs3[BestPairBySum(b.Pairs3, b.Pairs3Count)];
            if (b.ChosenCount == 0) first = pair.Second;
            second = pair.First;
        }
        b.ChosenCount = 2;
    }
}

// Steps 9 and 10: with two cards of one suit led by its Ten, the highest blank goes instead.
void DiscardCases::HighestBlankForTheTensSuit() {
    if (b.ChosenCount < 2) return;
    if (b.Singles1Count > 0 && !null && !IsRamschGame() && SuitAt(p, first.Index) == SuitAt(p, second.Index) &&
        DiscardOrderScore(p, first.Index) == 5) {
        int kept = 0;
        for (int i = 1; i < b.Singles1Count; ++i)
            if (DiscardOrderScore(p, b.Singles1[i].Index) > DiscardOrderScore(p, b.Singles1[kept].Index)) kept = i;
        second.Index = b.Singles1[kept].Index;
    }
}

}  // namespace

void CDiscardPlanner::ChooseDiscard() {
    DiscardPlannerBlock& b = Block();
    DiscardCases cases{.p = me,
                       .b = b,
                       .first = b.DiscardResult[0],
                       .second = b.DiscardResult[1],
                       .null = IsNullGame(),
                       .leads = me.seat == g_Game.Forehand,
                       .type = g_Game.GameType};
    bool goOn = true;
    if (b.Singles1Count >= 2) ChooseBestSingles(b.Singles1Count, b.Singles1, true);  // Case 1: two blanks or more.
    else if (b.Singles1Count == 1) goOn = cases.OneBlank();
    else if (b.Pairs1Count == 0) goOn = cases.NoBlankNoDoubleton();
    else cases.Doubletons();
    if (goOn) cases.HighestBlankForTheTensSuit();
}
