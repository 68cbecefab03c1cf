// The suit-game defender's first choice of a lead while the soloist's cards lie open: keep an Ace
// over his Ten, draw his last trump, force him to ruff, lead through his doubletons and give up
// low cards where he is void. -1 when his hand is not open or no rule applies.
#include "computer/play/CardChoosers.h"
#include "computer/play/SuitDefenderPlay.h"
#include "model/Player.h"

#include "computer/play/SuitPlayTerms.h"

#include <optional>

using namespace suit;

namespace {

// The words of one lead against the open hand, shared by its steps. Neither hand changes while the
// lead is chosen: the trumps of both are read once, here.
struct OpenLead {
    CPlayer& own;
    CPlayer& so;  // the soloist's open hand
    bool soloistNext;
    int mate;  // the other defender
    int type;
    int trumpsHeld;            // his own trumps
    int soloistTrumps;         // the trumps in the soloist's open hand
    int highestTrump;          // his highest trump, -1 none
    int soloistsHighestTrump;  // the soloist's highest trump, -1 none
    RunningBest highChoice;    // the high-card choice
    RunningBest mainChoice;
};

void Empty(RunningBest& best, int start = -1) { best = RunningBest(start); }

// Step 7: plans against the soloist's holdings.
int PlansAgainstHoldings(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type) continue;
        int outCards[11], soloistCards[11];  // the suit's cards out as he sees them, and the soloist's
        const int outCount = CollectSuit(own, s, false, outCards);
        const int soloistCount = CollectSuit(so, s, true, soloistCards);
        // The soloist's second card; a missing entry ranks below every card.
        const int soloistsSecond = soloistCount > 1 ? soloistCards[1] : NO_CARD;
        if (outCount - soloistCount == 2 && outCount > 1 && Order(outCards[1]) > Order(soloistsSecond)) {
            for (int other = 0; other < 4; ++other) {
                if (other == s || other == o.type || so.CountInSuit(other) != 0) continue;
                int high = HighestHeld(own, other);
                if (Order(high) < 5) continue;
                const int bottom = GetNextLowerHeld(own, high);
                if (Order(bottom) >= 5) high = bottom;
                const int forced = HighestHeld(own, s);
                if (IsCard(forced)) own.forcedCard = forced;
                return high;
            }
        }
        if (soloistCount == 3 && GetCardRank(soloistCards[0]) == ACE && Order(soloistCards[1]) < 5 &&
            Order(soloistCards[2]) < 3) {
            for (int other = 0; other < 4; ++other) {
                if (other == s || other == o.type || own.CountInSuit(other) == 0) continue;
                if (so.CountInSuit(other) != 1 || GetCardRank(HighestHeld(so, other)) != ACE) continue;
                const int high = HighestHeld(own, other);
                const int low = LowestHeld(own, other);
                const int outBesideAce = CollectSuit(own, other, false, nullptr) - 1;
                if (Order(low) < 5 && (GetCardRank(high) == TEN || outBesideAce > 1) &&
                    !IsCardGone(other, TEN, own.seat))
                    return low;
            }
        }
    }
    return NO_CARD;
}

// Step 8: through the soloist's doubleton.
void ThroughDoubleton(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type || own.CountInSuit(s) < 2) continue;
        int outCards[11], soloistCards[11];  // the suit's cards out as he sees them, and the soloist's
        const int soloistCount = CollectSuit(so, s, true, soloistCards);
        const int outCount = CollectSuit(own, s, false, outCards);
        const bool tenHeldOrGone = so.HasCard(CardCodeOf(TEN, s)) || IsCardGone(s, TEN, own.seat);
        if (soloistCount != 2 || outCount <= 1 ||
            !(outCount >= 5 || ((outCount == 3 || outCount == 4) && tenHeldOrGone)))
            continue;
        // His card over the soloist's low card, and the card above it whose points set the priority.
        int lead = HeldAbove(own, soloistCards[1]);
        int above = HeldAbove(own, lead);
        if (above == NO_CARD) {
            const int highestOther = outCards[0] == soloistCards[0] ? outCards[1] : outCards[0];
            if (Order(highestOther) <= Order(soloistCards[1])) continue;
            above = highestOther;
            lead = LowestHeld(own, s);
        }
        if (IsTop(own, soloistCards[0]) && IsCard(lead)) o.mainChoice.Offer(lead, 11 - Points(above));
    }
}

