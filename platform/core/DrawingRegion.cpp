#include "platform/core/DrawingRegion.h"

#include <algorithm>

namespace platform {

namespace {

// Joins pieces that share a whole edge, so that a region that is one rectangle is held as one.
void Coalesce(std::vector<Rect>& rects) {
    bool joined = true;
    while (joined) {
        joined = false;
        for (std::size_t i = 0; i < rects.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < rects.size() && !joined; ++j) {
                Rect& a = rects[i];
                const Rect& b = rects[j];
                const bool stacked = a.left == b.left && a.right == b.right &&
                                     (a.bottom == b.top || b.bottom == a.top);
                const bool sideBySide = a.top == b.top && a.bottom == b.bottom &&
                                        (a.right == b.left || b.right == a.left);
                if (stacked || sideBySide) {
                    a = a.Union(b);
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                }
            }
        }
    }
}

}  // namespace

Region::Region(const Rect& rect) {
    if (!rect.IsEmpty()) rects_.push_back(rect);
}

void Region::IntersectRect(const Rect& rect) {
    std::vector<Rect> kept;
    for (const Rect& piece : rects_) {
        Rect common = piece.Intersect(rect);
        if (!common.IsEmpty()) kept.push_back(common);
    }
    Coalesce(kept);
    rects_ = std::move(kept);
}

void Region::ExcludeRect(const Rect& rect) {
    if (rect.IsEmpty()) return;
    std::vector<Rect> kept;
    for (const Rect& piece : rects_) {
        Rect hole = piece.Intersect(rect);
        if (hole.IsEmpty()) {
            kept.push_back(piece);
            continue;
        }
        // Bands above and below the hole span the piece; the sides fill the hole's rows.
        Rect above{piece.left, piece.top, piece.right, hole.top};
        Rect below{piece.left, hole.bottom, piece.right, piece.bottom};
        Rect leftSide{piece.left, hole.top, hole.left, hole.bottom};
        Rect rightSide{hole.right, hole.top, piece.right, hole.bottom};
        for (const Rect& part : {above, below, leftSide, rightSide}) {
            if (!part.IsEmpty()) kept.push_back(part);
        }
    }
    Coalesce(kept);
    rects_ = std::move(kept);
}

bool Region::Contains(Point p) const {
    for (const Rect& piece : rects_) {
        if (piece.Contains(p)) return true;
    }
    return false;
}

bool Region::Meets(const Rect& rect) const {
    for (const Rect& piece : rects_) {
        if (piece.Intersects(rect)) return true;
    }
    return false;
}

Rect Region::Bounds() const {
    Rect bounds;
    for (const Rect& piece : rects_) bounds = bounds.Union(piece);
    return bounds;
}

ClipKind Region::Kind() const {
    if (rects_.empty()) return ClipKind::Empty;
    return rects_.size() == 1 ? ClipKind::Simple : ClipKind::Complex;
}

std::vector<Rect> Region::Clip(const Rect& rect) const {
    std::vector<Rect> pieces;
    for (const Rect& piece : rects_) {
        Rect common = piece.Intersect(rect);
        if (!common.IsEmpty()) pieces.push_back(common);
    }
    return pieces;
}

bool CutLineToBox(double& x0, double& y0, double& x1, double& y1, const Rect& box) {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - box.left, box.right - 1 - x0, y0 - box.top, box.bottom - 1 - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = nx0;
    y0 = ny0;
    return true;
}

}  // namespace platform
