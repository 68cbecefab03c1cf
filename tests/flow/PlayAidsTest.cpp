// The play aids: the declaration bar's preselection, the support switch, the suggested Revolution
// exchange outside its place, and the early laying open by game type.
#include "flow/FrameAuction.h"
#include "flow/FrameDeclaration.h"
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/TableState.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameOption.h"
#include "model/FlowGlobals.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Dialog.h"
#include "platform/core/Menu.h"

#include <algorithm>
#include <cstdint>

#include "match/Profile.h"
#include "platform/core/Folders.h"
#include "platform/core/MessageBox.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/ids.h"
#include "support/BidIndex.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FlowFixture;

constexpr int kClubsButton = 1016;
constexpr int kNullButton = 1020;
constexpr int kNullOuvertButton = 1021;
constexpr int kGrandButton = 1023;
constexpr int kBoxOuvert = 1022;
constexpr int kBoxSchwarz = 1027;
constexpr int kBoxSchneider = 1045;

class PlayAidsTest : public FlowFixture {
protected:
    // The person has won the auction and declares Hand: the declaration bar is open.
    void PersonDeclaresHand() {
        WriteProfileInt("Options", "Suggest", 1);
        DealAndHold(4711);
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, BTN_HAND, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_HAND);
    }
    // Every option off, then the ones a case sets.
    int (*ClearOptions())[OPT_FIELD_COUNT] {
        auto* options = SkatTestAccess::Person(FrameGameAccess::Game(Frame())).gameOptions;
        for (int i = 0; i < GAME_OPTION_COUNT; ++i)
            for (int w = 0; w < OPT_FIELD_COUNT; ++w) options[i][w] = 0;
        return options;
    }
    platform::Dialog* DeclareBar() { return dynamic_cast<platform::Dialog*>(::WindowFromHandle(Bar())); }
};

struct PreselectionCase {
    const char* name;
    int clubsProbability, clubsSchneider, grandProbability, nullBase, bid;
    int button;  // 0: nothing preselected
    int schneider;
};

// The preselection in Hand: the highest score among the options that reach the bid, Grand at 60 %
// whatever the score; Null raised to Null Ouvert above 23; the announcement flags follow the boxes.
TEST_F(PlayAidsTest, PreselectionChoosesByScoreAndTicksTheAnnouncements) {
    const PreselectionCase cases[] = {
        {"grand at 60 beats a better suit", 80, 0, 60, 0, 18, kGrandButton, 0},
        {"grand below 60 loses", 80, 0, 59, 0, 18, kClubsButton, 0},
        {"suit with Schneider ticks the box", 70, 1, 0, 0, 18, kClubsButton, 1},
        {"null at its value", 0, 0, 0, 23, 18, kNullButton, 0},
        {"null raised above 23", 0, 0, 0, 23, 24, kNullOuvertButton, 0},
    };
    PersonDeclaresHand();
    for (const PreselectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto* options = ClearOptions();
        if (c.clubsProbability) {
            options[GAME_CLUBS][OPT_BASE] = 12;
            options[GAME_CLUBS][OPT_VALUE] = 100;
            options[GAME_CLUBS][OPT_PROBABILITY] = c.clubsProbability;
            options[GAME_CLUBS][OPT_SCHNEIDER] = c.clubsSchneider;
        }
        if (c.grandProbability) {
            options[GAME_GRAND][OPT_BASE] = 24;
            options[GAME_GRAND][OPT_VALUE] = 100;
            options[GAME_GRAND][OPT_PROBABILITY] = c.grandProbability;
        }
        if (c.nullBase) {
            options[GAME_NULL][OPT_BASE] = c.nullBase;
            options[GAME_NULL][OPT_VALUE] = c.nullBase;
            options[GAME_NULL][OPT_PROBABILITY] = 50;
        }
        g_Game.BidIndex = testsupport::BidIndexOf(c.bid);
        g_Flow.ChosenButton = 0;
        for (int box : {kBoxOuvert, kBoxSchneider, kBoxSchwarz}) DeclareBar()->CheckDlgButton(box, 0);
        g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        Frame().FrameDeclaration().SelectGame(-1);
        EXPECT_EQ(g_Flow.ChosenButton, c.button);
        EXPECT_EQ(g_Game.SchneiderAnnounced, c.schneider);
        EXPECT_EQ(DeclareBar()->IsDlgButtonChecked(kBoxSchneider), c.schneider);
        EXPECT_EQ(g_Game.OuvertAnnounced, DeclareBar()->IsDlgButtonChecked(kBoxOuvert));
        EXPECT_EQ(g_Game.SchwarzAnnounced, DeclareBar()->IsDlgButtonChecked(kBoxSchwarz));
        if (c.button) {
            EXPECT_EQ(::GetFocus(), ::GetDlgItem(Bar(), c.button));
        }
    }
}

