// Pixels rendered by the recording device context: fills and blits under clipping, the raster
// operations, stretching, lines and rectangles, and a printer-like mapping.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/headless/RecordingDC.h"

namespace {

using namespace platform;

const Color kWhite = Rgb(255, 255, 255);
const Color kRed = Rgb(255, 0, 0);
const Color kBlue = Rgb(0, 0, 255);
const Color kBlack = Rgb(0, 0, 0);

// The bitmap as rows of characters, one per pixel: '.' white, 'r' red, 'b' blue, 'k' black,
// '?' anything else; shows a whole picture in a failure message.
std::string Picture(const Bitmap& bitmap) {
    std::string rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            Color c = bitmap.GetPixel(x, y);
            rows += c == kWhite ? '.' : c == kRed ? 'r' : c == kBlue ? 'b' : c == kBlack ? 'k' : '?';
        }
        rows += '\n';
    }
    return rows;
}

class RecordingPixelsTest : public ::testing::Test {
protected:
    RecordingPixelsTest() : dc(Bitmap(8, 6, kWhite)) {}
    std::string Shown() { return Picture(*dc.Surface()); }
    RecordingDC dc;
};

TEST_F(RecordingPixelsTest, FillsStayInsideAClipRegionWithAHole) {
    EXPECT_EQ(dc.IntersectClipRect({1, 1, 7, 5}), ClipKind::Simple);
    EXPECT_EQ(dc.ExcludeClipRect({3, 2, 5, 4}), ClipKind::Complex);
    dc.FillRect({0, 0, 8, 6}, Brush::Solid(kRed));
    EXPECT_EQ(Shown(),
              "........\n"
              ".rrrrrr.\n"
              ".rr..rr.\n"
              ".rr..rr.\n"
              ".rrrrrr.\n"
              "........\n");
    const DrawRecord& r = dc.Records()[0];
    EXPECT_EQ(r.kind, DrawKind::Fill);
    EXPECT_TRUE(r.clipped);
    EXPECT_EQ(r.visible, (Rect{1, 1, 7, 5}));
    EXPECT_EQ(dc.GetClipBox(), (Rect{1, 1, 7, 5}));
    EXPECT_FALSE(dc.PtVisible(3, 2));
    EXPECT_FALSE(dc.RectVisible({3, 2, 5, 4}));
    EXPECT_TRUE(dc.RectVisible({0, 0, 2, 2}));
}

TEST_F(RecordingPixelsTest, NullBrushFillsNothingAndHiddenDrawingIsNoted) {
    dc.FillRect({0, 0, 8, 6}, Brush::Null());
    dc.SetClipRect({0, 0, 2, 2});
    dc.FillRect({4, 4, 8, 6}, Brush::Solid(kRed));
    EXPECT_EQ(Shown(), "........\n........\n........\n........\n........\n........\n");
    EXPECT_TRUE(dc.Records()[1].visible.IsEmpty());
    EXPECT_EQ(FormatRecord(dc.Records()[1]), "Fill (4,4)-(8,6) brush FF0000 [hidden]");
    // Removing the clip makes the whole surface drawable again.
    EXPECT_EQ(dc.RemoveClip(), ClipKind::Simple);
    EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 8, 6}));
}

