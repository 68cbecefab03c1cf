// Ramsch, second card: duck under the led card where possible, take a trick cheaply where ducking
// is hopeless, commit a follow-up card for a later lead, and note what the lead shows about the
// leader's suit.

#include "computer/play/CardChoosers.h"
#include "computer/play/RamschPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "computer/play/TrickCardChoice.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"

void CRamschPlay::CommitCard(int card) {
    // A commitment of no card commits nothing.
    if (card == NO_CARD || card == 0) return;
    me.forcedCard = card;
    me.ForcedCardCount = me.count;
}

void CRamschPlay::MarkSeatFreeOf(int markedSeat, int suit) {
    if (markedSeat < 0 || markedSeat > 2 || suit < 0 || suit >= VOID_COLUMNS) return;
    g_Knowledge.VoidTable[markedSeat][suit] = 0;
}

int CRamschPlay::PlayRamschSecond(int firstCard) {
    const int c1 = firstCard;
    int s = SuitOf(c1);
    const int k = IsSuitIndex(s) ? me.handInfo.SuitCount[s] : 0;
    int list[11] = {};
    const int n = CollectSuit(me, s, false, list);
    const int J = me.handInfo.JackCount;
    const int cb4 = CTrickCardChoice(me).ChooseCardByMode(4, -1);
    const int leader = PreviousSeat(me.seat);
    const int below = NextLowerInSuit(me, c1, false);
    const int above = NextHigherInSuit(me, below);
    const int low = PickLowestInSuit(me, s, true), high = PickHighestInSuit(me, s, true);
    const bool guarded = IsSuitGuarded(me, s, 1, false);
    int overtakeSuit = s;

    // Step 0: no Jacks: -1 when he gives up here (CheckSoloist); else any committed card is dropped.
    if (J == 0 && me.CheckSoloist(c1)) return NO_CARD;
    me.forcedCard = 0;

    int r = NO_CARD;
    int cb = cb4;
    if (IsJack(c1)) {
        r = RamschSecondJackLed(cb4);
    } else if (k > 0) {
        r = RamschSecondFollow(c1, k, n, list, below, above, low, high, guarded, overtakeSuit);
    } else {
        // Step 4: no card of the led suit.
        overtakeSuit = -1;
        r = RamschSecondDiscard(c1, cb4, cb);
    }
    if (r == NO_CARD) r = RamschSecondLastResort(c1, cb);
    // Step 6. The guard against another player's Durchmarsch.
    const int x = ChooseRamschCardToFollow(leader, r, c1, NO_CARD);
    if (x != r) {
        CommitCard(r);
        r = x;
    }
    // The overtake check.
    if (overtakeSuit != -1 && OrderOf(r) > OrderOf(c1)) {
        const int t = CTrickCardChoice(me).ChooseTrickCard(overtakeSuit, c1, false);
        if (t != NO_CARD) r = GetNextLowerHeld(me, t);
    }
    return me.FinishStrategy(r, EPILOGUE_PLAIN);
}

// Step 1: a Jack was led.
int CRamschPlay::RamschSecondJackLed(int cb4) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    int r = NO_CARD;
    if (J == 2 && T != 2) {
        const int a = PickJack(me, 0), b = PickRandomJack(me, 0);
        if (a == CardCodeOf(JACK, CLUBS) && (b == CardCodeOf(JACK, HEARTS) || b == CardCodeOf(JACK, DIAMONDS)) &&
            CoinTails())
            r = PickHighestInSuit(me, -1, false);
        else r = T == 3 ? a : b;
        if (r == NO_CARD) r = b;
    } else if (J > 0) {
        PickJack(me, 0);
        r = PickRandomJack(me, 0);
    } else {
        const int r0 = ChooseRamschCard(cb4, true, false);
        const int r0Suit = SuitOf(r0);
        r = me.CountInSuit(r0Suit) == 2 && IsRank(PickLowestInSuit(me, r0Suit, true), SEVEN) ? cb4 : r0;
    }
    return r;
}

