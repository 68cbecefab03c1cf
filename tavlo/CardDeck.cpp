#include "tavlo/CardDeck.h"

#include <algorithm>

namespace tavlo {

std::ptrdiff_t CardDeck::IndexOf(int card) const {
    const auto it = std::find_if(m_stacking.begin(), m_stacking.end(),
                                 [card](const Dealt& d) { return d.card == card; });
    return it == m_stacking.end() ? -1 : it - m_stacking.begin();
}

const CardDeck::Dealt* CardDeck::Find(int card) const {
    const std::ptrdiff_t i = IndexOf(card);
    return i < 0 ? nullptr : &m_stacking[static_cast<std::size_t>(i)];
}

std::optional<platform::Point> CardDeck::Position(int card) const {
    const Dealt* d = Find(card);
    if (!d) return std::nullopt;
    return d->position;
}

platform::Rect CardDeck::AreaAt(platform::Point position) const {
    return {position.x, position.y, platform::SaturateToInt(std::int64_t{position.x} + m_size.cx),
            platform::SaturateToInt(std::int64_t{position.y} + m_size.cy)};
}

std::optional<platform::Rect> CardDeck::Area(int card) const {
    const Dealt* d = Find(card);
    if (!d) return std::nullopt;
    return AreaAt(d->position);
}

void CardDeck::Deal(int card, platform::Point position) {
    if (!IsCardCode(card)) return;
    Take(card);
    m_stacking.push_back({card, position});
}

bool CardDeck::Move(int card, platform::Point position) {
    const std::ptrdiff_t i = IndexOf(card);
    if (i < 0) return false;
    m_stacking[static_cast<std::size_t>(i)].position = position;
    return true;
}

bool CardDeck::Take(int card) {
    const std::ptrdiff_t i = IndexOf(card);
    if (i < 0) return false;
    m_stacking.erase(m_stacking.begin() + i);
    return true;
}

bool CardDeck::Raise(int card) { return PlaceBelow(card, 0); }

bool CardDeck::PlaceBelow(int card, int above) {
    const std::ptrdiff_t i = IndexOf(card);
    if (i < 0) return false;
    if (above == card) return true;
    const Dealt moved = m_stacking[static_cast<std::size_t>(i)];
    m_stacking.erase(m_stacking.begin() + i);
    const std::ptrdiff_t j = IndexOf(above);
    m_stacking.insert(j < 0 ? m_stacking.end() : m_stacking.begin() + j, moved);
    return true;
}

int CardDeck::Successor(int card) const {
    const std::ptrdiff_t i = IndexOf(card);
    if (i < 0 || static_cast<std::size_t>(i) + 1 >= m_stacking.size()) return 0;
    return m_stacking[static_cast<std::size_t>(i) + 1].card;
}

int CardDeck::TopmostAt(platform::Point point, int except) const {
    for (auto it = m_stacking.rbegin(); it != m_stacking.rend(); ++it) {
        if (it->card != except && AreaAt(it->position).Contains(point)) return it->card;
    }
    return 0;
}

}  // namespace tavlo
