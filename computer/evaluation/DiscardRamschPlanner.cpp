// The Ramsch lay-away planner: which two of his twelve cards a seat that picked up the Ramsch skat
// pushes back. It prefers blanks and doubletons of suits without the Seven, then the high cards of
// three- and four-card suits, and thins the lists by their number of cards, by who leads the first
// trick and by card points. It never proposes a Jack (the Jacks are the trumps in Ramsch).
//
// The planning runs in nine stages; each stage is one function that returns the stage to go on
// with. Steps inside a stage keep the numbers of their rules in the comments. This file holds
// stages 1 to 6 and the entries; the later stages follow in DiscardRamschThinning.cpp and
// DiscardRamschFinal.cpp.

#include "computer/evaluation/DiscardRamschPlanner.h"

#include "computer/evaluation/DiscardPlanner.h"
#include "computer/play/TrickCardChoice.h"
#include "model/GameTypeLookups.h"
#include "platform/core/Random.h"
#include "computer/play/CardQueries.h"

using namespace ramsch_plan;

int RankFilterAll(const int* row, int rank) { return rank >= 0 && rank < 8 ? row[rank] : -1; }

namespace ramsch_plan {

// Stage 1: blanks and doubletons without the Seven.
Stage RamschPlanner::StageOne() {
    // 1.1 Blanks without the Seven.
    for (int s = 0; s < 4; ++s)
        if (N(s) == 1 && !Has(s, SEVEN) && AddS1(s)) ++v;
    bool toSix = v >= 2 && !forehand;  // 1.2: two blanks, not leading: on to stage 6
    if (!toSix) {
        // 1.3 Doubletons without the Seven, and the cards that fill two blanks.
        for (int s = 0; s < 4; ++s)
            if (N(s) == 2 && !Has(s, SEVEN) && AddTopPair(b.Pairs1, b.Pairs1Count, s)) v += 2;
        // 1.4: two blanks and no doubleton; with a low blank the high cards of long suits may
        // serve instead.
        if (v == 2 && b.Singles1Count == 2) {
            const int lower = b.Singles1[1].Score < b.Singles1[0].Score ? 1 : 0;
            toSix = true;
            if (b.Singles1[lower].Score < 5) {
                for (int s = 0; s < 4; ++s)
                    if (N(s) == 3 && !Has(s, SEVEN) && !Has(s, EIGHT) && (Has(s, ACE) || Has(s, TEN)) && AddS3(s)) ++v;
                if (v == 2)
                    for (int s = 0; s < 4; ++s)
                        if (N(s) >= 4 && (Has(s, ACE) || Has(s, TEN)) &&
                            (!Has(s, SEVEN) || (!Has(s, EIGHT) && !Has(s, NINE)) || (!Has(s, NINE) && !Has(s, QUEEN))) &&
                            AddS3(s))
                            ++v;
                if (v > 2) {
                    const int higher = b.Singles1[1].Score >= b.Singles1[0].Score ? 1 : 0;
                    SetOnly(b.Singles1, b.Singles1Count, b.Singles1[higher]);
                    v -= 1;
                    toSix = false;  // on with 1.5
                }
            }
        }
        // 1.5: one blank gives way to a doubleton that scores higher on both cards, or to Ace and
        // Ten when the next seat leads.
        if (!toSix && b.Singles1Count == 1 && b.Pairs1Count == 1) {
            const DiscardPair& pair = b.Pairs1[0];
            const int blank = b.Singles1[0].Score;
            if ((pair.First.Score > blank && pair.Second.Score > blank) ||
                (nextForehand && pair.First.Score == 6 && pair.Second.Score == 5)) {
                b.Singles1Count = 0;
                v = 2;
                return Stage::Two;
            }
        }
    }
    // 1.6 Two cards found: stage 2; one or none and no doubleton: stage 4; else stage 3.
    if (v == 2) return Stage::Two;
    if (v <= 1 && b.Pairs1Count == 0) return Stage::Four;
    return Stage::Three;
}

// Stage 2: one doubleton (entered with v = 2).
Stage RamschPlanner::StageTwo() {
    if (b.Pairs1Count != 1) return Stage::Three;
    const DiscardPair pair = b.Pairs1[0];
    const int s1 = pair.First.Score, s2 = pair.Second.Score;
    // 2.1: a doubleton without the Ace gives way to Ace and Ten of a three-card suit.
    if (s1 < 6) {
        if (s2 >= 4) return Stage::Three;
        bool found = false;
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, ACE) && Has(s, TEN) && (Has(s, KING) || Has(s, QUEEN))) {
                AddTopPair(b.Pairs2, b.Pairs2Count, s);
                b.Pairs1Count = 0;
                found = true;
            }
        if (found) return Stage::Three;
    }
    // 2.2 The doubleton with its Ace: a high second card goes on to stage 3.
    if (s2 >= 4) return Stage::Three;
    // 2.2.1 Ace or Ten of three-card suits with the Seven; past three cards the doubleton is dropped.
    for (int s = 0; s < 4; ++s) {
        if (N(s) != 3) continue;
        if ((Has(s, ACE) || Has(s, TEN)) && AddS3(s) && Has(s, SEVEN)) ++v;
        if (v > 3) {
            v -= 2;
            b.Pairs1Count = 0;
        }
    }
    if (forehand) {
        // 2.2.2 Leading: by the three-card suits found, the doubleton's first card alone or the doubleton
        // dropped.
        if (b.Singles3Count == 1) {
            v -= 1;
            SetOnly(b.Singles2, b.Singles2Count, pair.First);
            b.Pairs1Count = 0;
        } else if (b.Singles3Count == 2 && Order(pair.First.Index) < 4 && Order(pair.Second.Index) < 3) {
            b.Pairs1Count = 0;
        } else if (b.Singles3Count >= 2) {
            v += b.Singles3Count;
        }
    } else {
        // 2.2.3 Not leading: one three-card suit found keeps the doubleton's first card alone; more are
        // dropped.
        if (b.Singles3Count == 1) {
            SetOnly(b.Singles2, b.Singles2Count, pair.First);
            b.Pairs1Count = 0;
        } else {
            b.Singles3Count = 0;
        }
    }
    // 2.2.4 One card or none and no doubleton: stage 4; else stage 3.
    if (v <= 1 && b.Pairs1Count == 0) return Stage::Four;
    return Stage::Three;
}

