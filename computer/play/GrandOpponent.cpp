// The Grand defenders' card play: the lead, the second and the third card. Each follows the
// defenders' frame (the open-hand first choice, the give-up test, the committed card) and then
// its own cascade of rules.
#include "computer/evaluation/FrameServices.h"
#include "computer/play/CardQueries.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "platform/core/Random.h"

namespace {

void MarkVoid(int seat, int column) {
    if (seat >= 0 && seat <= 2 && column >= 0 && column < VOID_COLUMNS) g_Knowledge.VoidTable[seat][column] = 0;
}

}  // namespace

int CPlayer::PlayGrandOpponentLead(bool soloistNext) {
    // L1 to L3: the open-hand first choice, the give-up test.
    const int first = GrandOpponentLeadFirstChoice(soloistNext);
    if (CheckSoloist(NO_CARD)) return NO_CARD;
    if (first != NO_CARD) return FinishStrategy(first, EPILOGUE_PLAIN);
    // L4: a committed card still held.
    if (forcedCard > 0) {
        const int committed = forcedCard;
        forcedCard = 0;
        if (HasCard(committed)) return FinishStrategy(committed, EPILOGUE_PLAIN);
    }
    const int n = count;
    const int J = handInfo.JackCount;
    const int trumps = g_Game.TrumpCount;
    const int prev = PreviousSeat(seat);
    const int lastSuit = g_Knowledge.TrickLeadSuit;
    const bool wonLast = g_Game.TrickWinner == seat;
    const bool lastPlain = lastSuit >= 0 && lastSuit <= 3;
    // L5: back to the suit the partner side can still win, while prev may trump.
    if (wonLast && lastPlain && CountInSuit(lastSuit) > 0 && lastTrick && lastTrick->present[prev] &&
        SuitOf(lastTrick->cards[prev]) != lastSuit && MayHoldSuit(prev, g_Game.GameType)) {
        const int h = PickHighestInSuit(lastSuit, true);
        if (h != NO_CARD) return FinishStrategy(h, EPILOGUE_PLAIN);
    }
    // L6: a suit of nothing but top Tens and Aces.
    {
        CoinFlipBest best;
        for (int s = 0; s < 4; ++s) {
            const int low = PickLowCardOfSuit(s);
            if (low != NO_CARD && IsTopCard(low, -1, -1) && OrderOf(low) >= 5) best.Offer(SuitCountOf(*this, s), low);
        }
        if (best.card != NO_CARD) return FinishStrategy(best.card, EPILOGUE_PLAIN);
    }
    // L7: the preferred suit.
    int spare = NO_CARD;
    const int preferred = g_Knowledge.PreferredSuit;
    if (preferred >= 0 && preferred <= 3) {
        const int x = PickLowCardOfSuit(preferred);
        spare = x;
        if (x != NO_CARD && (!SoloistMayHold(*this, preferred) || IsTopCard(x, -1, -1)))
            return FinishStrategy(x, EPILOGUE_PLAIN);
    }
    // L8: the suit led last, won by this player.
    if (wonLast && lastPlain) {
        const int h = PickHighestInSuit(lastSuit, true);
        if (h != NO_CARD && (IsTopCard(h, -1, -1) || (GetCardRank(h) == KING && IsCardGone(lastSuit, TEN, seat) &&
                                                       g_Game.HandAnnounced)))
            return FinishStrategy(h, EPILOGUE_PLAIN);
        if (spare == NO_CARD) spare = h;
    }
    bool toL13 = false;
    if (J == 0 || J == trumps || !SoloistMayHold(*this, g_Game.GameType)) {
        if (trumps == 0) {
            // L9.
            CoinFlipBest best;
            for (int s = 0; s < 4; ++s) {
                if (SuitCountOf(*this, s) == 0) continue;
                const int low = PickLowCardOfSuit(s);
                if (low != NO_CARD && (IsTopCard(low, -1, -1) || !SoloistMayHold(*this, s)))
                    best.Offer(SuitCountOf(*this, s), low);
            }
            if (best.card != NO_CARD) return FinishStrategy(best.card, EPILOGUE_PLAIN);
            if (spare != NO_CARD) return FinishStrategy(spare, EPILOGUE_PLAIN);
            const int c = ChooseCardByRunScore(true);
            if (c != NO_CARD && SuitCountOf(*this, PlainSuitOf(c)) <= 1) return FinishStrategy(c, EPILOGUE_PLAIN);
            toL13 = true;
        } else if (trumps == 1) {
            // L10.
            const int k = ChooseCardByRunScore(false);
            if (k != NO_CARD && IsTopCard(k, -1, -1)) {
                const int below = NextLowerInSuit(k, false);
                if (!soloistNext && GetCardRank(k) >= TEN && below != NO_CARD && IsTopCard(below, k, -1))
                    return FinishStrategy(below, EPILOGUE_PLAIN);
                return FinishStrategy(k, EPILOGUE_PLAIN);
            }
            toL13 = true;
        } else if (trumps == 4 && n < 10 && soloistNext) {
            // L11.
            int candidate = NO_CARD;
            for (int s = 0; s < 4; ++s) {
                if (SuitCountOf(*this, s) == 0 || !SoloistMayHold(*this, s)) continue;
                const int low = PickLowCardOfSuit(s);
                if (!MayHoldSuit(prev, s)) return FinishStrategy(low, EPILOGUE_PLAIN);
                if (IsTopCard(low, -1, -1) && SuitCountOf(*this, s) > 1 && g_Game.PartyPoints[1] >= 40)
                    candidate = PickLowestInSuit(s, true);
            }
            if (candidate != NO_CARD) return FinishStrategy(candidate, EPILOGUE_PLAIN);
        }
    }
    if (!toL13 && J >= 1 && J < trumps && SoloistMayHold(*this, g_Game.GameType)) {
        // L12: draw the soloist's Jacks with a top Jack, when a top side card (mode 10) waits to
        // take a trick once the trumps are out.
        const int t = PickHighestInSuit(-1, true);
        const int b = ChooseCardByMode(10, -1);
        if (IsTopCard(t, -1, -1) && (J >= 2 || (J == 1 && trumps == 2))) {
            const int d = ChooseDefenderLead(soloistNext);
            if (b != NO_CARD || n < 4 || IsTopCard(d, -1, -1)) return FinishStrategy(t, EPILOGUE_PLAIN);
        }
    }
    // L13: the scored lead; an Ace from a long suit commits the next card of the suit.
    const int d = ChooseDefenderLead(soloistNext);
    if (d != NO_CARD && GetCardRank(d) == ACE && SuitCountOf(*this, PlainSuitOf(d)) > 2) {
        const int next = NextLowerInSuit(d, false);
        if (next != NO_CARD) {
            forcedCard = next;
            ForcedCardCount = n;
        }
    }
    return FinishStrategy(d, EPILOGUE_PLAIN);
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
        const int card = p.ChooseCardByScore3(PointsOf(lead), true);
        return card != NO_CARD ? card : p.ChooseCardByScore(11, NO_CARD, false);
    }
};

