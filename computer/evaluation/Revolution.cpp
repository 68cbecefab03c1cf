// The Revolution exchange: the two defenders' hands and the skat are pooled and dealt anew between
// them, so that the first defender holds the cards that beat the soloist's open hand; the second
// defender lays two cards into the skat.

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardPlanner.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/play/CardQueries.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Trace.h"
#include "platform/core/Random.h"

#include <vector>

namespace {

constexpr int POOL = 22;
constexpr int FIRST_HAND = 10;
constexpr int MARK_NONE = -1;
constexpr int MARK_FIRST = 1;
constexpr int MARK_KEPT = 3;
constexpr int MARK_SPARE = 4;

// The present cards of a row's hand slots in suit s (with its Jack), highest first in Null order.
std::vector<int> CardsOfSuit(const CCards& row, int slots, int s) {
    std::vector<int> list;
    for (int rank : NullRankList) {
        const int card = CardCodeOf(rank, s);
        for (int slot = 0; slot < slots && slot < static_cast<int>(row.cards.size()); ++slot)
            if (row.cards[slot] == card && (slot >= row.capacity || row.present[slot])) list.push_back(card);
    }
    return list;
}

struct Redistribution {
    const CPlayer& pool;
    CPlayer& first;
    const CPlayer& declarer;
    int (&marks)[POOL];

    int SlotOf(int card) const {
        for (int slot = 0; slot < POOL; ++slot)
            if (pool.cards[slot] == card) return slot;
        return -1;
    }
    int Suit(int slot) const { return GetCardSuit(pool.cards[slot], true); }
    std::vector<int> Pooled(int s) const { return CardsOfSuit(pool, POOL, s); }
    int Marked(int mark) const {
        int n = 0;
        for (int m : marks) n += m == mark ? 1 : 0;
        return n;
    }
    void MarkAll(int mark) {
        for (int& m : marks) m = mark;
    }
    void MarkSuit(int s, int mark) {
        for (int card : Pooled(s)) marks[SlotOf(card)] = mark;
    }
    // The lowest pooled card of a suit, NO_CARD when the pool holds none.
    int LowestPooled(int s) const {
        const auto list = Pooled(s);
        return list.empty() ? NO_CARD : list.back();
    }

    // Step 1: a suit in which some pooled card stands below the soloist's card of the same place
    // from below: led into, he cannot duck it and must take a trick. Returns the suit, -1 when
    // none.
    int AttackSuit() {
        for (int s = 0; s < 4; ++s) {
            const auto own = CardsOfSuit(declarer, FIRST_HAND, s);
            if (own.empty()) continue;
            const auto pooled = Pooled(s);
            const std::size_t places = own.size() < pooled.size() ? own.size() : pooled.size();
            bool beats = false;
            for (std::size_t k = 1; k <= places && !beats; ++k)
                beats = GetCardOrder(pooled[pooled.size() - k]) < GetCardOrder(own[own.size() - k]);
            if (!beats) continue;
            first.forcedCard = LowestPooled(s);
            MarkAll(MARK_KEPT);
            MarkSuit(s, MARK_FIRST);
            return s;
        }
        return -1;
    }

    // Step 2: the person leads; the suits in which the soloist's structure is weakest go to the
    // first defender, two of them at most when all would make more than ten cards. Fills kept
    // with the suits chosen; returns their number.
    int WeakSuits(int (&kept)[4]) {
        int suits[4], sizes[4], n = 0;
        for (int s = 0; s < 4; ++s) {
            if (declarer.handInfo.StructureCode[s] != 3) continue;
            suits[n] = s;
            sizes[n] = pool.handInfo.SuitCountWithJack[s];
            if (n == 0) first.forcedCard = LowestPooled(s) == NO_CARD ? 0 : LowestPooled(s);
            ++n;
        }
        if (n == 0) return 0;
        int sum = 0;
        for (int k = 0; k < n; ++k) sum += sizes[k];
        int count = n;
        for (int k = 0; k < n; ++k) kept[k] = suits[k];
        if (sum > 10) {
            // The pair with the largest sum not above ten; equal sums by the coin flip.
            int bestA = -1, bestB = -1, bestSum = -1;
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b) {
                    const int pairSum = sizes[a] + sizes[b];
                    if (pairSum > 10) continue;
                    if (pairSum > bestSum || (pairSum == bestSum && CoinTails())) {
                        bestA = a;
                        bestB = b;
                        bestSum = pairSum;
                    }
                }
            if (bestA >= 0) {
                kept[0] = suits[bestA];
                kept[1] = suits[bestB];
                count = 2;
            } else {
                // No pair fits: the first suit, which named the forced card, stays alone.
                count = 1;
            }
        }
        MarkAll(MARK_KEPT);
        for (int k = 0; k < count; ++k) MarkSuit(kept[k], MARK_FIRST);
        return count;
    }

