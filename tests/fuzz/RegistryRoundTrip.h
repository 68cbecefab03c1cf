#pragma once
// The round trip of the settings file, for the fuzzer and its tests: what the reader makes of any
// text is written and read again, and must come back as the same tree from a clean file.

#include <string>
#include <string_view>

namespace fuzzcheck {

// Empty when the round trip holds, else what went wrong.
std::string CheckRegistryRoundTrip(std::string_view text);

}  // namespace fuzzcheck
