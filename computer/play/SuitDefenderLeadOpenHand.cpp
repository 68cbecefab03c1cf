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

struct OpenLead {
    CPlayer& own;
    CPlayer& so;  // the soloist's open hand
    bool soloistNext;
    int mate;
    int type;
    int trumpsHeld;          // his own trumps
    int soloistTrumps;       // the trumps in the soloist's open hand
    RunningBest highChoice;  // the high-card choice
    RunningBest mainChoice;
};

void Empty(RunningBest& best, int start = -1) { best = RunningBest(start); }

// Step 7: plans against the soloist's holdings.
int PlansAgainstHoldings(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type) continue;
        int A[11], B[11];
        const int k = CollectSuit(own, s, false, A);
        const int j = CollectSuit(so, s, true, B);
        const int b1 = j > 1 ? B[1] : NO_CARD;  // a missing entry ranks below every card
        if (k - j == 2 && k > 1 && Order(A[1]) > Order(b1)) {
            for (int r = 0; r < 4; ++r) {
                if (r == s || r == o.type || so.CountInSuit(r) != 0) continue;
                int c = HighestHeld(own, r);
                if (Order(c) < 5) continue;
                const int bottom = GetNextLowerHeld(own, c);
                if (Order(bottom) >= 5) c = bottom;
                const int forced = HighestHeld(own, s);
                if (IsCard(forced)) own.forcedCard = forced;
                return c;
            }
        }
        if (j == 3 && GetCardRank(B[0]) == ACE && Order(B[1]) < 5 && Order(B[2]) < 3) {
            for (int r = 0; r < 4; ++r) {
                if (r == s || r == o.type || own.CountInSuit(r) == 0) continue;
                if (so.CountInSuit(r) != 1 || GetCardRank(HighestHeld(so, r)) != ACE) continue;
                const int h = HighestHeld(own, r);
                const int l = LowestHeld(own, r);
                const int q = CollectSuit(own, r, false, nullptr) - 1;
                if (Order(l) < 5 && (GetCardRank(h) == TEN || q > 1) && !IsCardGone(r, TEN, own.seat)) return l;
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
        int A[11], B[11];
        const int j = CollectSuit(so, s, true, B);
        const int k = CollectSuit(own, s, false, A);
        const bool tenHeldOrGone = so.HasCard(CardCodeOf(TEN, s)) || IsCardGone(s, TEN, own.seat);
        if (j != 2 || k <= 1 || !(k >= 5 || ((k == 3 || k == 4) && tenHeldOrGone))) continue;
        int x = HeldAbove(own, B[1]);
        int y = HeldAbove(own, x);
        if (y == NO_CARD) {
            const int t = A[0] == B[0] ? A[1] : A[0];
            if (Order(t) <= Order(B[1])) continue;
            y = t;
            x = LowestHeld(own, s);
        }
        if (IsTop(own, B[0]) && IsCard(x)) o.mainChoice.Offer(x, 11 - Points(y));
    }
}

// Step 9: the soloist's void suits.
void SoloistVoidSuits(OpenLead& o, int z) {
    CPlayer& own = o.own;
    RunningBest best;
    for (int s = 0; s < 4; ++s) {
        const int n = own.CountInSuit(s);
        if (s == o.type || n == 0 || o.so.CountInSuit(s) != 0) continue;
        const int h = HighestHeld(own, s);
        const int g = HeldBelow(own, h);
        const int l = LowestHeld(own, s);
        if (z == NO_CARD) {
            best.Offer(l, 18 - n - Points(l));
        } else {
            if (IsCard(g) && GetCardRank(g) != TEN) best.Offer(h, 20);
            else best.Offer(g, own.CountInSuit(SuitOf(z)) == 1 ? 22 : 0);
            if (IsTop(own, h)) o.highChoice.Offer(h, Order(h));
        }
    }
    o.mainChoice = best;
}

