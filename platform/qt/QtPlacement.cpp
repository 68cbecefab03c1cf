#include "platform/qt/QtPlacement.h"

#include <algorithm>

#include <QApplication>
#include <QGuiApplication>
#include <QStyle>
#include <QWidget>

namespace platform {

QMargins WindowDecoration(const QWidget* framed) {
    if (framed && framed->isWindow() && framed->isVisible()) {
        const QRect outer = framed->frameGeometry();
        const QRect inner = framed->geometry();
        const QMargins measured(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                                outer.bottom() - inner.bottom());
        if (!measured.isNull()) return measured;
    }
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) return {};
    // Before the window manager has framed a window its frame is unknown: a title bar as the style
    // draws one, and a border each side.
    const QStyle* style = QApplication::style();
    const int title = style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    constexpr int kBorder = 4;
    return {kBorder, std::max(title, 24) + kBorder, kBorder, kBorder};
}

QRect FittedOnScreen(QSize wanted, const QRect& available, const QMargins& decoration) {
    const QRect room = available.marginsRemoved(decoration);
    const int width = std::max(1, std::min(wanted.width(), room.width()));
    const int height = std::max(1, std::min(wanted.height(), room.height()));
    return {room.left() + (room.width() - width) / 2, room.top() + (room.height() - height) / 2, width, height};
}

}  // namespace platform
