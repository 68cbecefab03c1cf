// The Grand soloist's card play: a fixed cascade of rules over his hand, the cards gone and the
// Jacks still out, for the lead, the second and the third card of a trick.
#include "computer/evaluation/GameOption.h"
#include "computer/play/CardChoosers.h"
#include "computer/play/CardQueries.h"
#include "computer/play/GrandPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "platform/core/Random.h"

namespace {

// Case 1, A1 to A4: the candidate lead of a soloist without a Jack: the top card of a long suit
// with a card below it, the general choice with three top suits, a top card of a suit the others
// are out of or that is guarded, else the lead or last card.
// The general choice is asked after the first walk, as the rules order their draws.
int NoJackCandidate(CPlayer& p, int& general) {
    CoinFlipBest a1;
    int topSuits = 0;
    for (int s = 0; s < 4; ++s) {
        if (SuitCountOf(p, s) == 0) continue;
        const int h = PickHighestInSuit(p, s, true);
        if (!IsTopCard(p, h, -1, -1)) continue;
        ++topSuits;
        if (SuitCountOf(p, s) > 2) {
            const int below = NextLowerInSuit(p, h, false);
            if (below != NO_CARD) a1.Offer(OrderOf(below), h);
        }
    }
    int candidate = a1.card;
    general = CCardChoosers(p).ChooseCardGeneral(0, 0);
    if (topSuits >= 3 && general != NO_CARD) {
        candidate = general;
        p.forcedCard = 0;
    } else if (candidate == NO_CARD) {
        CoinFlipBest a3;
        for (int s = 0; s < 4; ++s) {
            if (SuitCountOf(p, s) == 0) continue;
            const int h = PickHighestInSuit(p, s, true);
            if (!IsTopCard(p, h, -1, -1)) continue;
            int bonus;
            if (CollectSuit(p, s, false, nullptr) == 0) bonus = 8;
            else if (SuitCountOf(p, s) > 1) bonus = 1;
            else continue;
            a3.Offer(OrderOf(h) + bonus, h);
        }
        candidate = a3.card;
    }
    if (candidate == NO_CARD) {
        candidate = CCardChoosers(p).ChooseLeadOrLastCard(-1);
        if (candidate != NO_CARD && SuitCountOf(p, PlainSuitOf(candidate)) == 5) {
            p.forcedCard = candidate;
            p.ForcedCardCount = p.count;
        }
    }
    return candidate;
}

// Case 1: no Jack in hand.
int LeadWithoutJacks(CPlayer& p) {
    const int points = g_Game.PartyPoints[0];
    int g = NO_CARD;
    int candidate = NoJackCandidate(p, g);
    // A5: at 50 to 60 points an Ace brings the game home.
    if (points < 61 && points + 11 > 60) {
        for (int s = 0; s < 4; ++s) {
            if (Holds(p, s, ACE)) {
                candidate = PickHighestInSuit(p, s, true);
                break;
            }
        }
    }
    if (candidate != NO_CARD && g_Game.TrumpCount < 1) {
        // A6: with every Jack played, any card of the held run below does as well.
        int choice = candidate;
        for (int x = CCardChoosers(p).GetHeldRankNeighbour(candidate, -1); x != NO_CARD;
             x = CCardChoosers(p).GetHeldRankNeighbour(x, -1))
            if (CoinHeads()) choice = x;
        return choice;
    }
    if (candidate != NO_CARD) return candidate;
    if (g != NO_CARD)
        return SuitCountOf(p, PlainSuitOf(g)) == 3
                   ? NextLowerInSuit(p, PickHighestInSuit(p, PlainSuitOf(g), true), false)
                   : g;
    const int c1 = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);
    const int c2 = CCardChoosers(p).ChooseCardByRunScore(true);
    int card = c1;
    if (g_Game.HandAnnounced && p.count == 2 && c2 != NO_CARD && PlainSuitOf(c1) != PlainSuitOf(c2)) card = c2;
    if (card == NO_CARD) card = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    return card;
}

