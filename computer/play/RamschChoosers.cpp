// The Ramsch card choosers: each walks the suits and picks the one in which a low card goes under
// the cards still out, or a high card can be shed while it is safe; a test whether the player can
// always play under a suit; and the guard against another player's Durchmarsch through the suit
// plan slots.

#include "computer/play/RamschPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"

namespace {

bool IsNoCard(int x) { return x == NO_CARD || x == 0; }

int SlotCard(const CPlayer& player, int suit) { return IsSuitIndex(suit) ? player.SuitPlanSlots[suit].Card : 0; }

// One suit as ChooseRamschCard weighs it.
struct RamschSuitShape {
    int k = 0;    // cards held
    int out = 0;  // cards still out
    int low = NO_CARD;
    int second = NO_CARD;  // the held card next above the low card
    int top = NO_CARD;
    bool lowSafe = false;
    bool secondSafe = false;
    int gap = 0;  // the orders between the low card and the second
};

// The scoring of one suit in ChooseRamschCard, by its length: the base score b, the length len that
// the priority reads and the candidate w (the top card unless the rule names another); false
// when the suit gives no candidate. x is the card kept apart; D: a suit can always play under.
bool RamschSuitBase(const RamschSuitShape& suit, int x, bool D, bool forehand, bool passedOn, int& b, int& len,
                    int& w) {
    const int k = suit.k, out = suit.out, low = suit.low, second = suit.second, top = suit.top;
    const bool lowSafe = suit.lowSafe, secondSafe = suit.secondSafe;
    const int gap = suit.gap;
    if (k == 1) {
        if (lowSafe) return false;
        b = IsRank(top, ACE) ? 60 : 50;
    } else if (k == 2) {
        if (lowSafe) {
            if (out == 1 || secondSafe || gap < 2) return false;
            b = 1;
            len = 6 - OrderOf(top);
        } else if (IsRank(low, EIGHT) && (IsRank(top, TEN) || IsRank(top, ACE)) && IsNoCard(x)) {
            b = 50;
            if (forehand) w = low;
        } else {
            b = 45;
        }
        if (passedOn) b += 3;
    } else if (k == 3) {
        if (lowSafe) {
            if (!secondSafe && gap > 2) {
                b = 45;
                if (out == 2 && IsNoCard(x)) w = low;
            } else if (out == 2 || OrderOf(top) - OrderOf(second) <= 2 || (D && !IsNoCard(x))) {
                return false;
            } else {
                b = 2;
            }
        } else {
            b = 35;
            w = low;
        }
    } else {
        if (lowSafe) {
            if (k >= 6 || secondSafe || gap <= 2) return false;
            b = k == 4 ? 10 : 1;
        } else {
            b = 30;
            if (IsRank(low, EIGHT) && IsRank(second, NINE) && forehand && IsNoCard(x)) w = low;
        }
    }
    return true;
}

// Steps 3 and 4 of ChooseRamschCard: the candidate w corrected by the seat (the forehand plays the
// held card below it) and its priority p; false when the suit gives no candidate after all.
bool RamschCandidatePriority(const CPlayer& player, const RamschSuitShape& suit, int s, int x, bool forehand, int b,
                             int len, int& w, int& p) {
    const int k = suit.k, second = suit.second, top = suit.top;
    int low = suit.low;
    // 3. Candidate correction.
    if (!forehand) {
        if (w == x) return false;
        if (IsRank(w, ACE) && second != NO_CARD && OrderOf(second) < OrderOf(CardCodeOf(TEN, s))) w = second;
    } else {
        if (w != NO_CARD && w != low) low = NextLowerInSuit(player, w, false);
        if (second != x && second != NO_CARD) w = second;
        else if (low != x && low != NO_CARD) w = low;
        else return false;
    }
    // 4. Priority.
    const int L = len > 2 ? len : 0;
    if (forehand) {
        w = GetNextLowerHeld(player, w);
        p = k > 1 ? b + 10 - L - OrderOf(w) : b + 10 - L + OrderOf(w);
    } else {
        if (top == x) b = 0;
        p = b + 8 - L + OrderOf(w);
    }
    return true;
}

}  // namespace

