#pragma once
// CLog: the side window that shows the trace log, the file's text read when it opens plus every line
// written since. The text lives in the application object; the window keeps only whether its scroll
// bars and the log's help page are shown. A click opens or closes the help page, a right click
// deletes the log.

#include <string>

#include "platform/core/Window.h"

class CMainFrame;

class CLog : public platform::Window {
public:
    // Fixed metrics of the log's lines in application font 12.
    static constexpr int kLineHeight = 14;
    static constexpr int kCharWidth = 7;
    static constexpr int kHorizontalStep = 14;

    ~CLog() override;

    // Adds text (whole lines with their CR LF) to the log text and shows its end.
    void AppendText(const std::string& text);
    // Sets the scroll ranges from the line count and the longest line; toEnd: redraws at once and
    // gives the main frame the focus (also when the log is empty).
    void UpdateScrollBars(bool toEnd);

    bool HelpOpen = false;
    bool HorzBar = false;
    bool VertBar = false;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSize();
    void OnPaint();
    void OnScroll(int bar, unsigned code, int track);
    void OnLeftClick();
    void OnRightClick();
    LRESULT OnClose();

    bool m_sizing = false;  // showing a bar sends WM_SIZE again; the outer call decides
};

// The log row's factory: a CLog made with the frame's parameters, hooked to the trace writer.
platform::Window* CreateLogWindow(CMainFrame& frame, const platform::CreateParams& params);
