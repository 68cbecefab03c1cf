#include "platform/core/Accelerators.h"
#include "platform/core/Menu.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using namespace platform;

constexpr int kNew = 32771;
constexpr int kBreak = 32772;
constexpr int kSort = 32892;
constexpr int kSound = 32900;
constexpr int kLast = 32910;

constexpr MenuItemTemplate kOptions[] = {
    {kSound, "&Ton", MF_CHECKED},
};
constexpr MenuItemTemplate kGame[] = {
    {kNew, "&Neu\tF2", 0},
    {kBreak, "&Abbruch", 0},
    {0, "", MF_SEPARATOR},
    {kSort, "Sor&tieren\tStrg+S", 0},
    {0, "&Optionen", MF_POPUP, kOptions},
    {kLast, "&Letzter Stich", MF_GRAYED},
};
constexpr MenuItemTemplate kBar[] = {
    {0, "&Spiel", MF_POPUP, kGame},
};
constexpr MenuTemplate kMenu{128, kBar};

constexpr int kF2 = 0x71;  // any key code will do for the table
constexpr Accelerator kKeys[] = {
    {kF2, 0, kNew},
    {'S', ACCEL_CTRL, kSort},
    {'L', ACCEL_CTRL | ACCEL_SHIFT, kLast},
};
constexpr AcceleratorTable kAccelerators{128, kKeys};

// The frame's one update function, driven by what a test says is allowed now.
struct UpdateState {
    std::set<int> disabled;
    std::vector<int> asked;
    CommandUpdater Updater() {
        return [this](CommandState& state) {
            asked.push_back(state.Id());
            if (disabled.count(state.Id())) state.Enable(false);
            if (state.Id() == kSound) state.SetCheck(0);
        };
    }
};

Menu& GamePopup(Menu& menu) { return *menu.Items().at(0).popup; }

TEST(MenuTest, BuiltFromTheTemplateWithNestedPopups) {
    Menu menu(kMenu);
    ASSERT_EQ(menu.Items().size(), 1u);
    const Menu& game = GamePopup(menu);
    ASSERT_EQ(game.Items().size(), 6u);
    EXPECT_TRUE(game.Items()[2].IsSeparator());
    EXPECT_TRUE(game.Items()[4].IsPopup());
    EXPECT_FALSE(game.Items()[5].IsEnabled());
    ASSERT_NE(menu.FindCommand(kSound), nullptr);  // found through two levels
    EXPECT_TRUE(menu.FindCommand(kSound)->IsChecked());
    EXPECT_EQ(menu.FindCommand(0), nullptr);  // separators and pop-ups are not commands
    EXPECT_EQ(menu.FindCommand(12345), nullptr);
}

TEST(MenuTest, OpeningAPopupAsksTheUpdateFunctionForItsOwnCommandsOnly) {
    Menu menu(kMenu);
    UpdateState update;
    update.disabled = {kBreak};
    Menu& game = GamePopup(menu);
    game.Open(update.Updater());
    EXPECT_EQ(update.asked, (std::vector<int>{kNew, kBreak, kSort, kLast}));
    EXPECT_TRUE(game.Items()[0].IsEnabled());
    EXPECT_FALSE(game.Items()[1].IsEnabled());
    EXPECT_TRUE(game.Items()[5].IsEnabled());  // the template's grey is replaced by the current state
    EXPECT_TRUE(menu.FindCommand(kSound)->IsChecked());  // not opened yet

    game.Items()[4].popup->Open(update.Updater());
    EXPECT_FALSE(menu.FindCommand(kSound)->IsChecked());

    update.disabled = {};
    game.Open(update.Updater());  // the state is taken afresh on every opening
    EXPECT_TRUE(game.Items()[1].IsEnabled());
}

TEST(MenuTest, UpdateFunctionCanRenameAnItem) {
    Menu menu(kMenu);
    GamePopup(menu).Open([](CommandState& state) {
        if (state.Id() == kNew) state.SetText("&Neues Spiel");
    });
    EXPECT_EQ(menu.FindCommand(kNew)->text, "&Neues Spiel");
    EXPECT_EQ(menu.FindCommand(kBreak)->text, "&Abbruch");
}

