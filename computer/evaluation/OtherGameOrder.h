#pragma once
// The hand's cards as another game than the one on orders them, for the trick estimation sheets'
// popups, which may be hovered in the middle of any game: the Null sheet names cards in the Null
// order, the Ramsch sheet in the Ramsch order. The question is put to the game record under that
// game type with four trumps (the card routines read the globals), and both are put back before
// the answer returns.

#include <array>
#include <vector>

#include "model/CardCodes.h"

class CPlayer;

// One suit in the Null order: the highest card held (the first of its run) and the next lower one
// held below it, the lowest card held (the first of its run) and the next higher one held above
// it; NO_CARD for none.
struct NullSuitCards {
    int suit = -1;
    int highest = NO_CARD, belowHighest = NO_CARD;
    int lowest = NO_CARD, aboveLowest = NO_CARD;
};

// The listed suits (0..3; any other lists no cards) in the Null order, in the list's order.
std::vector<NullSuitCards> NullOrderCards(const CPlayer& player, const std::vector<int>& suits);

// The hand in the Ramsch order: the Jacks held (the Ramsch trumps) and the cards held of each suit,
// each list in the order the card routines give it.
struct RamschHandCards {
    std::vector<int> jacks;
    std::array<std::vector<int>, 4> suits;
};

RamschHandCards RamschOrderCards(const CPlayer& player);
