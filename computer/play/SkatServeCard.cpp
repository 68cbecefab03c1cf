// The game object's step that lets a seat play its card: the player chooses it (the computer's
// thinking or the person's chosen card), so it lives beside the player's card choice, not in the
// model that the thinking builds on.
#include "model/CardCodes.h"
#include "model/Skat.h"

#include <cstddef>

int CSkat::ServeCard(int seat) {
    CPlayer* player = Player(seat);
    if (player == nullptr) return NO_CARD;
    player->ServeCard(&trick);
    const auto slot = static_cast<std::size_t>(seat);
    const int card = trick.present[slot] ? trick.cards[slot] : NO_CARD;
    // A player who gives up serves nothing, and the give-up step clears the table after it.
    if (IsCardCode(card)) CheckCardInvariant();
    return card;
}
