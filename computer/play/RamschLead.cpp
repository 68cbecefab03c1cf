// The Ramsch lead: honour or drop a card committed earlier, go on after winning a trick in the
// suit led there or with the Jacks, search over Jacks, planned cards and the Ramsch choosers, and
// correct the chosen card at the end. The fewest card points win; the four Jacks are the trumps.

#include "computer/play/CardChoosers.h"
#include "computer/play/RamschPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "computer/play/TrickCardChoice.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Trick.h"

#include <cstdlib>

struct CRamschPlay::RamschLeadState {
    int r = NO_CARD;
    int cand = NO_CARD;
    int p = NO_CARD;
    int v = NO_CARD;
    int pj = NO_CARD;
    int t = NO_CARD;
    int jk = NO_CARD;
    int rj3 = NO_CARD;
    bool flag = false;   // the firm-choice flag of the trick-card search
    bool toPhase6 = false;
};

int CRamschPlay::PlayRamschLead() {
    const int cnt = me.count;
    RamschLeadState st;
    // A committed card no longer held is dropped where it is read.
    if (me.forcedCard != 0 && !IsHeld(me, std::abs(me.forcedCard))) me.forcedCard = 0;

    // Phase 1, the forced card.
    int r = RamschLeadForcedCard();
    bool phase1 = r != NO_CARD;
    if (!phase1) {
        // Phase 2, after winning the previous trick.
        r = RamschLeadAfterWin(st.cand);
        phase1 = r != NO_CARD;
    }
    if (phase1) {
        // 1e: with two cards left no card of more than 4 points.
        if (cnt < 3 && PointsOf(r) > 4) {
            const int low = CCardChoosers(me).ChooseCardByScore(4, NO_CARD, false);
            if (low != NO_CARD) r = low;
        }
        st.r = r;
    } else {
        RamschLeadSearch(st);
    }
    r = st.r;

    // Phase 6, the closing steps.
    // 1. A committed card not led, or led beside another candidate, is dropped.
    if (r != me.forcedCard) {
        me.forcedCard = 0;
    } else if (st.p != NO_CARD && st.cand != NO_CARD && !(st.p == st.cand && st.cand == r)) {
        me.forcedCard = 0;
    }
    // 2. No card yet: the mode-9 card, or the lowest of its suit when the suit was played once.
    if (r == NO_CARD) {
        const int q = CTrickCardChoice(me).ChooseCardByMode(9, -1);
        if (q != NO_CARD && cnt != 2) {
            const int played = IsSuitIndex(SuitOf(q)) ? me.handInfo.PlayedSuitCount[SuitOf(q)] : 0;
            r = played == 1 ? me.PickLowestInSuit(SuitOf(q), true) : played > 1 ? q : NO_CARD;
        }
    }
    int keptAlternative = NO_CARD;
    if (r == NO_CARD) {
        // 3. Still none: the Ramsch card, raised to the held card above it unless that is top; a short suit's
        // mode-7 card, or the mode-9 card over a doubleton under a Seven.
        const int q9 = CTrickCardChoice(me).ChooseCardByMode(9, -1);
        const int q7 = CTrickCardChoice(me).ChooseCardByMode(7, -1);
        r = ChooseRamschCard(st.v, false, false);
        const int h = me.GetNextHigherHeld(r);
        if (h != NO_CARD && !me.IsTopCard(h, -1, -1)) r = h;
        if (r != NO_CARD) {
            if (q7 != NO_CARD && me.CountInSuit(SuitOf(q7)) < 3 && me.CountInSuit(SuitOf(r)) > 2) {
                keptAlternative = q7;
                r = q7;
            }
            if (q9 != NO_CARD && me.CountInSuit(SuitOf(r)) == 2 && IsRank(me.PickLowestInSuit(SuitOf(r), true), SEVEN))
                r = q9;
        }
        if (r == NO_CARD || me.CountInSuit(SuitOf(r)) > 2) {
            // 4. A long suit or none: the lowest Ramsch card, a Seven when higher; a lone Ten or Ace out gives
            // way to a safe card of a suit with two or more out.
            r = ChooseRamschCard3(1);
            if (OrderOf(r) > 2) {
                const int seven = ChooseRamschCard3(7);
                if (seven != NO_CARD) r = seven;
            }
            int list[11];
            if (r != NO_CARD && me.CollectSuit(SuitOf(r), false, list) == 1 &&
                (IsRank(list[0], TEN) || IsRank(list[0], ACE))) {
                const int e = CCardChoosers(me).ChooseCardByScore2(SuitOf(r));
                if (e != NO_CARD && me.IsSuitSafe(e, -1, -1) && me.CollectSuit(SuitOf(e), false, nullptr) > 1) {
                    r = e;
                    keptAlternative = e;
                }
            }
        }
        // 5. Still none: the kept alternative, a Ramsch card by mode 4, or the Ramsch lead.
        if (r == NO_CARD) {
            r = keptAlternative;
            if (r == NO_CARD) r = ChooseRamschCard3(4);
            if (r == NO_CARD) r = ChooseRamschLead(0);
        }
    }
    // 6. A card other than v gives way to the trick card beside it; else the last Ramsch choice.
    if (st.v != NO_CARD && r != st.v) {
        const int t = CTrickCardChoice(me).ChooseTrickCard(-1, r, true);
        if (t != NO_CARD) r = t;
    }
    if (r == NO_CARD) r = ChooseRamschCard2(NO_CARD);
    // 7. The card, finished as the plain play does.
    return me.FinishStrategy(r, EPILOGUE_PLAIN);
}

