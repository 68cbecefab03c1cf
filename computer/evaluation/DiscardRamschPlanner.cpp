// The Ramsch lay-away planner: which two of his twelve cards a seat that picked up the Ramsch skat
// pushes back. It prefers blanks and doubletons of suits without the Seven, then the high cards of
// three- and four-card suits, and thins the lists by their number of cards, by who leads the first
// trick and by card points. It never proposes a Jack (the Jacks are the trumps in Ramsch).
//
// The planning runs in nine stages; each stage is one function that returns the stage to go on
// with. Steps inside a stage keep the numbers of their rules in the comments.

#include "computer/evaluation/Discard.h"
#include "computer/evaluation/DiscardLists.h"

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "platform/core/Random.h"

using namespace discard;

int RankFilterAll(const int* row, int rank) { return rank >= 0 && rank < 8 ? row[rank] : -1; }

namespace {

// The walk of AddPairCandidate: a start of 1 begins at the Ace and skips the Jack.
constexpr int kPairWalk[8] = {JACK, ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};
// The plain ranks from the highest down.
constexpr int kPlainWalk[7] = {ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};

enum class Stage { One, Two, Three, Four, Five, Six, Seven, Eight, Nine, End };

void RemoveSingle(DiscardEntry* list, int& count, int at) {
    if (at < 0 || at >= count) return;
    for (int i = at; i + 1 < count; ++i) list[i] = list[i + 1];
    --count;
}

void RemovePair(DiscardPair* list, int& count, int at) {
    if (at < 0 || at >= count) return;
    for (int i = at; i + 1 < count; ++i) list[i] = list[i + 1];
    --count;
}

struct RamschPlanner {
    CPlayer& player;
    const HandInfo& info;
    DiscardPlannerBlock& b;
    bool forehand;       // the player leads the first trick
    bool nextForehand;   // the seat after him leads it
    int v = 0;           // the planner's own count of candidate cards
    int p = 0;           // stage 7.9: the points of the pair kept

    RamschPlanner(CPlayer& who)
        : player(who), info(who.handInfo), b(Block()), forehand(who.seat == g_Game.Forehand),
          nextForehand((who.seat + 1) % 3 == g_Game.Forehand) {}

    // ---- Hand facts ----
    int N(int s) const { return info.SuitCount[s]; }
    bool Has(int s, int rank) const { return Held(info, s, rank); }
    int Card(int index) const { return CardAt(player, index); }
    int Order(int index) const { return GetCardOrder(Card(index)); }
    int Points(int index) const { return GetCardPoints(Card(index)); }
    int SuitOf(int index) const { return SuitAt(player, index); }
    bool IsAce(int index) const { return RankAt(player, index) == ACE; }
    int PairPoints(const DiscardPair& pair) const { return Points(pair.First.Index) + Points(pair.Second.Index); }
    // Hand index of the highest plain card of a suit, -1 when none.
    int TopIndex(int s) const {
        for (int rank : kPlainWalk)
            if (Has(s, rank)) return Slot(info, s, rank);
        return -1;
    }
    DiscardEntry Top(int s, int bonus = 0) const {
        const int index = TopIndex(s);
        return {index, index < 0 ? 0 : Order(index) + bonus};
    }
    DiscardEntry Entry(int index) const { return {index, Order(index)}; }
    int IndexOfCard(int card) const { return card == NO_CARD ? -1 : player.FindCard(card); }

    // ---- List operations ----
    int Singles() const { return b.Singles1Count + b.Singles2Count + b.Singles3Count; }
    // Appends a single; true when it entered (a full list takes no fifth entry).
    bool Add(DiscardEntry* list, int& count, DiscardEntry entry) {
        const int before = count;
        AddSingle(list, count, entry.Index, entry.Score);
        return count > before;
    }
    bool AddS1(int s, int bonus = 0) { return Add(b.Singles1, b.Singles1Count, Top(s, bonus)); }
    bool AddS3(int s, int bonus = 0) { return Add(b.Singles3, b.Singles3Count, Top(s, bonus)); }
    bool AddTopPair(DiscardPair* list, int& count, int s) {
        const int before = count;
        player.AddPairCandidate(1, info.RankTable[s], RankFilterAll, list, count);
        return count > before;
    }
    void SetOnly(DiscardEntry* list, int& count, DiscardEntry entry) {
        count = 0;
        Add(list, count, entry);
    }
    void SetOnlyPair(DiscardPair* list, int& count, DiscardPair pair) {
        count = 0;
        AddPair(list, count, pair.First, pair.Second);
    }
    void ClearSingles() { b.Singles1Count = b.Singles2Count = b.Singles3Count = 0; }

