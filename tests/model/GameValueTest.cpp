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
    int type, hand, ouvert, schneider, schwarz, variant, variantsHand, variantsOuvert;
    int points, tricks, bid, matadors;
    int result, value;
};

TEST_F(GameValueTest, PlayedOutGames) {
    const ValueCase cases[] = {
        {"clubs with one", 0, 0, 0, 0, 0, 0, 1, 2, 61, 4, 24, 2, RESULT_WON, 24},
        {"clubs schneider reached", 0, 0, 0, 0, 0, 0, 1, 2, 91, 6, 24, 2, RESULT_WON, 36},
        {"overbid drops schneider", 0, 0, 0, 0, 0, 0, 1, 2, 91, 6, 48, 2, RESULT_OVERBID, -48},
        {"clubs lost", 0, 0, 0, 0, 0, 0, 1, 2, 60, 4, 18, 2, RESULT_LOST, -48},
        {"lost schneider counts", 0, 0, 0, 0, 0, 0, 1, 2, 30, 3, 18, -3, RESULT_LOST, -96},
        {"schwarz reached", 2, 0, 0, 0, 0, 0, 1, 2, 120, 10, 18, 2, RESULT_WON, 40},
        // An announced level counts, reached or not: game, Hand, Schneider announced, Schneider.
        {"schneider announced missed", 1, 1, 0, 1, 0, 0, 1, 2, 85, 7, 18, 2, RESULT_SCHNEIDER_MISSED, -(2 + 1 + 1 + 1) * 11 * 2},
        {"schneider announced made", 1, 1, 0, 1, 0, 0, 1, 2, 95, 8, 18, 2, RESULT_WON, (2 + 1 + 1 + 1) * 11},
        {"schwarz announced missed", 3, 1, 0, 1, 1, 0, 1, 2, 110, 9, 18, 1, RESULT_SCHWARZ_MISSED,
         -(1 + 1 + 1 + 1 + 1 + 1) * 9 * 2},
        {"schwarz announced made", 3, 1, 0, 1, 1, 0, 1, 2, 120, 10, 18, 1, RESULT_WON, (1 + 1 + 1 + 1 + 1 + 1) * 9},
        {"hand grand", 6, 1, 0, 0, 0, 0, 1, 2, 70, 6, 18, 3, RESULT_WON, 96},
        {"ouvert grand demands schwarz", 6, 1, 1, 1, 1, 0, 1, 2, 110, 9, 18, 2, RESULT_SCHWARZ_MISSED,
         -(2 + 1 + 1 + 1 + 1 + 1 + 1) * 24 * 2},
        {"ouvert under variants, rule 2", 6, 1, 1, 0, 0, 1, 1, 2, 100, 9, 18, 2, RESULT_WON, (2 + 1 + 1 + 1) * 24},
        // Rule 3 plays Ouvert as the official rules do: Schneider and Schwarz announced with it.
        {"ouvert under variants, rule 3", 6, 1, 1, 0, 0, 1, 1, 3, 100, 9, 18, 2, RESULT_SCHWARZ_MISSED,
         -(2 + 1 + 1 + 1 + 1 + 1 + 1) * 24 * 2},
        {"laid down early is no ouvert", 6, 0, 2, 0, 0, 0, 1, 2, 100, 9, 18, 2, RESULT_WON, (2 + 1) * 24},
        {"hand loss single under variants", 2, 1, 0, 0, 0, 1, 0, 2, 50, 3, 18, 2, RESULT_LOST, -30},
        {"hand loss double with Variants/Hand", 2, 1, 0, 0, 0, 1, 1, 2, 50, 3, 18, 2, RESULT_LOST, -60},
        {"null", 4, 0, 0, 0, 0, 0, 1, 2, 0, 0, 23, 0, RESULT_WON, 23},
        {"null hand", 4, 1, 0, 0, 0, 0, 1, 2, 0, 0, 18, 0, RESULT_WON, 35},
        {"null ouvert", 4, 0, 1, 0, 0, 0, 1, 2, 0, 0, 18, 0, RESULT_WON, 46},
        {"null ouvert hand", 4, 1, 1, 0, 0, 0, 1, 2, 0, 0, 18, 0, RESULT_WON, 59},
        {"null ouvert hand lost", 4, 1, 1, 0, 0, 0, 1, 2, 0, 1, 18, 0, RESULT_LOST, -118},
        {"null overbid", 4, 0, 0, 0, 0, 0, 1, 2, 0, 0, 24, 0, RESULT_OVERBID, -46},
        {"revolution", 5, 1, 0, 0, 0, 1, 1, 2, 0, 0, 92, 0, RESULT_WON, 92},
        {"revolution overbid", 5, 1, 0, 0, 0, 1, 1, 2, 0, 0, 96, 0, RESULT_OVERBID, -184},
        {"revolution overbid single", 5, 1, 0, 0, 0, 1, 0, 2, 0, 0, 96, 0, RESULT_OVERBID, -92},
        {"revolution lost", 5, 1, 0, 0, 0, 1, 1, 2, 0, 2, 18, 0, RESULT_LOST, -184},
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
        int type, ouvert, giver, tricks0, points0, tricks1, points1;
        int expectTricks0, expectPoints0, expectTricks1, expectPoints1, result;
    } cases[] = {
        {"defender before the first trick", 0, 0, 2, 0, 0, 0, 0, 1, 61, 1, 31, RESULT_WON},
        {"soloist before the first trick", 0, 0, 1, 0, 0, 0, 0, 1, 31, 1, 61, RESULT_LOST},
        {"defender, soloist has tricks", 6, 0, 0, 5, 70, 3, 30, 7, 90, 3, 30, RESULT_WON},
        {"soloist, he has tricks", 6, 0, 1, 5, 70, 3, 30, 5, 70, 3, 30, RESULT_LOST},
        {"defender, soloist has none", 2, 0, 2, 0, 0, 2, 25, 8, 95, 2, 25, RESULT_WON},
        {"soloist has none and gives up", 2, 0, 1, 0, 0, 2, 25, 0, 0, 10, 120, RESULT_LOST},
        {"ouvert conceded before the first trick", 2, 1, 2, 0, 0, 0, 0, 10, 120, 0, 0, RESULT_WON},
        {"ouvert conceded after a defender's trick", 2, 1, 2, 3, 40, 1, 10, 9, 110, 1, 10, RESULT_SCHWARZ_MISSED},
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
        int type, hand, ouvert, schneider, schwarz, giver;
        int tricks0, points0, tricks1, points1, matadors;
        int result, value;
    };
    const Case cases[] = {
        // With four, game five, Hand, Schneider, Schneider announced, Schwarz, Schwarz
        // announced, Ouvert: 11 x 24.
        {"grand ouvert with four conceded before the first trick", 6, 1, 1, 1, 1, 2, 0, 0, 0, 0, 5, RESULT_WON, 264},
        {"grand ouvert with four conceded after three tricks", 6, 1, 1, 1, 1, 0, 3, 35, 0, 0, 5, RESULT_WON, 264},
        // With one, game two, Hand, Schneider announced, Schneider, and Schwarz reached: 6 x 12.
        {"clubs hand schneider announced conceded before the first trick", 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 2, RESULT_WON, 72},
        {"clubs hand schwarz announced conceded before the first trick", 0, 1, 0, 1, 1, 2, 0, 0, 0, 0, 2, RESULT_WON, 84},
        // The defenders hold 31 already: the rest gives the soloist 89, Schneider is missed.
        {"schneider announced conceded out of reach", 0, 1, 0, 1, 0, 2, 3, 40, 2, 31, 2, RESULT_SCHNEIDER_MISSED, -120},
        {"plain game conceded before the first trick", 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, RESULT_WON, 24},
        {"plain game conceded, the soloist without a trick", 1, 0, 0, 0, 0, 2, 0, 0, 2, 35, 2, RESULT_WON, 22},
        // The soloist gives up: lost, valued with what he declared.
        {"soloist gives up with 70 points", 6, 0, 0, 0, 0, 1, 5, 70, 3, 30, 2, RESULT_LOST, -96},
        {"soloist gives up a hand game with 61 points", 2, 1, 0, 0, 0, 1, 4, 61, 2, 20, 2, RESULT_LOST, -60},
        {"soloist gives up before the first trick", 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, RESULT_LOST, -48},
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
