// The Ramsch lead: honour or drop a card committed earlier, go on after winning a trick in the
// suit led there or with the Jacks, search over Jacks, planned cards and the Ramsch choosers, and
// correct the chosen card at the end. The fewest card points win; the four Jacks are the trumps.

#include "computer/play/CardChoosers.h"
#include "computer/play/RamschPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "computer/play/TrickCardChoice.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Trick.h"

#include <cstdlib>

// One Ramsch lead in its phases: the committed card (1), the trick he won before (2), the
// candidates (3), the trick-card search (4), the verification (5) and the closing steps (6). The
// counts of his hand are read once; the cards a phase chooses are handed on to the next here.
class CRamschPlay::Lead {
public:
    explicit Lead(CRamschPlay& owner)
        : play(owner),
          me(owner.me),
          jacksHeld(me.handInfo.JackCount),
          jacksUnplayed(g_Game.TrumpCount),
          cardsLeft(me.count) {}
    int Play();

private:
    // Phase 1, the committed card; phase 2, after winning the previous trick: a Jack was led to it
    // (2a), or the suit of the trick won by its cards still out (2e, 1. and 2.; out as step 3 reads it).
    int CommittedCard();
    int AfterWonTrick();
    int AfterJackTrick();
    int InWonSuit(int wonSuit, int low, int& out);
    // Phases 3 to 5 and phase 3 alone (false: on to the verification).
    void Search();
    bool ChooseCandidates();
    // Phase 4 (false: the lead ends here) and its steps 1. and 2., 3. and 4., 5. (false: on to 7.) and 6.
    bool TrickSearch();
    void TrickCandidates();
    void WithCommitted();
    bool BelowCandidate();
    void JackOrLowCard();
    // Phase 5 and its steps 3., 4. (with its part for no card yet) and 5.
    void Verify();
    void LowCardAnalysis();
    void JackRules(bool& lastJackRule);
    void JackWithoutCard(bool& lastJackRule);
    void LastChoice();
    // Phase 6, steps 3 to 5, while no card is chosen: the Ramsch card by the length of its suit.
    void ClosingRamschCard();
    // The Ramsch card of mode 7 when a suit he holds is guarded and judged worth it, else -1.
    int GuardedSuitRamschCard();

    bool Safe(int c) const { return IsSuitSafe(me, c, -1, -1); }
    bool Top(int c) const { return IsTopCard(me, c, -1, -1); }
    int Held(int suit) const { return me.CountInSuit(suit); }
    // He holds some of the Jacks not yet played, not all of them.
    bool HoldsSomeJacks() const { return jacksHeld > 0 && jacksHeld < jacksUnplayed; }

    CRamschPlay& play;
    CPlayer& me;
    const int jacksHeld;
    const int jacksUnplayed;  // the Jacks not yet played, his own among them
    const int cardsLeft;      // the cards in his hand
    int card = NO_CARD;       // the card chosen so far
    int candidate = NO_CARD;  // the card that leads when nothing better is found
    int underCard = NO_CARD;  // the low card of a suit that stays under the cards out (mode 2)
    int spare = NO_CARD;      // the second choice: the Ramsch card, the trick card or the card below the candidate
    int highJack = NO_CARD;   // a Jack of his highest run, while no candidate stands beside it
    int trickCard = NO_CARD;  // the card that gives the lead away (phase 4)
    // His highest and lowest Jack, as phase 4 finds them beside the candidate.
    int highestJack = NO_CARD;
    int lowestJack = NO_CARD;
    bool firmTrickCard = false;  // the trick-card search's choice is firm
};

int CRamschPlay::PlayRamschLead() { return Lead(*this).Play(); }

