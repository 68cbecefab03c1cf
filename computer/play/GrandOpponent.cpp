// The Grand defenders' card play: the lead, the second and the third card. Each follows the
// defenders' frame (the open-hand first choice, the give-up test, the committed card) and then
// its own cascade of rules.
#include "computer/evaluation/FrameServices.h"
#include "computer/play/CardChoosers.h"
#include "computer/play/CardQueries.h"
#include "computer/play/GrandPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "computer/play/TrickCardChoice.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "platform/core/Random.h"

#include <optional>

namespace {

void MarkVoid(int seat, int column) {
    if (seat >= 0 && seat <= 2 && column >= 0 && column < VOID_COLUMNS) g_Knowledge.VoidTable[seat][column] = 0;
}

}  // namespace

namespace {

// What the Grand defender's lead works out first: his hand size n and Jacks J, the trumps still
// out, the seat before him, and the suit of the last trick, whether plain and won by him.
struct OpponentLead {
    CPlayer& p;
    bool soloistNext;
    int n, J, trumps, prev, lastSuit;
    bool wonLast, lastPlain;
};

// L5: back to the suit the partner side can still win, while prev may trump.
std::optional<int> BackToTheSuitWon(const OpponentLead& o) {
    CPlayer& p = o.p;
    const int prev = o.prev, lastSuit = o.lastSuit;
    if (o.wonLast && o.lastPlain && p.CountInSuit(lastSuit) > 0 && p.lastTrick && p.lastTrick->present[prev] &&
        SuitOf(p.lastTrick->cards[prev]) != lastSuit && MayHoldSuit(p, prev, g_Game.GameType)) {
        const int h = PickHighestInSuit(p, lastSuit, true);
        if (h != NO_CARD) return h;
    }
    return std::nullopt;
}

// L6: a suit of nothing but top Tens and Aces.
int SuitOfTopTensAndAces(CPlayer& p) {
    CoinFlipBest best;
    for (int s = 0; s < 4; ++s) {
        const int low = PickLowCardOfSuit(p, s);
        if (low != NO_CARD && IsTopCard(p, low, -1, -1) && OrderOf(low) >= 5) best.Offer(SuitCountOf(p, s), low);
    }
    return best.card;
}

// L7 and L8: the preferred suit, then the suit led last and won by this player; spare keeps a
// card of them for L9.
std::optional<int> PreferredOrWonSuit(const OpponentLead& o, int& spare) {
    CPlayer& p = o.p;
    // L7. The preferred suit's low card, when the soloist is void there or it is top.
    const int preferred = g_Knowledge.PreferredSuit;
    if (preferred >= 0 && preferred <= 3) {
        const int x = PickLowCardOfSuit(p, preferred);
        spare = x;
        if (x != NO_CARD && (!SoloistMayHold(p, preferred) || IsTopCard(p, x, -1, -1))) return x;
    }
    // L8. The suit led last and won: its highest card when top (or the King after the Ten in a hand game).
    if (o.wonLast && o.lastPlain) {
        const int h = PickHighestInSuit(p, o.lastSuit, true);
        if (h != NO_CARD && (IsTopCard(p, h, -1, -1) ||
                             (GetCardRank(h) == KING && IsCardGone(o.lastSuit, TEN, p.seat) && g_Game.HandAnnounced)))
            return h;
        if (spare == NO_CARD) spare = h;
    }
    return std::nullopt;
}

// L9: no trump left: a suit that stands or the soloist lacks, the spare card, or a short suit's
// card by its run; nothing goes on to L13.
std::optional<int> LeadWithoutTrumps(CPlayer& p, int spare) {
    CoinFlipBest best;
    for (int s = 0; s < 4; ++s) {
        if (SuitCountOf(p, s) == 0) continue;
        const int low = PickLowCardOfSuit(p, s);
        if (low != NO_CARD && (IsTopCard(p, low, -1, -1) || !SoloistMayHold(p, s))) best.Offer(SuitCountOf(p, s), low);
    }
    if (best.card != NO_CARD) return best.card;
    if (spare != NO_CARD) return spare;
    const int c = CCardChoosers(p).ChooseCardByRunScore(true);
    if (c != NO_CARD && SuitCountOf(p, PlainSuitOf(c)) <= 1) return c;
    return std::nullopt;
}

// L10: one trump left: a top card by its run, or the top card below it when the partner sits
// behind; nothing goes on to L13.
std::optional<int> LeadAgainstTheLastTrump(const OpponentLead& o) {
    CPlayer& p = o.p;
    const int k = CCardChoosers(p).ChooseCardByRunScore(false);
    if (k != NO_CARD && IsTopCard(p, k, -1, -1)) {
        const int below = NextLowerInSuit(p, k, false);
        if (!o.soloistNext && GetCardRank(k) >= TEN && below != NO_CARD && IsTopCard(p, below, k, -1)) return below;
        return k;
    }
    return std::nullopt;
}

// L11: all four Jacks out, the soloist next: a suit the seat before may not hold, or a low card
// of a standing suit once the defenders have 40.
std::optional<int> LeadUnderFourJacks(const OpponentLead& o) {
    CPlayer& p = o.p;
    int candidate = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (SuitCountOf(p, s) == 0 || !SoloistMayHold(p, s)) continue;
        const int low = PickLowCardOfSuit(p, s);
        if (!MayHoldSuit(p, o.prev, s)) return low;
        if (IsTopCard(p, low, -1, -1) && SuitCountOf(p, s) > 1 && g_Game.PartyPoints[1] >= 40)
            candidate = PickLowestInSuit(p, s, true);
    }
    if (candidate != NO_CARD) return candidate;
    return std::nullopt;
}

