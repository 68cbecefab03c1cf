#pragma once
// Pictures both editions draw alike; each edition's bitmap table lists them by id.

#include "platform/core/Bitmap.h"

namespace resources {

// The highlight mask: 390 x 72 pixels of grey 220. The cards assignment ANDs it over a stored hand;
// the legend ANDs its top-left 20 x 20 as a row's mark.
inline platform::Bitmap DrawMaskBitmap() { return platform::Bitmap(390, 72, platform::Color{220, 220, 220}); }

}  // namespace resources
