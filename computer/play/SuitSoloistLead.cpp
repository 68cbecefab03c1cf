// The suit-game soloist's lead: draw the trumps while he holds enough of them, the top trump when
// it is sure and the next one committed; a low trump to pull the higher ones when his top trump
// is not sure; his long side suit once no trump is out; a void, a smear or the general choice
// when the trumps cannot be drawn. One fixed cascade of stages, first match wins.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitSoloistPlay.h"
#include "computer/play/TrickCardChoice.h"
#include "model/Player.h"

#include "computer/play/SuitDefenderFrame.h"
#include "computer/play/SuitPlayTerms.h"

#include <cstdlib>

using namespace suit;

namespace {

// The cascade's state between its stages.
struct LeadState {
    int card = NO_CARD;       // settled card
    bool settled = false;
    bool atOnce = false;      // played without the card plan and the Jack walk
    int fallback = NO_CARD;   // the default card
    int companion = NO_CARD;  // a second candidate: the card plan is asked only beside one
    bool noHighTrump = false;
    bool toStageSix = false;  // a rule sent the cascade straight to the fallback stage

    void Settle(int c, bool now = false) {
        if (!IsCard(c)) return;
        card = c;
        settled = true;
        atOnce = now;
    }
};

// Commits the next lead (a -1 commits nothing).
void Commit(CPlayer& p, int card) {
    if (!IsCard(card)) return;
    p.forcedCard = card;
    p.ForcedCardCount = p.count;
}

bool LastTrickAllTrumps(const CPlayer& p) {
    const CCards* trick = p.lastTrick;
    if (!trick || trick->capacity < 3) return false;
    for (int i = 0; i < 3; ++i)
        if (!IsTrump(trick->cards[static_cast<std::size_t>(i)])) return false;
    return true;
}

// Stage I: no trump out.
void StageNoTrumpOut(CPlayer& p, const Terms& t, LeadState& st) {
    const int type = t.type;
    // 1. First candidate.
    int c0 = CCardChoosers(p).ChooseLeadOrLastCard(-1);
    if (c0 == NO_CARD) c0 = CCardChoosers(p).ChooseCardGeneral(0, 3);
    // 2. The best card by score.
    const int s4 = CCardChoosers(p).ChooseCardByScore(4, -1, true);
    int pick = NO_CARD;
    // 3. Schneider: a doubleton under its Ace gives its low card.
    if (g_Game.SchneiderAnnounced && t.N > 2 && t.H > 0) {
        for (int s = 0; s < 4; ++s) {
            if (s == type || p.CountInSuit(s) != 2 || !Holds(p, s, ACE)) continue;
            pick = PickLowestInSuit(p, s, true);
            break;
        }
    }
    // 4. Nearly only trumps left.
    if (s4 == NO_CARD && pick == NO_CARD && (t.N <= 2 || t.N - t.H <= 1)) pick = PickHighestInSuit(p, -1, true);
    // 5. The best card by score to give away, and the suit to smear.
    const int s4b = CCardChoosers(p).ChooseCardByScore(4, -1, false);
    const int sm = CCardChoosers(p).PickSuitToSchmier(false);
    // 6. None yet: the suit to smear unless a trump, else a general choice, else the soloist's lead.
    if (pick == NO_CARD) {
        pick = (IsCard(sm) && !IsTrump(sm)) ? sm : CCardChoosers(p).ChooseCardGeneral(0, 0);
        if (pick == NO_CARD) pick = CCardChoosers(p).ChooseSoloistLead();
    }
    // 7. With two side cards left, a high trump drawn at random.
    const int rt = t.N - t.H == 2 ? PickHighestTrumpRandomStep(p, t.H) : NO_CARD;
    // 8. The first of these that yields a card.
    if (pick == NO_CARD && IsCard(rt) && IsTop(p, c0)) pick = rt;
    if (pick == NO_CARD && t.H == 1) pick = CCardChoosers(p).ChooseCardGeneral(1, 0);
    if (pick == NO_CARD && IsCard(rt)) pick = s4b == c0 ? PickHighestTrumpRandomStep(p, t.H) : s4b;
    if (pick == NO_CARD) pick = CCardChoosers(p).PickSuitToSchmier(true);
    if (pick == NO_CARD && IsCard(rt)) pick = s4b;
    // 9. With the trumps in hand a side card that still draws is led at once.
    if (pick == NO_CARD) {
        const int ht = PickHighestInSuit(p, -1, true);
        if (IsCard(ht) && (t.H > t.O || (t.H == t.O && IsTop(p, ht)))) {
            if (IsCard(c0)) {
                const int s = SuitOf(c0);
                const int n = CollectSuit(p, s, false, nullptr);
                const bool tenHeldOrGone = s != type && (Holds(p, s, TEN) || IsCardGone(s, TEN, p.seat));
                if ((n > 1 && (GetCardRank(c0) != ACE || tenHeldOrGone)) || (p.CountInSuit(s) == 2 && n == 2)) {
                    st.Settle(c0, true);
                    return;
                }
            }
        } else {
            st.noHighTrump = true;
        }
    }
    // 10. Still none: by how many trumps he holds of his cards.
    if (pick == NO_CARD) {
        if (t.H == t.N) {
            for (int trump = PickHighestInSuit(p, -1, false); IsCard(trump); trump = PickTrumpBelow(p, trump))
                if (pick == NO_CARD || CoinHeads()) pick = trump;
        } else if (t.H == t.N - 1 && t.N > 1 && IsCard(s4b) && !IsTop(p, s4b)) {
            pick = s4b;
        } else if (IsCard(c0) && t.N == 2) {
            pick = c0;
        } else if (t.H == t.N - 1) {
            pick = PickLowestInSuit(p, -1, true);
        } else {
            pick = CCardChoosers(p).ChooseCardGeneral(0, 0);
            if (pick == NO_CARD) {
                pick = CCardChoosers(p).ChooseTrumpGameCard(true);
                if (SameSuit(pick, c0)) pick = c0;
                if (pick == NO_CARD && !st.noHighTrump) {
                    pick = CCardChoosers(p).ChooseCardByScore(4, c0, false);
                    if (IsCard(pick) && (Points(pick) == 10 || (IsSuitSafe(p, pick, -1, -1) &&
                                                                CollectSuit(p, SuitOf(pick), false, nullptr) > 1)))
                        pick = NO_CARD;
                }
            }
        }
    }
    // 11. The first candidate settles the lead; any other card is kept as the fallback.
    if (IsCard(pick) && pick == c0) {
        st.Settle(pick, true);
        return;
    }
    st.fallback = pick;
}

// B2 without a low trump to lead, or with fewer than two trumps out. Against the last trump out: his
// top trump when sure; a single trump not sure, a sure side card (its suit's low card committed
// behind it) or the fallback; more trumps not sure, a Jack. Else, with six trumps or more among them
// the Nine, Eight and Seven, the top or the second trump; else the fallback.
int DrawLastTrump(CPlayer& p, const Terms& t, const LeadState& st, int top, int second) {
    if (t.H >= 1 && t.O == 1) {
        if (t.H == 1 && IsTop(p, top)) return top;
        if (t.H == 1) {
            const int rs = CCardChoosers(p).ChooseCardByRunScore(true);
            if (!IsTop(p, rs)) return st.fallback;
            if (p.CountInSuit(SuitOf(rs)) > 1) Commit(p, PickLowestInSuit(p, SuitOf(rs), true));
            return rs;
        }
        return IsTop(p, top) ? top : CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
    }
    const bool lowThree = Holds(p, t.type, NINE) && Holds(p, t.type, EIGHT) && Holds(p, t.type, SEVEN);
    if (t.H >= 6 && lowThree) return IsTop(p, top) ? top : second;
    return st.fallback;
}

// B1 with the top trump sure, many trumps out and no early face-up: a low singleton that makes a
// side suit void (the one with the fewest points), else the second trump when it is a Jack, else
// on to the fallback stage.
void VoidASideSuitFirst(CPlayer& p, const Terms& t, LeadState& st, int second) {
    RunningBest best;
    int last = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (s == t.type || p.CountInSuit(s) != 1) continue;
        const int low = PickLowCardAnySuit(p, s);
        if (!IsCard(low) || Order(low) > 2) continue;
        last = low;
        best.Offer(low, 11 - Points(low));
    }
    if (IsCard(best.card) && Order(best.card) <= 4) {
        st.companion = last;
        st.Settle(best.card);
        return;
    }
    if (IsJack(second)) {
        st.Settle(second);
        return;
    }
    st.toStageSix = true;
}

