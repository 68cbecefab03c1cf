#include "platform/core/DrawingText.h"

#include "platform/core/DrawingFlags.h"

namespace platform {

namespace {

// Length in bytes of the code point starting at text[i].
std::size_t CodePointLength(std::string_view text, std::size_t i) {
    auto byte = static_cast<unsigned char>(text[i]);
    std::size_t length = byte < 0x80 ? 1 : byte >= 0xF0 && byte < 0xF8 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    if (length > text.size() - i) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

std::string_view TrimTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

void BreakParagraph(std::string_view paragraph, int maxWidth, const TextMeasure& measure,
                    std::vector<std::string_view>& lines) {
    std::size_t start = 0;
    do {
        // Candidate ends: each space after some text, and the paragraph's end.
        std::size_t chosen = std::string_view::npos;
        std::size_t first = std::string_view::npos;
        for (std::size_t end = start; end <= paragraph.size(); ++end) {
            if (end < paragraph.size() && paragraph[end] != ' ') continue;
            std::string_view candidate = TrimTrailingSpaces(paragraph.substr(start, end - start));
            if (candidate.empty() && end < paragraph.size()) continue;
            if (first == std::string_view::npos) first = end;
            if (measure(candidate) > maxWidth) break;
            chosen = end;
        }
        if (chosen == std::string_view::npos) chosen = first;
        lines.push_back(TrimTrailingSpaces(paragraph.substr(start, chosen - start)));
        start = chosen;
        while (start < paragraph.size() && paragraph[start] == ' ') ++start;
    } while (start < paragraph.size());
}

std::string WithEllipsis(std::string_view line, int maxWidth, const TextMeasure& measure) {
    std::size_t count = CountCodePoints(line);
    while (count > 0) {
        --count;
        std::string cut = std::string(FirstCodePoints(line, count)) + "...";
        if (measure(cut) <= maxWidth) return cut;
    }
    return "...";
}

}  // namespace

std::size_t CountCodePoints(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CodePointLength(text, i)) ++count;
    return count;
}

std::string_view FirstCodePoints(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (; i < text.size() && count > 0; --count) i += CodePointLength(text, i);
    return text.substr(0, i);
}

std::vector<TextLine> BreakTextLines(std::string_view text, unsigned format, int maxWidth,
                                     const TextMeasure& measure) {
    std::vector<std::string_view> pieces;
    if (text.empty()) return {};
    if (format & DrawTextFormat::SingleLine) {
        pieces.push_back(text);
    } else {
        std::size_t start = 0;
        while (true) {
            std::size_t feed = text.find('\n', start);
            std::string_view paragraph = text.substr(start, feed == std::string_view::npos ? feed : feed - start);
            if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
            if (format & DrawTextFormat::WordBreak) {
                BreakParagraph(paragraph, maxWidth, measure, pieces);
            } else {
                pieces.push_back(paragraph);
            }
            if (feed == std::string_view::npos) break;
            start = feed + 1;
        }
    }
    std::vector<TextLine> lines;
    for (std::string_view piece : pieces) {
        TextLine line{std::string(piece), measure(piece)};
        if ((format & DrawTextFormat::EndEllipsis) && line.width > maxWidth) {
            line.text = WithEllipsis(piece, maxWidth, measure);
            line.width = measure(line.text);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace platform
