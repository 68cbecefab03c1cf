// The suit-game defender in third hand, when a trump was led or he follows a side suit: smear
// into the partner's trick to pass 30 or 60, take the soloist's trick when it is worth it, or
// keep the high trumps and cards back and play low.
#include "computer/play/SuitDefenderThird.h"

#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderFrame.h"
#include "computer/play/SuitDefenderPlay.h"
#include "computer/play/TrickCardChoice.h"

using namespace suit;

namespace {

// T1: no trump, the partner holds the trump trick: smear.
int SmearIntoTrumpTrick(ThirdWords& w) {
    CPlayer& p = w.p;
    RunningBest best;
    const int total = w.D + w.tp;
    for (int s = 0; s < 4; ++s) {
        const int n = p.CountInSuit(s);
        if (s == w.type || n == 0) continue;
        const int X = PickLowCardOfSuit(p, s);
        const int pts = Points(X);
        auto threshold = [&]() {
            if (total < 31 && total + pts > 30) best.Offer(X, 1);
            if (total < 60 && total + pts > 59) best.Offer(X, 2);
        };
        if (pts < 10) {
            threshold();
        } else if ((n == 1 && p.handInfo.DealtSuitCount[s] > 2) || !MayHoldSuit(p, w.soloistSeat, s) ||
                   (w.D < 31 && w.D + w.tp + pts > 30)) {
            best.Offer(X, pts);
        } else if (n == 1 && pts == 10 && !IsTop(p, X)) {
            best.Offer(X, 12);
        } else {
            threshold();
        }
    }
    if (IsCard(best.card)) return best.card;
    if (p.oneTrumpFlag) {
        RunningBest rich;
        for (int s = 0; s < 4; ++s) {
            const int n = p.CountInSuit(s);
            if (s == w.type || n == 0) continue;
            const int X = PickLowCardOfSuit(p, s);
            if (Points(X) > 2) rich.Offer(X, Points(X) + (Points(X) > 9 ? n : 0));
        }
        if (IsCard(rich.card)) return rich.card;
    }
    const int c = CCardChoosers(p).ChooseCardByScore3(w.tp, true);
    return MayPlay(p, c) ? c : CSuitDefenderPlay(p).SuitCascadeFallback(FALLBACK_THIRD_SMEAR, false);
}

// T2: no trump, the soloist holds the trump trick: throw off.
int ThrowOffUnderTrump(ThirdWords& w) {
    CPlayer& p = w.p;
    int K = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (IsCard(K) && Points(K) < 5) return K;
    K = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (p.CountInSuit(s) == 0 || !MayHoldSuit(p, w.soloistSeat, s)) continue;
        const int L = LowestHeld(p, s);
        if (IsCard(L) && !IsTop(p, L) && (K == NO_CARD || Order(L) < Order(K))) K = L;
    }
    return IsCard(K) ? K : CCardChoosers(p).ChooseCardByScore(11, -1, false);
}

// T3: trumps held, the partner holds the trump trick.
int TrumpUnderPartner(ThirdWords& w) {
    CPlayer& p = w.p;
    int D = GetNextHigherHeld(p, CCardChoosers(p).ChooseSpareTrump(0));
    if (Order(D) > 4) {
        int M[11], O[11];
        const int h = CollectSuit(p, w.type, true, M);
        const int k = CollectSuit(p, w.type, false, O);
        // The last trump still out against the own trump at the same place; none out counts low.
        if (k < h && (k == 0 || Order(O[k - 1]) < Order(M[k - 1]))) D = PickLowestInSuit(p, -1, true);
    }
    int result = D;
    if (w.soloistLed && Beats(w.P, D)) {
        const int A = PickCardAboveInTrumps(p, w.P, true);
        if (A == NO_CARD || (!IsTopCard(p, D, A, -1) && (IsTop(p, A) || IsJack(A)) &&
                             (g_Game.KontraState == KONTRA_NONE || IsTop(p, A)))) {
            const int R = CTrickCardChoice(p).ChooseTrickCard(w.type, D, false);
            result = IsCard(R) ? R : D;
        } else {
            result = (IsJack(A) || Points(A) < Points(D)) ? D : A;
        }
    }
    return MayPlay(p, result) ? result : CSuitDefenderPlay(p).SuitCascadeFallback(FALLBACK_THIRD_TRUMP, true);
}

