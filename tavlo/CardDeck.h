#pragma once
// tavlo::CardDeck: the cards one window shows, as a model without drawing: for every card code its
// face-up and highlight flags (kept while the card is off the table, so a card can be exposed before
// it is dealt), and the dealt cards with their positions in stacking order, bottom first.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/core/Geometry.h"

namespace tavlo {

class CardDeck {
public:
    static constexpr int kFirstCode = 1;
    static constexpr int kLastCode = 52;
    static bool IsCardCode(int card) { return card >= kFirstCode && card <= kLastCode; }

    struct Dealt {
        int card = 0;
        platform::Point position;  // client pixels of the top-left corner
    };

    // Card size in pixels; the same for every card of the deck.
    platform::Size CardSize() const { return m_size; }
    void SetCardSize(platform::Size size) { m_size = size; }

    bool IsDealt(int card) const { return Find(card) != nullptr; }
    std::optional<platform::Point> Position(int card) const;
    std::optional<platform::Rect> Area(int card) const;
    platform::Rect AreaAt(platform::Point position) const;

    // Puts the card at the position on top of the stacking (it moves up when it was dealt).
    void Deal(int card, platform::Point position);
    // Moves a dealt card without changing the stacking; false when it is not dealt.
    bool Move(int card, platform::Point position);
    // Takes the card off the table; false when it was not dealt.
    bool Take(int card);
    // Moves the card to the top of the stacking.
    bool Raise(int card);
    // Puts `card` directly below `above`; an `above` that is not dealt (or 0) puts it on top.
    bool PlaceBelow(int card, int above);
    // The card lying next above it in the stacking; 0 when it is topmost or not dealt.
    int Successor(int card) const;
    // The topmost card whose area holds the point, leaving out `except`; 0 when none.
    int TopmostAt(platform::Point point, int except = 0) const;

    bool IsFaceUp(int card) const { return IsCardCode(card) && m_faceUp[card]; }
    void SetFaceUp(int card, bool faceUp) { if (IsCardCode(card)) m_faceUp[card] = faceUp; }
    bool IsHighlighted(int card) const { return IsCardCode(card) && m_highlight[card]; }
    void SetHighlighted(int card, bool on) { if (IsCardCode(card)) m_highlight[card] = on; }

    // Bottom first.
    const std::vector<Dealt>& Stacking() const { return m_stacking; }

private:
    const Dealt* Find(int card) const;
    std::ptrdiff_t IndexOf(int card) const;
    // Renumbers the cards' places in the stacking from `from` up, after a change there.
    void Renumber(std::size_t from);

    platform::Size m_size{71, 96};
    std::vector<Dealt> m_stacking;
    // Each card's place in m_stacking, -1 while it is not dealt: every redraw and hit test of a
    // card asks for it.
    std::array<std::int8_t, kLastCode + 1> m_index = NotDealt();
    static std::array<std::int8_t, kLastCode + 1> NotDealt() {
        std::array<std::int8_t, kLastCode + 1> index{};
        index.fill(-1);
        return index;
    }
    std::array<bool, kLastCode + 1> m_faceUp{};
    std::array<bool, kLastCode + 1> m_highlight{};
};

}  // namespace tavlo
