// Hand analysis of fixed hands: counts, Jacks and matador runs, the suit records and the Null
// structure codes; the matador level with and without the skat; the card plan memory.

#include "ComputerTestSupport.h"

#include "computer/evaluation/HandAnalysis.h"

#include <cstring>

namespace {

class HandAnalysisTest : public ComputerTest {};

TEST_F(HandAnalysisTest, CountsAndTablesOfATenCardHand) {
    GiveCards(seat0, "CJ HJ CA CT CK C7 SA S9 H8 H7");
    seat0.AnalyseHand(0);
    const HandInfo& info = seat0.handInfo;
    EXPECT_EQ(info.JackCount, 2);
    EXPECT_EQ(info.DealtJackCount, 2);
    EXPECT_EQ(info.MatadorRun, 1);  // with one: the Spades Jack is missing
    EXPECT_EQ(info.SuitCount[CLUBS], 4);
    EXPECT_EQ(info.SuitCountWithJack[CLUBS], 5);
    EXPECT_EQ(info.SuitCount[SPADES], 2);
    EXPECT_EQ(info.SuitCount[HEARTS], 2);
    EXPECT_EQ(info.SuitCountWithJack[HEARTS], 3);
    EXPECT_EQ(info.SuitCount[DIAMONDS], 0);
    EXPECT_EQ(info.ShortSuitCount, 1);
    EXPECT_EQ(info.AceSuitCount, 2);
    EXPECT_EQ(info.TenSuitCount, 1);
    EXPECT_EQ(info.RankTable[CLUBS][ACE], 2);
    EXPECT_EQ(info.RankTable[DIAMONDS][ACE], -1);
    EXPECT_TRUE(info.TopClosed[CLUBS]);
    EXPECT_FALSE(info.TopClosed[SPADES]);
    // Clubs: Ace, Ten and King, four cards (rule 2): 2 + 2 tricks in primary slot 3.
    EXPECT_EQ(info.SuitRecords[0].Slots[3], 4);
    EXPECT_EQ(info.SuitTricks[CLUBS], 4);
    // Spades: Ace without Ten or King (rule 10).
    EXPECT_EQ(info.SuitRecords[2].Slots[0], 1);
    EXPECT_EQ(info.SuitRecords[3].Slots[0], 1);
    EXPECT_EQ(info.SuitTrickSum, 5);
}

struct MatadorCase {
    const char* name;
    std::initializer_list<int> jacks;  // suits of the Jacks held
    int run;
    int grandLevel;
};

TEST_F(HandAnalysisTest, MatadorRunsFromTheJacks) {
    const MatadorCase cases[] = {
        {"no Jack", {}, -4, -5},
        {"Spades and Hearts", {SPADES, HEARTS}, -1, -2},
        {"with two", {CLUBS, SPADES}, 2, 3},
        {"with one", {CLUBS, HEARTS, DIAMONDS}, 1, 2},
        {"without three", {DIAMONDS}, -3, -4},
        {"all four", {CLUBS, SPADES, HEARTS, DIAMONDS}, 4, 5},
    };
    for (const MatadorCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> cards;
        for (int suit : c.jacks) cards.push_back(C(JACK, suit));
        const std::vector<int> fill = ParseCards("D7 D8 D9 S7 S8 S9 H7 H8 H9 HQ");
        for (int i = 0; cards.size() < 10; ++i) cards.push_back(fill[i]);
        GiveCards(seat0, {});
        for (int i = 0; i < 10; ++i) {
            seat0.cards[i] = cards[i];
            seat0.present[i] = 1;
        }
        seat0.AnalyseHand(0);
        EXPECT_EQ(seat0.handInfo.MatadorRun, c.run);
        EXPECT_EQ(GetMatadors(seat0, GAME_GRAND), c.grandLevel);
    }
}

TEST_F(HandAnalysisTest, SuitGameMatadorsRunOnThroughTheTrumpSuit) {
    // All Jacks with the trump Ace and Ten: with 6, game 7.
    GiveCards(seat0, "CJ SJ HJ DJ HA HT HQ C7 C8 C9");
    seat0.AnalyseHand(0);
    EXPECT_EQ(GetMatadors(seat0, GAME_HEARTS), 7);
    // No Jack, no trump Ace, the trump Ten held: without 5, game 6.
    GiveCards(seat0, "HT H7 CA C7 C8 C9 SA S7 S8 S9");
    seat0.AnalyseHand(0);
    EXPECT_EQ(GetMatadors(seat0, GAME_HEARTS), -6);
    EXPECT_EQ(GetMatadors(seat0, GAME_DIAMONDS), -12);  // no Jack, no Diamonds at all
    EXPECT_EQ(GetMatadors(seat0, GAME_CLUBS), -5);      // the walk stops at the held Ace
}

TEST_F(HandAnalysisTest, ThreeJacksCreditEverySuitItsLength) {
    GiveCards(seat0, "CJ SJ HJ C7 C8 SA ST H9 H8 H7");
    seat0.AnalyseHand(0);
    const HandInfo& info = seat0.handInfo;
    EXPECT_EQ(info.SuitTricks[CLUBS], 2);
    EXPECT_EQ(info.SuitTricks[SPADES], 2);
    EXPECT_EQ(info.SuitTricks[HEARTS], 3);
    EXPECT_EQ(info.SuitTricks[DIAMONDS], 0);
    EXPECT_EQ(info.SuitTrickSum, 2);  // only the Ace-Ten of Spades by the rules
}

TEST_F(HandAnalysisTest, SkatSlotsAndTheMatadorLevelWithTheSkat) {
    GiveCards(seat0, "SJ CA C7 C8 C9 SA S7 S8 S9 H7");
    GiveSkat(seat0, C(JACK, CLUBS), C(ACE, HEARTS));
    // Mode 2: the skat only in the table with the skat, not counted.
    seat0.AnalyseHand(2);
    EXPECT_EQ(seat0.handInfo.RankTable[HEARTS][ACE], -1);
    EXPECT_EQ(seat0.handInfo.RankTableWithSkat[HEARTS][ACE], 11);
    EXPECT_EQ(seat0.handInfo.SuitCount[HEARTS], 1);
    EXPECT_EQ(seat0.handInfo.JackCount, 1);

    seat0.AnalyseHand(0);
    HandInfo before = seat0.handInfo;
    const auto presentBefore = seat0.present;
    CCards skat("", 2, false, false);
    GiveCards(skat, "CJ HA");
    EXPECT_EQ(GetMatadors(seat0, GAME_GRAND), -2);
    EXPECT_EQ(GetMatadorsWithSkat(seat0, GAME_GRAND, skat), 3);  // the Clubs Jack: with two
    EXPECT_EQ(std::memcmp(&before, &seat0.handInfo, sizeof(HandInfo)), 0);
    EXPECT_EQ(seat0.present, presentBefore);
}

TEST_F(HandAnalysisTest, TakenSkatCountsOnlyTheFirstAceForTheRules) {
    g_Computer.SkatTaken = 1;
    GiveCards(seat0, "CT C7 ST S7 H8 H9 H7 D8 D9 D7");
    GiveSkat(seat0, C(ACE, CLUBS), C(ACE, SPADES));
    seat0.AnalyseHand(2);
    // The Clubs Ace (slot 10) makes Clubs an Ace-Ten suit; the Spades Ace (slot 11) does not count.
    EXPECT_EQ(seat0.handInfo.SuitRecords[0].Slots[2], 2);
    EXPECT_EQ(seat0.handInfo.SuitRecords[2].Slots[2], 0);
    EXPECT_EQ(seat0.handInfo.AceSuitCount, 0);  // Aces in the hand only
}

TEST_F(HandAnalysisTest, NullStructureCodes) {
    g_Game.Forehand = 1;  // not forehand: no forehand pass
    // Clubs: single Seven (1); Spades: 8 alone (7); Hearts: 7 8 9 (1); Diamonds: A K Q 10 J (13).
    GiveCards(seat0, "C7 S8 H7 H8 H9 DA DK DQ DT DJ");
    seat0.AnalyseHand(0);
    const HandInfo& info = seat0.handInfo;
    EXPECT_EQ(info.StructureCode[CLUBS], 1);
    EXPECT_EQ(info.StructureCode[SPADES], 7);
    EXPECT_EQ(info.StructureCode[HEARTS], 1);
    EXPECT_EQ(info.StructureCode[DIAMONDS], 13);
    EXPECT_EQ(info.NullSafe, 1);
    // A single Nine is dangerous: code 10 and the hand is no longer Null-safe; a single King is
    // code 4, but 13 in mode 2.
    GiveCards(seat0, "C9 SK H7 H8 H9 HT D7 D8 D9 DT");
    seat0.AnalyseHand(0);
    EXPECT_EQ(info.StructureCode[CLUBS], 10);
    EXPECT_EQ(info.StructureCode[SPADES], 4);
    EXPECT_EQ(info.NullSafe, 0);
    seat0.AnalyseHand(2);
    EXPECT_EQ(info.StructureCode[SPADES], 13);
}

TEST_F(HandAnalysisTest, ForehandPassMarksSafeSuitsWithoutALowPair) {
    g_Game.Forehand = 0;
    // No suit holds both 7 and 8 (M stays 1): safe suits missing Eight or Nine become 3, then 2.
    GiveCards(seat0, "C7 C9 S7 S9 ST H7 H9 HJ D7 D9");
    seat0.AnalyseHand(0);
    EXPECT_EQ(seat0.handInfo.StructureCode[CLUBS], 3);
    EXPECT_EQ(seat0.handInfo.StructureCode[SPADES], 2);
    EXPECT_EQ(seat0.handInfo.StructureCode[HEARTS], 2);
    EXPECT_EQ(seat0.handInfo.StructureCode[DIAMONDS], 2);
}

TEST_F(HandAnalysisTest, PlayedCardsLeaveTheAnalysisAndCountInSuitIgnoresTheJack) {
    g_Game.GameType = GAME_CLUBS;
    GiveCards(seat0, "CJ CA C7 H8 H9 H7 D8 D9 D7 SA");
    seat0.AnalyseHand(0);
    EXPECT_EQ(seat0.CountInSuit(CLUBS), 2);
    EXPECT_EQ(seat0.CountInSuit(6), 0);
    EXPECT_EQ(seat0.GetTrumpCount(), 3);
    seat0.present[0] = 0;  // the Clubs Jack was played
    seat0.AnalyseHand(0);
    EXPECT_EQ(seat0.handInfo.JackCount, 0);
    EXPECT_EQ(seat0.GetTrumpCount(), 2);
}

TEST_F(HandAnalysisTest, CardPlanSnapshotsRoundTripIncludingTheSpare) {
    seat0.ResetCardPlan();
    seat0.CardPlan[0] = C(ACE, CLUBS);
    seat0.CardPlanCounter = 7;
    seat0.SaveCardPlan(11);
    seat0.ResetCardPlan();
    EXPECT_EQ(seat0.CardPlan[0], -1);
    seat0.LoadCardPlan(11);
    EXPECT_EQ(seat0.CardPlan[0], C(ACE, CLUBS));
    EXPECT_EQ(seat0.CardPlanCounter, 7);
    seat0.SaveCardPlan(12);  // beyond the history: ignored, nothing written out of range
    seat0.LoadCardPlan(-1);
    EXPECT_EQ(seat0.CardPlanCounter, 7);
}

// The suit tops the statistics register with the declared game: per suit the held Seven, Eight,
// Nine, Queen and King by hand slot, none of a suit whose top is closed (Ace, Ten and King).
struct SuitTopsRow {
    int suit;
    int listed;
    int slots[8];  // by rank index; -1 not listed (element 0 unused)
};

TEST_F(HandAnalysisTest, SuitTopsListTheSmallCardsOfEverySuitWithoutAClosedTop) {
    g_Game.SetGameType(GAME_CLUBS);
    GiveCards(seat0, "CA CT CK C9 C7 SK SQ S8 DA D7");
    seat0.AnalyseHand(0);
    ListSmallCards(seat0);
    //                      rank: A   7   8   9   10  J   Q   K
    const SuitTopsRow rows[] = {
        {CLUBS, 0, {0, -1, -1, -1, -1, -1, -1, -1}},   // Ace, Ten and King: closed
        {SPADES, 3, {0, -1, 7, -1, -1, -1, 6, 5}},
        {HEARTS, 0, {0, -1, -1, -1, -1, -1, -1, -1}},  // none held
        {DIAMONDS, 1, {0, 9, -1, -1, -1, -1, -1, -1}}, // the Ace is no small card
    };
    for (const SuitTopsRow& row : rows) {
        EXPECT_EQ(seat0.handInfo.SmallCards[row.suit][0], row.listed) << row.suit;
        for (int rank = 1; rank < 8; ++rank) EXPECT_EQ(seat0.handInfo.SmallCards[row.suit][rank], row.slots[rank]) << row.suit << rank;
    }
}

TEST_F(HandAnalysisTest, SuitTopsOfANewHandKeepNothingOfTheLast) {
    g_Game.SetGameType(GAME_GRAND);
    GiveCards(seat0, "H7 H8 H9 HQ HK CJ SA ST SK S7");
    seat0.AnalyseHand(0);
    ListSmallCards(seat0);
    EXPECT_EQ(seat0.handInfo.SmallCards[HEARTS][0], 5);
    EXPECT_EQ(seat0.handInfo.SmallCards[SPADES][0], 0);  // closed: its Seven is not listed

    // Hearts gone, the Spades top open now: Hearts is emptied, Spades lists its small cards.
    GiveCards(seat0, "HJ SA SK SQ S7 CA CT D8 D9 DT");
    seat0.AnalyseHand(0);
    ListSmallCards(seat0);
    EXPECT_EQ(seat0.handInfo.SmallCards[HEARTS][0], 0);
    for (int rank = 1; rank < 8; ++rank) EXPECT_EQ(seat0.handInfo.SmallCards[HEARTS][rank], -1) << rank;
    EXPECT_EQ(seat0.handInfo.SmallCards[SPADES][0], 3);
    EXPECT_EQ(seat0.handInfo.SmallCards[SPADES][SEVEN], 4);
    EXPECT_EQ(seat0.handInfo.SmallCards[SPADES][QUEEN], 3);
    EXPECT_EQ(seat0.handInfo.SmallCards[SPADES][KING], 2);
    EXPECT_EQ(seat0.handInfo.SmallCards[DIAMONDS][0], 2);
    EXPECT_EQ(seat0.handInfo.SmallCards[DIAMONDS][EIGHT], 7);
    EXPECT_EQ(seat0.handInfo.SmallCards[DIAMONDS][NINE], 8);
    EXPECT_EQ(seat0.handInfo.SmallCards[CLUBS][0], 0);
}

}  // namespace
