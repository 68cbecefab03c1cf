#pragma once
// Points and rectangles of the window system, in pixels. A rectangle includes its left/top edge and
// excludes its right/bottom edge, so an empty rectangle has right <= left or bottom <= top.

#include <algorithm>

namespace platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    // The smallest rectangle holding both; an empty side does not count.
    Rect Union(const Rect& other) const {
        if (IsEmpty()) return other;
        if (other.IsEmpty()) return *this;
        return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                std::max(bottom, other.bottom)};
    }
    // The common part; empty ({0,0,0,0}) when they do not overlap.
    Rect Intersect(const Rect& other) const {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace platform
