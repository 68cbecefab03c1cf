#pragma once
// Small list operations on the lay-away candidate block shared by the planners, the choice and
// the fallback builders: append (never beyond four entries), empty, and the hand facts they ask.

#include "computer/evaluation/ComputerState.h"
#include "model/HandInfo.h"

class CPlayer;

namespace discard {

constexpr int LIST_SIZE = 4;

inline DiscardPlannerBlock& Block() { return g_Computer.Discard; }

inline void AddSingle(DiscardEntry* list, int& count, int index, int score) {
    if (index < 0 || count >= LIST_SIZE) return;
    list[count++] = {index, score};
}

inline void AddPair(DiscardPair* list, int& count, DiscardEntry first, DiscardEntry second) {
    if (first.Index < 0 || second.Index < 0 || count >= LIST_SIZE) return;
    list[count++] = {first, second};
}

// The card code in a hand slot (0..11), -1 outside.
int CardAt(const CPlayer& player, int index);
// Hand slot of the held card (suit, rank) from the analysis table, -1 when not held.
inline int Slot(const HandInfo& info, int suit, int rank) { return info.RankTable[suit][rank]; }
// The suit of the card in a hand slot, -1 when none.
int SuitAt(const CPlayer& player, int index);
int RankAt(const CPlayer& player, int index);

}  // namespace discard

// The rank filter that passes every rank: the row's hand index for the rank, -1 when not held.
int RankFilterAll(const int* row, int rank);