// Step 2: following a plain lead.
int CRamschPlay::RamschSecondFollow(int c1, int k, int n, const int* list, int below, int above, int low, int high,
                                    bool guarded, int& overtakeSuit) {
    const int s = SuitOf(c1);
    const int cnt = me.count;
    const int leader = PreviousSeat(me.seat);
    auto safe = [&](int card) { return IsSuitSafe(me, card, -1, -1); };
    bool decided = false;
    int r = NO_CARD;
    int e = below;
    bool toStep3 = false;
    if (k == 1) {
        r = low;
    } else if (k == 2) {
        r = RamschSecondPair(c1, n, below, above, low, high, guarded, overtakeSuit);
    } else if (safe(low) && n == 2) {
        // 2.10. A safe low card with two out: the card below the lead, or above it when that is high.
        const int oa = OrderOf(above);
        if (below != NO_CARD && (below != low || OrderOf(high) <= 3)) r = below;
        else if (oa > 3) r = above;
        else r = oa > OrderOf(list[1]) ? below : above;
        overtakeSuit = -1;
    } else if (k == 3 && below == NO_CARD) {
        toStep3 = true;
        e = NO_CARD;
    } else if (below == NO_CARD) {
        if (n == 0) {
            r = low;
        } else if (IsRank(c1, SEVEN) && Holds(me, s, EIGHT) && Holds(me, s, NINE)) {
            r = CoinTails() ? CardCodeOf(EIGHT, s) : CardCodeOf(NINE, s);
        } else {
            const int ph = PickHighestInSuit(me, s, true);
            const int ab = LowestHeldRunBelow(me, ph);
            const int hb = NextLowerInSuit(me, ph, false);
            r = ab == NO_CARD ? GetNextLowerHeld(me, hb != NO_CARD ? hb : ph)
                              : GetNextLowerHeld(me, PickLowestInSuit(me, s, false));
        }
    } else if (IsSuitSafe(me, above, below, -1) || OrderOf(low) < OrderOf(below) || n == 0) {
        // 2.15. The card above safe beside the one below, or nothing out: the card below; the leader noted
        // as free of the suit where the lead shows it.
        r = below;
        if (n <= 2 && below != low && cnt >= 8) MarkSeatFreeOf(leader, s);
    } else if (n > 0 && me.CountInSuit(s) > 1 && safe(below)) {
        if (n == 3) {
            r = high;
        } else if (n == 2 && me.CountInSuit(s) > 2) {
            CommitCard(above);
            r = NextHigherInSuit(me, above);
        } else {
            // 2.18. The card below and a trick card committed; over the lead with the card above.
            CommitCard(below);
            const int t = CTrickCardChoice(me).ChooseTrickCard2(decided, NO_CARD);
            if (t != NO_CARD) CommitCard(t);
            r = above;
            if (r == NO_CARD) e = t;
        }
    } else {
        toStep3 = true;
    }
    if (r == NO_CARD || toStep3) r = RamschSecondFallback(e, s, k, n, above, low);
    return r;
}

