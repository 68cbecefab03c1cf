#include "platform/headless/RecordingDC.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/core/DrawingText.h"
#include "platform/headless/RecordingRaster.h"

namespace platform {

namespace {

constexpr std::int64_t kSizeCap = 1 << 20;

int Capped(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, kSizeCap)); }

Rect LineBounds(Point from, Point to, int width) {
    const Rect r = Rect{from.x, from.y, to.x, to.y}.Normalized();
    const std::int64_t before = width / 2, after = width - width / 2;
    return {SaturateToInt(r.left - before), SaturateToInt(r.top - before),
            SaturateToInt(r.right + after), SaturateToInt(r.bottom + after)};
}

}  // namespace

RecordingDC::RecordingDC(Size surface) : size_{std::max(0, surface.cx), std::max(0, surface.cy)} {}

RecordingDC::RecordingDC(Bitmap surface)
    : size_(surface.Dimensions()), rendering_(true), bitmap_(std::move(surface)) {}

void RecordingDC::Resize(Size surface) {
    size_ = {std::max(0, surface.cx), std::max(0, surface.cy)};
    if (rendering_) bitmap_ = Bitmap(size_.cx, size_.cy);
}

void RecordingDC::StartAfresh(Size surface) {
    DeviceContext::StartAfresh();
    records_.clear();
    Resize(surface);
}

// ---- Metrics ----

int RecordingDC::LineHeight(const LogFont& font) {
    return font.height == 0 ? 16 : Capped(std::llabs(std::int64_t{font.height}));
}

int RecordingDC::CharWidth(const LogFont& font) {
    const int height = LineHeight(font);
    const int plain = font.width != 0 ? Capped(std::llabs(std::int64_t{font.width})) : (height + 1) / 2;
    return plain + (font.IsBold() ? 1 : 0);
}

Size RecordingDC::TextSize(std::string_view text, const LogFont& font) {
    const auto characters = static_cast<std::int64_t>(CountCodePoints(text));
    return {Capped(characters * CharWidth(font)), LineHeight(font)};
}

TextMetrics RecordingDC::Metrics(const LogFont& font) {
    const int height = LineHeight(font);
    const int ascent = (4 * height + 2) / 5;
    const int width = CharWidth(font);
    return {height, ascent, height - ascent, width, width};
}

Size RecordingDC::MeasureText(std::string_view text, const LogFont& font) const {
    return TextSize(text, font);
}

TextMetrics RecordingDC::MeasureFont(const LogFont& font) const { return Metrics(font); }

// ---- Records ----

std::vector<DrawRecord> RecordingDC::RecordsOfKind(DrawKind kind) const {
    std::vector<DrawRecord> found;
    std::copy_if(records_.begin(), records_.end(), std::back_inserter(found),
                 [kind](const DrawRecord& r) { return r.kind == kind; });
    return found;
}

std::string RecordingDC::Dump() const {
    std::string text;
    for (const DrawRecord& record : records_) text += FormatRecord(record) + "\n";
    return text;
}

void RecordingDC::Add(DrawRecord record, const Region& clip) {
    Rect visible;
    for (const Rect& piece : clip.Clip(record.bounds)) visible = visible.Union(piece);
    record.visible = visible;
    record.clipped = visible != record.bounds.Normalized();
    records_.push_back(std::move(record));
}

// ---- Primitives ----

void RecordingDC::DeviceText(const TextRun& run) {
    Region clip = DrawableRegion();
    if (run.clip) clip.IntersectRect(run.clip->Normalized());
    DrawRecord record;
    record.kind = DrawKind::Text;
    record.bounds = run.box;
    record.points = {run.origin};
    record.text = run.text;
    record.font = CurrentFont();
    record.escapement = run.escapement;
    record.textColor = GetTextColor();
    record.bkMode = GetBkMode();
    if (record.bkMode == BkMode::Opaque) {
        record.bkColor = GetBkColor();
        if (Bitmap* target = Target()) RasterFill(*target, clip, run.box, record.bkColor);
    }
    Add(std::move(record), clip);
}

void RecordingDC::DeviceLine(Point from, Point to) {
    const Region clip = DrawableRegion();
    DrawRecord record;
    record.kind = DrawKind::Line;
    record.points = {from, to};
    record.pen = CurrentPen();
    record.bounds = LineBounds(from, to, DevicePenWidth());
    if (Bitmap* target = Target()) RasterLine(*target, clip, from, to, record.pen, DevicePenWidth(), false);
    Add(std::move(record), clip);
}

