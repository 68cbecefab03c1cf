#pragma once
// The scoring of a finished game, without any window: the signed score, the result text (rich
// text, for the result dialog) and the list text (the short row of the score sheet). The scorers
// read the game record; the caller passes the soloist's matador level and the players' names.

#include <string>

class CCards;
class CPlayer;

struct GameScore {
    int score = 0;           // signed, as listed
    int outcome = 0;         // GameValue's code (won 0, lost, overbid, Schneider or Schwarz missed)
    int valueBeforeFactors = 0;
    bool newRound = false;   // the game sets up a new Bock or Ramsch round
    std::string resultText;  // rich text without the document head and the closing brace
    std::string listText;
    int loser = 3, secondLoser = 3;  // Ramsch: RamschResultSeats
};

struct ScoreNames {
    std::string seat[3];
};

// Suit and Grand games (types 0-3 and 6). seat: -1 played out, else the seat that gave up.
// skatPoints: the skat's card points (a Hand game adds them to the soloist).
GameScore ScoreSuitGame(int seat, int matadors, int skatPoints, const ScoreNames& names);
// Null and Revolution (types 4 and 5).
GameScore ScoreNullGame(int seat, const ScoreNames& names);
// Ramsch (type 7). passOns: the times the skat was pushed (clamped to 0..3); lastTrickWinner
// takes the skat with Variants/RamschStock.
GameScore ScoreRamschGame(int seat, int skatPoints, int passOns, int lastTrickWinner, const ScoreNames& names);
// The overbid recomputation of a lost game whose halved score stays below the bid; changes the
// score, appends its lines to the result text and marks the list text.
void ApplyOverbid(GameScore& result, int bid);
// The whole scoring of a finished game as its end runs it: the scorer of the game type, for suit
// games and Grand with the soloist's matadors over his cards and the skat, then the overbid
// recomputation. skat: the skat as it lies (laid away, or the dealt skat of a Hand game);
// ramschPushes: the times a Ramsch skat was pushed on. Reads and completes the game record.
GameScore ScoreFinishedGame(int seat, CPlayer* soloist, const CCards& skat, int ramschPushes, const ScoreNames& names);
// Whether this game sets up a new Bock or Ramsch round; appends the reason to the text.
// gamesListed: the games listed before this one. soloistPoints: the soloist's card points.
bool NoticeBock(int outcome, int value, int soloistPoints, int gamesListed, std::string& text);
