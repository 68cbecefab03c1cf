// The information panels in the running program: the View menu opens and closes them at their
// stored places, they follow the game (the value list the bid, the data panel the game, the status
// panel the chosen seat), revealing an opponent is asked once, and the note travels with the game
// file.
#include "dialogs/AnnotationDialog.h"
#include "flow/FrameTexts.h"
#include "flow/FramePanels.h"
#include "flow/RamschRounds.h"
#include "flow/MatchFiles.h"
#include "dialogs/DataDialog.h"
#include "dialogs/GameValueDialog.h"
#include "dialogs/GameValueTable.h"
#include "dialogs/StateDialog.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/TableState.h"
#include "match/GameList.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Edit.h"
#include "platform/core/Menu.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowApi.h"
#include "shell/ShellGlobals.h"
#include "resources/CommandIds.h"
#include "match/GameFile.h"
#include "match/Profile.h"
#include "support/FrameGameAccess.h"

#include <algorithm>

namespace {

class PanelsTest : public testsupport::FrameFixture {
protected:
    void Command(int id) {
        Frame().PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
        host_->PumpUntilIdle();
    }
    template <class Panel>
    Panel* Open(int closeCommand) {
        return dynamic_cast<Panel*>(::WindowFromHandle(Frame().FramePanels().PanelWindow(closeCommand)));
    }
    // A whole deck dealt on the table, so that the game can be saved and read.
    void DealADeck() {
        std::vector<int> deck;
        for (int card = 0; card < 256 && deck.size() < 32; ++card)
            if (IsDeckCard(card)) deck.push_back(card);
        ASSERT_EQ(deck.size(), 32u);
        FrameGameAccess::Game(Frame()).SetDeal(deck.data(), deck.data() + 30);
    }
    bool MenuChecked(int id) {
        const platform::MenuItem* item = Frame().Table().MainMenu ? Frame().Table().MainMenu->FindCommand(id) : nullptr;
        return item && item->IsChecked();
    }
    int BoxHeight(CGameValueDialog& panel) {
        return ::WindowFromHandle(panel.GetDlgItem(CGameValueDialog::kText))->WindowRect().Height();
    }
};

TEST_F(PanelsTest, TheValuePanelOpensAtItsPlaceFollowsTheBidAndStoresItsPlaceOnClosing) {
    StartProgram();
    WriteProfileInt("RectGameValue", "Left", 300);
    WriteProfileInt("RectGameValue", "Top", 200);
    g_Game.BidIndex = 0;
    Command(ID_LIST_GAME_VALUE);
    auto* panel = Open<CGameValueDialog>(CM_CLOSE_GAME_VALUE);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Frame().Panels().GameValuePanel, panel->Handle());
    EXPECT_EQ(g_Settings.View.ListGameValue, 1);
    EXPECT_TRUE(MenuChecked(ID_LIST_GAME_VALUE));
    EXPECT_EQ(panel->WindowRect().left, 300);
    EXPECT_EQ(panel->WindowRect().top, 200);
    auto* values = panel->GetControlAs<platform::ComboBox>(CGameValueDialog::kValue);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(values->Items().Count(), 64);
    EXPECT_EQ(values->Items().Text(63), "264");
    ASSERT_GT(panel->RowHeight(), 0);
    // One row at 18; three at 27: the box and the window grow by two rows.
    EXPECT_EQ(BoxHeight(*panel), panel->Margin() + panel->RowHeight());
    const int windowHeight = panel->WindowRect().Height();
    const int okTop = ::WindowFromHandle(panel->GetDlgItem(IDOK))->WindowRect().top;
    g_Game.BidIndex = 5;
    Frame().FramePanels().UpdateGameValueBid();
    EXPECT_EQ(values->GetCurSel(), 5);
    EXPECT_EQ(BoxHeight(*panel), panel->Margin() + 3 * panel->RowHeight());
    EXPECT_EQ(panel->WindowRect().Height(), windowHeight + 2 * panel->RowHeight());
    EXPECT_EQ(::WindowFromHandle(panel->GetDlgItem(IDOK))->WindowRect().top, okTop + 2 * panel->RowHeight());
    EXPECT_EQ(panel->GetDlgItemText(CGameValueDialog::kText), GameValueRichText(5));
    // The person's own choice in the list shrinks it again.
    values->Choose(0);
    EXPECT_EQ(BoxHeight(*panel), panel->Margin() + panel->RowHeight());
    // Closed through the menu: the place is kept, the flag and the check go.
    panel->MoveWindow({350, 220, 350 + panel->WindowRect().Width(), 220 + panel->WindowRect().Height()});
    Command(ID_LIST_GAME_VALUE);
    host_->PumpUntilIdle();
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_GAME_VALUE), nullptr);
    EXPECT_EQ(Frame().Panels().GameValuePanel, nullptr);
    EXPECT_EQ(g_Settings.View.ListGameValue, 0);
    EXPECT_FALSE(MenuChecked(ID_LIST_GAME_VALUE));
    EXPECT_EQ(GetProfileInt("RectGameValue", "Left", 0), 350);
    EXPECT_EQ(GetProfileInt("RectGameValue", "Top", 0), 220);
    Frame().FramePanels().UpdateGameValueBid();  // nothing open: nothing to follow
}

