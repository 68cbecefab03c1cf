// The suit-game defender's lead: a committed card, the suit the partner asked for, following up
// the previous trick, a kept top card; the trumps while the soloist sits next; then the side
// suits: small cards where the soloist must follow, top cards and the card below them, forcing
// the soloist to ruff, a suit to give up, and at last the trump count-down.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "model/Player.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/play/SuitPlayTerms.h"

using namespace suit;

namespace {

// The side suits he holds, in suit order.
template <class Visit>
void ForHeldSideSuits(const CPlayer& p, Visit visit) {
    for (int s = 0; s < 4; ++s)
        if (s != g_Game.GameType && p.CountInSuit(s) > 0) visit(s);
}

// The words of one lead, shared by its steps. His hand does not change while the lead is chosen:
// the trumps he holds and those out are read once, here.
struct LeadWords {
    LeadWords(CPlayer& player, bool next)
        : p(player),
          soloistNext(next),
          mate(3 - g_Game.Soloist - player.seat),
          trumpsHeld(player.GetTrumpCount()),
          trumpsOut(g_Game.TrumpCount - trumpsHeld),
          highestTrump(PickHighestInSuit(player, -1, true)),
          secondTrump(PickTrumpBelow(player, highestTrump)),
          ownTrumpCount(CollectSuit(player, g_Game.GameType, true, ownTrumps)),
          othersTrumpCount(CollectSuit(player, g_Game.GameType, false, othersTrumps)) {}

    // One of the others' trumps, highest first; an entry beyond the list ranks below every card.
    int OthersTrumpAt(int i) const { return i < othersTrumpCount ? othersTrumps[i] : NO_CARD; }

