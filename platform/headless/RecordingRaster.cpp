#include "platform/headless/RecordingRaster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace platform {

namespace {

// The clip region's pieces that lie on the bitmap: every loop below stays within these.
Region OnBitmap(const Bitmap& target, const Region& clip) {
    Region visible = clip;
    visible.IntersectRect(target.Bounds());
    return visible;
}

bool PatternOn(PenStyle style, std::int64_t step) {
    switch (style) {
        case PenStyle::Dash: return step % 24 < 18;
        case PenStyle::Dot: return step % 6 < 3;
        default: return true;
    }
}

// Lines longer than this are cut to the bitmap first, so that far-away end points cost nothing.
constexpr std::int64_t kLongLine = 1 << 16;


void Dot(Bitmap& target, const Region& clip, std::int64_t x, std::int64_t y, int width,
         std::uint32_t pixel) {
    const std::int64_t left = std::max<std::int64_t>(0, x - width / 2);
    const std::int64_t top = std::max<std::int64_t>(0, y - width / 2);
    const std::int64_t right = std::min<std::int64_t>(target.Width(), x - width / 2 + width);
    const std::int64_t bottom = std::min<std::int64_t>(target.Height(), y - width / 2 + width);
    for (std::int64_t py = top; py < bottom; ++py) {
        for (std::int64_t px = left; px < right; ++px) {
            const Point p{static_cast<int>(px), static_cast<int>(py)};
            if (clip.Contains(p)) target.SetRawPixel(p.x, p.y, pixel);
        }
    }
}

std::uint32_t Combine(std::uint32_t destination, std::uint32_t source, RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy: return source;
        case RasterOp::SrcAnd: return destination & source;
        case RasterOp::SrcPaint: return destination | source;
        case RasterOp::SrcInvert: return destination ^ source;
        case RasterOp::SrcAlpha: return source;  // an opaque pixel; the blit blends the others
    }
    return source;
}

// The source colour over the destination colour at coverage 0..255, channel by channel.
std::uint32_t Blend(std::uint32_t destination, std::uint32_t source, std::uint32_t alpha) {
    std::uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
        const std::uint32_t d = (destination >> shift) & 0xFFu, s = (source >> shift) & 0xFFu;
        result |= ((s * alpha + d * (255u - alpha) + 127u) / 255u) << shift;
    }
    return result;
}

}  // namespace

void RasterFill(Bitmap& target, const Region& clip, const Rect& rect, Color color) {
    const std::uint32_t pixel = color.ToPixel();
    for (const Rect& piece : OnBitmap(target, clip).Clip(rect.Normalized())) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            for (int x = piece.left; x < piece.right; ++x) target.SetRawPixel(x, y, pixel);
        }
    }
}

void RasterFrame(Bitmap& target, const Region& clip, const Rect& rect, Size thickness, Color color) {
    const Rect r = rect.Normalized();
    const int tx = std::min(thickness.cx, r.Width()), ty = std::min(thickness.cy, r.Height());
    RasterFill(target, clip, {r.left, r.top, r.right, r.top + ty}, color);
    RasterFill(target, clip, {r.left, r.bottom - ty, r.right, r.bottom}, color);
    RasterFill(target, clip, {r.left, r.top, r.left + tx, r.bottom}, color);
    RasterFill(target, clip, {r.right - tx, r.top, r.right, r.bottom}, color);
}

void RasterLine(Bitmap& target, const Region& clip, Point from, Point to, const Pen& pen,
                int width, bool includeEnd) {
    if (pen.style == PenStyle::Null || target.IsEmpty()) return;
    const Region visible = OnBitmap(target, clip);
    if (visible.IsEmpty()) return;
    const std::uint32_t pixel = pen.color.ToPixel();

    std::int64_t x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    std::int64_t patternStart = 0;
    if (std::max(std::llabs(x1 - x0), std::llabs(y1 - y0)) > kLongLine) {
        Rect box = target.Bounds();
        box.Inflate(width, width);
        double fx0 = double(x0), fy0 = double(y0), fx1 = double(x1), fy1 = double(y1);
        if (!CutLineToBox(fx0, fy0, fx1, fy1, box)) return;
        patternStart = std::max(std::llabs(std::llround(fx0) - x0), std::llabs(std::llround(fy0) - y0));
        x0 = std::llround(fx0);
        y0 = std::llround(fy0);
        // The end was cut away: the last pixel inside belongs to the line.
        if (std::llround(fx1) != x1 || std::llround(fy1) != y1) includeEnd = true;
        x1 = std::llround(fx1);
        y1 = std::llround(fy1);
    }

    // Bresenham over the longer axis.
    const std::int64_t dx = std::llabs(x1 - x0), dy = -std::llabs(y1 - y0);
    const std::int64_t sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    std::int64_t error = dx + dy;
    for (std::int64_t step = patternStart;; ++step) {
        const bool atEnd = x0 == x1 && y0 == y1;
        if (atEnd && !includeEnd) break;
        if (PatternOn(pen.style, step)) Dot(target, visible, x0, y0, width, pixel);
        if (atEnd) break;
        const std::int64_t doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void RasterOutline(Bitmap& target, const Region& clip, const Rect& rect, const Pen& pen, int width) {
    const Rect r = rect.Normalized();
    if (r.IsEmpty()) return;
    const Point corners[4] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1},
                              {r.left, r.bottom - 1}};
    for (int i = 0; i < 4; ++i) RasterLine(target, clip, corners[i], corners[(i + 1) % 4], pen, width, true);
}

void RasterPixel(Bitmap& target, const Region& clip, Point point, Color color) {
    if (target.Contains(point.x, point.y) && clip.Contains(point)) {
        target.SetRawPixel(point.x, point.y, color.ToPixel());
    }
}

void RasterBlit(Bitmap& target, const Region& clip, const Rect& destination, const Bitmap& source,
                const Rect& sourceRect, RasterOp op) {
    const Rect d = destination.Normalized();
    if (d.IsEmpty() || sourceRect.IsEmpty() || source.IsEmpty()) return;
    const std::int64_t dw = std::int64_t{d.right} - d.left, dh = std::int64_t{d.bottom} - d.top;
    const std::int64_t sw = std::int64_t{sourceRect.right} - sourceRect.left;
    const std::int64_t sh = std::int64_t{sourceRect.bottom} - sourceRect.top;
    for (const Rect& piece : OnBitmap(target, clip).Clip(d)) {
        for (int y = piece.top; y < piece.bottom; ++y) {
            const std::int64_t sy = sourceRect.top + (std::int64_t{y} - d.top) * sh / dh;
            for (int x = piece.left; x < piece.right; ++x) {
                const std::int64_t sx = sourceRect.left + (std::int64_t{x} - d.left) * sw / dw;
                if (sx < 0 || sy < 0 || sx >= source.Width() || sy >= source.Height()) continue;
                const std::uint32_t from = source.RawPixel(static_cast<int>(sx), static_cast<int>(sy));
                if (op == RasterOp::SrcAlpha && source.HasAlpha()) {
                    const std::uint32_t alpha = source.Alpha(static_cast<int>(sx), static_cast<int>(sy));
                    target.SetRawPixel(x, y, Blend(target.RawPixel(x, y), from, alpha));
                    continue;
                }
                target.SetRawPixel(x, y, Combine(target.RawPixel(x, y), from, op));
            }
        }
    }
}

}  // namespace platform
