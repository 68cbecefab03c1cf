#pragma once
// Dialog fonts in the Qt host: the Qt font of a template's dialog font, and its base units measured
// with Qt's font metrics (installed with SetDialogFontMeasure while a Qt host runs).

#include <QFont>

#include "platform/core/DialogUnits.h"

namespace platform {

// The font a dialog's native controls use. The templates name faces of another desktop; the
// fonts that stand in for them here are Liberation's (metric-compatible) or the system's sans.
QFont DialogQFont(const DialogFont& font);

// Average character width (of the 52 Latin letters, rounded) and character height in pixels.
DialogBaseUnits MeasureDialogFontWithQt(const DialogFont& font);

}  // namespace platform
