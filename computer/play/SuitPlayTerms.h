#pragma once
// The words every suit-game strategy speaks in: the trumps held and still out, the Jacks, the
// hand size, the two other seats, and short forms of the card tests (top, points, order, trump).
// A strategy takes them fresh when it starts; nothing here changes the player.

#include "computer/play/CardChoosers.h"
#include "computer/play/CardQueries.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "platform/core/Random.h"

namespace suit {

inline int Points(int card) { return GetCardPoints(card); }
inline int Order(int card) { return GetCardOrder(card); }
inline int SuitOf(int card) { return GetCardSuit(card, false); }
inline bool IsCard(int card) { return IsCardCode(card); }
inline bool IsTrump(int card) { return IsCardCode(card) && GetCardSuit(card, false) == g_Game.GameType; }
inline bool IsJack(int card) { return IsCardCode(card) && GetCardRank(card) == JACK; }
// The card of a rank of the trump suit (a plain trump-suit card, never a Jack).
inline int TrumpSuitCard(int rank) { return CardCodeOf(rank, g_Game.GameType); }
// Whether two cards are of one effective suit (both cards).
inline bool SameSuit(int a, int b) { return IsCardCode(a) && IsCardCode(b) && SuitOf(a) == SuitOf(b); }
// a beats b: a card of the same effective suit ranking higher (-1 beats nothing, is beaten by all).
inline bool Beats(int a, int b) { return IsCardCode(a) && Order(a) > Order(b) && (!IsCardCode(b) || SuitOf(a) == SuitOf(b)); }

// What a strategy works out at entry.
struct Terms {
    int type;        // the trump suit
    int H;           // trumps held (trump-suit cards and Jacks)
    int O;           // trumps out: still in play, not in this hand
    int J;           // Jacks held
    int N;           // cards in hand
    int dealtJacks;  // Jacks at the hand analysis before play
    int dealtTrumps; // trumps at the hand analysis before play
    int matadors;    // the signed matador run
    int previous;    // (seat + 2) mod 3
    int next;        // (seat + 1) mod 3

    explicit Terms(const CPlayer& p)
        : type(g_Game.GameType),
          H(p.GetTrumpCount()),
          O(g_Game.TrumpCount - p.GetTrumpCount()),
          J(p.handInfo.JackCount),
          N(p.count),
          dealtJacks(p.handInfo.DealtJackCount),
          dealtTrumps(p.handInfo.TrumpTotal),
          matadors(p.handInfo.MatadorRun),
          previous((p.seat + 2) % 3),
          next((p.seat + 1) % 3) {}
};

// Neither held nor gone for the player's seat.
inline bool IsOutFor(const CPlayer& p, int suit, int rank) {
    return !Holds(p, suit, rank) && !IsCardGone(suit, rank, p.seat);
}
inline bool IsTop(const CPlayer& p, int card) { return IsTopCard(p, card, -1, -1); }
// The Ace of the trump suit.
inline bool IsTrumpAce(int card) { return IsCard(card) && card == TrumpSuitCard(ACE); }
// The last rule of a cascade: the card the scores choose.
inline int ScoreFallback(CPlayer& p) { return CCardChoosers(p).ChooseCardByScore(11, -1, false); }

// A running best by priority: a greater priority replaces the kept card, an equal one by the
// coin flip of the rules (the newcomer wins on heads).
struct RunningBest {
    int card = NO_CARD;
    int priority = -1;
    explicit RunningBest(int start = -1) : priority(start) {}
    void Offer(int candidate, int value) {
        if (!IsCardCode(candidate) || value < 0) return;
        if (value > priority || (value == priority && CoinHeads())) {
            card = candidate;
            priority = value;
        }
    }
};

}  // namespace suit
