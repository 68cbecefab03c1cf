#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"

#include "computer/evaluation/DiscardPlanner.h"
#include "computer/play/CardQueries.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "platform/core/Random.h"

#include <vector>

using namespace discard;

namespace {

// Whether hand index i names a card the player holds with the skat: a present hand slot or a
// skat slot holding a card.
bool IsValidIndex(const CPlayer& player, int index) {
    if (index < 0 || index > 11) return false;
    if (index < player.capacity && !player.present[index]) return false;
    return IsCardCode(CardAt(player, index));
}

// How reluctantly a card is laid away in the last resort: plain side cards first, then plain
// trumps, then Jacks; within a class the lowest (in Null the highest) card first.
int LastResortRank(const CPlayer& player, int index) {
    const int card = CardAt(player, index);
    const int type = g_Game.GameType;
    const int order = GetCardOrder(card);
    if (type == GAME_NULL || type == GAME_REVOLUTION) return 7 - order;
    int cls = 0;
    if (GetCardRank(card) == JACK) cls = 2;
    else if (IsSuitGame(type) && GetCardSuit(card, true) == type) cls = 1;
    return cls * 16 + order;
}

}  // namespace

void CDiscardPlanner::BuildDiscardCandidates(int type) {
    if (IsSuitGame(type) || type == GAME_GRAND) BuildDiscardCandidatesSuit(type);
    else if (type == GAME_NULL || type == GAME_REVOLUTION) BuildDiscardCandidatesNull();
    else if (type == GAME_RAMSCH) BuildDiscardCandidatesRamsch();
    else if (type == GAME_DURCHMARSCH) BuildDiscardCandidatesDurchmarsch();
}

void CDiscardPlanner::BuildDiscardCandidatesNull() {
    const HandInfo& info = me.handInfo;
    DiscardPlannerBlock& b = Block();
    for (int s = 0; s < 4; ++s) {
        if (info.SuitCountWithJack[s] <= 2) continue;
        int found[2] = {-1, -1}, n = 0;
        for (int rank : {ACE, KING, QUEEN, JACK, TEN, NINE, EIGHT, SEVEN})
            if (n < 2 && info.Holds(s, rank)) found[n++] = Slot(info, s, rank);
        AddPair(b.Pairs1, b.Pairs1Count, {found[0], 1}, {found[1], 1});
    }
}

namespace {

constexpr int kLowestFirst[7] = {SEVEN, EIGHT, NINE, QUEEN, KING, TEN, ACE};
constexpr int kHighestFirst[7] = {ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};

// Held ranks of suit s in the given walk, leaving out the card in hand slot skip.
std::vector<int> HeldRanks(const HandInfo& info, int s, const int (&walk)[7], int skip = -1) {
    std::vector<int> ranks;
    for (int rank : walk)
        if (info.Holds(s, rank) && Slot(info, s, rank) != skip) ranks.push_back(rank);
    return ranks;
}

// The longest suit other than the one left out; a later suit of equal length replaces the kept
// one on the flip. -1 when every other suit is empty.
int LongestSuit(const HandInfo& info, int leftOut) {
    int longest = -1;
    for (int s = 0; s < 4; ++s) {
        if (s == leftOut || info.SuitCount[s] == 0) continue;
        if (longest < 0 || info.SuitCount[s] > info.SuitCount[longest] ||
            (info.SuitCount[s] == info.SuitCount[longest] && CoinTails()))
            longest = s;
    }
    return longest;
}

// The fallback of the suit games and Grand: the candidates the planner held back, counted in c
// (one per single, two per pair) from the cards already settled.
struct SuitFallback {
    CPlayer& player;
    const HandInfo& info;
    DiscardPlannerBlock& b;
    int trump;  // 6 in Grand: no suit is left out
    bool grand;
    int first;  // hand index of the settled first card, -1 none
    int c;

    bool Has(int s, int rank) const { return info.Holds(s, rank); }
    int N(int s) const { return info.SuitCount[s]; }
    DiscardEntry PairCard(int s, int rank) const {
        const int index = Slot(info, s, rank);
        return {index, DiscardPairScore(player, index)};
    }
    DiscardEntry PointsCard(int index) const { return {index, GetCardPoints(CardAt(player, index))}; }
    bool Pair(DiscardEntry high, DiscardEntry low) {
        const int before = b.Pairs2Count;
        AddPair(b.Pairs2, b.Pairs2Count, high, low);
        if (b.Pairs2Count == before) return false;
        c += 2;
        return true;
    }
    bool Single(int index, int score) {
        if (index == first) return false;  // already laid away
        const int before = b.Singles3Count;
        AddSingle(b.Singles3, b.Singles3Count, index, score);
        if (b.Singles3Count == before) return false;
        c += 1;
        return true;
    }
    // The two highest cards of a suit apart from the given ranks, as a pair.
    bool TopPair(int s, std::initializer_list<int> except) {
        std::vector<int> ranks;
        for (int rank : HeldRanks(info, s, kHighestFirst)) {
            bool skip = false;
            for (int e : except) skip = skip || e == rank;
            if (!skip) ranks.push_back(rank);
        }
        return ranks.size() >= 2 && Pair(PairCard(s, ranks[0]), PairCard(s, ranks[1]));
    }

