// The Null family of the trick estimation window's explanation popups.

#include "windows/EstimationPopups.h"

void DrawNullPopup(PopupCanvas& canvas, int spot) {
    (void)canvas;
    (void)spot;
}
