#pragma once
// The side windows' registry sections (RectScore, RectStore, ...): each window's screen rectangle
// and its few flags, with their defaults in one table. The windows' toggles and close routines
// read and write them directly; ReadProfile and WriteProfile leave them alone.

#include <string>

struct SideWindowRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// The rectangle of a side window's section; missing values give the section's defaults. The
// panels and the legend keep only Left and Top: their Right and Bottom read as Left and Top.
SideWindowRect ReadWindowRect(const std::string& section);
// Stores the values the section keeps (all four, or Left and Top only).
void WriteWindowRect(const std::string& section, const SideWindowRect& rect);

// A flag of a side window's section: RectScore/Highlight (0), RectScore/Forehand (1),
// RectTrickEstimation/Auto (0), RectTrickEstimation/Game (0); 0 for any other name.
int ReadWindowFlag(const std::string& section, const std::string& key);
void WriteWindowFlag(const std::string& section, const std::string& key, int value);