int CRamschPlay::RamschLeadForcedCard() {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    const int fc = me.forcedCard, fcc = me.ForcedCardCount;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    if (fc < 0) {
        const int c = -fc;
        if (!safe(c)) {
            // 1a. A dropped card whose suit is not safe: a Jack when it fits, else that card, dropped.
            const int jk = me.PickRandomJack(0);
            if ((J == 3 && T != 3 && safe(jk)) || (T > J && top(jk)) || (J == 1 && !safe(jk))) return jk;
            me.forcedCard = 0;
            return c;
        }
        // 1b. A safe suit: the card when one is out or it is his last; kept while a Seven guards a suit.
        const int suit = SuitOf(c);
        const int n = me.CollectSuit(suit, false, nullptr);
        if (n == 0) return NO_CARD;
        if (n == 1 || me.CountInSuit(suit) <= 1) {
            me.forcedCard = 0;
            return c;
        }
        for (int s = 0; s < 4; ++s)
            if (me.CountInSuit(s) > 1 && Holds(me, s, SEVEN)) return NO_CARD;
        me.forcedCard = 0;
        return c;
    }
    if (fc > 0 && fcc > cnt) {
        // 1c. Committed at a later lead: the suit's lowest when one card is out, else the card.
        const int suit = SuitOf(fc);
        return me.CollectSuit(suit, false, nullptr) == 1 ? me.PickLowestInSuit(suit, true) : fc;
    }
    if (fc > 0) {
        // 1d. Committed for now: a low Ramsch card, a sure top Jack, or the card while more are out.
        const int r0 = ChooseRamschCard(0, false, false);
        if (r0 == fc) me.forcedCard = 0;
        if (r0 != NO_CARD && OrderOf(r0) <= 2) return r0;
        if (J >= 1 && J < T) {
            const int jk = me.PickJack(-1);
            if (top(jk)) {
                const int jb = me.PickTrumpBelow(jk);
                if (jb == NO_CARD || me.IsTopCard(jb, jk, -1)) return jk;
            }
        }
        if (me.forcedCard != 0) {
            const int out = me.CollectSuit(SuitOf(fc), false, nullptr);
            if (out > 1 || (out == 1 && OrderOf(fc) < 3)) {
                me.forcedCard = 0;
                return fc;
            }
        }
    }
    return NO_CARD;
}