    // Step 3: per suit as many low cards as the soloist holds of it, then a top-up.
    void SpreadBySuit() {
        MarkAll(MARK_NONE);
        for (int s = 0; s < 4; ++s) {
            const auto pooled = Pooled(s);
            if (pooled.empty()) continue;
            const int limit = static_cast<int>(CardsOfSuit(declarer, FIRST_HAND, s).size());
            int given = 0;
            // From the Seven up (NullRankList places 7 down to 0).
            for (int place = 7; place >= 0; --place) {
                const int card = CardCodeOf(NullRankList[place], s);
                const int slot = SlotOf(card);
                if (slot < 0) continue;
                if (given >= limit) {
                    marks[slot] = MARK_SPARE;
                } else if (place % 2 == 0 && place < 7 && SlotOf(CardCodeOf(NullRankList[place + 1], s)) >= 0) {
                    marks[slot] = MARK_KEPT;
                } else {
                    marks[slot] = MARK_FIRST;
                    ++given;
                }
            }
        }
        const bool sparesFirst = g_Game.Forehand == 0;
        TopUpBySuit(sparesFirst ? MARK_SPARE : MARK_KEPT);
        TopUpBySuit(sparesFirst ? MARK_KEPT : MARK_SPARE);
    }

    // One card per suit and round, the highest with the given mark, until ten are given or a
    // round gives nothing.
    void TopUpBySuit(int mark) {
        while (Marked(MARK_FIRST) < 10) {
            bool added = false;
            for (int s = 0; s < 4 && Marked(MARK_FIRST) < 10; ++s)
                for (int card : Pooled(s)) {
                    const int slot = SlotOf(card);
                    if (marks[slot] == mark || (mark == MARK_KEPT && marks[slot] == 2)) {
                        marks[slot] = MARK_FIRST;
                        added = true;
                        break;
                    }
                }
            if (!added) break;
        }
    }

    // Step 4 after steps 1 and 2: with the person leading, the highest pooled cards of the other
    // suits round by round; else the first defender's own former cards.
    void FillUp(const int* leftOut, int leftOutCount) {
        if (g_Game.Forehand == 2) {
            while (Marked(MARK_FIRST) < 10) {
                bool added = false;
                for (int s = 0; s < 4 && Marked(MARK_FIRST) < 10; ++s) {
                    bool skip = false;
                    for (int k = 0; k < leftOutCount; ++k) skip = skip || leftOut[k] == s;
                    if (skip) continue;
                    for (int card : Pooled(s)) {
                        const int slot = SlotOf(card);
                        if (marks[slot] == MARK_FIRST) continue;
                        marks[slot] = MARK_FIRST;
                        added = true;
                        break;
                    }
                }
                if (!added) break;
            }
        } else {
            for (int slot = 0; slot < FIRST_HAND && Marked(MARK_FIRST) < 10; ++slot)
                if (marks[slot] != MARK_FIRST) marks[slot] = MARK_FIRST;
        }
    }

    // Exactly ten to the first defender: beyond ten the first ten in slot order stay; short of
    // ten his former cards, then the pool, in slot order.
    void MakeTen() {
        int given = 0;
        for (int slot = 0; slot < POOL; ++slot) {
            if (marks[slot] != MARK_FIRST) continue;
            if (++given > 10) marks[slot] = MARK_KEPT;
        }
        for (int slot = 0; slot < POOL && given < 10; ++slot)
            if (marks[slot] != MARK_FIRST) {
                marks[slot] = MARK_FIRST;
                ++given;
            }
        // Every card not given to the first defender goes to the second.
        for (int& m : marks)
            if (m != MARK_FIRST) m = MARK_KEPT;
    }
};

}  // namespace

