#pragma once
// A frame with a table view and a small menu for the tests of the frame's bars: the update function
// answers from a table the test changes and records which commands it was asked about.

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "platform/core/CommandState.h"
#include "platform/core/MenuTemplate.h"
#include "platform/qt/QtFrameBars.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

namespace qttest {

inline constexpr int kNewGame = 101;
inline constexpr int kSaveGame = 102;
inline constexpr int kSound = 201;
inline constexpr int kFast = 202;
inline constexpr int kLog = 301;

inline constexpr platform::MenuItemTemplate kOptionItems[] = {
    {kSound, "&Sound", platform::MF_CHECKED},
    {kFast, "&Fast play"},
};
inline constexpr platform::MenuItemTemplate kGameItems[] = {
    {kNewGame, "New &game\tCtrl+N"},
    {0, "", platform::MF_SEPARATOR},
    {kSaveGame, "&Save ..."},
    {0, "&Options", platform::MF_POPUP, kOptionItems},
};
inline constexpr platform::MenuItemTemplate kViewItems[] = {
    {kLog, "&Log && trace"},
};
inline constexpr platform::MenuItemTemplate kBarItems[] = {
    {0, "&Game", platform::MF_POPUP, kGameItems},
    {0, "&View", platform::MF_POPUP, kViewItems},
};
inline constexpr platform::MenuTemplate kMenu{128, kBarItems};

// The frame's update function: disabled and checked commands and texts from tables.
struct Updates {
    std::set<int> disabled;
    std::map<int, int> checks;
    std::map<int, std::string> texts;
    std::vector<int> asked;

    platform::CommandUpdater Updater() {
        return [this](platform::CommandState& state) {
            asked.push_back(state.Id());
            if (disabled.count(state.Id())) state.Enable(false);
            if (auto it = checks.find(state.Id()); it != checks.end()) state.SetCheck(it->second);
            if (auto it = texts.find(state.Id()); it != texts.end()) state.SetText(it->second);
        };
    }
    bool Asked(int id) const { return std::find(asked.begin(), asked.end(), id) != asked.end(); }
};

class FrameBarsTest : public ::testing::Test {
protected:
    static constexpr platform::Rect kFrameRect{100, 80, 500, 380};

    void SetUp() override {
        ASSERT_TRUE(CreateWindowOf(frame, platform::WindowKind::Overlapped, kFrameRect));
        ASSERT_TRUE(CreateWindowOf(view, platform::WindowKind::Child, frame.ClientRect(), frame.Handle()));
    }

    platform::FrameBarsSpec BarsRequest() {
        platform::FrameBarsSpec request;
        request.menu = &kMenu;
        request.updater = updates.Updater();
        return request;
    }

    // Shows a pop-up as the person opening it would, and closes it again.
    static void Open(QMenu* popup) {
        ASSERT_NE(popup, nullptr);
        popup->popup(QPoint(0, 0));
        popup->hide();
    }

    int Commands(int id) const {
        int n = 0;
        for (const platform::Message& m : frame.messages)
            n += m.message == WM_COMMAND && m.wParam == MAKEWPARAM(static_cast<unsigned>(id), 0) && m.lParam == 0;
        return n;
    }

    platform::QtHost host;
    Updates updates;
    RecordingWindow frame;
    RecordingWindow view;
};

}  // namespace qttest
