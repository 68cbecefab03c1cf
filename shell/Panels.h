#pragma once
// The frame's steps shared by the four information panels (shell/PanelsOpen.cpp).

#include "flow/PanelObject.h"
#include "platform/core/WindowApi.h"

class CMainFrame;
class CModelessDialog;

// The common opening: View flag and menu check, the frame's small icon, the stored place, shown,
// kept, the focus back to the frame, the trace line. Nothing for a panel that could not be made.
void OpenPanel(CMainFrame& frame, CModelessDialog* panel, int closeCommand);
// The common closing: place stored, View flag cleared (not at the program's end), window destroyed.
void ClosePanel(CMainFrame& frame, int closeCommand);

// The close command of the panel a View menu item toggles (0 for any other item).
int PanelCloseCommand(int menuItem);
