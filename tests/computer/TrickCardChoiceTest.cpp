// The trick-card choice: the scan of the suits by mode, the Ramsch plans with their suggestion
// rule, the card that gives the lead away, and the suit-game trump filter.

#include "CardPlayTestSupport.h"
#include "computer/play/TrickCardChoice.h"

namespace {

class TrickCardChoiceTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_RAMSCH);
        g_Game.FlowState = STATE_PLAY;
        g_Game.Soloist = NO_SEAT;
        g_Game.Forehand = g_Game.TrickWinner = 1;
        StartPlayKnowledge();
    }
};

TEST_F(TrickCardChoiceTest, ModesOneAndSixAnswerZeroWhenEverySuitPasses) {
    GiveHand(seat0, "CA CT SA");
    g_Game.PartyTricks[0] = 1;
    EXPECT_EQ(CTrickCardChoice(seat0).ChooseCardByMode(6, -1), 0);
    // As soon as another seat has a trick, mode 6 fails at once.
    g_Game.PartyTricks[1] = 1;
    EXPECT_EQ(CTrickCardChoice(seat0).ChooseCardByMode(6, -1), NO_CARD);
    GiveHand(seat0, "C7 C8 S7");
    EXPECT_EQ(CTrickCardChoice(seat0).ChooseCardByMode(1, -1), 0);
    // A card held above a card still out fails mode 1.
    GiveHand(seat0, "CA S7");
    EXPECT_EQ(CTrickCardChoice(seat0).ChooseCardByMode(1, -1), NO_CARD);
}

TEST_F(TrickCardChoiceTest, ModeSevenNeverYieldsACard) {
    GiveHand(seat0, "C7 C8");
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseCardByMode(2, -1)), "C7");
    EXPECT_EQ(CTrickCardChoice(seat0).ChooseCardByMode(7, -1), NO_CARD);
}

TEST_F(TrickCardChoiceTest, ModeNineWeighsCandidatesBySpread) {
    // Clubs 7-9 spreads 2, Spades 7-King 4: the greater spread wins whatever its card code.
    GiveHand(seat0, "C7 C9 S7 SK");
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseCardByMode(9, -1)), "SK");
    // Equal spreads: the newcomer on an odd coin.
    GiveHand(seat0, "C7 C9 S7 S9");
    platform::Random().Script({1});
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseCardByMode(9, -1)), "S9");
    platform::Random().Script({0});
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseCardByMode(9, -1)), "C9");
}

TEST_F(TrickCardChoiceTest, SkatRoundMakesThePlanAndChoosesNoCard) {
    g_Game.FlowState = STATE_ASK;
    GiveHand(seat0, "C8 C9 CK S7 SA H7 HT");
    seat0.handInfo.PlayStatus[CLUBS] = 12;
    EXPECT_EQ(CTrickCardChoice(seat0).ChooseTrickCard(-1, NO_CARD, true), NO_CARD);
    EXPECT_EQ(seat0.CardPlanState, 4);
    // No Jack: the plan starts with the lowest Clubs, then the highest of the Seven doubleton.
    EXPECT_EQ(CardName(seat0.CardPlan[0]), "C8");
    EXPECT_EQ(CardName(seat0.CardPlan[1]), "SA");
}

TEST_F(TrickCardChoiceTest, PlanCardSuggestedStaysAtTheHeadOfThePlan) {
    GiveHand(seat0, "C7 S8 H9 DA");
    seat0.CardPlanState = 4;
    seat0.CardPlan[0] = C(EIGHT, SPADES);
    seat0.CardPlan[1] = C(NINE, HEARTS);
    g_ComputerFrame.CardAutoPlayFlag = 1;
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseTrickCard(-1, NO_CARD, true)), "S8");
    EXPECT_EQ(CardName(seat0.CardPlan[0]), "S8");
    g_ComputerFrame.CardAutoPlayFlag = 0;
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseTrickCard(-1, NO_CARD, true)), "S8");
    EXPECT_EQ(CardName(seat0.CardPlan[0]), "H9");
}

TEST_F(TrickCardChoiceTest, CommittedCardWhoseSuitBecameSafeIsDropped) {
    // One Clubs card besides his own is still out (the 7), so the suit is guarded exactly.
    PlayedCards("C9 CT CQ CA");
    GiveHand(seat0, "C8 CK S7 SA");
    seat0.forcedCard = C(EIGHT, CLUBS);
    seat0.ForcedCardCount = 5;
    // Both other seats are known free of Clubs: the commitment has no point any more.
    g_Knowledge.VoidTable[1][CLUBS] = 0;
    g_Knowledge.VoidTable[2][CLUBS] = 0;
    bool decided = true;
    const int card = CTrickCardChoice(seat0).ChooseTrickCard2(decided, NO_CARD);
    EXPECT_NE(seat0.forcedCard, C(EIGHT, CLUBS));
    EXPECT_NE(card, C(EIGHT, CLUBS));
    // Still dangerous (both may hold Clubs): the committed card is played, and firmly.
    g_Knowledge.VoidTable[1][CLUBS] = 1;
    seat0.forcedCard = C(EIGHT, CLUBS);
    seat0.ForcedCardCount = 5;
    EXPECT_EQ(CardName(CTrickCardChoice(seat0).ChooseTrickCard2(decided, NO_CARD)), "C8");
    EXPECT_TRUE(decided);
}

TEST_F(TrickCardChoiceTest, SuitGameCandidateThatIsNoTrumpGetsNoOpinion) {
    g_Game.SetGameType(GAME_HEARTS);
    for (int soloist : {0, 1}) {
        g_Game.Soloist = soloist;
        GiveHand(seat0, "CJ HA HT H9 CA C7");
        EXPECT_EQ(CTrickCardChoice(seat0).ChooseTrickCard(-1, C(ACE, CLUBS), true), NO_CARD);
    }
}

TEST_F(TrickCardChoiceTest, GameTypesWithoutTheChoiceGiveNoOpinion) {
    for (int type : {GAME_NULL, GAME_REVOLUTION, GAME_GRAND, GAME_NONE}) {
        g_Game.SetGameType(type);
        GiveHand(seat0, "CJ HA HT H9 CA C7");
        EXPECT_EQ(CTrickCardChoice(seat0).ChooseTrickCard(-1, C(JACK, CLUBS), true), NO_CARD);
    }
}

}  // namespace
