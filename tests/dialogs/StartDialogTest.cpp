// The new match's start: each seat button makes that seat leader and forehand and posts the start,
// the random choice draws the seat, the break starts nothing; the buttons carry the seats' names.

#include "dialogs/AnsweredMessage.h"
#include "dialogs/BarFixture.h"
#include "flow/MainFrame.h"
#include "dialogs/StartDialog.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "platform/core/Random.h"
#include "platform/core/RichText.h"
#include "platform/core/WindowSystem.h"
#include "platform/headless/DesktopRecorder.h"

#include <gtest/gtest.h>

namespace {

using testsupport::Answered;
using Commands = std::vector<std::string>;

const std::array<std::string, 3> kNames = {"Comp1", "Comp2", "Spieler"};

class StartDialogTest : public testsupport::BarFixture {
protected:
    void SetUp() override {
        BarFixture::SetUp();
        // Neither seat of the cases: a start that sets nothing shows.
        g_Game.Leader = 1;
        g_Game.Forehand = 2;
    }
};

struct SeatCase {
    const char* name;
    int button;
    std::vector<int> draws;  // scripted for the random choice
    int seat;
};

// A failing case names itself, not its bytes.
void PrintTo(const SeatCase& c, std::ostream* out) { *out << c.name; }

const SeatCase kSeatCases[] = {
    {"OneIsSeatZero", IDC_START_SEAT0, {}, 0},
    {"TwoIsSeatOne", IDC_START_SEAT1, {}, 1},
    {"ThreeIsThePerson", IDC_START_SEAT2, {}, 2},
    {"ChanceDrawsSeatZero", IDC_START_RANDOM, {3}, 0},
    {"ChanceDrawsSeatOne", IDC_START_RANDOM, {7}, 1},
    {"ChanceDrawsSeatTwo", IDC_START_RANDOM, {32765}, 2},
};

class StartSeatTest : public StartDialogTest, public ::testing::WithParamInterface<SeatCase> {};

TEST_P(StartSeatTest, TheChosenSeatLeadsTheNewMatch) {
    const SeatCase& c = GetParam();
    platform::Random().Script(c.draws);
    Answered<CStartDialog> dialog("{\\rtf1 Serienende}", kNames);
    dialog.click = c.button;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.Started(), 1);
    EXPECT_EQ(g_Game.Leader, c.seat);
    EXPECT_EQ(g_Game.Forehand, c.seat);
    EXPECT_EQ(platform::Random().ScriptedLeft(), 0u);
    // Posted: the match starts once the dialog has closed, and without a click.
    host_->PumpUntilIdle();
    EXPECT_EQ(FrameCommands(), Commands{"D101"});
    EXPECT_TRUE(Effects().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, StartSeatTest, ::testing::ValuesIn(kSeatCases),
                         [](const ::testing::TestParamInfo<SeatCase>& info) { return info.param.name; });

TEST_F(StartDialogTest, TheBreakStartsNothing) {
    Answered<CStartDialog> dialog("text", kNames);
    dialog.click = IDC_CANCEL;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.Started(), 0);
    EXPECT_EQ(g_Game.Leader, 1);
    EXPECT_EQ(g_Game.Forehand, 2);
    host_->PumpUntilIdle();
    EXPECT_TRUE(FrameCommands().empty());
    EXPECT_TRUE(Effects().empty());
}

// The dialog has no "OK": a stray IDOK neither closes it nor starts a match.
TEST_F(StartDialogTest, AStrayOkStartsNothing) {
    Answered<CStartDialog> dialog("text", kNames);
    dialog.onOpen = [](Answered<CStartDialog>& d) {
        ::PostMessage(d.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        ::PostMessage(d.GetDlgItem(IDC_CANCEL), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.Started(), 0);
}

// Enter presses the button with the focus, the first seat's on opening: a start, never an empty OK.
TEST_F(StartDialogTest, EnterPressesTheFocusedSeat) {
    Answered<CStartDialog> dialog("text", kNames);
    host_->Key(host_->NowMs(), VK_RETURN);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.Started(), 1);
    EXPECT_EQ(g_Game.Leader, 0);
    EXPECT_EQ(g_Game.Forehand, 0);
}

TEST_F(StartDialogTest, TheSeatButtonsNameTheSeatsAsTheyAre) {
    Answered<CStartDialog> dialog("{\\rtf1 Ende}", {"Hans & Grete", "Comp2", "Spieler"});
    dialog.click = IDC_CANCEL;
    dialog.onOpen = [](Answered<CStartDialog>& d) {
        EXPECT_EQ(d.GetDlgItemText(IDC_START_SEAT0), "&1 Hans && Grete");
        EXPECT_EQ(d.GetDlgItemText(IDC_START_SEAT1), "&2 Comp2");
        EXPECT_EQ(d.GetDlgItemText(IDC_START_SEAT2), "&3 Spieler");
        EXPECT_EQ(d.GetDlgItemText(IDC_TEXT), "{\\rtf1 Ende}");
        EXPECT_EQ(static_cast<const platform::RichText*>(::WindowFromHandle(d.GetDlgItem(IDC_TEXT)))->BackgroundColour(),
                  0xe0ffffu);
        // Its own caption stays: the end of the match, not a game.
        EXPECT_EQ(d.Title(), "End of match  -  new match");
    };
    dialog.DoModal();
}

// The help toggles the start topic, without a click.
TEST_F(StartDialogTest, TheHelpTogglesTheStartTopic) {
    platform::DesktopRecorder desktop;
    Answered<CStartDialog> dialog("text", kNames);
    dialog.onOpen = [](Answered<CStartDialog>& d) {
        ::PostMessage(d.GetDlgItem(IDC_HELP), BM_CLICK, 0, 0);
        ::PostMessage(d.GetDlgItem(IDC_HELP), BM_CLICK, 0, 0);
    };
    dialog.click = IDC_CANCEL;
    dialog.DoModal();
    ASSERT_EQ(desktop.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop.HelpRequests()[0].topic.page, "Bedienung/Serienstart.htm");
    EXPECT_EQ(desktop.HelpRequests()[0].topic.anchor, "match");
    EXPECT_EQ(desktop.HelpClosings(), 1);
    EXPECT_TRUE(Effects().empty());
}

// In a demonstration the frame's timer 22 chooses by chance for the person.
TEST_F(StartDialogTest, TheDemonstrationTimerStartsAtRandom) {
    g_Game.DemoMode = 1;
    platform::Random().Script({5});
    CStartDialog dialog("text", kNames);
    EXPECT_EQ(Frame().DoModalDialog(dialog), IDOK);
    EXPECT_EQ(dialog.Started(), 1);
    EXPECT_EQ(g_Game.Leader, 2);
    EXPECT_EQ(g_Game.Forehand, 2);
}

}  // namespace
