// The table's painting and texts, the card designs, the frame's placing on the desktop, the timers
// that press for the person, and files handed over.
#include "flow/FrameAuction.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTable.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"
#include "flow/FrameGlobals.h"
#include "flow/FrameTestSupport.h"

#include "match/Profile.h"
#include "model/Skat.h"
#include "platform/core/Accelerators.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/DragDrop.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/TableTexts.h"
#include "support/SkatTestAccess.h"
#include "support/TrickPlayTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FrameFixture;

class TableTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        TraceOn();
        StartProgram();
    }
};

TEST_F(TableTest, PassAt18LeavesNoBidAndIsShownAs18Again) {
    g_Settings.Settings.Balloon = 0;  // the text only; the wait still runs until the tick lowers the pause
    g_Game.FlowState = STATE_AUCTION;
    Frame().FrameTable().MoveBalloonText(0, IDS_BALLOON_PASS, 18, nullptr, nullptr);
    EXPECT_EQ(g_Game.HasBid[0], 0);
    EXPECT_EQ(Frame().Texts().BalloonValue[0], 1);
    EXPECT_EQ(g_Game.PauseLevel, 2);  // the tick ended the wait
    Frame().FrameTable().MoveBalloonText(1, IDS_BALLOON_BID, 20, nullptr, nullptr);
    EXPECT_EQ(g_Game.HasBid[1], 1);
    const std::vector<std::string> texts = testsupport::DrawnTexts(*host_, g_Frame.hTableWnd);
    EXPECT_TRUE(testsupport::WasDrawn(texts, "pass 18"));
    EXPECT_TRUE(testsupport::WasDrawn(texts, "bid 20"));
    // Redrawn from the stored value 1, the pass still reads 18.
    host_->Surface(g_Frame.hTableWnd)->ClearRecords();
    Frame().FrameTable().RefreshTexts();
    EXPECT_TRUE(testsupport::WasDrawn(testsupport::DrawnTexts(*host_, g_Frame.hTableWnd), "pass 18"));
}

TEST_F(TableTest, NamesAreCutToTenCharacters) {
    EXPECT_EQ(FirstCharacters("Großmutter Anneliese", 10), "Großmutter");
    EXPECT_EQ(FirstCharacters("Comp1", 10), "Comp1");
}

TEST_F(TableTest, KontraMarksStandWithoutTheNameTenPixelsLower) {
    host_->Surface(g_Frame.hTableWnd)->ClearRecords();
    Frame().FrameTable().MovePosText(0, IDS_LABEL_FOREHAND, nullptr, nullptr);
    Frame().FrameTable().MovePosText(0, IDS_MARK_KONTRA, nullptr, nullptr);
    std::vector<platform::DrawRecord> texts =
        host_->Surface(g_Frame.hTableWnd)->RecordsOfKind(platform::DrawKind::Text);
    ASSERT_EQ(texts.size(), 6u);  // name twice and label twice, then the mark twice
    EXPECT_EQ(texts[0].text, "Computer1");
    EXPECT_EQ(texts[2].text, "Fh");
    EXPECT_EQ(texts[4].text, "Ko");
    EXPECT_EQ(texts[4].bounds.top - texts[2].bounds.top, 10);
}

// The person's label may lie over the person's card in the trick: that card is drawn again after the
// label, on screen and outside a full repaint only.
TEST_F(TableTest, ThePersonsLabelDrawsThePersonsTrickCardAgain) {
    CTrick& trick = SkatTestAccess::Trick(FrameGameAccess::Game(Frame()));
    trick.Reset();
    trick.SetCard(2, 30);
    trick.PaintCards(0, true);
    const platform::Point place = trick.GetSlotPosition(2);
    struct Case {
        int seat, fullRepaint;
        bool drawn;
    };
    for (const Case c : {Case{2, 0, true}, Case{2, 1, false}, Case{0, 0, false}}) {
        host_->Surface(g_Frame.hTableWnd)->ClearRecords();
        c.fullRepaint ? Frame().FrameTimers().AskFullRepaint() : Frame().FrameTimers().FullRepaintDone();
        Frame().FrameTable().MovePosText(c.seat, IDS_LABEL_REARHAND, nullptr, nullptr);
        bool drawn = false;
        for (const platform::DrawRecord& text :
             host_->Surface(g_Frame.hTableWnd)->RecordsOfKind(platform::DrawKind::Text))
            if (text.text == "30") {
                drawn = true;
                EXPECT_EQ(text.bounds.left, place.x + 4);
                EXPECT_EQ(text.bounds.top, place.y + 4);
            }
        EXPECT_EQ(drawn, c.drawn) << "seat " << c.seat << " full " << c.fullRepaint;
    }
    Frame().FrameTimers().FullRepaintDone();
}

