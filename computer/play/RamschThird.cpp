// Ramsch, third card: the player sees the whole trick. He ducks under the winning card where he
// can, takes the trick with his lowest sufficient card where ducking is impossible or cheap, sheds
// high cards when he cannot follow, and commits follow-up cards for his next lead.

#include "computer/play/CardChoosers.h"
#include "computer/play/RamschPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "computer/play/TrickCardChoice.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"

int CRamschPlay::PlayRamschThird(int firstCard, int secondCard) {
    const int c1 = firstCard, c2 = secondCard;
    const int s1 = SuitOf(c1), s2 = SuitOf(c2);
    const int J = me.handInfo.JackCount;
    const int cnt = me.count;
    const int cb4 = CTrickCardChoice(me).ChooseCardByMode(4, -1);
    const bool secondWins = s2 == s1 && OrderOf(c2) > OrderOf(c1);
    const int W = secondWins ? c2 : c1;
    const int O = secondWins ? c1 : c2;
    const int P = PointsOf(W) + PointsOf(O);
    const int below = NextLowerInSuit(me, W, false);
    const int above = NextHigherInSuit(me, below);
    const int low = PickLowestInSuit(me, s1, true), high = PickHighestInSuit(me, s1, true);
    const int k = me.CountInSuit(s1);
    int list[11] = {};
    const int n = CollectSuit(me, s1, false, list);
    const int x = IsRank(high, ACE) || (IsSuitIndex(s1) && IsCardGone(s1, ACE, me.seat)) ? above : below;
    const int pj = PickJack(me, 0);
    const bool guarded = IsSuitGuarded(me, s1, 1, false);
    const int ownPoints = me.seat >= 0 && me.seat < 3 ? g_Game.PartyPoints[me.seat] : 0;

    // Step 0: no Jacks and no trick yet, the leader's card holding: -1 when he gives up here
    // (CheckSoloist); else any committed card is dropped.
    if (J == 0 && me.seat >= 0 && me.seat < 3 && g_Game.PartyTricks[me.seat] == 0 && !IsJack(c2) && !secondWins &&
        me.CheckSoloist(c1))
        return NO_CARD;
    me.forcedCard = 0;

    int r = NO_CARD;
    if (IsJack(c1)) {
        r = RamschThirdJackLed(c1, c2);
    } else if (k > 0) {
        // Step 2: following a plain lead.
        r = IsJack(c2) ? PickHighestInSuit(me, s1, true)
                       : RamschThirdFollow(c1, c2, W, P, below, above, low, high, k, n, list, x, pj, guarded);
        if (r == NO_CARD) r = low;
    } else {
        r = RamschThirdCannotFollow(c1, c2, cb4, pj);
        // Step 4: with few cards left a high card goes while the points are low.
        if (cnt <= 3 && PointsOf(r) <= 4 && ownPoints < 30 && me.CountInSuit(SuitOf(r)) > 1) {
            const int e = CCardChoosers(me).ChooseCardByRunScore(true);
            if (PointsOf(e) >= 10) r = e;
        }
    }
    // Step 5: the guard against another player's Durchmarsch, then the overtake check.
    int played = ChooseRamschCardToFollow(NextSeat(me.seat), r, c1, c2);
    if (played == r && me.forcedCard == 0) {
        const bool trumped = IsJack(c2) && !IsJack(c1);
        const int w = trumped ? NO_CARD : (s2 == s1 ? (OrderOf(c2) > OrderOf(c1) ? c2 : c1) : c1);
        if (w != NO_CARD && OrderOf(played) > OrderOf(w)) {
            const int t = CTrickCardChoice(me).ChooseTrickCard(s1, w, false);
            if (t != NO_CARD) played = t;
        }
    }
    return me.FinishStrategy(played, EPILOGUE_PLAIN);
}

// Step 1: a Jack was led.
int CRamschPlay::RamschThirdJackLed(int c1, int c2) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    bool decided = false;
    int r = NO_CARD;
    if (J == 0) {
        r = ChooseRamschCard(-1, true, false);
        if (r == NO_CARD) r = CTrickCardChoice(me).ChooseTrickCard2(decided, NO_CARD);
        if (r == NO_CARD) r = ChooseRamschCard2(NO_CARD);
    } else if (J == 2) {
        const int a = PickJack(me, 0), b = PickRandomJack(me, 0);
        if (IsJack(c2)) {
            const int w = OrderOf(c2) > OrderOf(c1) ? c2 : c1;
            if (OrderOf(w) > OrderOf(a)) r = a;
            else if (OrderOf(w) > OrderOf(b)) r = b;
            else r = PickTrumpBelow(me, w);
            if (r == NO_CARD) r = a;
        } else {
            if (cnt == 2 && IsRank(c2, ACE) && OrderOf(b) < OrderOf(c1)) r = b;
            else if (a == CardCodeOf(JACK, CLUBS) && b == CardCodeOf(JACK, DIAMONDS) && T > 2) r = a;
            else r = PickTrumpBelow(me, c1);
            if (r == NO_CARD) r = a;
        }
    } else {
        r = PickTrumpBelow(me, c1);
        if (r == NO_CARD) r = PickJack(me, 0);
    }
    return r;
}