    CPlayer& p;
    const bool soloistNext;
    const int mate;  // the other defender
    const int trumpsHeld;
    const int trumpsOut;        // the trumps not yet played that he does not hold
    const int highestTrump;     // his highest trump, -1 none
    const int secondTrump;      // his trump below the highest, -1 none
    int ownTrumps[11] = {};     // his trumps, highest first
    const int ownTrumpCount;    // as many as trumpsHeld, counted from the list
    int othersTrumps[11] = {};  // the trumps neither his nor gone as he sees them, highest first
    const int othersTrumpCount;
    int kept = NO_CARD;          // a card kept for a later lead
    int candidate = NO_CARD;     // the card that leads unless a step finds a better one
    int runScoreCard = NO_CARD;  // the run-score card of step 6, read again in step 8
};

// Step 3.5, the trump count-down while the soloist sits next: his top trumps while they stand
// above all the others', else the trump that draws theirs. -1 when no trump fits.
int TrumpCountDown(LeadWords& w) {
    CPlayer& p = w.p;
    // How many of his trumps, from the top, the count-down weighs against their highest.
    int compared = 0;
    if (w.othersTrumpCount > 0 && w.ownTrumpCount >= w.othersTrumpCount) {
        // His top trumps that must stand above all of theirs: one for each out, at most two.
        const int topsNeeded = w.othersTrumpCount < 2 ? w.othersTrumpCount : 2;
        bool above = true;
        for (int i = 0; i < topsNeeded; ++i) above = above && Order(w.ownTrumps[i]) > Order(w.othersTrumps[0]);
        if (above) return topsNeeded == 1 ? w.ownTrumps[0] : (CoinHeads() ? w.ownTrumps[0] : w.ownTrumps[1]);
        if (w.ownTrumpCount > 1) {
            const int lowestAt = w.ownTrumpCount - 1;
            compared = lowestAt;
            bool overAll = true;
            for (int i = 1; i <= lowestAt; ++i)
                overAll = overAll && Order(w.ownTrumps[lowestAt]) > Order(w.OthersTrumpAt(i));
            if (IsJack(w.othersTrumps[0]) && Points(w.ownTrumps[lowestAt]) <= 4 && overAll) {
                int lowTrump = w.ownTrumps[lowestAt];
                if (IsJack(lowTrump) || Points(lowTrump) >= 3) {
                    const int ace = PickCardAboveInTrumps(p, lowTrump, true);
                    if (GetCardRank(ace) == ACE) lowTrump = ace;
                    if (w.trumpsHeld > w.trumpsOut && IsTopCard(p, lowTrump, w.ownTrumps[0], w.othersTrumps[0])) {
                        const int jack = PickRandomJack(p, 0);
                        if (IsCard(jack)) return jack;
                    }
                } else {
                    return lowTrump;
                }
            }
        } else {
            compared = topsNeeded;
        }
    }
    const int lastCompared = (w.ownTrumpCount < compared ? w.ownTrumpCount : compared) - 1;
    if (lastCompared >= 0 && !IsTop(p, w.othersTrumps[0])) {
        int trial = CCardChoosers(p).ChooseOpponentLeadTrial(-1);
        if (IsCard(trial) && Order(trial) > Order(w.othersTrumps[0])) {
            for (int i = 1; i <= lastCompared; ++i) {
                if (Order(w.ownTrumps[i]) >= Order(w.othersTrumps[0])) continue;
                if (i == lastCompared) {
                    const int aboveTheirs = PickCardAboveInTrumps(p, w.OthersTrumpAt(lastCompared), true);
                    if (aboveTheirs != w.highestTrump && IsCard(aboveTheirs) && Points(aboveTheirs) <= 4)
                        trial = GetNextLowerHeld(p, aboveTheirs);
                }
                break;
            }
            if (IsCard(trial)) return trial;
        }
        return NO_CARD;
    }
    if (w.ownTrumpCount > 1 && (w.ownTrumpCount > w.othersTrumpCount || w.ownTrumpCount > 3) &&
        Order(w.ownTrumps[1]) > Order(w.OthersTrumpAt(1)) && Points(w.ownTrumps[1]) < 4)
        return w.ownTrumps[1];
    return NO_CARD;
}

// Step 1 of the defender's lead: the committed card or the suit the partner asked for, else the
// previous trick followed up; a card to keep for later may be found on the way.
int LeadAskedSuitOrFollowUp(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    if (g_Knowledge.PreferredSuit != -1) {
        if (IsCard(w.candidate)) return w.candidate;
        if (MayHoldSuit(p, w.mate, type)) w.kept = LowCardOfPlainSuit(p, g_Knowledge.PreferredSuit);
        if (g_Game.RealPlayFlag) g_Knowledge.PreferredSuit = -1;
    } else {
        const int last = g_Knowledge.TrickLeadSuit;
        if (p.seat == g_Game.TrickWinner && last != -1) {
            if (last == type) {
                if (w.trumpsHeld != g_Game.TrumpCount) {
                    if (w.trumpsHeld > w.trumpsOut && IsTop(p, w.highestTrump)) {
                        w.candidate = w.highestTrump;
                    } else if (w.trumpsHeld == w.trumpsOut) {
                        // All his trumps above all of theirs and the run-score choice top: his highest trump.
                        bool allAbove = w.ownTrumpCount > 0;
                        for (int i = 0; i < w.ownTrumpCount; ++i)
                            allAbove = allAbove &&
                                       (w.othersTrumpCount == 0 || Order(w.ownTrumps[i]) > Order(w.othersTrumps[0]));
                        if (allAbove && IsTop(p, CCardChoosers(p).ChooseCardByRunScore(true)))
                            w.candidate = w.ownTrumps[0];
                    }
                }
            } else {
                w.kept = LowCardOfPlainSuit(p, last);
                if (IsCard(w.kept) && !IsTop(p, w.kept)) {
                    if (CollectSuit(p, last, false, nullptr) == 1) w.candidate = w.kept;
                    else if (Points(w.kept) > 4) w.kept = HeldBelow(p, w.kept);
                }
            }
        }
        if (IsCard(w.candidate)) return w.candidate;
    }
    return NO_CARD;
}

// Step 2 of the defender's lead, with a kept card that is top: that card, unless his trumps lead
// first (the trump below his highest when both are top and he holds four or more, or his top
// trump against the last one out).
int LeadKeptTopCard(LeadWords& w) {
    CPlayer& p = w.p;
    if (w.trumpsHeld > 3 && IsTopCard(p, w.secondTrump, w.highestTrump, -1)) return w.secondTrump;
    if (w.trumpsHeld == 1 && w.trumpsOut == 1 && IsTop(p, w.highestTrump)) return w.highestTrump;
    return w.kept;
}

// Step 3 of the defender's lead: the trumps while the soloist sits next; -1 goes on with the side
// suits.
int LeadTrumpsWhileSoloistNext(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    if (!w.soloistNext || w.trumpsHeld == 0 || w.trumpsOut == 0) return NO_CARD;
    const int lowestTrump = PickLowestInSuit(p, -1, true);
    if (!IsTop(p, w.highestTrump)) {
        if (w.trumpsHeld > 1 && w.trumpsOut <= w.trumpsHeld && MayHoldSuit(p, w.mate, type) && IsCard(lowestTrump) &&
            Order(lowestTrump) < 5)
            return lowestTrump;
        return NO_CARD;
    }
    if (p.count == 2) return w.highestTrump;
    if (w.trumpsHeld >= w.trumpsOut) {
        const int runScoreChoice = CCardChoosers(p).ChooseCardByRunScore(true);
        w.candidate = NO_CARD;
        if (w.trumpsOut != 1 && (w.trumpsHeld != 1 || !IsTop(p, runScoreChoice)) &&
            !IsTopCard(p, w.secondTrump, w.highestTrump, -1)) {
            for (int s = 0; s < 4; ++s) {
                if (s == type || p.CountInSuit(s) == 0 || !IsTop(p, HighestOfPlainSuit(p, s))) continue;
                if (w.trumpsOut < 3) {
                    p.forcedCard = HighestOfPlainSuit(p, s);
                    p.ForcedCardCount = p.count;
                    w.candidate = w.highestTrump;
                } else {
                    w.candidate = HighestOfPlainSuit(p, s);
                }
                break;
            }
        } else {
            w.candidate = w.highestTrump;
        }
        if (w.trumpsHeld >= 4 && IsCard(lowestTrump) && Points(lowestTrump) < 10) w.candidate = lowestTrump;
        if (IsCard(w.candidate)) return w.candidate;
    }
    // 3.4 Nothing but trumps: the trump below the top; as many trumps as the others: a card of a side
    // suit; else a general choice, while he holds two trumps or more but no more than the others.
    if (w.trumpsHeld == p.count) {
        if (IsCard(w.secondTrump)) return w.secondTrump;
    } else if (w.trumpsHeld == w.trumpsOut && w.trumpsHeld > 1) {
        const int sideCard = CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
        if (IsCard(sideCard)) return sideCard;
    } else {
        int general = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
        if (general == NO_CARD) general = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (IsCard(general) && w.trumpsHeld > 1 && w.trumpsHeld <= w.trumpsOut) return general;
    }
    // 3.5 The trump count-down.
    const int countDown = TrumpCountDown(w);
    if (IsCard(countDown)) return countDown;
    // 3.6 A card of a side suit for the soloist to follow.
    return CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
}

// Steps 4 and 5 of the defender's lead: small cards and top cards of the side suits, chosen by
// the trump holding.
int LowAndTopCards(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    // 4.1 No trumps left out: the lead or the last card.
    if (g_Game.TrumpCount == 0) {
        const int leadOrLast = CCardChoosers(p).ChooseLeadOrLastCard(-1);
        if (IsCard(leadOrLast)) return leadOrLast;
    }
    // 4.2 The partner's suit signal.
    const int signalled = PickLowCardAnySuit(p, p.NextSuitFromMask());
    if (IsCard(signalled)) return signalled;
    // 4.3 A side-suit card; with the soloist next, the card below his best top card first.
    int sideCard = NO_CARD;
    if (!w.soloistNext) {
        sideCard = CCardChoosers(p).ChooseOpponentLeadSuit2();
    } else {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            const int top = HighestOfPlainSuit(p, s);
            if (IsTop(p, top)) best.Offer(top, Points(top));
        });
        const int run = GetNextLowerHeld(p, best.card);
        if (IsCard(run)) return run;
        sideCard = CCardChoosers(p).ChooseOpponentLeadSuit();
    }
    // 4.4 A card without points gives way to the held card below the next above it, if under a Ten.
    if (IsCard(sideCard) && Points(sideCard) == 0) {
        const int belowNextAbove = GetNextLowerHeld(p, HeldAbove(p, sideCard));
        if (IsCard(belowNextAbove) && Points(belowNextAbove) < 10) sideCard = belowNextAbove;
    }
    // 4.5 After Kontra an Ace gives way.
    if (g_Game.KontraState != KONTRA_NONE && GetCardRank(sideCard) == ACE)
        sideCard = CCardChoosers(p).ChooseTrumpGameCard(true);
    // 4.6 The card chosen, else a general choice, else the card below a suit to smear.
    if (IsCard(sideCard)) return sideCard;
    sideCard = CCardChoosers(p).ChooseCardGeneral(false, false);
    if (IsCard(sideCard)) return sideCard;
    sideCard = GetNextLowerHeld(p, CCardChoosers(p).PickSuitToSchmier(false));
    if (IsCard(sideCard)) return sideCard;
    // 4.7 With the soloist next: a small card not top, of a side suit the others hold one card of, its Ace
    // still out and the partner able to trump.
    if (w.soloistNext) {
        for (int s = 0; s < 4; ++s) {
            if (s == type || p.CountInSuit(s) == 0) continue;
            const int small = LowCardOfPlainSuit(p, s);
            if (IsTop(p, small) || IsCardGone(s, ACE, p.seat) || !MayHoldSuit(p, w.mate, type) ||
                CollectSuit(p, s, false, nullptr) != 1)
                continue;
            if (IsCard(small)) return small;
            break;
        }
    }
    // Step 5, by the trump holding: his trumps when the game was declared, or now when more.
    const int trumpHolding = p.handInfo.TrumpTotal > w.trumpsHeld ? p.handInfo.TrumpTotal : w.trumpsHeld;
    if (IsCard(w.kept) && trumpHolding <= 2) {
        int keptSuitOut[11];  // the cards of the kept card's suit out, highest first
        const int keptSuitOutCount = CollectSuit(p, SuitOf(w.kept), false, keptSuitOut);
        if (keptSuitOutCount == 0 || IsTop(p, w.kept) ||
            (keptSuitOutCount > 1 && Order(w.kept) < Order(keptSuitOut[1])))
            return w.kept;
    } else if (trumpHolding >= 4) {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            if (p.CountInSuit(s) < 3 && SoloistMayHold(p, s)) return;
            const int low = LowCardOfPlainSuit(p, s);
            if (IsCard(low) && Points(low) < 5) best.Offer(low, p.CountInSuit(s) + Points(low));
        });
        if (IsCard(best.card)) return best.card;
    }
    // 5.3 One trump out against his two or more: a Jack at random.
    if (w.trumpsOut == 1 && w.trumpsHeld >= 2) {
        const int cj = CCardChoosers(p).ChooseCardWithRandomJack(-1, true);
        return cj;  // -1 goes on at step 6
    }
    if (w.trumpsOut >= 3) return NO_CARD;
    // 5.4 A low card that is top or that the soloist cannot follow, the fewest points first.
    RunningBest best;
    ForHeldSideSuits(p, [&](int s) {
        const int low = LowCardOfPlainSuit(p, s);
        if (IsTop(p, low) || !SoloistMayHold(p, s)) best.Offer(low, 11 - Points(low));
    });
    if (IsCard(best.card)) {
        sideCard = best.card;
        if (!SoloistMayHold(p, SuitOf(sideCard))) return sideCard;
        if (w.trumpsOut >= 1 && Points(sideCard) >= 10 && p.count <= 4) {
            if (IsCard(HeldBelow(p, sideCard))) sideCard = HeldBelow(p, sideCard);
            return sideCard;
        }
    }
    // 5.5 A low top card of a suit the soloist may hold, the longest suit first.
    RunningBest fifth;
    ForHeldSideSuits(p, [&](int s) {
        const int low = LowCardOfPlainSuit(p, s);
        if (IsTop(p, low) && SoloistMayHold(p, s)) fifth.Offer(low, p.CountInSuit(s));
    });
    return fifth.card;
}

