#include "platform/core/PrintDocument.h"

namespace platform {

bool IsPrintable(const PrintDocument& document) {
    return document.pageCount > 0 && document.pageCount <= kMaxPrintPages && document.paintPage != nullptr;
}

Size PrintableMillimetres(Size pixels, int dotsPerInchX, int dotsPerInchY) {
    const auto toMillimetres = [](int pixels, int dotsPerInch) {
        if (dotsPerInch <= 0) return 0;
        return static_cast<int>((static_cast<long long>(pixels) * 254 + dotsPerInch * 5) / (dotsPerInch * 10LL));
    };
    return {toMillimetres(pixels.cx, dotsPerInchX), toMillimetres(pixels.cy, dotsPerInchY)};
}

void MapLogicalOntoPage(DeviceContext& dc, const PrintPageInfo& page, Size logical) {
    if (logical.cx <= 0 || logical.cy <= 0 || page.pixels.cx <= 0 || page.pixels.cy <= 0) return;
    dc.SetMapMode(MapMode::Isotropic);
    dc.SetWindowOrg(0, 0);
    dc.SetWindowExt(logical.cx, logical.cy);
    // The isotropic mode narrows one axis of the viewport so both keep the same scale; the rest of
    // the page is shared out evenly on both sides.
    dc.SetViewportExt(page.pixels.cx, page.pixels.cy);
    const Size used = dc.GetViewportExt();
    dc.SetViewportOrg((page.pixels.cx - used.cx) / 2, (page.pixels.cy - used.cy) / 2);
}

}  // namespace platform
