// Grand Hand games played out card by card to the Schneider boundaries and scored as the game end
// scores them: 90 points and 30 are Schneider, 89 and 31 are not. Seat 0 leads his four Jacks and
// his Aces (or loses after his Jacks); the defenders' discards set the points.
#include "ScoreLine.h"

#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct BoundaryCase {
    const char* name;
    const char* line;    // a KGL1 line without its result
    const char* result;  // outcome, the soloist's points, the score
    friend void PrintTo(const BoundaryCase& c, std::ostream* out) { *out << c.name; }
};

class SchneiderBoundaryTest : public ::testing::TestWithParam<BoundaryCase> {
protected:
    void SetUp() override {
        testsupport::ResetProgramGlobals();
        platform::SetResources(&EnglishResources());
    }
    void TearDown() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramGlobals();
    }
};

TEST_P(SchneiderBoundaryTest, APlayedOutGameScoresItsSchneiderByItsPoints) {
    const ScoredLine scored = ScoreGameLine(GetParam().line);
    ASSERT_EQ(scored.error, "");
    const std::size_t at = scored.line.find(" result=");
    ASSERT_NE(at, std::string::npos) << scored.line;
    EXPECT_EQ(scored.line.substr(at + 8), GetParam().result) << "the Schneider boundary of " << GetParam().name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Games, SchneiderBoundaryTest,
    ::testing::Values(
        // Ninety points: with 4, game 5, Hand 6, Schneider 7.
        BoundaryCase{"SchneiderAtNinety",
            "KGL1 seed=1 fh=0 deal=CA,CJ,C7,SA,SQ,SJ,HA,HJ,DA,DJ|CT,CK,CQ,C9,C8,ST,SK,S9,S8,S7|HT,HK,HQ,H9,H8,H7,DT,DK,DQ,D9|D8,D7 bids=- decl=0:grand,hand skat=D8,D7 "
            "play=0CJ,1CK,2HT,0SJ,1CQ,2H9,0HJ,1C9,2H8,0DJ,1SK,2DT,0CA,1C8,2DK,0SA,1S7,2DQ,0HA,1S9,2H7,0DA,1S8,2D9,0C7,1CT,2HK,1ST,2HQ,0SQ",
            "won,90,168"},
        // Eighty-nine: with 4, game 5, Hand 6.
        BoundaryCase{"NoSchneiderAtEightyNine",
            "KGL1 seed=1 fh=0 deal=CA,CJ,C7,SA,SQ,SJ,HA,HJ,DA,DJ|CT,CK,CQ,C9,C8,ST,SK,S9,S8,S7|HT,HK,HQ,H9,H8,H7,DT,DK,DQ,D9|D8,D7 bids=- decl=0:grand,hand skat=D8,D7 "
            "play=0CJ,1CK,2HT,0SJ,1CQ,2HQ,0HJ,1C9,2H9,0DJ,1SK,2H8,0CA,1C8,2DT,0SA,1S7,2DQ,0HA,1S9,2H7,0DA,1S8,2D9,0C7,1CT,2HK,1ST,2DK,0SQ",
            "won,89,144"},
        // Thirty: Schneider 7, lost twice.
        BoundaryCase{"SchneiderAgainstTheSoloistAtThirty",
            "KGL1 seed=1 fh=0 deal=CJ,C8,C7,SJ,S8,S7,HJ,H8,H7,DJ|CA,CT,SA,ST,HA,HT,DA,DK,DQ,D9|CK,CQ,C9,SK,SQ,S9,HK,HQ,H9,DT|D8,D7 bids=- decl=0:grand,hand skat=D8,D7 "
            "play=0CJ,1DA,2CK,0SJ,1DK,2C9,0HJ,1DQ,2S9,0DJ,1D9,2H9,0C7,1CA,2CQ,1CT,2SK,0C8,1SA,2SQ,0S7,1ST,2HK,0S8,1HA,2HQ,0H7,1HT,2DT,0H8",
            "lost,30,-336"},
        // Thirty-one: no Schneider, 6, lost twice.
        BoundaryCase{"NoSchneiderAgainstTheSoloistAtThirtyOne",
            "KGL1 seed=1 fh=0 deal=CJ,C8,C7,SJ,S8,S7,HJ,H8,H7,DJ|CA,CT,SA,ST,HA,HT,DA,D9,D8,D7|CK,CQ,SK,SQ,HK,HQ,H9,DT,DK,DQ|C9,S9 bids=- decl=0:grand,hand skat=C9,S9 "
            "play=0CJ,1DA,2CK,0SJ,1D9,2SK,0HJ,1D8,2HK,0DJ,1D7,2H9,0C7,1CA,2CQ,1CT,2SQ,0C8,1SA,2HQ,0S7,1ST,2DT,0S8,1HA,2DK,0H7,1HT,2DQ,0H8",
            "lost,31,-288"}
    ),
    [](const ::testing::TestParamInfo<BoundaryCase>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
