// The card rows' side of the table: where the pictures go. The card-table library draws them; until
// it is linked in, these keep the rows' bookkeeping and the layout values only.
#include "model/Cards.h"

void CCards::RemoveCards(bool take) {
    for (std::size_t i = 0; i < present.size() && count > 0; ++i) {
        if (!present[i]) continue;
        if (take) {
            present[i] = 0;
            --count;
        }
    }
}

void CCards::RemoveCardsIfAny(bool take) {
    if (capacity >= 1) RemoveCards(take);
}

void CCards::PaintCards(int /*mode*/, bool /*keepGaps*/, int first, int /*last*/) {
    cursorSlot = first;
}

void CCards::SetLayout(int x, int y, int dx, int dy) {
    originX = x;
    originY = y;
    stepX = dx;
    stepY = dy;
}

void CCards::SetLayoutOffset(int x, int y) {
    offsetX = x;
    offsetY = y;
}
