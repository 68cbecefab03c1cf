#include "model/CardKnowledge.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardCodes.h"

#include <utility>

CCardKnowledge g_Knowledge;

void CCardKnowledge::Reset() {
    for (int& entry : PlayedCardTable) entry = CARD_IN_HAND;
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

// Resolves a card, or block and rank when the card is -1, to its PlayedCardTable entry.
int* LocationEntry(int card, int block, int rank) {
    if (card != NO_CARD) {
        int row = GetCardRow(card);
        return row < 0 ? nullptr : &g_Knowledge.PlayedCardTable[row];
    }
    if (block < 0 || block > 3 || rank < 0 || rank > 7) return nullptr;
    return &g_Knowledge.PlayedCardTable[block * 8 + rank];
}

// The seat that knows what lies in the skat: in Ramsch the seat holding it, in a Hand game
// nobody, otherwise the soloist.
int SkatKnower() {
    if (g_Game.GameType == GAME_RAMSCH) return g_Game.SkatHolderSeat;
    if (g_Game.HandAnnounced) return -100;
    return g_Game.Soloist;
}

}  // namespace

void ResetCardTables() {
    for (int& entry : g_Knowledge.PlayedCardTable) entry = CARD_IN_HAND;
}

void ClearDeckTaken() {
    for (DeckRow& row : DeckTable) row.taken = 0;
}

void StartPlayKnowledge() {
    for (int& unseen : g_Knowledge.UnseenSuitCounts) unseen = 7;
    for (auto& row : g_Knowledge.VoidTable)
        for (unsigned char& mayHold : row) mayHold = 1;
}

void SetCardLocation(int card, int value, int block, int rank) {
    if (int* entry = LocationEntry(card, block, rank)) *entry = value;
}

void ClearCardLocation(int card, int block, int rank) { SetCardLocation(card, CARD_IN_HAND, block, rank); }

void SwapCardLocations(int card1, int card2, int block1, int rank1, int block2, int rank2) {
    int* first = LocationEntry(card1, block1, rank1);
    int* second = LocationEntry(card2, block2, rank2);
    if (first && second) std::swap(*first, *second);
}

bool IsCardGone(int suit, int rank, int seat) {
    if (suit < 0 || suit > 3 || rank < 0 || rank > 7) return false;
    int entry = g_Knowledge.PlayedCardTable[SuitToBlock[suit] * 8 + rank];
    // While the lay-away planner weighs the skat, the skat cards are unseen for everybody.
    if (g_Knowledge.DiscardBusy && entry == CARD_IN_SKAT) entry = CARD_IN_HAND;
    int knows = seat == SkatKnower() ? 2 : 1;
    return (entry | knows) != -1;
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

bool AreOuvertCardsOpen() {
    if (g_Game.OuvertAnnounced == 0) return false;
    switch (g_Game.VariantMode) {
        case 0: return true;
        case 1:
            if (!g_Settings.Variants.NullOuvert) return true;
            return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2] > 0;
        default: return false;
    }
}

int CountSuitCards(int suit, int seat) {
    if (suit < 0 || suit > 3) return 0;
    bool null = IsNullGame();
    int gone = 0;
    for (int rank : TrumpRankList) {
        if (rank == JACK && !null) continue;
        if (IsCardGone(suit, rank, seat)) ++gone;
    }
    return gone;
}

int CountJacks(int seat) {
    if (IsNullGame()) return 0;
    int gone = 0;
    for (int suit = 0; suit < 4; ++suit)
        if (IsCardGone(suit, JACK, seat)) ++gone;
    return gone;
}
