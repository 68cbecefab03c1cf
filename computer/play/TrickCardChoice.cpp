// Trick-card choice: the second opinion on a candidate card in the suit games and in Ramsch (the
// soloist's trump plan, the defender's under-trump, the Ramsch plans and low leads), the scan of
// the four suits by mode, and the Ramsch choice of a card that gives the lead away.

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/play/CardChoosers.h"
#include "computer/play/StrategyHelpers.h"
#include "computer/play/TrickCardChoice.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

bool CardSuggestionRunning() { return g_ComputerFrame.CardAutoPlayFlag != 0; }

namespace {

int SumOf(const int (&values)[3]) { return values[0] + values[1] + values[2]; }

}  // namespace

// ---- The card plan memory ----------------------------------------------------------------------

void CTrickCardChoice::AdvanceCardPlan() {
    me.CardPlan[0] = me.CardPlan[1];
    me.CardPlan[1] = me.CardPlan[2];
    me.CardPlan[2] = me.CardPlan[3];
    me.CardPlan[3] = NO_CARD;
}

void CTrickCardChoice::ClearCardPlan() {
    for (int& card : me.CardPlan) card = NO_CARD;
}

// ---- ChooseTrickCard --------------------------------------------------------------------------

int CTrickCardChoice::ChooseTrickCard(int suit, int card, bool advance) {
    const int e = SuitOf(card);
    if (me.CardPlan[0] == NO_CARD) me.CardPlanCounter = 0;
    int r = NO_CARD;
    const int type = g_Game.GameType;
    if (type >= 0 && type <= 3) r = ChooseTrickCardSuit(card, advance);
    else if (type == GAME_RAMSCH) r = ChooseTrickCardRamsch(suit, card, e, advance);
    // The suit filter: a result of another effective suit is no opinion.
    if (suit != -1 && r != NO_CARD && SuitOf(r) != suit) r = NO_CARD;
    return r;
}

int CTrickCardChoice::ChooseTrickCardSuit(int card, bool advance) {
    const int trump = g_Game.GameType;
    // Only a trump candidate gets a second opinion.
    if (SuitOf(card) != trump) return NO_CARD;
    const int J = me.handInfo.JackCount;
    if (me.seat != g_Game.Soloist) {
        // The defender: under-trump below the Ace when the soloist's trumps allow it.
        const int a = CCardChoosers(me).ChooseSpareTrump(0);
        const int h = GetNextHigherHeld(me, a);
        if (h == card) return card;
        if (!IsRank(h, ACE)) return NO_CARD;
        const int n = me.CountInSuit(trump);
        int m = -J;
        for (int s = 0; s < 4; ++s)
            if (!IsCardGone(s, JACK, me.seat)) ++m;
        return n > 1 && n > m ? PickTrumpBelow(me, h) : NO_CARD;
    }
    // The soloist's trump plan.
    const bool fresh = me.CardPlan[0] == NO_CARD || (me.seat == 2 && me.CardPlanCounter == me.count);
    const int ownTrumps = me.GetTrumpCount();
    const int trumpsOut = g_Game.TrumpCount - ownTrumps;
    int r = NO_CARD;
    bool rowsGaveCard = false;
    if (me.seat != g_Game.Forehand || !fresh) {
        // Row 1: follow the plan; a planned card gone for this seat ends it.
        const int head = me.CardPlan[0];
        if (head != NO_CARD && IsCardGone(PlainSuitOf(head), GetCardRank(head), me.seat)) ClearCardPlan();
        r = me.CardPlan[0];
        if (r != NO_CARD && (!advance || g_Game.TrumpCount == 3)) r = PickLowestInSuit(me, -1, true);
        rowsGaveCard = true;
    } else if (ownTrumps >= 6) {
        const int h = PickHighestInSuit(me, -1, true);
        const int q = IsJack(h) ? CCardChoosers(me).ChooseLowTrump() : NO_CARD;
        if (IsJack(h) && q != NO_CARD) {
            // Row 2: six trumps or more under a Jack: the top Jack, else a low trump.
            r = IsTopCard(me, h, -1, -1) ? h : q;
            rowsGaveCard = true;
        } else if (PlainSuitOf(h) == HEARTS) {
            // Row 3: Hearts Jack, Diamonds Jack, trump Ace, trump Ten make the plan.
            const int a = PickTrumpBelow(me, h);
            const int b = PickTrumpBelow(me, a);
            const int d = PickTrumpBelow(me, b);
            if (a == CardCodeOf(JACK, DIAMONDS) && b == CardCodeOf(ACE, trump) && d == CardCodeOf(TEN, trump)) {
                me.CardPlanState = 1;
                me.CardPlan[0] = h;
                me.CardPlan[1] = a;
                me.CardPlan[2] = d;
                me.CardPlan[3] = b;
                r = PickLowestInSuit(me, -1, true);
                if (me.seat == 2) me.CardPlanCounter = me.count;
                rowsGaveCard = true;
            }
        }
    }
    if (!rowsGaveCard) {
        // Row 4: a soloist with two Jacks leads low while a defender is known free of trumps.
        if (fresh && ownTrumps == 5 && trumpsOut == 4 && IsJack(card) && J == 2) {
            if (!MayHoldSuit(me, PreviousSeat(me.seat), trump) || !MayHoldSuit(me, NextSeat(me.seat), trump))
                r = PickLowestInSuit(me, -1, true);
        }
        // Row 5: a fresh plan, two trumps out at most and two Jacks: a Jack at random.
        if (fresh && trumpsOut <= 2 && J == 2) r = PickRandomJack(me, 0);
    }
    // Row 6: the plan moves on unless a suggestion is running.
    if (advance && !CardSuggestionRunning()) AdvanceCardPlan();
    return r;
}