// Step 11: against the soloist's Ace with small cards.
void AgainstBareAce(OpenLead& o) {
    Empty(o.highChoice, 0);
    for (int s = 0; s < 4; ++s) {
        const int n = o.own.CountInSuit(s);
        const int m = o.so.CountInSuit(s);
        if (s == o.type || n == 0 || m < 2) continue;
        const int b = HighestHeld(o.so, s);
        const int c = HeldBelow(o.so, b);
        if (GetCardRank(b) != ACE || Order(c) >= 5) continue;
        const int e = HeldAbove(o.own, c);
        if (!IsCard(e) || Points(e) >= 10 || n + m == 6) continue;
        const int f = HeldAbove(o.own, e);
        o.highChoice.Offer(e, f == NO_CARD ? Points(c) : Points(f));
    }
}

// Step 12: the last resort.
void LastResort(OpenLead& o) {
    Empty(o.mainChoice, 0);
    for (int s = 0; s < 4; ++s) {
        if (s == o.type) continue;
        int A[11], B[11];
        const int h = CollectSuit(o.own, s, true, A);
        const int m = CollectSuit(o.so, s, true, B);
        if (h == 0) continue;
        const int l = LowestHeld(o.own, s);
        if (m == 0) {
            o.mainChoice.Offer(l, 11 - Points(l));
            continue;
        }
        if (h > 1 && m > 1 && Order(A[0]) > Order(B[1])) continue;
        if (o.own.CountInSuit(s) == 2 && o.own.HasCard(CardCodeOf(TEN, s)) && o.so.HasCard(CardCodeOf(ACE, s)))
            continue;
        const int b = HighestHeld(o.so, s);
        const int c = HeldBelow(o.so, b);
        const int k = (IsCard(c) && GetCardRank(b) == ACE && IsTopCard(o.so, c, b, -1)) ? 0 : 4;
        o.mainChoice.Offer(l, 11 + (m == 1 ? 1 : 0) - k - Points(l));
    }
}

// Step 13: the final checks.
int FinalChecks(OpenLead& o) {
    CPlayer& own = o.own;
    int result = IsCard(o.mainChoice.card) ? o.mainChoice.card : o.highChoice.card;
    if (IsTrump(result) && own.GetTrumpCount() == 1 && !IsTop(own, result)) result = NO_CARD;
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
    const int t = PickHighestInSuit(own, -1, true);
    if (own.count == 10) {
        if (Points(t) > 4 && !IsTopCard(so, PickHighestInSuit(so, -1, true), -1, -1)) return t;
    } else if (g_Game.TrumpCount == 2 && IsTop(own, t) && IsTop(own, CCardChoosers(own).ChooseCardByRunScore(true))) {
        return t;
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
        const int a = HighestHeld(own, s);
        const int ten = HighestHeld(so, s);
        if (GetCardRank(a) != ACE || own.CountInSuit(s) <= 1 || GetCardRank(ten) != TEN) continue;
        const int c = HeldBelow(so, ten);
        if (!IsCard(c) || IsTopCard(so, c, ten, -1)) continue;
        return HeldBelow(own, a);
    }
    return std::nullopt;
}

// Step 3: the survey of the side suits.
void SurveySideSuits(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    for (int s = 0; s < 4; ++s) {
        const int n = own.CountInSuit(s);
        const int m = so.CountInSuit(s);
        if (s == o.type || n == 0 || m == 0) continue;
        const int a = HighestHeld(own, s);
        const int b = HighestHeld(so, s);
        const bool bTopForHim = IsTopCard(so, b, -1, -1);
        if (m >= 2 && m <= 4 && GetCardRank(b) == TEN && !bTopForHim) continue;
        if (!bTopForHim && (o.soloistNext || m < 3)) o.highChoice.Offer(a, n + 1);
        if (!(m == 2 && GetCardRank(b) == TEN && Order(a) >= Order(b)) && (Order(a) > Order(b) || !IsTop(own, b)))
            o.mainChoice.Offer(a, Points(a));
        if (!MayHoldSuit(own, o.mate, s) && MayHoldSuit(own, o.mate, o.type)) o.mainChoice.Offer(a, 11);
    }
}

