// A window's own scroll bars take their strip from the window rectangle, keep a clamped range and
// position, and ScrollWindow moves the retained pixels and repaints only what they uncovered. Also
// the smaller window properties that go with them: a fixed size, a tooltip, bitmap resources by id
// and whether a context prints.
#include <gtest/gtest.h>

#include <vector>

#include "EngineFixture.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/headless/RecordingDC.h"
#include "resources/Editions.h"
#include "resources/ids.h"

namespace enginetest {
namespace {

using platform::DrawKind;
using platform::Rect;
using platform::Size;

// A side window that notes the client size each WM_SIZE reports.
struct SizedWindow {
    World world;
    std::vector<Size> sizes;

    SizedWindow() {
        world.side.On(WM_SIZE, 0, [this](WPARAM, LPARAM lParam) {
            sizes.push_back({LOWORD(static_cast<std::uintptr_t>(lParam)), HIWORD(static_cast<std::uintptr_t>(lParam))});
            return LRESULT{0};
        });
    }
    HWND Side() const { return world.side.Handle(); }
    Rect Client() const {
        Rect client;
        GetClientRect(Side(), &client);
        return client;
    }
};

TEST(OwnScrollBars, ShownBarsTakeTheirStripFromTheClientArea) {
    SizedWindow window;  // 200 x 300
    ASSERT_TRUE(ShowScrollBar(window.Side(), SB_VERT, true));
    EXPECT_EQ(window.Client(), (Rect{0, 0, 183, 300}));
    ASSERT_TRUE(ShowScrollBar(window.Side(), SB_HORZ, true));
    EXPECT_EQ(window.Client(), (Rect{0, 0, 183, 283}));
    // The window keeps its rectangle; only the client shrank, and the window heard of each change.
    Rect outer;
    GetWindowRect(window.Side(), &outer);
    EXPECT_EQ(outer, (Rect{820, 0, 1020, 300}));
    EXPECT_EQ(window.sizes, (std::vector<Size>{{183, 300}, {183, 283}}));
    // The retained surface follows the client area.
    platform::DeviceContext* dc = GetDC(window.Side());
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->GetClipBox(), (Rect{0, 0, 183, 283}));
    ReleaseDC(window.Side(), dc);

    // Showing a shown bar again changes nothing; hiding both gives the whole rectangle back.
    ASSERT_TRUE(ShowScrollBar(window.Side(), SB_VERT, true));
    EXPECT_EQ(window.sizes.size(), 2u);
    ASSERT_TRUE(ShowScrollBar(window.Side(), SB_BOTH, false));
    EXPECT_EQ(window.Client(), (Rect{0, 0, 200, 300}));
    EXPECT_EQ(window.sizes.back(), (Size{200, 300}));