int CRamschPlay::Lead::Play() {
    // A committed card no longer held is dropped where it is read.
    if (me.forcedCard != 0 && !IsHeld(me, std::abs(me.forcedCard))) me.forcedCard = 0;

    // Phase 1, the committed card; phase 2, after winning the previous trick.
    card = CommittedCard();
    if (card == NO_CARD) card = AfterWonTrick();
    if (card != NO_CARD) {
        // 1e: with two cards left no card of more than 4 points.
        if (cardsLeft < 3 && PointsOf(card) > 4) {
            const int low = CCardChoosers(me).ChooseCardByScore(4, NO_CARD, false);
            if (low != NO_CARD) card = low;
        }
    } else {
        Search();
    }

    // Phase 6, the closing steps.
    // 1. A committed card not led, or led beside another candidate, is dropped.
    if (card != me.forcedCard) {
        me.forcedCard = 0;
    } else if (underCard != NO_CARD && candidate != NO_CARD && !(underCard == candidate && candidate == card)) {
        me.forcedCard = 0;
    }
    // 2. No card yet: the mode-9 card, or the lowest of its suit when the suit was played once.
    if (card == NO_CARD) {
        const int q = CTrickCardChoice(me).ChooseCardByMode(9, -1);
        if (q != NO_CARD && cardsLeft != 2) {
            const int played = IsSuitIndex(SuitOf(q)) ? me.handInfo.PlayedSuitCount[SuitOf(q)] : 0;
            card = played == 1 ? PickLowestInSuit(me, SuitOf(q), true) : played > 1 ? q : NO_CARD;
        }
    }
    if (card == NO_CARD) ClosingRamschCard();
    // 6. A card other than the spare gives way to the trick card beside it; else the last Ramsch choice.
    if (spare != NO_CARD && card != spare) {
        const int t = CTrickCardChoice(me).ChooseTrickCard(-1, card, true);
        if (t != NO_CARD) card = t;
    }
    if (card == NO_CARD) card = play.ChooseRamschCard2(NO_CARD);
    // 7. The card, finished as the plain play does.
    return me.FinishStrategy(card, EPILOGUE_PLAIN);
}

void CRamschPlay::Lead::ClosingRamschCard() {
    // 3. The Ramsch card, raised to the held card above it unless that is top; a short suit's mode-7
    // card, or the mode-9 card over a doubleton under a Seven.
    int keptAlternative = NO_CARD;
    const int q9 = CTrickCardChoice(me).ChooseCardByMode(9, -1);
    const int q7 = CTrickCardChoice(me).ChooseCardByMode(7, -1);
    card = play.ChooseRamschCard(spare, false, false);
    const int h = GetNextHigherHeld(me, card);
    if (h != NO_CARD && !Top(h)) card = h;
    if (card != NO_CARD) {
        if (q7 != NO_CARD && Held(SuitOf(q7)) < 3 && Held(SuitOf(card)) > 2) {
            keptAlternative = q7;
            card = q7;
        }
        if (q9 != NO_CARD && Held(SuitOf(card)) == 2 && IsRank(PickLowestInSuit(me, SuitOf(card), true), SEVEN))
            card = q9;
    }
    if (card == NO_CARD || Held(SuitOf(card)) > 2) {
        // 4. A long suit or none: the lowest Ramsch card, a Seven when higher; a lone Ten or Ace out gives
        // way to a safe card of a suit with two or more out.
        card = play.ChooseRamschCard3(1);
        if (OrderOf(card) > 2) {
            const int seven = play.ChooseRamschCard3(7);
            if (seven != NO_CARD) card = seven;
        }
        int list[11];
        if (card != NO_CARD && CollectSuit(me, SuitOf(card), false, list) == 1 &&
            (IsRank(list[0], TEN) || IsRank(list[0], ACE))) {
            const int e = CCardChoosers(me).ChooseCardByScore2(SuitOf(card));
            if (e != NO_CARD && Safe(e) && CollectSuit(me, SuitOf(e), false, nullptr) > 1) {
                card = e;
                keptAlternative = e;
            }
        }
    }
    // 5. Still none: the kept alternative, a Ramsch card by mode 4, or the Ramsch lead.
    if (card == NO_CARD) {
        card = keptAlternative;
        if (card == NO_CARD) card = play.ChooseRamschCard3(4);
        if (card == NO_CARD) card = play.ChooseRamschLead(0);
    }
}

