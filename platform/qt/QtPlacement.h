#pragma once
// Where a top-level window may lie on the screen once the window manager has framed it: the room its
// frame (title bar and borders) takes, and a window fitted inside the screen's free area with it.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// The room the window manager's frame takes around a top-level window: measured on a widget it has
// framed already; else, under a window manager, a title bar of the style's height and thin
// borders; none on the offscreen platform, which frames nothing.
QMargins WindowDecoration(const QWidget* framed = nullptr);

// The client rectangle of a window of the wanted size, shrunk where it must be and centred in the
// available area so that its frame lies wholly inside it.
QRect FittedOnScreen(QSize wanted, const QRect& available, const QMargins& decoration);

}  // namespace platform
