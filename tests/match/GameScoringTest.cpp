// The scorers of a finished game: the score and the exact list text for suit and Grand games,
// the Null values, the overbid recomputation, Ramsch, the Bock reasons, and names in the result.
#include "match/GameScoring.h"

#include "match/RichTextEscape.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameValue.h"
#include "model/Rounds.h"
#include "model/Settings.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"
#include "support/BidIndex.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

class GameScoringTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetProgramState();
        platform::SetResources(&GermanResources());
        names.seat[0] = "Anna";
        names.seat[1] = "Bernd";
        names.seat[2] = "Clara";
    }
    void TearDown() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramState();
    }
    void Game(int type, int soloistPoints, int soloistTricks, int bid = 18) {
        g_Game.SetGameType(type);
        g_Game.Soloist = 1;
        g_Game.PartyPoints[0] = soloistPoints;
        g_Game.PartyPoints[1] = 120 - soloistPoints;
        g_Game.PartyTricks[0] = soloistTricks;
        g_Game.PartyTricks[1] = 10 - soloistTricks;
        g_Game.BidIndex = testsupport::BidIndexOf(bid);
    }
    ScoreNames names;
};

struct SuitCase {
    const char* name;
    int type = 0, matadors = 0, points = 0, tricks = 0;
    int hand = 0, schneider = 0, kontra = 0, variant = 0, bock = 0, bid = 0;
    int score = 0;
    const char* list;
    friend void PrintTo(const SuitCase& c, std::ostream* out) { *out << c.name; }
};

class SuitScoring : public GameScoringTest, public ::testing::WithParamInterface<SuitCase> {};

TEST_P(SuitScoring, ScoreAndListText) {
    const SuitCase& c = GetParam();
    Game(c.type, c.points, c.tricks, c.bid);
    g_Game.HandAnnounced = c.hand;
    g_Game.SchneiderAnnounced = c.schneider;
    g_Game.KontraState = c.kontra;
    g_Game.VariantMode = c.variant;
    g_Game.RoundStatus = c.bock ? ROUND_BOCK : ROUND_NORMAL;
    GameScore result = ScoreSuitGame(-1, c.matadors, 0, names);
    ApplyOverbid(result, BidValue(-1));
    EXPECT_EQ(result.score, c.score);
    EXPECT_EQ(result.listText, c.list);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, SuitScoring,
    ::testing::Values(
        // With 2, game 3: 3 x 12.
        SuitCase{.name = "ClubsWon", .type = GAME_CLUBS, .matadors = 3, .points = 70, .tricks = 6, .kontra = 1,
                 .bid = 18, .score = 36, .list = "+2Kz12"},
        // Without 1, game 2: 2 x 11, lost twice.
        SuitCase{.name = "SpadesLost", .type = GAME_SPADES, .matadors = -2, .points = 50, .tricks = 4, .kontra = 1,
                 .bid = 18, .score = -44, .list = "-1Pk11"},
        SuitCase{.name = "SchneiderReached", .type = GAME_HEARTS, .matadors = 2, .points = 95, .tricks = 8, .kontra = 1,
                 .bid = 18, .score = 30, .list = "+1SnHz10"},
        // The Schneider boundaries of a game played out: 90 and 30 are Schneider, 89 and 31 not.
        SuitCase{.name = "SchneiderAtNinety", .type = GAME_HEARTS, .matadors = 2, .points = 90, .tricks = 7,
                 .kontra = 1, .bid = 18, .score = 30, .list = "+1SnHz10"},
        SuitCase{.name = "NoSchneiderAtEightyNine", .type = GAME_HEARTS, .matadors = 2, .points = 89, .tricks = 7,
                 .kontra = 1, .bid = 18, .score = 20, .list = "+1Hz10"},
        SuitCase{.name = "SchneiderAgainstTheSoloistAtThirty", .type = GAME_HEARTS, .matadors = 2, .points = 30,
                 .tricks = 3, .kontra = 1, .bid = 18, .score = -60, .list = "+1SnHz10"},
        SuitCase{.name = "NoSchneiderAgainstTheSoloistAtThirtyOne", .type = GAME_HEARTS, .matadors = 2, .points = 31,
                 .tricks = 3, .kontra = 1, .bid = 18, .score = -40, .list = "+1Hz10"},
        SuitCase{.name = "SchwarzReached", .type = GAME_DIAMONDS, .matadors = 2, .points = 120, .tricks = 10,
                 .kontra = 1, .bid = 18, .score = 36, .list = "+1SnSwKa09"},
        SuitCase{.name = "GrandHandWithKontra", .type = GAME_GRAND, .matadors = 2, .points = 80, .tricks = 6, .hand = 1,
                 .kontra = 2, .bid = 18, .score = 144, .list = "+1HdGd24Ko"},
        SuitCase{.name = "LostWithRekontra", .type = GAME_CLUBS, .matadors = 2, .points = 40, .tricks = 3, .kontra = 4,
                 .bid = 18, .score = -192, .list = "+1Kz12Re"},
        // Hand, Schneider announced and missed: with 1, game 2, Hand 3, announced 4, Schneider 5;
        // 5 x 11, lost twice.
        SuitCase{.name = "SchneiderAnnouncedMissed", .type = GAME_SPADES, .matadors = 2, .points = 80, .tricks = 7,
                 .hand = 1, .schneider = 1, .kontra = 1, .bid = 18, .score = -110, .list = "+1HdSnAnPk11"},
        SuitCase{.name = "BockRoundDoubles", .type = GAME_CLUBS, .matadors = 2, .points = 70, .tricks = 6, .kontra = 1,
                 .variant = 1, .bock = 1, .bid = 18, .score = 48, .list = "+1Kz12Bo"},
        // A lost Kontra game whose halved score reaches the bid keeps its value.
        SuitCase{.name = "LostKontraKeepsItsValue", .type = GAME_CLUBS, .matadors = 2, .points = 50, .tricks = 4,
                 .kontra = 2, .bid = 24, .score = -96, .list = "+1Kz12Ko"},
        // Grand bid at 59 with 2 x 24 = 48: recomputed as 3 x 24, lost twice.
        SuitCase{.name = "GrandOverbidAt59", .type = GAME_GRAND, .matadors = 2, .points = 70, .tricks = 6, .kontra = 1,
                 .bid = 59, .score = -144, .list = ">1Gd24"}),
    [](const ::testing::TestParamInfo<SuitCase>& info) { return std::string(info.param.name); });
