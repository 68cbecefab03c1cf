#pragma once
// A clip region in device pixels: a set of disjoint rectangles. Excluding a rectangle from a
// rectangle leaves up to four pieces, so a region is not always one rectangle.

#include <vector>

#include "platform/core/DrawingFlags.h"
#include "platform/core/Geometry.h"

namespace platform {

class Region {
public:
    Region() = default;
    explicit Region(const Rect& rect);

    void IntersectRect(const Rect& rect);
    void ExcludeRect(const Rect& rect);

    bool IsEmpty() const { return rects_.empty(); }
    bool Contains(Point p) const;
    // Whether any part of the rectangle lies inside.
    bool Meets(const Rect& rect) const;
    // The smallest rectangle holding the region ({0,0,0,0} when empty).
    Rect Bounds() const;
    ClipKind Kind() const;
    // The disjoint pieces, in no particular order.
    const std::vector<Rect>& Rects() const { return rects_; }
    // The pieces of a rectangle that lie inside the region.
    std::vector<Rect> Clip(const Rect& rect) const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Rect> rects_;
};

// Cuts the segment to the box's pixels (Liang-Barsky); false when nothing of it lies inside.
bool CutLineToBox(double& x0, double& y0, double& x1, double& y1, const Rect& box);

}  // namespace platform
