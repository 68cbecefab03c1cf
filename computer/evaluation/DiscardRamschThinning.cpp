// The Ramsch lay-away planner, stages 7 and 8: too many candidate cards are thinned, exactly two
// are looked at once more.

#include "computer/evaluation/DiscardRamschPlanner.h"

#include "model/GameTypeLookups.h"
#include "platform/core/Random.h"
#include "computer/play/CardQueries.h"

namespace ramsch_plan {

// Stage 7: too many candidates (v above 2).
Stage RamschPlanner::StageSeven() {
    SevenDropAThirdOrTheLowBlank();
    const bool toSix = SevenThreeCardSuitsAndTheBlank();
    bool toSeven = false;
    if (!toSix && v > 2 && b.Singles3Count >= 2) toSeven = SevenLowestOfTheThirdList();
    if (!toSeven && b.Singles1Count > 0 && b.Singles3Count >= 2) SevenStrongThirdList();
    if (forehand) SevenLeadingPlayer();
    return SevenStillTooMany();
}

// 7.1 and 7.2: a third-list single whose suit keeps the Seven and a low card goes, then a low blank.
void RamschPlanner::SevenDropAThirdOrTheLowBlank() {
    // 7.1 Of two third-list singles, one whose suit keeps the Seven and the Eight or Nine goes.
    if (b.Singles3Count == 2) {
        for (int k = 0; k < 2; ++k) {
            const int s = SuitOf(b.Singles3[k].Index);
            if (s >= 0 && Has(s, SEVEN) && (Has(s, EIGHT) || Has(s, NINE))) {
                RemoveSingle(b.Singles3, b.Singles3Count, k);
                v -= 1;
                break;
            }
        }
    }
    // 7.2: a low blank below every other single goes.
    if (b.Singles1Count == 1 && v > 2 && (b.Singles2Count > 0 || b.Singles3Count > 0)) {
        const int blank = b.Singles1[0].Score;
        bool lowest = blank < 5;
        for (int k = 0; k < b.Singles2Count; ++k) lowest = lowest && blank < b.Singles2[k].Score;
        for (int k = 0; k < b.Singles3Count; ++k) lowest = lowest && blank < b.Singles3[k].Score;
        if (lowest) {
            b.Singles1Count = 0;
            v -= 1;
        }
    }
}

// 7.3 and 7.4; true when two candidates are left, on to 7.6.
bool RamschPlanner::SevenThreeCardSuitsAndTheBlank() {
    // 7.3 Three cards of a blank and a doubleton without Aces: Ace, Ten or King of a three-card suit
    // with the Seven join.
    if (v == 3 && b.Singles1Count == 1 && b.Pairs1Count == 1 && !IsAce(b.Singles1[0].Index) &&
        !IsAce(b.Pairs1[0].First.Index)) {
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, SEVEN) && (Has(s, ACE) || Has(s, TEN) || Has(s, KING)) && AddS3(s)) ++v;
    }
    if (v <= 2) return true;
    // 7.4 One blank: a doubleton scoring below the third-list single goes.
    if (b.Singles1Count == 1) {
        if (b.Singles3Count == 1 && b.Pairs1Count == 1 && b.Singles3[0].Score > b.Pairs1[0].First.Score) {
            b.Pairs1Count = 0;
            v -= 2;
        }
        if (v <= 2) return true;
    }
    return false;
}

// 7.5: the lowest-scored single of the third list goes; true when on to 7.7.
bool RamschPlanner::SevenLowestOfTheThirdList() {
    int lowest = -1, bound = 8;
    for (int k = 0; k < b.Singles3Count; ++k) {
        const int score = b.Singles3[k].Score;
        if (score < bound || (score == bound && CoinTails())) {
            lowest = k;
            bound = score;
        }
    }
    if (lowest >= 0) {
        RemoveSingle(b.Singles3, b.Singles3Count, lowest);
        v -= 1;
    }
    if (b.Singles1Count == 0) return true;
    if (b.Singles3Count < 2) return false;
    bool lowBlanks = true, highWithSeven = true;
    for (int k = 0; k < b.Singles1Count; ++k) lowBlanks = lowBlanks && Order(b.Singles1[k].Index) <= 4;
    for (int k = 0; k < b.Singles3Count; ++k) {
        const int index = b.Singles3[k].Index;
        const int s = SuitOf(index);
        highWithSeven = highWithSeven && Order(index) >= 4 && s >= 0 && Has(s, SEVEN);
    }
    if (!lowBlanks || !highWithSeven) return false;
    b.Singles1Count = 0;
    return true;
}

