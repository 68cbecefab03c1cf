#include "match/Statistics.h"

#include "platform/core/ByteIo.h"

#include <algorithm>

std::unique_ptr<CStatisticsBlock> g_pStatistics;
SeenFile g_StatisticsSeen;

namespace {
constexpr std::size_t kCardPartWord = kGameStatisticsBytes / 4;  // 662
}

void CStatisticsBlock::InitGameStatistics() {
    std::fill(Words.begin(), Words.begin() + kCardPartWord, 0);
}

void CStatisticsBlock::ResetCardStatistics() { std::fill(Words.begin() + kCardPartWord, Words.end(), 0); }

void CStatisticsBlock::ResetMatchGameStatistics() {
    for (int type = 0; type < kStatisticsTypes; ++type) {
        Count(type, 0) = 0;
        for (int array = 0; array < kStatisticsArrays; ++array)
            for (int seat = 0; seat < 3; ++seat) Counter(array, type, 0, seat) = 0;
    }
}

void CStatisticsBlock::ResetMatchCardStatistics() {
    CardCount(CARDS_MATCH) = 0;
    for (int row = 0; row < kCardRows; ++row)
        for (int column = 0; column < kCardColumns; ++column) CardCounter(CARDS_MATCH, row, column) = 0;
}

CStatisticsBlock DecodeStatistics(std::span<const std::uint8_t> bytes) {
    CStatisticsBlock block;
    platform::ByteReader reader(bytes.first(std::min(bytes.size(), kStatisticsBytes)));
    for (std::int32_t& word : block.Words) {
        const auto value = reader.ReadInt32();
        if (!value) break;
        word = *value;
    }
    if (bytes.size() <= kGameStatisticsBytes) block.ResetCardStatistics();
    // Selections index the windows' lists; counters are never negative. The score sums may be.
    const std::size_t scoreFirst = &block.Counter(STAT_SCORE, 0, 0, 0) - block.Words.data();
    const std::size_t scoreEnd = scoreFirst + 3 * 2 * kStatisticsTypes;
    for (std::size_t i = 0; i < block.Words.size(); ++i)
        if (i < scoreFirst || i >= scoreEnd) block.Words[i] = std::max(block.Words[i], 0);
    block.TypeSelection() = std::min(block.TypeSelection(), kStatisticsTypes - 1);
    block.ModeSelection() = std::min(block.ModeSelection(), 1);
    block.CardView() = std::min(block.CardView(), kCardTables - 1);
    return block;
}

std::vector<std::uint8_t> EncodeStatistics(const CStatisticsBlock& block) {
    platform::ByteWriter writer;
    for (std::int32_t word : block.Words) writer.WriteInt32(word);
    return writer.Bytes();
}