// B1: the highest trump is not on top: lead from the top suits.
int LeadFromTopSuits(CPlayer& p, int J, int O) {
    CoinFlipBest P, Q;
    bool allTop = true;
    int topSuits = 0;
    for (int s = 0; s < 4; ++s) {
        const int c = SuitCountOf(p, s);
        if (c == 0) continue;
        const int h = PickHighestInSuit(p, s, true);
        if (!IsTopCard(p, h, -1, -1)) {
            allTop = false;
            continue;
        }
        const int value = (c > 1 && IsTopCard(p, NextLowerInSuit(p, h, false), h, -1)) ? c + 6 : c;
        ++topSuits;
        P.Offer(value, h);
        Q.Offer(OrderOf(h), h);
    }
    if (allTop && topSuits > 2) return O == J ? PickRandomJack(p, 0) : Q.card;
    return P.card;
}

// B3: the one Jack is on top.
int LeadWithTheTopJack(CPlayer& p, int t, int r, int O) {
    if (O < 2 || p.handInfo.AceSuitCount > 2) return t;
    if (IsTopCard(p, r, -1, -1)) return r;
    int card = NO_CARD;
    for (int s = 0; s < 4 && card == NO_CARD; ++s)
        if (SuitCountOf(p, s) > 2 && Holds(p, s, ACE) && Holds(p, s, TEN)) card = HeldCard(p, s, ACE);
    for (int s = 0; s < 4 && card == NO_CARD; ++s)
        if (SuitCountOf(p, s) > 1 && Holds(p, s, TEN) && Holds(p, s, KING) && !Holds(p, s, ACE))
            card = HeldCard(p, s, KING);
    if (card != NO_CARD) return card;
    if (g_Game.PartyPoints[0] < 49) return GetNextLowerHeld(p, t);
    CoinFlipBest aces;
    for (int s = 0; s < 4; ++s)
        if (Holds(p, s, ACE)) aces.Offer(Holds(p, s, TEN) ? 2 : 1, HeldCard(p, s, ACE));
    return aces.card != NO_CARD ? aces.card : GetNextLowerHeld(p, t);
}

// B7: as many Jacks out as held: three suits safe from the top, then draw a Jack.
int LeadAfterThreeSafeSuits(CPlayer& p, int J) {
    int counted = 0;
    for (int s = 0; s < 4; ++s) {
        const int low = PickLowCardOfSuit(p, s);
        if (low == NO_CARD || !IsTopCard(p, low, -1, -1)) continue;
        if (SuitCountOf(p, s) > 2 && J < 2) {
            const int nl = NextLowerInSuit(p, low, false);
            if (IsTopCard(p, nl, low, -1)) return low;
            if (CollectSuit(p, s, false, nullptr) > 1 && OrderOf(low) - OrderOf(nl) > 1) continue;
        }
        ++counted;
    }
    return counted >= 3 ? PickRandomJack(p, 0) : NO_CARD;
}

// B8: nothing chosen yet: a low trump, the soloist's lead, or the highest trump.
int LeadWhenNothingChosen(CPlayer& p, int J, int O) {
    int jPrime = J;
    for (int s = 0; s < 4; ++s) {
        if (SuitCountOf(p, s) <= 1) continue;
        const int low = PickLowCardOfSuit(p, s);
        if (low == NO_CARD || IsTopCard(p, low, -1, -1)) continue;
        if (GetCardRank(low) == TEN && SuitCountOf(p, s) >= 3) continue;
        jPrime = J - 1;
        break;
    }
    int card = NO_CARD;
    const int L = CCardChoosers(p).ChooseSoloistLead();
    if (jPrime < 3 && !IsTopCard(p, PickHighestInSuit(p, -1, true), -1, -1)) {
        if (AllSuitsTopOrGuarded(p)) {
            card = PickLowestInSuit(p, -1, false);
        } else if (jPrime < 2 || O > 1) {
            card = L;
            if (card == NO_CARD) card = CCardChoosers(p).ChooseSoloistLead2();
            if (card == NO_CARD) card = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
        } else {
            card = CCardChoosers(p).ChooseSoloistLead();
        }
    }
    if (card == NO_CARD) card = PickHighestInSuit(p, -1, false);
    return card;
}

