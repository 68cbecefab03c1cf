// The suit-game soloist in second and third hand: over a trump lead he takes the trick as cheaply
// as his sure trumps allow; in a side suit he takes with the top card or stays low; void, he ruffs
// when the trick is worth it or would win the game, else he throws off a card he can spare. Both
// end with the card plan's second opinion and the common closing steps; neither marks a suit led.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitSoloistPlay.h"
#include "computer/play/TrickCardChoice.h"
#include "model/Player.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/HandPredicates.h"
#include "computer/play/SuitDefenderFrame.h"
#include "computer/play/SuitPlayTerms.h"

using namespace suit;

namespace {

void Commit(CPlayer& p, int card) {
    if (!IsCard(card)) return;
    p.forcedCard = card;
    p.ForcedCardCount = p.count;
}

bool TenHeldOrGone(const CPlayer& p, int suit) { return Holds(p, suit, TEN) || IsCardGone(suit, TEN, p.seat); }

// The trump Ten neither held nor gone.
bool TrumpTenOut(const CPlayer& p) { return IsOutFor(p, g_Game.GameType, TEN); }

int SuitLedMark(int suit) {
    if (suit < 0 || suit > 3) return 0;
    return g_ComputerFrame.LedMarks()[suit];
}

int LeadCount(int suit) { return suit >= 0 && suit <= 4 ? g_Knowledge.TrickLeadCounts[suit] : 0; }

// ---------------------------------------------------------------- second hand

struct Second {
    CPlayer& p;
    const Terms& t;
    int c1, S, p1, third, pts;
};

// I. Trump led.
int SecondTrumpLed(Second& k) {
    CPlayer& p = k.p;
    if (k.t.H == 0) return CCardChoosers(p).ChooseCardByScore(11, -1, false);
    const int hi = PickHighestInSuit(p, -1, true);
    if (Order(hi) <= Order(k.c1)) {
        const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        if (!IsTop(p, hi)) return cj;
        return IsTopCard(p, PickTrumpBelow(p, hi), hi, -1) ? cj : PickLowestInSuit(p, -1, true);
    }
    const int above = PickCardAboveInTrumps(p, k.c1, true);
    if (!MayHoldSuit(p, k.third, k.t.type)) return above;
    if (IsTop(p, hi)) return (k.t.N <= 2 && IsCard(above) && Points(above) <= 4) ? above : hi;
    if (IsCard(above) && Points(above) < 10) return above;
    return k.t.J == 0 ? CCardChoosers(p).ChooseCardWithRandomJack(-1, true) : PickRandomJack(p, 0);
}

// II. A side suit led that he holds.
int SecondFollow(Second& k) {
    CPlayer& p = k.p;
    const int S = k.S;
    const int hi = PickHighestInSuit(p, S, true);
    const int cand = k.t.N < 7 ? GetNextLowerHeld(p, hi) : hi;
    if (Order(hi) >= Order(k.c1) && IsTop(p, hi) &&
        (MayHoldSuit(p, k.third, S) || !MayHoldSuit(p, k.third, k.t.type))) {
        if (GetCardRank(cand) == ACE && k.p1 == 0) {
            const int cnt = p.CountInSuit(S);
            const int nb = NextLowerInSuit(p, cand, false);
            if (cnt < 4 || TenHeldOrGone(p, S) || !Holds(p, S, KING)) {
                if (k.t.N > 8 && k.t.H < 6 && cnt == 2 && IsCard(nb) && Points(nb) < 10) return nb;
            } else if (IsCard(nb) && Order(nb) > Order(k.c1)) {
                return nb;
            }
        }
        return cand;
    }
    const int lw = NextHigherInSuit(p, k.c1);
    if (lw == NO_CARD) return PickLowCardAnySuit(p, S);
    if (Holds(p, S, TEN)) {
        const bool lwQueen = GetCardRank(lw) == QUEEN;
        if (Holds(p, S, KING) && !lwQueen) return CardCodeOf(KING, S);
        if (Holds(p, S, QUEEN) && !lwQueen) return CardCodeOf(QUEEN, S);
    }
    return Points(lw) < 10 ? lw : PickLowCardAnySuit(p, S);
}

// What the void second hand works out at step 2: the trumps still out (list0, list1), the card
// below the winner w and the trump below it wb, the highest trump hi and the one below it hb, the
// lowest trump, whether the third hand may hold the led suit and the trumps, and D: he may ruff
// over a trump that is not on top.
struct VoidWords {
    Second& k;
    CPlayer& p;
    const Terms& t;
    int list0, list1, w, wb, hi, hb, lowest;
    bool thirdMayS, thirdMayTrump, D;
};

// 8. A high card led: the highest trump, or on to 7.
int SecondVoidHighCardLed(const VoidWords& v, int& step) {
    int x = NO_CARD;
    if (!IsTop(v.p, v.hi) || v.t.N > 8) {
        if (Order(v.w) > Order(v.list1)) x = v.hi;
        else step = 7;
    } else {
        x = Order(v.w) <= Order(v.list0) ? v.hi : v.w;
    }
    if (step == 8) step = 9;
    return x;
}

// 7. A ruff that wins.
int SecondVoidWinningRuff(const VoidWords& v) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    const int p1 = v.k.p1, w = v.w, wb = v.wb, hi = v.hi;
    int x = NO_CARD;
    if (!v.thirdMayS) {
        if (p1 > 9) {
            x = Order(v.lowest) > 4 ? CCardChoosers(p).ChooseTrumpGameCard(true) : v.lowest;
            if (IsJack(v.hb)) x = v.hb;
            if (IsTop(p, hi)) x = hi;
        }
        return x;
    }
    x = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (x != NO_CARD && p1 <= 9) return x;
    if (IsTopCard(p, v.hb, hi, -1)) return (t.N > 9 && t.O <= t.J && IsCard(wb)) ? wb : hi;
    if (t.J < 2 || t.N < 9 || !Holds(p, t.type, ACE)) {
        if (!v.thirdMayTrump && Points(w) >= 10 && !IsTop(p, w)) return w;
        const int r = CCardChoosers(p).ChooseLowTrump();
        x = w;
        if ((Points(w) >= 10 || Points(v.k.c1) >= 10) && LeadCount(v.k.S) != 0) {
            if (!IsTop(p, hi)) x = IsCard(r) ? r : v.lowest;
            else if (t.O > 1 && IsTopCard(p, wb, hi, -1)) x = hi;
        }
        if (t.O == 1 && !IsTop(p, hi)) x = Points(w) > 0 ? w : hi;
        return x;
    }
    const int nh = GetNextHigherHeld(p, v.lowest);
    const int y = p.handInfo.SmallCards[DIAMONDS][JACK] == -1 ? nh : hi;
    const int usual = (SuitLedMark(v.k.S) && IsTop(p, hi)) ? y : w;
    return (t.H >= 6 && t.N <= 7) ? nh : usual;
}

