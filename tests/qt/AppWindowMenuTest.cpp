// The score sheet and the cards assignment of the real program on the Qt host: each shows its window
// menu as a bar with the program's own items, and choosing one reaches the window; the main frame
// keeps its own menu bar and gets no window-menu bar.

#include <gtest/gtest.h>
#include "flow/FramePanels.h"

#include <QAction>
#include <QMenu>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtFrameBars.h"
#include "platform/qt/QtWindowMenuBar.h"
#include "resources/CommandIds.h"
#include "windows/Score.h"
#include "windows/Store.h"

namespace {

using qttest::AppOnQtHost;
using qttest::PumpUntil;

int HeightOf(HWND hwnd) {
    platform::Rect rect;
    return GetWindowRect(hwnd, &rect) ? rect.Height() : -1;
}

QAction* ActionNamed(platform::QtWindowMenuBar& bar, const std::string& text) {
    bar.Fill();
    for (QAction* action : bar.WindowMenu()->actions())
        if (action->text().toStdString() == text) return action;
    return nullptr;
}

class AppWindowMenuTest : public ::testing::TestWithParam<bool> {};

TEST_P(AppWindowMenuTest, TheScoreSheetsAndCardsAssignmentsItemsReachTheirWindows) {
    AppOnQtHost app(GetParam());
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    EXPECT_EQ(platform::WindowMenuBarOf(app.Frame().Handle()), nullptr);
    EXPECT_NE(platform::FrameBarsOf(app.Frame().Handle()), nullptr);

    // The score sheet: Highlight, Forehand and Optimize; Highlight switches its highlight.
    app.Frame().SendMessage(WM_COMMAND, ID_LIST_SCORE);
    ASSERT_TRUE(PumpUntil([&app] { return app.Frame().FramePanels().SideWindow(ID_LIST_SCORE) != nullptr; }));
    const HWND scoreHandle = app.Frame().FramePanels().SideWindow(ID_LIST_SCORE);
    auto* score = dynamic_cast<CScore*>(WindowFromHandle(scoreHandle));
    ASSERT_NE(score, nullptr);
    platform::QtWindowMenuBar* scoreBar = platform::WindowMenuBarOf(scoreHandle);
    ASSERT_NE(scoreBar, nullptr);
    for (int id : {ID_SCORE_HIGHLIGHT, ID_SCORE_FOREHAND, ID_SCORE_OPTIMIZE})
        EXPECT_NE(ActionNamed(*scoreBar, platform::LoadString(id)), nullptr) << id;
    const bool highlight = score->Highlight;
    ActionNamed(*scoreBar, platform::LoadString(ID_SCORE_HIGHLIGHT))->trigger();
    EXPECT_TRUE(PumpUntil([score, highlight] { return score->Highlight != highlight; }));

    // The cards assignment: Optimize switches between its compact and full heights.
    app.Frame().SendMessage(WM_COMMAND, ID_LIST_STORE);
    ASSERT_TRUE(PumpUntil([&app] { return app.Frame().FramePanels().SideWindow(ID_LIST_STORE) != nullptr; }));
    const HWND storeHandle = app.Frame().FramePanels().SideWindow(ID_LIST_STORE);
    platform::QtWindowMenuBar* storeBar = platform::WindowMenuBarOf(storeHandle);
    ASSERT_NE(storeBar, nullptr);
    QAction* optimize = ActionNamed(*storeBar, platform::LoadString(ID_SCORE_OPTIMIZE));
    ASSERT_NE(optimize, nullptr);
    const int height = HeightOf(storeHandle);
    optimize->trigger();
    EXPECT_TRUE(PumpUntil([storeHandle, height] { return HeightOf(storeHandle) != height; }));
}

INSTANTIATE_TEST_SUITE_P(Editions, AppWindowMenuTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "German" : "English"; });

}  // namespace