int CRamschPlay::ChooseRamschCard(int x, bool high, bool skipSafe) {
    const int xSuit = IsNoCard(x) ? -2 : SuitOf(x);
    const bool forehand = me.seat == g_Game.Forehand;
    const bool passedOn = me.seat >= 0 && me.seat < 3 && g_Game.SkatPassedOnBySeat[me.seat] != 0;
    // 1. The exclusion pass; a suit the player can always play under sets D.
    bool excluded[4] = {};
    bool D = false;
    for (int s = 0; s < 4; ++s) {
        if (me.handInfo.SuitCount[s] == 0 || !IsSuitGuarded(me, s, 1, false)) excluded[s] = true;
        else if (EvaluateRamschHand(s)) excluded[s] = D = true;
        else if (s == xSuit && me.handInfo.SuitCount[s] >= 4) excluded[s] = true;
    }
    // 2. to 4. Scoring.
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (excluded[s]) continue;
        RamschSuitShape suit;
        suit.k = me.handInfo.SuitCount[s];
        suit.out = CountOutstanding(me, s) - suit.k;
        suit.low = PickLowestInSuit(me, s, true);
        suit.second = NextHigherInSuit(me, suit.low);
        suit.top = PickHighestInSuit(me, s, true);
        suit.lowSafe = IsSuitSafe(me, suit.low, -1, -1);
        if (skipSafe && suit.lowSafe) continue;
        suit.secondSafe = IsSuitSafe(me, suit.second, suit.low, -1);
        suit.gap = OrderOf(suit.second) - OrderOf(suit.low);
        int b = 0, len = suit.k, w = suit.top;
        if (!RamschSuitBase(suit, x, D, forehand, passedOn, b, len, w)) continue;
        int p = 0;
        if (!RamschCandidatePriority(me, suit, s, x, forehand, b, len, w, p)) continue;
        best.Offer(w, p);
    }
    const int r = best.card;
    // 5. The other card of a two-card suit waits as the committed card.
    if (r != NO_CARD && IsSuitIndex(SuitOf(r)) && me.handInfo.SuitCount[SuitOf(r)] == 2 && me.forcedCard == 0) {
        int other = PickHighestInSuit(me, SuitOf(r), true);
        if (other == r) other = NextLowerInSuit(me, r, false);
        if (other != NO_CARD) {
            me.forcedCard = other;
            me.ForcedCardCount = -me.count;
        }
    }
    // 6. With high, the highest card of the chosen suit instead.
    if (high && r != NO_CARD) return PickHighestInSuit(me, SuitOf(r), true);
    return r;
}

int CRamschPlay::ChooseRamschCard3(int maxLength) {
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int k = me.handInfo.SuitCount[s];
        int list[11];
        const int out = CollectSuit(me, s, false, list);
        if (k == 0 || k > maxLength || k > 6 || !IsSuitGuarded(me, s, 1, false) || out < 1) continue;
        if (out == 1 && me.count < 5 && PointsOf(list[0]) > 4) continue;
        const int low = PickLowestInSuit(me, s, true);
        const int second = NextHigherInSuit(me, low);
        const int priority = k <= 2 ? 6 : k + 4;
        if (k == 1) {
            if (IsSuitSafe(me, low, -1, -1)) best.Offer(low, 5);
        } else if (out == 1) {
            if (!IsSuitSafe(me, low, -1, -1)) continue;
            if (k == 2 && PointsOf(second) < 10) {
                best.card = low;
                best.score = 6;
            } else {
                best.Offer(low, k == 2 ? 4 : priority);
            }
        } else if (IsSuitSafe(me, second, low, -1)) {
            best.Offer(CoinTails() ? second : low, priority);
        }
    }
    return best.card;
}

int CRamschPlay::ChooseRamschLead2() {
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int k = me.handInfo.SuitCount[s];
        int list[11];
        if (k == 0 || CollectSuit(me, s, false, list) != 1) continue;
        const int l = PickLowCardAnySuit(me, s);
        const int t = 6 - OrderOf(list[0]);
        if (OrderOf(l) < t) best.Offer(l, k > 4 ? t - k : t);
    }
    return best.card;
}