// 9, when no trump is chosen yet: the spare trump's next higher one, a Jack over a top card led,
// else by the trumps held; c is the cheap winner the settling may fall back on.
int SecondVoidFindRuff(const VoidWords& v, int& c) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    const int w = v.w, wb = v.wb, hi = v.hi, c1 = v.k.c1;
    c = (IsCard(wb) && Order(w) - Order(wb) > 1) ? wb : w;
    if (c != w && (!Holds(p, t.type, ACE) || TenHeldOrGone(p, t.type))) c = PickCardAboveInTrumps(p, c, true);
    const int hb3 = (t.H > 1 && t.H < g_Game.TrumpCount) ? PickTrumpBelow(p, hi) : hi;
    int x = GetNextHigherHeld(p, CCardChoosers(p).ChooseSpareTrump(0));
    if (!v.thirdMayTrump && !IsTop(p, x)) {
        x = PickCardBelowWinner(p, true);
    } else if (IsTop(p, c1) && GetCardRank(c1) != ACE && !IsTop(p, x) && Order(x) > 4 && t.O <= t.H &&
               v.thirdMayTrump) {
        if (v.k.p1 < 5) {
            const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
            if (!IsJack(cj)) x = cj;
        } else {
            x = PickRandomJack(p, 0);
        }
    }
    if (x != NO_CARD) return x;
    if (t.H == 1) return hi;
    if (!IsTop(p, hi) && hi != w) return w;
    if (!IsJack(hb3) && c != w) return hb3;
    return w;
}

// 9. Settling the ruff; true when the card is chosen.
bool SecondVoidSettleRuff(const VoidWords& v, int x, int& card) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    int c = NO_CARD;
    if (x == NO_CARD) x = SecondVoidFindRuff(v, c);
    if (Order(x) > 4 && v.k.p1 < 10) {
        if (!v.thirdMayTrump || v.thirdMayS) {
            if (t.O < t.H && IsCard(c) && (t.J > 0 || t.H != 3 || IsTop(p, x))) x = c;
        } else {
            const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(g)) {
                card = g;
                return true;
            }
            x = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        }
    }
    card = x;
    return IsCard(x);
}