// Stage 3: the gate to stage 4, for a leading player with one low doubleton and nothing else.
Stage RamschPlanner::StageThree() {
    if (forehand && Singles() == 0 && b.Pairs1Count == 1 && Order(b.Pairs1[0].First.Index) <= 3 &&
        Order(b.Pairs1[0].Second.Index) <= 2)
        return Stage::Four;
    return Stage::Six;
}

// Stage 4: filling from three-card suits.
Stage RamschPlanner::StageFour() {
    // 4.1: a lone blank Eight does not count.
    const int t = v == 1 && b.Singles1Count == 1 && b.Singles1[0].Score == 1 ? 1 : 0;
    v -= t;
    // 4.2 The top pairs of three-card suits without the Seven.
    for (int s = 0; s < 4; ++s) {
        if (N(s) != 3) {
            if (t == 1 && b.Pairs2Count > 0) b.Singles1Count = 0;
        } else if (!Has(s, SEVEN) && (v < 1 || b.Pairs2Count > 0)) {
            if (AddTopPair(b.Pairs2, b.Pairs2Count, s)) v += 2;
        } else if (!Has(s, SEVEN)) {
            if (AddS3(s)) {
                if (b.Pairs1Count == 0 || b.Pairs1[0].Second.Score < b.Singles3[0].Score) ++v;
                else RemoveSingle(b.Singles3, b.Singles3Count, b.Singles3Count - 1);
            }
        } else if (!Has(s, EIGHT) && !Has(s, NINE)) {
            if (AddS3(s, 2)) ++v;
        } else if (Has(s, NINE) && !Has(s, EIGHT) && !Has(s, QUEEN) && !Has(s, KING)) {
            if (AddS3(s, 1)) ++v;
        } else if (Has(s, EIGHT) && !Has(s, NINE) && !Has(s, QUEEN) && !Has(s, KING)) {
            if (AddS3(s)) ++v;
        }
    }
    // 4.3 One low doubleton: a pair of another suit in its place.
    if (b.Pairs1Count == 1) {
        const DiscardPair pair = b.Pairs1[0];
        if (Order(pair.First.Index) < 5 && Order(pair.Second.Index) < 4) {
            if (Singles() < 2) {
                // 4.3.1: the best Ace with Ten or King of another three- or four-card suit, by
                // card points; a later equal pair replaces.
                DiscardPair best{{-1, 0}, {-1, 0}};
                bool found = false;
                const int pairSuit = SuitOf(pair.First.Index);
                for (int s = 0; s < 4; ++s) {
                    if (s == pairSuit || (N(s) != 3 && N(s) != 4) || !Has(s, ACE) || (!Has(s, TEN) && !Has(s, KING)))
                        continue;
                    DiscardPair top{{-1, 0}, {-1, 0}};
                    int topCount = 0;
                    AddTopPair(&top, topCount, s);
                    if (topCount == 0) continue;
                    top.First.Score = Points(top.First.Index);
                    top.Second.Score = Points(top.Second.Index);
                    if (top.First.Score >= best.First.Score && top.Second.Score >= best.Second.Score) {
                        best = top;
                        found = true;
                    }
                }
                if (found) {
                    b.Pairs2[0] = best;
                    if (b.Pairs2Count == 0) b.Pairs2Count = 1;
                }
            } else {
                b.Pairs1Count = 0;
            }
        }
        // 4.3.2 A pair found stands alone.
        if (b.Pairs2Count > 0) {
            b.Pairs1Count = 0;
            b.Pairs2Count = 1;
            b.Singles3Count = 0;
            return Stage::Five;
        }
    }
    // 4.4: a seat that does not lead splits two pairs into their two best first cards.
    if (b.Pairs2Count >= 2 && !forehand) {
        int i = -1, bound = 4;
        for (int k = 0; k < b.Pairs2Count; ++k) {
            const DiscardPair& pair = b.Pairs2[k];
            if (pair.Second.Score > 4) return Stage::Five;
            if ((pair.First.Score > 4 && pair.Second.Score < bound) || (pair.Second.Score == bound && CoinTails())) {
                i = k;
                bound = pair.Second.Score;
            }
        }
        if (i >= 0) {
            int j = -1, bound2 = 4;
            for (int k = 0; k < b.Pairs2Count; ++k) {
                if (k == i) continue;
                const DiscardPair& pair = b.Pairs2[k];
                if (pair.First.Score > bound2 || (pair.First.Score == bound2 && CoinTails())) {
                    j = k;
                    bound2 = pair.First.Score;
                }
            }
            if (j >= 0) {
                const DiscardEntry first = b.Pairs2[i].First, second = b.Pairs2[j].First;
                Add(b.Singles3, b.Singles3Count, first);
                Add(b.Singles3, b.Singles3Count, second);
                b.Pairs2Count = 0;
            }
        }
    }
    return Stage::Five;
}

