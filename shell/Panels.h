#pragma once
// The View menu's items of the four information panels (shell/PanelsOpen.cpp).

// The close command of the panel a View menu item toggles (0 for any other item).
int PanelCloseCommand(int menuItem);
