// The Grand defenders' first choices against a soloist whose cards lie open: each reads the own
// hand and the soloist's open hand (the open-hand link) and gives a card of the own hand, or -1
// when none of its rules applies and the defender's own cascade decides.
#include "computer/play/CardChoosers.h"
#include "computer/play/GrandPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Settings.h"
#include "platform/core/Random.h"

namespace {

// Whether the soloist's open hand may be read now: rule set 0; rule set 1 with the Null Ouvert
// setting off or once a trick is complete; never in rule set 2.
bool OpenHandShown(const CPlayer& p) {
    if (!g_Game.OuvertAnnounced || !p.partner) return false;
    const int tricks = g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2];
    if (g_Game.VariantMode == VARIANT_OFFICIAL) return true;
    if (g_Game.VariantMode == VARIANT_SKAT) return !g_Settings.Variants.NullOuvert || tricks >= 1;
    return false;
}

// Rule 6 (a) of the lead: the lowest card of a suit both hold.
int LowestOfSharedSuits(const CPlayer& own, const CPlayer& open, int except) {
    CoinFlipBest best;
    for (int i = 0; i < 4; ++i) {
        if (i == except) continue;
        const int m = own.CountInSuit(i), o = open.CountInSuit(i);
        if (m == 0 || o == 0) continue;
        if (o != 1 && m == 2 && own.handInfo.RankTable[i][TEN] != -1) continue;
        const int l = PickLowestInSuit(own, i, true);
        best.Offer(6 - OrderOf(l), l);
    }
    return best.card;
}

}  // namespace

namespace {

// 1. A suit the partner lacks, when the trick is worth it; no card when none.
int SuitThePartnerLacks(CPlayer& p, const CPlayer& open) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    if (p.handInfo.JackCount + open.handInfo.JackCount + CountJacks(p.seat) >= g_Game.TrumpCount) return NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (m(s) == 0 || o(s) == 0 || CountSuitCards(s, p.seat) + o(s) + m(s) != 7) continue;
        const int x = PickLowCardOfSuit(p, s);
        const int y = PickLowestInSuit(open, s, true);
        if (PointsOf(x) + PointsOf(y) > 4 || g_Game.SchneiderAnnounced || g_Game.SchwarzAnnounced) return x;
        break;
    }
    return NO_CARD;
}

// 2. Candidates: A a top card, B a card against the soloist's beatable top card; 3. the choice.
int TopOrBeatingCard(CPlayer& p, const CPlayer& open) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    CoinFlipBest A, B;
    for (int s = 0; s < 4; ++s) {
        if (m(s) == 0) continue;
        const int h = PickHighestInSuit(p, s, true);
        bool dropped = false;
        if (IsTopCard(p, h, -1, -1)) {
            if (m(s) > 1 && o(s) <= m(s) && GetCardRank(PickHighestInSuit(open, s, true)) == TEN) dropped = true;
            else A.Offer(o(s) > 0 ? OrderOf(h) : m(s), h);
        }
        if (o(s) > 0 && !dropped) {
            const int u = PickHighestInSuit(open, s, true);
            if ((GetCardRank(u) != TEN || o(s) > 3) && !IsTopCard(open, u, -1, -1)) B.Offer(PointsOf(h), h);
        }
    }
    // 3. The beating card, or the top card when both suits are void in the open hand and it is cheaper.
    int x = B.card != NO_CARD ? B.card : A.card;
    if (A.card != NO_CARD && IsTopCard(p, A.card, -1, -1) && o(PlainSuitOf(A.card)) == 0 && B.card != NO_CARD &&
        o(PlainSuitOf(B.card)) == 0 && PointsOf(A.card) < PointsOf(B.card))
        x = A.card;
    return x;
}

// 4. An Ace that would only fall on the soloist's Ten or small cards waits: the card below it.
int HoldBackTheAce(CPlayer& p, const CPlayer& open, int x) {
    if (x == NO_CARD) return x;
    const int s = PlainSuitOf(x);
    const int hs = PickHighestInSuit(p, s, true);
    if (GetCardRank(hs) != ACE || p.CountInSuit(s) <= 1) return x;
    const int hsol = PickHighestInSuit(open, s, true);
    if (GetCardRank(hsol) == TEN) {
        const int y = NextLowerInSuit(open, hsol, false);
        if (y != NO_CARD && !IsTopCard(open, y, hsol, -1)) {
            const int below = NextLowerInSuit(p, hs, false);
            if (below != NO_CARD) x = below;
        }
    } else if (open.CountInSuit(s) == 2 && !IsTopCard(open, hsol, x, -1)) {
        const int below = NextLowerInSuit(p, x, false);
        if (below != NO_CARD) x = below;
    }
    return x;
}