int CRamschPlay::Lead::CommittedCard() {
    const int fc = me.forcedCard, fcc = me.ForcedCardCount;
    if (fc < 0) {
        const int c = -fc;
        if (!Safe(c)) {
            // 1a. A dropped card whose suit is not safe: a Jack when it fits, else that card, dropped.
            const int jk = PickRandomJack(me, 0);
            if ((jacksHeld == 3 && jacksUnplayed != 3 && Safe(jk)) || (jacksUnplayed > jacksHeld && Top(jk)) ||
                (jacksHeld == 1 && !Safe(jk)))
                return jk;
            me.forcedCard = 0;
            return c;
        }
        // 1b. A safe suit: the card when one is out or it is his last; kept while a Seven guards a suit.
        const int suit = SuitOf(c);
        const int n = CollectSuit(me, suit, false, nullptr);
        if (n == 0) return NO_CARD;
        if (n == 1 || Held(suit) <= 1) {
            me.forcedCard = 0;
            return c;
        }
        for (int s = 0; s < 4; ++s)
            if (Held(s) > 1 && Holds(me, s, SEVEN)) return NO_CARD;
        me.forcedCard = 0;
        return c;
    }
    if (fc > 0 && fcc > cardsLeft) {
        // 1c. Committed at a later lead: the suit's lowest when one card is out, else the card.
        const int suit = SuitOf(fc);
        return CollectSuit(me, suit, false, nullptr) == 1 ? PickLowestInSuit(me, suit, true) : fc;
    }
    if (fc > 0) {
        // 1d. Committed for now: a low Ramsch card, a sure top Jack, or the card while more are out.
        const int r0 = play.ChooseRamschCard(0, false, false);
        if (r0 == fc) me.forcedCard = 0;
        if (r0 != NO_CARD && OrderOf(r0) <= 2) return r0;
        if (HoldsSomeJacks()) {
            const int jk = PickJack(me, -1);
            if (Top(jk)) {
                const int jb = PickTrumpBelow(me, jk);
                if (jb == NO_CARD || IsTopCard(me, jb, jk, -1)) return jk;
            }
        }
        if (me.forcedCard != 0) {
            const int out = CollectSuit(me, SuitOf(fc), false, nullptr);
            if (out > 1 || (out == 1 && OrderOf(fc) < 3)) {
                me.forcedCard = 0;
                return fc;
            }
        }
    }
    return NO_CARD;
}

int CRamschPlay::Lead::AfterWonTrick() {
    const int wonSuit = cardsLeft == 10 ? -1 : g_Knowledge.TrickLeadSuit;
    if (g_Game.TrickWinner != me.seat || wonSuit == -1) return NO_CARD;
    bool firm = false;
    if (wonSuit == GAME_RAMSCH) return AfterJackTrick();
    if (!IsSuitIndex(wonSuit)) return NO_CARD;
    const int low = PickLowestInSuit(me, wonSuit, true);
    const int held = Held(wonSuit);
    if (held == 0) return NO_CARD;  // 2d: the suit is gone from his hand
    if (held == 1) {
        if (PointsOf(low) >= 10) {
            // 2b. His last card of the suit a Ten or Ace: the trick card, late in the game only.
            if (cardsLeft > 5) return NO_CARD;
            return CTrickCardChoice(me).ChooseTrickCard2(firm, low);
        }
        // 2c. His last card of the suit: the trick card leads when sure, else stands as candidate.
        const int t = CTrickCardChoice(me).ChooseTrickCard2(firm, NO_CARD);
        if (firm) return t;
        candidate = t;
    }
    // 2e. The suit of the trick won.
    int out = 0;
    int r = InWonSuit(wonSuit, low, out);
    // 3. A long suit dealt: the held card above the trick card, or below it when top or a Ten; a
    // lone Seven leads instead beside a Ten.
    if (r != NO_CARD && IsSuitIndex(SuitOf(r)) && me.handInfo.DealtSuitCount[SuitOf(r)] > 3) {
        const int t = CTrickCardChoice(me).ChooseTrickCard2(firm, NO_CARD);
        const int h2 = GetNextHigherHeld(me, t);
        if (h2 != NO_CARD && out != 2) r = Top(h2) || PointsOf(h2) == 10 ? GetNextLowerHeld(me, h2) : h2;
        if (PointsOf(h2) == 10) {
            for (int s = 0; s < 4; ++s) {
                if (Held(s) == 1 && Holds(me, s, SEVEN) && CollectSuit(me, s, false, nullptr) > 0) {
                    r = CardCodeOf(SEVEN, s);
                    break;
                }
            }
        }
    }
    // 4. The Jacks.
    if (jacksHeld > 0 && jacksHeld != jacksUnplayed) {
        if (r == NO_CARD) return NO_CARD;
        const int jk = PickJack(me, -1);
        if (jacksHeld == 1 && !Safe(jk)) {
            r = jk;
        } else if (Top(jk)) {
            const int jr = PickRandomJack(me, -1);
            if (OrderOf(jk) - OrderOf(jr) <= 1) r = jr;
        }
    }
    return r;
}

// 2a: a Jack was led to the trick won.
int CRamschPlay::Lead::AfterJackTrick() {
    int r0 = play.ChooseRamschCard(-1, false, false);
    if (r0 != NO_CARD && !Safe(PickLowestInSuit(me, SuitOf(r0), true))) r0 = NO_CARD;
    const int jr = jacksHeld == jacksUnplayed ? NO_CARD : PickRandomJack(me, 0);
    candidate = jr;
    if (r0 != NO_CARD) return r0;
    if (jacksHeld != jacksUnplayed && Safe(jr)) return jr;
    return NO_CARD;
}

