#pragma once
// The mapping from logical to device coordinates of a device context: a mapping mode, window and
// viewport origins and extents. device = (logical - windowOrg) x viewportExt / windowExt +
// viewportOrg on each axis, rounded to the nearest pixel (halves away from zero).

#include "platform/core/DrawingFlags.h"
#include "platform/core/Geometry.h"

namespace platform {

class Mapping {
public:
    MapMode Mode() const { return mode_; }
    // Entering the text mode resets both extents to 1:1; the other modes start from the current
    // extents (1:1 when coming from text) until the program sets its own.
    MapMode SetMode(MapMode mode);

    Point WindowOrg() const { return windowOrg_; }
    Point ViewportOrg() const { return viewportOrg_; }
    Size WindowExt() const { return windowExt_; }
    Size ViewportExt() const { return viewportExt_; }

    // Each returns the previous value.
    Point SetWindowOrg(Point org);
    Point SetViewportOrg(Point org);
    // Ignored in the text mode and refused when either component is 0. In the isotropic mode the
    // viewport extent is then narrowed on one axis so that both axes keep the same scale.
    Size SetWindowExt(Size ext);
    Size SetViewportExt(Size ext);

    Point ToDevice(Point logical) const;
    Point ToLogical(Point device) const;
    // Both corners mapped, then normalised (a flipped axis gives left <= right again).
    Rect ToDevice(const Rect& logical) const;
    Rect ToLogical(const Rect& device) const;
    // A length along x (pen widths, text boxes) in device pixels, never negative.
    int LengthToDeviceX(int logical) const;
    int LengthToDeviceY(int logical) const;

    friend bool operator==(const Mapping&, const Mapping&) = default;

private:
    void AdjustIsotropic();

    MapMode mode_ = MapMode::Text;
    Point windowOrg_{};
    Point viewportOrg_{};
    Size windowExt_{1, 1};
    Size viewportExt_{1, 1};
};

}  // namespace platform
