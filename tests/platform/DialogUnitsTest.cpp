#include "platform/core/DialogUnits.h"

#include <gtest/gtest.h>

namespace {

using platform::DialogBaseUnits;
using platform::DialogRect;
using platform::Rect;

TEST(DialogUnitsTest, ConvertsWithRoundingHalvesAwayFromZero) {
    struct Case {
        int dlu;
        int base;
        int x;  // dlu * base / 4
        int y;  // dlu * base / 8
    };
    const Case cases[] = {
        {0, 6, 0, 0},     {4, 6, 6, 3},      {1, 6, 2, 1},     // 1.5 -> 2, 0.75 -> 1
        {3, 6, 5, 2},     {5, 7, 9, 4},      {-1, 6, -2, -1},  // 4.5 -> 5, 2.25 -> 2, 8.75 -> 9, 4.375 -> 4
        {-3, 6, -5, -2},  {2, 5, 3, 1},                         // 2.5 -> 3, 1.25 -> 1
        {1000000000, 8, 2000000000, 1000000000},                // no overflow on the way
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::DialogUnitsToPixelsX(c.dlu, {c.base, 1}), c.x) << c.dlu << " at " << c.base;
        EXPECT_EQ(platform::DialogUnitsToPixelsY(c.dlu, {1, c.base}), c.y) << c.dlu << " at " << c.base;
    }
}

TEST(DialogUnitsTest, RectangleConvertsEdgesSoNeighboursStillTouch) {
    DialogBaseUnits units{7, 13};  // 7/4 and 13/8: sizes alone would round differently
    DialogRect left{3, 3, 5, 5};
    DialogRect right{8, 3, 5, 5};  // starts where `left` ends
    Rect a = platform::DialogRectToPixels(left, units);
    Rect b = platform::DialogRectToPixels(right, units);
    EXPECT_EQ(a, (Rect{5, 5, 14, 13}));  // 5.25, 4.875, 14, 13
    EXPECT_EQ(a.right, b.left);
    EXPECT_EQ(a.Width(), 9);
    EXPECT_EQ(b.Width(), 9);  // 14 .. 22.75 -> 23
}

}  // namespace