// 2e, 1. and 2.: the suit of the trick won, by the number of its cards still out (out, -1 once the
// low card is chosen, 0 once another suit is).
int CRamschPlay::Lead::InWonSuit(int wonSuit, int low, int& out) {
    bool firm = false;
    int list[11];
    out = CollectSuit(me, wonSuit, false, list);
    int r = NO_CARD;
    // 1. One or two of the suit out: the lowest when the last out is low and the suit safe; a high one
    // out turns to another suit's Ramsch card.
    if (out == 1 || out == 2) {
        const int o = list[out - 1];
        if (OrderOf(o) <= 4) {
            if (Safe(o)) {
                r = PickLowestInSuit(me, wonSuit, true);
                out = -1;
            }
        } else {
            out = 0;
            r = play.ChooseRamschCard(-1, false, false);
            if (r == NO_CARD) {
                r = CTrickCardChoice(me).ChooseCardByMode(2, wonSuit);
                if (r == NO_CARD || SuitOf(r) == wonSuit) {
                    r = CCardChoosers(me).ChooseCardByScore2(wonSuit);
                    if (r != NO_CARD && !MayHoldSuit(me, NextSeat(me.seat), SuitOf(r)) &&
                        !MayHoldSuit(me, PreviousSeat(me.seat), SuitOf(r)))
                        r = PickLowestInSuit(me, wonSuit, true);
                }
            }
        }
    }
    // 2. By the cards out: the low card when safe, else the trick card, the low card committed; with
    // two out the highest, the low card committed.
    if (out == 1) {
        if (Safe(low)) {
            r = low;
        } else {
            const int t = CTrickCardChoice(me).ChooseTrickCard2(firm, NO_CARD);
            if (t != NO_CARD && SuitOf(t) != wonSuit) {
                r = t;
                if (PointsOf(low) <= 4) play.CommitCard(low);
            } else if (t != NO_CARD && firm) {
                r = t;
            } else {
                candidate = PickLowestInSuit(me, wonSuit, true);
            }
        }
    } else if (out == 2) {
        if (cardsLeft == 2) {
            r = low;
        } else {
            const int h = PickHighestInSuit(me, wonSuit, true);
            if ((Held(wonSuit) == 1 && Safe(low)) || (!Top(h) && !Safe(low))) {
                r = h;
                play.CommitCard(low);
            }
        }
    } else if (out == 3 && Held(wonSuit) == 1) {
        if (Safe(low)) r = low;
        else candidate = low;
    }
    return r;
}

// Phases 3 to 5: candidates, the trick-card search and the verification.
void CRamschPlay::Lead::Search() {
    underCard = CTrickCardChoice(me).ChooseCardByMode(2, -1);
    const bool toTrickSearch = ChooseCandidates();
    if (toTrickSearch && !TrickSearch()) return;
    Verify();
}

// Phase 3, the candidates; true when the trick-card search follows.
bool CRamschPlay::Lead::ChooseCandidates() {
    const bool passedOn = me.seat >= 0 && me.seat < 3 && g_Game.SkatPassedOnBySeat[me.seat] != 0;
    if (candidate == NO_CARD && jacksHeld == 0) {
        candidate = CTrickCardChoice(me).ChooseCardByMode(5, -1);
    } else if (candidate == NO_CARD && jacksHeld > 0) {
        spare = play.ChooseRamschCard(-1, false, false);
        highJack = PickJack(me, 0);
        const int rj = PickRandomJack(me, 0);
        if (jacksHeld == 1 && jacksUnplayed > 1 && !Safe(rj)) {
            card = rj;
            return true;
        }
        if (spare != NO_CARD && !Top(highJack)) {
            candidate = underCard != NO_CARD ? underCard : spare;
            highJack = NO_CARD;
        } else if (jacksUnplayed - jacksHeld == 1 && !Safe(rj)) {
            card = rj;
            underCard = NO_CARD;
            return true;
        }
    }
    if (jacksHeld == 2 && jacksUnplayed == 4) {
        // 3c. Two Jacks of four: a Jack as candidate; the Ramsch card leads, or the Jack with the next
        // committed when he holds both low Jacks early.
        candidate = Holds(me, CLUBS, JACK) ? PickRandomJack(me, 0) : PickJack(me, 0);
        if (spare != NO_CARD) {
            card = play.ChooseRamschCard(-1, false, false);
        } else if (Holds(me, SPADES, JACK) && Holds(me, DIAMONDS, JACK) && cardsLeft < 9) {
            card = candidate;
            play.CommitCard(PickRandomJack(me, 0));
        }
    }
    if (passedOn && HoldsSomeJacks()) {
        // 3d. The skat passed on to him, with some of the Jacks: below the Ramsch card when his Jacks are
        // weak, else the candidate committed.
        const int pj0 = PickJack(me, 0), rj0 = PickRandomJack(me, 0);
        if (!Top(pj0) && !Safe(rj0)) {
            card = GetNextLowerHeld(me, play.ChooseRamschCard(-1, true, true));
        } else {
            me.forcedCard = candidate > 0 ? candidate : 0;
            me.ForcedCardCount = cardsLeft;
        }
    }
    if (card == NO_CARD && candidate == NO_CARD) {
        // 3e. No card yet: a high single Jack, else the second Ramsch lead while its suit is short.
        const int pj1 = PickJack(me, 0);
        if (jacksHeld == 1 && jacksUnplayed > 1 && (pj1 == JackOf(CLUBS) || pj1 == JackOf(SPADES))) {
            card = candidate = pj1;
        } else {
            candidate = play.ChooseRamschLead2();
            if (candidate != NO_CARD && Held(SuitOf(candidate)) < 5) card = candidate;
        }
    }
    if (card == NO_CARD && candidate != NO_CARD) card = candidate;  // 3f: the candidate leads
    if (card == NO_CARD) {
        // 3g. Still none: the Ramsch card when it is his last of its suit.
        candidate = play.ChooseRamschCard(-1, false, false);
        if (candidate != NO_CARD && Held(SuitOf(candidate)) == 1) card = candidate;
    }
    return candidate == NO_CARD;
}

