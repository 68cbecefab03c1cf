// The suit soloist's early lay-down and the Ramsch leader's Durchmarsch aim.

#include "SuitPlayTestSupport.h"
#include "computer/play/SuitSoloistPlay.h"

namespace {

class SuitLayDownTest : public SuitPlayTest {};

struct LayDownCase {
    const char* name;
    const char* hands[3];
    int soloist;
    int ouvert;       // OuvertAnnounced before
    bool laysDown;
    int ouvertAfter;
};

TEST_F(SuitLayDownTest, SoloistLaysDownOnlyWhenEveryTrickIsSure) {
    const LayDownCase cases[] = {
        // His Jack draws the last trump, his Ace and Ten the two Hearts out.
        {"sure", {"CJ HA HT", "C7 H7 S7", "D7 D8 H8"}, 0, 0, true, 2},
        // The Hearts Ace is out: his Ten is no sure trick.
        {"ace out", {"CJ HK HT", "C7 HA S7", "D7 D8 H8"}, 0, 0, false, 0},
        // The Clubs Jack is out above his Spades Jack.
        {"jack out", {"SJ HA HT", "CJ H7 S7", "D7 D8 H8"}, 0, 0, false, 0},
        // He holds every trump in play: no trump test.
        {"all trumps", {"C7 HA HT", "H7 S7 S8", "D7 D8 H8"}, 0, 0, true, 2},
        // An announced Ouvert stays announced.
        {"ouvert", {"CJ HA HT", "C7 H7 S7", "D7 D8 H8"}, 0, 1, true, 1},
        // The person as soloist: announced, but his row and the Ouvert word stay.
        {"person", {"C7 H7 S7", "D7 D8 H8", "CJ HA HT"}, 2, 0, true, 0},
        // A single card left is never laid down.
        {"one card", {"CJ", "C7", "H8"}, 0, 0, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(GAME_CLUBS, c.soloist, c.hands[0], c.hands[1], c.hands[2]);
        g_Game.OuvertAnnounced = c.ouvert;
        g_Game.EarlyFaceUp = 0;
        CPlayer& soloist = Seat(c.soloist);
        soloist.faceUp = false;
        CSuitSoloistPlay(soloist).EarlyFaceUpSuit();
        EXPECT_EQ(g_Game.EarlyFaceUp, c.laysDown ? 1 : 0);
        EXPECT_EQ(g_Game.OuvertAnnounced, c.ouvertAfter);
        EXPECT_EQ(soloist.faceUp, c.laysDown && c.soloist != 2);
    }
}

TEST_F(SuitLayDownTest, ASuitNeitherOpponentCanHoldPassesWithoutComparing) {
    // The Hearts Ace lies in the skat: both opponents are known free of Hearts.
    Deal(GAME_CLUBS, 0, "CJ HK H7", "C7 S7 S8", "D7 D8 D9", "HA");
    g_Knowledge.VoidTable[1][HEARTS] = 0;
    g_Knowledge.VoidTable[2][HEARTS] = 0;
    CSuitSoloistPlay(seat0).EarlyFaceUpSuit();
    EXPECT_EQ(g_Game.EarlyFaceUp, 1);
}

struct DurchmarschCase {
    const char* name;
    const char* hands[3];
    int otherPoints;  // card points of seat 1
    int decided, aim; // before
    int trumpCount;   // Jacks still in play
    int decidedAfter, aimAfter;
};

TEST_F(SuitLayDownTest, RamschLeaderDecidesHisDurchmarschAim) {
    const DurchmarschCase cases[] = {
        // Another seat has taken points: no aim, undecided.
        {"points taken", {"CJ SJ HA", "H7 H8 H9", "D7 D8 D9"}, 4, 0, 1, 2, 0, 0},
        // His Jack run is not on top.
        {"jack not top", {"SJ HA HT", "CJ H8 H9", "D7 D8 D9"}, 0, 0, 1, 2, 0, 0},
        // More Jacks out than in his hand.
        {"too few jacks", {"CJ HA HT", "SJ H8 H9", "HJ D8 D9"}, 0, 0, 1, 3, 0, 0},
        // Decided; his top Jack is sure, but a trick taken by another seat fails the hand test.
        {"decided", {"CJ HA HT", "SJ H8 H9", "D7 D8 D9"}, 0, 0, 0, 2, 1, 0},
        // An aim is dropped once he holds no Jack while Jacks are in play.
        {"no jack left", {"HA HT HK", "CJ H8 H9", "D7 D8 D9"}, 0, 1, 1, 1, 1, 0},
        // After the last Jack the aim stays.
        {"jacks gone", {"HA HT HK", "H7 H8 H9", "D7 D8 D9"}, 0, 1, 1, 0, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Deal(GAME_RAMSCH, NO_SEAT, c.hands[0], c.hands[1], c.hands[2]);
        g_Game.TrumpCount = c.trumpCount;
        g_Game.PartyPoints[1] = c.otherPoints;
        g_Game.PartyTricks[1] = 1;
        seat0.durchmarschDecided = c.decided;
        seat0.durchmarschAim = c.aim;
        CSuitSoloistPlay(seat0).CheckDurchmarsch();
        EXPECT_EQ(seat0.durchmarschDecided, c.decidedAfter);
        EXPECT_EQ(seat0.durchmarschAim, c.aimAfter);
    }
}

}  // namespace
