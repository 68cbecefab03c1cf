#pragma once
// The symbol functions: ids 1..22 per window (see Symbols.h); any other id is refused with 0 and
// draws nothing.

#include "platform/core/DeviceContext.h"
#include "platform/core/Message.h"

int WS_NewSymbolDeck(HWND window);
int WS_DeleteSymbolDeck(HWND window);
// Shows the symbol at (x, y) on the window; a symbol shown already moves there.
int WS_ShowSymbol(HWND window, int id, int x, int y);
// Draws the symbol at (x, y) in the context's logical coordinates. Without a context (nullptr) it is
// drawn on the window, and a shown symbol moves there.
int WS_DrawSymbol(HWND window, int id, int x, int y, platform::DeviceContext* dc);
int WS_IsSymbolShown(HWND window, int id);
int WS_RemoveSymbol(HWND window, int id);