// Case 2: the defenders still hold Jacks.
int LeadWhileDefendersHoldJacks(CPlayer& p, int J, int O) {
    const int t = PickHighestInSuit(p, -1, true);
    const int r = PickRandomJack(p, 0);
    const bool tTop = IsTopCard(p, t, -1, -1);
    int card = NO_CARD;
    if (!tTop && J <= O) {
        card = LeadFromTopSuits(p, J, O);
    } else if (tTop && J == 1) {
        card = LeadWithTheTopJack(p, t, r, O);
    } else if (tTop && J == 2) {
        card = GetNextLowerHeld(p, t);
    } else if (tTop && J == 3) {
        card = GetNextLowerHeld(p, t);
        if (p.gameOptions[GAME_GRAND][OPT_PROBABILITY] >= 80) {
            const int x = CCardChoosers(p).ChooseGrandCard(true);
            if (x != NO_CARD && !IsTopCard(p, PickHighestInSuit(p, PlainSuitOf(x), true), -1, -1)) {
                p.forcedCard = x;
                p.ForcedCardCount = p.count;
            }
        }
    }
    if (card == NO_CARD && O < J) {
        // B6. More Jacks than the defenders: with four cards, one Jack out and no Ace suit, a Grand card;
        // with as many, the lead after three safe suits.
        if (O == 1 && p.count == 4 && !tTop && p.handInfo.AceSuitCount <= 0)
            card = CCardChoosers(p).ChooseGrandCard(false);
    } else if (card == NO_CARD && O == J) {
        card = LeadAfterThreeSafeSuits(p, J);
    }
    if (card == NO_CARD) card = LeadWhenNothingChosen(p, J, O);
    return card;
}

// Case 3 works these values out from suit to suit and completes the choice with them.
struct NoJackOutLead {
    int R;            // the run-score card
    int n3;           // the hand size for K8 (0 once a single card was chosen)
    int c = NO_CARD;  // the card chosen
    bool singletonTest = false;
    bool pointsLead = false;
    int b = NO_CARD;   // the lead or last card of the Ten suit, else the highest single card
    int tenSuit = -1;  // a suit of Ace, King and a third card with its Ten still out
};

// K1 to K3: a suit to lead small under Schneider, a long suit run from the top or led below, the
// Ten suit, or a committed card of a long suit; returns the number of suits held.
int WalkTheSuits(CPlayer& p, NoJackOutLead& k) {
    const int n = p.count;
    int suitsHeld = 0;
    for (int s = 0; s < 4; ++s) {
        const int held = SuitCountOf(p, s);
        if (held == 0) continue;
        ++suitsHeld;
        const int low = PickLowCardOfSuit(p, s);
        if (g_Game.SchneiderAnnounced && (held == 1 || OrderOf(NextLowerInSuit(p, low, false)) == 4) &&
            !IsTopCard(p, low, -1, -1)) {
            k.c = low;
            break;
        }
        if (held >= 4) {
            if (IsTopCard(p, low, -1, -1)) {
                k.c = PickHighestInSuit(p, s, false);
            } else {
                const int lead = CCardChoosers(p).ChooseSoloistLead();
                if (lead == NO_CARD) {
                    k.c = NO_CARD;
                } else {
                    k.c = NextLowerInSuit(p, low, false);
                    if (k.c != NO_CARD && PlainSuitOf(lead) == PlainSuitOf(k.c)) {
                        p.forcedCard = lead;
                        p.ForcedCardCount = n;
                    }
                }
            }
        } else if (held == 3 && Holds(p, s, ACE) && Holds(p, s, KING) && !Holds(p, s, TEN) &&
                   !IsCardGone(s, TEN, p.seat)) {
            k.tenSuit = s;
        } else if (p.forcedCard > 0 && PlainSuitOf(p.forcedCard) == s && p.handInfo.DealtSuitCount[s] >= 4) {
            k.c = p.forcedCard;
            p.forcedCard = NextLowerInSuit(p, p.forcedCard, false);
            if (p.forcedCard < 0) p.forcedCard = 0;
        }
    }
    return suitsHeld;
}

