#pragma once
// The icon the window manager gets with a top-level window. Qt converts and sends every size of a
// window's icon when it makes the native window, from the window's own icon or else the
// application's, and once more right after from the widget's: a window given its icon here before
// it is made is sent it once.

#include <QIcon>

class QWidget;

namespace platform {

// `icon` at its sizes up to `side` pixels (at least its smallest); null for a null icon.
QIcon IconUpTo(const QIcon& icon, int side);

// Gives a top-level widget `icon`, or with a null one the application's (followed when that
// changes), so that making its native window sends the window manager that icon once and nothing
// before it. On a widget whose native window is already made it only sets the icon.
void GiveIconBeforeCreation(QWidget& widget, const QIcon& icon);

// Gives a top-level widget `icon`, or with a null one the application's, unless it shows that icon
// already: the window manager is sent no icon it has.
void ShowIcon(QWidget& widget, const QIcon& icon);

}  // namespace platform