// L12: draw the soloist's Jacks with a top Jack, when a top side card (mode 10) waits to take a
// trick once the trumps are out.
std::optional<int> DrawTheSoloistsJacks(const OpponentLead& o) {
    CPlayer& p = o.p;
    const int t = PickHighestInSuit(p, -1, true);
    const int b = CTrickCardChoice(p).ChooseCardByMode(10, -1);
    if (IsTopCard(p, t, -1, -1) && (o.J >= 2 || (o.J == 1 && o.trumps == 2))) {
        const int d = CCardChoosers(p).ChooseDefenderLead(o.soloistNext);
        if (b != NO_CARD || o.n < 4 || IsTopCard(p, d, -1, -1)) return t;
    }
    return std::nullopt;
}

// L9 to L12, by the trumps out and the Jacks held; nothing goes on to L13.
std::optional<int> LeadByTheTrumpsOut(const OpponentLead& o, int spare) {
    CPlayer& p = o.p;
    const int J = o.J, trumps = o.trumps;
    if (J == 0 || J == trumps || !SoloistMayHold(p, g_Game.GameType)) {
        if (trumps == 0) return LeadWithoutTrumps(p, spare);
        if (trumps == 1) return LeadAgainstTheLastTrump(o);
        if (trumps == 4 && o.n < 10 && o.soloistNext) {
            if (const std::optional<int> card = LeadUnderFourJacks(o)) return card;
        }
    }
    if (J >= 1 && J < trumps && SoloistMayHold(p, g_Game.GameType)) return DrawTheSoloistsJacks(o);
    return std::nullopt;
}

// L13: the scored lead; an Ace from a long suit commits the next card of the suit.
int ScoredDefenderLead(const OpponentLead& o) {
    CPlayer& p = o.p;
    const int d = CCardChoosers(p).ChooseDefenderLead(o.soloistNext);
    if (d != NO_CARD && GetCardRank(d) == ACE && SuitCountOf(p, PlainSuitOf(d)) > 2) {
        const int next = NextLowerInSuit(p, d, false);
        if (next != NO_CARD) {
            p.forcedCard = next;
            p.ForcedCardCount = o.n;
        }
    }
    return d;
}

}  // namespace

