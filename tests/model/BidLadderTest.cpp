#include "ModelFixture.h"
#include "model/BidLadder.h"
#include "support/BidIndex.h"

namespace {

class BidLadderTest : public ModelTest {};

TEST_F(BidLadderTest, ValuesAndRungsAreInverse) {
    EXPECT_EQ(BidValue(0), 18);
    EXPECT_EQ(BidValue(30), 92);
    EXPECT_EQ(BidValue(63), 264);
    for (int rung = 0; rung < BID_LADDER_SIZE; ++rung) {
        EXPECT_EQ(testsupport::BidIndexOf(BidValue(rung)), rung);
        if (rung > 0) {
            EXPECT_GT(BidValue(rung), BidValue(rung - 1));
        }
        EXPECT_EQ(BidLadder[rung].flag, rung == REVOLUTION_RUNG ? 1 : 0);
    }
    const struct {
        int value, rung;
    } between[] = {{0, 0}, {18, 0}, {19, 1}, {20, 1}, {21, 2}, {22, 2}, {61, 20}, {264, 63}, {300, 63}};
    for (const auto& row : between) EXPECT_EQ(testsupport::BidIndexOf(row.value), row.rung) << row.value;
}

// Every rung of the ladder against the values a bid may take, in order.
TEST_F(BidLadderTest, EveryRungHoldsItsBidValue) {
    const int values[BID_LADDER_SIZE] = {
        18,  20,  22,  23,  24,  27,  30,  33,  35,  36,  40,  44,  45,  46,  48,  50,  54,  55,  59,  60,  63,  66,
        70,  72,  77,  80,  81,  84,  88,  90,  92,  96,  99,  100, 108, 110, 117, 120, 121, 126, 130, 132, 135, 140,
        143, 144, 150, 153, 154, 156, 160, 162, 165, 168, 170, 176, 180, 187, 192, 198, 204, 216, 240, 264};
    for (int rung = 0; rung < BID_LADDER_SIZE; ++rung) {
        EXPECT_EQ(BidValue(rung), values[rung]) << "rung " << rung << " of the bid ladder";
        EXPECT_EQ(BidLadder[rung].value, values[rung]) << "rung " << rung << " of the bid ladder";
    }
}

TEST_F(BidLadderTest, CurrentBidIsTheSumOfIndexAndRaise) {
    g_Game.BidIndex = 3;
    g_Game.PendingRaise = 2;
    EXPECT_EQ(BidValue(-1), BidValue(5));
    EXPECT_EQ(testsupport::BidIndexOf(-1), 3);
    // A raise past the top reads the top rung, never beyond the ladder.
    g_Game.BidIndex = 62;
    g_Game.PendingRaise = 5;
    EXPECT_EQ(BidValue(-1), 264);
}

TEST_F(BidLadderTest, LowerBidSkipsRevolutionOnlyUnderRuleSkat) {
    g_Game.VariantMode = VARIANT_OFFICIAL;
    g_Game.BidIndex = 31;
    LowerBid();
    EXPECT_EQ(g_Game.BidIndex, 29);
    EXPECT_EQ(BidValue(g_Game.BidIndex), 90);
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.BidIndex = 31;
    LowerBid();
    EXPECT_EQ(g_Game.BidIndex, 30);
    g_Game.BidIndex = 0;
    LowerBid();
    EXPECT_EQ(g_Game.BidIndex, 0);
}

}  // namespace
