// Cards on a screen scaled twice, in real windows under openbox: a dealt card captured from the X
// server by its window's id is drawn in the screen's pixels, not as the unscaled picture with every
// pixel doubled. In a card's index corner (the rank and suit the person reads) and on a computer
// player's back, not every 2 x 2 block of screen pixels is one colour. The screen's scale is fixed
// when the application starts, so the test runs itself again with the scale set.

#include <string>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <gtest/gtest.h>

#include "flow/FrameGlobals.h"
#include "flow/MainFrame.h"
#include "model/Skat.h"
#include "platform/qt/QtHost.h"
#include "qt/AppOnQtHost.h"
#include "qt/QtScaledTwice.h"
#include "qt/QtSettled.h"
#include "realwindow/RealWindowSupport.h"
#include "model/Settings.h"
#include "platform/core/Bitmap.h"
#include "qt/QtTestImages.h"
#include "tavlo/Tavlo.h"

namespace {

// Whether every 2 x 2 block of the area (even corners on the capture) is of one colour: what a
// picture made for the unscaled screen and doubled looks like.
bool EveryBlockOneColour(const QImage& shot, const QRect& area) {
    for (int y = area.top() & ~1; y + 1 <= area.bottom() && y + 1 < shot.height(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right() && x + 1 < shot.width(); x += 2) {
            const QRgb corner = shot.pixel(x, y);
            if (shot.pixel(x + 1, y) != corner || shot.pixel(x, y + 1) != corner || shot.pixel(x + 1, y + 1) != corner)
                return false;
        }
    }
    return true;
}

// The card's place on the capture of the frame, in the screen's pixels: the table window's place in
// the frame and the card's place on the table, both doubled.
QRect CardOnCapture(QWidget* frame, QWidget* table, int card) {
    const HWND hTable = g_Frame.hTableWnd;
    const QPoint origin = table->mapTo(frame, QPoint(0, 0)) + QPoint(WC_GetCardX(hTable, card), WC_GetCardY(hTable, card));
    return QRect(2 * origin, 2 * QSize(WC_GetCardWidth(hTable, card), WC_GetCardHeight(hTable, card)));
}

// The top left quarter of a card, where its index stands, inside the rounded corner.
QRect IndexCorner(const QRect& card) {
    return QRect(card.topLeft() + QPoint(6, 6), QSize(card.width() / 4, card.height() / 4));
}

// Share of the opaque pixels of the picture inside `area` (a part of the card on the capture, whose
// top left corner is the card's) that the capture shows unchanged: a picture made in the screen's
// pixels is laid there pixel for pixel.
double ShareAsPictured(const QImage& shot, const QRect& card, const QRect& area, const platform::Bitmap& picture) {
    int opaque = 0, same = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int px = x - card.left(), py = y - card.top();
            if (!picture.Contains(px, py) || picture.Alpha(px, py) != 255) continue;
            ++opaque;
            same += qttest::At(shot, x, y) == picture.GetPixel(px, py) ? 1 : 0;
        }
    return opaque == 0 ? 0.0 : double(same) / opaque;
}

// Whether another of the program's windows (the bidding bar) lies over the area of the frame's
// capture: the capture shows that window there.
bool Covered(QWidget* frame, const QRect& onCapture) {
    const QRect onScreen(frame->mapToGlobal(onCapture.topLeft() / 2), onCapture.size() / 2);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != frame && window->isVisible() && window->frameGeometry().intersects(onScreen)) return true;
    return false;
}

TEST(RealWindowScaledCards, ADealtCardIsDrawnInTheScreensPixels) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    if (qttest::RanAgainScaledTwice("RealWindowScaledCards.ADealtCardIsDrawnInTheScreensPixels")) return;

    qttest::AppOnQtHost app(false);
    // Small enough that the doubled window lies whole on the virtual screen.
    app.Start(600, 460);
    if (::testing::Test::HasFatalFailure()) return;
    app.Deal();
    if (::testing::Test::HasFatalFailure()) return;
    QWidget* frame = app.Widget();
    QWidget* table = platform::QtHost::Current()->WidgetOf(g_Frame.hTableWnd);
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(qttest::PumpUntilSettled());
    qttest::PumpFor(200);  // shown by the X server
    const QImage shot = realwindow::Capture(frame->winId(), "xcb-scaled-cards");
    ASSERT_EQ(shot.size(), 2 * frame->size());

    // The person's cards, face up: each index corner in sight has detail finer than a doubled pixel.
    const CCards& person = app.Frame().GameObject().PersonsHand();
    ASSERT_EQ(person.count, 10);
    int seen = 0;
    for (std::size_t slot = 0; slot < person.cards.size(); ++slot) {
        if (!person.present[slot]) continue;
        const int card = person.cards[slot];
        const QRect corner = IndexCorner(CardOnCapture(frame, table, card));
        ASSERT_TRUE(shot.rect().contains(corner)) << card;
        if (Covered(frame, corner)) continue;
        ++seen;
        EXPECT_FALSE(EveryBlockOneColour(shot, corner)) << "card " << card << " is the unscaled picture doubled";
        // Nor the unscaled picture smoothed as it grows: the picture in the screen's pixels, as made.
        const QRect place = CardOnCapture(frame, table, card);
        const platform::Bitmap* picture = app.Pictures().Face(g_Settings.View.CardFace, card, {place.width(), place.height()});
        ASSERT_NE(picture, nullptr) << card;
        EXPECT_GT(ShareAsPictured(shot, place, corner, *picture), 0.99) << "card " << card;
    }
    EXPECT_GE(seen, 2);
    // The computer players' cards show their backs, made for the screen's pixels too.
    int backs = 0;
    for (int seat : {0, 1}) {
        const CCards& computer = app.Frame().GameObject().Hand(seat);
        for (std::size_t slot = 0; slot < computer.cards.size(); ++slot) {
            if (!computer.present[slot]) continue;
            const QRect back = CardOnCapture(frame, table, computer.cards[slot]).intersected(shot.rect());
            if (back.isEmpty() || Covered(frame, back)) continue;
            ++backs;
            EXPECT_FALSE(EveryBlockOneColour(shot, back)) << "back of card " << computer.cards[slot];
        }
    }
    EXPECT_GE(backs, 1);
}

}  // namespace
