// Windows in the Qt host: widgets mirror our windows (place, size, title, visibility, enabled
// state), show their retained surfaces, and the person's resizing and closing come back as ours.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include "platform/core/Cursor.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

constexpr Color kGreen{0, 128, 0};

// A view that paints its whole client area green, as the table does.
class GreenView : public RecordingWindow {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_PAINT) return RecordingWindow::WindowProc(message, wParam, lParam);
        messages.push_back({Handle(), message, wParam, lParam, 0});
        PaintInfo paint;
        if (DeviceContext* dc = WindowSystem::Instance().BeginPaint(Handle(), &paint))
            dc->FillRect(ClientRect(), Brush::Solid(kGreen));
        WindowSystem::Instance().EndPaint(Handle(), &paint);
        return 0;
    }
};

QColor PixelOf(QWidget* widget, int x, int y) {
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

class QtHostWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {50, 40, 350, 240}));
        ASSERT_TRUE(qttest::CreateWindowOf(view, WindowKind::Child, {10, 20, 210, 170}, frame.Handle()));
        ASSERT_TRUE(qttest::PumpUntil([&] { return view.Count(WM_PAINT) > 0; }));
    }

    QtHost host;
    RecordingWindow frame;
    GreenView view;
};

TEST_F(QtHostWindow, WidgetsMirrorWindowGeometry) {
    QWidget* top = host.WidgetOf(frame.Handle());
    QWidget* child = host.WidgetOf(view.Handle());
    ASSERT_NE(top, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(top->isWindow());
    EXPECT_EQ(child->parentWidget(), top);
    EXPECT_EQ(top->geometry(), QRect(50, 40, 300, 200));
    EXPECT_EQ(child->geometry(), QRect(10, 20, 200, 150));
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(host.WindowOf(child), view.Handle());

    MoveWindow(view.Handle(), 0, 0, 280, 190, true);
    frame.SetWindowText("Kartovan+");
    EXPECT_EQ(child->geometry(), QRect(0, 0, 280, 190));
    EXPECT_EQ(top->windowTitle(), QStringLiteral("Kartovan+"));
    EnableWindow(frame.Handle(), false);
    EXPECT_FALSE(top->isEnabled());
    ShowWindow(frame.Handle(), SW_HIDE);
    EXPECT_FALSE(top->isVisible());
}

// What the window painted through the drawing interface is what its widget shows; drawing
// outside a paint shows too.
TEST_F(QtHostWindow, SurfaceShowsInWidget) {
    QWidget* child = host.WidgetOf(view.Handle());
    EXPECT_EQ(PixelOf(child, 100, 100), QColor(0, 128, 0));
    DeviceContext* dc = GetDC(view.Handle());
    ASSERT_NE(dc, nullptr);
    dc->FillRect({5, 5, 25, 25}, Brush::Solid({200, 0, 0}));
    ReleaseDC(view.Handle(), dc);
    qttest::PumpFor(20);
    EXPECT_EQ(PixelOf(child, 15, 15), QColor(200, 0, 0));
    EXPECT_EQ(PixelOf(child, 40, 40), QColor(0, 128, 0));
    // The frame's own widget shows the view where it lies.
    EXPECT_EQ(PixelOf(host.WidgetOf(frame.Handle()), 10 + 15, 20 + 15), QColor(200, 0, 0));
}

// A paint of two areas apart shows the surface in each of them, the red square cut by both, and
// touches nothing between or around them.
TEST_F(QtHostWindow, APaintOfTwoAreasShowsTheSurfaceInBothAndNothingElse) {
    DeviceContext* dc = GetDC(view.Handle());
    ASSERT_NE(dc, nullptr);
    dc->FillRect({5, 5, 125, 125}, Brush::Solid({200, 0, 0}));
    ReleaseDC(view.Handle(), dc);
    QWidget* child = host.WidgetOf(view.Handle());
    const QColor unpainted(255, 0, 255);
    QImage shown(child->size(), QImage::Format_RGB32);
    shown.fill(unpainted);
    const QRegion areas = QRegion(0, 0, 20, 150) + QRegion(100, 10, 40, 10);
    child->render(&shown, QPoint(), areas, QWidget::DrawChildren);
    struct Case {
        int x, y;
        QColor colour;
    };
    for (const Case& c :
         {Case{4, 4, QColor(0, 128, 0)}, Case{5, 5, QColor(200, 0, 0)}, Case{19, 124, QColor(200, 0, 0)},
          Case{19, 125, QColor(0, 128, 0)}, Case{19, 149, QColor(0, 128, 0)}, Case{100, 10, QColor(200, 0, 0)},
          Case{124, 19, QColor(200, 0, 0)}, Case{125, 19, QColor(0, 128, 0)}, Case{139, 19, QColor(0, 128, 0)},
          Case{20, 10, unpainted}, Case{60, 15, unpainted}, Case{99, 15, unpainted}, Case{140, 15, unpainted},
          Case{110, 20, unpainted}, Case{110, 9, unpainted}, Case{21, 149, unpainted}})
        EXPECT_EQ(shown.pixelColor(c.x, c.y), c.colour) << c.x << "," << c.y;
}

// The frame and its view show the same surfaces whether they have the focus, are active or are
// disabled under a modal dialog: the focus moving, another window activated and the frame again,
// the frame disabled and enabled paint neither of them again. What the view draws still shows.
TEST_F(QtHostWindow, FocusActivationAndDisablingPaintNoSurfaceAgain) {
    RecordingWindow other;
    ASSERT_TRUE(qttest::CreateWindowOf(other, WindowKind::Overlapped, {400, 300, 500, 400}));
    ShowWindow(other.Handle(), SW_SHOW);
    SetActiveWindow(frame.Handle());
    SetFocus(frame.Handle());
    qttest::PumpFor(30);
    QWidget* frameWidget = host.WidgetOf(frame.Handle());
    QWidget* viewWidget = host.WidgetOf(view.Handle());
    qttest::PaintCount framePaints(frameWidget);
    qttest::PaintCount viewPaints(viewWidget);

    SetFocus(view.Handle());
    qttest::PumpFor(20);
    EXPECT_TRUE(viewWidget->hasFocus());
    SetFocus(frame.Handle());
    qttest::PumpFor(20);
    EXPECT_TRUE(frameWidget->hasFocus());
    SetActiveWindow(other.Handle());
    qttest::PumpUntil([&] { return !frameWidget->isActiveWindow(); });
    EXPECT_FALSE(frameWidget->isActiveWindow());
    SetActiveWindow(frame.Handle());
    qttest::PumpUntil([&] { return frameWidget->isActiveWindow(); });
    EXPECT_TRUE(frameWidget->isActiveWindow());
    EnableWindow(frame.Handle(), false);
    qttest::PumpFor(20);
    EXPECT_FALSE(viewWidget->isEnabled());
    EnableWindow(frame.Handle(), true);
    qttest::PumpFor(20);
    EXPECT_TRUE(viewWidget->isEnabled());
    EXPECT_EQ(framePaints.paints, 0);
    EXPECT_EQ(viewPaints.paints, 0);

    DeviceContext* dc = GetDC(view.Handle());
    ASSERT_NE(dc, nullptr);
    dc->FillRect({5, 5, 25, 25}, Brush::Solid({200, 0, 0}));
    ReleaseDC(view.Handle(), dc);
    qttest::PumpFor(20);
    EXPECT_EQ(viewPaints.paints, 1);
    EXPECT_EQ(PixelOf(viewWidget, 15, 15), QColor(200, 0, 0));
    EXPECT_EQ(PixelOf(viewWidget, 100, 100), QColor(0, 128, 0));
}

// A window that grows gets a larger surface; the new part is painted by the window and shown.
TEST_F(QtHostWindow, GrownWindowShowsNewArea) {
    MoveWindow(view.Handle(), 0, 0, 290, 195, true);
    const int paints = view.Count(WM_PAINT);
    ASSERT_TRUE(qttest::PumpUntil([&] { return view.Count(WM_PAINT) > paints; }));
    qttest::PumpFor(20);
    EXPECT_EQ(PixelOf(host.WidgetOf(view.Handle()), 285, 190), QColor(0, 128, 0));
    ASSERT_NE(host.SurfaceImage(view.Handle()), nullptr);
    EXPECT_EQ(host.SurfaceImage(view.Handle())->deviceIndependentSize().toSize(), QSize(290, 195));
}

// A surface held by the program (between GetDC and ReleaseDC) stays the same object through a
// resize and takes the new size once released.
TEST_F(QtHostWindow, HeldSurfaceSurvivesResize) {
    DeviceContext* held = GetDC(view.Handle());
    ASSERT_NE(held, nullptr);
    MoveWindow(view.Handle(), 0, 0, 260, 180, false);
    held->FillRect({0, 0, 10, 10}, Brush::Solid({0, 0, 255}));  // still a live context
    EXPECT_EQ(host.SurfaceImage(view.Handle())->deviceIndependentSize().toSize(), QSize(200, 150));
    ReleaseDC(view.Handle(), held);
    EXPECT_EQ(host.SurfaceImage(view.Handle())->deviceIndependentSize().toSize(), QSize(260, 180));
    // What was drawn stays.
    EXPECT_EQ(host.SurfaceImage(view.Handle())->pixelColor(5, 5), QColor(0, 0, 255));
}

// The person resizes the top-level widget: our window gets the new rectangle and WM_SIZE.
TEST_F(QtHostWindow, PersonResizingMovesOurWindow) {
    host.WidgetOf(frame.Handle())->resize(320, 230);
    ASSERT_TRUE(qttest::PumpUntil([&] { return frame.WindowRect().Width() == 320; }));
    EXPECT_EQ(frame.WindowRect().Height(), 230);
    const Message* size = nullptr;
    for (const auto& m : frame.messages)
        if (m.message == WM_SIZE) size = &m;
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->lParam, MAKELPARAM(320, 230));
}