// T4 rule 3: taking with the highest trump.
int TakeWithHighest(ThirdWords& w, int H, int L, int B, int W, int R, int A) {
    CPlayer& p = w.p;
    if (IsTop(p, H) && (p.count < 10 || Points(W) > 9 || H != A)) {
        if (IsTopCard(p, B, H, -1)) return Beats(W, w.S) ? W : A;
        if (w.tp < 5) {
            if (R == H && Beats(W, w.S)) return W;
            if (Beats(B, w.S)) return B;
            return Points(R) > 4 ? H : R;
        }
        if (w.T > 2 && w.T < w.out && Order(B) < Order(w.first) && IsJack(w.first) && Points(R) < 5 && w.tp < 10) return R;
        const int A2 = PickCardAboveInTrumps(p, w.S, true);
        if (A2 == NO_CARD) return H;
        const int D = GetNextHigherHeld(p, A2);
        const int highestOut = HighestCardOutInSuit(p, w.type);
        if (p.count == 2 && w.T >= 2 && Points(w.second) + Points(D) + w.D <= 59 && Points(D) + Points(highestOut) + w.D >= 60)
            return L;
        return D;
    }
    if (!IsJack(A)) return H;
    if (Order(H) - Order(A) < 2) return CoinHeads() ? H : A;
    return A;
}

// T4: trumps held, the soloist holds the trump trick.
int TrumpOverSoloist(ThirdWords& w) {
    CPlayer& p = w.p;
    const int H = PickHighestInSuit(p, -1, true);
    const int L = PickLowestInSuit(p, -1, true);
    const int B = PickTrumpBelow(p, H);
    const int W = PickCardBelowWinner(p, false);
    const int R = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
    const int A = PickCardAboveInTrumps(p, w.S, true);
    const int J = p.handInfo.JackCount;
    if (Beats(H, w.S)) {
        if (A == H) return TakeWithHighest(w, H, L, B, W, R, A);
        if (w.T < 3 && !IsTop(p, H) && Points(A) <= Points(H) && (J < 2 || Points(w.second) < 4 || Points(R) < 4))
            return TakeWithHighest(w, H, L, B, W, R, A);
        if (Beats(W, w.S)) return (IsTop(p, H) && A != W) ? A : W;
        if (!IsJack(H) && Points(H) > 4) return H;
        if (J == 2 && IsJack(w.S) && IsTop(p, H)) return Points(L) > 9 ? A : L;
        return A;
    }
    // 4. He cannot take the trick.
    if (W == H || (!IsTop(p, H) && !IsTopCard(p, W, H, -1) && W != L)) {
        if (w.T == 2 && IsTop(p, H) && R == H) {
            if (Points(R) < Points(L)) {
                // Count R as played for the test and put the table back.
                SetCardLocation(R, 0);
                const bool lTop = IsTop(p, L);
                ClearCardLocation(R);
                return lTop ? R : L;
            }
            return L;
        }
        if (IsTop(p, H) && IsTopCard(p, B, H, -1) && Points(H) <= Points(R)) return IsJack(H) ? R : H;
        const bool tenAfterAce = IsCard(L) && L == TrumpSuitCard(TEN) && IsCardGone(w.type, ACE, p.seat);
        if ((IsTrumpAce(L) || tenAfterAce) && (J == 2 || p.HasCard(CardCodeOf(JACK, DIAMONDS))))
            return PickRandomJack(p, 0);
        return L;
    }
    if (Points(B) > 9 && (J > 1 || IsTopCard(p, W, H, -1))) return PickRandomJack(p, 0);
    return L;
}