// Stage 5: four-card suits, while fewer than two candidate cards stand.
Stage RamschPlanner::StageFive() {
    v = Singles() + 2 * (b.Pairs1Count + b.Pairs2Count);
    if (v >= 2) return Stage::Six;
    // 5.1 Four-card suits whose low cards cannot stay under: their top pair; Ace, Ten and King
    // while leading: the top pair or the top card.
    for (int s = 0; s < 4; ++s) {
        if (N(s) != 4) continue;
        if (nextForehand || !Has(s, ACE) || !Has(s, TEN) || !Has(s, KING)) {
            const bool seven = Has(s, SEVEN), eight = Has(s, EIGHT), nine = Has(s, NINE);
            const bool queen = Has(s, QUEEN), king = Has(s, KING);
            if (!seven || (!eight && !nine) || (nine && !eight && !queen && !king) || (eight && !nine && !queen))
                AddTopPair(b.Pairs3, b.Pairs3Count, s);
        } else if (v == 0) {
            AddTopPair(b.Pairs3, b.Pairs3Count, s);
        } else if (v == 1) {
            AddS3(s);
        }
    }
    // 5.2: with a low first candidate, the single of a suit with the Seven whose next card is
    // lowest becomes that suit's top pair.
    if (b.Singles3Count > 0 && b.Pairs3Count == 0) {
        const DiscardEntry c0 = b.Singles1Count > 0 ? b.Singles1[0] : b.Singles2Count > 0 ? b.Singles2[0] : b.Singles3[0];
        if (Order(c0.Index) < 5) {
            int taken = -1, lowest = 6;
            for (int k = 0; k < b.Singles3Count; ++k) {
                const int s = SuitOf(b.Singles3[k].Index);
                if (s < 0 || !Has(s, SEVEN)) continue;
                const int next = NextHigherInSuit(player, CardCodeOf(SEVEN, s));
                if (next == NO_CARD) continue;
                if (GetCardOrder(next) < lowest) {
                    lowest = GetCardOrder(next);
                    taken = s;
                }
            }
            if (taken >= 0) {
                AddTopPair(b.Pairs3, b.Pairs3Count, taken);
                ClearSingles();
            }
        }
    }
    return Stage::Six;
}