// 7.6: low blanks give way to two strong suits of the third list.
void RamschPlanner::SevenStrongThirdList() {
    bool lowBlanks = true;
    for (int k = 0; k < b.Singles1Count; ++k) lowBlanks = lowBlanks && b.Singles1[k].Score <= 3;
    int strong = 0;
    for (int k = 0; k < b.Singles3Count; ++k) {
        const int s = SuitOf(b.Singles3[k].Index);
        if (s >= 0 && Has(s, ACE) && (Has(s, TEN) || Has(s, KING))) ++strong;
    }
    if (lowBlanks && strong >= 2) {
        v -= b.Singles1Count;
        b.Singles1Count = 0;
    }
}

// 7.7: the leading player only; each sub-step tells the one to go on with (0 = on to 7.8).
void RamschPlanner::SevenLeadingPlayer() {
    int step = 2;
    if (b.Singles1Count == 1 && b.Pairs3Count == 1 && Order(b.Singles1[0].Index) < 5) step = SevenBlankAndPair();
    if (step == 2) step = SevenTwoHighSingles();
    // 7.7.3 A blank left ends the sub-steps; else on to 7.7.4.
    if (step == 3) step = b.Singles1Count > 0 ? 0 : 4;
    if (step == 4) SevenMiddlePairs();
}

// 7.7.1: a low blank beside a four-card suit's top pair, by what stays under in that suit.
int RamschPlanner::SevenBlankAndPair() {
    const int u = SuitOf(b.Pairs3[0].First.Index);
    const bool seven = Has(u, SEVEN), eight = Has(u, EIGHT), nine = Has(u, NINE);
    const bool queenOrKing = Has(u, QUEEN) || Has(u, KING);
    if (!seven) return 2;
    if ((eight && nine) || (eight != nine && queenOrKing)) {
        v = 2;
    } else if (v != 2) {
        b.Singles1Count = 0;
        return 2;
    }
    if (!Has(CLUBS, JACK) && Has(SPADES, SEVEN)) {
        SetOnly(b.Singles3, b.Singles3Count, b.Pairs3[0].First);
        b.Pairs3Count = 0;
        return 3;
    }
    b.Singles1Count = 0;
    return 2;
}

// 7.7.2: two high third-list singles beside a low doubleton and no high blank replace them.
int RamschPlanner::SevenTwoHighSingles() {
    bool onwards = true;  // on to the second sentence
    if (v == 3 && b.Singles3Count == 1) {
        if (b.Pairs2Count != 1) {
            onwards = false;
        } else if (Points(b.Pairs2[0].Second.Index) > Points(b.Singles3[0].Index)) {
            b.Singles3Count = 0;
            onwards = false;
        }
    }
    if (!onwards || b.Singles3Count != 2 || Points(b.Singles3[0].Index) < 10 || Points(b.Singles3[1].Index) < 10 ||
        b.Pairs1Count != 1 || Points(b.Pairs1[0].First.Index) > 10)
        return 3;
    bool highBlank = false;
    for (int k = 0; k < b.Singles1Count; ++k) highBlank = highBlank || Points(b.Singles1[k].Index) >= 10;
    if (highBlank) return 3;
    b.Singles1Count = 0;
    b.Pairs1Count = 0;
    return 4;
}

// 7.7.4: low doubletons give way to the top pairs of strong three-card suits.
void RamschPlanner::SevenMiddlePairs() {
    if (b.Singles2Count != 0 || b.Singles3Count != 0 || b.Pairs2Count != 0 || b.Pairs1Count <= 0) return;
    bool lowFirsts = true;
    for (int k = 0; k < b.Pairs1Count; ++k) lowFirsts = lowFirsts && Points(b.Pairs1[k].First.Index) <= 4;
    if (!lowFirsts) return;
    for (int s = 0; s < 4; ++s)
        if (N(s) == 3 && ((Has(s, ACE) && (Has(s, TEN) || Has(s, KING))) || (Has(s, TEN) && Has(s, KING))))
            AddTopPair(b.Pairs2, b.Pairs2Count, s);
    if (b.Pairs2Count > 0) {
        v += 2 * (b.Pairs2Count - b.Pairs1Count);
        b.Pairs1Count = 0;
    }
}

