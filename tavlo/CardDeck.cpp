#include "tavlo/CardDeck.h"

#include <algorithm>

namespace tavlo {

std::ptrdiff_t CardDeck::IndexOf(int card) const { return IsCardCode(card) ? m_index[card] : -1; }

void CardDeck::Renumber(std::size_t from) {
    for (std::size_t i = from; i < m_stacking.size(); ++i) m_index[m_stacking[i].card] = static_cast<std::int8_t>(i);
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
    Renumber(m_stacking.size() - 1);
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
    m_index[card] = -1;
    Renumber(static_cast<std::size_t>(i));
    return true;
}

bool CardDeck::Raise(int card) { return PlaceBelow(card, 0); }

bool CardDeck::PlaceBelow(int card, int above) {
    const std::ptrdiff_t i = IndexOf(card);
    if (i < 0) return false;
    if (above == card) return true;
    const Dealt moved = m_stacking[static_cast<std::size_t>(i)];
    m_stacking.erase(m_stacking.begin() + i);
    m_index[card] = -1;
    Renumber(static_cast<std::size_t>(i));
    const std::ptrdiff_t j = IndexOf(above);
    const std::ptrdiff_t at = j < 0 ? static_cast<std::ptrdiff_t>(m_stacking.size()) : j;
    m_stacking.insert(m_stacking.begin() + at, moved);
    Renumber(static_cast<std::size_t>(at));
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