int CRamschPlay::RamschLeadAfterWin(int& cand) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    const int m = cnt == 10 ? -1 : g_Knowledge.TrickLeadSuit;
    if (g_Game.TrickWinner != me.seat || m == -1) return NO_CARD;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    bool flag = false;
    if (m == GAME_RAMSCH) return RamschLeadAfterJackTrick(cand);
    if (!IsSuitIndex(m)) return NO_CARD;
    const int low = me.PickLowestInSuit(m, true);
    const int held = me.CountInSuit(m);
    if (held == 0) return NO_CARD;  // 2d: the suit is gone from his hand
    if (held == 1) {
        if (PointsOf(low) >= 10) {
            // 2b. His last card of the suit a Ten or Ace: the trick card, late in the game only.
            if (cnt > 5) return NO_CARD;
            return CTrickCardChoice(me).ChooseTrickCard2(flag, low);
        }
        // 2c. His last card of the suit: the trick card leads when sure, else stands as candidate.
        const int t = CTrickCardChoice(me).ChooseTrickCard2(flag, NO_CARD);
        if (flag) return t;
        cand = t;
    }
    // 2e. The suit of the trick won.
    int n = 0;
    int r = RamschLeadInWonSuit(m, low, n, cand);
    // 3. A long suit dealt: the held card above the trick card, or below it when top or a Ten; a
    // lone Seven leads instead beside a Ten.
    if (r != NO_CARD && IsSuitIndex(SuitOf(r)) && me.handInfo.DealtSuitCount[SuitOf(r)] > 3) {
        const int t = CTrickCardChoice(me).ChooseTrickCard2(flag, NO_CARD);
        const int h2 = me.GetNextHigherHeld(t);
        if (h2 != NO_CARD && n != 2) r = top(h2) || PointsOf(h2) == 10 ? me.GetNextLowerHeld(h2) : h2;
        if (PointsOf(h2) == 10) {
            for (int s = 0; s < 4; ++s) {
                if (me.CountInSuit(s) == 1 && Holds(me, s, SEVEN) && me.CollectSuit(s, false, nullptr) > 0) {
                    r = CardCodeOf(SEVEN, s);
                    break;
                }
            }
        }
    }
    // 4. The Jacks.
    if (J > 0 && J != T) {
        if (r == NO_CARD) return NO_CARD;
        const int jk = me.PickJack(-1);
        if (J == 1 && !safe(jk)) {
            r = jk;
        } else if (top(jk)) {
            const int jr = me.PickRandomJack(-1);
            if (OrderOf(jk) - OrderOf(jr) <= 1) r = jr;
        }
    }
    return r;
}

// 2a: a Jack was led to the trick won.
int CRamschPlay::RamschLeadAfterJackTrick(int& cand) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    int r0 = ChooseRamschCard(-1, false, false);
    if (r0 != NO_CARD && !me.IsSuitSafe(me.PickLowestInSuit(SuitOf(r0), true), -1, -1)) r0 = NO_CARD;
    const int jr = J == T ? NO_CARD : me.PickRandomJack(0);
    cand = jr;
    if (r0 != NO_CARD) return r0;
    if (J != T && me.IsSuitSafe(jr, -1, -1)) return jr;
    return NO_CARD;
}

// 2e, 1. and 2.: the suit of the trick won, by the number of its cards still out (n, -1 once the
// low card is chosen, 0 once another suit is).
int CRamschPlay::RamschLeadInWonSuit(int m, int low, int& n, int& cand) {
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    bool flag = false;
    int list[11];
    n = me.CollectSuit(m, false, list);
    int r = NO_CARD;
    // 1. One or two of the suit out: the lowest when the last out is low and the suit safe; a high one
    // out turns to another suit's Ramsch card.
    if (n == 1 || n == 2) {
        const int o = list[n - 1];
        if (OrderOf(o) <= 4) {
            if (safe(o)) {
                r = me.PickLowestInSuit(m, true);
                n = -1;
            }
        } else {
            n = 0;
            r = ChooseRamschCard(-1, false, false);
            if (r == NO_CARD) {
                r = CTrickCardChoice(me).ChooseCardByMode(2, m);
                if (r == NO_CARD || SuitOf(r) == m) {
                    r = CCardChoosers(me).ChooseCardByScore2(m);
                    if (r != NO_CARD && !me.MayHoldSuit(NextSeat(me.seat), SuitOf(r)) &&
                        !me.MayHoldSuit(PreviousSeat(me.seat), SuitOf(r)))
                        r = me.PickLowestInSuit(m, true);
                }
            }
        }
    }
    // 2. By the cards out: the low card when safe, else the trick card, the low card committed; with
    // two out the highest, the low card committed.
    if (n == 1) {
        if (safe(low)) {
            r = low;
        } else {
            const int t = CTrickCardChoice(me).ChooseTrickCard2(flag, NO_CARD);
            if (t != NO_CARD && SuitOf(t) != m) {
                r = t;
                if (PointsOf(low) <= 4) CommitCard(low);
            } else if (t != NO_CARD && flag) {
                r = t;
            } else {
                cand = me.PickLowestInSuit(m, true);
            }
        }
    } else if (n == 2) {
        if (cnt == 2) {
            r = low;
        } else {
            const int h = me.PickHighestInSuit(m, true);
            if ((me.CountInSuit(m) == 1 && safe(low)) || (!top(h) && !safe(low))) {
                r = h;
                CommitCard(low);
            }
        }
    } else if (n == 3 && me.CountInSuit(m) == 1) {
        if (safe(low)) r = low;
        else cand = low;
    }
    return r;
}