// J1 to J4: a Jack led.
int SecondOverAJack(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int n = o.n, J = o.J, third = o.third, lead = o.lead;
    const bool soloistLed = o.soloistLed;
    if (J > 0) {
        // J1.
        if (soloistLed && OrderOf(p.PickHighestInSuit(-1, true)) > OrderOf(lead))
            return p.PickCardAboveInTrumps(lead, true);
        return p.PickRandomJack(0);
    }
    if (soloistLed && (n < 8 || p.IsTopCard(lead, -1, -1) || !p.MayHoldSuit(third, g_Game.GameType))) {
        // J2.
        const int c = p.ChooseGrandCard(false);
        if (c != NO_CARD) {
            const int sc = PlainSuitOf(c);
            const int h = p.PickHighestInSuit(sc, true);
            if ((SoloistMayHold(p, sc) && OrderOf(c) == 4) ||
                (SuitCountOf(p, sc) >= 2 && OrderOf(h) >= 4 && p.CountOutstanding(sc) - p.GetCountInSuit2(sc) >= 2)) {
                const int y = p.ChooseCardByScore2(sc);
                return y != NO_CARD && PointsOf(y) < 5 ? y : c;
            }
            return c;
        }
        const int x = p.ChooseCardByScore(11, NO_CARD, false);
        if (x == NO_CARD) return o.S3();
        const int sx = PlainSuitOf(x);
        const bool keepTen =
            SuitCountOf(p, sx) == 2 && SoloistMayHold(p, sx) && GetCardRank(p.PickHighestInSuit(sx, true)) == TEN;
        if (g_ComputerFrame.SuitLedMark(sx) == 0 && (SoloistMayHold(p, sx) || !p.IsTopCard(x, -1, -1)) && !keepTen)
            return x;
        const int y = p.ChooseCardByScore2(sx);
        if (y == NO_CARD) return x;
        if (g_ComputerFrame.SuitLedMark(PlainSuitOf(y)) && PointsOf(x) <= PointsOf(y)) return x;
        return y;
    }
    if (soloistLed) return o.S3();  // J3
    // J4: the partner's Jack.
    if (!p.IsTopCard(lead, -1, -1)) return p.ChooseCardByScore(11, NO_CARD, false);
    CoinFlipBest best;
    for (int t = 0; t < 4; ++t) {
        if (SuitCountOf(p, t) == 0 || !SoloistMayHold(p, t)) continue;
        const int h = p.PickHighestInSuit(t, true);
        if (!p.IsTopCard(h, -1, -1)) best.Offer(OrderOf(h), h);
    }
    return best.card != NO_CARD ? best.card : o.S3();
}