int CGrandPlay::PlayGrandOpponentLead(bool soloistNext) {
    // L1 to L3: the open-hand first choice, the give-up test.
    const int first = GrandOpponentLeadFirstChoice(soloistNext);
    if (me.CheckSoloist(NO_CARD)) return NO_CARD;
    if (first != NO_CARD) return me.FinishStrategy(first, EPILOGUE_PLAIN);
    // L4: a committed card still held.
    if (me.forcedCard > 0) {
        const int committed = me.forcedCard;
        me.forcedCard = 0;
        if (me.HasCard(committed)) return me.FinishStrategy(committed, EPILOGUE_PLAIN);
    }
    const int lastSuit = g_Knowledge.TrickLeadSuit;
    const OpponentLead o{me,
                         soloistNext,
                         me.count,
                         me.handInfo.JackCount,
                         g_Game.TrumpCount,
                         PreviousSeat(me.seat),
                         lastSuit,
                         g_Game.TrickWinner == me.seat,
                         lastSuit >= 0 && lastSuit <= 3};
    if (const std::optional<int> card = BackToTheSuitWon(o)) return me.FinishStrategy(*card, EPILOGUE_PLAIN);
    const int topSuit = SuitOfTopTensAndAces(me);
    if (topSuit != NO_CARD) return me.FinishStrategy(topSuit, EPILOGUE_PLAIN);
    int spare = NO_CARD;
    if (const std::optional<int> card = PreferredOrWonSuit(o, spare)) return me.FinishStrategy(*card, EPILOGUE_PLAIN);
    if (const std::optional<int> card = LeadByTheTrumpsOut(o, spare)) return me.FinishStrategy(*card, EPILOGUE_PLAIN);
    return me.FinishStrategy(ScoredDefenderLead(o), EPILOGUE_PLAIN);
}

namespace {

// What the Grand defender in second hand works out first: his hand size n, the Jacks J he holds
// and O held by the others, the third seat, the suit s led, and whether the soloist led.
struct OpponentSecond {
    CPlayer& p;
    int lead;
    int n, J, O, third, s;
    bool soloistLed;
    // The group-4 choice can come back empty (every card of the open hand's suits outranked and no
    // Jack to play low); a card to throw is then scored as usual.
    int S3() const {
        const int card = CCardChoosers(p).ChooseCardByScore3(PointsOf(lead), true);
        return card != NO_CARD ? card : CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    }
};

// J1 to J4: a Jack led.
int SecondOverAJack(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int n = o.n, J = o.J, third = o.third, lead = o.lead;
    const bool soloistLed = o.soloistLed;
    if (J > 0) {
        // J1. With Jacks: over the soloist's Jack when a higher one is held, else a Jack at random.
        if (soloistLed && OrderOf(PickHighestInSuit(p, -1, true)) > OrderOf(lead))
            return PickCardAboveInTrumps(p, lead, true);
        return PickRandomJack(p, 0);
    }
    if (soloistLed && (n < 8 || IsTopCard(p, lead, -1, -1) || !MayHoldSuit(p, third, g_Game.GameType))) {
        // J2. The soloist led with under eight cards left, a top Jack, or the partner out of trumps: a
        // Grand card, or one scored in its suit.
        const int c = CCardChoosers(p).ChooseGrandCard(false);
        if (c != NO_CARD) {
            const int sc = PlainSuitOf(c);
            const int h = PickHighestInSuit(p, sc, true);
            if ((SoloistMayHold(p, sc) && OrderOf(c) == 4) ||
                (SuitCountOf(p, sc) >= 2 && OrderOf(h) >= 4 && CountOutstanding(p, sc) - GetCountInSuit2(p, sc) >= 2)) {
                const int y = CCardChoosers(p).ChooseCardByScore2(sc);
                return y != NO_CARD && PointsOf(y) < 5 ? y : c;
            }
            return c;
        }
        const int x = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
        if (x == NO_CARD) return o.S3();
        const int sx = PlainSuitOf(x);
        const bool keepTen =
            SuitCountOf(p, sx) == 2 && SoloistMayHold(p, sx) && GetCardRank(PickHighestInSuit(p, sx, true)) == TEN;
        if (g_ComputerFrame.SuitLedMark(sx) == 0 && (SoloistMayHold(p, sx) || !IsTopCard(p, x, -1, -1)) && !keepTen)
            return x;
        const int y = CCardChoosers(p).ChooseCardByScore2(sx);
        if (y == NO_CARD) return x;
        if (g_ComputerFrame.SuitLedMark(PlainSuitOf(y)) && PointsOf(x) <= PointsOf(y)) return x;
        return y;
    }
    if (soloistLed) return o.S3();  // J3: a card scored for the soloist's trick.
    // J4: the partner's Jack.
    if (!IsTopCard(p, lead, -1, -1)) return CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    CoinFlipBest best;
    for (int t = 0; t < 4; ++t) {
        if (SuitCountOf(p, t) == 0 || !SoloistMayHold(p, t)) continue;
        const int h = PickHighestInSuit(p, t, true);
        if (!IsTopCard(p, h, -1, -1)) best.Offer(OrderOf(h), h);
    }
    return best.card != NO_CARD ? best.card : o.S3();
}

// F1 to F3: following the suit led.
int SecondFollowing(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int s = o.s, lead = o.lead;
    const bool soloistLed = o.soloistLed;
    const int low = PickLowCardOfSuit(p, s);
    if (soloistLed) {
        // F1. The soloist led: the low card when it cannot win; a follow card or the one below a top low card.
        if (OrderOf(low) < OrderOf(lead)) return PickLowCardAnySuit(p, s);
        if (IsTopCard(p, low, -1, -1)) {
            const int follow = CCardChoosers(p).ChooseOpponentFollowCard(lead);
            if (follow != NO_CARD) return follow;
            const int x = NextLowerInSuit(p, low, true);
            return x != NO_CARD && OrderOf(x) > OrderOf(lead) ? x : low;
        }
        return low;
    }
    if (g_Game.TrumpCount == 0 || SoloistMayHold(p, s)) {
        // F2. The partner led, the soloist may hold the suit: the second-hand choice over a top lead, else a
        // card that goes over the lead.
        if (IsTopCard(p, lead, -1, -1)) return CCardChoosers(p).ChooseOpponentSecond(s);
        if (!IsTopCard(p, low, -1, -1)) {
            if (GetCardRank(low) == TEN && Holds(p, s, KING)) return HeldCard(p, s, KING);
            int c = SuitCountOf(p, s) < 4 ? PickCardGrandSuit(p, lead, 4) : NextHigherInSuit(p, lead);
            if (c == NO_CARD || GetCardRank(c) == TEN) c = PickLowCardAnySuit(p, s);
            return c;
        }
        return low;
    }
    // F3. The soloist is void: a low card or the lowest.
    int c = OrderOf(lead) < 5 ? PickCardGrandSuit(p, lead, 4) : PickLowestInSuit(p, s, true);
    if (c == NO_CARD) c = PickLowestInSuit(p, s, false);
    return c;
}

// V1: void in the suit the partner led, with Jacks.
int SecondVoidOverThePartnerWithJacks(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int J = o.J, third = o.third, s = o.s, lead = o.lead;
    if (!MayHoldSuit(p, third, s))
        return J != g_Game.TrumpCount ? CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false) : o.S3();
    if (IsTopCard(p, lead, -1, -1)) return o.S3();
    int c = PickRandomJack(p, 1);
    if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);
    if (c == NO_CARD) c = PickRandomJack(p, 0);
    return c;
}