    // A resize reports the client size, not the window's.
    ShowScrollBar(window.Side(), SB_HORZ, true);
    MoveWindow(window.Side(), 820, 0, 400, 200, false);
    EXPECT_EQ(window.sizes.back(), (Size{400, 183}));
}

TEST(OwnScrollBars, AWindowSmallerThanTheBarsHasAnEmptyClient) {
    SizedWindow window;
    MoveWindow(window.Side(), 0, 0, 10, 12, false);
    ShowScrollBar(window.Side(), SB_BOTH, true);
    EXPECT_EQ(window.Client(), (Rect{0, 0, 0, 0}));
}

TEST(OwnScrollBars, RangesAndPositionsAreClamped) {
    struct Case {
        const char* what;
        int minimum, maximum;  // given
        int position;          // asked for afterwards
        int wantMaximum, wantPosition;
    };
    const Case cases[] = {
        {"a plain range", 0, 500, 120, 500, 120},
        {"beyond the end", 0, 500, 900, 500, 500},
        {"before the start", 10, 500, -3, 500, 10},
        {"a maximum below the minimum is an empty range", 0, -40, 7, 0, 0},
        {"the log's negative range for a short text", 0, 14 * (3 - 20 + 1), 5, 0, 0},
        {"one position", 3, 3, 4, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SizedWindow window;
        ASSERT_TRUE(SetScrollRange(window.Side(), SB_VERT, c.minimum, c.maximum, true));
        SetScrollPos(window.Side(), SB_VERT, c.position, true);
        int minimum = -1;
        int maximum = -1;
        ASSERT_TRUE(GetScrollRange(window.Side(), SB_VERT, &minimum, &maximum));
        EXPECT_EQ(minimum, c.minimum);
        EXPECT_EQ(maximum, c.wantMaximum);
        EXPECT_EQ(GetScrollPos(window.Side(), SB_VERT), c.wantPosition);
        // The other bar is untouched.
        EXPECT_EQ(GetScrollPos(window.Side(), SB_HORZ), 0);
    }
}

TEST(OwnScrollBars, ShrinkingTheRangePullsThePositionIn) {
    SizedWindow window;
    SetScrollRange(window.Side(), SB_HORZ, 0, 300, false);
    EXPECT_EQ(SetScrollPos(window.Side(), SB_HORZ, 250, false), 0);
    SetScrollRange(window.Side(), SB_HORZ, 0, 100, false);
    EXPECT_EQ(GetScrollPos(window.Side(), SB_HORZ), 100);
    EXPECT_EQ(SetScrollPos(window.Side(), SB_HORZ, 40, false), 100) << "returns the previous position";
}

TEST(OwnScrollBars, CallsOnNoWindowOrNoBarFail) {
    SizedWindow window;
    int minimum = 0;
    int maximum = 0;
    EXPECT_FALSE(ShowScrollBar(nullptr, SB_VERT, true));
    EXPECT_FALSE(SetScrollRange(window.Side(), 2, 0, 10, false));
    EXPECT_FALSE(GetScrollRange(window.Side(), SB_BOTH, &minimum, &maximum));
    EXPECT_EQ(SetScrollPos(window.Side(), 7, 5, false), 0);
    EXPECT_EQ(window.Client(), (Rect{0, 0, 200, 300}));
}

TEST(ScrollWindow, InvalidatesOnlyTheUncoveredStrip) {
    struct Case {
        const char* what;
        int dx, dy;
        Rect uncovered;
    };
    // The side window's client is 183 x 300 with its vertical bar shown.
    const Case cases[] = {
        {"content up by a line", 0, -14, {0, 286, 183, 300}},
        {"content down by a line", 0, 14, {0, 0, 183, 14}},
        {"content left", -21, 0, {162, 0, 183, 300}},
        {"content right", 21, 0, {0, 0, 21, 300}},
        {"a distance beyond the client repaints it all", 0, -400, {0, 0, 183, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SizedWindow window;
        ShowScrollBar(window.Side(), SB_VERT, true);
        window.world.host.PumpUntilIdle();
        platform::RecordingDC* surface = window.world.host.Surface(window.Side());
        ASSERT_NE(surface, nullptr);
        surface->ClearRecords();

        ASSERT_TRUE(ScrollWindow(window.Side(), c.dx, c.dy));
        Rect update;
        ASSERT_TRUE(GetUpdateRect(window.Side(), &update));
        EXPECT_EQ(update, c.uncovered);
        const auto scrolls = surface->RecordsOfKind(DrawKind::Scroll);
        if (c.uncovered == Rect{0, 0, 183, 300}) {
            EXPECT_TRUE(scrolls.empty()) << "nothing of the old picture stays";
        } else {
            ASSERT_EQ(scrolls.size(), 1u);
            EXPECT_EQ(scrolls[0].bounds, (Rect{0, 0, 183, 300}));
            EXPECT_EQ(scrolls[0].points, (std::vector<platform::Point>{{c.dx, c.dy}}));
        }
    }
}

TEST(ScrollWindow, APendingPaintMovesWithThePixels) {
    SizedWindow window;
    window.world.host.PumpUntilIdle();
    const Rect pending{10, 100, 60, 120};
    InvalidateRect(window.Side(), &pending, false);
    ScrollWindow(window.Side(), 0, -50);
    Rect update;
    ASSERT_TRUE(GetUpdateRect(window.Side(), &update));
    // The old part, where it is now, and the uncovered strip at the bottom.
    EXPECT_LE(update.top, 50);
    EXPECT_EQ(update.bottom, 300);
}

TEST(ScrollSurface, MovesThePixelsInsideTheArea) {
    platform::Bitmap start(6, 6, platform::Rgb(255, 255, 255));
    start.SetPixel(1, 1, platform::Rgb(255, 0, 0));
    start.SetPixel(5, 5, platform::Rgb(0, 0, 255));  // outside the area: stays
    platform::RecordingDC dc(start);
    dc.ScrollSurface({0, 0, 5, 5}, 2, 3);
    const platform::Bitmap& after = *dc.Surface();
    EXPECT_EQ(after.GetPixel(3, 4), platform::Rgb(255, 0, 0));
    // Uncovered pixels keep what they had until painted.
    EXPECT_EQ(after.GetPixel(1, 1), platform::Rgb(255, 0, 0));
    EXPECT_EQ(after.GetPixel(5, 5), platform::Rgb(0, 0, 255));
    // What moved beyond the area's edge is gone, not drawn outside it.
    platform::Bitmap edge(6, 6, platform::Rgb(255, 255, 255));
    edge.SetPixel(4, 0, platform::Rgb(0, 255, 0));
    platform::RecordingDC edgeDc(edge);
    edgeDc.ScrollSurface({0, 0, 5, 5}, 1, 0);
    EXPECT_EQ(edgeDc.Surface()->GetPixel(5, 0), platform::Rgb(255, 255, 255));
}

TEST(WindowProperties, AFixedSizeAndATooltip) {
    World world;
    TestWindow fixed;
    platform::CreateParams params = TopLevel(platform::WindowKind::Overlapped, "Legend", {0, 0, 567, 331}, world.Frame());
    params.resizable = false;
    ASSERT_TRUE(fixed.Create(params));
    EXPECT_FALSE(fixed.IsResizable());
    EXPECT_TRUE(world.side.IsResizable());

    EXPECT_EQ(GetToolTip(world.side.Handle()), "");
    ASSERT_TRUE(SetToolTip(world.side.Handle(), "https://example.org/"));
    EXPECT_EQ(GetToolTip(world.side.Handle()), "https://example.org/");
    EXPECT_FALSE(SetToolTip(nullptr, "x"));
}

TEST(BitmapResources, ByIdInEachEdition) {
    for (const platform::ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SCOPED_TRACE(edition->language);
        platform::SetResources(edition);
        const platform::Bitmap mask = platform::LoadBitmap(IDB_MASK);
        ASSERT_EQ(mask.Dimensions(), (Size{390, 72}));
        EXPECT_EQ(mask.GetPixel(0, 0), platform::Rgb(220, 220, 220));
        EXPECT_EQ(mask.GetPixel(389, 71), platform::Rgb(220, 220, 220));
        EXPECT_TRUE(platform::LoadBitmap(1).IsEmpty());
    }
    platform::SetResources(nullptr);
    EXPECT_TRUE(platform::LoadBitmap(IDB_MASK).IsEmpty());
}

TEST(Printing, PagesKnowTheyArePrintedAndWindowsDoNot) {
    World world;
    platform::DesktopRecorder desktop;
    std::vector<bool> printing;
    platform::PrintDocument document;
    document.title = "Kartovan+";
    document.pageCount = 2;
    document.paintPage = [&](platform::DeviceContext& dc, const platform::PrintPageInfo&) {
        printing.push_back(dc.IsPrinting());
    };
    for (auto run : {&platform::PrintDocumentWithDialog, &platform::PreviewDocument}) {
        printing.clear();
        ASSERT_EQ(run(world.Frame(), document), platform::PrintOutcome::Done);
        EXPECT_EQ(printing, (std::vector<bool>{true, true}));
    }
    platform::DeviceContext* dc = GetDC(world.view.Handle());
    ASSERT_NE(dc, nullptr);
    EXPECT_FALSE(dc->IsPrinting());
    ReleaseDC(world.view.Handle(), dc);
}

}  // namespace
}  // namespace enginetest
