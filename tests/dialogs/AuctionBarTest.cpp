// The auction bar: the bid button bids, holds or hands the answer to a computer inside the click;
// the pass and suggest buttons post; the keys raise and lower the value shown.

#include "platform/core/DialogAnswer.h"
#include "dialogs/AuctionDialog.h"
#include "dialogs/BarFixture.h"
#include "resources/FlowIds.h"
#include "model/BidLadder.h"
#include "model/GameState.h"
#include "model/Settings.h"

#include <gtest/gtest.h>

namespace {

using Commands = std::vector<std::string>;

class AuctionBarTest : public testsupport::BarFixture {
protected:
    CAuctionDialog* Open() {
        CAuctionDialog* bar = OpenBar<CAuctionDialog>();
        EXPECT_NE(bar, nullptr);
        return bar;
    }
    std::string BidLabel(CAuctionDialog* bar) const { return bar->GetDlgItemText(IDC_BID); }
};

struct BidCase {
    const char* name;
    int soloist;
    int auctionRole;
    Commands expected;
};

// A failing case names itself, not its bytes.
void PrintTo(const BidCase& c, std::ostream* out) { *out << c.name; }

// Who answers the bid: the person himself (Soloist 2) or computer 0 or 1 as bidder or holder.
const BidCase kBidCases[] = {
    {"PersonAnswersPostsPass", 2, 0, {"D102"}},
    {"PersonHoldingPostsPass", 2, 1, {"D102"}},
    {"FirstComputerHoldsItIsAskedToListen", 0, 1, {"S105"}},
    {"SecondComputerHoldsItIsAskedToListen", 1, 1, {"S106"}},
    {"FirstComputerBidsItIsAskedToSpeak", 0, 0, {"S107"}},
    {"SecondComputerBidsItIsAskedToSpeak", 1, 0, {"S108"}},
};

class BidButtonTest : public AuctionBarTest, public ::testing::WithParamInterface<BidCase> {};

TEST_P(BidButtonTest, TakesTheRaiseAndHandsTheAnswerOn) {
    const BidCase& c = GetParam();
    g_Game.Soloist = c.soloist;
    g_Game.AuctionRole = c.auctionRole;
    g_Game.BidIndex = 3;
    g_Game.PendingRaise = 2;
    auto* bar = Open();
    Click(bar, IDC_BID);
    EXPECT_EQ(FrameCommands(), c.expected);
    EXPECT_EQ(g_Game.BidIndex, 5);
    EXPECT_EQ(g_Game.PendingRaise, 0);
    EXPECT_EQ(g_Game.HasBid[2], 1);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(Cases, BidButtonTest, ::testing::ValuesIn(kBidCases),
                         [](const ::testing::TestParamInfo<BidCase>& info) { return info.param.name; });

TEST_F(AuctionBarTest, AfterTheComputersAnswerTheButtonShowsTheNextValueAndTakesClicksAgain) {
    g_Game.Soloist = 0;
    g_Game.AuctionRole = 0;
    g_Game.BidIndex = 0;
    auto* bar = Open();
    bool disabledDuringAnswer = false;
    WhenFrameGets(CM_SPEAK_COMPUTER1, [&] {
        disabledDuringAnswer = !Enabled(bar, IDC_BID) && !Enabled(bar, IDC_PASS);
        g_Game.BidIndex = 1;  // the computer said 20
    });
    Click(bar, IDC_BID);
    EXPECT_TRUE(disabledDuringAnswer);
    EXPECT_TRUE(Enabled(bar, IDC_BID));
    EXPECT_TRUE(Enabled(bar, IDC_PASS));
    EXPECT_EQ(BidLabel(bar), "&Bid  20");
    EXPECT_EQ(g_Game.PauseLevel, 1);
}

TEST_F(AuctionBarTest, AHolderSeesHoldOnTheButton) {
    g_Game.Soloist = 1;
    g_Game.AuctionRole = 1;
    g_Game.BidIndex = 0;
    auto* bar = Open();
    WhenFrameGets(CM_LISTEN_COMPUTER2, [] { g_Game.BidIndex = 4; });
    Click(bar, IDC_BID);
    EXPECT_EQ(BidLabel(bar), "&Hold  24");
}

TEST_F(AuctionBarTest, TheBidOfThePersonAsAnswerDoesNotRelabelTheButton) {
    g_Game.Soloist = 2;
    auto* bar = Open();
    bar->SetDlgItemText(IDC_BID, "&Hold  18");
    Click(bar, IDC_BID);
    EXPECT_EQ(BidLabel(bar), "&Hold  18");
}

// The computers' answer ends the auction: the frame clears its record and destroys the bar inside
// the send; the click finishes on the freed-later object without touching the window (sanitizers).
TEST_F(AuctionBarTest, ABarDestroyedInsideItsOwnClickIsLeftAlone) {
    g_Game.Soloist = 0;
    auto* bar = Open();
    const HWND handle = bar->Handle();
    WhenFrameGets(CM_SPEAK_COMPUTER1, [&] { CloseBar(); });
    Click(bar, IDC_BID);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(RecordedPrompt(), nullptr);
    EXPECT_EQ(FrameCommands(), Commands{"S107"});
}

// A second, hidden auction bar (the layout measures one) made and destroyed during the answer
// leaves the open bar's record alone: the open bar still relabels itself.
TEST_F(AuctionBarTest, AMeasuringBarMadeAndDestroyedChangesNothingOfTheFrame) {
    g_Game.Soloist = 0;
    auto* bar = Open();
    const HWND before = RecordedPrompt();
    WhenFrameGets(CM_SPEAK_COMPUTER1, [&] {
        CAuctionDialog* measuring = CreateBar<CAuctionDialog>();
        ASSERT_NE(measuring, nullptr);
        measuring->DestroyWindow();
        g_Game.BidIndex = 2;
    });
    Click(bar, IDC_BID);
    EXPECT_EQ(RecordedPrompt(), before);
    EXPECT_EQ(BidLabel(bar), "&Bid  22");
    EXPECT_TRUE(Enabled(bar, IDC_BID));
}

// A bar that is not (or no longer) the frame's open prompt never relabels after the send.
TEST_F(AuctionBarTest, ABarTheFrameNoLongerHoldsStaysDisabled) {
    g_Game.Soloist = 1;
    auto* bar = Open();
    WhenFrameGets(CM_SPEAK_COMPUTER2, [&] { ForgetPrompt(); });
    Click(bar, IDC_BID);
    EXPECT_FALSE(Enabled(bar, IDC_BID));
    EXPECT_FALSE(Enabled(bar, IDC_PASS));
}

TEST_F(AuctionBarTest, VoicesOnThePersonSaysHisBid) {
    g_Game.Soloist = 2;
    g_Game.BidIndex = 6;
    g_Settings.Audio.Voice = (1 << 24) | (3 << 8);  // voices on, the person speaks with voice 2
    auto* bar = Open();
    Click(bar, IDC_BID);
    EXPECT_GE(FindLine("CMainFrame::PlayVoiceTerm(6,1,2,0)"), 0);
}

TEST_F(AuctionBarTest, VoicesOffThePersonSaysNothing) {
    g_Game.Soloist = 2;
    g_Settings.Audio.Voice = 3 << 8;
    auto* bar = Open();
    Click(bar, IDC_BID);
    for (const std::string& line : LogBodies()) EXPECT_EQ(line.find("PlayVoiceTerm"), std::string::npos) << line;
}

struct PassCase {
    const char* name;
    int soloist;
    int bidIndex;
    int expectedSoloist;
};

// A failing case names itself, not its bytes.
void PrintTo(const PassCase& c, std::ostream* out) { *out << c.name; }

const PassCase kPassCases[] = {
    {"PersonAtEighteenLeavesNobody", 2, 0, 3},
    {"PersonAboveEighteenStaysAnswerer", 2, 1, 2},
    {"ComputerAnswererStays", 0, 0, 0},
};

class PassButtonTest : public AuctionBarTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(PassButtonTest, PostsPassAndDropsTheRaise) {
    const PassCase& c = GetParam();
    g_Game.Soloist = c.soloist;
    g_Game.BidIndex = c.bidIndex;
    g_Game.PendingRaise = 3;
    g_Game.PauseLevel = 5;
    auto* bar = Open();
    Click(bar, IDC_PASS);
    EXPECT_EQ(FrameCommands(), Commands{"D102"});
    EXPECT_EQ(g_Game.Soloist, c.expectedSoloist);
    EXPECT_EQ(g_Game.PendingRaise, 0);
    EXPECT_EQ(g_Game.PauseLevel, 1);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

INSTANTIATE_TEST_SUITE_P(Cases, PassButtonTest, ::testing::ValuesIn(kPassCases),
                         [](const ::testing::TestParamInfo<PassCase>& info) { return info.param.name; });

TEST_F(AuctionBarTest, SuggestPostsTheGameSuggestion) {
    g_Game.PauseLevel = 5;
    auto* bar = Open();
    // The frame shows its suggestion; the person closes it.
    host_->Answers().PushDialogAnswer(IDD_INFO, {platform::DialogAction::Press(IDOK)});
    Click(bar, IDC_SUGGEST_GAME);
    EXPECT_EQ(FrameCommands(), Commands{"D139"});
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_EQ(g_Game.PauseLevel, 1);
    EXPECT_EQ(Effects(), std::vector<int>{3});
}

struct AlterCase {
    const char* name;
    int role;
    int bidIndex;
    int raise;
    bool up;
    int expectedRaise;
    const char* expectedLabel;
};

// A failing case names itself, not its bytes.
void PrintTo(const AlterCase& c, std::ostream* out) { *out << c.name; }

const AlterCase kAlterCases[] = {
    {"RaiseFromNothingShowsValueAndSteps", 0, 0, 0, true, 1, "&Bid 20/1"},
    {"RaiseAgain", 0, 0, 1, true, 2, "&Bid 22/2"},
    {"LowerBackToTheBidShowsItPlain", 0, 0, 1, false, 0, "&Bid 18"},
    {"LowerAtNothingStaysAtNothing", 0, 4, 0, false, 0, "&Bid 24"},
    {"HolderLabel", 1, 2, 0, true, 1, "&Hold 23/1"},
    {"TopOfTheLadderStops", 0, 62, 1, true, 1, "&Bid 264/1"},
    {"AtTheTopNothingMore", 0, 63, 0, true, 0, "&Bid 264"},
};

class AlterBidDisplayTest : public AuctionBarTest, public ::testing::WithParamInterface<AlterCase> {};

TEST_P(AlterBidDisplayTest, StepsTheRaiseWithinTheLadder) {
    const AlterCase& c = GetParam();
    g_Game.AuctionRole = c.role;
    g_Game.BidIndex = c.bidIndex;
    g_Game.PendingRaise = c.raise;
    auto* bar = Open();
    bar->AlterBidDisplay(c.up);
    EXPECT_EQ(g_Game.PendingRaise, c.expectedRaise);
    EXPECT_EQ(BidLabel(bar), c.expectedLabel);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlterBidDisplayTest, ::testing::ValuesIn(kAlterCases),
                         [](const ::testing::TestParamInfo<AlterCase>& info) { return info.param.name; });

TEST_F(AuctionBarTest, AlterBidDisplayDoesNothingWhileTheButtonIsDisabled) {
    auto* bar = Open();
    bar->SetDlgItemText(IDC_BID, "&Bid  18");
    bar->EnableDlgItem(IDC_BID, false);
    bar->AlterBidDisplay(true);
    EXPECT_EQ(g_Game.PendingRaise, 0);
    EXPECT_EQ(BidLabel(bar), "&Bid  18");
}

TEST_F(AuctionBarTest, AlterBidDisplayIsTracedVerbose) {
    auto* bar = Open();
    bar->AlterBidDisplay(true);
    EXPECT_GE(FindLine("CAuctionDialog::AlterBidDisplay(bid:20/1)"), 0);
}

TEST_F(AuctionBarTest, TheBarIsMadeFromTheEditionsTemplate) {
    auto* bar = Open();
    EXPECT_EQ(bar->GetDlgItemText(IDC_PASS), "&Pass");
    EXPECT_EQ(bar->GetDlgItemText(IDC_SUGGEST_GAME), "&Suggest Game");
    EXPECT_EQ(bar->GetDefID(), IDC_BID);
    EXPECT_TRUE(bar->Template()->style & platform::DLG_STRIP);
}

TEST_F(AuctionBarTest, EscapeReturnsTheKeysToTheFrameAndTheBarStays) {
    auto* bar = Open();
    ::SendMessage(bar->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_TRUE(::IsWindowVisible(bar->Handle()));
    EXPECT_FALSE(::IsChild(bar->Handle(), ::GetFocus()));
    EXPECT_NE(::GetFocus(), bar->Handle());
}

TEST_F(AuctionBarTest, ACloseRequestOnlyHidesTheBarAndTheFrameKeepsItsRecord) {
    auto* bar = Open();
    ::SendMessage(bar->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(bar->Handle()));
    EXPECT_FALSE(::IsWindowVisible(bar->Handle()));
    EXPECT_EQ(RecordedPrompt(), bar->Handle());
}

}  // namespace

namespace {

// The person answers by keyboard on the bar: Enter presses the bid button, Alt and the pass
// button's letter passes.
TEST_F(AuctionBarTest, EnterBidsAndTheMnemonicPasses) {
    g_Game.Soloist = 2;
    g_Game.BidIndex = 1;
    auto* bar = Open();
    bar->SetFocus();
    ASSERT_TRUE(::GetFocus() == bar->Handle() || ::IsChild(bar->Handle(), ::GetFocus()));
    host_->Key(host_->NowMs(), VK_RETURN);
    host_->PumpFor(20);
    EXPECT_EQ(FrameCommands(), Commands{"D102"});
    EXPECT_EQ(g_Game.HasBid[2], 1);
    host_->Trace().Clear();
    host_->Key(host_->NowMs(), 'P', {VK_MENU});
    host_->PumpFor(20);
    EXPECT_EQ(FrameCommands(), Commands{"D102"});
    EXPECT_EQ(g_Game.Soloist, 2);  // above 18 the answerer stays
}

}  // namespace