// F1 to F3: following the suit led.
int SecondFollowing(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int s = o.s, lead = o.lead;
    const bool soloistLed = o.soloistLed;
    const int low = p.PickLowCardOfSuit(s);
    if (soloistLed) {
        // F1.
        if (OrderOf(low) < OrderOf(lead)) return p.PickLowCardAnySuit(s);
        if (p.IsTopCard(low, -1, -1)) {
            const int follow = p.ChooseOpponentFollowCard(lead);
            if (follow != NO_CARD) return follow;
            const int x = p.NextLowerInSuit(low, true);
            return x != NO_CARD && OrderOf(x) > OrderOf(lead) ? x : low;
        }
        return low;
    }
    if (g_Game.TrumpCount == 0 || SoloistMayHold(p, s)) {
        // F2.
        if (p.IsTopCard(lead, -1, -1)) return p.ChooseOpponentSecond(s);
        if (!p.IsTopCard(low, -1, -1)) {
            if (GetCardRank(low) == TEN && Holds(p, s, KING)) return HeldCard(p, s, KING);
            int c = SuitCountOf(p, s) < 4 ? p.PickCardGrandSuit(lead, 4) : p.NextHigherInSuit(lead);
            if (c == NO_CARD || GetCardRank(c) == TEN) c = p.PickLowCardAnySuit(s);
            return c;
        }
        return low;
    }
    // F3.
    int c = OrderOf(lead) < 5 ? p.PickCardGrandSuit(lead, 4) : p.PickLowestInSuit(s, true);
    if (c == NO_CARD) c = p.PickLowestInSuit(s, false);
    return c;
}

// V1: void in the suit the partner led, with Jacks.
int SecondVoidOverThePartnerWithJacks(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int J = o.J, third = o.third, s = o.s, lead = o.lead;
    if (!p.MayHoldSuit(third, s)) return J != g_Game.TrumpCount ? p.ChooseCardByScore(11, NO_CARD, false) : o.S3();
    if (p.IsTopCard(lead, -1, -1)) return o.S3();
    int c = p.PickRandomJack(1);
    if (c == NO_CARD) c = p.ChooseCardByScore(4, NO_CARD, false);
    if (c == NO_CARD) c = p.PickRandomJack(0);
    return c;
}

