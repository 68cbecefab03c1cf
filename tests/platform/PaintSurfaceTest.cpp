// The headless host's retained surfaces: paints and drawing outside paint land on the window's
// recording surface, a paint is clipped to what needs painting, and no drawing state leaks out.
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "platform/core/DeviceContext.h"

namespace enginetest {
namespace {

using platform::Brush;
using platform::DrawKind;
using platform::Rect;

TEST(PaintSurface, PaintDrawsOnTheWindowSurfaceClippedToTheUpdateRect) {
    World world;
    world.view.On(WM_PAINT, 0, [&](WPARAM, LPARAM) {
        PAINTSTRUCT paint;
        platform::DeviceContext* dc = BeginPaint(world.view.Handle(), &paint);
        EXPECT_NE(dc, nullptr);
        if (dc) {
            dc->FillRect({0, 0, 800, 600}, Brush::Solid(platform::Rgb(0, 128, 0)));
            dc->SetTextColor(platform::Rgb(255, 0, 0));
        }
        EndPaint(world.view.Handle(), &paint);
        return LRESULT{0};
    });
    const Rect dirty{10, 20, 110, 70};
    InvalidateRect(world.view.Handle(), &dirty, false);
    world.host.PumpUntilIdle();

    platform::RecordingDC* surface = world.host.Surface(world.view.Handle());
    ASSERT_NE(surface, nullptr);
    auto fills = surface->RecordsOfKind(DrawKind::Fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].visible, dirty);
    EXPECT_TRUE(fills[0].clipped);
    // The paint's clip and colours are gone afterwards: drawing outside paint sees the whole window.
    platform::DeviceContext* dc = GetDC(world.view.Handle());
    ASSERT_EQ(dc, surface);
    EXPECT_EQ(dc->GetClipBox(), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(dc->GetTextColor(), platform::Rgb(0, 0, 0));
    ReleaseDC(world.view.Handle(), dc);
}

TEST(PaintSurface, SurfacesArePerWindowAndFollowTheWindow) {
    World world;
    platform::DeviceContext* view = GetDC(world.view.Handle());
    platform::DeviceContext* side = GetDC(world.side.Handle());
    ASSERT_NE(view, nullptr);
    ASSERT_NE(side, nullptr);
    EXPECT_NE(view, side);
    side->FillRect({0, 0, 5, 5}, Brush::Solid(platform::Rgb(1, 2, 3)));
    ReleaseDC(world.side.Handle(), side);
    ReleaseDC(world.view.Handle(), view);
    EXPECT_TRUE(world.host.Surface(world.view.Handle())->Records().empty());
    EXPECT_EQ(world.host.Surface(world.side.Handle())->Records().size(), 1u);

    MoveWindow(world.side.Handle(), 820, 0, 300, 100, false);
    platform::DeviceContext* moved = GetDC(world.side.Handle());
    EXPECT_EQ(moved, side);  // resized in place: a held pointer stays good
    EXPECT_EQ(moved->GetClipBox(), (Rect{0, 0, 300, 100}));
    ReleaseDC(world.side.Handle(), moved);

    DestroyWindow(world.side.Handle());
    EXPECT_EQ(world.host.Surface(world.side.Handle()), nullptr);
}

}  // namespace
}  // namespace enginetest
