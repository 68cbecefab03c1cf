// The Null and Revolution defenders: the lead with its pending next card, the lead rules, and
// the second and third card. The defenders want the soloist to take a trick: they lead into his
// suits, stay under his card while he wins the trick and throw high cards when he cannot.

#include "computer/play/CardChoosers.h"
#include "computer/play/NullPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Settings.h"

int CNullPlay::PartnerSeat() const {
    const int soloist = g_Game.Soloist;
    if (soloist < 0 || soloist > 2 || soloist == me.seat || me.seat < 0 || me.seat > 2) return NO_SEAT;
    return 3 - me.seat - soloist;
}

bool CNullPlay::IsSoloistHandVisible() const {
    if (me.partner == nullptr || g_Game.OuvertAnnounced == 0) return false;
    const int tricks = g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2];
    return !(g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.NullOuvert == 1 && tricks == 0);
}

int CNullPlay::PlayNullOpponentLead(bool soloistFollows) {
    bool abort = false;
    const int first = NullOpponentLeadFirstChoice(soloistFollows, abort);
    if (abort) return NO_CARD;
    if (first != NO_CARD) return me.FinishStrategy(first, EPILOGUE_PLAIN);
    int card = NO_CARD;
    // 1. A pending card not yet due is dropped.
    if (me.forcedCard < 0) me.forcedCard = 0;
    // 2. A committed card is led; the next card of its suit waits as the pending card.
    if (me.forcedCard > 0 && IsHeld(me, me.forcedCard)) {
        card = me.forcedCard;
        const int next = NextHigherInSuit(me, card);
        me.forcedCard = next != NO_CARD ? -next : 0;
    } else if (me.forcedCard > 0) {
        me.forcedCard = 0;
    }
    // 3. After winning a trick: go on in the suit only the soloist can still take.
    const int s = g_Knowledge.TrickLeadSuit;
    const int partnerSeat = PartnerSeat();
    if (card == NO_CARD && g_Game.TrickWinner == me.seat && IsSuitIndex(s) && me.CountInSuit(s) > 0 &&
        MayHoldSuit(me, g_Game.Soloist, s) && partnerSeat != NO_SEAT && !MayHoldSuit(me, partnerSeat, s)) {
        int out[11], held[11];
        const int a = CollectSuit(me, s, false, out);
        const int b = CollectSuit(me, s, true, held);
        const int k = b < a ? b : a;
        if (k >= 1 && OrderOf(out[0]) > OrderOf(held[k - 1])) card = NextLowerInSuit(me, out[0], false);
    }
    // 4. Else the defender's lead.
    if (card == NO_CARD) card = ChooseNullDefenderLead(soloistFollows);
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

int CNullPlay::ChooseNullDefenderLead(bool soloistFollows) {
    const bool F = soloistFollows;
    const int soloist = g_Game.Soloist;
    // 1. Go on in the suit of the last lead while the soloist may still hold it.
    const int last = me.rememberedSuit;
    if (IsSuitIndex(last) && me.CountInSuit(last) > 0 && MayHoldSuit(me, soloist, last))
        return PickLowCardAnySuit(me, last);
    // 2. One candidate per suit the soloist may still hold.
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int n = me.CountInSuit(s);
        if (n == 0 || !MayHoldSuit(me, soloist, s)) continue;
        const bool has7 = Holds(me, s, SEVEN), has8 = Holds(me, s, EIGHT), has9 = Holds(me, s, NINE);
        const int seven = CardCodeOf(SEVEN, s);
        if (n == 1) {
            const int x = PickLowestInSuit(me, s, true);
            best.Offer(x, F ? 28 - OrderOf(x) : 28 + OrderOf(x));
        } else if (n == 2) {
            if (!has7) {
                const int x = PickLowestInSuit(me, s, true);
                int priority = 18 - OrderOf(x) + (F ? 1 : 0);
                if (IsCardGone(s, SEVEN, me.seat) && !IsSuitSafe(me, x, -1, -1)) priority -= 10;
                best.Offer(x, priority);
            } else {
                best.Offer(seven, has8 ? 16 : 17);
            }
        } else if (n == 3) {
            const int x = PickLowestInSuit(me, s, true);
            best.Offer(x, F ? 14 - OrderOf(x) : 10 - OrderOf(x));
        } else if (n == 4) {
            const int h = PickLowCardOfSuit(me, s);
            const int l = PickLowCardAnySuit(me, s);
            if (!IsTopCard(me, h, -1, -1) && !IsSuitSafe(me, l, -1, -1))
                best.Offer(IsRank(l, SEVEN) || IsRank(l, EIGHT) ? l : h, 36);
            else
                best.Offer(l, 9);
        } else if (has7 && !has8 && has9) {
            best.Offer(seven, 18);
        } else {
            for (int rank : NullRankList) {
                const int x = CardCodeOf(rank, s);
                if (IsHeld(me, x)) best.Offer(x, F ? 11 - OrderOf(x) : 7 - OrderOf(x));
            }
        }
    }
    // 3. The best candidate, its suit remembered for the next lead.
    me.rememberedSuit = PlainSuitOf(best.card);
    if (best.card != NO_CARD) return best.card;
    // 4. The soloist lacks every suit held: the lowest card before him, the highest after him.
    for (int s = 0; s < 4; ++s)
        for (int rank : NullRankList) {
            const int x = CardCodeOf(rank, s);
            if (IsHeld(me, x)) best.Offer(x, F ? 17 - OrderOf(x) : OrderOf(x));
        }
    return best.card;
}