// V2: void in the suit the soloist led, with Jacks.
int SecondVoidOverTheSoloistWithJacks(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int J = o.J, O = o.O, third = o.third, s = o.s, lead = o.lead;
    if (O < J) {
        const int r = CCardChoosers(p).ChooseCardByRunScore(true);
        if (r != NO_CARD && IsTopCard(p, r, -1, -1) && SuitCountOf(p, PlainSuitOf(r)) > 2) {
            const int jack = PickRandomJack(p, 0);
            if (jack != NO_CARD) return jack;
        }
    }
    if (!MayHoldSuit(p, third, s) || IsTopCard(p, lead, -1, -1) || OrderOf(lead) >= 5) {
        if (PointsOf(lead) < 5) {
            const int c = CCardChoosers(p).ChooseGrandCard(false);
            if (c != NO_CARD) return c;
        }
        return PickRandomJack(p, 0);
    }
    const int c = o.S3();
    return c != NO_CARD ? c : PickRandomJack(p, 0);
}

// V3: void in the suit the soloist led, without a Jack.
int SecondVoidOverTheSoloist(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int third = o.third, s = o.s, lead = o.lead;
    if (MayHoldSuit(p, third, s) && !IsTopCard(p, lead, -1, -1) && OrderOf(lead) < 5) {
        const int k = CCardChoosers(p).ChooseCardByRunScore(true);
        if (k != NO_CARD && PointsOf(lead) + g_Game.PartyPoints[1] + PointsOf(k) >= 61) return k;
        const int c = o.S3();
        if (c != NO_CARD) return c;
    } else if (OrderOf(lead) >= 5 && !MayHoldSuit(p, third, s) && MayHoldSuit(p, third, g_Game.GameType)) {
        const int c = CCardChoosers(p).ChooseCardByRunScore(true);
        if (c != NO_CARD) return c;
    }
    int x = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);
    if (x == NO_CARD) x = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    const int sx = PlainSuitOf(x);
    const int h = PickHighestInSuit(p, sx, true);
    if (x != NO_CARD && SoloistMayHold(p, sx) &&
        ((SuitCountOf(p, sx) == 2 && GetCardRank(h) == TEN && !IsTopCard(p, h, -1, -1)) ||
         (SuitCountOf(p, sx) == 1 && IsTopCard(p, h, -1, -1)))) {
        const int y = CCardChoosers(p).ChooseCardByScore2(sx);
        if (y != NO_CARD) return y;
    }
    return x;
}

