// The Grand and suit card choosers, families 1 and 2: the held neighbour of a card, a random card
// of a held run, the unguarded Ten, and the per-suit priority choosers. Each suit that passes a
// chooser's filter gives one candidate with a priority; the greatest wins and an equal one is
// settled by a coin flip whose sense each chooser states.
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

namespace {

bool IsTrumpJack(int card) { return GetCardRank(card) == JACK && IsTrumpGame(g_Game.GameType); }

// The running best of a per-suit chooser; newcomerOnZero: an equal newcomer wins on heads, else
// on tails.
struct Best {
    bool newcomerOnZero;
    int priority = -1;
    int card = NO_CARD;
    bool found = false;
    explicit Best(bool onZero) : newcomerOnZero(onZero) {}
    void Offer(int value, int candidate) {
        if (candidate == NO_CARD) return;
        if (!found || value > priority) {
            priority = value;
            card = candidate;
            found = true;
        } else if (value == priority) {
            const bool zero = CoinHeads();
            if (zero == newcomerOnZero) card = candidate;
        }
    }
};

}  // namespace

// ---- Family 1: rank queries ----------------------------------------------------------------------

int CCardChoosers::GetHeldRankNeighbour(int card, int step) const {
    if (card == NO_CARD) return NO_CARD;
    const int suit = GetCardSuit(card, true);
    const int rank = GetCardRank(card);
    if (IsTrumpJack(card)) {
        const int target = suit - step;
        if (target < 0 || target > 3) return NO_CARD;
        return HeldCard(me, target, JACK);
    }
    const bool null = IsNullGame();
    const int* list = null ? NullRankList : SuitRankList;
    const int length = null ? 8 : 7;
    int position = -1;
    for (int i = 0; i < length; ++i)
        if (list[i] == rank) position = i;
    if (position < 0) return NO_CARD;
    const int q = position - step;
    if (q < 0 || q >= length) return NO_CARD;
    return HeldCard(me, suit, list[q]);
}

int CCardChoosers::PickRandomDownRun(int card) const {
    int answer = card;
    int current = card;
    while (current != NO_CARD) {
        const int next = GetHeldRankNeighbour(current, -1);
        if (next == NO_CARD) break;
        if (CoinTails()) answer = next;
        current = next;
    }
    return answer;
}

int CCardChoosers::PickUnguardedTen() const {
    for (int s = 0; s < 4; ++s) {
        if (IsTrumpSuit(s) || PlainCount(me, s) != 1 || !Holds(me, s, TEN)) continue;
        const int ten = HeldCard(me, s, TEN);
        if (!IsTopCard(me, ten, -1, -1)) return ten;
    }
    return NO_CARD;
}

// ---- Family 2: per-suit priority choosers --------------------------------------------------------

int CCardChoosers::ChooseTrumpGameCard(bool allowTopSuit) {
    Best best(true);
    static const int kSmallRanks[] = {SEVEN, EIGHT, NINE, QUEEN, KING};
    // Pass 1: a small card of a short guarded suit.
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n == 0 || n > 3 || !IsSuitGuarded(me, t, 1, false)) continue;
        if (IsDefender(me) && ChooseTrumpGameHelper(me, t)) continue;
        int card = NO_CARD;
        for (int rank : kSmallRanks) {
            if (me.handInfo.SmallCards[t][rank] != -1 && Holds(me, t, rank)) {
                card = HeldCard(me, t, rank);
                break;
            }
        }
        if (card == NO_CARD) continue;
        const int h = PickHighestInSuit(me, t, true);
        if (IsTopCard(me, h, -1, -1) && !allowTopSuit) continue;
        if (IsTopCard(me, card, h, -1)) continue;
        if (!(n == 1 || n > 2 || (n == 2 && !Holds(me, t, TEN) && IsSuitGuarded(me, t, 2, false)))) continue;
        best.Offer(14 - n - OrderOf(card), card);
    }
    if (best.found) return best.card;
    // Pass 2: a single card that is neither top nor a Ten.
    for (int t = 0; t < 4; ++t) {
        if (IsTrumpSuit(t) || PlainCount(me, t) != 1) continue;
        if (!(me.seat == g_Game.Soloist || SoloistMayHold(me, t)) || ChooseTrumpGameHelper(me, t)) continue;
        const int card = PickHighestInSuit(me, t, true);
        if (card == NO_CARD || IsTopCard(me, card, -1, -1) || GetCardPoints(card) == 10) continue;
        best.Offer(11 - GetCardPoints(card), card);
    }
    return best.card;
}