// Phases 3 to 5: candidates, the trick-card search and the verification.
void CRamschPlay::RamschLeadSearch(RamschLeadState& st) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& p = st.p;
    int& v = st.v;
    int& pj = st.pj;
    p = CTrickCardChoice(me).ChooseCardByMode(2, -1);
    const bool passedOn = me.seat >= 0 && me.seat < 3 && g_Game.SkatPassedOnBySeat[me.seat] != 0;

    // Phase 3, candidates.
    bool toPhase4 = false;
    bool to3d = false;
    if (cand == NO_CARD && J == 0) {
        cand = CTrickCardChoice(me).ChooseCardByMode(5, -1);
        to3d = true;
    } else if (cand == NO_CARD && J > 0) {
        v = ChooseRamschCard(-1, false, false);
        pj = me.PickJack(0);
        const int rj = me.PickRandomJack(0);
        if (J == 1 && T > 1 && !safe(rj)) {
            r = rj;
            toPhase4 = true;
        } else if (v != NO_CARD && !top(pj)) {
            cand = p != NO_CARD ? p : v;
            pj = NO_CARD;
        } else if (T - J == 1 && !safe(rj)) {
            r = rj;
            p = NO_CARD;
            toPhase4 = true;
        }
    }
    if (!toPhase4) {
        if (!to3d && J == 2 && T == 4) {
            // 3c. Two Jacks of four: a Jack as candidate; the Ramsch card leads, or the Jack with the next
            // committed when he holds both low Jacks early.
            cand = Holds(me, CLUBS, JACK) ? me.PickRandomJack(0) : me.PickJack(0);
            if (v != NO_CARD) {
                r = ChooseRamschCard(-1, false, false);
            } else if (Holds(me, SPADES, JACK) && Holds(me, DIAMONDS, JACK) && cnt < 9) {
                r = cand;
                CommitCard(me.PickRandomJack(0));
            }
        }
        if (passedOn && J > 0 && J < T) {
            // 3d. The skat passed on to him, with some of the Jacks: below the Ramsch card when his Jacks are
            // weak, else the candidate committed.
            const int pj0 = me.PickJack(0), rj0 = me.PickRandomJack(0);
            if (!top(pj0) && !safe(rj0)) {
                r = me.GetNextLowerHeld(ChooseRamschCard(-1, true, true));
            } else {
                me.forcedCard = cand > 0 ? cand : 0;
                me.ForcedCardCount = cnt;
            }
        }
        if (r == NO_CARD && cand == NO_CARD) {
            // 3e. No card yet: a high single Jack, else the second Ramsch lead while its suit is short.
            const int pj1 = me.PickJack(0);
            if (J == 1 && T > 1 && (pj1 == JackOf(CLUBS) || pj1 == JackOf(SPADES))) {
                r = cand = pj1;
            } else {
                cand = ChooseRamschLead2();
                if (cand != NO_CARD && held(SuitOf(cand)) < 5) r = cand;
            }
        }
        if (r == NO_CARD && cand != NO_CARD) r = cand;  // 3f: the candidate leads
        if (r == NO_CARD) {
            // 3g. Still none: the Ramsch card when it is his last of its suit.
            cand = ChooseRamschCard(-1, false, false);
            if (cand != NO_CARD && held(SuitOf(cand)) == 1) r = cand;
        }
        if (cand == NO_CARD) toPhase4 = true;
    }
    if (toPhase4 && !RamschLeadTrickSearch(st)) return;
    RamschLeadVerify(st);
}

