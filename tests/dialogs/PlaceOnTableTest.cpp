// Where a bar lies over the table: centred over the frame, between the middle of the table and its
// lower margin; narrowed by its right-hand group while suggestions are off.

#include "dialogs/AuctionDialog.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/PlayBars.h"
#include "dialogs/RamschBars.h"
#include "dialogs/SkatBars.h"
#include "model/GameState.h"
#include "model/Settings.h"

#include <gtest/gtest.h>

namespace {

using platform::Rect;

// A frame 1001 pixels wide (odd), the table laid out.
const Rect kFrame{100, 50, 1101, 851};
const TablePlacementMetrics kMetrics{22, 18, 200, 106, 9, 45, 97};

struct PlacementCase {
    const char* name;
    Rect bar;
    TablePlacementMetrics metrics;
    int adjust;
    NarrowingRule rule;
    std::optional<Rect> expected;
};

// A failing case names itself, not its bytes.
void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

// top bound 50 + 3 x (106 + 32) + 45 + 200 + 22 - 4 = 727; bottom bound 851 - (18 + 4) = 829;
// half a card 48.
const PlacementCase kCases[] = {
    {"NothingBeforeTheTableIsLaidOut", {0, 0, 300, 40}, {0, 18, 200, 106, 9, 45, 97}, 0, {}, std::nullopt},
    // x = (100 + 1101 - 300) / 2 = 450 (901 / 2 truncated); y = 727 + 48 + (829 - 40 - 727) / 2 = 806.
    {"CentredWithOddSpaceTruncated", {0, 0, 300, 40}, kMetrics, 0, {}, Rect{450, 806, 750, 846}},
    // (829 - 201 - 727) / 2 = -99 / 2 = -49 towards zero, not -50.
    {"NegativeSpaceHalvesTowardsZero", {0, 0, 300, 201}, kMetrics, 0, {}, Rect{450, 726, 750, 927}},
    {"NegativeAdjustNarrows", {0, 0, 300, 40}, kMetrics, -50, {}, Rect{450, 806, 700, 846}},
    {"CutNarrowsWithSuggestionsOff", {0, 0, 300, 40}, kMetrics, 68, {false, false, 0}, Rect{450, 806, 682, 846}},
    {"CutKeptWithSuggestionsOn", {0, 0, 300, 40}, kMetrics, 68, {true, false, 0}, Rect{450, 806, 750, 846}},
    {"HandSuitGameNarrowsWithSuggestionsOn", {0, 0, 300, 40}, kMetrics, 68, {true, true, 2}, Rect{450, 806, 682, 846}},
    {"HandNullNarrowsWithSuggestionsOn", {0, 0, 300, 40}, kMetrics, 68, {true, true, 4}, Rect{450, 806, 682, 846}},
    {"HandGrandNarrowsWithSuggestionsOn", {0, 0, 300, 40}, kMetrics, 68, {true, true, 6}, Rect{450, 806, 682, 846}},
    {"HandRevolutionKeepsItsWidth", {0, 0, 300, 40}, kMetrics, 68, {true, true, 5}, Rect{450, 806, 750, 846}},
    {"HandRamschKeepsItsWidth", {0, 0, 300, 40}, kMetrics, 68, {true, true, 7}, Rect{450, 806, 750, 846}},
    {"UpToAThousandNarrows", {0, 0, 300, 40}, kMetrics, 200, {false, false, 0}, Rect{450, 806, 550, 846}},
    // Narrower than nothing: the bar keeps no width instead of a negative one.
    {"AThousandNeverGivesANegativeWidth", {0, 0, 300, 40}, kMetrics, 1000, {false, false, 0}, Rect{450, 806, 450, 846}},
    {"AboveAThousandWidens", {0, 0, 300, 40}, kMetrics, 1001, {false, false, 0}, Rect{450, 806, 751, 846}},
    {"WidensByTheExcessOverAThousand", {0, 0, 232, 40}, kMetrics, 1068, {true, false, 0}, Rect{484, 806, 784, 846}},
};

class PlaceOnTableRectTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlaceOnTableRectTest, GivesTheWindowRectangle) {
    const PlacementCase& c = GetParam();
    std::optional<Rect> placed = PlaceOnTableRect(kFrame, c.bar, c.metrics, c.adjust, c.rule);
    ASSERT_EQ(placed.has_value(), c.expected.has_value());
    if (placed) {
        EXPECT_EQ(*placed, *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceOnTableRectTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

TEST(PlaceOnTableRect, TheSecondCallCentresTheNarrowedBarAgain) {
    const std::optional<Rect> narrowed = PlaceOnTableRect(kFrame, {0, 0, 300, 40}, kMetrics, 68, {});
    ASSERT_TRUE(narrowed);
    EXPECT_EQ(*narrowed, (Rect{450, 806, 682, 846}));
    // 232 wide now: (1201 - 232) / 2 = 484.
    EXPECT_EQ(PlaceOnTableRect(kFrame, *narrowed, kMetrics, 0, {}), (Rect{484, 806, 716, 846}));
}

// --- Real bars on the laid-out table -----------------------------------------------------------

class BarPlacementTest : public testsupport::BarFixture {
protected:
    // The frame centre and the bar's centre, in screen pixels (twice, to stay whole).
    int FrameCentreTwice() const {
        const Rect frame = app_->MainFrame()->WindowRect();
        return frame.left + frame.right;
    }
    static int Width(const platform::Dialog* bar) { return bar->WindowRect().Width(); }
    static int TemplateWidth(const platform::Dialog* bar) { return bar->MapDialogRect(bar->Template()->rect).Width(); }
};

TEST_F(BarPlacementTest, SuggestionsOffHideExactlyTheRightGroupAndCentreTheRest) {
    g_Settings.Options.Suggest = 0;
    auto* bar = OpenBar<CAuctionDialog>();
    ASSERT_NE(bar, nullptr);
    const int cut = bar->MapDialogRect({0, 0, CAuctionDialog::kCut, 0}).Width();
    EXPECT_EQ(Width(bar), TemplateWidth(bar) - cut);
    // The suggest button lies wholly beyond the narrowed edge; the pass button wholly inside.
    const Rect suggest = ::WindowFromHandle(bar->GetDlgItem(IDC_SUGGEST_GAME))->WindowRect();
    const Rect pass = ::WindowFromHandle(bar->GetDlgItem(IDC_PASS))->WindowRect();
    EXPECT_GE(suggest.left, Width(bar));
    EXPECT_LE(pass.right, Width(bar));
    const Rect placed = bar->WindowRect();
    EXPECT_LE(std::abs(placed.left + placed.right - FrameCentreTwice()), 1);
}

TEST_F(BarPlacementTest, SuggestionsOnKeepTheTemplateWidth) {
    g_Settings.Options.Suggest = 1;
    auto* bar = OpenBar<CAuctionDialog>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Width(bar), TemplateWidth(bar));
}

TEST_F(BarPlacementTest, EveryBarWithACutLosesExactlyThatManyUnits) {
    g_Settings.Options.Suggest = 0;
    const auto check = [this](platform::Dialog* bar, int cutUnits) {
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(Width(bar), TemplateWidth(bar) - bar->MapDialogRect({0, 0, cutUnits, 0}).Width())
            << "template " << bar->Template()->id;
        CloseBar();
    };
    check(OpenBar<CEndSwapRevolutionDialog>(), 84);
    check(OpenBar<CSkatRamschDialog>(), 120);
    check(OpenBar<CEndSwapRamschDialog>(), 192);
    check(OpenBar<CGrandHandDialog>(), 60);
}

TEST_F(BarPlacementTest, BarsWithoutACutKeepTheirWidth) {
    g_Settings.Options.Suggest = 0;
    auto* bar = OpenBar<CSkatDialog>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(Width(bar), TemplateWidth(bar));
}

}  // namespace
