// The Ramsch lead: honour or drop a card committed earlier, go on after winning a trick in the
// suit led there or with the Jacks, search over Jacks, planned cards and the Ramsch choosers, and
// correct the chosen card at the end. The fewest card points win; the four Jacks are the trumps.

#include "computer/play/StrategyHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Trick.h"

#include <cstdlib>

struct CPlayer::RamschLeadState {
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

int CPlayer::PlayRamschLead() {
    const int cnt = count;
    RamschLeadState st;
    // A committed card no longer held is dropped where it is read.
    if (forcedCard != 0 && !IsHeld(*this, std::abs(forcedCard))) forcedCard = 0;

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
            const int low = ChooseCardByScore(4, NO_CARD, false);
            if (low != NO_CARD) r = low;
        }
        st.r = r;
    } else {
        RamschLeadSearch(st);
    }
    r = st.r;

    // Phase 6, the closing steps.
    // 1.
    if (r != forcedCard) {
        forcedCard = 0;
    } else if (st.p != NO_CARD && st.cand != NO_CARD && !(st.p == st.cand && st.cand == r)) {
        forcedCard = 0;
    }
    // 2.
    if (r == NO_CARD) {
        const int q = ChooseCardByMode(9, -1);
        if (q != NO_CARD && cnt != 2) {
            const int played = IsSuitIndex(SuitOf(q)) ? handInfo.PlayedSuitCount[SuitOf(q)] : 0;
            r = played == 1 ? PickLowestInSuit(SuitOf(q), true) : played > 1 ? q : NO_CARD;
        }
    }
    int keptAlternative = NO_CARD;
    if (r == NO_CARD) {
        // 3.
        const int q9 = ChooseCardByMode(9, -1);
        const int q7 = ChooseCardByMode(7, -1);
        r = ChooseRamschCard(st.v, false, false);
        const int h = GetNextHigherHeld(r);
        if (h != NO_CARD && !IsTopCard(h, -1, -1)) r = h;
        if (r != NO_CARD) {
            if (q7 != NO_CARD && CountInSuit(SuitOf(q7)) < 3 && CountInSuit(SuitOf(r)) > 2) {
                keptAlternative = q7;
                r = q7;
            }
            if (q9 != NO_CARD && CountInSuit(SuitOf(r)) == 2 && IsRank(PickLowestInSuit(SuitOf(r), true), SEVEN))
                r = q9;
        }
        if (r == NO_CARD || CountInSuit(SuitOf(r)) > 2) {
            // 4.
            r = ChooseRamschCard3(1);
            if (OrderOf(r) > 2) {
                const int seven = ChooseRamschCard3(7);
                if (seven != NO_CARD) r = seven;
            }
            int list[11];
            if (r != NO_CARD && CollectSuit(SuitOf(r), false, list) == 1 && (IsRank(list[0], TEN) || IsRank(list[0], ACE))) {
                const int e = ChooseCardByScore2(SuitOf(r));
                if (e != NO_CARD && IsSuitSafe(e, -1, -1) && CollectSuit(SuitOf(e), false, nullptr) > 1) {
                    r = e;
                    keptAlternative = e;
                }
            }
        }
        // 5.
        if (r == NO_CARD) {
            r = keptAlternative;
            if (r == NO_CARD) r = ChooseRamschCard3(4);
            if (r == NO_CARD) r = ChooseRamschLead(0);
        }
    }
    // 6.
    if (st.v != NO_CARD && r != st.v) {
        const int t = ChooseTrickCard(-1, r, true);
        if (t != NO_CARD) r = t;
    }
    if (r == NO_CARD) r = ChooseRamschCard2(NO_CARD);
    // 7.
    return FinishStrategy(r, EPILOGUE_PLAIN);
}

