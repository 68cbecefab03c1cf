// The Grand soloist's cascades: the committed card, the Ace at 50 to 60 points, the redraw once
// every Jack is out, the lead with all four Jacks, trumping in with a single Jack, the third
// card over a Jack lead.

#include "CardPlayTestSupport.h"
#include "computer/play/GrandPlay.h"

#include <string>

namespace {

class GrandSoloistTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_GRAND);
        StartPlayKnowledge();
        g_Game.Soloist = 0;
        g_Game.Forehand = g_Game.TrickWinner = 0;
    }
    int Lead(const char* hand) {
        GiveHand(seat0, hand);
        seat0.trickLeadCard = NO_CARD;
        return CGrandPlay(seat0).PlayGrandSoloistLead();
    }
};

TEST_F(GrandSoloistTest, CommittedCardLeadsFirstPendingOneIsDropped) {
    // Without the commitment this hand leads the Spades Ace (see the next test).
    seat0.Reset();
    GiveHand(seat0, "CA C7 SA ST SK S9");
    seat0.forcedCard = C(SEVEN, CLUBS);
    EXPECT_EQ(CGrandPlay(seat0).PlayGrandSoloistLead(), C(SEVEN, CLUBS));
    EXPECT_EQ(seat0.forcedCard, 0);
    GiveHand(seat0, "CA C7 SA ST SK S9");
    seat0.forcedCard = -C(SEVEN, CLUBS);
    EXPECT_EQ(CGrandPlay(seat0).PlayGrandSoloistLead(), C(ACE, SPADES));
    EXPECT_EQ(seat0.forcedCard, 0);
    // A committed card no longer held is skipped.
    GiveHand(seat0, "CA C7 SA ST SK S9");
    seat0.forcedCard = C(ACE, HEARTS);
    EXPECT_EQ(CGrandPlay(seat0).PlayGrandSoloistLead(), C(ACE, SPADES));
    EXPECT_EQ(g_Computer.ReplacedCardCount, 0);
}

TEST_F(GrandSoloistTest, AnAceBringsTheGameHomeAtFiftyToSixtyPoints) {
    // No Jack: the long Spades suit leads its Ace, unless 50 to 60 points make the first Ace
    // (Clubs) the lead.
    const struct {
        int points;
        int card;
    } cases[] = {{0, C(ACE, SPADES)}, {49, C(ACE, SPADES)}, {50, C(ACE, CLUBS)},
                 {60, C(ACE, CLUBS)}, {61, C(ACE, SPADES)}};
    for (const auto& c : cases) {
        g_Game.PartyPoints[0] = c.points;
        EXPECT_EQ(Lead("CA C7 SA ST SK S9"), c.card) << c.points;
    }
}

TEST_F(GrandSoloistTest, WithEveryJackPlayedTheLeadIsRedrawnDownTheHeldRun) {
    PlayedCards("CJ SJ HJ DJ");
    g_Game.TrumpCount = 0;
    // Ace, Ten, King held: each card below replaces the choice when Rand() % 2 is 0.
    const struct {
        std::vector<int> draws;
        int card;
    } cases[] = {{{1, 1}, C(ACE, CLUBS)}, {{0, 1}, C(TEN, CLUBS)}, {{0, 0}, C(KING, CLUBS)}, {{1, 0}, C(KING, CLUBS)}};
    for (const auto& c : cases) {
        SCOPED_TRACE("draws " + ::testing::PrintToString(c.draws));
        platform::Random().ClearScript();
        platform::Random().Script(c.draws);
        EXPECT_EQ(Lead("CA CT CK"), c.card);
        EXPECT_EQ(platform::Random().ScriptedLeft(), 0u);
    }
}

TEST_F(GrandSoloistTest, AllFourJacksLeadARandomJackOfTheLowestRunBelowClubs) {
    // Spades to Diamonds held in a run of three: Rand() % 3 steps up from the Diamonds Jack.
    const struct {
        int draw;
        int card;
    } cases[] = {{0, C(JACK, DIAMONDS)}, {1, C(JACK, HEARTS)}, {2, C(JACK, SPADES)}};
    for (const auto& c : cases) {
        SCOPED_TRACE("draw " + std::to_string(c.draw));
        platform::Random().ClearScript();
        platform::Random().Script({c.draw});
        EXPECT_EQ(Lead("CJ SJ HJ DJ CA"), c.card);
    }
}