int CCardChoosers::ChooseLeadOrLastCard(int excludedSuit) {
    Best best(false);
    const bool aim = me.IsDurchmarschAim();
    const int lastCard =
        (me.lastTrick && me.seat >= 0 && me.seat < me.lastTrick->capacity && me.lastTrick->present[me.seat])
            ? me.lastTrick->cards[me.seat]
            : NO_CARD;
    for (int t = 0; t < 4; ++t) {
        if (IsTrumpSuit(t) || t == excludedSuit || PlainCount(me, t) == 0) continue;
        const int l = PickLowCardOfSuit(me, t);
        if (l == NO_CARD) continue;
        if (!IsTopCard(me, l, -1, -1)) {
            if (aim) best.Offer(20 - OrderOf(l), l);
            continue;
        }
        const int below = NextLowerInSuit(me, l, false);
        const int w = (below == NO_CARD || IsTopCard(me, below, l, -1)) ? 1 : 0;
        int value;
        switch (GetCardRank(l)) {
            case ACE: value = w ? 10 : me.CountInSuit(t) >= 5 ? 9 : me.CountInSuit(t) == 2 ? 1 : 7; break;
            case TEN: value = 6 + 2 * w; break;
            case KING: value = 4 + w; break;
            case QUEEN: value = 3; break;
            default: value = 2; break;
        }
        if (aim && w == 0 && lastCard != NO_CARD && GetCardSuit(lastCard, false) == t) value = 20 - OrderOf(l);
        if (aim && w == 1) {
            const int next = NextLowerInSuit(me, below, false);
            if (next != NO_CARD && !IsTopCard(me, next, -1, -1)) value += 10;
        }
        best.Offer(value, l);
    }
    return best.card;
}

int CCardChoosers::ChooseSoloistLead2() {
    Best best(false);
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n == 0) continue;
        const int l = PickLowCardOfSuit(me, t);
        if (!IsTopCard(me, l, -1, -1)) continue;
        const int m = (GetHeldRankNeighbour(l, -1) != NO_CARD || n == 1) ? 2 : 1;
        best.Offer((me.handInfo.SuitCount[t] + me.handInfo.PlayedSuitCount[t]) * m, l);
    }
    return best.card;
}

int CCardChoosers::PickSuitToSchmier(bool keepTen) {
    Best best(true);
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n <= 1) continue;
        const int l = PickLowCardOfSuit(me, t);
        if (l == NO_CARD || GetCardRank(l) != TEN || IsTopCard(me, l, -1, -1)) continue;
        const int u = NextLowerInSuit(me, l, false);
        if (!IsTopCard(me, u, CardCodeOf(ACE, t), l)) continue;
        best.Offer(n, (keepTen && n < 4) ? l : u);
    }
    return best.card;
}

int CCardChoosers::ChooseOpponentCardSuit(bool preferLong, bool jackFirst) {
    if (jackFirst && me.GetTrumpCount() > 0) {
        int out[11];
        const int outstanding = CollectSuit(me, g_Game.GameType, false, out);
        if (outstanding <= me.GetTrumpCount()) {
            const int c = ChooseCardWithRandomJack(-1, true);
            if (IsTopCard(me, c, -1, -1)) return c;
        }
    }
    Best best(false);
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n == 0) continue;
        int l;
        if (SoloistMayHold(me, t)) {
            l = PickLowCardOfSuit(me, t);
            if (!IsTopCard(me, l, -1, -1)) continue;
        } else {
            l = PickLowCardAnySuit(me, t);
        }
        best.Offer(OrderOf(l) + (preferLong ? 2 : -2) * (4 - n), l);
    }
    if (!best.found && jackFirst) return ChooseCardWithRandomJack(-1, true);
    return best.card;
}

