#pragma once
// Game choice and declaration: the game a hand's evaluation favours, the computer soloist's whole
// declaration once the auction is won (Hand or pick-up, the lay-away, the announcements), and the
// all-passed judgement of whether forehand should still play instead of Ramsch.

#include <string>

class CPlayer;
class CCards;

// Mode -1 uses the option records as they stand; any other mode analyses and evaluates first.
// Writes the chosen game into the game record; returns the option records.
int (*ChooseGame(CPlayer& player, int mode))[13];
// Among equally promising suit options the longer suit (or the one without its Ace) gains 5.
void SelectDeclaredOption(CPlayer& player);
// The soloist's declaration with the two-card skat row; true when the declared game stays below
// the bid (overbid).
bool Declare(CPlayer& player, CCards& skat);
// Forehand after all passed: the value of a game still worth playing, else 0.
int EvaluateAllPassed(CPlayer& player);
void ReevaluateAllPassed(CPlayer& player);
// The declared game's trace text, e.g. "Comp1:GdHdOv".
std::string DeclarationText(const CPlayer& player, int type);
