// The suit-game defender in second hand. Over a trump lead: the partner's trump is supported, the
// soloist's is taken or ducked by the trumps held and still out, and without trumps the defender
// smears for a partner who may overtrump or throws off. Over a side suit: following, he takes
// with the top card or keeps it back; void, he ruffs (rule T) or throws off (rule N).
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"

#include "computer/play/SuitDefenderFrame.h"
#include "computer/play/SuitPlayTerms.h"

#include <optional>

using namespace suit;

namespace {

struct SecondWords {
    CPlayer& p;
    bool soloistNext;  // the partner led
    int led;           // the card led
    int suit;          // its effective suit
    int type;
    int mate;
    int T;      // own trumps
    int Jo;     // own Jacks
    int out;    // trumps out
    int D;      // the defenders' points
};

// The common fallback: the score choice, then the defender's own choice, then the lowest card
// he may play (counted).
int CommonFallback(SecondWords& w) {
    ++g_SuitFallbacks.reached[FALLBACK_SECOND_COMMON];
    int c = CCardChoosers(w.p).ChooseCardByScore(11, -1, false);
    if (MayPlay(w.p, c)) return c;
    c = CCardChoosers(w.p).ChooseOpponentCardSuit(w.soloistNext, true);
    if (MayPlay(w.p, c)) return c;
    ++g_SuitFallbacks.replaced[FALLBACK_SECOND_COMMON];
    return LowestAllowedCard(w.p, false);
}

int OrCardSuit(SecondWords& w, int c) {
    return IsCard(c) ? c : CCardChoosers(w.p).ChooseOpponentCardSuit(w.soloistNext, true);
}

// T0 step 4: the discard under a trump lead; a suit with the mark 2 is drawn again up to ten times.
int TrumpLedDiscard(SecondWords& w) {
    CPlayer& p = w.p;
    int z = CCardChoosers(p).ChooseCardByScore(4, -1, false);
    if (p.count == 3 && IsCard(z)) {
        const int s = SuitOf(z);
        const int top = HighestHeld(p, s);
        if (GetCardRank(top) == TEN && !IsTop(p, top) && p.CountInSuit(s) == 2) {
            const int c = CCardChoosers(p).ChooseCardByScore2(s);
            if (IsCard(c)) z = c;
        }
    }
    if (z == NO_CARD) {
        z = CCardChoosers(p).ChooseCardByScore(11, -1, false);
        for (int redraw = 0; redraw < 10 && IsCard(z) && SuitOf(z) >= 0 && SuitOf(z) <= 3 && p.playedSuit[SuitOf(z)] == 2;
             ++redraw)
            z = CCardChoosers(p).ChooseCardByScore(11, -1, false);
    }
    return z;
}

// T0: a trump led and the defender holds none.
int NoTrumpUnderTrump(SecondWords& w) {
    CPlayer& p = w.p;
    if (w.soloistNext)
        return IsTop(p, w.led) ? CCardChoosers(p).ChooseCardByScore3(Points(w.led), true)
                               : CCardChoosers(p).ChooseCardByScore(11, -1, false);
    const bool strong = w.led == CardCodeOf(JACK, SPADES) || GetCardRank(w.led) == ACE || GetCardRank(w.led) == TEN;
    if (strong || IsTop(p, w.led) || !MayHoldSuit(p, w.mate, w.type)) return TrumpLedDiscard(w);
    int out[11];
    const int n = CollectSuit(p, w.type, false, out);
    const int K = n > 0 ? out[0] : NO_CARD;
    const int X = CCardChoosers(p).ChooseCardByRunScore(true);
    if (w.D < 60 && w.D + Points(w.led) + Points(K) + Points(X) >= 60 && IsCard(X)) return X;
    const int Y = CCardChoosers(p).ChooseCardByScore3(Points(w.led), true);
    if (!IsCard(Y)) return Y;
    return p.CountInSuit(SuitOf(Y)) <= 3 ? Y : HighestHeld(p, SuitOf(Y));
}

// The trumps T1 weighs against the trump led: W the card below the winner and Wp the one to
// play for it, H and L the highest and the lowest trump, A the lowest above the card led, and
// the trumps below W, H and A.
struct TrumpLedCards {
    int W, H, L, WB, HB, A, AB, Wp;
};

TrumpLedCards CardsAgainstTheTrumpLed(SecondWords& w) {
    CPlayer& p = w.p;
    const int led = w.led;
    TrumpLedCards t{};
    t.W = PickCardBelowWinner(p, false);
    t.H = PickHighestInSuit(p, -1, true);
    t.L = PickLowestInSuit(p, -1, true);
    t.WB = PickTrumpBelow(p, t.W);
    t.HB = PickTrumpBelow(p, t.H);
    t.A = PickCardAboveInTrumps(p, led, true);
    t.AB = PickTrumpBelow(p, t.A);
    t.Wp = t.W;
    if (t.W == t.H && IsCard(t.WB) && Order(t.W) - Order(t.WB) > 1 && IsTop(p, t.H) && Points(led) <= 4) t.Wp = t.WB;
    return t;
}

// T1 step 1: over the trump led with the highest trump; a Jack led may turn A to the lowest
// trump and Wp to the highest trump out.
int OverTheTrumpLed(SecondWords& w, TrumpLedCards& t) {
    CPlayer& p = w.p;
    const int led = w.led;
    int R = NO_CARD;
    if (!Beats(t.H, led)) return R;
    if (IsJack(led)) {
        if (w.T == 2 && g_Game.TrumpCount == 3 && IsTop(p, t.H)) {
            int out[11];
            const int n = CollectSuit(p, w.type, false, out);
            t.Wp = n > 0 ? out[0] : NO_CARD;  // compared only, never played
            if (Points(t.Wp) > 2) t.A = t.L;
        }
        if (Points(t.L) < 10 && !MayHoldSuit(p, w.mate, w.type)) R = t.L;
        else if (w.T > 3 && !IsJack(t.L) && Points(t.L) < 4 && p.count < 9) R = t.L;
        else R = t.A;
    } else if (IsJack(t.HB) || IsTrumpAce(t.HB)) {
        R = t.A;
    } else if (!(IsTrumpAce(t.Wp) && w.T < 4)) {
        const int X = CCardChoosers(p).ChooseOpponentCardSuit(false, true);
        if (IsCard(X) && w.T <= 4)
            R = GetNextHigherHeld(p, (Order(led) >= 4 || w.T > 2) ? t.A : (IsJack(t.Wp) ? t.A : t.Wp));
        else if (w.Jo > 1 || !IsTrumpAce(t.Wp)) R = GetNextHigherHeld(p, t.A);
        else R = GetNextHigherHeld(p, CoinHeads() ? t.L : t.A);
    }
    return R;
}

// T1 step 2: Wp beats the trump led: take with A or Wp, or duck with the lowest trump; no card
// goes on to step 3.
int TakeWithTheWinner(SecondWords& w, const TrumpLedCards& t) {
    CPlayer& p = w.p;
    const int led = w.led;
    if (w.T >= w.out && IsTop(p, t.H)) return t.A;
    if (!IsTop(p, t.Wp)) return Points(t.A) == Points(t.Wp) ? t.A : t.Wp;
    if (t.A != t.Wp) return t.A;
    if (p.count >= 9 || Points(led) <= 4) {
        if (p.GetTrumpCount() <= 3 && !IsTopCard(p, led, t.Wp, -1) && IsCard(t.WB) && Beats(led, t.WB)) return t.Wp;
        if (Points(t.L) <= 4) return t.L;
    }
    return NO_CARD;
}

// T1 step 3: the trump just above the card led, Wp or the lowest trump; a Jack of Diamonds or a
// Jack on a trick without points gives way to the lowest trump.
int JustAboveTheTrumpLed(SecondWords& w, const TrumpLedCards& t) {
    CPlayer& p = w.p;
    const int led = w.led;
    int R;
    const int P = PickCardAboveInTrumps(p, led, true);
    if (Beats(t.Wp, P) && !IsTop(p, t.Wp)) R = t.Wp;
    else if (p.GetTrumpCount() == 2 && !IsTopCard(p, led, t.Wp, -1) && !IsTrumpAce(t.Wp)) R = Points(t.L) > 4 ? t.L : P;
    else R = P;
    if (IsCard(t.L)) {
        const int clubsJack = CardCodeOf(JACK, CLUBS);
        if ((R == CardCodeOf(JACK, DIAMONDS) && !p.HasCard(clubsJack) && !IsCardGone(CLUBS, JACK, p.seat) &&
             Points(led) <= 4) ||
            (Points(led) == 0 && IsJack(R)))
            R = t.L;
    }
    return R;
}

// T1 step 4: Wp does not beat the trump led: Wp or A under a weak trump lead, or A when the
// partner is out of trumps; R stays the choice of step 1 otherwise.
int UnderTheTrumpLed(SecondWords& w, const TrumpLedCards& t, int R) {
    CPlayer& p = w.p;
    const int led = w.led;
    if ((w.T <= 2 && !IsTop(p, t.H) && !IsTop(p, led) && (IsJack(led) || Order(led) < 5)) ||
        (Points(led) == 0 && Points(t.Wp) == 0)) {
        if (w.T == 2 && Points(t.Wp) >= 10) R = t.Wp;
        else if (IsCard(t.A) && Points(led) > 0) R = t.A;
        else if (Order(t.L) < Order(led) && w.T == 2 && g_Game.TrumpCount == 3 && !IsTop(p, t.A) && IsCard(t.A))
            R = t.A;
        else R = t.Wp;
    } else if (Beats(t.A, led) && (IsJack(led) || Points(led) > 0) && !MayHoldSuit(p, w.mate, w.type) && w.T >= 3) {
        R = t.A;
    }
    return R;
}

// T1 steps 5 and 6: whether A over the trump led is worth it (a draw decides a close case); then
// the lowest trump or the high one below the top.
std::optional<int> HighTrumpOverTheLead(SecondWords& w, const TrumpLedCards& t) {
    CPlayer& p = w.p;
    const int led = w.led;
    // 5. Going over the lead when A beats it: surely when the trump below A stands or A is not the
    // highest; under a top lead, on few trumps and a Wp of more than 4 points; else by a draw.
    bool toSix = false;
    if (Beats(t.A, led)) {
        const bool top = IsTopCard(p, led, t.H, -1);
        if (IsTopCard(p, t.AB, t.A, led) || t.A != t.H) toSix = true;
        else if (top) toSix = w.T < 4 && Points(t.Wp) > 4;
        else toSix = CoinTails();
    }
    // 6. Over it: a cheap lowest trump when strong in trumps, else the high one or the one below the top.
    if (toSix) {
        if (w.T > 3 && Points(t.L) < 4) return t.L;
        const int c = IsTop(p, t.H) ? t.HB : t.H;
        if (IsCard(c)) return c;
    }
    return std::nullopt;
}

// T1 step 7: the last choices: W on a small trump led, a random Jack, or the lowest trump.
int LastTrumpChoice(SecondWords& w, const TrumpLedCards& t) {
    CPlayer& p = w.p;
    const int led = w.led;
    const int Lw = PickLowestInSuit(p, -1, true);
    if ((p.count >= 9 || (w.T <= 2 && Order(led) <= 8)) && MayHoldSuit(p, w.mate, w.type) && !IsTop(p, led) &&
        Points(led) == 2 && Points(t.W) >= 10 && GetCardSuit(led, true) >= w.T - 1 && IsCard(t.W))
        return t.W;
    const int J = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
    if (w.T > 3) return J;
    if (IsTop(p, t.H)) {
        if (w.T < 2 || Points(Lw) < 10) return Lw;
        if (Points(Lw) > Points(J) && IsTopCard(p, t.HB, J, -1)) return J;
        return w.Jo <= 1 ? Lw : J;
    }
    if (w.T != 2 || IsTop(p, led)) return J;
    const int m = 4 - CountJacks(p.seat);
    const int W0 = PickCardBelowWinner(p, false);
    return (m == 1 && IsTrumpAce(W0)) ? Lw : W0;
}

// T1: the soloist led a trump and the defender holds trumps.
int TakeOrDuckTrump(SecondWords& w) {
    CPlayer& p = w.p;
    TrumpLedCards t = CardsAgainstTheTrumpLed(w);
    int R = OverTheTrumpLed(w, t);
    if (IsTrump(R)) return R;
    if (Beats(t.Wp, w.led)) {
        R = TakeWithTheWinner(w, t);
        if (IsCard(R)) return R;
        R = JustAboveTheTrumpLed(w, t);
        if (IsCard(R)) return R;
    } else {
        R = UnderTheTrumpLed(w, t, R);
        if (IsCard(R) && p.HasCard(R)) return R;
    }
    if (const std::optional<int> high = HighTrumpOverTheLead(w, t)) return *high;
    return LastTrumpChoice(w, t);
}

// F1: the partner led a side suit the defender holds.
int FollowPartner(SecondWords& w) {
    CPlayer& p = w.p;
    const int s = w.suit;
    const int h = HighestHeld(p, s);
    if (AreOuvertCardsOpen() && p.partner && p.partner->CountInSuit(s) > 0) {
        const int SH = HighestHeld(*p.partner, s);
        if (Beats(h, SH) || Beats(w.led, SH)) return h;
    }
    if (g_Game.TrumpCount > 0 && !SoloistMayHold(p, s)) {
        const int lo = PickLowCardAnySuit(p, s);
        const int g = PickCardGrandSuit(p, w.led, 4);
        return (!Beats(lo, w.led) && IsCard(g)) ? g : lo;
    }
    if (IsTop(p, w.led)) {
        if (p.count == 10) return IsTopCard(p, h, w.led, -1) ? h : PickLowCardAnySuit(p, s);
        const int c = CCardChoosers(p).ChooseOpponentSecond(s);
        if (p.handInfo.DealtSuitCount[s] >= 4 || !IsCard(c) || IsTopCard(p, c, w.led, -1))
            return PickLowCardAnySuit(p, s);
        return c;
    }
    if (IsTop(p, h)) {
        const int g = PickCardGrandSuit(p, w.led, 4);
        const int x = (SoloistMayHold(p, s) && p.CountInSuit(s) <= 4) ? h : g;
        if (IsCard(x)) {
            const int next = NextLowerInSuit(p, x, false);
            if (IsCard(next)) {
                p.forcedCard = next;
                p.ForcedCardCount = p.count;
            }
            return x;
        }
        return PickLowCardAnySuit(p, s);
    }
    if (GetCardRank(h) == TEN) {
        const int b = GetNextLowerHeld(p, NextLowerInSuit(p, h, false));
        if (IsCard(b)) return b;
    }
    const int lo = PickLowCardAnySuit(p, s);
    const int g = PickCardGrandSuit(p, w.led, 2);
    return (Beats(lo, w.led) || g == NO_CARD) ? lo : GetNextLowerHeld(p, g);
}

// F2: the soloist led a side suit the defender holds.
int FollowSoloist(SecondWords& w) {
    CPlayer& p = w.p;
    const int s = w.suit;
    const int lo = PickLowCardOfSuit(p, s);
    if (p.count <= g_Game.TrumpCount + 1) return Beats(lo, w.led) ? lo : PickLowCardAnySuit(p, s);
    if (!Beats(lo, w.led)) return PickLowCardAnySuit(p, s);
    if (!IsTop(p, lo)) return lo;
    if (w.D < 61 && w.D + Points(lo) + Points(w.led) >= 61) return lo;
    const int k = CCardChoosers(p).ChooseOpponentFollowCard(w.led);
    if (IsCard(k)) {
        const int dealt = p.handInfo.DealtSuitCount[s];
        const bool keptAll = dealt <= 3 && p.CountInSuit(s) == dealt;
        if (!keptAll && !(w.D + Points(k) > 30 && w.D + Points(lo) < 60) && IsCardGone(s, TEN, p.seat)) return lo;
        p.playedSuit[s] = 2;  // keep the suit for the partner: the trump-led discard draws again
        return k;
    }
    const int d = NextLowerInSuit(p, lo, false);
    const int outBeyond = CountOutstanding(p, s) - p.CountInSuit(s);
    if (outBeyond <= 0 || !Beats(d, w.led)) return lo;
    const int e = CCardChoosers(p).GetHeldRankNeighbour(lo, -1);
    return d == e ? lo : d;
}

// Rule N: void in the led suit and no trump.
int NoTrumpThrowOff(SecondWords& w) {
    CPlayer& p = w.p;
    if (w.soloistNext) {
        if ((g_Game.TrumpCount > 0 && !SoloistMayHold(p, w.suit)) || !IsTop(p, w.led)) return CommonFallback(w);
        const int c = CCardChoosers(p).ChooseCardByScore3(Points(w.led), true);
        if (IsCard(c) && (!SoloistMayHold(p, SuitOf(c)) || !IsTop(p, c))) return c;
        return OrCardSuit(w, CCardChoosers(p).ChooseCardByScore(4, -1, false));
    }
    const bool mateMayLed = MayHoldSuit(p, w.mate, w.suit);
    if ((!mateMayLed && MayHoldSuit(p, w.mate, w.type)) || (mateMayLed && !IsTop(p, w.led) && Order(w.led) < 5))
        return OrCardSuit(w, CCardChoosers(p).ChooseCardByScore3(Points(w.led), true));
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int n = p.CountInSuit(s);
        if (s == w.type || n == 0) continue;
        const int c = PickLowCardAnySuit(p, s);
        if (!SoloistMayHold(p, s)) {
            best.Offer(c, 11 - Points(c));
            continue;
        }
        const int top = HighestHeld(p, s);
        if (n <= 1 || (GetCardRank(top) == TEN && !IsTop(p, top) && n <= 2)) continue;
        best.Offer(c, n - Points(c) + 11);
    }
    return IsCard(best.card) ? best.card : CommonFallback(w);
}

