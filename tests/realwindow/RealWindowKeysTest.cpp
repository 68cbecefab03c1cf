// Where the keys go when the person plays by the keyboard alone, in real windows under openbox (keys
// typed through the X server with xdotool, the active window read from the window manager): with
// suggestions on, each trick is Return on the suggestion bar (the suggested card is chosen and the
// main window takes the keys) and Return on the table (the card is played); every trick of the game
// so (the last card goes by itself), and the result box that follows stays open, waiting for a key
// pressed after it is shown.

#include <cstdint>
#include <string>

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "flow/TrickPlay.h"
#include "dialogs/ResultDialog.h"
#include "flow/FrameGlobals.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/QtHost.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "qt/QtTestSupport.h"
#include "realwindow/PersonsTurn.h"
#include "realwindow/RealWindowSupport.h"

namespace {

using qttest::PumpFor;
using qttest::PumpUntil;
using realwindow::ActiveWindow;
using realwindow::TypeKey;

constexpr int kPersonSeat = 2;

// Watches, from inside the modal loops, for the result box: notes when it opened and, when it is
// still open a while later, ends it (a test cannot pump while the box runs its own loop).
class ResultBoxWatch : public platform::Window {
public:
    void Start(std::int64_t keepOpenMs) {
        keepOpen = keepOpenMs;
        Create(platform::CreateParams{});
        SetTimer(1, 50);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_TIMER) return platform::Window::WindowProc(message, wParam, lParam);
        const auto& loops = platform::WindowSystem::Instance().ModalLoops();
        auto* box = loops.empty() ? nullptr : dynamic_cast<CResultDialog*>(loops.back());
        const std::int64_t now = platform::WindowSystem::Instance().Now();
        if (box && !seen) {
            seen = box;
            openedAt = now;
        } else if (seen && box != seen && !ended) {
            ended = true;  // answered by something else
        } else if (box && box == seen && !ended && now - openedAt >= keepOpen) {
            stayedOpen = true;
            ended = true;
            box->EndDialog(IDCANCEL);
        }
        return 0;
    }
    std::int64_t keepOpen = 0;
    platform::Window* seen = nullptr;
    std::int64_t openedAt = 0;
    bool ended = false;
    bool stayedOpen = false;
};

class RealWindowKeys : public ::testing::Test {
protected:
    // Suggestions on (their default); a full trick goes on by itself at once.
    RealWindowKeys() : app_(false) {
        WriteProfileInt("Options", "Suggest", 1);
        WriteProfileInt("Options", "Continue", 1);
    }
    void SetUp() override { ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    CMainFrame& Frame() { return app_.Frame(); }
    const CCards& Person() { return Frame().GameObject().PersonsHand(); }
    QWidget* WidgetOf(HWND hwnd) { return platform::QtHost::Current()->WidgetOf(hwnd); }
    bool HoldsTheKeys(HWND window) {
        const HWND focus = ::GetFocus();
        return focus == window || ::IsChild(window, focus);
    }
    int CardsInHand() {
        int count = 0;
        for (int slot = 0; slot < Person().capacity; ++slot) count += Person().present[slot] ? 1 : 0;
        return count;
    }

    qttest::AppOnQtHost app_;
};

TEST_F(RealWindowKeys, EveryTrickByReturnAndReturnThenTheResultBoxStaysOpen) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Deal();
    if (HasFatalFailure()) return;
    realwindow::AnswerBarsUntilThePersonsCard(Frame());
    if (HasFatalFailure()) return;
    const unsigned long mainId = app_.Widget()->winId();
    ResultBoxWatch watch;
    watch.Start(1500);

    for (int trick = 1; trick <= 11; ++trick) {
        SCOPED_TRACE("trick " + std::to_string(trick));
        // The suggestion bar holds the keys at the person's turn, and openbox has made it active.
        ASSERT_TRUE(PumpUntil(
            [&] {
                const HWND bar = Frame().Prompts().KontraPrompt;
                return watch.seen || (Frame().FrameTrickPlay().PersonMayPlay() && ::IsWindow(bar) && HoldsTheKeys(bar) &&
                                      QApplication::activeWindow() == WidgetOf(bar));
            },
            20000))
            << "focus " << ::GetFocus() << " bar " << Frame().Prompts().KontraPrompt << " state " << g_Game.FlowState
            << " may play " << Frame().FrameTrickPlay().PersonMayPlay() << " cards " << CardsInHand() << " result box "
            << (watch.seen != nullptr);
        // The last card, the only one left, goes to the trick by itself.
        if (watch.seen) {
            EXPECT_GE(trick, 10);
            break;
        }
        const int cardsBefore = CardsInHand();

        // 1. Return on the bar: the suggested card is chosen, and the main window takes the keys.
        TypeKey("Return");
        ASSERT_TRUE(PumpUntil([this] { return Frame().TrickPlay().SelectedSlot >= 0; }, 10000));
        const int suggested = Person().cards[Frame().TrickPlay().SelectedSlot];
        ASSERT_TRUE(IsCardCode(suggested));
        EXPECT_TRUE(PumpUntil(
            [&] {
                return ::GetFocus() == Frame().Handle() && QApplication::activeWindow() == app_.Widget() &&
                       ActiveWindow() == mainId;
            },
            10000))
            << "focus " << ::GetFocus() << " frame " << Frame().Handle() << " active " << ActiveWindow();

        // 2. Return on the table plays it.
        TypeKey("Return");
        ASSERT_TRUE(PumpUntil([&] { return CardsInHand() == cardsBefore - 1 || watch.seen; }, 10000))
            << "the second Return went to " << ::GetFocus();
        if (!watch.seen) {
            EXPECT_EQ(Frame().GameObject().Trick().cards[kPersonSeat], suggested);
            // The trick goes on by itself; the person's next turn comes round.
            ASSERT_TRUE(PumpUntil([&] { return !Frame().FrameTrickPlay().PersonMayPlay() || watch.seen; }, 10000));
        }
    }

    // The game's end: the result box opens and no key of the play answers it.
    ASSERT_TRUE(PumpUntil([&] { return watch.ended; }, 30000)) << "state " << g_Game.FlowState;
    EXPECT_TRUE(watch.stayedOpen) << "the result box was answered";
}

}  // namespace