// V2: void in the suit the soloist led, with Jacks.
int SecondVoidOverTheSoloistWithJacks(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int J = o.J, O = o.O, third = o.third, s = o.s, lead = o.lead;
    if (O < J) {
        const int r = p.ChooseCardByRunScore(true);
        if (r != NO_CARD && p.IsTopCard(r, -1, -1) && SuitCountOf(p, PlainSuitOf(r)) > 2) {
            const int jack = p.PickRandomJack(0);
            if (jack != NO_CARD) return jack;
        }
    }
    if (!p.MayHoldSuit(third, s) || p.IsTopCard(lead, -1, -1) || OrderOf(lead) >= 5) {
        if (PointsOf(lead) < 5) {
            const int c = p.ChooseGrandCard(false);
            if (c != NO_CARD) return c;
        }
        return p.PickRandomJack(0);
    }
    const int c = o.S3();
    return c != NO_CARD ? c : p.PickRandomJack(0);
}

// V3: void in the suit the soloist led, without a Jack.
int SecondVoidOverTheSoloist(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int third = o.third, s = o.s, lead = o.lead;
    if (p.MayHoldSuit(third, s) && !p.IsTopCard(lead, -1, -1) && OrderOf(lead) < 5) {
        const int k = p.ChooseCardByRunScore(true);
        if (k != NO_CARD && PointsOf(lead) + g_Game.PartyPoints[1] + PointsOf(k) >= 61) return k;
        const int c = o.S3();
        if (c != NO_CARD) return c;
    } else if (OrderOf(lead) >= 5 && !p.MayHoldSuit(third, s) && p.MayHoldSuit(third, g_Game.GameType)) {
        const int c = p.ChooseCardByRunScore(true);
        if (c != NO_CARD) return c;
    }
    int x = p.ChooseCardByScore(4, NO_CARD, false);
    if (x == NO_CARD) x = p.ChooseCardByScore(11, NO_CARD, false);
    const int sx = PlainSuitOf(x);
    const int h = p.PickHighestInSuit(sx, true);
    if (x != NO_CARD && SoloistMayHold(p, sx) &&
        ((SuitCountOf(p, sx) == 2 && GetCardRank(h) == TEN && !p.IsTopCard(h, -1, -1)) ||
         (SuitCountOf(p, sx) == 1 && p.IsTopCard(h, -1, -1)))) {
        const int y = p.ChooseCardByScore2(sx);
        if (y != NO_CARD) return y;
    }
    return x;
}

// V4 and V5: void in the suit the partner led, without a Jack.
int SecondVoidOverThePartner(const OpponentSecond& o) {
    CPlayer& p = o.p;
    const int s = o.s, lead = o.lead;
    if ((g_Game.TrumpCount == 0 || SoloistMayHold(p, s)) && (p.IsTopCard(lead, -1, -1) || !SoloistMayHold(p, s))) {
        // V4: the partner's trick: add points when they cross 61 or 31.
        if (SoloistMayHold(p, s)) {
            const int k = p.ChooseCardByRunScore(true);
            const int T = g_Game.PartyPoints[1] + PointsOf(lead);
            if (k != NO_CARD && ((T < 61 && T + PointsOf(k) > 60) || (T < 31 && T + PointsOf(k) > 30))) return k;
        }
        const int x = o.S3();
        if (x != NO_CARD && SoloistMayHold(p, PlainSuitOf(x)) && p.IsTopCard(x, -1, -1)) {
            int y = p.NextLowerInSuit(x, false);
            if (y == NO_CARD) y = p.ChooseCardByScore2(PlainSuitOf(x));
            if (y != NO_CARD) return y;
        }
        return x != NO_CARD ? x : p.ChooseCardByScore(11, NO_CARD, false);
    }
    // V5.
    int c = p.ChooseGrandCard(false);
    if (c == NO_CARD) c = p.ChooseCardByScore(11, NO_CARD, false);
    return c;
}

}  // namespace

