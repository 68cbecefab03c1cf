#pragma once
// The questions the card play asks of a player's hand and knowledge: which cards of a suit are still
// out, who may still hold a suit, and the card queries the strategy families choose their cards by
// (pick the highest, lowest or a low card of a suit, the held neighbour of a card, the top card still
// in play ...). None changes the hand; the random tie counter is the only state the card queries
// touch. The knowledge questions are the model's (model/PlayerKnowledge.cpp), the card queries the
// computer player's (computer/play/CardQueries.cpp, computer/play/PlayTests.cpp).
//
// Cards are codes, -1 = none; a suit of the card queries is 0..3, or -1 for the trumps.

#include "model/PlayerData.h"

// ---- Card knowledge
// Cards of a suit (0..8) highest first: with held false those still out (neither held nor gone for
// the player's seat), with held true his own. When suit is GameType the Jacks come first. list (when
// given) needs room for 11 cards. Returns the count.
int CollectSuit(const CPlayer& player, int suit, bool held, int* list);
// The first card CollectSuit(player, suit, false, list) lists (the highest still out), -1 when none.
int HighestOutstanding(const CPlayer& player, int suit);
// Whether seat may still hold cards of suit (a suit index, or GameType for the trumps).
bool MayHoldSuit(const CPlayer& player, int seat, int suit);
// Whether his own cards and the cards gone make the whole suit.
bool IsSuitExhausted(const CPlayer& player, int suit);
// Cards of the suit not gone for his seat, his own included.
int CountOutstanding(const CPlayer& player, int suit);
// False only when, in an Ouvert game, both he and the linked player hold the suit and his highest
// card of it outranks the linked player's highest.
bool LinkedHoldsHigher(const CPlayer& player, int suit);

// ---- Card queries of the card play
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
bool RamschJackTest(const CPlayer& player, int mode, int value);
int CountSuitsWithLowCards(const CPlayer& player);