// K5: with two suits held, the card below a long suit's small card, or the Ten suit's small card.
int LowInALongSuit(CPlayer& p, int tenSuit) {
    int c = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (SuitCountOf(p, s) < 3) continue;
        const int low = PickLowCardOfSuit(p, s);
        if (!IsTopCard(p, low, -1, -1)) return GetNextLowerHeld(p, NextLowerInSuit(p, low, false));
        if (s == tenSuit) c = low;
    }
    return c;
}

// K6: the lead or last card of the Ten suit, else the highest single card.
void LeadOrLastCard(CPlayer& p, NoJackOutLead& k, int J, int suitsHeld) {
    if (suitsHeld == 1) k.tenSuit = -1;
    const int a = CCardChoosers(p).ChooseLeadOrLastCard(-1);
    k.b = CCardChoosers(p).ChooseLeadOrLastCard(k.tenSuit);
    if (k.b == NO_CARD && a != NO_CARD) {
        int highest = NO_CARD;
        for (int s = 0; s < 4; ++s) {
            if (SuitCountOf(p, s) != 1) continue;
            const int single = PickLowCardAnySuit(p, s);
            if (single != NO_CARD && (highest == NO_CARD || OrderOf(single) > OrderOf(highest))) highest = single;
        }
        k.b = highest;
    }
    const int L = CCardChoosers(p).ChooseSoloistLead();
    if (k.b != NO_CARD) {
        if (J >= 1) {
            k.c = p.count <= 3 ? k.b : L;
            k.n3 = 0;
        }
    } else if (L == NO_CARD) {
        k.c = CCardChoosers(p).ChooseCardGeneral(0, 0);
    }
}

// K1 to K6 for a hand of more than one card beside its Jacks.
void ChooseAmongTheSuits(CPlayer& p, NoJackOutLead& k, int J) {
    const int suitsHeld = WalkTheSuits(p, k);
    if (k.c == NO_CARD && g_Game.PartyPoints[0] >= 61) {
        k.c = CCardChoosers(p).ChooseLeadOrLastCard(-1);
        k.pointsLead = true;
    }
    const int lastSuit = g_Knowledge.TrickLeadSuit;
    if (k.c == NO_CARD && g_Game.TrickWinner == p.seat && lastSuit >= 0 && lastSuit <= 3) {
        const int h = PickHighestInSuit(p, lastSuit, true);
        if (h != NO_CARD && (IsTopCard(p, h, -1, -1) || (!MayHoldSuit(p, NextSeat(p.seat), lastSuit) &&
                                                         !MayHoldSuit(p, PreviousSeat(p.seat), lastSuit))))
            k.c = h;
    }
    if (k.c != NO_CARD) return;
    k.c = CCardChoosers(p).ChooseSoloistLead();
    if (k.c == NO_CARD && suitsHeld == 2) {
        k.c = LowInALongSuit(p, k.tenSuit);
        if (k.c != NO_CARD) k.singletonTest = true;
    }
    if (k.c == NO_CARD) LeadOrLastCard(p, k, J, suitsHeld);
}