// Phase 4; false when the lead ends here (phase 5 is skipped).
bool CRamschPlay::RamschLeadTrickSearch(RamschLeadState& st) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& t = st.t;
    RamschLeadTrickCandidates(st);
    // 3. and 4., only with a committed card.
    if (me.forcedCard != 0) RamschLeadWithCommitted(st);
    // 5. A Jack leads; without a candidate any card leads; with one, the card below it, else step 6.
    if (IsJack(r)) return true;
    if (cand == NO_CARD) {
        if (r != NO_CARD) return true;
    } else if (RamschLeadBelowCandidate(st)) {
        RamschLeadJackOrLowCard(st);  // 6: a Jack or a low card
    }
    // 7. No card while one is committed: the candidate or a safe Ramsch card; a rich card gives way to
    // a single Jack not top.
    if (r == NO_CARD && me.forcedCard != 0) {
        if (cand != NO_CARD) {
            r = cand;
        } else {
            r = ChooseRamschCard(-1, false, false);
            const int below = me.NextLowerInSuit(r, false);
            if (below != NO_CARD && !safe(below)) r = NO_CARD;
        }
        if (PointsOf(r) >= 10 && J == 1 && J < T) {
            const int rj5 = me.PickRandomJack(0);
            if (!top(rj5)) r = rj5;
        }
        return true;
    }
    // 8. No card and none committed: the candidate lowered without the Jack test, or a guarded suit's
    // low card with it.
    if (r == NO_CARD && me.forcedCard == 0) {
        if (!me.RamschJackTest(0, 10)) {
            if (cand != NO_CARD) cand = me.PickLowestInSuit(SuitOf(cand), false);
        } else if (t != NO_CARD && held(SuitOf(t)) > 0) {
            for (int s = 0; s < 4; ++s) {
                if (held(s) > 0 && me.IsSuitGuarded(s, 1, false) && EvaluateRamschHand(s)) {
                    const int c = ChooseRamschCard3(7);
                    if (c != NO_CARD) cand = c;
                    break;
                }
            }
        }
    }
    return true;
}

// Phase 4, 1. and 2.: the card that gives the lead away and the candidate beside it.
void CRamschPlay::RamschLeadTrickCandidates(RamschLeadState& st) {
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& t = st.t;
    // 1. The trick card that gives the lead away, else the Ramsch card; a long suit with Seven and
    // Queen asks the Ramsch card beside it.
    t = CTrickCardChoice(me).ChooseTrickCard2(st.flag, NO_CARD);
    if (t == NO_CARD) t = ChooseRamschCard(-1, false, false);
    st.v = t;
    if (t != NO_CARD && held(SuitOf(t)) >= 4 && Holds(me, SuitOf(t), SEVEN) && Holds(me, SuitOf(t), QUEEN))
        t = st.v = ChooseRamschCard(t, false, false);
    // 2. A short suit or one card out: its lowest or the card; else a second trick card as candidate,
    // unless it costs more.
    if (t != NO_CARD && (held(SuitOf(t)) <= 1 || me.CollectSuit(SuitOf(t), false, nullptr) <= 1)) {
        if (st.pj != NO_CARD && t != st.pj) r = me.PickLowestInSuit(SuitOf(t), true);
        else if (held(SuitOf(t)) == 1) r = t;
    } else {
        const int u = CTrickCardChoice(me).ChooseTrickCard2(st.flag, NO_CARD);
        st.cand = u;
        if (t != NO_CARD && PointsOf(u) > 4 && PointsOf(t) < PointsOf(u)) {
            st.cand = NO_CARD;
            st.p = NO_CARD;
        }
    }
}

