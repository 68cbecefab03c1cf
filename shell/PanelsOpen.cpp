// The game information panels beside the table: the steps every panel opens and closes by, the
// View menu's toggles, the annotation and the game value panel.
#include <cstdio>
#include <string>

#include "dialogs/AnnotationDialog.h"
#include "dialogs/DataDialog.h"
#include "dialogs/GameValueDialog.h"
#include "dialogs/StateDialog.h"
#include "resources/FlowIds.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameTexts.h"
#include "flow/MatchFiles.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Menu.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "shell/Panels.h"
#include "shell/ShellGlobals.h"
#include "shell/WindowPlacement.h"

namespace {

// What each panel keeps: its handle on the frame, its View flag, its menu item and its place.
struct PanelRow {
    int closeCommand;
    HWND PanelState::*handle;
    int CSettings::ViewSection::*viewFlag;
    int menuItem;
    const char* section;
    int defaultLeft, defaultTop;
    const char* className;
};
constexpr PanelRow kPanels[] = {
    {CM_CLOSE_ANNOTATION, &PanelState::AnnotationPanel, &CSettings::ViewSection::ListAnnotation, ID_ANNOTATION,
     "RectAnnotation", 0, 614, "CAnnotationDialog"},
    {CM_CLOSE_DATA, &PanelState::DataPanel, &CSettings::ViewSection::ListData, ID_LIST_DATA, "RectData", 0, 614,
     "CDataDialog"},
    {CM_CLOSE_GAME_VALUE, &PanelState::GameValuePanel, &CSettings::ViewSection::ListGameValue, ID_LIST_GAME_VALUE,
     "RectGameValue", 417, 0, "CGameValueDialog"},
    {CM_CLOSE_STATE, &PanelState::StatePanel, &CSettings::ViewSection::ListState, ID_LIST_STATE, "RectState", 0, 614,
     "CStateDialog"},
};

const PanelRow* FindPanel(int closeCommand) {
    for (const PanelRow& row : kPanels)
        if (row.closeCommand == closeCommand) return &row;
    return nullptr;
}

// The annotation panel's size when it is placed.
constexpr int kAnnotationWidth = 418, kAnnotationHeight = 233;

// The annotation panel names the game file it belongs to; the program's own game file no name.
std::string AnnotationName() {
    const std::string& name = g_Profile.SktName;
    std::string lower;
    for (char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "cards~.skt" ? std::string() : name;
}

}  // namespace

int PanelCloseCommand(int menuItem) {
    for (const PanelRow& row : kPanels)
        if (row.menuItem == menuItem) return row.closeCommand;
    return 0;
}

HWND CMainFrame::PanelWindow(int closeCommand) const {
    const PanelRow* row = FindPanel(closeCommand);
    if (!row) return nullptr;
    const HWND hwnd = Panels().*(row->handle);
    return hwnd && ::IsWindow(hwnd) ? hwnd : nullptr;
}

void OpenPanel(CMainFrame& frame, CModelessDialog* panel, int closeCommand) {
    const PanelRow* row = FindPanel(closeCommand);
    if (!row || !panel) return;
    // 1. The panel is open from now on, across runs too, and its menu item says so.
    g_Settings.View.*(row->viewFlag) = 1;
    if (frame.Table().MainMenu) frame.Table().MainMenu->CheckItem(row->menuItem, true);
    // 2. The frame's small icon.
    panel->SetSmallIcon(frame.SmallIconId());
    // 3. Its stored place; the annotation also takes its placed size.
    const int left = ReadProfileNumber(row->section, "Left", row->defaultLeft);
    const int top = ReadProfileNumber(row->section, "Top", row->defaultTop);
    platform::Rect rect = panel->WindowRect();
    if (closeCommand == CM_CLOSE_ANNOTATION) {
        if (left > 0) rect = {left, top, left + kAnnotationWidth, top + kAnnotationHeight};
    } else if (left + rect.Width() > 0) {
        rect = {left, top, left + rect.Width(), top + rect.Height()};
    }
    // Wherever that is, the whole panel shows inside the work area (a place stored on another
    // screen, a default below a small screen's edge).
    panel->MoveWindow(KeptInside(rect, g_Shell.WorkArea), true);
    // 4. Shown and kept; the keyboard stays with the table.
    panel->ShowWindow(SW_SHOW);
    frame.EditPanels().*(row->handle) = panel->Handle();
    frame.SetFocus();
    char corner[64];
    std::snprintf(corner, sizeof corner, "left:%d:top:%d", left, top);
    WriteTrace(std::string(":") + row->className + "(" + corner + ")", LOG_MAINFRAME | LOG_VERBOSE);
}

void ClosePanel(CMainFrame& frame, int closeCommand) {
    const PanelRow* row = FindPanel(closeCommand);
    if (!row) return;
    const HWND hwnd = frame.PanelWindow(closeCommand);
    frame.EditPanels().*(row->handle) = nullptr;
    if (!hwnd) return;
    // 1. At the program's end the View flag stays set: the next start opens the panel again.
    if (frame.Run().TableAlive) {
        g_Settings.View.*(row->viewFlag) = 0;
        if (frame.Table().MainMenu) frame.Table().MainMenu->CheckItem(row->menuItem, false);
    }
    // 2. Its place for the next opening, then the window goes.
    platform::Rect rect;
    if (::GetWindowRect(hwnd, &rect)) {
        WriteProfileInt(row->section, "Left", rect.left);
        WriteProfileInt(row->section, "Top", rect.top);
    }
    ::DestroyWindow(hwnd);
}

void CMainFrame::DestroyPanels() {
    for (const PanelRow& row : kPanels) {
        const HWND hwnd = PanelWindow(row.closeCommand);
        EditPanels().*(row.handle) = nullptr;
        if (hwnd) ::DestroyWindow(hwnd);
    }
}

void CMainFrame::ShowAnnotationDialog() {
    // An open panel is made anew on the note as it stands now (closing writes the panel's text).
    const std::string note = Texts().AnnotationText;
    if (PanelWindow(CM_CLOSE_ANNOTATION)) ClosePanel(*this, CM_CLOSE_ANNOTATION);
    FrameTexts().SetAnnotationText(note);
    OpenPanel(*this, CreatePanel<CAnnotationDialog>(Handle(), AnnotationName(), FrameTexts().AnnotationForPanel()),
              CM_CLOSE_ANNOTATION);
}

void CMainFrame::ShowGameValueDialog() {
    if (PanelWindow(CM_CLOSE_GAME_VALUE)) return;
    OpenPanel(*this, CreatePanel<CGameValueDialog>(Handle()), CM_CLOSE_GAME_VALUE);
}

void CMainFrame::UpdateGameValueBid() {
    auto* panel = PanelAs<CGameValueDialog>(PanelWindow(CM_CLOSE_GAME_VALUE));
    if (!panel) return;
    if (auto* values = panel->GetControlAs<platform::ComboBox>(CGameValueDialog::kValue)) values->SetCurSel(g_Game.BidIndex);
    panel->OnSelchangeGame();
    ::RedrawWindow(panel->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// --- The View menu's toggles and the close commands ---------------------------------------------

void CMainFrame::OnListAnnotation() {
    if (PanelWindow(CM_CLOSE_ANNOTATION)) SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
    else ShowAnnotationDialog();
}

void CMainFrame::OnListData() {
    SetPause(1);
    if (PanelWindow(CM_CLOSE_DATA)) {
        SendMessage(WM_COMMAND, CM_CLOSE_DATA);
        return;
    }
    // The panel opens on the match as it stands now (the list's totals, the game's texts), not on
    // what was collected at the last step of a game.
    ShowDataDialog(0, 1);
    ShowDataDialog(0, 0);
}

void CMainFrame::OnListGameValue() {
    if (PanelWindow(CM_CLOSE_GAME_VALUE)) SendMessage(WM_COMMAND, CM_CLOSE_GAME_VALUE);
    else ShowGameValueDialog();
}

void CMainFrame::OnListState() {
    if (PanelWindow(CM_CLOSE_STATE)) SendMessage(WM_COMMAND, CM_CLOSE_STATE);
    else ShowGameStatusDialog(0, 0);
}

void CMainFrame::CloseAnnotationWindow() {
    ClosePanel(*this, CM_CLOSE_ANNOTATION);
    if (!Panels().AnnotationKept) {
        EditPanels().AnnotationKept = 1;
        FrameTexts().ClearAnnotationText();
    }
    // The note goes with the current game into the work folder.
    MatchFiles().SaveFile(Files().TempGameFile, 0);
}

void CMainFrame::CloseDataWindow() { ClosePanel(*this, CM_CLOSE_DATA); }
void CMainFrame::CloseGameValueWindow() { ClosePanel(*this, CM_CLOSE_GAME_VALUE); }

void CMainFrame::CloseStateWindow() {
    ClosePanel(*this, CM_CLOSE_STATE);
    // Between games an opponent's status no longer shows: its mark goes.
    if (g_Game.FlowState == STATE_PLAY) return;
    EditPanels().StateWindowUsed = 0;
    const int mask = g_Game.CheatMask & ~0x100;
    if (mask != g_Game.CheatMask) {
        g_Game.CheatMask = mask;
        g_Game.CheatMaskChanged = 1;
    }
    if (mask == 0) CardExchange().CheckCheat(0, 1);
}

void CMainFrame::OnUncoverState() {
    CardExchange().CheckCheat(0x100, 1);
    if (g_Game.FlowState == STATE_ASK || g_Game.FlowState == STATE_PLAY) ShowGameStatusDialog(0, 1);
    else ShowGameStatusDialog(1, 0);
}

void CMainFrame::RenewAnnotationAfterLoad(const std::string& keptText) {
    if (g_Settings.Settings.Annotate) {
        if (PanelWindow(CM_CLOSE_ANNOTATION)) {
            SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
            FrameTexts().SetAnnotationText(keptText);
        }
        if (!Texts().AnnotationText.empty()) ShowAnnotationDialog();
        return;
    }
    if (PanelWindow(CM_CLOSE_ANNOTATION)) {
        SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
        FrameTexts().SetAnnotationText(keptText);
        ShowAnnotationDialog();
    } else {
        MatchFiles().SaveFile(Files().TempGameFile, 0);
    }
}

void CMainFrame::RenewAnnotationForDeal() {
    if (!g_Settings.View.ListAnnotation) {
        FrameTexts().ClearAnnotationText();
        return;
    }
    if (PanelWindow(CM_CLOSE_ANNOTATION)) SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
    FrameTexts().ClearAnnotationText();
    if (g_Settings.Settings.Annotate == 0) ShowAnnotationDialog();
}
