#pragma once
// Drawing of one card and of the dialogs' sample pictures. A card is the host's picture when it has
// one, else a framed placeholder: a white face with the card code written in it, or a coloured back
// with the back design's number. A highlighted card gets a yellow frame inside its edge.

#include "platform/core/Bitmap.h"
#include "platform/core/DeviceContext.h"

namespace tavlo {

struct CardLook {
    int card = 0;
    bool faceUp = false;
    bool highlighted = false;
    int faceDesign = 0;  // 0..9
    int backDesign = 0;  // 0..31
};

// Draws the card over the area; nothing on a surface that keeps no pixels.
void DrawCard(platform::DeviceContext& dc, const CardLook& look, const platform::Rect& area);

// Sample pictures of 71 x 96 units for the back and face dialogs, in the screen's pixels (the
// bitmap's pixel ratio the screen's): index 0..31 the back designs, then 32
// pictures per face design (32 + 32 x design + block x 8 + rank index, in the order of the deck
// table). An index outside 0..351 gives an empty bitmap.
constexpr int kSampleWidth = 71;
constexpr int kSampleHeight = 96;
constexpr int kSampleCount = 32 + 32 * 10;
platform::Bitmap SampleBitmap(int index);

// The card code of a deck-table row (block x 8 + rank index): Ace, Seven .. King of each block.
int CardOfDeckRow(int row);

}  // namespace tavlo