int CTrickCardChoice::ChooseTrickCardRamsch(int suit, int card, int e, bool advance) {
    const int state = g_Game.FlowState;
    if (state == STATE_ASK || state == STATE_PASS) {
        MakeRamschSkatPlan();
        // Nothing is chosen while the skat goes round.
        return NO_CARD;
    }
    if (state != STATE_PLAY) return RamschAdvanceStep(card, e, advance);

    // Step 1: a Jack candidate, or the Jack-and-run plan, while another seat leads.
    if (IsJack(card) || me.CardPlanState == 3) {
        if (me.seat != g_Game.Forehand) {
            me.CardPlanState = 0;
            me.CardPlan[0] = NO_CARD;
        }
        return RamschAdvanceStep(card, e, advance);
    }
    int r = NO_CARD;
    bool toGap = false;
    if (suit != -1) {
        // Step 2: the second and third card.
        if (OrderOf(card) >= 4) return RamschFollowOpinion(card, e, advance);
        toGap = true;
    } else if (me.CardPlanState != 0) {
        // Step 3: a lead with a plan in force skips the lead rules of step 4.
        toGap = true;
    }
    if (!toGap) {
        r = RamschAceBeforeTen(card, e);
        r = RamschJackWhileOthersOut(r);
        // Step 4 d: two short suits with the Seven and a high card.
        if (r == NO_CARD && me.handInfo.ShortSuitCount == 1) r = RamschHighOfShortPairs();
    }
    // Step 4 e, the gap step.
    if (card != NO_CARD && CollectSuit(me, e, false, nullptr) != 1) {
        const int u = NextHigherInSuit(me, card);
        if (u != NO_CARD && OrderOf(u) - OrderOf(card) > 1) r = ChooseCardByMode(8, -1);
    }
    return r != NO_CARD ? RamschResultStep(r, card, e) : RamschAdvanceStep(card, e, advance);
}

// Step 2 with a candidate of order 4 or more: a card below a gap under the candidate, or the only
// card out lies below it.
int CTrickCardChoice::RamschFollowOpinion(int card, int e, bool advance) {
    int r = NO_CARD;
    const int d = NextLowerInSuit(me, card, false);
    int list[11];
    if (d != NO_CARD && OrderOf(card) - OrderOf(d) > 1) {
        r = ChooseCardByMode(2, -1);
        if (r == NO_CARD) r = ChooseCardByMode(8, -1);
        return r != NO_CARD ? RamschResultStep(r, card, e) : RamschAdvanceStep(card, e, advance);
    }
    if (OrderOf(card) >= 3 && CollectSuit(me, e, false, list) == 1) {
        if (OrderOf(list[0]) >= 3) {
            r = ChooseCardByMode(2, -1);
            if (r == NO_CARD) r = ChooseCardByMode(8, -1);
        } else {
            r = ChooseCardByMode(8, -1);
        }
        return r != NO_CARD ? RamschResultStep(r, card, e) : RamschAdvanceStep(card, e, advance);
    }
    return RamschAdvanceStep(card, e, advance);
}