void RecordingDC::DeviceRectangle(const Rect& rect) {
    const Region clip = DrawableRegion();
    DrawRecord record;
    record.kind = DrawKind::Rectangle;
    record.bounds = rect;
    record.pen = CurrentPen();
    record.brush = CurrentBrush();
    if (Bitmap* target = Target()) {
        if (!record.brush.null) RasterFill(*target, clip, rect, record.brush.color);
        RasterOutline(*target, clip, rect, record.pen, DevicePenWidth());
    }
    Add(std::move(record), clip);
}

void RecordingDC::DeviceRoundRect(const Rect& rect, Size corner) {
    DrawRecord record;
    record.kind = DrawKind::RoundRect;
    record.bounds = rect;
    record.corner = corner;
    record.pen = CurrentPen();
    record.brush = CurrentBrush();
    Add(std::move(record), DrawableRegion());
}

void RecordingDC::DeviceEllipse(const Rect& rect) {
    DrawRecord record;
    record.kind = DrawKind::Ellipse;
    record.bounds = rect;
    record.pen = CurrentPen();
    record.brush = CurrentBrush();
    Add(std::move(record), DrawableRegion());
}

void RecordingDC::DevicePolygon(const std::vector<Point>& points) {
    DrawRecord record;
    record.kind = DrawKind::Polygon;
    record.points = points;
    Rect bounds{points[0].x, points[0].y, points[0].x, points[0].y};
    for (Point p : points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    record.bounds = bounds;
    record.pen = CurrentPen();
    record.brush = CurrentBrush();
    Add(std::move(record), DrawableRegion());
}

void RecordingDC::DeviceFill(const Rect& rect, const Brush& brush) {
    const Region clip = DrawableRegion();
    DrawRecord record;
    record.kind = DrawKind::Fill;
    record.bounds = rect;
    record.brush = brush;
    if (Bitmap* target = Target(); target && !brush.null) RasterFill(*target, clip, rect, brush.color);
    Add(std::move(record), clip);
}

void RecordingDC::DeviceFrame(const Rect& rect, const Brush& brush, Size thickness) {
    const Region clip = DrawableRegion();
    DrawRecord record;
    record.kind = DrawKind::Frame;
    record.bounds = rect;
    record.brush = brush;
    record.corner = thickness;
    if (Bitmap* target = Target(); target && !brush.null) {
        RasterFrame(*target, clip, rect, thickness, brush.color);
    }
    Add(std::move(record), clip);
}

void RecordingDC::DevicePixel(Point point, Color color) {
    const Region clip = DrawableRegion();
    DrawRecord record;
    record.kind = DrawKind::Pixel;
    record.points = {point};
    record.bounds = {point.x, point.y, SaturateToInt(std::int64_t{point.x} + 1),
                     SaturateToInt(std::int64_t{point.y} + 1)};
    record.color = color;
    if (Bitmap* target = Target()) RasterPixel(*target, clip, point, color);
    Add(std::move(record), clip);
}

void RecordingDC::DeviceBlit(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                             RasterOp op) {
    const Region clip = DrawableRegion();
    DrawRecord record;
    record.kind = DrawKind::Blit;
    record.bounds = destination;
    record.source = sourceRect;
    record.sourceSize = source.Dimensions();
    record.rasterOp = op;
    // A blit from the context's own surface reads it as it was before the blit.
    if (Bitmap* target = Target()) {
        if (&source == target) {
            const Bitmap copy = source;
            RasterBlit(*target, clip, destination, copy, sourceRect, op);
        } else {
            RasterBlit(*target, clip, destination, source, sourceRect, op);
        }
    }
    Add(std::move(record), clip);
}

bool RecordingDC::CopyPixels(const Rect& device, Bitmap& into) const {
    if (!rendering_) return false;
    into = Bitmap(device.Width(), device.Height());
    for (int y = 0; y < device.Height(); ++y)
        for (int x = 0; x < device.Width(); ++x) into.SetPixel(x, y, bitmap_.GetPixel(device.left + x, device.top + y));
    return true;
}

}  // namespace platform

namespace platform {

void RecordingDC::DeviceScroll(const Rect& area, int dx, int dy) {
    DrawRecord record;
    record.kind = DrawKind::Scroll;
    record.bounds = area;
    record.visible = area;
    record.points = {Point{dx, dy}};
    records_.push_back(std::move(record));
    Bitmap* target = Target();
    if (!target) return;
    // Copied through a snapshot of the area, so overlapping source and destination do not matter.
    const Rect inside = area.Intersect(target->Bounds());
    const Bitmap before = *target;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) {
            const int fromX = x - dx;
            const int fromY = y - dy;
            if (fromX < inside.left || fromX >= inside.right || fromY < inside.top || fromY >= inside.bottom) continue;
            target->SetRawPixel(x, y, before.RawPixel(fromX, fromY));
        }
    }
}

}  // namespace platform
