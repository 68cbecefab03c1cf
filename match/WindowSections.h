#pragma once
// The few flags of the side windows' registry sections (RectScore, RectTrickEstimation), with their
// defaults in one table. The windows read and write them directly; ReadProfile and WriteProfile
// leave them alone.

#include <string>

// A flag of a side window's section: RectScore/Highlight (0), RectScore/Forehand (1),
// RectTrickEstimation/Auto (0), RectTrickEstimation/Game (0); 0 for any other name.
int ReadWindowFlag(const std::string& section, const std::string& key);
void WriteWindowFlag(const std::string& section, const std::string& key, int value);