// Step 4 a: no suit with a safe low card: an Ace with its Ten planned next.
int CTrickCardChoice::RamschAceBeforeTen(int card, int e) {
    int r = NO_CARD;
    if (card != NO_CARD && CollectSuit(me, e, false, nullptr) > 0) {
        bool safeLow = false;
        for (int t = 0; t < 4 && !safeLow; ++t)
            safeLow = me.CountInSuit(t) > 0 && IsSuitSafe(me, PickLowestInSuit(me, t, true), -1, -1);
        if (!safeLow) {
            for (int u = 0; u < 4; ++u) {
                const int ace = CardCodeOf(ACE, u), ten = CardCodeOf(TEN, u);
                if (IsHeld(me, ace) && IsHeld(me, ten)) {
                    r = ace;
                    me.CardPlan[0] = ten;
                    break;
                }
            }
        }
    }
    return r;
}

// Step 4 b and c: the Jacks while other Jacks are out; r is the card chosen so far.
int CTrickCardChoice::RamschJackWhileOthersOut(int r) {
    const int J = me.handInfo.JackCount;
    const int trumpsOut = g_Game.TrumpCount - J;
    if (J > 0 && trumpsOut > 0) {
        const int j = PickJack(me, 0);
        if (J == 1 && !IsSuitSafe(me, j, -1, -1) && SumOf(g_Game.PartyPoints) == 0) {
            int v = 0;
            for (int s = 0; s < 4; ++s) {
                const int status = me.handInfo.PlayStatus[s];
                const int k = me.CountInSuit(s);
                if (status == 1 || status == 2) ++v;
                else if ((k == 1 && OrderOf(PickLowestInSuit(me, s, true)) <= 4) ||
                         (k == 2 && OrderOf(PickLowestInSuit(me, s, true)) == 0))
                    ;
                else v = -2;
            }
            if (v >= 2) r = j;
        }
        if (r != NO_CARD && !IsTopCard(me, j, -1, -1)) {
            bool longSuit = false;
            int pick = -1;
            for (int s = 0; s < 4; ++s) {
                if (me.handInfo.DealtSuitCount[s] > 5) longSuit = true;
                if (me.CountInSuit(s) == 3 && IsHeld(me, CardCodeOf(SEVEN, s)) && !IsHeld(me, CardCodeOf(EIGHT, s)) &&
                    !IsHeld(me, CardCodeOf(NINE, s)) && OrderOf(PickHighestInSuit(me, s, true)) > 3)
                    pick = s;
            }
            if (!longSuit) r = PickHighestInSuit(me, pick, true);
        }
    }
    return r;
}

// Step 4 d: of exactly two two-card suits with the Seven and the Ace or Ten, the higher top card.
int CTrickCardChoice::RamschHighOfShortPairs() {
    int found = 0, kept = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (me.CountInSuit(s) != 2 || !IsHeld(me, CardCodeOf(SEVEN, s))) continue;
        if (!IsHeld(me, CardCodeOf(ACE, s)) && !IsHeld(me, CardCodeOf(TEN, s))) continue;
        ++found;
        const int h = PickHighestInSuit(me, s, true);
        if (kept == NO_CARD || OrderOf(h) > OrderOf(kept)) kept = h;
    }
    return found == 2 ? kept : NO_CARD;
}