// 5. No Jack left: a long suit the soloist lacks.
int LongSuitTheSoloistLacks(CPlayer& p, const CPlayer& open) {
    CoinFlipBest best;
    for (int s = 0; s < 4; ++s) {
        if (p.CountInSuit(s) == 0 || open.CountInSuit(s) != 0) continue;
        const int h = PickHighestInSuit(p, s, true);
        best.Offer(OrderOf(h) + (IsTopCard(p, h, -1, -1) ? 9 : 0) + 10 * p.CountInSuit(s) + 10, h);
    }
    return best.card;
}

// 6, no shared suit: of the suits the soloist lacks, an Ace, a Ten, or the low card of a suit
// whose Ten or Ace is still out.
int CardOfASuitTheSoloistLacks(CPlayer& p, const CPlayer& open) {
    int choice = NO_CARD, value = 0;
    for (int j = 0; j < 4; ++j) {
        if (open.CountInSuit(j) != 0 || p.CountInSuit(j) == 0) continue;
        const int h = PickHighestInSuit(p, j, true);
        const int l = PickLowestInSuit(p, j, true);
        const int k = CollectSuit(p, j, false, nullptr);
        if (GetCardRank(h) == ACE) {
            choice = h;
            value = 5;
        } else if (GetCardRank(h) == TEN) {
            if (choice == NO_CARD || value <= 5 || (value == 6 && CoinHeads())) {
                choice = h;
                value = 6;
            }
        } else {
            int v = -1;
            if (!IsCardGone(j, TEN, p.seat)) v = k + 2;
            else if (!IsCardGone(j, ACE, p.seat)) v = k + 1;
            if (v >= 0 && (choice == NO_CARD || v > value || (v == value && CoinHeads()))) {
                choice = l;
                value = v;
            }
        }
    }
    return choice;
}

// 6. The soloist's two-card suits whose lower card can be caught. A card of a suit the soloist
// lacks is only a stand-by: each later such suit tries a suit both hold again.
int CatchTheLowerOfTwo(CPlayer& p, const CPlayer& open) {
    int x = NO_CARD;
    bool fromB = false;
    for (int s0 = 0; s0 < 4; ++s0) {
        if (open.CountInSuit(s0) != 2) continue;
        const int lower = PickLowestInSuit(open, s0, true);
        const int higher = PickHighestInSuit(open, s0, true);
        if (IsTopCard(open, lower, higher, -1)) continue;
        if (x == NO_CARD) {
            x = LowestOfSharedSuits(p, open, s0);
            if (x == NO_CARD) {
                x = CardOfASuitTheSoloistLacks(p, open);
                fromB = x != NO_CARD;
            }
        }
        if (x != NO_CARD && open.CountInSuit(PlainSuitOf(x)) == 0 && fromB) {
            const int again = LowestOfSharedSuits(p, open, s0);
            if (again != NO_CARD) x = again;
        }
    }
    return x;
}

}  // namespace

int CGrandPlay::GrandOpponentLeadFirstChoice(bool) {
    if (!OpenHandShown(me)) return NO_CARD;
    const CPlayer& open = *me.partner;
    const int partnerLacks = SuitThePartnerLacks(me, open);
    if (partnerLacks != NO_CARD) return partnerLacks;
    int x = HoldBackTheAce(me, open, TopOrBeatingCard(me, open));
    if (g_Game.TrumpCount == 0) x = LongSuitTheSoloistLacks(me, open);
    if (x != NO_CARD) return x;
    return CatchTheLowerOfTwo(me, open);
}

