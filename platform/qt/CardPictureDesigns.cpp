#include "platform/qt/CardPictureDesigns.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::array<std::string_view, 4> kSuitNames{"club", "diamond", "heart", "spade"};

const DrawnFaceStyle kPlain{};
const DrawnFaceStyle kTournament{true, {255, 255, 255}, {30, 30, 30}, {"B", "D", "K", "A"}, true};

DrawnFaceStyle Style(QColor frame, std::array<const char*, 4> letters = {"J", "Q", "K", "A"},
                     bool fourColour = false, bool largeIndex = false, QColor paper = {255, 255, 255}) {
    return {fourColour, paper, frame, letters, largeIndex};
}

// The order is the program's: its settings store the index.
const std::array<FaceDesign, kFaceDesignCount>& FaceDesigns() {
    static const std::array<FaceDesign, kFaceDesignCount> designs{{
        {"Standard", "svg-standard", FaceSource::Deck, kPlain},
        {"Turnier A", "svg-xskat-french", FaceSource::DeckFourColour,
         Style({0, 90, 60}, {"B", "D", "K", "A"}, true, true, {255, 253, 240})},
        {"Deutsch", "svg-xskat-german", FaceSource::Deck,
         Style({120, 60, 20}, {"U", "O", "K", "A"}, false, false, {250, 245, 225})},
        {"Modern", "svg-oxygen-white", FaceSource::Deck, Style({70, 70, 70})},
        {"Joker", "svg-jolly-royal", FaceSource::Deck, Style({150, 0, 120})},
        {"Franz", "svg-gm-paris", FaceSource::Deck, Style({0, 60, 140}, {"V", "D", "R", "A"})},
        {"Groß", "svg-penguins", FaceSource::Deck, Style({0, 0, 0}, {"J", "Q", "K", "A"}, false, true)},
        {"Amerika", "svg-tigullio-international", FaceSource::Deck, Style({160, 20, 20})},
        {"Extra", "svg-dondorf", FaceSource::Deck, Style({110, 80, 0}, {"B", "D", "K", "A"})},
        {"Turnier B", "", FaceSource::Drawn, kTournament},
    }};
    return designs;
}

const std::array<BackDesign, kBackDesignCount>& BackDesigns() {
    static const std::array<BackDesign, kBackDesignCount> designs{{
        {"svg-dondorf", 0, {}, {}, {}},
        {"svg-gm-paris", 0, {}, {}, {}},
        {"svg-jolly-royal", 0, {}, {}, {}},
        {"svg-konqi-modern", 0, {}, {}, {}},
        {"svg-nicu-ornamental", 0, {}, {}, {}},
        {"svg-nicu-white", 0, {}, {}, {}},
        {"svg-oxygen", 0, {}, {}, {}},
        {"svg-oxygen-air", 0, {}, {}, {}},
        {"svg-oxygen-white", 0, {}, {}, {}},
        {"svg-penguins", 0, {}, {}, {}},
        // The program's default back ("&Standard" in the back dialog).
        {"svg-standard", 0, {}, {}, {}},
        {"svg-tigullio-international", 0, {}, {}, {}},
        {"svg-ancient-egyptians", 0, {}, {}, {}},
        {"svg-xskat-french", 0, {}, {}, {}},
        {"svg-xskat-german", 0, {}, {}, {}},
        // Recoloured deck backs.
        {"svg-standard", 120, {}, {}, {}},
        {"svg-standard", 240, {}, {}, {}},
        {"svg-jolly-royal", 150, {}, {}, {}},
        {"svg-nicu-white", 60, {}, {}, {}},
        {"svg-oxygen", 200, {}, {}, {}},
        {"svg-dondorf", 180, {}, {}, {}},
        {"svg-nicu-ornamental", 90, {}, {}, {}},
        // Patterns drawn in code.
        {"", 0, BackPattern::Lattice, {150, 20, 30}, {255, 225, 225}},
        {"", 0, BackPattern::Checks, {20, 60, 140}, {90, 140, 220}},
        {"", 0, BackPattern::Stripes, {0, 100, 60}, {200, 235, 210}},
        {"", 0, BackPattern::Dots, {90, 30, 120}, {230, 200, 245}},
        {"", 0, BackPattern::Harlequin, {180, 120, 0}, {120, 40, 0}},
        {"", 0, BackPattern::Frames, {10, 40, 90}, {230, 200, 90}},
        {"", 0, BackPattern::Waves, {0, 110, 130}, {210, 245, 250}},
        {"", 0, BackPattern::Plaid, {130, 20, 20}, {20, 70, 30}},
        {"", 0, BackPattern::Scales, {40, 40, 40}, {170, 170, 170}},
        {"", 0, BackPattern::Rays, {200, 60, 0}, {255, 210, 80}},
    }};
    return designs;
}

}  // namespace

std::string SvgElementId(int card) {
    if (!IsCardCode(card)) return {};
    const int rank = RankOf(card);
    std::string name;
    switch (rank) {
        case 11: name = "jack"; break;
        case 12: name = "queen"; break;
        case 13: name = "king"; break;
        default: name = std::to_string(rank); break;
    }
    return name + "_" + std::string(kSuitNames[static_cast<std::size_t>(SuitOf(card))]);
}

const FaceDesign& FaceDesignAt(int design) {
    return FaceDesigns()[static_cast<std::size_t>(std::clamp(design, 0, kFaceDesignCount - 1))];
}

const BackDesign& BackDesignAt(int design) {
    return BackDesigns()[static_cast<std::size_t>(std::clamp(design, 0, kBackDesignCount - 1))];
}

BackDesign DrawnStandIn(int backDesign) {
    const BackDesign& own = BackDesignAt(backDesign);
    if (own.deck.empty()) return own;
    // Pattern and colour step with different periods (10 and 8), so no two designs below 40 share
    // both; the colours keep clear of the patterns' own ones by a turn of the hue.
    static constexpr std::array<int, 8> kHues{0, 210, 120, 30, 280, 180, 330, 60};
    BackDesign standIn;
    standIn.pattern = static_cast<BackPattern>(backDesign % kBackPatternCount);
    const int hue = kHues[static_cast<std::size_t>(backDesign % 8)];
    standIn.ground = QColor::fromHsv(hue, 200, 110 + 10 * (backDesign % 3));
    standIn.ink = QColor::fromHsv((hue + 20) % 360, 60, 245);
    return standIn;
}

}  // namespace platform