int CRamschPlay::ChooseRamschVariantLead() {
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (me.handInfo.SuitCount[s] == 0) continue;
        const int h = PickHighestInSuit(me, s, true);
        const int n = NextLowerInSuit(me, h, false);
        if (!IsTopCard(me, h, -1, -1)) best.Offer(h, 12 - OrderOf(h));
        else if (n != NO_CARD && OrderOf(h) - OrderOf(n) > 1) best.Offer(n, OrderOf(h) - OrderOf(n));
    }
    return best.card;
}

int CRamschPlay::ChooseRamschCard2(int x) {
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (me.handInfo.SuitCount[s] == 0) continue;
        int h = PickHighestInSuit(me, s, true);
        if (h == x) h = NextLowerInSuit(me, h, false);
        best.Offer(h, OrderOf(h));
    }
    if (best.card != NO_CARD) return best.card;
    // No plain card: a Jack of the run that begins at the highest Jack held.
    return PickJack(me, 0);
}

int CRamschPlay::ChooseRamschLead(int flag) {
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int k = me.handInfo.SuitCount[s];
        if (k == 0 || !IsSuitGuarded(me, s, 1, false)) continue;
        if (k == 1) {
            if (Holds(me, s, SEVEN)) best.Offer(CardCodeOf(SEVEN, s), 5);
            else if (Holds(me, s, EIGHT)) best.Offer(CardCodeOf(EIGHT, s), 6);
            continue;
        }
        const int lowest = PickLowestInSuit(me, s, true);
        int w = me.count <= 3 ? lowest : NextLowerInSuit(me, LowestCardOutInSuit(me, s), false);
        if (w != NO_CARD) {
            if (CollectSuit(me, s, false, nullptr) <= 1) {
                best.Offer(w, 1);
            } else {
                if (w == lowest) {
                    const int up = NextHigherInSuit(me, w);
                    if (up != NO_CARD) w = up;
                } else if (CoinTails()) {
                    w = lowest;
                }
                best.Offer(w, 2);
            }
        } else {
            const bool others = MayHoldSuit(me, NextSeat(me.seat), s) || MayHoldSuit(me, PreviousSeat(me.seat), s);
            best.Offer(lowest, others ? 1 : 0);
        }
    }
    if (flag) return best.card;
    if (best.card != NO_CARD) return best.card;
    for (int s = 0; s < 4; ++s) {
        if (me.handInfo.SuitCount[s] == 0) continue;
        const int l = PickLowCardAnySuit(me, s);
        best.Offer(l, 6 - OrderOf(l));
    }
    if (best.card != NO_CARD) return best.card;
    return PickRandomJack(me, 0);
}

bool CRamschPlay::EvaluateRamschHand(int suit) const {
    if (!IsSuitIndex(suit)) {
        // The Jacks.
        int held = 0, out = 0;
        for (int s = 0; s < 4; ++s) {
            const int jack = CardCodeOf(JACK, s);
            if (IsHeld(me, jack)) ++held;
            else if (!IsGoneFor(me, jack)) ++out;
        }
        const bool diamondsOut = IsOut(me, CardCodeOf(JACK, DIAMONDS));
        const bool heartsOut = IsOut(me, CardCodeOf(JACK, HEARTS));
        if (held == 1 || held == 3) return !diamondsOut;
        if (held == 2) return !(diamondsOut || (out == 2 && heartsOut));
        return true;
    }
    if (me.handInfo.SuitCount[suit] == 0) return true;
    // Ranks from the 7 up: each card out takes the highest held card below it not yet taken.
    bool held[7] = {}, out[7] = {}, taken[7] = {};
    int untaken = 0;
    for (int i = 0; i < 7; ++i) {
        const int card = CardCodeOf(SuitRankList[6 - i], suit);
        held[i] = IsHeld(me, card);
        out[i] = !held[i] && !IsGoneFor(me, card);
        untaken += held[i] ? 1 : 0;
    }
    for (int i = 0; i < 7 && untaken > 0; ++i) {
        if (!out[i]) continue;
        int under = -1;
        for (int j = i - 1; j >= 0 && under < 0; --j)
            if (held[j] && !taken[j]) under = j;
        if (under < 0) return false;
        taken[under] = true;
        --untaken;
    }
    return true;
}

