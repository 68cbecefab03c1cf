// The card rows' side of the table: where each slot's picture lies and how a row is put on the table
// window, dealt, opened and closed, and drawn again after an expose. The card-table library holds
// the pictures; every call names the table window.
#include "model/Cards.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "model/TableServices.h"
#include "tavlo/Tavlo.h"

#include <algorithm>

namespace {

HWND Table() { return g_TableServices.Window(); }

// Without a frame (the model on its own) the pause level is the game record's alone.
int SetPauseLevel(int level) {
    if (g_TableServices.SetPause) return g_TableServices.SetPause(level);
    const int previous = g_Game.PauseLevel;
    g_Game.PauseLevel = level;
    return previous;
}

platform::Point DeckPosition() {
    // The cards fly out from the middle of the table, where the trick lies.
    if (g_TableServices.DeckPosition) return g_TableServices.DeckPosition();
    return {};
}

platform::Point PrintOffset(platform::DeviceContext* dc) {
    if (g_TableServices.PrintOffset) return g_TableServices.PrintOffset(dc);
    return {};
}

platform::Point ZoomExtra() { return g_TableServices.ZoomExtra ? g_TableServices.ZoomExtra() : platform::Point{}; }

bool StopRequested() { return g_Game.StopFlag == StopState::Requested; }

int SlideDelay(int target) {
    switch (target) {
        case 1: return g_Settings.Delay.Deal;
        case 2: return g_Settings.Delay.Play;
        case 3: return g_Settings.Delay.Swap;
        default: return 0;
    }
}

}  // namespace

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

platform::Point CCards::GetSlotPosition(int slot) {
    int x = originX, y = originY;
    if (slot >= 0) {
        if (capacity != 3) {
            // A hand is centred on the cards it still holds.
            const int missing = capacity - count;
            x += missing * stepX / 2 + stepX * slot;
            y += missing * stepY / 2 + stepY * slot;
        } else if (slot == 1) {
            x += stepX;
        } else if (slot == 2) {
            x += stepX / 2;
            y += stepY - offsetY;
        }
        x += offsetX;
        y += offsetY;
    }
    cursorX = x;
    cursorY = y;
    cursorSlot = slot;
    return {x, y};
}

platform::Point CCards::NextLayoutPosition() {
    ++cursorSlot;
    if (!fixedPlaces) {
        cursorX += stepX;
        cursorY += stepY;
    } else if (cursorSlot == 0) {
        cursorX = originX + offsetX;
        cursorY = originY + offsetY;
    } else if (cursorSlot == 1) {
        cursorX = originX + stepX + offsetX;
        cursorY = originY + offsetY;
    } else if (cursorSlot == 2) {
        cursorX = originX + stepX / 2 + offsetX;
        cursorY = originY + stepY;
    }
    return {cursorX, cursorY};
}

void CCards::PaintCards(int mode, bool keepGaps, int first, int last, platform::DeviceContext* dc) {
    const HWND table = Table();
    if (last == 0) last = capacity - 1;
    // Step 1: the layout cursor at the first slot; no pause while the row is laid out.
    GetSlotPosition(first);
    const int previousPause = SetPauseLevel(0);
    const int selected = selectionActive ? selectedSlot : -1;
    // With no card deck on the table (the computer playing on its own) every card call would do
    // nothing: the row only walks its layout cursor and notes where the selected card lies.
    const bool drawn = dc != nullptr || WC_HasCardDeck(table);
    if (!drawn) {
        // Nothing on the walk can raise a stop request: one look before it answers for every slot.
        if (!StopRequested()) WalkLayout(keepGaps, first, last, mode != 1 ? selected : -1);
        g_Game.PauseLevel = previousPause;
        return;
    }
    // Step 2: slot by slot; a stop request ends the row at once, even in the middle.
    for (int slot = std::max(first, 0); slot <= last && slot < static_cast<int>(present.size()); ++slot) {
        if (StopRequested()) break;
        if (!present[slot]) {
            // Without keepGaps the next card takes this place: the hand closes up.
            if (keepGaps) NextLayoutPosition();
            continue;
        }
        const int card = cards[slot];
        const int x = cursorX, y = cursorY;
        const int raise = slot == selected ? 9 : 0;
        ExposeCard(card);
        if (mode == 1) {
            if (WC_IsCardDealt(table, card)) WC_CancelCard(table, card);
            if (g_Settings.Delay.Deal != 0) {
                const platform::Point deck = DeckPosition();
                WC_DealCard(table, card, deck.x, deck.y);
                WC_Slide(table, card, x, y - raise, g_Settings.Delay.Deal, 3);
            } else {
                WC_DealCard(table, card, x, y - raise);
            }
        } else if (dc) {
            const platform::Point offset = PrintOffset(dc);
            WC_DrawCard(table, card, x + offset.x, y - raise + offset.y, dc);
        } else {
            if (slot == selected) {
                selectedX = x;
                selectedY = y;
            }
            if (mode == 2 && WC_IsCardDealt(table, card)) {
                // Ordering: the card glides from where it lay to its new place.
                WC_Slide(table, card, x, y - raise, g_Settings.Delay.Order, 3);
            } else {
                if (WC_IsCardDealt(table, card)) WC_CancelCard(table, card);
                WC_DealCard(table, card, x, y - raise);
            }
        }
        NextLayoutPosition();
    }
    // Step 3: the pause level as it was.
    g_Game.PauseLevel = previousPause;
}

