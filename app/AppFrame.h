#pragma once
// The program's main window for now: an overlapped frame titled "Kartovan+" holding one child view
// that paints the green card table, with the menu bar, tool bar and status bar of the program's
// frame. The game's own frame and view take its place later.

#include "platform/core/StatusBar.h"
#include "platform/core/Window.h"

class TableView : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class AppFrame : public platform::Window {
public:
    // The window goes before the members: its status bar widget still tells the status bar model.
    ~AppFrame() override;

    // Creates the frame over `area` (screen pixels) with its view and bars and shows it.
    bool CreateFrame(const platform::Rect& area);
    HWND View() const { return m_view.GetSafeHwnd(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TableView m_view;
    platform::StatusBar m_statusBar;  // outlives the window: the status bar widget shows it
};

// The frame's rectangle: 1024 x 768 centred in the work area, or the work area where that is smaller.
platform::Rect FrameRectIn(const platform::Rect& workArea);
