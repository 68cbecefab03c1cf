// The manipulation marks: each code's effect on the mask, the marks of the previous game, the
// message in pane 0 and the trace words.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/TableState.h"

#include "match/Profile.h"
#include "model/GameState.h"
#include "resources/ids.h"

namespace {

using testsupport::FrameFixture;

struct CheatCase {
    const char* name;
    int mask = 0, pending = 0, openCards = 0, loadMark = 0;  // before
    int code = 0, arg = 0;
    int maskAfter = 0, pendingAfter = 0, loadMarkAfter = 0;
    int message = 0;  // 0: none
    const char* words;
};

// A failing case names itself, not its bytes.
void PrintTo(const CheatCase& c, std::ostream* out) { *out << c.name; }

class CheatMarks : public FrameFixture, public ::testing::WithParamInterface<CheatCase> {};

TEST_P(CheatMarks, ApplyOneCode) {
    const CheatCase& c = GetParam();
    TraceOn();
    StartProgram();
    g_Game.FlowState = STATE_IDLE;
    g_Game.CheatMask = c.mask;
    g_Profile.Cond = c.pending;
    g_Game.AllCardsOpen = c.openCards;
    g_Flow.LoadMarkPending = static_cast<unsigned char>(c.loadMark);
    Frame().SetStatusPane(0, "before");

    Frame().CardExchange().CheckCheat(c.code, c.arg);

    EXPECT_EQ(g_Game.CheatMask, c.maskAfter);
    EXPECT_EQ(g_Profile.Cond, c.pendingAfter);
    EXPECT_EQ(g_Flow.LoadMarkPending, c.loadMarkAfter);
    const std::string expected = c.message ? platform::LoadString(c.message) : std::string();
    EXPECT_EQ(Frame().Texts().CheatText, expected);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), c.message ? expected : std::string("before"));
    if (c.message) {
        EXPECT_EQ(Frame().Timers().StatusRotationIndex, 2);
    }
    EXPECT_GE(FindLine(std::string("CMainFrame::CheckCheat(") + c.words + ")"), 0) << LogText();
    EXPECT_EQ(g_Game.CheatMaskChanged, 0);  // the legend has been told
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Codes, CheatMarks,
    ::testing::Values(
        // The reset keeps the old mask as pending; face up stays marked.
        CheatCase{.name = "ResetKeepsPending", .mask = 9, .arg = 1, .pendingAfter = 9, .words = "HONEST"},
        CheatCase{.name = "ResetWhileFaceUp", .mask = 0x30, .openCards = 1, .arg = 1, .maskAfter = 16,
                  .pendingAfter = 0x30, .words = "FACEUP"},
        CheatCase{.name = "ResetOfHonestKeepsPending", .pending = 5, .arg = 1, .pendingAfter = 5, .words = "HONEST"},
        CheatCase{.name = "BreakOff", .code = 1, .arg = 1, .maskAfter = 1, .message = IDS_CHEATED_ABORTED,
                  .words = "ABORTED"},
        // A load folds the pending marks back, drops REPEATED and remembers the load.
        CheatCase{.name = "Load", .mask = 4, .pending = 8, .code = 2, .arg = 1, .maskAfter = 10, .loadMarkAfter = 1,
                  .message = IDS_CHEATED_RECOVERED, .words = "RECOVERED:SWAPPED"},
        CheatCase{.name = "LoadWhileFaceUp", .mask = 16, .openCards = 1, .code = 2, .arg = 1, .maskAfter = 0x32,
                  .pendingAfter = 16, .loadMarkAfter = 1, .message = IDS_CHEATED_RECOVERED,
                  .words = "RECOVERED:FACEUP:DEALT"},
        // A repeat right after a load that followed a break-off is not marked.
        CheatCase{.name = "RepeatAfterLoadAndBreak", .mask = 3, .loadMark = 1, .code = 4, .arg = 1, .maskAfter = 3,
                  .words = "ABORTED:RECOVERED"},
        CheatCase{.name = "RepeatAfterBreak", .mask = 1, .code = 4, .arg = 1, .maskAfter = 5,
                  .message = IDS_CHEATED_REPEATED, .words = "ABORTED:REPEATED"},
        CheatCase{.name = "RepeatClearsPending", .pending = 6, .code = 4, .arg = 1, .maskAfter = 4,
                  .message = IDS_CHEATED_REPEATED, .words = "REPEATED"},
        CheatCase{.name = "Swap", .code = 8, .arg = 1, .maskAfter = 8, .message = IDS_CHEATED_SWAPPED,
                  .words = "SWAPPED"},
        // Face up between games marks FACEUP only, during a game DEALT as well.
        CheatCase{.name = "FaceUpBetweenGames", .openCards = 1, .code = 16, .arg = STATE_IDLE, .maskAfter = 16,
                  .message = IDS_CHEATED_FACEUP, .words = "FACEUP"},
        CheatCase{.name = "FaceUpInPlay", .openCards = 1, .code = 16, .arg = STATE_PLAY, .maskAfter = 0x30,
                  .message = IDS_CHEATED_FACEUP, .words = "FACEUP:DEALT"},
        CheatCase{.name = "FaceDownInPlayKeepsMarks", .mask = 0x30, .code = 16, .arg = STATE_PLAY, .maskAfter = 0x30,
                  .words = "FACEUP:DEALT"},
        CheatCase{.name = "FaceDownBetweenGames", .mask = 0x30, .code = 16, .arg = STATE_NEW, .words = "HONEST"},
        CheatCase{.name = "FaceDownInAuction", .mask = 0x30, .code = 16, .arg = STATE_AUCTION, .maskAfter = 32,
                  .words = "DEALT"},
        // A new deal: from an honest game the pending marks are forgotten.
        CheatCase{.name = "NewDealAfterHonestGame", .pending = 5, .code = 32, .arg = 1, .words = "HONEST"},
        CheatCase{.name = "NewDealBringsPendingBack", .mask = 8, .pending = 1, .code = 32, .arg = 1, .maskAfter = 9,
                  .pendingAfter = 1, .message = IDS_CHEATED_ABORTED, .words = "ABORTED:SWAPPED"},
        CheatCase{.name = "NewDealIgnoresALoadAlone", .mask = 8, .pending = 128, .code = 32, .arg = 1, .maskAfter = 8,
                  .pendingAfter = 128, .message = IDS_CHEATED_ABORTED, .words = "SWAPPED"},
        CheatCase{.name = "NewDealFaceUpLoses16WithoutLoad", .mask = 16, .code = 32, .arg = 1, .maskAfter = 32,
                  .message = IDS_CHEATED_ABORTED, .words = "DEALT"},
        CheatCase{.name = "NewDealFaceUpStays", .mask = 16, .openCards = 1, .code = 32, .arg = 1, .maskAfter = 0x30,
                  .message = IDS_CHEATED_FACEUP, .words = "FACEUP:DEALT"},
        CheatCase{.name = "Undo", .code = 64, .arg = 1, .maskAfter = 64, .message = IDS_CHEATED_UNDONE,
                  .words = "UNDONE"},
        // A loaded game names its lowest mark; the load goes into the pending marks.
        CheatCase{.name = "LoadedNamesLowestMark", .mask = 0x48, .code = 128, .arg = 1, .maskAfter = 0x48,
                  .pendingAfter = 128, .message = IDS_CHEATED_SWAPPED, .words = "SWAPPED:UNDONE"},
        CheatCase{.name = "LoadedHonest", .pending = 2, .code = 128, .arg = 1, .pendingAfter = 130, .words = "HONEST"},
        CheatCase{.name = "Uncovered", .code = 512, .arg = 1, .maskAfter = 512, .message = IDS_CHEATED_UNCOVERED,
                  .words = "UNCOVERED"},
        CheatCase{.name = "UncoveredTwiceOneWord", .mask = 512, .code = 512, .arg = 1, .maskAfter = 512,
                  .words = "UNCOVERED"},
        CheatCase{.name = "UnknownCodeChangesNothing", .mask = 8, .code = 3, .arg = 1, .maskAfter = 8,
                  .words = "SWAPPED"}),
    [](const ::testing::TestParamInfo<CheatCase>& info) { return std::string(info.param.name); });
