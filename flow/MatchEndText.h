#pragma once
// The texts of a match's end that the start dialog shows: the reason the match ended and the final
// standing of the seats (flow/NewMatch.cpp).

#include <array>
#include <string>

// The final standing of a match: the reason line (empty: none, and then no seat lines either) and
// a number per seat.
std::string FinalStandingText(const std::string& reasonLine, const int (&numbers)[3],
                              const std::array<std::string, 3>& names);
// The reason line of a match that reached its end, by the match mode (3: none).
std::string MatchEndReason(int matchMode, const std::array<std::string, 3>& names, const int (&balances)[3]);