// K7: completing the choice; K8: three cards left.
int CompleteTheChoice(CPlayer& p, NoJackOutLead& k, int J) {
    const int n = p.count;
    int c = k.c;
    if (c == NO_CARD) {
        c = CCardChoosers(p).ChooseGrandCard(true);
        if (c != NO_CARD) k.singletonTest = true;
    }
    if (c == NO_CARD && k.b != NO_CARD) c = PickTopRunInSuit(p, PlainSuitOf(k.b));
    if (c == NO_CARD) c = k.R;
    if (c == NO_CARD && n - J == 2) {
        for (int s = 0; s < 4 && c == NO_CARD; ++s)
            if (SuitCountOf(p, s) == 2) c = PickLowestInSuit(p, s, true);
    }
    if (c == NO_CARD && !k.pointsLead && g_Game.PartyPoints[0] >= 59) c = PickRandomJack(p, 0);
    if (c == NO_CARD) c = J < n - 1 ? CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false) : PickRandomJack(p, 0);
    if (k.singletonTest) {
        const int g = CCardChoosers(p).ChooseGrandCard(false);
        if (g != NO_CARD && J >= 2 && SuitCountOf(p, PlainSuitOf(g)) == 1) c = g;
    }
    if (k.n3 == 3) {
        const int x = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, true);
        if (x != NO_CARD && (SuitCountOf(p, PlainSuitOf(x)) != 2 || GetCardRank(NextHigherInSuit(p, x)) == TEN))
            return x;
        if (IsTopCard(p, c, -1, -1) && g_Game.TrumpCount >= 1) c = PickHighestInSuit(p, -1, true);
    }
    return c;
}

// Case 3: the defenders hold no Jack.
int LeadWhenDefendersHoldNoJack(CPlayer& p, int J) {
    const int n = p.count;
    NoJackOutLead k{CCardChoosers(p).ChooseCardByRunScore(true), n};
    if (n < 4 && k.R != NO_CARD && IsTopCard(p, k.R, -1, -1)) return k.R;
    if (J == 4) {
        k.c = PickRandomJack(p, 1);
        k.singletonTest = true;
    } else if (J >= n - 1) {
        k.R = NO_CARD;
    } else {
        ChooseAmongTheSuits(p, k, J);
    }
    return CompleteTheChoice(p, k, J);
}

}  // namespace

int CGrandPlay::PlayGrandSoloistLead() {
    // Step 0: a pending card is dropped; a committed one still held is led.
    if (me.forcedCard < 0) me.forcedCard = 0;
    if (me.forcedCard > 0) {
        const int committed = me.forcedCard;
        me.forcedCard = 0;
        if (me.HasCard(committed)) return me.FinishStrategy(committed, EPILOGUE_GRAND_SOLOIST_LEAD);
    }
    const int J = me.handInfo.JackCount;
    const int O = g_Game.TrumpCount - J;
    int card;
    if (J == 0) card = LeadWithoutJacks(me);
    else if (J < g_Game.TrumpCount) card = LeadWhileDefendersHoldJacks(me, J, O);
    else card = LeadWhenDefendersHoldNoJack(me, J);
    return me.FinishStrategy(card, EPILOGUE_GRAND_SOLOIST_LEAD);
}

