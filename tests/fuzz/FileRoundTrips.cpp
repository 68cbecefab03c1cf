#include "fuzz/FileRoundTrips.h"

#include "match/GameFile.h"
#include "match/MatchListFile.h"
#include "match/Statistics.h"
#include "match/StoredDealFile.h"
#include "support/MatchListEncoding.h"

namespace fuzzcheck {

namespace {
// Decode, encode, decode: the written file reads, and the record read from it is the same, which
// the encoders (byte for byte, every field) show by writing the same bytes again.
template <typename Decode, typename Encode>
std::string CheckRoundTrip(std::span<const std::uint8_t> bytes, Decode decode, Encode encode) {
    const auto first = decode(bytes);
    if (!first) return {};
    const std::vector<std::uint8_t> written = encode(*first);
    const auto second = decode(written);
    if (!second) return "the written file does not read";
    if (encode(*second) != written) return "the written file reads as another record";
    return {};
}
}  // namespace

std::string CheckMatchListRoundTrip(std::span<const std::uint8_t> bytes) {
    return CheckRoundTrip(bytes, DecodeMatchList, testsupport::EncodeMatchList);
}

std::string CheckGameFileRoundTrip(std::span<const std::uint8_t> bytes) {
    const auto decode = [](std::span<const std::uint8_t> data) { return DecodeGameFile(data).Record; };
    return CheckRoundTrip(bytes, decode, EncodeGameFile);
}

std::string CheckStoredDealsRoundTrip(std::span<const std::uint8_t> bytes) {
    // Every record the block holds is written, as the program does for the deals it counted.
    const auto encode = [](const CStoreRows& rows) { return EncodeStoredDeals(rows, StoreRecords(rows)); };
    return CheckRoundTrip(bytes, DecodeStoredDeals, encode);
}

std::string CheckStatisticsRoundTrip(std::span<const std::uint8_t> bytes) {
    const auto decode = [](std::span<const std::uint8_t> data) { return std::optional(DecodeStatistics(data)); };
    return CheckRoundTrip(bytes, decode, EncodeStatistics);
}

}  // namespace fuzzcheck
