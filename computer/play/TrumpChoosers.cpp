// The Grand and suit card choosers, families 3 to 5: the random low-card pickers, the trump
// choosers of the suit games and the follow chooser.
#include "computer/play/CardChoosers.h"
#include "computer/play/CardQueries.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "platform/core/Random.h"

#include <algorithm>
#include <vector>

namespace {

// The ranks of a suit from the Seven up.
constexpr int kUpward[7] = {SEVEN, EIGHT, NINE, QUEEN, KING, TEN, ACE};

// The trump of an order: a Jack for 7..10, else the trump suit's card of that order.
int TrumpOfOrder(int order) {
    if (order >= 7 && order <= 10) return CardCodeOf(JACK, 10 - order);
    if (!IsSuitGame(g_Game.GameType)) return NO_CARD;
    return CardCodeOf(GetRankOrderEntry(order, false), g_Game.GameType);
}

// Orders of the trumps, highest first: held (own) or still out.
std::vector<int> TrumpOrders(const CPlayer& p, bool held) {
    int list[11];
    const int n = CollectSuit(p, g_Game.GameType, held, list);
    std::vector<int> orders;
    for (int i = 0; i < n; ++i) orders.push_back(OrderOf(list[i]));
    return orders;
}

}  // namespace

// ---- Family 3: random low-card pickers -----------------------------------------------------------

int CCardChoosers::ChooseOpponentLeadSuit() {
    int kept = NO_CARD;
    bool lowMarked = false;
    const auto draw = [&kept](int card) {
        if (kept == NO_CARD) TieFirst(kept, card);
        else TieNext(kept, card);
    };
    for (int s = 0; s < 4; ++s) {
        if (IsTrumpSuit(s) || PlainCount(me, s) <= 2 || Holds(me, s, ACE)) continue;
        for (int rank : kUpward) {
            if (!Holds(me, s, rank)) continue;
            const int card = HeldCard(me, s, rank);
            if (OrderOf(card) < 3) {
                // Ten and King together: the King leads at once.
                if (Holds(me, s, TEN) && Holds(me, s, KING)) return HeldCard(me, s, KING);
                draw(card);
                lowMarked = true;
                continue;
            }
            if (!lowMarked) draw(card);
            break;
        }
    }
    if (kept != NO_CARD) return kept;
    for (int s = 0; s < 4; ++s)
        if (!IsTrumpSuit(s) && Holds(me, s, ACE)) draw(HeldCard(me, s, ACE));
    return kept;
}

int CCardChoosers::ChooseOpponentLeadSuit2() {
    int best = NO_CARD, priority = -1;
    bool lowMarked = false;
    const auto offer = [&](int value, int card) {
        if (best == NO_CARD || value > priority || (value == priority && CoinHeads())) {
            best = card;
            priority = value;
        }
    };
    for (int s = 0; s < 4; ++s) {
        const int n = PlainCount(me, s);
        if (IsTrumpSuit(s) || n < 1 || n > 3 || Holds(me, s, ACE) || Holds(me, s, TEN)) continue;
        const int low = PickLowCardOfSuit(me, s);
        if (IsTopCard(me, low, -1, -1) || (n == 2 && GetCardRank(low) == KING)) continue;
        for (int rank : kUpward) {
            if (!Holds(me, s, rank)) continue;
            const int card = HeldCard(me, s, rank);
            if (OrderOf(card) < 3) {
                offer(4 - n, card);
                lowMarked = true;
                continue;
            }
            if (!lowMarked) offer(4 - n, card);
            break;
        }
    }
    return best;
}

int CCardChoosers::ChooseOpponentSecond(int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    int budget = MayHoldSuit(me, g_Game.Soloist, g_Game.GameType) ? PlainCount(me, suit) - 3 : 0;
    int kept = NO_CARD;
    for (int rank : SuitRankList) {
        if (!Holds(me, suit, rank)) continue;
        const int card = HeldCard(me, suit, rank);
        if (OrderOf(card) >= 3) {
            if (budget > 0) {
                --budget;
                continue;
            }
            TieFirst(kept, card);
            return kept;
        }
        if (kept == NO_CARD) TieFirst(kept, card);
        else TieNext(kept, card);
    }
    return kept;
}

