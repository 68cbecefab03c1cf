// The Grand family of the trick estimation window's explanation popups.

#include "windows/EstimationPopups.h"

void DrawGrandPopup(PopupCanvas& canvas, int spot) {
    (void)canvas;
    (void)spot;
}