// A full repaint lays every card out anew; a paint after an expose only draws the cards again where
// they lie.
TEST_F(TableTest, OnlyAFullRepaintLaysTheCardsOutAnew) {
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    // The auction waits for the person.
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameAuction().IsAuctionBarOpen(); }, 60000));
    const HWND table = g_Frame.hTableWnd;
    const int card = Frame().GameObject().PersonsHand().cards[4];
    const platform::Point place = FrameGameAccess::Game(Frame()).SlotPosition(TableRow::Person, 4);
    WC_DealCard(table, card, 5, 5);
    const platform::Rect all{0, 0, 2000, 2000};
    Frame().FrameTimers().FullRepaintDone();
    Frame().FrameTable().Paint(all);
    EXPECT_EQ(WC_GetCardX(table, card), 5);
    Frame().FrameTimers().AskFullRepaint();
    Frame().FrameTable().Paint(all);
    EXPECT_EQ(WC_GetCardX(table, card), place.x);
    EXPECT_EQ(WC_GetCardY(table, card), place.y);
    EXPECT_EQ(Frame().Timers().FullRepaint, 0);
}

// Card designs wrap around: 32 backs, 10 faces; the library counts from 1.
struct DesignCase {
    int back, backStep, backAfter;
    int face, faceStep, faceAfter;
};

// A failing case names itself, not its bytes.
void PrintTo(const DesignCase& c, std::ostream* out) {
    *out << "back " << c.back << " step " << c.backStep << ", face " << c.face << " step " << c.faceStep;
}

class CardDesignTest : public TableTest, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(CardDesignTest, StepsWrap) {
    const DesignCase& c = GetParam();
    g_Game.FlowState = STATE_AUCTION;
    g_Settings.View.CardBack = c.back;
    g_Settings.View.CardFace = c.face;
    Frame().FrameTable().SetCardBack(c.backStep);
    Frame().FrameTable().SetCardFace(c.faceStep);
    EXPECT_EQ(g_Settings.View.CardBack, c.backAfter);
    EXPECT_EQ(g_Settings.View.CardFace, c.faceAfter);
}

INSTANTIATE_TEST_SUITE_P(Designs, CardDesignTest,
                         ::testing::Values(DesignCase{31, 1, 0, 0, -1, 9}, DesignCase{0, -1, 31, 9, 1, 0},
                                           DesignCase{5, 0, 5, 5, 0, 5}, DesignCase{5, 1, 6, 5, -1, 4}));

TEST_F(TableTest, DesignKeysAreIgnoredInIdle) {
    g_Settings.View.CardBack = 3;
    Frame().FrameTable().SetCardBack(1);
    EXPECT_EQ(g_Settings.View.CardBack, 3);
}

// The frame keeps no copies of its settings: the designs, the help page and the portraits it uses
// are the profile's, read at start and stored again when the frame closes.
class FrameSettingsTest : public FrameFixture {};