// Step 3: the player cannot follow.
int CRamschPlay::RamschThirdCannotFollow(int c1, int c2, int cb4, int pj) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    bool decided = false;
    const int Q = PointsOf(c1) + PointsOf(c2);
    int r = CTrickCardChoice(me).ChooseTrickCard(-1, NO_CARD, true);
    if (r == NO_CARD && IsJack(c2) && J > 0) {
        int tb = PickTrumpBelow(me, c2);
        if (tb != NO_CARD && (J != 1 || IsTopCard(me, tb, -1, -1))) {
            r = tb;
        } else {
            if (tb == NO_CARD && J == 2 && T == 3 && PointsOf(c1) <= 4 && IsSuitSafe(me, NO_CARD, -1, -1) &&
                !IsSuitSafe(me, pj, -1, -1))
                tb = pj;
            if (tb != NO_CARD) r = ChooseRamschCard(-1, true, false);
        }
    }
    bool toRule5 = false;
    if (r == NO_CARD && J > 0) r = RamschThirdShedWithJacks(c1, c2, cb4, Q, toRule5);
    // 4. With a high card of the mode-4 suit: the highest of it, or the card when that suit is done.
    if (r == NO_CARD && !toRule5 && cb4 != NO_CARD) {
        const int h = PickHighestInSuit(me, SuitOf(cb4), true);
        if (h != cb4 && h != NO_CARD) r = h;
        else if (h == cb4 && CTrickCardChoice(me).ChooseCardByMode(1, SuitOf(cb4)) == 0) r = cb4;
    }
    // 5. A Ramsch card to shed (not a Ten of three with its Ace out), or the trick card.
    if (r == NO_CARD) {
        int z = ChooseRamschCard(cb4, true, false);
        if (z == NO_CARD) {
            z = CTrickCardChoice(me).ChooseTrickCard2(decided, cb4);
        } else if (IsRank(z, TEN) && me.CountInSuit(SuitOf(z)) == 3 && !IsCardGone(SuitOf(z), ACE, me.seat)) {
            const int again = ChooseRamschCard(z, true, false);
            if (again != NO_CARD) z = again;
        }
        if (z != NO_CARD) {
            r = PickHighestInSuit(me, SuitOf(z), true);
            if (cnt <= 5 && me.CountInSuit(SuitOf(z)) > 2 && PointsOf(r) < 10) {
                const int e = CCardChoosers(me).ChooseCardByRunScore(true);
                if (PointsOf(e) > 10) r = e;
            }
        }
    }
    // 6. The Ramsch card to follow, a higher Jack over a Jack, else the mode-4 or last Ramsch card.
    if (r == NO_CARD) {
        r = ChooseRamschCardToFollow(g_Game.Forehand, ChooseRamschCard2(cb4), c1, c2);
        if (IsJack(r) && IsJack(c2) && OrderOf(PickRandomJack(me, -1)) > OrderOf(c2)) r = PickJack(me, -1);
        if (r == NO_CARD) r = cb4;
        if (r == NO_CARD) r = ChooseRamschCard2(NO_CARD);
    }
    return r;
}