namespace {

// P1 to P7: the partner led; the open hand of the soloist sits third.
int PartnerLedFirstChoice(CPlayer& p, const CPlayer& open, int lead) {
    const int J = p.handInfo.JackCount;
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    const auto ownLowest = [&p](int s) { return PickLowestInSuit(p, s, true); };
    const auto ownHighest = [&p](int s) { return PickHighestInSuit(p, s, true); };
    const bool jackLead = IsJack(lead);
    const int s = jackLead ? -1 : PlainSuitOf(lead);
    if (jackLead) {
        if (J > 0) return NO_CARD;                              // P1: he holds a Jack
        const int openJack = PickHighestInSuit(open, -1, true);  // P2: the open hand's Jack
        if (openJack != NO_CARD && OrderOf(lead) <= OrderOf(openJack)) return NO_CARD;
        CoinFlipBest best;
        for (int i = 0; i < 4; ++i)
            if (m(i) > 0 && o(i) == 0) best.Offer(OrderOf(ownHighest(i)), ownHighest(i));
        return best.card;
    }
    if (m(s) > 0 && o(s) == 0) {
        // P3. The open hand is void in the suit led: the lowest under a rich lead, or the card above the lead
        // when the open hand holds a beatable doubleton.
        if (PointsOf(lead) >= 10) return ownLowest(s);
        for (int i = 0; i < 4; ++i) {
            if (i == s || o(i) != 2) continue;
            if (!IsTopCard(open, PickLowestInSuit(open, i, true), PickHighestInSuit(open, i, true), -1)) {
                const int higher = NextHigherInSuit(p, lead);
                return higher != NO_CARD ? higher : PickLowCardAnySuit(p, s);
            }
        }
        return NO_CARD;
    }
    if (m(s) > 0) {
        // P4. Both hold the suit: the highest (or the one below it) over the open hand's highest.
        const int u = PickHighestInSuit(open, s, true);
        const int h = ownHighest(s);
        if (OrderOf(lead) > OrderOf(u)) {
            if (NextHigherInSuit(p, u) == h && o(s) > 1) return NextLowerInSuit(p, h, false);
            return h;
        }
        return OrderOf(h) > OrderOf(u) ? h : PickLowCardAnySuit(p, s);
    }
    if (o(s) > 0)
        return OrderOf(lead) > OrderOf(PickHighestInSuit(open, s, true)) ? CCardChoosers(p).ChooseCardByRunScore(false)
                                                                         : NO_CARD;
    if (open.handInfo.JackCount > 0) return CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);  // P6: Jacks there
    // P7. The run-score card; a top card gives way to a follow card or the card below it.
    const int k = CCardChoosers(p).ChooseCardByRunScore(true);
    if (k == NO_CARD || !IsTopCard(p, k, -1, -1)) return k;
    const int b = NextLowerInSuit(p, k, false);
    const int q = CCardChoosers(p).ChooseOpponentFollow(GetCardSuit(k, false));
    return OrderOf(q) >= OrderOf(b) ? q : b;
}

// 1. Marks: suits where the own cards stand against the soloist's open hand; true when any is marked.
bool MarkSuitsAgainstTheOpenHand(CPlayer& p, const CPlayer& open, bool* marked) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    const auto ownHighest = [&p](int s) { return PickHighestInSuit(p, s, true); };
    bool anyMarked = false;
    for (int i = 0; i < 4; ++i) {
        if (m(i) == 0 || m(i) > o(i)) continue;
        const int h = ownHighest(i), u = PickHighestInSuit(open, i, true);
        const int h2 = NextLowerInSuit(p, h, false), u2 = NextLowerInSuit(open, u, false);
        if ((m(i) == 1 && OrderOf(h) > OrderOf(u)) ||
            (m(i) > 1 && ((OrderOf(h) > OrderOf(u) && OrderOf(h2) > OrderOf(u2)) ||
                          (OrderOf(h) < OrderOf(u) && OrderOf(h) > OrderOf(u2))))) {
            marked[i] = true;
            anyMarked = true;
        }
    }
    return anyMarked;
}