// Phase 4; false when the lead ends here (phase 5 is skipped).
bool CRamschPlay::Lead::TrickSearch() {
    TrickCandidates();
    // 3. and 4., only with a committed card.
    if (me.forcedCard != 0) WithCommitted();
    // 5. A Jack leads; without a candidate any card leads; with one, the card below it, else step 6.
    if (IsJack(card)) return true;
    if (candidate == NO_CARD) {
        if (card != NO_CARD) return true;
    } else if (BelowCandidate()) {
        JackOrLowCard();  // 6: a Jack or a low card
    }
    // 7. No card while one is committed: the candidate or a safe Ramsch card; a rich card gives way to
    // a single Jack not top.
    if (card == NO_CARD && me.forcedCard != 0) {
        if (candidate != NO_CARD) {
            card = candidate;
        } else {
            card = play.ChooseRamschCard(-1, false, false);
            const int below = NextLowerInSuit(me, card, false);
            if (below != NO_CARD && !Safe(below)) card = NO_CARD;
        }
        if (PointsOf(card) >= 10 && jacksHeld == 1 && jacksHeld < jacksUnplayed) {
            const int rj5 = PickRandomJack(me, 0);
            if (!Top(rj5)) card = rj5;
        }
        return true;
    }
    // 8. No card and none committed: the candidate lowered without the Jack test, or a guarded suit's
    // low card with it.
    if (card == NO_CARD && me.forcedCard == 0) {
        if (!RamschJackTest(me, 0, 10)) {
            if (candidate != NO_CARD) candidate = PickLowestInSuit(me, SuitOf(candidate), false);
        } else if (trickCard != NO_CARD && Held(SuitOf(trickCard)) > 0) {
            const int c = GuardedSuitRamschCard();
            if (c != NO_CARD) candidate = c;
        }
    }
    return true;
}

int CRamschPlay::Lead::GuardedSuitRamschCard() {
    for (int s = 0; s < 4; ++s)
        if (Held(s) > 0 && IsSuitGuarded(me, s, 1, false) && play.EvaluateRamschHand(s))
            return play.ChooseRamschCard3(7);
    return NO_CARD;
}

// Phase 4, 1. and 2.: the card that gives the lead away and the candidate beside it.
void CRamschPlay::Lead::TrickCandidates() {
    // 1. The trick card that gives the lead away, else the Ramsch card; a long suit with Seven and
    // Queen asks the Ramsch card beside it.
    trickCard = CTrickCardChoice(me).ChooseTrickCard2(firmTrickCard, NO_CARD);
    if (trickCard == NO_CARD) trickCard = play.ChooseRamschCard(-1, false, false);
    spare = trickCard;
    if (trickCard != NO_CARD && Held(SuitOf(trickCard)) >= 4 && Holds(me, SuitOf(trickCard), SEVEN) &&
        Holds(me, SuitOf(trickCard), QUEEN))
        trickCard = spare = play.ChooseRamschCard(trickCard, false, false);
    // 2. A short suit or one card out: its lowest or the card; else a second trick card as candidate,
    // unless it costs more.
    if (trickCard != NO_CARD &&
        (Held(SuitOf(trickCard)) <= 1 || CollectSuit(me, SuitOf(trickCard), false, nullptr) <= 1)) {
        if (highJack != NO_CARD && trickCard != highJack) card = PickLowestInSuit(me, SuitOf(trickCard), true);
        else if (Held(SuitOf(trickCard)) == 1) card = trickCard;
    } else {
        const int u = CTrickCardChoice(me).ChooseTrickCard2(firmTrickCard, NO_CARD);
        candidate = u;
        if (trickCard != NO_CARD && PointsOf(u) > 4 && PointsOf(trickCard) < PointsOf(u)) {
            candidate = NO_CARD;
            underCard = NO_CARD;
        }
    }
}

