// The suit-game defender in third hand without a card of the led side suit: overtrump the soloist
// when it pays or wins the game, throw off when his trick is cheap; into the partner's trick give
// points that carry the defenders past 30 or 60, ruff it only to pass 59, or keep a card of a
// suit the soloist lacks for the next lead.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderFrame.h"
#include "computer/play/SuitDefenderPlay.h"
#include "computer/play/SuitDefenderThird.h"

#include <optional>

using namespace suit;

namespace {

// V1.1: no trump under the soloist's trick.
int ThrowOffNoTrump(ThirdWords& w) {
    CPlayer& p = w.p;
    const int K = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (!IsCard(K)) return ScoreFallback(p);
    return Points(K) < 10 ? PickLowCardAnySuit(p, SuitOf(K)) : K;
}

// V1.2: the soloist trumped; overtrump or throw off.
int OverTrumpSoloist(ThirdWords& w) {
    CPlayer& p = w.p;
    const int H = PickHighestInSuit(p, -1, true);
    const int W = PickCardBelowWinner(p, false);
    const int O = PickCardAboveInTrumps(p, w.S, true);
    if (O == NO_CARD) {
        if (w.T == 1 && Points(W) == 0) {
            const int K = CCardChoosers(p).ChooseCardByScore(4, -1, false);
            return (K == NO_CARD || g_Game.TrumpCount > 3) ? W : K;
        }
        return ScoreFallback(p);
    }
    if (Points(O) + w.D + w.tp >= 60) return O;
    if (!IsTop(p, H)) {
        if (w.T == 1 && !IsTop(p, O)) return O;
        const int D = Order(O) < Order(W) ? W : O;
        if (w.tp < 5 && Points(D) < 5 && (w.D > 59 || w.D + w.tp < 60)) {
            const int K = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(K)) return MayHoldSuit(p, w.soloistSeat, SuitOf(K)) ? K : D;
            const int G = CCardChoosers(p).ChooseCardGeneral(false, false);
            if (IsCard(G) && IsCard(LowestHeld(p, SuitOf(G)))) return LowestHeld(p, SuitOf(G));
            if (w.T < w.out && w.T < 4 && IsCard(G)) return G;
            return CCardChoosers(p).ChooseCardByScore(4, O, false);
        }
        return D;
    }
    if (w.tp < 3) {
        const int K = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (IsCard(K)) return K;
        const int G = CCardChoosers(p).ChooseCardGeneral(false, false);
        if (IsCard(G) && p.CountInSuit(SuitOf(G)) > 2) return LowestHeld(p, SuitOf(G));
        int M = CCardChoosers(p).ChooseCardByScore(4, O, false);
        if (IsCard(G) && IsCard(M) && Points(G) < Points(M)) M = G;
        return IsCard(M) ? M : ScoreFallback(p);
    }
    if (H != W) return (Points(W) > Points(O) && Order(W) > Order(O)) ? W : O;
    return O;
}