namespace {

// S2: following suit; the card just above the lead when the third hand cannot follow, a low card
// under the lead, else the top card's neighbours by how the suit stands.
int FollowInSecondHand(CPlayer& p, int lead, int J, int O) {
    const int s = GetCardSuit(lead, false);
    const int third = NextSeat(p.seat);
    const int hi = NextHigherInSuit(p, lead);
    const int low = PickLowCardOfSuit(p, s);
    const int nl = NextLowerInSuit(p, low, false);
    int card;
    if (!MayHoldSuit(p, third, s)) {
        card = hi;
    } else if (OrderOf(low) < OrderOf(lead)) {
        card = PickLowCardAnySuit(p, s);
    } else if (!IsTopCard(p, low, -1, -1)) {
        return PickLowestInSuit(p, s, true);
    } else {
        const int b = GetNextLowerHeld(p, low);
        if ((b != hi && OrderOf(b) - OrderOf(hi) == 1) || !IsTopCard(p, nl, low, -1)) card = hi;
        else if (OrderOf(low) - OrderOf(b) == 1) card = low;
        else if (J > 0 && J <= O && !IsTopCard(p, PickHighestInSuit(p, -1, true), -1, -1)) card = low;
        else card = b;
    }
    if (card == NO_CARD) card = PickLowestInSuit(p, s, true);
    return card;
}

// S3: nothing to follow with and no Jack: a Grand card or a trump game card, else by score.
int DiscardWithoutJacks(CPlayer& p, bool jackLead) {
    int card = NO_CARD;
    if (!jackLead) {
        card = CCardChoosers(p).ChooseGrandCard(false);
        if (card == NO_CARD) card = CCardChoosers(p).ChooseTrumpGameCard(true);
    }
    if (card == NO_CARD) card = CCardChoosers(p).ChooseCardByScore(11, NO_CARD, false);
    return card;
}

// S5: on a lead under five points the Grand card c stays; with the suit's Ace and Ten gone it
// takes the place of the lone Ten k, and a sure game with two top cards and three Jacks plays a
// Jack instead.
int GrandCardOnALowLead(CPlayer& p, int lead, int J, int c, int& k) {
    if (c == NO_CARD || PointsOf(lead) >= 5) return c;
    const int s = GetCardSuit(lead, false);
    if (IsCardGone(s, ACE, p.seat) && IsCardGone(s, TEN, p.seat)) k = c;
    const int h = PickHighestInSuit(p, PlainSuitOf(c), true);
    if (p.gameOptions[g_Game.GameType][OPT_PROBABILITY] >= 90 && IsTopCard(p, h, -1, -1) &&
        IsTopCard(p, NextLowerInSuit(p, h, false), h, -1) && J > 2)
        c = PickRandomJack(p, 0);
    return c;
}

// S6: no Grand card: the card by score, or a Jack with more Jacks than the defenders when a top
// side card can still take a trick.
int ScoredCardOrJack(CPlayer& p, int lead, int n, int J, int O) {
    const int points = g_Game.PartyPoints[0];
    int c = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);
    if (O >= J) return c;
    bool qualified = false;
    for (int t = 0; t < 4; ++t) {
        const int held = SuitCountOf(p, t);
        if (held == 0) continue;
        const int h = PickHighestInSuit(p, t, true);
        if (!IsTopCard(p, h, -1, -1)) continue;
        if (held >= 3) {
            qualified |= NextLowerInSuit(p, h, false) != NO_CARD;
        } else if (n < 4) {
            qualified = true;
        } else if (PointsOf(h) + PointsOf(lead) + 2 + points >= 61) {
            qualified = true;
        } else {
            c = CCardChoosers(p).ChooseGrandCard(false);
            qualified |= c == NO_CARD;
        }
    }
    if (qualified) c = PickRandomJack(p, 0);
    return c;
}

// S7: trumping in, when the card or the trick is worth it or the Jacks must come out: the top
// trump or the sure one below it, a random Jack, or a random step down a long run.
int TrumpInSecondHand(CPlayer& p, int lead, int c, int k, int n, int J, int O) {
    const int points = g_Game.PartyPoints[0];
    if (!(k == NO_CARD && (IsJack(c) || (PointsOf(c) >= 10 && n > 3) || PointsOf(lead) >= 10 ||
                           (points < 61 && points + PointsOf(lead) + 2 > 60) ||
                           (J > 1 && O < J && p.handInfo.AceSuitCount + p.handInfo.TenSuitCount < 3))))
        return c;
    const int t = PickHighestInSuit(p, -1, true);
    const int below = PickTrumpBelow(p, t);
    const int r = PickRandomJack(p, 0);
    if (J == 2 || (J >= 3 && J != p.handInfo.MatadorRun)) {
        if (IsTopCard(p, below, t, -1)) c = CoinHeads() ? below : t;
        else c = r;
    } else if (J >= 3) {
        c = PickHighestTrumpRandomStep(p, J);
    } else {
        c = r;
    }
    return c;
}

}  // namespace