// Step 9: the soloist's void suits.
void SoloistVoidSuits(OpenLead& o, int soloistsGameCard) {
    CPlayer& own = o.own;
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int held = own.CountInSuit(s);
        if (s == o.type || held == 0 || o.so.CountInSuit(s) != 0) continue;
        const int high = HighestHeld(own, s);
        const int belowHigh = HeldBelow(own, high);
        const int low = LowestHeld(own, s);
        if (soloistsGameCard == NO_CARD) {
            best.Offer(low, 18 - held - Points(low));
        } else {
            if (IsCard(belowHigh) && GetCardRank(belowHigh) != TEN) best.Offer(high, 20);
            else best.Offer(belowHigh, own.CountInSuit(SuitOf(soloistsGameCard)) == 1 ? 22 : 0);
            if (IsTop(own, high)) o.highChoice.Offer(high, Order(high));
        }
    }
    o.mainChoice = best;
}

// Step 11: against the soloist's Ace with small cards.
void AgainstBareAce(OpenLead& o) {
    Empty(o.highChoice, 0);
    for (int s = 0; s < 4; ++s) {
        const int held = o.own.CountInSuit(s);
        const int soloistHeld = o.so.CountInSuit(s);
        if (s == o.type || held == 0 || soloistHeld < 2) continue;
        const int soloistsHigh = HighestHeld(o.so, s);
        const int soloistsSecond = HeldBelow(o.so, soloistsHigh);
        if (GetCardRank(soloistsHigh) != ACE || Order(soloistsSecond) >= 5) continue;
        const int over = HeldAbove(o.own, soloistsSecond);
        if (!IsCard(over) || Points(over) >= 10 || held + soloistHeld == 6) continue;
        const int nextAbove = HeldAbove(o.own, over);
        o.highChoice.Offer(over, nextAbove == NO_CARD ? Points(soloistsSecond) : Points(nextAbove));
    }
}

// Step 12: the last resort.
void LastResort(OpenLead& o) {
    Empty(o.mainChoice, 0);
    for (int s = 0; s < 4; ++s) {
        if (s == o.type) continue;
        int ownCards[11], soloistCards[11];  // the suit's cards in his hand and in the soloist's
        const int ownCount = CollectSuit(o.own, s, true, ownCards);
        const int soloistCount = CollectSuit(o.so, s, true, soloistCards);
        if (ownCount == 0) continue;
        const int low = LowestHeld(o.own, s);
        if (soloistCount == 0) {
            o.mainChoice.Offer(low, 11 - Points(low));
            continue;
        }
        if (ownCount > 1 && soloistCount > 1 && Order(ownCards[0]) > Order(soloistCards[1])) continue;
        if (o.own.CountInSuit(s) == 2 && o.own.HasCard(CardCodeOf(TEN, s)) && o.so.HasCard(CardCodeOf(ACE, s)))
            continue;
        const int soloistsHigh = HighestHeld(o.so, s);
        const int soloistsSecond = HeldBelow(o.so, soloistsHigh);
        // Four off unless the soloist's Ace stands over a second top card.
        const int penalty = (IsCard(soloistsSecond) && GetCardRank(soloistsHigh) == ACE &&
                             IsTopCard(o.so, soloistsSecond, soloistsHigh, -1))
                                ? 0
                                : 4;
        o.mainChoice.Offer(low, 11 + (soloistCount == 1 ? 1 : 0) - penalty - Points(low));
    }
}

// Step 13: the final checks.
int FinalChecks(OpenLead& o) {
    CPlayer& own = o.own;
    int result = IsCard(o.mainChoice.card) ? o.mainChoice.card : o.highChoice.card;
    if (IsTrump(result) && o.trumpsHeld == 1 && !IsTop(own, result)) result = NO_CARD;
    if (IsCard(result) && o.soloistNext) {
        const int s = SuitOf(result);
        if (o.so.CountInSuit(s) == 2 && IsTop(own, result) && own.CountInSuit(s) == 2) result = HeldBelow(own, result);
    }
    return result;
}

}  // namespace

