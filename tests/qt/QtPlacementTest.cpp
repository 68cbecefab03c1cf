// A window fitted on the screen: its frame (title bar and borders) lies wholly inside the screen's
// free area, at its wanted size where that fits and shrunk where it does not, centred; and the
// offscreen platform frames nothing.

#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/qt/QtPlacement.h"

namespace {

struct FitCase {
    const char* what;
    QSize wanted;
    QRect available;
    QMargins decoration;
    QRect client;
};

TEST(QtPlacement, AWindowFittedOnTheScreenShowsItsWholeFrame) {
    const QMargins frame(4, 28, 4, 4);
    const FitCase cases[] = {
        {"fits: centred", {760, 560}, {0, 0, 1280, 1024}, frame, {260, 244, 760, 560}},
        {"lower than the help viewer: shrunk in height", {760, 560}, {0, 0, 1024, 576}, frame, {132, 28, 760, 544}},
        {"a 768-pixel screen with a panel", {500, 800}, {0, 24, 1024, 744}, frame, {262, 52, 500, 712}},
        {"narrower than the window", {1492, 1201}, {0, 0, 1280, 1024}, frame, {4, 28, 1272, 992}},
        {"a second screen to the right", {441, 742}, {1920, 0, 1024, 768}, frame, {2211, 28, 441, 736}},
        {"no frame", {441, 742}, {0, 0, 1024, 768}, QMargins(), {291, 13, 441, 742}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QRect client = platform::FittedOnScreen(c.wanted, c.available, c.decoration);
        EXPECT_EQ(client, c.client);
        EXPECT_TRUE(c.available.contains(client.marginsAdded(c.decoration)));
        EXPECT_LE(client.width(), c.wanted.width());
        EXPECT_LE(client.height(), c.wanted.height());
    }
}

// Unframed, the offscreen platform has no window manager to guess a title bar for; a shown window's
// frame is measured as the platform gives it.
TEST(QtPlacement, TheFrameIsMeasuredOnAShownWindow) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    EXPECT_TRUE(platform::WindowDecoration().isNull());
    QWidget window;
    window.setGeometry(100, 100, 300, 200);
    EXPECT_TRUE(platform::WindowDecoration(&window).isNull()) << "not shown: not framed";
    window.show();
    EXPECT_EQ(window.geometry().marginsAdded(platform::WindowDecoration(&window)), window.frameGeometry());
}

}  // namespace