// F2, a side suit followed: the soloist led and holds the trick.
int SoloistHoldsFollow(ThirdWords& w, int X, int A, int n, int rest) {
    CPlayer& p = w.p;
    const int led = w.led;
    const int Y = NextLowerInSuit(p, X, true);
    if (!Beats(X, w.S)) {
        const int c = PickLowCardAnySuit(p, led);
        return IsCard(c) ? c : LowestHeld(p, led);
    }
    if (!IsTop(p, X) || rest < 1) return X;
    if ((IsCard(A) && !MayHoldSuit(p, w.partnerSeat, led)) || (GetCardRank(X) == ACE && !IsCardGone(led, TEN, p.seat)))
        return Order(Y) < 5 ? GetNextHigherHeld(p, A) : X;
    if (Points(X) > 4 || IsTopCard(p, A, X, -1)) return X;
    if (w.tp < 5 && SuitOf(w.second) != led && IsCard(Y)) return Y;
    if (IsCard(A)) {
        const int c = A == X ? A : Y;
        if (IsCard(c)) return c;
    }
    if (Points(w.second) < 10) {
        const int c = CCardChoosers(p).ChooseOpponentFollowCard(w.S);
        if (IsCard(c)) return c;
    } else if (CCardChoosers(p).GetHeldRankNeighbour(NO_CARD, NO_CARD) == NO_CARD) {
        const int Z = HeldBelow(p, X);
        return Beats(Z, w.S) ? Z : X;
    }
    (void)n;
    return LowestHeld(p, led);
}

// F3, a side suit followed: the soloist led and the partner holds the trick.
int PartnerHoldsFollow(ThirdWords& w, int n, int rest, int base) {
    CPlayer& p = w.p;
    const int led = w.led;
    int X = PickLowCardOfSuit(p, led);
    if (n >= 2 && p.HasCard(CardCodeOf(ACE, led)) && !p.HasCard(CardCodeOf(TEN, led)) && !IsCardGone(led, TEN, p.seat))
        X = HeldBelow(p, CardCodeOf(ACE, led));
    if (IsTrump(w.P) || !MayHoldSuit(p, w.soloistSeat, led)) return X;
    const int Y = HeldBelow(p, X);
    const int W = SameSuit(w.first, w.second) ? (Beats(w.second, w.first) ? w.second : w.first) : w.first;
    const int total = base + w.tp;
    if (IsCard(Y) && IsTopCard(p, X, W, -1)) {
        if (!MayHoldSuit(p, w.partnerSeat, led) || (w.tp < 10 && IsTop(p, X) && !IsTopCard(p, Y, X, -1) && rest > 0 &&
                                                    (total > 30 || total + Points(X) <= 30)))
            X = GetNextHigherHeld(p, Y);
    }
    return Points(X) >= 3 ? X : PickLowCardAnySuit(p, SuitOf(X));
}

// F4, a side suit followed: the partner led and holds the trick over the soloist's card.
int PartnerLedAndHolds(ThirdWords& w, int X, int base) {
    CPlayer& p = w.p;
    const int R = CCardChoosers(p).ChooseOpponentFollowCard(w.S);
    if ((w.tp + base < 31 && Points(X) + base > 30) || Points(X) + base > 59) return X;
    if (IsCard(R) && !CoinHeads()) return R;
    const int Z = HeldBelow(p, X);
    if (IsTop(p, X) && Points(X) < 10 && IsSuitGuarded(p, SuitOf(X), 1, false) &&
        CCardChoosers(p).GetHeldRankNeighbour(X, -1) == NO_CARD && IsCard(Z))
        return Z;
    return X;
}