    void SuitRules(int& aceTenSuit);
    bool LongSuitSingle();  // rule 5; true when the builder ends
    void Refill();          // rule 9, second half
};

void SuitFallback::SuitRules(int& aceTenSuit) {
    for (int s = 0; s < 4; ++s) {
        if (s == trump) continue;
        const bool A = Has(s, ACE), T = Has(s, TEN), K = Has(s, KING), Q = Has(s, QUEEN);
        // Rule 1 (and 3): Ace and Ten in a suit of three or more.
        if (N(s) >= 3 && A && T) {
            if (K && !grand) {
                Pair(PairCard(s, ACE), PairCard(s, TEN));
                continue;
            }
            if (K) aceTenSuit = s;
            if (N(s) == 4) {
                const int cBefore = c;
                if (TopPair(s, {ACE, TEN}) && cBefore == 1) {
                    // With one card settled, one card of the pair does: the lower with the King.
                    const DiscardPair p = b.Pairs2[--b.Pairs2Count];
                    c -= 2;
                    const DiscardEntry e = K ? p.Second : p.First;
                    Single(e.Index, e.Score);
                }
            }
            continue;
        }
        // Rule 2: Ace and King without the Ten.
        if (N(s) >= 3 && A && K && !T) {
            if (c % 2 == 1) {
                int index = -1, score = 0;
                if (N(s) == 3) {
                    const auto ranks = HeldRanks(info, s, kHighestFirst);
                    index = Slot(info, s, ranks[1]);
                    score = DiscardOrderScore(player, index);
                } else {
                    if (!Q) {
                        for (int rank : HeldRanks(info, s, kLowestFirst))
                            if (rank != ACE && rank != KING) {
                                index = Slot(info, s, rank);
                                break;
                            }
                    } else {
                        index = Slot(info, s, KING);
                    }
                    score = 7 - DiscardOrderScore(player, index);
                }
                Single(index, score);
            } else {
                TopPair(s, {ACE});
            }
            continue;
        }
        // Rule 4: a long suit with the Ace alone at the top, or Ten-King-Queen without the Ace.
        if (N(s) >= 4) {
            if (A && !T && !K) TopPair(s, {ACE});
            else if (!A && T && K && Q) Pair(PairCard(s, TEN), PairCard(s, KING));
        }
    }
}

bool SuitFallback::LongSuitSingle() {
    const int s = LongestSuit(info, trump);
    if (s < 0) return false;
    const int last = b.Singles3Count > 0 ? b.Singles3[b.Singles3Count - 1].Index : -1;
    const auto ranks = HeldRanks(info, s, kLowestFirst, first);
    std::size_t at = 0;
    while (at < ranks.size() && Slot(info, s, ranks[at]) == last) ++at;
    if (at == ranks.size()) return false;
    if (!Single(Slot(info, s, ranks[at]), GetCardPoints(CardAt(player, Slot(info, s, ranks[at]))))) return false;
    if (b.Singles3Count == 1) {
        // From a run of held ranks the highest goes: the lower ones do the same work in play.
        int walk = 0;
        while (kLowestFirst[walk] != ranks[at]) ++walk;
        for (++walk; walk < 7 && Has(s, kLowestFirst[walk]); ++walk) {
            const int index = Slot(info, s, kLowestFirst[walk]);
            if (index == first) break;  // never the card already laid away
            b.Singles3[0] = PointsCard(index);
        }
        return true;
    }
    if (b.Singles3Count == 2 && N(s) == 3) {
        // Both from the three-card suit: its two highest cards that are not laid away yet.
        const auto top = HeldRanks(info, s, kHighestFirst, first);
        if (top.size() >= 2) {
            b.Singles3[0].Index = Slot(info, s, top[0]);
            b.Singles3[1].Index = Slot(info, s, top[1]);
        }
    }
    return false;
}

void SuitFallback::Refill() {
    // Nothing left outside the trumps: the settled card and the lowest plain trumps (in Grand
    // the lowest plain cards) fill the blanks' list.
    b.Singles1Count = 0;
    if (c == 1 && first >= 0) AddSingle(b.Singles1, b.Singles1Count, first, b.DiscardResult[0].Score);
    for (int rank : kLowestFirst) {
        for (int s = 0; s < 4; ++s) {
            if (b.Singles1Count >= 2) return;
            if (!grand && s != trump) continue;
            const int index = Slot(info, s, rank);
            if (index >= 0 && index != first) AddSingle(b.Singles1, b.Singles1Count, index, 0);
        }
    }
}

}  // namespace

