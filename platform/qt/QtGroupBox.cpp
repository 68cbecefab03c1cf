#include "platform/qt/QtGroupBox.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegion>
#include <QStyle>

namespace platform {

namespace {

// Space between the title and the frame's line each side of it.
constexpr int kTitleGap = 2;

}  // namespace

QRect QtGroupBox::FrameRect() const {
    const int top = fontMetrics().height() / 2;
    return QRect(0, top, width(), std::max(0, height() - top));
}

QRect QtGroupBox::TitleRect() const {
    if (title().isEmpty()) return {};
    const QFontMetrics metrics = fontMetrics();
    // The title starts a character's width in from the frame's left edge.
    const int left = metrics.averageCharWidth();
    const int textWidth = metrics.size(Qt::TextShowMnemonic, title()).width();
    return QRect(left, 0, std::min(textWidth + 2 * kTitleGap, std::max(0, width() - 2 * left)), metrics.height());
}

void QtGroupBox::paintEvent(QPaintEvent*) {
    // Drawn here rather than by the style, whose group frame keeps a title's height free above it
    // whatever rectangle it is given.
    QPainter painter(this);
    const QRect titleRoom = TitleRect();
    painter.save();
    if (!titleRoom.isEmpty()) painter.setClipRegion(QRegion(rect()) - QRegion(titleRoom));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Window).darker(140));
    painter.setBrush(QColor(0, 0, 0, 10));  // the inside a shade darker, as the desktop's style draws it
    painter.drawRoundedRect(QRectF(FrameRect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.restore();
    if (!titleRoom.isEmpty())
        style()->drawItemText(&painter, titleRoom.adjusted(kTitleGap, 0, -kTitleGap, 0),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                              QPalette::WindowText);
}

}  // namespace platform