int CCardChoosers::ChooseGrandCard(bool strict) {
    if (IsDefender(me)) {
        const int c = ChooseTrumpGameCard(false);
        if (c != NO_CARD) return c;
    }
    Best best(true);
    for (int t = 0; t < 4; ++t) {
        const int k = PlainCount(me, t);
        if (IsTrumpSuit(t) || k == 0) continue;
        const int h = PickHighestInSuit(me, t, true);
        if (k == 2 && GetCardRank(h) == TEN && !IsTopCard(me, h, -1, -1)) continue;
        int out[11];
        int n = CollectSuit(me, t, false, out);
        if (IsDefender(me)) {
            if (SoloistMayHold(me, t)) {
                if (k > 1 && n > 1 && !(OrderOf(h) <= OrderOf(out[1]))) continue;
            } else {
                const int l = PickLowCardAnySuit(me, t);
                if (l == NO_CARD) continue;
                if (GetCardPoints(l) == 0) {
                    best.Offer(101, l);
                    continue;
                }
            }
        }
        // A long suit with its Ace and the Ten beside King or Queen (or the King and Jacks to
        // spare) is kept for the tricks it will make.
        if (k >= 4 && Holds(me, t, ACE) &&
            ((Holds(me, t, TEN) && (Holds(me, t, KING) || Holds(me, t, QUEEN))) ||
             (!Holds(me, t, TEN) && Holds(me, t, KING) && me.handInfo.DealtJackCount > 1)))
            continue;
        if (strict) {
            if (n == 2 && !IsTopCard(me, h, -1, -1)) {
                const int x = NextHigherInSuit(me, out[1]);
                if (x != NO_CARD && OrderOf(x) <= 4) best.Offer(k, x);
                continue;
            }
            n = n - 1;
        }
        const int m = std::min(n, k);
        const int lowest = PickLowestInSuit(me, t, true);
        if (k < 2 || m <= 0 || OrderOf(out[0]) <= OrderOf(lowest)) continue;
        const int l = PickLowCardAnySuit(me, t);
        const int b = NextLowerInSuit(me, h, false);
        int priority;
        if (k == 3) {
            if (IsTopCard(me, b, h, -1)) continue;
            priority = m < 3 ? m : (OrderOf(l) < OrderOf(h) ? 1 : m);
        } else {
            priority = 10 - k - (OrderOf(h) >= 3 ? 1 : 0) - GetCardPoints(l);
        }
        int candidate = l;
        if (strict && priority != 1 && GetCardRank(h) == TEN && !IsTopCard(me, h, -1, -1)) candidate = b;
        best.Offer(priority, candidate);
    }
    if (!best.found && !IsDefender(me)) return ChooseTrumpGameCard(false);
    return best.card;
}

