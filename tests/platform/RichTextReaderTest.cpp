#include <gtest/gtest.h>

#include <string>

#include "platform/core/RichTextReader.h"

using platform::ReadRichText;
using platform::RichTextDocument;
using platform::RichTextRun;

namespace {

const char* const kHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 MS Sans "
    "Serif;}}{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\fs10\\par";

TEST(RichTextReader, ReadsTheResultTextIntoStyledRuns) {
    const RichTextDocument read =
        ReadRichText(std::string(kHead) + "\\cf2\\b\\fs32\\qc Anna\\b0\\fs17\\par\\par\n Gewonnen\\tab 61\\par\\pard links}");
    ASSERT_EQ(read.paragraphs.size(), 5u);
    EXPECT_TRUE(read.paragraphs[0].runs.empty());  // the head's own \fs10\par
    EXPECT_FALSE(read.paragraphs[0].centred);
    ASSERT_EQ(read.paragraphs[1].runs.size(), 1u);
    EXPECT_EQ(read.paragraphs[1].runs[0], (RichTextRun{"Anna", true, 0x000080u, 32}));
    EXPECT_TRUE(read.paragraphs[1].centred);
    EXPECT_TRUE(read.paragraphs[2].runs.empty());
    ASSERT_EQ(read.paragraphs[3].runs.size(), 1u);
    EXPECT_EQ(read.paragraphs[3].runs[0], (RichTextRun{" Gewonnen\t61", false, 0x000080u, 17}));
    EXPECT_TRUE(read.paragraphs[3].centred);
    EXPECT_FALSE(read.paragraphs[4].centred);  // \pard ends the centring
    EXPECT_EQ(read.PlainText(), "\nAnna\n\n Gewonnen\t61\nlinks");
}

TEST(RichTextReader, StyleChangesSplitRunsAndGroupsRestoreTheStyle) {
    const RichTextDocument read = ReadRichText("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}a{\\b\\cf1 b}c\\b d\\b0 e}");
    ASSERT_EQ(read.paragraphs.size(), 1u);
    const auto& runs = read.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0], (RichTextRun{"a", false, 0, 24}));
    EXPECT_EQ(runs[1], (RichTextRun{"b", true, 0x0000FFu, 24}));
    EXPECT_EQ(runs[2], (RichTextRun{"c", false, 0, 24}));
    EXPECT_EQ(runs[3], (RichTextRun{"d", true, 0, 24}));
    EXPECT_EQ(runs[4], (RichTextRun{"e", false, 0, 24}));
    EXPECT_EQ(read.PlainText(), "abcde");
}

struct TextCase {
    const char* name;
    std::string input;
    std::string plain;
};

// A failing case names itself, not its bytes.
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class RichTextPlain : public testing::TestWithParam<TextCase> {};

TEST_P(RichTextPlain, GivesWhatCouldBeRead) { EXPECT_EQ(ReadRichText(GetParam().input).PlainText(), GetParam().plain); }

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextPlain,
    testing::Values(
        TextCase{"Escapes", "{\\rtf1 a\\\\b \\{c\\}}", "a\\b {c}"},
        TextCase{"Cp1252", "{\\rtf1 J\\'f6rg \\'80\\'9f}", "J\xC3\xB6rg \xE2\x82\xAC\xC5\xB8"},
        TextCase{"Utf8RawKept", "{\\rtf1 Ung\xC3\xBCltige}", "Ung\xC3\xBCltige"},
        TextCase{"RawHighByteAsCp1252", "{\\rtf1 K\xF6nig\xFF}", "K\xC3\xB6nig\xC3\xBF"},
        TextCase{"FontTableSkipped", "{\\rtf1{\\fonttbl{\\f0 Arial;}}x}", "x"},
        TextCase{"StarDestinationSkipped", "{\\rtf1{\\*\\generator gen;}x}", "x"},
        TextCase{"UnknownWordsSkipped", "{\\rtf1\\viewkind4\\uc1\\sa200\\sl276\\slmult1 x\\zz-12 y}", "xy"},
        TextCase{"DelimiterBlankEaten", "{\\rtf1\\b  two}", " two"},
        TextCase{"SourceLineBreaksIgnored", "{\\rtf1 a\r\nb\n}", "ab"},
        TextCase{"CutInControlWord", "{\\rtf1 ab\\pa", "ab"},
        TextCase{"CutAfterBackslash", "{\\rtf1 ab\\", "ab"},
        TextCase{"CutInHexEscape", "{\\rtf1 ab\\'f", "ab"},
        TextCase{"CutAfterQuote", "{\\rtf1 ab\\'", "ab"},
        TextCase{"BadHexEscape", "{\\rtf1 a\\'zzb}", "azzb"},
        TextCase{"StrayClosingBraces", "{\\rtf1 a}}}b{\\b c", "abc"},
        TextCase{"UnclosedGroups", "{\\rtf1{{{a", "a"},
        TextCase{"NulInside", std::string("{\\rtf1 a\0b\\'00c}", 16), "abc"},
        TextCase{"AbsurdNumbers", "{\\rtf1\\fs99999999999999999999 a\\cf-2147483649 b\\b99999999999 c}", "abc"},
        TextCase{"LongControlWord", "{\\rtf1 a\\" + std::string(5000, 'x') + " b}", "ab"},
        TextCase{"ParInsideHiddenGroup", "{\\rtf1{\\*\\x a\\par b}c}", "c"},
        TextCase{"PlainTextLines", "eins\r\nzwei\n", "eins\nzwei"},
        TextCase{"Empty", "", ""}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(RichTextReader, AbsurdSizesAndColourIndexesStayInRange) {
    const RichTextDocument read =
        ReadRichText("{\\rtf1{\\colortbl;\\red999\\green-5\\blue12;}\\fs99999 a\\fs0 b\\fs24\\cf7 c\\cf1 d}");
    ASSERT_EQ(read.paragraphs.size(), 1u);
    const auto& runs = read.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].halfPoints, 288);
    EXPECT_EQ(runs[1].halfPoints, 2);
    EXPECT_EQ(runs[2].colour, 0u);  // no such colour: the default
    EXPECT_EQ(runs[3].colour, 0x0C00FFu);
}

// Nesting far beyond the kept depth neither recurses nor loses the way back out: the text after
// the closing braces has the style of the outer group again.
TEST(RichTextReader, DeepNestingIsBoundedAndUnwindsToTheOuterStyle) {
    const std::size_t depth = 100000;
    const std::string input = "{\\rtf1 " + std::string(depth, '{') + "\\b x" + std::string(depth, '}') + "y}";
    const RichTextDocument read = ReadRichText(input);
    ASSERT_EQ(read.paragraphs.size(), 1u);
    const auto& runs = read.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0], (RichTextRun{"x", true, 0, 24}));
    EXPECT_EQ(runs[1], (RichTextRun{"y", false, 0, 24}));
}

TEST(RichTextReader, AHugeColourTableKeepsOnlyTheFirstColours) {
    std::string table = "{\\rtf1{\\colortbl";
    for (int i = 0; i < 2000; ++i) table += "\\red1;";
    const RichTextDocument read = ReadRichText(table + "}\\cf255 a\\cf256 b}");
    ASSERT_EQ(read.paragraphs.at(0).runs.size(), 2u);
    EXPECT_EQ(read.paragraphs[0].runs[0].colour, 1u);
    EXPECT_EQ(read.paragraphs[0].runs[1].colour, 0u);
}

}  // namespace