void CTrickCardChoice::MakeRamschSkatPlan() {
    const int J = me.handInfo.JackCount;
    for (int t = 0; t < 4; ++t) {
        if (me.handInfo.PlayStatus[t] != 12 || J > 1) continue;
        if (!IsHeld(me, CardCodeOf(EIGHT, t)) || !IsHeld(me, CardCodeOf(NINE, t))) continue;
        me.CardPlanState = 4;
        me.CardPlan[0] = PickRandomJack(me, 0);
        int k = me.CardPlan[0] != NO_CARD ? 1 : 0;
        me.CardPlan[k] = PickLowestInSuit(me, t, true);
        ++k;
        for (int u = 0; u < 4 && k < 4; ++u) {
            if (me.CountInSuit(u) != 2 || !IsHeld(me, CardCodeOf(SEVEN, u))) continue;
            const int c = PickHighestInSuit(me, u, true);
            if (OrderOf(c) > OrderOf(me.CardPlan[k])) me.CardPlan[k] = c;
        }
        if (me.seat == 2) me.CardPlanCounter = me.count;
        return;
    }
}

// Step f: a plan in force hands the chosen card back (a finished run plan is dropped).
int CTrickCardChoice::RamschResultStep(int r, int card, int e) {
    if (!CardSuggestionRunning() && me.CardPlan[0] != NO_CARD) {
        if (me.CardPlanState == 3) ClearCardPlan();
        me.CardPlanCounter = 0;
        return r;
    }
    return RamschRunStep(e, r, card);
}

int CTrickCardChoice::RamschAdvanceStep(int card, int e, bool advance) {
    // 1. Without advancing, the result step alone.
    if (!advance) return RamschResultStep(NO_CARD, card, e);
    // 2. A high planned card waits behind a Jack candidate.
    if (PointsOf(me.CardPlan[0]) >= 10 && IsJack(card)) return RamschRunStep(e, card, card);
    // 3. Planned cards no longer held are skipped.
    while (me.CardPlan[0] != NO_CARD && !IsHeld(me, me.CardPlan[0])) AdvanceCardPlan();
    const int p = me.CardPlan[0];
    // 4. The next planned card, the plan moving on.
    if (p != NO_CARD) {
        if (!CardSuggestionRunning()) AdvanceCardPlan();
        return p;
    }
    // 5. Else the run step, forehand with a suit of five or more.
    int x = e;
    if (me.seat == g_Game.Forehand) {
        for (int s = 0; s < 4; ++s)
            if (me.CountInSuit(s) >= 5) {
                x = s;
                break;
            }
    }
    return RamschRunStep(x, NO_CARD, card);
}

int CTrickCardChoice::RamschRunStep(int x, int r, int card) {
    const int e = SuitOf(card);
    const int J = me.handInfo.JackCount;
    const int n = me.CountInSuit(x);
    if (n >= 5 && J == 1 && g_Game.TrumpCount > 1 && n + 1 != me.count && IsHeld(me, CardCodeOf(SEVEN, x))) {
        const int j = PickRandomJack(me, 0);
        if (AreLowerJacksGone(me, j)) {
            // The Jack-and-run plan: the high cards of the other suits, the Jack after them.
            me.CardPlanState = 3;
            int k = 0;
            for (int t = 0; t < 4; ++t) {
                if (t == x) continue;
                me.CardPlan[k] = PickHighestInSuit(me, t, true);
                if (me.CountInSuit(t) > 3) me.CardPlan[k] = NextLowerInSuit(me, me.CardPlan[k], false);
                while (k < 3 && me.CardPlan[k] != NO_CARD) {
                    ++k;
                    me.CardPlan[k] = NextLowerInSuit(me, me.CardPlan[k - 1], false);
                }
            }
            for (int p = 0; p < 2; ++p)
                for (int q = p + 1; q < 4; ++q)
                    if (OrderOf(me.CardPlan[p]) < OrderOf(me.CardPlan[q])) std::swap(me.CardPlan[p], me.CardPlan[q]);
            int l = -1;
            for (int i = 0; i < 4; ++i)
                if (me.CardPlan[i] != NO_CARD) l = i;
            if (l >= 0 && IsRank(me.CardPlan[l], SEVEN)) {
                ClearCardPlan();
                me.CardPlanState = 0;
            } else if (PointsOf(me.CardPlan[0]) >= 10) {
                r = IsJack(card) ? card : j;
            } else {
                r = me.CardPlan[0];
                if (r != NO_CARD) AdvanceCardPlan();
                if (l >= 0) me.CardPlan[l] = j;
                if (CardSuggestionRunning()) {
                    ClearCardPlan();
                    me.CardPlanState = 0;
                    if (me.seat == 2) me.CardPlanCounter = me.count;
                }
            }
        }
        if (r != NO_CARD) return r;
        return me.CountInSuit(e) >= 5 && AreLowerJacksGone(me, j) ? j : NO_CARD;
    }
    if (r != NO_CARD) return r;
    const int n2 = me.CountInSuit(e);
    const int rj = PickRandomJack(me, 0);
    const int pj = PickJack(me, 0);
    if (n2 < 5) return NO_CARD;
    if (AreLowerJacksGone(me, rj) && J != g_Game.TrumpCount && pj != NO_CARD)
        return IsTopCard(me, pj, -1, -1) ? rj : pj;
    bool decided = false;
    return ChooseTrickCard2(decided, NO_CARD);
}

