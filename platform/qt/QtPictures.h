#pragma once
// The program's own pictures on the Qt host: small SVG drawings kept in resources/pictures and built
// into the host (Qt resource prefix ":/kartovan/"), rendered crisp at the screen's pixel ratio.

#include <string_view>

#include <QIcon>
#include <QString>

namespace platform {

// The resource path of one of our drawings, e.g. "new.svg" -> ":/kartovan/new.svg".
QString PicturePath(std::string_view drawing);

// An icon of one of our drawings, rendered at `side` pixels for the pixel ratios 1, 1.5, 2 and 3
// (and the current screen's); a null icon when there is no such drawing.
QIcon DrawingIcon(std::string_view drawing, int side);

// A button picture: the desktop icon theme's picture of that name when the desktop has one, else
// our drawing; `themeName` may be empty (a command no theme names).
QIcon ButtonIcon(std::string_view themeName, std::string_view drawing, int side);

// The program's own icon (a fan of three cards on the table's green), for every top-level window,
// the task bar and the desktop entry: rendered at the usual icon sizes.
QIcon ProgramIcon();

}  // namespace platform