// Step 2 with two cards of the led suit.
int CRamschPlay::RamschSecondPair(int c1, int n, int below, int above, int low, int high, bool guarded,
                                  int& overtakeSuit) {
    const int s = SuitOf(c1);
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    const int leader = PreviousSeat(me.seat);
    auto safe = [&](int card) { return IsSuitSafe(me, card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(me, card, -1, -1); };
    int r = NO_CARD;
    if (below == NO_CARD) {
        r = IsRank(low, NINE) && guarded && (n == 0 || top(high)) ? high : low;
        overtakeSuit = -1;
    } else if (!safe(low)) {
        r = OrderOf(below) == 1 ? above : below;
    } else if (IsSuitSafe(me, high, low, -1)) {
        r = below;
    } else if (above == NO_CARD || !guarded) {
        r = below;
    } else if (n == 1 && !top(above)) {
        r = low;
    } else if (cnt <= 3 && J == 0 && T > 0) {
        r = low;
    } else if (OrderOf(above) <= OrderOf(c1)) {
        r = low;
    } else {
        // 2.9. Else over the lead, with the low card committed behind when the suit can take the lead back.
        const int x = cnt <= 5 && J == 0 && T > 0 ? above : GetNextLowerHeld(me, ChooseRamschCard(low, false, true));
        const int p = x != NO_CARD && x != above ? x : low;
        const int committed = GetNextLowerHeld(me, p);
        CommitCard(committed);
        if (n < 2 && OrderOf(above) >= 5) {
            if (n == 1 && OrderOf(above) == 6) {
                r = above;
                overtakeSuit = -1;
            } else {
                r = below;
                MarkSeatFreeOf(leader, s);
            }
        } else {
            r = above;
            if (committed != x) CommitCard(below);
        }
    }
    return r;
}

// Step 5, the last resort.
int CRamschPlay::RamschSecondLastResort(int c1, int cb) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    const int next = NextSeat(me.seat), leader = PreviousSeat(me.seat);
    bool decided = false;
    int r = NO_CARD;
    int outList[11];
    if (cb != NO_CARD) {
        const int outCount = CollectSuit(me, SuitOf(cb), false, outList);
        if (outCount == 0 || cnt < 3 || PointsOf(outList[0]) > 0) cb = NO_CARD;
    }
    if (J == T && J > 0 && cb != NO_CARD && me.CountInSuit(SuitOf(cb)) == 1 && PointsOf(c1) < 10 &&
        (MayHoldSuit(me, next, SuitOf(cb)) || MayHoldSuit(me, leader, SuitOf(cb))))
        r = PickJack(me, 0);
    if (r == NO_CARD) {
        r = CTrickCardChoice(me).ChooseTrickCard2(decided, NO_CARD);
        if (r == NO_CARD) {
            r = ChooseRamschCard2(cb);
            if (r == NO_CARD || IsJack(r)) r = ChooseRamschCard2(NO_CARD);
        }
    }
    return r;
}

int CRamschPlay::RamschSecondFallback(int e, int s, int k, int n, int above, int low) {
    const int next = NextSeat(me.seat);
    int r;
    if (n == 0) {
        r = e != NO_CARD ? e : low;
    } else if (k <= 1 || n <= 1) {
        if (MayHoldSuit(me, next, s)) r = low;
        else if (IsSuitSafe(me, e, -1, -1)) r = PickHighestInSuit(me, s, true);
        else r = e;
    } else if (e == NO_CARD) {
        r = low;
    } else if (!IsSuitSafe(me, e, -1, -1) || above == NO_CARD) {
        r = e;
    } else {
        r = above;
        if (CTrickCardChoice(me).ChooseCardByMode(2, SuitOf(above)) != 0) CommitCard(e);
    }
    if (r == NO_CARD) {
        const int l = PickLowestInSuit(me, s, true);
        const int h = NextHigherInSuit(me, l);
        r = h != NO_CARD && !IsSuitSafe(me, h, l, -1) ? h : l;
    }
    return r;
}

