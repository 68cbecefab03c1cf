// The frame's bars lie around its client area: the frame's widget grows by them, and our window
// system keeps the frame's rectangle, its client coordinates and its children where they were.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/core/WindowApi.h"
#include "QtMenusFixture.h"

using namespace platform;
using namespace qttest;

namespace {

constexpr int kButtons[] = {kNewGame, 0, kLog};

class QtMenusLayout : public FrameBarsTest {
protected:
    void SetUp() override {
        FrameBarsTest::SetUp();
        ASSERT_TRUE(model.SetPanes({{0, true}, {44, false}}));
        FrameBarsSpec request = BarsRequest();
        request.toolbarIds = kButtons;
        request.statusBar = &model;
        ASSERT_TRUE(AttachFrameBars(frame.Handle(), request));
        bars = FrameBarsOf(frame.Handle());
        ASSERT_NE(bars, nullptr);
        top = bars->MenuBar()->height() + bars->ToolBar()->height();
        bottom = bars->StatusBarWidget()->height();
        widget = host.WidgetOf(frame.Handle());
    }

    StatusBar model;
    QtFrameBars* bars = nullptr;
    QWidget* widget = nullptr;
    int top = 0;
    int bottom = 0;
};

TEST_F(QtMenusLayout, BarsAroundClientArea) {
    ASSERT_GT(bars->MenuBar()->height(), 0);
    ASSERT_GT(bars->ToolBar()->height(), 0);
    ASSERT_GT(bottom, 0);
    EXPECT_EQ(frame.WindowRect(), kFrameRect);
    EXPECT_EQ(widget->geometry(), QRect(100, 80 - top, 400, 300 + top + bottom));
    EXPECT_EQ(host.WidgetOf(view.Handle())->geometry(), QRect(0, top, 400, 300));
    EXPECT_EQ(bars->MenuBar()->geometry(), QRect(0, 0, 400, bars->MenuBar()->height()));
    EXPECT_EQ(bars->ToolBar()->geometry().top(), bars->MenuBar()->height());
    EXPECT_EQ(bars->StatusBarWidget()->geometry(), QRect(0, top + 300, 400, bottom));

    // Our side moves and resizes the frame and its view: the bars follow around them.
    MoveWindow(frame.Handle(), 50, 200, 600, 400, true);
    MoveWindow(view.Handle(), 10, 20, 100, 100, true);
    EXPECT_EQ(widget->geometry(), QRect(50, 200 - top, 600, 400 + top + bottom));
    EXPECT_EQ(host.WidgetOf(view.Handle())->geometry(), QRect(10, 20 + top, 100, 100));
    EXPECT_EQ(bars->StatusBarWidget()->geometry(), QRect(0, top + 400, 600, bottom));
}

// The person resizes the widget: the frame's rectangle is the widget less the bars.
TEST_F(QtMenusLayout, PersonResizingReportsClientArea) {
    widget->resize(500, 350 + top + bottom);
    ASSERT_TRUE(PumpUntil([&] { return frame.WindowRect().Width() == 500; }));
    EXPECT_EQ(frame.WindowRect(), (Rect{100, 80, 600, 430}));
    EXPECT_EQ(bars->StatusBarWidget()->geometry(), QRect(0, top + 350, 500, bottom));
}

// A click on the frame's own client area arrives in client coordinates, not the widget's.
TEST_F(QtMenusLayout, MouseInClientCoordinates) {
    MoveWindow(view.Handle(), 0, 0, 50, 50, true);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(200, top + 150), QPointF(widget->mapToGlobal(QPoint(200, top + 150))),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    ASSERT_TRUE(PumpUntil([&] { return frame.Count(WM_LBUTTONDOWN) > 0; }));
    const Message* down = frame.First(WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(down->lParam), 200);
    EXPECT_EQ(GET_Y_LPARAM(down->lParam), 150);
}

// A new menu keeps the client area; attaching again replaces the bars.
TEST_F(QtMenusLayout, RebuildAndReattachKeepClientArea) {
    static constexpr MenuItemTemplate kBar[] = {{kLog, "&Log"}};
    bars->RebuildMenu({128, kBar});
    EXPECT_EQ(frame.WindowRect(), kFrameRect);
    EXPECT_EQ(host.WidgetOf(view.Handle())->geometry().size(), QSize(400, 300));

    FrameBarsSpec menuOnly = BarsRequest();
    ASSERT_TRUE(AttachFrameBars(frame.Handle(), menuOnly));
    QtFrameBars* again = FrameBarsOf(frame.Handle());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ToolBar(), nullptr);
    EXPECT_EQ(again->StatusBarWidget(), nullptr);
    const int menuHeight = again->MenuBar()->height();
    EXPECT_EQ(widget->geometry(), QRect(100, 80 - menuHeight, 400, 300 + menuHeight));
    EXPECT_EQ(host.WidgetOf(view.Handle())->geometry(), QRect(0, menuHeight, 400, 300));
    EXPECT_EQ(frame.WindowRect(), kFrameRect);
}

// The frame's accelerators come before the menu bar's Alt mnemonics; other keys are left to Qt.
TEST_F(QtMenusLayout, AcceleratorKeysOverrideMenuMnemonics) {
    static constexpr Accelerator kKeys[] = {{'G', ACCEL_ALT, kLog}};
    static constexpr AcceleratorTable kTable{128, kKeys};
    FrameBarsSpec request = BarsRequest();
    request.accelerators = &kTable;
    ASSERT_TRUE(AttachFrameBars(frame.Handle(), request));
    QKeyEvent altG(QEvent::ShortcutOverride, Qt::Key_G, Qt::AltModifier, QStringLiteral("g"));
    QKeyEvent altV(QEvent::ShortcutOverride, Qt::Key_V, Qt::AltModifier, QStringLiteral("v"));
    altG.ignore();
    altV.ignore();
    QApplication::sendEvent(widget, &altG);
    QApplication::sendEvent(widget, &altV);
    EXPECT_TRUE(altG.isAccepted());
    EXPECT_FALSE(altV.isAccepted());
}

}  // namespace
