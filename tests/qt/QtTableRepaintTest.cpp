// The card table on the screen: a card moved many times between two looks of Qt is drawn once and
// the window repaints once, only around where the card was and where it lies, not its whole
// surface; what the screen then shows is the card at its new place.
#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

#include "platform/core/WindowApi.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"
#include "tavlo/CardPictures.h"
#include "tavlo/Tavlo.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

// Counts the paints Qt gives a widget and gathers the areas they cover.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
    QRegion painted;
};

class QtTableRepaint : public ::testing::Test {
protected:
    void SetUp() override {
        tavlo::ResetAll();
        tavlo::SetCardPictures(&pictures);
        ASSERT_TRUE(qttest::CreateWindowOf(window, WindowKind::Overlapped, {0, 0, 600, 400}));
        table = window.Handle();
        WC_NewCardDeck(table);
    }
    void TearDown() override {
        tavlo::ResetAll();
        tavlo::SetCardPictures(nullptr);
    }

    QtHost host;
    CardPictureStore pictures;
    RecordingWindow window;
    HWND table = nullptr;
};

TEST_F(QtTableRepaint, AMovedCardRepaintsOnceAndOnlyAroundIt) {
    QWidget* widget = host.WidgetOf(table);
    ASSERT_NE(widget, nullptr);
    WC_ExposeCard(table, 24, 1);
    WC_DealCard(table, 24, 50, 60);
    qttest::PumpFor(150);
    const int width = WC_GetCardWidth(table, 24), height = WC_GetCardHeight(table, 24);
    ASSERT_GT(width, 0);

    PaintWatch watch(widget);
    for (int step = 1; step <= 20; ++step) WC_Slide(table, 24, 50 + 10 * step, 60, 0, 0);
    qttest::PumpFor(150);

    EXPECT_EQ(watch.paints, 1);
    // Where the card was and where it lies, a pixel around for a scaled screen; not the window.
    const QRect around = QRect(50, 60, 200 + width, height).adjusted(-2, -2, 2, 2);
    EXPECT_TRUE(around.contains(watch.painted.boundingRect()))
        << "painted " << watch.painted.boundingRect().x() << "," << watch.painted.boundingRect().y() << " "
        << watch.painted.boundingRect().width() << "x" << watch.painted.boundingRect().height();
    // The surface shows the card where it lies now: its middle is not the window's background.
    const QImage* surface = host.SurfaceImage(table);
    ASSERT_NE(surface, nullptr);
    const QColor background = surface->pixelColor(590, 390);
    EXPECT_NE(surface->pixelColor(250 + width / 2, 60 + height / 2), background);
}

}  // namespace