// B1 with the top trump sure: the top trump, with the next sure trump as its companion.
void DrawWithTheTopTrump(CPlayer& p, const Terms& t, LeadState& st, int top, int second) {
    if (t.O <= 2) {
        st.Settle(top);
        return;
    }
    const int probe = LastTrickAllTrumps(p) ? top : second;
    if (IsTopCard(p, probe, top, -1)) {
        st.companion = probe;
        st.Settle(top);
        return;
    }
    if ((t.N < 8 || t.dealtJacks < 3) && g_Game.EarlyFaceUp == 0) {
        VoidASideSuitFirst(p, t, st, second);
        return;
    }
    st.Settle(top);
}

// B1 with the top trump not sure: a trump to pull the higher ones out.
void DrawUnderTheTopTrump(CPlayer& p, const Terms& t, LeadState& st, int top) {
    int card = NO_CARD;
    if (t.O == 1) {
        card = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        if (t.J != 0 && Points(card) > 2) card = PickRandomJack(p, 0);
    } else {
        int list[11];
        const int n = CollectSuit(p, t.type, false, list);
        const int above = n >= 2 ? PickCardAboveInTrumps(p, list[1], true) : NO_CARD;
        st.companion = above;
        if (n >= 2 && IsCard(above) && above != top) {
            card = above;
        } else if (t.O == 2 && t.H > 2) {
            if (!IsCard(above) || above == top) card = st.fallback;
            else if (Points(above) < 10) card = above;
            else if (Points(top) >= 10) card = PickLowestInSuit(p, -1, true);
            else card = top;
        } else if (n == 3 && t.J > 1 && Order(above) >= 5) {
            card = top;
        } else {
            st.companion = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(st.companion)) {
                card = st.fallback;
            } else {
                card = PickLowestInSuit(p, -1, true);
                if (Points(card) > 4) card = PickRandomJack(p, 0);
            }
        }
    }
    if (IsCard(card)) st.Settle(card);
    else st.toStageSix = true;
}

