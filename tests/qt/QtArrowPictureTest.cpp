// The number fields' arrow buttons show our drawings in both editions' numbering, pointing the way
// they step.
#include "platform/qt/QtDialogPictures.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace platform;

// The row with the most ink: a down arrow is widest at its top, an up arrow at its bottom.
int WidestRow(const QImage& picture) {
    int widest = -1, best = -1;
    for (int y = 0; y < picture.height(); ++y) {
        int ink = 0;
        for (int x = 0; x < picture.width(); ++x) ink += qAlpha(picture.pixel(x, y)) > 128 ? 1 : 0;
        if (ink > best) {
            best = ink;
            widest = y;
        }
    }
    return widest;
}

TEST(QtArrowPictures, BothEditionsIdsDrawTheirArrow) {
    for (int down : {263, 282}) EXPECT_STREQ(DialogPictureDrawing(down), "arrow-down.svg") << down;
    for (int up : {264, 283}) EXPECT_STREQ(DialogPictureDrawing(up), "arrow-up.svg") << up;
    const QImage down = DialogPictureImage(263, QSize(16, 16));
    const QImage up = DialogPictureImage(283, QSize(16, 16));
    ASSERT_FALSE(down.isNull());
    ASSERT_FALSE(up.isNull());
    EXPECT_LT(WidestRow(down), 8);
    EXPECT_GE(WidestRow(up), 8);
}

// The about box's icon: the program's own drawing, not an arrow.
TEST(QtArrowPictures, TheMainFramesIdDrawsTheProgramsIcon) {
    EXPECT_STREQ(DialogPictureDrawing(128), "kartovan.svg");
    const QImage icon = DialogPictureImage(128, QSize(32, 32));
    ASSERT_FALSE(icon.isNull());
    EXPECT_GT(qAlpha(icon.pixel(16, 16)), 0) << "the picture has ink in its middle";
}

}  // namespace
