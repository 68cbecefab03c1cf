#pragma once
// The evaluation of every game a hand could play into the player's nine game options, and the
// bid limit derived from them. Mode 0 is the bidding before the skat; a nonzero mode evaluates
// against the current bid with the skat known.

class CPlayer;

// AnalyseHand(mode), then EvaluateBid(mode, -1): the bid limit of the hand.
int AnalyseAndEvaluate(CPlayer& player, int mode);
// Option -1 evaluates all and returns the bid limit; 0..3, 4 or 6 only that option (its value).
int EvaluateBid(CPlayer& player, int mode, int option);
// The four suit options (option -1), or one.
void EvaluateSuit(CPlayer& player, int mode, int option);
void EvaluateGrand(CPlayer& player, int mode);
void EvaluateNull(CPlayer& player, int mode);
bool IsRevolutionHand(const CPlayer& player);
// Threshold in percent of the player's seat for a game type (risk setting x 10).
int GetRiskSetting(const CPlayer& player, int type);
// The level to bid with for suit game t when the hand is without matadors.
int GetBiddingLevel(CPlayer& player, int type, int level);
bool CheckSchneiderRule(int hand);
bool CheckOuvertRule(int a, int b);
inline int TricksToPercent(int tricks) { return tricks * 10; }
