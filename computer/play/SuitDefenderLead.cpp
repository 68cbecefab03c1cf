// The suit-game defender's lead: a committed card, the suit the partner asked for, following up
// the previous trick, a kept top card; the trumps while the soloist sits next; then the side
// suits: small cards where the soloist must follow, top cards and the card below them, forcing
// the soloist to ruff, a suit to give up, and at last the trump count-down.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "model/Player.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/play/SuitPlayTerms.h"

using namespace suit;

namespace {

// The side suits he holds, in suit order.
template <class Visit>
void ForHeldSideSuits(const CPlayer& p, Visit visit) {
    for (int s = 0; s < 4; ++s)
        if (s != g_Game.GameType && p.CountInSuit(s) > 0) visit(s);
}

// The words of one lead, shared by its steps.
struct LeadWords {
    CPlayer& p;
    bool soloistNext;
    int mate;  // the other defender
    int trumpsHeld;
    int trumpsOut;               // the trumps not yet played that he does not hold
    int highestTrump;            // his highest trump, -1 none
    int kept = NO_CARD;          // a card kept for a later lead
    int candidate = NO_CARD;     // the card that leads unless a step finds a better one
    int runScoreCard = NO_CARD;  // the run-score card of step 6, read again in step 8
};

// Step 3.5, the trump count-down while the soloist sits next: his top trumps while they stand
// above all the others', else the trump that draws theirs. -1 when no trump fits.
int TrumpCountDown(LeadWords& w) {
    CPlayer& p = w.p;
    const int u = w.highestTrump;
    int A[11], B[11];
    const int h = CollectSuit(p, g_Game.GameType, true, A);
    const int k = CollectSuit(p, g_Game.GameType, false, B);
    // An entry beyond the list ranks below every card.
    auto b = [&](int i) { return i < k ? B[i] : NO_CARD; };
    int i0 = 0;
    if (k > 0 && h >= k) {
        const int m = k < 2 ? k : 2;
        bool above = true;
        for (int i = 0; i < m; ++i) above = above && Order(A[i]) > Order(B[0]);
        if (above) return m == 1 ? A[0] : (CoinHeads() ? A[0] : A[1]);
        if (h > 1) {
            const int j = h - 1;
            i0 = j;
            bool overAll = true;
            for (int i = 1; i <= j; ++i) overAll = overAll && Order(A[j]) > Order(b(i));
            if (IsJack(B[0]) && Points(A[j]) <= 4 && overAll) {
                int c = A[j];
                if (IsJack(c) || Points(c) >= 3) {
                    const int ace = PickCardAboveInTrumps(p, c, true);
                    if (GetCardRank(ace) == ACE) c = ace;
                    if (w.trumpsHeld > w.trumpsOut && IsTopCard(p, c, A[0], B[0])) {
                        const int jack = PickRandomJack(p, 0);
                        if (IsCard(jack)) return jack;
                    }
                } else {
                    return c;
                }
            }
        } else {
            i0 = m;
        }
    }
    const int x = (h < i0 ? h : i0) - 1;
    if (x >= 0 && !IsTop(p, B[0])) {
        int c = CCardChoosers(p).ChooseOpponentLeadTrial(-1);
        if (IsCard(c) && Order(c) > Order(B[0])) {
            for (int i = 1; i <= x; ++i) {
                if (Order(A[i]) >= Order(B[0])) continue;
                if (i == x) {
                    const int e = PickCardAboveInTrumps(p, b(x), true);
                    if (e != u && IsCard(e) && Points(e) <= 4) c = GetNextLowerHeld(p, e);
                }
                break;
            }
            if (IsCard(c)) return c;
        }
        return NO_CARD;
    }
    if (h > 1 && (h > k || h > 3) && Order(A[1]) > Order(b(1)) && Points(A[1]) < 4) return A[1];
    return NO_CARD;
}

// Step 1 of the defender's lead: the committed card or the suit the partner asked for, else the
// previous trick followed up; a card to keep for later may be found on the way.
int LeadAskedSuitOrFollowUp(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    const int u = w.highestTrump;
    if (g_Knowledge.PreferredSuit != -1) {
        if (IsCard(w.candidate)) return w.candidate;
        if (MayHoldSuit(p, w.mate, type)) w.kept = LowCardOfPlainSuit(p, g_Knowledge.PreferredSuit);
        if (g_Game.RealPlayFlag) g_Knowledge.PreferredSuit = -1;
    } else {
        const int last = g_Knowledge.TrickLeadSuit;
        if (p.seat == g_Game.TrickWinner && last != -1) {
            if (last == type) {
                if (w.trumpsHeld != g_Game.TrumpCount) {
                    if (w.trumpsHeld > w.trumpsOut && IsTop(p, u)) {
                        w.candidate = u;
                    } else if (w.trumpsHeld == w.trumpsOut) {
                        int A[11], B[11];
                        const int h = CollectSuit(p, type, true, A);
                        const int k = CollectSuit(p, type, false, B);
                        bool all = h > 0;
                        for (int i = 0; i < h; ++i) all = all && (k == 0 || Order(A[i]) > Order(B[0]));
                        if (all && IsTop(p, CCardChoosers(p).ChooseCardByRunScore(true))) w.candidate = A[0];
                    }
                }
            } else {
                w.kept = LowCardOfPlainSuit(p, last);
                if (IsCard(w.kept) && !IsTop(p, w.kept)) {
                    if (CollectSuit(p, last, false, nullptr) == 1) w.candidate = w.kept;
                    else if (Points(w.kept) > 4) w.kept = HeldBelow(p, w.kept);
                }
            }
        }
        if (IsCard(w.candidate)) return w.candidate;
    }
    return NO_CARD;
}

// Step 2 of the defender's lead, with a kept card that is top: that card, unless his trumps lead
// first (the trump below his highest when both are top and he holds four or more, or his top
// trump against the last one out).
int LeadKeptTopCard(LeadWords& w) {
    CPlayer& p = w.p;
    const int u = w.highestTrump;
    const int b = PickTrumpBelow(p, u);
    if (w.trumpsHeld > 3 && IsTopCard(p, b, u, -1)) return b;
    if (w.trumpsHeld == 1 && w.trumpsOut == 1 && IsTop(p, u)) return u;
    return w.kept;
}

// Step 3 of the defender's lead: the trumps while the soloist sits next; -1 goes on with the side
// suits.
int LeadTrumpsWhileSoloistNext(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    const int u = w.highestTrump;
    if (!w.soloistNext || w.trumpsHeld == 0 || w.trumpsOut == 0) return NO_CARD;
    const int lowest = PickLowestInSuit(p, -1, true);
    if (!IsTop(p, u)) {
        if (w.trumpsHeld > 1 && w.trumpsOut <= w.trumpsHeld && MayHoldSuit(p, w.mate, type) && IsCard(lowest) &&
            Order(lowest) < 5)
            return lowest;
        return NO_CARD;
    }
    if (p.count == 2) return u;
    if (w.trumpsHeld >= w.trumpsOut) {
        const int r = CCardChoosers(p).ChooseCardByRunScore(true);
        const int b = PickTrumpBelow(p, u);
        w.candidate = NO_CARD;
        if (w.trumpsOut != 1 && (w.trumpsHeld != 1 || !IsTop(p, r)) && !IsTopCard(p, b, u, -1)) {
            for (int s = 0; s < 4; ++s) {
                if (s == type || p.CountInSuit(s) == 0 || !IsTop(p, HighestOfPlainSuit(p, s))) continue;
                if (w.trumpsOut < 3) {
                    p.forcedCard = HighestOfPlainSuit(p, s);
                    p.ForcedCardCount = p.count;
                    w.candidate = u;
                } else {
                    w.candidate = HighestOfPlainSuit(p, s);
                }
                break;
            }
        } else {
            w.candidate = u;
        }
        if (w.trumpsHeld >= 4 && IsCard(lowest) && Points(lowest) < 10) w.candidate = lowest;
        if (IsCard(w.candidate)) return w.candidate;
    }
    // 3.4 Nothing but trumps: the trump below the top; as many trumps as the others: a card of a side
    // suit; else a general choice, while he holds two trumps or more but no more than the others.
    if (w.trumpsHeld == p.count) {
        const int b = PickTrumpBelow(p, u);
        if (IsCard(b)) return b;
    } else if (w.trumpsHeld == w.trumpsOut && w.trumpsHeld > 1) {
        const int c = CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
        if (IsCard(c)) return c;
    } else {
        int c = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
        if (c == NO_CARD) c = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (IsCard(c) && w.trumpsHeld > 1 && w.trumpsHeld <= w.trumpsOut) return c;
    }
    // 3.5 The trump count-down.
    const int c = TrumpCountDown(w);
    if (IsCard(c)) return c;
    // 3.6 A card of a side suit for the soloist to follow.
    return CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
}

// Steps 4 and 5 of the defender's lead: small cards and top cards of the side suits, chosen by
// the trump holding.
int LowAndTopCards(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    // 4.1 No trumps left out: the lead or the last card.
    if (g_Game.TrumpCount == 0) {
        const int c = CCardChoosers(p).ChooseLeadOrLastCard(-1);
        if (IsCard(c)) return c;
    }
    // 4.2 The partner's suit signal.
    const int signalled = PickLowCardAnySuit(p, p.NextSuitFromMask());
    if (IsCard(signalled)) return signalled;
    // 4.3 A side-suit card; with the soloist next, the card below his best top card first.
    int c = NO_CARD;
    if (!w.soloistNext) {
        c = CCardChoosers(p).ChooseOpponentLeadSuit2();
    } else {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            const int top = HighestOfPlainSuit(p, s);
            if (IsTop(p, top)) best.Offer(top, Points(top));
        });
        const int run = GetNextLowerHeld(p, best.card);
        if (IsCard(run)) return run;
        c = CCardChoosers(p).ChooseOpponentLeadSuit();
    }
    // 4.4 A card without points gives way to the held card below the next above it, if under a Ten.
    if (IsCard(c) && Points(c) == 0) {
        const int b = GetNextLowerHeld(p, HeldAbove(p, c));
        if (IsCard(b) && Points(b) < 10) c = b;
    }
    // 4.5 After Kontra an Ace gives way.
    if (g_Game.KontraState != KONTRA_NONE && GetCardRank(c) == ACE) c = CCardChoosers(p).ChooseTrumpGameCard(true);
    // 4.6 The card chosen, else a general choice, else the card below a suit to smear.
    if (IsCard(c)) return c;
    c = CCardChoosers(p).ChooseCardGeneral(false, false);
    if (IsCard(c)) return c;
    c = GetNextLowerHeld(p, CCardChoosers(p).PickSuitToSchmier(false));
    if (IsCard(c)) return c;
    // 4.7 With the soloist next: a small card not top, of a side suit the others hold one card of, its Ace
    // still out and the partner able to trump.
    if (w.soloistNext) {
        for (int s = 0; s < 4; ++s) {
            if (s == type || p.CountInSuit(s) == 0) continue;
            const int sm = LowCardOfPlainSuit(p, s);
            if (IsTop(p, sm) || IsCardGone(s, ACE, p.seat) || !MayHoldSuit(p, w.mate, type) ||
                CollectSuit(p, s, false, nullptr) != 1)
                continue;
            if (IsCard(sm)) return sm;
            break;
        }
    }
    // Step 5, by the trump holding.
    const int q = p.handInfo.TrumpTotal > w.trumpsHeld ? p.handInfo.TrumpTotal : w.trumpsHeld;
    if (IsCard(w.kept) && q <= 2) {
        int B[11];
        const int k = CollectSuit(p, SuitOf(w.kept), false, B);
        if (k == 0 || IsTop(p, w.kept) || (k > 1 && Order(w.kept) < Order(B[1]))) return w.kept;
    } else if (q >= 4) {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            if (p.CountInSuit(s) < 3 && SoloistMayHold(p, s)) return;
            const int l = LowCardOfPlainSuit(p, s);
            if (IsCard(l) && Points(l) < 5) best.Offer(l, p.CountInSuit(s) + Points(l));
        });
        if (IsCard(best.card)) return best.card;
    }
    // 5.3 One trump out against his two or more: a Jack at random.
    if (w.trumpsOut == 1 && w.trumpsHeld >= 2) {
        const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        return cj;  // -1 goes on at step 6
    }
    if (w.trumpsOut >= 3) return NO_CARD;
    // 5.4 A low card that is top or that the soloist cannot follow, the fewest points first.
    RunningBest best;
    ForHeldSideSuits(p, [&](int s) {
        const int l = LowCardOfPlainSuit(p, s);
        if (IsTop(p, l) || !SoloistMayHold(p, s)) best.Offer(l, 11 - Points(l));
    });
    if (IsCard(best.card)) {
        c = best.card;
        if (!SoloistMayHold(p, SuitOf(c))) return c;
        if (w.trumpsOut >= 1 && Points(c) >= 10 && p.count <= 4) {
            if (IsCard(HeldBelow(p, c))) c = HeldBelow(p, c);
            return c;
        }
    }
    // 5.5 A low top card of a suit the soloist may hold, the longest suit first.
    RunningBest fifth;
    ForHeldSideSuits(p, [&](int s) {
        const int l = LowCardOfPlainSuit(p, s);
        if (IsTop(p, l) && SoloistMayHold(p, s)) fifth.Offer(l, p.CountInSuit(s));
    });
    return fifth.card;
}

