#pragma once
// The card-play vocabulary on one player's hand: pick the highest, lowest or a low card of a suit,
// the held neighbour of a card, the highest or lowest card of a suit still out, a Jack of a run,
// and tests such as whether a card is the top card still in play. They are the CPlayer queries of
// the computer player, written as free functions on the player. None changes the hand; the only
// state they touch is the random tie counter (g_Computer.RandomTieCounter).
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

int PickHighestInSuit(const CPlayer& player, int suit, bool first);
int PickLowestInSuit(const CPlayer& player, int suit, bool first);
int PickTopRunInSuit(const CPlayer& player, int suit);
int PickLowCardOfSuit(const CPlayer& player, int suit);
int PickLowCardAnySuit(const CPlayer& player, int suit);
int PickCardBelowWinner(const CPlayer& player, bool flag);
int NextLowerInSuit(const CPlayer& player, int card, bool flag);
int NextHigherInSuit(const CPlayer& player, int card);
int GetNextHigherHeld(const CPlayer& player, int card);
int GetNextLowerHeld(const CPlayer& player, int card);
int LowestHeldRunBelow(const CPlayer& player, int card);
int PickCardGrandSuit(const CPlayer& player, int card, int maxOrder);
int PickCardAboveInTrumps(const CPlayer& player, int card, bool flag);
int PickTrumpBelow(const CPlayer& player, int card);
int HighestCardOutInSuit(const CPlayer& player, int suit);
int LowestCardOutInSuit(const CPlayer& player, int suit);
int FirstMissingJack(const CPlayer& player);
int FindOpenCardToPlay(const CPlayer& player);
int PickJack(const CPlayer& player, int suit);
int PickRandomJack(const CPlayer& player, int suit);
int PickHighestTrumpRandomStep(const CPlayer& player, int n);
bool IsTopCard(const CPlayer& player, int card, int ex1, int ex2);
bool AreLowerJacksGone(const CPlayer& player, int card);
bool HasJacksOut(const CPlayer& player);
bool IsSuitSafe(const CPlayer& player, int card, int ex1, int ex2);
bool IsSuitGuarded(const CPlayer& player, int suit, int n, bool exact);
bool AllSuitsTopOrGuarded(const CPlayer& player);
bool CountTopSuits(const CPlayer& player, int n);
bool ChooseSuitSoloistLeadHelper(const CPlayer& player);
bool ChooseTrumpGameHelper(const CPlayer& player, int suit);
int GetSuitWord(const CPlayer& player, int suit);
int GetCountInSuit2(const CPlayer& player, int suit);
