#include "platform/core/Random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace {

TEST(RandomTest, SameSeedReplaysAndStaysInRange) {
    SeedRand(42);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) first.push_back(Rand());
    SeedRand(42);
    for (int i = 0; i < 1000; ++i) {
        int v = Rand();
        ASSERT_EQ(v, first[i]) << "draw " << i;
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
    // Well spread: a thousand draws over 32768 values hardly repeat.
    EXPECT_GT(std::set<int>(first.begin(), first.end()).size(), 950u);
}

TEST(RandomTest, ScriptedDrawsComeFirstThenGeneratorResumes) {
    SeedRand(7);
    int a = Rand();
    int b = Rand();
    SeedRand(7);
    platform::Random().Script({5, 32768 + 3, -1});
    EXPECT_EQ(Rand(), 5);
    EXPECT_EQ(Rand(), 3);
    EXPECT_EQ(Rand(), 32767);
    EXPECT_EQ(Rand(), a);
    EXPECT_EQ(Rand(), b);
    EXPECT_EQ(platform::Random().DrawCount(), 5u);
}

TEST(RandomTest, DifferentSeedsDiffer) {
    SeedRand(1);
    int a = Rand();
    SeedRand(2);
    EXPECT_NE(a, Rand());
}

// Nearby seeds give unrelated sequences: seed s + 1 is neither seed s one draw later nor seed s
// itself, so neighbouring seeds deal different hands.
TEST(RandomTest, NearbySeedsGiveUnrelatedSequences) {
    auto draws = [](std::uint32_t seed, int skip) {
        SeedRand(seed);
        for (int i = 0; i < skip; ++i) Rand();
        std::vector<int> row;
        for (int i = 0; i < 8; ++i) row.push_back(Rand());
        return row;
    };
    for (std::uint32_t seed = 0; seed <= 200; ++seed) {
        const std::vector<int> next = draws(seed + 1, 0);
        EXPECT_NE(next, draws(seed, 1)) << "seed " << seed + 1 << " is seed " << seed << " one draw later";
        EXPECT_NE(next, draws(seed, 0)) << "seeds " << seed << " and " << seed + 1 << " give the same draws";
    }
}

}  // namespace
