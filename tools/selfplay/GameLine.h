#pragma once
// The game line of the format KGL1 (documented in KGL1.md): a played game's record as one line, and the
// card and game names it uses.

#include "flow/GameRecord.h"

#include <string>

// A card as two letters: the suit (C, S, H, D) and the rank (A, T, K, Q, J, 9, 8, 7); "-" for none.
std::string RecordCardText(int card);
// The card of two letters as RecordCardText writes them; 0 when the text names no card.
int RecordCardCode(const std::string& text);
// The game type of a declaration's game name ("clubs" .. "ramsch"); -1 for any other name.
int RecordGameType(const std::string& name);
// The game as one line of the format KGL1 (documented in tools/selfplay/KGL1.md), no line feed.
std::string FormatGameLine(const CGameRecord& record, unsigned long long seed);