// V1.3: the soloist followed and holds the trick; the defender holds trumps.
int RuffSoloistTrick(ThirdWords& w) {
    CPlayer& p = w.p;
    const int W = PickCardBelowWinner(p, false);
    const int H = PickHighestInSuit(p, -1, true);
    const int lowest = PickLowestInSuit(p, -1, true);
    const int base = w.D + (g_Game.SchneiderAnnounced ? 30 : 0);
    if (w.T > w.out) {
        int D = (W == H && IsTop(p, H)) ? lowest : W;
        for (int s = 0; s < 4; ++s) {
            if (s == w.type || p.CountInSuit(s) == 0 || !MayHoldSuit(p, w.soloistSeat, s)) continue;
            if (!IsTop(p, PickLowCardOfSuit(p, s))) D = NO_CARD;
        }
        if (w.T == 1 && p.count == 2 && IsTop(p, D) && Points(D) + w.D < 31)
            D = CCardChoosers(p).ChooseCardByScore(11, -1, true);
        if (IsCard(D)) return D;
    }
    if (w.T <= w.out && Points(W) > 3 && !IsTopCard(p, W, H, -1)) return W;
    if (w.tp < 5) {
        if (p.count == 2) {
            if (Points(W) + w.tp + base >= 61) return W;
            int c = CCardChoosers(p).ChooseCardByScore(10, -1, true);
            if (!IsTop(p, H)) c = H;
            if (IsCard(c)) return c;
        } else if (IsTop(p, W)) {
            const int Z = NextLowerInSuit(p, W, false);
            int c = (IsCard(Z) && IsTopCard(p, Z, W, -1)) ? lowest : CCardChoosers(p).ChooseCardByScore(4, -1, false);
            if (Points(c) > 4) c = W;
            if (IsCard(c)) return c;
        }
    } else {
        int D = W;
        if (Order(W) > 4 && (W == H || g_Game.TrumpCount < 5 || w.T != 3 || Points(W) < 10 || IsTopCard(p, W, H, -1))) {
            int O[11], M[11];
            const int k0 = CollectSuit(p, w.type, false, O);
            const int h = CollectSuit(p, w.type, true, M);
            const int k = k0 < h ? k0 : h;
            int i = k;
            for (int j = 0; j < k; ++j)
                if (M[j] == W) i = j;
            // A place beyond the trumps still out is no card: W stays.
            if (i < k0 && Order(O[i]) < Order(W)) D = GetNextHigherHeld(p, lowest);
        }
        if (IsCard(D)) return D;
    }
    const int c = CCardChoosers(p).ChooseTrumpGameCard(true);
    return IsCard(c) ? c : W;
}

// V2 step 1: past 59 with a low side card, else with the trump below the winner.
int PastFiftyNine(ThirdWords& w, int total) {
    CPlayer& p = w.p;
    int result = NO_CARD;
    if (total < 50 || total > 59) return result;
    for (int s = 0; s < 4 && result == NO_CARD; ++s) {
        if (s == w.type || p.CountInSuit(s) == 0) continue;
        const int c = PickLowCardOfSuit(p, s);
        if (total + Points(c) > 59) result = c;
    }
    if (result == NO_CARD) {
        const int H = PickHighestInSuit(p, -1, true);
        const int W = PickCardBelowWinner(p, true);
        if (!((W == H && IsTop(p, H)) || Points(W) + total < 60 || W == NO_CARD)) result = W;
    }
    return result;
}

// V2 step 2: the card by its run; a top card of a suit the soloist may hold gives way to a card
// by score, or a ruff that keeps a card of a suit he lacks for the next lead.
int RunCardOrALeadKept(ThirdWords& w) {
    CPlayer& p = w.p;
    const int R = CCardChoosers(p).ChooseCardByRunScore(true);
    if (!(IsCard(R) && MayHoldSuit(p, w.soloistSeat, SuitOf(R)) && IsTop(p, R))) return R;
    const int K3 = CCardChoosers(p).ChooseCardByScore3(0, true);
    if (IsCard(K3) && MayHoldSuit(p, w.soloistSeat, SuitOf(K3))) return K3;
    const int K = CCardChoosers(p).ChooseTrumpGameCard(false);
    const int U = PickLowCardOfSuit(p, w.type);
    if (K == NO_CARD) {
        const int h = PickHighestInSuit(p, SuitOf(CCardChoosers(p).ChooseCardByScore3(0, false)), false);
        return IsCard(h) ? h : R;
    }
    if (!MayHoldSuit(p, w.soloistSeat, SuitOf(K)) && IsCard(U)) {
        // Ruff the partner's trick and keep K, of a suit the soloist lacks, for the lead.
        p.forcedCard = K;
        p.ForcedCardCount = p.count;
        return U;
    }
    return K;
}

// V2 step 3: past 30 with the low card of a side suit, the one that costs least.
int PastThirty(ThirdWords& w, int total) {
    CPlayer& p = w.p;
    RunningBest best;
    if (total < 20 || total > 30) return best.card;
    for (int s = 0; s < 4; ++s) {
        const int n = p.CountInSuit(s);
        if (s == w.type || n == 0) continue;
        const int L = PickLowCardOfSuit(p, s);
        const int pts = Points(L);
        if (total + pts <= 30) continue;
        int value = pts + 11;
        if (n == 1) value = IsTop(p, L) ? pts : (pts == 10 ? 12 : pts) + 11;
        else if (n == 2) value = IsTop(p, L) ? pts : pts + 11;
        else if (n == 3 && (GetCardRank(L) == TEN || GetCardRank(L) == KING)) value = pts;
        best.Offer(L, value);
    }
    return best.card;
}