// Stage 6: one card short.
Stage RamschPlanner::StageSix() {
    v = Singles() + 2 * (b.Pairs1Count + b.Pairs2Count + b.Pairs3Count);
    if (v == 1) {
        // 6.1: a doubleton with the Seven: the Ace of a longer suit without the Seven, or the
        // doubleton's own high card.
        for (int s = 0; s < 4; ++s) {
            if (N(s) != 2 || !Has(s, SEVEN)) continue;
            int kept = -1, keptOrder = -1;
            for (int u = 0; u < 4; ++u) {
                if (u == s || N(u) <= 2 || !Has(u, ACE) || Has(u, SEVEN)) continue;
                const int order = GetCardOrder(PickLowCardOfSuit(player, u));
                if (kept < 0 || order > keptOrder || (order == keptOrder && CoinHeads())) {
                    kept = u;
                    keptOrder = order;
                }
            }
            if (kept >= 0) {
                const int previous = b.Singles3Count > 0 ? b.Singles3[b.Singles3Count - 1].Index : -1;
                if (AddS3(kept)) {
                    if (b.Singles3[b.Singles3Count - 1].Index == previous) RemoveSingle(b.Singles3, b.Singles3Count, b.Singles3Count - 1);
                    else ++v;
                }
            } else if (GetCardOrder(PickLowCardOfSuit(player, s)) > 2) {
                if (AddS1(s)) ++v;
            }
        }
        // 6.2 Still one card short: the top pair of the richest three-card suit with a lone Seven that
        // can give the lead away; then the top cards of long suits without the Seven.
        if (v == 1) {
            int taken = -1, most = 0;
            for (int s = 0; s < 4; ++s) {
                if (N(s) != 3 || !Has(s, SEVEN) || Has(s, EIGHT) || Has(s, NINE)) continue;
                const bool gives = CTrickCardChoice(player).ChooseCardByMode(4, s) != NO_CARD ||
                                   ((forehand || !CDiscardPlanner(player).CheckJackHolding()) &&
                                    CTrickCardChoice(player).ChooseCardByMode(2, s) != NO_CARD);
                if (!gives) continue;
                const int points = GetCardPoints(PickLowCardOfSuit(player, s));
                if (points > most) {
                    most = points;
                    taken = s;
                }
            }
            if (taken >= 0) {
                AddTopPair(b.Pairs2, b.Pairs2Count, taken);
                ClearSingles();
            }
            for (int s = 0; s < 4; ++s)
                if (N(s) >= 4 && !Has(s, SEVEN) && AddS3(s)) ++v;
        }
    }
    return v <= 2 ? Stage::Eight : Stage::Seven;
}

}  // namespace ramsch_plan

void CDiscardPlanner::AddPairCandidate(int start, const int* row, int (*filter)(const int*, int), DiscardPair* pairs,
                                       int& count) {
    if (!row || !filter || !pairs || start < 0) return;
    int found[2] = {-1, -1};
    int n = 0;
    for (int k = start; k < 8 && n < 2; ++k) {
        const int index = filter(row, kPairWalk[k]);
        if (index >= 0) found[n++] = index;
    }
    if (n < 2) return;
    AddPair(pairs, count, {found[0], DiscardPairScore(me, found[0])}, {found[1], DiscardPairScore(me, found[1])});
}

bool CDiscardPlanner::CheckJackHolding() const {
    const auto jack = [&](int suit) { return me.handInfo.RankTable[suit][JACK] >= 0; };
    switch (me.handInfo.JackCount) {
        case 1: return !jack(DIAMONDS);
        case 2: return !(jack(HEARTS) && jack(DIAMONDS));
        case 3: return !jack(CLUBS);
        case 4: return true;
        default: return false;
    }
}

void CDiscardPlanner::PlanDiscardRamsch() {
    RamschPlanner planner(me);
    planner.Run();
}
