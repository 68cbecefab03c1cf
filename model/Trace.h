#pragma once
// The model's one way to the trace writer: a line goes to the sink the application object installs
// at start-up (tests and tools run without one, and then nothing is written).

#include <string>

// Trace categories and line kinds; the flags of every trace line.
enum LogFlags : unsigned {
    LOG_VIEW = 1,           // "CView:"
    LOG_MAINFRAME = 2,      // "CMainFrame:"
    LOG_GAME = 4,           // "CGame:"
    LOG_PLAYER = 8,         // "CPlayer:"
    LOG_VERBOSE = 0x10000000,
    LOG_FORCED = 0x20000000,  // written whenever Log is on, without category test or prefix
};

// Where trace lines go: IsOn says whether a writer is there now, Write takes one line. The
// application object installs its writer; the model never calls up into the shell itself.
struct TraceSink {
    bool (*IsOn)() = nullptr;
    void (*Write)(const std::string& text, unsigned flags) = nullptr;
    // Whether a line of these flags would be written; without it every line is, while IsOn.
    bool (*Wants)(unsigned flags) = nullptr;
};
void SetTraceSink(TraceSink sink);

void WriteTrace(const std::string& text, unsigned flags);
// A fixed line: its string is made only when it is written.
void WriteTrace(const char* text, unsigned flags);
// Whether a trace line would go anywhere; hot paths test it before they build the text.
bool IsTraceOn();
// Whether a line of these flags would be written: lines of the hot steps are built only then.
bool IsTraceOn(unsigned flags);

// Names of suits (0..3, 6 Grand, 7 Ramsch) and ranks in trace lines.
const char* SuitName(int suit);
const char* RankName(int rank);
