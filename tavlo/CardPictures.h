#pragma once
// tavlo::CardPictures: where the card table gets its card pictures from. The host implements it
// (the Qt host renders faces and backs; the headless host answers with sizes only) and installs it
// with SetCardPictures. Designs are counted from 0 here: face designs 0..9, back designs 0..31.
// Without pictures tavlo draws a framed placeholder, so every answer may be "none".

#include "platform/core/Bitmap.h"
#include "platform/core/Geometry.h"

namespace tavlo {

class CardPictures {
public:
    virtual ~CardPictures() = default;
    // The size of a card of the face design at zoom 100.
    virtual platform::Size CardSize(int faceDesign) const = 0;
    // The face of the card (a card code) or a back, exactly `size` pixels; nullptr when there is
    // no picture. The pointer stays valid until the next call. The card table asks in the device's
    // pixels under the card (twice the card's size on a screen scaled twice) and lays the picture
    // over the table by its alpha channel, so transparent rounded corners show the table.
    virtual const platform::Bitmap* Face(int faceDesign, int card, platform::Size size) = 0;
    virtual const platform::Bitmap* Back(int backDesign, platform::Size size) = 0;
};

// Pictures of none: every card 71 x 96, no bitmaps. In use while no host installed its own.
class NoCardPictures final : public CardPictures {
public:
    platform::Size CardSize(int) const override { return {71, 96}; }
    const platform::Bitmap* Face(int, int, platform::Size) override { return nullptr; }
    const platform::Bitmap* Back(int, platform::Size) override { return nullptr; }
};

// Installs the host's pictures (nullptr: back to NoCardPictures). Not owned. Decks made later take
// their card size from it; a host installs its pictures before the program makes decks.
void SetCardPictures(CardPictures* pictures);
CardPictures& Pictures();

}  // namespace tavlo
