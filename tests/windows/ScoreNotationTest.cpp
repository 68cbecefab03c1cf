// The score sheet's reading of a game's short notation into the cells of its line.
#include "windows/ScoreNotation.h"

#include "platform/core/Resources.h"
#include "resources/Editions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class ScoreNotationTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetResources(&GermanResources()); }
    void TearDown() override { platform::SetResources(nullptr); }
};

TEST_F(ScoreNotationTest, TableOfNotations) {
    const std::string check = std::string(" ") + kCheckGlyph;
    const struct {
        const char* text;
        int variant, score;
        std::map<int, std::string> cells;  // every other cell is empty
        const char* initials;
    } cases[] = {
        {"+2HdSnGd24", 1, 24, {{1, "24"}, {2, " 2"}, {6, "x"}, {7, "x"}}, "Gd"},
        {">3OvKz12", 1, 36, {{1, "12"}, {2, " 3"}, {3, check}, {11, "x"}}, "Kz"},
        {"<1SwAnPk011", 1, -22, {{1, "1"}, {3, " 1"}, {2, check}, {10, "x"}}, "Pk"},
        {"RaSbSbJf", 1, -30, {{1, "Ra"}, {6, "2Sb"}, {9, "Jf"}}, "Ra"},
        {"RaDm", 1, 120, {{1, "Dm"}}, "Ra"},
        {"KoRe", 1, 0, {{1, "Ko"}, {24, "Re"}}, "Ko"},
        {"Gd24KoReBoRa", 1, 96, {{1, "24"}, {24, "Re"}, {25, "Ra"}}, "Gd"},
        {"Gd24Bo", 0, -48, {{1, "24"}, {24, "Gd"}, {25, "-"}}, "Gd"},
        {"Gd24:note", 1, 24, {{1, "24"}, {23, "note"}}, "Gd"},
        {"", 0, 0, {{1, "  "}, {24, "  "}}, "  "},
        {"12345678901234567890123", 1, 5, {{1, "34"}}, "12"},
        // A code cut off by the text's end is absent; a missing base value keeps the game code.
        {"+2H", 1, 5, {{2, " 2"}}, ""},
        {"Gd", 1, 5, {{1, "Gd"}}, "Gd"},
    };
    for (const auto& c : cases) {
        const ScoreLineCells cells = DecodeScoreNotation(c.text, c.variant, c.score);
        for (int column = 0; column < kScoreColumns; ++column) {
            const auto expected = c.cells.find(column);
            EXPECT_EQ(cells.text[static_cast<std::size_t>(column)], expected == c.cells.end() ? std::string() : expected->second)
                << "\"" << c.text << "\" column " << column;
        }
        EXPECT_EQ(cells.initials, c.initials) << c.text;
    }
    EXPECT_TRUE(DecodeScoreNotation("RaSbSbJf", 1, -30).passOnFont);
}

}  // namespace