// Rule T step 6: the last choices of the ruff.
int RuffLastChoices(SecondWords& w, int W, int H) {
    CPlayer& p = w.p;
    const int pts = Points(w.led);
    if (w.soloistNext) {
        if (IsTop(p, w.led) && SoloistMayHold(p, w.suit)) {
            const int c = CCardChoosers(p).ChooseCardByRunScore(true);
            if (IsCard(c)) return c;
        } else if (pts > 4 && IsTop(p, H)) {
            const int c = IsTopCard(p, W, H, -1) ? W : H;
            if (IsCard(c)) return c;
        }
        int c = NO_CARD;
        if (IsTop(p, w.led)) {
            if (SoloistMayHold(p, w.suit) && GetCountInSuit2(p, w.suit) <= 1)
                c = CCardChoosers(p).ChooseCardByScore3(pts, true);
            if (c == NO_CARD) c = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByScore(4, -1, false);
        } else if (!SoloistMayHold(p, w.suit) || GetCountInSuit2(p, w.suit) > 1) {
            c = CCardChoosers(p).ChooseCardByScore(4, -1, false);
        } else {
            c = p.CountInSuit(w.type) > 0 ? PickLowCardOfSuit(p, w.type) : PickRandomJack(p, 0);
        }
        return OrCardSuit(w, c);
    }
    int c = NO_CARD;
    if (MayHoldSuit(p, w.mate, w.suit)) {
        if (!IsTop(p, w.led) && Order(w.led) < 5) {
            c = CCardChoosers(p).ChooseCardByScore3(pts, true);
        } else if (p.CountInSuit(w.type) > 0) {
            const int t = PickLowCardOfSuit(p, w.type);
            if (!IsTop(p, t))
                c = t;
            else c = IsCard(PickTrumpBelow(p, t)) ? PickTrumpBelow(p, t) : t;
        } else {
            c = PickRandomJack(p, 0);
            if (p.count == 2 && IsTop(p, c) && MayHoldSuit(p, w.mate, w.type)) {
                const int r = CCardChoosers(p).ChooseCardByRunScore(true);
                if (IsCard(r)) c = r;
            }
        }
    } else if (MayHoldSuit(p, w.mate, w.type)) {
        c = CCardChoosers(p).ChooseCardByScore3(pts, true);
        if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByRunScore(true);
    } else {
        c = CCardChoosers(p).ChooseCardByScore(4, CCardChoosers(p).ChooseCardWithRandomJack(-1, true), false);
    }
    return OrCardSuit(w, c);
}

