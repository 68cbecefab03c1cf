#pragma once
// The main frame's table as the layers above read it: the table window every card-table library
// call names, the waits and the paint in progress, and the table's zoom. The frame's steps write
// them; the shell sets the table window when the table comes to life. The frame itself is no
// global: the hooks that reach it are connected then and taken down when it goes. One instance,
// g_Frame, reset to the program-start state by Reset().

#include "platform/core/Message.h"

struct CFrameGlobals {
    HWND hTableWnd = nullptr;          // the window every card-table library call names
    int ModalPumpActive = 0;           // a step pumps messages and waits
    int PaintDepth = 0;                // CMainFrame::Paint is running
    int ZoomPercent = 100;
    int ZoomExtraWidth = 0;
    int ZoomExtraHeight = 0;

    void Reset() { *this = CFrameGlobals(); }
};

extern CFrameGlobals g_Frame;
