#include "platform/qt/QtPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QSvgRenderer>

#include <vector>

namespace platform {

namespace {

QPixmap Render(QSvgRenderer& renderer, int side, qreal ratio) {
    const int pixels = qRound(side * ratio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

QString PicturePath(std::string_view drawing) {
    return QStringLiteral(":/kartovan/") + QString::fromUtf8(drawing.data(), static_cast<qsizetype>(drawing.size()));
}

QIcon DrawingIcon(std::string_view drawing, int side) {
    if (drawing.empty() || side < 1) return {};
    QSvgRenderer renderer(PicturePath(drawing));
    if (!renderer.isValid()) return {};
    QIcon icon;
    std::vector<qreal> ratios{1.0, 1.5, 2.0, 3.0};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) ratios.push_back(screen->devicePixelRatio());
    for (qreal ratio : ratios) icon.addPixmap(Render(renderer, side, ratio));
    return icon;
}

QIcon ButtonIcon(std::string_view themeName, std::string_view drawing, int side) {
    if (!themeName.empty()) {
        const QString name = QString::fromUtf8(themeName.data(), static_cast<qsizetype>(themeName.size()));
        if (QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
    }
    return DrawingIcon(drawing, side);
}

QIcon ProgramIcon() {
    QSvgRenderer renderer(PicturePath("kartovan.svg"));
    if (!renderer.isValid()) return {};
    QIcon icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) icon.addPixmap(Render(renderer, side, 1.0));
    return icon;
}

}  // namespace platform