// clang-format on

// The last running number of the value lines: the level the result text counts ("... \b N \b0 mal").
int TextLevel(const std::string& text) {
    const std::size_t times = text.find(" \\b0 mal ");
    if (times == std::string::npos) return -1;
    const std::size_t open = text.rfind("\\b ", times);
    return open == std::string::npos ? -1 : std::atoi(text.c_str() + open + 3);
}

struct OuvertCase {
    const char* name;
    int type = 0, matadors = 0, points = 0, tricks = 0, schneider = 0, schwarz = 0, variant = 0, variantsOuvert = 0,
        bid = 0;
    int score = 0, level = 0;
    const char* list;
};

// A failing case names itself, not its bytes.
void PrintTo(const OuvertCase& c, std::ostream* out) { *out << c.name; }

class AnnouncedScoring : public GameScoringTest, public ::testing::WithParamInterface<OuvertCase> {};

// The score, the list text, and the level the text counts, which is the level the score is made of.
TEST_P(AnnouncedScoring, TheScoreCountsEveryLevelItsTextLists) {
    const OuvertCase& c = GetParam();
    Game(c.type, c.points, c.tricks, c.bid);
    g_Game.HandAnnounced = 1;
    g_Game.OuvertAnnounced = std::string(c.list).find("Ov") != std::string::npos ? 1 : 0;
    g_Game.SchneiderAnnounced = c.schneider;
    g_Game.SchwarzAnnounced = c.schwarz;
    g_Game.VariantMode = c.variant;
    g_Settings.Variants.Ouvert = c.variantsOuvert;
    GameScore result = ScoreSuitGame(-1, c.matadors, 0, names);
    const int base = c.type == GAME_GRAND ? 24 : 12 - c.type;
    EXPECT_EQ(TextLevel(result.resultText), c.level) << result.resultText;
    if (result.outcome != RESULT_OVERBID) {
        EXPECT_EQ(std::abs(result.score), c.level * base * (result.outcome == RESULT_WON ? 1 : 2));
    }
    ApplyOverbid(result, BidValue(-1));
    EXPECT_EQ(result.score, c.score);
    EXPECT_EQ(result.listText, c.list);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, AnnouncedScoring,
    ::testing::Values(
        // With 4, game 5, Hand, Ouvert, Schneider and Schwarz announced, Schneider, Schwarz.
        OuvertCase{.name = "GrandOuvertWithFour", .type = GAME_GRAND, .matadors = 5, .points = 120, .tricks = 10,
                   .variantsOuvert = 2, .bid = 18, .score = 264, .level = 11, .list = "+4HdOvSwAnGd24"},
        OuvertCase{.name = "GrandOuvertWithFourBidAt240", .type = GAME_GRAND, .matadors = 5, .points = 120,
                   .tricks = 10, .variantsOuvert = 2, .bid = 240, .score = 264, .level = 11, .list = "+4HdOvSwAnGd24"},
        OuvertCase{.name = "GrandOuvertWithoutOneLost", .type = GAME_GRAND, .matadors = -2, .points = 100, .tricks = 9,
                   .variantsOuvert = 2, .bid = 18, .score = -384, .level = 8, .list = "-1HdOvSwAnGd24"},
        OuvertCase{.name = "ClubsOuvertWithOneBidAt84", .type = GAME_CLUBS, .matadors = 2, .points = 120, .tricks = 10,
                   .variantsOuvert = 2, .bid = 84, .score = 96, .level = 8, .list = "+1HdOvSwAnKz12"},
        OuvertCase{.name = "ClubsOuvertWithOneLostWithNineTricks", .type = GAME_CLUBS, .matadors = 2, .points = 110,
                   .tricks = 9, .variantsOuvert = 2, .bid = 84, .score = -192, .level = 8, .list = "+1HdOvSwAnKz12"},
        OuvertCase{.name = "ClubsOuvertWithThreeLostWithFifty", .type = GAME_CLUBS, .matadors = 4, .points = 50,
                   .tricks = 4, .variantsOuvert = 2, .bid = 18, .score = -240, .level = 10, .list = "+3HdOvSwAnKz12"},
        // Overbid at 100 with 8 x 12 = 96: recomputed as 9 x 12, lost twice.
        OuvertCase{.name = "ClubsOuvertWithOneOverbidAt100", .type = GAME_CLUBS, .matadors = 2, .points = 120,
                   .tricks = 10, .variantsOuvert = 2, .bid = 100, .score = -216, .level = 8, .list = ">1HdOvSwAnKz12"},
        // Variants/Ouvert 3 plays Ouvert as the official rules do; rule 2 only adds Ouvert.
        OuvertCase{.name = "VariantOuvertRuleThree", .type = GAME_HEARTS, .matadors = 3, .points = 120, .tricks = 10,
                   .variant = 1, .variantsOuvert = 3, .bid = 18, .score = 90, .level = 9, .list = "+2HdOvSwAnHz10"},
        OuvertCase{.name = "VariantOuvertRuleTwo", .type = GAME_HEARTS, .matadors = 3, .points = 100, .tricks = 9,
                   .variant = 1, .variantsOuvert = 2, .bid = 18, .score = 60, .level = 6, .list = "+2HdOvSnHz10"},
        // Announcements without Ouvert, reached and missed.
        OuvertCase{.name = "SchneiderAnnouncedReached", .type = GAME_CLUBS, .matadors = 2, .points = 95, .tricks = 8,
                   .schneider = 1, .variantsOuvert = 2, .bid = 18, .score = 60, .level = 5, .list = "+1HdSnAnKz12"},
        OuvertCase{.name = "SchneiderAnnouncedMissed", .type = GAME_CLUBS, .matadors = 2, .points = 80, .tricks = 7,
                   .schneider = 1, .variantsOuvert = 2, .bid = 18, .score = -120, .level = 5, .list = "+1HdSnAnKz12"},
        OuvertCase{.name = "SchwarzAnnouncedReached", .type = GAME_CLUBS, .matadors = 2, .points = 120, .tricks = 10,
                   .schneider = 1, .schwarz = 1, .variantsOuvert = 2, .bid = 18, .score = 84, .level = 7,
                   .list = "+1HdSwAnKz12"},
        OuvertCase{.name = "SchwarzAnnouncedMissedWithNineTricks", .type = GAME_CLUBS, .matadors = 2, .points = 110,
                   .tricks = 9, .schneider = 1, .schwarz = 1, .variantsOuvert = 2, .bid = 18, .score = -168, .level = 7,
                   .list = "+1HdSwAnKz12"},
        OuvertCase{.name = "SchwarzAnnouncedMissedWithSeventyPoints", .type = GAME_DIAMONDS, .matadors = -3,
                   .points = 70, .tricks = 6, .schneider = 1, .schwarz = 1, .variantsOuvert = 2, .bid = 18,
                   .score = -144, .level = 8, .list = "-2HdSwAnKa09"}),
    [](const ::testing::TestParamInfo<OuvertCase>& info) { return std::string(info.param.name); });
