#pragma once
// The model's one way to the trace writer: a line goes to the application object when there is
// one (tests and tools run without it).

#include <string>

void WriteTrace(const std::string& text, unsigned flags);