// Phase 4, 3. and 4.: a committed card stays, gives way to a Jack, or is dropped.
void CRamschPlay::RamschLeadWithCommitted(RamschLeadState& st) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    const int rj2 = me.PickRandomJack(0);
    if ((J == 1 || J == 3) && J != T && safe(rj2)) {
        r = cand = rj2;
    } else if (J == 2 && J != T && st.pj == JackOf(CLUBS) && rj2 == JackOf(DIAMONDS)) {
        r = cand;
        cand = NO_CARD;
    } else {
        r = ChooseRamschCard3(7);
        if (r != NO_CARD) {
            const int s = SuitOf(r);
            if (held(s) < 4 && (Holds(me, s, ACE) || Holds(me, s, TEN))) r = NO_CARD;
        }
        if (r != NO_CARD && (J == 1 || J == 3) && J != T && !safe(rj2)) {
            CommitCard(r);
            r = rj2;
        }
    }
    if (!IsJack(r) && cand != NO_CARD) {
        if (r != NO_CARD) {
            if (cand == st.t) r = cand;
            cand = NO_CARD;
            me.forcedCard = 0;
            if (J > 0 && J < T && top(me.PickJack(0))) r = NO_CARD;
        }
    }
    if (r == NO_CARD && J > 0 && J < T) {
        r = me.PickRandomJack(0);
        cand = NO_CARD;
        me.forcedCard = 0;
    }
    if (r == NO_CARD && cnt - J == 2 && me.forcedCard > 0) r = me.forcedCard;
}

// Phase 4, 5. with a candidate: the card below it; false when the lead goes on at 7.
bool CRamschPlay::RamschLeadBelowCandidate(RamschLeadState& st) {
    const int J = me.handInfo.JackCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    int& r = st.r;
    int& cand = st.cand;
    st.jk = me.PickJack(-1);
    if (!top(st.jk) && st.t != NO_CARD) {
        r = st.t;
        cand = NO_CARD;
        return false;
    }
    st.rj3 = me.PickRandomJack(-1);
    const int hb = me.NextLowerInSuit(cand, false);
    st.v = hb != NO_CARD ? hb : cand;
    if (cnt <= 2) {
        if (hb != NO_CARD) r = hb;
    } else if (hb != NO_CARD && top(cand) && safe(hb)) {
        if ((J == 1 || J == 3) && !safe(st.rj3)) r = cand = st.rj3;
        else if (J == 2 && !top(st.jk)) r = st.jk;
        else r = ChooseRamschCard3(7);
    }
    return true;
}

// Phase 4, 6.: a Jack ahead of the candidate, or the low card of a suit that can give the lead away.
void CRamschPlay::RamschLeadJackOrLowCard(RamschLeadState& st) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    if (!IsJack(cand) && me.handInfo.PlayStatusSummary == 9 && J == 2 && J != T) {
        r = st.jk;
        st.p = NO_CARD;
    } else if (cand != NO_CARD && held(SuitOf(cand)) > 2 && J == 1 && !safe(st.jk)) {
        r = st.jk;
        st.p = NO_CARD;
    }
    if (r == NO_CARD && (cnt == 10 || safe(st.v))) {
        r = CTrickCardChoice(me).ChooseCardByMode(8, -1);
        if (J > 0 && J < T) {
            const int jk2 = me.PickJack(-1);
            cand = jk2;
            auto playTopJack = [&]() {
                if (top(jk2)) {
                    me.forcedCard = 0;
                    st.p = NO_CARD;
                    r = jk2;
                }
            };
            if (J == 1) {
                playTopJack();
            } else if (J == 2) {
                if (!safe(st.rj3)) playTopJack();
                else if (T == 4 && Holds(me, SPADES, JACK) && Holds(me, DIAMONDS, JACK)) r = jk2;
                else if ((Holds(me, CLUBS, JACK) && Holds(me, HEARTS, JACK)) || (me.forcedCard != 0 && safe(st.rj3)))
                    r = st.rj3;
            } else if (J == 3) {
                const int rj4 = me.PickRandomJack(0);
                cand = rj4;
                if (!safe(rj4)) {
                    st.p = NO_CARD;
                    r = rj4;
                }
            }
        }
    }
}