int CPlayer::PlayGrandOpponentSecond(bool soloistNext, int lead) {
    const int first = GrandOpponentSecondFirstChoice(soloistNext, lead);
    if (CheckSoloist(NO_CARD)) return NO_CARD;
    if (first != NO_CARD) return FinishStrategy(first, EPILOGUE_PLAIN);
    const int J = handInfo.JackCount;
    const OpponentSecond o{*this, lead, count, J, g_Game.TrumpCount - J, NextSeat(seat), SuitOf(lead), !soloistNext};
    int card;
    if (IsJack(lead)) card = SecondOverAJack(o);
    else if (SuitCountOf(*this, o.s) > 0) card = SecondFollowing(o);
    else if (J > 0 && !o.soloistLed) card = SecondVoidOverThePartnerWithJacks(o);
    else if (J > 0) card = SecondVoidOverTheSoloistWithJacks(o);
    else if (o.soloistLed) card = SecondVoidOverTheSoloist(o);
    else card = SecondVoidOverThePartner(o);
    return FinishStrategy(card, EPILOGUE_PLAIN);
}

int CPlayer::PlayGrandOpponentThird(bool soloistNext, int firstCard, int secondCard) {
    const int firstChoice = GrandOpponentThirdFirstChoice(soloistNext, firstCard, secondCard);
    if (CheckSoloist(NO_CARD)) return NO_CARD;
    if (firstChoice != NO_CARD) return FinishStrategy(firstChoice, EPILOGUE_PLAIN);
    const auto finish = [this](int card) { return FinishStrategy(card, EPILOGUE_PLAIN); };
    const int n = count;
    const int J = handInfo.JackCount;
    // soloistNext: the soloist led and the partner played second; else the reverse.
    const int S = soloistNext ? firstCard : secondCard;
    const int T = soloistNext ? secondCard : firstCard;
    const int partner = PreviousSeat(seat) == g_Game.Soloist ? NextSeat(seat) : PreviousSeat(seat);
    const int L = SuitOf(firstCard);
    const int P = PointsOf(firstCard) + PointsOf(secondCard);
    const int points1 = g_Game.PartyPoints[1];

    if (IsJack(firstCard)) {
        if (J == 0) {
            // A1.
            if (IsJack(T) && OrderOf(T) > OrderOf(S)) {
                const int card = ChooseCardByScore3(P, true);
                return finish(card != NO_CARD ? card : ChooseCardByScore(11, NO_CARD, false));
            }
            int c = ChooseTrumpGameCard(true);
            if (c == NO_CARD) c = ChooseGrandCard(false);
            if (c == NO_CARD) c = ChooseCardByScore(11, NO_CARD, false);
            const int sc = PlainSuitOf(c);
            if (c != NO_CARD && SoloistMayHold(*this, sc) && SuitCountOf(*this, sc) == 1 && IsTopCard(c, -1, -1)) {
                const int y = ChooseCardByScore2(sc);
                if (y != NO_CARD) return finish(y);
            }
            return finish(c);
        }
        // A2.
        int c = PickRandomJack(0);
        if (!(IsJack(T) && OrderOf(T) > OrderOf(S))) {
            const int above = PickCardAboveInTrumps(S, true);
            if (above != NO_CARD) c = above;
        }
        return finish(c);
    }

    if (CountInSuit(L) > 0) {
        const int low = PickLowCardOfSuit(L);
        const bool soloistFollowed = SuitOf(S) == L;
        if (!soloistNext) {
            // B1, B2: the partner led.
            if (soloistFollowed) {
                if (OrderOf(T) > OrderOf(S)) {
                    const int follow = ChooseOpponentFollowCard(S);
                    return finish(follow != NO_CARD ? follow : low);
                }
                return finish(OrderOf(low) >= OrderOf(S) ? low : PickLowCardAnySuit(L));
            }
            return finish(IsJack(S) ? PickLowCardAnySuit(L) : PickLowCardOfSuit(L));
        }
        // B3, B4: the soloist led.
        const bool partnerFollowed = SuitOf(T) == L;
        if (!partnerFollowed) MarkVoid(partner, PlainSuitOf(S));
        const bool soloistHolds = (partnerFollowed && OrderOf(T) < OrderOf(S)) || (!partnerFollowed && !IsJack(T));
        if (soloistHolds) {
            if (OrderOf(low) < OrderOf(S)) return finish(PickLowCardAnySuit(L));
            if (GetCardRank(low) == ACE && (!partnerFollowed || PointsOf(secondCard) < 10)) {
                const int over = GetNextHigherHeld(NextHigherInSuit(S));
                if (over != NO_CARD) return finish(over);
            }
            if (IsTopCard(low, -1, -1)) {
                const int x = NextLowerInSuit(low, false);
                if (x != NO_CARD && OrderOf(x) > OrderOf(S) && !IsTopCard(x, low, -1)) return finish(x);
            }
            return finish(low);
        }
        if ((IsTopCard(low, -1, -1) && IsSuitGuarded(L, 1, false)) ||
            (CountInSuit(L) >= 3 && CollectSuit(L, false, nullptr) >= 3 && OrderOf(low) >= 4)) {
            const int x = NextLowerInSuit(low, true);
            if (x != NO_CARD && !IsTopCard(x, low, -1) && (points1 + P > 60 || PointsOf(low) + points1 + P < 61))
                return finish(x);
        }
        return finish(low);
    }

    // Void in the suit led: who holds the trick?
    const bool sameSuit = SuitOf(S) == SuitOf(T);
    const bool partnerHolds =
        IsJack(T) ? !(IsJack(S) && OrderOf(S) > OrderOf(T))
                  : (sameSuit && OrderOf(T) > OrderOf(S)) || (!soloistNext && SuitOf(S) != L && !IsJack(S));
    if (partnerHolds) {
        // C1.
        if (sameSuit) {
            int k = ChooseCardByRunScore(true);
            if (J == 0 && k != NO_CARD && IsTopCard(k, -1, -1) && !IsTopCard(NextLowerInSuit(k, false), k, -1))
                k = ChooseOpponentFollow(PlainSuitOf(k));
            if (k != NO_CARD) return finish(k);
        } else {
            const int h = PickHighestInSuit(PlainSuitOf(S), true);
            if (IsTopCard(h, -1, -1)) return finish(h);
        }
        // C2.
        const int x = ChooseCardByScore3(P, false);
        const int g = GetNextHigherHeld(x);
        const int gs = PlainSuitOf(g);
        if (J > 0 && g != NO_CARD && Holds(*this, gs, ACE) && IsTopCard(g, HeldCard(*this, gs, ACE), -1) &&
            SuitCountOf(*this, gs) <= 3) {
            int c = ChooseGrandCard(false);
            if (c == NO_CARD) {
                c = ChooseCardByRunScore(true);
                if (c == NO_CARD || c == g) c = ChooseCardByScore(4, NO_CARD, false);
            }
            if (c == NO_CARD) c = ChooseCardByScore(11, NO_CARD, false);
            return finish(c);
        }
        const int D = P + points1;
        const int need = D < 30 ? 31 - D : D < 60 ? 60 - D : 0;
        if (g != NO_CARD && PointsOf(g) < need && need >= 1 && need <= 11) {
            CoinFlipBest best;
            for (int s = 0; s < 4; ++s) {
                const int low = PickLowCardOfSuit(s);
                if (low != NO_CARD) best.Offer(PointsOf(low), low);
            }
            if (best.card != NO_CARD && PointsOf(best.card) >= need) return finish(best.card);
        }
        return finish(g != NO_CARD ? g : ChooseCardByScore(11, NO_CARD, false));
    }
    // D1: the soloist holds the trick.
    int c = ChooseGrandCard(false);
    if (c != NO_CARD && PointsOf(c) == 10 && MayHoldSuit(partner, PlainSuitOf(c))) c = NO_CARD;
    if (J > 0 && (c == NO_CARD || P > 4)) {
        // D2: trump in.
        if (IsJack(S)) {
            const int j = PickJack(0);
            if (j != NO_CARD && OrderOf(j) > OrderOf(S) && (P + 2 >= 10 || (points1 < 61 && points1 + 3 + P >= 61)))
                c = j;
        } else {
            c = PickRandomJack(0);
            if (IsTopCard(T, -1, -1)) {
                const int h = PickHighestInSuit(PlainSuitOf(T), true);
                if (h != NO_CARD) {
                    forcedCard = h;
                    ForcedCardCount = n;
                    MarkVoid(g_Game.Soloist, PlainSuitOf(h));
                }
            }
        }
    }
    if (c == NO_CARD) c = ChooseCardByScore(11, NO_CARD, false);
    return finish(c);
}