// B2: no card plan for what is settled here; a low trump, or the last trump drawn.
void DrawWithALowTrump(CPlayer& p, const Terms& t, LeadState& st, int top, int second, bool aceOut, bool tenOut) {
    const int type = t.type;
    int r = CCardChoosers(p).ChooseLowTrump();
    if (r == NO_CARD && t.O >= 2 && !HasJacksOut(p) && !MayHoldSuit(p, t.previous, type) && (aceOut || tenOut))
        r = PickCardAboveInTrumps(p, LowestCardOutInSuit(p, type), false);
    int card = NO_CARD;
    if (r == NO_CARD || t.O < 2) {
        card = DrawLastTrump(p, t, st, top, second);
    } else if (IsTop(p, top) && IsTopCard(p, second, top, -1)) {
        card = CoinHeads() ? second : top;
    } else {
        int x = (IsTop(p, top) && t.O <= 2) ? top : r;
        if (CoinTails()) x = GetNextLowerHeld(p, x);
        if (t.J == 0 && t.N > 8 && IsCard(PickTrumpBelow(p, x))) x = PickTrumpBelow(p, x);
        card = x;
    }
    st.companion = NO_CARD;
    st.Settle(card);
}

// Stage II: drawing trumps. Returns false when the cascade goes on to the next stages.
void StageDrawTrumps(CPlayer& p, const Terms& t, LeadState& st) {
    const int type = t.type;
    st.companion = NO_CARD;
    const int top = PickHighestInSuit(p, -1, true);
    const int second = PickTrumpBelow(p, top);
    const bool aceOut = IsOutFor(p, type, ACE);
    const bool tenOut = IsOutFor(p, type, TEN);
    if (t.O != 0 && t.H >= 2 && t.O <= t.H) {
        // B1. With at least as many trumps as are out: draw them, with or below the top trump, or a low one.
        if (IsTop(p, top)) DrawWithTheTopTrump(p, t, st, top, second);
        else DrawUnderTheTopTrump(p, t, st, top);
        return;
    }
    if (t.H > 0 && t.H != g_Game.TrumpCount) DrawWithALowTrump(p, t, st, top, second, aceOut, tenOut);
}

// Stage III: no trump out; the longest side suit from the top.
void StageLongSuit(CPlayer& p, const Terms& t, LeadState& st) {
    int suit = -1;
    int length = 0;
    for (int s = 0; s < 4; ++s) {
        if (s == t.type) continue;
        const int n = p.CountInSuit(s);
        if (n <= 1) continue;
        if (n > length || (n == length && CoinHeads())) {
            suit = s;
            length = n;
        }
    }
    if (suit < 0) {
        st.toStageSix = true;
        return;
    }
    const int hi = PickHighestInSuit(p, suit, true);
    if (IsTop(p, hi) && (CollectSuit(p, suit, false, nullptr) <= 2 || st.noHighTrump)) st.Settle(hi);
    else st.Settle(GetNextLowerHeld(p, hi));
}

// Stage IV step 1: the trump leads by the trumps held and out, then the matador rule.
bool TrumpLeadByCounts(CPlayer& p, const Terms& t, LeadState& st, int top, int second, bool& flag) {
    int card = st.fallback;
    flag = false;
    if (t.O < t.H && t.O < 4 && IsTop(p, top)) {
        card = top;
        st.companion = second;
    } else if (IsTop(p, top)) {
        int low = PickLowestInSuit(p, -1, true);
        int swapSecond = second;
        if (IsTopCard(p, second, top, -1)) {
            st.fallback = second;
            swapSecond = NO_CARD;  // the second trump counts as none for the swap below
        }
        if (Points(low) > Points(swapSecond) && Points(low) > 4) low = swapSecond;
        flag = IsTopCard(p, second, top, -1);
        card = st.fallback;
        if (flag || t.J >= 3 || t.O == 1) {
            if (flag) {
                card = second;
                Commit(p, top);
            } else {
                card = top;
                Commit(p, second);
            }
            st.companion = NO_CARD;
        } else if ((t.O < t.H && t.O == 2) || (t.H >= 6 && t.O <= 3)) {
            card = top;
            st.companion = second;
        } else if (t.O <= t.H && t.O <= 3) {
            if (t.J > 2 || (t.J == 2 && second != CardCodeOf(JACK, DIAMONDS))) {
                card = top;
                st.companion = second;
            }
        } else if (t.J == 2 && t.H == 4 && t.O >= 4) {
            card = t.O == 4 ? low : second;
        } else if (t.J == 2 && t.H == 4) {
            card = st.fallback;
        } else if (t.J == 0) {
            card = st.fallback;
        } else if (t.H == 3 && t.O > 3) {
            card = Points(low) < 10 ? low : NO_CARD;
        }
    }
    // The matador rule: with three or more matadors a Jack of the top run, the trump above it next.
    if (t.J != 0 && t.matadors > 2) {
        card = PickRandomJack(p, -1);
        Commit(p, PickCardAboveInTrumps(p, card, true));
        st.companion = NO_CARD;
    }
    if (!IsCard(card)) return false;
    st.Settle(card);
    return true;
}

