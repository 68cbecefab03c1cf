#pragma once
// The scoring command of kartovan-selfplay: a KGL1 game line (its result may be missing) is
// replayed into the game record trick by trick and scored by the routine the program runs at a
// game's end, under the official rules. Nothing is played.

#include <string>

struct ScoredLine {
    std::string line;   // the line with result= as the program scores the game; empty on an error
    std::string error;  // why the line cannot be scored; empty when it was scored
};

ScoredLine ScoreGameLine(const std::string& line);