TEST(MenuTest, ChoosingGivesTheCommandOfEnabledItemsOnly) {
    Menu menu(kMenu);
    const Menu& game = GamePopup(menu);
    EXPECT_EQ(game.Choose(0), kNew);
    EXPECT_EQ(game.Choose(2), std::nullopt);  // separator
    EXPECT_EQ(game.Choose(4), std::nullopt);  // pop-up
    EXPECT_EQ(game.Choose(5), std::nullopt);  // grey
    EXPECT_EQ(game.Choose(6), std::nullopt);
    EXPECT_EQ(game.Choose(-1), std::nullopt);
    EXPECT_EQ(game.FindMnemonic(U't'), 3);
    EXPECT_EQ(game.FindMnemonic(U'L'), -1);  // grey items cannot be chosen by key either
    EXPECT_TRUE(menu.EnableItem(kLast, true));
    EXPECT_EQ(game.FindMnemonic(U'L'), 5);
    EXPECT_FALSE(menu.EnableItem(999, true));
    EXPECT_TRUE(menu.CheckItem(kSort, true));
    EXPECT_TRUE(menu.FindCommand(kSort)->IsChecked());
}

TEST(AcceleratorTest, KeyBecomesItsCommandOnlyWhileTheUpdateFunctionEnablesIt) {
    UpdateState update;
    using Result = AcceleratorTranslation::Result;

    AcceleratorTranslation t = TranslateAccelerator(kAccelerators, 'S', ACCEL_CTRL, update.Updater());
    EXPECT_EQ(t.result, Result::Command);
    EXPECT_EQ(t.command, kSort);
    EXPECT_EQ(update.asked, std::vector<int>{kSort});  // asked at the moment of the key

    update.disabled = {kSort};
    t = TranslateAccelerator(kAccelerators, 'S', ACCEL_CTRL, update.Updater());
    EXPECT_EQ(t.result, Result::Disabled);  // swallowed, runs nothing

    update.disabled = {};
    EXPECT_EQ(TranslateAccelerator(kAccelerators, kF2, 0, update.Updater()).command, kNew);
    EXPECT_EQ(TranslateAccelerator(kAccelerators, 'L', ACCEL_CTRL | ACCEL_SHIFT, update.Updater()).command, kLast);
}

TEST(AcceleratorTest, ModifiersMustMatchExactly) {
    using Result = AcceleratorTranslation::Result;
    struct Case {
        int key;
        unsigned modifiers;
    };
    const Case misses[] = {
        {'S', 0}, {'S', ACCEL_CTRL | ACCEL_SHIFT}, {'S', ACCEL_ALT | ACCEL_CTRL}, {'L', ACCEL_CTRL}, {kF2, ACCEL_SHIFT}, {'X', ACCEL_CTRL},
    };
    for (const Case& c : misses) {
        EXPECT_EQ(TranslateAccelerator(kAccelerators, c.key, c.modifiers, {}).result, Result::NoMatch)
            << c.key << "/" << c.modifiers;
    }
    EXPECT_EQ(TranslateAccelerator(kAccelerators, 'S', ACCEL_CTRL, {}).result, Result::Command);  // no update function: enabled
}

TEST(AcceleratorTest, MenuAndAcceleratorAgreeThroughTheSameUpdateFunction) {
    Menu menu(kMenu);
    UpdateState update;
    update.disabled = {kNew};
    GamePopup(menu).Open(update.Updater());
    bool menuAllows = GamePopup(menu).Choose(0).has_value();
    bool keyAllows = TranslateAccelerator(kAccelerators, kF2, 0, update.Updater()).result ==
                     AcceleratorTranslation::Result::Command;
    EXPECT_FALSE(menuAllows);
    EXPECT_FALSE(keyAllows);
    EXPECT_FALSE(QueryCommandState(update.Updater(), kNew).Enabled());  // and the tool bar asks the same
}

}  // namespace
