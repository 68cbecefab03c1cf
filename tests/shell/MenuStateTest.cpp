// The menus follow the game: the swap commands, the close-help item and the course's print items
// are enabled by the frame's one update function (so an accelerator obeys the same rule), and the
// items that say what choosing them does get their texts wherever they stand.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"
#include "flow/TableState.h"

#include <algorithm>

#include "model/FlowGlobals.h"
#include "match/Profile.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Accelerators.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/Menu.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FrameFixture;

class MenuStateTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        WriteProfileInt("View", "LogList", 0);
        StartProgram();
    }
    bool Enabled(int id) { return platform::QueryCommandState(Frame().Updater(), id).Enabled(); }
};

TEST_F(MenuStateTest, SwapSkatCardsByStateAndRamschCase) {
    struct Case {
        const char* what;
        int flow;
        int gameType;
        int variantMode;
        int passOn;
        bool enabled;
    };
    const Case cases[] = {
        {"idle: always", STATE_IDLE, GAME_GRAND, VARIANT_OFFICIAL, 0, true},
        {"play: always", STATE_PLAY, GAME_GRAND, VARIANT_OFFICIAL, 0, true},
        {"auction of a suit game", STATE_AUCTION, 0, VARIANT_OFFICIAL, 1, true},
        {"start of a suit game: not yet", STATE_START, 0, VARIANT_OFFICIAL, 1, false},
        {"Ramsch game: at the start", STATE_START, GAME_RAMSCH, VARIANT_OFFICIAL, 1, true},
        {"Ramsch game: while the skat is passed on", STATE_PASS, GAME_RAMSCH, VARIANT_OFFICIAL, 1, true},
        {"Ramsch game: not in the auction", STATE_AUCTION, GAME_RAMSCH, VARIANT_OFFICIAL, 1, false},
        {"Ramsch without passing on is no Ramsch case", STATE_AUCTION, GAME_RAMSCH, VARIANT_OFFICIAL, 0, true},
        {"Ramsch-only rules before the game type is known", STATE_QUERY, 0, VARIANT_RAMSCH_ONLY, 1, true},
        {"Ramsch-only rules: a Grand is not", STATE_QUERY, GAME_GRAND, VARIANT_RAMSCH_ONLY, 1, false},
        {"manipulating a suit game", STATE_MANIPULATE, 0, VARIANT_OFFICIAL, 1, true},
        {"the swap itself", STATE_SWAP, 0, VARIANT_OFFICIAL, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Game.FlowState = c.flow;
        g_Game.GameType = c.gameType;
        g_Game.VariantMode = c.variantMode;
        g_Settings.Variants.PassOn = c.passOn;
        g_Settings.Variants.GrandHand = 1;
        EXPECT_EQ(Enabled(ID_SWAP_SKAT), c.enabled);
    }
}

TEST_F(MenuStateTest, TheSwapCommandsOnlyBeforePlay) {
    const int enabledIn[] = {STATE_PASS, STATE_START, STATE_AUCTION, STATE_OBSERVE, STATE_HAND, STATE_ASK, STATE_REPLY, STATE_SKAT};
    for (int flow = STATE_INIT; flow <= STATE_MANIPULATE; ++flow) {
        SCOPED_TRACE(flow);
        g_Game.FlowState = flow;
        const bool expected = std::find(std::begin(enabledIn), std::end(enabledIn), flow) != std::end(enabledIn);
        for (int id : {ID_SWAP_CARDS, ID_SWAP_HAND, ID_SWAP_SUITS}) EXPECT_EQ(Enabled(id), expected) << id;
    }
}

TEST_F(MenuStateTest, TheCoursesPrintItemsWaitForTenTricks) {
    for (int tricks : {0, 9, 10}) {
        SCOPED_TRACE(tricks);
        SkatTestAccess::CourseRow(FrameGameAccess::Game(Frame()), 0).count = tricks;
        EXPECT_EQ(Enabled(ID_PRINT_COURSE), tricks == 10);
        EXPECT_EQ(Enabled(ID_PREVIEW_COURSE), tricks == 10);
    }
}

TEST_F(MenuStateTest, CloseHelpOnlyWhileAHelpPageIsOpen) {
    platform::DesktopRecorder desktop;
    g_Profile.HelpTopic = 0;
    EXPECT_FALSE(Enabled(ID_HELP_CLOSE));
    ASSERT_TRUE(platform::ShowHelpTopic(Frame().Handle(), "help::/Lexikon/Glossar.htm"));
    g_Profile.HelpTopic = 2;
    EXPECT_TRUE(Enabled(ID_HELP_CLOSE));
    // Closed by hand: the next look at the menu forgets the topic.
    platform::CloseAllHelpWindows();
    EXPECT_FALSE(Enabled(ID_HELP_CLOSE));
    EXPECT_EQ(g_Profile.HelpTopic, 0);
}

TEST_F(MenuStateTest, ItemsSayWhatChoosingThemWillDo) {
    platform::Menu menu(*platform::FindMenu(IDR_MAINFRAME));
    auto textOf = [&menu](int id) {
        const platform::MenuItem* item = menu.FindCommand(id);
        return item ? item->text : std::string("(missing)");
    };
    g_Game.FlowState = STATE_AUCTION;
    g_Flow.SkatSwapOption = 0;
    Frame().SetMenuTexts(menu);
    EXPECT_EQ(textOf(ID_SWAP_SKAT), "S&wap Skat Cards: on");
    g_Flow.SkatSwapOption = 1;
    Frame().SetMenuTexts(menu);
    EXPECT_EQ(textOf(ID_SWAP_SKAT), "S&wap Skat Cards: off");
    g_Game.FlowState = STATE_PASS;
    Frame().SetMenuTexts(menu);
    EXPECT_EQ(textOf(ID_SWAP_SKAT), "S&wap Skat Cards") << "no switch while the skat is passed on";
    g_Game.FlowState = STATE_IDLE;
    Frame().SetMenuTexts(menu);
    EXPECT_EQ(textOf(ID_LAST), platform::LoadString(IDS_MENU_LAST_CARDS));
}

TEST_F(MenuStateTest, TheAcceleratorObeysTheSameRule) {
    const platform::AcceleratorTable* table = platform::FindAccelerators(IDR_MAINFRAME);
    ASSERT_NE(table, nullptr);
    // Every accelerator of a command the update function greys is refused as disabled.
    g_Game.FlowState = STATE_PLAY;
    Frame().MatchSeries().BeginGame();
    int checked = 0;
    for (const platform::Accelerator& entry : table->entries) {
        if (Enabled(entry.command)) continue;
        ++checked;
        EXPECT_EQ(platform::TranslateAccelerator(*table, entry.key, entry.modifiers, Frame().Updater()).result,
                  platform::AcceleratorTranslation::Result::Disabled)
            << entry.command;
    }
    EXPECT_GT(checked, 0) << "some command is greyed in a running game";
}

}  // namespace

