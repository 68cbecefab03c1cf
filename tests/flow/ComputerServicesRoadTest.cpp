// What the frame gives the computer player, seen on the players' road: the suits the strategies
// led are the flow's marks (cleared when a game starts and taken back with a trick), a computer's
// card is heard as it goes into the trick, and the Grand Hand offer of a Ramsch judges the hands
// under the Grand Hand rule while a normal auction does not.
#include "flow/TrickPlay.h"
#include "flow/FixedDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "dialogs/AuctionDialog.h"
#include "dialogs/RamschBars.h"
#include "model/FlowGlobals.h"
#include "flow/PromptBars.h"
#include "model/InternalError.h"
#include "platform/headless/TavloSound.h"
#include "resources/CommandIds.h"
#include "tavlo/SoundOutput.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using testsupport::FixedDeal;
using testsupport::FixedDealFixture;

class ComputerServicesRoadTest : public FixedDealFixture {
protected:
    void TearDown() override {
        SetInternalErrorHandler({});
        tavlo::SetSoundOutput(nullptr);
    }
    void NoteReports() {
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
    }
    bool PersonMayBid() {
        return OpenBarAs<CAuctionDialog>(Frame()) != nullptr && ::IsWindowEnabled(::GetDlgItem(Bar(), BTN_PASS));
    }
    // The marks as the card play reads them.
    std::vector<int> Marks() {
        std::vector<int> marks;
        for (int suit = 0; suit < 4; ++suit) marks.push_back(g_ComputerFrame.SuitLedMark(suit));
        return marks;
    }
    static bool AnyMark(const std::vector<int>& marks) {
        return std::any_of(marks.begin(), marks.end(), [](int mark) { return mark != 0; });
    }
    int CardSounds() const {
        return static_cast<int>(std::count_if(recorder_.PlayedSounds().begin(), recorder_.PlayedSounds().end(),
                                              [](const auto& played) { return played.effect == 6; }));
    }

    std::vector<std::string> reports_;
    platform::TavloSoundRecorder recorder_;
};

// Comp2 plays a suit game against the person, who leads. The defenders' leads mark their suits in
// the flow's marks, which the card play reads; taking every trick back puts them back to the
// game's start, and the next game starts with none.
TEST_F(ComputerServicesRoadTest, TheSuitsLedAreTheFlowsMarksTakenBackWithATrickAndClearedPerGame) {
    DealAndHold(4711);
    NoteReports();
    StartAuction(2, 0, 18, VARIANT_OFFICIAL);
    PressPass();
    ASSERT_EQ(g_Game.Soloist, 1);
    // Play until a computer's lead has marked a suit, the person to play.
    std::vector<int> marked;
    for (int guard = 0; guard < 30 && !Frame().Series().Record.scored && !HasFailure(); ++guard) {
        ASSERT_TRUE(
            host_->PumpUntil([this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
        if (Frame().Series().Record.scored) break;
        if (AnyMark(Marks())) {
            marked = Marks();
            break;
        }
        ClickFirstAllowedCard();
    }
    ASSERT_TRUE(AnyMark(marked)) << "no computer led a suit";
    for (int suit = 0; suit < 4; ++suit) EXPECT_EQ(g_Flow.SuitLedMarks[suit], marked[static_cast<std::size_t>(suit)]);
    // Back to the first trick: no suit was led yet.
    for (int guard = 0; guard < 12 && Frame().TrickPlay().HistoryPosition > 1; ++guard) {
        Frame().SendMessage(WM_COMMAND, ID_UNDO);
        host_->PumpFor(100);
    }
    ASSERT_EQ(Frame().TrickPlay().HistoryPosition, 1);
    EXPECT_FALSE(AnyMark(Marks())) << LogText();

    // The next game starts with no suit marked.
    Frame().SendMessage(WM_COMMAND, ID_BREAK);
    host_->PumpFor(1000);
    g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    EXPECT_FALSE(AnyMark(Marks()));
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Comp1 leads the first trick and Comp2 follows before the person's first turn: each of their
// cards is heard as the card sound, and nothing else plays that sound before.
TEST_F(ComputerServicesRoadTest, EachComputerCardIsHeard) {
    DealAndHold(4711);
    NoteReports();
    // Every effect on, heard by the recorder.
    g_Settings.Audio.Sound = static_cast<int>((1u << 24) | 0x00555555u);
    tavlo::SetSoundOutput(&recorder_);
    StartAuction(0, 0, 18, VARIANT_OFFICIAL);
    for (int guard = 0; guard < 20 && !Frame().FrameTrickPlay().PersonMayPlay() && !HasFailure(); ++guard) {
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay() || PersonMayBid(); }, 60000));
        if (PersonMayBid()) PressPass();
    }
    ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    ASSERT_EQ(Frame().Series().Record.cards.size(), 2u);
    EXPECT_EQ(CardSounds(), 2);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// The Ramsch-only rules with the Grand Hand offer: Comp1 holds three Jacks and two Aces, a Grand
// Hand only for the Grand Hand question. The person, forehand, declines; Comp1 plays Grand Hand.
// The next game under the official rules is bid without the question.
TEST_F(ComputerServicesRoadTest, TheGrandHandOfferJudgesTheHandsUnderItsRuleAndTheAuctionWithout) {
    WriteProfileInt("Variants", "GrandHand", 1);
    WriteProfileInt("Variants", "PassOn", 0);
    DealFixed(FixedDeal({"CJ SJ DJ CA C9 HK H7 DA D9 D7"}), 2, VARIANT_RAMSCH_ONLY);
    NoteReports();
    ASSERT_TRUE(host_->PumpUntil([this] { return OpenBarAs<CGrandHandDialog>(Frame()) != nullptr; }, 10000));
    EXPECT_EQ(g_Computer.GrandHandQuery, 1);
    ::SendMessage(Bar(), WM_COMMAND, BTN_RAMSCH, 0);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.GameType == GAME_GRAND && g_Game.FlowState == STATE_PLAY; }, 10000))
        << LogText();
    EXPECT_EQ(g_Game.Soloist, 0);
    EXPECT_GE(FindLine("CMainFrame::GrandHand(Computer1)"), 0);

    Frame().SendMessage(WM_COMMAND, ID_BREAK);
    host_->PumpFor(1000);
    g_Game.VariantMode = VARIANT_OFFICIAL;
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_AUCTION || g_Game.FlowState == STATE_OBSERVE ||
                                             g_Game.FlowState == STATE_REPLY; },
                                 10000));
    EXPECT_EQ(g_Computer.GrandHandQuery, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

}  // namespace
