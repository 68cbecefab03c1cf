// The frame's menu bar: built from a template, its pop-ups take their items' state from the frame's
// update function when they open, and a choice reaches the frame's WM_COMMAND handler through our
// queue only while the command may run.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <cstdint>
#include <vector>

#include "platform/core/WindowApi.h"
#include "platform/qt/QtMenuBar.h"
#include "QtMenusFixture.h"

using namespace platform;
using namespace qttest;

namespace {

class QtMenusBar : public FrameBarsTest {
protected:
    void SetUp() override {
        FrameBarsTest::SetUp();
        ASSERT_TRUE(AttachFrameBars(frame.Handle(), BarsRequest()));
        bars = FrameBarsOf(frame.Handle());
        ASSERT_NE(bars, nullptr);
        bar = bars->MenuBar();
        ASSERT_NE(bar, nullptr);
    }

    QAction* GameAction(int index) const { return bar->PopupAt(0)->actions().value(index); }

    QtFrameBars* bars = nullptr;
    QtMenuBar* bar = nullptr;
};

TEST_F(QtMenusBar, BuiltFromTemplate) {
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QStringLiteral("&Game"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("&View"));

    const QList<QAction*> game = bar->PopupAt(0)->actions();
    ASSERT_EQ(game.size(), 4);
    // The key name after the tab is shown by the menu, never made a Qt shortcut.
    EXPECT_EQ(game[0]->text(), QStringLiteral("New &game\tCtrl+N"));
    EXPECT_TRUE(game[0]->shortcut().isEmpty());
    EXPECT_TRUE(game[1]->isSeparator());
    EXPECT_EQ(game[2]->text(), QStringLiteral("&Save ..."));
    ASSERT_NE(game[3]->menu(), nullptr);
    EXPECT_EQ(game[3]->text(), QStringLiteral("&Options"));

    const QList<QAction*> options = game[3]->menu()->actions();
    ASSERT_EQ(options.size(), 2);
    EXPECT_TRUE(options[0]->isChecked());
    EXPECT_FALSE(options[1]->isChecked());
    EXPECT_FALSE(options[1]->isCheckable());
    EXPECT_EQ(bar->PopupAt(1)->actions().value(0)->text(), QStringLiteral("&Log && trace"));
}

// Each pop-up asks about its own items when it opens; what the update function leaves alone keeps
// the item's state.
TEST_F(QtMenusBar, OpeningPopupAsksUpdateFunction) {
    updates.asked.clear();
    updates.disabled = {kSaveGame};
    updates.texts[kNewGame] = "&Deal\tCtrl+N";
    updates.checks[kFast] = 1;

    Open(bar->PopupAt(0));
    EXPECT_TRUE(updates.Asked(kNewGame));
    EXPECT_TRUE(updates.Asked(kSaveGame));
    EXPECT_FALSE(updates.Asked(kFast));  // its pop-up has not opened
    EXPECT_FALSE(updates.Asked(kLog));
    EXPECT_EQ(GameAction(0)->text(), QStringLiteral("&Deal\tCtrl+N"));
    EXPECT_TRUE(GameAction(0)->isEnabled());
    EXPECT_FALSE(GameAction(2)->isEnabled());

    QMenu* options = GameAction(3)->menu();
    Open(options);
    EXPECT_TRUE(options->actions()[0]->isChecked());  // checked by the template, left alone
    EXPECT_TRUE(options->actions()[1]->isChecked());

    // The state follows the update function at every opening.
    updates.disabled.clear();
    updates.checks[kFast] = 0;
    updates.checks[kSound] = 0;
    Open(bar->PopupAt(0));
    Open(options);
    EXPECT_TRUE(GameAction(2)->isEnabled());
    EXPECT_FALSE(options->actions()[0]->isChecked());
    EXPECT_FALSE(options->actions()[1]->isChecked());
}

TEST_F(QtMenusBar, ChoiceReachesFrameThroughQueue) {
    Open(bar->PopupAt(0));
    GameAction(0)->trigger();
    // Qt's handler only recorded the choice.
    EXPECT_EQ(Commands(kNewGame), 0);
    ASSERT_TRUE(PumpUntil([&] { return Commands(kNewGame) > 0; }));
    EXPECT_EQ(Commands(kNewGame), 1);
    PumpFor(50);
    EXPECT_EQ(Commands(kNewGame), 1);
}

// A command that may not run when the choice reaches our loop does nothing: greyed when shown,
// disabled meanwhile, or the frame disabled by a modal dialog in between.
TEST_F(QtMenusBar, ChoiceOfCommandThatMayNotRunDoesNothing) {
    struct Case {
        const char* name;
        bool greyedWhenShown;
        bool disabledAfterChoice;
        bool frameDisabledAfterChoice;
    };
    const Case cases[] = {
        {"greyed", true, false, false},
        {"disabled meanwhile", false, true, false},
        {"frame disabled meanwhile", false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        updates.disabled.clear();
        if (c.greyedWhenShown) updates.disabled.insert(kSaveGame);
        EnableWindow(frame.Handle(), true);
        Open(bar->PopupAt(0));
        EXPECT_EQ(GameAction(2)->isEnabled(), !c.greyedWhenShown);
        GameAction(2)->trigger();
        if (c.disabledAfterChoice) updates.disabled.insert(kSaveGame);
        if (c.frameDisabledAfterChoice) EnableWindow(frame.Handle(), false);
        PumpFor(100);
        EXPECT_EQ(Commands(kSaveGame), 0);
    }
    // And the same item runs once it may.
    updates.disabled.clear();
    EnableWindow(frame.Handle(), true);
    Open(bar->PopupAt(0));
    GameAction(2)->trigger();
    EXPECT_TRUE(PumpUntil([&] { return Commands(kSaveGame) == 1; }));
}

// No menu opens over a modal dialog: a disabled frame disables its menu bar.
TEST_F(QtMenusBar, DisabledFrameDisablesMenuBar) {
    EXPECT_TRUE(bar->isEnabled());
    EnableWindow(frame.Handle(), false);
    EXPECT_FALSE(bar->isEnabled());
    EnableWindow(frame.Handle(), true);
    EXPECT_TRUE(bar->isEnabled());
}

// Program code changes items of the model; a rebuild replaces the menu as a whole.
TEST_F(QtMenusBar, ProgramChangesAndRebuild) {
    ASSERT_TRUE(bar->Model().CheckItem(kLog, true));
    ASSERT_TRUE(bar->Model().SetItemText(kNewGame, "&Deal"));
    bar->Refresh();
    EXPECT_TRUE(bar->PopupAt(1)->actions()[0]->isChecked());
    EXPECT_EQ(GameAction(0)->text(), QStringLiteral("&Deal"));
    // A check set by program code survives the opening when the update function says nothing.
    Open(bar->PopupAt(1));
    EXPECT_TRUE(bar->PopupAt(1)->actions()[0]->isChecked());

    static constexpr MenuItemTemplate kSpielItems[] = {{kNewGame, "&Neues Spiel"}, {kLog, "&Protokoll"}};
    static constexpr MenuItemTemplate kGermanBar[] = {{0, "&Spiel", MF_POPUP, kSpielItems}};
    bars->RebuildMenu({128, kGermanBar});
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("&Spiel"));
    const QList<QAction*> items = bar->PopupAt(0)->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_FALSE(items[1]->isChecked());  // the new menu starts from its template
    items[1]->trigger();
    EXPECT_TRUE(PumpUntil([&] { return Commands(kLog) == 1; }));
}

// A pop-up that opens tells the frame first, synchronously, with the model the pop-up shows and its
// place: the bar's pop-ups by their index, a pop-up inside a pop-up marked as nested.
TEST_F(QtMenusBar, OpeningPopupSendsInitMenuPopupBeforeItShows) {
    struct Seen {
        const Menu* popup;
        int position, nested;
        bool shownYet;
    };
    std::vector<Seen> seen;
    QMenu* shown = nullptr;
    frame.onMessage = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_INITMENUPOPUP) return;
        auto* popup = reinterpret_cast<Menu*>(wParam);
        seen.push_back({popup, LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam)),
                        shown && shown->isVisible()});
        // The frame's work on the pop-up is what the person sees.
        popup->SetItemText(kLog, "&Trace");
    };
    const Menu* game = bar->Model().Items()[0].popup.get();
    const Menu* options = game->Items()[3].popup.get();
    const Menu* view = bar->Model().Items()[1].popup.get();

    shown = bar->PopupAt(1);
    Open(shown);
    shown = bar->PopupAt(0);
    Open(shown);
    shown = GameAction(3)->menu();
    Open(shown);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].popup, view);
    EXPECT_EQ(seen[0].position, 1);
    EXPECT_EQ(seen[0].nested, 0);
    EXPECT_EQ(seen[1].popup, game);
    EXPECT_EQ(seen[1].position, 0);
    EXPECT_EQ(seen[2].popup, options);
    EXPECT_EQ(seen[2].position, 3);
    EXPECT_EQ(seen[2].nested, 1);
    for (const Seen& s : seen) EXPECT_FALSE(s.shownYet);
    EXPECT_EQ(bar->PopupAt(1)->actions()[0]->text(), QStringLiteral("&Trace"));
}

}  // namespace