void CCards::WalkLayout(bool keepGaps, int first, int last, int selected) {
    const int end = std::min(last + 1, static_cast<int>(present.size()));
    if (fixedPlaces) {
        for (int slot = std::max(first, 0); slot < end; ++slot) {
            if (!present[slot] && !keepGaps) continue;
            if (present[slot] && slot == selected) {
                selectedX = cursorX;
                selectedY = cursorY;
            }
            NextLayoutPosition();
        }
        return;
    }
    // Along a row every card (and with keepGaps every gap) moves the cursor one step: count the
    // steps without a branch on each slot, note the selected card's place, move once.
    int steps = 0;
    for (int slot = std::max(first, 0); slot < end; ++slot) {
        if (slot == selected && present[slot]) {
            selectedX = cursorX + steps * stepX;
            selectedY = cursorY + steps * stepY;
        }
        steps += (present[slot] != 0) | keepGaps;
    }
    cursorSlot += steps;
    cursorX += steps * stepX;
    cursorY += steps * stepY;
}

void CCards::DealSlot(int slot, int x, int y, int target, bool showFaceUp) {
    if (slot < 0 || slot >= static_cast<int>(cards.size())) return;
    const HWND table = Table();
    const int card = cards[slot];
    WC_ExposeCard(table, card, showFaceUp ? 1 : 0);
    WC_DealCard(table, card, x, y);
    if (target == -1) return;
    const platform::Point to = GetSlotPosition(slot);
    WC_Slide(table, card, to.x, to.y, SlideDelay(target), 3);
}

void CCards::DealAll(int x, int y) {
    const HWND table = Table();
    for (int slot = 0; slot < static_cast<int>(present.size()); ++slot) {
        if (!present[slot]) continue;
        const int card = cards[slot];
        ExposeCard(card);
        if (g_Settings.Delay.Deal != 0 && WC_IsCardDealt(table, card))
            WC_Slide(table, card, x, y, g_Settings.Delay.Play, 3);
        else
            WC_DealCard(table, card, x, y);
    }
}

void CCards::DealCard(int slot, int card) {
    SetCard(slot, card);
    ExposeCard(card);
    WC_DealCard(Table(), card, originX + stepX * slot - ZoomExtra().x / 6, originY - ZoomExtra().y);
}

void CCards::DealCardToPile(int slot, int card) {
    SetCard(slot, card);
    ExposeCard(card);
    int x = originX - ZoomExtra().x / 6;
    int y = originY - ZoomExtra().y / 3;
    if (slot == 1) {
        x += stepX;
    } else if (slot == 2) {
        x = originX + stepX / 2;
        y = originY + stepY;
    }
    WC_DealCard(Table(), card, x, y);
}

platform::Point CCards::GetPilePosition(int pile) {
    if (pile < 0 || pile > 2) return {originX, originY};
    platform::Point p{originX + offsetX, originY + offsetY};
    if (pile == 2) p.x += 9 * stepX;
    else p.y += 9 * stepY;
    return p;
}

void CCards::ExposeCard(int card) {
    WC_ExposeCard(Table(), card, open || faceUp || g_Game.AllCardsOpen ? 1 : 0);
}

void CCards::Redraw(bool show) {
    // Under variant rules a Null Ouvert may be played with the cards kept closed.
    if (show && !(g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.NullOuvert == 1)) faceUp = true;
    PaintCards();
}

void CCards::OpenCards() {
    if (faceUp) return;
    faceUp = true;
    RemoveCards(false);
    PaintCards();
}

void CCards::CloseCards() {
    if (!faceUp) return;
    faceUp = false;
    RemoveCards(false);
    PaintCards();
}

void CCards::RemoveCards(bool take) {
    const HWND table = Table();
    // Without a card deck on the table there is no picture to take off.
    const bool drawn = WC_HasCardDeck(table) != 0;
    for (std::size_t i = 0; i < present.size() && count > 0; ++i) {
        if (!present[i]) continue;
        if (take) {
            present[i] = 0;
            --count;
        }
        if (drawn) WC_RemoveCard(table, cards[i]);
    }
}

void CCards::RemoveCardsIfAny(bool take) {
    if (capacity >= 1) RemoveCards(take);
}

void CCards::Relayout(const platform::Rect& area) {
    const HWND table = Table();
    for (std::size_t i = 0; i < present.size(); ++i) {
        if (!present[i]) continue;
        const int card = cards[i];
        ExposeCard(card);
        if (!WC_IsCardDealt(table, card)) continue;
        const int x = WC_GetCardX(table, card), y = WC_GetCardY(table, card);
        // The area reaches 10 pixels below the card: a raised card's old place.
        const platform::Rect cardArea{x, y, x + WC_GetCardWidth(table, card) - 1,
                                      y + WC_GetCardHeight(table, card) + 10};
        if (!cardArea.Intersect(area).IsEmpty()) WC_RedealCard(table, card);
    }
}
