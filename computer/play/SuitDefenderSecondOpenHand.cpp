// The suit-game defender's first choice in second hand while the soloist's cards lie open: it
// reads his hand to overtake, smear for the partner or throw off. -1 when his hand is not open or
// no rule decides; a forced card is played only when the partner can ruff.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "model/Player.h"

#include "computer/play/SuitPlayTerms.h"

#include <cstdlib>

using namespace suit;

namespace {

struct OpenSecond {
    CPlayer& own;
    CPlayer& so;
    bool soloistNext;
    int led;     // the card led
    int suit;    // its effective suit
    int type;
    int mate;
};

// A2: the partner led a side suit the soloist lacks.
int PartnerLedSoloistVoid(OpenSecond& o) {
    CPlayer& own = o.own;
    const int S = CCardChoosers(o.so).ChooseTrumpGameCard(true);
    const bool holds = own.CountInSuit(o.suit) > 0;
    if (S == NO_CARD) {
        const int t = CCardChoosers(own).ChooseTrumpGameCard(true);
        const int k = CCardChoosers(own).ChooseCardByScore(4, -1, false);
        if (holds) return LowestHeld(own, o.suit);
        return IsCard(t) ? t : k;
    }
    const int B = HeldAbove(own, o.led);
    if (IsCard(B)) {
        if (Points(B) + Points(o.led) <= 4) {
            if (CCardChoosers(o.so).ChooseTrumpGameCard(false) == NO_CARD) return B;
            const int H = HighestHeld(own, o.suit);
            if (GetCardRank(H) != ACE) return H;
            const int ten = HeldBelow(own, H);
            return GetCardRank(ten) == TEN ? ten : H;
        }
        if (Points(o.led) <= 4 || Points(B) <= 4) return B;
        return LowestHeld(own, o.suit);
    }
    if (holds) return Points(o.led) >= 4 ? LowestHeld(own, o.suit) : HighestHeld(own, o.suit);
    const int F = CCardChoosers(own).PickUnguardedTen();
    int result = (IsCard(F) && o.so.HasCard(CardCodeOf(ACE, SuitOf(F)))) ? F : NO_CARD;
    const int S2 = CCardChoosers(o.so).ChooseTrumpGameCard(true);
    if (IsCard(S2))
        result = Points(o.led) > 4 ? CCardChoosers(own).ChooseCardByScore(4, -1, false)
                                   : GetNextLowerHeld(own, CCardChoosers(own).ChooseOpponentFollow(SuitOf(S2)));
    if (result == NO_CARD) result = CCardChoosers(own).ChooseCardByScore(4, -1, false);
    if (result == NO_CARD) result = CCardChoosers(own).ChooseCardGeneral(o.soloistNext, false);
    return result;
}

// A3: the partner led a side suit the soloist holds.
int PartnerLedSoloistHolds(OpenSecond& o) {
    CPlayer& own = o.own;
    const int SH = HighestHeld(o.so, o.suit);
    const int H = HighestHeld(own, o.suit);
    const int H2 = HeldBelow(own, H);
    const int L = LowestHeld(own, o.suit);
    const int n = o.so.CountInSuit(o.suit);
    const int m = own.CountInSuit(o.suit);
    if (m == 0) {
        if (Beats(o.led, SH)) {
            const int K = CCardChoosers(own).ChooseCardByScore3(0, true);
            const int s = SuitOf(K);
            int X = o.so.CountInSuit(s) > 0 ? GetNextHigherHeld(own, K) : HighestHeld(own, s);
            const int base = Points(SH) + Points(o.led) + g_Game.PartyPoints[1];
            const int need = 60 - base;
            if (need <= 11 && Points(X) < need) {
                RunningBest best;
                for (int t = 0; t < 4; ++t) {
                    const int c = own.CountInSuit(t) > 0 ? PickLowCardOfSuit(own, t) : NO_CARD;
                    best.Offer(c, Points(c));
                }
                if (IsCard(best.card) && Points(best.card) >= need) X = best.card;
            }
            if (Points(X) + base > 30) return X;
            const int P = PickCardBelowWinner(own, false);
            return Points(P) + base > 30 ? P : X;
        }
        const int P = PickCardBelowWinner(own, false);
        return Order(P) < Order(PickHighestInSuit(o.so, -1, true)) ? P : NO_CARD;
    }
    if (n == 2 && m >= 2) {
        const int X = HeldAbove(own, SH);
        const int l = Order(PickLowCardAnySuit(o.so, o.suit));
        if (IsCard(X) && X != H) return GetNextHigherHeld(own, X);
        if (Order(H2) > l) return H2;
        if (Order(H) > l) return H;
        return L;
    }
    if (n > 2 || n == 2) {
        if (Order(SH) >= Order(o.led)) return GetNextHigherHeld(own, H2);
        return GetNextHigherHeld(own, Beats(H, SH) ? H2 : L);
    }
    return (Beats(o.led, SH) || Beats(H, SH)) ? H : L;
}

// B1a: smearing for the partner who may overtrump the soloist's trump lead.
int SmearForPartner(OpenSecond& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int D = g_Game.PartyPoints[1];
    int heldBack = NO_CARD;
    if (D >= 19 && D <= 30) {
        RunningBest best;
        for (int s = 0; s < 4; ++s) {
            if (s == o.type || own.CountInSuit(s) == 0) continue;
            int h = HighestHeld(own, s);
            if (so.CountInSuit(s) > 0 && Beats(h, HighestHeld(so, s))) continue;
            if (own.CountInSuit(s) >= 2 && so.CountInSuit(s) >= 2 && Beats(h, HeldBelow(so, HighestHeld(so, s)))) {
                int A[11];
                const int a = CollectSuit(own, s, true, A);
                if (a < 3) continue;
                heldBack = h;
                h = A[2];
            }
            if (D + Points(h) > 30)
                best.Offer(h, Points(h) + 11);
            else if (D + Points(h) >= 29)
                best.Offer(h, Points(h));
        }
        if (IsCard(best.card)) return best.card;
    }
    RunningBest second;
    if (!g_Game.SchneiderAnnounced) {
        for (int s = 0; s < 4; ++s) {
            if (s == o.type || own.CountInSuit(s) == 0) continue;
            const int h = HighestHeld(own, s);
            if (h == heldBack) continue;
            const int d = HeldBelow(so, h);
            if (own.CountInSuit(s) == so.CountInSuit(s) && IsCard(d)) continue;
            if (Beats(HighestHeld(so, s), h)) {
                const bool deep = so.CountInSuit(s) <= 3 && own.CountInSuit(s) >= 3 && IsCard(d);
                second.Offer(h, deep ? 1 : Points(h));
            } else {
                const int below = HeldBelow(own, h);
                if (!IsCard(below)) continue;
                second.Offer(below, (so.CountInSuit(s) == 0 || own.CountInSuit(s) == 1) ? Points(below) : 2);
            }
        }
    }
    RunningBest third;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type || own.CountInSuit(s) == 0 || so.CountInSuit(s) != 0) continue;
        const int h = HighestHeld(own, s);
        third.Offer(h, Points(h));
    }
    if (second.card == NO_CARD || Points(third.card) >= 10) return third.card;
    return second.card;
}

