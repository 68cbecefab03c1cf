#include "match/WindowSections.h"

#include "platform/core/Registry.h"

#include <gtest/gtest.h>

namespace {

class WindowSectionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SetRegistryKey("Kartovan+", "skat");
        platform::CurrentUserRegistry().Clear();
    }
    void TearDown() override { platform::CurrentUserRegistry().Clear(); }
};

TEST_F(WindowSectionsTest, DefaultRectangles) {
    const struct {
        const char* section;
        int left, top, right, bottom;
    } cases[] = {
        {"RectScore", 418, 316, 1058, 614},
        {"RectStore", 418, 614, 874, 870},
        {"RectCardStatistics", 0, 0, 441, 742},
        {"RectGameStatistics", 0, 0, 500, 800},
        {"RectTrickEstimation", 0, 0, 500, 800},
        {"RectLog", 401, 321, 861, 621},
        {"RectLegend", 0, 0, 0, 0},
        {"RectAnnotation", 0, 614, 0, 614},
        {"RectData", 0, 614, 0, 614},
        {"RectState", 0, 614, 0, 614},
        {"RectGameValue", 417, 0, 417, 0},
    };
    for (const auto& c : cases) {
        const SideWindowRect rect = ReadWindowRect(c.section);
        EXPECT_EQ(rect.Left, c.left) << c.section;
        EXPECT_EQ(rect.Top, c.top) << c.section;
        EXPECT_EQ(rect.Right, c.right) << c.section;
        EXPECT_EQ(rect.Bottom, c.bottom) << c.section;
    }
    EXPECT_TRUE(platform::CurrentUserRegistry().Empty());
}

TEST_F(WindowSectionsTest, APanelKeepsOnlyItsPosition) {
    WriteWindowRect("RectData", {10, 20, 300, 400});
    EXPECT_EQ(GetProfileInt("RectData", "Left", -1), 10);
    EXPECT_EQ(GetProfileInt("RectData", "Top", -1), 20);
    EXPECT_EQ(GetProfileInt("RectData", "Right", -1), -1);
    EXPECT_EQ(GetProfileInt("RectData", "Bottom", -1), -1);
    const SideWindowRect data = ReadWindowRect("RectData");
    EXPECT_EQ(data.Right, 10);
    EXPECT_EQ(data.Bottom, 20);

    WriteWindowRect("RectScore", {-5, 7, 900, 700});
    const SideWindowRect score = ReadWindowRect("RectScore");
    EXPECT_EQ(score.Left, -5);
    EXPECT_EQ(score.Top, 7);
    EXPECT_EQ(score.Right, 900);
    EXPECT_EQ(score.Bottom, 700);
}

TEST_F(WindowSectionsTest, FlagsWithTheirDefaults) {
    EXPECT_EQ(ReadWindowFlag("RectScore", "Highlight"), 0);
    EXPECT_EQ(ReadWindowFlag("RectScore", "Forehand"), 1);
    EXPECT_EQ(ReadWindowFlag("RectTrickEstimation", "Auto"), 0);
    EXPECT_EQ(ReadWindowFlag("RectTrickEstimation", "Game"), 0);
    WriteWindowFlag("RectTrickEstimation", "Auto", 1);
    WriteWindowFlag("RectScore", "Forehand", 0);
    EXPECT_EQ(ReadWindowFlag("RectTrickEstimation", "Auto"), 1);
    EXPECT_EQ(ReadWindowFlag("RectScore", "Forehand"), 0);
}

}  // namespace