int CNullPlay::PlayNullOpponentSecond(bool soloistFollows, int firstCard) {
    bool abort = false;
    const int first = NullOpponentSecondFirstChoice(soloistFollows, firstCard, abort);
    if (abort) return NO_CARD;
    me.rememberedSuit = -1;
    if (first != NO_CARD) return me.FinishStrategy(first, EPILOGUE_PLAIN);
    const int c1 = firstCard;
    const int s = PlainSuitOf(c1);
    int card = NO_CARD;
    if (me.CountInSuit(s) == 0) return me.FinishStrategy(ChooseNullDiscard(), EPILOGUE_PLAIN);
    if (!soloistFollows) {
        // The soloist led: a card of the lowest run when it stays under him, else the highest.
        const int x = PickLowestInSuit(me, s, false);
        card = OrderOf(x) > OrderOf(c1) ? PickHighestInSuit(me, s, true) : x;
        return me.FinishStrategy(card, EPILOGUE_PLAIN);
    }
    // The partner led, the soloist plays third.
    // 1. The lowest card when it and the partner's card are both safe.
    const int l = PickLowestInSuit(me, s, true);
    if (IsSuitSafe(me, l, -1, -1) && IsSuitSafe(me, c1, l, -1)) return me.FinishStrategy(l, EPILOGUE_PLAIN);
    // 2. The held card beside the partner's lead.
    const int a = CCardChoosers(me).GetHeldRankNeighbour(c1, 1);
    bool toStep5 = false;
    if (IsSoloistHandVisible()) {
        // 3. The soloist's hand open: just under his lowest run, the neighbour, or the highest.
        const int m = PickLowestInSuit(*me.partner, s, false);
        if (m == NO_CARD) card = a != NO_CARD ? a : PickHighestInSuit(me, s, true);
        else if (OrderOf(c1) < OrderOf(m)) card = NextLowerInSuit(me, m, false);
        else card = a;
        toStep5 = card == NO_CARD;
    } else if (a != NO_CARD) {
        // 4. With a Seven or Eight low, the neighbour with the low card committed; else the highest or the
        // neighbour.
        if (IsRank(l, SEVEN) || IsRank(l, EIGHT)) {
            me.forcedCard = -l;
            me.ForcedCardCount = me.count;
            card = a;
        } else if (OrderOf(l) > 3) {
            card = PickHighestInSuit(me, s, true);
        } else {
            card = a;
        }
    } else {
        toStep5 = true;
    }
    if (toStep5) {
        // 5. Over the partner's card with the second-lowest card; the lowest waits.
        const int h = PickHighestInSuit(me, s, true);
        if (OrderOf(h) > OrderOf(c1) && h != l) {
            card = h;
            for (int step = 0; step < me.CountInSuit(s) - 2; ++step) card = NextLowerInSuit(me, card, false);
            me.forcedCard = -l;
            me.ForcedCardCount = me.count;
        } else {
            card = h;
        }
    }
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

int CNullPlay::PlayNullOpponentThird(bool soloistFollows, int firstCard, int secondCard) {
    bool abort = false;
    const int first = NullOpponentThirdFirstChoice(soloistFollows, firstCard, secondCard, abort);
    if (abort) return NO_CARD;
    me.rememberedSuit = -1;
    if (first != NO_CARD) return me.FinishStrategy(first, EPILOGUE_PLAIN);
    const int c1 = firstCard;
    const int s = PlainSuitOf(c1);
    const int S = soloistFollows ? firstCard : secondCard;
    const int P = soloistFollows ? secondCard : firstCard;
    if (me.CountInSuit(s) == 0) return me.FinishStrategy(ChooseNullDiscard(), EPILOGUE_PLAIN);
    const bool sameSuit = PlainSuitOf(P) == PlainSuitOf(S);
    int card = NO_CARD;
    if (soloistFollows) {
        // The soloist led.
        if (sameSuit && OrderOf(P) >= OrderOf(S)) {
            card = PickHighestInSuit(me, s, true);
        } else {
            const int x = PickLowestInSuit(me, s, false);
            card = OrderOf(x) < OrderOf(S) ? x : PickHighestInSuit(me, s, true);
        }
        return me.FinishStrategy(card, EPILOGUE_PLAIN);
    }
    // The partner led P, the soloist played S.
    const int l = PickLowestInSuit(me, s, true);
    bool toCase2 = false;
    if (sameSuit && OrderOf(S) > OrderOf(P)) {
        // Case 1: the soloist is winning.
        card = NextLowerInSuit(me, S, false);
        if (card == NO_CARD) {
            const int t = PickLowCardOfSuit(me, s);
            int candidate = l;
            for (int i = 0; i < 4; ++i)
                if (me.CountInSuit(i) == 4 && !Holds(me, i, ACE) && !IsCardGone(i, ACE, me.seat))
                    candidate = PickLowestInSuit(me, i, true);
            if (candidate != t && candidate != NO_CARD) {
                me.forcedCard = candidate;
                me.ForcedCardCount = me.count;
            }
            card = t;
            if (me.CountInSuit(s) == 3 && IsSuitSafe(me, l, -1, -1)) card = NextHigherInSuit(me, l);
            toCase2 = card == NO_CARD;
        }
    } else if (!sameSuit) {
        // Case 3: the soloist threw another suit.
        return me.FinishStrategy(PickLowestInSuit(me, s, false), EPILOGUE_PLAIN);
    } else {
        toCase2 = true;
    }
    bool toCase4 = false;
    if (toCase2) {
        // Case 2: the partner is winning, or the soloist must be overtaken.
        RunningBest other;
        for (int i = 0; i < 4; ++i) {
            if (i == s || me.CountInSuit(i) == 0) continue;
            const int low = PickLowestInSuit(me, i, true);
            if (IsSuitSafe(me, low, -1, -1) && MayHoldSuit(me, g_Game.Soloist, i)) other.Offer(low, 7 - OrderOf(low));
        }
        if (other.card != NO_CARD) {
            int e = NextHigherInSuit(me, c1);
            if (e != NO_CARD) {
                e = PickLowCardOfSuit(me, s);
                if (e != l && IsSuitSafe(me, l, -1, -1)) {
                    me.forcedCard = l;
                    me.ForcedCardCount = me.count;
                }
                card = e;
            } else {
                toCase4 = true;
            }
        } else {
            toCase4 = true;
        }
    }
    if (toCase4) {
        // Case 4.
        const int b = NextLowerInSuit(me, c1, false);
        if (b != NO_CARD && !IsSuitSafe(me, b, -1, -1) && OrderOf(b) < OrderOf(P) && !IsRank(b, SEVEN)) {
            card = b;
        } else {
            const int h = PickHighestInSuit(me, s, true);
            if (IsSuitSafe(me, l, -1, -1) && OrderOf(h) > OrderOf(c1) && h != l) {
                me.forcedCard = l;
                me.ForcedCardCount = me.count;
            }
            card = h;
        }
    }
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}
