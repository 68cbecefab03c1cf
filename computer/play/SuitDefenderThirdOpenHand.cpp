// The suit-game defender's first choice in third hand while the soloist's cards lie open: with
// both cards of the trick known and his hand in view it smears into the partner's trick, takes
// the soloist's, or throws off where he cannot hurt. -1 when his hand is not open or no rule
// decides; a forced card is played only on the soloist's throw-off.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "model/Player.h"

#include "computer/play/SuitPlayTerms.h"

#include <cstdlib>

using namespace suit;

namespace {

struct OpenThird {
    CPlayer& own;
    CPlayer& so;
    int first, second;
    int S, P;  // the soloist's and the partner's card
    int led, type;
    int T;     // own trumps
    int tp;    // trick points
};

// A1: the partner holds the trick over the soloist's trump lead.
int PartnerHoldsTrumpLead(OpenThird& o) {
    CPlayer& own = o.own;
    if (o.T > 0)
        return Beats(PickHighestInSuit(own, -1, true), PickHighestInSuit(o.so, -1, true))
                   ? PickCardBelowWinner(own, false)
                   : NO_CARD;
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int m = own.CountInSuit(s);
        if (s == o.type || m == 0) continue;
        int B[11];
        const int n = CollectSuit(o.so, s, true, B);
        const int H = HighestHeld(own, s);
        int cand = NO_CARD;
        if (n == 0)
            cand = H;
        else if (n == 1) cand = Beats(H, B[0]) ? HeldBelow(own, H) : H;
        else if (m >= n && Beats(B[0], H))
            cand = H;
        best.Offer(cand, n >= 2 ? Points(cand) : Points(GetNextHigherHeld(own, cand)));
    }
    return best.card;
}

// A2: the partner holds the trick in the led side suit.
int PartnerHoldsSideLead(OpenThird& o) {
    CPlayer& own = o.own;
    const int H = HighestHeld(own, o.led);
    const int m = own.CountInSuit(o.led);
    if (m > 0) {
        const int n = o.so.CountInSuit(o.led);
        const int SH = HighestHeld(o.so, o.led);
        const int H2 = HeldBelow(own, H);
        if (n >= 2) {
            const int A = HeldAbove(own, SH);
            if (H2 == NO_CARD) return H;
            if (A == NO_CARD) return H2;
            if (A != H) return H;
            return IsTopCard(o.so, SH, A, -1) ? H2 : H;
        }
        if (m <= 1 || n == 0 || IsTop(own, SH)) return H;
        return (CollectSuit(own, o.led, false, nullptr) > m || Beats(H2, o.P)) ? H2 : H;
    }
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (own.CountInSuit(s) == 0) continue;
        const int X = PickLowCardOfSuit(own, s);
        const int Y = HeldBelow(own, X);
        const int Z = PickLowCardOfSuit(o.so, s);
        if (Order(Y) >= Order(Z)) best.Offer(X, Points(X));
    }
    return best.card;
}

// A3: the soloist holds his trump lead and the defender holds trumps.
int SoloistHoldsTrumpLead(OpenThird& o) {
    CPlayer& own = o.own;
    const int O = PickCardAboveInTrumps(own, o.S, true);
    const int H = PickHighestInSuit(own, -1, true);
    const int B = PickTrumpBelow(own, H);
    if (Beats(H, o.S) && IsTopCard(own, B, H, -1)) return O;
    if (o.tp > 4) return O;
    if (!IsTop(own, O)) return O;
    const int L = PickLowestInSuit(own, -1, true);
    if (Points(L) <= 4) return L;
    if (IsJack(o.S) && own.handInfo.JackCount >= o.so.handInfo.JackCount) return PickRandomJack(own, 0);
    if (IsTopCard(own, L, H, -1)) return H;
    const int R = CCardChoosers(own).ChooseCardWithRandomJack(-1, true);
    return IsTop(own, H) ? L : R;
}

// A4: the soloist holds his trump lead and the defender holds no trump: the discard in two passes.
int DiscardUnderTrump(OpenThird& o) {
    CPlayer& own = o.own;
    for (int pass = 0; pass < 2; ++pass) {
        RunningBest best;
        for (int s = 0; s < 4; ++s) {
            const int m = own.CountInSuit(s);
            if (s == o.type || m == 0) continue;
            const int n = o.so.CountInSuit(s);
            const int H = HighestHeld(own, s);
            const int SH = HighestHeld(o.so, s);
            const int L = LowestHeld(own, s);
            const bool ruleA = (n > 0 && Beats(SH, H) && !IsTopCard(o.so, SH, -1, -1)) || m == 1;
            if (ruleA) {
                if (n > 0 && m <= 1) continue;
                best.Offer(L, Points(L) <= 4 ? 20 : (n == 0 ? 15 : 11) - Points(L));
                continue;
            }
            if (pass == 0) {
                int out[11];
                const int k = CollectSuit(own, s, false, out);
                if (n == m && n >= 1 && n <= k && Order(out[n - 1]) < Order(L)) continue;
                if (m <= 2 && Beats(H, LowestHeld(o.so, s))) continue;
            }
            const bool f = SH == NO_CARD || Beats(SH, H);
            if (n > 0 && !(m >= 2 && f)) continue;
            int value = n == 0 ? 15 - Points(L) : 4;
            if (f && m >= 3 && n == 3 && Order(H) >= 4)
                value = 3;
            else if (f && m == 2 && own.HasCard(CardCodeOf(TEN, s)) && n > m)
                value = 2;
            best.Offer(L, value);
        }
        if (IsCard(best.card)) return best.card;
    }
    return NO_CARD;
}

