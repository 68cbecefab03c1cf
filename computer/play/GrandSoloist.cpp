// The Grand soloist's card play: a fixed cascade of rules over his hand, the cards gone and the
// Jacks still out, for the lead, the second and the third card of a trick.
#include "computer/evaluation/GameOption.h"
#include "computer/play/CardQueries.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "platform/core/Random.h"

int CPlayer::PlayGrandSoloistLead() {
    // Step 0: a pending card is dropped; a committed one still held is led.
    if (forcedCard < 0) forcedCard = 0;
    if (forcedCard > 0) {
        const int committed = forcedCard;
        forcedCard = 0;
        if (HasCard(committed)) return FinishStrategy(committed, EPILOGUE_GRAND_SOLOIST_LEAD);
    }
    const int n = count;
    const int J = handInfo.JackCount;
    const int O = g_Game.TrumpCount - J;
    const int points = g_Game.PartyPoints[0];
    int card = NO_CARD;

    if (J == 0) {
        // Case 1: no Jack in hand.
        CoinFlipBest a1;
        int topSuits = 0;
        for (int s = 0; s < 4; ++s) {
            if (SuitCountOf(*this, s) == 0) continue;
            const int h = PickHighestInSuit(s, true);
            if (!IsTopCard(h, -1, -1)) continue;
            ++topSuits;
            if (SuitCountOf(*this, s) > 2) {
                const int below = NextLowerInSuit(h, false);
                if (below != NO_CARD) a1.Offer(OrderOf(below), h);
            }
        }
        int candidate = a1.card;
        const int g = ChooseCardGeneral(0, 0);
        if (topSuits >= 3 && g != NO_CARD) {
            candidate = g;
            forcedCard = 0;
        } else if (candidate == NO_CARD) {
            CoinFlipBest a3;
            for (int s = 0; s < 4; ++s) {
                if (SuitCountOf(*this, s) == 0) continue;
                const int h = PickHighestInSuit(s, true);
                if (!IsTopCard(h, -1, -1)) continue;
                int bonus;
                if (CollectSuit(s, false, nullptr) == 0) bonus = 8;
                else if (SuitCountOf(*this, s) > 1) bonus = 1;
                else continue;
                a3.Offer(OrderOf(h) + bonus, h);
            }
            candidate = a3.card;
        }
        if (candidate == NO_CARD) {
            candidate = ChooseLeadOrLastCard(-1);
            if (candidate != NO_CARD && SuitCountOf(*this, PlainSuitOf(candidate)) == 5) {
                forcedCard = candidate;
                ForcedCardCount = n;
            }
        }
        // A5: at 50 to 60 points an Ace brings the game home.
        if (points < 61 && points + 11 > 60) {
            for (int s = 0; s < 4; ++s) {
                if (Holds(*this, s, ACE)) {
                    candidate = PickHighestInSuit(s, true);
                    break;
                }
            }
        }
        if (candidate != NO_CARD && g_Game.TrumpCount < 1) {
            // A6: with every Jack played, any card of the held run below does as well.
            int choice = candidate;
            for (int x = GetHeldRankNeighbour(candidate, -1); x != NO_CARD; x = GetHeldRankNeighbour(x, -1))
                if (CoinHeads()) choice = x;
            card = choice;
        } else if (candidate != NO_CARD) {
            card = candidate;
        } else if (g != NO_CARD) {
            card = SuitCountOf(*this, PlainSuitOf(g)) == 3
                       ? NextLowerInSuit(PickHighestInSuit(PlainSuitOf(g), true), false)
                       : g;
        } else {
            const int c1 = ChooseCardByScore(4, NO_CARD, false);
            const int c2 = ChooseCardByRunScore(true);
            card = c1;
            if (g_Game.HandAnnounced && n == 2 && c2 != NO_CARD && PlainSuitOf(c1) != PlainSuitOf(c2)) card = c2;
            if (card == NO_CARD) card = ChooseCardByScore(11, NO_CARD, false);
        }
        return FinishStrategy(card, EPILOGUE_GRAND_SOLOIST_LEAD);
    }

    if (J < g_Game.TrumpCount) {
        // Case 2: the defenders still hold Jacks.
        const int t = PickHighestInSuit(-1, true);
        const int r = PickRandomJack(0);
        const bool tTop = IsTopCard(t, -1, -1);
        if (!tTop && J <= O) {
            // B1: lead from the top suits.
            CoinFlipBest P, Q;
            bool allTop = true;
            int topSuits = 0;
            for (int s = 0; s < 4; ++s) {
                const int c = SuitCountOf(*this, s);
                if (c == 0) continue;
                const int h = PickHighestInSuit(s, true);
                if (!IsTopCard(h, -1, -1)) {
                    allTop = false;
                    continue;
                }
                const int value = (c > 1 && IsTopCard(NextLowerInSuit(h, false), h, -1)) ? c + 6 : c;
                ++topSuits;
                P.Offer(value, h);
                Q.Offer(OrderOf(h), h);
            }
            if (allTop && topSuits > 2)
                card = O == J ? PickRandomJack(0) : Q.card;
            else
                card = P.card;
        } else if (tTop && J == 1) {
            // B3.
            if (O < 2 || handInfo.AceSuitCount > 2) {
                card = t;
            } else if (IsTopCard(r, -1, -1)) {
                card = r;
            } else {
                for (int s = 0; s < 4 && card == NO_CARD; ++s)
                    if (SuitCountOf(*this, s) > 2 && Holds(*this, s, ACE) && Holds(*this, s, TEN))
                        card = HeldCard(*this, s, ACE);
                for (int s = 0; s < 4 && card == NO_CARD; ++s)
                    if (SuitCountOf(*this, s) > 1 && Holds(*this, s, TEN) && Holds(*this, s, KING) &&
                        !Holds(*this, s, ACE))
                        card = HeldCard(*this, s, KING);
                if (card == NO_CARD && points < 49) {
                    card = GetNextLowerHeld(t);
                } else if (card == NO_CARD) {
                    CoinFlipBest aces;
                    for (int s = 0; s < 4; ++s)
                        if (Holds(*this, s, ACE)) aces.Offer(Holds(*this, s, TEN) ? 2 : 1, HeldCard(*this, s, ACE));
                    card = aces.card != NO_CARD ? aces.card : GetNextLowerHeld(t);
                }
            }
        } else if (tTop && J == 2) {
            card = GetNextLowerHeld(t);
        } else if (tTop && J == 3) {
            card = GetNextLowerHeld(t);
            if (gameOptions[GAME_GRAND][OPT_PROBABILITY] >= 80) {
                const int x = ChooseGrandCard(true);
                if (x != NO_CARD && !IsTopCard(PickHighestInSuit(PlainSuitOf(x), true), -1, -1)) {
                    forcedCard = x;
                    ForcedCardCount = n;
                }
            }
        }
        if (card == NO_CARD && O < J) {
            // B6.
            if (O == 1 && n == 4 && !tTop && handInfo.AceSuitCount <= 0) card = ChooseGrandCard(false);
        } else if (card == NO_CARD && O == J) {
            // B7: three suits safe from the top, then draw a Jack.
            int counted = 0;
            for (int s = 0; s < 4 && card == NO_CARD; ++s) {
                const int low = PickLowCardOfSuit(s);
                if (low == NO_CARD || !IsTopCard(low, -1, -1)) continue;
                if (SuitCountOf(*this, s) > 2 && J < 2) {
                    const int nl = NextLowerInSuit(low, false);
                    if (IsTopCard(nl, low, -1)) {
                        card = low;
                        break;
                    }
                    if (CollectSuit(s, false, nullptr) > 1 && OrderOf(low) - OrderOf(nl) > 1) continue;
                }
                ++counted;
            }
            if (card == NO_CARD && counted >= 3) card = PickRandomJack(0);
        }
        if (card == NO_CARD) {
            // B8.
            int jPrime = J;
            for (int s = 0; s < 4; ++s) {
                if (SuitCountOf(*this, s) <= 1) continue;
                const int low = PickLowCardOfSuit(s);
                if (low == NO_CARD || IsTopCard(low, -1, -1)) continue;
                if (GetCardRank(low) == TEN && SuitCountOf(*this, s) >= 3) continue;
                jPrime = J - 1;
                break;
            }
            const int L = ChooseSoloistLead();
            if (jPrime < 3 && !IsTopCard(PickHighestInSuit(-1, true), -1, -1)) {
                if (AllSuitsTopOrGuarded()) {
                    card = PickLowestInSuit(-1, false);
                } else if (jPrime < 2 || O > 1) {
                    card = L;
                    if (card == NO_CARD) card = ChooseSoloistLead2();
                    if (card == NO_CARD) card = ChooseCardByScore(11, NO_CARD, false);
                } else {
                    card = ChooseSoloistLead();
                }
            }
            if (card == NO_CARD) card = PickHighestInSuit(-1, false);
        }
        return FinishStrategy(card, EPILOGUE_GRAND_SOLOIST_LEAD);
    }

    // Case 3: the defenders hold no Jack.
    int R = ChooseCardByRunScore(true);
    int n3 = n;
    if (n < 4 && R != NO_CARD && IsTopCard(R, -1, -1)) return FinishStrategy(R, EPILOGUE_GRAND_SOLOIST_LEAD);
    int c = NO_CARD;
    bool singletonTest = false;
    bool pointsLead = false;
    int b = NO_CARD;
    int tenSuit = -1;
    if (J == 4) {
        c = PickRandomJack(1);
        singletonTest = true;
    } else if (J >= n - 1) {
        R = NO_CARD;
    } else {
        int suitsHeld = 0;
        for (int s = 0; s < 4; ++s) {
            const int held = SuitCountOf(*this, s);
            if (held == 0) continue;
            ++suitsHeld;
            const int low = PickLowCardOfSuit(s);
            if (g_Game.SchneiderAnnounced && (held == 1 || OrderOf(NextLowerInSuit(low, false)) == 4) &&
                !IsTopCard(low, -1, -1)) {
                c = low;
                break;
            }
            if (held >= 4) {
                if (IsTopCard(low, -1, -1)) {
                    c = PickHighestInSuit(s, false);
                } else {
                    const int lead = ChooseSoloistLead();
                    if (lead == NO_CARD) {
                        c = NO_CARD;
                    } else {
                        c = NextLowerInSuit(low, false);
                        if (c != NO_CARD && PlainSuitOf(lead) == PlainSuitOf(c)) {
                            forcedCard = lead;
                            ForcedCardCount = n;
                        }
                    }
                }
            } else if (held == 3 && Holds(*this, s, ACE) && Holds(*this, s, KING) && !Holds(*this, s, TEN) &&
                       !IsCardGone(s, TEN, seat)) {
                tenSuit = s;
            } else if (forcedCard > 0 && PlainSuitOf(forcedCard) == s && handInfo.DealtSuitCount[s] >= 4) {
                c = forcedCard;
                forcedCard = NextLowerInSuit(forcedCard, false);
                if (forcedCard < 0) forcedCard = 0;
            }
        }
        if (c == NO_CARD && g_Game.PartyPoints[0] >= 61) {
            c = ChooseLeadOrLastCard(-1);
            pointsLead = true;
        }
        const int lastSuit = g_Knowledge.TrickLeadSuit;
        if (c == NO_CARD && g_Game.TrickWinner == seat && lastSuit >= 0 && lastSuit <= 3) {
            const int h = PickHighestInSuit(lastSuit, true);
            if (h != NO_CARD && (IsTopCard(h, -1, -1) || (!MayHoldSuit(NextSeat(seat), lastSuit) &&
                                                         !MayHoldSuit(PreviousSeat(seat), lastSuit))))
                c = h;
        }
        if (c == NO_CARD) {
            c = ChooseSoloistLead();
            if (c == NO_CARD && suitsHeld == 2) {
                for (int s = 0; s < 4; ++s) {
                    if (SuitCountOf(*this, s) < 3) continue;
                    const int low = PickLowCardOfSuit(s);
                    if (!IsTopCard(low, -1, -1)) {
                        c = GetNextLowerHeld(NextLowerInSuit(low, false));
                        break;
                    }
                    if (s == tenSuit) c = low;
                }
                if (c != NO_CARD) singletonTest = true;
            }
            if (c == NO_CARD) {
                if (suitsHeld == 1) tenSuit = -1;
                const int a = ChooseLeadOrLastCard(-1);
                b = ChooseLeadOrLastCard(tenSuit);
                if (b == NO_CARD && a != NO_CARD) {
                    int highest = NO_CARD;
                    for (int s = 0; s < 4; ++s) {
                        if (SuitCountOf(*this, s) != 1) continue;
                        const int single = PickLowCardAnySuit(s);
                        if (single != NO_CARD && (highest == NO_CARD || OrderOf(single) > OrderOf(highest)))
                            highest = single;
                    }
                    b = highest;
                }
                const int L = ChooseSoloistLead();
                if (b != NO_CARD) {
                    if (J >= 1) {
                        c = n <= 3 ? b : L;
                        n3 = 0;
                    }
                } else if (L == NO_CARD) {
                    c = ChooseCardGeneral(0, 0);
                }
            }
        }
    }
    // K7: completing the choice.
    if (c == NO_CARD) {
        c = ChooseGrandCard(true);
        if (c != NO_CARD) singletonTest = true;
    }
    if (c == NO_CARD && b != NO_CARD) c = PickTopRunInSuit(PlainSuitOf(b));
    if (c == NO_CARD) c = R;
    if (c == NO_CARD && n - J == 2) {
        for (int s = 0; s < 4 && c == NO_CARD; ++s)
            if (SuitCountOf(*this, s) == 2) c = PickLowestInSuit(s, true);
    }
    if (c == NO_CARD && !pointsLead && g_Game.PartyPoints[0] >= 59) c = PickRandomJack(0);
    if (c == NO_CARD) c = J < n - 1 ? ChooseCardByScore(4, NO_CARD, false) : PickRandomJack(0);
    if (singletonTest) {
        const int g = ChooseGrandCard(false);
        if (g != NO_CARD && J >= 2 && SuitCountOf(*this, PlainSuitOf(g)) == 1) c = g;
    }
    // K8: three cards left.
    if (n3 == 3) {
        const int x = ChooseCardByScore(4, NO_CARD, true);
        if (x != NO_CARD && (SuitCountOf(*this, PlainSuitOf(x)) != 2 || GetCardRank(NextHigherInSuit(x)) == TEN))
            return FinishStrategy(x, EPILOGUE_GRAND_SOLOIST_LEAD);
        if (IsTopCard(c, -1, -1) && g_Game.TrumpCount >= 1) c = PickHighestInSuit(-1, true);
    }
    return FinishStrategy(c, EPILOGUE_GRAND_SOLOIST_LEAD);
}

