// The settings commands of the table's look, the players and the rules in the running program:
// each runs its dialog with the game paused and puts the pause back; OK applies the change and
// writes it to the profile; Cancel and refused entries change nothing.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/MatchSeries.h"

#include <string>

#include "dialogs/DataDialog.h"
#include "dialogs/ImageDialog.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/RuleOptionDialogs.h"
#include "dialogs/SettingsIds.h"
#include "dialogs/StateDialog.h"
#include "dialogs/ViewDialogs.h"
#include "flow/FrameGlobals.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "model/Skat.h"
#include "platform/core/ComboBox.h"
#include "platform/core/CommandState.h"
#include "platform/core/DialogAnswer.h"
#include "resources/CommandIds.h"
#include "flow/PanelObject.h"
#include "tavlo/Table.h"
#include "support/FrameGameAccess.h"

namespace {

using platform::DialogAction;

// A profile value that no command writes.
constexpr int kUnwritten = -12345;

class SettingsDialogsTest : public testsupport::FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        StartProgram();
    }
    void Command(int id) {
        Frame().PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
        host_->PumpUntilIdle();
    }
    void Answer(int templateId, std::vector<DialogAction> actions) {
        host_->Answers().PushDialogAnswer(templateId, std::move(actions));
    }
    void ExpectAnswered(int command) {
        EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u) << command << ": the dialog did not run";
    }
    // Whether the registry holds the key (written by a confirmed dialog).
    static bool Written(const char* section, const char* key) {
        return GetProfileInt(section, key, kUnwritten) != kUnwritten;
    }
    static int TableBack() { return tavlo::FindTable(g_Frame.hTableWnd)->cards->backDesign; }
    static int TableFace() { return tavlo::FindTable(g_Frame.hTableWnd)->cards->faceDesign; }
};

TEST_F(SettingsDialogsTest, EachCommandRunsItsDialogAndLeavesThePauseAsItWas) {
    const struct {
        int templateId, command;
    } cases[] = {{IDD_CARD_BACK, ID_CARD_BACK}, {IDD_CARD_FACE, ID_CARD_FACE},         {IDD_DELAY, ID_DELAY},
                 {IDD_IMAGES, ID_IMAGES},       {IDD_CONFIGURATION, ID_CONFIGURATION}, {IDD_NAMES, ID_NAMES}};
    for (const auto& c : cases) {
        g_Game.PauseLevel = 3;
        Answer(c.templateId, {DialogAction::Press(IDCANCEL)});
        Command(c.command);
        ExpectAnswered(c.command);
        EXPECT_EQ(g_Game.PauseLevel, 3) << c.command;
    }
}

TEST_F(SettingsDialogsTest, AConfirmedDesignShowsOnTheTableAndIsWritten) {
    g_Settings.View.CardBack = 10;
    g_Settings.View.CardFace = 0;
    Answer(IDD_CARD_BACK, {DialogAction::Choose(CDesignChooserDialog::kList, 4), DialogAction::Press(IDOK)});
    Command(ID_CARD_BACK);
    EXPECT_EQ(g_Settings.View.CardBack, 4);
    EXPECT_EQ(GetProfileInt("View", "CardBack", kUnwritten), 4);
    EXPECT_EQ(TableBack(), 4);
    Answer(IDD_CARD_FACE, {DialogAction::Choose(CDesignChooserDialog::kList, 7), DialogAction::Press(IDOK)});
    Command(ID_CARD_FACE);
    EXPECT_EQ(g_Settings.View.CardFace, 7);
    EXPECT_EQ(GetProfileInt("View", "CardFace", kUnwritten), 7);
    EXPECT_EQ(TableFace(), 7);
}

TEST_F(SettingsDialogsTest, ACancelledDesignChangesNothing) {
    g_Settings.View.CardBack = 10;
    g_Settings.View.CardFace = 2;
    Answer(IDD_CARD_BACK, {DialogAction::Choose(CDesignChooserDialog::kList, 4), DialogAction::Press(IDCANCEL)});
    Command(ID_CARD_BACK);
    Answer(IDD_CARD_FACE, {DialogAction::Choose(CDesignChooserDialog::kList, 7), DialogAction::Press(IDCANCEL)});
    Command(ID_CARD_FACE);
    EXPECT_EQ(g_Settings.View.CardBack, 10);
    EXPECT_EQ(g_Settings.View.CardFace, 2);
    EXPECT_FALSE(Written("View", "CardBack"));
    EXPECT_FALSE(Written("View", "CardFace"));
}