// Every panel opens wholly inside the work area at its own size: a stored place off it, partly
// below its edge, or a default below a small screen's edge is moved in; a place inside stays.
TEST_F(PanelsTest, EveryPanelOpensInsideTheWorkArea) {
    StartProgram();
    struct Case {
        const char* what;
        int toggle, close;
        const char* section;
        int left, top;  // stored
        platform::Rect workArea;
    };
    const platform::Rect wide{0, 0, 1920, 1040};
    const platform::Rect small{0, 24, 1024, 740};
    const Case cases[] = {
        {"value panel inside", ID_LIST_GAME_VALUE, CM_CLOSE_GAME_VALUE, "RectGameValue", 300, 200, wide},
        {"value panel off to the right", ID_LIST_GAME_VALUE, CM_CLOSE_GAME_VALUE, "RectGameValue", 5000, 200, wide},
        {"value panel above a small screen", ID_LIST_GAME_VALUE, CM_CLOSE_GAME_VALUE, "RectGameValue", 417, 0, small},
        {"data panel below the edge", ID_LIST_DATA, CM_CLOSE_DATA, "RectData", 10, 1000, wide},
        {"data panel at its default on a small screen", ID_LIST_DATA, CM_CLOSE_DATA, "RectData", 0, 614, small},
        {"status panel at its default on a small screen", ID_LIST_STATE, CM_CLOSE_STATE, "RectState", 0, 614, small},
        {"annotation far off", ID_ANNOTATION, CM_CLOSE_ANNOTATION, "RectAnnotation", 4000, 4000, wide},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Shell.WorkArea = c.workArea;
        WriteProfileInt(c.section, "Left", c.left);
        WriteProfileInt(c.section, "Top", c.top);
        Command(c.toggle);
        const HWND panel = Frame().FramePanels().PanelWindow(c.close);
        ASSERT_NE(panel, nullptr);
        const platform::Rect rect = ::WindowFromHandle(panel)->WindowRect();
        EXPECT_GE(rect.left, c.workArea.left);
        EXPECT_GE(rect.top, c.workArea.top);
        EXPECT_LE(rect.right, c.workArea.right);
        EXPECT_LE(rect.bottom, c.workArea.bottom);
        // Moved only as far as it must.
        const int left = std::clamp(c.left, c.workArea.left, c.workArea.right - rect.Width());
        const int top = std::clamp(c.top, c.workArea.top, c.workArea.bottom - rect.Height());
        EXPECT_EQ(rect.TopLeft(), (platform::Point{left, top}));
        Command(c.toggle);
        ASSERT_EQ(Frame().FramePanels().PanelWindow(c.close), nullptr);
        // The place it closed at is where it showed: the next opening starts from there.
        EXPECT_EQ(GetProfileInt(c.section, "Left", -1), left);
        EXPECT_EQ(GetProfileInt(c.section, "Top", -1), top);
    }
}

