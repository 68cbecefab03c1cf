#pragma once
// A whole match list file as bytes, the rows and then the trailer when the record has one: the other
// half of DecodeMatchList for round trips in tests, the readers' fuzzers and the benchmarks. (The
// program writes the rows and the trailer apart, as the list grows.)

#include "match/MatchListFile.h"

#include <cstdint>
#include <vector>

namespace testsupport {

inline std::vector<std::uint8_t> EncodeMatchList(const MatchListRecord& record) {
    std::vector<std::uint8_t> bytes = EncodeListRows(record.Header, record.Games);
    if (record.Settings) {
        const std::vector<std::uint8_t> trailer = EncodeListSettings(*record.Settings);
        bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    }
    return bytes;
}

}  // namespace testsupport
