#pragma once
// Small helpers of the Qt tests: surfaces to paint on and pixels read back as the program's colours.

#include <string>

#include <QImage>

#include "platform/core/DrawingObjects.h"
#include "platform/core/Geometry.h"

namespace qttest {

inline QImage Surface(int width, int height, platform::Color fill = {255, 255, 255}) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(fill.red, fill.green, fill.blue));
    return image;
}

inline platform::Color At(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
}

// The smallest rectangle holding every pixel that differs from `background` (empty when none).
inline platform::Rect Inked(const QImage& image, platform::Color background) {
    platform::Rect box;
    bool any = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (At(image, x, y) == background) continue;
            if (!any) {
                box = {x, y, x + 1, y + 1};
                any = true;
            }
            box = box.Union({x, y, x + 1, y + 1});
        }
    }
    return box;
}

// Writes a picture for a person to look at when KARTOVAN_TEST_PNG_DIR is set; tests never need it.
inline void SaveForViewing(const QImage& image, const std::string& name) {
    const QByteArray folder = qgetenv("KARTOVAN_TEST_PNG_DIR");
    if (!folder.isEmpty()) image.save(QString::fromUtf8(folder) + "/" + QString::fromStdString(name) + ".png");
}

}  // namespace qttest
