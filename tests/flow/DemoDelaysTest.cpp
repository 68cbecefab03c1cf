// Demonstrations with the delays a new user has (none set to 0): the slides and the timers of the
// demonstration overlap, and every game still ends with each card in one place, the next one
// started as the person starts it (New Game).
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "model/InternalError.h"

#include <string>

namespace {

using testsupport::FlowFixture;

struct DelaysCase {
    const char* name;
    int variant;  // 1 variant Skat, 2 Ramsch only
    std::uint32_t seed;
    int games;
    // A trace line the games must show: the road the case is about was taken.
    const char* road;
};

// A failing case names itself, not its bytes.
void PrintTo(const DelaysCase& c, std::ostream* out) { *out << c.name; }

class DemoDelaysTest : public FlowFixture, public ::testing::WithParamInterface<DelaysCase> {
protected:
    // The fixture's profile without its zero delay: the settings of a fresh registry.
    void SetUp() override {
        WriteProfileInt("Audio", "Voice", testsupport::kVoicesOff);
        WriteProfileInt("Options", "Suggest", 0);
    }
};

// The person's skat suggestion in a Ramsch slides its two swaps on the clock; the
// demonstration's push of the skat comes meanwhile and waits for the second swap, so that no
// swap takes the cards of the first trick and no card ends in two hands.
TEST_P(DemoDelaysTest, EveryGameEndsWithEachCardInOnePlace) {
    const DelaysCase& c = GetParam();
    WriteProfileInt("Options", "Demo", 1);
    WriteProfileInt("Variants", "Variant", c.variant);
    TraceOn();
    StartProgram();
    answerer_.Start();
    std::vector<std::string> faults;
    SetInternalErrorHandler([&faults](const std::string& text) { faults.push_back(text); });
    SeedRand(c.seed);
    Frame().PostMessage(WM_COMMAND, ID_NEW);
    for (int game = 1; game <= c.games; ++game) {
        const int before = g_Game.GameCount;
        ASSERT_TRUE(host_->PumpUntil([&] { return g_Game.GameCount != before || !faults.empty(); }, 20 * 60 * 1000))
            << "game " << game << " stalled in state " << g_Game.FlowState;
        ASSERT_TRUE(faults.empty()) << "game " << game << ": " << faults.front();
        // The person starts the next game once the table is idle.
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_IDLE; }, 60 * 1000));
        Frame().PostMessage(WM_COMMAND, ID_NEW);
    }
    SetInternalErrorHandler({});
    EXPECT_GE(FindLine(c.road), 0) << "the road of the case was not taken";
}

INSTANTIATE_TEST_SUITE_P(Rules, DemoDelaysTest,
                         ::testing::Values(DelaysCase{"RamschOnlyPushDuringSuggestion", 2, 2, 4,
                                                      "CMainFrame::OnPushSkat(after the suggestion)"},
                                           DelaysCase{"VariantSkat", 1, 2, 4, "CMainFrame::InitHistory()"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