// F5, a side suit followed: the partner led and the soloist holds the trick.
int SoloistHoldsPartnerLead(ThirdWords& w, int X, int A, int n, int rest, int base) {
    CPlayer& p = w.p;
    const int led = w.led;
    if (rest > 0 && Beats(X, w.S) && IsTop(p, X)) {
        const int Z = HeldBelow(p, X);
        if (w.tp < 5 && Points(X) + base < 60) {
            if (Order(X) - Order(Z) <= 1) return X;
            if (IsCard(A)) return A;
            const int R = CCardChoosers(p).ChooseOpponentFollowCard(w.S);
            return IsCard(R) ? R : PickLowCardAnySuit(p, led);
        }
        if (n == 2) {
            if (p.count == 2 && rest == 2 && !p.HasCard(CardCodeOf(TEN, led)) && !IsCardGone(led, TEN, p.seat) && IsCard(Z))
                return Z;
            return Beats(Z, w.S) ? GetNextHigherHeld(p, Z) : X;
        }
        return X;
    }
    if (rest > 0 && Beats(X, w.S) && !IsTop(p, X)) return X;
    return Beats(X, w.S) ? X : PickLowCardAnySuit(p, led);
}

}  // namespace

ThirdWords ThirdWordsFor(CPlayer& p, bool soloistLed, int firstCard, int secondCard) {
    const int T = p.GetTrumpCount();
    ThirdWords w{p, soloistLed, firstCard, secondCard, soloistLed ? firstCard : secondCard,
                 soloistLed ? secondCard : firstCard, SuitOf(firstCard), g_Game.GameType,
                 soloistLed ? (p.seat + 2) % 3 : (p.seat + 1) % 3, soloistLed ? (p.seat + 1) % 3 : (p.seat + 2) % 3, T,
                 g_Game.TrumpCount - T, Points(firstCard) + Points(secondCard), g_Game.PartyPoints[1]};
    return w;
}

bool PartnerHoldsTrick(const ThirdWords& w) {
    if (SameSuit(w.P, w.S)) return Beats(w.P, w.S);
    return IsTrump(w.P) && !IsTrump(w.S);
}

int CSuitDefenderPlay::PlaySuitOpponentThird(bool soloistLed, int firstCard, int secondCard) {
    return PlaySuitDefender(2, soloistLed, firstCard, secondCard);
}

int CSuitDefenderPlay::SuitOpponentThirdTrumpLed(bool soloistLed, int firstCard, int secondCard) {
    ThirdWords w = ThirdWordsFor(me, soloistLed, firstCard, secondCard);
    const bool partnerHolds = PartnerHoldsTrick(w);
    if (w.T == 0) return partnerHolds ? SmearIntoTrumpTrick(w) : ThrowOffUnderTrump(w);
    return partnerHolds ? TrumpUnderPartner(w) : TrumpOverSoloist(w);
}

int CSuitDefenderPlay::SuitOpponentThirdFollow(bool soloistLed, int firstCard, int secondCard) {
    ThirdWords w = ThirdWordsFor(me, soloistLed, firstCard, secondCard);
    const int led = w.led;
    const int n = me.CountInSuit(led);
    const int rest = CountOutstanding(me, led) - n;
    const int base = w.D + (g_Game.SchneiderAnnounced ? 30 : 0);
    const int X = PickLowCardOfSuit(me, led);
    const int A = NextHigherInSuit(me, w.S);
    if (soloistLed) {
        if (SuitOf(w.P) != led) {
            // F1: the partner did not follow; he is void in the suit (in suggestions too).
            if (led >= 0 && led <= 3 && w.partnerSeat >= 0 && w.partnerSeat <= 2)
                g_Knowledge.VoidTable[w.partnerSeat][led] = 0;
            return IsTrump(w.P) ? PartnerHoldsFollow(w, n, rest, base) : SoloistHoldsFollow(w, X, A, n, rest);
        }
        return Beats(w.P, w.S) ? PartnerHoldsFollow(w, n, rest, base) : SoloistHoldsFollow(w, X, A, n, rest);
    }
    if (SuitOf(w.S) == led) return Beats(w.P, w.S) ? PartnerLedAndHolds(w, X, base) : SoloistHoldsPartnerLead(w, X, A, n, rest, base);
    // F6: the soloist did not follow.
    return IsTrump(w.S) ? PickLowCardAnySuit(me, led) : PickLowCardOfSuit(me, led);
}
