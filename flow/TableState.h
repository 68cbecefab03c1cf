#pragma once
// The card table's record: the frame's bars and menu, where the table and its rows stand on the
// screen and the cards' growths. CFrameTable (flow/FrameTable.h) alone writes it; every other part
// reads it through the frame's Table().

#include "platform/core/Menu.h"
#include "platform/core/StatusBar.h"
#include "platform/core/Window.h"

#include <memory>
#include <vector>

// The tool bar: the command ids of its buttons in order, 0 for a separator. The update function
// decides which are enabled, as for the menu.
struct CToolBar {
    std::vector<int> buttons;
    bool Load(int resourceId);
    bool IsLoaded() const { return !buttons.empty(); }
};

// Where the table and its rows stand on the screen (the frame's table layout).
struct TableLayout {
    int DesktopWidth = 0, DesktopHeight = 0;
    int TableTop = 0;  // 0 until LayoutFrame has run; the notice line is not drawn meanwhile
    int DialogLine13 = 0, DialogLine11 = 0;
    int PromptBandHeight = 0;
    int LayoutX = 0, LayoutY = 0;
    int NoticeX = 0, NoticeY = 0;
    int CardStepX = 0, RowStepY = 0;
    int BorderWidth = 0, BorderHeight = 0;
    int MinWindowWidth = 0, MinWindowHeight = 0;
    int TableWidth = 0, TableHeight = 0;
    int IdealWidth = 0, IdealHeight = 0;
    platform::Rect WindowRect;  // RectMain; right 0 = none stored
};

// The frame's window: its bars, menu and child windows, the table's layout and the cards' growths.
struct TableState {
    CToolBar ToolBar;
    platform::StatusBar StatusBar;
    std::unique_ptr<platform::Menu> MainMenu;
    TableLayout Layout;
    platform::Rect MainRect;  // the frame's rectangle kept for RectMain
    // The cards' layout growths at the current zoom (LayoutTable reads them).
    int GrowthW = 0, GrowthH = 0;
    platform::Point TrickCentre;
    HWND TableWindow = nullptr;
    HWND StatusBarWindow = nullptr;
    HWND ToolBarWindow = nullptr;
    int WindowResized = 0;
};