// ---- ChooseCardByMode --------------------------------------------------------------------------

namespace {

// The orders of the held cards (own) and of the cards neither held nor gone (out) of a suit,
// each ascending; the Jack only in Null and Revolution.
struct SuitOrders {
    int own[8];
    int out[8];
    int k = 0;
    int j = 0;
};

SuitOrders CollectOrders(const CPlayer& player, int suit) {
    SuitOrders orders;
    const bool null = IsNullGame();
    const int* list = null ? NullRankList : SuitRankList;
    const int length = null ? 8 : 7;
    for (int i = length - 1; i >= 0; --i) {
        const int card = CardCodeOf(list[i], suit);
        if (IsHeld(player, card)) orders.own[orders.k++] = GetCardOrder(card);
        else if (!IsGoneFor(player, card)) orders.out[orders.j++] = GetCardOrder(card);
    }
    return orders;
}

// What a mode's step answers when the scan goes on with the next suit (any other answer ends it).
constexpr int NEXT_SUIT = -2;

// Mode 8: the card above a safe low card where that card is safe too (in Ramsch only with few
// cards out and no high card left unguarded); no card when nothing stands above the low card.
int SafeSecondCard(const CPlayer& player, int t, bool ramsch, int outCount, const int* list) {
    const int l = PickLowestInSuit(player, t, true);
    if (!IsSuitSafe(player, l, -1, -1)) return NEXT_SUIT;
    if (ramsch) {
        if (outCount == 0) return NEXT_SUIT;
        if (outCount == 1) {
            const int h = PickHighestInSuit(player, t, true);
            if (!(IsTopCard(player, h, -1, -1) || OrderOf(h) < 4) || OrderOf(list[0]) > 5) return NEXT_SUIT;
        }
        const int u = NextHigherInSuit(player, l);
        if (u == NO_CARD) return NO_CARD;
        if (outCount == 1) return u;
        if (!IsSuitSafe(player, u, l, -1)) return NEXT_SUIT;
        if (NextHigherInSuit(player, u) == NO_CARD || outCount == 2) return u;
        return NEXT_SUIT;
    }
    const int u = NextHigherInSuit(player, l);
    if (u == NO_CARD) return l;
    if (!IsSuitSafe(player, u, l, -1)) return NEXT_SUIT;
    if (NextHigherInSuit(player, u) == NO_CARD) return u;
    return NEXT_SUIT;
}

// Mode 9: the high card of a doubleton with the greatest spread; at an equal spread the newcomer
// on an odd coin.
void OfferWideDoubleton(const CPlayer& player, int t, int outCount, int& result, int& spread) {
    if (player.CountInSuit(t) != 2 || outCount <= 1) return;
    const int h = PickHighestInSuit(player, t, true);
    const int l = PickLowestInSuit(player, t, true);
    const int candidateSpread = OrderOf(h) - OrderOf(l);
    if (candidateSpread <= 1) return;
    if (result == NO_CARD || candidateSpread > spread) {
        result = h;
        spread = candidateSpread;
    } else if (candidateSpread == spread && CoinTails()) {
        result = h;
    }
}

// The order comparison of modes 1, 2, 3, 4, 6 and 7: the held cards against those still out.
// Modes 2, 3 and 4 keep their candidate in result (bestValue its value; requiredOut the cards out
// a suit needs, which the first suit compared sets in mode 3).
int CompareSuitOrders(const CPlayer& player, int mode, int t, int held, int& result, int& bestValue, int& requiredOut) {
    const SuitOrders o = CollectOrders(player, t);
    const int n = std::min(o.k, o.j);
    switch (mode) {
        case 1:
            for (int i = 0; i < n; ++i)
                if (o.out[i] < o.own[i]) return NO_CARD;
            break;
        case 6:
            for (int i = 0; i < n; ++i)
                if (o.out[o.j - 1 - i] > o.own[o.k - 1 - i]) return NO_CARD;
            break;
        case 4: {
            if (n == 0 || o.out[0] >= o.own[n - 1]) break;
            if (n == 1) return NO_CARD;
            for (int i = 0; i < n - 1; ++i)
                if (o.own[i] > o.out[0]) return NO_CARD;
            const int candidate = CardCodeOf(GetRankOrderEntry(o.own[n - 1], IsNullGame()), t);
            if (result == NO_CARD || OrderOf(result) < OrderOf(candidate)) result = candidate;
            else if (OrderOf(result) == OrderOf(candidate) && CoinTails()) result = candidate;
            break;
        }
        default: {  // modes 2, 3 and 7
            // Mode 3: the first suit compared sets the cards out a suit needs.
            if (requiredOut < 0) requiredOut = held;
            const int need = requiredOut;
            if (mode == 3) requiredOut = 2;
            if (o.j < need) break;
            bool pairwise = true;
            for (int i = 0; i < n; ++i)
                if (o.out[n - 1 - i] < o.own[i]) pairwise = false;
            if (!pairwise) {
                for (int i = 0; i < n; ++i)
                    if (o.out[i] < o.own[i]) return NO_CARD;
                break;
            }
            // Mode 7 ends the scan at its first candidate with the result kept before it.
            if (mode == 7) return result;
            const int l = PickLowestInSuit(player, t, true);
            const int value = (IsSuitSafe(player, l, -1, -1) ? o.j : 0) - OrderOf(l) + 6;
            if (result == NO_CARD || value > bestValue) {
                result = l;
                bestValue = value;
            } else if (value == bestValue && CoinHeads()) {
                result = l;
            }
            break;
        }
    }
    return NEXT_SUIT;
}

}  // namespace

