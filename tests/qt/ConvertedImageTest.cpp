// The painter context converts a picture once and blits the kept image after: the same picture
// gives the same image, a copy of it too, and a changed picture is converted anew, so that a blit
// never shows pixels a bitmap no longer has.
#include <gtest/gtest.h>

#include "platform/qt/PainterDC.h"
#include "platform/qt/QtImage.h"
#include "QtTestImages.h"

namespace {

using platform::Bitmap;
using platform::Color;
using platform::PainterDC;
using platform::RasterOp;
using qttest::At;

const Color kGreen{0, 160, 0};
const Color kRed{200, 0, 0};
const Color kWhite{255, 255, 255};

TEST(ConvertedImageTest, APictureIsConvertedOnceAndAChangedOneAnew) {
    Bitmap picture(6, 4, kGreen);
    picture.SetAlpha(0, 0, 0);
    const QImage first = platform::ConvertedImage(picture, true);
    EXPECT_EQ(platform::ConvertedImage(picture, true).cacheKey(), first.cacheKey()) << "converted again";
    const Bitmap copy = picture;
    EXPECT_EQ(platform::ConvertedImage(copy, true).cacheKey(), first.cacheKey()) << "the copy converted again";
    EXPECT_EQ(platform::ConvertedImage(picture, true), platform::ToQImage(picture, true));

    // Without its alpha (a copy blit) the picture is another image.
    const QImage opaque = platform::ConvertedImage(picture, false);
    EXPECT_EQ(opaque, platform::ToQImage(picture, false));
    EXPECT_NE(opaque.format(), first.format());

    Bitmap changed = picture;
    changed.SetPixel(3, 2, kRed);
    const QImage after = platform::ConvertedImage(changed, true);
    EXPECT_EQ(after, platform::ToQImage(changed, true));
    EXPECT_NE(after.cacheKey(), first.cacheKey());
    EXPECT_EQ(platform::ConvertedImage(picture, true), platform::ToQImage(picture, true)) << "the original as it was";
}

TEST(ConvertedImageTest, ABlitAfterTheBitmapChangedShowsTheNewPixels) {
    Bitmap picture(10, 10, kGreen);
    QImage surface = qttest::Surface(40, 20);
    for (RasterOp op : {RasterOp::SrcCopy, RasterOp::SrcAlpha}) {
        picture.Fill(kGreen);
        {
            PainterDC dc(surface);
            dc.BitBlt(2, 2, 10, 10, picture, 0, 0, op);
        }
        EXPECT_EQ(At(surface, 6, 6), kGreen);
        // The same bitmap object, changed in place: the next blit is of the new picture.
        picture.SetPixel(4, 4, kRed);
        {
            PainterDC dc(surface);
            dc.BitBlt(20, 2, 10, 10, picture, 0, 0, op);
        }
        EXPECT_EQ(At(surface, 24, 6), kRed) << "op " << static_cast<int>(op);
        EXPECT_EQ(At(surface, 25, 6), kGreen);
        EXPECT_EQ(At(surface, 35, 15), kWhite);
    }
}

}  // namespace
