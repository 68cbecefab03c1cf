// A step that changes the table in many places has all of it repainted: taking a trick back leaves
// the whole table to be painted anew (a partial repaint left patches of the old
// colour and of old cards beside the new picture).
#include "flow/FlowFixture.h"

#include "resources/CommandIds.h"

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kClubs = 1016;

struct RepaintCase {
    friend void PrintTo(const RepaintCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    int command;
};

class TableRepaintTest : public FlowFixture, public ::testing::WithParamInterface<RepaintCase> {
protected:
    // The person plays Clubs; his cards go by Down and Enter until one trick is taken.
    void ToTheSecondTrick() {
        DealAndHold();
        StartAuction(2, 0, 0);
        ::SendMessage(Bar(), WM_COMMAND, BTN_BID, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kClubs, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
        for (int guard = 0; guard < 10 && Frame().HistoryPosition < 1; ++guard) {
            ASSERT_TRUE(host_->PumpUntil([this] { return Frame().PersonMayPlay() || Frame().HistoryPosition >= 1; }, 20000));
            if (Frame().HistoryPosition >= 1) break;
            host_->Key(host_->NowMs() + 10, VK_DOWN);
            host_->PumpFor(50);
            host_->Key(host_->NowMs() + 10, VK_RETURN);
            host_->PumpFor(200);
        }
        ASSERT_GE(Frame().HistoryPosition, 1);
        host_->PumpFor(2000);
    }
};

TEST_P(TableRepaintTest, TheWholeTableIsRepainted) {
    ToTheSecondTrick();
    if (HasFatalFailure()) return;
    platform::Rect before;
    ::GetUpdateRect(g_Shell.hTableWnd, &before);
    ASSERT_TRUE(before.IsEmpty()) << "the table is painted before the step";
    Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(GetParam().command));
    platform::Rect update;
    ASSERT_TRUE(::GetUpdateRect(g_Shell.hTableWnd, &update));
    platform::Rect client;
    ::GetClientRect(g_Shell.hTableWnd, &client);
    EXPECT_EQ(update, client);
}

INSTANTIATE_TEST_SUITE_P(Steps, TableRepaintTest,
                         ::testing::Values(RepaintCase{"Undo", ID_UNDO}),
                         [](const ::testing::TestParamInfo<RepaintCase>& info) { return std::string(info.param.name); });

}  // namespace