int CTrickCardChoice::ChooseCardByMode(int mode, int excludedSuit) {
    int result = NO_CARD;
    const bool ramsch = g_Game.GameType == GAME_RAMSCH;
    if (mode == 6 && g_Game.PartyTricks[me.seat] != SumOf(g_Game.PartyTricks)) return NO_CARD;
    int spread = -1;             // mode 9: the kept candidate's spread
    int bestValue = 0;           // modes 2 and 3: the kept candidate's value
    int requiredOut = mode == 3 ? -1 : 2;
    for (int t = 0; t < 4; ++t) {
        const int held = PlainCount(me, t);
        if (held == 0) continue;
        if (!IsSuitGuarded(me, t, 1, false) && me.seat == g_Game.Soloist) continue;
        if (t == excludedSuit) continue;
        int list[11];
        const int outCount = CollectSuit(me, t, false, list);
        if (mode == 8) {
            const int card = SafeSecondCard(me, t, ramsch, outCount, list);
            if (card != NEXT_SUIT) return card;
            continue;
        }
        if (mode == 10) {
            const int h = PickHighestInSuit(me, t, true);
            if (!IsTopCard(me, h, -1, -1)) continue;
            if (result == NO_CARD) result = h;
            else if (CoinTails()) result = h;
            continue;
        }
        if (mode == 9) {
            OfferWideDoubleton(me, t, outCount, result, spread);
            continue;
        }
        if (mode == 5) {
            if (!ramsch) continue;
            if (me.CountInSuit(t) <= 1 || outCount <= 1) continue;
            const int l = PickLowestInSuit(me, t, true);
            if (!IsSuitSafe(me, l, -1, -1)) continue;
            const int u = NextHigherInSuit(me, l);
            if (!IsSuitSafe(me, u, l, -1)) continue;
            return GetNextHigherHeld(me, u);
        }
        if (outCount == 0) continue;
        const int card = CompareSuitOrders(me, mode, t, held, result, bestValue, requiredOut);
        if (card != NEXT_SUIT) return card;
    }
    if (mode == 1 || mode == 6) return 0;
    if (mode == 9 && ramsch && me.seat == g_Game.Forehand && IsSuitIndex(SuitOf(result)) &&
        me.CountInSuit(SuitOf(result)) > 1) {
        for (int u = 0; u < 4; ++u) {
            if (me.CountInSuit(u) != 1) continue;
            const int low = PickLowestInSuit(me, u, true);
            if (OrderOf(low) == 0) result = low;
        }
    }
    return result;
}