// Stage IV step 9, the last-trumps rules; -1 when they lead to the Jack rules.
int LastTrumpRules(CPlayer& p, const Terms& t, LeadState& st, int hi, bool flag, bool& plain) {
    const int type = t.type;
    if (t.O == 2 && t.J == 2 && !p.HasCard(CardCodeOf(JACK, DIAMONDS))) {
        plain = true;  // played at once, no suit mark
        return PickJack(p, 0);
    }
    if (t.O < t.H) {
        const int r = CCardChoosers(p).ChooseLowTrump();
        if (r == NO_CARD) {
            const int rs = CCardChoosers(p).ChooseCardByRunScore(true);
            const int s = SuitOf(rs);
            if (IsTop(p, rs) && s != type &&
                (!Holds(p, s, ACE) || Holds(p, s, TEN) || IsCardGone(s, TEN, p.seat) ||
                 (p.seat == g_Game.TrickWinner && s == g_Knowledge.TrickLeadSuit)))
                return rs;
        } else {
            if (t.O == 1 && t.J > 0 && Points(r) > 0) return PickRandomJack(p, 0);
            const bool sixStrong = t.H == 6 && t.J > 2 && (!Holds(p, type, ACE) || !Holds(p, type, TEN));
            if (t.N == 10 && t.H <= 6 && !sixStrong) return PickLowestInSuit(p, -1, true);
            return r;
        }
        if (t.O == 1) return CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        return NO_CARD;
    }
    if (g_Game.TrumpCount > 6 && (!Holds(p, type, ACE) || !Holds(p, type, TEN))) {
        const int r = CCardChoosers(p).ChooseLowTrump();
        if (IsCard(r)) return r;
    }
    const int rj = PickRandomJack(p, 0);
    const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
    if (t.O == 1) {
        if (IsTop(p, hi)) return hi;
        return (Points(cj) > 0 && IsCard(rj)) ? rj : cj;
    }
    if (t.O == 2) {
        int list[11];
        const int n = CollectSuit(p, type, false, list);
        const int a = n >= 2 ? PickCardAboveInTrumps(p, list[1], false) : NO_CARD;
        if (IsCard(a)) {
            if (hi != a && Points(hi) <= 4) return hi;
            if (Points(a) <= 4) return a;
            return cj;
        }
        return Points(cj) < 5 ? cj : NO_CARD;
    }
    if (t.O == 3) {
        if (flag && IsTop(p, hi)) return hi;
        const int rs = CCardChoosers(p).ChooseCardByRunScore(true);
        const int nh = NextLowerInSuit(p, rs, false);
        auto playKing = [&p](int king) {
            Commit(p, NextLowerInSuit(p, king, false));
            return king;
        };
        if (IsCard(rs) && !IsTop(p, rs) && p.CountInSuit(SuitOf(rs)) >= 2 && Order(nh) == 4) return playKing(nh);
        if (IsCard(cj) && cj == nh) return playKing(nh);
        return Points(cj) <= 4 ? cj : NO_CARD;
    }
    const int low = PickLowestInSuit(p, -1, true);
    const int a = PickCardAboveInTrumps(p, low, false);
    const int card = (IsCard(a) && Order(a) - Order(low) > 1) ? a : low;
    (void)st;
    return Points(card) < 5 ? card : CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
}

// Stage IV step 9, the Jack rules.
int JackRules(CPlayer& p, const Terms& t, int hi) {
    const int type = t.type;
    const bool aceOrTenHeld = Holds(p, type, ACE) || Holds(p, type, TEN);
    const bool aceOrTenOut = IsOutFor(p, type, ACE) || IsOutFor(p, type, TEN);
    if (t.dealtJacks == 2 && t.J == 2) {
        const bool spadesAndLow = p.HasCard(CardCodeOf(JACK, SPADES)) &&
                                  (p.HasCard(CardCodeOf(JACK, HEARTS)) || p.HasCard(CardCodeOf(JACK, DIAMONDS)));
        return (spadesAndLow || aceOrTenHeld) ? PickRandomJack(p, 0) : PickLowestInSuit(p, -1, true);
    }
    if (t.J > 1 && aceOrTenHeld) return PickHighestInSuit(p, -1, false);
    if ((t.J > 2 || (t.J > 1 && t.O < 4)) && aceOrTenOut) return PickRandomJack(p, 0);
    if (t.J > 1 || (t.J == 1 && Holds(p, type, ACE) && t.O > 0)) {
        if (t.O == 2 && IsJack(hi)) return hi;
        int c = CCardChoosers(p).ChooseLowTrump();
        if (c == NO_CARD) {
            c = PickLowestInSuit(p, -1, true);
            if (Points(c) > 0) c = PickRandomJack(p, 0);
        }
        return c;
    }
    if (t.O < 2 && t.H < 3) return CCardChoosers(p).ChooseCardGeneral(0, 0);
    if (t.O >= 2) {
        const int a = PickCardAboveInTrumps(p, LowestCardOutInSuit(p, type), false);
        if (IsCard(a) && !IsJack(a) && Points(a) < 5) return a;
    }
    return NO_CARD;
}

