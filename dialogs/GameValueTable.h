#pragma once
// The game value table: for every rung of the bid ladder, the games that are worth exactly that
// value, each with its tops, what was announced, what was reached in play and its factor. The
// game value panel shows the rows of the rung it is asked for; the rows are laid down once, at
// compile time, from the game value rule (level x base).

#include <span>
#include <string>

struct GameValueRow {
    int game;       // the game name's string id: 41301-41304 the suits (Diamonds up to Clubs),
                    // 41305-41308 Null, Null Hand, Null Ouvert, Null Ouvert Hand, 41309
                    // Revolution, 41311 Grand
    int tops;       // negative t: with or without |t| tops; positive: with t only; 0: none counted
    int announced;  // string id of the announcement (42031 Hand, 42033 Schneider announced,
                    // 42035 Schwarz announced, 42036 Ouvert); 0 none
    int played;     // string id of the level reached in play (42032 Schneider, 42034 Schwarz); 0 none
    int factor;     // the level the game is multiplied by
};

// The base value of a row's game (9-12 the suits, 24 Grand, 23/35/46/59 Null, 92 Revolution).
int GameValueBase(int game);
// The rows of one rung (0..63); none outside the ladder.
std::span<const GameValueRow> GameValueRows(int ladderIndex);

// The rich text the panel shows for one rung: the document head (string 41314), the rows parted by
// "\par ", each row's game name, tops, announcement, level reached, factor and rung, then " }".
std::string GameValueRichText(int ladderIndex);
