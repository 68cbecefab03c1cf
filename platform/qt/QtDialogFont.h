#pragma once
// Dialog fonts in the Qt host: the Qt font of a template's dialog font, and its base units measured
// with Qt's font metrics (installed with SetDialogFontMeasure while a Qt host runs).

#include <QFont>

#include "platform/core/DialogUnits.h"

namespace platform {

// The font a dialog's native controls use. The templates name faces of another desktop; the
// fonts that stand in for them here are Liberation's (metric-compatible) or the system's sans.
QFont DialogQFont(const DialogFont& font);

// Average character width (of the 52 Latin letters, rounded) and character height (the whole cell,
// rounded up) in pixels.
DialogBaseUnits MeasureDialogFontWithQt(const DialogFont& font);

// The size a static text takes in the dialog font, line breaks included (installed with
// SetDialogTextMeasure while a Qt host runs).
Size MeasureDialogTextWithQt(const DialogFont& font, std::string_view text);

}  // namespace platform