// Stage IV step 9: the safe-hand rules.
bool SafeHandRules(CPlayer& p, const Terms& t, LeadState& st, bool flag, bool& plain) {
    const int type = t.type;
    const int hi = PickHighestInSuit(p, -1, true);
    const int below = PickTrumpBelow(p, hi);
    const bool hiTop = IsTop(p, hi);
    int card = NO_CARD;
    bool tried = false;
    if (!hiTop && t.H > t.O) {
        card = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        tried = true;
    } else if (hiTop) {
        const bool low987 = Holds(p, type, NINE) && Holds(p, type, EIGHT) && Holds(p, type, SEVEN);
        if (t.O < 3 || CountTopSuits(p, 3) || IsTopCard(p, below, hi, -1) || (t.H > 5 && low987))
            card = t.J != 0 ? PickJack(p, 0) : NO_CARD;
        else if (t.J == 2 && Holds(p, type, ACE)) card = PickJack(p, 0);
        if (IsCard(card)) {
            const int nh = GetNextHigherHeld(p, card);
            const int nb = PickTrumpBelow(p, nh);
            if (IsTop(p, nh) && IsTopCard(p, nb, nh, -1)) Commit(p, nh == card ? nb : nh);
            tried = true;
        }
    }
    if (!tried && IsTopCard(p, below, hi, -1)) {
        const bool aceOut = IsOutFor(p, type, ACE);
        const bool tenOut = IsOutFor(p, type, TEN);
        if (t.N == 10 && t.H < 5 && ChooseSuitSoloistLeadHelper(p)) {
            if (IsCard(CCardChoosers(p).ChooseSoloistCardSuit())) card = PickLowestInSuit(p, -1, true);
        } else if (aceOut && tenOut) {
            card = PickJack(p, 0);
        } else if (aceOut || tenOut) {
            if (t.J > 2 || (t.H != t.O && t.dealtTrumps > 5)) {
                card = PickJack(p, 0);
            } else {
                bool lowSide = false;
                for (int s = 0; s < 4 && !lowSide; ++s) {
                    if (s == type) continue;
                    const int lc = PickLowCardOfSuit(p, s);
                    lowSide = IsCard(lc) && !IsTop(p, lc) && p.CountInSuit(s) > 1;
                }
                card = lowSide ? PickLowestInSuit(p, -1, true) : hi;
            }
        } else {
            if (Holds(p, type, ACE) && Holds(p, type, TEN) && t.J < 2 && g_Game.OuvertAnnounced != 2)
                card = PickLowestInSuit(p, -1, true);
            if (card == NO_CARD) card = CCardChoosers(p).ChooseSpareTrump(t.H <= t.O ? 2 : 1);
            if (card == NO_CARD) card = hi;
        }
    }
    if (card == NO_CARD) {
        card = LastTrumpRules(p, t, st, hi, flag, plain);
        if (plain && IsCard(card)) {
            st.Settle(card, true);
            return true;
        }
        plain = false;
        if (card == NO_CARD) card = JackRules(p, t, hi);
    }
    // A side card worth more than 2 points gives way to a Jack while few trumps are out.
    if (IsCard(card) && !IsTrump(card) && Points(card) > 2 && t.J > 1 && t.O < 3) card = PickRandomJack(p, 0);
    if (card == NO_CARD) {
        card = CCardChoosers(p).ChooseLowTrump();
        if (card == NO_CARD) {
            if (MayHoldSuit(p, t.previous, type) && MayHoldSuit(p, t.next, type)) {
                const int low = PickLowestInSuit(p, -1, true);
                if (Points(low) == 10) {
                    st.toStageSix = true;
                    return true;
                }
                card = low;
            } else {
                card = CCardChoosers(p).ChooseCardGeneral(0, 0);
            }
        }
    }
    if (!IsCard(card)) return false;
    st.Settle(card);
    return true;
}

// Stage IV steps 2 and 3: a Jack of the run with three Jacks, or with two Jacks of three dealt;
// true when one settles the lead.
bool LeadAJackOfTheRun(CPlayer& p, const Terms& t, LeadState& st, bool flag) {
    // 2. Three Jacks with many trumps or few out: a Jack, or the top Jack with the trump below committed.
    if (t.J == 3 && (t.H > 6 || t.O < 4)) {
        if (!flag) {
            st.Settle(PickRandomJack(p, 0));
        } else {
            const int jack = PickJack(p, -1);
            Commit(p, PickTrumpBelow(p, jack));
            st.Settle(jack);
        }
        if (st.settled) return true;
    }
    // 3. Three Jacks or more dealt, two held, fewer trumps out than his: the highest Jack.
    if (t.dealtJacks > 2 && t.J >= 2 && t.O < t.H) {
        st.Settle(PickJack(p, -1));
        if (st.settled) return true;
    }
    return false;
}

// Stage IV step 4 with the highest Jack not sure and no Jack on top: the trump below the highest
// (below the Ten too), or a low trump when the highest is a Jack.
int TrumpBelowTheHighest(CPlayer& p, int type) {
    int list[11];
    const int n = CollectSuit(p, type, false, list);
    int c = NO_CARD;
    if (n > 0 && IsJack(list[0])) {
        if (n >= 2) c = CCardChoosers(p).ChooseLowTrump();
    } else if (n > 0) {
        c = PickTrumpBelow(p, list[0]);
        if (GetCardRank(c) == TEN) c = PickTrumpBelow(p, c);
    }
    return c;
}

