#pragma once
// The card lookups that read the game being played (g_Game.GameType): a card's suit and strength
// under the game type, and what kind of game it is. The game type is read at each lookup, never
// kept: the computer sets trial types while it weighs a game. Inline: the computer asks them in
// every step of its thinking.

#include "model/CardCodes.h"
#include "model/GameState.h"

// Suit of a card. With plain false a Jack in a trump game (types 0-3, 6, 7) yields GameType
// itself (its effective suit); otherwise the printed suit. -1 gives -1.
inline int GetCardSuit(int card, bool plain) {
    using namespace cardtables;
    if (!InCodeRange(card)) return -1;
    return plain ? Tables.plainSuit[card] : Tables.effectiveSuit[TypeRow(g_Game.GameType)][card];
}
// Strength of a card, comparable only within one effective suit; -1 gives -1.
inline int GetCardOrder(int card) {
    using namespace cardtables;
    return InCodeRange(card) ? Tables.order[TypeRow(g_Game.GameType)][card] : -1;
}
// True while GameType is Null or Revolution.
inline bool IsNullGame() { return g_Game.GameType == GAME_NULL || g_Game.GameType == GAME_REVOLUTION; }
// True while GameType is Ramsch, or Durchmarsch while its option is evaluated.
inline bool IsRamschGame() { return g_Game.GameType == GAME_RAMSCH || g_Game.GameType == GAME_DURCHMARSCH; }