TEST_F(FrameSettingsTest, TheFrameUsesAndStoresTheProfilesSettings) {
    WriteProfileInt("Delay", "Switch", 0);
    WriteProfileInt("View", "CardBack", 7);
    WriteProfileInt("View", "CardFace", 4);
    WriteProfileInt("Help", "Topic", 3);
    WriteProfileInt("Image", "ShowComputer2", 0);
    WriteProfileString("Paths", "Work", temp_.Folder() + "work");
    std::vector<std::string> portraitsAsked;
    g_Shell.PortraitLoader = [&portraitsAsked](const std::string& path) {
        portraitsAsked.push_back(path);
        return platform::Bitmap();
    };
    StartProgram();
    // The folders come through the profile's one reader: a folder always ends with '/'.
    EXPECT_EQ(g_Profile.Work, temp_.Folder() + "work/");
    EXPECT_EQ(g_Profile.ImagesFolder, temp_.Folder() + "work/Images/");

    g_Game.FlowState = STATE_AUCTION;
    Frame().FrameTable().SetCardBack(1);
    Frame().FrameTable().SetCardFace(-1);
    EXPECT_EQ(g_Settings.View.CardBack, 8);
    EXPECT_EQ(g_Settings.View.CardFace, 3);

    // The table asks for the shown portraits' files, in the images folder of the work folder.
    portraitsAsked.clear();
    platform::Rect all = g_Shell.pView->ClientRect();
    Frame().FrameTable().ShowImages(all, nullptr);
    EXPECT_EQ(portraitsAsked, (std::vector<std::string>{g_Profile.ImagesFolder + "Corvin.bmp",
                                                        g_Profile.ImagesFolder + "Tobb.bmp"}));

    g_Game.FlowState = STATE_IDLE;
    platform::DesktopRecorder desktop;
    ASSERT_TRUE(platform::ShowHelpTopic(Frame().Handle(), temp_.Folder() + "help::/Lexikon/Glossar.htm"));
    Frame().SendMessage(WM_CLOSE);
    ASSERT_FALSE(Frame().IsAlive());
    EXPECT_EQ(GetProfileInt("View", "CardBack", -1), 8);
    EXPECT_EQ(GetProfileInt("View", "CardFace", -1), 3);
    EXPECT_EQ(GetProfileInt("Help", "Topic", -1), 3);  // the page open at the exit is kept
}

TEST_F(TableTest, TooSmallAWindowIsEnlargedToTheMinimalSize) {
    Frame().MoveWindow({0, 0, 500, 400}, true);
    EXPECT_EQ(Frame().WindowRect().Width(),
              Frame().Table().Layout.MinWindowWidth < 500 ? 500 : Frame().Table().Layout.MinWindowWidth);
    EXPECT_EQ(Frame().WindowRect().Height(), Frame().Table().Layout.MinWindowHeight);
    EXPECT_EQ(g_Frame.ZoomPercent, 100);
}

TEST_F(TableTest, IdealSizeKeepsTheTablesProportionsWithinTheWorkArea) {
    const double table = static_cast<double>(Frame().Table().Layout.TableWidth) / Frame().Table().Layout.TableHeight;
    const double ideal = static_cast<double>(Frame().Table().Layout.IdealWidth) / Frame().Table().Layout.IdealHeight;
    EXPECT_NEAR(ideal, table, 0.01);
    EXPECT_LE(Frame().Table().Layout.IdealWidth, g_Shell.WorkArea.right);
    EXPECT_LE(Frame().Table().Layout.IdealHeight, g_Shell.WorkArea.bottom);
    // A wide work area is filled in height, a tall one in width.
    EXPECT_EQ(Frame().Table().Layout.IdealHeight, g_Shell.WorkArea.bottom);
}

