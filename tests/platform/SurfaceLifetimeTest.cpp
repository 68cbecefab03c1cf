// A window destroyed while its code still draws: the surface stays, drawing nothing, until the last
// context on it is given back and the window's outermost handler has returned. (Run under the
// sanitizers: a surface freed too early is a read of freed memory here.)
#include <gtest/gtest.h>

#include "EngineFixture.h"
#include "platform/core/DeviceContext.h"

namespace enginetest {
namespace {

using platform::Brush;
using platform::DeviceContext;
using platform::LogFont;

const Brush kGreen = Brush::Solid(platform::Rgb(0, 128, 0));

TEST(SurfaceLifetime, ContextHeldAcrossTheDestructionDrawsNothingAndGoesWithTheRelease) {
    World world;
    const HWND side = world.side.Handle();
    DeviceContext* dc = GetDC(side);
    ASSERT_NE(dc, nullptr);
    dc->FillRect({0, 0, 10, 10}, kGreen);
    const platform::RecordingDC* surface = world.host.Surface(side);
    ASSERT_EQ(surface, dc);

    // The holder waits (a send, a nested wait) and the window goes meanwhile.
    world.frame.OnCommand(7, [&] { DestroyWindow(side); });
    SendMessage(world.Frame(), WM_COMMAND, Command(7), 0);
    ASSERT_FALSE(IsWindow(side));
    EXPECT_EQ(world.host.RetiredSurface(side), surface);

    // What the holder still does is harmless and draws nothing.
    const LogFont previous = dc->SelectFont(LogFont{"Arial", 12, 0, LogFont::kBold});
    dc->TextOut(1, 1, "late");
    dc->FillRect({0, 0, 20, 20}, kGreen);
    EXPECT_EQ(surface->Records().size(), 1u);
    dc->SelectFont(previous);
    const int paintsBefore = world.host.PaintCount(side);
    ReleaseDC(side, dc);
    EXPECT_EQ(world.host.PaintCount(side), paintsBefore);  // nothing to show any more
    EXPECT_EQ(world.host.RetiredSurface(side), nullptr);
}

// Two contexts on one surface: the first release does not free it.
TEST(SurfaceLifetime, EveryHeldContextKeepsTheSurface) {
    World world;
    const HWND side = world.side.Handle();
    DeviceContext* first = GetDC(side);
    DeviceContext* second = GetDC(side);
    ASSERT_NE(first, nullptr);
    DestroyWindow(side);
    ReleaseDC(side, second);
    ASSERT_NE(world.host.RetiredSurface(side), nullptr);
    first->FillRect({0, 0, 5, 5}, kGreen);
    EXPECT_TRUE(world.host.RetiredSurface(side)->Records().empty());
    ReleaseDC(side, first);
    EXPECT_EQ(world.host.RetiredSurface(side), nullptr);
    ReleaseDC(side, first);  // one release too many is ignored
}

TEST(SurfaceLifetime, PaintHandlerWhoseWindowGoesFinishesOnTheKeptSurface) {
    World world;
    const HWND prompt = world.prompt->Handle();
    world.frame.OnCommand(7, [&] { DestroyWindow(prompt); });
    std::size_t recordsAfterDestruction = 99;
    bool keptAfterEndPaint = false;
    world.prompt->On(WM_PAINT, 0, [&, prompt](WPARAM, LPARAM) {
        PAINTSTRUCT paint;
        DeviceContext* dc = BeginPaint(prompt, &paint);
        if (!dc) return LRESULT{0};
        dc->FillRect({0, 0, 10, 10}, kGreen);
        SendMessage(world.Frame(), WM_COMMAND, Command(7), 0);  // the prompt goes meanwhile
        dc->SelectFont(LogFont{"Arial", 12, 0, LogFont::kBold});
        dc->FillRect({0, 0, 20, 20}, kGreen);
        dc->TextOut(2, 2, "late");
        recordsAfterDestruction = world.host.RetiredSurface(prompt)->Records().size();
        EndPaint(prompt, &paint);
        // The handler is still running: its surface is too.
        keptAfterEndPaint = world.host.RetiredSurface(prompt) != nullptr;
        dc->FillRect({0, 0, 30, 30}, kGreen);
        return LRESULT{0};
    });
    InvalidateRect(prompt, nullptr, true);
    world.host.PumpUntilIdle();

    EXPECT_EQ(recordsAfterDestruction, 1u);
    EXPECT_TRUE(keptAfterEndPaint);
    EXPECT_EQ(world.host.RetiredSurface(prompt), nullptr);
    EXPECT_EQ(world.promptDestructions, 1);
}

// An erase handler draws on the surface it was handed (no context of its own held) after its
// window went: the handler's run keeps it.
TEST(SurfaceLifetime, SurfaceHandedToAHandlerLastsUntilTheHandlerReturns) {
    World world;
    const HWND prompt = world.prompt->Handle();
    bool keptInside = false;
    world.prompt->On(WM_ERASEBKGND, 0, [&, prompt](WPARAM wParam, LPARAM) {
        auto* dc = reinterpret_cast<DeviceContext*>(wParam);
        DestroyWindow(prompt);
        if (dc) dc->FillRect({0, 0, 10, 10}, kGreen);
        keptInside = world.host.RetiredSurface(prompt) != nullptr;
        return LRESULT{1};
    });
    RedrawWindow(prompt, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_TRUE(keptInside);
    EXPECT_EQ(world.host.RetiredSurface(prompt), nullptr);
    EXPECT_EQ(world.promptDestructions, 1);
}


// A long self-play run drops the drawing: the surface measures text as the recording one does (the
// table lays out the same), yet keeps nothing, so memory stays flat game after game.
TEST(SurfaceLifetime, ADiscardingSurfaceMeasuresAlikeAndKeepsNothing) {
    World world;
    world.host.SetKeepDrawing(false);
    // A window made after the switch (the fixture's own windows drew while it was made).
    TestWindow later;
    later.Create(TopLevel(platform::WindowKind::Overlapped, "Later", {820, 320, 1020, 500}, world.Frame()));
    world.host.PumpUntilIdle();
    const HWND side = later.Handle();
    DeviceContext* dc = GetDC(side);
    ASSERT_NE(dc, nullptr);
    const LogFont font{"Arial", 12, 0, LogFont::kBold};
    const LogFont previous = dc->SelectFont(font);
    EXPECT_EQ(dc->GetTextExtent("Vh"), platform::RecordingDC::TextSize("Vh", font));
    dc->TextOut(1, 1, "Grand");
    dc->FillRect({0, 0, 10, 10}, kGreen);
    dc->SelectFont(previous);
    ASSERT_NE(world.host.Surface(side), nullptr);
    EXPECT_TRUE(world.host.Surface(side)->Records().empty());
    ReleaseDC(side, dc);
}

}  // namespace
}  // namespace enginetest
