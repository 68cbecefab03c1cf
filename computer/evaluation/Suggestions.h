#pragma once
// The two rules of the game suggestion that judge option records rather than cards; the
// suggestions themselves are CPlayer::SuggestGame and CPlayer::SuggestSkat (model/PlayerData.h).

// A game that was on before the skat was taken and is off after its lay-away: Grand goes off;
// any other keeps its values without Hand, with Schneider and Schwarz only where the rules allow
// them and Ouvert only where the variants allow an open game.
void KeepOptionSpoiledBySkat(int type, int* before);

// Weak suit games (at most 40 percent with a reject code) are switched off when another suit
// game is at least as probable; the last option that is on always stays. Returns how many
// options are on afterwards.
int PruneWeakSuitOptions(int (*options)[13]);
