#pragma once
// Small words shared by the trick-card choice and the Null and Ramsch strategies: card order and
// points that answer -1 and 0 for no card, the effective suit, and the running best of scored
// candidates that settles equal scores by the coin flip.

#include "computer/play/CardQueries.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "platform/core/Random.h"

inline int OrderOf(int card) { return card == NO_CARD ? -1 : GetCardOrder(card); }
inline int PointsOf(int card) { return card == NO_CARD ? 0 : GetCardPoints(card); }
// The effective suit: a Jack of a trump game yields the game type (7 in Ramsch); -1 for no card.
inline int SuitOf(int card) { return card == NO_CARD ? -1 : GetCardSuit(card, false); }
inline int PlainSuitOf(int card) { return card == NO_CARD ? -1 : GetCardSuit(card, true); }
inline bool IsJack(int card) { return card != NO_CARD && GetCardRank(card) == JACK; }
inline bool IsRank(int card, int rank) { return card != NO_CARD && GetCardRank(card) == rank; }
inline bool IsSuitIndex(int suit) { return suit >= 0 && suit <= 3; }
// Whether card a ranks below card b in the order of the game; false when either is no card.
inline bool RanksBelow(int a, int b) { return a != NO_CARD && b != NO_CARD && OrderOf(a) < OrderOf(b); }

// A running best over scored candidates, the score starting at -1: a greater score replaces the
// kept candidate; an equal score replaces it when the coin flip says so (heads, or tails
// with oddReplaces). The coin is drawn only on an equal score.
struct RunningBest {
    int card = NO_CARD;
    int score = -1;
    bool oddReplaces = false;
    // Offers a candidate; true when it was taken.
    bool Offer(int candidate, int candidateScore) {
        if (candidate == NO_CARD) return false;
        if (candidateScore > score) {
            card = candidate;
            score = candidateScore;
            return true;
        }
        if (candidateScore == score && (oddReplaces ? CoinTails() : CoinHeads())) {
            card = candidate;
            return true;
        }
        return false;
    }
};

// True while a card is only being suggested to the person (the plan is read, never advanced).
bool CardSuggestionRunning();

// The running best of the Grand strategies: the first candidate is always kept, a greater value
// replaces it, and an equal newcomer wins on heads.
struct CoinFlipBest {
    int value = 0;
    int card = NO_CARD;
    void Offer(int v, int candidate) {
        if (candidate == NO_CARD) return;
        if (card == NO_CARD || v > value || (v == value && CoinHeads())) {
            value = v;
            card = candidate;
        }
    }
};