int CGrandPlay::PlayGrandSoloistSecond(int lead) {
    me.forcedCard = 0;
    const int n = me.count;
    const int J = me.handInfo.JackCount;
    const int O = g_Game.TrumpCount - J;
    const int s = GetCardSuit(lead, false);
    const bool jackLead = IsJack(lead);
    // S1: a Jack led, Jacks held: just above it, or a random Jack of the lowest run.
    if (jackLead && J > 0) {
        int card = PickCardAboveInTrumps(me, lead, true);
        if (card == NO_CARD) card = PickRandomJack(me, 0);
        return me.FinishStrategy(card, EPILOGUE_PLAIN);
    }
    if (!jackLead && SuitCountOf(me, s) > 0)
        return me.FinishStrategy(FollowInSecondHand(me, lead, J, O), EPILOGUE_PLAIN);
    if (J == 0) return me.FinishStrategy(DiscardWithoutJacks(me, jackLead), EPILOGUE_PLAIN);
    // S4: a lone Ten that is not top goes first (kept aside in a Hand game).
    int k = CCardChoosers(me).PickUnguardedTen();
    if (!g_Game.HandAnnounced && k != NO_CARD) return me.FinishStrategy(k, EPILOGUE_PLAIN);
    int c = GrandCardOnALowLead(me, lead, J, CCardChoosers(me).ChooseGrandCard(false), k);
    if (c == NO_CARD) c = ScoredCardOrJack(me, lead, n, J, O);
    return me.FinishStrategy(TrumpInSecondHand(me, lead, c, k, n, J, O), EPILOGUE_PLAIN);
}

