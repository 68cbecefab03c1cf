#pragma once
// An independent check of one KGL1 line: it reads the line back and replays the cards by the
// rules of Skat, without the program's own rules code, so that it catches the program's faults.

#include <string>

// An empty answer when the line holds: 32 distinct cards in the deal, each card played by the seat
// that held it after the lay-away, suit followed, and the soloist's points and the result as the
// cards give them. Otherwise the first fault, in words.
std::string CheckGameLine(const std::string& line);
