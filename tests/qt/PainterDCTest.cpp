// The painter context's primitives on an image surface: the pixels they set and the ones they
// must leave alone.

#include <array>

#include <QPainter>
#include <QRegion>

#include <gtest/gtest.h>

#include "platform/qt/PainterDC.h"
#include "platform/qt/QtImage.h"
#include "QtTestImages.h"

namespace {

using platform::Brush;
using platform::Color;
using platform::PainterDC;
using platform::Rect;
using qttest::At;

const Color kWhite{255, 255, 255};
const Color kBlack{0, 0, 0};
const Color kRed{200, 0, 0};
const Color kBlue{0, 0, 180};

TEST(PainterDCTest, FillCoversItsRectangleWithoutRightAndBottomEdges) {
    QImage image = qttest::Surface(30, 20);
    {
        PainterDC dc(image);
        dc.FillRect({5, 4, 15, 12}, Brush::Solid(kRed));
        dc.FillRect({20, 4, 25, 12}, Brush::Null());
    }
    EXPECT_EQ(qttest::Inked(image, kWhite), (Rect{5, 4, 15, 12}));
    EXPECT_EQ(At(image, 14, 11), kRed);
}

TEST(PainterDCTest, FrameIsOneUnitInsideAndScalesUnderAMapping) {
    QImage image = qttest::Surface(60, 40);
    {
        PainterDC dc(image);
        dc.FrameRect({2, 2, 12, 10}, Brush::Solid(kBlue));
        // A printer-like mapping of 2 device pixels per unit: the frame is two pixels thick.
        dc.SetMapMode(platform::MapMode::Anisotropic);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(2, 2);
        dc.FrameRect({10, 5, 20, 15}, Brush::Solid(kRed));
    }
    EXPECT_EQ(At(image, 2, 2), kBlue);
    EXPECT_EQ(At(image, 11, 9), kBlue);
    EXPECT_EQ(At(image, 3, 3), kWhite);
    EXPECT_EQ(At(image, 12, 10), kWhite);

    EXPECT_EQ(At(image, 20, 10), kRed);
    EXPECT_EQ(At(image, 21, 11), kRed);
    EXPECT_EQ(At(image, 22, 12), kWhite);
    EXPECT_EQ(At(image, 39, 29), kRed);
    EXPECT_EQ(At(image, 40, 30), kWhite);
}

TEST(PainterDCTest, ClipRegionWithAHoleKeepsFillsInside) {
    QImage image = qttest::Surface(30, 30);
    {
        PainterDC dc(image);
        dc.SetClipRect({0, 0, 20, 20});
        dc.ExcludeClipRect({5, 5, 10, 10});
        dc.FillRect({-1000000, -1000000, 1000000, 1000000}, Brush::Solid(kRed));
        dc.SetPixel(7, 7, kBlue);   // in the hole
        dc.SetPixel(15, 15, kBlue);  // inside
    }
    EXPECT_EQ(At(image, 0, 0), kRed);
    EXPECT_EQ(At(image, 4, 4), kRed);
    EXPECT_EQ(At(image, 5, 5), kWhite);
    EXPECT_EQ(At(image, 7, 7), kWhite);
    EXPECT_EQ(At(image, 9, 9), kWhite);
    EXPECT_EQ(At(image, 15, 15), kBlue);
    EXPECT_EQ(At(image, 20, 20), kWhite);
    EXPECT_EQ(At(image, 19, 25), kWhite);
}

TEST(PainterDCTest, ExplicitSurfaceSizeBoundsTheDrawing) {
    QImage image = qttest::Surface(30, 30);
    {
        PainterDC dc(image, {10, 8});
        EXPECT_EQ(dc.GetClipBox(), (Rect{0, 0, 10, 8}));
        dc.FillRect({0, 0, 30, 30}, Brush::Solid(kRed));
    }
    EXPECT_EQ(qttest::Inked(image, kWhite), (Rect{0, 0, 10, 8}));
}

TEST(PainterDCTest, FinishedContextDrawsNothingMore) {
    QImage image = qttest::Surface(10, 10);
    PainterDC dc(image);
    dc.FillRect({0, 0, 5, 5}, Brush::Solid(kRed));
    dc.Finish();
    EXPECT_FALSE(dc.IsActive());
    dc.FillRect({5, 5, 10, 10}, Brush::Solid(kRed));
    dc.TextOut(0, 0, "x");
    EXPECT_EQ(At(image, 0, 0), kRed);
    EXPECT_EQ(At(image, 7, 7), kWhite);
}

// ---- Lines and shapes ----

TEST(PainterDCTest, LinesLeaveOutTheirEndPoint) {
    QImage image = qttest::Surface(30, 30);
    {
        PainterDC dc(image);
        dc.SelectPen({platform::PenStyle::Solid, 1, kBlack});
        dc.MoveTo(2, 5);
        dc.LineTo(10, 5);
        dc.MoveTo(20, 2);
        dc.LineTo(20, 12);
        dc.MoveTo(2, 20);
        dc.LineTo(8, 26);
    }
    EXPECT_EQ(At(image, 2, 5), kBlack);
    EXPECT_EQ(At(image, 9, 5), kBlack);
    EXPECT_EQ(At(image, 10, 5), kWhite);
    EXPECT_EQ(At(image, 20, 11), kBlack);
    EXPECT_EQ(At(image, 20, 12), kWhite);
    EXPECT_EQ(At(image, 7, 25), kBlack);
    EXPECT_EQ(At(image, 8, 26), kWhite);
}

TEST(PainterDCTest, FarAwayLineEndsStillDrawTheVisiblePart) {
    QImage image = qttest::Surface(20, 20);
    {
        PainterDC dc(image);
        dc.SelectPen({platform::PenStyle::Solid, 1, kBlack});
        dc.MoveTo(-2000000000, 10);
        dc.LineTo(2000000000, 10);
    }
    EXPECT_EQ(qttest::Inked(image, kWhite), (Rect{0, 10, 20, 11}));
}

TEST(PainterDCTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    QImage image = qttest::Surface(30, 30);
    {
        PainterDC dc(image);
        dc.SelectPen({platform::PenStyle::Solid, 1, kBlack});
        dc.SelectBrush(Brush::Solid(kRed));
        dc.Rectangle(2, 3, 12, 13);
        dc.SelectBrush(Brush::Null());
        dc.Rectangle(15, 3, 25, 13);
    }
    EXPECT_EQ(qttest::Inked(image, kWhite), (Rect{2, 3, 25, 13}));
    for (auto [x, y] : std::array<std::pair<int, int>, 4>{{{2, 3}, {11, 3}, {2, 12}, {11, 12}}}) {
        EXPECT_EQ(At(image, x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(At(image, 3, 4), kRed);
    EXPECT_EQ(At(image, 10, 11), kRed);
    EXPECT_EQ(At(image, 20, 8), kWhite);  // null brush: the inside stays
    EXPECT_EQ(At(image, 24, 12), kBlack);
}

TEST(PainterDCTest, EllipseRoundRectAndPolygonStayInTheirBoxes) {
    QImage image = qttest::Surface(100, 40);
    const Rect ellipse{2, 2, 32, 22}, round{35, 2, 65, 32};
    {
        PainterDC dc(image);
        dc.SelectPen({platform::PenStyle::Solid, 1, kBlack});
        dc.SelectBrush(Brush::Solid(kRed));
        dc.Ellipse(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
        dc.RoundRect(round.left, round.top, round.right, round.bottom, 12, 12);
        const std::array<platform::Point, 3> triangle{{{70, 2}, {94, 2}, {70, 29}}};
        dc.Polygon(triangle);
    }
    EXPECT_EQ(qttest::Inked(image.copy(0, 0, 34, 40), kWhite), ellipse);
    EXPECT_EQ(At(image, 17, 12), kRed);
    EXPECT_EQ(At(image, 3, 3), kWhite);  // outside the curve
    EXPECT_EQ(At(image, 50, 17), kRed);
    EXPECT_EQ(At(image, 35, 2), kWhite);  // the rounded corner
    EXPECT_EQ(At(image, 50, 2), kBlack);
    EXPECT_EQ(At(image, 74, 6), kRed);
    EXPECT_EQ(At(image, 90, 25), kWhite);  // beyond the hypotenuse
}

// ---- Blits ----

TEST(PainterDCTest, BlitsCombineWithTheirRasterOperation) {
    struct Case {
        platform::RasterOp op;
        Color expected;
    };
    const Color destination{0xF0, 0x0F, 0xAA};
    const Color source{0x3C, 0x3C, 0x0F};
    const std::array<Case, 4> cases{{
        {platform::RasterOp::SrcCopy, {0x3C, 0x3C, 0x0F}},
        {platform::RasterOp::SrcAnd, {0x30, 0x0C, 0x0A}},
        {platform::RasterOp::SrcPaint, {0xFC, 0x3F, 0xAF}},
        {platform::RasterOp::SrcInvert, {0xCC, 0x33, 0xA5}},
    }};
    for (const Case& c : cases) {
        QImage image = qttest::Surface(10, 10, destination);
        {
            PainterDC dc(image);
            dc.BitBlt(2, 2, 4, 4, platform::Bitmap(4, 4, source), 0, 0, c.op);
        }
        EXPECT_EQ(At(image, 2, 2), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(At(image, 5, 5), c.expected) << static_cast<int>(c.op);
        EXPECT_EQ(At(image, 6, 6), destination) << static_cast<int>(c.op);
        EXPECT_EQ(qAlpha(image.pixel(2, 2)), 255) << "the surface stays opaque";
    }
}

TEST(PainterDCTest, AndBlitOfAMaskDarkensOnlyWhereTheMaskIsDark) {
    platform::Bitmap mask(6, 6, kWhite);
    for (int i = 0; i < 6; ++i) mask.SetPixel(i, i, kBlack);
    QImage image = qttest::Surface(10, 10, kRed);
    {
        PainterDC dc(image);
        dc.BitBlt(0, 0, 6, 6, mask, 0, 0, platform::RasterOp::SrcAnd);
    }
    EXPECT_EQ(At(image, 3, 3), kBlack);
    EXPECT_EQ(At(image, 3, 4), kRed);
    EXPECT_EQ(At(image, 7, 7), kRed);
}

TEST(PainterDCTest, StretchBlitScalesAndSkipsSourcePixelsOutsideTheBitmap) {
    platform::Bitmap source(2, 2, kBlue);
    source.SetPixel(1, 1, kRed);
    QImage image = qttest::Surface(20, 20);
    {
        PainterDC dc(image);
        dc.StretchBlt(0, 0, 8, 8, source, 0, 0, 2, 2, platform::RasterOp::SrcCopy);
        // Half of this source rectangle lies left of the bitmap: only the right half is drawn.
        dc.StretchBlt(10, 10, 8, 4, source, -2, 0, 4, 2, platform::RasterOp::SrcCopy);
    }
    EXPECT_EQ(At(image, 0, 0), kBlue);
    EXPECT_EQ(At(image, 3, 3), kBlue);
    EXPECT_EQ(At(image, 7, 7), kRed);
    EXPECT_EQ(At(image, 8, 8), kWhite);
    EXPECT_EQ(qttest::Inked(image.copy(9, 9, 11, 11), kWhite), (Rect{5, 1, 9, 5}));
}

// A card laid over the table through a clip of several pieces (a hand partly covered, a paint of
// two areas): in each piece its opaque pixels replace the table, its half-transparent ones blend
// and its transparent corners let the table show, exactly as one blend through the whole clip
// would; outside the clip nothing changes.
TEST(PainterDCTest, ACardLaidThroughAClipOfSeveralPiecesBlendsInEachAndNowhereElse) {
    const Color table{0, 120, 40};
    platform::Bitmap card(70, 110, kRed);
    for (int y = 0; y < card.Height(); ++y)
        for (int x = 0; x < card.Width(); ++x) card.SetAlpha(x, y, 255);
    card.SetAlpha(0, 0, 0);
    card.SetPixel(20, 50, kBlue);
    card.SetAlpha(20, 50, 128);
    for (int x = 0; x < card.Width(); ++x) card.SetPixel(x, 80, kBlack);

    QImage image = qttest::Surface(120, 140, table);
    {
        PainterDC dc(image);
        dc.SetClipRect({5, 5, 100, 130});
        dc.ExcludeClipRect({40, 0, 60, 140});  // two pieces side by side
        dc.ExcludeClipRect({0, 90, 40, 95});   // the left one cut in two
        dc.BitBlt(10, 10, card.Width(), card.Height(), card, 0, 0, platform::RasterOp::SrcAlpha);
    }
    // The same card through the same clip in one blend of the painter's.
    QImage expected = qttest::Surface(120, 140, table);
    {
        QPainter painter(&expected);
        QRegion clip = QRegion(5, 5, 95, 125) - QRegion(40, 0, 20, 140) - QRegion(0, 90, 40, 5);
        painter.setClipRegion(clip);
        painter.drawImage(QPoint(10, 10),
                          platform::ToQImage(card).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    EXPECT_EQ(image, expected);
    EXPECT_EQ(At(image, 10, 10), table) << "a transparent corner shows the table";
    EXPECT_EQ(At(image, 11, 10), kRed);
    EXPECT_EQ(At(image, 50, 30), table) << "between the pieces";
    EXPECT_EQ(At(image, 20, 92), table) << "in the cut";
    EXPECT_EQ(At(image, 20, 90 + 5), kRed);
    EXPECT_EQ(At(image, 65, 90), kBlack);
    const Color blended = At(image, 30, 60);  // the card's half-transparent pixel
    EXPECT_NE(blended, table);
    EXPECT_NE(blended, kBlue);
}

// Through a painter that scales (a page drawn larger than its units), a card laid over the page at
// its own size is smoothed as it grows: where its red half meets its blue half the page shows a
// mix, not a hard step.
TEST(PainterDCTest, ACardOnAScalingPainterIsSmoothed) {
    platform::Bitmap card(8, 8, kRed);
    for (int y = 0; y < card.Height(); ++y) {
        for (int x = 0; x < card.Width(); ++x) {
            if (x >= 4) card.SetPixel(x, y, kBlue);
            card.SetAlpha(x, y, 255);
        }
    }
    QImage page = qttest::Surface(60, 60);
    {
        QPainter painter(&page);
        painter.scale(5, 5);
        PainterDC dc(painter, {12, 12});
        dc.BitBlt(2, 2, card.Width(), card.Height(), card, 0, 0, platform::RasterOp::SrcAlpha);
    }
    bool mixed = false;
    for (int x = 25; x < 40; ++x) {
        const Color c = At(page, x, 30);
        mixed = mixed || (c.red > 0 && c.red < 200 && c.blue > 0 && c.blue < 180);
    }
    EXPECT_TRUE(mixed);
    EXPECT_EQ(At(page, 12, 30), kRed);
    EXPECT_EQ(At(page, 47, 30), kBlue);
}

TEST(PainterDCTest, BitmapsAndImagesConvertBothWays) {
    platform::Bitmap bitmap(3, 2, kRed);
    bitmap.SetPixel(2, 1, {1, 2, 3});
    const QImage image = platform::ToQImage(bitmap);
    EXPECT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(2, 1), qRgb(1, 2, 3));
    EXPECT_EQ(platform::ToBitmap(image), bitmap);

    // Transparent parts take the background given.
    QImage translucent(2, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    translucent.setPixel(1, 0, qRgba(10, 20, 30, 255));
    const platform::Bitmap laid = platform::ToBitmap(translucent, kBlue);
    EXPECT_EQ(laid.GetPixel(0, 0), kBlue);
    EXPECT_EQ(laid.GetPixel(1, 0), (Color{10, 20, 30}));

    EXPECT_TRUE(platform::ToQImage(platform::Bitmap()).isNull());
    EXPECT_TRUE(platform::ToBitmap(QImage()).IsEmpty());
}

}  // namespace
