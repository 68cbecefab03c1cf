#include "ModelFixture.h"
#include "model/BidLadder.h"
#include "model/GameValue.h"
#include "support/BidIndex.h"

#include <string>

namespace {

class GameValueTest : public ModelTest {
protected:
    void Play(int type, int soloist, int points, int tricks, int bid) {
        g_Game.GameType = type;
        g_Game.Soloist = soloist;
        g_Game.PartyPoints[0] = points;
        g_Game.PartyPoints[1] = 120 - points;
        g_Game.PartyTricks[0] = tricks;
        g_Game.PartyTricks[1] = 10 - tricks;
        g_Game.BidIndex = testsupport::BidIndexOf(bid);
    }
};

struct ValueCase {
    const char* name;
    int type = 0, hand = 0, ouvert = 0, schneider = 0, schwarz = 0, variant = 0, variantsHand = 0, variantsOuvert = 0;
    int points = 0, tricks = 0, bid = 0, matadors = 0;
    int result = 0, value = 0;
};

TEST_F(GameValueTest, PlayedOutGames) {
    const ValueCase cases[] = {
        // clang-format off
        {.name = "clubs with one", .variantsHand = 1, .variantsOuvert = 2, .points = 61, .tricks = 4, .bid = 24,
         .matadors = 2, .result = RESULT_WON, .value = 24},
        {.name = "clubs schneider reached", .variantsHand = 1, .variantsOuvert = 2, .points = 91, .tricks = 6,
         .bid = 24, .matadors = 2, .result = RESULT_WON, .value = 36},
        {.name = "overbid drops schneider", .variantsHand = 1, .variantsOuvert = 2, .points = 91, .tricks = 6,
         .bid = 48, .matadors = 2, .result = RESULT_OVERBID, .value = -48},
        {.name = "clubs lost", .variantsHand = 1, .variantsOuvert = 2, .points = 60, .tricks = 4, .bid = 18,
         .matadors = 2, .result = RESULT_LOST, .value = -48},
        {.name = "lost schneider counts", .variantsHand = 1, .variantsOuvert = 2, .points = 30, .tricks = 3, .bid = 18,
         .matadors = -3, .result = RESULT_LOST, .value = -96},
        {.name = "schwarz reached", .type = 2, .variantsHand = 1, .variantsOuvert = 2, .points = 120, .tricks = 10,
         .bid = 18, .matadors = 2, .result = RESULT_WON, .value = 40},
        // An announced level counts, reached or not: game, Hand, Schneider announced, Schneider.
        {.name = "schneider announced missed", .type = 1, .hand = 1, .schneider = 1, .variantsHand = 1,
         .variantsOuvert = 2, .points = 85, .tricks = 7, .bid = 18, .matadors = 2, .result = RESULT_SCHNEIDER_MISSED,
         .value = -(2 + 1 + 1 + 1) * 11 * 2},
        {.name = "schneider announced made", .type = 1, .hand = 1, .schneider = 1, .variantsHand = 1,
         .variantsOuvert = 2, .points = 95, .tricks = 8, .bid = 18, .matadors = 2, .result = RESULT_WON,
         .value = (2 + 1 + 1 + 1) * 11},
        {.name = "schwarz announced missed", .type = 3, .hand = 1, .schneider = 1, .schwarz = 1, .variantsHand = 1,
         .variantsOuvert = 2, .points = 110, .tricks = 9, .bid = 18, .matadors = 1, .result = RESULT_SCHWARZ_MISSED,
         .value = -(1 + 1 + 1 + 1 + 1 + 1) * 9 * 2},
        {.name = "schwarz announced made", .type = 3, .hand = 1, .schneider = 1, .schwarz = 1, .variantsHand = 1,
         .variantsOuvert = 2, .points = 120, .tricks = 10, .bid = 18, .matadors = 1, .result = RESULT_WON,
         .value = (1 + 1 + 1 + 1 + 1 + 1) * 9},
        {.name = "hand grand", .type = 6, .hand = 1, .variantsHand = 1, .variantsOuvert = 2, .points = 70, .tricks = 6,
         .bid = 18, .matadors = 3, .result = RESULT_WON, .value = 96},
        {.name = "ouvert grand demands schwarz", .type = 6, .hand = 1, .ouvert = 1, .schneider = 1, .schwarz = 1,
         .variantsHand = 1, .variantsOuvert = 2, .points = 110, .tricks = 9, .bid = 18, .matadors = 2,
         .result = RESULT_SCHWARZ_MISSED, .value = -(2 + 1 + 1 + 1 + 1 + 1 + 1) * 24 * 2},
        {.name = "ouvert under variants, rule 2", .type = 6, .hand = 1, .ouvert = 1, .variant = 1, .variantsHand = 1,
         .variantsOuvert = 2, .points = 100, .tricks = 9, .bid = 18, .matadors = 2, .result = RESULT_WON,
         .value = (2 + 1 + 1 + 1) * 24},
        // Rule 3 plays Ouvert as the official rules do: Schneider and Schwarz announced with it.
        {.name = "ouvert under variants, rule 3", .type = 6, .hand = 1, .ouvert = 1, .variant = 1, .variantsHand = 1,
         .variantsOuvert = 3, .points = 100, .tricks = 9, .bid = 18, .matadors = 2, .result = RESULT_SCHWARZ_MISSED,
         .value = -(2 + 1 + 1 + 1 + 1 + 1 + 1) * 24 * 2},
        {.name = "laid down early is no ouvert", .type = 6, .ouvert = 2, .variantsHand = 1, .variantsOuvert = 2,
         .points = 100, .tricks = 9, .bid = 18, .matadors = 2, .result = RESULT_WON, .value = (2 + 1) * 24},
        {.name = "hand loss single under variants", .type = 2, .hand = 1, .variant = 1, .variantsOuvert = 2,
         .points = 50, .tricks = 3, .bid = 18, .matadors = 2, .result = RESULT_LOST, .value = -30},
        {.name = "hand loss double with Variants/Hand", .type = 2, .hand = 1, .variant = 1, .variantsHand = 1,
         .variantsOuvert = 2, .points = 50, .tricks = 3, .bid = 18, .matadors = 2, .result = RESULT_LOST, .value = -60},
        {.name = "null", .type = 4, .variantsHand = 1, .variantsOuvert = 2, .bid = 23, .result = RESULT_WON,
         .value = 23},
        {.name = "null hand", .type = 4, .hand = 1, .variantsHand = 1, .variantsOuvert = 2, .bid = 18,
         .result = RESULT_WON, .value = 35},
        {.name = "null ouvert", .type = 4, .ouvert = 1, .variantsHand = 1, .variantsOuvert = 2, .bid = 18,
         .result = RESULT_WON, .value = 46},
        {.name = "null ouvert hand", .type = 4, .hand = 1, .ouvert = 1, .variantsHand = 1, .variantsOuvert = 2,
         .bid = 18, .result = RESULT_WON, .value = 59},
        {.name = "null ouvert hand lost", .type = 4, .hand = 1, .ouvert = 1, .variantsHand = 1, .variantsOuvert = 2,
         .tricks = 1, .bid = 18, .result = RESULT_LOST, .value = -118},
        {.name = "null overbid", .type = 4, .variantsHand = 1, .variantsOuvert = 2, .bid = 24, .result = RESULT_OVERBID,
         .value = -46},
        {.name = "revolution", .type = 5, .hand = 1, .variant = 1, .variantsHand = 1, .variantsOuvert = 2, .bid = 92,
         .result = RESULT_WON, .value = 92},
        {.name = "revolution overbid", .type = 5, .hand = 1, .variant = 1, .variantsHand = 1, .variantsOuvert = 2,
         .bid = 96, .result = RESULT_OVERBID, .value = -184},
        {.name = "revolution overbid single", .type = 5, .hand = 1, .variant = 1, .variantsOuvert = 2, .bid = 96,
         .result = RESULT_OVERBID, .value = -92},
        {.name = "revolution lost", .type = 5, .hand = 1, .variant = 1, .variantsHand = 1, .variantsOuvert = 2,
         .tricks = 2, .bid = 18, .result = RESULT_LOST, .value = -184},
        // clang-format on
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.Reset();
        g_Settings.Reset();
        Play(c.type, 1, c.points, c.tricks, c.bid);
        g_Game.HandAnnounced = c.hand;
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.SchneiderAnnounced = c.schneider;
        g_Game.SchwarzAnnounced = c.schwarz;
        g_Game.VariantMode = c.variant;
        g_Settings.Variants.Hand = c.variantsHand;
        g_Settings.Variants.Ouvert = c.variantsOuvert;
        int value = 0;
        EXPECT_EQ(GameValue(-1, value, c.matadors), c.result);
        EXPECT_EQ(value, c.value);
        if ((c.type == 4 || c.type == 5) && c.result == RESULT_WON) {
            EXPECT_EQ(g_Game.PartyPoints[0], 61);
        }
    }
}

TEST_F(GameValueTest, RamschAndOtherTypesLeaveTheValue) {
    Play(GAME_RAMSCH, 3, 40, 3, 18);
    int value = 77;
    EXPECT_EQ(GameValue(-1, value, 2), RESULT_LOST);
    EXPECT_EQ(value, 77);
    g_Game.GameType = GAME_NONE;
    EXPECT_EQ(GameValue(-1, value, 2), RESULT_WON);
    EXPECT_EQ(value, 77);
}

TEST_F(GameValueTest, GivingUpCompletesTheCounters) {
    struct GiveUp {
        const char* name;
        int type = 0, ouvert = 0, giver = 0, tricks0 = 0, points0 = 0, tricks1 = 0, points1 = 0;
        int expectTricks0 = 0, expectPoints0 = 0, expectTricks1 = 0, expectPoints1 = 0, result = 0;
    } cases[] = {
        // clang-format off
        {.name = "defender before the first trick", .giver = 2, .expectTricks0 = 1, .expectPoints0 = 61,
         .expectTricks1 = 1, .expectPoints1 = 31, .result = RESULT_WON},
        {.name = "soloist before the first trick", .giver = 1, .expectTricks0 = 1, .expectPoints0 = 31,
         .expectTricks1 = 1, .expectPoints1 = 61, .result = RESULT_LOST},
        {.name = "defender, soloist has tricks", .type = 6, .tricks0 = 5, .points0 = 70, .tricks1 = 3, .points1 = 30,
         .expectTricks0 = 7, .expectPoints0 = 90, .expectTricks1 = 3, .expectPoints1 = 30, .result = RESULT_WON},
        {.name = "soloist, he has tricks", .type = 6, .giver = 1, .tricks0 = 5, .points0 = 70, .tricks1 = 3,
         .points1 = 30, .expectTricks0 = 5, .expectPoints0 = 70, .expectTricks1 = 3, .expectPoints1 = 30,
         .result = RESULT_LOST},
        {.name = "defender, soloist has none", .type = 2, .giver = 2, .tricks1 = 2, .points1 = 25, .expectTricks0 = 8,
         .expectPoints0 = 95, .expectTricks1 = 2, .expectPoints1 = 25, .result = RESULT_WON},
        {.name = "soloist has none and gives up", .type = 2, .giver = 1, .tricks1 = 2, .points1 = 25,
         .expectTricks1 = 10, .expectPoints1 = 120, .result = RESULT_LOST},
        {.name = "ouvert conceded before the first trick", .type = 2, .ouvert = 1, .giver = 2, .expectTricks0 = 10,
         .expectPoints0 = 120, .result = RESULT_WON},
        {.name = "ouvert conceded after a defender's trick", .type = 2, .ouvert = 1, .giver = 2, .tricks0 = 3,
         .points0 = 40, .tricks1 = 1, .points1 = 10, .expectTricks0 = 9, .expectPoints0 = 110, .expectTricks1 = 1,
         .expectPoints1 = 10, .result = RESULT_SCHWARZ_MISSED},
        // clang-format on
    };
    for (const GiveUp& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.Reset();
        g_Game.GameType = c.type;
        g_Game.Soloist = 1;
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.PartyTricks[0] = c.tricks0;
        g_Game.PartyPoints[0] = c.points0;
        g_Game.PartyTricks[1] = c.tricks1;
        g_Game.PartyPoints[1] = c.points1;
        int value = 0;
        int result = GameValue(c.giver, value, 2);
        EXPECT_EQ(g_Game.PartyTricks[0], c.expectTricks0);
        EXPECT_EQ(g_Game.PartyPoints[0], c.expectPoints0);
        EXPECT_EQ(g_Game.PartyTricks[1], c.expectTricks1);
        EXPECT_EQ(g_Game.PartyPoints[1], c.expectPoints1);
        EXPECT_EQ(result, c.result);
    }
    // The soloist giving up before the first trick loses simple: 31 points are no Schneider.
    g_Game.Reset();
    g_Game.GameType = GAME_CLUBS;
    g_Game.Soloist = 0;
    int value = 0;
    EXPECT_EQ(GameValue(0, value, 2), RESULT_LOST);
    EXPECT_EQ(value, -48);
    // A defender gives up when the soloist has 5 tricks and 70 points: 7 tricks, 90 (Schneider).
    g_Game.Reset();
    g_Game.GameType = GAME_CLUBS;
    g_Game.Soloist = 0;
    g_Game.PartyTricks[0] = 5;
    g_Game.PartyPoints[0] = 70;
    g_Game.PartyTricks[1] = 3;
    g_Game.PartyPoints[1] = 30;
    EXPECT_EQ(GameValue(1, value, 2), RESULT_WON);
    EXPECT_EQ(value, 36);
    // Null given up by the soloist: his trick; by a defender: no trick for the soloist.
    g_Game.Reset();
    g_Game.GameType = GAME_NULL;
    g_Game.Soloist = 2;
    g_Game.PartyTricks[1] = 4;
    EXPECT_EQ(GameValue(2, value, 0), RESULT_LOST);
    EXPECT_EQ(value, -46);
    g_Game.PartyTricks[0] = 0;
    EXPECT_EQ(GameValue(0, value, 0), RESULT_WON);
    EXPECT_EQ(value, 23);
}

TEST_F(GameValueTest, ConcededGamesAreValuedByTheRuleOfTheGame) {
    // Defenders who concede leave every trick still out to the soloist, so what he announced
    // counts as reached; a soloist who gives up has lost, whatever his points. Soloist seat 1.
    struct Case {
        const char* name;
        int type = 0, hand = 0, ouvert = 0, schneider = 0, schwarz = 0, giver = 0;
        int tricks0 = 0, points0 = 0, tricks1 = 0, points1 = 0, matadors = 0;
        int result = 0, value = 0;
    };
    const Case cases[] = {
        // With four, game five, Hand, Schneider, Schneider announced, Schwarz, Schwarz
        // announced, Ouvert: 11 x 24.
        // clang-format off
        {.name = "grand ouvert with four conceded before the first trick", .type = 6, .hand = 1, .ouvert = 1,
         .schneider = 1, .schwarz = 1, .giver = 2, .matadors = 5, .result = RESULT_WON, .value = 264},
        {.name = "grand ouvert with four conceded after three tricks", .type = 6, .hand = 1, .ouvert = 1,
         .schneider = 1, .schwarz = 1, .tricks0 = 3, .points0 = 35, .matadors = 5, .result = RESULT_WON, .value = 264},
        // With one, game two, Hand, Schneider announced, Schneider, and Schwarz reached: 6 x 12.
        {.name = "clubs hand schneider announced conceded before the first trick", .hand = 1, .schneider = 1,
         .matadors = 2, .result = RESULT_WON, .value = 72},
        {.name = "clubs hand schwarz announced conceded before the first trick", .hand = 1, .schneider = 1,
         .schwarz = 1, .giver = 2, .matadors = 2, .result = RESULT_WON, .value = 84},
        // The defenders hold 31 already: the rest gives the soloist 89, Schneider is missed.
        {.name = "schneider announced conceded out of reach", .hand = 1, .schneider = 1, .giver = 2, .tricks0 = 3,
         .points0 = 40, .tricks1 = 2, .points1 = 31, .matadors = 2, .result = RESULT_SCHNEIDER_MISSED, .value = -120},
        {.name = "plain game conceded before the first trick", .giver = 2, .matadors = 2, .result = RESULT_WON,
         .value = 24},
        {.name = "plain game conceded, the soloist without a trick", .type = 1, .giver = 2, .tricks1 = 2, .points1 = 35,
         .matadors = 2, .result = RESULT_WON, .value = 22},
        // The soloist gives up: lost, valued with what he declared.
        {.name = "soloist gives up with 70 points", .type = 6, .giver = 1, .tricks0 = 5, .points0 = 70, .tricks1 = 3,
         .points1 = 30, .matadors = 2, .result = RESULT_LOST, .value = -96},
        {.name = "soloist gives up a hand game with 61 points", .type = 2, .hand = 1, .giver = 1, .tricks0 = 4,
         .points0 = 61, .tricks1 = 2, .points1 = 20, .matadors = 2, .result = RESULT_LOST, .value = -60},
        {.name = "soloist gives up before the first trick", .giver = 1, .matadors = 2, .result = RESULT_LOST,
         .value = -48},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.Reset();
        g_Settings.Reset();
        g_Game.GameType = c.type;
        g_Game.Soloist = 1;
        g_Game.BidIndex = testsupport::BidIndexOf(18);
        g_Game.HandAnnounced = c.hand;
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.SchneiderAnnounced = c.schneider;
        g_Game.SchwarzAnnounced = c.schwarz;
        g_Game.PartyTricks[0] = c.tricks0;
        g_Game.PartyPoints[0] = c.points0;
        g_Game.PartyTricks[1] = c.tricks1;
        g_Game.PartyPoints[1] = c.points1;
        int value = 0;
        EXPECT_EQ(GameValue(c.giver, value, c.matadors), c.result);
        EXPECT_EQ(value, c.value);
    }
}

// Ouvert under the official rules is a Hand game with Schneider and Schwarz announced: with m tops
// it counts m + 1 for the game, then Hand, Schneider, Schneider announced, Schwarz, Schwarz
// announced and Ouvert, whether it is won Schwarz or lost.
TEST_F(GameValueTest, OuvertGamesCountEveryLevelTheyAnnounce) {
    struct Case {
        int type, base;
    };
    for (const Case game : {Case{GAME_GRAND, 24}, Case{GAME_CLUBS, 12}, Case{GAME_DIAMONDS, 9}}) {
        for (int tops = 1; tops <= 4; ++tops) {
            for (int sign : {1, -1}) {
                const int matadors = sign * (tops + 1);
                const int level = tops + 1 + 6;
                struct Outcome {
                    const char* name;
                    int points, tricks, result, value;
                };
                const Outcome outcomes[] = {
                    {"won schwarz", 120, 10, RESULT_WON, level * game.base},
                    {"nine tricks", 110, 9, RESULT_SCHWARZ_MISSED, -2 * level * game.base},
                    {"schneider missed", 80, 7, RESULT_SCHWARZ_MISSED, -2 * level * game.base},
                    {"lost", 50, 4, RESULT_LOST, -2 * level * game.base},
                };
                for (const Outcome& p : outcomes) {
                    SCOPED_TRACE(std::string(p.name) + " type " + std::to_string(game.type) + " matadors " +
                                 std::to_string(matadors));
                    g_Game.Reset();
                    g_Settings.Reset();
                    Play(game.type, 1, p.points, p.tricks, 18);
                    g_Game.HandAnnounced = 1;
                    g_Game.OuvertAnnounced = 1;
                    int value = 0;
                    EXPECT_EQ(GameValue(-1, value, matadors), p.result);
                    EXPECT_EQ(value, p.value);
                }
            }
        }
    }
}

// The bid against the full Ouvert value: a legal bid up to it is no overbid.
TEST_F(GameValueTest, OuvertValueMeetsTheBid) {
    struct Case {
        const char* name;
        int type, matadors, points, tricks, bid, result, value;
    };
    const Case cases[] = {
        {"grand ouvert with four is 264", GAME_GRAND, 5, 120, 10, 18, RESULT_WON, 264},
        {"grand ouvert with four bid at 240", GAME_GRAND, 5, 120, 10, 240, RESULT_WON, 264},
        {"grand ouvert with four bid at 264", GAME_GRAND, 5, 120, 10, 264, RESULT_WON, 264},
        {"clubs ouvert with one bid at 84", GAME_CLUBS, 2, 120, 10, 84, RESULT_WON, 96},
        {"clubs ouvert with one bid at 96", GAME_CLUBS, 2, 120, 10, 96, RESULT_WON, 96},
        // Overbid: the announced levels belong to the game and stay in its value.
        {"clubs ouvert with one bid at 100", GAME_CLUBS, 2, 120, 10, 100, RESULT_OVERBID, -192},
        {"clubs ouvert with one lost with nine tricks", GAME_CLUBS, 2, 110, 9, 84, RESULT_SCHWARZ_MISSED, -192},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.Reset();
        g_Settings.Reset();
        Play(c.type, 1, c.points, c.tricks, c.bid);
        g_Game.HandAnnounced = 1;
        g_Game.OuvertAnnounced = 1;
        int value = 0;
        EXPECT_EQ(GameValue(-1, value, c.matadors), c.result);
        EXPECT_EQ(value, c.value);
    }
}

// Each announcement reached and missed: the announcement and the level it announces count either
// way; a level reached in play without its announcement counts once.
TEST_F(GameValueTest, AnnouncedLevelsCountReachedOrMissed) {
    struct Case {
        const char* name;
        int schneider, schwarz, points, tricks, bid, matadors;
        int result, level;  // the level the base 12 (Clubs) is multiplied by, Hand included
    };
    const Case cases[] = {
        {"schneider announced, reached", 1, 0, 95, 8, 18, 2, RESULT_WON, 2 + 1 + 2},
        {"schneider announced, reached schwarz", 1, 0, 120, 10, 18, 2, RESULT_WON, 2 + 1 + 2 + 1},
        {"schneider announced, missed with 80", 1, 0, 80, 7, 18, 2, RESULT_SCHNEIDER_MISSED, 2 + 1 + 2},
        {"schneider announced, lost with 50", 1, 0, 50, 4, 18, 2, RESULT_LOST, 2 + 1 + 2},
        {"schneider announced, lost schwarz", 1, 0, 0, 0, 18, 2, RESULT_LOST, 2 + 1 + 2 + 1},
        {"schwarz announced, reached", 1, 1, 120, 10, 18, 2, RESULT_WON, 2 + 1 + 4},
        {"schwarz announced, nine tricks", 1, 1, 110, 9, 18, 2, RESULT_SCHWARZ_MISSED, 2 + 1 + 4},
        {"schwarz announced, schneider missed too", 1, 1, 85, 8, 18, 2, RESULT_SCHNEIDER_MISSED, 2 + 1 + 4},
        {"schwarz announced, without two", 1, 1, 110, 9, 18, -3, RESULT_SCHWARZ_MISSED, 3 + 1 + 4},
        // Overbid: only a level reached in play and not announced is dropped.
        {"schneider announced, overbid", 1, 0, 95, 8, 72, 2, RESULT_OVERBID, 2 + 1 + 2},
        {"schneider announced, overbid schwarz", 1, 0, 120, 10, 96, 2, RESULT_OVERBID, 2 + 1 + 2},
        {"schwarz announced, overbid", 1, 1, 120, 10, 96, 2, RESULT_OVERBID, 2 + 1 + 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        g_Game.Reset();
        g_Settings.Reset();
        Play(GAME_CLUBS, 1, c.points, c.tricks, c.bid);
        g_Game.HandAnnounced = 1;
        g_Game.SchneiderAnnounced = c.schneider;
        g_Game.SchwarzAnnounced = c.schwarz;
        int value = 0;
        EXPECT_EQ(GameValue(-1, value, c.matadors), c.result);
        EXPECT_EQ(value, c.result == RESULT_WON ? c.level * 12 : -2 * c.level * 12);
    }
}

TEST_F(GameValueTest, LostGameFactor) {
    EXPECT_EQ(LostGameFactor(), 2);
    g_Game.HandAnnounced = 1;
    g_Game.VariantMode = VARIANT_SKAT;
    g_Settings.Variants.Hand = 0;
    EXPECT_EQ(LostGameFactor(), 1);
    g_Game.VariantMode = VARIANT_OFFICIAL;
    EXPECT_EQ(LostGameFactor(), 2);
}

}  // namespace
