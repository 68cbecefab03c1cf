#pragma once
// The card-play vocabulary on one player's hand: pick the highest, lowest or a low card of a suit,
// the held neighbour of a card, the highest or lowest card of a suit still out, a Jack of a run,
// and tests such as whether a card is the top card still in play. They are declared with the
// player's other questions in model/Player.h and defined here; this header keeps the random tie
// idioms and the plain hand lookups they share. None changes the hand; the only state they touch is the random
// tie counter (g_Computer.RandomTieCounter).
//
// Cards are card codes, -1 = none; a suit argument is 0..3, or -1 for the trumps.
//
// The plain hand lookups are inline: the strategies and the estimator ask them at every card.

#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/HandInfo.h"
#include "model/Player.h"

// The three ways the computer player draws among equal candidates.
// Random tie counter: the first candidate starts the counter at 2; a later one replaces the kept
// one when Rand() % counter is 0, and only then the counter goes up.
void TieFirst(int& kept, int card);
void TieNext(int& kept, int card);
// The coin flip: one draw of Rand(), heads when it is even, tails when it is odd. Each rule
// keeps the side it was written with, so that a seed replays the same game.
bool CoinHeads();
bool CoinTails();

// Hand lookups.
inline int HeldCard(const CPlayer& player, int suit, int rank) {
    if (suit < 0 || suit > 3 || rank < 0 || rank > 7) return NO_CARD;
    const int slot = player.handInfo.RankTable[suit][rank];
    if (slot < 0 || slot >= static_cast<int>(player.cards.size())) return NO_CARD;
    return player.cards[slot];
}
inline bool IsHeld(const CPlayer& player, int card) {
    const int suit = GetCardSuit(card, true), rank = GetCardRank(card);
    if (suit < 0 || rank < 0) return false;  // no card
    return player.handInfo.RankTable[suit][rank] >= 0;
}
inline bool IsGoneFor(const CPlayer& player, int card) {
    if (card == NO_CARD) return false;
    return IsCardGone(GetCardSuit(card, true), GetCardRank(card), player.seat);
}
// Neither held nor gone for the player's seat.
bool IsOut(const CPlayer& player, int card);
// The player's count of a suit: with the Jack in Null and Revolution, without otherwise; 0 for a
// suit outside 0..3.
inline int PlainCount(const HandInfo& info, int suit) {
    if (suit < 0 || suit > 3) return 0;
    return IsNullGame() ? info.SuitCountWithJack[suit] : info.SuitCount[suit];
}
inline int PlainCount(const CPlayer& player, int suit) { return PlainCount(player.handInfo, suit); }
// The cards of a suit without its Jack, whatever the game; 0 for a suit outside 0..3.
inline int SuitCountOf(const CPlayer& player, int suit) {
    return suit >= 0 && suit <= 3 ? player.handInfo.SuitCount[suit] : 0;
}
// Whether the player holds the card of a suit and rank; false for a suit or rank out of range.
inline bool Holds(const CPlayer& player, int suit, int rank) { return player.handInfo.Holds(suit, rank); }
// The Jack of a suit.
inline int JackOf(int suit) { return CardCodeOf(JACK, suit); }
// Whether a suit is the trump suit of the current suit game.
inline bool IsTrumpSuit(int suit) { return IsSuitGame(g_Game.GameType) && suit == g_Game.GameType; }

// The highest and the lowest held card of a suit, -1 for the trumps; of equal candidates the first.
int HighestHeld(const CPlayer& player, int suit);
int LowestHeld(const CPlayer& player, int suit);
// The same for a plain suit only: none for the trumps or any other suit outside 0..3. The low card
// is the one a defender leads small (PickLowCardOfSuit).
int HighestOfPlainSuit(const CPlayer& player, int suit);
int LowestOfPlainSuit(const CPlayer& player, int suit);
int LowCardOfPlainSuit(const CPlayer& player, int suit);
// The next card held below or above a card in its own suit (never a trump), none when there is none.
int HeldBelow(const CPlayer& player, int card);
int HeldAbove(const CPlayer& player, int card);

// The soloist's side and the defenders'.
inline bool IsDefender(const CPlayer& player) { return player.seat != g_Game.Soloist; }
// Whether the soloist may still hold a column (a suit, or the trumps) in the player's knowledge.
inline bool SoloistMayHold(const CPlayer& player, int column) { return MayHoldSuit(player, g_Game.Soloist, column); }
// Whether the player may play a card now: a card he holds that the trick's lead allows.
bool MayPlay(const CPlayer& player, int card);