namespace {

class MenuSwitchesTest : public testsupport::FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        WriteProfileInt("View", "LogList", 0);
        StartProgram();
    }
    bool Checked(int id) {
        const platform::MenuItem* item = Frame().Table().MainMenu->FindCommand(id);
        return item && item->IsChecked();
    }
};

TEST_F(MenuSwitchesTest, EachSwitchFlipsItsSettingAndItsCheckMark) {
    struct Case {
        int command;
        int* setting;
    };
    const Case cases[] = {
        {ID_CONTINUE, &g_Settings.Options.Continue},
        {ID_COUNT, &g_Settings.Options.Count},
        {ID_DEMONSTRATION, &g_Game.DemoMode},
        {ID_DRAG_CARDS, &g_Settings.Options.Drag},
    };
    ASSERT_NE(Frame().Table().MainMenu, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        *c.setting = 0;
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(c.command));
        EXPECT_EQ(*c.setting, 1);
        EXPECT_TRUE(Checked(c.command));
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(c.command));
        EXPECT_EQ(*c.setting, 0);
        EXPECT_FALSE(Checked(c.command));
    }
}

TEST_F(MenuSwitchesTest, TheStatusBarSaysWhatChanged) {
    g_Game.DemoMode = 0;
    Frame().SendMessage(WM_COMMAND, ID_DEMONSTRATION);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Demonstration: To exit, press Esc key");
    Frame().SendMessage(WM_COMMAND, ID_DEMONSTRATION);
    EXPECT_EQ(Frame().Texts().DemoText, "");
    g_Settings.Options.Drag = 0;
    Frame().SendMessage(WM_COMMAND, ID_DRAG_CARDS);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Please play (drag) a card");
    Frame().SendMessage(WM_COMMAND, ID_DRAG_CARDS);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Please play (click) a card");
}