int CPlayer::PlayGrandSoloistSecond(int lead) {
    forcedCard = 0;
    const int n = count;
    const int J = handInfo.JackCount;
    const int O = g_Game.TrumpCount - J;
    const int s = GetCardSuit(lead, false);
    const bool jackLead = IsJack(lead);
    // S1: a Jack led, Jacks held: just above it, or a random Jack of the lowest run.
    if (jackLead && J > 0) {
        int card = PickCardAboveInTrumps(lead, true);
        if (card == NO_CARD) card = PickRandomJack(0);
        return FinishStrategy(card, EPILOGUE_PLAIN);
    }
    // S2: following suit.
    if (!jackLead && SuitCountOf(*this, s) > 0) {
        const int third = NextSeat(seat);
        const int hi = NextHigherInSuit(lead);
        const int low = PickLowCardOfSuit(s);
        const int nl = NextLowerInSuit(low, false);
        int card;
        if (!MayHoldSuit(third, s)) {
            card = hi;
        } else if (OrderOf(low) < OrderOf(lead)) {
            card = PickLowCardAnySuit(s);
        } else if (!IsTopCard(low, -1, -1)) {
            return FinishStrategy(PickLowestInSuit(s, true), EPILOGUE_PLAIN);
        } else {
            const int b = GetNextLowerHeld(low);
            if ((b != hi && OrderOf(b) - OrderOf(hi) == 1) || !IsTopCard(nl, low, -1)) card = hi;
            else if (OrderOf(low) - OrderOf(b) == 1) card = low;
            else if (J > 0 && J <= O && !IsTopCard(PickHighestInSuit(-1, true), -1, -1))
                card = low;
            else
                card = b;
        }
        if (card == NO_CARD) card = PickLowestInSuit(s, true);
        return FinishStrategy(card, EPILOGUE_PLAIN);
    }
    // S3: nothing to follow with and no Jack.
    if (J == 0) {
        int card = NO_CARD;
        if (!jackLead) {
            card = ChooseGrandCard(false);
            if (card == NO_CARD) card = ChooseTrumpGameCard(true);
        }
        if (card == NO_CARD) card = ChooseCardByScore(11, NO_CARD, false);
        return FinishStrategy(card, EPILOGUE_PLAIN);
    }
    // S4: a lone Ten that is not top goes first (kept aside in a Hand game).
    int k = PickUnguardedTen();
    if (!g_Game.HandAnnounced && k != NO_CARD) return FinishStrategy(k, EPILOGUE_PLAIN);
    int c = ChooseGrandCard(false);
    const int points = g_Game.PartyPoints[0];
    // S5.
    if (c != NO_CARD && PointsOf(lead) < 5) {
        if (IsCardGone(s, ACE, seat) && IsCardGone(s, TEN, seat)) k = c;
        const int h = PickHighestInSuit(PlainSuitOf(c), true);
        if (gameOptions[g_Game.GameType][OPT_PROBABILITY] >= 90 && IsTopCard(h, -1, -1) &&
            IsTopCard(NextLowerInSuit(h, false), h, -1) && J > 2)
            c = PickRandomJack(0);
    }
    // S6.
    if (c == NO_CARD) {
        c = ChooseCardByScore(4, NO_CARD, false);
        if (O < J) {
            bool qualified = false;
            for (int t = 0; t < 4; ++t) {
                const int held = SuitCountOf(*this, t);
                if (held == 0) continue;
                const int h = PickHighestInSuit(t, true);
                if (!IsTopCard(h, -1, -1)) continue;
                if (held >= 3) {
                    qualified |= NextLowerInSuit(h, false) != NO_CARD;
                } else if (n < 4) {
                    qualified = true;
                } else if (PointsOf(h) + PointsOf(lead) + 2 + points >= 61) {
                    qualified = true;
                } else {
                    c = ChooseGrandCard(false);
                    qualified |= c == NO_CARD;
                }
            }
            if (qualified) c = PickRandomJack(0);
        }
    }
    // S7: trumping in.
    if (k == NO_CARD && (IsJack(c) || (PointsOf(c) >= 10 && n > 3) || PointsOf(lead) >= 10 ||
                         (points < 61 && points + PointsOf(lead) + 2 > 60) ||
                         (J > 1 && O < J && handInfo.AceSuitCount + handInfo.TenSuitCount < 3))) {
        const int t = PickHighestInSuit(-1, true);
        const int below = PickTrumpBelow(t);
        const int r = PickRandomJack(0);
        if (J == 2 || (J >= 3 && J != handInfo.MatadorRun)) {
            if (IsTopCard(below, t, -1)) c = CoinHeads() ? below : t;
            else
                c = r;
        } else if (J >= 3) {
            c = PickHighestTrumpRandomStep(J);
        } else {
            c = r;
        }
    }
    return FinishStrategy(c, EPILOGUE_PLAIN);
}