int CPlayer::RamschLeadForcedCard() {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    const int fc = forcedCard, fcc = ForcedCardCount;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    if (fc < 0) {
        const int c = -fc;
        if (!safe(c)) {
            // 1a.
            const int jk = PickRandomJack(0);
            if ((J == 3 && T != 3 && safe(jk)) || (T > J && top(jk)) || (J == 1 && !safe(jk))) return jk;
            forcedCard = 0;
            return c;
        }
        // 1b.
        const int suit = SuitOf(c);
        const int n = CollectSuit(suit, false, nullptr);
        if (n == 0) return NO_CARD;
        if (n == 1 || CountInSuit(suit) <= 1) {
            forcedCard = 0;
            return c;
        }
        for (int s = 0; s < 4; ++s)
            if (CountInSuit(s) > 1 && Holds(*this, s, SEVEN)) return NO_CARD;
        forcedCard = 0;
        return c;
    }
    if (fc > 0 && fcc > cnt) {
        // 1c.
        const int suit = SuitOf(fc);
        return CollectSuit(suit, false, nullptr) == 1 ? PickLowestInSuit(suit, true) : fc;
    }
    if (fc > 0) {
        // 1d.
        const int r0 = ChooseRamschCard(0, false, false);
        if (r0 == fc) forcedCard = 0;
        if (r0 != NO_CARD && OrderOf(r0) <= 2) return r0;
        if (J >= 1 && J < T) {
            const int jk = PickJack(-1);
            if (top(jk)) {
                const int jb = PickTrumpBelow(jk);
                if (jb == NO_CARD || IsTopCard(jb, jk, -1)) return jk;
            }
        }
        if (forcedCard != 0) {
            const int out = CollectSuit(SuitOf(fc), false, nullptr);
            if (out > 1 || (out == 1 && OrderOf(fc) < 3)) {
                forcedCard = 0;
                return fc;
            }
        }
    }
    return NO_CARD;
}

int CPlayer::RamschLeadAfterWin(int& cand) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    const int m = cnt == 10 ? -1 : g_Knowledge.TrickLeadSuit;
    if (g_Game.TrickWinner != seat || m == -1) return NO_CARD;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    bool flag = false;
    if (m == GAME_RAMSCH) return RamschLeadAfterJackTrick(cand);
    if (!IsSuitIndex(m)) return NO_CARD;
    const int low = PickLowestInSuit(m, true);
    const int held = CountInSuit(m);
    if (held == 0) return NO_CARD;  // 2d
    if (held == 1) {
        if (PointsOf(low) >= 10) {
            // 2b.
            if (cnt > 5) return NO_CARD;
            return ChooseTrickCard2(flag, low);
        }
        // 2c.
        const int t = ChooseTrickCard2(flag, NO_CARD);
        if (flag) return t;
        cand = t;
    }
    // 2e.
    int n = 0;
    int r = RamschLeadInWonSuit(m, low, n, cand);
    // 3.
    if (r != NO_CARD && IsSuitIndex(SuitOf(r)) && handInfo.DealtSuitCount[SuitOf(r)] > 3) {
        const int t = ChooseTrickCard2(flag, NO_CARD);
        const int h2 = GetNextHigherHeld(t);
        if (h2 != NO_CARD && n != 2) r = top(h2) || PointsOf(h2) == 10 ? GetNextLowerHeld(h2) : h2;
        if (PointsOf(h2) == 10) {
            for (int s = 0; s < 4; ++s) {
                if (CountInSuit(s) == 1 && Holds(*this, s, SEVEN) && CollectSuit(s, false, nullptr) > 0) {
                    r = CardCodeOf(SEVEN, s);
                    break;
                }
            }
        }
    }
    // 4. The Jacks.
    if (J > 0 && J != T) {
        if (r == NO_CARD) return NO_CARD;
        const int jk = PickJack(-1);
        if (J == 1 && !safe(jk)) {
            r = jk;
        } else if (top(jk)) {
            const int jr = PickRandomJack(-1);
            if (OrderOf(jk) - OrderOf(jr) <= 1) r = jr;
        }
    }
    return r;
}

// 2a: a Jack was led to the trick won.
int CPlayer::RamschLeadAfterJackTrick(int& cand) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    int r0 = ChooseRamschCard(-1, false, false);
    if (r0 != NO_CARD && !IsSuitSafe(PickLowestInSuit(SuitOf(r0), true), -1, -1)) r0 = NO_CARD;
    const int jr = J == T ? NO_CARD : PickRandomJack(0);
    cand = jr;
    if (r0 != NO_CARD) return r0;
    if (J != T && IsSuitSafe(jr, -1, -1)) return jr;
    return NO_CARD;
}

