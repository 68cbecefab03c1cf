// The card scorers' values for characteristic holdings, Grand, a defender in seat 0 against the
// soloist in seat 1.

#include "CardPlayTestSupport.h"
#include "computer/play/CardScorers.h"

namespace {

class CardScorersTest : public ComputerTest {
protected:
    void SetUp() override {
        ComputerTest::SetUp();
        g_Game.SetGameType(GAME_GRAND);
        StartPlayKnowledge();
        g_Game.Soloist = 1;
    }
};

TEST_F(CardScorersTest, DefenderLeadScores) {
    const struct {
        const char* hand;
        int rank;
        int n;
        int F;
        bool soloistFree;
        int value;
    } cases[] = {
        {"CA CT", ACE, 2, 0, false, 50},  // Grand: 50 with the Ten
        {"CA CT", ACE, 2, 0, true, 90},   // +40 when the soloist lacks the suit
        {"CA C7", ACE, 2, 0, false, 46},
        {"CA CQ", ACE, 2, 0, false, 45},
        {"CA CK", ACE, 2, 0, false, 44},
        {"CA", ACE, 1, 0, false, 49},
        {"CA CK C7", ACE, 3, 0, false, 47},
        {"CT C7", TEN, 2, 0, false, 1},  // the Ace out: not top
        {"CT C7", TEN, 2, 0, true, 44},  // 4, +40
        {"CT CK", KING, 2, 0, false, 9},
        {"CT CK", KING, 2, 1, false, 11},
        {"CK C8 C7", SEVEN, 3, 1, false, 5},
        {"CT C8 C7", SEVEN, 3, 1, false, 10},
        {"CQ C8 C7", SEVEN, 3, 1, false, 9},
        {"CQ C8 C7", SEVEN, 3, 1, true, 29},  // +20 for the small cards
        {"C8 C7", EIGHT, 2, 0, false, 16},
    };
    for (const auto& c : cases) {
        SetUp();
        if (c.soloistFree) g_Knowledge.VoidTable[1][CLUBS] = 0;
        GiveHand(seat0, c.hand);
        int value = -2;
        switch (c.rank) {
            case ACE: value = CCardScorers(seat0).ScoreAce1(CLUBS, c.n, c.F, 0); break;
            case TEN: value = CCardScorers(seat0).ScoreTen1(CLUBS, c.n, c.F, 0); break;
            case KING: value = CCardScorers(seat0).ScoreKing1(CLUBS, c.n, c.F, 0); break;
            case SEVEN: value = CCardScorers(seat0).ScoreSeven1(CLUBS, c.n, c.F, 0); break;
            case EIGHT: value = CCardScorers(seat0).ScoreEight1(CLUBS, c.n, c.F, 0); break;
        }
        EXPECT_EQ(value, c.value) << c.hand << " rank " << c.rank << " F " << c.F;
    }
    GiveHand(seat0, "CT");
    EXPECT_EQ(CCardScorers(seat0).ScoreAce1(CLUBS, 1, 0, 0), -1);  // not held
}

TEST_F(CardScorersTest, DiscardAndAddScores) {
    GiveHand(seat0, "CA CT SA S7 S8 HT");
    EXPECT_EQ(CCardScorers(seat0).ScoreAce2(CLUBS, 2, 0), 32);   // with its Ten
    EXPECT_EQ(CCardScorers(seat0).ScoreAce2(SPADES, 3, 0), 23);  // a defender dealt three or more
    EXPECT_EQ(CCardScorers(seat0).ScoreTen2(HEARTS, 1, 1), 24);  // 23 without the King, +1: single and not top
    EXPECT_EQ(CCardScorers(seat0).ScoreSeven2(SPADES, 3, 10), 11);
    // Adding to a trick: a single Ten that is not top gives 35, lowered by t to no less than 2.
    EXPECT_EQ(CCardScorers(seat0).ScoreTen4(HEARTS, 1, 0, 0), 35);
    EXPECT_EQ(CCardScorers(seat0).ScoreTen4(HEARTS, 1, 0, 5), 30);
    EXPECT_EQ(CCardScorers(seat0).ScoreTen4(HEARTS, 1, 0, 40), 2);
    // A King that is not top beside one card: 14, and 8 more when the defenders' points with the
    // trick come to 27..30, 16 more at 57..59 (counting one more for a defender).
    GiveHand(seat0, "CK C7");
    EXPECT_EQ(CCardScorers(seat0).ScoreKing4(CLUBS, 2, 0, 0), 14);
    g_Game.PartyPoints[1] = 20;
    EXPECT_EQ(CCardScorers(seat0).ScoreKing4(CLUBS, 2, 8, 0), 22);
    g_Game.PartyPoints[1] = 50;
    EXPECT_EQ(CCardScorers(seat0).ScoreKing4(CLUBS, 2, 6, 0), 30);
    EXPECT_EQ(CCardScorers(seat0).ScoreKing4(CLUBS, 2, 5, 0), 14);
}

}  // namespace
