#include "platform/qt/PainterDC.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRegion>

#include "platform/qt/PainterDCFont.h"
#include "platform/qt/QtImage.h"

namespace platform {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Only for rectangles already cut to the surface, whose sides fit an int.
QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Saves the painter's state for one primitive and puts it back afterwards.
class PainterScope {
public:
    explicit PainterScope(QPainter& painter) : painter_(painter) { painter_.save(); }
    ~PainterScope() { painter_.restore(); }
    PainterScope(const PainterScope&) = delete;
    PainterScope& operator=(const PainterScope&) = delete;

private:
    QPainter& painter_;
};

Qt::PenStyle ToQtStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash: return Qt::DashLine;
        case PenStyle::Dot: return Qt::DotLine;
        case PenStyle::Null: return Qt::NoPen;
        case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}


// The image a raster operation leaves on a device that cannot combine pixels (a printer, a PDF):
// the source with the pixels made transparent that would leave white paper (AND) or any paper
// (OR, XOR with black) unchanged. Masks and their pictures print as they look on the screen.
QImage EmulatedRasterOp(const QImage& source, RasterOp op) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb invisible = op == RasterOp::SrcAnd ? 0xFFFFFFFFu : 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == invisible) row[x] = 0;
        }
    }
    return image;
}

QPainter::CompositionMode CompositionFor(RasterOp op) {
    switch (op) {
        case RasterOp::SrcAnd: return QPainter::RasterOp_SourceAndDestination;
        case RasterOp::SrcPaint: return QPainter::RasterOp_SourceOrDestination;
        case RasterOp::SrcInvert: return QPainter::RasterOp_SourceXorDestination;
        case RasterOp::SrcAlpha: return QPainter::CompositionMode_SourceOver;
        case RasterOp::SrcCopy: break;
    }
    return QPainter::CompositionMode_Source;
}

// First destination offset whose source position (offset x source / destination, rounded down)
// reaches `sourceOffset`.
std::int64_t FirstReaching(std::int64_t sourceOffset, std::int64_t destination, std::int64_t source) {
    if (sourceOffset <= 0) return 0;
    return (sourceOffset * destination + source - 1) / source;
}

}  // namespace

PainterDC::PainterDC(QPaintDevice& device) : PainterDC(device, Size{device.width(), device.height()}) {}

PainterDC::PainterDC(QPaintDevice& device, Size surface)
    : owned_(std::make_unique<QPainter>()),
      surface_{std::max(0, surface.cx), std::max(0, surface.cy)} {
    if (owned_->begin(&device)) painter_ = owned_.get();
}

PainterDC::PainterDC(QPainter& painter, Size surface)
    : painter_(&painter), surface_{std::max(0, surface.cx), std::max(0, surface.cy)} {}

double PainterDC::PixelRatio() const {
    return painter_ && painter_->device() ? painter_->device()->devicePixelRatioF() : 1.0;
}

PainterDC::~PainterDC() { Finish(); }

void PainterDC::Finish() {
    if (owned_ && owned_->isActive()) owned_->end();
    if (owned_) painter_ = nullptr;
}

double PainterDC::ScaleX() const {
    const Mapping& mapping = CurrentMapping();
    return std::abs(static_cast<double>(mapping.ViewportExt().cx) / mapping.WindowExt().cx);
}

double PainterDC::ScaleY() const {
    const Mapping& mapping = CurrentMapping();
    return std::abs(static_cast<double>(mapping.ViewportExt().cy) / mapping.WindowExt().cy);
}

std::optional<Rect> PainterDC::TakeTouched() { return std::exchange(touched_, std::nullopt); }

void PainterDC::Touch(const Rect& reach, const Region& drawable) {
    const Rect part = drawable.Bounds().Intersect(reach.Normalized());
    if (part.IsEmpty()) return;
    touched_ = touched_ ? touched_->Union(part) : part;
}

