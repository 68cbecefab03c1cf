#include "platform/qt/QtImage.h"

#include <QPainter>

namespace platform {

QImage ToQImage(const Bitmap& bitmap) {
    if (bitmap.IsEmpty()) return {};
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    const std::uint32_t* from = bitmap.Pixels().data();
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.Width(); ++x) row[x] = 0xFF000000u | *from++;
    }
    return image;
}

Bitmap ToBitmap(const QImage& image, Color background) {
    if (image.isNull() || image.width() > Bitmap::kMaxSide || image.height() > Bitmap::kMaxSide) {
        return {};
    }
    QImage opaque(image.size(), QImage::Format_RGB32);
    if (image.hasAlphaChannel()) {
        opaque.fill(ToQColor(background));
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    } else {
        opaque = image.convertToFormat(QImage::Format_RGB32);
    }
    Bitmap bitmap(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        for (int x = 0; x < opaque.width(); ++x) bitmap.SetRawPixel(x, y, row[x]);
    }
    return bitmap;
}

}  // namespace platform