    // ---- The stages ----
    Stage StageOne();
    Stage StageTwo();
    Stage StageThree();
    Stage StageFour();
    Stage StageFive();
    Stage StageSix();
    Stage StageSeven();
    Stage StageSevenPairKept();
    Stage StageEight();
    Stage StageNine();
    Stage StageNineForehand();
    void NineForehandSteps(int from);

    void Run() {
        Stage stage = Stage::One;
        while (stage != Stage::End) {
            switch (stage) {
            case Stage::One: stage = StageOne(); break;
            case Stage::Two: stage = StageTwo(); break;
            case Stage::Three: stage = StageThree(); break;
            case Stage::Four: stage = StageFour(); break;
            case Stage::Five: stage = StageFive(); break;
            case Stage::Six: stage = StageSix(); break;
            case Stage::Seven: stage = StageSeven(); break;
            case Stage::Eight: stage = StageEight(); break;
            case Stage::Nine: stage = StageNine(); break;
            case Stage::End: break;
            }
        }
    }
};

// Stage 1: blanks and doubletons without the Seven.
Stage RamschPlanner::StageOne() {
    // 1.1
    for (int s = 0; s < 4; ++s)
        if (N(s) == 1 && !Has(s, SEVEN) && AddS1(s)) ++v;
    bool toSix = v >= 2 && !forehand;  // 1.2
    if (!toSix) {
        // 1.3
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
    // 1.6
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
    // 2.2
    if (s2 >= 4) return Stage::Three;
    // 2.2.1
    for (int s = 0; s < 4; ++s) {
        if (N(s) != 3) continue;
        if ((Has(s, ACE) || Has(s, TEN)) && AddS3(s) && Has(s, SEVEN)) ++v;
        if (v > 3) {
            v -= 2;
            b.Pairs1Count = 0;
        }
    }
    if (forehand) {
        // 2.2.2
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
        // 2.2.3
        if (b.Singles3Count == 1) {
            SetOnly(b.Singles2, b.Singles2Count, pair.First);
            b.Pairs1Count = 0;
        } else {
            b.Singles3Count = 0;
        }
    }
    // 2.2.4
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
    // 4.2
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
    // 4.3
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
        // 4.3.2
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
            if ((pair.First.Score > 4 && pair.Second.Score < bound) || (pair.Second.Score == bound && Rand() % 2 == 1)) {
                i = k;
                bound = pair.Second.Score;
            }
        }
        if (i >= 0) {
            int j = -1, bound2 = 4;
            for (int k = 0; k < b.Pairs2Count; ++k) {
                if (k == i) continue;
                const DiscardPair& pair = b.Pairs2[k];
                if (pair.First.Score > bound2 || (pair.First.Score == bound2 && Rand() % 2 == 1)) {
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
    // 5.1
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
                const int next = player.NextHigherInSuit(CardCodeOf(SEVEN, s));
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
                const int order = GetCardOrder(player.PickLowCardOfSuit(u));
                if (kept < 0 || order > keptOrder || (order == keptOrder && Rand() % 2 == 0)) {
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
            } else if (GetCardOrder(player.PickLowCardOfSuit(s)) > 2) {
                if (AddS1(s)) ++v;
            }
        }
        // 6.2
        if (v == 1) {
            int taken = -1, most = 0;
            for (int s = 0; s < 4; ++s) {
                if (N(s) != 3 || !Has(s, SEVEN) || Has(s, EIGHT) || Has(s, NINE)) continue;
                const bool gives = player.ChooseCardByMode(4, s) != NO_CARD ||
                                   ((forehand || !player.CheckJackHolding()) && player.ChooseCardByMode(2, s) != NO_CARD);
                if (!gives) continue;
                const int points = GetCardPoints(player.PickLowCardOfSuit(s));
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

// Stage 7: too many candidates (v above 2).
Stage RamschPlanner::StageSeven() {
    // 7.1
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
    bool toSix = false, toSeven = false;
    // 7.3
    if (v == 3 && b.Singles1Count == 1 && b.Pairs1Count == 1 && !IsAce(b.Singles1[0].Index) &&
        !IsAce(b.Pairs1[0].First.Index)) {
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, SEVEN) && (Has(s, ACE) || Has(s, TEN) || Has(s, KING)) && AddS3(s)) ++v;
    }
    if (v <= 2) toSix = true;
    // 7.4
    if (!toSix && v > 2 && b.Singles1Count == 1) {
        if (b.Singles3Count == 1 && b.Pairs1Count == 1 && b.Singles3[0].Score > b.Pairs1[0].First.Score) {
            b.Pairs1Count = 0;
            v -= 2;
        }
        if (v <= 2) toSix = true;
    }
    // 7.5: the lowest-scored single of the third list goes.
    if (!toSix && v > 2 && b.Singles3Count >= 2) {
        int lowest = -1, bound = 8;
        for (int k = 0; k < b.Singles3Count; ++k) {
            const int score = b.Singles3[k].Score;
            if (score < bound || (score == bound && Rand() % 2 == 1)) {
                lowest = k;
                bound = score;
            }
        }
        if (lowest >= 0) {
            RemoveSingle(b.Singles3, b.Singles3Count, lowest);
            v -= 1;
        }
        if (b.Singles1Count == 0) {
            toSeven = true;
        } else if (b.Singles3Count >= 2) {
            bool lowBlanks = true, highWithSeven = true;
            for (int k = 0; k < b.Singles1Count; ++k) lowBlanks = lowBlanks && Order(b.Singles1[k].Index) <= 4;
            for (int k = 0; k < b.Singles3Count; ++k) {
                const int index = b.Singles3[k].Index;
                const int s = SuitOf(index);
                highWithSeven = highWithSeven && Order(index) >= 4 && s >= 0 && Has(s, SEVEN);
            }
            if (lowBlanks && highWithSeven) {
                b.Singles1Count = 0;
                toSeven = true;
            }
        }
    }
    // 7.6
    if (!toSeven && b.Singles1Count > 0 && b.Singles3Count >= 2) {
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
    // 7.7: the leading player only.
    if (forehand) {
        int step = 2;  // the sub-step of 7.7 to go on with; 0 = on to 7.8
        // 7.7.1
        if (b.Singles1Count == 1 && b.Pairs3Count == 1 && Order(b.Singles1[0].Index) < 5) {
            const int u = SuitOf(b.Pairs3[0].First.Index);
            const bool seven = Has(u, SEVEN), eight = Has(u, EIGHT), nine = Has(u, NINE);
            const bool queenOrKing = Has(u, QUEEN) || Has(u, KING);
            bool jackTest = false;
            if (!seven) {
                step = 2;
            } else if ((eight && nine) || (eight != nine && queenOrKing)) {
                v = 2;
                jackTest = true;
            } else if (v == 2) {
                jackTest = true;
            } else {
                b.Singles1Count = 0;
                step = 2;
            }
            if (jackTest) {
                if (!Has(CLUBS, JACK) && Has(SPADES, SEVEN)) {
                    SetOnly(b.Singles3, b.Singles3Count, b.Pairs3[0].First);
                    b.Pairs3Count = 0;
                    step = 3;
                } else {
                    b.Singles1Count = 0;
                    step = 2;
                }
            }
        }
        // 7.7.2
        if (step == 2) {
            bool onwards = true;  // on to the second sentence
            if (v == 3 && b.Singles3Count == 1) {
                if (b.Pairs2Count != 1) {
                    onwards = false;
                } else if (Points(b.Pairs2[0].Second.Index) > Points(b.Singles3[0].Index)) {
                    b.Singles3Count = 0;
                    onwards = false;
                }
            }
            step = 3;
            if (onwards && b.Singles3Count == 2 && Points(b.Singles3[0].Index) >= 10 && Points(b.Singles3[1].Index) >= 10 &&
                b.Pairs1Count == 1 && Points(b.Pairs1[0].First.Index) <= 10) {
                bool highBlank = false;
                for (int k = 0; k < b.Singles1Count; ++k) highBlank = highBlank || Points(b.Singles1[k].Index) >= 10;
                if (!highBlank) {
                    b.Singles1Count = 0;
                    b.Pairs1Count = 0;
                    step = 4;
                }
            }
        }
        // 7.7.3
        if (step == 3 && b.Singles1Count > 0) step = 0;
        else if (step == 3) step = 4;
        // 7.7.4
        if (step == 4 && b.Singles2Count == 0 && b.Singles3Count == 0 && b.Pairs2Count == 0 && b.Pairs1Count > 0) {
            bool lowFirsts = true;
            for (int k = 0; k < b.Pairs1Count; ++k) lowFirsts = lowFirsts && Points(b.Pairs1[k].First.Index) <= 4;
            if (lowFirsts) {
                for (int s = 0; s < 4; ++s)
                    if (N(s) == 3 && ((Has(s, ACE) && (Has(s, TEN) || Has(s, KING))) || (Has(s, TEN) && Has(s, KING))))
                        AddTopPair(b.Pairs2, b.Pairs2Count, s);
                if (b.Pairs2Count > 0) {
                    v += 2 * (b.Pairs2Count - b.Pairs1Count);
                    b.Pairs1Count = 0;
                }
            }
        }
    }
    // 7.8
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

// Stage 8: exactly two candidate cards.
Stage RamschPlanner::StageEight() {
    if (v != 2) return Stage::Nine;
    // 8.1: two blanks, the lower one small.
    if (b.Singles1Count == 2) {
        const int loK = b.Singles1[1].Score <= b.Singles1[0].Score ? 1 : 0;
        const DiscardEntry lo = b.Singles1[loK], hi = b.Singles1[1 - loK];
        if (Order(lo.Index) < 3) {
            bool done = false;
            for (int s = 0; s < 4 && !done; ++s)
                if (N(s) == 2 && GetCardOrder(player.PickLowestInSuit(s, true)) > 3) {
                    AddTopPair(b.Pairs1, b.Pairs1Count, s);
                    SetOnly(b.Singles1, b.Singles1Count, hi);
                    done = true;
                }
            for (int s = 0; s < 4 && !done; ++s)
                if (N(s) == 3 && Has(s, ACE) && GetCardOrder(player.PickLowestInSuit(s, true)) > 1) {
                    AddS3(s);
                    b.Singles1Count = 1;
                    done = true;
                }
            if (!done && Order(hi.Index) < 3) {
                bool longSuit = false;
                for (int s = 0; s < 4; ++s) longSuit = longSuit || N(s) > 5;
                if (longSuit)
                    for (int s = 0; s < 4; ++s)
                        if (N(s) == 2 && GetCardOrder(player.PickLowestInSuit(s, true)) > 1) {
                            AddTopPair(b.Pairs1, b.Pairs1Count, s);
                            b.Singles1Count = 0;
                        }
            }
        }
    }
    // 8.2: a blank and the high card of a suit whose next card is the Ten: the two top cards of
    // that suit end the planning.
    if (b.Singles1Count == 1 && b.Singles3Count == 1) {
        const DiscardEntry single = b.Singles3[0];
        const int ten = player.NextLowerInSuit(Card(single.Index), false);
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
    // 8.3
    if (b.Singles1Count == 2) {
        if (b.Singles1[0].Score >= 5 && b.Singles1[1].Score >= 5) return Stage::Nine;
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, ACE) && Has(s, TEN) && Has(s, SEVEN)) {
                AddS3(s);
                const int higher = b.Singles1[1].Score > b.Singles1[0].Score ? 1 : 0;
                SetOnly(b.Singles1, b.Singles1Count, b.Singles1[higher]);
                return Stage::Nine;
            }
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, ACE) && Has(s, TEN)) {
                AddTopPair(b.Pairs2, b.Pairs2Count, s);
                b.Singles1Count = 0;
                break;
            }
        return Stage::Nine;
    }
    // 8.4: one pair (with one blank that has no third-list partner, or none or many blanks).
    if (b.Pairs1Count != 1) return Stage::Nine;
    const DiscardPair pair = b.Pairs1[0];
    const int c1 = pair.First.Index, c2 = pair.Second.Index;
    int x = Card(c1);
    // 8.4.1
    if (Order(c1) < 5 && Order(c2) < 3) {
        for (int s = 0; s < 4; ++s) {
            if (N(s) != 5) continue;
            const int high = player.PickHighestInSuit(s, true);
            const int next = player.NextLowerInSuit(high, false);
            if (GetCardRank(high) == ACE && GetCardRank(next) == TEN &&
                GetCardRank(player.PickLowestInSuit(s, true)) != SEVEN) {
                AddTopPair(b.Pairs2, b.Pairs2Count, s);
                b.Pairs1Count = 0;
                return Stage::Nine;
            }
            x = high;
        }
    } else if (Order(c2) < 5 && (RankAt(player, c1) == ACE || RankAt(player, c1) == TEN)) {
        // 8.4.2
        for (int s = 0; s < 4; ++s) {
            if (N(s) != 3) continue;
            const int high = player.PickHighestInSuit(s, true);
            const int next = player.NextLowerInSuit(high, false);
            if (GetCardRank(high) == ACE && next != NO_CARD && GetCardOrder(next) < 3) {
                SetOnly(b.Singles2, b.Singles2Count, pair.First);
                AddS3(s);
                b.Pairs1Count = 0;
                return Stage::Nine;
            }
            x = high;
        }
    }
    // 8.4.3
    if (b.Pairs1Count == 1 && GetCardOrder(x) < 4) {
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
                return Stage::Nine;
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
    return Stage::Nine;
}

// Stage 9: final adjustments, by whether the player leads the first trick.
Stage RamschPlanner::StageNine() {
    if (forehand) return StageNineForehand();
    if (b.Pairs1Count == 1) {
        const DiscardPair pair = b.Pairs1[0];
        const int c1 = pair.First.Index, c2 = pair.Second.Index;
        bool toFour = false;
        // 9.1.1
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
        // 9.1.2
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
        // 9.1.3
        if (!toFour && b.Singles3Count == 2 && nextForehand) {
            b.Pairs1Count = 0;
            return Stage::End;
        }
        // 9.1.4
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
        // 9.2
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

// Stage 9 for the player who leads the first trick: steps 1 and 2 choose where to go on among
// the later steps 3 to 7.
Stage RamschPlanner::StageNineForehand() {
    int next = 3;
    if (b.Singles1Count == 0) {
        if (b.Singles2Count > 0) {
            next = 3;  // 9.1.1
        } else if (b.Singles3Count == 0) {
            // 9.1.2
            if (b.Pairs1Count >= 2 && b.Pairs2Count == 0 && b.Pairs3Count == 0) {
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
                    const DiscardPair first = b.Pairs1[0], second = b.Pairs1[1];
                    const int high = (Order(first.First.Index) > 4) + (Order(first.Second.Index) > 4) +
                                     (Order(second.First.Index) > 4);
                    if (high < 2) {
                        const DiscardPair* a = IsAce(second.First.Index) ? &second
                                               : IsAce(first.First.Index) ? &first
                                               : RankAt(player, second.First.Index) == TEN ? &second
                                               : RankAt(player, first.First.Index) == TEN ? &first
                                                                                           : nullptr;
                        if (a) {
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
                    }
                }
                next = 4;
            } else {
                next = 3;
            }
        } else if (b.Pairs1Count == 1 && b.Pairs2Count == 0 && b.Pairs3Count == 0) {
            // 9.1.3
            const DiscardPair pair = b.Pairs1[0];
            if (Order(pair.Second.Index) < 5) {
                const int x = player.PickLowestInSuit(SuitOf(b.Singles3[0].Index), true);
                if (b.Singles3Count >= 2 || !player.IsSuitSafe(x, -1, -1)) {
                    SetOnly(b.Singles2, b.Singles2Count, pair.First);
                    b.Pairs1Count = 0;
                }
            }
            next = 4;
        } else if (b.Singles3Count >= 2) {
            next = 3;  // 9.1.4
        } else if (b.Pairs1Count == 0 && b.Pairs2Count == 0 && b.Pairs3Count == 1) {
            // 9.1.5: the two cards above the lowest of the single's suit.
            const int y = player.NextHigherInSuit(player.PickLowestInSuit(SuitOf(b.Singles3[0].Index), true));
            if (y == NO_CARD || GetCardOrder(y) < 3) {
                next = 4;
            } else {
                const int z = player.NextHigherInSuit(y);
                const int yIndex = IndexOfCard(y), zIndex = IndexOfCard(z);
                if (z == NO_CARD || yIndex < 0 || zIndex < 0) {
                    next = 3;
                } else {
                    b.Pairs2Count = 0;
                    AddPair(b.Pairs2, b.Pairs2Count, Entry(zIndex), Entry(yIndex));
                    b.Singles3Count = 0;
                    b.Pairs3Count = 0;
                    next = 5;
                }
            }
        }
    } else if (b.Singles1Count >= 2 && b.Pairs1Count > 0) {
        // 9.2: blanks worth less than a pair give way to it.
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
        next = 4;
    }
    NineForehandSteps(next);
    return Stage::End;
}

// Steps 3 to 7 of stage 9 for the leading player, from the given step on.
void RamschPlanner::NineForehandSteps(int from) {
    int step = from;
    // 9.3: two single candidates worth laying away only with a safe low card behind them.
    if (step == 3) {
        step = 4;
        if (v == 2 && b.Pairs1Count == 0 && b.Pairs2Count == 0 && b.Pairs3Count == 0) {
            DiscardEntry singles[12];
            int count = 0;
            for (int k = 0; k < b.Singles1Count; ++k) singles[count++] = b.Singles1[k];
            for (int k = 0; k < b.Singles2Count; ++k) singles[count++] = b.Singles2[k];
            for (int k = 0; k < b.Singles3Count; ++k) singles[count++] = b.Singles3[k];
            if (count >= 2) {
                const int f = singles[0].Index, g = singles[1].Index;
                auto lowSeven = [&](int index) {
                    const int s = SuitOf(index);
                    return s >= 0 && N(s) > 1 && GetCardRank(player.PickLowestInSuit(s, true)) == SEVEN;
                };
                bool fits = Points(f) < 10 || lowSeven(f);
                if (Points(g) >= 10) {
                    const int s = SuitOf(g);
                    fits = fits && lowSeven(g) &&
                           (N(s) <= 2 || GetCardOrder(player.NextLowerInSuit(Card(g), false)) <= 2);
                }
                if (fits) {
                    for (int s = 0; s < 4; ++s) {
                        if (N(s) < 3 || Has(s, SEVEN) || (!Has(s, ACE) && !Has(s, TEN))) continue;
                        if (b.Singles3Count > 0 && IsAce(b.Singles3[0].Index)) {
                            AddS3(s);
                            b.Singles1Count = b.Singles2Count = 0;
                            step = 4;
                        } else {
                            AddTopPair(b.Pairs2, b.Pairs2Count, s);
                            ClearSingles();
                            step = 6;
                        }
                        break;
                    }
                }
            }
        }
    }
    // 9.4: an Ace whose Ten is held goes with it; small blanks and pairs stay.
    if (step == 4) {
        step = 5;
        if (b.Singles3Count == 1 && IsAce(b.Singles3[0].Index)) {
            const int s = SuitOf(b.Singles3[0].Index);
            const int ten = player.NextLowerInSuit(Card(b.Singles3[0].Index), false);
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
    }
    // 9.5
    if (step == 5) {
        step = 6;
        if (v == 3 && b.Singles3Count == 1 && info.JackCount != 0) b.Singles3Count = 0;
    }
    // 9.6
    if (step == 6) {
        step = 7;
        if (b.Pairs1Count == 1) {
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
                    return;
                }
            }
        }
    }
    // 9.7
    if (b.Singles1Count == 1 && b.Pairs1Count == 1 && !Has(CLUBS, JACK) && Points(b.Singles1[0].Index) <= 3 &&
        Points(b.Pairs1[0].Second.Index) == 0) {
        for (int s = 0; s < 4; ++s)
            if (N(s) == 3 && Has(s, ACE) && Has(s, TEN)) {
                AddS3(s);
                break;
            }
    }
}

}  // namespace

void CPlayer::AddPairCandidate(int start, const int* row, int (*filter)(const int*, int), DiscardPair* pairs,
                               int& count) {
    if (!row || !filter || !pairs || start < 0) return;
    int found[2] = {-1, -1};
    int n = 0;
    for (int k = start; k < 8 && n < 2; ++k) {
        const int index = filter(row, kPairWalk[k]);
        if (index >= 0) found[n++] = index;
    }
    if (n < 2) return;
    AddPair(pairs, count, {found[0], DiscardPairScore(*this, found[0])}, {found[1], DiscardPairScore(*this, found[1])});
}

bool CPlayer::CheckJackHolding() const {
    const auto jack = [&](int suit) { return handInfo.RankTable[suit][JACK] >= 0; };
    switch (handInfo.JackCount) {
    case 1: return !jack(DIAMONDS);
    case 2: return !(jack(HEARTS) && jack(DIAMONDS));
    case 3: return !jack(CLUBS);
    case 4: return true;
    default: return false;
    }
}

void CPlayer::PlanDiscardRamsch() {
    RamschPlanner planner(*this);
    planner.Run();
}