TEST_F(RecordingPixelsTest, BlitsAreClipped) {
    Bitmap blue(4, 4, kBlue);
    dc.SetClipRect({0, 0, 3, 6});
    dc.BitBlt(1, 1, 4, 4, blue, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(Shown(),
              "........\n"
              ".bb.....\n"
              ".bb.....\n"
              ".bb.....\n"
              ".bb.....\n"
              "........\n");
    const DrawRecord& r = dc.Records()[0];
    EXPECT_EQ(FormatRecord(r), "Blit copy (1,1)-(5,5) from (0,0)-(4,4) of 4x4 [clipped to (1,1)-(3,5)]");
}

TEST_F(RecordingPixelsTest, SourceOutsideTheBitmapLeavesTheDestination) {
    Bitmap blue(2, 2, kBlue);
    dc.BitBlt(0, 0, 4, 3, blue, -1, 0, RasterOp::SrcCopy);
    EXPECT_EQ(Shown(),
              ".bb.....\n"
              ".bb.....\n"
              "........\n"
              "........\n"
              "........\n"
              "........\n");
    dc.BitBlt(0, 0, 0, 3, blue, 0, 0, RasterOp::SrcCopy);  // no width: nothing at all
    EXPECT_EQ(dc.Records().size(), 1u);
}

TEST(RecordingRasterOpTest, BlitsCombinePixelsByTheirOperation) {
    // The highlighted band of the cards assignment: every pixel ANDed with grey 220.
    const Color dest = Rgb(200, 100, 50);
    const Color src = Rgb(220, 220, 220);
    struct Case {
        RasterOp op;
        Color expected;
    } cases[] = {
        {RasterOp::SrcCopy, Rgb(220, 220, 220)},
        {RasterOp::SrcAnd, Rgb(200, 68, 16)},
        {RasterOp::SrcPaint, Rgb(220, 252, 254)},
        {RasterOp::SrcInvert, Rgb(20, 184, 238)},
    };
    for (const Case& c : cases) {
        RecordingDC dc(Bitmap(3, 1, dest));
        dc.BitBlt(1, 0, 1, 1, Bitmap(1, 1, src), 0, 0, c.op);
        EXPECT_EQ(dc.Surface()->GetPixel(1, 0), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(dc.Surface()->GetPixel(0, 0), dest);
        EXPECT_EQ(dc.Surface()->GetPixel(2, 0), dest);
    }
}

// A bitmap's alpha channel: only the blend blit reads it; the other blits copy the colours alone,
// and a bitmap without one is opaque to every blit.
TEST(RecordingRasterOpTest, TheBlendBlitLaysAPictureOverByItsAlpha) {
    const Color dest = Rgb(0, 128, 0);
    Bitmap card(4, 1, Rgb(250, 250, 240));
    EXPECT_FALSE(card.HasAlpha());
    card.SetAlpha(3, 0, 255);  // opaque: still no channel
    EXPECT_FALSE(card.HasAlpha());
    card.SetAlpha(0, 0, 0);
    card.SetAlpha(1, 0, 64);
    card.SetAlpha(2, 0, 191);
    card.SetAlpha(9, 0, 0);  // outside: nothing
    ASSERT_TRUE(card.HasAlpha());
    EXPECT_EQ(card.Alpha(3, 0), 255);
    EXPECT_EQ(card.Alpha(9, 0), 255);

    RecordingDC blend(Bitmap(4, 1, dest));
    blend.BitBlt(0, 0, 4, 1, card, 0, 0, RasterOp::SrcAlpha);
    EXPECT_EQ(blend.Surface()->GetPixel(0, 0), dest);
    EXPECT_EQ(blend.Surface()->GetPixel(1, 0), Rgb(63, 159, 60));
    EXPECT_EQ(blend.Surface()->GetPixel(2, 0), Rgb(187, 219, 180));
    EXPECT_EQ(blend.Surface()->GetPixel(3, 0), Rgb(250, 250, 240));

    RecordingDC copy(Bitmap(4, 1, dest));
    copy.BitBlt(0, 0, 4, 1, card, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(copy.Surface()->GetPixel(0, 0), Rgb(250, 250, 240));

    RecordingDC opaque(Bitmap(1, 1, dest));
    opaque.BitBlt(0, 0, 1, 1, Bitmap(1, 1, Rgb(1, 2, 3)), 0, 0, RasterOp::SrcAlpha);
    EXPECT_EQ(opaque.Surface()->GetPixel(0, 0), Rgb(1, 2, 3));
}

TEST(RecordingRasterOpTest, ABlitFromItsOwnSurfaceReadsThePictureBeforeTheBlit) {
    Bitmap start(4, 1, kWhite);
    start.SetPixel(0, 0, kRed);
    start.SetPixel(1, 0, kBlue);
    RecordingDC dc(start);
    // Copying one pixel to the right over itself must not smear the first pixel along.
    const Bitmap& surface = *dc.Surface();
    dc.BitBlt(1, 0, 3, 1, surface, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(Picture(*dc.Surface()), "rrb.\n");
}

TEST_F(RecordingPixelsTest, StretchBltScalesTheSource) {
    Bitmap pair(2, 1, kRed);
    pair.SetPixel(1, 0, kBlue);
    dc.StretchBlt(0, 0, 4, 2, pair, 0, 0, 2, 1, RasterOp::SrcCopy);
    EXPECT_EQ(Shown(),
              "rrbb....\n"
              "rrbb....\n"
              "........\n"
              "........\n"
              "........\n"
              "........\n");
}

TEST_F(RecordingPixelsTest, LinesLeaveOutTheirEndPoint) {
    dc.MoveTo(1, 1);
    dc.LineTo(5, 1);
    dc.LineTo(5, 4);
    dc.MoveTo(0, 5);
    dc.LineTo(3, 2);
    EXPECT_EQ(Shown(),
              "........\n"
              ".kkkkk..\n"
              ".....k..\n"
              "..k..k..\n"
              ".k......\n"
              "k.......\n");
    EXPECT_EQ(dc.GetCurrentPosition(), (Point{3, 2}));
    EXPECT_EQ(dc.Records()[0].points, (std::vector<Point>{{1, 1}, {5, 1}}));
}

TEST(RecordingLineTest, PenStylesAndWidths) {
    struct Case {
        Pen pen;
        const char* rows;
    } cases[] = {
        {{PenStyle::Null, 1, kBlack}, "..............................\n"},
        {{PenStyle::Dot, 1, kBlack}, "kkk...kkk...kkk...kkk...kkk...\n"},
        {{PenStyle::Dash, 1, kBlack}, "kkkkkkkkkkkkkkkkkk......kkkkkk\n"},
    };
    for (const Case& c : cases) {
        RecordingDC dc(Bitmap(30, 1, kWhite));
        dc.SelectPen(c.pen);
        dc.MoveTo(0, 0);
        dc.LineTo(30, 0);
        EXPECT_EQ(Picture(*dc.Surface()), c.rows);
    }
    RecordingDC wide(Bitmap(6, 5, kWhite));
    wide.SelectPen({PenStyle::Solid, 3, kRed});
    wide.MoveTo(1, 2);
    wide.LineTo(4, 2);
    EXPECT_EQ(Picture(*wide.Surface()),
              "......\n"
              "rrrrr.\n"
              "rrrrr.\n"
              "rrrrr.\n"
              "......\n");
    EXPECT_EQ(wide.Records()[0].bounds, (Rect{0, 1, 6, 4}));
}

TEST(RecordingLineTest, FarAwayEndPointsStillDrawTheVisiblePart) {
    RecordingDC dc(Bitmap(6, 3, kWhite));
    dc.MoveTo(INT_MIN, 1);
    dc.LineTo(INT_MAX, 1);
    dc.FillRect({INT_MIN, 2, INT_MAX, INT_MAX}, Brush::Solid(kBlue));
    EXPECT_EQ(Picture(*dc.Surface()),
              "......\n"
              "kkkkkk\n"
              "bbbbbb\n");
}

TEST_F(RecordingPixelsTest, RectangleIsOutlinedByThePenAndFilledByTheBrush) {
    dc.SelectBrush(Brush::Solid(kRed));
    dc.Rectangle(1, 1, 6, 5);
    dc.SelectBrush(Brush::Null());
    dc.SelectPen({PenStyle::Solid, 1, kBlue});
    dc.Rectangle(6, 0, 8, 2);
    dc.FrameRect({0, 5, 3, 6}, Brush::Solid(kBlue));
    EXPECT_EQ(Shown(),
              "......bb\n"
              ".kkkkkbb\n"
              ".krrrk..\n"
              ".krrrk..\n"
              ".kkkkk..\n"
              "bbb.....\n");
}

TEST_F(RecordingPixelsTest, OpaqueTextFillsItsBoxAndTransparentTextDoesNot) {
    LogFont tiny{"Arial", 2, 1, 400};  // one pixel a character, two high
    dc.SelectFont(tiny);
    dc.SetBkColor(kBlue);
    dc.TextOut(1, 1, "abc");
    dc.SetBkMode(BkMode::Transparent);
    dc.TextOut(1, 4, "abc");
    EXPECT_EQ(Shown(),
              "........\n"
              ".bbb....\n"
              ".bbb....\n"
              "........\n"
              "........\n"
              "........\n");
}

// The printed page: logical units of the page mapped at about 6.24 device pixels per unit.
TEST(RecordingMappingTest, PrinterMappingPutsRecordsInDevicePixels) {
    RecordingDC dc(Size{4960, 7016});
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetWindowOrg(-100, -48);
    dc.SetWindowExt(21, -30);
    dc.SetViewportExt(21 * 600 / 96, -30 * 600 / 96);
    dc.SelectPen({PenStyle::Solid, 1, kBlack});
    dc.MoveTo(0, 20);
    dc.LineTo(610, 20);
    dc.FillRect({0, 0, 10, 20}, Brush::Solid(kRed));
    dc.SelectFont({"Arial", 14, 0, 100});
    Rect band{0, 0, 610, 20};
    dc.DrawText("skat", band, DrawTextFormat::Right | DrawTextFormat::VCenter | DrawTextFormat::SingleLine);

    const auto& r = dc.Records();
    EXPECT_EQ(r[0].points, (std::vector<Point>{{624, 424}, {4429, 424}}));
    EXPECT_EQ(r[0].bounds, (Rect{621, 421, 4432, 427}));  // the 1-unit pen is 6 pixels
    EXPECT_EQ(r[1].bounds, (Rect{624, 299, 686, 424}));
    // "skat" in 14/0/100 is 28 x 14 units: x 582..610, y 3..17.
    EXPECT_EQ(r[2].bounds, (Rect{dc.LPtoDP(Point{582, 3}).x, dc.LPtoDP(Point{582, 3}).y,
                                 dc.LPtoDP(Point{610, 17}).x, dc.LPtoDP(Point{610, 17}).y}));
    EXPECT_EQ(r[2].bounds.left, 4254);
    // Clip boxes answer in logical units.
    dc.IntersectClipRect({100, 100, 200, 300});
    EXPECT_EQ(dc.GetClipBox(), (Rect{100, 100, 200, 300}));
}

TEST(RecordingMappingTest, ScaledBlitStretchesEachSourcePixel) {
    RecordingDC dc(Bitmap(4, 2, kWhite));
    dc.SetMapMode(MapMode::Anisotropic);
    dc.SetViewportExt(2, 2);
    Bitmap pair(2, 1, kRed);
    pair.SetPixel(1, 0, kBlue);
    dc.BitBlt(0, 0, 2, 1, pair, 0, 0, RasterOp::SrcCopy);
    EXPECT_EQ(Picture(*dc.Surface()), "rrbb\nrrbb\n");
}

TEST(RecordingBitmapTest, OutOfRangeSizesAndPixelsAreHarmless) {
    EXPECT_TRUE(Bitmap(-1, 5).IsEmpty());
    EXPECT_TRUE(Bitmap(Bitmap::kMaxSide + 1, 1).IsEmpty());
    EXPECT_EQ(Bitmap(0, 3).Dimensions(), (Size{0, 0}));
    Bitmap b(2, 2, kRed);
    b.SetPixel(2, 0, kBlue);
    b.SetPixel(-1, 0, kBlue);
    EXPECT_EQ(b.GetPixel(5, 5), kBlack);
    EXPECT_EQ(b, Bitmap(2, 2, kRed));
    RecordingDC dc{Bitmap()};
    dc.FillRect({0, 0, 5, 5}, Brush::Solid(kRed));
    dc.MoveTo(0, 0);
    dc.LineTo(5, 5);
    EXPECT_EQ(dc.Records().size(), 2u);
    EXPECT_TRUE(dc.Records()[0].visible.IsEmpty());
}

}  // namespace