// Steps 6 to 8 of the defender's lead: the trump position, the top cards of long suits, and the
// run-score choice.
int TrumpPositionAndLongSuits(LeadWords& w) {
    CPlayer& p = w.p;
    // Step 6: the run-score choice and the trumps, by the trump position.
    w.runScoreCard = CCardChoosers(p).ChooseCardByRunScore(true);
    if ((p.CountInSuit(SuitOf(w.runScoreCard)) >= 5 && w.trumpsHeld < 2) ||
        (IsCard(w.runScoreCard) && !SoloistMayHold(p, SuitOf(w.runScoreCard)) && Points(w.runScoreCard) > 4)) {
        w.kept = NO_CARD;
        w.runScoreCard = NO_CARD;
    }
    if (w.trumpsHeld < 2 || w.trumpsHeld <= w.trumpsOut) {
        if (w.trumpsHeld > 0 && w.trumpsOut == 1) {
            if (IsTop(p, w.highestTrump)) return w.highestTrump;
            if (IsTop(p, w.runScoreCard)) return w.runScoreCard;
        } else if (w.trumpsHeld > 3 && IsTop(p, w.highestTrump)) {
            int general = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
            if (general == NO_CARD) general = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(general)) {
                w.runScoreCard = NO_CARD;
                return general;
            }
        }
    } else {
        if (IsTop(p, w.highestTrump) &&
            (IsTopCard(p, w.secondTrump, w.highestTrump, -1) || IsTop(p, w.runScoreCard) || w.trumpsOut <= 1))
            return w.highestTrump;
        if (IsTop(p, w.runScoreCard) && w.trumpsOut <= 1) {
            const int lowestTrump = PickLowestInSuit(p, -1, true);
            if (IsCard(lowestTrump)) return lowestTrump;
        }
        const int spare = CCardChoosers(p).ChooseSpareTrump(1);
        if (IsCard(spare)) return spare;
    }
    // Step 7: top cards of long suits.
    if (!w.soloistNext) {
        if (w.trumpsOut > 0) {
            const int gameCard = CCardChoosers(p).ChooseTrumpGameCard(true);
            if (IsCard(gameCard)) return gameCard;
        }
    } else {
        RunningBest tops;
        ForHeldSideSuits(p, [&](int s) {
            const int top = HighestOfPlainSuit(p, s);
            if (p.CountInSuit(s) > 2 && IsTop(p, top)) tops.Offer(top, Order(top));
        });
        // The highest top card of a suit of three or more; beside a suit of four or more, a King
        // under his Ten without the Ace leads instead.
        int longTop = tops.card;
        if (IsCard(longTop) && p.CountInSuit(SuitOf(longTop)) >= 4) {
            RunningBest kings;
            ForHeldSideSuits(p, [&](int s) {
                if (p.CountInSuit(s) >= 2 && Holds(p, s, TEN) && Holds(p, s, KING) && !Holds(p, s, ACE))
                    kings.Offer(CardCodeOf(KING, s), p.CountInSuit(s));
            });
            if (IsCard(kings.card)) longTop = kings.card;
        }
        if (longTop == NO_CARD) {
            RunningBest open;
            ForHeldSideSuits(p, [&](int s) {
                const int top = HighestOfPlainSuit(p, s);
                if (IsTop(p, top) && SoloistMayHold(p, s)) open.Offer(top, Order(top));
            });
            longTop = open.card;
        }
        const int thrown = g_Computer.ThrownOffSuit;
        if (w.trumpsOut > 0 && thrown != -1 && longTop == NO_CARD) longTop = LowestOfPlainSuit(p, thrown);
        if (w.trumpsOut > 0 && longTop == NO_CARD) longTop = CCardChoosers(p).ChooseTrumpGameCard(true);
        if (IsCard(longTop)) return longTop;
        RunningBest weak;
        ForHeldSideSuits(p, [&](int s) {
            const int top = HighestOfPlainSuit(p, s);
            if (p.CountInSuit(s) >= 3 && (!IsTop(p, top) || !SoloistMayHold(p, s))) weak.Offer(top, Order(top));
        });
        // The high card of a long suit that is not top or that the soloist cannot follow, lowered.
        int weakTop = weak.card;
        if (IsCard(weakTop)) {
            const int s = SuitOf(weakTop);
            if ((p.CountInSuit(s) >= 4 && !SoloistMayHold(p, s)) || MayHoldSuit(p, w.mate, s))
                weakTop = GetNextLowerHeld(p, HeldBelow(p, weakTop));
            if (IsCard(weakTop)) return weakTop;
        }
    }
    // Step 8: a top card of the run-score choice, its suit's low card committed after it.
    if (IsTop(p, w.runScoreCard)) {
        const int s = SuitOf(w.runScoreCard);
        if (p.CountInSuit(s) > 3) {
            if (IsTopCard(p, HeldBelow(p, w.runScoreCard), w.runScoreCard, -1) || !w.soloistNext) return w.runScoreCard;
        } else {
            const int low = LowestOfPlainSuit(p, s);
            if (IsCard(low)) {
                p.forcedCard = low;
                p.ForcedCardCount = p.count - 1;
            }
            return w.runScoreCard;
        }
    }
    return NO_CARD;
}

