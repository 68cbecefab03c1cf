#pragma once
// The Qt font for a logical font, in logical pixels: the program's Windows faces map to the
// metric-compatible Liberation families, the height is the pixel size, a width becomes a stretch.

#include <string_view>

#include <QFont>
#include <QString>

#include "platform/core/DrawingObjects.h"

namespace platform {

// "Arial" -> "Liberation Sans", "Courier New" -> "Liberation Mono", "Times New Roman" ->
// "Liberation Serif"; the classic system faces (and no face) -> "Liberation Sans"; any other face
// stays as it is.
QString FontFamily(std::string_view face);

// The font drawn without rotation; escapement is the painter's business. A height of 0 is 16,
// as on the recording context.
QFont ToQFont(const LogFont& font);

}  // namespace platform
