// The Null soloist: his lead priorities, his card under the first card in second and third
// position, laying a safe hand down, and the discards.

#include "CardPlayTestSupport.h"
#include "computer/play/NullPlay.h"

namespace {

class NullSoloistTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_NULL);
        g_Game.FlowState = STATE_PLAY;
        g_Game.Soloist = 0;
        g_Game.Forehand = g_Game.TrickWinner = 0;
        StartPlayKnowledge();
    }
    // Every held suit with the structure code of a safe suit unless the case says otherwise.
    void Hand(const char* text, int code = 1) {
        GiveHand(seat0, text);
        for (int s = 0; s < 4; ++s) seat0.handInfo.StructureCode[s] = code;
    }
};

struct LeadCase {
    const char* name;
    const char* hand;
    int ouvert;
    int handGame;
    std::vector<int> draws;
    const char* expected;
};

TEST_F(NullSoloistTest, LeadPriorities) {
    const LeadCase cases[] = {
        // A singleton 8 (15) goes before a singleton 7 (14).
        {"singleton 8 before 7", "S7 C8 HA HK HQ HJ HT DA DK DQ", 0, 0, {}, "C8"},
        // Ouvert: the doubleton 8-9 without the 7 leads with 16, the coin picks the card.
        {"ouvert doubleton even", "C8 C9 S7 HA HK HQ HJ HT DA DK", 1, 0, {0}, "C9"},
        {"ouvert doubleton odd", "C8 C9 S7 HA HK HQ HJ HT DA DK", 1, 0, {1}, "C8"},
        // Without Ouvert the same doubleton offers nothing: the singleton 7 leads.
        {"closed doubleton", "C8 C9 S7 HA HK HQ HJ HT DA DK", 0, 0, {}, "S7"},
        // Seven cards with the Ace out: the 7 (16) beats a singleton 8 (15), not in a Hand game.
        {"seven cards", "C7 C8 C9 CT CJ CQ CK S8 HA DA", 0, 0, {}, "C7"},
        {"seven cards hand game", "C7 C8 C9 CT CJ CQ CK S8 HA DA", 0, 1, {}, "S8"},
        // 3 to 6 cards with 7 and 8: the King gives 10, the 9 without King 13, the Ten 12 (the
        // low-card walk keeps its first card on odd draws).
        {"King 10 below Ten 12", "C7 C8 CK S7 S8 ST HA HK HQ HJ", 0, 0, {1, 1}, "S7"},
        {"Nine 13 above Ten 12", "C7 C8 C9 CQ S7 S8 ST HA HK HQ", 0, 0, {1, 1, 1, 1}, "C7"},
    };
    for (const LeadCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.HandAnnounced = c.handGame;
        Hand(c.hand);
        platform::Random().Script(c.draws);
        EXPECT_EQ(CardName(seat0.ServeCardDispatch(0, NO_CARD, NO_CARD)), c.expected);
    }
}

TEST_F(NullSoloistTest, HandOfOneCompleteSuitLeadsItsLowestCard) {
    // Both passes skip a suit of eight cards; the lead is its 7, not the first card in hand.
    Hand("CA CK CQ CJ CT C9 C8 C7");
    EXPECT_EQ(CardName(seat0.ServeCardDispatch(0, NO_CARD, NO_CARD)), "C7");
    EXPECT_EQ(g_Computer.ReplacedCardCount, 0);
}

TEST_F(NullSoloistTest, SecondCardIsTheHighestBelowTheFirst) {
    g_Game.Forehand = g_Game.TrickWinner = 2;
    Hand("C7 C9 CK SA");
    // The 9 stays under the Queen although the 7 would as well.
    EXPECT_EQ(CardName(seat0.ServeCardDispatch(1, C(QUEEN, CLUBS), NO_CARD)), "C9");
    EXPECT_EQ(seat0.forcedCard, 0);
}

TEST_F(NullSoloistTest, SecondCardWithNothingBelowMarksTheForcedCard) {
    g_Game.Forehand = g_Game.TrickWinner = 2;
    Hand("C9 CK SA");
    EXPECT_EQ(CardName(seat0.ServeCardDispatch(1, C(EIGHT, CLUBS), NO_CARD)), "C9");
    EXPECT_EQ(seat0.forcedCard, -1);
    EXPECT_FALSE(seat0.faceUp);
}

struct LayDownCase {
    const char* name;
    const char* hand;
    const char* played;  // cards gone besides the hand
    int suggestion;
    const char* expected;
    bool laysDown;
};

TEST_F(NullSoloistTest, LaysDownOnlyASafeHandThatStaysUnderTheTrick) {
    const LayDownCase cases[] = {
        // After the 8 under the 9 the 7s are left: nobody can make him take a trick.
        {"safe rest", "H8 C7 S7", "", 0, "H8", true},
        // The Clubs 8 with the 7 out can still be caught.
        {"unsafe rest", "H8 C8 S7", "", 0, "H8", false},
        // A card above the top card never lays down, however safe the rest.
        {"takes the trick", "HT C7 S7", "", 0, "HT", false},
        // A suggestion never lays down.
        {"suggestion", "H8 C7 S7", "", 1, "H8", false},
    };
    for (const LayDownCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        g_Game.Forehand = g_Game.TrickWinner = 1;
        Hand(c.hand);
        seat0.faceUp = false;
        g_ComputerFrame.CardAutoPlayFlag = c.suggestion;
        g_ComputerFrame.PersonPendingCard = C(SEVEN, DIAMONDS);
        const int card = seat0.ServeCardDispatch(2, C(NINE, HEARTS), C(SEVEN, HEARTS));
        EXPECT_EQ(CardName(card), c.expected);
        EXPECT_EQ(seat0.faceUp, c.laysDown);
        EXPECT_EQ(g_Game.OuvertAnnounced, c.laysDown ? 2 : 0);
        // Only the card that takes the trick clears the person's pending card.
        EXPECT_EQ(g_ComputerFrame.PersonPendingCard, std::string(c.name) == "takes the trick" ? -1 : C(SEVEN, DIAMONDS));
        g_ComputerFrame.PersonPendingCard = -1;
    }
}

TEST_F(NullSoloistTest, ThirdCardStaysUnderTheHigherOfBothCards) {
    g_Game.Forehand = g_Game.TrickWinner = 1;
    Hand("CT CQ CA");
    // The second card (King) beats the first (9): the Queen stays under it.
    EXPECT_EQ(CardName(seat0.ServeCardDispatch(2, C(NINE, CLUBS), C(KING, CLUBS))), "CQ");
}

TEST_F(NullSoloistTest, DiscardsFromAThreatenedSuitFirst) {
    g_Game.Forehand = g_Game.TrickWinner = 1;
    // Spades 8 with the 7 out is threatened; Hearts 7-8 is not. The Spades King goes.
    Hand("S8 SK H7 H8");
    EXPECT_EQ(CardName(CNullPlay(seat0).ChooseNullSoloistFollow()), "SK");
    // Nothing threatened: the discard skips the safe single 7 and throws from the pair.
    Hand("S7 H7 H8");
    EXPECT_EQ(CNullPlay(seat0).ChooseNullSoloistFollow(), NO_CARD);
    platform::Random().Script({1});
    EXPECT_EQ(CardName(CNullPlay(seat0).ChooseNullDiscard()), "H8");
}

}  // namespace
