#pragma once
// The application object: owns the trace log state, the application fonts and pens, and writes
// every trace line of the program (one writer for every subsystem, reached through g_pApp).

#include <functional>
#include <string>
#include <string_view>

// Trace categories and line kinds; the flags of CSkatApp::WriteLog.
enum LogFlags : unsigned {
    LOG_VIEW = 1,           // "CView:"
    LOG_MAINFRAME = 2,      // "CMainFrame:"
    LOG_GAME = 4,           // "CGame:"
    LOG_PLAYER = 8,         // "CPlayer:"
    LOG_VERBOSE = 0x10000000,
    LOG_FORCED = 0x20000000,  // written whenever Log is on, without category test or prefix
};

class CSkatApp {
public:
    // Writes one trace line to the log file (and the log window when it is open).
    void WriteLog(const std::string& text, unsigned flags);
    // Reads the whole log file into the log text and recounts its lines.
    void ReadLogFile();
    // Counts the CR LF terminated lines of some log text into the line count and raises the
    // longest line (in characters); the log window counts the lines it appends the same way.
    void CountLogLines(std::string_view text);

    // Trace state (section View of the settings).
    std::string LogFilePath;
    std::string LogText;
    int LogTextLength = 0;
    int Log = 0;
    int LogDelete = 3;
    int LogLevel = 15;
    int LogLevelV = 0;
    int LogLineCount = 0;
    int LogList = 1;
    int LogLongestLine = 0;

    // The open log window's append (CLog::AppendText): set while the main frame exists and the
    // log window is open, empty otherwise. WriteLog hands it each whole line when LogList is on.
    std::function<void(const std::string&)> LogWindowSink;
};

// The application object; set in InitInstance before the first trace line.
extern CSkatApp* g_pApp;