// 6 to 9: whether the trick is worth a ruff and with which trump; true when the card is chosen.
bool SecondVoidRuff(const VoidWords& v, int& card) {
    const int p1 = v.k.p1, pts = v.k.pts;
    // 6. A ruff that passes 60 (step 7), a trick with points (step 8); one trump among two cards: the
    // trump below the winner at once; else no ruff (step 10).
    int step = 10;
    int x = NO_CARD;
    if (pts < 61 && pts + p1 + Points(v.w) > 60) {
        step = p1 > 4 ? 8 : 7;
    } else if (p1 > 4) {
        step = 8;
    } else if (v.t.H == 1 && v.t.N == 2 && !IsTop(v.p, v.hi)) {
        card = v.w;
        return true;
    }
    if (step == 8) x = SecondVoidHighCardLed(v, step);
    if (step == 7) {
        x = SecondVoidWinningRuff(v);
        step = 9;
    }
    return step == 9 && SecondVoidSettleRuff(v, x, card);
}

// 10. A cheap card to throw off.
int SecondVoidCheapThrowOff(const VoidWords& v) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
    const int ts = SuitOf(g);
    if (IsCard(g) && Points(g) < 5 && Points(v.k.c1) < 5 && !Holds(p, ts, TEN) &&
        ((t.H <= t.O && CountSuitsWithLowCards(p) > 1) || t.H == g_Game.TrumpCount || p.CountInSuit(ts) > 1))
        return g;
    return NO_CARD;
}

// 11. The Ace or Ten of the led suit still in play.
int SecondVoidAceOrTenOut(const VoidWords& v) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    const int S = v.k.S, w = v.w, wb = v.wb;
    if (IsCardGone(S, ACE, p.seat) && IsCardGone(S, TEN, p.seat)) return NO_CARD;
    int y = w;
    if (IsCard(wb) && (IsTop(p, w) || t.H >= 3) && (IsJack(w) || Points(w) >= 10))
        y = Order(w) == Order(wb) + 1 ? w : wb;
    int weak = -1, weakCount = 0;
    for (int s = 0; s < 4; ++s) {
        if (s == t.type || p.CountInSuit(s) == 0 || ChooseTrumpGameHelper(p, s)) continue;
        weak = s;
        ++weakCount;
    }
    if (weakCount == 1 && p.CountInSuit(weak) > 2 && !IsTop(p, PickHighestInSuit(p, weak, true)))
        y = PickLowCardAnySuit(p, weak);
    if (Points(y) < 10) {
        if (!v.thirdMayTrump && !IsTop(p, v.hi)) y = PickCardBelowWinner(p, false);
    } else if (TrumpTenOut(p) && t.O < t.H) {
        if (IsCard(PickTrumpBelow(p, y))) y = PickTrumpBelow(p, y);
    } else if (!v.thirdMayS) {
        y = v.lowest;
    }
    return y;
}

// 14. More trumps held than out.
int SecondVoidMoreTrumps(const VoidWords& v) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    const int w = v.w, hi = v.hi;
    if (t.O == 1 && IsTop(p, hi)) return hi;
    const int cnt = CountOutstanding(p, v.k.S);
    const bool allThree = Holds(p, t.type, ACE) && Holds(p, t.type, TEN) && Holds(p, t.type, KING);
    int c = NO_CARD;
    if (cnt < 3 && !allThree) {
        c = (v.thirdMayTrump && !v.thirdMayS) ? v.wb : w;
        if (Points(w) >= 10 && IsCard(PickTrumpBelow(p, w))) c = PickTrumpBelow(p, w);
        if ((c == NO_CARD || !IsTop(p, c)) && (!v.thirdMayTrump || v.thirdMayS)) {
            if (IsTrumpAce(c) && TrumpTenOut(p)) c = PickTrumpBelow(p, c);
        } else if (t.H > 1 && t.H < g_Game.TrumpCount) {
            c = IsCard(PickCardAboveInTrumps(p, FirstMissingJack(p), true)) ? v.lowest : NO_CARD;
        }
    } else {
        const int nb = NextLowerInSuit(p, w, false);
        if (!IsTop(p, w)) c = v.thirdMayS ? w : CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        else c = IsTopCard(p, nb, w, -1) ? w : v.lowest;
    }
    return c;
}