// Stage IV steps 4 and 5: the highest Jack when it is sure, a random Jack or a trump below the
// highest when it is not; true when one settles the lead.
bool LeadTheHighestJack(CPlayer& p, const Terms& t, LeadState& st) {
    // 4. The highest Jack not sure: a random Jack with four trumps or more; sure: the Jack itself.
    bool toFive = true;
    if (t.H >= t.O && t.O > 1) {
        const int j = PickJack(p, -1);
        if (!IsTop(p, j)) {
            if (t.H >= 4 && t.H > t.O) {
                st.Settle(PickRandomJack(p, 0));
                toFive = !st.settled;
            }
        } else if (t.O == 2 || IsTopCard(p, PickTrumpBelow(p, j), j, -1)) {
            st.Settle(j);
            toFive = false;
        } else {
            st.Settle(TrumpBelowTheHighest(p, t.type));
            toFive = !st.settled;
        }
    }
    if (st.settled) return true;
    // 5. Two matadors or more and the trump below the highest Jack sure: the highest Jack.
    if (toFive && t.H >= t.O && t.matadors >= 2 && !((t.J < 2 || t.H < 3) && t.O > 3)) {
        const int j = PickJack(p, -1);
        if (IsTopCard(p, PickTrumpBelow(p, j), j, -1)) {
            st.Settle(j);
            return true;
        }
    }
    return false;
}

// Stage IV step 6: two trumps against two while both opponents may hold trumps, or a random Jack
// with two Jacks and the trump Ace or Ten out; true when one settles the lead.
bool LeadTwoAgainstTwo(CPlayer& p, const Terms& t, LeadState& st, bool aceOut, bool tenOut) {
    if (t.H < 3 || t.J != 2 || (!aceOut && !tenOut)) {
        const bool both = MayHoldSuit(p, t.previous, t.type) && MayHoldSuit(p, t.next, t.type);
        if (t.H == 2 && t.O == 2 && both && g_Game.PartyPoints[0] < 62) {
            int c = CCardChoosers(p).ChooseLeadOrLastCard(-1);
            if (c == NO_CARD) {
                c = PickLowestInSuit(p, -1, true);
                if (Order(c) > 4) c = PickRandomJack(p, 0);
            }
            st.Settle(c);
            if (st.settled) return true;
        }
    } else {
        st.Settle(PickRandomJack(p, -1));
        if (st.settled) return true;
    }
    return false;
}

// Stage IV step 7 with more trumps held than out: the lowest trump (or the blank one above a safe
// one), a low trump or Jack, or with few trumps in a long hand the general choice or a short
// suit's top card.
int LowTrumpOrShortTopSuit(CPlayer& p, const Terms& t) {
    int low = PickLowestInSuit(p, -1, true);
    if (IsSuitSafe(p, low, -1, -1)) {
        const int a = PickCardAboveInTrumps(p, low, false);
        if (IsCard(a) && Points(a) == 0) low = a;
    }
    int c = NO_CARD;
    if (Points(low) < 5 || (t.J < 2 && (t.J != 1 || t.O > 2))) {
        c = t.N > 7 ? CCardChoosers(p).ChooseLowTrump() : PickRandomJack(p, 0);
        if (c == NO_CARD || Points(c) > 0) c = low;
    }
    if (t.H < 4 && t.N > 8) {
        c = CCardChoosers(p).ChooseCardGeneral(0, 0);
        if (c == NO_CARD) {
            RunningBest best;
            for (int s = 0; s < 4; ++s) {
                if (s == t.type) continue;
                const int lc = PickLowCardOfSuit(p, s);
                if (IsTop(p, lc) && p.CountInSuit(s) < 4) best.Offer(lc, 4 - p.CountInSuit(s));
            }
            c = best.card;
        }
    }
    return c;
}

// Stage IV step 7: the companion once the hand lies face up, else a low trump; true when one
// settles the lead.
bool LeadTheCompanionOrALowTrump(CPlayer& p, const Terms& t, LeadState& st) {
    if (g_Game.EarlyFaceUp) {
        if (IsCard(st.companion)) {
            st.Settle(st.companion);
            return true;
        }
    } else if (t.H > 2 && t.O < t.H) {
        st.Settle(LowTrumpOrShortTopSuit(p, t));
        if (st.settled) return true;
    }
    return false;
}

// Stage IV: trumps out and no card yet.
void StageTrumpsOut(CPlayer& p, const Terms& t, LeadState& st, bool& plain) {
    const int type = t.type;
    const int top = PickHighestInSuit(p, -1, true);
    const int second = PickTrumpBelow(p, top);
    const bool aceOut = IsOutFor(p, type, ACE);
    const bool tenOut = IsOutFor(p, type, TEN);
    bool flag = false;
    // 1. By the trump counts, then the Jacks of the run, the highest Jack, two against two, and the
    // companion or a low trump, each in turn.
    if (TrumpLeadByCounts(p, t, st, top, second, flag)) return;
    if (LeadAJackOfTheRun(p, t, st, flag)) return;
    if (LeadTheHighestJack(p, t, st)) return;
    if (LeadTwoAgainstTwo(p, t, st, aceOut, tenOut)) return;
    if (LeadTheCompanionOrALowTrump(p, t, st)) return;
    // 8. One trump out and the top trump in hand: the top trump.
    if (t.O == 1 && t.H > 0 && IsTop(p, top)) {
        st.Settle(top);
        return;
    }
    // 9. Three trumps or more, no more out, both defenders able to hold trumps: the safe-hand rules.
    if (t.H > 2 && t.O <= t.H && MayHoldSuit(p, t.previous, type) && MayHoldSuit(p, t.next, type))
        SafeHandRules(p, t, st, flag, plain);
}