TEST_F(GrandSoloistTest, SecondAndThirdCardsLeaveNoCommitment) {
    g_Game.Soloist = 1;
    g_Game.TrickWinner = g_Game.Forehand = 0;
    // One Jack must trump a lead worth ten: the Jack, never a coin flip between Jacks.
    GiveHand(seat1, "DJ CA C7 S7");
    seat1.forcedCard = C(SEVEN, CLUBS);
    SetCardLocation(C(ACE, HEARTS), CARD_PLAYED);
    seat1.trickLeadCard = C(ACE, HEARTS);
    const auto draws = platform::Random().DrawCount();
    EXPECT_EQ(CGrandPlay(seat1).PlayGrandSoloistSecond(C(ACE, HEARTS)), C(JACK, DIAMONDS));
    EXPECT_EQ(seat1.forcedCard, 0);
    EXPECT_EQ(platform::Random().DrawCount() - draws, 1u);  // the one draw of the Jack run
    // Third card on a Jack lead (decision: the card compared with the lead is the candidate): the
    // Spades Jack above the Hearts Jack led, not the Diamonds Jack of the lowest run.
    g_Game.Soloist = 2;
    GiveHand(seat2, "SJ DJ CA C7");
    seat2.forcedCard = C(ACE, CLUBS);
    SetCardLocation(C(JACK, HEARTS), CARD_PLAYED);
    SetCardLocation(C(SEVEN, HEARTS), CARD_PLAYED);
    seat2.trickLeadCard = C(JACK, HEARTS);
    EXPECT_EQ(CGrandPlay(seat2).PlayGrandSoloistThird(C(JACK, HEARTS), C(SEVEN, HEARTS)), C(JACK, SPADES));
    EXPECT_EQ(seat2.forcedCard, 0);
}

TEST_F(GrandSoloistTest, FollowingSuitTakesTheTrickWhenTheThirdPlayerIsVoid) {
    g_Game.Soloist = 1;
    g_Game.TrickWinner = g_Game.Forehand = 0;
    g_Knowledge.VoidTable[2][HEARTS] = 0;  // the third player holds no Hearts
    GiveHand(seat1, "HA HK H7 CJ");
    SetCardLocation(C(TEN, HEARTS), CARD_PLAYED);
    seat1.trickLeadCard = C(TEN, HEARTS);
    // The lowest card above the Ten: the Ace (the King is below it).
    EXPECT_EQ(CGrandPlay(seat1).PlayGrandSoloistSecond(C(TEN, HEARTS)), C(ACE, HEARTS));
    // Led the Queen: the King is the next above.
    GiveHand(seat1, "HA HK H7 CJ");
    SetCardLocation(C(QUEEN, HEARTS), CARD_PLAYED);
    seat1.trickLeadCard = C(QUEEN, HEARTS);
    EXPECT_EQ(CGrandPlay(seat1).PlayGrandSoloistSecond(C(QUEEN, HEARTS)), C(KING, HEARTS));
}

// The third card on a Jack lead: the lowest held Jack that takes the trick, else the lowest Jack.
// With the Diamonds Jack led and the Spades Jack played on it, the Clubs and Hearts Jacks in hand
// take it with the Clubs Jack; the Hearts Jack would go under and give both Jacks away.
TEST_F(GrandSoloistTest, ThirdCardOnAJackLeadTakesTheTrickWithTheLowestJackThatCan) {
    const struct {
        const char* why;
        const char* hand;
        int lead, second, card;
    } cases[] = {
        {"only the Clubs Jack beats the Spades Jack", "CJ HJ CA C7", C(JACK, DIAMONDS), C(JACK, SPADES), C(JACK, CLUBS)},
        {"the Spades Jack is the lowest above the Hearts Jack", "CJ SJ CA C7", C(JACK, DIAMONDS), C(JACK, HEARTS),
         C(JACK, SPADES)},
        {"the second card no Jack: the lowest above the lead", "CJ HJ CA C7", C(JACK, DIAMONDS), C(SEVEN, HEARTS),
         C(JACK, HEARTS)},
        {"nothing beats the Clubs Jack: the lowest Jack", "SJ DJ CA C7", C(JACK, HEARTS), C(JACK, CLUBS),
         C(JACK, DIAMONDS)},
    };
    for (const auto& c : cases) {
        SetUp();
        g_Game.Soloist = 2;
        g_Game.TrickWinner = g_Game.Forehand = 0;
        GiveHand(seat2, c.hand);
        SetCardLocation(c.lead, CARD_PLAYED);
        SetCardLocation(c.second, CARD_PLAYED);
        seat2.trickLeadCard = c.lead;
        EXPECT_EQ(CardName(CGrandPlay(seat2).PlayGrandSoloistThird(c.lead, c.second)), CardName(c.card)) << c.why;
    }
}

}  // namespace

namespace {

TEST_F(GrandSoloistTest, TheRandomJackOfTheJackCaseIsDrawnAtEntryEvenWhenUnused) {
    // Two top Jacks with Jacks still out: the lead is the lower of them; the random Jack the
    // case computes at entry is drawn all the same (one draw), so the sequence stays that of
    // the rules as written.
    const auto draws = platform::Random().DrawCount();
    EXPECT_EQ(Lead("CJ SJ CA C7 S7"), C(JACK, SPADES));
    EXPECT_EQ(platform::Random().DrawCount() - draws, 1u);
}

}  // namespace
