// The one routine behind the View menu's side windows: open a window at its stored place, close it
// storing that place, reopen what was open at the last exit and close everything at the end.
#include <cstdio>
#include <string>

#include "resources/FlowIds.h"
#include "flow/FramePanels.h"
#include "flow/MainFrame.h"
#include "flow/TableState.h"
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

HWND CFramePanels::SideWindow(int command) const {
    auto it = panels_.SideWindows.find(command);
    return it != panels_.SideWindows.end() && ::IsWindow(it->second) ? it->second : nullptr;
}

void CFramePanels::ToggleSideWindow(const CSideWindowRow& row) {
    const bool open = SideWindow(row.command) != nullptr;
    // Step 1: the menu item shows the state after the command.
    if (frame_.Table().MainMenu) frame_.Table().MainMenu->CheckItem(row.command, !open);
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

HWND CFramePanels::OpenSideWindow(const CSideWindowRow& row) {
    if (!row.create) return nullptr;
    platform::CreateParams params;
    params.kind = platform::WindowKind::Overlapped;
    params.owner = frame_.Handle();
    params.rect = StoredRect(row);
    params.title = platform::LoadString(row.caption);
    params.visible = true;
    params.lifetime = platform::Lifetime::Engine;
    platform::Window* window = row.create(frame_, params);
    if (!window || !window->IsAlive()) {
        panels_.SideWindows.erase(row.command);
        return nullptr;
    }
    const HWND hwnd = window->Handle();
    panels_.SideWindows[row.command] = hwnd;
    if (row.openTrace) {
        char corner[64];
        std::snprintf(corner, sizeof corner, "left:%d:top:%d", params.rect.left, params.rect.top);
        WriteTrace(std::string(":") + row.openTrace + "(" + corner + ")", LOG_MAINFRAME | LOG_VERBOSE);
    }
    if (row.focusAfterOpen) ::SetFocus(frame_.Handle());
    return hwnd;
}

void CFramePanels::CloseSideWindow(const CSideWindowRow& row) {
    const HWND hwnd = SideWindow(row.command);
    panels_.SideWindows.erase(row.command);
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
    if (row.focusAfterClose && frame_.IsAlive()) ::SetFocus(frame_.Handle());
}

bool CFramePanels::RouteSideWindowClose(int command) {
    const CSideWindowRow* row = FindSideWindowRow(command);
    if (!row || row->viewFlag() == 0 || !frame_.IsAlive()) return false;
    frame_.SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
    return true;
}

void CFramePanels::CloseSideWindowsAtExit() {
    // The log closes on its own after the closing trace line; the others in the table's order.
    for (const CSideWindowRow& row : SideWindowRows())
        if (row.command != CM_LOG_WINDOW && SideWindow(row.command)) ::SendMessage(SideWindow(row.command), WM_CLOSE);
}

void CFramePanels::ReopenSideWindows() {
    // Panels and side windows interleave in this order; each opens through its own toggle, a panel
    // through its View menu command's, a side window through its row's.
    struct Reopen {
        int command;
        int CSettings::ViewSection::*flag;
        void (CFramePanels::*panelToggle)();
    };
    static constexpr Reopen kOrder[] = {
        {ID_ANNOTATION, &CSettings::ViewSection::ListAnnotation, &CFramePanels::OnListAnnotation},
        {ID_LIST_DATA, &CSettings::ViewSection::ListData, &CFramePanels::OnListData},
        {ID_LIST_GAME_VALUE, &CSettings::ViewSection::ListGameValue, &CFramePanels::OnListGameValue},
        {ID_LIST_LEGEND, &CSettings::ViewSection::ListLegend, nullptr},
        {ID_LIST_CARD_STATISTICS, &CSettings::ViewSection::ListCardStatistics, nullptr},
        {ID_LIST_GAME_STATISTICS, &CSettings::ViewSection::ListGameStatistics, nullptr},
        {ID_LIST_STATE, &CSettings::ViewSection::ListState, &CFramePanels::OnListState},
        {ID_LIST_SCORE, &CSettings::ViewSection::ListScore, nullptr},
        {ID_LIST_STORE, &CSettings::ViewSection::ListStore, nullptr},
        {ID_LIST_TRICK_ESTIMATION, &CSettings::ViewSection::ListTrickEstimation, nullptr},
    };
    for (const Reopen& reopen : kOrder) {
        if (g_Settings.View.*reopen.flag == 0) continue;
        if (reopen.panelToggle) {
            (this->*reopen.panelToggle)();
            continue;
        }
        // A side window without its window kind yet stays closed.
        const CSideWindowRow* row = FindSideWindowRow(reopen.command);
        if (!row || !row->create || SideWindow(row->command)) continue;
        ToggleSideWindow(*row);
    }
    if (SideWindow(ID_LIST_TRICK_ESTIMATION)) SelectEstimatedGame();
    if (g_pApp && g_pApp->LogList) frame_.OnListLog();
}