// Stage V: the remaining cases.
void StageRemaining(CPlayer& p, const Terms& t, LeadState& st) {
    const int type = t.type;
    const int top = PickHighestInSuit(p, -1, true);
    const bool both = MayHoldSuit(p, t.previous, type) && MayHoldSuit(p, t.next, type);
    const int pts = g_Game.PartyPoints[0];
    auto ruleOne = [&]() {
        if (t.J < 3) {
            if (t.H > 0 && t.N == 2 &&
                ((g_Game.TrumpCount == 3 && IsTop(p, CCardChoosers(p).ChooseCardByRunScore(true))) ||
                 (pts >= 56 && pts <= 60)) &&
                IsTop(p, top))
                st.Settle(top);
        } else if (both && g_Game.KontraState == KONTRA_NONE && IsTop(p, top) &&
                   IsTopCard(p, PickTrumpBelow(p, top), top, -1)) {
            st.Settle(PickHighestInSuit(p, -1, false));
        }
    };
    // 1. and 5. More trumps out than his: the top trump, or a trump of his top run, when the points
    // or the Jacks make it safe.
    if ((t.H > 2 && t.O > t.H) || (t.O > t.H && t.H <= 2)) {
        ruleOne();
        return;
    }
    // 2. Fewer trumps out than his, with two or fewer or a defender void: a trump of his top run when
    // he holds the top trump, else the card below a low top side card.
    if ((t.H <= 2 || !both) && t.O < t.H) {
        if (IsTop(p, top)) {
            st.Settle(PickHighestInSuit(p, -1, false));
            return;
        }
        for (int s = 0; s < 4; ++s) {
            if (s == type) continue;
            const int lc = PickLowCardOfSuit(p, s);
            if (!IsTop(p, lc)) continue;
            const int nh = NextLowerInSuit(p, lc, false);
            if (pts + Points(lc) > 60 || nh == NO_CARD || IsTopCard(p, nh, lc, -1)) {
                int card = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
                if (IsCard(nh) && Points(nh) < Points(card)) card = nh;
                st.Settle(card);
            }
            break;
        }
        return;
    }
    // 3. As many trumps out as his: the top trump, or the step-4 cases.
    bool toFour = false;
    if (t.O == t.H) {
        if (t.H >= 2 && IsTop(p, top)) {
            if (t.H == 2) {
                const int rs = CCardChoosers(p).ChooseCardByRunScore(true);
                if (IsCard(rs) && !IsTop(p, rs))
                    toFour = true;
                else
                    st.Settle(top);
            } else if (IsTopCard(p, PickTrumpBelow(p, top), top, -1)) {
                st.Settle(top);
            } else {
                const int rs = CCardChoosers(p).ChooseCardByRunScore(true);
                if (IsTop(p, rs)) st.Settle(rs);
                return;
            }
        } else if (t.H == 1) {
            if (IsTop(p, top)) {
                const int rs = CCardChoosers(p).ChooseCardByRunScore(true);
                if (IsTop(p, rs)) st.Settle(rs);
            }
            return;
        } else {
            toFour = true;
        }
    }
    if (st.settled || !toFour) return;
    // 4. Both defenders may hold trumps: a low card or trump when the top trump is not his.
    if (!both) return;
    const int lc = CCardChoosers(p).ChooseLeadOrLastCard(-1);
    const int tc = CCardChoosers(p).GetHeldRankNeighbour(lc, -1);
    if (!IsTop(p, top)) {
        if (t.H < 4) {
            int c = IsJack(top) ? CCardChoosers(p).ChooseLowTrump() : NO_CARD;
            if (c == NO_CARD) c = (Order(lc) == 5 && IsCard(tc)) ? tc : lc;
            st.Settle(c);
        }
    } else if (t.H > 2 || IsCard(lc)) {
        int c = PickLowestInSuit(p, -1, false);
        for (int s = 0; s < 4; ++s) {
            if (s == type) continue;
            const int low = PickLowCardOfSuit(p, s);
            if (IsCard(low) && !IsTop(p, low) && p.CountInSuit(s) > 2) {
                const int below = NextLowerInSuit(p, low, false);
                if (IsCard(below)) c = below;
                break;
            }
        }
        st.Settle(c);
    }
}