TEST_F(PanelsTest, ThePanelsOwnOkClosesItThroughTheFrame) {
    StartProgram();
    const struct {
        int toggle, close;
    } cases[] = {{ID_LIST_GAME_VALUE, CM_CLOSE_GAME_VALUE}, {ID_LIST_DATA, CM_CLOSE_DATA}, {ID_LIST_STATE, CM_CLOSE_STATE}};
    for (const auto& c : cases) {
        Command(c.toggle);
        const HWND panel = Frame().FramePanels().PanelWindow(c.close);
        ASSERT_NE(panel, nullptr) << c.toggle;
        ::PostMessage(panel, WM_COMMAND, IDOK, 0);
        host_->PumpUntilIdle();
        EXPECT_FALSE(::IsWindow(panel)) << c.toggle;
        EXPECT_EQ(Frame().FramePanels().PanelWindow(c.close), nullptr) << c.toggle;
        EXPECT_FALSE(MenuChecked(c.toggle)) << c.toggle;
    }
}

TEST_F(PanelsTest, TheDataPanelBetweenGamesShowsTheRuleTextOnlyAndInPlayTheGame) {
    StartProgram();
    g_Game.VariantMode = 0;
    g_Game.FlowState = STATE_IDLE;
    g_Game.PauseLevel = 0;
    Command(ID_LIST_DATA);
    EXPECT_EQ(g_Game.PauseLevel, 1);
    auto* panel = Open<CDataDialog>(CM_CLOSE_DATA);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(g_Settings.View.ListData, 1);
    Frame().FramePanels().ShowDataDialog(0, 1);
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kStatus), "Rules Skat");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kSoloist), "");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kGame), "");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kBid), "");
    // In play: the soloist, his game with what he announced, the bid.
    g_Game.FlowState = STATE_PLAY;
    g_Game.GameType = 0;
    g_Game.Soloist = 1;
    g_Game.HandAnnounced = 1;
    g_Game.BidIndex = 4;
    g_Game.PendingRaise = 0;
    Frame().FramePanels().ShowDataDialog(0, 1);
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kGame), "Clubs Hand");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kSoloist), Frame().GetPlayerName(1));
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kBid), "24");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kNames[2]), Frame().GetPlayerName(2) + ":");
}

TEST_F(PanelsTest, ACollectOnlyRefreshNeverOpensTheDataPanel) {
    StartProgram();
    Frame().FramePanels().ShowDataDialog(0, 1);
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_DATA), nullptr);
    Frame().FramePanels().ShowGameStatusDialog(0, 1);
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_STATE), nullptr);
    Frame().FramePanels().ShowDataDialog(1, 1);
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_DATA), nullptr);
}

class StatePanelTest : public PanelsTest {
protected:
    void SetUp() override {
        StartProgram();
        g_Settings.View.Player = 2;
        g_Game.FlowState = STATE_PLAY;
        g_Game.GameType = 6;
        g_Game.Soloist = 0;
        // Neither lock is held, cleared as the panels clear them.
        Frame().FramePanels().LockFlag(1, 2);
        Frame().FramePanels().LockFlag(2, 2);
    }
    CStateDialog* OpenState() {
        Command(ID_LIST_STATE);
        return Open<CStateDialog>(CM_CLOSE_STATE);
    }
    std::size_t Asked(std::size_t pushed) { return pushed - host_->Answers().PendingMessageBoxAnswers(); }
};

