#pragma once
// A whole match list file as bytes, the rows and then the trailer when the record has one: the other
// half of DecodeMatchList for round trips in tests, the readers' fuzzers and the benchmarks. (The
// program writes the rows and the trailer apart, as the list grows.)

#include "match/MatchListFile.h"

#include <cstdint>
#include <vector>

namespace testsupport {

inline std::vector<std::uint8_t> EncodeMatchList(const MatchListRecord& record) {
    if (!record.Settings) return EncodeListRows(record.Header, record.Games);
    return EncodeListFile(record.Header, record.Games, EncodeListSettings(*record.Settings));
}

}  // namespace testsupport
