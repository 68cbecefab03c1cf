// libFuzzer's entry for the stored-deal file reader (built with KARTOVAN_FUZZ): any bytes must read
// without a crash, and what was read must survive being written and read again.
// In the test build this file holds nothing; the round trip's own tests run there instead.
#ifdef KARTOVAN_FUZZER

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/FileRoundTrips.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = fuzzcheck::CheckStoredDealsRoundTrip({data, size});
    if (!fault.empty()) {
        std::fprintf(stderr, "stored-deal file round trip: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}

#endif
