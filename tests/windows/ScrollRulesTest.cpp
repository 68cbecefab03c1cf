// The side windows' scroll and wheel arithmetic: lines and pages stop at the ends of the range,
// the thumb sets its position, other codes do nothing; wheel units add up to whole lines.
#include "windows/ScrollRules.h"

#include "platform/core/ControlMessages.h"

#include <gtest/gtest.h>

namespace {

using sidewindow::ApplyScrollCode;
using sidewindow::SplitWheel;

TEST(ScrollRulesTest, CodesNearBothEndsOfTheRange) {
    // Range 0..100, line 16, page 200 - 22.
    const struct {
        const char* what;
        unsigned code;
        int position, track;
        bool set;
        int newPosition, moved;
    } cases[] = {
        {"line up in the middle", SB_LINEUP, 50, 0, true, 34, -16},
        {"line up near the start stops at 0", SB_LINEUP, 10, 0, true, 0, -10},
        {"line up at the start does nothing", SB_LINEUP, 0, 0, false, 0, 0},
        {"line down near the end stops at the end", SB_LINEDOWN, 90, 0, true, 100, 10},
        {"line down at the end does nothing", SB_LINEDOWN, 100, 0, false, 100, 0},
        {"page down from the start goes to the end", SB_PAGEDOWN, 0, 0, true, 100, 100},
        {"page up at the start does nothing", SB_PAGEUP, 0, 0, false, 0, 0},
        {"page up from the end", SB_PAGEUP, 100, 0, true, 0, -100},
        {"thumb track moves and scrolls", SB_THUMBTRACK, 20, 70, true, 70, 50},
        {"thumb track past the end stays in range", SB_THUMBTRACK, 20, 500, true, 100, 80},
        {"thumb drop sets without scrolling", SB_THUMBPOSITION, 20, 70, true, 70, 0},
        {"top is ignored", SB_TOP, 50, 0, false, 50, 0},
        {"bottom is ignored", SB_BOTTOM, 50, 0, false, 50, 0},
        {"end of scrolling is ignored", SB_ENDSCROLL, 50, 0, false, 50, 0},
    };
    for (const auto& c : cases) {
        const auto step = ApplyScrollCode(c.code, c.position, 0, 100, 16, sidewindow::ScrollPage(200, true), c.track);
        EXPECT_EQ(step.set, c.set) << c.what;
        EXPECT_EQ(step.position, c.newPosition) << c.what;
        EXPECT_EQ(step.moved, c.moved) << c.what;
    }
}

TEST(ScrollRulesTest, PageIsTheClientLessTheOtherBar) {
    EXPECT_EQ(sidewindow::ScrollPage(300, false), 300);
    EXPECT_EQ(sidewindow::ScrollPage(300, true), 278);
    const auto step = ApplyScrollCode(SB_PAGEDOWN, 0, 0, 1000, 16, sidewindow::ScrollPage(300, true), 0);
    EXPECT_EQ(step.position, 278);
}

TEST(ScrollRulesTest, WheelUnitsAddUpToLines) {
    const struct {
        const char* what;
        int rest, delta;
        int lines;
        bool up;
        int newRest;
    } cases[] = {
        {"half a notch scrolls nothing", 0, 60, 0, true, 60},
        {"the second half makes one line up", 60, 60, 1, true, 0},
        {"two notches down", 0, -240, 2, false, 0},
        {"a notch and a bit down keeps the bit", 0, -130, 1, false, -10},
        {"an opposite turn first uses up the rest", 100, -130, 0, false, -30},
        {"a small rest up", 0, 119, 0, true, 119},
    };
    for (const auto& c : cases) {
        const auto wheel = SplitWheel(c.rest, c.delta);
        EXPECT_EQ(wheel.lines, c.lines) << c.what;
        if (wheel.lines > 0) {
            EXPECT_EQ(wheel.up, c.up) << c.what;
        }
        EXPECT_EQ(wheel.rest, c.newRest) << c.what;
    }
}

}  // namespace