// 15. The last rule.
int SecondVoidLastRule(const VoidWords& v) {
    CPlayer& p = v.p;
    const Terms& t = v.t;
    const int w = v.w;
    if (v.thirdMayTrump && !v.thirdMayS) {
        if (t.J > 1 && t.matadors < 0 && IsTrumpAce(w) && v.wb != TrumpSuitCard(TEN) &&
            !IsCardGone(t.type, TEN, p.seat))
            return w;
        return CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
    }
    int found = NO_CARD;
    if (v.k.pts + Points(w) + v.k.p1 < 61 && t.O <= t.H && (t.H < 2 || IsTop(p, w))) {
        int c = w;
        while (Points(c) > 4 && IsCard(PickTrumpBelow(p, c))) c = PickTrumpBelow(p, c);
        found = c;
    } else if (IsTrumpAce(w)) {
        found = PickTrumpBelow(p, w);
        if (GetCardRank(found) == TEN) found = PickTrumpBelow(p, found);
    } else if (t.H == 3 && t.J == 2) {
        found = PickJack(p, 0);
        if (!IsTop(p, found)) found = PickRandomJack(p, 0);
    }
    return IsCard(found) ? found : w;
}

// III. Void in the led side suit: ruff or throw off.
int SecondVoid(Second& k) {
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const int S = k.S, p1 = k.p1, pts = k.pts, type = t.type;
    // 1. No trumps: a trump game card, else a card by score.
    if (t.H == 0) {
        const int c = CCardChoosers(p).ChooseTrumpGameCard(true);
        return IsCard(c) ? c : CCardChoosers(p).ChooseCardByScore(11, -1, false);
    }
    // 2. The trumps on both sides; D: the third hand may overruff, void in the suit, and his top trump not sure.
    int list[11];
    const int n = CollectSuit(p, type, false, list);
    const int w = PickCardBelowWinner(p, false);
    const int wb = PickTrumpBelow(p, w);
    const int hi = PickHighestInSuit(p, -1, true);
    const int hb = PickTrumpBelow(p, hi);
    const int lowest = PickLowestInSuit(p, -1, true);
    const bool thirdMayS = MayHoldSuit(p, k.third, S);
    const bool thirdMayTrump = MayHoldSuit(p, k.third, type);
    const int list0 = n > 0 ? list[0] : NO_CARD;
    const int list1 = n > 1 ? list[1] : NO_CARD;
    const bool D = !thirdMayS && thirdMayTrump && !IsTop(p, hi);
    const VoidWords v{k, p, t, list0, list1, w, wb, hi, hb, lowest, thirdMayS, thirdMayTrump, D};
    // 3. One trump out and the top trump his: the trump below the top, or the lowest when the trump
    // out is above that one.
    if (!D && t.H > 1 && t.O == 1 && IsTop(p, hi)) return Order(list0) > Order(hb) ? lowest : hb;
    // 4. Two trumps against more, the top not his: the lowest trump.
    if (t.H == 2 && t.O > 1 && !IsTop(p, hi)) return lowest;
    // 5. No overruff to fear: below 61, the top trump when it reaches 61, else the trump below the
    // winner; no lead yet, the same trump.
    if (!D) {
        if (pts < 61) return pts + p1 + Points(hi) >= 61 ? hi : w;
        if (LeadCount(S) == 0) return w;
    }
    int card = NO_CARD;
    if (SecondVoidRuff(v, card)) return card;
    card = SecondVoidCheapThrowOff(v);
    if (IsCard(card)) return card;
    card = SecondVoidAceOrTenOut(v);
    if (IsCard(card)) return card;
    // 12. No trump out.
    if (t.H == g_Game.TrumpCount) {
        if (t.N == 2) return hi;
        const int ten = CCardChoosers(p).PickUnguardedTen();
        return (p1 > 0 || ten == NO_CARD) ? PickHighestTrumpRandomStep(p, t.H) : ten;
    }
    // 13. Few trumps and few points led: a trump game card without points; more trumps than out: a ruff.
    if (t.H < 3 && p1 < 5) {
        const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (IsCard(g) && Points(g) == 0) return g;
    } else if (t.O < t.H && t.H > 2) {
        card = SecondVoidMoreTrumps(v);
        if (IsCard(card)) return card;
    }
    return SecondVoidLastRule(v);
}

// ---------------------------------------------------------------- third hand

struct Third {
    CPlayer& p;
    const Terms& t;
    int c1, c2, S1, S2, ow, tp, pts;
};