namespace {

// Step 1: a single trump, led when it is worth points against the soloist's beatable top trump
// (ten cards) or is on top with a sure side card behind it (two trumps out).
std::optional<int> SingleTrumpLead(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    if (o.trumpsHeld != 1) return std::nullopt;
    if (own.count == 10) {
        if (Points(o.highestTrump) > 4 && !IsTopCard(so, o.soloistsHighestTrump, -1, -1)) return o.highestTrump;
    } else if (g_Game.TrumpCount == 2 && IsTop(own, o.highestTrump) &&
               IsTop(own, CCardChoosers(own).ChooseCardByRunScore(true))) {
        return o.highestTrump;
    }
    return std::nullopt;
}

// Step 2: the Ace over the soloist's Ten (a trump Ace has no card below it here): the card below
// the Ace.
std::optional<int> AceOverTheSoloistsTen(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    if (!o.soloistNext) return std::nullopt;
    for (int s = 0; s < 4; ++s) {
        const int ace = HighestHeld(own, s);
        const int ten = HighestHeld(so, s);
        if (GetCardRank(ace) != ACE || own.CountInSuit(s) <= 1 || GetCardRank(ten) != TEN) continue;
        const int belowTen = HeldBelow(so, ten);
        if (!IsCard(belowTen) || IsTopCard(so, belowTen, ten, -1)) continue;
        return HeldBelow(own, ace);
    }
    return std::nullopt;
}

// Step 3: the survey of the side suits.
void SurveySideSuits(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    for (int s = 0; s < 4; ++s) {
        const int held = own.CountInSuit(s);
        const int soloistHeld = so.CountInSuit(s);
        if (s == o.type || held == 0 || soloistHeld == 0) continue;
        const int high = HighestHeld(own, s);
        const int soloistsHigh = HighestHeld(so, s);
        const bool topForHim = IsTopCard(so, soloistsHigh, -1, -1);
        if (soloistHeld >= 2 && soloistHeld <= 4 && GetCardRank(soloistsHigh) == TEN && !topForHim) continue;
        if (!topForHim && (o.soloistNext || soloistHeld < 3)) o.highChoice.Offer(high, held + 1);
        if (!(soloistHeld == 2 && GetCardRank(soloistsHigh) == TEN && Order(high) >= Order(soloistsHigh)) &&
            (Order(high) > Order(soloistsHigh) || !IsTop(own, soloistsHigh)))
            o.mainChoice.Offer(high, Points(high));
        if (!MayHoldSuit(own, o.mate, s) && MayHoldSuit(own, o.mate, o.type)) o.mainChoice.Offer(high, 11);
    }
}

// Step 4: a trump lead when the survey found nothing.
void TrumpLeadWhenNothingFound(OpenLead& o) {
    CPlayer& own = o.own;
    if (IsCard(o.highChoice.card) || IsCard(o.mainChoice.card)) return;
    if (o.soloistTrumps >= 1 && (o.soloistTrumps < o.trumpsHeld || (o.soloistTrumps == 1 && o.trumpsHeld == 1))) {
        int trump = o.highestTrump;
        if (Order(trump) < Order(o.soloistsHighestTrump)) trump = CCardChoosers(own).ChooseCardWithRandomJack(-1, true);
        o.mainChoice.Offer(trump, 2);
    } else if (o.soloistTrumps == 2 && o.trumpsHeld == 2) {
        const int secondTrump = PickTrumpBelow(own, o.highestTrump);
        if (Order(o.highestTrump) > Order(o.soloistsHighestTrump) && Order(secondTrump) > Order(o.soloistsHighestTrump))
            o.mainChoice.Offer(o.soloistNext ? o.highestTrump : secondTrump, 2);
    }
}

// Step 5: force the soloist's last trump with a rich card of a suit he lacks.
void ForceTheLastTrump(OpenLead& o) {
    CPlayer& so = o.so;
    if (!((o.mainChoice.priority == 3 || o.highChoice.priority == 2) && o.soloistTrumps == 1)) return;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type) continue;
        const int soloistsHigh = HighestHeld(so, s);
        if (!IsCard(soloistsHigh) || IsTopCard(so, soloistsHigh, -1, -1)) continue;
        for (int other = 0; other < 4; ++other) {
            if (other == s || other == o.type || so.CountInSuit(other) != 0) continue;
            const int rich = HighestHeld(o.own, other);
            if (Points(rich) >= 10) o.mainChoice.Offer(rich, 4);
        }
        break;
    }
}

// Step 10, the high card against a top card of the soloist: the low cards of the other suits
// where his top card stands, or where it does not but a doubleton of his can be caught.
void LowCardUnderTheSoloistsTop(OpenLead& o, int highSuit) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    Empty(o.highChoice);
    for (int other = 0; other < 4; ++other) {
        const int held = own.CountInSuit(other);
        const int soloistHeld = so.CountInSuit(other);
        if (other == o.type || other == highSuit || held == 0 || soloistHeld == 0) continue;
        const int soloistsHigh = HighestHeld(so, other);
        const int high = HighestHeld(own, other);
        int low = LowestHeld(own, other);
        if (!IsTopCard(so, soloistsHigh, -1, -1) || (GetCardRank(high) == TEN && held <= 2)) continue;
        if (soloistHeld == 2) {
            const int up = HeldAbove(own, LowestHeld(so, other));
            if (IsCard(up) && GetCardRank(up) != TEN) low = up;
        }
        o.highChoice.Offer(low, 11 - Points(low));
    }
}

