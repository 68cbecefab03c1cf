// The score sheet and the cards assignment of the real program on the Qt host, in both editions
// and at both sizes, with a few games booked: the window is not blank, the score sheet's tinted
// seat cells show their tint, the stored deals show their suit symbols, every text stands where
// the recording surface puts it, and the full size is taller than the compact one.
//
// With KARTOVAN_TEST_PNG_DIR set, every screenshot is written there as a PNG to look at.

#include <ostream>
#include "flow/FramePanels.h"
#include <string>
#include <vector>

#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtCutTextRuns.h"
#include "QtScaledTwice.h"
#include "QtSettled.h"
#include "QtShotChecks.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/StoreRows.h"
#include "match/WindowSections.h"
#include "model/Skat.h"
#include "platform/core/SystemMenu.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtWindowWidget.h"
#include "resources/CommandIds.h"
#include "windows/Score.h"
#include "windows/Store.h"
#include "support/FrameGameAccess.h"

namespace {

struct EditionCase {
    const char* name;
    bool german;
};
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

struct Game {
    int soloist, score;
    const char* text;
};

class QtListWindowsTest : public ::testing::TestWithParam<EditionCase> {
protected:
    QtListWindowsTest() : app_(GetParam().german) {}

    // Books the games with one fixed deal each: the Jack and Queen of Clubs in the skat, the other
    // cards of all four suits in the hands, so that black and red suit symbols are drawn.
    void Book(const std::vector<Game>& games) {
        g_GameList.Header.SetText(LIST_TITLE, 56, "Spielliste\nScoresheet");
        g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
        CSkat& game = FrameGameAccess::Game(app_.Frame());
        std::vector<int> others;
        for (int base : {0, 13, 26, 39})
            for (int v : {1, 7, 8, 9, 10, 11, 12, 13})
                if (base + v != 11 && base + v != 12) others.push_back(base + v);
        for (const Game& booked : games) {
            const int skat[2] = {11, 12};
            game.SetDeal(others.data(), skat);
            g_Game.GameCount += 1;
            g_Game.StoreCount += 1;
            g_Game.Soloist = booked.soloist;
            g_Game.Leader = 0;
            g_Game.GameType = 0;
            AddGameToList(booked.score, booked.text, 3);
            CStore::AddDeal(1, game);
        }
    }

    // Opens the list window of `command` and waits until it has painted; null when it did not open.
    template <class ListWindow>
    ListWindow* OpenList(int command) {
        app_.Frame().SendMessage(WM_COMMAND, command);
        EXPECT_TRUE(qttest::PumpUntilSettled());
        return dynamic_cast<ListWindow*>(::WindowFromHandle(app_.Frame().FramePanels().SideWindow(command)));
    }

    // The window's client area as the screen shows it, in the screen's pixels.
    QImage ClientShot(HWND window, const std::string& name) const {
        auto* widget = dynamic_cast<platform::QtWindowWidget*>(app_.Host().WidgetOf(window));
        if (!widget) return QImage();
        const QImage whole = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QMargins m = widget->ClientMargins() * whole.devicePixelRatio();
        const QImage client = whole.copy(whole.rect().marginsRemoved(m));
        qttest::SaveForViewing(client, std::string("lists-") + GetParam().name + "-" + name);
        return client;
    }

    // The window's sizes in the order the window menu's size item switches them: the first switch
    // after opening gives the full height.
    static constexpr const char* kSizes[] = {"full", "compact"};