// Phase 4, 3. and 4.: a committed card stays, gives way to a Jack, or is dropped.
void CRamschPlay::Lead::WithCommitted() {
    const int rj2 = PickRandomJack(me, 0);
    const bool oddJacks = (jacksHeld == 1 || jacksHeld == 3) && jacksHeld != jacksUnplayed;
    if (oddJacks && Safe(rj2)) {
        card = candidate = rj2;
    } else if (jacksHeld == 2 && jacksHeld != jacksUnplayed && highJack == JackOf(CLUBS) && rj2 == JackOf(DIAMONDS)) {
        card = candidate;
        candidate = NO_CARD;
    } else {
        card = play.ChooseRamschCard3(7);
        if (card != NO_CARD) {
            const int s = SuitOf(card);
            if (Held(s) < 4 && (Holds(me, s, ACE) || Holds(me, s, TEN))) card = NO_CARD;
        }
        if (card != NO_CARD && oddJacks && !Safe(rj2)) {
            play.CommitCard(card);
            card = rj2;
        }
    }
    if (!IsJack(card) && candidate != NO_CARD) {
        if (card != NO_CARD) {
            if (candidate == trickCard) card = candidate;
            candidate = NO_CARD;
            me.forcedCard = 0;
            if (HoldsSomeJacks() && Top(PickJack(me, 0))) card = NO_CARD;
        }
    }
    if (card == NO_CARD && HoldsSomeJacks()) {
        card = PickRandomJack(me, 0);
        candidate = NO_CARD;
        me.forcedCard = 0;
    }
    if (card == NO_CARD && cardsLeft - jacksHeld == 2 && me.forcedCard > 0) card = me.forcedCard;
}

// Phase 4, 5. with a candidate: the card below it; false when the lead goes on at 7.
bool CRamschPlay::Lead::BelowCandidate() {
    highestJack = PickJack(me, -1);
    if (!Top(highestJack) && trickCard != NO_CARD) {
        card = trickCard;
        candidate = NO_CARD;
        return false;
    }
    lowestJack = PickRandomJack(me, -1);
    const int hb = NextLowerInSuit(me, candidate, false);
    spare = hb != NO_CARD ? hb : candidate;
    if (cardsLeft <= 2) {
        if (hb != NO_CARD) card = hb;
    } else if (hb != NO_CARD && Top(candidate) && Safe(hb)) {
        if ((jacksHeld == 1 || jacksHeld == 3) && !Safe(lowestJack)) card = candidate = lowestJack;
        else if (jacksHeld == 2 && !Top(highestJack)) card = highestJack;
        else card = play.ChooseRamschCard3(7);
    }
    return true;
}

// Phase 4, 6.: a Jack ahead of the candidate, or the low card of a suit that can give the lead away.
void CRamschPlay::Lead::JackOrLowCard() {
    if (!IsJack(candidate) && me.handInfo.PlayStatusSummary == 9 && jacksHeld == 2 && jacksHeld != jacksUnplayed) {
        card = highestJack;
        underCard = NO_CARD;
    } else if (candidate != NO_CARD && Held(SuitOf(candidate)) > 2 && jacksHeld == 1 && !Safe(highestJack)) {
        card = highestJack;
        underCard = NO_CARD;
    }
    if (card != NO_CARD || (cardsLeft != 10 && !Safe(spare))) return;
    card = CTrickCardChoice(me).ChooseCardByMode(8, -1);
    if (!HoldsSomeJacks()) return;
    const int jk2 = PickJack(me, -1);
    candidate = jk2;
    auto playTopJack = [&]() {
        if (Top(jk2)) {
            me.forcedCard = 0;
            underCard = NO_CARD;
            card = jk2;
        }
    };
    if (jacksHeld == 1) {
        playTopJack();
    } else if (jacksHeld == 2) {
        if (!Safe(lowestJack)) playTopJack();
        else if (jacksUnplayed == 4 && Holds(me, SPADES, JACK) && Holds(me, DIAMONDS, JACK)) card = jk2;
        else if ((Holds(me, CLUBS, JACK) && Holds(me, HEARTS, JACK)) || (me.forcedCard != 0 && Safe(lowestJack)))
            card = lowestJack;
    } else if (jacksHeld == 3) {
        const int rj4 = PickRandomJack(me, 0);
        candidate = rj4;
        if (!Safe(rj4)) {
            underCard = NO_CARD;
            card = rj4;
        }
    }
}

