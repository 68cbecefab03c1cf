#pragma once
// The globals of the shell that every drawing and flow step reads: the main frame, the view and its
// window, the waits in progress, the zoom state and the desktop the frame is placed on. One
// instance, g_Shell, reset to the program-start state by Reset().

#include "platform/core/Bitmap.h"
#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"

#include <functional>
#include <string>

class CMainFrame;
class CSkatView;

struct CShellGlobals {
    CMainFrame* pMainFrame = nullptr;  // set by the view's first erase, cleared by OnClose
    CSkatView* pView = nullptr;
    HWND hTableWnd = nullptr;          // the window every card-table library call names
    HWND hSharedMainWnd = nullptr;     // the main window, for a second instance
    std::string HelpFile;              // g_strHelpFile
    int ModalPumpActive = 0;           // a step pumps messages and waits
    int PaintDepth = 0;                // CMainFrame::Paint is running
    int BlinkPhase = 0;                // colour of the "Your Turn" notice
    std::string GameNumberText;        // the game number of the match state text
    int ZoomPercent = 100;
    int ZoomExtraWidth = 0;
    int ZoomExtraHeight = 0;
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
