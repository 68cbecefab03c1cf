// The game-status summary of a player's view: the suit blocks by what the other seats may hold,
// the soloist's open hand read by a defender only once it truly lies open, Ramsch's planner flag
// put back, and nothing written for a type beyond Ramsch.

#include "ComputerTestSupport.h"

#include "computer/evaluation/GameStatus.h"

#include <cstring>

namespace {

class GameStatusTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        StartPlayKnowledge();
        g_Game.PartyTricks[0] = g_Game.PartyTricks[1] = g_Game.PartyTricks[2] = 0;
    }
    void Give(CPlayer& player, const char* ten) {
        const auto cards = ParseCards(ten);
        ASSERT_EQ(cards.size(), 10u);
        GiveCards(player, {cards[0], cards[1], cards[2], cards[3], cards[4], cards[5], cards[6], cards[7], cards[8],
                           cards[9]});
        player.AnalyseHand(0);
    }
    void Start(int type, int soloist) {
        g_Game.GameType = type;
        g_Game.TrumpCount = type < 4 ? 11 : 4;
        g_Game.Soloist = soloist;
    }
    static GameStatusRecord Filled(int value) {
        GameStatusRecord record;
        int* words = reinterpret_cast<int*>(&record);
        for (int k = 0; k < 25; ++k) words[k] = value;
        return record;
    }
};

// Clubs game, the person as soloist holding two Hearts: while a seat may still hold Hearts the
// block shows the five Hearts out; once both are known free of them, 0.
TEST_F(GameStatusTest, HeartsBlockFollowsWhatTheOtherSeatsMayHold) {
    Give(seat2, "CJ SJ CA CT CK CQ C9 HA H7 SA");
    Start(GAME_CLUBS, 2);
    GameStatusRecord record = Filled(-7);
    seat2.AnalyseGameStatus(record);
    EXPECT_EQ(record.Suits[HEARTS].Outstanding, 5);
    EXPECT_EQ(record.Suits[HEARTS].SeatAHolds, 1);
    EXPECT_EQ(record.Suits[HEARTS].TopCard, 1) << "the Hearts Ace is the top card";
    EXPECT_EQ(record.Suits[HEARTS].Fourth, 1) << "the Hearts Ten is out";
    EXPECT_EQ(record.Suits[CLUBS].Outstanding, -7) << "the trump suit's block is not written";
    EXPECT_EQ(record.TrumpsOut, 11 - 7);
    EXPECT_EQ(record.TrumpTen, 0) << "he holds the trump Ten";
    g_Knowledge.VoidTable[0][HEARTS] = 0;
    EXPECT_EQ((seat2.AnalyseGameStatus(record), record.Suits[HEARTS].Outstanding), 5) << "seat B may still hold them";
    g_Knowledge.VoidTable[1][HEARTS] = 0;
    seat2.AnalyseGameStatus(record);
    EXPECT_EQ(record.Suits[HEARTS].Outstanding, 0);
    EXPECT_EQ(record.Suits[HEARTS].Fourth, 0);
    EXPECT_EQ(record.Suits[HEARTS].SeatAHolds, 0);
}

// A defender against an open soloist reads the soloist's hand for the other side's column: the
// soloist holds no Spades and some Hearts.
TEST_F(GameStatusTest, DefenderAgainstAnOpenSoloistReadsHisHand) {
    Give(seat2, "CJ SJ CA CT CK CQ C9 HA H7 DA");
    Give(seat0, "HJ DJ C8 C7 SA ST SK HK HQ D7");
    seat0.SetPartner(&seat2);
    Start(GAME_CLUBS, 2);
    GameStatusRecord record = Filled(-7);
    seat0.AnalyseGameStatus(record);
    EXPECT_EQ(record.Suits[SPADES].OtherHolds, 1) << "hidden: the soloist may hold Spades";
    g_Game.OuvertAnnounced = 1;
    seat0.AnalyseGameStatus(record);
    EXPECT_EQ(record.Suits[SPADES].OtherHolds, 0);
    EXPECT_EQ(record.Suits[HEARTS].OtherHolds, 1);
    EXPECT_EQ(record.Suits[DIAMONDS].OtherHolds, 1);
}

// Variant rules with Null Ouvert cards withheld until the first trick: before it the soloist's
// hand stays hidden; after it the defender reads it.
TEST_F(GameStatusTest, WithheldNullOuvertHandStaysHiddenUntilTheFirstTrick) {
    g_Game.VariantMode = VARIANT_SKAT;
    g_Settings.Variants.NullOuvert = 1;
    Give(seat2, "C7 C8 C9 H7 H8 H9 D7 D8 D9 DT");
    Give(seat0, "SA SK SQ SJ CA CT CK HA HK HQ");
    seat0.SetPartner(&seat2);
    Start(GAME_NULL, 2);
    g_Game.OuvertAnnounced = 1;
    GameStatusRecord record = Filled(-7);
    seat0.AnalyseGameStatus(record);
    EXPECT_EQ(record.Suits[SPADES].OtherHolds, 1);
    EXPECT_EQ(record.Suits[SPADES].Fourth, -1) << "the soloist's safety is not shown while his hand is hidden";
    g_Game.PartyTricks[1] = 1;
    seat0.AnalyseGameStatus(record);
    EXPECT_EQ(record.Suits[SPADES].OtherHolds, 0);
    EXPECT_NE(record.Suits[SPADES].Fourth, -1);
    EXPECT_EQ(record.TrumpsOut, -7) << "Null has no trump header";
}

TEST_F(GameStatusTest, RamschPutsThePlannerFlagBack) {
    Give(seat0, "CJ SJ CA CT CK CQ C9 HA H7 DA");
    Start(GAME_RAMSCH, NO_SEAT);
    for (int flag : {0, 1}) {
        g_Knowledge.DiscardBusy = flag;
        GameStatusRecord record = Filled(-7);
        seat0.AnalyseGameStatus(record);
        EXPECT_EQ(g_Knowledge.DiscardBusy, flag);
        EXPECT_EQ(record.TrumpsOut, 4 - 2);
        EXPECT_EQ(record.Suits[SPADES].Outstanding, 7);
        EXPECT_EQ(record.Suits[CLUBS].Outstanding, 7 - 5);
    }
}

TEST_F(GameStatusTest, ATypeBeyondRamschWritesNothing) {
    Give(seat0, "CJ SJ CA CT CK CQ C9 HA H7 DA");
    for (int type : {static_cast<int>(GAME_DURCHMARSCH), static_cast<int>(GAME_NONE), 9}) {
        Start(type, 2);
        GameStatusRecord record = Filled(-7);
        seat0.AnalyseGameStatus(record);
        const GameStatusRecord untouched = Filled(-7);
        EXPECT_EQ(std::memcmp(&record, &untouched, sizeof(record)), 0) << type;
    }
}

}  // namespace
