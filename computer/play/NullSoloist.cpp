// The Null and Revolution soloist: his lead, his card in second and third position with the
// laying down of a safe hand, and the discards both roles of a Null game use.

#include "computer/evaluation/FrameServices.h"
#include "computer/play/EarlyFaceUp.h"
#include "computer/play/NullPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Settings.h"

int CNullPlay::PlayNullSoloistLead() {
    // Pass 1: short suits with their low cards, a seven-card suit, low runs of a safe suit.
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int n = me.CountInSuit(s);
        if (n == 0 || n == 8) continue;
        const bool has7 = Holds(me, s, SEVEN), has8 = Holds(me, s, EIGHT), has9 = Holds(me, s, NINE);
        const int seven = CardCodeOf(SEVEN, s), eight = CardCodeOf(EIGHT, s), nine = CardCodeOf(NINE, s);
        if (n == 1) {
            if (has7) best.Offer(seven, 14);
            else if (has8) best.Offer(eight, 15);
        } else if (n == 2) {
            if (!has7 && g_Game.OuvertAnnounced != 0 && has8 && has9) best.Offer(CoinHeads() ? nine : eight, 16);
            else if (has7 && has8) best.Offer(CoinHeads() ? eight : seven, 15);
            else if (has7 && !has8 && has9) best.Offer(nine, 10 - n);
        } else if (n == 7) {
            if (!g_Game.HandAnnounced && !IsCardGone(s, ACE, me.seat) && has7) best.Offer(seven, 16);
        } else if (has7 && me.handInfo.StructureCode[s] == 1) {
            if (has8) {
                const int low = PickLowCardAnySuit(me, s);
                const int v = Holds(me, s, KING) ? 10 : has9 ? 13 : Holds(me, s, TEN) ? 12 : 11;
                best.Offer(low, v);
            } else if (has9) {
                best.Offer(nine, 8 - n);
            }
        }
    }
    // Pass 2, when pass 1 found nothing.
    if (best.score <= 0) {
        best = RunningBest();
        for (int s = 0; s < 4; ++s) {
            const int n = me.CountInSuit(s);
            if (n == 0 || n == 8) continue;
            const int code = me.handInfo.StructureCode[s];
            if (code == 2 || code == 3) {
                if (Holds(me, s, EIGHT)) best.Offer(CardCodeOf(EIGHT, s), 12 - n);
                else if (Holds(me, s, NINE)) best.Offer(CardCodeOf(NINE, s), 10 - n);
            } else {
                const int x = PickLowestInSuit(me, s, true);
                best.Offer(x, 14 - n - OrderOf(x));
            }
        }
    }
    int card = best.card;
    // A hand of one complete suit takes the trick whatever it leads: the lowest card.
    if (card == NO_CARD) {
        for (int s = 0; s < 4 && card == NO_CARD; ++s)
            if (me.CountInSuit(s) > 0) card = PickLowestInSuit(me, s, true);
    }
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

int CNullPlay::PlayNullSoloistSecond(int firstCard) { return PlayNullSoloistFollow(firstCard, firstCard, true); }

int CNullPlay::PlayNullSoloistThird(int firstCard, int secondCard) {
    int top = firstCard;
    if (secondCard != NO_CARD && firstCard != NO_CARD && PlainSuitOf(secondCard) == PlainSuitOf(firstCard) &&
        OrderOf(secondCard) > OrderOf(firstCard))
        top = secondCard;
    return PlayNullSoloistFollow(firstCard, top, false);
}

int CNullPlay::PlayNullSoloistFollow(int firstCard, int top, bool second) {
    const int s = PlainSuitOf(firstCard);
    int card = NO_CARD;
    if (me.CountInSuit(s) > 0) {
        // 1. The highest card below the top card, else a card of the lowest run.
        card = NextLowerInSuit(me, top, false);
        if (card == NO_CARD) {
            if (second) me.forcedCard = -1;
            card = PickLowestInSuit(me, s, false);
        }
    } else {
        // 2. Not following: a threatened suit first.
        card = ChooseNullSoloistFollow();
        if (card == NO_CARD) card = ChooseNullDiscard();
    }
    // 3. The card, finished as the plain play does.
    card = me.FinishStrategy(card, EPILOGUE_PLAIN);
    // 4. Laying down: a card that takes the trick never does.
    if (card == NO_CARD) return card;
    if (PlainSuitOf(card) == s && OrderOf(card) >= OrderOf(top)) {
        g_ComputerFrame.PersonPendingCard = NO_CARD;
        return card;
    }
    if (!CardSuggestionRunning() && g_Settings.Settings.Safe && EvaluateNullFollow(card, -1)) {
        if (g_Game.GameType != GAME_REVOLUTION) AnnounceFaceUp(me.seat);
        me.OpenCards();
        if (g_Game.OuvertAnnounced == 0) g_Game.OuvertAnnounced = 2;
    }
    return card;
}

int CNullPlay::ChooseNullSoloistFollow() {
    int bestOrder = -1;
    int kept = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (me.CountInSuit(s) == 0) continue;
        // 1. Held and out ranks, from the 7 up.
        bool held[8] = {}, out[8] = {};
        for (int i = 0; i < 8; ++i) {
            const int rank = NullRankList[7 - i];
            held[i] = Holds(me, s, rank);
            out[i] = !held[i] && !IsCardGone(s, rank, me.seat);
        }
        // 2. and 3. Pair each out card with the lowest unpaired held card; an out card below
        // its held card threatens the suit.
        bool paired[8] = {};
        for (int i = 0; i < 8; ++i) {
            if (!out[i]) continue;
            int h = -1;
            for (int j = 0; j < 8 && h < 0; ++j)
                if (held[j] && !paired[j]) h = j;
            if (h < 0) continue;
            paired[h] = true;
            if (i < h) {
                const int x = PickLowCardOfSuit(me, s);
                if (x == NO_CARD) continue;
                if (OrderOf(x) > bestOrder || (OrderOf(x) == bestOrder && CoinHeads())) kept = x;
                bestOrder = std::max(bestOrder, OrderOf(x));
            }
        }
    }
    return kept;
}

int CNullPlay::ChooseNullDiscard() {
    // Pass 1: no single safe card; shorter suits first.
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int n = me.CountInSuit(s);
        if (n == 0) continue;
        if (n == 1 && IsSuitSafe(me, PickLowestInSuit(me, s, true), -1, -1)) continue;
        best.Offer(PickLowCardOfSuit(me, s), 10 - n);
    }
    if (best.card != NO_CARD) return best.card;
    // Pass 2: the highest low card of any suit.
    RunningBest any;
    for (int s = 0; s < 4; ++s) {
        if (me.CountInSuit(s) == 0) continue;
        const int x = PickLowCardOfSuit(me, s);
        any.Offer(x, OrderOf(x));
    }
    return any.card;
}
