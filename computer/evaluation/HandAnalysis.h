#pragma once
// The hand analysis of a player: three passes fill the player's HandInfo block from his card row
// (a suit x rank table with counts, a suit analysis of Jacks, matador run and suit tricks, and the
// Null structure code of each suit), plus the matador level and the card plan memory.
//
// Modes: 0 the ten cards of slots 0..9; 1 twelve cards, the skat in slots 10 and 11 counted;
// 2 the ten cards counted, the skat slots only in RankTableWithSkat; 3 the 22 pooled cards of the
// Revolution exchange; 4 twelve cards for the Null evaluation.
// The operations of the player are CPlayer members (declared in model/PlayerData.h, defined here).

class CPlayer;
class CCards;

void SortIntoTable(CPlayer& player, int mode);
void AnalyseSuits(CPlayer& player, int mode);
void ClassifySuits(CPlayer& player, int mode);

// TrumpTotal from the current game type.
void StoreTrumpCount(CPlayer& player);
// Signed matador level of game type t: with n gives n + 1, without n gives -(n + 1).
int GetMatadors(const CPlayer& player, int type);
// The same with the two cards of the skat row in the hand; HandInfo is left as it was.
int GetMatadorsWithSkat(CPlayer& player, int type, const CCards& skat);
// SmallCards: per suit without a closed top the held Seven, Eight, Nine, Queen and King. This is
// also the suit tops (ListSuitTops) that the declared game registers for the statistics.
void ListSmallCards(CPlayer& player);
// After the Ramsch skat was picked up or passed on: plan slots cleared, table and suit status.
void ResetPlayAnalysis(CPlayer& player);

// Installs the computer player's analysis, matador level and top-card test into the model's
// player hooks.
void InstallComputerPlayer();
