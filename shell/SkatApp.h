#pragma once
// The application object: owns the trace log state, the application fonts and pens, and writes
// every trace line of the program (one writer for every subsystem, reached through g_pApp).

#include "model/Trace.h"
#include "platform/core/DrawingObjects.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class CMainFrame;
class CSkatView;
class CSkatDoc;


// The most of the trace log the log window reads (its start, when the log is longer).
inline constexpr std::size_t kMaxLogFileBytes = 64u << 20;

class CSkatApp {
public:
    CSkatApp();
    ~CSkatApp();
    CSkatApp(const CSkatApp&) = delete;
    CSkatApp& operator=(const CSkatApp&) = delete;

    // Start-up: the trace, the main frame with its view, the settings, fonts and pens, then the
    // frame is shown (its first erase starts the table). False when the frame cannot be created.
    bool InitInstance(const std::string& commandLine = std::string());
    // The pens and the application fonts 0 to 14 of the drawing.
    void CreateFontsAndPens();
    const platform::LogFont& Font(int index) const { return Fonts.at(static_cast<std::size_t>(index)); }

    CMainFrame* MainFrame() const { return Frame.get(); }
    CSkatView* View() const { return TableView.get(); }
    // Ends the run: the frame and the view are freed (the frame's destruction saves its files).
    void ExitInstance();
    // Help > About: the about box, modal, with the game paused meanwhile (shell/AboutDialog.cpp).
    void OnAppAbout();

    platform::Pen ThickPen;
    platform::Pen ThinPen;
    std::array<platform::LogFont, 15> Fonts{};
    std::string CommandLine;
    std::string StartTime;
    std::string AppName;

    // Writes one trace line to the log file (and the log window when it is open).
    void WriteLog(const std::string& text, unsigned flags);
    // Whether WriteLog would write a line of these flags now (the log on, the category's level set).
    bool WantsLog(unsigned flags) const;
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

private:
    std::unique_ptr<CSkatDoc> Document;
    std::unique_ptr<CMainFrame> Frame;
    std::unique_ptr<CSkatView> TableView;
};

// The application object; set in InitInstance before the first trace line.
extern CSkatApp* g_pApp;