// The window-size commands keep the frame wholly inside the work area: moved in from wherever it
// stands, and shrunk to the work area where the size asked for is larger.
TEST_F(TableTest, WindowPositionKeepsTheWindowInsideTheWorkArea) {
    struct Case {
        const char* what;
        platform::Rect workArea;
        platform::Rect before;
        platform::Size size;
        platform::Rect after;
    };
    // Sizes above the minimal window, which the size handler would enlarge.
    const platform::Rect wide{0, 0, 1920, 1040};
    const Case cases[] = {
        {"left of it", wide, {-50, 10, 850, 710}, {900, 700}, {0, 10, 900, 710}},
        {"below and right of it", wide, {1500, 900, 2400, 1600}, {900, 700}, {1020, 340, 1920, 1040}},
        {"taller than it", wide, {100, 100, 1000, 800}, {1492, 1041}, {100, 0, 1592, 1040}},
        {"wider and taller than it", {0, 0, 1280, 1000}, {100, 100, 1000, 800}, {1492, 1201}, {0, 0, 1280, 1000}},
        {"a work area below a top panel", {0, 28, 1600, 1200}, {20, 0, 920, 700}, {900, 1172}, {20, 28, 920, 1200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Shell.WorkArea = c.workArea;
        Frame().MoveWindow(c.before, true);
        Frame().FrameTimers().DropRedraw();
        Frame().FrameTable().WindowPosition(c.size);
        EXPECT_EQ(Frame().WindowRect(), c.after);
        EXPECT_EQ(Frame().Timers().RedrawPending, 1);
    }
}

// View > Ideal Window on the player's road: the size command keeps the frame inside the work area,
// on a screen of any shape, pressed once or twice.
TEST_F(TableTest, TheIdealWindowStaysInsideTheWorkArea) {
    const platform::Rect areas[] = {{0, 0, 1920, 1200}, {0, 32, 1600, 1200}, {0, 0, 1024, 768}, {0, 0, 1280, 1024}};
    for (const platform::Rect& area : areas) {
        SCOPED_TRACE(area.Height());
        g_Shell.WorkArea = area;
        Frame().FrameTable().LayoutFrame();
        for (int press = 0; press < 2; ++press) {
            Frame().SendMessage(WM_COMMAND, ID_IDEAL_WINDOW);
            host_->PumpUntilIdle();
            const platform::Rect rect = Frame().WindowRect();
            EXPECT_GE(rect.left, area.left);
            EXPECT_GE(rect.top, area.top);
            EXPECT_LE(rect.right, area.right);
            EXPECT_LE(rect.bottom, area.bottom);
        }
    }
}

// View > Minimal, Optimal and Ideal Window: the frame takes the stored size, whose height changes
// by one at every press of the command, so that pressing it again is a new size.
TEST_F(TableTest, AWindowSizeCommandTakesItsSizeWithAHeightThatFlipsByOne) {
    struct Case {
        const char* what;
        int command;
        int TableLayout::*width;
        int TableLayout::*height;
    };
    const Case cases[] = {
        {"minimal", ID_MINIMAL_WINDOW, &TableLayout::MinWindowWidth, &TableLayout::MinWindowHeight},
        {"optimal", ID_OPTIMAL_WINDOW, &TableLayout::TableWidth, &TableLayout::TableHeight},
        {"ideal", ID_IDEAL_WINDOW, &TableLayout::IdealWidth, &TableLayout::IdealHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Narrower than tall: the ideal size is held by the width and fits the area in both sizes.
        g_Shell.WorkArea = {0, 0, 1200, 1600};
        Frame().FrameTable().LayoutFrame();
        const TableLayout& layout = Frame().Table().Layout;
        const int stored = layout.*c.height;
        int heights[2] = {0, 0};
        for (int press = 0; press < 2; ++press) {
            Frame().SendMessage(WM_COMMAND, c.command);
            host_->PumpUntilIdle();
            heights[press] = layout.*c.height;
            EXPECT_EQ(Frame().WindowRect().Width(), layout.*c.width);
            // The size handler grows a frame below the least height back to it.
            EXPECT_EQ(Frame().WindowRect().Height(), std::max(heights[press], layout.MinWindowHeight));
        }
        EXPECT_EQ(heights[0], stored % 2 == 0 ? stored + 1 : stored - 1);
        EXPECT_EQ(heights[1], stored);
    }
}

TEST_F(TableTest, IdleTableShowsLabelsAndNoNotice) {
    const std::vector<std::string> texts = testsupport::DrawnTexts(*host_, g_Frame.hTableWnd);
    EXPECT_TRUE(testsupport::WasDrawn(texts, "Computer1"));
    EXPECT_TRUE(testsupport::WasDrawn(texts, "Computer2"));
    EXPECT_FALSE(testsupport::WasDrawn(texts, "Your Turn"));
}

TEST_F(TableTest, BockNoticeCarriesTheRoundNumbers) {
    g_Game.RoundStatus = ROUND_BOCK;
    g_Game.BockRound = 2;
    g_Game.BockRounds = 3;
    g_Game.BockCounter = 1;
    EXPECT_EQ(FormatNotice(IDS_NOTICE_BOCK), " Bock 2-3: Game 2 ");
    EXPECT_EQ(FormatNotice(IDS_YOUR_TURN), "Your Turn");
}

TEST_F(TableTest, YourTurnAlternatesItsColour) {
    Frame().OnYourTurn();
    EXPECT_EQ(g_Shell.BlinkPhase, 1);
    Frame().OnYourTurn();
    EXPECT_EQ(g_Shell.BlinkPhase, 0);
}

// Timer 71 with no message dialog recorded ends a modal dialog of the frame whose loop runs, with
// result 0; a side window the frame owns stays.
TEST_F(TableTest, DemoOkEndsOnlyARunningModalDialogOfTheFrame) {
    platform::Window side;
    platform::CreateParams params;
    params.owner = Frame().Handle();
    params.visible = true;
    ASSERT_TRUE(side.Create(params));
    Frame().SendMessage(WM_TIMER, TM_DEMO_OK);
    EXPECT_TRUE(side.IsAlive());
    EXPECT_TRUE(Frame().IsAlive());

    Frame().SetTimer(TM_DEMO_OK, 1000);
    const int answer = MessageBox(Frame().Handle(), "question", "Kartovan+", platform::MB_YESNO);
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(Frame().IsAlive());
    EXPECT_TRUE(side.IsAlive());
}

TEST_F(TableTest, AcceleratorRunsNewOnlyWhileNoGameRuns) {
    const platform::AcceleratorTable* table = platform::FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(platform::TranslateAccelerator(*table, 'N', platform::ACCEL_CTRL, Frame().Updater()).command, ID_NEW);
    Frame().MatchSeries().BeginGame();
    EXPECT_EQ(platform::TranslateAccelerator(*table, 'N', platform::ACCEL_CTRL, Frame().Updater()).result,
              platform::AcceleratorTranslation::Result::Disabled);
}

TEST_F(TableTest, GameMenuEnablingFollowsTheGame) {
    ASSERT_NE(Frame().Table().MainMenu, nullptr);
    platform::MenuItem* game = nullptr;
    for (const platform::MenuItem& item : Frame().Table().MainMenu->Items())
        if (item.IsPopup() && item.popup->FindCommand(ID_NEW)) game = const_cast<platform::MenuItem*>(&item);
    ASSERT_NE(game, nullptr);
    Frame().OnInitMenuPopup(*game->popup, 1);
    EXPECT_TRUE(game->popup->FindCommand(ID_NEW)->IsEnabled());
    EXPECT_FALSE(game->popup->FindCommand(ID_BREAK)->IsEnabled());
    EXPECT_FALSE(game->popup->FindCommand(ID_UNDO)->IsEnabled());
    EXPECT_EQ(g_Game.PauseLevel, 0);  // a menu in IDLE stops nothing

    Frame().MatchSeries().BeginGame();
    // Two tricks recorded, without playing them.
    TrickPlayTestAccess::Record(Frame().FrameTrickPlay()).HistoryPosition = 2;
    g_Game.FlowState = STATE_PLAY;
    Frame().OnInitMenuPopup(*game->popup, 1);
    EXPECT_FALSE(game->popup->FindCommand(ID_NEW)->IsEnabled());
    EXPECT_TRUE(game->popup->FindCommand(ID_BREAK)->IsEnabled());
    EXPECT_TRUE(game->popup->FindCommand(ID_UNDO)->IsEnabled());
    EXPECT_EQ(g_Game.PauseLevel, 1);  // the reminders stop while the menu is open
    g_Game.DemoMode = 1;
    Frame().OnInitMenuPopup(*game->popup, 1);
    EXPECT_FALSE(game->popup->FindCommand(ID_UNDO)->IsEnabled());
}

// A host's menu bar keeps its own menu model and tells the frame when a pop-up opens: the frame
// pauses, sets the game menu's texts and shows the check marks it keeps in its own menu.
TEST_F(TableTest, InitMenuPopupWorksOnTheHostsOwnMenu) {
    platform::Menu hostMenu(*platform::FindMenu(IDR_MAINFRAME));
    platform::Menu& game = *hostMenu.Items()[1].popup;
    platform::Menu& variations = *hostMenu.Items()[3].popup;
    g_Game.FlowState = STATE_PLAY;
    Frame().MatchSeries().BeginGame();
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&game), MAKELPARAM(1, 0));
    EXPECT_FALSE(game.FindCommand(ID_NEW)->IsEnabled());
    EXPECT_EQ(game.FindCommand(ID_FACE_UP)->text, platform::LoadString(IDS_MENU_OPEN_PLAY));
    EXPECT_EQ(g_Game.PauseLevel, 1);

    Frame().MatchSeries().GameEnded();
    g_Game.FlowState = STATE_IDLE;
    Frame().OnSkatVariant();
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&variations), MAKELPARAM(3, 0));
    EXPECT_TRUE(variations.FindCommand(ID_SKAT_VARIANT)->IsChecked());
    EXPECT_FALSE(variations.FindCommand(ID_SKAT_RULE)->IsChecked());
    // Index 1 of a nested pop-up is not the game menu: only the update function speaks there.
    const std::string faceUpText = game.FindCommand(ID_FACE_UP)->text;
    g_Game.AllCardsOpen = 1;
    Frame().SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(&game), MAKELPARAM(1, 1));
    EXPECT_EQ(game.FindCommand(ID_FACE_UP)->text, faceUpText);
    EXPECT_TRUE(game.FindCommand(ID_NEW)->IsEnabled());
}

