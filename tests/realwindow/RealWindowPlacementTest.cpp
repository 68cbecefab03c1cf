// Where windows open, in real windows under openbox: the trick estimation's control panel is part of
// the estimation window, at the top of its client area under the title bar, not a window of its own
// laid over the estimation window. The first Ramsch bar after everybody passed under the variant
// rules (the Ramsch skat bar, taking or passing on the skat) is its template's one-row strip, laid
// over the table where the auction bar lay, inside the main window.

#include "flow/FrameAuction.h"
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <typeinfo>

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include "dialogs/AnswerDialogs.h"
#include "dialogs/ModelessDialog.h"
#include "dialogs/RamschBars.h"
#include "flow/FrameGlobals.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/PromptBars.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "platform/core/DialogTemplate.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtWindowWidget.h"
#include "qt/AppOnQtHost.h"
#include "qt/QtTestSupport.h"
#include "qt/QtTextFits.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/CommandIds.h"
#include "tavlo/Tavlo.h"
#include "windows/TrickEstimation.h"
#include "windows/TrickEstimationDialog.h"

namespace {

using qttest::PumpUntil;

TEST(RealWindowPlacement, TheEstimationPanelSitsAtTheTopOfItsWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    qttest::AppOnQtHost app(false);
    // The person's own estimation (seat 2 in the window's bits of the setting): no question first.
    WriteProfileInt("View", "Player", (2 << 4) | 2);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    app.Frame().SendMessage(WM_COMMAND, ID_LIST_TRICK_ESTIMATION);
    CTrickEstimation* estimation = app.Frame().FramePanels().TrickEstimationWindow();
    ASSERT_NE(estimation, nullptr);
    ASSERT_NE(estimation->PanelDialog(), nullptr);
    auto& host = *platform::QtHost::Current();
    QWidget* window = host.WidgetOf(estimation->Handle());
    QWidget* panel = host.WidgetOf(estimation->PanelDialog()->Handle());
    ASSERT_NE(window, nullptr);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return window->isVisible() && panel->isVisible(); }, 10000));
    // Inside the estimation window, at the top left of its client area, across the sheet.
    EXPECT_FALSE(panel->isWindow());
    ASSERT_EQ(panel->window(), window);
    const QMargins bars = dynamic_cast<const platform::QtWindowWidget&>(*window).ClientMargins();
    EXPECT_EQ(panel->mapTo(window, QPoint(0, 0)), QPoint(bars.left(), bars.top()));
    EXPECT_GT(panel->width(), 200);
    // The window manager stacks the estimation window with its title bar; the panel is no window
    // of its own laid over it.
    EXPECT_GE(realwindow::StackIndex(realwindow::Stacking(), window->winId()), 0);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible() && host.WindowOf(top) == estimation->PanelDialog()->Handle());
}

// The first bar of a Ramsch after everybody passed, in each edition. The seed deals hands on which
// both computers pass after the person.
struct RamschBarCase {
    const char* name;
    bool german;
};

void PrintTo(const RamschBarCase& c, std::ostream* out) { *out << c.name; }

constexpr std::uint32_t kAllPassSeed = 1;

class RealWindowRamschBar : public ::testing::TestWithParam<RamschBarCase> {};