TEST_F(StatePanelTest, ThePersonIsNeverAskedAboutAnOpponentOnceAndNotAfterYes) {
    host_->Answers().PushMessageBoxAnswer(IDYES);
    CStateDialog* panel = OpenState();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Asked(1), 0u) << "showing the person asks nothing";
    EXPECT_EQ(panel->Title(), "Grand Game Status");
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kTitle), "right Opponent");
    host_->Answers().Clear();
    auto* players = panel->GetControlAs<platform::ComboBox>(CStateDialog::kPlayer);
    ASSERT_NE(players, nullptr);
    // No: the person again, nothing sent, no mark.
    host_->Answers().PushMessageBoxAnswer(IDNO);
    players->Choose(0);
    host_->PumpUntilIdle();
    EXPECT_EQ(Asked(1), 1u);
    EXPECT_EQ(players->GetCurSel(), 2);
    EXPECT_EQ(g_Settings.View.Player & 0x0F, 2);
    EXPECT_EQ(Frame().Panels().LockWord, 0);
    EXPECT_EQ(g_Game.CheatMask & 0x100, 0);
    // Yes: the opponent shows, the game is marked.
    host_->Answers().PushMessageBoxAnswer(IDYES);
    players->Choose(0);
    host_->PumpUntilIdle();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(g_Settings.View.Player & 0x0F, 0);
    EXPECT_NE(g_Game.CheatMask & 0x100, 0);
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kTitle), "Soloist");
    // The other opponent: no second question.
    host_->Answers().PushMessageBoxAnswer(IDNO);
    players->Choose(1);
    host_->PumpUntilIdle();
    EXPECT_EQ(Asked(1), 0u);
    EXPECT_EQ(g_Settings.View.Player & 0x0F, 1);
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kTitle), "left Opponent");
}

TEST_F(StatePanelTest, OpeningOnAStoredOpponentAsksUnlessAMarkIsSet) {
    g_Settings.View.Player = 0x31;  // the trick estimation's seat in the high bits stays
    host_->Answers().PushMessageBoxAnswer(IDNO);
    ASSERT_NE(OpenState(), nullptr);
    EXPECT_EQ(Asked(1), 1u);
    EXPECT_EQ(g_Settings.View.Player, 0x32);
    Command(ID_LIST_STATE);
    ASSERT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_STATE), nullptr);
    host_->Answers().Clear();
    g_Settings.View.Player = 0x31;
    Frame().FramePanels().LockFlag(1, 1);
    host_->Answers().PushMessageBoxAnswer(IDNO);
    ASSERT_NE(OpenState(), nullptr);
    EXPECT_EQ(Asked(1), 0u);
    EXPECT_EQ(g_Settings.View.Player & 0x0F, 1);
}

TEST_F(StatePanelTest, TheGridShowsCountsAndYesOrNoAndNothingForUnknown) {
    CStateDialog* panel = OpenState();
    ASSERT_NE(panel, nullptr);
    GameStatusSnapshot snapshot = EmptyGameStatusSnapshot();
    snapshot[0] = 3;    // trumps out
    snapshot[1] = 1;    // top trump
    snapshot[2] = 0;    // left opponent holds none
    snapshot[5] = 0;    // Clubs: none out
    snapshot[24] = 2;   // Diamonds: positive reads yes
    CStateDialog::StoreSnapshot(snapshot);
    panel->UpdateFields();
    const struct {
        std::size_t row, column;
        const char* text;
    } cases[] = {{0, 0, "3"}, {0, 1, "Yes"}, {0, 2, "No"}, {0, 3, ""}, {1, 0, "0"}, {1, 1, ""}, {4, 4, "Yes"}, {4, 0, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kGrid[c.row][c.column]), c.text) << c.row << "," << c.column;
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kHeads[4]), "Ten\nis\noutside");
    // The person defends: his partner and the soloist hold the cards outside.
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kHeads[2]), "Cards: Partner");
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kHeads[3]), "Cards: Soloist");
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kGame), "Grand");
    // Between games every head is a dot and the game is gone.
    g_Game.FlowState = STATE_IDLE;
    panel->UpdateFields();
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kHeads[0]), ".");
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kTitle), ".");
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kGame), "");
    // A reset empties the grid.
    Frame().FramePanels().ShowGameStatusDialog(1, 0);
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kGrid[0][0]), "");
}

