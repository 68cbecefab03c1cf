#include "platform/core/Codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodepageTest, EveryByteSurvivesTheWayThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = platform::Cp1252ToUtf8(all);
    EXPECT_EQ(platform::Utf8ToCp1252(utf8), all);
    EXPECT_EQ(platform::Cp1252Length(utf8), 256u);
}

struct Conversion {
    const char* utf8;
    const char* cp1252;
};

TEST(CodepageTest, CharactersOfTheGameAndTheirBytes) {
    const Conversion cases[] = {
        {"Müller, Jürgen, Weiß", "M\xFCller, J\xFCrgen, Wei\xDF"},
        {"ÄÖÜäöü", "\xC4\xD6\xDC\xE4\xF6\xFC"},
        {"€ „Grand“ – …", "\x80 \x84Grand\x93 \x96 \x85"},
        {"Œuvre ™ ž Ÿ", "\x8Cuvre \x99 \x9E \x9F"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
        EXPECT_EQ(platform::Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    }
}

TEST(CodepageTest, WhatTheCodePageCannotHoldBecomesQuestionMark) {
    const Conversion cases[] = {
        {"♠♥♦♣", "????"},
        {"Skat 😀!", "Skat ?!"},
        {"a\xFF" "b", "a?b"},             // a byte that starts no character
        {"a\xC3", "a?"},                  // cut-off sequence at the end
        {"\xC3(x", "?(x"},                // lead byte without continuation
        {"\xC0\xAF", "??"},               // overlong '/'
        {"\xED\xA0\x80", "???"},          // a surrogate half
        {"\xC2\x81", "\x81"},             // an unassigned byte's control character maps back
    };
    for (const auto& c : cases) EXPECT_EQ(platform::Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

TEST(CodepageTest, NameLimitsCountCodePageBytes) {
    EXPECT_EQ(platform::Cp1252Length("Jürgen"), 6u);
    EXPECT_EQ(platform::Cp1252Length("€😀"), 2u);
    EXPECT_EQ(platform::TruncateToCp1252("Jürgen", 2), "Jü");
    EXPECT_EQ(platform::TruncateToCp1252("Jürgen", 10), "Jürgen");
    EXPECT_EQ(platform::TruncateToCp1252("€uro", 1), "€");
    EXPECT_EQ(platform::TruncateToCp1252("abc", 0), "");
    EXPECT_EQ(platform::Utf8ToCp1252(platform::TruncateToCp1252("Größe über", 7)).size(), 7u);
}

}  // namespace
