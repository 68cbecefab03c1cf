// Ramsch, second card: duck under the led card where possible, take a trick cheaply where ducking
// is hopeless, commit a follow-up card for a later lead, and note what the lead shows about the
// leader's suit.

#include "computer/play/StrategyHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"

void CPlayer::CommitCard(int card) {
    // A commitment of no card commits nothing.
    if (card == NO_CARD || card == 0) return;
    forcedCard = card;
    ForcedCardCount = count;
}

void CPlayer::MarkSeatFreeOf(int markedSeat, int suit) {
    if (markedSeat < 0 || markedSeat > 2 || suit < 0 || suit >= VOID_COLUMNS) return;
    g_Knowledge.VoidTable[markedSeat][suit] = 0;
}

int CPlayer::PlayRamschSecond(int firstCard) {
    const int c1 = firstCard;
    int s = SuitOf(c1);
    const int k = IsSuitIndex(s) ? handInfo.SuitCount[s] : 0;
    int list[11] = {};
    const int n = CollectSuit(s, false, list);
    const int J = handInfo.JackCount;
    const int cb4 = ChooseCardByMode(4, -1);
    const int leader = PreviousSeat(seat);
    const int below = NextLowerInSuit(c1, false);
    const int above = NextHigherInSuit(below);
    const int low = PickLowestInSuit(s, true), high = PickHighestInSuit(s, true);
    const bool guarded = IsSuitGuarded(s, 1, false);
    int overtakeSuit = s;

    // Step 0.
    if (J == 0 && CheckSoloist(c1)) return NO_CARD;
    forcedCard = 0;

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
        const int t = ChooseTrickCard(overtakeSuit, c1, false);
        if (t != NO_CARD) r = GetNextLowerHeld(t);
    }
    return FinishStrategy(r, EPILOGUE_PLAIN);
}

// Step 1: a Jack was led.
int CPlayer::RamschSecondJackLed(int cb4) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    int r = NO_CARD;
    if (J == 2 && T != 2) {
        const int a = PickJack(0), b = PickRandomJack(0);
        if (a == CardCodeOf(JACK, CLUBS) && (b == CardCodeOf(JACK, HEARTS) || b == CardCodeOf(JACK, DIAMONDS)) &&
            CoinTails())
            r = PickHighestInSuit(-1, false);
        else r = T == 3 ? a : b;
        if (r == NO_CARD) r = b;
    } else if (J > 0) {
        PickJack(0);
        r = PickRandomJack(0);
    } else {
        const int r0 = ChooseRamschCard(cb4, true, false);
        const int r0Suit = SuitOf(r0);
        r = CountInSuit(r0Suit) == 2 && IsRank(PickLowestInSuit(r0Suit, true), SEVEN) ? cb4 : r0;
    }
    return r;
}