// The person minimises, maximises and restores the top-level widget: our window takes each state
// and gets WM_SIZE with its size type.
TEST_F(QtHostWindow, PersonMinimisingAndRestoringSendsTheSizeTypes) {
    QWidget* top = host.WidgetOf(frame.Handle());
    std::vector<WPARAM> types;
    frame.onMessage = [&types](UINT message, WPARAM wParam, LPARAM) {
        if (message == WM_SIZE) types.push_back(wParam);
    };
    top->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(qttest::PumpUntil([&] { return IsIconic(frame.Handle()); }));
    top->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(qttest::PumpUntil([&] { return IsZoomed(frame.Handle()); }));
    top->setWindowState(Qt::WindowNoState);
    ASSERT_TRUE(qttest::PumpUntil([&] { return !IsZoomed(frame.Handle()); }));
    EXPECT_FALSE(IsIconic(frame.Handle()));
    ASSERT_GE(types.size(), 3u);
    EXPECT_EQ(types.front(), SIZE_MINIMIZED);
    EXPECT_NE(std::find(types.begin(), types.end(), SIZE_MAXIMIZED), types.end());
    EXPECT_EQ(types.back(), SIZE_RESTORED);
}

// A window's cursor is its widget's cursor: the pointing hand or the arrow.
TEST_F(QtHostWindow, WindowCursorIsTheWidgetsCursor) {
    QWidget* widget = host.WidgetOf(view.Handle());
    SetCursor(view.Handle(), LoadCursor(SYSTEM_CURSOR_HAND));
    EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
    SetCursor(view.Handle(), LoadCursor(SYSTEM_CURSOR_ARROW));
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
}

// Closing the widget asks our window through the queue; it closes by its own handler, and the
// widget goes with it. A disabled window (under a modal dialog) is not closed.
TEST_F(QtHostWindow, CloseGoesThroughOurWindow) {
    EnableWindow(frame.Handle(), false);
    host.WidgetOf(frame.Handle())->close();
    qttest::PumpFor(30);
    EXPECT_EQ(frame.Count(WM_CLOSE), 0);
    EnableWindow(frame.Handle(), true);
    host.WidgetOf(frame.Handle())->close();
    EXPECT_EQ(frame.Count(WM_CLOSE), 0);  // not inside Qt's delivery
    ASSERT_TRUE(qttest::PumpUntil([&] { return !frame.IsAlive(); }));
    EXPECT_EQ(frame.Count(WM_CLOSE), 1);
    EXPECT_EQ(host.WidgetOf(frame.Handle()), nullptr);
    EXPECT_EQ(host.WidgetOf(view.Handle()), nullptr);
}

}  // namespace