// A5: the soloist holds the trick in the led side suit.
int SoloistHoldsSideLead(OpenThird& o) {
    CPlayer& own = o.own;
    const int A = HeldAbove(own, o.S);
    if (IsCard(A)) {
        int B[11];
        const int n = CollectSuit(o.so, o.led, true, B);
        int X = NO_CARD;
        int D = A;
        if (n == 0) {
            D = HighestHeld(own, o.led);
        } else if (n == 1) {
            X = HeldAbove(own, B[0]);
            if (IsCard(X)) {
                const int H = HighestHeld(own, o.led);
                if (Beats(H, X) && Beats(H, A)) D = H;
                if (D == X) D = LowestHeld(own, o.led);
            }
        }
        return (D == X || IsTrump(D)) ? D : GetNextHigherHeld(own, D);
    }
    if (own.CountInSuit(o.led) > 0) return LowestHeld(own, o.led);
    if (o.T > 0) {
        const int R = CCardChoosers(own).ChooseCardByRunScore(false);
        const int G = NextHigherInSuit(o.so, R);
        if ((o.tp >= 10 && G == NO_CARD) || o.T > 1 || (o.T == 1 && g_Game.TrumpCount == 1 && own.count == 2))
            return PickLowestInSuit(own, -1, true);
    }
    const int N = CCardChoosers(o.so).ChooseGrandCard(false);
    if (N == NO_CARD) return NO_CARD;
    const int ns = SuitOf(N);
    const bool others = ns != o.led && own.CountInSuit(ns) > 0;
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        if (own.CountInSuit(s) == 0 || (others && s == ns)) continue;
        const int c = PickLowCardAnySuit(own, s);
        best.Offer(c, 11 - Points(c));
    }
    return best.card;
}

// B1: the partner led and the soloist's card is a trump.
int SoloistTrumpAfterPartner(OpenThird& o) {
    CPlayer& own = o.own;
    const bool trumpLed = o.led == o.type;
    const int D = trumpLed ? PickCardAboveInTrumps(own, o.S, true) : PickLowCardAnySuit(own, o.led);
    if (IsCard(D)) {
        if (!trumpLed) return D;
        if (Beats(o.P, o.S)) return D;
        return (IsTop(own, D) && IsCard(PickHighestInSuit(o.so, o.type, true))) ? NO_CARD : D;
    }
    if (trumpLed) {
        // Without a trump the defender smears or keeps; with trumps the cascade decides.
        if (o.T > 0) return NO_CARD;
        if (Beats(o.P, o.S)) {
            int ten = NO_CARD;
            for (int s = 0; s < 4; ++s)
                if (s != o.type && own.CountInSuit(s) == 1 && GetCardRank(HighestHeld(own, s)) == TEN)
                    ten = HighestHeld(own, s);
            if (IsCard(ten)) return ten;
            RunningBest best;
            for (int s = 0; s < 4; ++s) {
                if (s == o.type || own.CountInSuit(s) == 0) continue;
                const int h = HighestHeld(own, s);
                if (o.so.CountInSuit(s) == 0 || Beats(HighestHeld(o.so, s), h)) best.Offer(h, Points(h));
            }
            return best.card;
        }
        const int K = CCardChoosers(o.so).ChooseTrumpGameCard(true);
        if (IsCard(K) && own.CountInSuit(SuitOf(K)) == 1 && Beats(HighestHeld(own, SuitOf(K)), K))
            return CCardChoosers(own).ChooseCardByScore2(SuitOf(K));
        return NO_CARD;
    }
    const int O = PickCardAboveInTrumps(own, o.S, true);
    const int H = PickHighestInSuit(own, -1, true);
    if ((o.T == 1 || o.T == 2) && IsCard(O)) {
        if (!IsTop(own, H)) return H;
        if (o.tp > 4) return O;
        if (Order(O) > 4 && !IsTop(own, O)) return O;
    }
    if (o.tp == 0) {
        const int K = CCardChoosers(own).ChooseCardByScore(4, -1, false);
        if (IsCard(K)) return K;
    }
    if (Beats(H, o.S) && !IsTop(own, H)) {
        const int W = PickCardBelowWinner(own, false);
        return Beats(W, o.S) ? W : H;
    }
    return NO_CARD;
}

