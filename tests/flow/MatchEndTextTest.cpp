// The final standing of a match as the match-start dialog shows it, byte for byte in both
// editions, and the doubled backslashes of the settings export.
#include "flow/MatchEndText.h"

#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"

#include "model/Settings.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

const std::string kHead =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 MS Sans "
    "Serif;}}{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\fs10\\par";

class MatchEndTextTest : public ::testing::Test {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramGlobals();
    }
    const std::array<std::string, 3> names{"Comp1", "Comp2", "Person"};
};

TEST_F(MatchEndTextTest, ARoundsMatchShowsTheRoundsAndEachSeatsTotal) {
    platform::SetResources(&GermanResources());
    g_Settings.Game.MaxRounds = 12;
    const int totals[3] = {120, -48, 0};
    const int balances[3] = {0, 0, 0};
    EXPECT_EQ(
        FinalStandingText(MatchEndReason(0, names, balances), totals, names),
        kHead +
            "\\fs17\\qc\\b Spielserie\\b0 : \\b 12 \\b0 Runden wurden gespielt!\\par\\par"
            "Enstand:\\par"
            "\\b Comp1\\b0 :  \\b 120\\b0\\par\\b Comp2\\b0 :  \\b -48\\b0\\par\\b Person\\b0 :  \\b 0\\b0\\par}");
    platform::SetResources(&EnglishResources());
    EXPECT_EQ(
        FinalStandingText(MatchEndReason(0, names, balances), totals, names),
        kHead +
            "\\fs17\\qc\\b Game Series\\b0 : \\b 12 \\b0 Rounds were played!\\par\\par"
            "Score:\\par"
            "\\b Comp1\\b0 :  \\b 120\\b0\\par\\b Comp2\\b0 :  \\b -48\\b0\\par\\b Person\\b0 :  \\b 0\\b0\\par}");
}

// The time shows whole minutes, truncated.
TEST_F(MatchEndTextTest, ATimedMatchShowsWholeMinutes) {
    const int balances[3] = {0, 0, 0};
    g_Settings.Game.MaxTime = 1799;
    platform::SetResources(&GermanResources());
    EXPECT_EQ(MatchEndReason(1, names, balances), "\\b Zeitdauer\\b0 : \\b 29 \\b0 Minuten sind abgelaufen!");
    platform::SetResources(&EnglishResources());
    EXPECT_EQ(MatchEndReason(1, names, balances), "\\b Duration\\b0 : \\b 29 \\b0 Minutes have elapsed!");
}

// Bierlachs: the smallest balance loses; a later seat only when strictly smaller.
struct BierlachsCase {
    const char* name;
    int balances[3];
    const char* loser;
};

// A failing case names itself, not its bytes.
void PrintTo(const BierlachsCase& c, std::ostream* out) { *out << c.name; }

const BierlachsCase kBierlachsCases[] = {
    {"FirstTwoTiedNamesSeat0", {5, 5, 9}, "Comp1"},
    {"LastTwoTiedNamesSeat1", {9, 5, 5}, "Comp2"},
    {"AllTiedNamesSeat0", {7, 7, 7}, "Comp1"},
    {"PersonLowest", {3, 2, 1}, "Person"},
    {"NegativeBalances", {-4, 0, -5}, "Person"},
};

class BierlachsTest : public MatchEndTextTest, public ::testing::WithParamInterface<BierlachsCase> {};

TEST_P(BierlachsTest, NamesTheLoser) {
    const BierlachsCase& c = GetParam();
    platform::SetResources(&GermanResources());
    EXPECT_EQ(MatchEndReason(2, names, c.balances),
              std::string("\\b Bierlachs\\b0 : \\b ") + c.loser + " \\b0 verliert die Serie!");
    platform::SetResources(&EnglishResources());
    EXPECT_EQ(MatchEndReason(2, names, c.balances),
              std::string("\\b Bierlachs\\b0 : \\b ") + c.loser + " \\b0 loses the match!");
}

INSTANTIATE_TEST_SUITE_P(Cases, BierlachsTest, ::testing::ValuesIn(kBierlachsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MatchEndTextTest, AMatchWithoutEndHasNeitherReasonNorSeatLines) {
    platform::SetResources(&GermanResources());
    const int totals[3] = {1, 2, 3};
    const int balances[3] = {0, 0, 0};
    EXPECT_EQ(MatchEndReason(3, names, balances), "");
    EXPECT_EQ(FinalStandingText(MatchEndReason(3, names, balances), totals, names), kHead + "\\fs17\\qc}");
}

// Names come from the profile: their rich-text characters are escaped, shown as typed.
TEST_F(MatchEndTextTest, NamesWithRichTextCharactersAreShownAsTyped) {
    platform::SetResources(&GermanResources());
    const std::array<std::string, 3> odd{"a\\b", "{x}", "P"};
    const int totals[3] = {0, 0, 0};
    const int balances[3] = {1, 0, 2};
    const std::string text = FinalStandingText(MatchEndReason(2, odd, balances), totals, odd);
    EXPECT_NE(text.find("\\b \\{x\\} \\b0 verliert"), std::string::npos) << text;
    EXPECT_NE(text.find("\\b a\\\\b\\b0 :  "), std::string::npos) << text;
    EXPECT_EQ(text.find("{x}"), std::string::npos) << text;
}

}  // namespace
