#pragma once
// The lay-away of the soloist: planners that propose candidate cards and pairs into the shared
// DiscardPlannerBlock (g_Computer.Discard), the final choice of two cards into DiscardResult, and
// the fallback builders that add candidates when the choice stays incomplete. Cards are named by
// hand index: slots 0..9 the hand, 10 and 11 the two skat cards (laying one away = leaving it).

#include "computer/evaluation/ComputerState.h"

class CPlayer;

// Sets DiscardBusy around the planner of the game type (0..3 and 6 suit, 4 and 5 Null, 8
// Durchmarsch; Ramsch has its own planner with the Ramsch skat round).
void PlanDiscard(CPlayer& player, int type);
// trump: the trump suit index, 6 in Grand.
void PlanDiscardSuit(CPlayer& player, int trump);
void PlanDiscardNull(CPlayer& player);
void PlanDiscardDurchmarsch(CPlayer& player);

// The final choice from the lists; ChosenCount tells how many result slots are settled.
void ChooseDiscard(CPlayer& player);
// The best two cards among the single e and the pairs; ChosenCount is the count truly written.
void ChooseBestPair(CPlayer& player, int n, DiscardEntry e, const DiscardPair* pairs, bool flag);
// The two best-scored entries into the result slots (with reset: from scratch).
void ChooseBestSingles(int n, const DiscardEntry* entries, bool reset);

// The fallback candidates by game type, appended to the lists as they stand.
void BuildDiscardCandidates(CPlayer& player, int type);
void BuildDiscardCandidatesSuit(CPlayer& player, int trump);
void BuildDiscardCandidatesNull(CPlayer& player);
void BuildDiscardCandidatesRamsch(CPlayer& player);
void BuildDiscardCandidatesDurchmarsch(CPlayer& player);

// The whole calling protocol on a player whose twelve cards were analysed with the skat: counts
// cleared, plan, choose, fall back and choose again. Always ends with two distinct hand indexes
// of held cards in DiscardResult (ChosenCount 2); a Jack, in suit games and Grand a trump too,
// only when nothing else is left.
void PlanAndChooseDiscard(CPlayer& player, int type);

// Order score and pair score of the card in a hand slot under the current game type.
int DiscardOrderScore(const CPlayer& player, int index);
int DiscardPairScore(const CPlayer& player, int index);
