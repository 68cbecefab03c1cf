// The file readers' round trips on bytes made by hand, damaged ones included: whatever was read
// comes back the same after writing and reading again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FileRoundTrips.h"

namespace {

std::vector<std::uint8_t> Words(std::size_t size, std::uint32_t fill) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(fill >> (8 * (i % 4)));
    return bytes;
}

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    if (bytes.size() < at + 4) bytes.resize(at + 4, 0);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(FileRoundTrips, MatchLists) {
    std::vector<std::uint8_t> hostile = Words(352 + 44 * 3, 0xFFFFFF80);  // marks, texts, counters all wrong
    std::vector<std::uint8_t> withTrailer = Words(352 + 44, 0x01010101);
    PutWord(withTrailer, withTrailer.size(), 0xAABBCCDD);
    withTrailer.resize(withTrailer.size() + 368, 0xE4);  // the texts run to the file's end unterminated
    withTrailer.push_back(0);
    withTrailer.resize(withTrailer.size() + 400, 'x');
    std::vector<std::uint8_t> cut = Words(352 + 44, 0);
    PutWord(cut, cut.size(), 0xAABBCCDD);
    for (const auto& bytes : {hostile, withTrailer, cut, Words(351, 0), Words(352, 0x7F)})
        EXPECT_EQ(fuzzcheck::CheckMatchListRoundTrip(bytes), "") << bytes.size();
}

TEST(FileRoundTrips, GameFiles) {
    std::vector<std::uint8_t> deal;
    const int cards[32] = {1,  7,  8,  9,  10, 11, 12, 13, 14, 20, 21, 22, 23, 24, 25, 26,
                           27, 33, 34, 35, 36, 37, 38, 39, 40, 46, 47, 48, 49, 50, 51, 52};
    for (int i = 0; i < 32; ++i) PutWord(deal, 4 * i, static_cast<std::uint32_t>(cards[i]));
    std::vector<std::uint8_t> note = deal;
    for (int byte = 0; byte < 256; ++byte) note.push_back(static_cast<std::uint8_t>(byte));  // every byte value
    // A course record after the deal, the file padded with zeros to 600 bytes.
    std::vector<std::uint8_t> course(600, 0);
    std::copy(deal.begin(), deal.end(), course.begin());
    PutWord(course, 256, 1001);
    for (const auto& bytes : {deal, note, course, Words(127, 1)})
        EXPECT_EQ(fuzzcheck::CheckGameFileRoundTrip(bytes), "") << bytes.size();
}

TEST(FileRoundTrips, StoredDealsAndStatistics) {
    for (std::size_t size : {0u, 39u, 40u, 79u, 80u, 200u, 40u + 160u * 2 + 17u})
        EXPECT_EQ(fuzzcheck::CheckStoredDealsRoundTrip(Words(size, 0x8000FF01)), "") << size;
    for (std::size_t size : {0u, 3u, 2648u, 3000u, 4200u, 5000u})
        EXPECT_EQ(fuzzcheck::CheckStatisticsRoundTrip(Words(size, 0x80000007)), "") << size;
}

}  // namespace
