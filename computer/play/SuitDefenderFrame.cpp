// The frame of every suit-game defender strategy: the first choice against an open soloist hand,
// the give-up check, the position's own cascade when the first choice found nothing, and the
// common closing steps (the lead also records and marks the suit it led).
#include "computer/play/SuitDefenderFrame.h"

#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "computer/play/SuitPlayTerms.h"

using namespace suit;

SuitFallbackCounts g_SuitFallbacks;

int CSuitDefenderPlay::PlaySuitDefender(int position, bool flag, int c1, int c2) {
    // 1. The first choice (only while the soloist's cards lie open).
    int card = NO_CARD;
    if (position == 0)
        card = SuitOpponentLeadFirstChoice(flag);
    else if (position == 1)
        card = SuitOpponentSecondFirstChoice(flag, c1);
    else
        card = SuitOpponentThirdFirstChoice(flag, c1, c2);
    // 2. A defender who has just given the game up plays nothing.
    if (me.CheckSoloist(-1)) return NO_CARD;
    // 3. The first choice when it found a card he holds, else the position's cascade.
    if (!IsCard(card) || !me.HasCard(card)) {
        if (position == 0)
            card = SuitOpponentLeadCascade(flag);
        else if (position == 1)
            card = IsTrump(c1) ? SuitOpponentSecondTrumpLed(flag, c1) : SuitOpponentSecondSideLed(flag, c1);
        else if (IsTrump(c1))
            card = SuitOpponentThirdTrumpLed(flag, c1, c2);
        else if (me.CountInSuit(SuitOf(c1)) > 0) card = SuitOpponentThirdFollow(flag, c1, c2);
        else
            card = SuitOpponentThirdVoid(flag, c1, c2);
        card = AllowedOrLastStep(me, card, FALLBACK_DEFENDER_LEAD + position);
    }
    // 4. The closing steps.
    return me.FinishStrategy(card, position == 0 ? EPILOGUE_SUIT_DEFENDER_LEAD : EPILOGUE_PLAIN);
}

int CSuitDefenderPlay::SuitCascadeFallback(int which, bool trumpFirst) {
    if (which >= 0 && which < FALLBACK_KINDS) ++g_SuitFallbacks.reached[which];
    const int card = CCardChoosers(me).ChooseCardByScore(11, -1, false);
    if (IsCard(card) && me.HasCard(card) && me.CanPlayCard(card, me.trickLeadCard)) return card;
    if (which >= 0 && which < FALLBACK_KINDS) ++g_SuitFallbacks.replaced[which];
    return LowestAllowedCard(me, trumpFirst);
}

int AllowedOrLastStep(CPlayer& p, int card, int kind) {
    if (IsCard(card) && p.HasCard(card) && p.CanPlayCard(card, p.trickLeadCard)) return card;
    return CSuitDefenderPlay(p).SuitCascadeFallback(kind, false);
}

int LowestAllowedCard(const CPlayer& p, bool trumpFirst) {
    // The lowest allowed card: fewest points, then lowest order (trumps first when asked).
    int best = NO_CARD;
    int bestKey = 1 << 20;
    for (int slot = 0; slot < p.capacity; ++slot) {
        const int c = p.cards[slot];
        if (!p.present[slot] || !IsCard(c) || !p.CanPlayCard(c, p.trickLeadCard)) continue;
        const int key = (trumpFirst && !IsTrump(c) ? 1000 : 0) + 16 * Points(c) + Order(c);
        if (key < bestKey) {
            bestKey = key;
            best = c;
        }
    }
    return best;
}