// 7.8: still too many: a pointless blank goes; of two doubletons the richer one stays.
Stage RamschPlanner::SevenStillTooMany() {
    if (v < 4) return Stage::Eight;
    if (b.Singles1Count == 1 && Points(b.Singles1[0].Index) == 0) {
        b.Singles1Count = 0;
        v -= 1;
        return Stage::Eight;
    }
    if (v != 4) return Stage::Eight;
    if (b.Pairs1Count != 2) return Stage::Nine;
    const DiscardPair first = b.Pairs1[0], second = b.Pairs1[1];
    const int a = PairPoints(first), bp = PairPoints(second);
    if ((a < 10 && bp > 10) || (a == 0 && bp > 0)) {
        SetOnlyPair(b.Pairs1, b.Pairs1Count, second);
        v = 2;
        p = bp;
        return StageSevenPairKept();
    }
    if ((a >= 11 && bp <= 9) || (a >= 1 && bp == 0)) {
        SetOnlyPair(b.Pairs1, b.Pairs1Count, first);
        v = 2;
        p = a;
        return StageSevenPairKept();
    }
    if (a + bp < 10) {
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, ACE) && (Has(s, SEVEN) || Has(s, EIGHT) || Has(s, NINE))) AddS3(s);
        if (b.Singles3Count >= 2) b.Pairs1Count = 0;
    }
    return Stage::Nine;
}

// 7.9: one pair kept with p points; a three-card suit may serve better.
Stage RamschPlanner::StageSevenPairKept() {
    for (int s = 0; s < 4; ++s) {
        if (N(s) != 3) continue;
        if (p < 5 && Has(s, ACE) && Has(s, TEN)) AddTopPair(b.Pairs2, b.Pairs2Count, s);
        else if (Has(s, ACE) && Has(s, SEVEN) && !Has(s, EIGHT) && !Has(s, NINE)) AddS3(s);
    }
    const DiscardPair pair = b.Pairs1[0];
    const int c1 = pair.First.Index, c2 = pair.Second.Index;
    if (b.Pairs2Count == 1) {
        b.Pairs1Count = 0;
        b.Singles3Count = 0;
    } else if (b.Singles3Count == 1 && IsAce(c1)) {
        SetOnly(b.Singles2, b.Singles2Count, pair.First);
        b.Pairs1Count = 0;
    } else if (b.Pairs1Count == 1) {
        const int pairSuit = SuitOf(c1);
        // 7.9.1: the other doubletons that are neither low at the top nor hold the Seven.
        if (Order(c2) < 5) {
            for (int s = 0; s < 4; ++s) {
                if (s == pairSuit || N(s) != 2) continue;
                if (!AddTopPair(b.Pairs1, b.Pairs1Count, s)) continue;
                const DiscardPair& added = b.Pairs1[b.Pairs1Count - 1];
                if (Order(added.First.Index) < 3 || RankAt(player, added.Second.Index) == SEVEN)
                    RemovePair(b.Pairs1, b.Pairs1Count, b.Pairs1Count - 1);
            }
            if (b.Pairs1Count >= 2) {
                const int pairs = b.Pairs1Count;
                const DiscardEntry firstCard = b.Pairs1[0].First, lastCard = b.Pairs1[pairs - 1].First;
                b.Singles2Count = 0;
                Add(b.Singles2, b.Singles2Count, firstCard);
                Add(b.Singles2, b.Singles2Count, lastCard);
                b.Pairs1Count = 0;
                v = pairs - 1;
                return Stage::Eight;
            }
        }
        // 7.9.2: a doubleton Ace over low cards: the Ace of a three-card suit with the lowest
        // small card.
        if (b.Pairs1Count == 1 && IsAce(c1) && Order(c2) < 3) {
            int best = 4;
            bool found = false;
            for (int s = 0; s < 4; ++s) {
                if (s == pairSuit || N(s) != 3 || !Has(s, ACE)) continue;
                const int m = Has(s, NINE) ? 3 : Has(s, EIGHT) ? 2 : Has(s, SEVEN) ? 1 : 4;
                if (m < best) {
                    best = m;
                    SetOnly(b.Singles3, b.Singles3Count, Top(s));
                    found = true;
                }
            }
            if (found) {
                SetOnly(b.Singles2, b.Singles2Count, pair.First);
                b.Pairs1Count = 0;
            }
        }
    }
    return Stage::Eight;
}