int CCardChoosers::ChooseCardWithRandomJack(int card, bool lowestFirst) {
    const int type = g_Game.GameType;
    if (IsNullGame()) return NO_CARD;
    if (!IsSuitGame(type)) return PickRandomJack(me, 0);
    int answer = NO_CARD;
    bool lowDrawn = false;
    int endRank = ACE;  // the rank that ended the walk; a walk through ends at the Ace
    bool anyTrumpSuit = false;
    for (int rank : kUpward) {
        if (!Holds(me, type, rank)) continue;
        anyTrumpSuit = true;
        const int held = HeldCard(me, type, rank);
        if (lowestFirst) {
            answer = held;
            endRank = rank;
            break;
        }
        if (OrderOf(held) < 3) {
            if (answer == NO_CARD) TieFirst(answer, held);
            else TieNext(answer, held);
            lowDrawn = true;
            continue;
        }
        if (!lowDrawn) {
            if (answer == NO_CARD) TieFirst(answer, held);
            else TieNext(answer, held);
        }
        endRank = rank;
        break;
    }
    if (!anyTrumpSuit) return PickRandomJack(me, 0);
    if (me.handInfo.JackCount > 0 && !lowDrawn && (endRank == ACE || endRank == TEN))
        answer = PickRandomJack(me, lowestFirst ? -1 : 0);
    // A valuable answer gives way to the second Jack when the top trump covers it.
    if (card != NO_CARD && GetCardRank(card) != JACK && GetCardPoints(answer) > 2) {
        const std::vector<int> own = TrumpOrders(me, true);
        const std::vector<int> out = TrumpOrders(me, false);
        if (std::min(own.size(), out.size()) > 1 && IsTopCard(me, TrumpOfOrder(own[0]), -1, -1) && own[1] >= 7)
            answer = TrumpOfOrder(own[1]);
    }
    return answer;
}

// ---- Family 4: trump choosers of the suit games ---------------------------------------------------

int CCardChoosers::ChooseSpareTrump(int mode) {
    if (IsNullGame() || me.GetTrumpCount() == 0) return NO_CARD;
    const std::vector<int> own = TrumpOrders(me, true);
    const std::vector<int> out = TrumpOrders(me, false);
    if (own.empty()) return NO_CARD;
    const int m = std::min(static_cast<int>(out.size()), static_cast<int>(own.size()) - 1);
    const int lowest = PickLowestInSuit(me, -1, true);
    if (mode != 0) {
        if (m == 1) {
            const int highest = TrumpOfOrder(own[0]);
            return (own[0] > out[0] && IsTopCard(me, highest, -1, -1)) ? highest : NO_CARD;
        }
        if (m > 1 && mode < static_cast<int>(own.size())) return own[mode] > out[0] ? TrumpOfOrder(own[mode]) : NO_CARD;
        return NO_CARD;
    }
    if (m < 0) return NO_CARD;
    if (m == 0) return lowest;
    int chosen;
    if (own[m - 1] > out[0]) {
        chosen = m;
    } else {
        int i0 = m;
        for (int i = 0; i < m; ++i)
            if (own[i] <= 6) {
                i0 = i;
                break;
            }
        chosen = i0;
        for (int i = i0; i < static_cast<int>(own.size()); ++i) {
            // Without own[i], do the others reach the outstanding trumps place by place?
            bool reaches = true;
            int place = 0;
            for (int j = 0; j < static_cast<int>(own.size()) && place < m; ++j) {
                if (j == i) continue;
                if (place >= static_cast<int>(out.size()) || own[j] < out[place]) reaches = false;
                ++place;
            }
            if (place < m) reaches = false;
            if (reaches) {
                chosen = i;
                break;
            }
        }
    }
    if (chosen >= static_cast<int>(own.size())) return lowest;
    const int card = TrumpOfOrder(own[chosen]);
    if (GetCardRank(card) == ACE && IsTopCard(me, PickHighestInSuit(me, -1, true), -1, -1)) return lowest;
    return card;
}

int CCardChoosers::ChooseLowTrump() {
    const int type = g_Game.GameType;
    int answer = NO_CARD;
    if (IsSuitGame(type)) {
        // The lowest trump-suit card above which every card down from the Ace is held or gone.
        int start = NO_CARD;
        for (int rank : SuitRankList) {
            const bool held = Holds(me, type, rank);
            if (!held && !IsCardGone(type, rank, me.seat)) break;
            if (held && OrderOf(HeldCard(me, type, rank)) < 5) start = HeldCard(me, type, rank);
        }
        answer = start;
        if (start != NO_CARD) {
            // Upwards through the held low trumps.
            int place = -1;
            for (int i = 0; i < 7; ++i)
                if (kUpward[i] == GetCardRank(start)) place = i;
            for (int i = place + 1; i < 7; ++i) {
                const int next = HeldCard(me, type, kUpward[i]);
                if (next == NO_CARD || OrderOf(next) >= 3) break;
                if (CoinHeads()) answer = next;
            }
        }
    }
    if (answer != NO_CARD) return answer;
    if (me.handInfo.JackCount >= 2 && me.GetTrumpCount() >= 6) {
        int lowest = -1;
        for (int s = 3; s >= 0 && lowest < 0; --s)
            if (Holds(me, s, JACK)) lowest = s;
        int run = 0;
        for (int s = lowest; s >= 0 && Holds(me, s, JACK); --s) ++run;
        return CardCodeOf(JACK, lowest - Rand() % run);
    }
    return NO_CARD;
}