// clang-format on

// A fresh profile starts its first Bock round at game one of three, as every later round: armed
// rounds double exactly three games each, and the game after them counts single.
TEST_F(GameScoringTest, EveryBockRoundFromAFreshProfileDoublesThreeGames) {
    for (int rounds = 1; rounds <= 3; ++rounds) {
        SCOPED_TRACE("Bock rounds armed: " + std::to_string(rounds));
        testsupport::ResetProgramState();
        platform::SetRegistryKey("Kartovan+", "skat");
        platform::CurrentUserRegistry().Clear();
        ReadRoundCounters();
        g_Game.VariantMode = VARIANT_SKAT;
        g_Settings.Variants.Extra = 1;
        for (int trigger = 0; trigger < rounds; ++trigger) ArmRounds();
        std::vector<int> scores;
        for (int game = 0; game < 3 * rounds + 1; ++game) {
            Game(GAME_CLUBS, 70, 6);
            scores.push_back(ScoreSuitGame(-1, 2, 0, names).score);
            AdvanceRoundCounters();
        }
        std::vector<int> expected(static_cast<std::size_t>(3 * rounds), 48);
        expected.push_back(24);
        EXPECT_EQ(scores, expected);
        EXPECT_EQ(g_Game.RoundStatus, ROUND_NORMAL);
    }
}