// 8.1: two blanks, the lower one small: a doubleton or a three-card suit with its Ace takes the
// place of the small one, or with a long suit beside them a doubleton takes both.
void RamschPlanner::EightTwoBlanksOneSmall() {
    const int loK = b.Singles1[1].Score <= b.Singles1[0].Score ? 1 : 0;
    const DiscardEntry lo = b.Singles1[loK], hi = b.Singles1[1 - loK];
    if (Order(lo.Index) >= 3) return;
    bool done = false;
    for (int s = 0; s < 4 && !done; ++s)
        if (N(s) == 2 && GetCardOrder(PickLowestInSuit(player, s, true)) > 3) {
            AddTopPair(b.Pairs1, b.Pairs1Count, s);
            SetOnly(b.Singles1, b.Singles1Count, hi);
            done = true;
        }
    for (int s = 0; s < 4 && !done; ++s)
        if (N(s) == 3 && Has(s, ACE) && GetCardOrder(PickLowestInSuit(player, s, true)) > 1) {
            AddS3(s);
            b.Singles1Count = 1;
            done = true;
        }
    if (!done && Order(hi.Index) < 3) {
        bool longSuit = false;
        for (int s = 0; s < 4; ++s) longSuit = longSuit || N(s) > 5;
        if (longSuit)
            for (int s = 0; s < 4; ++s)
                if (N(s) == 2 && GetCardOrder(PickLowestInSuit(player, s, true)) > 1) {
                    AddTopPair(b.Pairs1, b.Pairs1Count, s);
                    b.Singles1Count = 0;
                }
    }
}

// 8.2: a blank and the high card of a suit whose next card is the Ten: the two top cards of
// that suit end the planning.
Stage RamschPlanner::EightBlankAndTopOverTen() {
    const DiscardEntry single = b.Singles3[0];
    const int ten = NextLowerInSuit(player, Card(single.Index), false);
    if (Points(b.Singles1[0].Index) < 10 && ten != NO_CARD && GetCardRank(ten) == TEN) {
        const int tenSuit = GetCardSuit(ten, true);
        bool otherDoubleton = forehand;
        for (int s = 0; s < 4 && !otherDoubleton; ++s) {
            if (s == tenSuit || N(s) != 2 || !Has(s, SEVEN)) continue;
            const int top = TopIndex(s);
            otherDoubleton = top >= 0 && Order(top) > 3;
        }
        const int tenIndex = IndexOfCard(ten);
        if (otherDoubleton && tenIndex >= 0) {
            b.Pairs2Count = 0;
            AddPair(b.Pairs2, b.Pairs2Count, single, Entry(tenIndex));
            b.Singles1Count = 0;
            b.Singles3Count = 0;
            return Stage::End;
        }
    }
    return Stage::Nine;
}

// 8.3: two blanks still: a three-card suit with Ace, Ten and Seven takes the lower one's place,
// or the Ace and Ten of a three-card suit take both.
void RamschPlanner::EightTwoBlanks() {
    if (b.Singles1[0].Score >= 5 && b.Singles1[1].Score >= 5) return;
    for (int s = 0; s < 4; ++s)
        if (N(s) == 3 && Has(s, ACE) && Has(s, TEN) && Has(s, SEVEN)) {
            AddS3(s);
            const int higher = b.Singles1[1].Score > b.Singles1[0].Score ? 1 : 0;
            SetOnly(b.Singles1, b.Singles1Count, b.Singles1[higher]);
            return;
        }
    for (int s = 0; s < 4; ++s)
        if (N(s) == 3 && Has(s, ACE) && Has(s, TEN)) {
            AddTopPair(b.Pairs2, b.Pairs2Count, s);
            b.Singles1Count = 0;
            break;
        }
}