// The snapshot is the program's, kept while the panel is closed; the tests' reset takes it back, so
// the next program starts with an empty grid.
TEST_F(StatePanelTest, TheProgramResetEmptiesTheStoredSnapshot) {
    GameStatusSnapshot snapshot = EmptyGameStatusSnapshot();
    snapshot[0] = 3;
    CStateDialog::StoreSnapshot(snapshot);
    app_.reset();
    ResetGlobals();
    SetUp();
    CStateDialog* panel = OpenState();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetDlgItemText(CStateDialog::kGrid[0][0]), "");
}

TEST_F(PanelsTest, TheNoteTypedInThePanelIsSavedWithTheGameAndReadBack) {
    StartProgram();
    DealADeck();
    Frame().FrameTexts().SetAnnotationText("alt");
    Command(ID_ANNOTATION);
    auto* panel = Open<CAnnotationDialog>(CM_CLOSE_ANNOTATION);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Title(), "Annotation: ");  // the program's own game file has no name
    panel->SetDlgItemText(CAnnotationDialog::kText, "Grand mit vieren {\"x\"} \\ ok");
    // Closing writes the note and saves it with the current game.
    Command(ID_ANNOTATION);
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION), nullptr);
    EXPECT_EQ(Frame().Texts().AnnotationText, "Grand mit vieren {\"x\"} \\ ok");
    Frame().FrameTexts().ClearAnnotationText();
    ASSERT_TRUE(Frame().MatchFiles().ReadCards(Frame().Files().TempGameFile, 3));
    EXPECT_EQ(Frame().Texts().AnnotationText, "Grand mit vieren {\"x\"} \\ ok");
}

TEST_F(PanelsTest, ALoadedGameShowsItsNoteInTheOpenPanel) {
    StartProgram();
    DealADeck();
    const std::string path = temp_.Folder() + "Abend.skt";
    Frame().FrameTexts().SetAnnotationText("Notiz zum Abend");
    Frame().MatchFiles().SaveFile(path, 2);
    Frame().FrameTexts().SetAnnotationText("anderes Spiel");
    g_Settings.Settings.Annotate = 0;
    Command(ID_ANNOTATION);
    ASSERT_NE(Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION), nullptr);
    // The loaded game is played again from its deal: the pumps stop once the load has run.
    host_->Answers().PushFileDialogAnswer(path);
    Frame().PostMessage(WM_COMMAND, ID_LOAD, 0);
    host_->PumpUntil([&] { return host_->Answers().PendingFileDialogAnswers() == 0 && g_Profile.SktName == "Abend.skt"; },
                     60 * 1000);
    auto* panel = Open<CAnnotationDialog>(CM_CLOSE_ANNOTATION);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetDlgItemText(CAnnotationDialog::kText), "Notiz zum Abend");
    EXPECT_EQ(panel->Title(), "Annotation: Abend.skt");
    ::SendMessage(panel->Handle(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    EXPECT_EQ(Frame().Texts().AnnotationText, "Notiz zum Abend");
}

TEST_F(PanelsTest, InAMatchEndedByTimeTheDataPanelShowsTheTimeLeft) {
    StartProgram();
    g_Game.MatchMode = 1;
    g_Settings.Game.MaxTime = 1800;
    Command(ID_LIST_DATA);
    auto* panel = Open<CDataDialog>(CM_CLOSE_DATA);
    ASSERT_NE(panel, nullptr);
    panel->SetDlgItemText(CDataDialog::kRound, "");
    // The clock's tick runs once a second: the field follows the time left.
    host_->PumpFor(3000);
    const std::string shown = panel->GetDlgItemText(CDataDialog::kRound);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown, RemainingTimeText(g_Settings.Game.CountDown));
    EXPECT_LT(g_Settings.Game.CountDown, 1800);
}

