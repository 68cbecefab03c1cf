#pragma once
// The modes and flag words of the drawing interface: background mode, text alignment, the
// formatting of DrawText, raster operations of blits and mapping modes.

namespace platform {

// Whether text fills its box with the background colour before the glyphs are drawn.
enum class BkMode { Transparent, Opaque };

// Text alignment: one horizontal value, one vertical value, optionally UpdateCP, or-ed together.
namespace TextAlign {
inline constexpr unsigned Left = 0;
inline constexpr unsigned Right = 2;
inline constexpr unsigned Center = 6;
inline constexpr unsigned Top = 0;
inline constexpr unsigned Bottom = 8;
inline constexpr unsigned Baseline = 24;
// TextOut writes at the current position (ignoring its x, y) and moves it past the text.
inline constexpr unsigned UpdateCP = 1;

inline constexpr unsigned HorizontalMask = 6;
inline constexpr unsigned VerticalMask = 24;
}  // namespace TextAlign

// Formatting flags of DrawText, or-ed together. Left and Top are the defaults (0).
namespace DrawTextFormat {
inline constexpr unsigned Left = 0x0;
inline constexpr unsigned Center = 0x1;
inline constexpr unsigned Right = 0x2;
inline constexpr unsigned Top = 0x0;
inline constexpr unsigned VCenter = 0x4;
inline constexpr unsigned Bottom = 0x8;
inline constexpr unsigned WordBreak = 0x10;
inline constexpr unsigned SingleLine = 0x20;
inline constexpr unsigned NoClip = 0x100;
inline constexpr unsigned CalcRect = 0x400;
inline constexpr unsigned EndEllipsis = 0x8000;
}  // namespace DrawTextFormat

// How a blit combines source pixels with what is already there.
enum class RasterOp {
    SrcCopy,    // destination = source
    SrcAnd,     // destination = destination AND source (darkens through a mask)
    SrcPaint,   // destination = destination OR source
    SrcInvert,  // destination = destination XOR source
    SrcAlpha,   // the source laid over the destination by its alpha (without one: a copy)
};

// Text: one logical unit is one device pixel, y downward, only the origins move.
// Isotropic: window and viewport extents scale, equally on both axes.
// Anisotropic: window and viewport extents scale each axis on its own (printing).
enum class MapMode { Text, Isotropic, Anisotropic };

// What a clipping call leaves: no area, one rectangle, or several.
enum class ClipKind { Empty, Simple, Complex };

}  // namespace platform
