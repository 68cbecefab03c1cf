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
struct HandInfo;

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
int HeldCard(const CPlayer& player, int suit, int rank);
bool IsHeld(const CPlayer& player, int card);
bool IsGoneFor(const CPlayer& player, int card);
// Neither held nor gone for the player's seat.
bool IsOut(const CPlayer& player, int card);
// The player's count of a suit: with the Jack in Null and Revolution, without otherwise; 0 for a
// suit outside 0..3.
int PlainCount(const CPlayer& player, int suit);
int PlainCount(const HandInfo& info, int suit);
// The cards of a suit without its Jack, whatever the game; 0 for a suit outside 0..3.
int SuitCountOf(const CPlayer& player, int suit);
// Whether the player holds the card of a suit and rank; false for a suit or rank out of range.
bool Holds(const CPlayer& player, int suit, int rank);
// The Jack of a suit.
int JackOf(int suit);
// Whether a suit is the trump suit of the current suit game.
bool IsTrumpSuit(int suit);

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
bool IsDefender(const CPlayer& player);
// Whether the soloist may still hold a column (a suit, or the trumps) in the player's knowledge.
bool SoloistMayHold(const CPlayer& player, int column);
// Whether the player may play a card now: a card he holds that the trick's lead allows.
bool MayPlay(const CPlayer& player, int card);
