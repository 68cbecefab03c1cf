#pragma once
// The globals of the shell that every drawing step reads: the view, the help folder, the desktop the
// frame is placed on and the host's window services. One instance, g_Shell, reset to the
// program-start state by Reset(). The table window, the waits, the paint and the zoom
// are the frame's (flow/FrameGlobals.h).

#include "platform/core/Bitmap.h"
#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"

#include <functional>
#include <string>

class CSkatView;

struct CShellGlobals {
    CSkatView* pView = nullptr;
    HWND hSharedMainWnd = nullptr;     // the main window, for a second instance
    std::string HelpFile;              // g_strHelpFile
    int BlinkPhase = 0;                // colour of the "Your Turn" notice
    std::string GameNumberText;        // the game number of the match state text
    // The desktop and its work area (the host tells its real ones; tests set their own).
    platform::Rect Desktop{0, 0, 1920, 1080};
    platform::Rect WorkArea{0, 0, 1920, 1040};
    // The host draws the frame's tool bar and status bar around its client area (the Qt host), so
    // the view takes the whole client area; otherwise the bars lie inside it (headless host).
    bool FrameBarsOutside = false;
    // Reads a portrait picture from its file; the host's image reader. Without one, or for a file
    // it cannot read, the portrait is left out.
    std::function<platform::Bitmap(const std::string&)> PortraitLoader;
    // The host's window manager maximises the frame, and says whether it is maximised now (the Qt
    // host). Without them a frame is maximised by giving it the whole work area, and one that
    // fills the work area counts as maximised.
    std::function<void(HWND)> ShowFrameMaximised;
    std::function<bool(HWND)> IsFrameMaximised;
    // Tells the host's window manager the frame's smallest size (the Qt host), so that a person
    // dragging the border stops there instead of seeing the size handler snap the frame back.
    std::function<void(HWND, int width, int height)> SetFrameMinimumSize;

    void Reset() { *this = CShellGlobals(); }
};

extern CShellGlobals g_Shell;
