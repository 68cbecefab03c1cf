// Esc and the close button in real windows under openbox, as a person uses them: a Yes/No question
// (the exit question of a running game, the question whether to break the match) is answered No by
// Esc and by the close button (Alt+F4, openbox's close), and the game goes on; the close button of
// an information panel keeps the panel open and hands the keys to the main window.

#include "flow/FrameAuction.h"
#include <functional>
#include <string>

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QWidget>

#include <gtest/gtest.h>

#include "flow/FrameGlobals.h"
#include "flow/PanelState.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/MessageBox.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/QtHost.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "qt/QtTestSupport.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/CommandIds.h"

namespace {

using qttest::PumpUntil;
using realwindow::ActiveWindow;
using realwindow::TypeKey;

// Answers the first message box that opens by a key typed through the X server once openbox has
// made the box the active window; a box still open some seconds later is answered Yes by hand, so
// that the test ends (and fails: the key did not answer it).
class BoxKeyer : public platform::Window {
public:
    BoxKeyer(const char* key, int patienceMs) : keyName(key), patience(patienceMs) {
        Create(platform::CreateParams{});
        SetTimer(1, 50);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_TIMER) return platform::Window::WindowProc(message, wParam, lParam);
        platform::MessageBoxDialog* box = platform::ActiveMessageBox();
        const std::int64_t now = platform::WindowSystem::Instance().Now();
        if (box && !seen) {
            seen = box;
            text = box->Text();
            openedAt = now;
        }
        if (!box || box != seen) return 0;
        QWidget* widget = platform::QtHost::Current()->WidgetOf(box->Handle());
        lastActive = ActiveWindow();
        boxId = widget ? static_cast<unsigned long>(widget->winId()) : 0;
        if (!typed && widget && lastActive == boxId) {
            typed = true;
            TypeKey(keyName);
        } else if (now - openedAt > patience) {
            stuck = true;
            box->EndDialog(IDYES);
        }
        return 0;
    }
    const char* keyName;
    int patience;
    platform::MessageBoxDialog* seen = nullptr;
    std::string text;
    std::int64_t openedAt = 0;
    bool typed = false;
    bool stuck = false;
    unsigned long lastActive = 0, boxId = 0;
};

struct QuestionCase {
    const char* name;
    const char* key;                       // what the person types on the question
    std::function<void(CMainFrame&)> ask;  // what puts the question
};

void PrintTo(const QuestionCase& c, std::ostream* out) { *out << c.name; }

class RealWindowClose : public ::testing::Test {
protected:
    RealWindowClose() : app_(false) {}
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    CMainFrame& Frame() { return app_.Frame(); }

    qttest::AppOnQtHost app_;
};

class RealWindowQuestion : public RealWindowClose, public ::testing::WithParamInterface<QuestionCase> {};

// The question comes up during a dealt game; the key answers it No and the game goes on as it was.
TEST_P(RealWindowQuestion, EscAndTheCloseButtonAnswerNo) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    // The bidding bar has taken the keys (its button's focus comes with the next tick).
    const HWND bar = Frame().Prompts().PromptDialog;
    QWidget* barWidget = platform::QtHost::Current()->WidgetOf(bar);
    ASSERT_NE(barWidget, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return ::IsChild(bar, ::GetFocus()) && ActiveWindow() == barWidget->winId(); }, 10000));
    const int state = g_Game.FlowState;
    BoxKeyer keyer(GetParam().key, 8000);
    GetParam().ask(Frame());
    ASSERT_TRUE(PumpUntil([&] { return keyer.seen && platform::ActiveMessageBox() == nullptr; }, 20000));
    EXPECT_TRUE(keyer.typed) << "the question never became the active window: " << keyer.lastActive << " box "
                             << keyer.boxId;
    EXPECT_FALSE(keyer.stuck) << GetParam().key << " did not answer " << keyer.text;
    // No changes nothing: the program and its game are still there.
    EXPECT_TRUE(Frame().IsAlive());
    EXPECT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    EXPECT_EQ(g_Game.FlowState, state);
}

INSTANTIATE_TEST_SUITE_P(
    Questions, RealWindowQuestion,
    ::testing::Values(QuestionCase{"ExitByEsc", "Escape",
                                   [](CMainFrame& f) { ::PostMessage(f.Handle(), WM_CLOSE, 0, 0); }},
                      QuestionCase{"ExitByTheCloseButton", "alt+F4",
                                   [](CMainFrame& f) { ::PostMessage(f.Handle(), WM_CLOSE, 0, 0); }},
                      QuestionCase{"BreakMatchByEsc", "Escape",
                                   [](CMainFrame& f) { ::PostMessage(f.Handle(), WM_COMMAND, ID_ABORT_MATCH, 0); }},
                      QuestionCase{"BreakMatchByTheCloseButton", "alt+F4",
                                   [](CMainFrame& f) { ::PostMessage(f.Handle(), WM_COMMAND, ID_ABORT_MATCH, 0); }}),
    [](const ::testing::TestParamInfo<QuestionCase>& info) { return std::string(info.param.name); });

// The trick estimation window opened on an opponent's estimation asks first whether to reveal it;
// Esc says No, and the window shows the person's own.
TEST_F(RealWindowClose, EscAnswersNoToTheEstimationsRevealQuestion) {
    WriteProfileInt("View", "Player", 0);  // seat 0, an opponent, in the window's bits
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    BoxKeyer keyer("Escape", 8000);
    ::PostMessage(Frame().Handle(), WM_COMMAND, ID_LIST_TRICK_ESTIMATION, 0);
    ASSERT_TRUE(PumpUntil([&] { return keyer.seen && platform::ActiveMessageBox() == nullptr; }, 20000));
    EXPECT_TRUE(keyer.typed) << "the question never became the active window: " << keyer.lastActive << " box "
                             << keyer.boxId;
    EXPECT_FALSE(keyer.stuck) << "Escape did not answer " << keyer.text;
    EXPECT_EQ((g_Settings.View.Player >> 4) & 15, 2);
}

// The Game Data panel's close button: the panel stays open (and so comes back at the next start, as
// its setting says) and the main window has the keys.
TEST_F(RealWindowClose, ThePanelsCloseButtonKeepsItAndGivesTheKeysToTheMainWindow) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    Frame().SendMessage(WM_COMMAND, ID_LIST_DATA);
    const HWND panel = Frame().Panels().DataPanel;
    ASSERT_TRUE(::IsWindow(panel));
    QWidget* widget = platform::QtHost::Current()->WidgetOf(panel);
    ASSERT_NE(widget, nullptr);
    const unsigned long panelId = widget->winId();
    // The person clicks into the panel: it is the active window.
    realwindow::RealClick(widget, QPoint(widget->width() / 2, 4));
    ASSERT_TRUE(PumpUntil([&] { return ActiveWindow() == panelId; }, 10000));
    TypeKey("alt+F4");
    EXPECT_TRUE(PumpUntil([&] { return ::GetFocus() == Frame().Handle(); }, 10000)) << "focus " << ::GetFocus();
    qttest::PumpFor(300);
    EXPECT_TRUE(::IsWindow(panel));
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(g_Settings.View.ListData, 1);
}

}  // namespace
