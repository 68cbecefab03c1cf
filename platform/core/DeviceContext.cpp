#include "platform/core/DeviceContext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <utility>

#include "platform/core/DrawingText.h"

namespace platform {

namespace {

int Saturate(double v) {
    if (!(v > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(std::lround(v));
}

int Saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// x, y, width, height as a rectangle, without overflowing at the far edges.
Rect RectFromSize(int x, int y, int width, int height) {
    return {x, y, Saturate(std::int64_t{x} + width), Saturate(std::int64_t{y} + height)};
}

bool IsQuarterTurn(int escapement) {
    int turn = ((escapement % 3600) + 3600) % 3600;
    return turn == 900 || turn == 2700;
}

// Direction cosine and sine of an escapement; exact for the quarter turns.
void Direction(int escapement, double& cosine, double& sine) {
    int turn = ((escapement % 3600) + 3600) % 3600;
    switch (turn) {
        case 0: cosine = 1; sine = 0; return;
        case 900: cosine = 0; sine = 1; return;
        case 1800: cosine = -1; sine = 0; return;
        case 2700: cosine = 0; sine = -1; return;
        default: {
            double radians = turn * std::numbers::pi / 1800.0;
            cosine = std::cos(radians);
            sine = std::sin(radians);
        }
    }
}

}  // namespace

// ---- Objects and attributes ----

LogFont DeviceContext::SelectFont(const LogFont& font) { return std::exchange(state_.font, font); }
Pen DeviceContext::SelectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush DeviceContext::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
Color DeviceContext::SetTextColor(Color color) { return std::exchange(state_.textColor, color); }
Color DeviceContext::SetBkColor(Color color) { return std::exchange(state_.bkColor, color); }
BkMode DeviceContext::SetBkMode(BkMode mode) { return std::exchange(state_.bkMode, mode); }
unsigned DeviceContext::SetTextAlign(unsigned align) { return std::exchange(state_.textAlign, align); }

// ---- Text ----

Size DeviceContext::GetTextExtent(std::string_view text) const {
    Size extent = MeasureText(text, state_.font);
    if (IsQuarterTurn(state_.font.escapement)) std::swap(extent.cx, extent.cy);
    return extent;
}

TextMetrics DeviceContext::GetTextMetrics() const { return MeasureFont(state_.font); }

TextRun DeviceContext::PlaceText(std::string_view text, Point reference, int along, int down,
                                 Size extent, int escapement) const {
    double cosine = 1, sine = 0;
    Direction(escapement, cosine, sine);
    // Logical y grows downward: "along" runs at the escapement angle counter-clockwise on the
    // screen, "down" a quarter turn clockwise from it.
    auto toLogical = [&](double u, double v) {
        return Point{Saturate(reference.x + u * cosine + v * sine),
                     Saturate(reference.y - u * sine + v * cosine)};
    };
    TextRun run;
    run.text = std::string(text);
    run.escapement = escapement;
    run.origin = LPtoDP(toLogical(along, down));
    Rect box{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
             std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    for (double u : {double(along), double(along) + extent.cx}) {
        for (double v : {double(down), double(down) + extent.cy}) {
            Point corner = LPtoDP(toLogical(u, v));
            box.left = std::min(box.left, corner.x);
            box.top = std::min(box.top, corner.y);
            box.right = std::max(box.right, corner.x);
            box.bottom = std::max(box.bottom, corner.y);
        }
    }
    run.box = box;
    return run;
}

void DeviceContext::TextOut(int x, int y, std::string_view text) {
    const unsigned align = state_.textAlign;
    const bool updateCP = (align & TextAlign::UpdateCP) != 0;
    const Size extent = MeasureText(text, state_.font);
    const TextMetrics metrics = MeasureFont(state_.font);
    const Point reference = updateCP ? state_.currentPosition : Point{x, y};

    int along = 0;
    int advance = 0;  // how far the current position moves along the text
    switch (align & TextAlign::HorizontalMask) {
        case TextAlign::Right: along = -extent.cx; advance = -extent.cx; break;
        case TextAlign::Center: along = -extent.cx / 2; break;
        default: advance = extent.cx; break;
    }
    int down = 0;
    switch (align & TextAlign::VerticalMask) {
        case TextAlign::Baseline: down = -metrics.ascent; break;
        case TextAlign::Bottom: down = -extent.cy; break;
        default: break;
    }
    if (!retired_) DeviceText(PlaceText(text, reference, along, down, extent, state_.font.escapement));

    if (updateCP && advance != 0) {
        double cosine = 1, sine = 0;
        Direction(state_.font.escapement, cosine, sine);
        state_.currentPosition = {Saturate(reference.x + advance * cosine),
                                  Saturate(reference.y - advance * sine)};
    }
}

int DeviceContext::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const int lineHeight = MeasureFont(state_.font).height;
    const LogFont& font = state_.font;
    auto measure = [&](std::string_view piece) { return MeasureText(piece, font).cx; };
    std::vector<TextLine> lines = BreakTextLines(text, format, rect.Width(), measure);

    int widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    const int total = Saturate(std::int64_t{lineHeight} * static_cast<std::int64_t>(lines.size()));
    if (format & DrawTextFormat::CalcRect) {
        rect.right = Saturate(std::int64_t{rect.left} + widest);
        rect.bottom = Saturate(std::int64_t{rect.top} + total);
        return total;
    }

    int y = rect.top;
    int result = total;
    if ((format & DrawTextFormat::SingleLine) && !lines.empty()) {
        if (format & DrawTextFormat::Bottom) {
            y = rect.bottom - lineHeight;
            result = rect.Height();
        } else if (format & DrawTextFormat::VCenter) {
            y = rect.top + (rect.Height() - lineHeight) / 2;
            result = y + lineHeight - rect.top;
        }
    }
    std::optional<Rect> clip;
    if (!(format & DrawTextFormat::NoClip)) clip = LPtoDP(rect);
    for (const TextLine& line : lines) {
        int x = rect.left;
        if (format & DrawTextFormat::Right) {
            x = rect.right - line.width;
        } else if (format & DrawTextFormat::Center) {
            x = rect.left + (rect.Width() - line.width) / 2;
        }
        TextRun run = PlaceText(line.text, {x, y}, 0, 0, {line.width, lineHeight}, 0);
        run.clip = clip;
        if (!retired_) DeviceText(run);
        y += lineHeight;
    }
    return result;
}

// ---- Lines and shapes ----

Point DeviceContext::MoveTo(int x, int y) { return std::exchange(state_.currentPosition, {x, y}); }

void DeviceContext::LineTo(int x, int y) {
    if (!retired_) DeviceLine(LPtoDP(state_.currentPosition), LPtoDP(Point{x, y}));
    state_.currentPosition = {x, y};
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    if (!retired_) DeviceRectangle(LPtoDP(Rect{left, top, right, bottom}));
}

void DeviceContext::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                              int cornerHeight) {
    if (!retired_) DeviceRoundRect(LPtoDP(Rect{left, top, right, bottom}),
                    {state_.mapping.LengthToDeviceX(cornerWidth),
                     state_.mapping.LengthToDeviceY(cornerHeight)});
}

void DeviceContext::Ellipse(int left, int top, int right, int bottom) {
    if (!retired_) DeviceEllipse(LPtoDP(Rect{left, top, right, bottom}));
}

void DeviceContext::Polygon(std::span<const Point> points) {
    if (points.size() < 2) return;
    std::vector<Point> device;
    device.reserve(points.size());
    for (Point p : points) device.push_back(LPtoDP(p));
    if (!retired_) DevicePolygon(device);
}

void DeviceContext::FillRect(const Rect& rect, const Brush& brush) {
    if (!retired_) DeviceFill(LPtoDP(rect), brush);
}

void DeviceContext::FrameRect(const Rect& rect, const Brush& brush) {
    if (!retired_) DeviceFrame(LPtoDP(rect), brush,
                {std::max(1, state_.mapping.LengthToDeviceX(1)),
                 std::max(1, state_.mapping.LengthToDeviceY(1))});
}

void DeviceContext::SetPixel(int x, int y, Color color) {
    if (!retired_) DevicePixel(LPtoDP(Point{x, y}), color);
}

void DeviceContext::ScrollSurface(const Rect& area, int dx, int dy) {
    const Rect inside = area.Intersect(SurfaceBounds());
    if (retired_ || inside.IsEmpty() || (dx == 0 && dy == 0)) return;
    DeviceScroll(inside, dx, dy);
}

// ---- Bitmaps ----

void DeviceContext::BitBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                           int sourceY, RasterOp op) {
    StretchBlt(x, y, width, height, source, sourceX, sourceY, width, height, op);
}

void DeviceContext::StretchBlt(int x, int y, int width, int height, const Bitmap& source,
                               int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                               RasterOp op) {
    if (width < 1 || height < 1 || sourceWidth < 1 || sourceHeight < 1) return;
    Rect sourceRect = RectFromSize(sourceX, sourceY, sourceWidth, sourceHeight);
    // A save-under of a scaled screen is read in the units of the surface it came from: all its
    // pixels go back to the device pixels they were taken from.
    if (const double ratio = source.PixelRatio(); ratio != 1.0) {
        auto pixels = [ratio](int units) {
            return SaturateToInt(std::llround(static_cast<double>(units) * ratio));
        };
        sourceRect = {pixels(sourceRect.left), pixels(sourceRect.top), pixels(sourceRect.right),
                      pixels(sourceRect.bottom)};
    }
    if (!retired_) DeviceBlit(LPtoDP(RectFromSize(x, y, width, height)), source, sourceRect, op);
}

// ---- Clipping ----

Region DeviceContext::DrawableRegion() const {
    if (!state_.clip) return Region(SurfaceBounds());
    Region drawable = *state_.clip;
    drawable.IntersectRect(SurfaceBounds());
    return drawable;
}

int DeviceContext::DevicePenWidth() const {
    return std::max(1, state_.mapping.LengthToDeviceX(state_.pen.width));
}

ClipKind DeviceContext::ClipResult() const { return DrawableRegion().Kind(); }

Region& DeviceContext::ClipForChange() {
    if (!state_.clip) state_.clip = Region(SurfaceBounds());
    return *state_.clip;
}

ClipKind DeviceContext::SetClipRect(const Rect& rect) {
    state_.clip = Region(LPtoDP(rect));
    return ClipResult();
}

ClipKind DeviceContext::RemoveClip() {
    state_.clip.reset();
    return ClipResult();
}

ClipKind DeviceContext::IntersectClipRect(const Rect& rect) {
    ClipForChange().IntersectRect(LPtoDP(rect));
    return ClipResult();
}

ClipKind DeviceContext::ExcludeClipRect(const Rect& rect) {
    ClipForChange().ExcludeRect(LPtoDP(rect));
    return ClipResult();
}

Rect DeviceContext::GetClipBox() const {
    Region drawable = DrawableRegion();
    return drawable.IsEmpty() ? Rect{} : DPtoLP(drawable.Bounds());
}

bool DeviceContext::RectVisible(const Rect& rect) const {
    return DrawableRegion().Meets(LPtoDP(rect));
}

bool DeviceContext::PtVisible(int x, int y) const {
    return DrawableRegion().Contains(LPtoDP(Point{x, y}));
}

// ---- Saved states ----

int DeviceContext::SaveDC() {
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

bool DeviceContext::RestoreDC(int level) {
    const auto depth = static_cast<std::int64_t>(saved_.size());
    const std::int64_t index = level < 0 ? depth + level : std::int64_t{level} - 1;
    if (level == 0 || index < 0 || index >= depth) return false;
    state_ = saved_[static_cast<std::size_t>(index)];
    saved_.resize(static_cast<std::size_t>(index));
    return true;
}

// ---- Mapping ----

MapMode DeviceContext::SetMapMode(MapMode mode) { return state_.mapping.SetMode(mode); }
Point DeviceContext::SetWindowOrg(int x, int y) { return state_.mapping.SetWindowOrg({x, y}); }
Point DeviceContext::SetViewportOrg(int x, int y) { return state_.mapping.SetViewportOrg({x, y}); }
Size DeviceContext::SetWindowExt(int cx, int cy) { return state_.mapping.SetWindowExt({cx, cy}); }
Size DeviceContext::SetViewportExt(int cx, int cy) { return state_.mapping.SetViewportExt({cx, cy}); }

}  // namespace platform