// clang-format on

class CheatMarksTest : public FrameFixture {};

// Outside play, with neither side window in use, UNCOVERED (256) is taken back at the next call;
// in play it stays.
TEST_F(CheatMarksTest, UncoveredIsTakenBackOutsidePlayOnly) {
    StartProgram();
    g_Game.CheatMask = 256 | 8;
    g_Game.FlowState = STATE_PLAY;
    Frame().CardExchange().CheckCheat(64, 1);
    EXPECT_EQ(g_Game.CheatMask, 256 | 8 | 64);
    g_Game.FlowState = STATE_IDLE;
    Frame().CardExchange().CheckCheat(64, 1);
    EXPECT_EQ(g_Game.CheatMask, 8 | 64);
    // Code 256 itself outside play becomes no code at all.
    Frame().CardExchange().CheckCheat(256, 1);
    EXPECT_EQ(g_Game.CheatMask, 8 | 64);
    EXPECT_TRUE(Frame().Texts().CheatText.empty());
}

// A changed mask repaints the legend once; an unchanged one does not.
TEST_F(CheatMarksTest, TheLegendIsRepaintedWhenTheMaskChanges) {
    TraceOn();
    StartProgram();
    g_Game.FlowState = STATE_IDLE;
    g_Game.CheatMaskChanged = 0;
    Frame().CardExchange().CheckCheat(8, 1);
    Frame().CardExchange().CheckCheat(8, 1);
    int repaints = 0;
    for (const std::string& line : LogBodies())
        if (line == "CMainFrame::RepaintLegend()") ++repaints;
    EXPECT_EQ(repaints, 1);
}

}  // namespace
