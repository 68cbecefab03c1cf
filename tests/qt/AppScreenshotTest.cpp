// Screenshots of the real program on the Qt host: the application object starts its frame and view
// (InitInstance), the program's own wiring puts the bars around the frame, New deals a seeded game
// with every delay 0, and the frame's widget is grabbed once the auction waits for the person. The checks
// are what a person sees: the green table, the person's ten cards face up at the bottom, the
// computers' backs, the menu bar and the status bar in the edition's language.
//
// With KARTOVAN_TEST_PNG_DIR set, every screenshot is written there as a PNG to look at.

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QWidget>

#include <gtest/gtest.h>

#include "computer/evaluation/ComputerState.h"
#include "flow/FrameTexts.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardKnowledge.h"
#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "model/Skat.h"
#include "platform/qt/QtFrameBars.h"
#include "tavlo/CardPictures.h"
#include "tavlo/Tavlo.h"

namespace {

const platform::Color kTableGreen{0, 128, 0};

struct ScreenshotCase {
    const char* name;
    bool german;
    int width, height;      // the frame's widget, bars included
    const char* firstMenu;  // the bar's first title in the edition
};

void PrintTo(const ScreenshotCase& c, std::ostream* out) { *out << c.name; }

// Share of the pixels in a rectangle of the image that satisfy `test`.
template <typename Test>
double Share(const QImage& image, const QRect& area, Test test) {
    const QRect inside = area.intersected(image.rect());
    if (inside.isEmpty()) return 0;
    int hits = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) hits += test(qttest::At(image, x, y)) ? 1 : 0;
    return double(hits) / double(inside.width() * inside.height());
}

bool IsPaper(platform::Color c) { return c.red > 225 && c.green > 225 && c.blue > 225; }
bool IsTable(platform::Color c) { return c == kTableGreen; }

class AppScreenshotTest : public ::testing::TestWithParam<ScreenshotCase> {
protected:
    AppScreenshotTest() : app_(GetParam().german) {}

    // Starts the program, gives it a desktop on which its widget is exactly width x height, deals a
    // seeded game up to START and takes the screenshot.
    void DealOnScreenOf(int width, int height) {
        app_.Start(width, height);
        if (HasFatalFailure()) return;
        app_.Deal();
        if (HasFatalFailure()) return;
        widget_ = app_.Widget();
        margins_ = app_.Margins();
        shot_ = app_.Shot(GetParam().name);
    }

    // A card's rectangle in the screenshot: the view fills the frame's client area, inside the
    // bars' margins.
    QRect CardInShot(int card) const {
        const HWND table = g_Frame.hTableWnd;
        return {margins_.left() + WC_GetCardX(table, card), margins_.top() + WC_GetCardY(table, card),
                WC_GetCardWidth(table, card), WC_GetCardHeight(table, card)};
    }

    qttest::AppOnQtHost app_;
    QWidget* widget_ = nullptr;
    QMargins margins_;
    QImage shot_;
};

TEST_P(AppScreenshotTest, DealtTableShowsTheHandsTheBarsAndTheEditionsMenu) {
    const ScreenshotCase& c = GetParam();
    DealOnScreenOf(c.width, c.height);
    if (HasFatalFailure()) return;
    ASSERT_EQ(shot_.size(), QSize(c.width, c.height));
    const QRect client(margins_.left(), margins_.top(), c.width - margins_.left() - margins_.right(),
                       c.height - margins_.top() - margins_.bottom());

    // The table green dominates the client area.
    EXPECT_GT(Share(shot_, client, IsTable), 0.5);

    // The person's ten cards lie face up, side by side, in the bottom part of the table.
    CMainFrame& frame = app_.Frame();
    const CCards& person = frame.GameObject().PersonsHand();
    ASSERT_EQ(person.count, 10);
    int faceUp = 0;
    for (std::size_t slot = 0; slot < person.cards.size(); ++slot) {
        if (!person.present[slot]) continue;
        const int card = person.cards[slot];
        ASSERT_TRUE(WC_IsCardDealt(g_Frame.hTableWnd, card)) << card;
        const QRect area = CardInShot(card);
        EXPECT_GT(area.top(), client.top() + client.height() / 2) << card;
        EXPECT_LE(area.bottom(), client.bottom()) << card;
        // A face is mostly white paper with some ink; the table shows only in its rounded corners.
        const double paper = Share(shot_, area, IsPaper);
        EXPECT_LT(Share(shot_, area, IsTable), 0.01) << card;
        EXPECT_TRUE(IsTable(qttest::At(shot_, area.left(), area.top()))) << card;
        EXPECT_TRUE(IsTable(qttest::At(shot_, area.right(), area.bottom()))) << card;
        if (paper > 0.35 && paper < 0.97) ++faceUp;
    }
    EXPECT_EQ(faceUp, 10);

    // The computers' hands show backs: the hand's last card, put down last and lying on top of the
    // others, is neither paper nor table.
    for (int seat : {0, 1}) {
        const CCards& hand = frame.GameObject().Hand(seat);
        ASSERT_EQ(hand.count, 10) << seat;
        int top = 0;
        for (std::size_t slot = 0; slot < hand.present.size(); ++slot)
            if (hand.present[slot]) top = hand.cards[slot];
        ASSERT_TRUE(WC_IsCardDealt(g_Frame.hTableWnd, top)) << seat;
        const QRect inner = CardInShot(top).adjusted(6, 6, -6, -6);
        EXPECT_LT(Share(shot_, inner, IsPaper), 0.3) << seat;
        EXPECT_LT(Share(shot_, inner, IsTable), 0.05) << seat;
        EXPECT_LT(inner.bottom(), client.top() + client.height() * 3 / 4) << seat;
    }

    // The bars: a menu bar with the edition's seven titles above, a status bar with the rule below.
    const platform::QtFrameBars* bars = platform::FrameBarsOf(frame.Handle());
    ASSERT_NE(bars, nullptr);
    ASSERT_NE(bars->MenuBar(), nullptr);
    ASSERT_NE(bars->StatusBarWidget(), nullptr);
    EXPECT_TRUE(bars->MenuBar()->isVisible());
    EXPECT_TRUE(bars->StatusBarWidget()->isVisible());
    EXPECT_LE(bars->MenuBar()->geometry().bottom(), margins_.top());
    EXPECT_GE(bars->StatusBarWidget()->geometry().top(), client.bottom());
    const QList<QAction*> titles = bars->MenuBar()->actions();
    ASSERT_EQ(titles.size(), 7);
    EXPECT_EQ(titles.front()->text().toStdString(), c.firstMenu);
    EXPECT_EQ(frame.Table().StatusBar.PaneText(2), frame.Texts().RuleText);
    EXPECT_FALSE(frame.Texts().RuleText.empty());
}

INSTANTIATE_TEST_SUITE_P(Editions, AppScreenshotTest,
                         ::testing::Values(ScreenshotCase{"en_1024x768", false, 1024, 768, "&Match"},
                                           ScreenshotCase{"ge_1024x768", true, 1024, 768, "Se&rie"},
                                           ScreenshotCase{"en_1600x1200", false, 1600, 1200, "&Match"},
                                           ScreenshotCase{"ge_1600x1200", true, 1600, 1200, "Se&rie"},
                                           ScreenshotCase{"en_1920x1200", false, 1920, 1200, "&Match"},
                                           ScreenshotCase{"ge_1920x1200", true, 1920, 1200, "Se&rie"}),
                         [](const ::testing::TestParamInfo<ScreenshotCase>& info) { return std::string(info.param.name); });

}  // namespace