void CDiscardPlanner::BuildDiscardCandidatesSuit(int trump) {
    DiscardPlannerBlock& b = Block();
    const int settled = b.ChosenCount < 0 ? 0 : b.ChosenCount > 2 ? 2 : b.ChosenCount;
    SuitFallback f{me,     me.handInfo, b, trump, trump == GAME_GRAND, settled >= 1 ? b.DiscardResult[0].Index : -1,
                   settled};
    const HandInfo& info = me.handInfo;
    int aceTenSuit = -1;
    // Rules 1 to 4, each suit by the first rule that applies.
    f.SuitRules(aceTenSuit);
    // Rule 5: one card settled: one more from the longest suit.
    bool toRule10 = false;
    if (f.c == 1) {
        const int before = b.Singles3Count;
        if (f.LongSuitSingle()) return;
        toRule10 = b.Singles3Count == 2 && b.Singles3Count > before;
    }
    if (!toRule10) {
        // Rule 6: in Grand the Ace and Ten of a suit with the King (21 points into the skat).
        if (f.c < 2 && aceTenSuit >= 0) f.Pair(f.PairCard(aceTenSuit, ACE), f.PairCard(aceTenSuit, TEN));
        // Rule 7: a Ten and King without the Ace in a three-card suit.
        if (f.c < 2) {
            for (int s = 0; s < 4; ++s) {
                if (s == trump || f.N(s) != 3 || f.Has(s, ACE) || !f.Has(s, TEN) || !f.Has(s, KING)) continue;
                f.Pair(f.PairCard(s, TEN), f.PairCard(s, KING));
                break;
            }
        }
        // Rule 8: in Grand with few Jacks, the top of a four-card suit without the Ace.
        if (f.c < 2 && f.grand && info.DealtJackCount < 3) {
            for (int s = 0; s < 4; ++s) {
                if (f.N(s) != 4 || f.Has(s, ACE)) continue;
                f.TopPair(s, {});
                break;
            }
        }
        // Rule 9: the two lowest of the longest suit, scored by card points.
        if (f.c < 2) {
            const int s = LongestSuit(info, trump);
            if (s >= 0) {
                auto low = HeldRanks(info, s, kLowestFirst, f.first);
                if (low.size() >= 2) {
                    int second = Slot(info, s, low[1]);
                    const int queen = Slot(info, s, QUEEN);
                    if (f.Has(s, QUEEN) && f.Has(s, NINE) && queen != f.first && queen != Slot(info, s, low[0]))
                        second = queen;
                    f.Pair(f.PointsCard(Slot(info, s, low[0])), f.PointsCard(second));
                }
            }
            if (f.c < 2) f.Refill();
        }
    }
    // Rule 10: a single that is already part of the only pair goes.
    if (f.c == 3 && b.Singles3Count == 1 && b.Pairs2Count == 1 &&
        (b.Singles3[0].Index == b.Pairs2[0].First.Index || b.Singles3[0].Index == b.Pairs2[0].Second.Index))
        b.Singles3Count = 0;
}