// The support switch: while suspended it counts as off, so the first use switches it on.
TEST_F(PlayAidsTest, SupportSwitchTurnsOnWhileSuspended) {
    struct Case {
        int support, suspended, after;
    };
    const Case cases[] = {{0, 0, 1}, {1, 0, 0}, {1, 1, 1}, {0, 1, 1}};
    StartProgram();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.support) + "/" + std::to_string(c.suspended));
        g_Settings.Options.Support = c.support;
        g_Settings.Options.SupportSuspended = c.suspended;
        Frame().SendMessage(WM_COMMAND, ID_SUPPORT);
        EXPECT_EQ(g_Settings.Options.Support, c.after);
        EXPECT_EQ(g_Settings.Options.SupportSuspended, 0);
        if (const platform::MenuItem* item = Frame().Table().MainMenu->FindCommand(ID_SUPPORT)) {
            EXPECT_EQ(item->IsChecked(), c.after != 0);
        }
    }
}

// The exchange suggestion outside the Revolution exchange moves nothing.
TEST_F(PlayAidsTest, ExchangeSuggestionOutsideTheExchangeMovesNothing) {
    DealAndHold(4711);
    const std::vector<int> before(Frame().GameObject().Person().cards.begin(), Frame().GameObject().Person().cards.end());
    Frame().SendMessage(WM_COMMAND, CM_SUGGEST_EXCHANGE);
    EXPECT_EQ(std::vector<int>(Frame().GameObject().Person().cards.begin(), Frame().GameObject().Person().cards.end()),
              before);
    EXPECT_EQ(Frame().GameObject().Person().count, 10);
}

// The early laying open: never in Null and Revolution, never without the Safe setting or once
// announced, never when a defender leads; otherwise the soloist's check lays a sure hand open.
TEST_F(PlayAidsTest, EarlyFaceUpByGameType) {
    struct Case {
        int gameType, safe, pending, forehand;
        bool laidOpen;
    };
    const Case cases[] = {
        {GAME_CLUBS, 1, 1, 1, true},       {GAME_NULL, 1, 1, 1, false},  {GAME_REVOLUTION, 1, 1, 1, false},
        {GAME_CLUBS, 0, 1, 1, false},      {GAME_CLUBS, 1, 0, 1, false}, {GAME_CLUBS, 1, 1, 0, false},
    };
    DealAndHold(4711);
    CPlayer& soloist = SkatTestAccess::Player(FrameGameAccess::Game(Frame()), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.gameType) + " safe " + std::to_string(c.safe) + " pending " +
                     std::to_string(c.pending) + " forehand " + std::to_string(c.forehand));
        g_Game.GameType = c.gameType;
        g_Game.Soloist = 1;
        g_Game.Forehand = c.forehand;
        g_Game.EarlyFaceUp = 0;
        g_Game.OuvertAnnounced = 0;
        g_Settings.Settings.Safe = c.safe;
        g_ComputerFrame.FaceUpAnnouncePending = c.pending;
        // The soloist holds the two top Jacks and they are the last trumps: every trick is his.
        for (std::size_t slot = 0; slot < soloist.present.size(); ++slot) soloist.present[slot] = 0;
        soloist.cards[0] = CardCodeOf(5, 0);
        soloist.cards[1] = CardCodeOf(5, 1);
        soloist.present[0] = soloist.present[1] = 1;
        soloist.count = 2;
        soloist.faceUp = false;
        soloist.AnalyseHand(0);
        g_Game.TrumpCount = 2;
        Frame().FrameTrickPlay().CheckEarlyFaceUp();
        EXPECT_EQ(g_Game.EarlyFaceUp == 1, c.laidOpen);
        EXPECT_EQ(soloist.faceUp, c.laidOpen);
    }
}

}  // namespace

namespace {

// The skat suggestion with the skat picked up: two of the twelve cards lie in the skat, the person
// keeps ten, no card is lost or gained, and the status bar names a game. Outside the exchange it
// moves nothing.
TEST_F(PlayAidsTest, SkatSuggestionLaysTwoOfTheTwelveCardsAway) {
    DealAndHold(4711);
    Frame().SendMessage(WM_COMMAND, CM_SUGGEST_SKAT);
    EXPECT_EQ(Frame().GameObject().Trick().count, 0);
    EXPECT_EQ(Frame().GameObject().Person().count, 10);

    StartAuction(2, 0, 0);
    PressBid();
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    ::SendMessage(Bar(), WM_COMMAND, 1042, 0);  // pick the skat up
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_ASK);
    const auto twelve = [this] {
        std::vector<int> cards;
        const CPerson& person = Frame().GameObject().Person();
        for (std::size_t slot = 0; slot < person.present.size(); ++slot)
            if (person.present[slot]) cards.push_back(person.cards[slot]);
        for (int slot = 0; slot < 3; ++slot)
            if (Frame().GameObject().Trick().present[static_cast<std::size_t>(slot)])
                cards.push_back(Frame().GameObject().Trick().cards[static_cast<std::size_t>(slot)]);
        std::sort(cards.begin(), cards.end());
        return cards;
    };
    const std::vector<int> before = twelve();
    ASSERT_EQ(before.size(), 12u);
    // The game button the person pressed with "Skat?" ticked.
    g_Game.GameType = GAME_CLUBS;
    g_Game.TrumpCount = 11;
    const int gameType = g_Game.GameType;
    Frame().SendMessage(WM_COMMAND, CM_SUGGEST_SKAT);
    EXPECT_EQ(twelve(), before);
    EXPECT_EQ(Frame().GameObject().Person().count, 10);
    EXPECT_EQ(Frame().GameObject().Trick().count, 2);
    EXPECT_EQ(g_Game.GameType, gameType);
    const std::string status = Frame().Table().StatusBar.PaneText(0);
    bool named = false;
    for (int id = IDS_GAME_CLUBS; id <= IDS_GAME_RAMSCH; ++id)
        named = named || status.find(platform::LoadString(id)) != std::string::npos;
    EXPECT_TRUE(named) << status;
}

}  // namespace

