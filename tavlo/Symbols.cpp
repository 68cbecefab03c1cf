#include "tavlo/Symbols.h"

#include <array>
#include <string>
#include <vector>

#include "platform/core/DrawingFlags.h"

namespace tavlo {

namespace {

const platform::Color kBlack{0, 0, 0};
const platform::Color kRed{204, 0, 0};
// Letters of the rank symbols 13..22.
constexpr std::array<const char*, 10> kRanks{"A", "7", "8", "9", "10", "J", "Q", "K", "B", "D"};

// A point of a suit shape, given on a 20 x 20 grid, scaled to the symbol's side.
platform::Point At(const platform::Rect& box, int gx, int gy) {
    return {box.left + gx * box.Width() / 20, box.top + gy * box.Height() / 20};
}

void Blob(platform::DeviceContext& dc, const platform::Rect& box, int gx, int gy, int radius) {
    const platform::Point c = At(box, gx, gy);
    const int r = std::max(1, radius * box.Width() / 20);
    dc.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
}

// Suit index: 0 Clubs, 1 Spades, 2 Hearts, 3 Diamonds.
void DrawSuit(platform::DeviceContext& dc, int suit, const platform::Rect& box) {
    const platform::Color color = suit >= 2 ? kRed : kBlack;
    dc.SelectPen({platform::PenStyle::Solid, 1, color});
    dc.SelectBrush(platform::Brush::Solid(color));
    switch (suit) {
    case 0: {  // Clubs: three leaves and a stem
        Blob(dc, box, 10, 6, 4);
        Blob(dc, box, 6, 11, 4);
        Blob(dc, box, 14, 11, 4);
        const std::array stem{At(box, 10, 10), At(box, 13, 19), At(box, 7, 19)};
        dc.Polygon(stem);
        break;
    }
    case 1: {  // Spades: a point up, two lobes and a stem
        const std::array blade{At(box, 10, 1), At(box, 18, 11), At(box, 2, 11)};
        dc.Polygon(blade);
        Blob(dc, box, 6, 12, 4);
        Blob(dc, box, 14, 12, 4);
        const std::array stem{At(box, 10, 11), At(box, 13, 19), At(box, 7, 19)};
        dc.Polygon(stem);
        break;
    }
    case 2: {  // Hearts: two lobes and a point down
        Blob(dc, box, 6, 7, 4);
        Blob(dc, box, 14, 7, 4);
        const std::array point{At(box, 2, 9), At(box, 18, 9), At(box, 10, 19)};
        dc.Polygon(point);
        break;
    }
    default: {  // Diamonds
        const std::array rhombus{At(box, 10, 1), At(box, 18, 10), At(box, 10, 19), At(box, 2, 10)};
        dc.Polygon(rhombus);
        break;
    }
    }
}

void DrawLetters(platform::DeviceContext& dc, const std::string& letters, const platform::Rect& box, bool framed) {
    if (framed) {
        dc.SelectPen({platform::PenStyle::Solid, 1, kBlack});
        dc.SelectBrush(platform::Brush::Solid({255, 255, 255}));
        dc.Rectangle(box.left, box.top, box.right, box.bottom);
    }
    dc.SelectFont({"Arial", box.Height() - 2, 0, platform::LogFont::kBold});
    dc.SetBkMode(platform::BkMode::Transparent);
    dc.SetTextColor(kBlack);
    dc.SetTextAlign(platform::TextAlign::Center | platform::TextAlign::Top);
    dc.TextOut(box.left + box.Width() / 2, box.top + 1, letters);
}

}  // namespace

bool IsSymbolId(int id) { return id >= kFirstSymbol && id <= kLastSymbol; }

platform::Rect SymbolArea(int id, platform::Point position) {
    if (!IsSymbolId(id)) return {};
    const int side = id <= 8 ? kLargeSymbolSide : kSmallSymbolSide;
    return {position.x, position.y, position.x + side, position.y + side};
}

void DrawSymbol(platform::DeviceContext& dc, int id, platform::Point position) {
    if (!IsSymbolId(id) || !dc.KeepsPixels()) return;
    const platform::Rect box = SymbolArea(id, position);
    dc.SaveDC();
    if (id <= 4) {
        DrawSuit(dc, id - 1, box);
    } else if (id == 5) {
        DrawLetters(dc, "N", box, true);
    } else if (id == 6) {
        DrawLetters(dc, "R", box, true);
    } else if (id == 7) {
        DrawLetters(dc, "G", box, true);
    } else if (id == 8) {
        dc.SelectPen({platform::PenStyle::Solid, 1, kBlack});
        dc.SelectBrush(platform::Brush::Solid({255, 204, 0}));
        dc.Ellipse(box.left, box.top, box.right, box.bottom);
    } else if (id <= 12) {
        DrawSuit(dc, id - 9, box);
    } else {
        DrawLetters(dc, kRanks[static_cast<std::size_t>(id - 13)], box, false);
    }
    dc.RestoreDC(-1);
}

}  // namespace tavlo
