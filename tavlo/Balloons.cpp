#include "tavlo/Balloons.h"

#include <algorithm>
#include <functional>

#include "platform/core/DrawingFlags.h"

namespace tavlo {

namespace {

using Measure = std::function<int(std::string_view)>;

std::size_t CodePointLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    return std::min(n, text.size() - at);
}

// Breaks one paragraph into lines no wider than `width`.
void WrapParagraph(std::string_view paragraph, int width, const Measure& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    std::size_t at = 0;
    while (at < paragraph.size()) {
        if (paragraph[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = paragraph.find(' ', at);
        if (end == std::string_view::npos) end = paragraph.size();
        std::string_view word = paragraph.substr(at, end - at);
        at = end;
        const std::string joined = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (measure(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line.clear();
        // A word too wide on its own line is broken between characters.
        while (!word.empty() && measure(word) > width) {
            std::size_t take = CodePointLength(word, 0);
            while (take < word.size()) {
                const std::size_t next = take + CodePointLength(word, take);
                if (measure(word.substr(0, next)) > width) break;
                take = next;
            }
            lines.emplace_back(word.substr(0, take));
            word.remove_prefix(take);
        }
        line = std::string(word);
    }
    if (!line.empty() || lines.empty()) lines.push_back(line);
}

BalloonLayout LayOut(int id, platform::Point position, int tail, std::string_view text, const Measure& measure,
                     int lineHeight) {
    BalloonLayout layout;
    const int textWidth = kBalloonWidth - 2 * kBalloonPaddingX;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        WrapParagraph(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start),
                      textWidth, measure, layout.lines);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const int height = 2 * kBalloonPaddingY + lineHeight * static_cast<int>(layout.lines.size());
    layout.body = {position.x, position.y, position.x + kBalloonWidth, position.y + height};
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const int width = measure(layout.lines[i]);
        // Each line centred in the body.
        layout.linePositions.push_back({position.x + (kBalloonWidth - width) / 2,
                                        position.y + kBalloonPaddingY + lineHeight * static_cast<int>(i)});
    }
    const int length = std::clamp(tail, 0, kBalloonMaxTail);
    const int bottom = layout.body.bottom - 1;
    if (id == 6) {
        const int right = layout.body.right;
        layout.tail = {{right - 40, bottom}, {right - 22, bottom}, {right - 10, bottom + length}};
    } else {
        const int left = layout.body.left;
        layout.tail = {{left + 22, bottom}, {left + 40, bottom}, {left + 10, bottom + length}};
    }
    layout.bounds = layout.body;
    layout.bounds.bottom = std::max(layout.body.bottom, bottom + length + 1);
    return layout;
}

}  // namespace

bool IsBalloonId(int id) { return id == 5 || id == 6; }

platform::LogFont BalloonFont() { return {"Arial", 14, 0, 400}; }

BalloonLayout LayOutBalloon(const platform::DeviceContext& dc, int id, platform::Point position, int tail,
                            std::string_view text) {
    const Measure measure = [&dc](std::string_view s) { return dc.GetTextExtent(s).cx; };
    return LayOut(id, position, tail, text, measure, dc.GetTextMetrics().height);
}

BalloonLayout EstimateBalloon(int id, platform::Point position, int tail, std::string_view text) {
    const platform::LogFont font = BalloonFont();
    const int charWidth = (font.height + 1) / 2;
    const Measure measure = [charWidth](std::string_view s) {
        int n = 0;
        for (std::size_t at = 0; at < s.size(); at += CodePointLength(s, at)) ++n;
        return n * charWidth;
    };
    return LayOut(id, position, tail, text, measure, font.height);
}

BalloonLayout DrawBalloon(platform::DeviceContext& dc, int id, platform::Point position, int tail,
                          std::string_view text) {
    dc.SaveDC();
    dc.SelectFont(BalloonFont());
    const BalloonLayout layout = LayOutBalloon(dc, id, position, tail, text);
    dc.SelectPen({platform::PenStyle::Solid, 1, platform::Color{0, 0, 0}});
    dc.SelectBrush(platform::Brush::Solid({255, 255, 255}));
    dc.RoundRect(layout.body.left, layout.body.top, layout.body.right, layout.body.bottom, 16, 16);
    if (layout.tail.back().y > layout.body.bottom) dc.Polygon(layout.tail);
    dc.SetBkMode(platform::BkMode::Transparent);
    dc.SetTextColor({0, 0, 0});
    dc.SetTextAlign(platform::TextAlign::Left | platform::TextAlign::Top);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        dc.TextOut(layout.linePositions[i].x, layout.linePositions[i].y, layout.lines[i]);
    }
    dc.RestoreDC(-1);
    return layout;
}

}  // namespace tavlo
