// Durchmarsch: a Ramsch player who aims at taking every trick plays for the tricks instead of
// avoiding points. None of these cards gives the game up or commits a later card.

#include "computer/play/CardChoosers.h"
#include "computer/play/RamschPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/GameState.h"
#include "model/Player.h"

int CRamschPlay::PlayDurchmarschLead() {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    int card = NO_CARD;
    if (J == 0) {
        // 1. No Jack: the lead or last card; once every Jack is gone, the top of its suit.
        card = CCardChoosers(me).ChooseLeadOrLastCard(-1);
        if (card == NO_CARD) {
            card = CCardChoosers(me).ChooseCardGeneral(0, 0);
            if (card == NO_CARD) card = ChooseRamschCard2(-1);
        } else if (T == 0) {
            const int h = PickHighestInSuit(me, SuitOf(card), true);
            if (IsTopCard(me, h, -1, -1)) card = h;
        }
    } else if (J < T) {
        // 2. Another player still holds a Jack: draw it with a Jack from the top.
        card = PickHighestInSuit(me, -1, false);
    } else {
        // 3. Every Jack still in play is his own.
        card = ChooseRamschVariantLead();
        if (card == NO_CARD) {
            card = CCardChoosers(me).ChooseLeadOrLastCard(-1);
            if (card == NO_CARD) {
                card = PickRandomJack(me, 0);
            } else if (!IsTopCard(me, card, -1, -1) && J == T && CollectSuit(me, SuitOf(card), false, nullptr) == 1) {
                card = PickHighestInSuit(me, -1, true);
            }
        }
    }
    if (card == NO_CARD) card = ChooseRamschCard2(-1);
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

int CRamschPlay::PlayDurchmarschSecond(int firstCard) {
    const int J = me.handInfo.JackCount, T = g_Game.TrumpCount;
    const int s = SuitOf(firstCard);
    int card;
    if (IsJack(firstCard)) {
        // 1. Half of the time with two Jacks: the Jack just above the led one.
        // A Jack lead must be followed with a Jack: the one above only when there is one.
        card = PickJack(me, 0);
        if (J == 2 && CoinTails()) {
            const int above = PickCardAboveInTrumps(me, firstCard, true);
            if (above != NO_CARD) card = above;
        }
    } else if (me.CountInSuit(s) > 0) {
        // 2. A low card at the bottom of its run.
        card = GetNextLowerHeld(me, PickLowCardOfSuit(me, s));
    } else if (J > 0 && J >= T - J) {
        // 3. Trump only with at least half of the Jacks still in play.
        card = PickRandomJack(me, 0);
    } else {
        card = ChooseRamschCard(-1, false, false);
    }
    if (card == NO_CARD) card = ChooseRamschCard2(-1);
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

int CRamschPlay::PlayDurchmarschThird(int firstCard, int secondCard) {
    const int J = me.handInfo.JackCount;
    const int s = SuitOf(firstCard);
    // The order of the card winning so far; a Jack on a plain lead does not enter it.
    const bool secondFollows = secondCard != NO_CARD && SuitOf(secondCard) == s;
    const int W = secondFollows && OrderOf(secondCard) >= OrderOf(firstCard) ? OrderOf(secondCard) : OrderOf(firstCard);
    int card;
    if (IsJack(firstCard)) {
        if (J == 0) {
            card = ChooseRamschCard(-1, false, false);
        } else {
            const int x = IsJack(secondCard) && OrderOf(secondCard) > OrderOf(firstCard) ? secondCard : firstCard;
            card = PickCardAboveInTrumps(me, x, true);
            // No Jack above: the lowest Jack still follows the Jack lead.
            if (card == NO_CARD) card = PickRandomJack(me, -1);
        }
    } else if (me.CountInSuit(s) > 0) {
        if (IsJack(secondCard)) {
            card = PickLowCardOfSuit(me, s);
        } else {
            const int x = OrderOf(firstCard) == W ? firstCard : secondCard;
            card = NextHigherInSuit(me, x);
            if (card == NO_CARD) card = PickLowCardOfSuit(me, s);
        }
    } else if (J == 0) {
        card = ChooseRamschCard(-1, false, false);
    } else if (IsJack(secondCard)) {
        card = PickCardAboveInTrumps(me, secondCard, true);
        if (card == NO_CARD) card = ChooseRamschCard(-1, false, false);
    } else {
        card = PickRandomJack(me, 0);
    }
    if (card == NO_CARD) card = ChooseRamschCard2(-1);
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}