// 2e, 1. and 2.: the suit of the trick won, by the number of its cards still out (n, -1 once the
// low card is chosen, 0 once another suit is).
int CPlayer::RamschLeadInWonSuit(int m, int low, int& n, int& cand) {
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    bool flag = false;
    int list[11];
    n = CollectSuit(m, false, list);
    int r = NO_CARD;
    // 1.
    if (n == 1 || n == 2) {
        const int o = list[n - 1];
        if (OrderOf(o) <= 4) {
            if (safe(o)) {
                r = PickLowestInSuit(m, true);
                n = -1;
            }
        } else {
            n = 0;
            r = ChooseRamschCard(-1, false, false);
            if (r == NO_CARD) {
                r = ChooseCardByMode(2, m);
                if (r == NO_CARD || SuitOf(r) == m) {
                    r = ChooseCardByScore2(m);
                    if (r != NO_CARD && !MayHoldSuit(NextSeat(seat), SuitOf(r)) &&
                        !MayHoldSuit(PreviousSeat(seat), SuitOf(r)))
                        r = PickLowestInSuit(m, true);
                }
            }
        }
    }
    // 2.
    if (n == 1) {
        if (safe(low)) {
            r = low;
        } else {
            const int t = ChooseTrickCard2(flag, NO_CARD);
            if (t != NO_CARD && SuitOf(t) != m) {
                r = t;
                if (PointsOf(low) <= 4) CommitCard(low);
            } else if (t != NO_CARD && flag) {
                r = t;
            } else {
                cand = PickLowestInSuit(m, true);
            }
        }
    } else if (n == 2) {
        if (cnt == 2) {
            r = low;
        } else {
            const int h = PickHighestInSuit(m, true);
            if ((CountInSuit(m) == 1 && safe(low)) || (!top(h) && !safe(low))) {
                r = h;
                CommitCard(low);
            }
        }
    } else if (n == 3 && CountInSuit(m) == 1) {
        if (safe(low)) r = low;
        else cand = low;
    }
    return r;
}

// Phases 3 to 5: candidates, the trick-card search and the verification.
void CPlayer::RamschLeadSearch(RamschLeadState& st) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& p = st.p;
    int& v = st.v;
    int& pj = st.pj;
    p = ChooseCardByMode(2, -1);
    const bool passedOn = seat >= 0 && seat < 3 && g_Game.SkatPassedOnBySeat[seat] != 0;

    // Phase 3, candidates.
    bool toPhase4 = false;
    bool to3d = false;
    if (cand == NO_CARD && J == 0) {
        cand = ChooseCardByMode(5, -1);
        to3d = true;
    } else if (cand == NO_CARD && J > 0) {
        v = ChooseRamschCard(-1, false, false);
        pj = PickJack(0);
        const int rj = PickRandomJack(0);
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
            // 3c.
            cand = Holds(*this, CLUBS, JACK) ? PickRandomJack(0) : PickJack(0);
            if (v != NO_CARD) {
                r = ChooseRamschCard(-1, false, false);
            } else if (Holds(*this, SPADES, JACK) && Holds(*this, DIAMONDS, JACK) && cnt < 9) {
                r = cand;
                CommitCard(PickRandomJack(0));
            }
        }
        if (passedOn && J > 0 && J < T) {
            // 3d.
            const int pj0 = PickJack(0), rj0 = PickRandomJack(0);
            if (!top(pj0) && !safe(rj0)) {
                r = GetNextLowerHeld(ChooseRamschCard(-1, true, true));
            } else {
                forcedCard = cand > 0 ? cand : 0;
                ForcedCardCount = cnt;
            }
        }
        if (r == NO_CARD && cand == NO_CARD) {
            // 3e.
            const int pj1 = PickJack(0);
            if (J == 1 && T > 1 && (pj1 == JackOf(CLUBS) || pj1 == JackOf(SPADES))) {
                r = cand = pj1;
            } else {
                cand = ChooseRamschLead2();
                if (cand != NO_CARD && held(SuitOf(cand)) < 5) r = cand;
            }
        }
        if (r == NO_CARD && cand != NO_CARD) r = cand;  // 3f
        if (r == NO_CARD) {
            // 3g.
            cand = ChooseRamschCard(-1, false, false);
            if (cand != NO_CARD && held(SuitOf(cand)) == 1) r = cand;
        }
        if (cand == NO_CARD) toPhase4 = true;
    }
    if (toPhase4 && !RamschLeadTrickSearch(st)) return;
    RamschLeadVerify(st);
}