void CDiscardPlanner::BuildDiscardCandidatesRamsch() {
    const HandInfo& info = me.handInfo;
    DiscardPlannerBlock& b = Block();
    const int settled = b.ChosenCount < 0 ? 0 : b.ChosenCount > 1 ? 1 : b.ChosenCount;
    b.ChosenCount = settled;
    const int firstSuit = settled == 1 ? SuitAt(me, b.DiscardResult[0].Index) : -1;
    // The held cards of a suit from the top, as hand indexes; a Ramsch scores them by order.
    auto top = [&](int s) {
        std::vector<int> indexes;
        for (int rank : HeldRanks(info, s, kHighestFirst)) indexes.push_back(Slot(info, s, rank));
        return indexes;
    };
    auto entry = [&](int index) { return DiscardEntry{index, DiscardOrderScore(me, index)}; };
    // The long suits without the Seven are where a high card can go; with too few of them every
    // suit may give one, but a suit held whole is kept when two suits are long.
    bool marked[4];
    int k = settled;
    int longSuits = 0;
    for (int s = 0; s < 4; ++s) {
        marked[s] = info.SuitCount[s] >= 4 && !info.Holds(s, SEVEN);
        if (marked[s]) k += settled == 1 && s != firstSuit ? 1 : 2;
        longSuits += info.SuitCount[s] >= 4 ? 1 : 0;
    }
    if (k < 2)
        for (bool& m : marked) m = true;
    if (longSuits == 2)
        for (int s = 0; s < 4; ++s)
            if (info.SuitCount[s] == 7) marked[s] = false;
    k = settled;
    // Rule 1: one card settled: the top of a five-card suit with the Seven and a low card under it.
    if (b.ChosenCount == 1) {
        for (int s = 0; s < 4; ++s) {
            if (s == firstSuit || info.SuitCount[s] != 5 || !info.Holds(s, SEVEN)) continue;
            const bool eight = info.Holds(s, EIGHT), nine = info.Holds(s, NINE), queen = info.Holds(s, QUEEN);
            if (!((eight && nine) || (eight && queen) || (nine && !eight))) continue;
            AddSingle(b.Singles3, b.Singles3Count, top(s)[0], eight ? 1 : 0);
        }
        if (b.Singles3Count > 0) {
            ++b.ChosenCount;
            if (b.Singles3Count == 2) {
                if (b.Singles3[0].Score <= b.Singles3[1].Score && CoinTails()) b.Singles3[0] = b.Singles3[1];
                b.Singles3Count = 1;
            }
        }
    }
    if (b.ChosenCount == 1) {
        // Rule 2: one card settled: the top card of each other long suit.
        if (firstSuit >= 0) marked[firstSuit] = false;
        for (int s = 0; s < 4; ++s) {
            if (!marked[s] || info.SuitCount[s] < 4) continue;
            const int index = top(s)[0];
            AddSingle(b.Singles3, b.Singles3Count, index, DiscardOrderScore(me, index));
            ++k;
        }
        if (k > 2 && b.Singles3Count > 1) b.Singles3Count = 1;
    } else {
        // Rule 3: nothing settled (or rule 1 settled the second): the two top cards of each long suit.
        for (int s = 0; s < 4; ++s) {
            if (!marked[s] || info.SuitCount[s] < 4) continue;
            const auto cards = top(s);
            AddPair(b.Pairs2, b.Pairs2Count, entry(cards[0]), entry(cards[1]));
            k += 2;
        }
        if (k > 2 && b.Pairs2Count > 1) b.Pairs2Count = 1;
    }
    // Rule 4: still short: the top of each marked suit of three cards or more.
    if (k < 2) {
        for (int s = 0; s < 4; ++s) {
            if (!marked[s] || info.SuitCount[s] < 3) continue;
            const auto cards = top(s);
            if (b.ChosenCount == 1) AddSingle(b.Singles3, b.Singles3Count, cards[0], DiscardOrderScore(me, cards[0]));
            else AddPair(b.Pairs2, b.Pairs2Count, entry(cards[0]), entry(cards[1]));
        }
    }
}