TEST_F(GameScoringTest, NullOverbidAt30IsRecomputedAsHeartsTimesThree) {
    Game(GAME_NULL, 0, 0, 30);
    GameScore result = ScoreNullGame(-1, names);
    EXPECT_EQ(result.score, -46);
    ApplyOverbid(result, 30);
    EXPECT_EQ(result.score, -60);
    EXPECT_NE(result.resultText.find("Ohne \\b 2, \\b0 Spiel \\b 3, \\b0 mal \\b\\cf2 Herz, "), std::string::npos)
        << result.resultText;
    EXPECT_NE(result.resultText.find("ergibt \\b -60\\b0"), std::string::npos);
}

struct NullCase {
    const char* name;
    int type, hand, ouvert, soloistTricks, bid;
    int score;
};

// A failing case names itself, not its bytes.
void PrintTo(const NullCase& c, std::ostream* out) { *out << c.name; }

class NullScoring : public GameScoringTest, public ::testing::WithParamInterface<NullCase> {};

TEST_P(NullScoring, Values) {
    const NullCase& c = GetParam();
    Game(c.type, 0, c.soloistTricks, c.bid);
    g_Game.HandAnnounced = c.hand;
    g_Game.OuvertAnnounced = c.ouvert;
    GameScore result = ScoreNullGame(-1, names);
    ApplyOverbid(result, BidValue(-1));
    EXPECT_EQ(result.score, c.score);
}

INSTANTIATE_TEST_SUITE_P(Cases, NullScoring,
                         ::testing::Values(NullCase{"Null", GAME_NULL, 0, 0, 0, 18, 23},
                                           NullCase{"NullHand", GAME_NULL, 1, 0, 0, 18, 35},
                                           NullCase{"NullOuvert", GAME_NULL, 0, 1, 0, 18, 46},
                                           NullCase{"NullOuvertHand", GAME_NULL, 1, 1, 0, 18, 59},
                                           NullCase{"Revolution", GAME_REVOLUTION, 1, 1, 0, 18, 92},
                                           NullCase{"NullLost", GAME_NULL, 0, 0, 1, 18, -46},
                                           NullCase{"RevolutionLost", GAME_REVOLUTION, 1, 1, 1, 18, -184}),
                         [](const ::testing::TestParamInfo<NullCase>& info) { return std::string(info.param.name); });

TEST_F(GameScoringTest, RamschOfFortyEachMakesSeatZeroTheLoserAndSeatTwoTheCoLoser) {
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.Soloist = 3;
    for (int seat = 0; seat < 3; ++seat) {
        g_Game.PartyPoints[seat] = 40;
        g_Game.PartyTricks[seat] = 3;
    }
    g_Game.PartyTricks[2] = 4;
    const GameScore result = ScoreRamschGame(-1, 0, 0, 2, names);
    EXPECT_EQ(result.loser, 0);
    EXPECT_EQ(result.secondLoser, 2);
    EXPECT_EQ(result.score, -40);
    EXPECT_EQ(result.listText, "Ra");
}

