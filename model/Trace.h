#pragma once
// The model's one way to the trace writer: a line goes to the application object when there is
// one (tests and tools run without it).

#include <string>

void WriteTrace(const std::string& text, unsigned flags);

// Names of suits (0..3, 6 Grand, 7 Ramsch) and ranks in trace lines.
const char* SuitName(int suit);
const char* RankName(int rank);
