#include "platform/core/DrawingMapping.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace platform {

namespace {

// n / d rounded to nearest, halves away from zero; d is never 0.
std::int64_t DivideRounded(std::int64_t n, std::int64_t d) {
    if (d < 0) {
        n = -n;
        d = -d;
    }
    return n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d);
}

// Far-away coordinates saturate instead of wrapping.
int Saturate(std::int64_t v) {
    if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

int Scale(int value, int from, int numerator, int denominator, int to) {
    std::int64_t offset = std::int64_t{value} - from;
    return Saturate(DivideRounded(offset * numerator, denominator) + to);
}

int Sign(int v) { return v < 0 ? -1 : 1; }

}  // namespace

MapMode Mapping::SetMode(MapMode mode) {
    MapMode previous = mode_;
    mode_ = mode;
    if (mode == MapMode::Text) {
        windowExt_ = {1, 1};
        viewportExt_ = {1, 1};
    } else if (mode == MapMode::Isotropic) {
        AdjustIsotropic();
    }
    return previous;
}

Point Mapping::SetWindowOrg(Point org) {
    Point previous = windowOrg_;
    windowOrg_ = org;
    return previous;
}

Point Mapping::SetViewportOrg(Point org) {
    Point previous = viewportOrg_;
    viewportOrg_ = org;
    return previous;
}

Size Mapping::SetWindowExt(Size ext) {
    Size previous = windowExt_;
    if (mode_ == MapMode::Text || ext.cx == 0 || ext.cy == 0) return previous;
    windowExt_ = ext;
    if (mode_ == MapMode::Isotropic) AdjustIsotropic();
    return previous;
}

Size Mapping::SetViewportExt(Size ext) {
    Size previous = viewportExt_;
    if (mode_ == MapMode::Text || ext.cx == 0 || ext.cy == 0) return previous;
    viewportExt_ = ext;
    if (mode_ == MapMode::Isotropic) AdjustIsotropic();
    return previous;
}

void Mapping::AdjustIsotropic() {
    // Keep the smaller of the two scales on both axes, and each axis's direction.
    std::int64_t wx = std::llabs(windowExt_.cx), wy = std::llabs(windowExt_.cy);
    std::int64_t vx = std::llabs(viewportExt_.cx), vy = std::llabs(viewportExt_.cy);
    if (vx * wy < vy * wx) {
        viewportExt_.cy = Sign(viewportExt_.cy) * Saturate(DivideRounded(wy * vx, wx));
    } else if (vx * wy > vy * wx) {
        viewportExt_.cx = Sign(viewportExt_.cx) * Saturate(DivideRounded(wx * vy, wy));
    }
    if (viewportExt_.cx == 0) viewportExt_.cx = Sign(viewportExt_.cx);
    if (viewportExt_.cy == 0) viewportExt_.cy = Sign(viewportExt_.cy);
}

Point Mapping::ToDevice(Point logical) const {
    return {Scale(logical.x, windowOrg_.x, viewportExt_.cx, windowExt_.cx, viewportOrg_.x),
            Scale(logical.y, windowOrg_.y, viewportExt_.cy, windowExt_.cy, viewportOrg_.y)};
}

Point Mapping::ToLogical(Point device) const {
    return {Scale(device.x, viewportOrg_.x, windowExt_.cx, viewportExt_.cx, windowOrg_.x),
            Scale(device.y, viewportOrg_.y, windowExt_.cy, viewportExt_.cy, windowOrg_.y)};
}

Rect Mapping::ToDevice(const Rect& logical) const {
    Point a = ToDevice(logical.TopLeft());
    Point b = ToDevice(logical.BottomRight());
    return Rect{a.x, a.y, b.x, b.y}.Normalized();
}

Rect Mapping::ToLogical(const Rect& device) const {
    Point a = ToLogical(device.TopLeft());
    Point b = ToLogical(device.BottomRight());
    return Rect{a.x, a.y, b.x, b.y}.Normalized();
}

int Mapping::LengthToDeviceX(int logical) const {
    return Saturate(std::llabs(DivideRounded(std::int64_t{logical} * viewportExt_.cx, windowExt_.cx)));
}

int Mapping::LengthToDeviceY(int logical) const {
    return Saturate(std::llabs(DivideRounded(std::int64_t{logical} * viewportExt_.cy, windowExt_.cy)));
}

}  // namespace platform
