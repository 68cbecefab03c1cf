// The game information panels beside the table: the steps every panel opens and closes by, the
// View menu's toggles, the annotation and the game value panel.
#include <cstdio>
#include <string>

#include "dialogs/AnnotationDialog.h"
#include "dialogs/DataDialog.h"
#include "dialogs/GameValueDialog.h"
#include "dialogs/StateDialog.h"
#include "resources/FlowIds.h"
#include "flow/FramePanels.h"
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
#include "flow/PanelObject.h"
#include "flow/TableState.h"
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

HWND CFramePanels::PanelWindow(int closeCommand) const {
    const PanelRow* row = FindPanel(closeCommand);
    if (!row) return nullptr;
    const HWND hwnd = panels_.*(row->handle);
    return hwnd && ::IsWindow(hwnd) ? hwnd : nullptr;
}

void CFramePanels::OpenPanel(CModelessDialog* panel, int closeCommand) {
    const PanelRow* row = FindPanel(closeCommand);
    if (!row || !panel) return;
    // 1. The panel is open from now on, across runs too, and its menu item says so.
    g_Settings.View.*(row->viewFlag) = 1;
    if (frame_.Table().MainMenu) frame_.Table().MainMenu->CheckItem(row->menuItem, true);
    // 2. The frame's small icon.
    panel->SetSmallIcon(frame_.SmallIconId());
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
    panels_.*(row->handle) = panel->Handle();
    frame_.SetFocus();
    char corner[64];
    std::snprintf(corner, sizeof corner, "left:%d:top:%d", left, top);
    WriteTrace(std::string(":") + row->className + "(" + corner + ")", LOG_MAINFRAME | LOG_VERBOSE);
}

void CFramePanels::ClosePanel(int closeCommand) {
    const PanelRow* row = FindPanel(closeCommand);
    if (!row) return;
    const HWND hwnd = PanelWindow(closeCommand);
    panels_.*(row->handle) = nullptr;
    if (!hwnd) return;
    // 1. At the program's end the View flag stays set: the next start opens the panel again.
    if (frame_.Run().TableAlive) {
        g_Settings.View.*(row->viewFlag) = 0;
        if (frame_.Table().MainMenu) frame_.Table().MainMenu->CheckItem(row->menuItem, false);
    }
    // 2. Its place for the next opening, then the window goes.
    platform::Rect rect;
    if (::GetWindowRect(hwnd, &rect)) {
        WriteProfileInt(row->section, "Left", rect.left);
        WriteProfileInt(row->section, "Top", rect.top);
    }
    ::DestroyWindow(hwnd);
}

void CFramePanels::DestroyPanels() {
    for (const PanelRow& row : kPanels) {
        const HWND hwnd = PanelWindow(row.closeCommand);
        panels_.*(row.handle) = nullptr;
        if (hwnd) ::DestroyWindow(hwnd);
    }
}

void CFramePanels::ShowAnnotationDialog() {
    // An open panel is made anew on the note as it stands now (closing writes the panel's text).
    const std::string note = frame_.Texts().AnnotationText;
    if (PanelWindow(CM_CLOSE_ANNOTATION)) ClosePanel(CM_CLOSE_ANNOTATION);
    frame_.FrameTexts().SetAnnotationText(note);
    OpenPanel(
        CreatePanel<CAnnotationDialog>(frame_.Handle(), AnnotationName(), frame_.FrameTexts().AnnotationForPanel()),
        CM_CLOSE_ANNOTATION);
}

void CFramePanels::ShowGameValueDialog() {
    if (PanelWindow(CM_CLOSE_GAME_VALUE)) return;
    OpenPanel(CreatePanel<CGameValueDialog>(frame_.Handle()), CM_CLOSE_GAME_VALUE);
}

