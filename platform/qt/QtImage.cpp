#include "platform/qt/QtImage.h"

#include <QPainter>

#include <cstdint>
#include <map>
#include <utility>

namespace platform {

namespace {

// Converted images kept at most, in bytes: every card picture of a table at a few sizes.
constexpr std::size_t kConvertedBudget = 32u << 20;

struct Converted {
    QImage image;
    std::uint64_t lastUse = 0;
};

// The converted images by (content id, with alpha); a content id names one picture for ever.
struct ConvertedImages {
    std::map<std::pair<std::uint64_t, bool>, Converted> images;
    std::size_t bytes = 0;
    std::uint64_t clock = 0;
};

ConvertedImages g_converted;

}  // namespace

QImage ConvertedImage(const Bitmap& bitmap, bool withAlpha) {
    if (bitmap.IsEmpty()) return {};
    ConvertedImages& kept = g_converted;
    const std::pair<std::uint64_t, bool> key{bitmap.ContentId(), withAlpha && bitmap.HasAlpha()};
    if (auto it = kept.images.find(key); it != kept.images.end()) {
        it->second.lastUse = ++kept.clock;
        return it->second.image;
    }
    const QImage image = ToQImage(bitmap, withAlpha);
    const auto size = static_cast<std::size_t>(image.sizeInBytes());
    if (size > kConvertedBudget) return image;
    // The least recently used go until the new one fits.
    while (kept.bytes + size > kConvertedBudget && !kept.images.empty()) {
        auto oldest = kept.images.begin();
        for (auto it = kept.images.begin(); it != kept.images.end(); ++it)
            if (it->second.lastUse < oldest->second.lastUse) oldest = it;
        kept.bytes -= static_cast<std::size_t>(oldest->second.image.sizeInBytes());
        kept.images.erase(oldest);
    }
    kept.images[key] = Converted{image, ++kept.clock};
    kept.bytes += size;
    return image;
}

QImage ToQImage(const Bitmap& bitmap, bool withAlpha) {
    if (bitmap.IsEmpty()) return {};
    const bool alpha = withAlpha && bitmap.HasAlpha();
    // Premultiplied, the form Qt lays over a surface without converting it first.
    QImage image(bitmap.Width(), bitmap.Height(), alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const std::uint32_t* from = bitmap.Pixels().data();
    const std::uint8_t* coverage = alpha ? bitmap.AlphaChannel().data() : nullptr;
    for (int y = 0; y < bitmap.Height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (!coverage) {
            for (int x = 0; x < bitmap.Width(); ++x) row[x] = 0xFF000000u | *from++;
            continue;
        }
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint32_t opacity = *coverage++;
            row[x] = opacity == 255u ? (0xFF000000u | *from) : qPremultiply((opacity << 24) | *from);
            ++from;
        }
    }
    return image;
}

Bitmap ToBitmapWithAlpha(const QImage& image) {
    if (image.isNull() || image.width() > Bitmap::kMaxSide || image.height() > Bitmap::kMaxSide) return {};
    if (!image.hasAlphaChannel()) return ToBitmap(image);
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    Bitmap bitmap(straight.width(), straight.height());
    for (int y = 0; y < straight.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < straight.width(); ++x) {
            bitmap.SetRawPixel(x, y, row[x]);
            bitmap.SetAlpha(x, y, static_cast<std::uint8_t>(qAlpha(row[x])));
        }
    }
    return bitmap;
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