// Rule T: void in the led side suit, trumping in.
int TrumpIn(SecondWords& w) {
    CPlayer& p = w.p;
    if (w.T == 0) return NoTrumpThrowOff(w);
    const int H = PickHighestInSuit(p, -1, true);
    const int lowest = PickLowestInSuit(p, -1, true);
    const int pts = Points(w.led);
    // 1. and 2. A top card led with the soloist next: a Ten takes it, with a smear when that reaches 61;
    // the soloist next and able to follow: the trump above the lowest; with fewer trumps than the
    // others and the partner void in the suit: a card by score.
    if (w.soloistNext && IsTop(p, w.led)) {
        const int R = CCardChoosers(p).ChooseCardByRunScore(true);
        if (IsTop(p, H) && GetCardRank(w.led) == TEN) {
            // The Ten wins the partner's trick: smear R when that carries the defenders to 61.
            return (IsCard(R) && w.D + pts + Points(R) >= 61) ? R : H;
        }
    } else if (w.soloistNext) {
        if (SoloistMayHold(p, w.suit)) {
            const int c = GetNextHigherHeld(p, lowest);
            if (IsCard(c)) return c;
        }
    } else if (w.T < w.out && !MayHoldSuit(p, w.mate, w.suit)) {
        const int c = CCardChoosers(p).ChooseCardByScore3(0, true);
        if (IsCard(c)) return c;
    }
    // 3. With the top trump: over the lead to reach 60, or below the winner as the partner and the
    // trump holding allow.
    int W = PickCardBelowWinner(p, false);
    const int HB = PickTrumpBelow(p, H);
    if (W == H && IsCard(HB)) W = HB;
    bool toFour = true;
    if (IsTop(p, H)) {
        int c = NO_CARD;
        if (w.D < 60 && w.D + Points(H) + pts >= 60) {
            c = w.soloistNext ? H : W;
        } else if (w.D < 60 && !w.soloistNext && w.D + Points(W) + pts >= 60) {
            c = W;
        } else if (MayHoldSuit(p, w.mate, w.suit) && !IsTop(p, w.led)) {
            if (pts > 4) {
                c = W;
            } else {
                const int t2 = CCardChoosers(p).ChooseTrumpGameCard(true);
                c = (IsCard(t2) && p.CountInSuit(SuitOf(t2)) <= 1) ? t2
                                                                   : CCardChoosers(p).ChooseCardByScore(4, -1, true);
            }
        } else if (w.T == 2) {
            if (w.out == 1) {
                if (IsCard(HB)) {
                    p.forcedCard = H;
                    p.ForcedCardCount = p.count;
                }
                c = HB;
            } else if (p.count >= 9) {
                c = W;
            } else if (IsCardGone(w.type, ACE, p.seat) && IsCardGone(w.type, TEN, p.seat)) {
                c = pts >= 3 ? (IsTopCard(p, HB, H, -1) ? lowest : HB)
                             : CCardChoosers(p).ChooseCardByScore(4, -1, false);
            } else {
                c = W;
            }
        }
        if (IsCard(c)) return c;
    } else {
        // 5. Without the top trump: the trump below the winner when it carries points, the run-score card,
        // the high trump when all are trumps, else a card by score.
        const int R = CCardChoosers(p).ChooseCardByRunScore(true);
        const int W5 = PickCardBelowWinner(p, false);
        const bool f = SoloistMayHold(p, w.suit) && w.out > 0;
        const bool g = f && IsCard(R) && Points(R) < 10;
        int c = NO_CARD;
        if (Points(W5) >= 4 || (g && (w.T == 1 || (p.count >= 9 && w.T <= 2))))
            c = (f || Points(W5) < 10) ? W5 : CCardChoosers(p).ChooseCardByScore(4, -1, false);
        else if (w.T == p.count && H != W5)
            c = H;
        else if (g)
            c = R;
        else c = CCardChoosers(p).ChooseCardByScore(4, -1, false);
        if (IsCard(c)) return c;
    }
    // 4. A spare trump or one above the lowest, as the trump holdings stand.
    if (toFour) {
        const int Q = CCardChoosers(p).ChooseSpareTrump(0);
        int c = NO_CARD;
        if (w.T > w.out) {
            if (w.out == 1 && !IsTop(p, H)) c = PickCardBelowWinner(p, true);
            if (c == NO_CARD) c = w.Jo >= 2 ? GetNextHigherHeld(p, lowest) : Q;
        } else if (w.T == w.out) {
            bool topSide = false;
            for (int s = 0; s < 4; ++s)
                if (s != w.type && p.CountInSuit(s) > 0 && IsTop(p, HighestHeld(p, s))) topSide = true;
            if (topSide) c = Q;
        }
        if (IsCard(c)) return c;
    }
    // 6. The last choices of a ruff.
    return RuffLastChoices(w, W, H);
}