// 2. Reserve cards: y a card to keep the marked suits, x a card of the suit led (M2).
void ChooseReserveCard(CPlayer& p, const CPlayer& open, int lead, const bool* marked, bool anyMarked, int& x, int& y) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    const auto ownLowest = [&p](int s) { return PickLowestInSuit(p, s, true); };
    const bool jackLead = IsJack(lead);
    const int s = jackLead ? -1 : PlainSuitOf(lead);
    if (anyMarked) {
        CoinFlipBest best;
        for (int i = 0; i < 4; ++i) {
            if (marked[i] || m(i) == 0 || o(i) == 0) continue;
            if (m(i) <= 2 && p.handInfo.RankTable[i][TEN] != -1) continue;
            const int l = ownLowest(i);
            best.Offer(8 - OrderOf(l), l);
        }
        if (best.card == NO_CARD) {
            for (int i = 0; i < 4; ++i) {
                if (marked[i] || m(i) == 0) continue;
                const int l = ownLowest(i);
                best.Offer(8 - OrderOf(l) + (m(i) > 2 ? 4 - m(i) : 0), l);
            }
        }
        y = best.card;
    } else {
        const int g = GetNextHigherHeld(open, lead);
        const bool gTop = IsTopCard(open, g, -1, -1);
        const int u = jackLead ? NO_CARD : PickHighestInSuit(open, s, true);
        if (!gTop && IsJack(g)) {
            y = CCardChoosers(p).ChooseCardByScore3(0, true);  // M1: the open hand's next card a Jack
        } else if (!gTop && g != NO_CARD && !jackLead && GetCardRank(u) == TEN && !IsTopCard(open, u, -1, -1) &&
                   CollectSuit(open, s, false, nullptr) >= 2) {
            if (m(s) > 0) {
                // M2. The suit led held: the highest when the open hand keeps one card besides, else the lowest.
                const int d = CollectSuit(open, s, false, nullptr) - m(s);
                x = (d == 1 && lead == u) ? PickHighestInSuit(p, s, true) : ownLowest(s);
            } else {
                // M3. Not held: the run-score top card, or a follow card or the card below it.
                const int k = CCardChoosers(p).ChooseCardByRunScore(true);
                if (k != NO_CARD && IsTopCard(p, k, -1, -1)) {
                    const int b = NextLowerInSuit(p, k, false);
                    const int q = CCardChoosers(p).ChooseOpponentFollow(GetCardSuit(k, false));
                    y = OrderOf(q) >= OrderOf(b) ? q : b;
                }
            }
        } else if (gTop && (IsJack(g) || m(GetCardSuit(g, false)) == 0)) {
            // M4. A low card by score of a single card or a suit the open hand lacks.
            const int q = CCardChoosers(p).ChooseCardByScore(4, NO_CARD, false);
            if (q != NO_CARD && OrderOf(q) <= 4 && (m(PlainSuitOf(q)) == 1 || o(PlainSuitOf(q)) == 0)) y = q;
        }
    }
}

}  // namespace