// B1b: discarding low under the soloist's trump.
int DiscardLow(OpenSecond& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int giveUpSuit = SuitOf(CCardChoosers(so).ChooseTrumpGameCard(true));
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type || own.CountInSuit(s) == 0) continue;
        int A[11];
        const int a = CollectSuit(own, s, true, A);
        const int b = so.CountInSuit(s);
        const int cand = PickLowCardAnySuit(own, s);
        if (b == 0) {
            best.Offer(cand, 6 - Order(cand));
            continue;
        }
        const int soTop = HighestHeld(so, s);
        const int soLow = LowestHeld(so, s);
        if (a == b && (a == 2 || a == 3) && Beats(A[0], soLow)) continue;
        const int step = a - b > 1 ? 2 : 1;
        if (step == 1 && !Beats(soTop, A[0])) continue;
        int priority = 12 + a - step - Points(cand);
        if (a > 1 && b > 1 && IsTopCard(own, A[0], soTop, -1)) {
            priority = 0;
        } else if (s == giveUpSuit) {
            if (a == 1)
                priority = Points(cand) + 12;
            else if (Order(A[0]) >= Order(soLow) && (a <= 2 || Points(cand) != 0))
                priority = 0;
        }
        best.Offer(cand, priority);
    }
    if (IsCard(best.card)) return best.card;
    int last = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (so.CountInSuit(s) == 0 || !Beats(HighestHeld(own, s), HighestHeld(so, s))) continue;
        int K = CCardChoosers(own).ChooseCardByScore2(s);
        if (IsCard(K) && so.CountInSuit(SuitOf(K)) > 0 && !IsTopCard(so, HighestHeld(so, SuitOf(K)), -1, -1))
            K = NO_CARD;
        last = K;
    }
    return last;
}

