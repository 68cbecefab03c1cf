// The dialogs' record of what they ask of the frame, the shell and the flow: the program's start
// installs it, so that it answers from the running frame and a bar's request changes the game
// record through the flow at once; uninstalled, it answers as if there were no frame and changes
// nothing.

#include "flow/FrameDeclaration.h"
#include "dialogs/AuctionDialog.h"
#include "flow/MatchSeries.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/DeclareDialog.h"
#include "dialogs/DialogServices.h"
#include "model/GameState.h"
#include "model/Skat.h"

#include <gtest/gtest.h>

namespace {

class DialogServicesTest : public testsupport::BarFixture {};

TEST_F(DialogServicesTest, TheProgramsStartConnectsTheDialogsToTheRunningFrame) {
    EXPECT_EQ(g_DialogFrame.FrameWindow(), Frame().Handle());
    EXPECT_EQ(g_DialogFrame.Player(2), Frame().GameObject().Player(2));
    Frame().MatchSeries().RestoreSoloistCounts(1, 4, 1, 3);
    SoloistSeries series;
    ASSERT_TRUE(g_DialogFrame.Series(series));
    EXPECT_EQ(series.games[1], 4);
    EXPECT_EQ(series.won[1], 3);
    EXPECT_EQ(series.lost[1], 1);
}

// A click on the declaration bar: the flow announces Schneider in the game record, the frame forgets
// the game its suggestion named, and the box shows what the record now holds.
TEST_F(DialogServicesTest, ABarsClickReachesTheFlowAndTheFrame) {
    Frame().FrameDeclaration().SuggestGame(2, Frame().Declaration().SuggestedAnnouncements);
    EXPECT_EQ(g_DialogFrame.SuggestedGame(), 2);
    g_Game.SchneiderAnnounced = 0;
    auto* bar = OpenBar<CDeclareDialog>();
    ASSERT_NE(bar, nullptr);
    Click(bar, IDC_SCHNEIDER);
    EXPECT_EQ(g_Game.SchneiderAnnounced, 1);
    EXPECT_EQ(Checked(bar, IDC_SCHNEIDER), 1);
    EXPECT_EQ(Frame().Declaration().SuggestedGame, -1);
    EXPECT_EQ(Effects(), std::vector<int>{SOUND_BUTTON});
}

TEST_F(DialogServicesTest, UninstalledABarsClickReachesNothingAndChangesNothing) {
    g_DialogFrame.Reset();
    g_Game.Soloist = 0;
    g_Game.BidIndex = 2;
    g_Game.PendingRaise = 1;
    g_Game.PauseLevel = 5;
    auto* bar = OpenBar<CAuctionDialog>();
    ASSERT_NE(bar, nullptr);
    Click(bar, IDC_BID);
    EXPECT_EQ(g_Game.BidIndex, 2);
    EXPECT_EQ(g_Game.PendingRaise, 1);
    EXPECT_EQ(g_Game.HasBid[2], 0);
    EXPECT_EQ(g_Game.PauseLevel, 5);
    EXPECT_TRUE(FrameCommands().empty());
    EXPECT_TRUE(Effects().empty());
}

}  // namespace