// Phase 5, the verification.
void CRamschPlay::RamschLeadVerify(RamschLeadState& st) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& p = st.p;
    int& v = st.v;
    // 1. A card chosen beside the candidate yields to the mode-2 card p, lowered or a top single Jack
    // where the suit is risky.
    if (r != NO_CARD && r != cand) {
        if (p == NO_CARD) return;
        int list[11];
        const int out = me.CollectSuit(SuitOf(p), false, list);
        if ((held(SuitOf(p)) > 1 && out != 2) || safe(p)) {
            r = p;
            return;
        }
        r = p;
        const int low = me.PickLowestInSuit(SuitOf(p), true);
        if (PointsOf(p) >= 10 && out <= 2 && held(SuitOf(p)) >= 4 && safe(low)) r = low;
        if (J == 1 && J < T) {
            const int rj6 = me.PickRandomJack(0);
            if (top(rj6)) r = rj6;
        }
        return;
    }
    // 2. The mode-2 card p, else the candidate, else a low single card v.
    if (p != NO_CARD) {
        r = p;
        return;
    }
    bool jackRulesOnly = false;
    bool lastJackRule = false;
    if (me.forcedCard != 0) {
        lastJackRule = true;
    } else {
        r = cand;
        if (r != NO_CARD) return;
        if (v == NO_CARD) v = ChooseRamschCard(0, false, false);
        if (v != NO_CARD && held(SuitOf(v)) == 1 && OrderOf(v) <= 4 && !top(me.PickJack(-1))) {
            r = v;
            if (cnt != 10) return;
            jackRulesOnly = true;
        }
    }
    // 3. The low-card analysis of v's suit.
    if (!lastJackRule && !jackRulesOnly && v != NO_CARD && IsSuitIndex(SuitOf(v))) RamschLeadLowCardAnalysis(st);
    // 4. The Jack rules; the Clubs Jack as the last of them.
    if (!lastJackRule && J > 0 && J < T && !IsJack(r)) RamschLeadJackRules(st, lastJackRule);
    if (lastJackRule && r == NO_CARD && J == 1 && Holds(me, CLUBS, JACK)) r = me.PickJack(0);
    // 5. The last choice.
    if (r == NO_CARD) RamschLeadLastChoice(st);
}

// Phase 5, 3.: the low-card analysis of v's suit.
void CRamschPlay::RamschLeadLowCardAnalysis(RamschLeadState& st) {
    const int J = me.handInfo.JackCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& p = st.p;
    int& v = st.v;
    const int s = SuitOf(v);
    p = v;
    const int k = held(s);
    int list[11];
    const int n = me.CollectSuit(s, false, list);
    const int lo = me.PickLowestInSuit(s, true);
    int lowCard = lo;
    if (n == 2) {
        if (!safe(lo)) {
            if (top(v)) {
                p = v = lo;
            } else if (k >= 5) {
                const int below = me.NextLowerInSuit(list[0], false);
                if (below != NO_CARD) cand = v = below;
            }
        } else {
            const int h = me.NextHigherInSuit(lo);
            if (h != NO_CARD) {
                p = v = h;
                lowCard = h;
            }
        }
        if (J + k == cnt) r = v;
        if (cand != NO_CARD) {
            if (!IsJack(r) && (k >= 3 || me.CountSuitsWithLowCards() == 2)) {
                r = v;
            } else if (k == 2 && safe(lowCard)) {
                v = NO_CARD;
                p = cand;
            }
        }
    } else if (n >= 3) {
        if ((k == 2 && !safe(lo)) || (k > 2 && safe(lo) && me.IsSuitSafe(NO_CARD, lo, -1))) p = v = lo;
        if (k < 3 || OrderOf(me.PickLowCardOfSuit(s)) < OrderOf(CardCodeOf(TEN, s))) cand = v;
    }
}

// Phase 5, 4.: the Jack rules; lastJackRule when only the last of them may still play a Jack.
void CRamschPlay::RamschLeadJackRules(RamschLeadState& st, bool& lastJackRule) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return me.IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    const int v = st.v;
    const int rj7 = me.PickRandomJack(-1), jk7 = me.PickJack(-1);
    if (J == 3) {
        if (safe(rj7)) r = rj7;
        else if (top(jk7)) r = me.PickJack(0);
    } else if (!(J == 2 && T == 4)) {
        if (!top(jk7)) {
            r = me.PickJack(0);
        } else if (!safe(rj7)) {
            if (me.forcedCard != 0) {
                r = rj7;
                me.forcedCard = 0;
            }
        } else if ((v != NO_CARD && held(SuitOf(v)) == 1) || me.forcedCard != 0) {
            r = v;
        } else {
            r = rj7;
        }
    }
    if (r == NO_CARD) RamschLeadJackWithoutCard(st, lastJackRule);
}

