// The frame's tool bar: buttons for command ids with separators, enabled through the frame's update
// function while our loop idles, a click run as WM_COMMAND from our loop.
#include <gtest/gtest.h>

#include <QAction>

#include "platform/qt/QtToolBar.h"
#include "QtMenusFixture.h"

using namespace platform;
using namespace qttest;

namespace {

constexpr int kButtons[] = {kNewGame, kSaveGame, 0, kLog, 999};

class QtMenusToolBar : public FrameBarsTest {
protected:
    void SetUp() override {
        FrameBarsTest::SetUp();
        FrameBarsSpec request = BarsRequest();
        request.toolbarIds = kButtons;
        ASSERT_TRUE(AttachFrameBars(frame.Handle(), request));
        toolBar = FrameBarsOf(frame.Handle())->ToolBar();
        ASSERT_NE(toolBar, nullptr);
    }

    QtToolBar* toolBar = nullptr;
};

TEST_F(QtMenusToolBar, ButtonsAndSeparators) {
    const QList<QAction*> actions = toolBar->actions();
    ASSERT_EQ(actions.size(), 5);
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[0], toolBar->ButtonOf(kNewGame));
    EXPECT_EQ(actions[3], toolBar->ButtonOf(kLog));
    EXPECT_EQ(toolBar->ButtonOf(0), nullptr);
    // Named after the menu's items with their keys; a command the menu lacks shows its id.
    EXPECT_EQ(actions[0]->toolTip(), QStringLiteral("New game (Ctrl+N)"));
    EXPECT_EQ(actions[1]->toolTip(), QStringLiteral("Save"));
    EXPECT_EQ(actions[3]->toolTip(), QStringLiteral("Log & trace"));
    EXPECT_EQ(actions[4]->toolTip(), QStringLiteral("999"));
    EXPECT_FALSE(actions[0]->icon().isNull());
    EXPECT_EQ(toolBar->iconSize(), QSize(16, 16));
}

// With nothing else happening in our loop, a changed state still shows within the refresh time.
TEST_F(QtMenusToolBar, EnabledStateFollowsUpdateFunctionWhenIdle) {
    ASSERT_TRUE(PumpUntil([&] { return toolBar->ButtonOf(kSaveGame)->isEnabled(); }));
    updates.disabled = {kSaveGame};
    updates.checks[kLog] = 1;
    ASSERT_TRUE(PumpUntil([&] { return !toolBar->ButtonOf(kSaveGame)->isEnabled(); }, 1000));
    EXPECT_TRUE(toolBar->ButtonOf(kLog)->isChecked());
    EXPECT_TRUE(toolBar->ButtonOf(kNewGame)->isEnabled());

    updates.disabled.clear();
    updates.checks.clear();
    ASSERT_TRUE(PumpUntil([&] { return toolBar->ButtonOf(kSaveGame)->isEnabled(); }, 1000));
    EXPECT_FALSE(toolBar->ButtonOf(kLog)->isChecked());
}

// However often the loop idles, the buttons are asked about at most once per refresh time.
TEST_F(QtMenusToolBar, RefreshIsThrottled) {
    PumpFor(50);
    updates.asked.clear();
    const std::int64_t start = WindowSystem::Instance().Now();
    // Posted messages keep the loop busy and idle in turns.
    int posts = 0;
    while (WindowSystem::Instance().Now() - start < 350) {
        view.PostMessage(WM_USER + 1);
        ++posts;
        PumpFor(2);
    }
    const std::int64_t elapsed = WindowSystem::Instance().Now() - start;
    const auto refreshes = std::count(updates.asked.begin(), updates.asked.end(), kNewGame);
    EXPECT_GT(posts, 20);
    EXPECT_GE(refreshes, 1);
    EXPECT_LE(refreshes, elapsed / QtFrameBars::kToolBarRefreshMs + 1);
}

TEST_F(QtMenusToolBar, ClickRunsCommandOnlyWhileEnabled) {
    toolBar->ButtonOf(kNewGame)->trigger();
    EXPECT_EQ(Commands(kNewGame), 0);
    ASSERT_TRUE(PumpUntil([&] { return Commands(kNewGame) == 1; }));

    updates.disabled = {kNewGame};
    ASSERT_TRUE(PumpUntil([&] { return !toolBar->ButtonOf(kNewGame)->isEnabled(); }, 1000));
    toolBar->ButtonOf(kNewGame)->trigger();
    PumpFor(100);
    EXPECT_EQ(Commands(kNewGame), 1);
}

TEST(QtMenusButtonLabel, MenuTextBecomesLabel) {
    const struct {
        const char* menu;
        const char* label;
    } cases[] = {
        {"&Save ...", "Save"},
        {"S&how last Trick\tCtrl+L", "Show last Trick"},
        {"Fish && Chips", "Fish & Chips"},
        {"Mitzä&hlen", "Mitzählen"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ButtonLabel(c.menu), c.label) << c.menu;
}

}  // namespace
