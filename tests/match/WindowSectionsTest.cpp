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
