// The manipulation marks: each code's effect on the mask, the marks of the previous game, the
// message in pane 0 and the trace words.
#include "flow/FrameFixture.h"

#include "match/Profile.h"
#include "model/GameState.h"
#include "resources/ids.h"

namespace {

using testsupport::FrameFixture;

struct CheatCase {
    const char* name;
    int mask, pending, openCards, loadMark;  // before
    int code, arg;
    int maskAfter, pendingAfter, loadMarkAfter;
    int message;  // 0: none
    const char* words;
};

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
    Frame().EditTable().StatusBar.SetPaneText(0, "before", false);

    Frame().CheckCheat(c.code, c.arg);

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

INSTANTIATE_TEST_SUITE_P(
    Codes, CheatMarks,
    ::testing::Values(
        // The reset keeps the old mask as pending; face up stays marked.
        CheatCase{"ResetKeepsPending", 9, 0, 0, 0, 0, 1, 0, 9, 0, 0, "HONEST"},
        CheatCase{"ResetWhileFaceUp", 0x30, 0, 1, 0, 0, 1, 16, 0x30, 0, 0, "FACEUP"},
        CheatCase{"ResetOfHonestKeepsPending", 0, 5, 0, 0, 0, 1, 0, 5, 0, 0, "HONEST"},
        CheatCase{"BreakOff", 0, 0, 0, 0, 1, 1, 1, 0, 0, IDS_CHEATED_ABORTED, "ABORTED"},
        // A load folds the pending marks back, drops REPEATED and remembers the load.
        CheatCase{"Load", 4, 8, 0, 0, 2, 1, 10, 0, 1, IDS_CHEATED_RECOVERED, "RECOVERED:SWAPPED"},
        CheatCase{"LoadWhileFaceUp", 16, 0, 1, 0, 2, 1, 0x32, 16, 1, IDS_CHEATED_RECOVERED, "RECOVERED:FACEUP:DEALT"},
        // A repeat right after a load that followed a break-off is not marked.
        CheatCase{"RepeatAfterLoadAndBreak", 3, 0, 0, 1, 4, 1, 3, 0, 0, 0, "ABORTED:RECOVERED"},
        CheatCase{"RepeatAfterBreak", 1, 0, 0, 0, 4, 1, 5, 0, 0, IDS_CHEATED_REPEATED, "ABORTED:REPEATED"},
        CheatCase{"RepeatClearsPending", 0, 6, 0, 0, 4, 1, 4, 0, 0, IDS_CHEATED_REPEATED, "REPEATED"},
        CheatCase{"Swap", 0, 0, 0, 0, 8, 1, 8, 0, 0, IDS_CHEATED_SWAPPED, "SWAPPED"},
        // Face up between games marks FACEUP only, during a game DEALT as well.
        CheatCase{"FaceUpBetweenGames", 0, 0, 1, 0, 16, STATE_IDLE, 16, 0, 0, IDS_CHEATED_FACEUP, "FACEUP"},
        CheatCase{"FaceUpInPlay", 0, 0, 1, 0, 16, STATE_PLAY, 0x30, 0, 0, IDS_CHEATED_FACEUP, "FACEUP:DEALT"},
        CheatCase{"FaceDownInPlayKeepsMarks", 0x30, 0, 0, 0, 16, STATE_PLAY, 0x30, 0, 0, 0, "FACEUP:DEALT"},
        CheatCase{"FaceDownBetweenGames", 0x30, 0, 0, 0, 16, STATE_NEW, 0, 0, 0, 0, "HONEST"},
        CheatCase{"FaceDownInAuction", 0x30, 0, 0, 0, 16, STATE_AUCTION, 32, 0, 0, 0, "DEALT"},
        // A new deal: from an honest game the pending marks are forgotten.
        CheatCase{"NewDealAfterHonestGame", 0, 5, 0, 0, 32, 1, 0, 0, 0, 0, "HONEST"},
        CheatCase{"NewDealBringsPendingBack", 8, 1, 0, 0, 32, 1, 9, 1, 0, IDS_CHEATED_ABORTED, "ABORTED:SWAPPED"},
        CheatCase{"NewDealIgnoresALoadAlone", 8, 128, 0, 0, 32, 1, 8, 128, 0, IDS_CHEATED_ABORTED, "SWAPPED"},
        CheatCase{"NewDealFaceUpLoses16WithoutLoad", 16, 0, 0, 0, 32, 1, 32, 0, 0, IDS_CHEATED_ABORTED, "DEALT"},
        CheatCase{"NewDealFaceUpStays", 16, 0, 1, 0, 32, 1, 0x30, 0, 0, IDS_CHEATED_FACEUP, "FACEUP:DEALT"},
        CheatCase{"Undo", 0, 0, 0, 0, 64, 1, 64, 0, 0, IDS_CHEATED_UNDONE, "UNDONE"},
        // A loaded game names its lowest mark; the load goes into the pending marks.
        CheatCase{"LoadedNamesLowestMark", 0x48, 0, 0, 0, 128, 1, 0x48, 128, 0, IDS_CHEATED_SWAPPED, "SWAPPED:UNDONE"},
        CheatCase{"LoadedHonest", 0, 2, 0, 0, 128, 1, 0, 130, 0, 0, "HONEST"},
        CheatCase{"Uncovered", 0, 0, 0, 0, 512, 1, 512, 0, 0, IDS_CHEATED_UNCOVERED, "UNCOVERED"},
        CheatCase{"UncoveredTwiceOneWord", 512, 0, 0, 0, 512, 1, 512, 0, 0, 0, "UNCOVERED"},
        CheatCase{"UnknownCodeChangesNothing", 8, 0, 0, 0, 3, 1, 8, 0, 0, 0, "SWAPPED"}),
    [](const ::testing::TestParamInfo<CheatCase>& info) { return std::string(info.param.name); });

class CheatMarksTest : public FrameFixture {};

// Outside play, with neither side window in use, UNCOVERED (256) is taken back at the next call;
// in play it stays.
TEST_F(CheatMarksTest, UncoveredIsTakenBackOutsidePlayOnly) {
    StartProgram();
    g_Game.CheatMask = 256 | 8;
    g_Game.FlowState = STATE_PLAY;
    Frame().CheckCheat(64, 1);
    EXPECT_EQ(g_Game.CheatMask, 256 | 8 | 64);
    g_Game.FlowState = STATE_IDLE;
    Frame().CheckCheat(64, 1);
    EXPECT_EQ(g_Game.CheatMask, 8 | 64);
    // Code 256 itself outside play becomes no code at all.
    Frame().CheckCheat(256, 1);
    EXPECT_EQ(g_Game.CheatMask, 8 | 64);
    EXPECT_TRUE(Frame().Texts().CheatText.empty());
}

// A changed mask repaints the legend once; an unchanged one does not.
TEST_F(CheatMarksTest, TheLegendIsRepaintedWhenTheMaskChanges) {
    TraceOn();
    StartProgram();
    g_Game.FlowState = STATE_IDLE;
    g_Game.CheatMaskChanged = 0;
    Frame().CheckCheat(8, 1);
    Frame().CheckCheat(8, 1);
    int repaints = 0;
    for (const std::string& line : LogBodies())
        if (line == "CMainFrame::RepaintLegend()") ++repaints;
    EXPECT_EQ(repaints, 1);
}

}  // namespace