void CPlayer::RedistributeRevolution(CPlayer& first, CPlayer& second, const CPlayer& declarer, int (&marks)[22]) {
    (void)second;
    Redistribution r{*this, first, declarer, marks};
    // Step 1: a suit the soloist must take a trick in goes to the first defender, filled up.
    const int attack = r.AttackSuit();
    if (attack >= 0) {
        r.FillUp(&attack, 1);
    } else {
        // Step 2: else, with the person leading, the suits where the soloist is weakest, filled up.
        int kept[4] = {-1, -1, -1, -1};
        const int count = g_Game.Forehand == 2 ? r.WeakSuits(kept) : 0;
        if (count > 0) r.FillUp(kept, count);
        else r.SpreadBySuit();  // Step 3: else per suit as many low cards as the soloist holds
    }
    r.MakeTen();
    // A forced card that did not come to the first defender is no forced card.
    bool held = false;
    for (int slot = 0; slot < POOL; ++slot) held = held || (marks[slot] == MARK_FIRST && cards[slot] == first.forcedCard);
    if (!held) first.forcedCard = 0;
}

void CPlayer::SwapOpponentCards(CCards& skat, CPlayer& first, CPlayer& second, CPlayer& declarer) {
    WriteTrace(":SwapOpponentCards(" + first.name + ":" + second.name + ")", LOG_PLAYER);
    // Step 1: the 22 cards pooled.
    const int skatCount = skat.count;
    skat.count = 2;
    for (int slot = 0; slot < POOL; ++slot) {
        const int card = slot < 10 ? first.cards[slot] : slot < 20 ? second.cards[slot - 10] : skat.cards[slot - 20];
        cards[slot] = card;
        present[slot] = 1;
    }
    count = POOL;
    SortIntoTable(*this, 3);
    // Step 2: the pool marked: the cards the first defender gets.
    int marks[POOL];
    RedistributeRevolution(first, second, declarer, marks);
    // Steps 3 and 4: the first defender's ten, then the second defender's twelve.
    int firstSlot = 0, secondSlot = 0;
    for (int slot = 0; slot < POOL; ++slot) {
        if (marks[slot] == MARK_FIRST && firstSlot < 10) {
            first.cards[firstSlot] = cards[slot];
            first.present[firstSlot++] = 1;
        } else if (secondSlot < 12) {
            second.cards[secondSlot] = cards[slot];
            if (secondSlot < second.capacity) second.present[secondSlot] = 1;
            ++secondSlot;
        }
    }
    // Step 5: the second defender lays two of his twelve cards into the skat.
    DiscardPlannerBlock& b = g_Computer.Discard;
    b.Singles1Count = b.Singles2Count = b.Pairs1Count = 0;
    SortIntoTable(second, 1);
    CDiscardPlanner(second).BuildDiscardCandidatesNull();
    CDiscardPlanner(second).ChooseDiscard();
    int i1 = b.DiscardResult[0].Index, i2 = b.DiscardResult[1].Index;
    if (b.ChosenCount < 2 || i1 < 0 || i1 > 11 || i2 < 0 || i2 > 11 || i1 == i2) i1 = 10, i2 = 11;
    skat.cards[0] = second.cards[i1];
    skat.cards[1] = second.cards[i2];
    std::vector<int> rest;
    for (int slot = 0; slot < 12; ++slot)
        if (slot != i1 && slot != i2) rest.push_back(second.cards[slot]);
    for (int slot = 0; slot < 10; ++slot) second.cards[slot] = rest[static_cast<std::size_t>(slot)];
    second.cards[10] = second.cards[11] = NO_CARD;
    // Step 6: the three rows in order.
    first.Sort();
    second.Sort();
    skat.Sort();
    skat.count = skatCount;
}