int CCardChoosers::ChooseOpponentLeadTrial(int card) {
    if (IsNullGame() || me.GetTrumpCount() != 2) return NO_CARD;
    const int lower = PickLowestInSuit(me, -1, true);
    const int rank = GetCardRank(lower);
    if (rank != ACE && rank != TEN) return lower;
    // The given card counts as played through the top test's exclusion.
    return IsTopCard(me, lower, card, -1) ? NO_CARD : lower;
}

int CCardChoosers::ChooseSoloistCardSuit() {
    const int type = g_Game.GameType;
    // The eleven trumps from the Clubs Jack down to the trump Seven.
    int trumps[11];
    int n = 0;
    for (int s = 0; s < 4; ++s) trumps[n++] = CardCodeOf(JACK, s);
    if (IsSuitGame(type))
        for (int rank : SuitRankList) trumps[n++] = CardCodeOf(rank, type);
    const auto isHeld = [this](int c) { return Holds(me, GetCardSuit(c, true), GetCardRank(c)); };
    const auto isOut = [this, &isHeld](int c) {
        return !isHeld(c) && !IsCardGone(GetCardSuit(c, true), GetCardRank(c), me.seat);
    };
    int answer = PickCardBelowWinner(me, false);
    for (int i = 0; i < n; ++i) {
        if (!isHeld(trumps[i])) continue;
        // The other held trumps, from the highest, each take the lowest outstanding trump left.
        std::vector<int> outs;
        for (int j = n - 1; j >= 0; --j)
            if (isOut(trumps[j])) outs.push_back(j);  // lowest first (larger index = lower)
        std::size_t used = 0;
        bool fits = true;
        for (int j = 0; j < n && used < outs.size(); ++j) {
            if (j == i || !isHeld(trumps[j])) continue;
            if (outs[used] < j) fits = false;  // that outstanding trump stands above
            ++used;
        }
        if (fits && used == outs.size()) {
            answer = trumps[i];
            break;
        }
    }
    if (!IsSuitGame(type)) return answer;
    const auto heldOrGone = [this, type](int rank) { return Holds(me, type, rank) || IsCardGone(type, rank, me.seat); };
    if (GetCardRank(answer) == ACE && me.GetTrumpCount() > 4 && !heldOrGone(TEN)) {
        const int below = PickTrumpBelow(me, answer);
        if (below != NO_CARD) answer = below;
    } else if (GetCardRank(answer) == TEN && GetCardSuit(answer, true) == type && !heldOrGone(KING)) {
        const int below = PickTrumpBelow(me, answer);
        if (below != NO_CARD) answer = below;
    }
    if (GetCardRank(answer) == JACK) {
        int replacement = PickLowCardOfSuit(me, type);
        if (replacement != NO_CARD && GetCardPoints(replacement) == 0)
            replacement = PickHighestInSuit(me, GetCardSuit(replacement, true), true);
        if (replacement != NO_CARD && GetCardRank(replacement) == ACE && !IsCardGone(type, TEN, me.seat)) {
            const int below = PickTrumpBelow(me, replacement);
            if (below != NO_CARD) replacement = below;
        }
        if (replacement == NO_CARD) replacement = PickRandomJack(me, -1);
        if (replacement == NO_CARD || GetCardRank(replacement) == JACK) replacement = PickLowestInSuit(me, type, false);
        answer = replacement;
    }
    return answer;
}

// ---- Family 5: the follow chooser ----------------------------------------------------------------

int CCardChoosers::ChooseOpponentFollowCard(int ledCard) {
    const int s = GetCardSuit(ledCard, false);
    if (s < 0 || s > 3) return NO_CARD;
    if (!MayHoldSuit(me, g_Game.Soloist, s) || PlainCount(me, s) > 4) return NO_CARD;
    if (IsCardGone(s, TEN, me.seat) || !Holds(me, s, ACE) || Holds(me, s, TEN)) return NO_CARD;
    const int o = OrderOf(ledCard);
    static const int kDown[] = {TEN, KING, QUEEN, NINE, EIGHT, SEVEN};
    int kept = NO_CARD, priority = -1;
    for (int rank : kDown) {
        if (!Holds(me, s, rank)) continue;
        const int card = HeldCard(me, s, rank);
        if (OrderOf(card) > o) break;
        if (OrderOf(card) < 3) {
            if (kept == NO_CARD || 6 > priority || (priority == 6 && CoinHeads())) {
                kept = card;
                priority = 6;
            }
        } else if (kept == NO_CARD || OrderOf(card) < priority) {
            kept = card;
            priority = OrderOf(card);
        }
    }
    if (kept == NO_CARD) {
        for (int& mark : me.FollowSuitMarks) mark = 1;
        return NO_CARD;
    }
    if (g_Game.GameType == GAME_GRAND && g_Game.TrumpCount >= me.count - 1) return NO_CARD;
    me.FollowSuitMarks[s] = 1;
    return kept;
}
