// A step that changes the table in many places has all of it repainted: taking a trick back, taking
// it again, completing the game and loading a game each leave the whole table to be painted anew (a
// partial repaint left patches of the old colour and of old cards beside the new picture).
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include <algorithm>

#include "flow/FrameGlobals.h"
#include "model/Skat.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kClubs = 1016;

struct RepaintCase {
    friend void PrintTo(const RepaintCase& c, std::ostream* out) { *out << c.name; }
    const char* name;
    int tricks;  // taken before the step
    bool computerCardFirst;  // the step comes when the person is to play to a computer's card
    int before;  // a step first taken and painted (0: none)
    int command;
    bool loadsTheGameSaved;  // the file dialog answers with the game saved before the step
};

class TableRepaintTest : public FlowFixture, public ::testing::WithParamInterface<RepaintCase> {
protected:
    // The person plays Clubs; his cards go by Down and Enter until `tricks` tricks are taken and,
    // where `computerCardFirst`, he is to play to a trick a computer has opened.
    void TakeTricks(int tricks, bool computerCardFirst) {
        DealAndHold();
        StartAuction(2, 0, 0);
        ::SendMessage(Bar(), WM_COMMAND, BTN_BID, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kClubs, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
        const auto reached = [this, tricks, computerCardFirst] {
            const CTrick& trick = Frame().GameObject().Trick();
            return Frame().TrickPlay().HistoryPosition >= tricks &&
                   (!computerCardFirst || (Frame().FrameTrickPlay().PersonMayPlay() && (trick.present[0] || trick.present[1])));
        };
        for (int guard = 0; guard < 30 && !reached(); ++guard) {
            ASSERT_TRUE(host_->PumpUntil([this, reached] { return Frame().FrameTrickPlay().PersonMayPlay() || reached(); }, 20000));
            if (reached()) break;
            host_->Key(host_->NowMs() + 10, VK_DOWN);
            host_->PumpFor(50);
            host_->Key(host_->NowMs() + 10, VK_RETURN);
            host_->PumpFor(200);
        }
        ASSERT_TRUE(reached());
        host_->PumpFor(2000);
    }
};

TEST_P(TableRepaintTest, TheWholeTableIsRepainted) {
    const RepaintCase& step = GetParam();
    TakeTricks(step.tricks, step.computerCardFirst);
    if (HasFatalFailure()) return;
    if (step.before) {
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(step.before));
        host_->PumpFor(2000);
        ASSERT_TRUE(Frame().FrameTrickPlay().IsRedoPossible() || step.command != ID_RECOVER) << "the trick taken back can come again";
    }
    if (step.loadsTheGameSaved) {
        const std::string path = temp_.Folder() + "Abend.skt";
        Frame().MatchFiles().SaveFile(path, 2);
        host_->PumpFor(500);
        host_->Answers().PushFileDialogAnswer(path);
    }
    platform::Rect before;
    ::GetUpdateRect(g_Frame.hTableWnd, &before);
    ASSERT_TRUE(before.IsEmpty()) << "the table is painted before the step";
    platform::RecordingDC* surface = host_->Surface(g_Frame.hTableWnd);
    ASSERT_NE(surface, nullptr);
    surface->ClearRecords();
    Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(step.command));
    if (step.loadsTheGameSaved) {
        EXPECT_EQ(host_->Answers().PendingFileDialogAnswers(), 0u) << "the game is loaded";
    }
    // Either the step painted the whole table on its way (a step that plays on paints as it goes),
    // or it left all of it to be painted.
    platform::Rect client;
    ::GetClientRect(g_Frame.hTableWnd, &client);
    const auto& records = surface->Records();
    const bool paintedWhole = std::any_of(records.begin(), records.end(), [&](const platform::DrawRecord& record) {
        return record.visible == client;
    });
    platform::Rect update;
    const bool pending = ::GetUpdateRect(g_Frame.hTableWnd, &update);
    EXPECT_TRUE(paintedWhole || (pending && update == client))
        << "painted whole: " << paintedWhole << ", left to paint: " << update.left << "," << update.top << " - "
        << update.right << "," << update.bottom;
}

INSTANTIATE_TEST_SUITE_P(Steps, TableRepaintTest,
                         ::testing::Values(RepaintCase{"Undo", 1, false, 0, ID_UNDO, false},
                                           // the computers' cards taken back are there to be played again
                                           RepaintCase{"Redo", 1, true, ID_UNDO, ID_RECOVER, false},
                                           RepaintCase{"Complete", 1, false, 0, ID_COMPLETE, false},
                                           RepaintCase{"Load", 1, false, 0, ID_LOAD, true}),
                         [](const ::testing::TestParamInfo<RepaintCase>& info) { return std::string(info.param.name); });

}  // namespace
