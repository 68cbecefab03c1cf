#pragma once
// Cards written by name in tests: suit letter (C S H D) and rank letter (A T K Q J 9 8 7), so that a
// hand reads as the players see it: "CJ SJ HA D7". A word that names no card stops the test with
// its name, so a slip of the pen never deals another card.

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"

namespace testsupport {

inline int CardOf(std::string_view name) {
    static constexpr std::string_view kSuits = "CSHD", kRanks = "A789TJQK";  // in index order
    const std::size_t suit = name.size() == 2 ? kSuits.find(name[0]) : std::string_view::npos;
    const std::size_t rank = name.size() == 2 ? kRanks.find(name[1]) : std::string_view::npos;
    if (suit == std::string_view::npos || rank == std::string_view::npos)
        throw std::invalid_argument("no card is named \"" + std::string(name) + "\"");
    return CardCodeOf(static_cast<int>(rank), static_cast<int>(suit));
}

// The cards in the order written, separated by blanks.
inline std::vector<int> CardsOf(std::string_view names) {
    std::vector<int> cards;
    std::istringstream in{std::string(names)};
    std::string word;
    while (in >> word) cards.push_back(CardOf(word));
    return cards;
}

// The name of a card code, "--" for none.
inline std::string NameOf(int card) {
    if (!IsCardCode(card)) return "--";
    std::string name(1, "CSHD"[GetCardSuit(card, true)]);
    name += "A789TJQK"[GetCardRank(card)];
    return name;
}

}  // namespace testsupport