    qttest::AppOnQtHost app_;
};

const std::vector<Game> kGames = {{0, 24, "Gd24"}, {1, -48, "Gr24"}, {2, 24, "+2HdSnGd24"}, {0, -24, "Gd24"}};

TEST_P(QtListWindowsTest, TheScoreSheetShowsItsTintsAndTextsAtBothSizes) {
    app_.Start(1280, 1024);
    if (HasFatalFailure()) return;
    Book(kGames);
    auto* window = OpenList<CScore>(ID_LIST_SCORE);
    ASSERT_NE(window, nullptr);
    // Highlight tints the seat cells of every game and of the settlement.
    ::SendMessage(window->Handle(), platform::WM_SYSCOMMAND, ID_SCORE_HIGHLIGHT, 0);
    ASSERT_TRUE(window->Highlight);

    int fullHeight = 0;
    for (const char* size : kSizes) {
        SCOPED_TRACE(size);
        ::SendMessage(window->Handle(), platform::WM_SYSCOMMAND, ID_SCORE_OPTIMIZE, 0);
        EXPECT_TRUE(qttest::PumpUntilSettled());
        const QImage shot = ClientShot(window->Handle(), std::string("score-") + size);
        qttest::ExpectNotBlank(shot);
        const auto records = qttest::RecordAsShot(shot, [&](platform::DeviceContext& dc) {
            window->DrawList(dc, window->HorizontalOffset(), window->VerticalOffset() + 10);
        });
        const qttest::ShotAgreement seen = qttest::ExpectShotFollowsRecording(shot, records);
        qttest::ExpectNoStrayInk(shot, records);
        // Four games and the settlement, three seat cells each, less the cells left untinted.
        EXPECT_GE(seen.tints, 9);
        if (fullHeight == 0) fullHeight = shot.height();
        else EXPECT_LT(shot.height(), fullHeight);
    }
}

TEST_P(QtListWindowsTest, TheCardsAssignmentShowsItsSymbolsAndTextsAtBothSizes) {
    app_.Start(1280, 1024);
    if (HasFatalFailure()) return;
    Book(kGames);
    auto* window = OpenList<CStore>(ID_LIST_STORE);
    ASSERT_NE(window, nullptr);

    int fullHeight = 0;
    for (const char* size : kSizes) {
        SCOPED_TRACE(size);
        ::SendMessage(window->Handle(), platform::WM_SYSCOMMAND, ID_SCORE_OPTIMIZE, 0);
        EXPECT_TRUE(qttest::PumpUntilSettled());
        const QImage shot = ClientShot(window->Handle(), std::string("cards-") + size);
        qttest::ExpectNotBlank(shot);
        const auto records = qttest::RecordAsShot(shot, [&](platform::DeviceContext& dc) {
            window->DrawList(dc, window->HorizontalOffset(), window->VerticalOffset() + 6);
        });
        qttest::ExpectShotFollowsRecording(shot, records);
        qttest::ExpectNoStrayInk(shot, records);
        // Each deal's 32 cards carry a suit of one to three shapes: the four deals fit both sizes.
        EXPECT_GE(qttest::ExpectShapesShown(shot, records), 4 * 32);
        if (fullHeight == 0) fullHeight = shot.height();
        else EXPECT_LT(shot.height(), fullHeight);
    }
}

// Every text the two lists draw stands whole in the box it is drawn in, the cards assignment's
// date and time among them, on screens scaled once and twice.
TEST_P(QtListWindowsTest, EveryTextStandsWholeInItsBox) {
    const std::string name = std::string("Editions/QtListWindowsTest.EveryTextStandsWholeInItsBox/") + GetParam().name;
    if (qttest::RanAgainScaledTwice(name)) {
        if (HasFailure()) return;
    }
    app_.Start(1280, 1024);
    if (HasFatalFailure()) return;
    Book(kGames);
    for (const int list : {ID_LIST_SCORE, ID_LIST_STORE}) {
        auto* window = OpenList<CSideWindow>(list);
        ASSERT_NE(window, nullptr);
        const platform::Rect client = window->ClientRect();
        QImage surface(client.Width(), client.Height(), QImage::Format_RGB32);
        surface.fill(Qt::white);
        qttest::CutTextRuns dc(surface);
        if (list == ID_LIST_SCORE) dynamic_cast<CScore&>(*window).DrawList(dc, 0, 10);
        else dynamic_cast<CStore&>(*window).DrawList(dc, 0, 6);
        dc.Finish();
        EXPECT_GT(dc.runs, 10) << list;
        EXPECT_TRUE(dc.cut.empty()) << list << " " << qttest::ScaleName() << qttest::Listed(dc.cut);
        qttest::SaveForViewing(surface, std::string("lists-") + GetParam().name + "-drawn-" + std::to_string(list) +
                                            "-" + qttest::ScaleName());
    }
}

// The pointer over a stored deal darkens its band and keeps what lay beneath; on to the next deal
// the band left shows again exactly as before, on screens scaled once and twice: every pixel of
// the small cards and texts, not the band's units doubled.
TEST_P(QtListWindowsTest, ABandLeftByThePointerShowsItsDealAsBefore) {
    const std::string name =
        std::string("Editions/QtListWindowsTest.ABandLeftByThePointerShowsItsDealAsBefore/") + GetParam().name;
    if (qttest::RanAgainScaledTwice(name)) {
        if (HasFailure()) return;
    }
    app_.Start(1280, 1024);
    if (HasFatalFailure()) return;
    Book(kGames);
    auto* window = OpenList<CStore>(ID_LIST_STORE);
    ASSERT_NE(window, nullptr);
    // The newest deals are in view: the first deal whose band is seen whole, and the next one.
    const int dx = window->HorizontalOffset(), dy = window->VerticalOffset();
    int deal = 1;
    while (32 + 92 * (deal - 1) - dy < 0) ++deal;
    ASSERT_LT(deal, static_cast<int>(kGames.size()));
    const int top = 32 + 92 * (deal - 1) - dy;
    const QImage before = ClientShot(window->Handle(), "band-before-" + qttest::ScaleName());
    // The band, in the shot's pixels.
    const qreal ratio = before.devicePixelRatio();
    const QRect band(QPoint(qRound((52 - dx) * ratio), qRound(top * ratio)),
                     QPoint(qRound((442 - dx) * ratio) - 1, qRound((top + 72) * ratio) - 1));
    ASSERT_TRUE(before.rect().contains(band));

    ::SendMessage(window->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100 - dx, top + 28));
    EXPECT_TRUE(qttest::PumpUntilSettled());
    ASSERT_EQ(window->HighlightedDeal, deal);
    const QImage highlighted = ClientShot(window->Handle(), "band-highlighted-" + qttest::ScaleName());
    EXPECT_NE(highlighted.copy(band), before.copy(band)) << "the band is darkened";

    ::SendMessage(window->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100 - dx, top + 28 + 92));
    EXPECT_TRUE(qttest::PumpUntilSettled());
    ASSERT_EQ(window->HighlightedDeal, deal + 1);
    const QImage after = ClientShot(window->Handle(), "band-after-" + qttest::ScaleName());
    int differing = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) differing += after.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0) << qttest::ScaleName() << ": pixels of deal " << deal << "'s band changed";
}

INSTANTIATE_TEST_SUITE_P(Editions, QtListWindowsTest,
                         ::testing::Values(EditionCase{"german", true}, EditionCase{"english", false}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace
