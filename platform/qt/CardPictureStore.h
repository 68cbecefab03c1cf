#pragma once
// The Qt host's card pictures for the card table: the ten face designs and 32 back designs,
// rendered from the SVG decks of the card-data package once per design and size and kept, or drawn
// in code where the package (or one of its decks) is missing. Install it with
// tavlo::SetCardPictures before the program makes its decks.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/core/Bitmap.h"
#include "platform/qt/CardPictureDesigns.h"
#include "tavlo/CardPictures.h"

namespace platform {

class CardPictureDeck;

class CardPictureStore final : public tavlo::CardPictures {
public:
    // Card faces are this many pixels high at zoom 100; the width follows the deck's shape.
    static constexpr int kCardHeight = 96;
    // Pictures kept at most, in bytes; the least recently asked for go first.
    static constexpr std::size_t kCacheBudget = 48u << 20;

    explicit CardPictureStore(std::string cardDataFolder = std::string(kCardDataFolder));
    ~CardPictureStore() override;

    // 71 x 96 for the designs drawn in code, else 96 high in the proportions of the deck.
    Size CardSize(int faceDesign) const override;
    // Exactly `size`; a size of another shape than the design's shows the card in its own
    // proportions, centred on black. nullptr for an unknown design or card or an impossible size.
    const Bitmap* Face(int faceDesign, int card, Size size) override;
    const Bitmap* Back(int backDesign, Size size) override;

    // Whether the design's pictures come from the card-data package (false: drawn in code).
    bool FaceFromDeck(int faceDesign) const;
    bool BackFromDeck(int backDesign) const;
    // How many pictures were rendered (not taken from the cache) so far.
    int RenderCount() const { return renders_; }

private:
    using Key = std::tuple<int, int, int, int, int>;  // kind, design, card, width, height
    struct Entry {
        Bitmap bitmap;
        std::uint64_t lastUse = 0;
    };

    CardPictureDeck* Deck(std::string_view folder) const;
    const Bitmap* Cached(const Key& key);
    const Bitmap* Keep(const Key& key, Bitmap bitmap);

    std::string folder_;
    mutable std::map<std::string, std::unique_ptr<CardPictureDeck>, std::less<>> decks_;
    std::map<Key, Entry> cache_;
    std::size_t cachedBytes_ = 0;
    std::uint64_t clock_ = 0;
    int renders_ = 0;
};

}  // namespace platform