int CGrandPlay::GrandOpponentSecondFirstChoice(bool soloistNext, int lead) {
    if (!OpenHandShown(me) || lead == NO_CARD) return NO_CARD;
    const CPlayer& open = *me.partner;
    const int J = me.handInfo.JackCount;
    const auto m = [this](int s) { return me.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    const auto ownLowest = [this](int s) { return PickLowestInSuit(me, s, true); };
    const auto ownHighest = [this](int s) { return PickHighestInSuit(me, s, true); };
    const bool jackLead = IsJack(lead);
    const int s = jackLead ? -1 : PlainSuitOf(lead);

    if (soloistNext) return PartnerLedFirstChoice(me, open, lead);

    // The soloist led.
    int x = NO_CARD, y = NO_CARD;
    bool marked[4] = {};
    const bool anyMarked = MarkSuitsAgainstTheOpenHand(me, open, marked);
    ChooseReserveCard(me, open, lead, marked, anyMarked, x, y);
    // 3. A Jack led.
    if (jackLead) {
        if (J > 0) return NO_CARD;
        const int openJack = PickHighestInSuit(open, -1, true);
        const int t = (openJack == NO_CARD || OrderOf(lead) > OrderOf(openJack)) ? lead : openJack;
        if (!IsTopCard(me, t, -1, -1)) {
            const int z = CCardChoosers(me).ChooseCardByScore3(0, true);
            if (z != NO_CARD) return z;
        }
        x = y;
    }
    // 4. A reserve card of the suit led stands.
    if (x != NO_CARD) return x;
    const int u = jackLead ? NO_CARD : PickHighestInSuit(open, s, true);
    // 5. Following a plain lead.
    if (!jackLead && m(s) > 0) {
        const int h = ownHighest(s);
        int e = NextHigherInSuit(me, lead);
        if (e == h && OrderOf(h) > OrderOf(u) && PointsOf(lead) < PointsOf(u)) e = ownLowest(s);
        if (e != NO_CARD) {
            if (OrderOf(lead) >= 5) return e;               // E1: over a high lead
            if (o(s) == 0) return h;                        // E2: the open hand lacks the suit
            if (!IsTopCard(me, h, -1, -1)) return h;        // E3: his highest not top
            if (o(s) == 1 && e == h) return OrderOf(h) > OrderOf(u) ? ownLowest(s) : h;  // E4: one left there
            return e;                                       // E5: else the card above the lead
        }
        if (IsTopCard(me, lead, -1, -1)) return NO_CARD;    // E6: the lead holds
        if (u == NO_CARD) return ownLowest(s);              // E7: the open hand lacks the suit
        const int uPrime = IsTopCard(me, u, -1, -1) ? u : NextHigherInSuit(me, u);  // E8: its top or above
        return (uPrime == NO_CARD || uPrime == h) ? ownLowest(s) : h;
    }
    // 6. Not following, or a Jack lead without Jacks.
    const bool leadTop = IsTopCard(me, lead, u, -1);
    int card = NO_CARD;
    if (leadTop && J > 0 && PointsOf(lead) >= 10) {
        card = PickRandomJack(me, 0);  // V1: a rich top lead, a Jack in
    } else if (leadTop && J > g_Game.TrumpCount - J && marked[CLUBS]) {
        card = PickRandomJack(me, 0);  // V2: more Jacks than the others' trumps, Clubs marked
    } else if (leadTop) {
        // V3. The lead holds: the reserve card, else a trump game card or one by score.
        x = y;
        if (x == NO_CARD) x = CCardChoosers(me).ChooseTrumpGameCard(true);
        if (x == NO_CARD) x = CCardChoosers(me).ChooseCardByScore(4, NO_CARD, false);
        for (int i = 0; i < 4; ++i) {
            if (!(m(i) == o(i) && m(i) > 0)) continue;
            if (OrderOf(ownHighest(i)) > OrderOf(PickLowestInSuit(open, i, true)) && x != NO_CARD &&
                PlainSuitOf(x) == i)
                x = y != NO_CARD ? y : CCardChoosers(me).ChooseCardByScore(4, NO_CARD, false);
        }
        card = x;
    } else if (u != NO_CARD && IsTopCard(open, u, -1, -1)) {
        // V4. The open hand's highest is top: a trump game card or one by score.
        card = CCardChoosers(me).ChooseTrumpGameCard(true);
        if (card == NO_CARD) card = CCardChoosers(me).ChooseCardByScore(4, NO_CARD, false);
    } else if (!(u != NO_CARD && IsTopCard(open, u, -1, -1)) &&
               CollectSuit(open, jackLead ? g_Game.GameType : s, true, nullptr) <
                   CollectSuit(me, jackLead ? g_Game.GameType : s, false, nullptr)) {
        // V5. The open hand has fewer of the suit: his highest of a suit not marked where it is top.
        CoinFlipBest best;
        for (int i = 0; i < 4; ++i) {
            if (marked[i] || m(i) == 0) continue;
            if (o(i) > 0 && OrderOf(ownHighest(i)) >= OrderOf(PickHighestInSuit(open, i, true))) continue;
            best.Offer(OrderOf(ownHighest(i)), ownHighest(i));
        }
        card = best.card;
    }
    if (card != NO_CARD) return card;
    // 7. The last choice: the lowest card of the longest suit the soloist cannot beat.
    if (!jackLead && m(s) > 0) return NO_CARD;
    CoinFlipBest best;
    for (int i = 0; i < 4; ++i) {
        if (m(i) == 0) continue;
        if (o(i) > 0 && OrderOf(ownHighest(i)) >= OrderOf(PickHighestInSuit(open, i, true))) continue;
        best.Offer(m(i), ownLowest(i));
    }
    return best.card;
}

namespace {

// J1 to J3: a Jack led.
int ThirdAfterJackLed(CPlayer& p, const CPlayer& open, bool soloistNext, int first, int T) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    const auto ownLowest = [&p](int s) { return PickLowestInSuit(p, s, true); };
    const auto ownHighest = [&p](int s) { return PickHighestInSuit(p, s, true); };
    if (p.handInfo.JackCount > 0 || !soloistNext) return NO_CARD;  // J1: no first choice with Jacks or the partner next
    if (IsJack(T) && OrderOf(T) > OrderOf(first)) {
        // J2. The partner's Jack holds: the highest of a suit the open hand lacks or cannot beat.
        CoinFlipBest best;
        for (int i = 0; i < 4; ++i) {
            if (m(i) == 0) continue;
            if (o(i) == 0 || NextHigherInSuit(p, PickHighestInSuit(open, i, true)) == NO_CARD)
                best.Offer(OrderOf(ownHighest(i)), ownHighest(i));
        }
        return best.card;
    }
    // J3. Else a low card, of a suit the open hand lacks first.
    CoinFlipBest best;
    for (int i = 0; i < 4; ++i) {
        if (m(i) == 0) continue;
        const int l = ownLowest(i);
        if (o(i) == 0) {
            best.Offer(6 - OrderOf(l), l);
            continue;
        }
        const int u = PickHighestInSuit(open, i, true);
        if (!IsTopCard(open, u, -1, -1)) continue;
        int candidate = l;
        if (m(i) == 2) {
            const int u2 = NextLowerInSuit(open, u, false);
            if (u2 != NO_CARD && !IsTopCard(open, u2, u, -1) && OrderOf(u2) > 2) continue;
        } else if (m(i) == 3) {
            candidate = ownHighest(i);
            if (o(i) >= 3 && OrderOf(candidate) < OrderOf(u)) continue;
        }
        best.Offer(14 - m(i) - OrderOf(candidate), candidate);
    }
    return best.card;
}

// F1 to F6: following the suit led (L); S the soloist's card, T the partner's.
int ThirdFollowingSuit(CPlayer& p, const CPlayer& open, int first, int S, int T) {
    const int L = PlainSuitOf(first);
    const int pS = PlainSuitOf(S), pT = PlainSuitOf(T);
    const int h = PickHighestInSuit(p, L, true), u = PickHighestInSuit(open, L, true);
    const int h2 = NextLowerInSuit(p, h, false);
    if (pT == pS && OrderOf(T) > OrderOf(S)) {
        // F1: the partner's card holds.
        if (u == NO_CARD || h2 == NO_CARD || OrderOf(h) < OrderOf(u)) return h;
        return OrderOf(h2) > OrderOf(u) ? h : h2;
    }
    if (pT == pS) {
        // F2: the soloist's card holds.
        if (OrderOf(h) <= OrderOf(S)) return PickLowestInSuit(p, L, true);
        if (GetCardRank(h) == ACE && open.handInfo.RankTable[L][TEN] != -1) return PickLowestInSuit(p, L, true);
        return h;
    }
    if (IsJack(S)) return PickLowestInSuit(p, L, true);                              // F3: a Jack on it
    if (pT == L) return h;                                                           // F4: the partner trumped
    if (open.CountInSuit(L) == 0) return OrderOf(h) > OrderOf(first) ? h : NO_CARD;  // F5: the open hand lacks the suit
    // F6. The own highest unless it lies just above the open hand's; else the lowest card over the
    // lead, that one itself only under a partner's card of 10 points or more.
    const int a = NextHigherInSuit(p, u);
    if (a == NO_CARD) return NO_CARD;
    if (a != h) return h;
    const int r = GetNextHigherHeld(p, NextHigherInSuit(p, first));
    if (r == NO_CARD) return NO_CARD;
    if (r != a) return r;
    return PointsOf(T) >= 10 ? r : NO_CARD;
}

// Void in the suit led, the partner's card holds: a high card into his trick.
int ThirdIntoPartnersTrick(CPlayer& p, const CPlayer& open, bool soloistNext) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    CoinFlipBest best;
    for (int i = 0; i < 4; ++i) {
        if (m(i) == 0) continue;
        const int h = PickHighestInSuit(p, i, true);
        if (o(i) == 0) {
            const int below = NextLowerInSuit(p, h, false);
            best.Offer(soloistNext && below != NO_CARD && IsTopCard(p, below, h, -1) ? OrderOf(h) + 6 : OrderOf(h) + 3,
                       h);
            continue;
        }
        const int above = NextHigherInSuit(p, PickHighestInSuit(open, i, true));
        if (above == NO_CARD) {
            best.Offer(OrderOf(h) >= 4 && o(i) > 1 ? 0 : OrderOf(h) + 4, h);
        } else if (m(i) > o(i) && h != above) {
            best.Offer(OrderOf(h) + 4, h);
        }
    }
    return best.card;
}

