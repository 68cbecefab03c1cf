// A window destroyed while its code still draws, in the Qt host: its surface (the image and its
// painter) stays, drawing nothing, until the last context is given back and the window's outermost
// handler has returned. Under the sanitizers a surface freed too early is a read of freed memory.
#include <gtest/gtest.h>

#include <functional>

#include "platform/core/DeviceContext.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

const Brush kGreen = Brush::Solid(Color{0, 128, 0});

// A window whose paint handler the test writes.
class PaintedWindow : public RecordingWindow {
public:
    std::function<void()> paint;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_PAINT && paint) {
            paint();
            return 0;
        }
        return RecordingWindow::WindowProc(message, wParam, lParam);
    }
};

class QtSurfaceLifetime : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {50, 40, 350, 240}));
        ASSERT_TRUE(qttest::CreateWindowOf(side, WindowKind::Overlapped, {400, 40, 600, 240}));
        frame.onMessage = [this](UINT message, WPARAM wParam, LPARAM) {
            if (message == WM_COMMAND && wParam == 7) DestroyWindow(side.Handle());
        };
    }

    QtHost host;
    RecordingWindow frame;
    PaintedWindow side;
};

TEST_F(QtSurfaceLifetime, ContextHeldAcrossTheDestructionIsKeptUntilReleased) {
    const HWND hwnd = side.Handle();
    DeviceContext* dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    dc->FillRect({0, 0, 10, 10}, kGreen);
    ASSERT_NE(host.SurfaceImage(hwnd), nullptr);

    SendMessage(frame.Handle(), WM_COMMAND, 7, 0);  // the window goes while the context is held
    ASSERT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(host.WidgetOf(hwnd), nullptr);
    EXPECT_TRUE(host.KeepsRetiredSurface(hwnd));
    EXPECT_TRUE(dc->Retired());

    const LogFont previous = dc->SelectFont(LogFont{"Arial", 12, 0, LogFont::kBold});
    dc->TextOut(1, 1, "late");
    dc->FillRect({0, 0, 20, 20}, kGreen);
    dc->SelectFont(previous);
    ReleaseDC(hwnd, dc);
    EXPECT_FALSE(host.KeepsRetiredSurface(hwnd));
}

TEST_F(QtSurfaceLifetime, PaintHandlerWhoseWindowGoesFinishesOnTheKeptSurface) {
    const HWND hwnd = side.Handle();
    bool keptAfterEndPaint = false;
    bool painted = false;
    side.paint = [&] {
        PaintInfo paint;
        DeviceContext* dc = WindowSystem::Instance().BeginPaint(hwnd, &paint);
        if (!dc) return;
        painted = true;
        dc->FillRect({0, 0, 10, 10}, kGreen);
        SendMessage(frame.Handle(), WM_COMMAND, 7, 0);  // the window goes meanwhile
        dc->SelectFont(LogFont{"Arial", 12, 0, LogFont::kBold});
        dc->TextOut(2, 2, "late");
        dc->FillRect({0, 0, 20, 20}, kGreen);
        WindowSystem::Instance().EndPaint(hwnd, &paint);
        // Still inside the handler: the surface is still there.
        keptAfterEndPaint = host.KeepsRetiredSurface(hwnd);
        dc->FillRect({0, 0, 30, 30}, kGreen);
    };
    InvalidateRect(hwnd, nullptr, true);
    ASSERT_TRUE(qttest::PumpUntil([&] { return painted; }));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(keptAfterEndPaint);
    EXPECT_FALSE(host.KeepsRetiredSurface(hwnd));
}

}  // namespace