// 8.4.1 and 8.4.2: the one pair given up for a five-card suit's Ace and Ten or a three-card
// suit's Ace over low cards; true when it was. x ends as the last suit's high card looked at.
bool RamschPlanner::EightPairForALongerSuit(int& x) {
    const DiscardPair pair = b.Pairs1[0];
    const int c1 = pair.First.Index, c2 = pair.Second.Index;
    if (Order(c1) < 5 && Order(c2) < 3) {
        // 8.4.1 A five-card suit of Ace and Ten without the Seven.
        for (int s = 0; s < 4; ++s) {
            if (N(s) != 5) continue;
            const int high = PickHighestInSuit(player, s, true);
            const int next = NextLowerInSuit(player, high, false);
            if (GetCardRank(high) == ACE && GetCardRank(next) == TEN &&
                GetCardRank(PickLowestInSuit(player, s, true)) != SEVEN) {
                AddTopPair(b.Pairs2, b.Pairs2Count, s);
                b.Pairs1Count = 0;
                return true;
            }
            x = high;
        }
    } else if (Order(c2) < 5 && (RankAt(player, c1) == ACE || RankAt(player, c1) == TEN)) {
        // 8.4.2 A three-card suit of the Ace over low cards.
        for (int s = 0; s < 4; ++s) {
            if (N(s) != 3) continue;
            const int high = PickHighestInSuit(player, s, true);
            const int next = NextLowerInSuit(player, high, false);
            if (GetCardRank(high) == ACE && next != NO_CARD && GetCardOrder(next) < 3) {
                SetOnly(b.Singles2, b.Singles2Count, pair.First);
                AddS3(s);
                b.Pairs1Count = 0;
                return true;
            }
            x = high;
        }
    }
    return false;
}

// 8.4.3: a pair under a low card x: the three-card suits with their Ace (or Ten) offered instead.
void RamschPlanner::EightPairUnderThreeCardSuits(int x) {
    if (b.Pairs1Count != 1 || GetCardOrder(x) >= 4) return;
    for (int s = 0; s < 4; ++s)
        if (N(s) == 3 && Has(s, ACE) && !Has(s, SEVEN)) AddTopPair(b.Pairs2, b.Pairs2Count, s);
    if (b.Pairs2Count == 1) {
        const int u = SuitOf(b.Pairs2[0].First.Index);
        for (int s = 0; s < 4; ++s)
            if (s != u && N(s) == 2 && Has(s, SEVEN)) b.Pairs1Count = 0;
        if (Order(b.Pairs2[0].Second.Index) < 5) {
            for (int s = 0; s < 4; ++s)
                if (s != u && N(s) == 3 && (Has(s, ACE) || Has(s, TEN)) && Has(s, SEVEN)) {
                    AddS3(s);
                    break;
                }
            Add(b.Singles3, b.Singles3Count, b.Pairs2[0].First);
            b.Pairs2Count = 0;
            b.Pairs1Count = 0;
            return;
        }
    }
    if (b.Pairs1Count == 1) {
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && (Has(s, ACE) || Has(s, TEN))) AddS3(s);
        if (b.Singles3Count >= 2) {
            b.Pairs1Count = 0;
            v = b.Singles3Count;
        }
    }
}

// Stage 8: exactly two candidate cards.
Stage RamschPlanner::StageEight() {
    if (v != 2) return Stage::Nine;
    if (b.Singles1Count == 2) EightTwoBlanksOneSmall();
    if (b.Singles1Count == 1 && b.Singles3Count == 1) return EightBlankAndTopOverTen();
    if (b.Singles1Count == 2) {
        EightTwoBlanks();
        return Stage::Nine;
    }
    // 8.4: one pair (with one blank that has no third-list partner, or none or many blanks).
    if (b.Pairs1Count != 1) return Stage::Nine;
    int x = Card(b.Pairs1[0].First.Index);
    if (!EightPairForALongerSuit(x)) EightPairUnderThreeCardSuits(x);
    return Stage::Nine;
}

}  // namespace ramsch_plan
