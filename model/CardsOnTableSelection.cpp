// The person's selection in a card row on the table: a raised card, moved by keys or chosen by a
// click, and the row's part in dragging a card.
#include "model/Cards.h"

#include "model/GameState.h"
#include "model/TableServices.h"
#include "tavlo/Tavlo.h"

namespace {

// Raising and lowering move the card 9 pixels at once and leave the stacking as it was.
void ShiftCard(int card, int dy) {
    const HWND table = g_TableServices.Window();
    if (!WC_IsCardDealt(table, card)) return;
    const int above = WC_GetSuccCardDealt(table, card, 0, 0);
    WC_Slide(table, card, WC_GetCardX(table, card), WC_GetCardY(table, card) + dy, 0, 0);
    WC_OrderCard(table, card, above);
}

}  // namespace

int CCards::SelectCard(int mode, int card, bool sound) {
    const int slots = static_cast<int>(present.size());
    // Step 1: an empty row selects nothing; mode 6 passes over the next call.
    if (count <= 0 || slots == 0) return -1;
    if (mode == 6) {
        skipNextSelect = true;
        return -1;
    }
    if (skipNextSelect) {
        skipNextSelect = false;
        return -1;
    }
    // Step 2: a click, except for a plain deselection.
    if (sound && mode != 5 && !(mode == 4 && card != 0) && g_TableServices.SelectionSound)
        g_TableServices.SelectionSound();
    // Step 3: no card counts as raised while the selection moves.
    g_Game.LastRaisedCard = 0;
    // Step 4: the raised card goes down; with mode 4 that is all.
    int lowered = -1;
    if (selectionActive) {
        // A card that has left the row meanwhile lies elsewhere now and stays where it is.
        if (selectedSlot >= 0 && selectedSlot < slots && present[selectedSlot]) ShiftCard(cards[selectedSlot], 9);
        selectionActive = false;
        lowered = selectedSlot;
        if (mode == 4) return -1;
    }
    // Step 5: the slot to raise: the card clicked, the next or previous present card, or the same.
    auto isPresent = [&](int slot) { return slot >= 0 && slot < slots && present[slot] != 0; };
    auto neighbour = [&](int step) {
        int slot = selectedSlot;
        for (int tries = 0; tries < slots; ++tries) {
            slot = ((slot + step) % slots + slots) % slots;
            if (isPresent(slot)) return slot;
        }
        return -1;
    };
    int chosen = -1;
    if (mode == 5) return -1;
    if (mode == 3) {
        for (int slot = 0; slot < slots && chosen < 0; ++slot)
            if (isPresent(slot) && cards[slot] == card) chosen = slot;
        if (chosen < 0) return selectedSlot;
        // A second click on the raised card only lowers it.
        if (chosen == lowered) return chosen;
    } else if (mode == 2) {
        chosen = neighbour(1);
    } else if (mode == 4 && isPresent(selectedSlot)) {
        chosen = selectedSlot;
    } else {
        chosen = neighbour(-1);
    }
    if (chosen < 0) return -1;
    // Step 6: the chosen card goes up and is noted as raised.
    const HWND table = g_TableServices.Window();
    const int raised = cards[chosen];
    if (WC_IsCardDealt(table, raised)) {
        selectedX = WC_GetCardX(table, raised);
        selectedY = WC_GetCardY(table, raised);
    }
    ShiftCard(raised, -9);
    g_Game.LastRaisedCard = raised;
    selectedSlot = chosen;
    selectionActive = true;
    return chosen;
}

int CCards::DragCard(int x, int y) { return WC_DoDrag(g_TableServices.Window(), x, y); }

bool CCards::HitTest(int x, int y) const {
    return originX <= x && x < originX + stepX + 71 && originY <= y && y < originY + stepY + 96;
}