bool PainterDC::BeginPrimitive(const Rect& reach, const Rect* extraClip) {
    if (!IsActive()) return false;
    Region drawable = DrawableRegion();
    if (extraClip) drawable.IntersectRect(extraClip->Normalized());
    if (drawable.IsEmpty()) return false;
    Touch(reach, drawable);
    QRegion region;
    for (const Rect& piece : drawable.Rects()) region += ToQRect(piece);
    painter_->setClipRegion(region);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    return true;
}

QPen PainterDC::OutlinePen() const {
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return Qt::NoPen;
    QPen qpen(ToQColor(pen.color));
    qpen.setStyle(ToQtStyle(pen.style));
    qpen.setWidth(DevicePenWidth());
    qpen.setJoinStyle(Qt::MiterJoin);
    return qpen;
}

QBrush PainterDC::FillBrush() const {
    const Brush& brush = CurrentBrush();
    return brush.null ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color));
}

// ---- Text ----

const PainterDC::FontCache& PainterDC::Font(const LogFont& font) const {
    const auto known =
        std::find_if(fontCache_.begin(), fontCache_.end(), [&](const FontCache& kept) { return kept.font == font; });
    if (known != fontCache_.end()) {
        fontCache_.splice(fontCache_.begin(), fontCache_, known);
    } else {
        if (fontCache_.size() >= kFontsKept) fontCache_.pop_back();
        const QFont qfont = ToQFont(font);
        fontCache_.push_front(FontCache{font, qfont, QFontMetricsF(qfont), {}});
    }
    return fontCache_.front();
}

Size PainterDC::MeasureText(std::string_view text, const LogFont& font) const {
    const FontCache& cache = Font(font);
    auto known = cache.widths.find(std::string(text));
    if (known == cache.widths.end()) {
        // Kept small: a long match measures many different scores.
        if (cache.widths.size() >= kMeasuredTextsKept) cache.widths.clear();
        known = cache.widths.emplace(std::string(text), cache.metrics.horizontalAdvance(ToQString(text))).first;
    }
    const double width = known->second;
    return {static_cast<int>(std::ceil(width)), MeasureFont(font).height};
}

TextMetrics PainterDC::MeasureFont(const LogFont& font) const {
    const QFontMetricsF& metrics = Font(font).metrics;
    TextMetrics result;
    result.ascent = static_cast<int>(std::lround(metrics.ascent()));
    result.descent = static_cast<int>(std::lround(metrics.descent()));
    result.height = result.ascent + result.descent;
    result.averageCharWidth = static_cast<int>(std::lround(metrics.averageCharWidth()));
    result.maxCharWidth = static_cast<int>(std::lround(metrics.maxWidth()));
    return result;
}

void PainterDC::DeviceText(const TextRun& run) {
    if (!IsActive()) return;
    PainterScope scope(*painter_);
    // Glyphs may stand out of their cells (italics, accents): a margin of the box's height; turned
    // text is counted as the whole surface.
    Rect reach = SurfaceBounds();
    if (run.escapement == 0) {
        reach = run.box.Normalized();
        reach.Inflate(reach.Height() + 2, reach.Height() + 2);
    }
    if (!BeginPrimitive(reach, run.clip ? &*run.clip : nullptr)) return;
    if (GetBkMode() == BkMode::Opaque) {
        const Region drawable = DrawableRegion();
        for (const Rect& piece : drawable.Clip(run.box.Normalized())) {
            painter_->fillRect(ToQRect(piece), ToQColor(GetBkColor()));
        }
    }
    if (run.text.empty()) return;
    const FontCache& font = Font(CurrentFont());
    const double ascent = font.metrics.ascent();
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setFont(font.qfont);
    painter_->setPen(ToQColor(GetTextColor()));
    // The font is laid out in logical units and scaled to the device, so the text covers the box
    // the base class measured, on a printer as on the screen.
    painter_->translate(run.origin.x, run.origin.y);
    painter_->rotate(-run.escapement / 10.0);
    painter_->scale(ScaleX(), ScaleY());
    painter_->drawText(QPointF(0, ascent), ToQString(run.text));
}

// ---- Lines and shapes ----

void PainterDC::DeviceLine(Point from, Point to) {
    if (CurrentPen().style == PenStyle::Null || from == to || !IsActive()) return;
    PainterScope scope(*painter_);
    const int width = DevicePenWidth();
    Rect reach{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1, std::max(from.y, to.y) + 1};
    reach.Inflate(width + 1, width + 1);
    if (!BeginPrimitive(reach)) return;
    double x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    Rect box = SurfaceBounds();
    box.Inflate(width + 1, width + 1);
    if (!CutLineToBox(x0, y0, x1, y1, box)) return;
    QPen pen = OutlinePen();
    pen.setCapStyle(Qt::FlatCap);
    painter_->setPen(pen);
    if (width == 1) {
        // With flat caps the painter leaves out a thin line's last pixel, as the line should.
        const QPoint a(static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0)));
        const QPoint b(static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)));
        painter_->drawLine(a, b);
    } else {
        painter_->drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
    }
}

void PainterDC::DeviceRectangle(const Rect& rect) {
    const Rect r = rect.Normalized();
    if (r.IsEmpty()) return;
    const Brush& brush = CurrentBrush();
    if (!brush.null) DeviceFill(r, brush);
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null) return;
    const int width = DevicePenWidth();
    if (pen.style == PenStyle::Solid) {
        // The pen runs centred on the rectangle's edge pixels: a frame of its width.
        const int before = width / 2;
        const Rect outer{SaturateToInt(std::int64_t{r.left} - before),
                         SaturateToInt(std::int64_t{r.top} - before),
                         SaturateToInt(std::int64_t{r.right} - 1 - before + width),
                         SaturateToInt(std::int64_t{r.bottom} - 1 - before + width)};
        DeviceFrame(outer, Brush::Solid(pen.color), {width, width});
        return;
    }
    QPainterPath path;
    path.addRect(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1.0, r.Height() - 1.0));
    if (!IsActive()) return;
    PainterScope scope(*painter_);
    Rect reach = r;
    reach.Inflate(width + 1, width + 1);
    if (!BeginPrimitive(reach)) return;
    painter_->strokePath(path, OutlinePen());
}

void PainterDC::DrawShape(const QPainterPath& path) {
    if (!IsActive()) return;
    PainterScope scope(*painter_);
    const QRect bounds = path.boundingRect().toAlignedRect();
    Rect reach{bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()};
    const int width = DevicePenWidth();
    reach.Inflate(width + 1, width + 1);
    if (!BeginPrimitive(reach)) return;
    painter_->setPen(OutlinePen());
    painter_->setBrush(FillBrush());
    painter_->drawPath(path);
}

void PainterDC::DeviceRoundRect(const Rect& rect, Size corner) {
    const Rect r = rect.Normalized();
    if (r.IsEmpty()) return;
    QPainterPath path;
    path.addRoundedRect(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1.0, r.Height() - 1.0),
                        corner.cx / 2.0, corner.cy / 2.0);
    DrawShape(path);
}

void PainterDC::DeviceEllipse(const Rect& rect) {
    const Rect r = rect.Normalized();
    if (r.IsEmpty()) return;
    QPainterPath path;
    path.addEllipse(QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1.0, r.Height() - 1.0));
    DrawShape(path);
}

void PainterDC::DevicePolygon(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (Point p : points) polygon << QPointF(p.x + 0.5, p.y + 0.5);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(polygon);
    path.closeSubpath();
    DrawShape(path);
}

void PainterDC::DeviceFill(const Rect& rect, const Brush& brush) {
    if (brush.null || !IsActive()) return;
    PainterScope scope(*painter_);
    const Region drawable = DrawableRegion();
    Touch(rect, drawable);
    for (const Rect& piece : drawable.Clip(rect.Normalized())) {
        painter_->fillRect(ToQRect(piece), ToQColor(brush.color));
    }
}

