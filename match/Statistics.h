#pragma once
// The game and card statistics block, kept in the work folder's file "statistics2" exactly as it
// lies in memory: 4200 bytes of little-endian words, the game statistics (2648 bytes) first, then
// the card statistics (1552 bytes). The statistics windows draw it and change its view words.

#include "match/OwnFiles.h"
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

inline constexpr std::size_t kStatisticsBytes = 4200;
inline constexpr std::size_t kGameStatisticsBytes = 2648;
inline constexpr std::size_t kCardStatisticsBytes = kStatisticsBytes - kGameStatisticsBytes;  // 1552
inline constexpr int kStatisticsTypes = 6;    // rule Skat, variants, Null, suit, Grand, Ramsch
inline constexpr int kStatisticsArrays = 18;  // soloist, opponent, won ... Rekontra
inline constexpr int kCardTables = 3;         // match, all time, test deals
inline constexpr int kCardRows = 4;           // seats 0, 1, 2 and the skat
inline constexpr int kCardColumns = 32;       // 8 x suit + rank position

// The arrays of the game statistics, by index.
enum StatisticsArray : int {
    STAT_SOLOIST = 0, STAT_OPPONENT, STAT_WON_SINGLY, STAT_WON_TOTAL, STAT_LOST_SINGLY, STAT_LOST_TOTAL,
    STAT_SCORE, STAT_OUVERT, STAT_HAND, STAT_SCHNEIDER_ANNOUNCED, STAT_SCHWARZ_ANNOUNCED, STAT_SCHNEIDER,
    STAT_SCHWARZ, STAT_PASSED_ON, STAT_DURCHMARSCH, STAT_JUNGFRAU, STAT_KONTRA, STAT_REKONTRA
};

// The card tables, by index.
enum CardTable : int { CARDS_MATCH = 0, CARDS_ALL_TIME = 1, CARDS_TEST = 2 };

struct CStatisticsBlock {
    std::array<std::int32_t, kStatisticsBytes / 4> Words{};

    // Game statistics. mode 0 the current match, 1 all time.
    std::int32_t& TypeSelection() { return Words[0]; }
    std::int32_t& ModeSelection() { return Words[1]; }
    std::int32_t& Count(int type, int mode) { return Words[2 + 2 * type + mode]; }
    std::int32_t& Counter(int array, int type, int mode, int seat) {
        return Words[14 + 36 * array + 3 * (2 * type + mode) + seat];
    }
    // Card statistics.
    std::int32_t& CardView() { return Words[662]; }
    std::int32_t& CardCount(int table) { return Words[663 + table]; }
    std::int32_t& CardCounter(int table, int row, int column) {
        return Words[666 + 128 * table + 32 * row + column];
    }

    // Every word of the game part to 0 (selections, counts, arrays).
    void InitGameStatistics();
    // Every word of the card part to 0.
    void ResetCardStatistics();
    // The current match's entries of the game part to 0.
    void ResetMatchGameStatistics();
    // The match count and the match table to 0.
    void ResetMatchCardStatistics();

    bool operator==(const CStatisticsBlock&) const = default;
};

// The block of the program's run; null until the start-up read.
extern std::unique_ptr<CStatisticsBlock> g_pStatistics;
// The statistics file as the program last read or wrote it.
extern SeenFile g_StatisticsSeen;

// Any length reads: the first 4200 bytes are taken, a file of 2648 bytes or less starts the card
// part afresh. The view selections are kept within their lists and no counter reads negative.
CStatisticsBlock DecodeStatistics(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodeStatistics(const CStatisticsBlock& block);
