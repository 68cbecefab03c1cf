// The colour scale from red to green: its ends, its shared last green, and indexes kept within it.
#include "windows/PastelBrushes.h"

#include <gtest/gtest.h>

namespace {

TEST(PastelBrushesTest, ScaleAndClamping) {
    EXPECT_EQ(PastelBrushes[0].color, platform::Rgb(248, 177, 177));
    EXPECT_EQ(PastelBrushes[5].color, platform::Rgb(231, 248, 177));
    EXPECT_EQ(PastelBrushes[8].color, platform::Rgb(196, 248, 177));
    EXPECT_EQ(PastelBrushes[9], PastelBrushes[10]);
    const struct {
        int index, used;
    } cases[] = {{-5, 0}, {0, 0}, {4, 4}, {10, 10}, {11, 10}, {1000, 10}};
    for (const auto& c : cases) EXPECT_EQ(PastelBrush(c.index), PastelBrushes[static_cast<std::size_t>(c.used)]) << c.index;
}

}  // namespace
