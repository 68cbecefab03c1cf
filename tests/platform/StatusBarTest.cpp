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

// A host that measures text widens a fixed pane to its widest sample and to its current text, never
// below the width it was given; the stretching pane gives up the room. Measure: 7 pixels a letter.
TEST_F(StatusBarTest, MeasuredPanesFitTheirLongestText) {
    const StatusBar::TextMeasure sevenPerLetter = [](const std::string& text) {
        return 7 * static_cast<int>(text.size());
    };
    EXPECT_TRUE(bar.SetPaneSamples(2, {"Variants Skat", "Schieberamsch", "Ramsch"}));
    EXPECT_FALSE(bar.SetPaneSamples(3, {"no such pane"}));
    EXPECT_EQ(bar.PaneWidth(1, sevenPerLetter), 44);
    EXPECT_EQ(bar.PaneWidth(2, sevenPerLetter), 91);  // 13 letters
    EXPECT_EQ(bar.PaneWidth(2, {}), 78);              // no measure: as given
    bar.SetPaneText(1, "999.3-10");                   // 56 pixels
    bar.SetPaneText(2, "120");
    EXPECT_EQ(bar.PaneWidth(1, sevenPerLetter), 56);
    EXPECT_EQ(bar.PaneWidth(2, sevenPerLetter), 91);
    bar.SetPaneText(2, "Variants Skat, Bock round");  // 25 letters, longer than every sample
    EXPECT_EQ(bar.PaneWidth(2, sevenPerLetter), 175);

    const std::vector<Rect> rects = bar.Layout(400, 20, sevenPerLetter);
    EXPECT_EQ(rects[2], (Rect{223, 2, 398, 18}));
    EXPECT_EQ(rects[1], (Rect{165, 2, 221, 18}));
    EXPECT_EQ(rects[0], (Rect{2, 2, 163, 18}));
}

}  // namespace