TEST_F(GameScoringTest, RamschPushesDoubleByMultiplyingAndAreClamped) {
    g_Game.SetGameType(GAME_RAMSCH);
    const int points[3] = {30, 60, 30}, tricks[3] = {3, 4, 3};
    for (int seat = 0; seat < 3; ++seat) {
        g_Game.PartyPoints[seat] = points[seat];
        g_Game.PartyTricks[seat] = tricks[seat];
    }
    // Seven pushes count as three: 60 doubled three times.
    const GameScore result = ScoreRamschGame(-1, 0, 7, 1, names);
    EXPECT_EQ(result.loser, 1);
    EXPECT_EQ(result.score, -480);
    EXPECT_EQ(result.listText, "RaSbSbSb");
}

// A Ramsch given up against a Durchmarsch: the Durchmarsch is conceded with every trick and point.
TEST_F(GameScoringTest, RamschGivenUpAgainstADurchmarschConcedesIt) {
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.Soloist = 1;
    const int points[3] = {0, 35, 0}, tricks[3] = {0, 3, 0};
    for (int seat = 0; seat < 3; ++seat) {
        g_Game.PartyPoints[seat] = points[seat];
        g_Game.PartyTricks[seat] = tricks[seat];
    }
    const GameScore result = ScoreRamschGame(2, 10, 0, 1, names);
    EXPECT_EQ(g_Game.PartyTricks[1], 10);
    EXPECT_EQ(g_Game.PartyPoints[1], 120);
    EXPECT_EQ(result.outcome, RESULT_WON);
    EXPECT_EQ(result.score, 120);
    EXPECT_EQ(result.listText, "RaDm");
}

// With nobody playing for a Durchmarsch, the seat that gives up takes what is still out.
TEST_F(GameScoringTest, RamschGivenUpWithoutASoloistLeavesTheRestToTheSeatThatGaveUp) {
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.Soloist = 3;
    const int points[3] = {30, 20, 10}, tricks[3] = {2, 2, 1};
    for (int seat = 0; seat < 3; ++seat) {
        g_Game.PartyPoints[seat] = points[seat];
        g_Game.PartyTricks[seat] = tricks[seat];
    }
    const GameScore result = ScoreRamschGame(2, 15, 0, 1, names);
    EXPECT_EQ(g_Game.PartyTricks[2], 6);
    EXPECT_EQ(g_Game.PartyPoints[2], 10 + 45 + 15);
    EXPECT_EQ(result.loser, 2);
    EXPECT_EQ(result.secondLoser, 3);
    EXPECT_EQ(result.score, -70);
}

TEST_F(GameScoringTest, NamesShowLiterallyInTheResultText) {
    names.seat[1] = "B\\ernd {x}\nneu";
    Game(GAME_CLUBS, 70, 6);
    const GameScore result = ScoreSuitGame(-1, 3, 0, names);
    EXPECT_NE(result.resultText.find("B\\\\ernd \\{x\\} neu"), std::string::npos) << result.resultText;
    EXPECT_EQ(result.resultText.find("{x}"), std::string::npos);
}

TEST_F(GameScoringTest, BockReasonOfAHundredPointsNeedsItsBit) {
    g_Game.VariantMode = VARIANT_SKAT;
    g_Settings.Variants.Extra = 1;
    g_Settings.Variants.IfExtra = 2;
    std::string text;
    EXPECT_TRUE(NoticeBock(0, 100, 70, 0, text));
    EXPECT_NE(text.find("Bockrunde"), std::string::npos);
    EXPECT_NE(text.find("100 \\b0 oder mehr Punkten"), std::string::npos);
    text.clear();
    EXPECT_FALSE(NoticeBock(0, 99, 70, 0, text));
    // "End" at 36 games listed with 12 rounds, and not before.
    g_Settings.Variants.IfExtra = 32;
    EXPECT_FALSE(NoticeBock(0, 24, 70, 35, text));
    EXPECT_TRUE(NoticeBock(0, 24, 70, 36, text));
    // The official rules set up no round.
    g_Game.VariantMode = VARIANT_OFFICIAL;
    EXPECT_FALSE(NoticeBock(0, 24, 70, 36, text));
}

TEST(RichTextEscapeTest, EscapesBracesBackslashesHighBytesAndControls) {
    EXPECT_EQ(EscapeRichText("a\\b{c}"), "a\\\\b\\{c\\}");
    EXPECT_EQ(EscapeRichText("Jörg"), "J\\'f6rg");
    EXPECT_EQ(EscapeRichText("x\ty\nz"), "x y z");
}

}  // namespace
