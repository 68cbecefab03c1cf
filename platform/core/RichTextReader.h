#pragma once
// The reader of the rich-text subset the program writes (result texts, game messages): it turns
// the text into paragraphs of styled runs for the host to draw. It knows \par, \pard, \qc, \tab,
// \b, \cf (from the colour table), \fs (half-points), \'hh as cp1252 and the escapes \\ \{ \};
// the font table and every other control word are skipped.
//
// Any input reads: unbalanced braces, text cut off inside a control word, absurd numbers, deep
// nesting, raw high bytes and NUL give what could be read, never a crash. The reader works in one
// pass without recursion, and what it keeps is bounded by the input's length.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One stretch of text in one style. The text is UTF-8 and may hold tabs, never a line feed.
struct RichTextRun {
    std::string text;
    bool bold = false;
    std::uint32_t colour = 0;  // 0xBBGGRR, black unless the colour table says otherwise
    int halfPoints = 24;       // the font size in half-points

    bool operator==(const RichTextRun&) const = default;
};

struct RichTextParagraph {
    bool centred = false;
    std::vector<RichTextRun> runs;

    bool operator==(const RichTextParagraph&) const = default;
};

struct RichTextDocument {
    std::vector<RichTextParagraph> paragraphs;

    // The text alone: paragraphs joined by line feeds.
    std::string PlainText() const;
};

// A text that does not start with "{\rtf" is plain UTF-8 text: one unstyled paragraph per line.
RichTextDocument ReadRichText(std::string_view text);

// Limits that keep hostile input harmless; deeper groups share the style of the deepest kept one.
inline constexpr std::size_t kRichTextMaxDepth = 64;
inline constexpr std::size_t kRichTextMaxColours = 256;

}  // namespace platform
