#pragma once
// Points, sizes and rectangles in whole units, as every drawing and layout routine passes them.
// A rectangle holds its left and top edge and excludes its right and bottom edge.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {

// Far-away coordinates saturate at the ends of int instead of overflowing.
inline int SaturateToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return SaturateToInt(std::int64_t{right} - left); }
    int Height() const { return SaturateToInt(std::int64_t{bottom} - top); }
    Point TopLeft() const { return {left, top}; }
    Point BottomRight() const { return {right, bottom}; }
    // No area: a rectangle with its right edge at or left of its left edge (or bottom at or above top).
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    // The common part; an empty result is always {0, 0, 0, 0}, so empties compare equal.
    Rect Intersect(const Rect& other) const {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    // The smallest rectangle holding both; an empty side does not count.
    Rect Union(const Rect& other) const {
        if (IsEmpty()) return other.IsEmpty() ? Rect{} : other;
        if (other.IsEmpty()) return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    bool Intersects(const Rect& other) const { return !Intersect(other).IsEmpty(); }
    void Offset(int dx, int dy) {
        left = SaturateToInt(std::int64_t{left} + dx);
        right = SaturateToInt(std::int64_t{right} + dx);
        top = SaturateToInt(std::int64_t{top} + dy);
        bottom = SaturateToInt(std::int64_t{bottom} + dy);
    }
    // Grows every side outward by dx or dy (shrinks with negative values).
    void Inflate(int dx, int dy) {
        left = SaturateToInt(std::int64_t{left} - dx);
        right = SaturateToInt(std::int64_t{right} + dx);
        top = SaturateToInt(std::int64_t{top} - dy);
        bottom = SaturateToInt(std::int64_t{bottom} + dy);
    }
    // The same area with left <= right and top <= bottom.
    Rect Normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace platform
