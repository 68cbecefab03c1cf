#pragma once
// The round trips of the match list, game, stored-deal and statistics files, for the fuzzers and
// their tests: whatever the reader takes from any bytes is written and read again, and must come
// back as the same record, written as the same bytes.

#include <cstdint>
#include <span>
#include <string>

namespace fuzzcheck {

// Each: empty when the round trip holds, else what went wrong.
std::string CheckMatchListRoundTrip(std::span<const std::uint8_t> bytes);
std::string CheckGameFileRoundTrip(std::span<const std::uint8_t> bytes);
std::string CheckStoredDealsRoundTrip(std::span<const std::uint8_t> bytes);
std::string CheckStatisticsRoundTrip(std::span<const std::uint8_t> bytes);

}  // namespace fuzzcheck