TEST_F(StatePanelTest, AComputersStatusMarksTheGameThePersonsOwnTakesTheMarkBackBetweenGames) {
    Frame().FramePanels().LockFlag(1, 0);  // revealed already: no question
    g_Settings.View.Player = 0;
    ASSERT_NE(OpenState(), nullptr);
    g_Game.CheatMask = 0;
    Frame().FramePanels().ShowGameStatusDialog(0, 1);
    EXPECT_NE(g_Game.CheatMask & 0x100, 0) << "in play";
    // Between games the person's own status takes the mark back, and closing takes it too.
    g_Game.FlowState = STATE_IDLE;
    g_Settings.View.Player = 2;
    Frame().FramePanels().ShowGameStatusDialog(0, 1);
    EXPECT_EQ(g_Game.CheatMask & 0x100, 0);
    g_Settings.View.Player = 1;
    Frame().FramePanels().ShowGameStatusDialog(0, 1);
    EXPECT_NE(g_Game.CheatMask & 0x100, 0) << "a computer's status between games";
    Command(ID_LIST_STATE);
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_STATE), nullptr);
    EXPECT_EQ(g_Game.CheatMask & 0x100, 0);
    EXPECT_EQ(Frame().Panels().StateWindowUsed, 0);
}

TEST_F(StatePanelTest, ClosingInPlayKeepsTheMark) {
    Frame().FramePanels().LockFlag(1, 0);
    g_Settings.View.Player = 0;
    ASSERT_NE(OpenState(), nullptr);
    EXPECT_EQ(Frame().Panels().StateWindowUsed, 1);
    EXPECT_NE(g_Game.CheatMask & 0x100, 0);
    Command(ID_LIST_STATE);
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_STATE), nullptr);
    EXPECT_NE(g_Game.CheatMask & 0x100, 0);
}

TEST_F(PanelsTest, TheDataPanelNamesTheRuleSetTheRoundAndARamschPassedOn) {
    StartProgram();
    Command(ID_LIST_DATA);
    auto* panel = Open<CDataDialog>(CM_CLOSE_DATA);
    ASSERT_NE(panel, nullptr);
    const struct {
        int variant, roundStatus, extra, bockRound, ramschRound, counter;
        const char* text;
    } cases[] = {
        {0, ROUND_BOCK, 3, 2, 0, 1, "Rules Skat"},
        {1, ROUND_NORMAL, 3, 0, 0, 0, "Variants Skat"},
        {1, ROUND_BOCK, 3, 2, 0, 1, "Bock Round (2): Game 2"},
        {1, ROUND_RAMSCH, 3, 0, 1, 2, "Ramsch Round (1): Game 3"},
        {1, ROUND_BOCK, 0, 2, 0, 1, "Variants Skat"},
        {2, ROUND_RAMSCH, 3, 0, 1, 2, "Schieberamsch"},
    };
    for (const auto& c : cases) {
        g_Game.VariantMode = c.variant;
        g_Game.RoundStatus = c.roundStatus;
        g_Settings.Variants.Extra = c.extra;
        g_Game.BockRound = c.bockRound;
        g_Game.RamschRound = c.ramschRound;
        g_Game.BockCounter = c.counter;
        Frame().FramePanels().ShowDataDialog(0, 1);
        EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kStatus), c.text) << c.variant << " " << c.roundStatus;
    }
    // A Ramsch whose skat was passed on twice: no soloist, no bid.
    g_Game.VariantMode = 2;
    g_Game.FlowState = STATE_PLAY;
    g_Game.GameType = 7;
    // The pushes as a game read from its file brings them.
    Frame().RamschRounds().RestoreResult(3, 3, 2);
    Frame().FramePanels().ShowDataDialog(0, 1);
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kGame), "Ramsch (2 times pass on)");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kSoloist), "");
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kBid), "");
}

}  // namespace