int CRamschPlay::ChooseRamschCardToFollow(int leader, int card, int first, int second) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    // 1. Only against another player's lead.
    if (leader < 0 || leader > 2 || leader == me.seat || me.seat < 0 || me.seat > 2) return card;
    const int other = 3 - me.seat - leader;
    // 2. A player with the high Jacks is safe from a Durchmarsch.
    const int highestJack = PickJack(me, -1);
    if ((J == T && J > 0) || (J > 0 && J < T && highestJack == CardCodeOf(JACK, CLUBS)) ||
        (J > 1 && highestJack == CardCodeOf(JACK, SPADES)) || J > 2)
        return card;
    // 3. Somebody else has a trick already: no Durchmarsch to fear.
    if (g_Game.PartyTricks[me.seat] != 0 || g_Game.PartyTricks[other] != 0) return card;
    int r = card, k = card;
    // 4. Six or seven cards left and a high card led: the card above it, when a doubleton suit allows.
    const int firstSuit = SuitOf(first);
    if ((me.count == 6 || me.count == 7) && OrderOf(first) > 3) {
        const int a = NextHigherInSuit(me, first);
        if (a != NO_CARD && CheckDoubletonSuit()) {
            r = a;
            k = NO_CARD;
        }
    }
    // 5. The plan of the suit slots.
    bool anySlot = false;
    for (const SuitPlanSlot& slot : me.SuitPlanSlots) anySlot = anySlot || slot.Card != 0;
    const bool planTakesPart = anySlot && !(me.count > 5 && g_Game.PartyPoints[leader] < 45);
    SuitPlanSlot backup[4];
    for (int s = 0; s < 4; ++s) backup[s] = me.SuitPlanSlots[s];
    const bool suggestion = !g_Game.RealPlayFlag;
    if (planTakesPart) {
        // A planned card already played is read as a dropped slot.
        for (SuitPlanSlot& slot : me.SuitPlanSlots)
            if (slot.Card > 0 && !IsHeld(me, slot.Card)) slot.Card = 0;
        bool dropped = false;
        if (J > 0) {
            const int pj = PickJack(me, 0);
            if (!IsJack(first) && me.CountInSuit(firstSuit) == 0 && g_Game.PartyPoints[leader] >= 45) {
                if (suggestion)
                    for (int s = 0; s < 4; ++s) me.SuitPlanSlots[s] = backup[s];
                return pj != NO_CARD ? pj : card;
            }
            dropped = IsTopCard(me, pj, -1, -1) || T - J < J || (J == 2 && pj == CardCodeOf(JACK, SPADES));
        }
        // 6. The leader has not taken every trick, the second card beats the first, or a slot dropped: the plan is
        // cleared; else the plan is followed.
        const bool secondBeats = second != NO_CARD && first != NO_CARD &&
                                 ((IsJack(second) && !IsJack(first)) ||
                                  (SuitOf(second) == SuitOf(first) && OrderOf(second) > OrderOf(first)));
        if (g_Game.PartyTricks[leader] != 10 - me.count || secondBeats || dropped) {
            for (SuitPlanSlot& slot : me.SuitPlanSlots) slot.Card = 0;
        } else {
            FollowSuitPlan(leader, first, r, k);
        }
        // 8. Exchange with the plan.
        const int rs = SuitOf(r);
        if (r != NO_CARD && SlotCard(me, rs) > 0 && IsTopCard(me, r, me.SuitPlanSlots[rs].Card, -1)) {
            const int former = me.SuitPlanSlots[rs].Card;
            me.SuitPlanSlots[rs].Card = r;
            r = former;
        }
    }
    // 9. A planned top card waits in its suit's slot while the kept card is played.
    int result = r;
    if (k != NO_CARD && r != k && IsTopCard(me, r, k, -1) && IsSuitIndex(SuitOf(r))) {
        me.SuitPlanSlots[SuitOf(r)].Card = r;
        result = k;
    }
    // A suggestion leaves the slots as they were.
    if (suggestion)
        for (int s = 0; s < 4; ++s) me.SuitPlanSlots[s] = backup[s];
    // Only a card held that follows suit where the given card does replaces it.
    const bool follows = first == NO_CARD || SuitOf(result) == SuitOf(first) || SuitOf(card) != SuitOf(first);
    return result != NO_CARD && IsHeld(me, result) && follows ? result : card;
}