// Steps 6 to 8 of the defender's lead: the trump position, the top cards of long suits, and the
// run-score choice.
int TrumpPositionAndLongSuits(LeadWords& w) {
    CPlayer& p = w.p;
    const int u = w.highestTrump;
    // Step 6: the run-score choice and the trumps, by the trump position.
    w.runScoreCard = CCardChoosers(p).ChooseCardByRunScore(true);
    if ((p.CountInSuit(SuitOf(w.runScoreCard)) >= 5 && w.trumpsHeld < 2) ||
        (IsCard(w.runScoreCard) && !SoloistMayHold(p, SuitOf(w.runScoreCard)) && Points(w.runScoreCard) > 4)) {
        w.kept = NO_CARD;
        w.runScoreCard = NO_CARD;
    }
    if (w.trumpsHeld < 2 || w.trumpsHeld <= w.trumpsOut) {
        if (w.trumpsHeld > 0 && w.trumpsOut == 1) {
            if (IsTop(p, u)) return u;
            if (IsTop(p, w.runScoreCard)) return w.runScoreCard;
        } else if (w.trumpsHeld > 3 && IsTop(p, u)) {
            int c = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
            if (c == NO_CARD) c = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(c)) {
                w.runScoreCard = NO_CARD;
                return c;
            }
        }
    } else {
        const int b = PickTrumpBelow(p, u);
        if (IsTop(p, u) && (IsTopCard(p, b, u, -1) || IsTop(p, w.runScoreCard) || w.trumpsOut <= 1)) return u;
        if (IsTop(p, w.runScoreCard) && w.trumpsOut <= 1) {
            const int lowest = PickLowestInSuit(p, -1, true);
            if (IsCard(lowest)) return lowest;
        }
        const int spare = CCardChoosers(p).ChooseSpareTrump(1);
        if (IsCard(spare)) return spare;
    }
    // Step 7: top cards of long suits.
    if (!w.soloistNext) {
        if (w.trumpsOut > 0) {
            const int c = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(c)) return c;
        }
    } else {
        RunningBest tops;
        ForHeldSideSuits(p, [&](int s) {
            const int top = HighestOfPlainSuit(p, s);
            if (p.CountInSuit(s) > 2 && IsTop(p, top)) tops.Offer(top, Order(top));
        });
        int X = tops.card;
        if (IsCard(X) && p.CountInSuit(SuitOf(X)) >= 4) {
            RunningBest kings;
            ForHeldSideSuits(p, [&](int s) {
                if (p.CountInSuit(s) >= 2 && Holds(p, s, TEN) && Holds(p, s, KING) && !Holds(p, s, ACE))
                    kings.Offer(CardCodeOf(KING, s), p.CountInSuit(s));
            });
            if (IsCard(kings.card)) X = kings.card;
        }
        if (X == NO_CARD) {
            RunningBest open;
            ForHeldSideSuits(p, [&](int s) {
                const int top = HighestOfPlainSuit(p, s);
                if (IsTop(p, top) && SoloistMayHold(p, s)) open.Offer(top, Order(top));
            });
            X = open.card;
        }
        const int thrown = g_Computer.ThrownOffSuit;
        if (w.trumpsOut > 0 && thrown != -1 && X == NO_CARD) X = LowestOfPlainSuit(p, thrown);
        if (w.trumpsOut > 0 && X == NO_CARD) X = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (IsCard(X)) return X;
        RunningBest weak;
        ForHeldSideSuits(p, [&](int s) {
            const int top = HighestOfPlainSuit(p, s);
            if (p.CountInSuit(s) >= 3 && (!IsTop(p, top) || !SoloistMayHold(p, s))) weak.Offer(top, Order(top));
        });
        int Y = weak.card;
        if (IsCard(Y)) {
            const int s = SuitOf(Y);
            if ((p.CountInSuit(s) >= 4 && !SoloistMayHold(p, s)) || MayHoldSuit(p, w.mate, s))
                Y = GetNextLowerHeld(p, HeldBelow(p, Y));
            if (IsCard(Y)) return Y;
        }
    }
    // Step 8: a top card of the run-score choice, its suit's low card committed after it.
    if (IsTop(p, w.runScoreCard)) {
        const int s = SuitOf(w.runScoreCard);
        if (p.CountInSuit(s) > 3) {
            if (IsTopCard(p, HeldBelow(p, w.runScoreCard), w.runScoreCard, -1) || !w.soloistNext) return w.runScoreCard;
        } else {
            const int low = LowestOfPlainSuit(p, s);
            if (IsCard(low)) {
                p.forcedCard = low;
                p.ForcedCardCount = p.count - 1;
            }
            return w.runScoreCard;
        }
    }
    return NO_CARD;
}

