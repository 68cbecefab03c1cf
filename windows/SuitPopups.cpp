// The Suit family of the trick estimation window's explanation popups.

#include "windows/EstimationPopups.h"

void DrawSuitPopup(PopupCanvas& canvas, int spot) {
    (void)canvas;
    (void)spot;
}