// I. Trump led.
int ThirdTrumpLed(Third& k) {
    CPlayer& p = k.p;
    const Terms& t = k.t;
    if (t.H == 0) return NO_CARD;
    const int lowest = PickLowestInSuit(p, -1, true);
    const int h = PickHighestInSuit(p, -1, true);
    // 1. A low trump already wins.
    const int lo = PickLowCardOfSuit(p, t.type);
    if (IsCard(lo) && Order(lo) > k.ow) return lo;
    // 2. With Jacks: the trump above the winning card, or a random Jack, when it takes the trick.
    if (t.J > 0) {
        const int wc = (k.S2 == k.S1 && Order(k.c2) > Order(k.c1)) ? k.c2 : k.c1;
        const int a = PickCardAboveInTrumps(p, wc, true);
        const int x = IsCard(a) ? a : PickRandomJack(p, 0);
        if (Order(x) > k.ow) {
            if (t.H == 2 && IsCard(a) && !IsTop(p, a)) return a;
            const int asBig = x == a ? lowest : x;
            if (k.tp >= 10) return asBig;
            if (k.tp + Points(x) + k.pts < 61) return (t.N == 2 && IsTop(p, x)) ? asBig : lowest;
            return (t.N == 3 && t.H == 3) ? lowest : x;
        }
    }
    // 3. The highest trump takes the trick: it, or the lowest trump when that is worth more and sure.
    if (Order(h) > k.ow && t.H > 1) {
        if (Points(lowest) > Points(h) && IsTopCard(p, lowest, h, -1) && t.H != g_Game.TrumpCount) return h;
        if (t.H - 1 == t.O && IsCard(CCardChoosers(p).ChooseLeadOrLastCard(-1))) return h;
        return lowest;
    }
    // 4. Two Jacks and a high lowest trump: a Jack at random; else the lowest trump.
    if (Order(lowest) > 4 && t.J > 1 && (!IsTop(p, h) || !IsTopCard(p, lowest, h, -1))) return PickRandomJack(p, 0);
    return lowest;
}

// II. A side suit led that he holds.
int ThirdFollow(Third& k) {
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const int S1 = k.S1;
    if (k.S2 == t.type) return PickLowCardAnySuit(p, S1);
    const int wc = (k.S2 == S1 && Order(k.c2) > Order(k.c1)) ? k.c2 : k.c1;
    const int hi = PickHighestInSuit(p, S1, true);
    const int lw = NextHigherInSuit(p, wc);
    const int lo = PickLowestInSuit(p, S1, true);
    if (lw == NO_CARD) return PickLowCardAnySuit(p, S1);
    int x = NO_CARD;
    if (!IsTop(p, hi) || (t.H <= t.O && p.CountInSuit(S1) > 3)) {
        x = hi;
    } else if (hi == lw) {
        if (k.tp >= 5) {
            x = hi;
        } else {
            x = lo;
            if (p.CountInSuit(S1) > 2 || Points(lo) > 3) {
                if ((k.pts < 61 && k.pts + k.tp + Points(hi) > 60 && (t.H == 0 || t.O > 0)) || !Holds(p, S1, ACE) ||
                    TenHeldOrGone(p, S1))
                    x = hi;
            } else if (k.S2 == S1 || p.handInfo.DealtSuitCount[S1] < 3) {
                if (MayHoldSuit(p, t.previous, t.type) && t.O > 0) x = hi;
            }
        }
    } else {
        const int cnt = p.CountInSuit(S1);
        if (cnt < 4) {
            const int top = PickHighestInSuit(p, -1, true);
            const bool tt = IsTop(p, top);
            const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
            if (!tt && k.pts > 30 && t.N < 9) {
                x = cnt == 2 ? lw : hi;
            } else {
                x = GetNextHigherHeld(p, lw);
                if (t.H == 2 && g_Game.TrumpCount < 4) {
                    if (tt)
                        Commit(p, top);
                    else if (Points(cj) < 10)
                        Commit(p, cj);
                }
            }
        } else {
            x = (t.H == 1 && g_Game.TrumpCount == 2 && IsTop(p, PickHighestInSuit(p, -1, true))) ? lw : hi;
        }
    }
    if (IsCard(x) && Holds(p, S1, ACE) && Holds(p, S1, TEN) && p.forcedCard == 0) x = PickLowCardOfSuit(p, S1);
    return IsCard(x) ? x : PickLowCardAnySuit(p, S1);
}