// ---- ChooseTrickCard2 --------------------------------------------------------------------------

namespace {

// Rule B: the forehand's suit without a top card, the low card unsafe or far below the next.
void OfferForehandSuit(const CPlayer& player, int t, int c, int n, int l, int u, int h, bool lowSafe,
                       RunningBest& best) {
    if (!lowSafe || (!IsSuitSafe(player, u, l, -1) && OrderOf(u) - OrderOf(l) > 2)) {
        if (n == 2) {
            const int x = u != NO_CARD ? u : h;
            best.Offer(x, OrderOf(x) + 50);
        } else if (OrderOf(u) - OrderOf(l) > 2) {
            int x = h;
            if (c > n) {
                x = NextLowerInSuit(player, h, false);
                if (IsRank(l, SEVEN) && IsRank(u, QUEEN) &&
                    (IsCardGone(t, EIGHT, player.seat) || IsCardGone(t, NINE, player.seat)))
                    x = l;
            }
            best.Offer(x, OrderOf(x) + 50);
        }
    }
}

// Three cards held: the high card (or the Eight or Nine) where the pattern of the suit lets it go.
void OfferThreeCardSuit(const CPlayer& player, int t, int n, int h, bool lowSafe, bool forehand, RunningBest& best,
                        int& k) {
    const bool has8 = IsHeld(player, CardCodeOf(EIGHT, t)), has9 = IsHeld(player, CardCodeOf(NINE, t));
    const bool hasQ = IsHeld(player, CardCodeOf(QUEEN, t)), hasK = IsHeld(player, CardCodeOf(KING, t));
    const bool has7 = IsHeld(player, CardCodeOf(SEVEN, t));
    bool pattern;
    if (n < 3 || IsTopCard(player, h, -1, -1) || !has7 || hasQ) pattern = has8 && has9 && (hasQ || hasK);
    else pattern = (has8 != has9) || (has8 && has9 && hasK);
    if ((forehand || OrderOf(h) > 4 || !lowSafe) && pattern) {
        int x = h;
        if (forehand && !IsCardGone(t, QUEEN, player.seat)) x = has8 ? CardCodeOf(EIGHT, t) : CardCodeOf(NINE, t);
        best.Offer(x, OrderOf(x));
        ++k;
    }
}

// Step 2 for one suit: the held-count rules offer its candidate (k counts the suits that count
// towards the Jack of step 3); some rules commit the low card for a later lead.
void OfferLeadAwayCard(CPlayer& player, int t, int excludedCard, bool forehand, RunningBest& best, int& k) {
    const int c = PlainCount(player, t);
    int list[11];
    const int n = CollectSuit(player, t, false, list);
    if (c == 0 || n == 0) return;
    const int l = PickLowestInSuit(player, t, true);
    const int u = NextHigherInSuit(player, l);
    const int h = PickHighestInSuit(player, t, true);
    const bool lowSafe = IsSuitSafe(player, l, -1, -1);
    if (n == 1) {
        // Rule A.
        if (!lowSafe) best.Offer(l, OrderOf(l) + c);
    } else if (forehand && n <= c && !IsTopCard(player, h, -1, -1)) {
        OfferForehandSuit(player, t, c, n, l, u, h, lowSafe, best);
    } else if (c == 1) {
        if (!lowSafe && l != excludedCard) {
            best.Offer(l, OrderOf(l) + 55);
            ++k;
        }
    } else if (c == 2) {
        if (n > 1 && forehand && h != excludedCard) {
            if (lowSafe && OrderOf(h) - OrderOf(l) > 1) {
                best.Offer(h, OrderOf(h) + 10);
                player.forcedCard = l;
                player.ForcedCardCount = player.count;
            } else if (!lowSafe && IsRank(h, NINE)) {
                best.Offer(h, 17);
            }
        }
    } else if (c == 3) {
        OfferThreeCardSuit(player, t, n, h, lowSafe, forehand, best, k);
    } else if (c == 4) {
        if (!lowSafe && n == 2) {
            best.Offer(u, OrderOf(u) + 55);
            if (OrderOf(u) > 2) {
                player.forcedCard = l;
                player.ForcedCardCount = player.count;
            }
            ++k;
        }
    } else if (c == 5) {
        if (n == 2 && !player.IsHeldOrGone(t, ACE, player.seat) && !player.IsHeldOrGone(t, SEVEN, player.seat)) {
            const int x = PickLowCardOfSuit(player, t);
            best.Offer(x, OrderOf(x) + 20);
            ++k;
        }
    }
}

// Step 5, the two-card pass: the low card of a doubleton with the Seven and without the Eight
// (m counts such suits).
int TwoCardPassLow(const CPlayer& player, int& m) {
    RunningBest twoCard;
    int keptLow = NO_CARD;
    for (int t = 0; t < 4; ++t) {
        if (PlainCount(player, t) != 2 || CollectSuit(player, t, false, nullptr) <= 1) continue;
        if (!IsHeld(player, CardCodeOf(SEVEN, t)) || IsHeld(player, CardCodeOf(EIGHT, t))) continue;
        ++m;
        const int low = PickLowCardAnySuit(player, t);
        if (low == NO_CARD) continue;
        if (twoCard.Offer(low, 6 - OrderOf(PickLowCardOfSuit(player, t)))) keptLow = low;
    }
    return keptLow;
}

}  // namespace

