#pragma once
// The lay-away of the soloist: planners that propose candidate cards and pairs into the shared
// DiscardPlannerBlock (g_Computer.Discard), the final choice of two cards into DiscardResult, and
// the fallback builders that add candidates when the choice stays incomplete. Cards are named by
// hand index: slots 0..9 the hand, 10 and 11 the two skat cards (laying one away = leaving it).
// The planners, the choice and the builders are CDiscardPlanner's (DiscardPlanner.h); this header
// holds the calling protocol and the card scores they share.

#include "computer/evaluation/ComputerState.h"

class CPlayer;

// The whole calling protocol on a player whose twelve cards were analysed with the skat: counts
// cleared, plan, choose, fall back and choose again. Always ends with two distinct hand indexes
// of held cards in DiscardResult (ChosenCount 2); a Jack, in suit games and Grand a trump too,
// only when nothing else is left.
void PlanAndChooseDiscard(CPlayer& player, int type);

// Order score and pair score of the card in a hand slot under the current game type.
int DiscardOrderScore(const CPlayer& player, int index);
int DiscardPairScore(const CPlayer& player, int index);
