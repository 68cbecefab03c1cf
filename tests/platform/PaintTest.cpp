// The painting model beyond the engine cases: hidden windows, careless handlers, the paint rectangle.
#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace enginetest {
namespace {

TEST(Paint, HiddenWindowsWaitAndShowingPaintsThem) {
    World world;
    ShowWindow(world.side.Handle(), SW_HIDE);
    world.host.PumpUntilIdle();
    world.host.Trace().Clear();
    InvalidateRect(world.side.Handle(), nullptr, false);
    world.host.PumpUntilIdle();
    EXPECT_EQ(world.Trace(), "");
    ShowWindow(world.side.Handle(), SW_SHOWNA);
    world.host.PumpUntilIdle();
    EXPECT_EQ(world.Trace(), "0 0 D side WM_PAINT 0\n0 1 S side WM_ERASEBKGND 0\n");
}

TEST(Paint, HandlerThatNeverValidatesGetsOnePaint) {
    World world;
    int paints = 0;
    world.view.On(WM_PAINT, 0, [&](WPARAM, LPARAM) { ++paints; return LRESULT{0}; });
    InvalidateRect(world.view.Handle(), nullptr, true);
    world.host.PumpUntilIdle();
    EXPECT_EQ(paints, 1);
}

TEST(Paint, InvalidatingWhilePaintingAsksForAnotherPaint) {
    World world;
    int paints = 0;
    world.view.On(WM_PAINT, 0, [&](WPARAM, LPARAM) {
        PAINTSTRUCT paint;
        BeginPaint(world.view.Handle(), &paint);
        if (++paints == 1) InvalidateRect(world.view.Handle(), nullptr, false);
        EndPaint(world.view.Handle(), &paint);
        return LRESULT{0};
    });
    InvalidateRect(world.view.Handle(), nullptr, false);
    world.host.PumpUntilIdle();
    EXPECT_EQ(paints, 2);
    EXPECT_GE(world.host.PaintCount(world.view.Handle()), 2);
}

TEST(Paint, PaintRectangleIsTheBoundOfTheInvalidParts) {
    World world;
    platform::Rect seen;
    bool erase = true;
    world.view.On(WM_ERASEBKGND, 0, [](WPARAM, LPARAM) { return LRESULT{0}; });  // did not erase
    world.view.On(WM_PAINT, 0, [&](WPARAM, LPARAM) {
        PAINTSTRUCT paint;
        BeginPaint(world.view.Handle(), &paint);
        seen = paint.paintRect;
        erase = paint.erase;
        EndPaint(world.view.Handle(), &paint);
        return LRESULT{0};
    });
    const platform::Rect a{10, 10, 20, 20}, b{50, 5, 60, 15}, outside{790, 590, 900, 700};
    InvalidateRect(world.view.Handle(), &a, true);
    InvalidateRect(world.view.Handle(), &b, false);
    InvalidateRect(world.view.Handle(), &outside, false);
    world.host.PumpUntilIdle();
    EXPECT_EQ(seen, (platform::Rect{10, 5, 800, 600}));  // clipped to the client area
    EXPECT_TRUE(erase);
    platform::Rect left;
    EXPECT_FALSE(GetUpdateRect(world.view.Handle(), &left));
}

TEST(Paint, EraseNowErasesAndLeavesThePaintQueued) {
    World world;
    RedrawWindow(world.view.Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    world.host.PumpUntilIdle();
    EXPECT_EQ(world.Trace(), "0 0 S view WM_ERASEBKGND 0\n0 0 D view WM_PAINT 0\n");
}

}  // namespace
}  // namespace enginetest
