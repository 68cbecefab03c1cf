// Ramsch scores over every way the settings count them: a plain loss, a Jungfrau and a played-out
// Durchmarsch, each with and without the skat pushed on, under each scale (doubling, multiplying,
// adding) and each evaluation (by card points, by the fixed points). The fixed points differ from
// each other, so a rule that takes the wrong one shows.
#include "match/GameScoring.h"

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameValue.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// The end of a Ramsch played out: card points and tricks per seat, and the skat's points.
struct RamschEnd {
    const char* name;
    int points[3];
    int tricks[3];
    int skatPoints;
};

// Seat 1 loses with 60.
const RamschEnd kPlain{"Plain", {30, 60, 30}, {3, 4, 3}, 0};
// Seat 0 took no trick: a Jungfrau; seat 1 loses with 70.
const RamschEnd kJungfrau{"Jungfrau", {0, 70, 50}, {0, 6, 4}, 0};
// Seat 1 took every trick: a Durchmarsch, the skat's 10 points his as well (120).
const RamschEnd kDurchmarsch{"Durchmarsch", {0, 110, 0}, {0, 10, 0}, 10};

struct RamschCase {
    RamschEnd end;
    int scale;     // Ramsch/Scale: 0 double, 1 multiply, 2 add
    int evalMode;  // Ramsch/EvalMode: 0 card points, 1 fixed points
    int pushes;
    int score;
    const char* list;
    friend void PrintTo(const RamschCase& c, std::ostream* out) { *out << Name(c); }
    static std::string Name(const RamschCase& c) {
        static const char* const kScales[3] = {"Doubled", "Multiplied", "Added"};
        return std::string(c.end.name) + kScales[c.scale] + (c.evalMode ? "ByFixedPoints" : "ByCardPoints") +
               (c.pushes ? "Pushed" + std::to_string(c.pushes) : std::string("NotPushed"));
    }
};

class RamschScoringTest : public ::testing::TestWithParam<RamschCase> {
protected:
    void SetUp() override {
        testsupport::ResetProgramState();
        platform::SetResources(&GermanResources());
        names.seat[0] = "Anna";
        names.seat[1] = "Bernd";
        names.seat[2] = "Clara";
    }
    void TearDown() override {
        platform::SetResources(nullptr);
        testsupport::ResetProgramState();
    }
    ScoreNames names;
};

TEST_P(RamschScoringTest, ScoreAndListText) {
    const RamschCase& c = GetParam();
    g_Game.SetGameType(GAME_RAMSCH);
    g_Game.Soloist = 3;
    for (int seat = 0; seat < 3; ++seat) {
        g_Game.PartyPoints[seat] = c.end.points[seat];
        g_Game.PartyTricks[seat] = c.end.tricks[seat];
    }
    g_Settings.Ramsch.Scale = c.scale;
    g_Settings.Ramsch.EvalMode = c.evalMode;
    g_Settings.Ramsch.Game = 30;
    g_Settings.Ramsch.PassOn = 20;
    g_Settings.Ramsch.Jungfrau = 40;
    g_Settings.Ramsch.Durchmarsch = 45;
    const GameScore result = ScoreRamschGame(-1, c.end.skatPoints, c.pushes, 1, names);
    EXPECT_EQ(result.score, c.score);
    EXPECT_EQ(result.listText, c.list);
    EXPECT_EQ(result.outcome, c.score > 0 ? RESULT_WON : RESULT_LOST);
    if (c.score > 0) {
        EXPECT_EQ(g_Game.PartyPoints[1], 120) << "the Durchmarsch takes the skat";
    } else {
        EXPECT_EQ(result.loser, 1);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, RamschScoringTest,
    ::testing::Values(
        // Doubling: each push and the Jungfrau double. Multiplying: the pushes multiply by their
        // number plus one, the Jungfrau takes the value off once more. Adding: each push adds the
        // value (or the fixed pass-on points), the Jungfrau the value (or its fixed points).
        RamschCase{kPlain, 0, 0, 2, -240, "RaSbSb"},
        RamschCase{kPlain, 1, 0, 2, -180, "RaSbSb"},
        RamschCase{kPlain, 2, 0, 2, -180, "RaSbSb"},
        RamschCase{kPlain, 0, 1, 2, -120, "RaSbSb"},
        RamschCase{kPlain, 1, 1, 2, -90, "RaSbSb"},
        RamschCase{kPlain, 2, 1, 2, -70, "RaSbSb"},
        RamschCase{kJungfrau, 0, 0, 0, -140, "RaJf"},
        RamschCase{kJungfrau, 1, 0, 0, -140, "RaJf"},
        RamschCase{kJungfrau, 2, 0, 0, -140, "RaJf"},
        RamschCase{kJungfrau, 0, 1, 0, -60, "RaJf"},
        RamschCase{kJungfrau, 1, 1, 0, -60, "RaJf"},
        RamschCase{kJungfrau, 2, 1, 0, -70, "RaJf"},
        RamschCase{kJungfrau, 0, 0, 2, -560, "RaSbSbJf"},
        RamschCase{kJungfrau, 1, 0, 2, -280, "RaSbSbJf"},
        RamschCase{kJungfrau, 2, 0, 2, -280, "RaSbSbJf"},
        RamschCase{kJungfrau, 0, 1, 2, -240, "RaSbSbJf"},
        RamschCase{kJungfrau, 1, 1, 2, -120, "RaSbSbJf"},
        RamschCase{kJungfrau, 2, 1, 2, -110, "RaSbSbJf"},
        RamschCase{kDurchmarsch, 0, 0, 0, 120, "RaDm"},
        RamschCase{kDurchmarsch, 0, 1, 0, 30, "RaDm"},
        RamschCase{kDurchmarsch, 0, 0, 2, 480, "RaSbSbDm"},
        RamschCase{kDurchmarsch, 1, 0, 2, 360, "RaSbSbDm"},
        RamschCase{kDurchmarsch, 2, 0, 2, 360, "RaSbSbDm"},
        RamschCase{kDurchmarsch, 0, 1, 2, 120, "RaSbSbDm"},
        RamschCase{kDurchmarsch, 1, 1, 2, 90, "RaSbSbDm"},
        RamschCase{kDurchmarsch, 2, 1, 2, 70, "RaSbSbDm"}),
    [](const ::testing::TestParamInfo<RamschCase>& info) { return RamschCase::Name(info.param); });
// clang-format on

}  // namespace