// Stage VI: the fallback; always ends with a card while the hand holds one.
void StageFallback(CPlayer& p, const Terms& t, LeadState& st) {
    const int type = t.type;
    const int g = CCardChoosers(p).ChooseCardGeneral(0, 0);
    st.companion = g;
    int card = NO_CARD;
    // 1. Three Jacks and more trumps than Jacks: a random Jack.
    if (t.J >= 3 && t.H > t.J) card = PickRandomJack(p, 0);
    // 2. Few trumps, or no more than are out: a low trump to draw, or the highest trump.
    if (card == NO_CARD && (t.H < 3 || t.H <= t.O)) {
        if (t.H >= 4 && g == NO_CARD) {
            const int l = PickLowestInSuit(p, -1, false);
            int list[11];
            const int n = CollectSuit(p, type, false, list);
            int x = NO_CARD;
            for (int i = n - 1; i >= 0 && Order(list[i]) < 4; --i) x = list[i];
            int a = PickCardAboveInTrumps(p, x, false);
            if (IsCard(a) && Order(a) <= 4) {
                card = a;
            } else if (IsCard(a)) {
                a = PickCardAboveInTrumps(p, l, false);
                card = (IsSuitSafe(p, l, -1, -1) && IsCard(a) && !IsSuitSafe(p, a, l, -1) && Order(a) < 3) ? a : l;
            }
            if (IsCard(card)) {
                const int r = CCardChoosers(p).ChooseLowTrump();
                if (IsCard(r) && !IsJack(r) && Order(r) > Order(card)) card = r;
            }
            if (t.J > 0 && Points(card) >= 10) card = PickRandomJack(p, 0);
        }
    } else if (card == NO_CARD && t.H >= 3 && t.H > t.O) {
        // 3. No general choice: a trump of his top run, or a random Jack when it is not top.
        card = g == NO_CARD ? PickHighestInSuit(p, -1, false) : NO_CARD;
        if (!IsTop(p, card)) card = CCardChoosers(p).ChooseCardWithRandomJack(card, true);
    }
    // 4. A side card not top gives way to the lead or last card, or a cheap Jack.
    if (IsCard(card) && !IsTrump(card)) {
        if (!IsTop(p, card)) {
            const int lead = CCardChoosers(p).ChooseLeadOrLastCard(-1);
            if (IsCard(lead)) {
                card = lead;
            } else {
                const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
                if (IsCard(cj) && Points(cj) < 10) card = cj;
            }
        } else if (Holds(p, type, ACE) && Holds(p, type, TEN)) {
            int run = NO_CARD;
            static const int kRun[5] = {KING, QUEEN, NINE, EIGHT, SEVEN};
            for (int rank : kRun) {
                if (!Holds(p, type, rank)) break;
                run = TrumpSuitCard(rank);
            }
            card = IsCard(run) ? run : card;
        } else {
            card = PickHighestInSuit(p, -1, false);
        }
    }
    // 5. Fewer than five trumps dealt: the lead or last card instead.
    if (IsCard(card) && t.dealtTrumps < 5) card = CCardChoosers(p).ChooseLeadOrLastCard(-1);
    // 6. None yet: the general choice, else the top trump to pass 60, else the lead by score.
    if (card == NO_CARD) card = g;
    if (card == NO_CARD) {
        const int top = PickHighestInSuit(p, -1, true);
        const int pts = g_Game.PartyPoints[0];
        const int lowOut = LowestCardOutInSuit(p, type);
        if (IsTop(p, top) && t.O < 3 && pts < 61 && pts + Points(lowOut) + Points(top) > 60) {
            card = top;
        } else {
            const int s = CCardChoosers(p).ChooseCardByScore(4, -1, false);
            card = CCardChoosers(p).ChooseLeadOrLastCard(-1);
            const int lead2 = CCardChoosers(p).ChooseSoloistLead2();
            if (IsCard(lead2) && t.H < t.O && IsCard(card) && p.CountInSuit(SuitOf(card)) == 1) card = lead2;
            if (card == NO_CARD) card = CCardChoosers(p).ChooseCardByScore(11, s, false);
            if (Order(card) > 4 && (t.O < t.H || IsTop(p, card)) && t.O > 2 && t.H > 2) {
                const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
                if (IsCard(cj) && Order(cj) < 5) card = cj;
            }
        }
    }
    st.Settle(card);
}

}  // namespace

int CSuitSoloistPlay::PlaySuitSoloistLead() {
    // 1. A committed card is led at once while he still holds it.
    if (me.forcedCard != 0) {
        const int forced = std::abs(me.forcedCard);
        me.forcedCard = 0;
        if (me.HasCard(forced)) return me.FinishStrategy(forced, EPILOGUE_SUIT_LEAD);
    }
    // 2. The cascade.
    const Terms t(me);
    LeadState st;
    bool plain = false;
    if (t.H == g_Game.TrumpCount) StageNoTrumpOut(me, t, st);
    if (!st.settled && !st.toStageSix) StageDrawTrumps(me, t, st);
    if (!st.settled && !st.toStageSix && t.O == 0) StageLongSuit(me, t, st);
    if (!st.settled && !st.toStageSix && t.O > 0) {
        StageTrumpsOut(me, t, st, plain);
        if (!st.settled && !st.toStageSix) StageRemaining(me, t, st);
    }
    if (!st.settled) StageFallback(me, t, st);
    int card = st.card;
    // 3./4. The card plan beside a companion, and an equal Jack below a Jack.
    if (!st.atOnce) {
        if (IsCard(st.companion)) {
            const int planned = CTrickCardChoice(me).ChooseTrickCard(-1, card, true);
            if (IsCard(planned) && planned != me.forcedCard) card = planned;
        }
        if (IsJack(card)) card = CCardChoosers(me).PickRandomDownRun(card);
    }
    // 5. The closing steps.
    return me.FinishStrategy(AllowedOrLastStep(me, card, FALLBACK_SOLOIST),
                             plain ? EPILOGUE_PLAIN : EPILOGUE_SUIT_LEAD);
}
