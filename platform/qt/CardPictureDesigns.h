#pragma once
// The card designs of the Qt host: which deck of the card-data package (or which drawing in code)
// makes each of the ten face designs and the 32 back designs, and how a card code names a card.

#include <array>
#include <string>
#include <string_view>

#include <QColor>

namespace platform {

inline constexpr int kFaceDesignCount = 10;
inline constexpr int kBackDesignCount = 32;
// Where Debian's kdegames-card-data package puts its decks.
inline constexpr std::string_view kCardDataFolder = "/usr/share/carddecks";

// Card codes 1..52: Clubs, Diamonds, Hearts, Spades in blocks of 13; in a block 1 is the Ace,
// 2..10 the pip cards, 11 Jack, 12 Queen, 13 King.
enum class Suit { Clubs, Diamonds, Hearts, Spades };
inline bool IsCardCode(int card) { return card >= 1 && card <= 52; }
inline Suit SuitOf(int card) { return static_cast<Suit>((card - 1) / 13); }
inline int RankOf(int card) { return (card - 1) % 13 + 1; }
// The deck element of the card: "1_club", "10_heart", "jack_spade", "king_diamond".
std::string SvgElementId(int card);

// How a face drawn in code looks: four colours or two, corner letters, colours.
struct DrawnFaceStyle {
    bool fourColour = false;
    QColor paper{255, 255, 255};
    QColor frame{20, 40, 120};
    // Jack, Queen, King and Ace.
    std::array<const char*, 4> letters{"J", "Q", "K", "A"};
    bool largeIndex = false;
};

enum class FaceSource {
    Deck,            // the deck's own pictures
    DeckFourColour,  // the deck tinted: clubs green, diamonds orange
    Drawn,           // drawn in code
};

struct FaceDesign {
    std::string_view name;
    std::string_view deck;  // folder under the card-data folder; empty when drawn in code
    FaceSource source;
    // Also the look when the deck is missing.
    DrawnFaceStyle drawn;
};

enum class BackPattern { Lattice, Checks, Stripes, Dots, Harlequin, Frames, Waves, Plaid, Scales, Rays };
inline constexpr int kBackPatternCount = 10;

struct BackDesign {
    std::string_view deck;  // empty: a pattern drawn in code
    int hueShift = 0;       // degrees the deck's back is turned round the colour wheel
    BackPattern pattern = BackPattern::Lattice;
    QColor ground;
    QColor ink;
};

const FaceDesign& FaceDesignAt(int design);
const BackDesign& BackDesignAt(int design);
// The pattern back that stands in for a deck back when the deck is missing; distinct per design.
BackDesign DrawnStandIn(int backDesign);

}  // namespace platform
