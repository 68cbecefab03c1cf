// The number parse every number field shares, the arrow steps at the limits, and the check of the
// texts the files keep.
#include "dialogs/SettingsFields.h"

#include "platform/headless/HeadlessHost.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsFields, OneParseForEveryNumberField) {
    struct Case {
        const char* text;
        NumberRange range;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"0", kRoundsRange, 0},
        {"9999", kRoundsRange, 9999},
        {"10000", kRoundsRange, std::nullopt},
        {"007", kRoundsRange, 7},
        {"", kRoundsRange, std::nullopt},
        {"12a", kRoundsRange, std::nullopt},
        {" 5", kRoundsRange, std::nullopt},
        {"5 ", kRoundsRange, std::nullopt},
        {"-1", kRoundsRange, std::nullopt},
        {"+5", kRoundsRange, std::nullopt},
        {"99999999999", kDelayRange, std::nullopt},
        {"99999999999999999999999", kDelayRange, std::nullopt},
        {"99999", kDelayRange, 99999},
        {"0", kRamschPointsRange, std::nullopt},
        {"1", kRamschPointsRange, 1},
        {"120", kRamschPointsRange, 120},
        {"121", kRamschPointsRange, std::nullopt},
        {"0", kMinutesRange, std::nullopt},
        {"99999", kCreditRange, 99999},
        {"?", kRoundsRange, std::nullopt},
        {"\xef\xbc\x95", kRoundsRange, std::nullopt},  // a wide five is no digit
    };
    for (const Case& c : cases) EXPECT_EQ(ParseUnsignedNumber(c.text, c.range), c.value) << '"' << c.text << '"';
}

TEST(SettingsFields, ArrowsMoveInsideTheRangeAndBeepAtItsEnds) {
    platform::HeadlessHost host;
    struct Case {
        int from, step;
        NumberRange range;
        int to;
        bool moved;
    };
    const Case cases[] = {
        {0, -1, kRoundsRange, 0, false},       {9999, 1, kRoundsRange, 9999, false},
        {9998, 1, kRoundsRange, 9999, true},   {1, -1, kRoundsRange, 0, true},
        {50, -100, kDelayRange, 50, false},    {100, -100, kDelayRange, 0, true},
        {99899, 100, kDelayRange, 99999, true}, {99900, 100, kDelayRange, 99900, false},
        {99989, 10, kDelayRange, 99999, true}, {99990, 10, kDelayRange, 99990, false},
    };
    for (const Case& c : cases) {
        host.ClearBeeps();
        int value = c.from;
        EXPECT_EQ(StepNumber(value, c.step, c.range), c.moved) << c.from << " by " << c.step;
        EXPECT_EQ(value, c.to) << c.from << " by " << c.step;
        EXPECT_EQ(host.Beeps().size(), c.moved ? 0u : 1u) << c.from << " by " << c.step;
    }
}

TEST(SettingsFields, ANegativeNumberShowsAsAnEmptyField) {
    EXPECT_EQ(FormatNumberOrEmpty(-1), "");
    EXPECT_EQ(FormatNumberOrEmpty(0), "0");
    EXPECT_EQ(FormatNumberOrEmpty(1800), "1800");
}

TEST(SettingsFields, OnlyTextsTheFilesCanKeepAreStorable) {
    struct Case {
        const char* text;
        std::size_t limit;
        bool empty;
        bool storable;
    };
    const Case cases[] = {
        {"Anna", 20, false, true},
        {"", 20, false, false},
        {"", 20, true, true},
        {"Jürgen Groß", 20, false, true},       // umlauts and sharp s are in the code page
        {"12345678901234567890", 20, false, true},
        {"123456789012345678901", 20, false, false},
        {"ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü", 20, false, true},  // 20 letters of two UTF-8 bytes are 20 file bytes
        {"Tab\there", 20, false, false},
        {"Line\nbreak", 0, false, false},
        {"Zoë €", 20, false, true},
        {"Łukasz", 20, false, false},            // not in the code page
        {"日本", 20, false, false},
        {"a?b", 20, false, true},                // a real question mark stays
        {"\xff", 20, false, false},              // broken UTF-8
    };
    for (const Case& c : cases) EXPECT_EQ(IsStorableText(c.text, c.limit, c.empty), c.storable) << c.text;
}

}  // namespace
