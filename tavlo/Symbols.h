#pragma once
// The symbols of a window: the game symbols 1..7 (Clubs, Spades, Hearts, Diamonds, Null,
// Revolution, Grand; 1..4 are also the sheets' suit symbols in boxes), 8 the round symbol before a
// Bock or Ramsch notice, 9..12 small suit symbols inside texts (Clubs, Spades, Hearts, Diamonds),
// 13..20 rank symbols (A, 7, 8, 9, 10, J, Q, K) and 21, 22 the German Jack and Queen (B, D).
// Any other id is no symbol: it is never shown and draws nothing.

#include <map>

#include "platform/core/DeviceContext.h"
#include "platform/core/Geometry.h"

namespace tavlo {

constexpr int kFirstSymbol = 1;
constexpr int kLastSymbol = 22;
constexpr int kLargeSymbolSide = 20;  // ids 1..8
constexpr int kSmallSymbolSide = 14;  // ids 9..22

bool IsSymbolId(int id);
// The area the symbol covers with its top-left corner at the position; empty for no symbol.
platform::Rect SymbolArea(int id, platform::Point position);
// Draws the symbol at the position; nothing on a surface that keeps no pixels.
void DrawSymbol(platform::DeviceContext& dc, int id, platform::Point position);

// The symbols a window shows, by id, at their top-left corners.
struct SymbolDeck {
    std::map<int, platform::Point> shown;
};

}  // namespace tavlo