// Steps 9 to 12 of the defender's lead: a suit to give up, the candidate, the trump count-down and
// the last resort.
int GiveUpSuitAndCountDown(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    // Step 9: a suit to give up.
    int X = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (w.soloistNext || X == NO_CARD) X = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
    bool anew = X == NO_CARD;
    if (!anew) {
        const int s = SuitOf(X);
        const int n = p.CountInSuit(s);
        if ((n == 2 || n == 3) && Order(HighestOfPlainSuit(p, s)) < 4 && !IsCardGone(s, ACE, p.seat) &&
            !IsCardGone(s, TEN, p.seat))
            anew = true;
        else if (!MayHoldSuit(p, w.mate, s)) X = LowCardOfPlainSuit(p, s);
    }
    if (anew) {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            const int l = LowCardOfPlainSuit(p, s);
            if (IsTop(p, l) && SoloistMayHold(p, s)) best.Offer(l, Points(l) + (p.CountInSuit(s) > 3 ? 1 : 0));
        });
        X = best.card;
    }
    int P = NO_CARD;
    if (X == NO_CARD) {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            const int l = LowCardOfPlainSuit(p, s);
            if (IsCard(l) && GetCardRank(l) != ACE && !SoloistMayHold(p, s)) best.Offer(l, Points(l));
        });
        X = best.card;
        if (X == NO_CARD)
            X = w.soloistNext ? CCardChoosers(p).ChooseOpponentLeadSuit() : CCardChoosers(p).ChooseOpponentLeadSuit2();
        if (X == NO_CARD) {
            if (w.soloistNext) {
                const int g = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
                if (IsCard(g)) return g;
            }
            int Y = CCardChoosers(p).ChooseCardByScore(4, -1, true);
            if (SameSuit(Y, w.kept)) Y = w.kept;
            P = (w.trumpsHeld < 3 && p.count > 7 && IsCard(Y)) ? Y : w.kept;
        }
    }
    if (IsCard(X)) {
        P = X;
        if (w.trumpsHeld == 0 && (p.CountInSuit(SuitOf(X)) >= 3 || !SoloistMayHold(p, SuitOf(X))))
            P = IsCard(w.kept) ? w.kept : CCardChoosers(p).ChooseCardByScore(4, -1, false);
    }
    // Step 10: the candidate.
    if (IsCard(P)) return P;
    if (p.handInfo.TrumpTotal < 2) {
        if (IsCard(X)) return X;
        const int last = g_Knowledge.TrickLeadSuit;
        if (p.count < 10 && last != type) {
            const int c = LowCardOfPlainSuit(p, last);
            if (IsCard(c)) return c;
        }
    }
    const int* dealt = p.handInfo.DealtSuitCount;
    auto dealtOf = [dealt](int card) { return dealt[SuitOf(card)]; };
    if (!w.soloistNext) {
        int c = CCardChoosers(p).ChooseOpponentLeadSuit2();
        if (IsCard(c) && IsTop(p, HighestOfPlainSuit(p, SuitOf(c)))) c = HighestOfPlainSuit(p, SuitOf(c));
        if (IsCard(c)) {
            if (IsCard(X) && dealtOf(c) >= 3 && dealtOf(c) >= dealtOf(X)) c = X;
            return c;
        }
    } else {
        int c = CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
        if (c == NO_CARD) c = CCardChoosers(p).ChooseOpponentLeadSuit();
        if (IsCard(X) && IsCard(c) && dealtOf(c) >= 3 && dealtOf(c) <= dealtOf(X) && MayHoldSuit(p, w.mate, SuitOf(c)))
            c = X;
        if (IsCard(c)) return c;
    }
    if (IsCard(X)) return X;
    // Step 11: the trump count-down.
    if (w.trumpsHeld == p.count || w.trumpsOut <= w.trumpsHeld) {
        int B[11];
        const int k = CollectSuit(p, type, false, B);
        const int y = k > 1 ? PickCardAboveInTrumps(p, B[k - 1], true) : NO_CARD;
        const bool skip = Points(y) > 4 && k > 0 && Order(w.highestTrump) <= Order(B[0]);
        if (!skip) {
            if (IsCard(y)) return y;
            const int lowest = PickLowestInSuit(p, -1, true);
            if (IsCard(lowest)) return lowest;
        }
    }
    // Step 12: the last resort.
    const int c = CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
    return IsCard(c) ? c : CCardChoosers(p).ChooseDefenderLead(w.soloistNext);
}

}  // namespace

