#pragma once
// What the table knows about the cards no longer in anyone's hand: which were played, which lie in
// the skat, which suits a seat can no longer hold, how many cards of a suit are unseen, the suit
// the defenders signalled, and the trick counters of the running game. One instance, g_Knowledge;
// the undo history saves and restores it whole. TrumpCount lives in the game record (g_Game).

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"

// Where a card is, as CardLocation answers and SetCardLocation takes it.
constexpr int CARD_IN_HAND = -1;
constexpr int CARD_IN_SKAT = -2;
constexpr int CARD_PLAYED = 0;

// Columns of VoidTable beyond the suits: the Jacks in Grand and in Ramsch.
constexpr int VOID_COLUMNS = 9;

struct CCardKnowledge {
    // One bit per card, bit (code block x 8 + rank), as GetCardRow numbers them: the cards played
    // and the cards lying in the skat; a card in neither is in a hand.
    unsigned PlayedCards;
    unsigned SkatCards;
    // Cards of each suit (Jack excluded) not yet played; 7 each when play starts.
    int UnseenSuitCounts[4];
    // [seat][column]: 1 the seat may still hold cards of the column, 0 known to hold none.
    unsigned char VoidTable[3][VOID_COLUMNS];
    // A suit the defenders signalled; -1 none.
    int PreferredSuit;
    // Tricks led with each plain suit 0..3 and [4] with trump.
    int TrickLeadCounts[5];
    // Per seat the suit he last led as a computer defender; -1 none.
    int LedSuitBySeat[4];
    // The effective suit led in the current trick (written by CPlayer::Discard).
    int TrickLeadSuit;
    // Set by the lay-away planner while it runs: skat cards then count as unseen for everybody.
    int DiscardBusy;

    CCardKnowledge() { Reset(); }
    // The state at program start: every card in a hand, counters 7, nothing known, no signal.
    void Reset();
    // Where the card of row 0..31 is: CARD_IN_HAND, CARD_IN_SKAT or CARD_PLAYED.
    int CardLocation(int row) const {
        const unsigned bit = 1u << row;
        if (PlayedCards & bit) return CARD_PLAYED;
        return SkatCards & bit ? CARD_IN_SKAT : CARD_IN_HAND;
    }
};

extern CCardKnowledge g_Knowledge;

// Every card back in a hand (each game start).
void ResetCardTables();
// The taken flags of DeckTable to 0 (before a deal).
void ClearDeckTaken();
// At the start of play: UnseenSuitCounts 7 each, VoidTable all 1.
void StartPlayKnowledge();
// Puts the card in a hand, the skat or the played cards (value CARD_IN_HAND, CARD_IN_SKAT, any
// other value played); with card -1 the card is given as block and rank.
void SetCardLocation(int card, int value, int block = -1, int rank = -1);
void ClearCardLocation(int card, int block = -1, int rank = -1);
// Exchanges the entries of two cards (skat and hand exchange); a card -1 is given by block, rank.
void SwapCardLocations(int card1, int card2, int block1 = -1, int rank1 = -1, int block2 = -1,
                       int rank2 = -1);
// The seat that knows what lies in the skat: in Ramsch the seat holding it, in a Hand game
// nobody (-100), otherwise the soloist.
inline int SkatKnower() {
    if (g_Game.GameType == GAME_RAMSCH) return g_Game.SkatHolderSeat;
    if (g_Game.HandAnnounced) return -100;
    return g_Game.Soloist;
}
// The cards out of play as far as seat knows, bits as in PlayedCards: those played, and the skat
// for the seat that knows it. While the lay-away planner weighs the skat, the skat cards are
// unseen for everybody.
inline unsigned GoneCards(int seat) {
    if (g_Knowledge.DiscardBusy || seat != SkatKnower()) return g_Knowledge.PlayedCards;
    return g_Knowledge.PlayedCards | g_Knowledge.SkatCards;
}
// The number of cards in a card mask. Bit arithmetic, not std::popcount: on the baseline x86-64
// target that is a library call, and the computer counts masks at every step.
constexpr int CountCards(unsigned mask) {
    mask = mask - ((mask >> 1) & 0x55555555u);
    mask = (mask & 0x33333333u) + ((mask >> 2) & 0x33333333u);
    return static_cast<int>((((mask + (mask >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}
// Whether the card (suit index, rank index) is out of play as far as seat knows.
inline bool IsCardGone(int suit, int rank, int seat) {
    if (static_cast<unsigned>(suit) > 3 || static_cast<unsigned>(rank) > 7) return false;
    return (GoneCards(seat) >> (SuitToBlock[suit] * 8 + rank)) & 1u;
}
// The per-card update of UnseenSuitCounts, TrumpCount (never below 0) and VoidTable.
void NoteCardPlayed(int card);
// Stores suit in PreferredSuit unless it equals GameType.
void SetPreferredSuit(int suit);

// Small shared queries of the card knowledge, used by the model and the computer player.
// Whether the soloist's cards lie open to the defenders. Inline: the question whether a seat may
// hold a suit asks it first.
inline bool AreOuvertCardsOpen() {
    if (g_Game.OuvertAnnounced == 0) return false;
    switch (g_Game.VariantMode) {
        case 0: return true;
        case 1:
            if (!g_Settings.Variants.NullOuvert) return true;
            return g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2] > 0;
        default: return false;
    }
}
// Cards of the suit gone for seat, walking J A 10 K Q 9 8 7 (the Jack only in Null, Revolution).
int CountSuitCards(int suit, int seat);
// Jacks gone for seat; 0 in Null and Revolution.
int CountJacks(int seat);
