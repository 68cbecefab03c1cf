#include "platform/core/Registry.h"

#include <gtest/gtest.h>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::CurrentUserRegistry().Clear();
        platform::SetRegistryKey("Kartovan+", "skat");
    }
};

TEST_F(RegistryTest, ProfileReadsDefaultsThenWrittenValues) {
    EXPECT_EQ(GetProfileInt("View", "Log", 7), 7);
    EXPECT_EQ(GetProfileString("Paths", "Desk", "x"), "x");
    WriteProfileInt("View", "Log", -2147483647 - 1);
    WriteProfileString("Paths", "Desk", "");
    EXPECT_EQ(GetProfileInt("view", "log", 7), -2147483647 - 1);  // names ignore case
    EXPECT_EQ(GetProfileString("Paths", "Desk", "x"), "");
    ASSERT_NE(platform::CurrentUserRegistry().Find("Software\\Kartovan+\\skat\\View"), nullptr);
}

TEST_F(RegistryTest, ValueOfTheOtherKindReadsAsMissing) {
    WriteProfileString("View", "Log", "1");
    EXPECT_EQ(GetProfileInt("View", "Log", 9), 9);
    WriteProfileInt("Paths", "Desk", 3);
    EXPECT_EQ(GetProfileString("Paths", "Desk", "d"), "d");
}

TEST_F(RegistryTest, RemoveKeyTakesItsSubtree) {
    auto& root = platform::CurrentUserRegistry();
    root.Create("A\\B\\C").SetNumber("n", 1);
    EXPECT_TRUE(root.Remove("A\\B"));
    EXPECT_EQ(root.Find("A\\B\\C"), nullptr);
    EXPECT_NE(root.Find("A"), nullptr);
    EXPECT_FALSE(root.Remove("A\\B"));
}

}  // namespace