// Phase 5, the verification.
void CRamschPlay::Lead::Verify() {
    // 1. A card chosen beside the candidate yields to the card under the cards out, lowered or a top
    // single Jack where the suit is risky.
    if (card != NO_CARD && card != candidate) {
        if (underCard == NO_CARD) return;
        int list[11];
        const int out = CollectSuit(me, SuitOf(underCard), false, list);
        card = underCard;
        if ((Held(SuitOf(underCard)) > 1 && out != 2) || Safe(underCard)) return;
        const int low = PickLowestInSuit(me, SuitOf(underCard), true);
        if (PointsOf(underCard) >= 10 && out <= 2 && Held(SuitOf(underCard)) >= 4 && Safe(low)) card = low;
        if (jacksHeld == 1 && jacksHeld < jacksUnplayed) {
            const int rj6 = PickRandomJack(me, 0);
            if (Top(rj6)) card = rj6;
        }
        return;
    }
    // 2. The card under the cards out, else the candidate, else a low single spare card.
    if (underCard != NO_CARD) {
        card = underCard;
        return;
    }
    bool jackRulesOnly = false;
    bool lastJackRule = false;
    if (me.forcedCard != 0) {
        lastJackRule = true;
    } else {
        card = candidate;
        if (card != NO_CARD) return;
        if (spare == NO_CARD) spare = play.ChooseRamschCard(0, false, false);
        if (spare != NO_CARD && Held(SuitOf(spare)) == 1 && OrderOf(spare) <= 4 && !Top(PickJack(me, -1))) {
            card = spare;
            if (cardsLeft != 10) return;
            jackRulesOnly = true;
        }
    }
    // 3. The low-card analysis of the spare card's suit.
    if (!lastJackRule && !jackRulesOnly && spare != NO_CARD && IsSuitIndex(SuitOf(spare))) LowCardAnalysis();
    // 4. The Jack rules; the Clubs Jack as the last of them.
    if (!lastJackRule && HoldsSomeJacks() && !IsJack(card)) JackRules(lastJackRule);
    if (lastJackRule && card == NO_CARD && jacksHeld == 1 && Holds(me, CLUBS, JACK)) card = PickJack(me, 0);
    // 5. The last choice.
    if (card == NO_CARD) LastChoice();
}

// Phase 5, 3.: the low-card analysis of the spare card's suit.
void CRamschPlay::Lead::LowCardAnalysis() {
    const int s = SuitOf(spare);
    underCard = spare;
    const int k = Held(s);
    int list[11];
    const int n = CollectSuit(me, s, false, list);
    const int lo = PickLowestInSuit(me, s, true);
    int lowCard = lo;
    if (n == 2) {
        if (!Safe(lo)) {
            if (Top(spare)) {
                underCard = spare = lo;
            } else if (k >= 5) {
                const int below = NextLowerInSuit(me, list[0], false);
                if (below != NO_CARD) candidate = spare = below;
            }
        } else {
            const int h = NextHigherInSuit(me, lo);
            if (h != NO_CARD) {
                underCard = spare = h;
                lowCard = h;
            }
        }
        if (jacksHeld + k == cardsLeft) card = spare;
        if (candidate != NO_CARD) {
            if (!IsJack(card) && (k >= 3 || CountSuitsWithLowCards(me) == 2)) {
                card = spare;
            } else if (k == 2 && Safe(lowCard)) {
                spare = NO_CARD;
                underCard = candidate;
            }
        }
    } else if (n >= 3) {
        if ((k == 2 && !Safe(lo)) || (k > 2 && Safe(lo) && IsSuitSafe(me, NO_CARD, lo, -1))) underCard = spare = lo;
        if (k < 3 || OrderOf(PickLowCardOfSuit(me, s)) < OrderOf(CardCodeOf(TEN, s))) candidate = spare;
    }
}

