#pragma once
// The card functions of the card-table library, as the program calls them: one card deck per
// window, cards named by their card codes (1..52), positions in client pixels of a card's top-left
// corner. Every function answers 0 for a window without a card deck and for a code that is no card.
//
// Settled points:
//  - Designs arrive as the program passes them, design + 1: WC_SetCardBack takes 1..32 and
//    WC_SetCardFace 1..10; other values are refused and change nothing. WC_Bitmap counts from 0.
//  - WC_RemoveCard takes the card off the table and erases its picture (the area is handed to the
//    window's paint). WC_CancelCard forgets the card the same way but leaves the window as it is: the
//    caller puts the card down again at once, so erasing would only flicker. Both end a slide or a
//    drag of the card; neither forgets whether the card is face up.
//  - Dealing, sliding and dragging put the card on top of the stacking; callers that want the old
//    order back note WC_GetSuccCardDealt before and call WC_OrderCard after.
//  - WC_Slide returns when the card has arrived. Meanwhile it pumps messages as a nested wait, so
//    the program's handlers run between frames and a caller sees a stop request right after the
//    slide. A delay of 0 or less places the card at once.

#include "platform/core/Bitmap.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Message.h"

// No card under a point (WC_GetCardDealt), no drop target (WC_EndDrag).
constexpr int WC_NO_CARD_HERE = -14;
constexpr int WC_NO_DROP_TARGET = -13;

int WC_NewCardDeck(HWND window);
int WC_DeleteCardDeck(HWND window);
// 1 when the window has a card deck; without one every card call on it does nothing.
int WC_HasCardDeck(HWND window);
// Card size in percent of the pictures' own size (above 0).
int WC_SetZoom(HWND window, int percent);
int WC_SetCardBack(HWND window, int unused, int back);
int WC_SetCardFace(HWND window, int face);

// Shows the card at (x, y), on top of the stacking.
int WC_DealCard(HWND window, int card, int x, int y);
// 1 face up, 0 face down; kept for a card that is not dealt yet.
int WC_ExposeCard(HWND window, int card, int faceUp);
// Moves a dealt card to (x, y) over `delay` milliseconds. Mode 3 (a move) and 0 (raising a selected
// card) animate alike.
int WC_Slide(HWND window, int card, int x, int y, int delay, int mode);
// Draws the card again where it lies, with the cards above it.
int WC_RedealCard(HWND window, int card);
int WC_RemoveCard(HWND window, int card);
int WC_CancelCard(HWND window, int card);
int WC_IsCardDealt(HWND window, int card);
int WC_GetCardX(HWND window, int card);
int WC_GetCardY(HWND window, int card);
// The deck's card size, whether or not the card is dealt.
int WC_GetCardWidth(HWND window, int card);
int WC_GetCardHeight(HWND window, int card);
// The card lying next above it in the stacking; 0 when it lies on top or is not dealt.
int WC_GetSuccCardDealt(HWND window, int card, int unused1, int unused2);
// Puts the card directly below `above`; with `above` 0 or not dealt, on top.
int WC_OrderCard(HWND window, int card, int above);
// The topmost card under the point, WC_NO_CARD_HERE when the point is off every card.
int WC_GetCardDealt(HWND window, int x, int y, int unused1, int unused2);
int WC_HighlightCard(HWND window, int card, int on);
// Draws the card as this window shows it (face, highlight, size) at (x, y) into the context, or on
// the window when dc is nullptr. A card not dealt is drawn face up or down as last exposed.
int WC_DrawCard(HWND window, int card, int x, int y, platform::DeviceContext* dc);

// Drag and drop. WC_InitDrag grabs the topmost card under the point (0 when none) and lifts it on
// top. WC_DoDrag moves it with the pointer and answers the card it is held over (0 when none).
// WC_EndDrag puts it down at the point and answers the card it was dropped on, or
// WC_NO_DROP_TARGET. Until the next drag, WC_UndoDrag slides it back to where it lay and restores
// its place in the stacking; WC_AbortDrag puts it back at once.
int WC_InitDrag(HWND window, int x, int y, int unused);
int WC_DoDrag(HWND window, int x, int y);
int WC_EndDrag(HWND window, int x, int y);
// The card that lay next above the dragged card before the drag lifted it (0 when none).
int WC_GetSuccCardDragged(HWND window);
int WC_AbortDrag(HWND window);
int WC_UndoDrag(HWND window, int delay);

// A sample picture of 71 x 96 for the dialogs: 0..31 the backs, 32 + 32 x face design + deck-table
// row the faces (54 + 32 x design is a Queen of Hearts). Empty outside 0..351.
platform::Bitmap WC_Bitmap(int index);

namespace tavlo {
// Forgets every deck, balloon and symbol of every window (tests start from here).
void ResetAll();
}  // namespace tavlo
