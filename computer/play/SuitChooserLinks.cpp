// The links of the suit strategies to the shared choosers. Until a chooser is in the build its
// link answers with a plain stand-in: a held card of the kind the caller asks for (a low side
// card, a smear, a low trump), chosen without the chooser's scoring. Every stand-in is counted.
#include "computer/play/SuitChooserLinks.h"

#include "computer/play/CardQueries.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "platform/core/Random.h"

namespace links {
namespace {

int g_standIns = 0;

bool IsTrumpCard(int card) { return IsCardCode(card) && GetCardSuit(card, false) == g_Game.GameType; }

// The held card with the greatest score; a score below 0 is no candidate; the first wins ties.
template <class Score>
int BestHeld(const CPlayer& p, Score score) {
    int best = NO_CARD;
    int bestScore = -1;
    for (int slot = 0; slot < p.capacity; ++slot) {
        if (!p.present[slot] || !IsCardCode(p.cards[slot])) continue;
        const int value = score(p.cards[slot]);
        if (value > bestScore) {
            bestScore = value;
            best = p.cards[slot];
        }
    }
    return best;
}

// A low side card: fewest points, then lowest order.
int LowSideCard(const CPlayer& p, int excludedSuit) {
    return BestHeld(p, [excludedSuit](int card) {
        if (IsTrumpCard(card) || GetCardSuit(card, false) == excludedSuit) return -1;
        return 100 - 8 * GetCardPoints(card) - GetCardOrder(card);
    });
}

int LowTrump(const CPlayer& p) {
    return BestHeld(p, [](int card) { return IsTrumpCard(card) ? 20 - GetCardOrder(card) : -1; });
}

int Counted(int card) {
    ++g_standIns;
    return card;
}

}  // namespace

int StandInCalls() { return g_standIns; }

// ---- Stand-ins: the shared score choosers.
int ChooseCardByScore(CPlayer& p, int maxPoints, int fallback, bool) {
    int card = BestHeld(p, [maxPoints](int c) {
        if (IsTrumpCard(c) || GetCardPoints(c) > maxPoints) return -1;
        return 100 - 8 * GetCardPoints(c) - GetCardOrder(c);
    });
    if (card == NO_CARD && p.HasCard(fallback)) card = fallback;
    if (card == NO_CARD) card = LowSideCard(p, -1);
    if (card == NO_CARD) card = LowTrump(p);
    return Counted(card);
}

int ChooseCardByScore2(CPlayer& p, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    return Counted(LowSideCard(p, suit));
}

int ChooseCardByScore3(CPlayer& p, int, bool) {
    int card = BestHeld(p, [](int c) { return IsTrumpCard(c) ? -1 : 8 * GetCardPoints(c) + GetCardOrder(c); });
    if (card == NO_CARD) card = p.PickCardBelowWinner(false);
    return Counted(card);
}

int ChooseCardByRunScore(CPlayer& p, bool) {
    int card = BestHeld(p, [&p](int c) {
        if (IsTrumpCard(c)) return -1;
        return (p.IsTopCard(c, -1, -1) ? 100 : 0) + GetCardOrder(c);
    });
    return Counted(card);
}

int ChooseDefenderLead(CPlayer& p, bool) {
    int card = LowSideCard(p, -1);
    if (card == NO_CARD) card = LowTrump(p);
    return Counted(card);
}

int ChooseOpponentFollow(CPlayer& p, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    return Counted(LowSideCard(p, suit));
}

// ---- Stand-ins: the Grand and suit choosers.
int GetHeldRankNeighbour(CPlayer& p, int card, int step) {
    if (!IsCardCode(card)) return NO_CARD;
    ++g_standIns;
    if (GetCardRank(card) == JACK) {
        const int target = GetCardSuit(card, true) - step;
        if (target < 0 || target > 3) return NO_CARD;
        const int jack = CardCodeOf(JACK, target);
        return p.HasCard(jack) ? jack : NO_CARD;
    }
    int position = -1;
    for (int i = 0; i < 7; ++i)
        if (SuitRankList[i] == GetCardRank(card)) position = i;
    const int q = position - step;
    if (position < 0 || q < 0 || q > 6) return NO_CARD;
    const int other = CardCodeOf(SuitRankList[q], GetCardSuit(card, true));
    return p.HasCard(other) ? other : NO_CARD;
}

int PickRandomDownRun(CPlayer& p, int card) {
    if (!IsCardCode(card)) return NO_CARD;
    int answer = card;
    int next = GetHeldRankNeighbour(p, card, -1);
    while (next != NO_CARD) {
        if (Rand() % 2 != 0) answer = next;
        next = GetHeldRankNeighbour(p, next, -1);
    }
    return answer;
}

int PickUnguardedTen(CPlayer& p) {
    ++g_standIns;
    for (int s = 0; s < 4; ++s) {
        if (s == g_Game.GameType || p.CountInSuit(s) != 1) continue;
        const int ten = CardCodeOf(TEN, s);
        if (p.HasCard(ten) && !p.IsTopCard(ten, -1, -1)) return ten;
    }
    return NO_CARD;
}

int ChooseOpponentLeadTrial(CPlayer& p, int card) {
    ++g_standIns;
    if (p.GetTrumpCount() != 2) return NO_CARD;
    const int low = p.PickLowestInSuit(-1, true);
    if (GetCardPoints(low) < 10) return low;
    return p.IsTopCard(low, card, -1) ? NO_CARD : low;
}

int ChooseTrumpGameCard(CPlayer& p, bool allowTopSuit) {
    int card = BestHeld(p, [&p, allowTopSuit](int c) {
        if (IsTrumpCard(c) || GetCardPoints(c) >= 10 || p.IsTopCard(c, -1, -1)) return -1;
        const int s = GetCardSuit(c, false);
        if (p.CountInSuit(s) > 3) return -1;
        if (!allowTopSuit && p.IsTopCard(p.PickHighestInSuit(s, true), -1, -1)) return -1;
        return 14 - p.CountInSuit(s) - GetCardOrder(c);
    });
    return Counted(card);
}

int ChooseLeadOrLastCard(CPlayer& p, int excludedSuit) {
    int card = BestHeld(p, [&p, excludedSuit](int c) {
        if (IsTrumpCard(c) || GetCardSuit(c, false) == excludedSuit || !p.IsTopCard(c, -1, -1)) return -1;
        return GetCardOrder(c);
    });
    return Counted(card);
}

int ChooseSoloistLead(CPlayer& p) {
    int card = BestHeld(p, [&p](int c) {
        if (IsTrumpCard(c)) return -1;
        const int s = GetCardSuit(c, false);
        if (p.CountInSuit(s) < 2 || p.IsTopCard(p.PickHighestInSuit(s, true), -1, -1)) return -1;
        return c == p.PickLowestInSuit(s, true) ? 10 - GetCardOrder(c) : -1;
    });
    return Counted(card);
}

int ChooseSoloistLead2(CPlayer& p) { return ChooseLeadOrLastCard(p, -1); }

int PickSuitToSchmier(CPlayer&, bool) { return Counted(NO_CARD); }

int ChooseOpponentCardSuit(CPlayer& p, bool, bool jackFirst) {
    int card = LowSideCard(p, -1);
    if (card == NO_CARD && jackFirst) card = LowTrump(p);
    return Counted(card);
}

int ChooseGrandCard(CPlayer& p, bool) {
    int card = ChooseTrumpGameCard(p, false);
    if (card == NO_CARD) card = LowSideCard(p, -1);
    return card;
}

int ChooseCardGeneral(CPlayer& p, int, int) {
    int card = BestHeld(p, [&p](int c) {
        if (IsTrumpCard(c) || p.IsTopCard(c, -1, -1) || GetCardPoints(c) >= 10) return -1;
        const int s = GetCardSuit(c, false);
        return c == p.PickLowestInSuit(s, true) ? p.CountInSuit(s) : -1;
    });
    return Counted(card);
}

int ChooseOpponentLeadSuit(CPlayer& p) {
    int card = BestHeld(p, [](int c) { return IsTrumpCard(c) || GetCardOrder(c) > 2 ? -1 : 3 - GetCardOrder(c); });
    return Counted(card);
}

int ChooseOpponentLeadSuit2(CPlayer& p) { return ChooseOpponentLeadSuit(p); }

int ChooseOpponentSecond(CPlayer& p, int suit) { return Counted(p.PickLowCardAnySuit(suit)); }

int ChooseCardWithRandomJack(CPlayer& p, int, bool) {
    int card = BestHeld(p, [](int c) {
        return IsTrumpCard(c) && GetCardRank(c) != JACK ? 20 - GetCardOrder(c) : -1;
    });
    if (card == NO_CARD) card = p.PickRandomJack(0);
    return Counted(card);
}

int ChooseSpareTrump(CPlayer& p, int mode) {
    if (!IsSuitGame(g_Game.GameType) || p.GetTrumpCount() == 0) return NO_CARD;
    if (mode == 0) return Counted(p.PickLowestInSuit(-1, true));
    const int top = p.PickHighestInSuit(-1, true);
    return Counted(p.IsTopCard(top, -1, -1) ? top : NO_CARD);
}

int ChooseLowTrump(CPlayer& p) {
    int card = BestHeld(p, [](int c) { return IsTrumpCard(c) && GetCardOrder(c) < 3 ? 3 - GetCardOrder(c) : -1; });
    return Counted(card);
}

int ChooseSoloistCardSuit(CPlayer& p) { return Counted(p.PickCardBelowWinner(false)); }

int ChooseOpponentFollowCard(CPlayer&, int) { return Counted(NO_CARD); }

int ChooseTrickCard(CPlayer&, int, int, bool) { return Counted(NO_CARD); }

int ChooseCardByMode(CPlayer&, int, int) { return Counted(NO_CARD); }

void AnnounceFaceUp(int) { ++g_standIns; }

}  // namespace links
