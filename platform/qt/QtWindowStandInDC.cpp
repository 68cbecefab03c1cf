#include "platform/qt/QtWindowStandInDC.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QRegion>

namespace platform {

namespace {

QColor ToQt(Color c) { return QColor(c.red, c.green, c.blue); }
QRect ToQt(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

QFont FontOf(const LogFont& font) {
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, font.height < 0 ? -font.height : (font.height == 0 ? 12 : font.height)));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 100, 900)));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

}  // namespace

QtWindowStandInDC::QtWindowStandInDC(QPaintDevice& device, Size surface)
    : painter_(std::make_unique<QPainter>(&device)), surface_(surface) {}

QtWindowStandInDC::~QtWindowStandInDC() { Finish(); }

void QtWindowStandInDC::Finish() {
    if (painter_) painter_->end();
    painter_.reset();
}

bool QtWindowStandInDC::Clip() {
    if (!painter_) return false;
    const Region drawable = DrawableRegion();
    QRegion region;
    for (const Rect& r : drawable.Rects()) region += ToQt(r);
    if (region.isEmpty()) return false;
    painter_->setClipRegion(region);
    return true;
}

Size QtWindowStandInDC::MeasureText(std::string_view text, const LogFont& font) const {
    const QFontMetrics metrics(FontOf(font));
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return {metrics.horizontalAdvance(s), metrics.height()};
}

TextMetrics QtWindowStandInDC::MeasureFont(const LogFont& font) const {
    const QFontMetrics m(FontOf(font));
    return {m.height(), m.ascent(), m.descent(), m.averageCharWidth(), m.maxWidth()};
}

void QtWindowStandInDC::DeviceText(const TextRun& run) {
    if (!Clip()) return;
    painter_->save();
    if (run.clip) painter_->setClipRect(ToQt(*run.clip), Qt::IntersectClip);
    const QFont font = FontOf(CurrentFont());
    if (GetBkMode() == BkMode::Opaque) painter_->fillRect(ToQt(run.box), ToQt(GetBkColor()));
    painter_->setFont(font);
    painter_->setPen(ToQt(GetTextColor()));
    painter_->translate(run.origin.x, run.origin.y);
    painter_->rotate(-run.escapement / 10.0);
    painter_->drawText(QPoint(0, QFontMetrics(font).ascent()), QString::fromStdString(run.text));
    painter_->restore();
}

void QtWindowStandInDC::Outline(const std::function<void(QPainter&)>& draw) {
    if (!Clip()) return;
    const Pen& pen = CurrentPen();
    painter_->setPen(pen.style == PenStyle::Null ? QPen(Qt::NoPen) : QPen(ToQt(pen.color), DevicePenWidth()));
    const Brush& brush = CurrentBrush();
    painter_->setBrush(brush.null ? QBrush(Qt::NoBrush) : QBrush(ToQt(brush.color)));
    draw(*painter_);
}

void QtWindowStandInDC::DeviceLine(Point from, Point to) {
    Outline([&](QPainter& p) { p.drawLine(from.x, from.y, to.x, to.y); });
}

void QtWindowStandInDC::DeviceRectangle(const Rect& rect) {
    Outline([&](QPainter& p) { p.drawRect(ToQt(rect).adjusted(0, 0, -1, -1)); });
}

void QtWindowStandInDC::DeviceRoundRect(const Rect& rect, Size corner) {
    Outline([&](QPainter& p) { p.drawRoundedRect(ToQt(rect).adjusted(0, 0, -1, -1), corner.cx / 2.0, corner.cy / 2.0); });
}

void QtWindowStandInDC::DeviceEllipse(const Rect& rect) {
    Outline([&](QPainter& p) { p.drawEllipse(ToQt(rect).adjusted(0, 0, -1, -1)); });
}

void QtWindowStandInDC::DevicePolygon(const std::vector<Point>& points) {
    QPolygon polygon;
    for (const Point& point : points) polygon << QPoint(point.x, point.y);
    Outline([&](QPainter& p) { p.drawPolygon(polygon); });
}

void QtWindowStandInDC::DeviceFill(const Rect& rect, const Brush& brush) {
    if (brush.null || !Clip()) return;
    painter_->fillRect(ToQt(rect), ToQt(brush.color));
}

void QtWindowStandInDC::DeviceFrame(const Rect& rect, const Brush& brush, Size thickness) {
    if (brush.null || !Clip()) return;
    const QRect r = ToQt(rect);
    const QColor c = ToQt(brush.color);
    painter_->fillRect(QRect(r.left(), r.top(), r.width(), thickness.cy), c);
    painter_->fillRect(QRect(r.left(), r.bottom() + 1 - thickness.cy, r.width(), thickness.cy), c);
    painter_->fillRect(QRect(r.left(), r.top(), thickness.cx, r.height()), c);
    painter_->fillRect(QRect(r.right() + 1 - thickness.cx, r.top(), thickness.cx, r.height()), c);
}

void QtWindowStandInDC::DevicePixel(Point point, Color color) {
    if (!Clip()) return;
    painter_->fillRect(QRect(point.x, point.y, 1, 1), ToQt(color));
}

void QtWindowStandInDC::DeviceBlit(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                                   RasterOp op) {
    // Pictures come with the full painter context; the stand-in only copies plain pixels.
    if (op != RasterOp::SrcCopy || !Clip()) return;
    const Rect inside = sourceRect.Intersect({0, 0, source.Width(), source.Height()});
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            const int dx = destination.left + (x - sourceRect.left) * destination.Width() / std::max(1, sourceRect.Width());
            const int dy = destination.top + (y - sourceRect.top) * destination.Height() / std::max(1, sourceRect.Height());
            painter_->fillRect(QRect(dx, dy, 1, 1), ToQt(source.GetPixel(x, y)));
        }
    }
}

}  // namespace platform