// V4 and V5: void in the suit the partner led, without a Jack.
int SecondVoidOverThePartner(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int s = o.s, lead = o.lead;
    if ((g_Game.TrumpCount == 0 || SoloistMayHold(p, s)) && (IsTopCard(p, lead, -1, -1) || !SoloistMayHold(p, s))) {
        // V4: the partner's trick: add points when they cross 61 or 31.
        if (SoloistMayHold(p, s)) {
            const int k = CCardChoosers(p).ChooseCardByRunScore(true);
            const int T = g_Game.PartyPoints[1] + PointsOf(lead);
            if (k != NO_CARD && ((T < 61 && T + PointsOf(k) > 60) || (T < 31 && T + PointsOf(k) > 30))) return k;
        }
        const int x = o.S3();
        if (x != NO_CARD && SoloistMayHold(p, PlainSuitOf(x)) && IsTopCard(p, x, -1, -1)) {
            int y = NextLowerInSuit(p, x, false);
            if (y == NO_CARD) y = CCardChoosers(p).ChooseCardByScore2(PlainSuitOf(x));
            if (y != NO_CARD) return y;
        }
        return x != NO_CARD ? x : CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    }
    // V5. Else a Grand card, or a card by score.
    int c = CCardChoosers(p).ChooseGrandCard(false);
    if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    return c;
}

}  // namespace

