#pragma once
// The pictures the dialogs name by image id: the suit symbols on the declaration bar's suit buttons
// and the game symbols of the Kontra message, drawn by the card-table library, and the Kontra
// messages' call picture, one of our own drawings, and the bitmaps of the edition's resources (the
// panels' size buttons). Other ids have no picture here (a null image).

#include <QImage>
#include <QSize>

namespace platform {

// The card-table library's symbol for a dialog picture id; 0 when the id names none.
int DialogPictureSymbol(int imageId);
// Our own drawing for a dialog picture id (see resources/pictures); "" when the id names none.
const char* DialogPictureDrawing(int imageId);
// Whether the id names a bitmap of the edition's resources (drawn pixel for pixel, not scaled up).
bool DialogPictureIsBitmap(int imageId);
// The picture at most `size` large, centred on a transparent ground; null for an id without one.
QImage DialogPictureImage(int imageId, QSize size);

}  // namespace platform