// III.9: the ruff when trumps are out beside his own.
int ThirdRuffChoice(Third& k, int w, int wb, int h, int sc) {
    CPlayer& p = k.p;
    const Terms& t = k.t;
    int v = w;
    if (t.O < t.H || k.tp > 4 || (k.pts < 61 && Points(w) + k.pts + k.tp > 60)) {
        if ((t.H < 5 && !IsTop(p, h)) ||
            (IsCard(wb) &&
             (!IsTrumpAce(w) || wb == TrumpSuitCard(TEN) || t.J + 1 < t.O || IsCardGone(t.type, TEN, p.seat)) &&
             !IsTopCard(p, w, h, -1)))
            v = w;
        else if (IsCard(wb))
            v = wb;
        int base = NO_CARD;
        if (!IsCard(wb)) {
            base = (IsTop(p, h) && (t.H < 2 || !IsJack(h))) ? h : sc;
        } else if (!IsTop(p, h)) {
            base = (t.H == 2 && Points(h) > Points(v)) ? h : v;
        } else if (h == v) {
            base = Order(v) - Order(wb) >= 2 ? wb : v;
        } else {
            base = h;
            if (Order(h) - Order(v) > 1) base = (t.H < 3 && t.H <= t.O) ? v : wb;
        }
        const int x = GetNextHigherHeld(p, base);
        if (IsCard(x)) return x;
    }
    if (t.H == 2 && !IsTop(p, h) && Points(v) >= 10) return v;
    if (t.H == 1 && t.N == 2 && !IsTop(p, v)) return v;
    if (k.tp > 7 || !IsTop(p, v)) {
        if (IsTrumpAce(v) && IsTop(p, v) && TrumpTenOut(p) && t.O < t.H) return PickTrumpBelow(p, v);
        if (t.H < 3 && t.H == t.N) return PickCardBelowWinner(p, false);
        if (t.H >= 3) return (IsTrumpAce(v) && TrumpTenOut(p)) ? PickTrumpBelow(p, v) : v;
    }
    if (t.H == 1 && (k.pts > 60 || Points(v) + k.pts + k.tp < 61)) {
        int c = NO_CARD;
        if (t.N == 2) c = CCardChoosers(p).ChooseCardByScore(4, -1, false);
        if (t.N == 3) c = CCardChoosers(p).ChooseTrumpGameCard(false);
        if (IsTop(p, c)) c = sc;
        if (IsCard(c)) return c;
    }
    if (k.tp > 4) return GetNextHigherHeld(p, sc);
    return NO_CARD;
}

// What the void third hand works out at step 3: his suit card sc, the highest trump h, the card
// below the winner w and the trump below it wb, and his lowest trump.
struct ThirdVoidWords {
    Third& k;
    bool secondRuffed;
    int lowest, sc, h, w, wb;
};

// 1. A cheap trick.
int ThirdVoidCheapTrick(Third& k) {
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (!IsCard(g) || k.tp + Points(g) >= 10) return NO_CARD;
    int x = g;
    const int w = PickCardBelowWinner(p, false);
    if (t.H <= t.O && !IsTop(p, PickHighestInSuit(p, -1, true)) && Points(w) > 2 &&
        CountAcesElsewhere(p.handInfo, t.type) > 1)
        x = w;
    return x;
}

// 4. Second hand ruffed.
int ThirdVoidOverTheRuff(const ThirdVoidWords& v) {
    Third& k = v.k;
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const int h = v.h, w = v.w, sc = v.sc;
    const int ab = PickCardAboveInTrumps(p, k.c2, true);
    int x = NO_CARD;
    if (ab == NO_CARD) {
        x = CCardChoosers(p).ChooseCardByScore(4, v.lowest, false);
    } else {
        if ((Order(k.c2) < Order(h) && (k.tp > 9 || Points(h) + k.pts + k.tp > 60)) || t.O < t.H) {
            x = Order(w) > Order(k.c2) ? w : ab;
        } else if (Points(w) + k.pts + k.tp > 60 && Order(w) > Order(k.c2)) {
            x = w;
        } else if (k.tp > 4 && Order(sc) > Order(k.c2)) {
            x = sc;
        }
        if (t.N == t.H) {
            const int a2 = PickCardAboveInTrumps(p, k.c2, true);
            x = (IsCard(a2) && !IsTopCard(p, w, a2, -1) && Order(w) > Order(a2)) ? w : a2;
        }
    }
    if (IsCard(x)) return x;
    const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (IsCard(g)) return g;
    int s4 = CCardChoosers(p).ChooseCardByScore(4, -1, false);
    if (IsTrump(s4) && IsCard(ab) && Order(s4) < Order(ab)) {
        s4 = GetNextHigherHeld(p, ab);
    } else if (IsCard(s4) && !IsTrump(s4) && Points(s4) > 4 && t.O <= t.H) {
        const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        if (IsCard(cj) && Points(cj) < Points(s4)) s4 = cj;
    }
    return s4;
}

