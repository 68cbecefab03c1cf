#include "platform/core/TextFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFormatTest, MarkersTakeTheirArguments) {
    using platform::FormatText;
    EXPECT_EQ(FormatText("  Game %1", {"2024-03-01 18:30"}), "  Game 2024-03-01 18:30");
    EXPECT_EQ(FormatText("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(FormatText("%1%1", {"ab"}), "abab");
    EXPECT_EQ(FormatText("%1", {""}), "");
}

TEST(TextFormatTest, WhatIsNoMarkerStandsAsItIs) {
    using platform::FormatText;
    EXPECT_EQ(FormatText("100% sure, %2 missing, %0, %", {"x"}), "100% sure, %2 missing, %0, %");
    EXPECT_EQ(FormatText("no markers", {}), "no markers");
    // An argument is put in once: its own markers are not replaced again.
    EXPECT_EQ(FormatText("%1 and %2", {"%2", "B"}), "%2 and B");
}

}  // namespace
