#pragma once
// The evaluation of every game a hand could play into the player's nine game options, and the
// bid limit derived from them. Mode 0 is the bidding before the skat; a nonzero mode evaluates
// against the current bid with the skat known.
// The operations of the player are CGameEvaluation's (declared in GameEvaluation.h, defined here).

class CPlayer;

bool CheckSchneiderRule(int hand);
bool CheckOuvertRule(int a, int b);
inline int TricksToPercent(int tricks) { return tricks * 10; }
