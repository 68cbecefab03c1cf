// Demonstration matches with the trick estimation window open from the start, under every rule
// set, following the game or not: every game runs to its end, and the window stays open on the
// person's hand with the sheet of the view it shows. Where the windows keep their pixels it is
// painted anew in every game; where they keep none (the following window's matches) it is painted
// once and its sheet still follows the game's view.
#include "DemoMatch.h"

#include "flow/FrameGlobals.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "support/ProgramGlobals.h"
#include "windows/TrickEstimation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct EstimationCase {
    const char* name;
    int variant;  // 0 official rules, 1 variant Skat, 2 Ramsch only
    bool autoOn;
    std::uint64_t seed;
    bool keepDrawing;
};

// A failing case names itself, not its bytes.
void PrintTo(const EstimationCase& c, std::ostream* out) { *out << c.name; }

class EstimationWindowDemoTest : public ::testing::TestWithParam<EstimationCase> {
protected:
    void SetUp() override { testsupport::ResetProgramGlobals(); }
    void TearDown() override { testsupport::ResetProgramGlobals(); }
};

TEST_P(EstimationWindowDemoTest, EveryGameEndsAndTheWindowShowsEachHand) {
    const EstimationCase& c = GetParam();
    DemoMatchOptions options;
    options.games = 40;
    options.seed = c.seed;
    options.variantMode = c.variant;
    options.estimationWindow = true;
    options.estimationAuto = c.autoOn;
    options.keepDrawing = c.keepDrawing;
    long finished = 0, ramsch = 0;
    int paintsBefore = -1;
    CMainFrame* frame = nullptr;
    options.started = [&frame](CMainFrame& made) { frame = &made; };
    options.line = [&](const std::string& line) {
        ++finished;
        ramsch += line.find("decl=-:ramsch") != std::string::npos;
        ASSERT_NE(frame, nullptr);
        CTrickEstimation* window = frame->FramePanels().TrickEstimationWindow();
        ASSERT_NE(window, nullptr) << "game " << finished;
        EXPECT_EQ(window->Auto, c.autoOn ? 1 : 0);
        EXPECT_EQ(window->UpdateEstimation(2), 2);
        EXPECT_EQ(window->Player, frame->GameObject().Player(2));
        // The sheet is that of the view shown; this game painted it anew, or nothing but the
        // window's first paint was asked for.
        EXPECT_EQ(window->Sheet, window->BlockOfView(window->View)) << "game " << finished;
        if (c.keepDrawing) {
            EXPECT_GT(window->PaintCount(), paintsBefore) << "game " << finished;
        } else if (paintsBefore >= 0) {
            EXPECT_EQ(window->PaintCount(), paintsBefore) << "game " << finished;
        }
        paintsBefore = window->PaintCount();
    };
    const DemoMatchResult result = PlayDemoMatch(options);
    EXPECT_TRUE(result.ok()) << result.fault;
    EXPECT_EQ(result.games, 40);
    EXPECT_EQ(finished, 40);
    if (c.variant != 0) {
        EXPECT_GT(ramsch, 0) << "the Ramsch round is among the games";
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, EstimationWindowDemoTest,
                         ::testing::Values(EstimationCase{"OfficialAuto", 0, true, 1, false},
                                           EstimationCase{"OfficialFixedView", 0, false, 1, true},
                                           EstimationCase{"VariantAuto", 1, true, 500, false},
                                           EstimationCase{"VariantFixedView", 1, false, 500, true},
                                           EstimationCase{"RamschOnlyAuto", 2, true, 500, false},
                                           EstimationCase{"RamschOnlyFixedView", 2, false, 500, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
