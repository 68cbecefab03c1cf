#pragma once
// The value and outcome of a declared game, from the game record: game type, announcements, the
// soloist's tricks and card points, the matador level and the bid. Also completes the counters when
// a player gives up. Kontra, Rekontra and Bock factors are applied by the result code.

// Result codes.
enum GameResult : int {
    RESULT_WON = 0,
    RESULT_LOST = -1,               // also the answer for Ramsch
    RESULT_OVERBID = -2,
    RESULT_SCHNEIDER_MISSED = -3,   // Schneider announced, fewer than 90 points
    RESULT_SCHWARZ_MISSED = -4,     // Schwarz announced (or demanded by Ouvert), not all tricks
};

// seat: -1 for a game played out, or the seat that gives up. matadors: the soloist's signed
// matador level over hand and skat (+ with, - without). Writes the value (negative when not won).
int GameValue(int seat, int& value, int matadors);
// What a suit or Grand game has announced: Schwarz announced includes Schneider announced, and an
// Ouvert game (ouvert 1) under the official rules or with Variants/Ouvert 3 has both. Each counts
// two levels of the game, the announcement and what it announces, whether reached or not.
struct AnnouncedLevels {
    bool schneider = false;
    bool schwarz = false;
};
AnnouncedLevels AnnouncedTrumpLevels(int ouvert);
// The suit and Grand part of GameValue.
int CalcTrumpGameValue(int seat, int base, int ouvert, int& value, int matadors);
// 2, or 1 for a lost Hand game under the variant rules with Variants/Hand off.
int LostGameFactor();
// The value of a Null game from the announcements: 23, Hand 35, Ouvert 46, Ouvert Hand 59.
int NullGameValue();