int CGrandPlay::PlayGrandSoloistThird(int lead, int second) {
    me.forcedCard = 0;
    const int n = me.count;
    const int J = me.handInfo.JackCount;
    const int O = g_Game.TrumpCount - J;
    const int s = GetCardSuit(lead, false);
    int P = PointsOf(lead) + PointsOf(second);
    const bool jackLead = IsJack(lead);
    // T1, T2: a Jack led. The trick holds the defenders' Jack (or two): the lowest held Jack that
    // takes it; when none does, the lowest Jack, never a higher one given away for nothing.
    if (jackLead && J > 0) {
        const int best = IsJack(second) && OrderOf(second) > OrderOf(lead) ? second : lead;
        int card = PickCardAboveInTrumps(me, best, true);
        if (card == NO_CARD) card = PickRandomJack(me, -1);
        return me.FinishStrategy(card, EPILOGUE_PLAIN);
    }
    if (jackLead) return me.FinishStrategy(CCardChoosers(me).ChooseCardByScore(11, NO_CARD, false), EPILOGUE_PLAIN);
    // T3: following suit.
    if (SuitCountOf(me, s) > 0) {
        const int w = (GetCardSuit(second, false) == s && OrderOf(second) > OrderOf(lead)) ? second : lead;
        const int low = PickLowCardAnySuit(me, s);
        const int hi = NextHigherInSuit(me, w);
        int card = low;
        if (hi != NO_CARD && !IsJack(second)) card = GetNextHigherHeld(me, hi);
        if (card == hi && card != NO_CARD && n > 7 && J < 3 && !Holds(me, s, TEN) && !IsCardGone(s, TEN, me.seat) &&
            !IsTopCard(me, PickHighestInSuit(me, -1, true), -1, -1))
            card = low;
        if (!(P > 4 || J != g_Game.TrumpCount || J < 1)) card = low;
        return me.FinishStrategy(card, EPILOGUE_PLAIN);
    }
    const int points0 = g_Game.PartyPoints[0];
    const int points1 = g_Game.PartyPoints[1];
    const int probability = me.gameOptions[GAME_GRAND][OPT_PROBABILITY];
    if (J > 0) {
        // T4. Void in the suit led, with Jacks: a trump game card that keeps the defenders under 30 when the
        // game looks safe; with one Jack of several out, a card by score or the Jack.
        const int t = CCardChoosers(me).ChooseTrumpGameCard(false);
        if (probability >= 80 && t != NO_CARD && PointsOf(t) + points1 + P <= 29 && P <= 10)
            return me.FinishStrategy(t, EPILOGUE_PLAIN);
        if (J == 1 && g_Game.TrumpCount > 1) {
            const int card = (PointsOf(lead) + PointsOf(second) + 2 + points0 < 61)
                                 ? CCardChoosers(me).ChooseCardByScore(11, NO_CARD, false)
                                 : PickRandomJack(me, 0);
            P = 11;
            if (card != NO_CARD) return me.FinishStrategy(card, EPILOGUE_PLAIN);
        }
        // T5. A cheap trick: the trump game card when every other suit's low card is top.
        if (P < 12 && t != NO_CARD) {
            bool stopped = false;
            for (int u = 0; u < 4 && !stopped; ++u) {
                if (SuitCountOf(me, u) == 0) continue;
                if (PickLowCardAnySuit(me, u) != t && !IsTopCard(me, PickLowCardOfSuit(me, u), -1, -1)) stopped = true;
            }
            if (!stopped) return me.FinishStrategy(t, EPILOGUE_PLAIN);
        }
        // T6. A trick under 5 points: the trump game or Grand card, or a Jack when the suit is sure.
        if (P < 5) {
            int c = t != NO_CARD ? t : CCardChoosers(me).ChooseGrandCard(false);
            if (c != NO_CARD) {
                const int h = PickHighestInSuit(me, PlainSuitOf(c), true);
                if (probability >= 90 && IsTopCard(me, h, -1, -1) &&
                    IsTopCard(me, NextLowerInSuit(me, h, false), h, -1) && J > 2)
                    c = PickRandomJack(me, 0);
            } else {
                c = PickRandomJack(me, 0);
                if (J <= O) {
                    const int x = CCardChoosers(me).ChooseCardByScore(0, NO_CARD, false);
                    if (x != NO_CARD) {
                        const int h = PickHighestInSuit(me, PlainSuitOf(x), true);
                        if (h == x || IsTopCard(me, h, -1, -1)) c = x;
                    }
                }
            }
            if (c != NO_CARD) return me.FinishStrategy(c, EPILOGUE_PLAIN);
        }
    }
    // T7: trump in, or push for Schneider.
    int c = IsJack(second) ? PickCardAboveInTrumps(me, second, true) : PickRandomJack(me, 0);
    const int tricks = me.gameOptions[g_Game.GameType][OPT_TRICKS];
    if ((points0 > 90 || points0 + PointsOf(c) + P < 91) && tricks > 7 && g_Game.PartyTricks[1] + tricks > 8) {
        const int t2 = CCardChoosers(me).ChooseTrumpGameCard(false);
        if (t2 != NO_CARD && PointsOf(t2) + P + points1 < 31) c = t2;
    }
    if (c == NO_CARD) c = CCardChoosers(me).ChooseTrumpGameCard(true);
    if (c == NO_CARD) c = CCardChoosers(me).ChooseGrandCard(false);
    if (c == NO_CARD) {
        const int x = CCardChoosers(me).ChooseCardByScore(0, NO_CARD, false);
        if (x != NO_CARD) {
            const int h = PickHighestInSuit(me, PlainSuitOf(x), true);
            if (h == x || IsTopCard(me, h, -1, -1)) c = x;
        }
    }
    if (c == NO_CARD) c = CCardChoosers(me).ChooseCardByScore(11, NO_CARD, false);
    return me.FinishStrategy(c, EPILOGUE_PLAIN);
}