// Step 10 with both choices made: the high card when the soloist has a trump game card or it
// beats his card, else the main choice dropped and the final checks decide.
int HighCardOrTheFinalChecks(OpenLead& o, int soloistsGameCard) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int highSuit = SuitOf(o.highChoice.card);
    const int soloistsHigh = HighestHeld(so, highSuit);
    const int overHis = HeldAbove(own, soloistsHigh);
    if (soloistsGameCard != NO_CARD) return o.highChoice.card;
    if (Order(o.highChoice.card) > Order(soloistsHigh) &&
        (o.highChoice.card != overHis || so.CountInSuit(highSuit) == 1))
        return o.highChoice.card;
    o.mainChoice.card = NO_CARD;
    if (!IsTopCard(so, soloistsHigh, -1, -1)) {
        LowCardUnderTheSoloistsTop(o, highSuit);
        if (!IsCard(o.highChoice.card)) {
            LastResort(o);
            return FinalChecks(o);
        }
    }
    return FinalChecks(o);
}

// Step 10: check of the main choice; the card when the check settles the lead, nothing when
// Step 11 decides.
std::optional<int> CheckMainChoice(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int soloistsGameCard = CCardChoosers(so).ChooseTrumpGameCard(true);
    const int s = SuitOf(o.mainChoice.card);
    const int soloistsHigh = HighestHeld(so, s);
    if (soloistsGameCard == NO_CARD && !IsTopCard(so, soloistsHigh, -1, -1)) {
        Empty(o.highChoice);
        return std::nullopt;
    }
    if (so.CountInSuit(s) == 2) {
        o.mainChoice.card = HeldAbove(own, LowestHeld(so, s));
        if (GetCardRank(o.mainChoice.card) == TEN) o.mainChoice.card = NO_CARD;
        if (!IsCard(o.mainChoice.card)) {
            o.mainChoice.card = o.highChoice.card;
            return std::nullopt;
        }
    }
    if (IsCard(o.mainChoice.card) && IsCard(o.highChoice.card)) return HighCardOrTheFinalChecks(o, soloistsGameCard);
    return std::nullopt;
}

// Step 6: dispatch. Without a main choice the high card goes on to Step 11, else Steps 7 to 9
// look for one; a found main choice is checked in Step 10. The card when these steps settle the
// lead, nothing when Step 11 decides.
std::optional<int> DispatchMainChoice(OpenLead& o) {
    if (!IsCard(o.mainChoice.card)) {
        if (IsCard(o.highChoice.card)) {
            o.mainChoice.card = o.highChoice.card;
            return std::nullopt;
        }
        // Steps 7 to 9: plans against his holdings, through his doubleton, his void suits.
        const int planned = PlansAgainstHoldings(o);
        if (IsCard(planned)) return planned;
        ThroughDoubleton(o);
        if (!IsCard(o.mainChoice.card)) {
            SoloistVoidSuits(o, CCardChoosers(o.so).ChooseTrumpGameCard(true));
            if (!IsCard(o.mainChoice.card)) {
                o.mainChoice.card = o.highChoice.card;
                return std::nullopt;
            }
        }
    }
    return CheckMainChoice(o);
}

// Steps 11 and 12: against the soloist's Ace with small cards, else the last resort.
int AgainstBareAceOrLastResort(OpenLead& o) {
    CPlayer& own = o.own;
    AgainstBareAce(o);
    if (IsCard(o.highChoice.card)) {
        if (o.trumpsHeld > 3 || (o.trumpsHeld == 3 && own.handInfo.JackCount >= 2)) o.mainChoice.card = NO_CARD;
        return FinalChecks(o);
    }
    if (IsCard(o.mainChoice.card)) {
        const int s = SuitOf(o.mainChoice.card);
        if (o.so.CountInSuit(s) == 0) o.mainChoice.card = LowestHeld(own, s);
        return FinalChecks(o);
    }
    // Step 12: the last resort.
    LastResort(o);
    return FinalChecks(o);
}

}  // namespace

int CSuitDefenderPlay::SuitOpponentLeadFirstChoice(bool soloistNext) {
    // Step 0: only against an open hand.
    if (!me.partner || !AreOuvertCardsOpen()) return NO_CARD;
    const int mate = 3 - g_Game.Soloist - me.seat;
    OpenLead o{me,
               *me.partner,
               soloistNext,
               mate,
               g_Game.GameType,
               me.GetTrumpCount(),
               me.partner->GetTrumpCount(),
               PickHighestInSuit(me, -1, true),
               PickHighestInSuit(*me.partner, -1, true),
               RunningBest(),
               RunningBest()};
    if (const std::optional<int> single = SingleTrumpLead(o)) return *single;
    if (const std::optional<int> below = AceOverTheSoloistsTen(o)) return *below;
    SurveySideSuits(o);
    TrumpLeadWhenNothingFound(o);
    ForceTheLastTrump(o);
    if (const std::optional<int> settled = DispatchMainChoice(o)) return *settled;
    return AgainstBareAceOrLastResort(o);
}
