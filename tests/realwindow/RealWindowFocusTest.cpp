// The keyboard's place can be seen, in real windows under openbox: Tab moves the focus through the
// buttons of each bar of a game (bidding, skat, declaration, suggestion), and at each step the bar is
// the window manager's active window, Qt's focus is on the control that has ours, and the capture of
// the bar by its window id shows the highlight on that control alone, the button Enter presses
// marked. Both editions.

#include "flow/FrameAuction.h"
#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "flow/FrameGlobals.h"
#include "model/GameState.h"
#include "platform/core/Control.h"
#include "platform/core/DialogNavigation.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "qt/QtTestSupport.h"
#include "realwindow/PersonsTurn.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/FlowIds.h"

namespace {

using qttest::PumpUntil;
using realwindow::ActiveWindow;
using realwindow::Capture;
using realwindow::IsHighlight;
using realwindow::Share;
using realwindow::TypeKey;


struct Edition {
    const char* name;
    bool german;
};

void PrintTo(const Edition& e, std::ostream* out) { *out << e.name; }

class RealWindowFocus : public ::testing::TestWithParam<Edition> {
protected:
    RealWindowFocus() : app_(GetParam().german) { WriteProfileInt("Options", "Suggest", 1); }
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    CMainFrame& Frame() { return app_.Frame(); }
    QWidget* WidgetOf(HWND hwnd) { return platform::QtHost::Current()->WidgetOf(hwnd); }

    // The bar's controls that Tab stops at, in order.
    std::vector<HWND> TabStops(HWND bar) {
        std::vector<HWND> stops;
        for (HWND child : ::GetChildWindows(bar)) {
            const platform::Control* control = platform::ControlFromHandle(child);
            if (control && (control->Style() & platform::CTL_TABSTOP) && ::IsWindowVisible(child) &&
                ::IsWindowEnabled(child))
                stops.push_back(child);
        }
        return stops;
    }

    // Tab once round the bar: at each stop the focus is where ours is, seen in Qt and on the screen.
    void TabRound(const std::string& name) {
        const HWND bar = Frame().Prompts().PromptDialog;
        ASSERT_TRUE(::IsWindow(bar)) << name;
        QWidget* barWidget = WidgetOf(bar);
        ASSERT_NE(barWidget, nullptr);
        const unsigned long barId = barWidget->winId();
        const std::vector<HWND> stops = TabStops(bar);
        ASSERT_GE(stops.size(), 1u) << name;
        // A step that left the keys on the table (the declaration with no game to suggest) shows
        // the main window active; Tab hands the keys to the bar.
        PumpUntil([&] { return ::IsChild(bar, ::GetFocus()) || ActiveWindow() == app_.Widget()->winId(); }, 10000);
        if (::GetFocus() == g_Frame.hTableWnd) TypeKey("Tab");
        // The bar has the keys and is the active window.
        ASSERT_TRUE(PumpUntil(
            [&] {
                return ::IsChild(bar, ::GetFocus()) && QApplication::activeWindow() == barWidget &&
                       ActiveWindow() == barId;
            },
            10000))
            << name << ": active " << ActiveWindow() << " bar " << barId;
        for (std::size_t step = 0; step <= stops.size(); ++step) {
            const std::string at = name + " step " + std::to_string(step);
            if (step > 0) {
                // Tab goes to the next stop, round to the first (a bar of one button keeps it).
                const auto before = std::find(stops.begin(), stops.end(), ::GetFocus());
                ASSERT_NE(before, stops.end()) << at;
                const HWND next = stops[static_cast<std::size_t>(before - stops.begin() + 1) % stops.size()];
                TypeKey("Tab");
                ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == next; }, 10000)) << at;
            }
            const HWND focus = ::GetFocus();
            QWidget* focused = WidgetOf(focus);
            ASSERT_NE(focused, nullptr) << at;
            const HWND entered = platform::ButtonEnterPresses(bar);
            // Qt shows the focus where ours is, in the active bar, Enter's button marked.
            ASSERT_TRUE(PumpUntil(
                [&] {
                    if (QApplication::focusWidget() != focused || ActiveWindow() != barId) return false;
                    for (HWND stop : stops)
                        if (auto* button = qobject_cast<QPushButton*>(WidgetOf(stop));
                            button && button->isDefault() != (stop == entered))
                            return false;
                    return true;
                },
                10000))
                << at;
            qttest::PumpFor(100);  // painted
            const QImage shot =
                Capture(barId, std::string("xcb-focus-") + GetParam().name + "-" + name + "-" + std::to_string(step));
            // On the screen: the blue of the focus on the control that has it, on no other stop
            // but the button Enter presses.
            for (HWND stop : stops) {
                const QRect area = realwindow::AreaInCapture(WidgetOf(stop), barWidget);
                const double blue = Share(shot, area, IsHighlight);
                if (stop == focus) {
                    EXPECT_GT(blue, 0.02) << at << ": the focused control shows no focus";
                } else if (stop != entered) {
                    EXPECT_LT(blue, 0.005) << at << ": a control without the focus looks focused";
                }
            }
        }
    }

    qttest::AppOnQtHost app_;
};

TEST_P(RealWindowFocus, TabThroughEachBarShowsWhereTheKeysAre) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    // The bidding bar; the person bids until he has won the auction.
    TabRound("bidding");
    if (HasFatalFailure()) return;
    for (int step = 0; step < 40 && g_Game.FlowState != STATE_SKAT; ++step) {
        if (Frame().FrameAuction().IsAuctionBarOpen()) ::SendMessage(Frame().Prompts().PromptDialog, WM_COMMAND, BTN_BID, 0);
        PumpUntil([] { return g_Game.FlowState == STATE_SKAT; }, 300);
    }
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    TabRound("skat");
    if (HasFatalFailure()) return;
    ::SendMessage(Frame().Prompts().PromptDialog, WM_COMMAND, BTN_PICKUP, 0);
    ASSERT_TRUE(PumpUntil([] { return g_Game.FlowState == STATE_ASK; }, 10000));
    // Without a game to preselect the table keeps the keys; Tab on the table gives them to the bar.
    if (::GetFocus() == Frame().Handle() || ::IsChild(Frame().Handle(), ::GetFocus())) {
        TypeKey("Tab");
        ASSERT_TRUE(PumpUntil([this] { return ::IsChild(Frame().Prompts().PromptDialog, ::GetFocus()); }, 10000));
    }
    TabRound("declaration");
    if (HasFatalFailure()) return;
    realwindow::AnswerBarsUntilThePersonsCard(Frame());
    if (HasFatalFailure()) return;
    TabRound("suggestion");
}

INSTANTIATE_TEST_SUITE_P(Editions, RealWindowFocus, ::testing::Values(Edition{"en", false}, Edition{"ge", true}),
                         [](const ::testing::TestParamInfo<Edition>& info) { return std::string(info.param.name); });

}  // namespace
