#pragma once
// Conversions between the program's bitmaps and colours and Qt's images and colours, for blits,
// card pictures and previews.

#include <QColor>
#include <QImage>

#include "platform/core/Bitmap.h"
#include "platform/core/DrawingObjects.h"

namespace platform {

inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }
inline Color ToColor(const QColor& color) {
    return {static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
            static_cast<std::uint8_t>(color.blue())};
}

// An image of the bitmap (an empty bitmap gives a null image): ARGB32 where it carries an alpha
// channel and `withAlpha` is set, else opaque RGB32 with the colours alone.
QImage ToQImage(const Bitmap& bitmap, bool withAlpha = true);
// ToQImage's image, converted once per picture (by the bitmap's content id) and kept while it is
// among the most recently used: the cards and portraits are blitted at every repaint.
QImage ConvertedImage(const Bitmap& bitmap, bool withAlpha);
// The image's pixels; transparent parts are laid over `background` first. An image larger than a
// bitmap may be (Bitmap::kMaxSide) gives an empty bitmap.
Bitmap ToBitmap(const QImage& image, Color background = Color{255, 255, 255});
// The image with its alpha channel kept (a card's transparent corners); an opaque image gives a
// bitmap without one.
Bitmap ToBitmapWithAlpha(const QImage& image);

}  // namespace platform
