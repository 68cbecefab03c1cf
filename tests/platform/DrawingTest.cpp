// The value types, clip regions, mapping and text breaking under the drawing interface.
#include <gtest/gtest.h>

#include <climits>

#include "platform/core/DrawingMapping.h"
#include "platform/core/DrawingRegion.h"
#include "platform/core/DrawingText.h"
#include "platform/core/Geometry.h"

namespace {

using platform::Mapping;
using platform::MapMode;
using platform::Point;
using platform::Rect;
using platform::Region;
using platform::Size;

TEST(DrawingGeometryTest, RectHelpersKeepTheExclusiveEdges) {
    Rect box{10, 20, 40, 30};
    EXPECT_EQ(box.Width(), 30);
    EXPECT_EQ(box.Height(), 10);
    EXPECT_TRUE(box.Contains({10, 20}));
    EXPECT_FALSE(box.Contains({40, 25}));  // right edge is outside
    EXPECT_FALSE(box.Contains({15, 30}));  // bottom edge is outside
    EXPECT_EQ(box.Intersect({30, 25, 50, 60}), (Rect{30, 25, 40, 30}));
    // Touching rectangles share nothing, and every empty result is the same.
    EXPECT_EQ(box.Intersect({40, 20, 50, 30}), Rect{});
    EXPECT_FALSE(box.Intersects({40, 20, 50, 30}));
    EXPECT_EQ(box.Union({0, 0, 5, 5}), (Rect{0, 0, 40, 30}));
    EXPECT_EQ(box.Union(Rect{100, 100, 100, 200}), box);  // an empty side adds nothing
    Rect moved = box;
    moved.Offset(-10, 5);
    EXPECT_EQ(moved, (Rect{0, 25, 30, 35}));
    moved.Inflate(2, -1);
    EXPECT_EQ(moved, (Rect{-2, 26, 32, 34}));
    EXPECT_TRUE((Rect{5, 5, 5, 9}).IsEmpty());
    EXPECT_TRUE((Rect{5, 9, 8, 2}).IsEmpty());
    EXPECT_EQ((Rect{8, 9, 5, 2}).Normalized(), (Rect{5, 2, 8, 9}));
}

TEST(DrawingRegionTest, ExcludingAHoleLeavesTheRingAround) {
    Region region(Rect{0, 0, 10, 10});
    region.ExcludeRect({3, 3, 6, 6});
    EXPECT_EQ(region.Kind(), platform::ClipKind::Complex);
    EXPECT_EQ(region.Bounds(), (Rect{0, 0, 10, 10}));
    int area = 0;
    for (const Rect& piece : region.Rects()) area += piece.Width() * piece.Height();
    EXPECT_EQ(area, 100 - 9);  // pieces are disjoint: their areas add up
    EXPECT_FALSE(region.Contains({3, 3}));
    EXPECT_FALSE(region.Contains({5, 5}));
    EXPECT_TRUE(region.Contains({6, 5}));
    EXPECT_TRUE(region.Contains({2, 5}));
    EXPECT_FALSE(region.Meets({4, 4, 5, 5}));
    EXPECT_TRUE(region.Meets({4, 4, 7, 5}));

    region.IntersectRect({0, 0, 3, 10});  // only the left band remains
    EXPECT_EQ(region.Kind(), platform::ClipKind::Simple);
    EXPECT_EQ(region.Bounds(), (Rect{0, 0, 3, 10}));
    region.ExcludeRect({-5, -5, 50, 50});
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(region.Kind(), platform::ClipKind::Empty);
}

// The printed page's mapping: window origin (-100, -48), window extent (21, -30) and a viewport
// extent of (21, -30) x 600 dpi / 96, the second page moved up by one page of 7016 pixels.
Mapping PrinterMapping() {
    Mapping mapping;
    mapping.SetMode(MapMode::Anisotropic);
    mapping.SetWindowOrg({-100, -48});
    mapping.SetWindowExt({21, -30});
    mapping.SetViewportExt({21 * 600 / 96, -30 * 600 / 96});
    mapping.SetViewportOrg({0, -7016});
    return mapping;
}

TEST(DrawingMappingTest, PrinterMappingScalesAndShifts) {
    Mapping mapping = PrinterMapping();
    // (0 + 100) x 131 / 21 = 623.8; (0 + 48) x -187 / -30 = 299.2; minus the page.
    EXPECT_EQ(mapping.ToDevice(Point{0, 0}), (Point{624, 299 - 7016}));
    // The footer line's end: 710 x 131 / 21 = 4429.05; 1096 x 187 / 30 = 6831.7.
    EXPECT_EQ(mapping.ToDevice(Point{610, 1048}), (Point{4429, 6832 - 7016}));
    EXPECT_EQ(mapping.ToDevice(Rect{0, 0, 10, 20}), (Rect{624, 299 - 7016, 686, 424 - 7016}));
    EXPECT_EQ(mapping.LengthToDeviceX(3), 19);  // a 3-unit pen: 18.7 pixels
    EXPECT_EQ(mapping.LengthToDeviceY(-3), 19);
}

TEST(DrawingMappingTest, LogicalPointsSurviveTheRoundTrip) {
    Mapping mapping = PrinterMapping();
    for (int y = -60; y <= 1200; y += 37) {
        for (int x = -120; x <= 1420; x += 41) {
            Point logical{x, y};
            ASSERT_EQ(mapping.ToLogical(mapping.ToDevice(logical)), logical) << x << "," << y;
        }
    }
    // Device points come back to within half a logical unit's worth of pixels.
    for (int d = -8000; d <= 8000; d += 613) {
        Point device{d, d / 2};
        Point back = mapping.ToDevice(mapping.ToLogical(device));
        EXPECT_LE(std::abs(back.x - device.x), 4);
        EXPECT_LE(std::abs(back.y - device.y), 4);
    }
}

TEST(DrawingMappingTest, TextModeMovesOriginsOnlyAndIgnoresExtents) {
    Mapping mapping;
    EXPECT_EQ(mapping.SetWindowExt({5, 5}), (Size{1, 1}));
    EXPECT_EQ(mapping.WindowExt(), (Size{1, 1}));
    mapping.SetWindowOrg({10, 20});
    mapping.SetViewportOrg({3, 4});
    EXPECT_EQ(mapping.ToDevice(Point{10, 20}), (Point{3, 4}));
    EXPECT_EQ(mapping.ToLogical(Point{0, 0}), (Point{7, 16}));

    // Back to text from a scaled mode drops the scale but keeps the origins.
    mapping.SetMode(MapMode::Anisotropic);
    mapping.SetViewportExt({3, 3});
    mapping.SetMode(MapMode::Text);
    EXPECT_EQ(mapping.ToDevice(Point{11, 21}), (Point{4, 5}));
}

TEST(DrawingMappingTest, IsotropicKeepsOneScaleAndEachAxisDirection) {
    Mapping mapping;
    mapping.SetMode(MapMode::Isotropic);
    mapping.SetWindowExt({100, 100});
    mapping.SetViewportExt({400, -200});
    EXPECT_EQ(mapping.ViewportExt(), (Size{200, -200}));
    EXPECT_EQ(mapping.ToDevice(Point{10, 10}), (Point{20, -20}));
    // A zero extent would divide by zero: it is refused.
    EXPECT_EQ(mapping.SetWindowExt({0, 7}), (Size{100, 100}));
    EXPECT_EQ(mapping.WindowExt(), (Size{100, 100}));
}

TEST(DrawingMappingTest, FarCoordinatesSaturateInsteadOfWrapping) {
    Mapping mapping;
    mapping.SetMode(MapMode::Anisotropic);
    mapping.SetViewportExt({1000, 1000});
    EXPECT_EQ(mapping.ToDevice(Point{INT_MAX, INT_MIN}), (Point{INT_MAX, INT_MIN}));
    mapping.SetWindowOrg({INT_MIN, 0});
    EXPECT_EQ(mapping.ToDevice(Point{INT_MAX, 0}).x, INT_MAX);
}

TEST(DrawingTextTest, CodePointsCountCharactersNotBytes) {
    struct Case {
        const char* text;
        std::size_t count;
    } cases[] = {
        {"", 0},
        {"Vh", 2},
        {"M\xC3\xBCller", 6},          // ü is two bytes
        {"\xE2\x82\xAC" "5", 2},       // € is three bytes
        {"\xF0\x9F\x82\xA1", 1},       // a playing card, four bytes
        {"a\xC3", 2},                  // cut sequence: the stray byte counts
        {"\x80\x80", 2},               // stray continuation bytes count too
    };
    for (const Case& c : cases) EXPECT_EQ(platform::CountCodePoints(c.text), c.count) << c.text;
    EXPECT_EQ(platform::FirstCodePoints("M\xC3\xBCller", 2), "M\xC3\xBC");
    EXPECT_EQ(platform::FirstCodePoints("ab", 5), "ab");
}

std::vector<std::string> Lines(std::string_view text, unsigned format, int width) {
    // Ten units a character, so widths read as character counts.
    auto measure = [](std::string_view s) { return int(platform::CountCodePoints(s)) * 10; };
    std::vector<std::string> out;
    for (const auto& line : platform::BreakTextLines(text, format, width, measure)) {
        EXPECT_EQ(line.width, measure(line.text));
        out.push_back(line.text);
    }
    return out;
}

TEST(DrawingTextTest, LinesBreakAtFeedsAndAtSpacesThatFit) {
    using namespace platform::DrawTextFormat;
    using V = std::vector<std::string>;
    EXPECT_EQ(Lines("", WordBreak, 100), V{});
    EXPECT_EQ(Lines("eins\r\nzwei\n\ndrei", Left, 20), (V{"eins", "zwei", "", "drei"}));
    EXPECT_EQ(Lines("eins\nzwei", SingleLine, 20), (V{"eins\nzwei"}));
    EXPECT_EQ(Lines("eins zwei drei", WordBreak, 90), (V{"eins zwei", "drei"}));
    EXPECT_EQ(Lines("eins zwei drei", WordBreak, 140), (V{"eins zwei drei"}));
    // A word wider than the rectangle stands alone rather than being split.
    EXPECT_EQ(Lines("ab Durchmarsch cd", WordBreak, 50), (V{"ab", "Durchmarsch", "cd"}));
    // Spaces at a break vanish; leading spaces of the text stay.
    EXPECT_EQ(Lines("  ab    cd", WordBreak, 40), (V{"  ab", "cd"}));
    EXPECT_EQ(Lines("Kartenzuordnung", SingleLine | EndEllipsis, 70), (V{"Kart..."}));
    EXPECT_EQ(Lines("Karte", SingleLine | EndEllipsis, 70), (V{"Karte"}));
    EXPECT_EQ(Lines("Karte", SingleLine | EndEllipsis, 10), (V{"..."}));
}

}  // namespace