// B2: the partner led and the soloist's card is no trump.
int SoloistNoTrumpAfterPartner(OpenThird& o) {
    CPlayer& own = o.own;
    const int HS = HighestHeld(o.so, o.led);
    const int H = HighestHeld(own, o.led);
    const int H2 = HeldBelow(own, H);
    const int A = HeldAbove(own, HS);
    const int L = PickLowCardAnySuit(own, o.led);
    const bool sFollowed = SuitOf(o.S) == o.led;
    // A trump lead with only Jacks for trumps: he must follow with a Jack, which these rules,
    // written for the suit's own cards, never choose; the trump rules decide.
    if (o.led == o.type && o.T > 0 && L == NO_CARD) return NO_CARD;
    if (IsCard(L)) {
        if (sFollowed && Beats(o.P, o.S)) return (HS == NO_CARD || A == NO_CARD) ? H : H2;
        if (Beats(H, o.S) && (o.so.CountInSuit(o.led) == 0 || !IsTop(own, H))) return H;
        return A == NO_CARD ? L : H2;
    }
    if (!sFollowed || Beats(o.P, o.S)) {
        RunningBest first;
        for (int s = 0; s < 4; ++s) {
            const int m = own.CountInSuit(s);
            if (s == o.type || m == 0 || o.so.CountInSuit(s) != 0) continue;
            const int h = HighestHeld(own, s);
            first.Offer(h, Points(h) + (m == 1 ? 3 : m));
        }
        if (Points(first.card) > 4) return first.card;
        RunningBest second;
        for (int s = 0; s < 4; ++s) {
            const int m = own.CountInSuit(s);
            if (s == o.type || m == 0) continue;
            const int n = o.so.CountInSuit(s);
            const int h = Order(HighestHeld(own, s));
            const int sh = Order(HighestHeld(o.so, s));
            const int sl = Order(LowestHeld(o.so, s));
            if (m >= 2 && n >= 2 && m >= n && h > sl) continue;
            if (n > 0 && ((m == 1 && n >= 2) || h >= sh)) continue;
            const int D = HighestHeld(own, s);
            int value = 13 - Points(D);
            if (h < sh && m >= 3 && n == 3 && h >= 4)
                value = 1;
            else if (h < sh && m == 2 && own.HasCard(CardCodeOf(TEN, s)))
                value = 0;
            else if (n > 1 && m > 1 && own.count < 5)
                value = 1;
            second.Offer(D, value);
        }
        const int B = Points(second.card) > Points(first.card) ? second.card : first.card;
        if (Points(B) > 4 && Beats(HighestHeld(o.so, SuitOf(B)), B)) return B;
        RunningBest third;
        for (int s = 0; s < 4; ++s) {
            const int sh = HighestHeld(o.so, s);
            if (!IsCard(sh)) continue;
            const int a = HeldAbove(own, sh);
            if (!IsCard(a)) continue;
            const int h = HighestHeld(own, s);
            if (h != a) third.Offer(h, Order(h));
        }
        return Points(third.card) > Points(B) ? third.card : B;
    }
    const int W = PickCardBelowWinner(own, true);
    if (W == PickHighestInSuit(own, -1, true) && Order(PickHighestInSuit(o.so, -1, true)) >= Order(W)) return NO_CARD;
    return W;
}

}  // namespace

int CSuitDefenderPlay::SuitOpponentThirdFirstChoice(bool soloistLed, int firstCard, int secondCard) {
    // Step 0: only against an open hand.
    if (!me.partner || !AreOuvertCardsOpen()) return NO_CARD;
    const int S = soloistLed ? firstCard : secondCard;
    const int P = soloistLed ? secondCard : firstCard;
    OpenThird o{me, *me.partner,       firstCard,       secondCard,         S,
                P,  SuitOf(firstCard), g_Game.GameType, me.GetTrumpCount(), Points(firstCard) + Points(secondCard)};
    // Step 1: the forced card, played only on the soloist's throw-off.
    if (me.forcedCard != 0) {
        const int forced = std::abs(me.forcedCard);
        me.forcedCard = 0;
        const bool threwOff = !IsTrump(S) && SuitOf(S) != o.led;
        const bool cannotFollow = (o.led == o.type || me.CountInSuit(o.led) == 0) && o.T == 0;
        if (threwOff && cannotFollow && me.HasCard(forced)) return forced;
    }
    if (soloistLed) {
        // Step 2: the soloist led: by the suit led and who holds the trick.
        const bool partnerHolds = (SameSuit(P, S) && Beats(P, S)) || (IsTrump(P) && !IsTrump(S));
        if (o.led == o.type) {
            if (partnerHolds) return PartnerHoldsTrumpLead(o);
            return o.T > 0 ? SoloistHoldsTrumpLead(o) : DiscardUnderTrump(o);
        }
        return partnerHolds ? PartnerHoldsSideLead(o) : SoloistHoldsSideLead(o);
    }
    // Step 3: the partner led: by whether the soloist trumped.
    return IsTrump(S) ? SoloistTrumpAfterPartner(o) : SoloistNoTrumpAfterPartner(o);
}