void PainterDC::DeviceFrame(const Rect& rect, const Brush& brush, Size thickness) {
    const Rect r = rect.Normalized();
    if (r.IsEmpty() || brush.null) return;
    const int tx = std::min(thickness.cx, r.Width()), ty = std::min(thickness.cy, r.Height());
    // Four strips that do not overlap, so that nothing is painted twice.
    DeviceFill({r.left, r.top, r.right, r.top + ty}, brush);
    DeviceFill({r.left, r.bottom - ty, r.right, r.bottom}, brush);
    DeviceFill({r.left, r.top + ty, r.left + tx, r.bottom - ty}, brush);
    DeviceFill({r.right - tx, r.top + ty, r.right, r.bottom - ty}, brush);
}

void PainterDC::DevicePixel(Point point, Color color) {
    if (!IsActive() || !DrawableRegion().Contains(point)) return;
    touched_ = touched_ ? touched_->Union({point.x, point.y, point.x + 1, point.y + 1})
                        : Rect{point.x, point.y, point.x + 1, point.y + 1};
    painter_->fillRect(QRect(point.x, point.y, 1, 1), ToQColor(color));
}

// ---- Bitmaps ----

void PainterDC::DeviceBlit(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                           RasterOp op) {
    const Rect d = destination.Normalized();
    if (d.IsEmpty() || sourceRect.IsEmpty() || source.IsEmpty() || !IsActive()) return;
    // Only source pixels inside the bitmap are drawn: cut the source rectangle to it and the
    // destination in proportion (destination pixel x reads source left + (x - d.left) x sw / dw).
    const Rect s = sourceRect.Intersect(source.Bounds());
    if (s.IsEmpty()) return;
    const std::int64_t dw = std::int64_t{d.right} - d.left, dh = std::int64_t{d.bottom} - d.top;
    const std::int64_t sw = std::int64_t{sourceRect.right} - sourceRect.left;
    const std::int64_t sh = std::int64_t{sourceRect.bottom} - sourceRect.top;
    const Rect target{
        SaturateToInt(d.left + FirstReaching(std::int64_t{s.left} - sourceRect.left, dw, sw)),
        SaturateToInt(d.top + FirstReaching(std::int64_t{s.top} - sourceRect.top, dh, sh)),
        SaturateToInt(d.left + FirstReaching(std::int64_t{s.right} - sourceRect.left, dw, sw)),
        SaturateToInt(d.top + FirstReaching(std::int64_t{s.bottom} - sourceRect.top, dh, sh))};
    if (target.IsEmpty()) return;
    // Far-away destinations: draw only the part on the surface, reading the matching source part.
    const Rect onSurface = target.Intersect(SurfaceBounds());
    if (onSurface.IsEmpty()) return;
    const double scaleX = static_cast<double>(s.Width()) / target.Width();
    const double scaleY = static_cast<double>(s.Height()) / target.Height();
    const QRectF sourcePart(s.left + (onSurface.left - double(target.left)) * scaleX,
                            s.top + (onSurface.top - double(target.top)) * scaleY,
                            onSurface.Width() * scaleX, onSurface.Height() * scaleY);

    PainterScope scope(*painter_);
    if (!BeginPrimitive(onSurface)) return;
    // Only the blend blit reads the alpha channel; the others copy and combine colours alone.
    const QImage image = ConvertedImage(source, op == RasterOp::SrcAlpha);
    const bool raster = painter_->paintEngine() &&
                        painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (op == RasterOp::SrcAlpha) {
        // Pictures with transparent parts (the cards' rounded corners): laid over what lies below,
        // smoothed where they are not drawn pixel for pixel.
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        // A whole picture made for the device's pixels under it (a card at 1.5 times, where the
        // card's edges fall between device pixels) is placed on whole device pixels, unscaled.
        const double ratio = PixelRatio();
        const bool whole = onSurface == target && s == source.Bounds() && sourceRect == s;
        if (whole && std::abs(s.Width() - target.Width() * ratio) <= 1.0 &&
            std::abs(s.Height() - target.Height() * ratio) <= 1.0) {
            const QRectF exact(std::round(target.left * ratio) / ratio, std::round(target.top * ratio) / ratio,
                               s.Width() / ratio, s.Height() / ratio);
            if (ratio == 1.0 && painter_->deviceTransform().type() <= QTransform::TxTranslate) {
                // Pixel for pixel on an unscaled surface (not a printed page) nothing is smoothed.
                // Said so, and clipped to one rectangle at a time, the painter lays the card over
                // the table in one pass instead of handing its rows to helper threads and waiting
                // for them.
                painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
                const QRegion clip = painter_->clipRegion();
                for (const QRect& piece : clip) {
                    if (!piece.intersects(exact.toRect())) continue;
                    painter_->setClipRect(piece);
                    painter_->drawImage(exact, image);
                }
            } else {
                painter_->drawImage(exact, image);
            }
        } else {
            painter_->drawImage(QRectF(ToQRect(onSurface)), image, sourcePart);
        }
    } else if (op == RasterOp::SrcCopy) {
        // Screens stretch pixel by pixel, as the classic interface does; on paper the pictures
        // (cards, portraits) are smoothed.
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, !raster);
        painter_->setCompositionMode(QPainter::CompositionMode_Source);
        painter_->drawImage(QRectF(ToQRect(onSurface)), image, sourcePart);
    } else if (raster) {
        painter_->setCompositionMode(CompositionFor(op));
        painter_->drawImage(QRectF(ToQRect(onSurface)), image, sourcePart);
    } else {
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_->drawImage(QRectF(ToQRect(onSurface)), EmulatedRasterOp(image, op), sourcePart);
    }
}