// B2: the soloist led a trump and the defender holds trumps.
int SoloistTrumpLed(OpenSecond& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int SH = PickHighestInSuit(so, -1, true);
    const int H = PickHighestInSuit(own, -1, true);
    const int R = CCardChoosers(own).ChooseCardWithRandomJack(-1, true);
    const int L = PickLowestInSuit(own, -1, true);
    const int T = own.GetTrumpCount();
    if (IsTop(own, o.led)) {
        if (!IsTopCard(own, H, o.led, -1)) return NO_CARD;
        int r = (R == H && IsCard(L)) ? L : R;
        if (Points(r) > 4 && IsJack(o.led) && own.handInfo.JackCount > so.handInfo.JackCount)
            r = PickRandomJack(own, 0);
        if (Points(r) > 2 && Beats(r, SH)) return PickRandomJack(own, 0);
        if (!Beats(H, SH) || T < g_Game.TrumpCount - T || T <= 2) return r;
        return R;
    }
    const int A = PickCardAboveInTrumps(own, o.led, true);
    const int open = FindOpenCardToPlay(own);
    if (IsCard(A)) {
        if (IsJack(A) && !IsJack(o.led) && own.handInfo.JackCount + so.handInfo.JackCount < 4) return NO_CARD;
        if ((g_Game.TrumpCount - T) - so.GetTrumpCount() != 1) return NO_CARD;
        return Points(open) <= 4 ? L : A;
    }
    if (!IsTop(own, SH) || !(open == NO_CARD || Order(open) < Order(o.led))) return NO_CARD;
    if (Beats(H, o.led) && !(own.handInfo.JackCount == 2 && IsJack(o.led))) return H;
    return NO_CARD;
}

// B3: the soloist led a side suit the defender lacks.
int SoloistLedDefenderVoid(OpenSecond& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int T = own.GetTrumpCount();
    const int ST = so.GetTrumpCount();
    bool toThree = false;
    if ((ST == 0 && T > 0) || Points(o.led) > 4) {
        const int P = PickCardBelowWinner(own, false);
        if (IsCard(P)) return P;
        toThree = true;
    }
    if (!toThree) {
        int list[11];
        const int n = CollectSuit(own, o.suit, false, list);
        for (int i = 0; i < n; ++i) {
            if (!Beats(list[i], o.led) || so.HasCard(list[i])) continue;
            const int c = CCardChoosers(own).ChooseCardByRunScore(true);
            if (IsCard(c)) return c;
            break;
        }
    }
    if (T + ST == g_Game.TrumpCount) {
        RunningBest best;
        for (int s = 0; s < 4; ++s) {
            if (s == o.type || own.CountInSuit(s) != 1 || so.CountInSuit(s) == 0) continue;
            if (!IsTop(own, HighestHeld(so, s))) continue;
            const int low = LowestHeld(own, s);
            best.Offer(low, 11 - Points(low));
        }
        if (IsCard(best.card)) return best.card;
        if (T > ST) {
            RunningBest high;
            for (int s = 0; s < 4; ++s) {
                if (s == o.type || own.CountInSuit(s) == 0) continue;
                if (so.CountInSuit(s) == 0 || !IsTop(own, HighestHeld(so, s)))
                    high.Offer(HighestHeld(own, s), Points(HighestHeld(own, s)));
            }
            if (IsCard(high.card)) {
                own.forcedCard = high.card;
                own.ForcedCardCount = own.count;
                return PickCardBelowWinner(own, false);
            }
        }
        return NO_CARD;
    }
    if (IsTopCard(own, o.led, HighestHeld(so, o.suit), -1)) return NO_CARD;
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type || own.CountInSuit(s) == 0) continue;
        const int h = HighestHeld(own, s);
        if (so.CountInSuit(s) == 0 || !Beats(h, HighestHeld(so, s))) best.Offer(h, Points(h));
    }
    if (T == 0 || Points(best.card) > 4) return best.card;
    const int P = PickCardBelowWinner(own, false);
    if (Points(P) > 10 && Order(PickHighestInSuit(so, -1, true)) > Order(P)) return P;
    return best.card;
}