// Phase 5, 4., when the Jack rules above chose no card: by the number of Jacks held and out.
void CRamschPlay::RamschLeadJackWithoutCard(RamschLeadState& st, bool& lastJackRule) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    auto safe = [&](int card) { return me.IsSuitSafe(card, -1, -1); };
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    const int v = st.v;
    if (J == 1) {
        const int jack = me.PickJack(-1);
        if (!safe(jack)) {
            r = cnt == T - 1 && cnt != 1 ? CCardChoosers(me).ChooseCardByRunScore(true) : jack;
            if (r == NO_CARD) r = jack;
        } else if (cand == NO_CARD || PointsOf(cand) >= 10 || me.IsSuitGuarded(SuitOf(cand), 3, false)) {
            cand = jack;
            lastJackRule = true;
        }
    } else if (J == 2 && T == 3) {
        const int rj8 = me.PickRandomJack(0);
        if (safe(rj8)) {
            const int mode1 = CTrickCardChoice(me).ChooseCardByMode(1, -1);
            if (mode1 > 0) r = rj8;
            else if (cand == NO_CARD) cand = rj8;
        }
    } else if (J == 2 && T == 4) {
        const int ra = me.PickRandomJack(-1), ja = me.PickJack(-1);
        auto coin = [&]() { return CoinTails() ? ja : ra; };
        if (ra == JackOf(DIAMONDS)) {
            const int candHeld = cand != NO_CARD ? held(SuitOf(cand)) : 0;
            if (candHeld == 1) {
                r = cand;
            } else if (candHeld == 2) {
                r = me.NextHigherInSuit(cand);
            } else if (ja == JackOf(CLUBS)) {
                if (CTrickCardChoice(me).ChooseCardByMode(9, -1) != NO_CARD) r = ra;
                else if (GetTrickCount(me.seat) == 10 - cnt) r = ja;
                else if (cand != NO_CARD) r = cand;
                else r = coin();
            } else if (ja == JackOf(SPADES)) {
                r = ja;
            } else {
                r = v != NO_CARD ? v : coin();
            }
        } else if (ja == JackOf(CLUBS) && ra == JackOf(HEARTS)) {
            r = cand != NO_CARD ? cand : ra;
        } else {
            r = coin();
        }
    } else if (J == 3) {
        r = st.flag && cand != NO_CARD ? cand : me.PickRandomJack(0);
    }
}

// Phase 5, 5.: the candidate, else v, lowered where the suit allows it.
void CRamschPlay::RamschLeadLastChoice(RamschLeadState& st) {
    const int J = me.handInfo.JackCount;
    const int cnt = me.count;
    auto held = [&](int suit) { return me.CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    const int p = st.p;
    const int v = st.v;
    if (IsJack(cand)) {
        const bool keep = me.AreLowerJacksGone(cand) || CTrickCardChoice(me).ChooseCardByMode(2, -1) != NO_CARD ||
                          CTrickCardChoice(me).ChooseCardByMode(4, -1) != NO_CARD || ChooseRamschCard3(7) != NO_CARD;
        if (!keep) cand = p;
    } else {
        cand = p;
    }
    if (cand != NO_CARD) {
        cand = me.GetNextLowerHeld(cand);
        if (OrderOf(cand) >= 5 || (J == 0 && cnt >= 9 && held(SuitOf(cand)) > 1)) {
            for (int s = 0; s < 4; ++s) {
                if (held(s) > 0 && me.IsSuitGuarded(s, 1, false) && EvaluateRamschHand(s)) {
                    const int c = ChooseRamschCard3(7);
                    if (c != NO_CARD) cand = c;
                    break;
                }
            }
        }
    }
    r = cand != NO_CARD ? cand : v;
    if (r != NO_CARD && !IsJack(r)) {
        if (me.CollectSuit(SuitOf(r), false, nullptr) == 1 || (PointsOf(r) > 4 && cnt < 4))
            r = me.PickLowestInSuit(SuitOf(r), true);
    }
}
