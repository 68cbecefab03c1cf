// The game suggestion on the table: it shows its message and leaves the game as it was; with the
// computers listed it asks first, marks the game, and a No shows nothing; a pending break shows
// nothing.
#include "flow/FrameAuction.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "dialogs/InfoDialog.h"
#include "model/FlowGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "model/CardCodes.h"

#include <cstring>
#include <vector>

namespace {

using testsupport::FlowFixture;

constexpr int kSuggestedForComputers = 512;

// What a suggestion must leave alone: the game record's type and announcements, and each
// player's hand, analysis block and option records.
struct GameImage {
    int gameType, trumpCount, hand, ouvert, schneider, schwarz, state;
    std::vector<int> cards[3];
    std::vector<unsigned char> present[3];
    HandInfo handInfo[3];
    int options[3][9][13];
};

class SuggestGameCommandTest : public FlowFixture {
protected:
    GameImage Capture() {
        GameImage image{};
        image.gameType = g_Game.GameType;
        image.trumpCount = g_Game.TrumpCount;
        image.hand = g_Game.HandAnnounced;
        image.ouvert = g_Game.OuvertAnnounced;
        image.schneider = g_Game.SchneiderAnnounced;
        image.schwarz = g_Game.SchwarzAnnounced;
        image.state = g_Game.FlowState;
        for (int seat = 0; seat < 3; ++seat) {
            const CPlayer& player = *Frame().GameObject().Player(seat);
            image.cards[seat] = player.cards;
            image.present[seat] = player.present;
            image.handInfo[seat] = player.handInfo;
            std::memcpy(image.options[seat], player.gameOptions, sizeof image.options[seat]);
        }
        return image;
    }
    static void ExpectSame(const GameImage& before, const GameImage& after) {
        EXPECT_EQ(after.gameType, before.gameType);
        EXPECT_EQ(after.trumpCount, before.trumpCount);
        EXPECT_EQ(after.hand, before.hand);
        EXPECT_EQ(after.ouvert, before.ouvert);
        EXPECT_EQ(after.schneider, before.schneider);
        EXPECT_EQ(after.schwarz, before.schwarz);
        EXPECT_EQ(after.state, before.state);
        for (int seat = 0; seat < 3; ++seat) {
            SCOPED_TRACE(seat);
            EXPECT_EQ(after.cards[seat], before.cards[seat]);
            EXPECT_EQ(after.present[seat], before.present[seat]);
            EXPECT_EQ(std::memcmp(&after.handInfo[seat], &before.handInfo[seat], sizeof(HandInfo)), 0);
            EXPECT_EQ(std::memcmp(after.options[seat], before.options[seat], sizeof after.options[seat]), 0);
        }
    }
    // Notes each modal dialog: 1 for the suggestion's message, 0 for anything else.
    void WatchDialogs() {
        answerer_.probe = [](HWND dialog) {
            return dynamic_cast<CInfoDialog*>(::WindowFromHandle(dialog)) != nullptr ? 1 : 0;
        };
    }
    void Suggest() {
        Frame().SendMessage(WM_COMMAND, CM_SUGGEST_GAME);
        host_->PumpUntilIdle();
    }
};

// In the auction and in a Hand game, with and without the computers listed: the message shows and
// the game is as it was.
TEST_F(SuggestGameCommandTest, SuggestionLeavesTheGameAlone) {
    WriteProfileInt("Options", "Suggest", 1);
    DealAndHold(4711);
    WatchDialogs();
    StartAuction(2, 0, 0);
    ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    for (int listAll : {0, 1}) {
        SCOPED_TRACE(listAll);
        g_Settings.Settings.Suggest = listAll;
        if (listAll) host_->Answers().PushMessageBoxAnswer(IDYES);
        answerer_.probes.clear();
        const GameImage before = Capture();
        Suggest();
        ExpectSame(before, Capture());
        EXPECT_EQ(answerer_.probes, std::vector<int>{1});
    }
    // The computers' games marked the game.
    EXPECT_EQ(g_Game.CheatMask & kSuggestedForComputers, kSuggestedForComputers);

    g_Settings.Settings.Suggest = 0;
    PressBid();
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    ::SendMessage(Bar(), WM_COMMAND, BTN_HAND, 0);
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_HAND);
    answerer_.probes.clear();
    const GameImage before = Capture();
    Suggest();
    ExpectSame(before, Capture());
    EXPECT_EQ(answerer_.probes, std::vector<int>{1});
}

// The computers' games need the person's leave: No shows nothing and leaves the game unmarked;
// once marked, the question is not asked again.
TEST_F(SuggestGameCommandTest, AskedBeforeListingTheComputers) {
    DealAndHold(4711);
    WatchDialogs();
    StartAuction(2, 0, 0);
    g_Settings.Settings.Suggest = 1;
    g_Game.CheatMask = 0;
    host_->Answers().PushMessageBoxAnswer(IDNO);
    Suggest();
    EXPECT_TRUE(answerer_.probes.empty());
    EXPECT_EQ(g_Game.CheatMask, 0);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);

    g_Game.CheatMask = kSuggestedForComputers;
    Suggest();
    EXPECT_EQ(answerer_.probes, std::vector<int>{1});
}

// A break pending: nothing is shown.
TEST_F(SuggestGameCommandTest, PendingBreakShowsNothing) {
    DealAndHold(4711);
    WatchDialogs();
    StartAuction(2, 0, 0);
    g_Game.StopFlag = StopState::Requested;
    Suggest();
    EXPECT_TRUE(answerer_.probes.empty());
    EXPECT_EQ(g_Game.CheatMask & kSuggestedForComputers, 0);
}

}  // namespace

namespace {

// With the skat picked up the suggestion evaluates the twelve cards: the skat stays in the trick,
// the hand and the game as they were.
TEST_F(SuggestGameCommandTest, AfterThePickUpTheSkatStaysWhereItLies) {
    DealAndHold(4711);
    WatchDialogs();
    StartAuction(2, 0, 0);
    PressBid();
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    ::SendMessage(Bar(), WM_COMMAND, 1042, 0);  // pick the skat up
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_ASK);
    const std::vector<int> trick = Frame().GameObject().Trick().cards;
    const std::vector<unsigned char> present = Frame().GameObject().Trick().present;
    const std::vector<int> skatDealt = Frame().GameObject().dealt;
    const GameImage before = Capture();
    Suggest();
    ExpectSame(before, Capture());
    EXPECT_EQ(Frame().GameObject().Trick().cards, trick);
    EXPECT_EQ(Frame().GameObject().Trick().present, present);
    EXPECT_EQ(Frame().GameObject().dealt, skatDealt);
    EXPECT_EQ(answerer_.probes, std::vector<int>{1});
    EXPECT_NE(LogText().find("CMainFrame::OnSuggestGame(Person:"), std::string::npos);
}

}  // namespace
