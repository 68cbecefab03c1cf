#include "platform/core/StatusBar.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using platform::Rect;
using platform::StatusBar;

// The frame's bar: a stretching text pane, then 44 and 78 pixels.
class StatusBarTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(bar.SetPanes({{0, true}, {44, false}, {78, false}})); }
    StatusBar bar;
};

TEST_F(StatusBarTest, StretchingPaneTakesWhatTheFixedOnesLeave) {
    std::vector<Rect> rects = bar.Layout(640, 24);
    ASSERT_EQ(rects.size(), 3u);
    // 2 border + stretch + 2 gap + 44 + 2 gap + 78 + 2 border = 640 -> stretch 510
    EXPECT_EQ(rects[0], (Rect{2, 2, 512, 22}));
    EXPECT_EQ(rects[1], (Rect{514, 2, 558, 22}));
    EXPECT_EQ(rects[2], (Rect{560, 2, 638, 22}));
}

TEST_F(StatusBarTest, NarrowBarShrinksTheStretchingPaneToNothingAndCutsTheRest) {
    std::vector<Rect> rects = bar.Layout(100, 24);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].Width(), 0);
    EXPECT_EQ(rects[1], (Rect{4, 2, 48, 22}));
    EXPECT_EQ(rects[2], (Rect{50, 2, 98, 22}));  // cut at the right border
    for (const Rect& r : bar.Layout(0, 0)) {
        EXPECT_GE(r.Width(), 0);
        EXPECT_GE(r.Height(), 0);
    }
}

TEST_F(StatusBarTest, StretchingPaneInTheMiddle) {
    ASSERT_TRUE(bar.SetPanes({{30, false}, {0, true}, {40, false}}));
    std::vector<Rect> rects = bar.Layout(200, 20);
    EXPECT_EQ(rects[0], (Rect{2, 2, 32, 18}));
    EXPECT_EQ(rects[1], (Rect{34, 2, 156, 18}));
    EXPECT_EQ(rects[2], (Rect{158, 2, 198, 18}));
}

TEST_F(StatusBarTest, RejectsTwoStretchingPanesOrNegativeWidths) {
    EXPECT_FALSE(bar.SetPanes({{0, true}, {0, true}}));
    EXPECT_FALSE(bar.SetPanes({{-5, false}}));
    EXPECT_EQ(bar.PaneCount(), 3);  // unchanged
}

TEST_F(StatusBarTest, PaneTextsAndUpdateRequests) {
    std::vector<std::pair<int, bool>> changes;
    bar.OnTextChanged([&](int pane, bool immediate) { changes.emplace_back(pane, immediate); });
    EXPECT_TRUE(bar.SetPaneText(0, "Bereit"));
    EXPECT_TRUE(bar.SetPaneText(2, "Kontra", false));
    EXPECT_FALSE(bar.SetPaneText(3, "no such pane"));
    EXPECT_FALSE(bar.SetPaneText(-1, "no such pane"));
    EXPECT_EQ(bar.PaneText(0), "Bereit");
    EXPECT_EQ(bar.PaneText(1), "");
    EXPECT_EQ(bar.PaneText(2), "Kontra");
    EXPECT_EQ(bar.PaneText(7), "");
    EXPECT_EQ(changes, (std::vector<std::pair<int, bool>>{{0, true}, {2, false}}));
    bar.SetFont(6);
    EXPECT_EQ(bar.Font(), 6);
}

// New panes and a new font are announced for the host to lay the bar out anew; refused panes are
// not, as nothing changed.
TEST_F(StatusBarTest, NewPanesAndFontAreAnnounced) {
    int announced = 0;
    bar.OnShapeChanged([&] { ++announced; });
    EXPECT_TRUE(bar.SetPanes({{0, true}, {30, false}}));
    EXPECT_EQ(announced, 1);
    EXPECT_FALSE(bar.SetPanes({{0, true}, {0, true}}));
    EXPECT_EQ(announced, 1);
    bar.SetFont(12);
    EXPECT_EQ(announced, 2);
    bar.OnShapeChanged({});
    bar.SetFont(6);
    EXPECT_EQ(announced, 2);
}

}  // namespace