int CCardChoosers::ChooseCardGeneral(int a, int b) {
    int bestClass = -1;
    int answer = NO_CARD;
    const auto offer = [&](int cls, int card) {
        if (cls < 0 || card == NO_CARD) return;
        if (cls > bestClass || (answer != NO_CARD && cls == bestClass && CoinTails())) {
            bestClass = cls;
            answer = card;
        }
    };
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n == 0) continue;
        int l = PickLowCardOfSuit(me, t);
        if (l == NO_CARD) continue;
        if (!IsTopCard(me, l, -1, -1)) {
            if (GetCardRank(l) == TEN && n > 2) {
                const int below = NextLowerInSuit(me, l, false);
                if (below != NO_CARD) l = below;
            }
            int cls;
            if (!IsDefender(me) && a == 1) cls = bestClass + 1;
            else if (GetCardRank(l) == TEN)
                cls = n >= 3 ? 4 : n == 2 ? -1 : (n <= b ? 1 : -1);
            else if (GetCardRank(l) == KING && n == 3)
                cls = 1;
            else if (GetCardRank(l) == KING && n > 1)
                cls = 3;
            else
                cls = n <= b ? 1 : -1;
            if (cls < 0 || !(cls > bestClass || cls == bestClass)) continue;
            int card;
            if (GetCountInSuit2(me, t) == 1 || b != 0) {
                card = PickLowCardAnySuit(me, t);
            } else {
                // The card below the top run: walking down from the Ten over held cards.
                static const int kWalk[] = {TEN, KING, QUEEN, NINE, EIGHT, SEVEN};
                int x = NO_CARD;
                for (int rank : kWalk) {
                    const int c = HeldCard(me, t, rank);
                    if (c == NO_CARD) {
                        if (x != NO_CARD) break;
                        continue;
                    }
                    if (c != l) x = c;
                }
                if (x == NO_CARD) {
                    card = l;
                } else {
                    const int above = NextHigherInSuit(me, x);
                    const int nextRank = GetCardRank(x) + 1;
                    const bool nextOut = nextRank <= KING && !IsCardGone(t, nextRank, me.seat);
                    card = (above != NO_CARD && (GetCardRank(above) == QUEEN || GetCardRank(above) == KING) &&
                            OrderOf(above) - OrderOf(x) > 1 && nextOut)
                               ? above
                               : x;
                }
            }
            offer(cls, card);
        } else if ((me.seat != g_Game.Forehand || !IsSuitGuarded(me, t, 1, false)) && !IsSuitGuarded(me, t, 1, true) &&
                   !g_Game.HandAnnounced && a && bestClass < 0 && n > 2 && !Holds(me, t, TEN)) {
            const int card =
                Holds(me, t, KING) ? GetNextLowerHeld(me, HeldCard(me, t, KING)) : PickLowCardAnySuit(me, t);
            offer(5, card);
        }
    }
    return answer;
}

int CCardChoosers::ChooseSoloistLead() {
    Best best(true);
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n <= 1 || !IsSuitGuarded(me, t, 1, false)) continue;
        const int h = PickHighestInSuit(me, t, true);
        if (IsTopCard(me, h, -1, -1)) continue;
        if (GetCardRank(h) == TEN && n > 2) {
            const int below =
                CollectSuit(me, t, false, nullptr) == 1 ? PickLowCardAnySuit(me, t) : NextLowerInSuit(me, h, false);
            if (below != NO_CARD) best.Offer(OrderOf(below) + 2 * n, GetNextLowerHeld(me, below));
        } else if (GetCardRank(h) == KING && (IsCardGone(t, ACE, me.seat) || IsCardGone(t, TEN, me.seat))) {
            int low = PickLowestInSuit(me, t, true);
            if (GetCardPoints(low) == 0 && n > 2 && CollectSuit(me, t, false, nullptr) > 1) {
                const int above = NextHigherInSuit(me, low);
                if (above != NO_CARD) low = above;
            }
            best.Offer(OrderOf(low) + n, GetNextLowerHeld(me, low));
        }
    }
    if (best.found) return best.card;
    // Second pass: guarded suits under a Ten that is not top.
    for (int t = 0; t < 4; ++t) {
        const int n = PlainCount(me, t);
        if (IsTrumpSuit(t) || n <= 1 || !IsSuitGuarded(me, t, 1, false)) continue;
        const int ten = PickHighestInSuit(me, t, true);
        if (GetCardRank(ten) != TEN || IsTopCard(me, ten, -1, -1)) continue;
        if (me.handInfo.PlayedSuitCount[t] == 1) {
            best.Offer(1, GetNextLowerHeld(me, PickLowCardAnySuit(me, t)));
        } else if (n == 3 && Holds(me, t, KING) && !Holds(me, t, QUEEN)) {
            const int below = NextLowerInSuit(me, ten, false);
            if (below != NO_CARD) best.Offer(7 - OrderOf(below), below);
        } else {
            int current = ten;
            for (int next = NextLowerInSuit(me, current, false);
                 next != NO_CARD && OrderOf(next) == OrderOf(current) - 1; next = NextLowerInSuit(me, current, false)) {
                best.Offer(7 - OrderOf(current), GetNextLowerHeld(me, next));
                current = next;
            }
        }
    }
    return best.card;
}