int CRamschPlay::RamschSecondDiscard(int c1, int cb4, int& cb) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    bool decided = false;
    // 4.1. The Ramsch card to shed, unless it is one of a pointless pair.
    const int r0 = ChooseRamschCard(cb4, true, false);
    const bool pointlessPair = r0 != NO_CARD && me.CountInSuit(SuitOf(r0)) == 2 && PointsOf(r0) == 0;
    if (r0 != NO_CARD && !pointlessPair) return r0;
    // 4.2. The trick card.
    int e = pointlessPair ? CCardChoosers(me).ChooseCardByRunScore(true) : NO_CARD;
    const int t = CTrickCardChoice(me).ChooseTrickCard(-1, NO_CARD, true);
    if (t != NO_CARD) return t;
    // 4.3 and 4.4. A second trick card's highest in its suit, or the run-score card.
    const int u = CTrickCardChoice(me).ChooseTrickCard2(decided, NO_CARD);
    if (u == NO_CARD) {
        if (e != NO_CARD) return e;
    } else {
        int h = PickHighestInSuit(me, SuitOf(u), true);
        if (cnt <= 5 && me.CountInSuit(SuitOf(u)) > 2 && PointsOf(h) < 10) {
            const int e2 = CCardChoosers(me).ChooseCardByRunScore(true);
            if (PointsOf(e2) > 10) h = e2;
        }
        if (h != NO_CARD) return h;
    }
    // 4.5 to 4.7: the Jacks.
    if (J > 0 && CTrickCardChoice(me).ChooseCardByMode(1, -1) != 0) {
        if (J == T) {
            const int jk = PickJack(me, -1);
            const int q = CTrickCardChoice(me).ChooseCardByMode(3, -1);
            if (q > 0 && PointsOf(c1) < 10 && jk != NO_CARD) {
                CommitCard(q);
                return jk;
            }
            if (cb4 > 0) {
                // The card-code bound stays as the rule has it: below 10 are the Clubs Ace to Nine.
                if (PointsOf(cb4) < 10 && PointsOf(c1) < 10 && IsSuitGuarded(me, SuitOf(cb4), 3, false) && cb4 < 10 &&
                    jk != NO_CARD) {
                    CommitCard(cb4);
                    return jk;
                }
                return PickHighestInSuit(me, SuitOf(cb4), true);
            }
        } else if (J == 1) {
            const int jk = PickJack(me, -1);
            if (!IsSuitSafe(me, jk, -1, -1) && PointsOf(c1) < 10) {
                const int q = CTrickCardChoice(me).ChooseCardByMode(3, -1);
                if (q > 0) {
                    CommitCard(q);
                    return jk;
                }
                if (cb4 > 0) {
                    CommitCard(cb4);
                    return jk;
                }
            }
        } else if (J == 2 && T == 4 && PointsOf(c1) < 10) {
            const int jk = PickJack(me, -1), rj = PickRandomJack(me, -1);
            if (IsTopCard(me, jk, -1, -1)) {
                if (IsSuitSafe(me, rj, -1, -1)) {
                    const int x = cb4 != NO_CARD ? cb4 : rj;
                    CommitCard(x == jk ? rj : x);
                    return jk;
                }
                if (CTrickCardChoice(me).ChooseCardByMode(7, -1) > 0) {
                    CommitCard(rj);
                    return jk;
                }
            }
        }
    }
    // 4.8. With a high card of the mode-4 suit: the highest of it, or the card when that suit is done.
    if (cb4 != NO_CARD) {
        const int h = PickHighestInSuit(me, SuitOf(cb4), true);
        if (h != cb4 && h != NO_CARD) return h;
        if (h == cb4 && CTrickCardChoice(me).ChooseCardByMode(1, SuitOf(cb4)) == 0) return cb4;
    }
    // 4.9. The highest of the trick card's suit, else of a short Ramsch suit or the run-score card.
    const int r1 = ChooseRamschCard(cb4, true, false);
    const int u2 = CTrickCardChoice(me).ChooseTrickCard2(decided, cb4);
    if (u2 != NO_CARD) return PickHighestInSuit(me, SuitOf(u2), true);
    if (r1 != NO_CARD && me.CountInSuit(SuitOf(r1)) <= 2) {
        const int e3 = cnt <= 4 && PointsOf(r1) < 10 ? CCardChoosers(me).ChooseCardByRunScore(true) : r1;
        const int h = PickHighestInSuit(me, SuitOf(e3), true);
        if (h != NO_CARD) return h;
    }
    cb = ChooseRamschCard3(7);
    return r1;
}