// Void, the soloist's card holds: a low card of a suit the soloist lacks or cannot use.
int LowCardOutOfTheSoloistsReach(CPlayer& p, const CPlayer& open) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    CoinFlipBest best;
    for (int i = 0; i < 4; ++i) {
        if (m(i) == 0) continue;
        const int l = PickLowestInSuit(p, i, true);
        if (o(i) == 0) {
            if (OrderOf(l) < 5) best.Offer(6 - OrderOf(l), l);
            continue;
        }
        const int u = PickHighestInSuit(open, i, true);
        if (!IsTopCard(open, u, -1, -1) && NextHigherInSuit(p, u) == NO_CARD && m(i) <= o(i))
            best.Offer(6 - OrderOf(l), l);
    }
    return best.card;
}

// The one suit whose own top card stands over the soloist's lowest and is not the longer, or -1
// when there is none or more than one.
int SoleSuitAboveTheOpenHand(CPlayer& p, const CPlayer& open) {
    int z = -1;
    for (int i = 0; i < 4; ++i) {
        int A[11], B[11];
        const int a = CollectSuit(p, i, true, A);
        const int b = CollectSuit(open, i, true, B);
        const int k = a < b ? a : b;
        if (k > 0 && OrderOf(A[0]) > OrderOf(B[k - 1])) {
            if (z < 0) {
                if (a <= b) z = i;
            } else {
                z = -1;
                break;
            }
        }
    }
    return z;
}