// Step 4: a trump lead when the survey found nothing.
void TrumpLeadWhenNothingFound(OpenLead& o) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    if (IsCard(o.highChoice.card) || IsCard(o.mainChoice.card)) return;
    if (o.soloistTrumps >= 1 && (o.soloistTrumps < o.trumpsHeld || (o.soloistTrumps == 1 && o.trumpsHeld == 1))) {
        int t = PickHighestInSuit(own, -1, true);
        if (Order(t) < Order(PickHighestInSuit(so, -1, true)))
            t = CCardChoosers(own).ChooseCardWithRandomJack(-1, true);
        o.mainChoice.Offer(t, 2);
    } else if (o.soloistTrumps == 2 && o.trumpsHeld == 2) {
        const int x = PickHighestInSuit(own, -1, true);
        const int y = PickTrumpBelow(own, x);
        const int z = PickHighestInSuit(so, -1, true);
        if (Order(x) > Order(z) && Order(y) > Order(z)) o.mainChoice.Offer(o.soloistNext ? x : y, 2);
    }
}

// Step 5: force the soloist's last trump with a rich card of a suit he lacks.
void ForceTheLastTrump(OpenLead& o) {
    CPlayer& so = o.so;
    if (!((o.mainChoice.priority == 3 || o.highChoice.priority == 2) && o.soloistTrumps == 1)) return;
    for (int s = 0; s < 4; ++s) {
        if (s == o.type) continue;
        const int b = HighestHeld(so, s);
        if (!IsCard(b) || IsTopCard(so, b, -1, -1)) continue;
        for (int r = 0; r < 4; ++r) {
            if (r == s || r == o.type || so.CountInSuit(r) != 0) continue;
            const int d = HighestHeld(o.own, r);
            if (Points(d) >= 10) o.mainChoice.Offer(d, 4);
        }
        break;
    }
}

// Step 10, the high card against a top card of the soloist: the low cards of the other suits
// where his top card stands, or where it does not but a doubleton of his can be caught.
void LowCardUnderTheSoloistsTop(OpenLead& o, int hs) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    Empty(o.highChoice);
    for (int r = 0; r < 4; ++r) {
        const int n = own.CountInSuit(r);
        const int m = so.CountInSuit(r);
        if (r == o.type || r == hs || n == 0 || m == 0) continue;
        const int b = HighestHeld(so, r);
        const int a = HighestHeld(own, r);
        int l = LowestHeld(own, r);
        if (!IsTopCard(so, b, -1, -1) || (GetCardRank(a) == TEN && n <= 2)) continue;
        if (m == 2) {
            const int up = HeldAbove(own, LowestHeld(so, r));
            if (IsCard(up) && GetCardRank(up) != TEN) l = up;
        }
        o.highChoice.Offer(l, 11 - Points(l));
    }
}

// Step 10 with both choices made: the high card when the soloist has a trump game card or it
// beats his card, else the main choice dropped and the final checks decide.
int HighCardOrTheFinalChecks(OpenLead& o, int z) {
    CPlayer& own = o.own;
    CPlayer& so = o.so;
    const int hs = SuitOf(o.highChoice.card);
    const int w = HighestHeld(so, hs);
    const int v = HeldAbove(own, w);
    if (z != NO_CARD) return o.highChoice.card;
    if (Order(o.highChoice.card) > Order(w) && (o.highChoice.card != v || so.CountInSuit(hs) == 1))
        return o.highChoice.card;
    o.mainChoice.card = NO_CARD;
    if (!IsTopCard(so, w, -1, -1)) {
        LowCardUnderTheSoloistsTop(o, hs);
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
    const int z = CCardChoosers(so).ChooseTrumpGameCard(true);
    const int s = SuitOf(o.mainChoice.card);
    const int w0 = HighestHeld(so, s);
    if (z == NO_CARD && !IsTopCard(so, w0, -1, -1)) {
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
    if (IsCard(o.mainChoice.card) && IsCard(o.highChoice.card)) return HighCardOrTheFinalChecks(o, z);
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
