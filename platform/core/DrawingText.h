#pragma once
// Text helpers of the drawing interface: counting UTF-8 code points and breaking a text into the
// lines DrawText writes (line feeds, word breaks, end ellipsis), measured by the caller's font.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Code points in UTF-8 text; a byte that does not start a well-formed sequence counts as one.
std::size_t CountCodePoints(std::string_view text);
// The first count code points of the text (all of it when it has fewer).
std::string_view FirstCodePoints(std::string_view text, std::size_t count);

struct TextLine {
    std::string text;
    int width = 0;

    friend bool operator==(const TextLine&, const TextLine&) = default;
};

using TextMeasure = std::function<int(std::string_view)>;

// The lines of a DrawText call, for the DrawTextFormat flags SingleLine, WordBreak and
// EndEllipsis and a rectangle maxWidth wide. Without SingleLine the text breaks at each line feed
// (a carriage return before it is dropped); with WordBreak a line also breaks at the last space
// that keeps it within maxWidth, and a word wider than that stands alone on its line. With
// EndEllipsis a line still too wide is cut and ends in "...". An empty text has no lines.
std::vector<TextLine> BreakTextLines(std::string_view text, unsigned format, int maxWidth,
                                     const TextMeasure& measure);

}  // namespace platform
