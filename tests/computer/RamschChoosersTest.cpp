// The Ramsch card choosers: the suit choice with its exclusions and priorities, the test whether
// the player can always play under a suit, and the highest card with its Jack fallback.

#include "CardPlayTestSupport.h"
#include "computer/play/RamschPlay.h"
#include "model/GameTypeLookups.h"

namespace {

class RamschChoosersTest : public ComputerTest {
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

TEST_F(RamschChoosersTest, EverySuitExcludedGivesNoCardAndCommitsNothing) {
    GiveHand(seat0, "CJ SJ HJ");
    EXPECT_EQ(CRamschPlay(seat0).ChooseRamschCard(-1, false, false), NO_CARD);
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(RamschChoosersTest, SingleUnsafeAceScoresAboveAnyOtherSingle) {
    // Not leading: priority = base + 8 + order; the Ace's base 60 beats the Ten's 50.
    GiveHand(seat0, "CA ST");
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCard(-1, false, false)), "CA");
    // A two-card suit commits its other card, counted negative.
    GiveHand(seat0, "C8 CA");
    const int card = CRamschPlay(seat0).ChooseRamschCard(-1, false, false);
    EXPECT_NE(card, NO_CARD);
    EXPECT_EQ(seat0.forcedCard, card == C(ACE, CLUBS) ? C(EIGHT, CLUBS) : C(ACE, CLUBS));
    EXPECT_EQ(seat0.ForcedCardCount, -2);
}

TEST_F(RamschChoosersTest, PlayingUnderASuit) {
    // The Seven out: nothing goes under it.
    GiveHand(seat0, "C8 C9");
    EXPECT_FALSE(CRamschPlay(seat0).EvaluateRamschHand(CLUBS));
    // 7 and 8 held: every card out finds one below.
    GiveHand(seat0, "C7 C8 S9");
    EXPECT_TRUE(CRamschPlay(seat0).EvaluateRamschHand(CLUBS));
    EXPECT_TRUE(CRamschPlay(seat0).EvaluateRamschHand(HEARTS));  // no card of the suit
    // The Jacks: one Jack with the Diamonds Jack out is not safe; holding it is.
    GiveHand(seat0, "CJ C7");
    EXPECT_FALSE(CRamschPlay(seat0).EvaluateRamschHand(-1));
    GiveHand(seat0, "DJ C7");
    EXPECT_TRUE(CRamschPlay(seat0).EvaluateRamschHand(-1));
}

TEST_F(RamschChoosersTest, HighestCardElseAJackOfTheTopRun) {
    GiveHand(seat0, "C8 CK S9");
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCard2(NO_CARD)), "CK");
    // The card kept apart gives way to the next lower one, which then ranks below the 9.
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCard2(C(KING, CLUBS))), "S9");
    // Only Jacks: the run Clubs-Spades from the top, drawn.
    GiveHand(seat0, "CJ SJ DJ");
    platform::Random().Script({1});
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCard2(NO_CARD)), "SJ");
    platform::Random().Script({0});
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCard2(NO_CARD)), "CJ");
}

TEST_F(RamschChoosersTest, LeadChoosersPreferLowCards) {
    // One card out above the 8: the 8 goes under it.
    PlayedCards("C7 C9 CT CA CK");
    GiveHand(seat0, "C8 SA");
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschLead2()), "C8");
    // A single Seven of a guarded suit is the first-pass lead.
    GiveHand(seat0, "S7 HA HK");
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschLead(1)), "S7");
}

TEST_F(RamschChoosersTest, FollowGuardChangesNothingOnceAnotherSeatHasATrick) {
    GiveHand(seat0, "C8 CK S9");
    seat0.SuitPlanSlots[CLUBS].Card = C(KING, CLUBS);
    g_Game.PartyTricks[2] = 1;
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCardToFollow(1, C(EIGHT, CLUBS), C(NINE, CLUBS), NO_CARD)), "C8");
    EXPECT_EQ(seat0.SuitPlanSlots[CLUBS].Card, C(KING, CLUBS));
}

TEST_F(RamschChoosersTest, FollowGuardDropsThePlanWhenTheLeaderLostATrick) {
    GiveHand(seat0, "C8 CK S9 H7 H8 H9 D7");
    seat0.SuitPlanSlots[CLUBS].Card = C(KING, CLUBS);
    // The leader (seat 1) has no trick after two tricks played: the slots are dropped.
    g_Game.PartyTricks[0] = 0;
    g_Game.PartyTricks[1] = 0;
    g_Game.PartyPoints[1] = 50;
    seat0.count = 7;
    g_Game.PartyTricks[0] = 0;
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCardToFollow(1, C(EIGHT, CLUBS), C(NINE, CLUBS), NO_CARD)), "C8");
    for (const SuitPlanSlot& slot : seat0.SuitPlanSlots) EXPECT_EQ(slot.Card, 0);
}

}  // namespace

namespace {

TEST_F(RamschChoosersTest, SuggestionLeavesThePlanSlotsAsTheyWere) {
    GiveHand(seat0, "C8 CK S9 H7 H8 H9 D7");
    seat0.SuitPlanSlots[CLUBS].Card = C(KING, CLUBS);
    g_Game.PartyPoints[1] = 50;
    g_Game.RealPlayFlag = 0;
    EXPECT_EQ(CardName(CRamschPlay(seat0).ChooseRamschCardToFollow(1, C(EIGHT, CLUBS), C(NINE, CLUBS), NO_CARD)), "C8");
    g_Game.RealPlayFlag = 1;
    EXPECT_EQ(seat0.SuitPlanSlots[CLUBS].Card, C(KING, CLUBS));
    EXPECT_EQ(seat0.SuitPlanSlots[SPADES].Card, NO_CARD);
}

TEST_F(RamschChoosersTest, PlannedCardAlreadyPlayedIsNeverHandedBack) {
    // The leader has taken every trick; the Clubs slot still names the Ace he played earlier.
    GiveHand(seat0, "C8 CK S9 H7 H8 H9 D7");
    seat0.SuitPlanSlots[CLUBS].Card = C(ACE, CLUBS);
    PlayedCards("CA");
    g_Game.PartyTricks[1] = 3;
    g_Game.PartyPoints[1] = 50;
    const int card = CRamschPlay(seat0).ChooseRamschCardToFollow(1, C(EIGHT, CLUBS), C(NINE, CLUBS), NO_CARD);
    EXPECT_TRUE(seat0.HasCard(card));
    EXPECT_EQ(GetCardSuit(card, false), CLUBS);
}

}  // namespace
