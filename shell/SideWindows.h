#pragma once
// The side windows the View menu opens and closes, one row each: the command, the View flag that
// remembers an open window across runs, the Rect section of its position, its defaults and caption,
// the focus rules, and the factory that makes its window (at its rectangle: our windows are created
// where they belong, so none needs moving afterwards). One routine toggles them
// all (CFramePanels::ToggleSideWindow). A row without a factory leaves its command as it was.

#include <span>

#include "platform/core/Window.h"
#include "platform/core/WindowGeometry.h"

class CMainFrame;

struct CSideWindowRow {
    int command;              // the menu command (CM_LOG_WINDOW for the log)
    int& (*viewFlag)();       // the flag in section View (the log's LogList is the application's)
    const char* viewEntry;    // its registry name ("ListLegend")
    const char* rectSection;  // "RectLegend"
    platform::Rect defaults;  // Left, Top, Right, Bottom when nothing is stored
    bool cornerOnly;          // only Left and Top are stored: the window has its own size
    int caption;              // string id of the title
    bool focusAfterOpen;      // the main frame takes the focus back after opening
    bool focusAfterClose;     // ... and after closing
    const char* openTrace;    // traced with the corner after opening ("OnListLegend"), or nullptr
    // Makes and creates the window with these parameters (overlapped, titled, owned by the frame, at
    // the rectangle); nullptr when it could not. Empty: no window of this kind yet.
    platform::Window* (*create)(CMainFrame& frame, const platform::CreateParams& params);
};

// The rows in the order the program closes them at its end.
std::span<const CSideWindowRow> SideWindowRows();
// The row of a command, or nullptr.
const CSideWindowRow* FindSideWindowRow(int command);