void CFramePanels::UpdateGameValueBid() {
    auto* panel = PanelAs<CGameValueDialog>(PanelWindow(CM_CLOSE_GAME_VALUE));
    if (!panel) return;
    if (auto* values = panel->GetControlAs<platform::ComboBox>(CGameValueDialog::kValue)) values->SetCurSel(g_Game.BidIndex);
    panel->OnSelchangeGame();
    ::RedrawWindow(panel->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// --- The View menu's toggles and the close commands ---------------------------------------------

void CFramePanels::OnListAnnotation() {
    if (PanelWindow(CM_CLOSE_ANNOTATION)) frame_.SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
    else ShowAnnotationDialog();
}

void CFramePanels::OnListData() {
    frame_.SetPause(1);
    if (PanelWindow(CM_CLOSE_DATA)) {
        frame_.SendMessage(WM_COMMAND, CM_CLOSE_DATA);
        return;
    }
    // The panel opens on the match as it stands now (the list's totals, the game's texts), not on
    // what was collected at the last step of a game.
    ShowDataDialog(0, 1);
    ShowDataDialog(0, 0);
}

void CFramePanels::OnListGameValue() {
    if (PanelWindow(CM_CLOSE_GAME_VALUE)) frame_.SendMessage(WM_COMMAND, CM_CLOSE_GAME_VALUE);
    else ShowGameValueDialog();
}

void CFramePanels::OnListState() {
    if (PanelWindow(CM_CLOSE_STATE)) frame_.SendMessage(WM_COMMAND, CM_CLOSE_STATE);
    else ShowGameStatusDialog(0, 0);
}

void CFramePanels::CloseAnnotationWindow() {
    ClosePanel(CM_CLOSE_ANNOTATION);
    if (!panels_.AnnotationKept) {
        panels_.AnnotationKept = 1;
        frame_.FrameTexts().ClearAnnotationText();
    }
    // The note goes with the current game into the work folder.
    frame_.MatchFiles().SaveFile(frame_.Files().TempGameFile, 0);
}

void CFramePanels::CloseDataWindow() { ClosePanel(CM_CLOSE_DATA); }
void CFramePanels::CloseGameValueWindow() { ClosePanel(CM_CLOSE_GAME_VALUE); }

void CFramePanels::CloseStateWindow() {
    ClosePanel(CM_CLOSE_STATE);
    // Between games an opponent's status no longer shows: its mark goes.
    if (g_Game.FlowState == STATE_PLAY) return;
    panels_.StateWindowUsed = 0;
    const int mask = g_Game.CheatMask & ~0x100;
    if (mask != g_Game.CheatMask) {
        g_Game.CheatMask = mask;
        g_Game.CheatMaskChanged = 1;
    }
    if (mask == 0) frame_.CardExchange().CheckCheat(0, 1);
}

void CFramePanels::OnUncoverState() {
    frame_.CardExchange().CheckCheat(0x100, 1);
    if (g_Game.FlowState == STATE_ASK || g_Game.FlowState == STATE_PLAY) ShowGameStatusDialog(0, 1);
    else ShowGameStatusDialog(1, 0);
}

void CFramePanels::KeepAnnotationOnClose() { panels_.AnnotationKept = 1; }

void CFramePanels::RenewAnnotationAfterLoad(const std::string& keptText) {
    if (g_Settings.Settings.Annotate) {
        if (PanelWindow(CM_CLOSE_ANNOTATION)) {
            frame_.SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
            frame_.FrameTexts().SetAnnotationText(keptText);
        }
        if (!frame_.Texts().AnnotationText.empty()) ShowAnnotationDialog();
        return;
    }
    if (PanelWindow(CM_CLOSE_ANNOTATION)) {
        frame_.SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
        frame_.FrameTexts().SetAnnotationText(keptText);
        ShowAnnotationDialog();
    } else {
        frame_.MatchFiles().SaveFile(frame_.Files().TempGameFile, 0);
    }
}

void CFramePanels::RenewAnnotationForDeal() {
    if (!g_Settings.View.ListAnnotation) {
        frame_.FrameTexts().ClearAnnotationText();
        return;
    }
    if (PanelWindow(CM_CLOSE_ANNOTATION)) frame_.SendMessage(WM_COMMAND, CM_CLOSE_ANNOTATION);
    frame_.FrameTexts().ClearAnnotationText();
    if (g_Settings.Settings.Annotate == 0) ShowAnnotationDialog();
}