void CDiscardPlanner::BuildDiscardCandidatesDurchmarsch() {
    const HandInfo& info = me.handInfo;
    DiscardPlannerBlock& b = Block();
    // The card already settled: the one entry of the first single list holding exactly one.
    int chosen = -1;
    if (b.ChosenCount == 1) {
        if (b.Singles1Count == 1) chosen = b.Singles1[0].Index;
        else if (b.Singles2Count == 1) chosen = b.Singles2[0].Index;
        else if (b.Singles3Count == 1) chosen = b.Singles3[0].Index;
        else chosen = b.DiscardResult[0].Index;
    }
    int counter = b.ChosenCount < 0 ? 0 : b.ChosenCount;
    auto score = [&](int index) { return 7 - DiscardOrderScore(me, index); };
    auto lowPair = [&](int s) {
        const auto low = HeldRanks(info, s, kLowestFirst);
        if (low.size() < 2) return;
        const int a = Slot(info, s, low[0]), c = Slot(info, s, low[1]);
        const int before = b.Pairs2Count;
        AddPair(b.Pairs2, b.Pairs2Count, {a, score(a)}, {c, score(c)});
        if (b.Pairs2Count > before) counter += 2;
    };
    // With one card settled the lowest card alone; the counter is full unless it is that card.
    auto lowSingle = [&](int s) {
        const int index = Slot(info, s, HeldRanks(info, s, kLowestFirst)[0]);
        if (index == chosen) return;
        AddSingle(b.Singles3, b.Singles3Count, index, score(index));
        counter = 2;
    };
    // Rule 1: the single cards no Durchmarsch wants to keep: blanks without the Ace.
    for (int s = 0; s < 4; ++s) {
        if (info.SuitCount[s] != 1 || info.Holds(s, ACE)) continue;
        const int index = Slot(info, s, HeldRanks(info, s, kLowestFirst)[0]);
        if (index == chosen) continue;
        const int before = b.Singles1Count;
        AddSingle(b.Singles1, b.Singles1Count, index, score(index));
        if (b.Singles1Count > before) ++counter;
    }
    // Rule 2: suits that cannot run through, and a bare Ace-King.
    if (counter < 2) {
        for (int s = 0; s < 4; ++s) {
            const int n = info.SuitCount[s];
            const bool A = info.Holds(s, ACE), T = info.Holds(s, TEN), K = info.Holds(s, KING);
            if ((n >= 4 && !A && !T) || (n == 3 && !A && T)) {
                lowPair(s);
            } else if (n == 2 && A && K) {
                if (counter == 1) lowSingle(s);
                else lowPair(s);
            }
        }
    }
    // Rule 3: a long suit with the Ace but without the Ten.
    if (counter < 2) {
        for (int s = 0; s < 4; ++s) {
            if (info.SuitCount[s] < 4 || !info.Holds(s, ACE) || info.Holds(s, TEN)) continue;
            if (counter == 1) lowSingle(s);
            else lowPair(s);
        }
    }
    // Rule 4: one card missing: the lowest of the longest suit.
    if (counter == 1) {
        const int s = LongestSuit(info, -1);
        if (s < 0) return;
        const auto low = HeldRanks(info, s, kLowestFirst, chosen);
        if (!low.empty()) {
            const int index = Slot(info, s, low[0]);
            AddSingle(b.Singles3, b.Singles3Count, index, GetCardPoints(CardAt(me, index)));
        }
        return;
    }
    if (counter > 1) return;
    // Rule 5: nothing settled: Ten-King without the Ace, then Ace-Ten without the King, then the
    // longest suit, each by its two lowest cards.
    for (int s = 0; s < 4 && counter < 2; ++s)
        if (info.SuitCount[s] == 3 && !info.Holds(s, ACE) && info.Holds(s, TEN) && info.Holds(s, KING)) {
            lowPair(s);
            break;
        }
    for (int s = 0; s < 4 && counter < 2; ++s)
        if (info.SuitCount[s] == 4 && info.Holds(s, ACE) && info.Holds(s, TEN) && !info.Holds(s, KING)) {
            lowPair(s);
            break;
        }
    if (counter < 2) {
        const int s = LongestSuit(info, -1);
        if (s < 0) return;
        const auto low = HeldRanks(info, s, kLowestFirst);
        if (low.size() < 2) return;
        const int a = Slot(info, s, low[0]);
        int c = Slot(info, s, low[1]);
        if (info.Holds(s, QUEEN) && info.Holds(s, NINE) && Slot(info, s, QUEEN) != a) c = Slot(info, s, QUEEN);
        AddPair(b.Pairs2, b.Pairs2Count, {a, GetCardPoints(CardAt(me, a))}, {c, GetCardPoints(CardAt(me, c))});
    }
}

void PlanAndChooseDiscard(CPlayer& player, int type) {
    DiscardPlannerBlock& b = Block();
    b.ClearCounts();
    CDiscardPlanner(player).PlanDiscard(type);
    CDiscardPlanner(player).ChooseDiscard();
    if (b.ChosenCount < 2) {
        CDiscardPlanner(player).BuildDiscardCandidates(type);
        CDiscardPlanner(player).ChooseDiscard();
    }
    // The last resort: two distinct cards the player holds, whatever the lists gave.
    DiscardEntry* slots = b.DiscardResult;
    const int chosen = b.ChosenCount < 0 ? 0 : b.ChosenCount > 2 ? 2 : b.ChosenCount;
    int kept = 0;
    for (int i = 0; i < chosen; ++i) {
        if (!IsValidIndex(player, slots[i].Index)) continue;
        if (kept == 1 && slots[0].Index == slots[i].Index) continue;
        slots[kept++] = slots[i];
    }
    while (kept < 2) {
        int best = -1;
        for (int index = 0; index < 12; ++index) {
            if (!IsValidIndex(player, index) || (kept == 1 && slots[0].Index == index)) continue;
            if (best < 0 || LastResortRank(player, index) < LastResortRank(player, best)) best = index;
        }
        if (best < 0) break;
        slots[kept++] = {best, 0};
    }
    b.ChosenCount = kept;
}