TEST_F(MenuSwitchesTest, OpenPlayFlipsTheCardsWithoutACheckMark) {
    g_Game.AllCardsOpen = 0;
    Frame().SendMessage(WM_COMMAND, ID_FACE_UP);
    EXPECT_EQ(g_Game.AllCardsOpen, 1);
    EXPECT_FALSE(Checked(ID_FACE_UP));
    Frame().SendMessage(WM_COMMAND, ID_FACE_UP);
    EXPECT_EQ(g_Game.AllCardsOpen, 0);
}

TEST_F(MenuSwitchesTest, AChangedConfigurationNamesTheRamschRulesInTheStatusBar) {
    g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
    g_Settings.Variants.PassOn = 1;
    Frame().SendMessage(WM_COMMAND, CM_CONFIGURATION_CHANGED);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(2), platform::LoadString(IDS_SCHIEBERAMSCH));
    g_Settings.Variants.PassOn = 0;
    Frame().SendMessage(WM_COMMAND, CM_CONFIGURATION_CHANGED);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(2), platform::LoadString(IDS_RAMSCH));
    // The official rules leave the pane as it is.
    g_Game.VariantMode = VARIANT_OFFICIAL;
    Frame().SendMessage(WM_COMMAND, CM_CONFIGURATION_CHANGED);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(2), platform::LoadString(IDS_RAMSCH));
}

// The program starts with the check marks of its switches and side windows as the settings have
// them: what was on at the last exit is shown on.
class StartMenuChecksTest : public FrameFixture {};

TEST_F(StartMenuChecksTest, TheSettingsCheckTheirMenuItemsFromTheStart) {
    const struct {
        const char* section;
        const char* key;
        int value;  // -1: not stored, the default holds
        int command;
        bool checked;
    } cases[] = {
        {"Options", "Suggest", -1, ID_SUGGEST, true},  {"Options", "Continue", -1, ID_CONTINUE, true},
        {"Options", "Count", 0, ID_COUNT, false},            {"Options", "Drag", 1, ID_DRAG_CARDS, true},
        {"Options", "Support", 1, ID_SUPPORT, true},         {"Options", "Demo", -1, ID_DEMONSTRATION, false},
        {"View", "ListGameValue", 1, ID_LIST_GAME_VALUE, true}, {"View", "ListLegend", 1, ID_LIST_LEGEND, true},
        {"View", "ListScore", -1, ID_LIST_SCORE, false},     {"View", "ListState", 0, ID_LIST_STATE, false},
    };
    for (const auto& c : cases)
        if (c.value >= 0) WriteProfileInt(c.section, c.key, c.value);
    StartProgram();
    ASSERT_NE(Frame().Table().MainMenu, nullptr);
    for (const auto& c : cases) {
        const platform::MenuItem* item = Frame().Table().MainMenu->FindCommand(c.command);
        ASSERT_NE(item, nullptr) << c.key;
        EXPECT_EQ(item->IsChecked(), c.checked) << c.section << "/" << c.key;
    }
}

}  // namespace
