// Copying a rectangle of a painted surface into a bitmap (a highlight's save-under): the copy holds
// exactly the painted pixels, reads black outside the surface, takes every pixel of a scaled
// surface, and puts the surface back exactly when blitted back; a printer keeps no pixels.

#include <gtest/gtest.h>

#include <QPicture>

#include "platform/core/Bitmap.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/PainterDC.h"
#include "platform/qt/QtHost.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"

namespace {

using platform::Bitmap;
using platform::Brush;
using platform::Color;
using platform::PainterDC;
using platform::Rect;
using qttest::At;

const Color kWhite{255, 255, 255};
const Color kBlack{0, 0, 0};
const Color kRed{200, 0, 0};
const Color kBlue{0, 0, 180};
const Color kGreen{0, 128, 0};

// Something different in many pixels: bands, a frame and single pixels.
void PaintPattern(platform::DeviceContext& dc) {
    dc.FillRect({0, 0, 60, 40}, Brush::Solid(kGreen));
    dc.FillRect({10, 5, 30, 15}, Brush::Solid(kRed));
    dc.FrameRect({25, 10, 50, 35}, Brush::Solid(kBlue));
    dc.SetPixel(3, 4, kWhite);
    dc.SetPixel(59, 39, kRed);
}

// A band saved, darkened as the highlight does (a grey mask ANDed over it) and put back from the
// saved pixels: the darkening changes the surface, the putting back leaves it exactly as before.
void ExpectBandPutBackRestores(PainterDC& dc, const QImage& image) {
    const QImage before = image.copy();
    const Rect bandRect{5, 8, 45, 28};
    Bitmap saved;
    ASSERT_TRUE(dc.CopyPixels(bandRect, saved));
    const Bitmap mask(bandRect.Width(), bandRect.Height(), Color{160, 160, 160});
    dc.BitBlt(bandRect.left, bandRect.top, bandRect.Width(), bandRect.Height(), mask, 0, 0, platform::RasterOp::SrcAnd);
    EXPECT_NE(image, before);
    dc.BitBlt(bandRect.left, bandRect.top, bandRect.Width(), bandRect.Height(), saved, 0, 0, platform::RasterOp::SrcCopy);
    EXPECT_EQ(image, before);
}

TEST(PainterDCCopyPixelsTest, TheCopyHoldsThePaintedPixelsAndBlackOutsideTheSurface) {
    QImage image = qttest::Surface(60, 40);
    PainterDC dc(image);
    PaintPattern(dc);
    const struct {
        Rect rect;
        const char* what;
    } cases[] = {
        {{0, 0, 60, 40}, "the whole surface"},
        {{8, 3, 33, 18}, "around the red band"},
        {{-5, -3, 12, 9}, "over the top left corner"},
        {{50, 30, 70, 45}, "over the bottom right corner"},
        {{59, 39, 60, 40}, "the last pixel"},
    };
    for (const auto& c : cases) {
        Bitmap copy;
        ASSERT_TRUE(dc.CopyPixels(c.rect, copy)) << c.what;
        ASSERT_EQ(copy.Width(), c.rect.Width()) << c.what;
        ASSERT_EQ(copy.Height(), c.rect.Height()) << c.what;
        int differing = 0;
        for (int y = 0; y < copy.Height(); ++y)
            for (int x = 0; x < copy.Width(); ++x) {
                const int sx = c.rect.left + x, sy = c.rect.top + y;
                const bool inside = sx >= 0 && sy >= 0 && sx < 60 && sy < 40;
                differing += copy.GetPixel(x, y) != (inside ? At(image, sx, sy) : kBlack);
            }
        EXPECT_EQ(differing, 0) << c.what;
    }
    // The pattern is where it was painted: the copy reads the painted colours, not a blank.
    Bitmap band;
    ASSERT_TRUE(dc.CopyPixels({8, 3, 33, 18}, band));
    EXPECT_EQ(band.GetPixel(2, 2), kRed);      // 10, 5
    EXPECT_EQ(band.GetPixel(1, 1), kGreen);    // 9, 4
    EXPECT_EQ(band.GetPixel(17, 7), kBlue);    // 25, 10
    Bitmap corner;
    ASSERT_TRUE(dc.CopyPixels({-5, -3, 12, 9}, corner));
    EXPECT_EQ(corner.GetPixel(0, 0), kBlack);
    EXPECT_EQ(corner.GetPixel(8, 7), kWhite);  // 3, 4
}

TEST(PainterDCCopyPixelsTest, ASavedBandPutBackAfterDarkeningRestoresTheSurfaceExactly) {
    QImage image = qttest::Surface(60, 40);
    PainterDC dc(image);
    PaintPattern(dc);
    ExpectBandPutBackRestores(dc, image);
}

TEST(PainterDCCopyPixelsTest, AScaledSurfaceIsCopiedInEveryOneOfItsPixels) {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(2);
    PainterDC dc(image, platform::Size{60, 40});
    dc.FillRect({10, 5, 20, 15}, Brush::Solid(kRed));
    Bitmap copy;
    ASSERT_TRUE(dc.CopyPixels({9, 4, 21, 16}, copy));
    ASSERT_EQ(copy.Width(), 24);
    ASSERT_EQ(copy.Height(), 24);
    EXPECT_EQ(copy.PixelRatio(), 2.0);
    EXPECT_EQ(copy.GetPixel(1, 1), kWhite);
    EXPECT_EQ(copy.GetPixel(2, 2), kRed);
    EXPECT_EQ(copy.GetPixel(21, 21), kRed);
    EXPECT_EQ(copy.GetPixel(22, 22), kWhite);
    EXPECT_EQ(copy.GetPixel(22, 10), kWhite);
}

// On a screen scaled twice a band's pixels are finer than its units (a card's picture, a text):
// darkened and put back, every one of them is as it was, not the band's units doubled.
TEST(PainterDCCopyPixelsTest, ABandOfAScaledSurfacePutBackRestoresEveryPixel) {
    QImage image(120, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, (x + y) % 2 ? 0xFF008000u : 0xFFC80000u);
    image.setDevicePixelRatio(2);
    PainterDC dc(image, platform::Size{60, 40});
    ExpectBandPutBackRestores(dc, image);
}

TEST(PainterDCCopyPixelsTest, APrintedPageAndAnEndedContextKeepNoPixels) {
    QPicture page;
    {
        PainterDC dc(page, platform::Size{100, 100});
        dc.FillRect({0, 0, 10, 10}, Brush::Solid(kRed));
        Bitmap copy;
        EXPECT_FALSE(dc.CopyPixels({0, 0, 10, 10}, copy));
    }
    QImage image = qttest::Surface(20, 20);
    PainterDC dc(image);
    dc.Finish();
    Bitmap copy;
    EXPECT_FALSE(dc.CopyPixels({0, 0, 10, 10}, copy));
}

// Through the Qt host: what the program draws on a window's retained surface outside a paint is
// what a copy of that window's context reads.
TEST(PainterDCCopyPixelsTest, AWindowsContextCopiesItsRetainedSurface) {
    platform::QtHost host;
    qttest::RecordingWindow window;
    ASSERT_TRUE(qttest::CreateWindowOf(window, platform::WindowKind::Overlapped, {100, 100, 300, 220}));
    platform::DeviceContext* dc = ::GetDC(window.Handle());
    ASSERT_NE(dc, nullptr);
    PaintPattern(*dc);
    Bitmap copy;
    ASSERT_TRUE(dc->CopyPixels({0, 0, 60, 40}, copy));
    ::ReleaseDC(window.Handle(), dc);
    const QImage* surface = host.SurfaceImage(window.Handle());
    ASSERT_NE(surface, nullptr);
    const double ratio = surface->devicePixelRatio();
    int differing = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            differing += copy.GetPixel(x, y) != At(*surface, static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(copy.GetPixel(10, 5), kRed);
    EXPECT_EQ(copy.GetPixel(25, 20), kBlue);
}

}  // namespace
