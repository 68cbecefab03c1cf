// The trick estimation window and its panel: the view tables, the refresh entry, the close box,
// the registry's damaged values, the question before an opponent's evaluation is shown, Auto, the
// legend button and the best game the frame puts the window on.
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "windows/TrickEstimation.h"

#include "flow/EstimatedGame.h"
#include "flow/FramePanels.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameFixture.h"
#include "match/WindowSections.h"
#include "model/CardCodes.h"
#include "platform/core/Button.h"
#include "platform/core/Registry.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "resources/CommandIds.h"
#include "shell/ShellGlobals.h"
#include "resources/EstimationTemplates.h"
#include "windows/TrickEstimationDialog.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <cstring>

namespace {

using testsupport::FrameFixture;

TEST(TrickEstimationTables, GameTypeToView) {
    const struct {
        int type, view, expected;
    } cases[] = {
        {0, 5, 3}, {1, 5, 2}, {2, 5, 1}, {3, 5, 0}, {4, 0, 5}, {5, 0, 5}, {6, 0, 4}, {7, 0, 6}, {8, 0, 6},
        // No game, or a type negated by a hand-over: the view stays.
        {-1, 2, 2}, {-7, 4, 4}, {9, 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(GameTypeToView(c.type, c.view), c.expected) << "type " << c.type;
}

TEST(TrickEstimationTables, ViewToBlockAndPopupMode) {
    const struct {
        int view, block, mode;
    } cases[] = {
        {0, 3, kPopupModeSuit}, {1, 2, kPopupModeSuit}, {2, 1, kPopupModeSuit}, {3, 0, kPopupModeSuit},
        {4, SHEET_GRAND, kPopupModeGrand}, {5, SHEET_NULL, kPopupModeNull}, {6, SHEET_PLAY, kPopupModeRamsch},
        {7, -1, kPopupModeSuit}, {-1, -1, kPopupModeSuit},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ViewToBlock(c.view), c.block) << "view " << c.view;
        EXPECT_EQ(ViewToPopupMode(c.view), c.mode) << "view " << c.view;
    }
}

TEST(TrickEstimationTables, RightHandSpotsPerMode) {
    const struct {
        int mode, spot;
        bool right;
    } cases[] = {
        {kPopupModeSuit, 2, false}, {kPopupModeSuit, 3, true}, {kPopupModeSuit, 5, false}, {kPopupModeSuit, 6, true},
        {kPopupModeGrand, 1, false}, {kPopupModeGrand, 2, true}, {kPopupModeGrand, 4, false}, {kPopupModeGrand, 5, true},
        {kPopupModeNull, 2, false}, {kPopupModeNull, 3, true}, {kPopupModeRamsch, 6, false}, {kPopupModeRamsch, 7, true},
        {kPopupModeRamsch, 0, false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsRightHandSpot(c.mode, c.spot), c.right) << c.mode << "/" << c.spot;
}

// Options as (base, probability) for the nine game types.
struct Options {
    int rows[GAME_OPTION_COUNT][OPT_FIELD_COUNT] = {};
    Options(std::initializer_list<std::pair<int, int>> values) {
        int type = 0;
        for (const auto& [base, probability] : values) {
            rows[type][OPT_BASE] = base;
            rows[type][OPT_PROBABILITY] = probability;
            ++type;
        }
    }
};

TEST(TrickEstimationTables, BestEstimatedGameByProbability) {
    const struct {
        const char* name;
        Options options;
        int expected;
    } cases[] = {
        {"nothing playable shows Diamonds", {{0, 90}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 3},
        {"Clubs alone", {{9, 40}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 0},
        {"Clubs at 0 gives way to Diamonds", {{9, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 3},
        {"a suit must be strictly better", {{9, 50}, {11, 50}, {10, 50}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 0},
        {"Hearts more probable", {{9, 50}, {11, 40}, {10, 70}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 2},
        {"Grand wins a tie", {{9, 50}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {24, 50}, {0, 0}, {0, 0}}, 6},
        {"Null and Grand tie: the later", {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {23, 60}, {0, 0}, {24, 60}, {0, 0}, {0, 0}}, 6},
        {"an option off does not count", {{9, 50}, {0, 0}, {0, 0}, {0, 0}, {0, 99}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 0},
        {"Null at 0 beats nothing", {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {23, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, 4},
    };
    for (const auto& c : cases) EXPECT_EQ(BestEstimatedGame(c.options.rows), c.expected) << c.name;
}

class TrickEstimationTest : public FrameFixture {
protected:
    void SetUp() override { StartProgram(); }

    // Opens the window through the View menu's toggle; a question on the way gets `answer`.
    CTrickEstimation* Open(int answer = IDYES) {
        host_->Answers().PushMessageBoxAnswer(answer);
        Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
        host_->PumpUntilIdle();
        return Frame().FramePanels().TrickEstimationWindow();
    }
    platform::ComboBox* Combo(CTrickEstimation& window, int id) {
        return window.PanelDialog()->GetControlAs<platform::ComboBox>(id);
    }
    // The person picks a seat in the player combo.
    void ChooseSeat(CTrickEstimation& window, int seat) {
        Combo(window, IDC_ESTIMATION_PLAYER)->Choose(seat);
        host_->PumpUntilIdle();
    }
    int EstimationSeatBits() const { return (g_Settings.View.Player >> 4) & 15; }
};

TEST_F(TrickEstimationTest, TheFirstOpeningWithTheDefaultSeatAsksAndYesMarksTheGame) {
    ASSERT_EQ(EstimationSeatBits(), 0);  // the default shows seat 0
    CTrickEstimation* window = Open(IDYES);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);  // the question was asked
    EXPECT_NE(g_Game.CheatMask & 0x200, 0);
    EXPECT_EQ(window->Player, Frame().GameObject().Player(0));
    EXPECT_EQ(window->UpdateEstimation(2), 0);
    // A later opponent does not ask again.
    ChooseSeat(*window, 1);
    EXPECT_EQ(window->Player, Frame().GameObject().Player(1));
    EXPECT_EQ(EstimationSeatBits(), 1);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
}

// The window opens at least as wide as its sheet (with the vertical bar where the sheet is taller
// than the client), as far as the work area allows, and wholly inside the work area.
TEST_F(TrickEstimationTest, TheWindowOpensAsWideAsItsSheet) {
    struct Case {
        const char* what;
        platform::Rect workArea;
        bool stored;
        platform::Rect place;
        int clientWidth;  // the least width of the client beside a vertical bar; 0: the work area's width
    };
    const platform::Rect wide{0, 0, 1920, 1040};
    const Case cases[] = {
        {"the default on a wide screen", wide, false, {}, kEstimationSheetWidth},
        {"the default on a 768-pixel screen", {0, 52, 1024, 744}, false, {}, kEstimationSheetWidth},
        {"lower than the sheet: the vertical bar beside it", {0, 52, 1024, 660}, false, {}, kEstimationSheetWidth},
        {"a narrow stored place", wide, true, {900, 100, 1200, 900}, kEstimationSheetWidth},
        {"a narrow stored place at the right edge", wide, true, {1700, 100, 1900, 900}, kEstimationSheetWidth},
        {"a work area narrower than the sheet", {0, 0, 480, 1040}, false, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Shell.WorkArea = c.workArea;
        if (c.stored) {
            WriteProfileInt("RectTrickEstimation", "Left", c.place.left);
            WriteProfileInt("RectTrickEstimation", "Top", c.place.top);
            WriteProfileInt("RectTrickEstimation", "Right", c.place.right);
            WriteProfileInt("RectTrickEstimation", "Bottom", c.place.bottom);
        }
        g_Settings.View.Player = 0x22;
        host_->Answers().PushMessageBoxAnswer(IDYES);
        CTrickEstimation* window = Open(IDYES);
        ASSERT_NE(window, nullptr);
        while (host_->Answers().PendingMessageBoxAnswers() > 0) host_->Answers().TakeMessageBoxAnswer();
        platform::Rect client;
        GetClientRect(window->Handle(), &client);
        const platform::Rect rect = window->WindowRect();
        if (c.clientWidth > 0) EXPECT_GE(client.Width(), c.clientWidth);
        else EXPECT_EQ(rect.Width(), c.workArea.Width());
        EXPECT_GE(rect.left, c.workArea.left);
        EXPECT_GE(rect.top, c.workArea.top);
        EXPECT_LE(rect.right, c.workArea.right);
        EXPECT_LE(rect.bottom, c.workArea.bottom);
        Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
        host_->PumpUntilIdle();
        ASSERT_EQ(Frame().FramePanels().TrickEstimationWindow(), nullptr);
    }
}

// The question before an opponent's data shows heads with the window's own name and carries it as
// its title, in both editions, on choosing an opponent in the panel.
struct RevealCase {
    const char* name;
    const platform::ResourceSet* edition;
    const char* caption;
    const char* question;
};

// A failing case names itself, not its bytes.
void PrintTo(const RevealCase& c, std::ostream* out) { *out << c.name; }

class RevealQuestionTest : public FrameFixture, public ::testing::WithParamInterface<RevealCase> {
protected:
    void SetUp() override {
        UseEdition(*GetParam().edition);
        StartProgram();
    }
};

TEST_P(RevealQuestionTest, CarriesTheWindowsOwnName) {
    const RevealCase& c = GetParam();
    g_Settings.View.Player = 0x22;  // the person's own seat asks nothing on opening
    Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
    host_->PumpUntilIdle();
    CTrickEstimation* window = Frame().FramePanels().TrickEstimationWindow();
    ASSERT_NE(window, nullptr);
    // Choosing seat 1: the box opens for real and a timer looks at it before answering No.
    testsupport::ModalAnswerer answerer;
    answerer.answer = IDNO;
    std::vector<std::string> texts;
    answerer.probe = [&texts](HWND) {
        if (platform::MessageBoxDialog* box = platform::ActiveMessageBox()) texts.push_back(box->Text());
        return 0;
    };
    answerer.Start();
    window->PanelDialog()->GetControlAs<platform::ComboBox>(IDC_ESTIMATION_PLAYER)->Choose(1);
    host_->PumpUntilIdle();
    EXPECT_EQ(answerer.answered, std::vector<std::string>{c.caption});
    ASSERT_EQ(texts.size(), 1u);
    const std::string& text = texts[0];
    EXPECT_EQ(text.rfind(std::string(c.caption) + "\n\n", 0), 0u) << text;
    EXPECT_NE(text.find(std::string(c.question) + Frame().GetPlayerName(1) + "'"), std::string::npos) << text;
    EXPECT_EQ(text.find(platform::LoadString(IDS_GAME_STATUS)), std::string::npos) << text;
    EXPECT_EQ(window->Player, Frame().GameObject().Player(2)) << "No keeps the person's own data";
}

INSTANTIATE_TEST_SUITE_P(Editions, RevealQuestionTest,
                         ::testing::Values(RevealCase{"English", &EnglishResources(), "Trick Estimation", "Shall '"},
                                           RevealCase{"German", &GermanResources(), "Stichabschätzung", "Soll '"}),
                         [](const ::testing::TestParamInfo<RevealCase>& info) { return std::string(info.param.name); });

TEST_F(TrickEstimationTest, NoShowsThePersonReleasesTheLockAndWritesOnlyTheEstimationHalf) {
    g_Settings.View.Player = 0x01;  // the state panel's half shows seat 1, the estimation seat 0
    CTrickEstimation* window = Open(IDNO);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(g_Settings.View.Player, 0x21);
    EXPECT_EQ(Frame().Panels().LockWord & 2, 0);
    EXPECT_EQ(g_Game.CheatMask & 0x200, 0);
    EXPECT_EQ(window->Player, Frame().GameObject().Player(2));
    EXPECT_EQ(window->UpdateEstimation(2), 2);
    // Choosing an opponent asks; declining it again goes back to the person in the combo.
    host_->Answers().PushMessageBoxAnswer(IDNO);
    ChooseSeat(*window, 0);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(Combo(*window, IDC_ESTIMATION_PLAYER)->GetCurSel(), 2);
    EXPECT_EQ(window->Player, Frame().GameObject().Player(2));
    EXPECT_EQ(g_Game.CheatMask & 0x200, 0);
}

TEST_F(TrickEstimationTest, ThePersonsOwnSeatAsksNothing) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open(IDNO);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 1u);  // no question
    host_->Answers().TakeMessageBoxAnswer();
    EXPECT_EQ(window->Player, Frame().GameObject().Player(2));
}

TEST_F(TrickEstimationTest, RefreshWithAutoOffOnlyRedrawsAndWithAutoFollowsTheGameType) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open();
    ASSERT_NE(window, nullptr);
    window->View = VIEW_HEARTS;
    Combo(*window, IDC_ESTIMATION_GAME)->SetCurSel(VIEW_HEARTS);
    g_Game.GameType = 8;
    const int paints = window->PaintCount();
    EXPECT_EQ(window->UpdateEstimation(-1), 0);
    EXPECT_EQ(window->View, VIEW_HEARTS);
    EXPECT_GT(window->PaintCount(), paints);
    EXPECT_EQ(window->UpdateEstimation(1), 0);
    // Auto on.
    window->PanelDialog()->CheckDlgButton(IDC_ESTIMATION_AUTO, 1);
    window->Auto = 1;
    EXPECT_EQ(window->UpdateEstimation(1), 1);
    const struct {
        int type, view;
    } cases[] = {{8, VIEW_RAMSCH}, {5, VIEW_NULL}, {0, VIEW_CLUBS}, {3, VIEW_DIAMONDS}, {-1, VIEW_DIAMONDS}};
    for (const auto& c : cases) {
        g_Game.GameType = c.type;
        window->UpdateEstimation(-1);
        EXPECT_EQ(window->View, c.view) << "type " << c.type;
        EXPECT_EQ(Combo(*window, IDC_ESTIMATION_GAME)->GetCurSel(), c.view);
    }
}

TEST_F(TrickEstimationTest, TheCloseBoxSavesAutoAndTheViewOnceAndTheToggleDestroys) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open();
    ASSERT_NE(window, nullptr);
    window->Auto = 1;
    window->View = VIEW_NULL;
    const HWND handle = window->Handle();
    ::SendMessage(handle, WM_CLOSE);
    host_->PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(Frame().FramePanels().TrickEstimationWindow(), nullptr);
    EXPECT_EQ(g_Settings.View.ListTrickEstimation, 0);
    EXPECT_EQ(ReadWindowFlag("RectTrickEstimation", "Auto"), 1);
    EXPECT_EQ(ReadWindowFlag("RectTrickEstimation", "Game"), VIEW_NULL);
}

TEST_F(TrickEstimationTest, DamagedRegistryValuesReadAsTheirNearestMeaning) {
    const struct {
        int autoValue, game, expectedAuto, expectedView;
    } cases[] = {{0, 6, 0, 6}, {1, 0, 1, 0}, {5, 7, 1, 0}, {-3, -1, 1, 0}, {0, 99, 0, 0}};
    g_Settings.View.Player = 0x22;
    for (const auto& c : cases) {
        WriteWindowFlag("RectTrickEstimation", "Auto", c.autoValue);
        WriteWindowFlag("RectTrickEstimation", "Game", c.game);
        CTrickEstimation* window = Open();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->Auto, c.expectedAuto) << c.autoValue;
        EXPECT_EQ(window->View, c.expectedView) << c.game;
        Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);  // the toggle closes it
        host_->PumpUntilIdle();
        ASSERT_EQ(Frame().FramePanels().TrickEstimationWindow(), nullptr);
    }
}

TEST_F(TrickEstimationTest, TheLegendButtonAndEscapeToggleTheLegend) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Frame().FramePanels().SideWindow(ID_LIST_LEGEND), nullptr);
    window->PanelDialog()->PostMessage(WM_COMMAND, IDCANCEL, 0);
    host_->PumpUntilIdle();
    EXPECT_NE(Frame().FramePanels().SideWindow(ID_LIST_LEGEND), nullptr);
    EXPECT_TRUE(window->PanelDialog()->IsAlive());  // the panel never ends
}

TEST_F(TrickEstimationTest, AutoOutsideThePlaySelectsTheBestGameAndDuringThePlayOnlyRefreshes) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open();
    ASSERT_NE(window, nullptr);
    // The person's hand: every Jack and the long Clubs, so Grand or Clubs is best; either way
    // not the view chosen before.
    CPlayer& person = SkatTestAccess::Player(FrameGameAccess::Game(Frame()), 2);  // the hand is set card by card
    const int hand[10] = {11, 50, 37, 24, 1, 10, 13, 12, 9, 8};
    for (int slot = 0; slot < 10; ++slot) {
        person.cards[static_cast<std::size_t>(slot)] = hand[slot];
        person.present[static_cast<std::size_t>(slot)] = 1;
    }
    person.count = 10;
    window->View = VIEW_NULL;
    Combo(*window, IDC_ESTIMATION_GAME)->SetCurSel(VIEW_NULL);
    g_Game.FlowState = STATE_PLAY;
    g_Game.GameType = GAME_HEARTS;
    window->PanelDialog()->GetControlAs<platform::Button>(IDC_ESTIMATION_AUTO)->Click();
    host_->PumpUntilIdle();
    EXPECT_EQ(window->Auto, 1);
    EXPECT_EQ(g_Game.GameType, GAME_HEARTS);  // the play is not touched
    EXPECT_EQ(window->View, VIEW_HEARTS);
    // Off and on again outside the play: the best game of the person's options.
    window->PanelDialog()->GetControlAs<platform::Button>(IDC_ESTIMATION_AUTO)->Click();
    EXPECT_EQ(window->Auto, 0);
    g_Game.FlowState = STATE_START;
    window->PanelDialog()->GetControlAs<platform::Button>(IDC_ESTIMATION_AUTO)->Click();
    host_->PumpUntilIdle();
    const int expected = BestEstimatedGame(person.gameOptions);
    EXPECT_TRUE(expected == GAME_GRAND || expected == GAME_CLUBS) << expected;
    EXPECT_EQ(g_Game.GameType, expected);
    EXPECT_EQ(window->View, GameTypeToView(expected, -1));
}

TEST_F(TrickEstimationTest, RamschOnlyShowsRamschAndPutsTheGameTypeBack) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open();
    ASSERT_NE(window, nullptr);
    window->PanelDialog()->CheckDlgButton(IDC_ESTIMATION_AUTO, 1);
    window->Auto = 1;
    g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
    g_Settings.Variants.GrandHand = 0;  // no Grand Hand: always the Ramsch view
    g_Game.GameType = GAME_SPADES;
    g_Game.TrumpCount = 7;
    Frame().FramePanels().SelectEstimatedGame();
    EXPECT_EQ(window->View, VIEW_RAMSCH);
    EXPECT_EQ(g_Game.GameType, GAME_SPADES);
    EXPECT_EQ(g_Game.TrumpCount, 11);  // the saved type's count
}

}  // namespace

namespace {

// The panel stays at the top of the client wherever the window goes.
TEST_F(TrickEstimationTest, ThePanelFollowsTheWindow) {
    g_Settings.View.Player = 0x22;
    CTrickEstimation* window = Open();
    ASSERT_NE(window, nullptr);
    platform::Rect rect = window->WindowRect();
    const int paints = window->PaintCount();
    window->MoveWindow({rect.left + 40, rect.top + 25, rect.right + 40, rect.bottom + 25}, false);
    ASSERT_EQ(window->PaintCount(), paints);  // before any paint
    // A child of the window: it moves with it and stays at the top left of its client.
    EXPECT_EQ(::GetParent(window->PanelDialog()->Handle()), window->Handle());
    EXPECT_EQ(window->PanelDialog()->WindowRect().left, 0);
    EXPECT_EQ(window->PanelDialog()->WindowRect().top, 0);
}

}  // namespace