int CGrandPlay::PlayGrandOpponentSecond(bool soloistNext, int lead) {
    const int first = GrandOpponentSecondFirstChoice(soloistNext, lead);
    if (me.CheckSoloist(NO_CARD)) return NO_CARD;
    if (first != NO_CARD) return me.FinishStrategy(first, EPILOGUE_PLAIN);
    const int J = me.handInfo.JackCount;
    const OpponentSecond o{me, lead, me.count, J, g_Game.TrumpCount - J, NextSeat(me.seat), SuitOf(lead), !soloistNext};
    int card;
    if (IsJack(lead)) card = SecondOverAJack(o);
    else if (SuitCountOf(me, o.s) > 0) card = SecondFollowing(o);
    else if (J > 0 && !o.soloistLed) card = SecondVoidOverThePartnerWithJacks(o);
    else if (J > 0) card = SecondVoidOverTheSoloistWithJacks(o);
    else if (o.soloistLed) card = SecondVoidOverTheSoloist(o);
    else card = SecondVoidOverThePartner(o);
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

namespace {

// What the Grand defender in third hand works out first: his hand size n and Jacks J, the
// soloist's card S and the partner's T, the partner's seat, the suit L led, the points P in the
// trick and the defenders' points so far.
struct OpponentThird {
    CPlayer& p;
    bool soloistNext;  // the soloist led and the partner played second; else the reverse
    int firstCard, secondCard;
    int n, J, S, T, partner, L, P, points1;
};

// A1, A2: a Jack led.
int ThirdOverAJack(const OpponentThird& o) {
    CPlayer& p = o.p;
    const int S = o.S, T = o.T, P = o.P;
    if (o.J == 0) {
        // A1. Without Jacks: a scored card under the partner's winning Jack, else a trump game or Grand card.
        if (IsJack(T) && OrderOf(T) > OrderOf(S)) {
            const int card = CCardChoosers(p).ChooseCardByScore3(P, true);
            return card != NO_CARD ? card : CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
        }
        int c = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (c == NO_CARD) c = CCardChoosers(p).ChooseGrandCard(false);
        if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
        const int sc = PlainSuitOf(c);
        if (c != NO_CARD && SoloistMayHold(p, sc) && SuitCountOf(p, sc) == 1 && IsTopCard(p, c, -1, -1)) {
            const int y = CCardChoosers(p).ChooseCardByScore2(sc);
            if (y != NO_CARD) return y;
        }
        return c;
    }
    // A2. With Jacks: a Jack at random, or the Jack just above the soloist's when the partner's does not hold.
    int c = PickRandomJack(p, 0);
    if (!(IsJack(T) && OrderOf(T) > OrderOf(S))) {
        const int above = PickCardAboveInTrumps(p, S, true);
        if (above != NO_CARD) c = above;
    }
    return c;
}

// B1, B2: following the partner's lead.
int ThirdFollowingThePartner(const OpponentThird& o) {
    CPlayer& p = o.p;
    const int S = o.S, T = o.T, L = o.L;
    const int low = PickLowCardOfSuit(p, L);
    if (SuitOf(S) == L) {
        if (OrderOf(T) > OrderOf(S)) {
            const int follow = CCardChoosers(p).ChooseOpponentFollowCard(S);
            return follow != NO_CARD ? follow : low;
        }
        return OrderOf(low) >= OrderOf(S) ? low : PickLowCardAnySuit(p, L);
    }
    return IsJack(S) ? PickLowCardAnySuit(p, L) : PickLowCardOfSuit(p, L);
}

// B3, B4: following the soloist's lead; a partner who could not follow is marked void.
int ThirdFollowingTheSoloist(const OpponentThird& o) {
    CPlayer& p = o.p;
    const int S = o.S, T = o.T, L = o.L, P = o.P;
    const int low = PickLowCardOfSuit(p, L);
    const bool partnerFollowed = SuitOf(T) == L;
    if (!partnerFollowed) MarkVoid(o.partner, PlainSuitOf(S));
    const bool soloistHolds = (partnerFollowed && OrderOf(T) < OrderOf(S)) || (!partnerFollowed && !IsJack(T));
    if (soloistHolds) {
        if (OrderOf(low) < OrderOf(S)) return PickLowCardAnySuit(p, L);
        if (GetCardRank(low) == ACE && (!partnerFollowed || PointsOf(o.secondCard) < 10)) {
            const int over = GetNextHigherHeld(p, NextHigherInSuit(p, S));
            if (over != NO_CARD) return over;
        }
        if (IsTopCard(p, low, -1, -1)) {
            const int x = NextLowerInSuit(p, low, false);
            if (x != NO_CARD && OrderOf(x) > OrderOf(S) && !IsTopCard(p, x, low, -1)) return x;
        }
        return low;
    }
    if ((IsTopCard(p, low, -1, -1) && IsSuitGuarded(p, L, 1, false)) ||
        (p.CountInSuit(L) >= 3 && CollectSuit(p, L, false, nullptr) >= 3 && OrderOf(low) >= 4)) {
        const int x = NextLowerInSuit(p, low, true);
        if (x != NO_CARD && !IsTopCard(p, x, low, -1) && (o.points1 + P > 60 || PointsOf(low) + o.points1 + P < 61))
            return x;
    }
    return low;
}

// C2: a card into the partner's trick by score, a Grand card when the Ace above stands, or the
// points the defenders still need for 31 or 60.
int ThirdPointsIntoThePartnersTrick(const OpponentThird& o) {
    CPlayer& p = o.p;
    const int P = o.P;
    const int x = CCardChoosers(p).ChooseCardByScore3(P, false);
    const int g = GetNextHigherHeld(p, x);
    const int gs = PlainSuitOf(g);
    if (o.J > 0 && g != NO_CARD && Holds(p, gs, ACE) && IsTopCard(p, g, HeldCard(p, gs, ACE), -1) &&
        SuitCountOf(p, gs) <= 3) {
        int c = CCardChoosers(p).ChooseGrandCard(false);
        if (c == NO_CARD) {
            c = CCardChoosers(p).ChooseCardByRunScore(true);
            if (c == NO_CARD || c == g) c = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);
        }
        if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
        return c;
    }
    const int D = P + o.points1;
    const int need = D < 30 ? 31 - D : D < 60 ? 60 - D : 0;
    if (g != NO_CARD && PointsOf(g) < need && need >= 1 && need <= 11) {
        CoinFlipBest best;
        for (int s = 0; s < 4; ++s) {
            const int low = PickLowCardOfSuit(p, s);
            if (low != NO_CARD) best.Offer(PointsOf(low), low);
        }
        if (best.card != NO_CARD && PointsOf(best.card) >= need) return best.card;
    }
    return g != NO_CARD ? g : CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
}

// C1, C2: void in the suit led, the partner's card holds.
int ThirdVoidThePartnerHolds(const OpponentThird& o, bool sameSuit) {
    CPlayer& p = o.p;
    // C1. Following: the run-score card (a follow card instead of a lone top card); void: a top card of
    // the soloist's suit; else points into the trick.
    if (sameSuit) {
        int k = CCardChoosers(p).ChooseCardByRunScore(true);
        if (o.J == 0 && k != NO_CARD && IsTopCard(p, k, -1, -1) && !IsTopCard(p, NextLowerInSuit(p, k, false), k, -1))
            k = CCardChoosers(p).ChooseOpponentFollow(PlainSuitOf(k));
        if (k != NO_CARD) return k;
    } else {
        const int h = PickHighestInSuit(p, PlainSuitOf(o.S), true);
        if (IsTopCard(p, h, -1, -1)) return h;
    }
    return ThirdPointsIntoThePartnersTrick(o);
}

// D1, D2: void in the suit led, the soloist's card holds: a Grand card, or a Jack in when the
// trick is worth it (over the soloist's top card, his suit's highest card committed).
int ThirdVoidTheSoloistHolds(const OpponentThird& o) {
    CPlayer& p = o.p;
    const int S = o.S, T = o.T, P = o.P, points1 = o.points1;
    int c = CCardChoosers(p).ChooseGrandCard(false);
    if (c != NO_CARD && PointsOf(c) == 10 && MayHoldSuit(p, o.partner, PlainSuitOf(c))) c = NO_CARD;
    if (o.J > 0 && (c == NO_CARD || P > 4)) {
        // D2: trump in.
        if (IsJack(S)) {
            const int j = PickJack(p, 0);
            if (j != NO_CARD && OrderOf(j) > OrderOf(S) && (P + 2 >= 10 || (points1 < 61 && points1 + 3 + P >= 61)))
                c = j;
        } else {
            c = PickRandomJack(p, 0);
            if (IsTopCard(p, T, -1, -1)) {
                const int h = PickHighestInSuit(p, PlainSuitOf(T), true);
                if (h != NO_CARD) {
                    p.forcedCard = h;
                    p.ForcedCardCount = o.n;
                    MarkVoid(g_Game.Soloist, PlainSuitOf(h));
                }
            }
        }
    }
    if (c == NO_CARD) c = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    return c;
}

}  // namespace