// Files handed over by another instance: bounded by the block, unquoted only when both quotes are
// there; an unknown ending does nothing.
struct CopyDataCase {
    const char* name;
    std::string block;
    std::string traced;
};

// A failing case names itself, not its bytes.
void PrintTo(const CopyDataCase& c, std::ostream* out) { *out << c.name; }

class CopyDataTest : public TableTest, public ::testing::WithParamInterface<CopyDataCase> {};

TEST_P(CopyDataTest, TakesTheNameSafely) {
    const CopyDataCase& c = GetParam();
    // A game file that is not there is named to the person.
    host_->Answers().PushMessageBoxAnswer(IDOK);
    COPYDATASTRUCT data;
    data.cbData = static_cast<std::uint32_t>(c.block.size());
    data.lpData = c.block.data();
    EXPECT_EQ(Frame().SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)), 1);
    EXPECT_GE(FindLine("CMainFrame::OnCopyData(" + c.traced + ")"), 0) << LogText();
}

INSTANTIATE_TEST_SUITE_P(
    Names, CopyDataTest,
    ::testing::Values(CopyDataCase{"Quoted", "\"/g/a.skt\"", "/g/a.skt"},
                      CopyDataCase{"Unquoted", "/g/a.skt", "/g/a.skt"},
                      CopyDataCase{"OneQuote", "\"/g/a.skt", "\"/g/a.skt"},
                      CopyDataCase{"NoTerminator", std::string("/g/abc", 6), "/g/abc"},
                      CopyDataCase{"EndsAtNul", std::string("/g/a\0junk", 9), "/g/a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableTest, UnknownFileEndingDoesNothing) {
    Frame().Start("/g/notes.txt");
    EXPECT_EQ(FindLine("CMainFrame::Start(/g/notes.txt)"), -1);
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
}

TEST_F(TableTest, DropWithoutAGameFileShowsTheError) {
    host_->Answers().PushMessageBoxAnswer(IDOK);
    ASSERT_TRUE((platform::DeliverDroppedFiles(g_Shell.pView->Handle(), {"/g/notes.txt"}, {10, 10})));
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(FindLine("CMainFrame::Start(/g/notes.txt)"), -1);
}

TEST_F(TableTest, DropOpensGameFilesWhateverTheirCase) {
    // The game file is not there, and the match's folder cannot take its list and stored deals:
    // each is named once.
    for (int message = 0; message < 3; ++message) host_->Answers().PushMessageBoxAnswer(IDOK);
    ASSERT_TRUE((platform::DeliverDroppedFiles(g_Shell.pView->Handle(), {"/g/GAME.SKT", "/g/match.SKM"}, {10, 10})));
    EXPECT_GE(FindLine("CMainFrame::Start(/g/GAME.SKT)"), 0) << LogText();
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
}

TEST_F(TableTest, DropOfTheViewsOwnDragIsIgnored) {
    g_Shell.pView->FileDragFlag = 1;
    ASSERT_TRUE((platform::DeliverDroppedFiles(g_Shell.pView->Handle(), {"/g/GAME.SKT"}, {10, 10})));
    EXPECT_EQ(FindLine("CMainFrame::Start(/g/GAME.SKT)"), -1);
    EXPECT_EQ(g_Shell.pView->FileDragFlag, 0);
}

}  // namespace