namespace {

// Switching suggestions on widens the auction bar by its suggestion part (68 dialog units, half on
// each side); switching them off narrows it back to where it was.
TEST_F(PlayAidsTest, SuggestionSwitchWidensAndNarrowsTheAuctionBar) {
    DealAndHold(4711);
    StartAuction(2, 0, 0);
    ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    auto* bar = dynamic_cast<platform::Dialog*>(::WindowFromHandle(Bar()));
    ASSERT_NE(bar, nullptr);
    const platform::Rect narrow = bar->WindowRect();
    const int half = (bar->MapDialogRect({0, 0, 68, 0}).Width() + 1) / 2;
    ASSERT_GT(half, 0);
    ASSERT_EQ(g_Settings.Options.Suggest, 0);
    Frame().SendMessage(WM_COMMAND, ID_SUGGEST);
    EXPECT_EQ(g_Settings.Options.Suggest, 1);
    const platform::Rect wide = bar->WindowRect();
    EXPECT_EQ(wide.left, narrow.left - half);
    EXPECT_EQ(wide.right, narrow.right + half);
    EXPECT_EQ(wide.top, narrow.top);
    Frame().SendMessage(WM_COMMAND, ID_SUGGEST);
    EXPECT_EQ(g_Settings.Options.Suggest, 0);
    EXPECT_EQ(bar->WindowRect().left, narrow.left);
    EXPECT_EQ(bar->WindowRect().right, narrow.right);
}

}  // namespace

namespace {

// A folder of the work folder that exists opens without a word; one that does not is named in
// the message.
TEST_F(PlayAidsTest, FolderCommandsNameAFolderThatCannotBeOpened) {
    platform::DesktopRecorder desktop;
    StartProgram();
    answerer_.Start();
    std::string shown;
    answerer_.probe = [&shown](HWND box) {
        if (platform::MessageBoxDialog* dialog = platform::ActiveMessageBox()) shown = dialog->Text();
        (void)box;
        return 0;
    };
    ASSERT_TRUE(platform::EnsureFolder(g_Profile.Work + "Sounds"));
    Frame().SendMessage(WM_COMMAND, ID_SOUNDS_FOLDER);
    host_->PumpFor(500);
    EXPECT_TRUE(answerer_.answered.empty()) << shown;
    ASSERT_EQ(desktop.ShellRequests().size(), 1u);
    EXPECT_EQ(desktop.ShellRequests()[0].target, g_Profile.Work + "Sounds");
    // The storage folder goes by the edition's word for it.
    ASSERT_TRUE(platform::EnsureFolder(g_Profile.Work + "Storage"));
    Frame().SendMessage(WM_COMMAND, ID_STORAGE_FOLDER);
    host_->PumpFor(500);
    EXPECT_TRUE(answerer_.answered.empty()) << shown;
    ASSERT_EQ(desktop.ShellRequests().size(), 2u);
    EXPECT_EQ(desktop.ShellRequests()[1].target, g_Profile.Work + "Storage");
    // The fresh work folder has no voices folder.
    Frame().SendMessage(WM_COMMAND, ID_VOICES_FOLDER);
    host_->PumpFor(500);
    ASSERT_EQ(answerer_.answered.size(), 1u);
    EXPECT_NE(shown.find(g_Profile.Work + "Voices"), std::string::npos) << shown;
}

}  // namespace

namespace {

// Pane 0 by the window part under the mouse: the frame parts' help texts, over the table the
// status text, or the manipulation mark when there is no status text.
TEST_F(PlayAidsTest, CursorHelpTextsByHitTestCode) {
    struct Case {
        int hitTest;
        const char* statusText;
        const char* expected;
    };
    const Case cases[] = {
        {2, "", "Move the window "},
        {3, "", "System menu (to arrange the window on the desktop)"},
        {8, "", "Reduce the window to an icon"},
        {9, "", "Enlarge the window to full screen"},
        {1, "Person bids 18", "Person bids 18"},
        {1, "", "marked"},
        {4, "", "marked"},
    };
    StartProgram();
    Frame().FrameTexts().SetCheatText("marked");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hitTest);
        Frame().FrameTexts().SetStatusText(c.statusText);
        Frame().OnSetCursor(c.hitTest);
        EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), c.expected);
    }
}

}  // namespace
