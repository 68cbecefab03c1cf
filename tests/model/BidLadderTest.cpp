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