TEST_P(RealWindowRamschBar, TheFirstRamschBarIsAStripWhereTheAuctionBarLay) {
    const RamschBarCase& c = GetParam();
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    qttest::AppOnQtHost app(c.german);
    WriteProfileInt("Variants", "Ramsch", 1);
    WriteProfileInt("Variants", "PassOn", 1);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    CMainFrame& frame = app.Frame();
    auto& host = *platform::QtHost::Current();
    // The person picks the variant rules, under which a game everybody passes is a Ramsch.
    frame.SendMessage(WM_COMMAND, ID_SKAT_VARIANT);
    ASSERT_EQ(g_Game.VariantMode, VARIANT_SKAT);
    SeedRand(kAllPassSeed);
    frame.SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(PumpUntil([&] { return frame.FrameAuction().IsAuctionBarOpen(); }, 60000));
    QWidget* auction = host.WidgetOf(frame.Prompts().PromptDialog);
    ASSERT_NE(auction, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return auction->isVisible() && auction->windowHandle()->isExposed(); }, 10000));
    const QRect auctionPlace = auction->frameGeometry();
    // The notice that a Ramsch follows is answered as it opens; any other message means a computer
    // took the game, and the seed no longer deals a passed-out game.
    bool noticeSeen = false;
    std::string otherMessage;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        const HWND message = frame.MessageDialog();
        if (!message) return;
        const platform::Window* shown = ::WindowFromHandle(message);
        if (dynamic_cast<const CPassedVariantDialog*>(shown)) noticeSeen = true;
        else otherMessage = ::GetWindowText(message) + " " + (shown ? typeid(*shown).name() : "");
        ::PostMessage(message, WM_COMMAND, IDC_OK, 0);
    });
    answerer.start(50);
    ::SendMessage(frame.Prompts().PromptDialog, WM_COMMAND, BTN_PASS, 0);
    auto ramschBar = [&]() -> CModelessDialog* { return OpenBarAs<CSkatRamschDialog>(frame); };
    ASSERT_TRUE(PumpUntil([&] { return ramschBar() != nullptr || !otherMessage.empty(); }, 60000));
    ASSERT_EQ(otherMessage, "") << "seed " << kAllPassSeed << " no longer deals a game everybody passes";
    EXPECT_TRUE(noticeSeen);
    CModelessDialog* bar = ramschBar();
    ASSERT_NE(bar, nullptr);
    QWidget* strip = host.WidgetOf(bar->Handle());
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(PumpUntil([&] { return strip->isVisible() && strip->windowHandle() && strip->windowHandle()->isExposed(); },
                          10000));
    qttest::PumpFor(200);
    answerer.stop();
    const QRect place = strip->frameGeometry();
    const QRect mainWindow = app.Widget()->frameGeometry();
    const std::string where = "bar " + qttest::textfits::Box(place) + ", auction bar " +
                              qttest::textfits::Box(auctionPlace) + ", main window " + qttest::textfits::Box(mainWindow);
    realwindow::Capture(app.Widget()->winId(), std::string("ramsch-bar-") + c.name);
    // Its template's one row inside the strip's thin border: as high as the auction bar, whose
    // template row is as high, and no wider than the template (the suggestion buttons may be cut).
    const QMargins border = dynamic_cast<const platform::QtWindowWidget&>(*strip).ClientMargins();
    const QRect client = strip->geometry().marginsRemoved(border);
    const platform::Rect laidOut = bar->MapDialogRect(platform::FindDialog(CSkatRamschDialog::kTemplateId)->rect);
    EXPECT_EQ(client.height(), laidOut.Height()) << where;
    EXPECT_EQ(place.height(), auctionPlace.height()) << where;
    EXPECT_LE(client.width(), laidOut.Width()) << where;
    // Where the auction bar lay: at its height, centred over the main window, inside it.
    EXPECT_EQ(place.top(), auctionPlace.top()) << where;
    EXPECT_LE(std::abs(place.center().x() - mainWindow.center().x()), 1) << where;
    EXPECT_TRUE(mainWindow.contains(place)) << where;
    // Below the person's hand, clear of every card he holds.
    QWidget* table = host.WidgetOf(g_Frame.hTableWnd);
    ASSERT_NE(table, nullptr);
    const CCards& person = frame.GameObject().PersonsHand();
    for (int slot = 0; slot < person.capacity; ++slot) {
        if (!person.present[slot]) continue;
        const int card = person.cards[slot];
        const QRect drawn(table->mapToGlobal(QPoint(WC_GetCardX(g_Frame.hTableWnd, card), WC_GetCardY(g_Frame.hTableWnd, card))),
                          QSize(WC_GetCardWidth(g_Frame.hTableWnd, card), WC_GetCardHeight(g_Frame.hTableWnd, card)));
        EXPECT_FALSE(drawn.intersects(place)) << "card " << card << " at " << qttest::textfits::Box(drawn) << ", " << where;
    }
    // And where the program placed it: the window manager kept the rectangle it was given.
    const platform::Rect given = bar->WindowRect();
    EXPECT_EQ(client, QRect(given.left, given.top, given.Width(), given.Height())) << where;
}

INSTANTIATE_TEST_SUITE_P(FirstBars, RealWindowRamschBar,
                         ::testing::Values(RamschBarCase{"English", false}, RamschBarCase{"German", true}),
                         [](const ::testing::TestParamInfo<RamschBarCase>& info) { return std::string(info.param.name); });

}  // namespace