// V2 step 4: the lowest trump beside a sure top trump, or the trump below the winner when it
// passes 59 or is a high single trump.
std::optional<int> TrumpIntoPartnersTrick(ThirdWords& w, int total) {
    CPlayer& p = w.p;
    const int H = PickHighestInSuit(p, -1, true);
    const int W = PickCardBelowWinner(p, false);
    const int lowest = PickLowestInSuit(p, -1, true);
    if (w.T > w.out && IsTop(p, H) && IsCard(CCardChoosers(p).ChooseOpponentCardSuit(w.soloistLed, false)) &&
        IsCard(lowest))
        return lowest;
    const bool highSingle = w.T == 1 && (H == TrumpSuitCard(ACE) || H == TrumpSuitCard(TEN));
    if (((!IsTop(p, H) && highSingle) || Points(W) + total > 59) && IsCard(W)) return W;
    return std::nullopt;
}

// V2 steps 5 and 6: the highest card of the soloist's suit when it is worth points, else the
// card above a trump game card of a suit he may hold, or the card by score (the next lower one
// of a guarded suit).
int SideCardIntoPartnersTrick(ThirdWords& w) {
    CPlayer& p = w.p;
    int D = NO_CARD;
    if (!(SuitOf(w.second) == w.led || w.soloistLed)) {
        D = HighestHeld(p, SuitOf(w.second));
        if (IsCard(D) && Points(D) >= 5) return D;
    }
    const int K = w.T > 0 ? CCardChoosers(p).ChooseTrumpGameCard(false) : NO_CARD;
    if (IsCard(K) && MayHoldSuit(p, w.soloistSeat, SuitOf(K)) && IsCard(GetNextHigherHeld(p, K)))
        return GetNextHigherHeld(p, K);
    D = CCardChoosers(p).ChooseCardByScore3(w.tp, true);
    const int s = SuitOf(D);
    if (IsTop(p, D) && p.CountInSuit(s) < 4) {
        const int Z = NextLowerInSuit(p, D, false);
        if (IsCard(Z) && IsSuitGuarded(p, s, 1, false) && MayHoldSuit(p, w.soloistSeat, s) && !IsTopCard(p, Z, D, -1))
            D = Z;
    }
    return D;
}

// V2: the partner holds the trick.
int IntoPartnersTrick(ThirdWords& w) {
    CPlayer& p = w.p;
    const int schneider = g_Game.SchneiderAnnounced ? 30 : 0;
    const int total = w.D + w.tp + schneider;
    int result = PastFiftyNine(w, total);
    if (result == NO_CARD) result = RunCardOrALeadKept(w);
    const int thirty = PastThirty(w, total);
    if (IsCard(thirty)) result = thirty;
    // 4. A card found above wins; else a trump into the partner's trick, else a side card.
    if (IsCard(result)) return result;
    if (const std::optional<int> trump = TrumpIntoPartnersTrick(w, total)) return *trump;
    int D = SideCardIntoPartnersTrick(w);
    // 7. A trump game card of the same points instead of a side card under a Ten.
    const int K2 = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (!(Points(D) >= 10 || K2 == NO_CARD) && Points(K2) == Points(D)) D = K2;
    return MayPlay(p, D) ? D : CSuitDefenderPlay(p).SuitCascadeFallback(FALLBACK_THIRD_VOID, false);
}

}  // namespace

int CSuitDefenderPlay::SuitOpponentThirdVoid(bool soloistLed, int firstCard, int secondCard) {
    ThirdWords w = ThirdWordsFor(me, soloistLed, firstCard, secondCard);
    // The soloist threw off: the partner holds the trick.
    const bool partnerHolds = PartnerHoldsTrick(w) || (!IsTrump(w.S) && SuitOf(w.S) != w.led);
    if (partnerHolds) return IntoPartnersTrick(w);
    if (w.T == 0) return ThrowOffNoTrump(w);
    if (IsTrump(w.S)) return OverTrumpSoloist(w);
    return RuffSoloistTrick(w);
}