// Phase 5, 4.: the Jack rules; lastJackRule when only the last of them may still play a Jack.
void CRamschPlay::Lead::JackRules(bool& lastJackRule) {
    const int rj7 = PickRandomJack(me, -1), jk7 = PickJack(me, -1);
    if (jacksHeld == 3) {
        if (Safe(rj7)) card = rj7;
        else if (Top(jk7)) card = PickJack(me, 0);
    } else if (!(jacksHeld == 2 && jacksUnplayed == 4)) {
        if (!Top(jk7)) {
            card = PickJack(me, 0);
        } else if (!Safe(rj7)) {
            if (me.forcedCard != 0) {
                card = rj7;
                me.forcedCard = 0;
            }
        } else if ((spare != NO_CARD && Held(SuitOf(spare)) == 1) || me.forcedCard != 0) {
            card = spare;
        } else {
            card = rj7;
        }
    }
    if (card == NO_CARD) JackWithoutCard(lastJackRule);
}

// Phase 5, 4., when the Jack rules above chose no card: by the number of Jacks held and unplayed.
void CRamschPlay::Lead::JackWithoutCard(bool& lastJackRule) {
    if (jacksHeld == 1) {
        const int jack = PickJack(me, -1);
        if (!Safe(jack)) {
            card =
                cardsLeft == jacksUnplayed - 1 && cardsLeft != 1 ? CCardChoosers(me).ChooseCardByRunScore(true) : jack;
            if (card == NO_CARD) card = jack;
        } else if (candidate == NO_CARD || PointsOf(candidate) >= 10 ||
                   IsSuitGuarded(me, SuitOf(candidate), 3, false)) {
            candidate = jack;
            lastJackRule = true;
        }
    } else if (jacksHeld == 2 && jacksUnplayed == 3) {
        const int rj8 = PickRandomJack(me, 0);
        if (Safe(rj8)) {
            const int mode1 = CTrickCardChoice(me).ChooseCardByMode(1, -1);
            if (mode1 > 0) card = rj8;
            else if (candidate == NO_CARD) candidate = rj8;
        }
    } else if (jacksHeld == 2 && jacksUnplayed == 4) {
        const int ra = PickRandomJack(me, -1), ja = PickJack(me, -1);
        auto coin = [&]() { return CoinTails() ? ja : ra; };
        if (ra == JackOf(DIAMONDS)) {
            const int candHeld = candidate != NO_CARD ? Held(SuitOf(candidate)) : 0;
            if (candHeld == 1) {
                card = candidate;
            } else if (candHeld == 2) {
                card = NextHigherInSuit(me, candidate);
            } else if (ja == JackOf(CLUBS)) {
                if (CTrickCardChoice(me).ChooseCardByMode(9, -1) != NO_CARD) card = ra;
                else if (GetTrickCount(me.seat) == 10 - cardsLeft) card = ja;
                else if (candidate != NO_CARD) card = candidate;
                else card = coin();
            } else if (ja == JackOf(SPADES)) {
                card = ja;
            } else {
                card = spare != NO_CARD ? spare : coin();
            }
        } else if (ja == JackOf(CLUBS) && ra == JackOf(HEARTS)) {
            card = candidate != NO_CARD ? candidate : ra;
        } else {
            card = coin();
        }
    } else if (jacksHeld == 3) {
        card = firmTrickCard && candidate != NO_CARD ? candidate : PickRandomJack(me, 0);
    }
}

// Phase 5, 5.: the candidate, else the spare card, lowered where the suit allows it.
void CRamschPlay::Lead::LastChoice() {
    if (IsJack(candidate)) {
        const bool keep = AreLowerJacksGone(me, candidate) || CTrickCardChoice(me).ChooseCardByMode(2, -1) != NO_CARD ||
                          CTrickCardChoice(me).ChooseCardByMode(4, -1) != NO_CARD ||
                          play.ChooseRamschCard3(7) != NO_CARD;
        if (!keep) candidate = underCard;
    } else {
        candidate = underCard;
    }
    if (candidate != NO_CARD) {
        candidate = GetNextLowerHeld(me, candidate);
        if (OrderOf(candidate) >= 5 || (jacksHeld == 0 && cardsLeft >= 9 && Held(SuitOf(candidate)) > 1)) {
            const int c = GuardedSuitRamschCard();
            if (c != NO_CARD) candidate = c;
        }
    }
    card = candidate != NO_CARD ? candidate : spare;
    if (card != NO_CARD && !IsJack(card)) {
        if (CollectSuit(me, SuitOf(card), false, nullptr) == 1 || (PointsOf(card) > 4 && cardsLeft < 4))
            card = PickLowestInSuit(me, SuitOf(card), true);
    }
}