// 5. Nobody ruffed, a trick of ten points or more.
int ThirdVoidRichTrick(const ThirdVoidWords& v) {
    CPlayer& p = v.k.p;
    const Terms& t = v.k.t;
    int y = v.w;
    if (IsTrumpAce(v.w) && TrumpTenOut(p)) y = IsTop(p, v.h) ? v.wb : (Order(v.sc) < 5 ? v.wb : v.sc);
    int from = y;
    if (IsTop(p, v.h)) from = v.sc;
    else if (t.O < t.H && t.O > 1) from = v.wb;
    return GetNextHigherHeld(p, from);
}

// 7. A card to throw off.
int ThirdVoidThrowOff(const ThirdVoidWords& v) {
    Third& k = v.k;
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
    const int ts = SuitOf(g);
    const int top = PickHighestInSuit(p, ts, true);
    const bool skip = k.tp < 10 && IsCard(g) && Order(g) > 3 && Order(top) > 5;
    if (skip || !IsCard(g)) return NO_CARD;
    if ((k.S2 == k.S1 && Order(k.c2) > Order(k.c1)) || v.secondRuffed) {
        if (IsTop(p, top) && !MayHoldSuit(p, t.next, ts) && MayHoldSuit(p, t.previous, ts))
            return CCardChoosers(p).PickUnguardedTen();
    }
    const int below = NextLowerInSuit(p, top, false);
    if ((t.O == 0 || t.H == t.N - 1) && IsTop(p, top) && (k.tp > 0 || Points(g) > 0) &&
        (below == NO_CARD || IsTopCard(p, below, top, -1)))
        return CCardChoosers(p).PickUnguardedTen();
    return g;
}

// 8, as many trumps held as out: a sure run of the rest, else the card below the winner.
int ThirdVoidEvenTrumps(const ThirdVoidWords& v) {
    Third& k = v.k;
    CPlayer& p = k.p;
    const Terms& t = k.t;
    int x = NO_CARD;
    const int g = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (IsCard(g) && Points(g) + g_Game.PartyPoints[1] + k.tp <= 30) {
        int sure = t.H + 1;
        for (int s = 0; s < 4; ++s) {
            if (s == t.type) continue;
            for (int c = PickHighestInSuit(p, s, true); IsCard(c) && IsTop(p, c); c = NextLowerInSuit(p, c, false))
                ++sure;
        }
        if (sure == t.N) return g;
    }
    if (IsCard(v.h)) {
        x = PickCardBelowWinner(p, false);
        if (IsTop(p, x) && IsCard(PickTrumpBelow(p, x))) x = PickTrumpBelow(p, x);
    }
    return x;
}

// 8 and 9: the throw-off card x, else a trump by the count of trumps held and out.
int ThirdVoidTrumpOrThrowOff(const ThirdVoidWords& v, int x) {
    Third& k = v.k;
    CPlayer& p = k.p;
    const Terms& t = k.t;
    if (IsCard(x)) return x;
    if (v.secondRuffed && Order(k.c2) >= Order(v.h)) return NO_CARD;
    if (t.H >= 6 && t.J == 2 && IsTrumpAce(PickCardBelowWinner(p, false))) {
        x = GetNextHigherHeld(p, v.lowest);
        Commit(p, PickJack(p, 0));
    } else if (t.H == t.O) {
        x = ThirdVoidEvenTrumps(v);
    } else {
        return ThirdRuffChoice(k, v.w, v.wb, v.h, v.sc);
    }
    if (IsCard(x)) return x;
    if (t.H > 1 || IsTop(p, v.h)) return CCardChoosers(p).ChooseTrumpGameCard(t.dealtTrumps < 6);
    return NO_CARD;
}