// V1 and V2: void in the led side suit.
int VoidInSideSuit(SecondWords& w) {
    CPlayer& p = w.p;
    const int pts = Points(w.led);
    if (w.soloistNext) {
        if (SoloistMayHold(p, w.suit)) {
            int c = NO_CARD;
            if (!IsTop(p, w.led) && pts >= 3) c = PickCardBelowWinner(p, false);
            else if (IsTop(p, w.led)) c = CCardChoosers(p).ChooseCardByRunScore(true);
            if (IsCard(c)) return c;
        }
        if (pts <= 4) {
            int r = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (w.T > 0 && !IsTop(p, w.led) && SoloistMayHold(p, w.suit) &&
                (r == NO_CARD || Points(HighestCardOutInSuit(p, w.suit)) > 4))
                r = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
            if (IsCard(r)) return r;
            if (w.T == p.count) {
                const int c = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
                if (IsCard(c)) return c;
            }
            return TrumpIn(w);
        }
        if (SoloistMayHold(p, w.suit)) return TrumpIn(w);
        const int top = PickHighestInSuit(p, -1, true);
        return IsTop(p, top) ? top : TrumpIn(w);
    }
    // V2: the soloist led.
    if (pts >= 10) {
        const int c = PickCardBelowWinner(p, false);
        if (IsCard(c)) return c;
    }
    if (IsTop(p, w.led)) {
        if (w.T == 0) return NoTrumpThrowOff(w);
        const int H = PickHighestInSuit(p, -1, true);
        const int P = PickCardBelowWinner(p, false);
        if (w.T == g_Game.TrumpCount && IsCard(P)) {
            bool freeSuit = false;
            for (int s = 0; s < 4; ++s)
                if (s != w.type && p.CountInSuit(s) > 0 && !SoloistMayHold(p, s)) freeSuit = true;
            if (freeSuit || (w.D < 61 && w.D + Points(P) + pts >= 61)) return P;
        }
        if (pts > 4 || !IsTop(p, H)) return TrumpIn(w);
        const int Z = CCardChoosers(p).ChooseCardByScore(4, -1, false);
        if (IsCard(Z) && !IsTrump(Z) && Points(Z) <= 4) return Z;
        return IsCard(P) ? P : TrumpIn(w);
    }
    if (!MayHoldSuit(p, w.mate, w.suit)) return TrumpIn(w);
    for (int s = 0; s < 4; ++s) {
        if (s == w.type || p.CountInSuit(s) == 0) continue;
        const int h = HighestHeld(p, s);
        if (Points(h) >= 10 && (CountOutstanding(p, s) - p.CountInSuit(s) == 1 || !SoloistMayHold(p, s))) return h;
    }
    if (pts > 4) return TrumpIn(w);
    int c = CCardChoosers(p).ChooseTrumpGameCard(false);
    if (IsCard(c)) return c;
    c = CCardChoosers(p).ChooseCardByScore3(0, true);
    return IsCard(c) ? c : TrumpIn(w);
}

