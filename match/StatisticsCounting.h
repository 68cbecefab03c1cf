#pragma once
// Counting into the statistics block: a finished game into the game statistics, a deal's cards
// into the card statistics. The game comes as a plain record, so the counting runs without a frame.

#include "match/Statistics.h"

#include <array>
#include <cstdint>
#include <string>

// What the game statistics read of a finished game.
struct StatisticsGame {
    int GameType = 0;  // may carry a negative sign
    int VariantMode = 0;
    int Soloist = 0;
    int KontraState = 1;  // 1 none, 2 Kontra, 4 Rekontra
    int KontraSeat = 3;
    int OuvertAnnounced = 0, HandAnnounced = 0, SchneiderAnnounced = 0, SchwarzAnnounced = 0;
    int PartyPoints[3] = {0, 0, 0};
    int PartyTricks[3] = {0, 0, 0};
    int PassedOnFlags[3] = {0, 0, 0};
    int RamschLoser = 3, RamschSecondLoser = 3;
};

// The class of a game: 2 Null, 3 suit, 4 Grand, 5 Ramsch, 6 Grand of the Ramsch-only rule set.
int StatisticsClass(const StatisticsGame& game);
// Its name in the trace: "NULL", "SUIT", "GRAND", "RAMSCH", "RAMSCH_GRAND".
const char* StatisticsClassName(int statisticsClass);
// Counts the finished game with its listed score (negative when the soloist lost).
void CountFinishedGame(CStatisticsBlock& block, const StatisticsGame& game, int score);

// One deal's cards as flags: a word per holder (seats 0, 1, 2, the skat), bit c for column c.
using CardLatch = std::array<std::uint32_t, kCardRows>;
// The column of a card in the card tables (8 x suit + rank position), -1 for no card.
int CardStatisticsColumn(int card);
// Sets the holder's flag of every card code that is a card.
void LatchCards(CardLatch& latch, int row, const int* cards, int count);
// Adds the latch to the tables: kind 0 a real deal (match and all time), else a test deal.
void AddLatchToTables(CStatisticsBlock& block, const CardLatch& latch, int kind);