// Step 2: following a plain lead.
int CPlayer::RamschSecondFollow(int c1, int k, int n, const int* list, int below, int above, int low, int high,
                                bool guarded, int& overtakeSuit) {
    const int s = SuitOf(c1);
    const int cnt = count;
    const int leader = PreviousSeat(seat);
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    bool decided = false;
    int r = NO_CARD;
    int e = below;
    bool toStep3 = false;
    if (k == 1) {
        r = low;
    } else if (k == 2) {
        r = RamschSecondPair(c1, n, below, above, low, high, guarded, overtakeSuit);
    } else if (safe(low) && n == 2) {
        // 2.10.
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
        } else if (IsRank(c1, SEVEN) && Holds(*this, s, EIGHT) && Holds(*this, s, NINE)) {
            r = CoinTails() ? CardCodeOf(EIGHT, s) : CardCodeOf(NINE, s);
        } else {
            const int ph = PickHighestInSuit(s, true);
            const int ab = LowestHeldRunBelow(ph);
            const int hb = NextLowerInSuit(ph, false);
            r = ab == NO_CARD ? GetNextLowerHeld(hb != NO_CARD ? hb : ph)
                              : GetNextLowerHeld(PickLowestInSuit(s, false));
        }
    } else if (IsSuitSafe(above, below, -1) || OrderOf(low) < OrderOf(below) || n == 0) {
        // 2.15.
        r = below;
        if (n <= 2 && below != low && cnt >= 8) MarkSeatFreeOf(leader, s);
    } else if (n > 0 && CountInSuit(s) > 1 && safe(below)) {
        if (n == 3) {
            r = high;
        } else if (n == 2 && CountInSuit(s) > 2) {
            CommitCard(above);
            r = NextHigherInSuit(above);
        } else {
            // 2.18.
            CommitCard(below);
            const int t = ChooseTrickCard2(decided, NO_CARD);
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
int CPlayer::RamschSecondPair(int c1, int n, int below, int above, int low, int high, bool guarded, int& overtakeSuit) {
    const int s = SuitOf(c1);
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    const int leader = PreviousSeat(seat);
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    int r = NO_CARD;
    if (below == NO_CARD) {
        r = IsRank(low, NINE) && guarded && (n == 0 || top(high)) ? high : low;
        overtakeSuit = -1;
    } else if (!safe(low)) {
        r = OrderOf(below) == 1 ? above : below;
    } else if (IsSuitSafe(high, low, -1)) {
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
        // 2.9.
        const int x = cnt <= 5 && J == 0 && T > 0 ? above : GetNextLowerHeld(ChooseRamschCard(low, false, true));
        const int p = x != NO_CARD && x != above ? x : low;
        const int committed = GetNextLowerHeld(p);
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
int CPlayer::RamschSecondLastResort(int c1, int cb) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    const int next = NextSeat(seat), leader = PreviousSeat(seat);
    bool decided = false;
    int r = NO_CARD;
    int outList[11];
    if (cb != NO_CARD) {
        const int outCount = CollectSuit(SuitOf(cb), false, outList);
        if (outCount == 0 || cnt < 3 || PointsOf(outList[0]) > 0) cb = NO_CARD;
    }
    if (J == T && J > 0 && cb != NO_CARD && CountInSuit(SuitOf(cb)) == 1 && PointsOf(c1) < 10 &&
        (MayHoldSuit(next, SuitOf(cb)) || MayHoldSuit(leader, SuitOf(cb))))
        r = PickJack(0);
    if (r == NO_CARD) {
        r = ChooseTrickCard2(decided, NO_CARD);
        if (r == NO_CARD) {
            r = ChooseRamschCard2(cb);
            if (r == NO_CARD || IsJack(r)) r = ChooseRamschCard2(NO_CARD);
        }
    }
    return r;
}

int CPlayer::RamschSecondFallback(int e, int s, int k, int n, int above, int low) {
    const int next = NextSeat(seat);
    int r;
    if (n == 0) {
        r = e != NO_CARD ? e : low;
    } else if (k <= 1 || n <= 1) {
        if (MayHoldSuit(next, s)) r = low;
        else if (IsSuitSafe(e, -1, -1)) r = PickHighestInSuit(s, true);
        else r = e;
    } else if (e == NO_CARD) {
        r = low;
    } else if (!IsSuitSafe(e, -1, -1) || above == NO_CARD) {
        r = e;
    } else {
        r = above;
        if (ChooseCardByMode(2, SuitOf(above)) != 0) CommitCard(e);
    }
    if (r == NO_CARD) {
        const int l = PickLowestInSuit(s, true);
        const int h = NextHigherInSuit(l);
        r = h != NO_CARD && !IsSuitSafe(h, l, -1) ? h : l;
    }
    return r;
}

int CPlayer::RamschSecondDiscard(int c1, int cb4, int& cb) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    bool decided = false;
    // 4.1.
    const int r0 = ChooseRamschCard(cb4, true, false);
    const bool pointlessPair = r0 != NO_CARD && CountInSuit(SuitOf(r0)) == 2 && PointsOf(r0) == 0;
    if (r0 != NO_CARD && !pointlessPair) return r0;
    // 4.2.
    int e = pointlessPair ? ChooseCardByRunScore(true) : NO_CARD;
    const int t = ChooseTrickCard(-1, NO_CARD, true);
    if (t != NO_CARD) return t;
    // 4.3 and 4.4.
    const int u = ChooseTrickCard2(decided, NO_CARD);
    if (u == NO_CARD) {
        if (e != NO_CARD) return e;
    } else {
        int h = PickHighestInSuit(SuitOf(u), true);
        if (cnt <= 5 && CountInSuit(SuitOf(u)) > 2 && PointsOf(h) < 10) {
            const int e2 = ChooseCardByRunScore(true);
            if (PointsOf(e2) > 10) h = e2;
        }
        if (h != NO_CARD) return h;
    }
    // 4.5 to 4.7: the Jacks.
    if (J > 0 && ChooseCardByMode(1, -1) != 0) {
        if (J == T) {
            const int jk = PickJack(-1);
            const int q = ChooseCardByMode(3, -1);
            if (q > 0 && PointsOf(c1) < 10 && jk != NO_CARD) {
                CommitCard(q);
                return jk;
            }
            if (cb4 > 0) {
                // The card-code bound stays as the rule has it: below 10 are the Clubs Ace to Nine.
                if (PointsOf(cb4) < 10 && PointsOf(c1) < 10 && IsSuitGuarded(SuitOf(cb4), 3, false) && cb4 < 10 &&
                    jk != NO_CARD) {
                    CommitCard(cb4);
                    return jk;
                }
                return PickHighestInSuit(SuitOf(cb4), true);
            }
        } else if (J == 1) {
            const int jk = PickJack(-1);
            if (!IsSuitSafe(jk, -1, -1) && PointsOf(c1) < 10) {
                const int q = ChooseCardByMode(3, -1);
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
            const int jk = PickJack(-1), rj = PickRandomJack(-1);
            if (IsTopCard(jk, -1, -1)) {
                if (IsSuitSafe(rj, -1, -1)) {
                    const int x = cb4 != NO_CARD ? cb4 : rj;
                    CommitCard(x == jk ? rj : x);
                    return jk;
                }
                if (ChooseCardByMode(7, -1) > 0) {
                    CommitCard(rj);
                    return jk;
                }
            }
        }
    }
    // 4.8.
    if (cb4 != NO_CARD) {
        const int h = PickHighestInSuit(SuitOf(cb4), true);
        if (h != cb4 && h != NO_CARD) return h;
        if (h == cb4 && ChooseCardByMode(1, SuitOf(cb4)) == 0) return cb4;
    }
    // 4.9.
    const int r1 = ChooseRamschCard(cb4, true, false);
    const int u2 = ChooseTrickCard2(decided, cb4);
    if (u2 != NO_CARD) return PickHighestInSuit(SuitOf(u2), true);
    if (r1 != NO_CARD && CountInSuit(SuitOf(r1)) <= 2) {
        const int e3 = cnt <= 4 && PointsOf(r1) < 10 ? ChooseCardByRunScore(true) : r1;
        const int h = PickHighestInSuit(SuitOf(e3), true);
        if (h != NO_CARD) return h;
    }
    cb = ChooseRamschCard3(7);
    return r1;
}