SecondWords WordsFor(CPlayer& p, bool soloistNext, int cardLed) {
    const int T = p.GetTrumpCount();
    return SecondWords{p, soloistNext, cardLed, SuitOf(cardLed), g_Game.GameType,
                       soloistNext ? (p.seat + 2) % 3 : (p.seat + 1) % 3, T, p.handInfo.JackCount,
                       g_Game.TrumpCount - T, g_Game.PartyPoints[1]};
}

}  // namespace

int CSuitDefenderPlay::PlaySuitOpponentSecond(bool soloistNext, int cardLed) {
    return PlaySuitDefender(1, soloistNext, cardLed, NO_CARD);
}

int CSuitDefenderPlay::SuitOpponentSecondTrumpLed(bool soloistNext, int cardLed) {
    SecondWords w = WordsFor(me, soloistNext, cardLed);
    if (w.T == 0) return NoTrumpUnderTrump(w);
    if (soloistNext) {
        const int H = PickHighestInSuit(me, -1, true);
        if (IsTop(me, cardLed)) return PickCardBelowWinner(me, false);
        if (Points(cardLed) >= 10 && IsTop(me, H)) return H;
        return CCardChoosers(me).ChooseCardWithRandomJack(-1, true);
    }
    return TakeOrDuckTrump(w);
}

int CSuitDefenderPlay::SuitOpponentSecondSideLed(bool soloistNext, int cardLed) {
    SecondWords w = WordsFor(me, soloistNext, cardLed);
    if (w.suit >= 0 && w.suit <= 3 && me.CountInSuit(w.suit) > 0)
        return soloistNext ? FollowPartner(w) : FollowSoloist(w);
    return VoidInSideSuit(w);
}