// Step 3 with Jacks in hand: a high card goes with a follow-up committed, or a Jack with a card
// committed behind it; toRule5 when only the fifth rule may shed.
int CRamschPlay::RamschThirdShedWithJacks(int c1, int c2, int cb4, int Q, bool& toRule5) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    bool decided = false;
    auto safe = [&](int card) { return IsSuitSafe(me, card, -1, -1); };
    int r = NO_CARD;
    const int r3 = ChooseRamschCard(cb4, true, false);
    const int hj = PickHighestInSuit(me, -1, true), lj = PickLowestInSuit(me, -1, true);
    int t2 = CTrickCardChoice(me).ChooseTrickCard2(decided, NO_CARD);
    if (t2 == lj && t2 != NO_CARD) t2 = CTrickCardChoice(me).ChooseTrickCard2(decided, lj);
    if (J == 1 && !safe(lj) && Q < 10 && t2 != NO_CARD) {
        CommitCard(t2);
        r = lj;
    } else if (J == T) {
        const int q3 = CTrickCardChoice(me).ChooseCardByMode(3, -1);
        if (q3 != NO_CARD) {
            if (Q < 10 && IsSuitGuarded(me, SuitOf(q3), 2, false) && OrderOf(q3) < 2 && cnt > 3) {
                CommitCard(q3);
                r = hj;
            }
        } else {
            const int q8 = CTrickCardChoice(me).ChooseCardByMode(8, -1);
            if (q8 != NO_CARD && Q < 10 && cnt > 4 && me.CountInSuit(SuitOf(q8)) < 5 &&
                (CollectSuit(me, SuitOf(q8), false, nullptr) > 1 ||
                 OrderOf(PickHighestInSuit(me, SuitOf(q8), true)) < OrderOf(CardCodeOf(TEN, CLUBS)))) {
                CommitCard(q8);
                r = hj;
            }
        }
        if (r == NO_CARD) {
            if (cb4 != NO_CARD) {
                // The card-code bound stays as the rule has it: below 10 are the Clubs Ace to Nine.
                if (Q < 10 && IsSuitGuarded(me, SuitOf(cb4), 3, false) && cb4 < 10) {
                    CommitCard(cb4);
                    r = hj;
                } else {
                    r = PickHighestInSuit(me, SuitOf(cb4), true);
                }
            } else {
                toRule5 = true;
            }
        }
    } else if (J >= 2) {
        if (hj == lj && safe(hj) && Q < 10) {
            CommitCard(r3 != NO_CARD ? r3 : hj);
            r = PickJack(me, -1);
        } else {
            if (r3 != NO_CARD) {
                r = r3;
            } else if (!IsSuitSafe(me, hj, lj, -1) && CheckDoubletonSuit()) {
                r = hj;
                if (Q <= 4) CommitCard(lj);
            } else {
                r = CCardChoosers(me).ChooseCardByRunScore(true);
            }
            if (PointsOf(r) < 10 && Q < 10 && J == 2 && T == 4 &&
                ((lj == CardCodeOf(JACK, DIAMONDS) && r3 == NO_CARD) ||
                 (SuitOf(c1) == SuitOf(c2) && OrderOf(c2) > OrderOf(c1))))
                r = hj;
        }
    }
    return r;
}

int CRamschPlay::RamschThirdFollow(int c1, int c2, int W, int P, int below, int above, int low, int high, int k, int n,
                                   const int* list, int x, int pj, bool guarded) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int cnt = me.count;
    const int ownPoints = me.seat >= 0 && me.seat < 3 ? g_Game.PartyPoints[me.seat] : 0;
    const bool passedOn = me.seat >= 0 && me.seat < 3 && g_Game.SkatPassedOnBySeat[me.seat] != 0;
    auto safe = [&](int card) { return IsSuitSafe(me, card, -1, -1); };
    auto top = [&](int card) { return IsTopCard(me, card, -1, -1); };
    bool decided = false;
    if (below == NO_CARD) return RamschThirdAllAbove(low, high, k, n, list, guarded);
    // 2.5. Nothing out or six held, or one out and the low card not below: the card below the winner.
    if (n == 0 || k == 6 || ((n == 1 || k == 5) && low != below)) return below;
    // 2.6: the card-code bound stays as the rule has it (every card but the Clubs Ace is above 4).
    if (!safe(below) && n >= 2 && k == 2 && (P <= 4 || above > 4)) return below;
    // 2.7. Points in the trick with two cards left: the card below.
    if (P > 4 && cnt == 2) return below;
    // 2.8. Other cards under the winner: the card below, or the highest with the top single Jack committed.
    if (below != low) {
        if (J == 1 && P < 10 && OrderOf(W) <= 3 && OrderOf(high) <= 4 && top(pj)) {
            CommitCard(pj);
            return high;
        }
        return below;
    }
    // 2.9. A Ten or Ace in the trick late in the game: the card below, or over it with the low card
    // committed when the second hand threw off.
    if (P >= 10 && cnt < 6 && T > 0 && (J == 0 || !top(pj)) && ownPoints < 10) {
        const bool secondOff = SuitOf(c1) != SuitOf(c2);
        if (secondOff && safe(low) && above != NO_CARD) {
            CommitCard(low);
            return n <= 2 ? below : above;
        }
        return below;
    }
    // 2.10. The card above is safe beside the one below: the card below, or a top high card of three.
    if (IsSuitSafe(me, above, below, -1)) {
        if (k == 3 && (n >= 3 || below != low) && P < 10) return top(high) ? high : below;
        return below;
    }
    // 2.11. Just one card below, x: the low card into a rich trick, else a card committed behind.
    if (below == x) {
        if (!safe(low) && OrderOf(low) <= OrderOf(W) && P > 4) return low;
        const int rj = PickRandomJack(me, 0);
        int commit;
        if (J > 1 || safe(rj)) {
            commit = ChooseRamschCard(-1, false, false);
            if (commit == NO_CARD) commit = low;
        } else {
            commit = rj != NO_CARD ? rj : low;
        }
        CommitCard(commit);
        return above != NO_CARD ? above : below;
    }
    // 2.12. Two held and the card below safe (or the suit followed after the skat passed on): a card
    // committed behind the one below.
    if (k == 2 && (safe(below) || (passedOn && SuitOf(c1) == SuitOf(c2)))) {
        int fallback = below;
        if (J == 1) {
            const int pj2 = PickJack(me, 0);
            if (!safe(pj2)) fallback = pj2;
        }
        int commit = ChooseRamschCard(-1, false, false);
        if (commit == NO_CARD) commit = CTrickCardChoice(me).ChooseTrickCard2(decided, NO_CARD);
        if (commit == NO_CARD || commit == above) commit = fallback;
        CommitCard(commit);
        return above != NO_CARD ? above : below;
    }
    // 2.13. A Ten or Ace in the trick, three cards left, no Jacks: the card below.
    if (P >= 10 && cnt <= 3 && J == 0 && T >= 1) return below;
    // 2.14 to 2.18. A safe low card: over the winner with a card committed, or below.
    if (safe(low)) return RamschThirdOverSafeLow(c1, c2, P, above, low, k, n, list, guarded);
    // 2.19. The highest when guarded with two held and the card below safe, else the lowest.
    return guarded && k == 2 && safe(below) ? high : low;
}

