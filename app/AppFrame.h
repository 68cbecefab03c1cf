#pragma once
// The program's main window for now: an overlapped frame titled "Kartovan+" holding one child view
// that paints the green card table. The game's own frame and view take its place later.

#include "platform/core/Window.h"

class TableView : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class AppFrame : public platform::Window {
public:
    // Creates the frame over `area` (screen pixels) with its view and shows it.
    bool CreateFrame(const platform::Rect& area);
    HWND View() const { return m_view.GetSafeHwnd(); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TableView m_view;
};

// The frame's rectangle: 1024 x 768 centred in the work area, or the work area where that is smaller.
platform::Rect FrameRectIn(const platform::Rect& workArea);