void PainterDC::DeviceScroll(const Rect& area, int dx, int dy) {
    if (!IsActive()) return;
    auto* image = dynamic_cast<QImage*>(painter_->device());
    if (!image) return;
    touched_ = touched_ ? touched_->Union(area) : area;
    const qreal ratio = image->devicePixelRatio();
    const QRect from(qRound(area.left * ratio), qRound(area.top * ratio), qRound(area.Width() * ratio),
                     qRound(area.Height() * ratio));
    const QImage moved = image->copy(from);
    painter_->save();
    painter_->resetTransform();
    painter_->setClipRect(QRectF(area.left, area.top, area.Width(), area.Height()));
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
    painter_->drawImage(QRectF(area.left + dx, area.top + dy, area.Width(), area.Height()), moved);
    painter_->restore();
}

bool PainterDC::CopyPixels(const Rect& device, Bitmap& into) const {
    if (!IsActive()) return false;
    const auto* image = dynamic_cast<const QImage*>(painter_->device());
    if (!image) return false;
    // The raster engine draws straight into the image, so what was painted can be read at once.
    // Every pixel of the screen under the rectangle: a band darkened and put back is as sharp as
    // before on a screen scaled twice.
    const qreal ratio = image->devicePixelRatio();
    const auto pixel = [ratio](int unit) {
        return static_cast<std::int64_t>(std::llround(static_cast<double>(unit) * ratio));
    };
    const std::int64_t left = pixel(device.left), top = pixel(device.top);
    into = Bitmap(SaturateToInt(pixel(device.right) - left), SaturateToInt(pixel(device.bottom) - top));
    into.SetPixelRatio(ratio);
    for (int y = 0; y < into.Height(); ++y) {
        const std::int64_t imageY = top + y;
        if (imageY < 0 || imageY >= image->height()) continue;  // outside the surface: black
        for (int x = 0; x < into.Width(); ++x) {
            const std::int64_t imageX = left + x;
            if (imageX < 0 || imageX >= image->width()) continue;
            into.SetRawPixel(x, y, image->pixel(static_cast<int>(imageX), static_cast<int>(imageY)));
        }
    }
    return true;
}

}  // namespace platform