int CTrickCardChoice::ChooseTrickCard2(bool& decided, int excludedCard) {
    const int next = NextSeat(me.seat), previous = PreviousSeat(me.seat);
    decided = false;
    // 1. A committed card from an earlier trick stays while its suit is still dangerous.
    if (me.forcedCard > 0 && me.count < me.ForcedCardCount) {
        const int fc = me.forcedCard;
        const int s = SuitOf(fc);
        if (IsHeld(me, fc) &&
            ((!IsSuitSafe(me, fc, -1, -1) && me.CountInSuit(s) == 1 && IsSuitGuarded(me, s, 1, false)) ||
             (PlainCount(me, s) > 0 && IsSuitGuarded(me, s, 1, true) &&
              (MayHoldSuit(me, next, s) || MayHoldSuit(me, previous, s))))) {
            decided = true;
            return fc;
        }
        me.forcedCard = 0;
    }
    // 2. The held-count rules, one candidate per suit.
    const bool forehand = me.seat == g_Game.Forehand;
    RunningBest best;
    int k = 0;
    for (int t = 0; t < 4; ++t) OfferLeadAwayCard(me, t, excludedCard, forehand, best, k);
    // 3. Several candidate suits and one Jack: the Jack when it is not safe.
    int result = NO_CARD;
    bool jackTaken = false;
    decided = true;
    if (k > 1 && me.handInfo.JackCount == 1) {
        const int jack = PickJack(me, 0);  // a run of one Jack: the draw always gives it
        if (jack != excludedCard && !IsSuitSafe(me, jack, -1, -1)) {
            result = jack;
            jackTaken = true;
        }
    }
    // 4. Else the best candidate; one suit scoring above 29 decides.
    if (!jackTaken) {
        decided = k == 1 && best.score > 29;
        result = best.card;
    }
    // 5. The two-card pass.
    int m = 0;
    const int keptLow = TwoCardPassLow(me, m);
    // 6. Two suits or more to pass (or one and no card): the low card kept, its suit's low card led.
    if ((m > 1 || (m == 1 && result == NO_CARD)) && keptLow != NO_CARD) {
        decided = true;
        me.forcedCard = keptLow;
        me.ForcedCardCount = me.count;
        result = PickLowCardOfSuit(me, SuitOf(keptLow));
    }
    // 7. A committed card of another suit than the result is dropped.
    if (me.forcedCard != 0 && SuitOf(std::abs(me.forcedCard)) != SuitOf(result)) me.forcedCard = 0;
    return result;
}