// 2.1 to 2.4: every card held lies above the winning card.
int CRamschPlay::RamschThirdAllAbove(int low, int high, int k, int n, const int* list, bool guarded) {
    auto safe = [&](int card) { return IsSuitSafe(me, card, -1, -1); };
    if (k == 2 && IsRank(low, SEVEN) && guarded) {
        CommitCard(low);
        return high;
    }
    if (k > 3 || !safe(low) || !guarded) return low;
    if (n == 1) {
        const int h = NextLowerInSuit(me, list[0], false);
        if (h != NO_CARD && OrderOf(h) > OrderOf(low)) return low;
        const int up = NextHigherInSuit(me, h);
        if (h != NO_CARD && up != NO_CARD) return up;
    }
    int y = IsSuitSafe(me, high, low, -1) ? GetNextHigherHeld(me, low) : GetNextLowerHeld(me, high);
    if (safe(low) && GetNextLowerHeld(me, y) == low) y = low;
    return y != NO_CARD ? y : low;
}

// 2.14 to 2.18: the low card is safe; the trick is taken with the card above the winner while a
// card is committed for the next lead, unless the Jacks or the points say duck.
int CRamschPlay::RamschThirdOverSafeLow(int c1, int c2, int P, int above, int low, int k, int n, const int* list,
                                        bool guarded) {
    const int s1 = SuitOf(c1);
    const int cnt = me.count;
    const int ownPoints = me.seat >= 0 && me.seat < 3 ? g_Game.PartyPoints[me.seat] : 0;
    if (!guarded) return RamschJackTest(me, 1, -1) && above != NO_CARD ? above : low;
    if (!RamschJackTest(me, 0, 86)) return low;
    const int e = CCardChoosers(me).ChooseCardByScore2(s1);
    if (IsSuitSafe(me, e, -1, -1) && ownPoints + P > 25 && cnt < 6) return low;
    if (n == 2 && k > 2 && SuitOf(c1) != SuitOf(c2) && OrderOf(list[0]) > OrderOf(above)) {
        CommitCard(NextHigherInSuit(me, above));
        return above != NO_CARD ? above : low;
    }
    const int r0 = ChooseRamschCard(above, false, false);
    const int cand = r0 != NO_CARD && OrderOf(PickLowCardAnySuit(me, SuitOf(r0))) <= 1 ? r0 : low;
    const int candSuit = SuitOf(cand);
    const bool lowInstead = MayHoldSuit(me, NextSeat(me.seat), candSuit) &&
                            ((MayHoldSuit(me, PreviousSeat(me.seat), candSuit) && n == 2) || CoinTails()) &&
                            IsSuitGuarded(me, s1, 2, false);
    CommitCard(lowInstead ? low : cand);
    return above != NO_CARD ? above : low;
}