// Steps 9 to 12 of the defender's lead: a suit to give up, the candidate, the trump count-down and
// the last resort.
int GiveUpSuitAndCountDown(LeadWords& w) {
    CPlayer& p = w.p;
    const int type = g_Game.GameType;
    // Step 9: a suit to give up.
    int giveUp = CCardChoosers(p).ChooseTrumpGameCard(true);
    if (w.soloistNext || giveUp == NO_CARD) giveUp = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
    bool anew = giveUp == NO_CARD;
    if (!anew) {
        const int s = SuitOf(giveUp);
        const int held = p.CountInSuit(s);
        if ((held == 2 || held == 3) && Order(HighestOfPlainSuit(p, s)) < 4 && !IsCardGone(s, ACE, p.seat) &&
            !IsCardGone(s, TEN, p.seat))
            anew = true;
        else if (!MayHoldSuit(p, w.mate, s)) giveUp = LowCardOfPlainSuit(p, s);
    }
    if (anew) {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            const int low = LowCardOfPlainSuit(p, s);
            if (IsTop(p, low) && SoloistMayHold(p, s)) best.Offer(low, Points(low) + (p.CountInSuit(s) > 3 ? 1 : 0));
        });
        giveUp = best.card;
    }
    int choice = NO_CARD;  // the card step 10 leads first
    if (giveUp == NO_CARD) {
        RunningBest best;
        ForHeldSideSuits(p, [&](int s) {
            const int low = LowCardOfPlainSuit(p, s);
            if (IsCard(low) && GetCardRank(low) != ACE && !SoloistMayHold(p, s)) best.Offer(low, Points(low));
        });
        giveUp = best.card;
        if (giveUp == NO_CARD)
            giveUp =
                w.soloistNext ? CCardChoosers(p).ChooseOpponentLeadSuit() : CCardChoosers(p).ChooseOpponentLeadSuit2();
        if (giveUp == NO_CARD) {
            if (w.soloistNext) {
                const int general = CCardChoosers(p).ChooseCardGeneral(w.soloistNext, false);
                if (IsCard(general)) return general;
            }
            int scoreCard = CCardChoosers(p).ChooseCardByScore(4, -1, true);
            if (SameSuit(scoreCard, w.kept)) scoreCard = w.kept;
            choice = (w.trumpsHeld < 3 && p.count > 7 && IsCard(scoreCard)) ? scoreCard : w.kept;
        }
    }
    if (IsCard(giveUp)) {
        choice = giveUp;
        if (w.trumpsHeld == 0 && (p.CountInSuit(SuitOf(giveUp)) >= 3 || !SoloistMayHold(p, SuitOf(giveUp))))
            choice = IsCard(w.kept) ? w.kept : CCardChoosers(p).ChooseCardByScore(4, -1, false);
    }
    // Step 10: the candidate.
    if (IsCard(choice)) return choice;
    if (p.handInfo.TrumpTotal < 2) {
        if (IsCard(giveUp)) return giveUp;
        const int last = g_Knowledge.TrickLeadSuit;
        if (p.count < 10 && last != type) {
            const int lowOfLast = LowCardOfPlainSuit(p, last);
            if (IsCard(lowOfLast)) return lowOfLast;
        }
    }
    const int* dealt = p.handInfo.DealtSuitCount;
    auto dealtOf = [dealt](int card) { return dealt[SuitOf(card)]; };
    if (!w.soloistNext) {
        int sideCard = CCardChoosers(p).ChooseOpponentLeadSuit2();
        if (IsCard(sideCard) && IsTop(p, HighestOfPlainSuit(p, SuitOf(sideCard))))
            sideCard = HighestOfPlainSuit(p, SuitOf(sideCard));
        if (IsCard(sideCard)) {
            if (IsCard(giveUp) && dealtOf(sideCard) >= 3 && dealtOf(sideCard) >= dealtOf(giveUp)) sideCard = giveUp;
            return sideCard;
        }
    } else {
        int sideCard = CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
        if (sideCard == NO_CARD) sideCard = CCardChoosers(p).ChooseOpponentLeadSuit();
        if (IsCard(giveUp) && IsCard(sideCard) && dealtOf(sideCard) >= 3 && dealtOf(sideCard) <= dealtOf(giveUp) &&
            MayHoldSuit(p, w.mate, SuitOf(sideCard)))
            sideCard = giveUp;
        if (IsCard(sideCard)) return sideCard;
    }
    if (IsCard(giveUp)) return giveUp;
    // Step 11: the trump count-down.
    if (w.trumpsHeld == p.count || w.trumpsOut <= w.trumpsHeld) {
        // His trump above the lowest of theirs, while two or more of theirs are out.
        const int overLowest =
            w.othersTrumpCount > 1 ? PickCardAboveInTrumps(p, w.othersTrumps[w.othersTrumpCount - 1], true) : NO_CARD;
        const bool skip =
            Points(overLowest) > 4 && w.othersTrumpCount > 0 && Order(w.highestTrump) <= Order(w.othersTrumps[0]);
        if (!skip) {
            if (IsCard(overLowest)) return overLowest;
            const int lowestTrump = PickLowestInSuit(p, -1, true);
            if (IsCard(lowestTrump)) return lowestTrump;
        }
    }
    // Step 12: the last resort.
    const int suitCard = CCardChoosers(p).ChooseOpponentCardSuit(w.soloistNext, false);
    return IsCard(suitCard) ? suitCard : CCardChoosers(p).ChooseDefenderLead(w.soloistNext);
}

}  // namespace

int CSuitDefenderPlay::PlaySuitOpponentLead(bool soloistNext) {
    return PlaySuitDefender(0, soloistNext, NO_CARD, NO_CARD);
}

int CSuitDefenderPlay::SuitOpponentLeadCascade(bool soloistNext) {
    LeadWords w(me, soloistNext);
    // The committed card: the candidate when set at his last lead, kept when older; dropped when
    // no longer held.
    if (me.forcedCard > 0) {
        const int forced = me.forcedCard;
        me.forcedCard = 0;
        if (me.HasCard(forced)) {
            if (me.ForcedCardCount > me.count + 1) w.kept = forced;
            else w.candidate = forced;
        }
    }
    // Steps 1 to 3; a kept top card ends them at step 2.
    int card = LeadAskedSuitOrFollowUp(w);
    if (!IsCard(card)) card = IsTop(me, w.kept) ? LeadKeptTopCard(w) : LeadTrumpsWhileSoloistNext(w);
    // Steps 4 to 12, the side suits.
    if (!IsCard(card)) card = LowAndTopCards(w);
    if (!IsCard(card)) card = TrumpPositionAndLongSuits(w);
    if (!IsCard(card)) card = GiveUpSuitAndCountDown(w);
    return card;
}
