// The Ramsch lay-away planner, stage 9: the final adjustments, for the seat that leads the first
// trick and for the others.

#include "computer/evaluation/DiscardRamschPlanner.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"

namespace ramsch_plan {

// Stage 9: final adjustments, by whether the player leads the first trick.
Stage RamschPlanner::StageNine() {
    if (forehand) return StageNineForehand();
    if (b.Pairs1Count == 1) {
        const DiscardPair pair = b.Pairs1[0];
        const int c1 = pair.First.Index, c2 = pair.Second.Index;
        bool toFour = false;
        // 9.1.1 No third-list single: a pointless doubleton takes a three-card suit's Ace or Ten; with a
        // pointless blank the doubleton's first card alone stays.
        if (b.Singles3Count == 0) {
            if (Points(c1) == 0 && Points(c2) == 0)
                for (int s = 0; s < 4; ++s)
                    if (N(s) == 3 && !Has(s, SEVEN) && (Has(s, EIGHT) || Has(s, NINE)) && (Has(s, ACE) || Has(s, TEN)))
                        AddS3(s, 1);
            if (b.Singles2Count == 0 && b.Singles3Count == 0) {
                if (b.Singles1Count != 1) {
                    toFour = true;
                } else if (Points(b.Singles1[0].Index) == 0 && Points(c2) == 0) {
                    bool found = false;
                    for (int s = 0; s < 4; ++s)
                        if (N(s) == 3 && !Has(s, SEVEN) && (Has(s, ACE) || Has(s, TEN)) && AddS3(s, 1)) found = true;
                    if (found) {
                        SetOnly(b.Singles2, b.Singles2Count, pair.First);
                        b.Singles1Count = 0;
                        b.Pairs1Count = 0;
                    }
                }
            }
        }
        // 9.1.2 One third-list single: kept only for a three-card suit with the Seven and a low doubleton.
        if (!toFour && b.Singles3Count == 1) {
            const int u = SuitOf(b.Singles3[0].Index);
            if (!(u >= 0 && N(u) == 3 && Has(u, SEVEN) && (Has(u, ACE) || Has(u, TEN)) && Points(c1) <= 4)) {
                toFour = true;
            } else {
                if (b.Singles1Count == 1 && Points(b.Singles1[0].Index) < 5) {
                    if (Points(b.Singles1[0].Index) < Points(c1)) b.Singles1Count = 0;
                    else b.Pairs1Count = 0;
                }
                if (b.Singles1Count == 0) {
                    Add(b.Singles2, b.Singles2Count, pair.First);
                    b.Pairs1Count = 0;
                    return Stage::End;
                }
            }
        }
        // 9.1.3 Two third-list singles with the next seat leading: the doubleton goes.
        if (!toFour && b.Singles3Count == 2 && nextForehand) {
            b.Pairs1Count = 0;
            return Stage::End;
        }
        // 9.1.4 A high doubleton alone: Aces and Tens of three-card suits above it join.
        if (b.Pairs1Count == 1 && b.Singles3Count == 0 && Order(c1) >= 5) {
            for (int s = 0; s < 4; ++s) {
                if (N(s) != 3 || (!Has(s, ACE) && !Has(s, TEN))) continue;
                if (AddS3(s, 1) && Order(b.Singles3[b.Singles3Count - 1].Index) <= Order(c1))
                    RemoveSingle(b.Singles3, b.Singles3Count, b.Singles3Count - 1);
            }
            if (b.Singles1Count == 1 && b.Singles2Count == 0 && b.Singles3Count == 1 && b.Singles1[0].Score <= 3 &&
                pair.First.Score >= 5) {
                SetOnly(b.Singles2, b.Singles2Count, pair.First);
                b.Singles1Count = 0;
                b.Pairs1Count = 0;
            }
        }
    } else if (b.Pairs1Count == 2) {
        // 9.2 Two doubletons.
        const DiscardPair first = b.Pairs1[0], second = b.Pairs1[1];
        if (b.Singles1Count == 1) {
            if (b.Singles1[0].Score <= 4 && IsAce(first.First.Index) && IsAce(second.First.Index)) {
                b.Singles1Count = 0;
                Add(b.Singles1, b.Singles1Count, first.First);
                Add(b.Singles1, b.Singles1Count, first.Second);
                b.Pairs1Count = 0;
            }
        } else if (Order(first.First.Index) >= 5 && Order(first.Second.Index) <= 2 && Order(second.First.Index) >= 5 &&
                   Order(second.Second.Index) <= 2) {
            b.Singles2Count = 0;
            Add(b.Singles2, b.Singles2Count, first.First);
            Add(b.Singles2, b.Singles2Count, second.First);
            b.Pairs1Count = 0;
        }
    } else if (v == 4 && b.Pairs2Count == 2) {
        // 9.3: of two pairs the one higher on top and not lower below stays alone.
        const DiscardPair first = b.Pairs2[0], second = b.Pairs2[1];
        if (first.First.Score > second.First.Score && first.Second.Score >= second.Second.Score)
            SetOnlyPair(b.Pairs2, b.Pairs2Count, first);
        else if (second.First.Score > first.First.Score && second.Second.Score >= first.Second.Score)
            SetOnlyPair(b.Pairs2, b.Pairs2Count, second);
    }
    return Stage::End;
}

// 9.1.2, with two good pairs: their top cards as two blanks.
void RamschPlanner::NinePairsOnly() {
    int i = -1, j = -1;
    for (int k = 0; k < b.Pairs1Count; ++k) {
        const DiscardPair& pair = b.Pairs1[k];
        if (Points(pair.First.Index) <= 4 || Points(pair.Second.Index) >= 5) continue;
        const int points = Points(pair.First.Index);
        if (i < 0) {
            i = k;
        } else if (j < 0) {
            if (points > Points(b.Pairs1[i].First.Index)) j = i, i = k;
            else j = k;
        } else if (points > Points(b.Pairs1[j].First.Index)) {
            j = k;
        }
    }
    if (i >= 0 && j >= 0) {
        const DiscardEntry a = b.Pairs1[i].First, c = b.Pairs1[j].First;
        b.Singles1Count = 0;
        Add(b.Singles1, b.Singles1Count, a);
        Add(b.Singles1, b.Singles1Count, c);
        b.Pairs1Count = 0;
    } else {
        NineTopOfAPairWithAThreeCardSuit();
    }
}

// 9.1.2, the first two pairs mostly low: the Ace (or Ten) on top of one of them goes with the top
// card of a three-card suit holding its Ace or Ten.
void RamschPlanner::NineTopOfAPairWithAThreeCardSuit() {
    const DiscardPair first = b.Pairs1[0], second = b.Pairs1[1];
    const int high = (Order(first.First.Index) > 4) + (Order(first.Second.Index) > 4) + (Order(second.First.Index) > 4);
    if (high >= 2) return;
    const DiscardPair* a = IsAce(second.First.Index)                   ? &second
                           : IsAce(first.First.Index)                  ? &first
                           : RankAt(player, second.First.Index) == TEN ? &second
                           : RankAt(player, first.First.Index) == TEN  ? &first
                                                                       : nullptr;
    if (!a) return;
    const DiscardEntry kept = a->First;
    for (int s = 0; s < 4; ++s)
        if (N(s) == 3 && (Has(s, ACE) || Has(s, TEN))) {
            b.Singles1Count = 0;
            Add(b.Singles1, b.Singles1Count, Top(s));
            Add(b.Singles1, b.Singles1Count, kept);
            b.Pairs1Count = 0;
            break;
        }
}

// 9.1.3: one pair with a low second card gives its top card to the second list, unless the
// third list's single has a safe low card.
void RamschPlanner::NineOnePairAndThirdList() {
    const DiscardPair pair = b.Pairs1[0];
    if (Order(pair.Second.Index) >= 5) return;
    const int x = PickLowestInSuit(player, SuitOf(b.Singles3[0].Index), true);
    if (b.Singles3Count >= 2 || !IsSuitSafe(player, x, -1, -1)) {
        SetOnly(b.Singles2, b.Singles2Count, pair.First);
        b.Pairs1Count = 0;
    }
}

// 9.1.5: the two cards above the lowest of the single's suit; the step that follows.
int RamschPlanner::NineTwoCardsAboveTheLowest() {
    const int y = NextHigherInSuit(player, PickLowestInSuit(player, SuitOf(b.Singles3[0].Index), true));
    if (y == NO_CARD || GetCardOrder(y) < 3) return 4;
    const int z = NextHigherInSuit(player, y);
    const int yIndex = IndexOfCard(y), zIndex = IndexOfCard(z);
    if (z == NO_CARD || yIndex < 0 || zIndex < 0) return 3;
    b.Pairs2Count = 0;
    AddPair(b.Pairs2, b.Pairs2Count, Entry(zIndex), Entry(yIndex));
    b.Singles3Count = 0;
    b.Pairs3Count = 0;
    return 5;
}

// 9.1: no blank; the step that follows.
int RamschPlanner::NineWithoutBlanks() {
    if (b.Singles2Count > 0) return 3;  // 9.1.1: a second-list single: step 3
    if (b.Singles3Count == 0) {
        // 9.1.2 No third-list single: two doubletons alone are weighed, step 4; else step 3.
        if (b.Pairs1Count >= 2 && b.Pairs2Count == 0 && b.Pairs3Count == 0) {
            NinePairsOnly();
            return 4;
        }
        return 3;
    }
    if (b.Pairs1Count == 1 && b.Pairs2Count == 0 && b.Pairs3Count == 0) {
        NineOnePairAndThirdList();  // 9.1.3: one doubleton beside the third list
        return 4;
    }
    if (b.Singles3Count >= 2) return 3;  // 9.1.4: two third-list singles: step 3
    if (b.Pairs1Count == 0 && b.Pairs2Count == 0 && b.Pairs3Count == 1) return NineTwoCardsAboveTheLowest();
    return 3;
}

// 9.2: blanks worth less than a pair give way to it.
void RamschPlanner::NineBlanksGiveWayToAPair() {
    int t = 0;
    for (int k = 0; k < b.Singles1Count; ++k) t += Points(b.Singles1[k].Index);
    for (int k = 0; k < b.Pairs1Count; ++k) {
        if (PairPoints(b.Pairs1[k]) < t) continue;
        if (b.Singles1Count == 2 && b.Pairs1Count == 1 && t > 9 && PairPoints(b.Pairs1[k]) < 22) {
            const int replaced = Points(b.Singles1[0].Index) >= 10 ? 1 : 0;
            b.Singles1[replaced] = b.Pairs1[0].First;
            b.Pairs1Count = 0;
        } else {
            b.Singles1Count = 0;
        }
        break;
    }
}

// Stage 9 for the player who leads the first trick: steps 1 and 2 choose where to go on among
// the later steps 3 to 7.
Stage RamschPlanner::StageNineForehand() {
    int next = 3;
    if (b.Singles1Count == 0) {
        next = NineWithoutBlanks();
    } else if (b.Singles1Count >= 2 && b.Pairs1Count > 0) {
        NineBlanksGiveWayToAPair();
        next = 4;
    }
    NineForehandSteps(next);
    return Stage::End;
}

// 9.3: two single candidates worth laying away only with a safe low card behind them; the step
// that follows (4, or 6 when a three-card suit's pair replaces them).
int RamschPlanner::NineSinglesOverASafeLowCard() {
    if (v != 2 || b.Pairs1Count != 0 || b.Pairs2Count != 0 || b.Pairs3Count != 0) return 4;
    DiscardEntry singles[12];
    int count = 0;
    for (int k = 0; k < b.Singles1Count; ++k) singles[count++] = b.Singles1[k];
    for (int k = 0; k < b.Singles2Count; ++k) singles[count++] = b.Singles2[k];
    for (int k = 0; k < b.Singles3Count; ++k) singles[count++] = b.Singles3[k];
    if (count < 2) return 4;
    const int f = singles[0].Index, g = singles[1].Index;
    auto lowSeven = [&](int index) {
        const int s = SuitOf(index);
        return s >= 0 && N(s) > 1 && GetCardRank(PickLowestInSuit(player, s, true)) == SEVEN;
    };
    bool fits = Points(f) < 10 || lowSeven(f);
    if (Points(g) >= 10) {
        const int s = SuitOf(g);
        fits = fits && lowSeven(g) && (N(s) <= 2 || GetCardOrder(NextLowerInSuit(player, Card(g), false)) <= 2);
    }
    if (!fits) return 4;
    for (int s = 0; s < 4; ++s) {
        if (N(s) < 3 || Has(s, SEVEN) || (!Has(s, ACE) && !Has(s, TEN))) continue;
        if (b.Singles3Count > 0 && IsAce(b.Singles3[0].Index)) {
            AddS3(s);
            b.Singles1Count = b.Singles2Count = 0;
            return 4;
        }
        AddTopPair(b.Pairs2, b.Pairs2Count, s);
        ClearSingles();
        return 6;
    }
    return 4;
}

// 9.4: an Ace whose Ten is held goes with it; small blanks and pairs stay.
void RamschPlanner::NineAceWithItsTen() {
    if (b.Singles3Count != 1 || !IsAce(b.Singles3[0].Index)) return;
    const int s = SuitOf(b.Singles3[0].Index);
    const int ten = NextLowerInSuit(player, Card(b.Singles3[0].Index), false);
    const int tenIndex = IndexOfCard(ten);
    if (Has(s, TEN) && GetCardRank(ten) == TEN && tenIndex >= 0) {
        const DiscardEntry ace = b.Singles3[0];
        b.Pairs2Count = 0;
        AddPair(b.Pairs2, b.Pairs2Count, ace, Entry(tenIndex));
        b.Singles3Count = 0;
        for (int k = b.Singles1Count - 1; k >= 0; --k)
            if (Points(b.Singles1[k].Index) < 4) RemoveSingle(b.Singles1, b.Singles1Count, k);
        for (int k = b.Pairs1Count - 1; k >= 0; --k)
            if (Points(b.Pairs1[k].First.Index) < 4) RemovePair(b.Pairs1, b.Pairs1Count, k);
    }
}

// 9.6: one pair against the third list and the second pair list; false when two rich top cards
// end the planning as blanks.
bool RamschPlanner::NineOnePairAgainstTheOthers() {
    if (b.Pairs1Count != 1) return true;
    const DiscardPair pair = b.Pairs1[0];
    const int c1 = pair.First.Index, c2 = pair.Second.Index;
    bool heavier = false;
    for (int k = 0; k < b.Singles3Count; ++k) heavier = heavier || Points(b.Singles3[k].Index) >= Points(c1);
    if (b.Singles3Count > 0 && heavier) {
        Add(b.Singles2, b.Singles2Count, pair.First);
        b.Pairs1Count = 0;
    } else if (b.Pairs2Count > 0) {
        const int q = Points(c1) + Points(c2);
        if (q < 5) {
            for (int k = 0; k < b.Pairs2Count; ++k)
                if (PairPoints(b.Pairs2[k]) >= q) b.Pairs1Count = 0;
        } else if (q <= 20 && b.Pairs2Count == 1 && Points(c1) >= 10 && Points(b.Pairs2[0].First.Index) >= 10) {
            const DiscardEntry other = b.Pairs2[0].First;
            b.Singles1Count = 0;
            Add(b.Singles1, b.Singles1Count, pair.First);
            Add(b.Singles1, b.Singles1Count, other);
            b.Pairs1Count = 0;
            b.Pairs2Count = 0;
            return false;
        }
    }
    return true;
}

// Steps 3 to 7 of stage 9 for the leading player, from the given step on.
void RamschPlanner::NineForehandSteps(int from) {
    int step = from;
    if (step == 3) step = NineSinglesOverASafeLowCard();
    if (step == 4) {
        NineAceWithItsTen();
        step = 5;
    }
    // 9.5 Three candidates with one third-list single and a Jack: the single goes.
    if (step == 5) {
        step = 6;
        if (v == 3 && b.Singles3Count == 1 && info.JackCount != 0) b.Singles3Count = 0;
    }
    if (step == 6 && !NineOnePairAgainstTheOthers()) return;
    // 9.7 A low blank and a pointless doubleton without the Clubs Jack: Ace and Ten of a three-card suit join.
    if (b.Singles1Count == 1 && b.Pairs1Count == 1 && !Has(CLUBS, JACK) && Points(b.Singles1[0].Index) <= 3 &&
        Points(b.Pairs1[0].Second.Index) == 0) {
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, ACE) && Has(s, TEN)) {
                AddS3(s);
                break;
            }
    }
}

}  // namespace ramsch_plan
