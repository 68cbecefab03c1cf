// The one routine behind the View menu's side windows: open a window at its stored place, close it
// storing that place, reopen what was open at the last exit and close everything at the end.
#include <cstdio>
#include <string>

#include "resources/FlowIds.h"
#include "flow/MainFrame.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Menu.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "shell/ShellGlobals.h"
#include "shell/SideWindows.h"
#include "shell/SkatApp.h"
#include "shell/WindowPlacement.h"

namespace {

// The stored rectangle of a row, or its defaults when the stored one is inverted or empty; either
// kept inside the work area (the screens may have changed since it was stored, and a default may
// be larger than a small screen).
platform::Rect StoredRect(const CSideWindowRow& row) {
    const platform::Rect& d = row.defaults;
    platform::Rect rect{GetProfileInt(row.rectSection, "Left", d.left), GetProfileInt(row.rectSection, "Top", d.top),
                        0, 0};
    if (row.cornerOnly) {
        // Only the corner is stored: the window keeps the size of its row.
        rect.right = rect.left + d.Width();
        rect.bottom = rect.top + d.Height();
        return KeptInside(rect, g_Shell.WorkArea);
    }
    rect.right = GetProfileInt(row.rectSection, "Right", d.right);
    rect.bottom = GetProfileInt(row.rectSection, "Bottom", d.bottom);
    return PlacedOnWorkArea(rect, d);
}

}  // namespace

HWND CMainFrame::SideWindow(int command) const {
    auto it = Panels().SideWindows.find(command);
    return it != Panels().SideWindows.end() && ::IsWindow(it->second) ? it->second : nullptr;
}

void CMainFrame::ToggleSideWindow(const CSideWindowRow& row) {
    const bool open = SideWindow(row.command) != nullptr;
    // Step 1: the menu item shows the state after the command.
    if (Table().MainMenu) Table().MainMenu->CheckItem(row.command, !open);
    // Step 2: an open window closes, storing its place.
    if (open) {
        row.viewFlag() = 0;
        CloseSideWindow(row);
        return;
    }
    // Step 3: otherwise it opens at its stored place.
    row.viewFlag() = 1;
    OpenSideWindow(row);
}

HWND CMainFrame::OpenSideWindow(const CSideWindowRow& row) {
    if (!row.create) return nullptr;
    platform::CreateParams params;
    params.kind = platform::WindowKind::Overlapped;
    params.owner = Handle();
    params.rect = StoredRect(row);
    params.title = platform::LoadString(row.caption);
    params.visible = true;
    params.lifetime = platform::Lifetime::Engine;
    platform::Window* window = row.create(*this, params);
    if (!window || !window->IsAlive()) {
        EditPanels().SideWindows.erase(row.command);
        return nullptr;
    }
    const HWND hwnd = window->Handle();
    EditPanels().SideWindows[row.command] = hwnd;
    if (row.openTrace) {
        char corner[64];
        std::snprintf(corner, sizeof corner, "left:%d:top:%d", params.rect.left, params.rect.top);
        WriteTrace(std::string(":") + row.openTrace + "(" + corner + ")", LOG_MAINFRAME | LOG_VERBOSE);
    }
    if (row.focusAfterOpen) ::SetFocus(Handle());
    return hwnd;
}

void CMainFrame::CloseSideWindow(const CSideWindowRow& row) {
    const HWND hwnd = SideWindow(row.command);
    EditPanels().SideWindows.erase(row.command);
    if (!hwnd) return;
    if (::IsIconic(hwnd) || ::IsZoomed(hwnd)) ::ShowWindow(hwnd, SW_RESTORE);
    platform::Rect rect;
    if (::GetWindowRect(hwnd, &rect)) {
        WriteProfileInt(row.rectSection, "Left", rect.left);
        WriteProfileInt(row.rectSection, "Top", rect.top);
        if (!row.cornerOnly) {
            WriteProfileInt(row.rectSection, "Right", rect.right);
            WriteProfileInt(row.rectSection, "Bottom", rect.bottom);
        }
    }
    ::SendMessage(hwnd, WM_CLOSE);
    if (row.focusAfterClose && IsAlive()) ::SetFocus(Handle());
}

bool CMainFrame::RouteSideWindowClose(int command) {
    const CSideWindowRow* row = FindSideWindowRow(command);
    if (!row || row->viewFlag() == 0 || !IsAlive()) return false;
    SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    return true;
}

void CMainFrame::CloseSideWindowsAtExit() {
    // The log closes on its own after the closing trace line; the others in the table's order.
    for (const CSideWindowRow& row : SideWindowRows())
        if (row.command != CM_LOG_WINDOW && SideWindow(row.command)) ::SendMessage(SideWindow(row.command), WM_CLOSE);
}

void CMainFrame::ReopenSideWindows() {
    // Panels and side windows interleave in this order; each opens through its own toggle.
    struct Reopen {
        int command;
        int CSettings::ViewSection::*flag;
    };
    static constexpr Reopen kOrder[] = {
        {ID_ANNOTATION, &CSettings::ViewSection::ListAnnotation},
        {ID_LIST_DATA, &CSettings::ViewSection::ListData},
        {ID_LIST_GAME_VALUE, &CSettings::ViewSection::ListGameValue},
        {ID_LIST_LEGEND, &CSettings::ViewSection::ListLegend},
        {ID_LIST_CARD_STATISTICS, &CSettings::ViewSection::ListCardStatistics},
        {ID_LIST_GAME_STATISTICS, &CSettings::ViewSection::ListGameStatistics},
        {ID_LIST_STATE, &CSettings::ViewSection::ListState},
        {ID_LIST_SCORE, &CSettings::ViewSection::ListScore},
        {ID_LIST_STORE, &CSettings::ViewSection::ListStore},
        {ID_LIST_TRICK_ESTIMATION, &CSettings::ViewSection::ListTrickEstimation},
    };
    for (const Reopen& reopen : kOrder) {
        if (g_Settings.View.*reopen.flag == 0) continue;
        const CSideWindowRow* row = FindSideWindowRow(reopen.command);
        // A side window without its window kind yet stays closed; a panel runs its command.
        if (row && !row->create) continue;
        if (row && SideWindow(row->command)) continue;
        OnCommand(reopen.command);
    }
    if (SideWindow(ID_LIST_TRICK_ESTIMATION)) SelectEstimatedGame();
    if (g_pApp && g_pApp->LogList) OnListLog();
}