// B4: the soloist led a side suit the defender holds.
int SoloistLedDefenderHolds(OpenSecond& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int H = HighestHeld(own, o.suit);
    const int B = HeldAbove(own, o.led);
    const int SH = HighestHeld(so, o.suit);
    const int L = LowestHeld(own, o.suit);
    int A[11];
    const int a = CollectSuit(own, o.suit, true, A);
    const int b = so.CountInSuit(o.suit);
    if (B == H && Beats(H, SH) && Beats(SH, o.led)) return L;
    if (a > b && b > 0 && IsCard(B) && B != H) return Order(A[0]) <= Order(SH) ? H : GetNextHigherHeld(own, A[1]);
    if (b == 0) return Beats(H, o.led) ? H : B;
    if (IsTop(own, o.led)) return NO_CARD;
    return IsCard(B) ? B : H;
}

}  // namespace

int CSuitDefenderPlay::SuitOpponentSecondFirstChoice(bool soloistNext, int cardLed) {
    // Step 0: only against an open hand.
    if (!me.partner || !AreOuvertCardsOpen()) return NO_CARD;
    OpenSecond o{me,
                 *me.partner,
                 soloistNext,
                 cardLed,
                 SuitOf(cardLed),
                 g_Game.GameType,
                 soloistNext ? (me.seat + 2) % 3 : (me.seat + 1) % 3};
    const int T = me.GetTrumpCount();
    // Step 1: the forced card, only when he can neither follow nor ruff and the partner can.
    if (me.forcedCard != 0) {
        if (o.suit == o.type || me.CountInSuit(o.suit) > 0 || T > 0) {
            me.forcedCard = 0;
        } else if (MayHoldSuit(me, o.mate, o.type) && !MayHoldSuit(me, o.mate, o.suit)) {
            const int forced = std::abs(me.forcedCard);
            me.forcedCard = 0;
            if (me.HasCard(forced)) return forced;
        } else {
            return NO_CARD;
        }
    }
    if (soloistNext) {
        // Step 2: the partner led.
        if (o.suit == o.type) {
            if (Points(cardLed) < 10) return NO_CARD;
            return PickCardAboveInTrumps(me, PickHighestInSuit(o.so, -1, true), true);
        }
        if (o.so.CountInSuit(o.suit) == 0) return PartnerLedSoloistVoid(o);
        return PartnerLedSoloistHolds(o);
    }
    // Step 3: the soloist led.
    if (o.suit == o.type) {
        if (T == 0) {
            const bool mayOvertrump = CollectSuit(o.so, o.type, false, nullptr) != 0 && !IsTop(me, cardLed) &&
                                      MayHoldSuit(me, o.mate, o.type);
            return mayOvertrump ? SmearForPartner(o) : DiscardLow(o);
        }
        return SoloistTrumpLed(o);
    }
    if (me.CountInSuit(o.suit) == 0) return SoloistLedDefenderVoid(o);
    return SoloistLedDefenderHolds(o);
}