// Void, the soloist's card holds: a Jack on a rich trick, else a low card, keeping the guarded
// suits; no card when a Jack could still take a trick worth more than four points.
int ThirdAgainstTheSoloistsTrick(CPlayer& p, const CPlayer& open, int first, int second) {
    const auto m = [&p](int s) { return p.CountInSuit(s); };
    const auto o = [&open](int s) { return open.CountInSuit(s); };
    const int J = p.handInfo.JackCount;
    const int P = PointsOf(first) + PointsOf(second);
    if (J > 0 && P >= 10) {
        const int jack = PickRandomJack(p, 0);
        if (jack != NO_CARD) return jack;
    }
    const int low = LowCardOutOfTheSoloistsReach(p, open);
    if (low != NO_CARD) return low;
    const int z = SoleSuitAboveTheOpenHand(p, open);
    CoinFlipBest best;
    for (int i = 0; i < 4; ++i) {
        if (i == z || m(i) == 0) continue;
        const int h = PickHighestInSuit(p, i, true), l = PickLowestInSuit(p, i, true),
                  u = PickHighestInSuit(open, i, true);
        if (o(i) == 0) {
            best.Offer(m(i) == 1 ? 7 - OrderOf(l) : 7 - OrderOf(h), l);
            continue;
        }
        const bool guarded = (m(i) == 1 && OrderOf(h) > OrderOf(u)) ||
                             (m(i) == 2 && GetCardRank(h) == TEN && OrderOf(h) < OrderOf(u)) ||
                             (m(i) == 3 && GetCardRank(h) == KING && o(i) >= 3);
        if (guarded) {
            if (z >= 0) best.Offer(0, l);
            continue;
        }
        best.Offer(7 - OrderOf(l), l);
    }
    const int w = best.card;
    if (J > 0 && PointsOf(w) + PointsOf(first) + PointsOf(second) > 4) return NO_CARD;
    return w;
}

}  // namespace

int CGrandPlay::GrandOpponentThirdFirstChoice(bool soloistNext, int first, int second) {
    if (!OpenHandShown(me) || first == NO_CARD) return NO_CARD;
    const CPlayer& open = *me.partner;
    const int S = soloistNext ? first : second;
    const int T = soloistNext ? second : first;
    const int pS = PlainSuitOf(S), pT = PlainSuitOf(T);
    if (IsJack(first)) return ThirdAfterJackLed(me, open, soloistNext, first, T);
    if (me.CountInSuit(PlainSuitOf(first)) > 0) return ThirdFollowingSuit(me, open, first, S, T);
    // Cannot follow: whose card holds the trick?
    const bool partnerHolds = (!soloistNext && !IsJack(S) && pS != pT) || (pS == pT && OrderOf(T) > OrderOf(S));
    if (partnerHolds) return ThirdIntoPartnersTrick(me, open, soloistNext);
    return ThirdAgainstTheSoloistsTrick(me, open, first, second);
}