TEST_F(SettingsDialogsTest, ConfirmedDelaysAreTakenOverAndWritten) {
    g_Settings.Delay = CSettings::DelaySection{};
    // A typed bid delay and an arrow step of the play's glide steps (field 6, step 10).
    Answer(IDD_DELAY, {DialogAction::TypeText(CDelayDialog::kFields[0], "2500"),
                       DialogAction::Press(CDelayDialog::kUp[6]), DialogAction::Press(IDOK)});
    Command(ID_DELAY);
    EXPECT_EQ(g_Settings.Delay.Bid, 2500);
    EXPECT_EQ(g_Settings.Delay.Play, 110);
    EXPECT_EQ(g_Settings.Delay.Answer, 10000);
    EXPECT_EQ(GetProfileInt("Delay", "Bid", kUnwritten), 2500);
    EXPECT_EQ(GetProfileInt("Delay", "Play", kUnwritten), 110);
    EXPECT_EQ(GetProfileInt("Delay", "Answer", kUnwritten), 10000);
}

// The arrows change the dialog's numbers at once; Cancel must still leave every delay alone, as
// must a field the dialog refuses.
TEST_F(SettingsDialogsTest, CancelledOrRefusedDelaysChangeNothing) {
    const struct {
        const char* what;
        std::vector<DialogAction> actions;
    } cases[] = {
        {"arrow then cancel", {DialogAction::Press(CDelayDialog::kUp[0]), DialogAction::Press(CDelayDialog::kDown[5]),
                               DialogAction::Press(IDCANCEL)}},
        {"too large", {DialogAction::TypeText(CDelayDialog::kFields[1], "100000"), DialogAction::Press(IDOK),
                       DialogAction::Press(IDCANCEL)}},
        {"empty", {DialogAction::TypeText(CDelayDialog::kFields[2], ""), DialogAction::Press(IDOK),
                   DialogAction::Press(IDCANCEL)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_Settings.Delay = CSettings::DelaySection{};
        Answer(IDD_DELAY, c.actions);
        Command(ID_DELAY);
        ExpectAnswered(ID_DELAY);
        EXPECT_EQ(g_Settings.Delay.Bid, 1000);
        EXPECT_EQ(g_Settings.Delay.Answer, 10000);
        EXPECT_EQ(g_Settings.Delay.Show, 1000);
        EXPECT_EQ(g_Settings.Delay.Deal, 100);
        EXPECT_FALSE(Written("Delay", "Bid"));
    }
}

TEST_F(SettingsDialogsTest, ConfirmedNamesReachTheTableTheListAndTheProfile) {
    // 19 characters, 26 bytes of UTF-8: the list's slot holds them in the files' code page.
    const std::string name = "J\u00fcrgen M\u00fcller-Gr\u00f6\u00dfe";
    Answer(IDD_NAMES, {DialogAction::TypeText(CNameDialog::kSeat0, name),
                       DialogAction::TypeText(CNameDialog::kSeat2, "Anna"), DialogAction::Press(IDOK)});
    Command(ID_NAMES);
    EXPECT_EQ(g_Profile.Names[0], name);
    EXPECT_EQ(g_Profile.Names[1], "Computer2");
    EXPECT_EQ(g_Profile.Names[2], "Anna");
    EXPECT_EQ(Frame().GetPlayerName(0), name);
    EXPECT_EQ(Frame().GetPlayerName(2), "Anna");
    EXPECT_EQ(GetProfileString("Names", "Computer1", ""), name);
    EXPECT_EQ(GetProfileString("Names", "Person", ""), "Anna");
    EXPECT_EQ(g_GameList.Header.SeatName(0), "J\xFCrgen M\xFCller-Gr\xF6\xDF" "e");
    EXPECT_EQ(g_GameList.Header.SeatName(2), "Anna");
}

// The open data and state panels take the new names at once, not only at their next opening.
TEST_F(SettingsDialogsTest, ConfirmedNamesReachTheOpenDataAndStatePanels) {
    Frame().SendMessage(WM_COMMAND, ID_LIST_DATA);
    Frame().SendMessage(WM_COMMAND, ID_LIST_STATE);
    host_->PumpUntilIdle();
    auto* data = PanelAs<CDataDialog>(Frame().FramePanels().PanelWindow(CM_CLOSE_DATA));
    auto* state = PanelAs<CStateDialog>(Frame().FramePanels().PanelWindow(CM_CLOSE_STATE));
    ASSERT_NE(data, nullptr);
    ASSERT_NE(state, nullptr);
    Answer(IDD_NAMES, {DialogAction::TypeText(CNameDialog::kSeat0, "Bernd"),
                       DialogAction::TypeText(CNameDialog::kSeat2, "Anna"), DialogAction::Press(IDOK)});
    Command(ID_NAMES);
    ExpectAnswered(ID_NAMES);
    const struct {
        int seat;
        const char* name;
    } seats[] = {{0, "Bernd"}, {1, "Computer2"}, {2, "Anna"}};
    const platform::ComboBox* players = state->GetControlAs<platform::ComboBox>(CStateDialog::kPlayer);
    ASSERT_NE(players, nullptr);
    ASSERT_EQ(players->Items().Count(), 3);
    for (const auto& s : seats) {
        EXPECT_EQ(data->GetDlgItemText(CDataDialog::kNames[static_cast<std::size_t>(s.seat)]), std::string(s.name) + ":");
        EXPECT_EQ(players->Items().Text(s.seat), s.name);
    }
    // Between games no trick has a winner: the field stays blank under the new names.
    EXPECT_EQ(data->GetDlgItemText(CDataDialog::kTrickWinner), " ");
}

TEST_F(SettingsDialogsTest, CancelledOrRefusedNamesChangeNothing) {
    const struct {
        const char* what;
        std::vector<DialogAction> actions;
    } cases[] = {
        {"cancel", {DialogAction::TypeText(CNameDialog::kSeat0, "Anna"), DialogAction::Press(IDCANCEL)}},
        {"empty", {DialogAction::TypeText(CNameDialog::kSeat0, "Anna"), DialogAction::TypeText(CNameDialog::kSeat1, ""),
                   DialogAction::Press(IDOK), DialogAction::Press(IDCANCEL)}},
        {"outside the files' code page", {DialogAction::TypeText(CNameDialog::kSeat0, "Anna \u4e2d"),
                                          DialogAction::Press(IDOK), DialogAction::Press(IDCANCEL)}},
    };
    const std::string shown = Frame().GetPlayerName(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Answer(IDD_NAMES, c.actions);
        Command(ID_NAMES);
        ExpectAnswered(ID_NAMES);
        EXPECT_EQ(g_Profile.Names[0], "Computer1");
        EXPECT_EQ(g_Profile.Names[1], "Computer2");
        EXPECT_EQ(Frame().GetPlayerName(0), shown);
        EXPECT_EQ(GetProfileString("Names", "Computer1", "unwritten"), "unwritten");
    }
}

TEST_F(SettingsDialogsTest, ConfirmedPortraitsAreWrittenCancelledOrRefusedOnesNot) {
    const PortraitSettings before = g_Profile.Image;
    ASSERT_EQ(before.ShowPerson2, 0);
    Answer(IDD_IMAGES, {DialogAction::Check(CImageDialog::kShow[3]), DialogAction::Press(IDCANCEL)});
    Command(ID_IMAGES);
    EXPECT_EQ(g_Profile.Image.ShowPerson2, 0);
    // A relative path is refused and the dialog stays open.
    Answer(IDD_IMAGES, {DialogAction::Check(CImageDialog::kShow[3]), DialogAction::TypeText(CImageDialog::kPaths[1], "x.bmp"),
                        DialogAction::Press(IDOK), DialogAction::Press(IDCANCEL)});
    Command(ID_IMAGES);
    ExpectAnswered(ID_IMAGES);
    EXPECT_EQ(g_Profile.Image.ShowPerson2, 0);
    EXPECT_EQ(g_Profile.Image.ImageComputer2, before.ImageComputer2);
    EXPECT_FALSE(Written("Image", "ShowPerson2"));
    Answer(IDD_IMAGES, {DialogAction::Check(CImageDialog::kShow[3]), DialogAction::Press(IDOK)});
    Command(ID_IMAGES);
    EXPECT_EQ(g_Profile.Image.ShowPerson2, 1);
    EXPECT_EQ(GetProfileInt("Image", "ShowPerson2", kUnwritten), 1);
    EXPECT_EQ(GetProfileString("Image", "ImageComputer2", ""), before.ImageComputer2);
}

// A changed Grand Hand rule judges the hands again and takes the cards off the table; other rules
// leave the table as it is.
TEST_F(SettingsDialogsTest, AConfirmedConfigurationIsWrittenAndAChangedGrandHandClearsTheTable) {
    const struct {
        const char* what;
        int box;
        bool cleared;
    } cases[] = {{"Kontra", CConfigurationDialog::kKontra, false}, {"Grand Hand", CConfigurationDialog::kGrandHand, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_Settings.Variants = CSettings::VariantsSection{};
        FrameGameAccess::Game(Frame()).LayDealBack();
        const int held = Frame().GameObject().PersonsHand().count;
        ASSERT_GT(held, 0);
        Answer(IDD_CONFIGURATION, {DialogAction::Check(c.box, 0), DialogAction::Press(IDOK)});
        Command(ID_CONFIGURATION);
        EXPECT_EQ(c.box == CConfigurationDialog::kKontra ? g_Settings.Variants.Kontra : g_Settings.Variants.GrandHand, 0);
        EXPECT_EQ(GetProfileInt("Variants", c.box == CConfigurationDialog::kKontra ? "Kontra" : "GrandHand", kUnwritten), 0);
        EXPECT_EQ(Frame().GameObject().PersonsHand().count, c.cleared ? 0 : held);
    }
}

TEST_F(SettingsDialogsTest, ACancelledOrRefusedConfigurationChangesNothing) {
    const struct {
        const char* what;
        std::vector<DialogAction> actions;
    } cases[] = {
        {"cancel", {DialogAction::Check(CConfigurationDialog::kGrandHand, 0), DialogAction::Press(IDCANCEL)}},
        {"refused rounds", {DialogAction::Check(CConfigurationDialog::kGrandHand, 0),
                            DialogAction::TypeText(CConfigurationDialog::kBock, "100000"), DialogAction::Press(IDOK),
                            DialogAction::Press(IDCANCEL)}},
        // The arrows move the rounds at once; Cancel puts them back.
        {"arrows then cancel", {DialogAction::Press(CConfigurationDialog::kBockUp), DialogAction::Press(CConfigurationDialog::kBockUp),
                                DialogAction::Press(CConfigurationDialog::kRamschDown), DialogAction::Press(IDCANCEL)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g_Settings.Variants = CSettings::VariantsSection{};
        g_Game.BockRounds = 0;
        g_Game.BockRound = 0;
        g_Game.RamschRounds = 2;
        g_Game.RamschRound = 2;
        g_Game.RoundStatus = ROUND_RAMSCH;
        g_Game.BockCounter = 0;
        const int held = Frame().GameObject().PersonsHand().count;
        Answer(IDD_CONFIGURATION, c.actions);
        Command(ID_CONFIGURATION);
        ExpectAnswered(ID_CONFIGURATION);
        EXPECT_EQ(g_Settings.Variants.GrandHand, 1);
        EXPECT_FALSE(Written("Variants", "GrandHand"));
        EXPECT_EQ(g_Game.BockRounds, 0);
        EXPECT_EQ(g_Game.BockRound, 0);
        EXPECT_EQ(g_Game.RamschRounds, 2);
        EXPECT_EQ(g_Game.RamschRound, 2);
        EXPECT_EQ(g_Game.RoundStatus, ROUND_RAMSCH);
        EXPECT_EQ(g_Game.BockCounter, 0);
        EXPECT_EQ(Frame().GameObject().PersonsHand().count, held);
    }
}

// The menu greys the configuration during a game; posted anyway, it does nothing.
TEST_F(SettingsDialogsTest, TheConfigurationWaitsForTheGameToEnd) {
    Frame().MatchSeries().BeginGame();
    Answer(IDD_CONFIGURATION, {DialogAction::Check(CConfigurationDialog::kGrandHand, 0), DialogAction::Press(IDOK)});
    Command(ID_CONFIGURATION);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 1u) << "no dialog while the game runs";
    EXPECT_EQ(g_Settings.Variants.GrandHand, 1);
    platform::CommandState state(ID_CONFIGURATION);
    Frame().UpdateCommand(state);
    EXPECT_FALSE(state.Enabled());
    host_->Answers().Clear();
    Frame().MatchSeries().GameEnded();
}

// Looking at an opponent's hidden cards marks the game while it is played; between games the
// state panel shows nobody, so nothing is marked.
TEST_F(SettingsDialogsTest, UncoveringTheStateMarksAGameInPlay) {
    const struct {
        int state;
        bool marked;
    } cases[] = {{STATE_PLAY, true}, {STATE_IDLE, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        g_Game.CheatMask = 0;
        g_Game.FlowState = c.state;
        Frame().SendMessage(WM_COMMAND, CM_SHOW_STATE);
        EXPECT_EQ((g_Game.CheatMask & 0x100) != 0, c.marked);
        g_Game.FlowState = STATE_IDLE;
    }
}

}  // namespace
