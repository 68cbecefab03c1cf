#pragma once
// The logical drawing objects a device context is given: colours, fonts, pens and brushes. They are
// plain values; selecting one into a context copies it, and the context hands the previous back.

#include <cstdint>
#include <string>

namespace platform {

// An opaque colour as red, green and blue bytes.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    // Bitmap pixel form: 0x00RRGGBB.
    std::uint32_t ToPixel() const {
        return (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | std::uint32_t{blue};
    }
    static Color FromPixel(std::uint32_t pixel) {
        return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                static_cast<std::uint8_t>(pixel)};
    }
    // The classic colour word, 0x00BBGGRR, red in the low byte (0x008000 green, 0x000080 dark red).
    static Color FromColorRef(std::uint32_t ref) {
        return {static_cast<std::uint8_t>(ref), static_cast<std::uint8_t>(ref >> 8),
                static_cast<std::uint8_t>(ref >> 16)};
    }
    std::uint32_t ToColorRef() const {
        return std::uint32_t{red} | (std::uint32_t{green} << 8) | (std::uint32_t{blue} << 16);
    }

    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {red, green, blue};
}

// A font as the program describes it: sizes in logical units, weight 100..900 (700 bold),
// escapement in tenths of a degree counter-clockwise (900 = text running upwards). The character
// set, precisions, quality and pitch-and-family bytes are kept as given; a host may use them as
// hints only.
struct LogFont {
    std::string face;
    int height = 0;  // negative: character height; either sign is taken as its magnitude
    int width = 0;   // average character width; 0 = chosen from the height
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int escapement = 0;
    int orientation = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;

    static constexpr int kBold = 700;
    bool IsBold() const { return weight >= 600; }

    friend bool operator==(const LogFont&, const LogFont&) = default;
};

enum class PenStyle { Solid, Dash, Dot, Null };

// Outlines and lines. Width is in logical units; 0 means one device pixel.
struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color{};

    friend bool operator==(const Pen&, const Pen&) = default;
};

// Interiors and fills: one solid colour, or nothing at all (a null brush).
struct Brush {
    bool null = false;
    Color color{255, 255, 255};

    static Brush Solid(Color color) { return {false, color}; }
    static Brush Null() { return {true, {}}; }

    friend bool operator==(const Brush&, const Brush&) = default;
};

// Vertical metrics of the selected font and its average character width, in logical units.
struct TextMetrics {
    int height = 0;  // ascent + descent: one line
    int ascent = 0;
    int descent = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;

    friend bool operator==(const TextMetrics&, const TextMetrics&) = default;
};

}  // namespace platform
