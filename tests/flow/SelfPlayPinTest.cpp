// The self-play signatures, pinned: three demonstration matches of the whole program (official
// rules, variant Skat, the Ramsch-only rule) hash every bid, declaration, card and score. A change
// that plays differently must change the value here in the same commit and say why; a refactoring
// or a speed step must leave all three as they are.
#include "DemoMatch.h"

#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>

namespace {

struct PinnedMatch {
    const char* name;
    int variantMode;
    long games;
    std::uint64_t seed;
    std::uint64_t signature;
};

std::string Hex(std::uint64_t value) {
    char text[20];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    return text;
}

class SelfPlayPin : public ::testing::TestWithParam<PinnedMatch> {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override { testsupport::ResetProgramGlobals(); }
};

TEST_P(SelfPlayPin, SignatureIsUnchanged) {
    DemoMatchOptions options;
    options.games = GetParam().games;
    options.seed = GetParam().seed;
    options.variantMode = GetParam().variantMode;
    const DemoMatchResult result = PlayDemoMatch(options);
    ASSERT_TRUE(result.ok()) << result.fault << " (seed " << result.failedSeed << ")";
    ASSERT_EQ(result.games, GetParam().games);
    EXPECT_EQ(Hex(result.signature), Hex(GetParam().signature))
        << "the " << GetParam().name << " games changed: if on purpose, pin the new value and say why";
}

// kartovan-selfplay --games 300 --seed 1 --rules official|variant|ramsch prints the same values.
INSTANTIATE_TEST_SUITE_P(Matches, SelfPlayPin,
                         ::testing::Values(PinnedMatch{"Official", 0, 300, 1, 0xc099cd19f544b102ULL},
                                           PinnedMatch{"Variant", 1, 300, 1, 0xf6a0caf89eba313eULL},
                                           PinnedMatch{"Ramsch", 2, 300, 1, 0x44382c2b59cee6d3ULL}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
