#pragma once
// Upkeep of the shared void table after each complete trick, and small shared routines of the
// computer player: the Ramsch test, the short names of games and announcements, held-or-gone.

#include <string>

class CPlayer;
class CSkat;

// After CTrick::Valuate: which seats are now known free of which suit, used-up suits,
// ThrownOffSuit, the leader's forced card and, after a trump lead nobody followed, TrumpCount.
// leader is forehand's player of the trick, handed in by the game object.
void ControlSuits(const CSkat& game, CPlayer& leader);
// The short name at an offset of "KzPkHzKaNlRvGdRaOvHdOvSnAnSwAnSnSwSbJfDmBoKoReALOSTWZDM".
std::string GetAbbreviation(int offset);