int CPlayer::PlayGrandSoloistThird(int lead, int second) {
    forcedCard = 0;
    const int n = count;
    const int J = handInfo.JackCount;
    const int O = g_Game.TrumpCount - J;
    const int s = GetCardSuit(lead, false);
    int P = PointsOf(lead) + PointsOf(second);
    const bool jackLead = IsJack(lead);
    // T1, T2: a Jack led. The trick holds the defenders' Jack (or two): the lowest held Jack that
    // takes it; when none does, the lowest Jack, never a higher one given away for nothing.
    if (jackLead && J > 0) {
        const int best = IsJack(second) && OrderOf(second) > OrderOf(lead) ? second : lead;
        int card = PickCardAboveInTrumps(best, true);
        if (card == NO_CARD) card = PickRandomJack(-1);
        return FinishStrategy(card, EPILOGUE_PLAIN);
    }
    if (jackLead) return FinishStrategy(ChooseCardByScore(11, NO_CARD, false), EPILOGUE_PLAIN);
    // T3: following suit.
    if (SuitCountOf(*this, s) > 0) {
        const int w = (GetCardSuit(second, false) == s && OrderOf(second) > OrderOf(lead)) ? second : lead;
        const int low = PickLowCardAnySuit(s);
        const int hi = NextHigherInSuit(w);
        int card = low;
        if (hi != NO_CARD && !IsJack(second)) card = GetNextHigherHeld(hi);
        if (card == hi && card != NO_CARD && n > 7 && J < 3 && !Holds(*this, s, TEN) && !IsCardGone(s, TEN, seat) &&
            !IsTopCard(PickHighestInSuit(-1, true), -1, -1))
            card = low;
        if (!(P > 4 || J != g_Game.TrumpCount || J < 1)) card = low;
        return FinishStrategy(card, EPILOGUE_PLAIN);
    }
    const int points0 = g_Game.PartyPoints[0];
    const int points1 = g_Game.PartyPoints[1];
    const int probability = gameOptions[GAME_GRAND][OPT_PROBABILITY];
    if (J > 0) {
        // T4.
        const int t = ChooseTrumpGameCard(false);
        if (probability >= 80 && t != NO_CARD && PointsOf(t) + points1 + P <= 29 && P <= 10)
            return FinishStrategy(t, EPILOGUE_PLAIN);
        if (J == 1 && g_Game.TrumpCount > 1) {
            const int card = (PointsOf(lead) + PointsOf(second) + 2 + points0 < 61)
                                 ? ChooseCardByScore(11, NO_CARD, false)
                                 : PickRandomJack(0);
            P = 11;
            if (card != NO_CARD) return FinishStrategy(card, EPILOGUE_PLAIN);
        }
        // T5.
        if (P < 12 && t != NO_CARD) {
            bool stopped = false;
            for (int u = 0; u < 4 && !stopped; ++u) {
                if (SuitCountOf(*this, u) == 0) continue;
                if (PickLowCardAnySuit(u) != t && !IsTopCard(PickLowCardOfSuit(u), -1, -1)) stopped = true;
            }
            if (!stopped) return FinishStrategy(t, EPILOGUE_PLAIN);
        }
        // T6.
        if (P < 5) {
            int c = t != NO_CARD ? t : ChooseGrandCard(false);
            if (c != NO_CARD) {
                const int h = PickHighestInSuit(PlainSuitOf(c), true);
                if (probability >= 90 && IsTopCard(h, -1, -1) && IsTopCard(NextLowerInSuit(h, false), h, -1) && J > 2)
                    c = PickRandomJack(0);
            } else {
                c = PickRandomJack(0);
                if (J <= O) {
                    const int x = ChooseCardByScore(0, NO_CARD, false);
                    if (x != NO_CARD) {
                        const int h = PickHighestInSuit(PlainSuitOf(x), true);
                        if (h == x || IsTopCard(h, -1, -1)) c = x;
                    }
                }
            }
            if (c != NO_CARD) return FinishStrategy(c, EPILOGUE_PLAIN);
        }
    }
    // T7: trump in, or push for Schneider.
    int c = IsJack(second) ? PickCardAboveInTrumps(second, true) : PickRandomJack(0);
    const int tricks = gameOptions[g_Game.GameType][OPT_TRICKS];
    if ((points0 > 90 || points0 + PointsOf(c) + P < 91) && tricks > 7 && g_Game.PartyTricks[1] + tricks > 8) {
        const int t2 = ChooseTrumpGameCard(false);
        if (t2 != NO_CARD && PointsOf(t2) + P + points1 < 31) c = t2;
    }
    if (c == NO_CARD) c = ChooseTrumpGameCard(true);
    if (c == NO_CARD) c = ChooseGrandCard(false);
    if (c == NO_CARD) {
        const int x = ChooseCardByScore(0, NO_CARD, false);
        if (x != NO_CARD) {
            const int h = PickHighestInSuit(PlainSuitOf(x), true);
            if (h == x || IsTopCard(h, -1, -1)) c = x;
        }
    }
    if (c == NO_CARD) c = ChooseCardByScore(11, NO_CARD, false);
    return FinishStrategy(c, EPILOGUE_PLAIN);
}