void CRamschPlay::FollowSuitPlan(int leader, int first, int& r, int& k) {
    const int firstSuit = SuitOf(first);
    // 7. Slots of suits that can no longer be played to the leader drop out.
    for (int s = 0; s < 4; ++s) {
        if (me.SuitPlanSlots[s].Card == 0 || s == firstSuit) continue;
        if (me.CountInSuit(s) == 0 || !MayHoldSuit(me, leader, s)) me.SuitPlanSlots[s].Card = 0;
    }
    const int s = SuitOf(r);
    if (s == firstSuit && IsSuitIndex(s)) FollowSuitPlanFollowing(s, first, r, k);
    else FollowSuitPlanThrowOff(r, k);
}

// The player follows suit s: the planned card of the suit led, or the card below it, or the plan
// drops.
void CRamschPlay::FollowSuitPlanFollowing(int s, int first, int& r, int& k) {
    auto allToZero = [&] {
        for (SuitPlanSlot& slot : me.SuitPlanSlots) slot.Card = 0;
    };
    const int slot = me.SuitPlanSlots[s].Card;
    const int p = slot > 0 ? slot : r;
    if (OrderOf(p) >= OrderOf(first)) {
        if (slot > 0) {
            r = slot;
            k = NO_CARD;
            allToZero();
        }
        return;
    }
    bool safeElsewhere = false;
    for (int i = 0; i < 4 && !safeElsewhere; ++i)
        safeElsewhere = me.CountInSuit(i) > 0 && CollectSuit(me, i, false, nullptr) > 0 &&
                        IsSuitSafe(me, PickLowestInSuit(me, i, true), -1, -1);
    int list[11];
    const int out = CollectSuit(me, s, false, list);
    if (out == 0 && !safeElsewhere) {
        me.SuitPlanSlots[s].Card = 0;
    } else if (me.CountInSuit(s) <= 1 || (out == 1 && !IsSuitSafe(me, PickLowestInSuit(me, s, true), -1, -1))) {
        me.SuitPlanSlots[s].Card = 0;
    } else if (slot > 0) {
        const int below = NextLowerInSuit(me, slot, false);
        if (below != NO_CARD) {
            r = below;
            k = NO_CARD;
        }
    } else if (slot == -1) {
        const int above = NextHigherInSuit(me, first);
        if (above != NO_CARD) {
            r = above;
            k = NO_CARD;
            allToZero();
        } else {
            const int h = PickHighestInSuit(me, s, true);
            me.SuitPlanSlots[s].Card = h;
            if (IsTopCard(me, h, -1, -1)) me.SuitPlanSlots[s].Flag = 1;
            const int below = NextLowerInSuit(me, h, false);
            if (below != NO_CARD) r = below;
        }
    }
}

