// The Ramsch family of the trick estimation window's explanation popups.

#include "windows/EstimationPopups.h"

void DrawRamschPopup(PopupCanvas& canvas, int spot) {
    (void)canvas;
    (void)spot;
}