// Phase 4; false when the lead ends here (phase 5 is skipped).
bool CPlayer::RamschLeadTrickSearch(RamschLeadState& st) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& t = st.t;
    RamschLeadTrickCandidates(st);
    // 3. and 4., only with a committed card.
    if (forcedCard != 0) RamschLeadWithCommitted(st);
    // 5.
    if (IsJack(r)) return true;
    if (cand == NO_CARD) {
        if (r != NO_CARD) return true;
    } else if (RamschLeadBelowCandidate(st)) {
        RamschLeadJackOrLowCard(st);  // 6
    }
    // 7.
    if (r == NO_CARD && forcedCard != 0) {
        if (cand != NO_CARD) {
            r = cand;
        } else {
            r = ChooseRamschCard(-1, false, false);
            const int below = NextLowerInSuit(r, false);
            if (below != NO_CARD && !safe(below)) r = NO_CARD;
        }
        if (PointsOf(r) >= 10 && J == 1 && J < T) {
            const int rj5 = PickRandomJack(0);
            if (!top(rj5)) r = rj5;
        }
        return true;
    }
    // 8.
    if (r == NO_CARD && forcedCard == 0) {
        if (!RamschJackTest(0, 10)) {
            if (cand != NO_CARD) cand = PickLowestInSuit(SuitOf(cand), false);
        } else if (t != NO_CARD && held(SuitOf(t)) > 0) {
            for (int s = 0; s < 4; ++s) {
                if (held(s) > 0 && IsSuitGuarded(s, 1, false) && EvaluateRamschHand(s)) {
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
void CPlayer::RamschLeadTrickCandidates(RamschLeadState& st) {
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& t = st.t;
    // 1.
    t = ChooseTrickCard2(st.flag, NO_CARD);
    if (t == NO_CARD) t = ChooseRamschCard(-1, false, false);
    st.v = t;
    if (t != NO_CARD && held(SuitOf(t)) >= 4 && Holds(*this, SuitOf(t), SEVEN) && Holds(*this, SuitOf(t), QUEEN))
        t = st.v = ChooseRamschCard(t, false, false);
    // 2.
    if (t != NO_CARD && (held(SuitOf(t)) <= 1 || CollectSuit(SuitOf(t), false, nullptr) <= 1)) {
        if (st.pj != NO_CARD && t != st.pj) r = PickLowestInSuit(SuitOf(t), true);
        else if (held(SuitOf(t)) == 1) r = t;
    } else {
        const int u = ChooseTrickCard2(st.flag, NO_CARD);
        st.cand = u;
        if (t != NO_CARD && PointsOf(u) > 4 && PointsOf(t) < PointsOf(u)) {
            st.cand = NO_CARD;
            st.p = NO_CARD;
        }
    }
}

// Phase 4, 3. and 4.: a committed card stays, gives way to a Jack, or is dropped.
void CPlayer::RamschLeadWithCommitted(RamschLeadState& st) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    const int rj2 = PickRandomJack(0);
    if ((J == 1 || J == 3) && J != T && safe(rj2)) {
        r = cand = rj2;
    } else if (J == 2 && J != T && st.pj == JackOf(CLUBS) && rj2 == JackOf(DIAMONDS)) {
        r = cand;
        cand = NO_CARD;
    } else {
        r = ChooseRamschCard3(7);
        if (r != NO_CARD) {
            const int s = SuitOf(r);
            if (held(s) < 4 && (Holds(*this, s, ACE) || Holds(*this, s, TEN))) r = NO_CARD;
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
            forcedCard = 0;
            if (J > 0 && J < T && top(PickJack(0))) r = NO_CARD;
        }
    }
    if (r == NO_CARD && J > 0 && J < T) {
        r = PickRandomJack(0);
        cand = NO_CARD;
        forcedCard = 0;
    }
    if (r == NO_CARD && cnt - J == 2 && forcedCard > 0) r = forcedCard;
}

// Phase 4, 5. with a candidate: the card below it; false when the lead goes on at 7.
bool CPlayer::RamschLeadBelowCandidate(RamschLeadState& st) {
    const int J = handInfo.JackCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    int& r = st.r;
    int& cand = st.cand;
    st.jk = PickJack(-1);
    if (!top(st.jk) && st.t != NO_CARD) {
        r = st.t;
        cand = NO_CARD;
        return false;
    }
    st.rj3 = PickRandomJack(-1);
    const int hb = NextLowerInSuit(cand, false);
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
void CPlayer::RamschLeadJackOrLowCard(RamschLeadState& st) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    if (!IsJack(cand) && handInfo.PlayStatusSummary == 9 && J == 2 && J != T) {
        r = st.jk;
        st.p = NO_CARD;
    } else if (cand != NO_CARD && held(SuitOf(cand)) > 2 && J == 1 && !safe(st.jk)) {
        r = st.jk;
        st.p = NO_CARD;
    }
    if (r == NO_CARD && (cnt == 10 || safe(st.v))) {
        r = ChooseCardByMode(8, -1);
        if (J > 0 && J < T) {
            const int jk2 = PickJack(-1);
            cand = jk2;
            auto playTopJack = [&]() {
                if (top(jk2)) {
                    forcedCard = 0;
                    st.p = NO_CARD;
                    r = jk2;
                }
            };
            if (J == 1) {
                playTopJack();
            } else if (J == 2) {
                if (!safe(st.rj3)) playTopJack();
                else if (T == 4 && Holds(*this, SPADES, JACK) && Holds(*this, DIAMONDS, JACK)) r = jk2;
                else if ((Holds(*this, CLUBS, JACK) && Holds(*this, HEARTS, JACK)) || (forcedCard != 0 && safe(st.rj3)))
                    r = st.rj3;
            } else if (J == 3) {
                const int rj4 = PickRandomJack(0);
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
void CPlayer::RamschLeadVerify(RamschLeadState& st) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& p = st.p;
    int& v = st.v;
    // 1.
    if (r != NO_CARD && r != cand) {
        if (p == NO_CARD) return;
        int list[11];
        const int out = CollectSuit(SuitOf(p), false, list);
        if ((held(SuitOf(p)) > 1 && out != 2) || safe(p)) {
            r = p;
            return;
        }
        r = p;
        const int low = PickLowestInSuit(SuitOf(p), true);
        if (PointsOf(p) >= 10 && out <= 2 && held(SuitOf(p)) >= 4 && safe(low)) r = low;
        if (J == 1 && J < T) {
            const int rj6 = PickRandomJack(0);
            if (top(rj6)) r = rj6;
        }
        return;
    }
    // 2.
    if (p != NO_CARD) {
        r = p;
        return;
    }
    bool jackRulesOnly = false;
    bool lastJackRule = false;
    if (forcedCard != 0) {
        lastJackRule = true;
    } else {
        r = cand;
        if (r != NO_CARD) return;
        if (v == NO_CARD) v = ChooseRamschCard(0, false, false);
        if (v != NO_CARD && held(SuitOf(v)) == 1 && OrderOf(v) <= 4 && !top(PickJack(-1))) {
            r = v;
            if (cnt != 10) return;
            jackRulesOnly = true;
        }
    }
    // 3.
    if (!lastJackRule && !jackRulesOnly && v != NO_CARD && IsSuitIndex(SuitOf(v))) RamschLeadLowCardAnalysis(st);
    // 4.
    if (!lastJackRule && J > 0 && J < T && !IsJack(r)) RamschLeadJackRules(st, lastJackRule);
    if (lastJackRule && r == NO_CARD && J == 1 && Holds(*this, CLUBS, JACK)) r = PickJack(0);
    // 5.
    if (r == NO_CARD) RamschLeadLastChoice(st);
}

// Phase 5, 3.: the low-card analysis of v's suit.
void CPlayer::RamschLeadLowCardAnalysis(RamschLeadState& st) {
    const int J = handInfo.JackCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    int& p = st.p;
    int& v = st.v;
    const int s = SuitOf(v);
    p = v;
    const int k = held(s);
    int list[11];
    const int n = CollectSuit(s, false, list);
    const int lo = PickLowestInSuit(s, true);
    int lowCard = lo;
    if (n == 2) {
        if (!safe(lo)) {
            if (top(v)) {
                p = v = lo;
            } else if (k >= 5) {
                const int below = NextLowerInSuit(list[0], false);
                if (below != NO_CARD) cand = v = below;
            }
        } else {
            const int h = NextHigherInSuit(lo);
            if (h != NO_CARD) {
                p = v = h;
                lowCard = h;
            }
        }
        if (J + k == cnt) r = v;
        if (cand != NO_CARD) {
            if (!IsJack(r) && (k >= 3 || CountSuitsWithLowCards() == 2)) {
                r = v;
            } else if (k == 2 && safe(lowCard)) {
                v = NO_CARD;
                p = cand;
            }
        }
    } else if (n >= 3) {
        if ((k == 2 && !safe(lo)) || (k > 2 && safe(lo) && IsSuitSafe(NO_CARD, lo, -1))) p = v = lo;
        if (k < 3 || OrderOf(PickLowCardOfSuit(s)) < OrderOf(CardCodeOf(TEN, s))) cand = v;
    }
}

// Phase 5, 4.: the Jack rules; lastJackRule when only the last of them may still play a Jack.
void CPlayer::RamschLeadJackRules(RamschLeadState& st, bool& lastJackRule) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    const int v = st.v;
    const int rj7 = PickRandomJack(-1), jk7 = PickJack(-1);
    if (J == 3) {
        if (safe(rj7)) r = rj7;
        else if (top(jk7)) r = PickJack(0);
    } else if (!(J == 2 && T == 4)) {
        if (!top(jk7)) {
            r = PickJack(0);
        } else if (!safe(rj7)) {
            if (forcedCard != 0) {
                r = rj7;
                forcedCard = 0;
            }
        } else if ((v != NO_CARD && held(SuitOf(v)) == 1) || forcedCard != 0) {
            r = v;
        } else {
            r = rj7;
        }
    }
    if (r == NO_CARD) RamschLeadJackWithoutCard(st, lastJackRule);
}

// Phase 5, 4., when the Jack rules above chose no card: by the number of Jacks held and out.
void CPlayer::RamschLeadJackWithoutCard(RamschLeadState& st, bool& lastJackRule) {
    const int J = handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = count;
    auto safe = [&](int card) { return IsSuitSafe(card, -1, -1); };
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    const int v = st.v;
    if (J == 1) {
        const int jack = PickJack(-1);
        if (!safe(jack)) {
            r = cnt == T - 1 && cnt != 1 ? ChooseCardByRunScore(true) : jack;
            if (r == NO_CARD) r = jack;
        } else if (cand == NO_CARD || PointsOf(cand) >= 10 || IsSuitGuarded(SuitOf(cand), 3, false)) {
            cand = jack;
            lastJackRule = true;
        }
    } else if (J == 2 && T == 3) {
        const int rj8 = PickRandomJack(0);
        if (safe(rj8)) {
            const int mode1 = ChooseCardByMode(1, -1);
            if (mode1 > 0) r = rj8;
            else if (cand == NO_CARD) cand = rj8;
        }
    } else if (J == 2 && T == 4) {
        const int ra = PickRandomJack(-1), ja = PickJack(-1);
        auto coin = [&]() { return CoinTails() ? ja : ra; };
        if (ra == JackOf(DIAMONDS)) {
            const int candHeld = cand != NO_CARD ? held(SuitOf(cand)) : 0;
            if (candHeld == 1) {
                r = cand;
            } else if (candHeld == 2) {
                r = NextHigherInSuit(cand);
            } else if (ja == JackOf(CLUBS)) {
                if (ChooseCardByMode(9, -1) != NO_CARD) r = ra;
                else if (GetTrickCount(seat) == 10 - cnt) r = ja;
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
        r = st.flag && cand != NO_CARD ? cand : PickRandomJack(0);
    }
}

// Phase 5, 5.: the candidate, else v, lowered where the suit allows it.
void CPlayer::RamschLeadLastChoice(RamschLeadState& st) {
    const int J = handInfo.JackCount;
    const int cnt = count;
    auto held = [&](int suit) { return CountInSuit(suit); };
    int& r = st.r;
    int& cand = st.cand;
    const int p = st.p;
    const int v = st.v;
    if (IsJack(cand)) {
        const bool keep = AreLowerJacksGone(cand) || ChooseCardByMode(2, -1) != NO_CARD ||
                          ChooseCardByMode(4, -1) != NO_CARD || ChooseRamschCard3(7) != NO_CARD;
        if (!keep) cand = p;
    } else {
        cand = p;
    }
    if (cand != NO_CARD) {
        cand = GetNextLowerHeld(cand);
        if (OrderOf(cand) >= 5 || (J == 0 && cnt >= 9 && held(SuitOf(cand)) > 1)) {
            for (int s = 0; s < 4; ++s) {
                if (held(s) > 0 && IsSuitGuarded(s, 1, false) && EvaluateRamschHand(s)) {
                    const int c = ChooseRamschCard3(7);
                    if (c != NO_CARD) cand = c;
                    break;
                }
            }
        }
    }
    r = cand != NO_CARD ? cand : v;
    if (r != NO_CARD && !IsJack(r)) {
        if (CollectSuit(SuitOf(r), false, nullptr) == 1 || (PointsOf(r) > 4 && cnt < 4))
            r = PickLowestInSuit(SuitOf(r), true);
    }
}
