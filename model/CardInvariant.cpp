// The card invariant of the game object: where each of the 32 cards lies, and whether the tricks
// taken agree with what the parties counted and booked.
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Skat.h"

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/Trace.h"

#include <string>

namespace {

constexpr int kRows = 5;
const char* const kRowNames[kRows] = {"Comp1", "Comp2", "Person", "skat", "trick"};

std::string CardText(int card) {
    if (!IsCardCode(card)) return std::to_string(card);
    std::string text(1, "CSHD"[GetCardSuit(card, true)]);
    text += "A789TJQK"[GetCardRank(card)];
    return text;
}

// Whether the game counts card points in its tricks (Null and Revolution count tricks only).
bool CountsCardPoints(int type) {
    return type >= GAME_CLUBS && type <= GAME_RAMSCH && type != GAME_NULL && type != GAME_REVOLUTION;
}

}  // namespace

CardFault CSkat::FindCardFault() const {
    // Step 1: every present entry of the hands, the skat and the trick holds a card, each card in
    // one of them at most.
    const CCards* rows[kRows] = {Player(0), Player(1), Player(2), this, &trick};
    int place[DECK_SIZE];
    for (int& row : place) row = -1;
    for (int r = 0; r < kRows; ++r) {
        const CCards& row = *rows[r];
        for (std::size_t slot = 0; slot < row.cards.size() && slot < row.present.size(); ++slot) {
            if (!row.present[slot]) continue;
            const int card = row.cards[slot];
            if (!IsCardCode(card))
                return {card, std::string("slot ") + std::to_string(slot) + " of " + kRowNames[r] + " holds no card"};
            int& where = place[GetCardRow(card)];
            if (where >= 0)
                return {card, CardText(card) + " lies in " + kRowNames[where] + " and in " + kRowNames[r]};
            where = r;
        }
    }
    // Step 2: the cards in none of the rows are the tricks taken.
    int taken = 0, takenPoints = 0, skatPoints = 0, trickCards = 0, trickPoints = 0;
    int firstTaken = NO_CARD;
    for (int row = 0; row < DECK_SIZE; ++row) {
        const int card = DeckTable[row].code;
        const int points = GetCardPoints(card);
        if (place[row] < 0) {
            if (firstTaken == NO_CARD) firstTaken = card;
            ++taken;
            takenPoints += points;
        } else if (place[row] == 3) {
            skatPoints += points;
        } else if (place[row] == 4) {
            ++trickCards;
            trickPoints += points;
        }
    }
    // Step 3: outside play no card has left the table.
    if (g_Game.FlowState != STATE_PLAY) {
        if (taken == 0) return {};
        return {firstTaken, std::to_string(taken) + " cards lie nowhere, " + CardText(firstTaken) + " first"};
    }
    // Step 4: three cards to each trick counted; a complete trick on the table may be counted
    // already. A Null soloist's trick ends the game with his count set to 10.
    const int counted = g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2];
    const bool complete = trickCards == 3;
    const bool nullEnded = IsNullGame() && g_Game.PartyTricks[0] >= 10;
    if (!nullEnded && taken != 3 * counted && !(complete && taken + 3 == 3 * counted))
        return {NO_CARD, std::to_string(taken) + " cards taken for " + std::to_string(counted) + " tricks counted"};
    // Step 5: the points booked are those of the tricks taken, so that all places make 120.
    if (!CountsCardPoints(g_Game.GameType)) return {};
    const int booked = g_Game.PartyPoints[0] + g_Game.PartyPoints[1] + g_Game.PartyPoints[2];
    for (int withTrick = 0; withTrick < (complete ? 2 : 1); ++withTrick)
        for (int withSkat = 0; withSkat < 2; ++withSkat)
            if (booked == takenPoints + withTrick * trickPoints + withSkat * skatPoints) return {};
    return {NO_CARD, std::to_string(booked) + " points booked for tricks taken worth " + std::to_string(takenPoints)};
}

void CSkat::CheckCardInvariant() const {
#ifndef NDEBUG
    const CardFault fault = FindCardFault();
    if (!fault) return;
    WriteTrace("CSkat::CheckCardInvariant(" + fault.text + ")", LOG_FORCED);
    ReportInternalError(fault.card, "Skat", __LINE__);
#endif
}
