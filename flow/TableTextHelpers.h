#pragma once
// Small text helpers of the frame's steps: rank texts and a card's short text for trace lines.

#include <string>

// "A", "7", "8", "9", "10", "B", "D", "K" for rank index 0..7 (from the string table); "" else.
std::string GetRankText(int rank);
// The rank text followed by the suit's abbreviation ("10Kr"); "-" for no card.
std::string CardShortText(int card);
