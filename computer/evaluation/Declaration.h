#pragma once
// Game choice and declaration: the game a hand's evaluation favours, the computer soloist's whole
// declaration once the auction is won (Hand or pick-up, the lay-away, the announcements), and the
// all-passed judgement of whether forehand should still play instead of Ramsch.
// The operations of the player are CPlayer members (declared in model/PlayerData.h, defined here).

#include <string>

class CPlayer;
class CCards;

// The declared game's trace text, e.g. "Comp1:GdHdOv".
std::string DeclarationText(const CPlayer& player, int type);