// The player throws off: the passes in order; the first that finds a candidate decides.
void CRamschPlay::FollowSuitPlanThrowOff(int& r, int& k) {
    RunningBest pass;
    auto settle = [&]() {
        if (pass.card == NO_CARD) return false;
        r = pass.card;
        k = NO_CARD;
        return true;
    };
    for (int i = 0; i < 4; ++i) {
        if (me.SuitPlanSlots[i].Card != -1 || me.CountInSuit(i) == 0) continue;
        const int h = PickHighestInSuit(me, i, true);
        if (!IsTopCard(me, h, -1, -1)) continue;
        me.SuitPlanSlots[i].Card = h;
        me.SuitPlanSlots[i].Flag = 1;
        pass.Offer(h, OrderOf(h));
    }
    if (settle()) return;
    for (int i = 0; i < 4; ++i) {
        if (me.SuitPlanSlots[i].Card != -1 || me.CountInSuit(i) < 2) continue;
        const int h = PickHighestInSuit(me, i, true);
        me.SuitPlanSlots[i].Card = h;
        pass.Offer(h, OrderOf(h));
    }
    if (settle()) return;
    for (int i = 0; i < 4; ++i) {
        if (me.CountInSuit(i) == 0 || me.SuitPlanSlots[i].Card != 0) continue;
        const int h = PickHighestInSuit(me, i, true);
        pass.Offer(h, OrderOf(h));
    }
    if (settle()) return;
    for (int i = 0; i < 4; ++i)
        if (me.SuitPlanSlots[i].Card > 0 && me.SuitPlanSlots[i].Flag == 0 &&
            IsTopCard(me, me.SuitPlanSlots[i].Card, -1, -1))
            me.SuitPlanSlots[i].Flag = 1;
    for (int i = 0; i < 4; ++i) {
        if (me.SuitPlanSlots[i].Card <= 0 || me.SuitPlanSlots[i].Flag != 1 || me.CountInSuit(i) < 2) continue;
        const int below = NextLowerInSuit(me, me.SuitPlanSlots[i].Card, false);
        pass.Offer(below, OrderOf(below));
    }
    if (settle()) return;
    for (int i = 0; i < 4; ++i) {
        if (me.SuitPlanSlots[i].Card <= 0 || me.SuitPlanSlots[i].Flag != 0 || me.CountInSuit(i) < 3) continue;
        const int below = NextLowerInSuit(me, me.SuitPlanSlots[i].Card, false);
        pass.Offer(below, OrderOf(below));
    }
    if (settle()) return;
    for (int i = 0; i < 4; ++i) {
        if (me.CountInSuit(i) == 0 || me.SuitPlanSlots[i].Card != -1) continue;
        const int h = PickHighestInSuit(me, i, true);
        pass.Offer(h, OrderOf(h));
    }
    if (settle()) return;
    FollowSuitPlanLowestOut(r, k);
}

// Pass 7 of the throw-off: the planned card whose suit has the lowest card still out above it;
// without one the slot of r's suit drops.
void CRamschPlay::FollowSuitPlanLowestOut(int& r, int& k) {
    const int s = SuitOf(r);
    int winner = -1;
    RunningBest byKey;
    for (int i = 0; i < 4; ++i) {
        const int slot = me.SuitPlanSlots[i].Card;
        if (slot <= 0) continue;
        int key = 6;
        for (int rank : SuitRankList) {
            const int c = CardCodeOf(rank, i);
            if (IsOut(me, c)) {
                key = 6 - OrderOf(c);
                break;
            }
        }
        if (byKey.Offer(slot, key)) winner = i;
    }
    if (winner >= 0) {
        me.SuitPlanSlots[winner].Card = 0;
        r = byKey.card;
        k = NO_CARD;
    } else if (IsSuitIndex(s)) {
        me.SuitPlanSlots[s].Card = 0;
    }
}

bool CRamschPlay::CheckDoubletonSuit() {
    for (int s = 0; s < 4; ++s) {
        // 1. Exactly two cards held, and cards of the suit still out.
        if (me.CountInSuit(s) != 2 || CollectSuit(me, s, false, nullptr) == 0) continue;
        // 2. A safe low card with a second card below the Ten.
        const int low = PickLowestInSuit(me, s, true);
        if (!IsSuitSafe(me, low, -1, -1) || OrderOf(NextHigherInSuit(me, low)) >= 5) continue;
        // 3. The Ramsch choice plays low or into a suit with a safe low card.
        const int first = ChooseRamschCard(-1, false, false);
        if (!(OrderOf(first) <= 2 || IsSuitSafe(me, PickLowestInSuit(me, SuitOf(first), true), -1, -1))) continue;
        // 4. So does the choice after it.
        const int second = ChooseRamschCard(first, false, false);
        if (second == NO_CARD) return true;
        return IsSuitSafe(me, PickLowestInSuit(me, SuitOf(second), true), -1, -1);
    }
    return false;
}