// 10. The last trumps.
int ThirdVoidLastTrumps(const ThirdVoidWords& v) {
    Third& k = v.k;
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const int y = v.secondRuffed ? PickCardAboveInTrumps(p, k.c2, true) : PickCardBelowWinner(p, false);
    if (IsCard(y)) {
        const int x = k.tp < 5 ? CCardChoosers(p).ChooseTrumpGameCard(true) : y;
        if (IsCard(x)) return x;
    }
    if (t.O < t.H && IsCard(y)) {
        if (!IsTop(p, y)) {
            if (!(IsTrumpAce(y) && TrumpTenOut(p))) return y;
        } else {
            const int nb = NextLowerInSuit(p, y, false);
            if (IsCard(nb)) return nb;
        }
    }
    const int s4 = CCardChoosers(p).ChooseCardByScore(4, -1, false);
    const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
    if (Points(s4) <= 3) return s4;
    if (IsCard(y)) return y;
    if (IsCard(cj) && g_Game.TrumpCount > 1 && !IsTop(p, cj) && Points(cj) < Points(s4)) return cj;
    return s4;
}

// III. Void in the led side suit.
int ThirdVoid(Third& k) {
    CPlayer& p = k.p;
    const Terms& t = k.t;
    const bool secondRuffed = k.S2 == t.type;
    const int lowest = PickLowestInSuit(p, -1, true);
    const int cheap = ThirdVoidCheapTrick(k);
    if (IsCard(cheap)) return cheap;
    // 2. No trumps: a trump game card, unless the trick holds more than 4 points.
    if (t.H == 0) return k.tp > 4 ? NO_CARD : CCardChoosers(p).ChooseTrumpGameCard(true);
    // 3. The trumps: over the ruff of the second hand, or into a rich trick, or a cheap one.
    const int sc = CCardChoosers(p).ChooseSoloistCardSuit();
    const int h = PickHighestInSuit(p, -1, true);
    const int w = PickCardBelowWinner(p, false);
    const ThirdVoidWords v{k, secondRuffed, lowest, sc, h, w, PickTrumpBelow(p, w)};
    if (secondRuffed) return ThirdVoidOverTheRuff(v);
    if (k.tp > 9) {
        const int x = ThirdVoidRichTrick(v);
        if (IsCard(x)) return x;
    }
    // 6. This trick decides the game.
    if (k.tp <= 9 && k.pts < 61 && k.pts + Points(w) < 61 && k.pts + Points(w) + k.tp > 60) {
        const int lead = CCardChoosers(p).ChooseLeadOrLastCard(-1);
        if ((IsCard(lead) && t.O == 0) || ((lead == NO_CARD || t.N < 3 || !IsTop(p, h)) && (t.H < 3 || t.H <= t.O)))
            if (IsCard(w)) return w;
    }
    const int x = ThirdVoidTrumpOrThrowOff(v, ThirdVoidThrowOff(v));
    if (IsCard(x)) return x;
    return ThirdVoidLastTrumps(v);
}

}  // namespace

int CSuitSoloistPlay::PlaySuitSoloistSecond(int c1) {
    const Terms t(me);
    Second k{me, t, c1, SuitOf(c1), Points(c1), t.next, g_Game.PartyPoints[0]};
    int x = NO_CARD;
    if (k.S == t.type)
        x = SecondTrumpLed(k);
    else if (k.S >= 0 && k.S <= 3 && me.CountInSuit(k.S) > 0) x = SecondFollow(k);
    else
        x = SecondVoid(k);
    // The card plan's second opinion on the candidate.
    const int planned = CTrickCardChoice(me).ChooseTrickCard(-1, x, true);
    if (IsCard(planned)) x = planned;
    return me.FinishStrategy(AllowedOrLastStep(me, x, FALLBACK_SOLOIST), EPILOGUE_PLAIN);
}

int CSuitSoloistPlay::PlaySuitSoloistThird(int c1, int c2) {
    const Terms t(me);
    const int S1 = SuitOf(c1);
    const int S2 = SuitOf(c2);
    const int ow = (S2 == S1 && Order(c2) > Order(c1)) ? Order(c2) : Order(c1);
    Third k{me, t, c1, c2, S1, S2, ow, Points(c1) + Points(c2), g_Game.PartyPoints[0]};
    int x = NO_CARD;
    if (S1 == t.type)
        x = ThirdTrumpLed(k);
    else if (S1 >= 0 && S1 <= 3 && me.CountInSuit(S1) > 0) x = ThirdFollow(k);
    else
        x = ThirdVoid(k);
    if (x == NO_CARD) x = ScoreFallback(me);
    const int planned = CTrickCardChoice(me).ChooseTrickCard(-1, x, true);
    if (IsCard(planned)) x = planned;
    return me.FinishStrategy(AllowedOrLastStep(me, x, FALLBACK_SOLOIST), EPILOGUE_PLAIN);
}
