#include "model/CardKnowledge.h"

#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"

CCardKnowledge g_Knowledge;

void CCardKnowledge::Reset() {
    PlayedCards = SkatCards = 0;
    for (int& unseen : UnseenSuitCounts) unseen = 7;
    for (auto& row : VoidTable)
        for (unsigned char& mayHold : row) mayHold = 1;
    PreferredSuit = -1;
    for (int& counter : TrickLeadCounts) counter = 0;
    for (int& suit : LedSuitBySeat) suit = -1;
    TrickLeadSuit = -1;
    DiscardBusy = 0;
}

namespace {

// Resolves a card, or block and rank when the card is -1, to its row; -1 for none.
int LocationRow(int card, int block, int rank) {
    if (card != NO_CARD) return GetCardRow(card);
    if (block < 0 || block > 3 || rank < 0 || rank > 7) return -1;
    return block * 8 + rank;
}

void PutCard(int row, int value) {
    unsigned bit = 1u << row;
    g_Knowledge.PlayedCards &= ~bit;
    g_Knowledge.SkatCards &= ~bit;
    if (value == CARD_IN_SKAT)
        g_Knowledge.SkatCards |= bit;
    else if (value != CARD_IN_HAND)
        g_Knowledge.PlayedCards |= bit;
}

// The four Jacks' bits.
constexpr unsigned JackCards = 0x01010101u << JACK;

}  // namespace

void ResetCardTables() { g_Knowledge.PlayedCards = g_Knowledge.SkatCards = 0; }

void ClearDeckTaken() {
    for (DeckRow& row : DeckTable) row.taken = 0;
}

void StartPlayKnowledge() {
    for (int& unseen : g_Knowledge.UnseenSuitCounts) unseen = 7;
    for (auto& row : g_Knowledge.VoidTable)
        for (unsigned char& mayHold : row) mayHold = 1;
}

void SetCardLocation(int card, int value, int block, int rank) {
    int row = LocationRow(card, block, rank);
    if (row >= 0) PutCard(row, value);
}

void ClearCardLocation(int card, int block, int rank) { SetCardLocation(card, CARD_IN_HAND, block, rank); }

void SwapCardLocations(int card1, int card2, int block1, int rank1, int block2, int rank2) {
    int first = LocationRow(card1, block1, rank1);
    int second = LocationRow(card2, block2, rank2);
    if (first < 0 || second < 0) return;
    int firstValue = g_Knowledge.CardLocation(first);
    PutCard(first, g_Knowledge.CardLocation(second));
    PutCard(second, firstValue);
}

void NoteCardPlayed(int card) {
    int rank = GetCardRank(card);
    int suit = GetCardSuit(card, true);
    if (rank < 0 || suit < 0) return;
    int type = g_Game.GameType;
    bool trump = rank == JACK || (IsSuitGame(type) && suit == type);
    if (trump) {
        // The Hand-game inference may already have counted a trump down; never below 0.
        if (g_Game.TrumpCount > 0) --g_Game.TrumpCount;
        if (g_Game.TrumpCount <= 0)
            for (auto& row : g_Knowledge.VoidTable) row[GAME_GRAND] = row[GAME_RAMSCH] = 0;
        return;
    }
    if (g_Knowledge.UnseenSuitCounts[suit] > 0) --g_Knowledge.UnseenSuitCounts[suit];
    if (g_Knowledge.UnseenSuitCounts[suit] <= 0)
        for (auto& row : g_Knowledge.VoidTable) row[suit] = 0;
}

void SetPreferredSuit(int suit) {
    if (suit != g_Game.GameType) g_Knowledge.PreferredSuit = suit;
}

int CountSuitCards(int suit, int seat) {
    if (static_cast<unsigned>(suit) > 3) return 0;
    unsigned suitCards = 0xFFu << (SuitToBlock[suit] * 8);
    if (!IsNullGame()) suitCards &= ~JackCards;
    return CountCards(GoneCards(seat) & suitCards);
}

int CountJacks(int seat) {
    if (IsNullGame()) return 0;
    return CountCards(GoneCards(seat) & JackCards);
}