int CSuitDefenderPlay::PlaySuitOpponentLead(bool soloistNext) {
    return PlaySuitDefender(0, soloistNext, NO_CARD, NO_CARD);
}

int CSuitDefenderPlay::SuitOpponentLeadCascade(bool soloistNext) {
    const int trumpsHeld = me.GetTrumpCount();
    const int mate = 3 - g_Game.Soloist - me.seat;
    LeadWords w{me, soloistNext, mate, trumpsHeld, g_Game.TrumpCount - trumpsHeld, PickHighestInSuit(me, -1, true)};
    // The committed card: the candidate when set at his last lead, kept when older; dropped when
    // no longer held.
    if (me.forcedCard > 0) {
        const int forced = me.forcedCard;
        me.forcedCard = 0;
        if (me.HasCard(forced)) {
            if (me.ForcedCardCount > me.count + 1) w.kept = forced;
            else w.candidate = forced;
        }
    }
    // Steps 1 to 3; a kept top card ends them at step 2.
    int card = LeadAskedSuitOrFollowUp(w);
    if (!IsCard(card)) card = IsTop(me, w.kept) ? LeadKeptTopCard(w) : LeadTrumpsWhileSoloistNext(w);
    // Steps 4 to 12, the side suits.
    if (!IsCard(card)) card = LowAndTopCards(w);
    if (!IsCard(card)) card = TrumpPositionAndLongSuits(w);
    if (!IsCard(card)) card = GiveUpSuitAndCountDown(w);
    return card;
}