int CGrandPlay::PlayGrandOpponentThird(bool soloistNext, int firstCard, int secondCard) {
    const int firstChoice = GrandOpponentThirdFirstChoice(soloistNext, firstCard, secondCard);
    if (me.CheckSoloist(NO_CARD)) return NO_CARD;
    if (firstChoice != NO_CARD) return me.FinishStrategy(firstChoice, EPILOGUE_PLAIN);
    const int S = soloistNext ? firstCard : secondCard;
    const int T = soloistNext ? secondCard : firstCard;
    const int partnerSeat = PreviousSeat(me.seat) == g_Game.Soloist ? NextSeat(me.seat) : PreviousSeat(me.seat);
    const int L = SuitOf(firstCard);
    const OpponentThird o{me,
                          soloistNext,
                          firstCard,
                          secondCard,
                          me.count,
                          me.handInfo.JackCount,
                          S,
                          T,
                          partnerSeat,
                          L,
                          PointsOf(firstCard) + PointsOf(secondCard),
                          g_Game.PartyPoints[1]};
    int card;
    if (IsJack(firstCard)) {
        card = ThirdOverAJack(o);
    } else if (me.CountInSuit(L) > 0) {
        card = soloistNext ? ThirdFollowingTheSoloist(o) : ThirdFollowingThePartner(o);
    } else {
        // Void in the suit led: who holds the trick?
        const bool sameSuit = SuitOf(S) == SuitOf(T);
        const bool partnerHolds =
            IsJack(T) ? !(IsJack(S) && OrderOf(S) > OrderOf(T))
                      : (sameSuit && OrderOf(T) > OrderOf(S)) || (!soloistNext && SuitOf(S) != L && !IsJack(S));
        card = partnerHolds ? ThirdVoidThePartnerHolds(o, sameSuit) : ThirdVoidTheSoloistHolds(o);
    }
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}
