#pragma once
// The card-play vocabulary on one player's hand: pick the highest, lowest or a low card of a suit,
// the held neighbour of a card, the highest or lowest card of a suit still out, a Jack of a run,
// and tests such as whether a card is the top card still in play. They are CPlayer members
// (declared in model/Player.h, defined here); this header keeps the random tie idioms and the
// plain hand lookups they share. None changes the hand; the only state they touch is the random
// tie counter (g_Computer.RandomTieCounter).
//
// Cards are card codes, -1 = none; a suit argument is 0..3, or -1 for the trumps.

class CPlayer;

// The three ways the computer player draws among equal candidates.
// Random tie counter: the first candidate starts the counter at 2; a later one replaces the kept
// one when Rand() % counter is 0, and only then the counter goes up.
void TieFirst(int& kept, int card);
void TieNext(int& kept, int card);
// Coin flip of a running best: an equal later candidate replaces the best when Rand() % 2 is 0.
bool CoinFlipReplaces();

// Hand lookups.
int HeldCard(const CPlayer& player, int suit, int rank);
bool IsHeld(const CPlayer& player, int card);
bool IsGoneFor(const CPlayer& player, int card);
// Neither held nor gone for the player's seat.
bool IsOut(const CPlayer& player, int card);
// The player's count of a suit: with the Jack in Null and Revolution, without otherwise.
int PlainCount(const CPlayer& player, int suit);

