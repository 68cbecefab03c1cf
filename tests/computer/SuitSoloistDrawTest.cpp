// The suit soloist draws trumps with his top trump while he holds at least as many trumps as are
// still out: at as many as are out he draws; one more out than he holds, and he leaves the top
// trump for a low one.

#include "SuitPlayTestSupport.h"

#include <ostream>

namespace {

struct DrawCase {
    const char* name;
    const char* soloist;  // seat 0 leads a Clubs game
    const char* left;     // seat 1
    const char* right;    // seat 2
    const char* lead;
    friend void PrintTo(const DrawCase& c, std::ostream* out) { *out << c.name; }
};

class SuitSoloistDrawTest : public SuitPlayTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(SuitSoloistDrawTest, TheTrumpLeadFollowsTheTrumpsHeldAndOut) {
    const DrawCase& c = GetParam();
    Deal(GAME_CLUBS, 0, c.soloist, c.left, c.right);
    EXPECT_EQ(CardName(Serve(0)), c.lead) << "the trump draw by the trumps held and out";
}

INSTANTIATE_TEST_SUITE_P(
    TrumpsOut, SuitSoloistDrawTest,
    ::testing::Values(
        // Three trumps held (the top Jack among them), three out.
        DrawCase{"AsManyOutAsHeld", "CJ HJ C7 SA ST SK DA", "SJ CT S9 S8 HA HT HK", "CK H9 H8 DK DQ D9 D8", "HJ"},
        // Three held, four out.
        DrawCase{"OneMoreOutThanHeld", "CJ HJ C7 SA ST SK DA", "SJ CT S9 S8 HA HT HK", "CK CQ H9 H8 DK DQ D9", "C7"}),
    [](const ::testing::TestParamInfo<DrawCase>& info) { return std::string(info.param.name); });

}  // namespace
