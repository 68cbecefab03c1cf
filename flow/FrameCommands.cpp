// Menu and window commands of the flow: the rule sets, the table's resizing, the window sizes, the
// "Your Turn" notice, the title, and the one update function of menus, accelerators and tool bar.
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "match/Profile.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

#include <algorithm>

namespace {

struct RuleSet {
    const char* trace;
    int menuId;
    int variantMode;
};

constexpr RuleSet kRuleSets[3] = {
    {":OnSkatRule(variant:SKAT_RULE)", ID_SKAT_RULE, 0},
    {":OnSkatVariant(variant:SKAT_VARIANT)", ID_SKAT_VARIANT, 1},
    {":OnSkatRamsch(variant:SKAT_RAMSCH)", ID_SKAT_RAMSCH, 2},
};

// One routine for the three rule sets, differing only in their table row.
void SwitchRuleSet(CMainFrame& frame, const RuleSet& rule) {
    WriteTrace(rule.trace, LOG_MAINFRAME);
    if (frame.Table().MainMenu) {
        frame.Table().MainMenu->CheckItem(ID_SKAT_RULE + g_Game.VariantMode, false);
        frame.Table().MainMenu->CheckItem(rule.menuId, true);
    }
    if (!frame.TrickPlay().CourseShown) {
        int notice = 0;
        if (rule.variantMode == 1 && g_Game.RoundStatus == ROUND_BOCK) notice = IDS_NOTICE_BOCK;
        if (rule.variantMode == 1 && g_Game.RoundStatus == ROUND_RAMSCH) notice = IDS_NOTICE_RAMSCH;
        frame.MoveExtraText(notice, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
    }
    g_Game.VariantMode = rule.variantMode;
    frame.FramePanels().ShowDataDialog(1, 1);
    if (rule.variantMode == 0) frame.FrameTexts().SetRuleText(platform::LoadString(IDS_RULE_SKAT));
    else if (rule.variantMode == 1) frame.FrameTexts().SetRuleText(platform::LoadString(IDS_VARIANT_SKAT));
    else frame.FrameTexts().SetRuleText(platform::LoadString(g_Settings.Variants.PassOn ? IDS_SCHIEBERAMSCH : IDS_RAMSCH));
    frame.SetStatusPane(2, frame.Texts().RuleText);
    frame.ShowMatchState();
    frame.MatchSeries().UpdateSeriesEnd();
    frame.RefreshScoreSheet();
    frame.FramePanels().ShowDataDialog(0, 1);
}

}  // namespace

void CMainFrame::OnSkatRule() { SwitchRuleSet(*this, kRuleSets[0]); }
void CMainFrame::OnSkatVariant() { SwitchRuleSet(*this, kRuleSets[1]); }
void CMainFrame::OnSkatRamsch() { SwitchRuleSet(*this, kRuleSets[2]); }

void CMainFrame::OnYourTurn() { MoveExtraText(IDS_YOUR_TURN, 0, 466, nullptr, nullptr); }

void CMainFrame::OnRestoreTitle() {
    SetWindowText(Texts().WindowTitle.empty() ? Texts().FrameTitle : Texts().WindowTitle);
}

void CMainFrame::OnSize(int type, int width, int height) {
    if (!Run().TableAlive) return;
    // Step 1: a window sized to nothing paints nothing.
    if (width == 0 && height == 0) {
        FrameTimers().FullRepaintDone();
        return;
    }
    // Step 2: minimised, the open prompt goes out of sight with the table; back from the task bar
    // (restored or maximised) it comes again, unless it was closed or replaced meanwhile.
    if (type == static_cast<int>(SIZE_MINIMIZED)) {
        if (::IsWindow(Prompts().PromptDialog) && ::IsWindowVisible(Prompts().PromptDialog)) {
            ::ShowWindow(Prompts().PromptDialog, SW_HIDE);
            EditPrompts().PromptHiddenByMinimise = Prompts().PromptDialog;
        }
        return;
    }
    if (type != static_cast<int>(SIZE_RESTORED) && type != static_cast<int>(SIZE_MAXIMIZED)) return;
    if (Prompts().PromptHiddenByMinimise) {
        if (Prompts().PromptHiddenByMinimise == Prompts().PromptDialog && ::IsWindow(Prompts().PromptDialog))
            ::ShowWindow(Prompts().PromptDialog, SW_SHOWNA);
        EditPrompts().PromptHiddenByMinimise = nullptr;
    }
    KeepMainRect();
    // Step 3: the window's size, no smaller than its least.
    const int clientWidth = ClientWidth();
    const int clientHeight = std::max(0, WindowRect().Height() - EditTable().Layout.BorderHeight);
    int w = EditTable().Layout.BorderWidth + clientWidth;
    int h = EditTable().Layout.BorderHeight + clientHeight;
    const bool tooSmall = w < EditTable().Layout.MinWindowWidth || h < EditTable().Layout.MinWindowHeight;
    w = std::max(w, EditTable().Layout.MinWindowWidth);
    h = std::max(h, EditTable().Layout.MinWindowHeight);
    // Step 4: the zoom.
    const int optimalWidth = std::max(1, EditTable().Layout.TableWidth);
    const int optimalHeight = std::max(1, EditTable().Layout.TableHeight);
    const int zoom = std::min(std::max(100, w * 100 / optimalWidth), std::max(100, h * 100 / optimalHeight));
    // Step 5: the growths of the layout, which the labels, boxes and portraits follow as well. They
    // are half the table's growth: the rows spread out from the table's middle to both sides, so a
    // whole table's growth on each side would push the outer cards past the window's edges at any
    // zoom above 100.
    g_Frame.ZoomPercent = zoom;
    g_Frame.ZoomExtraWidth = EditTable().Layout.TableWidth * (zoom - 100) / 200;
    g_Frame.ZoomExtraHeight = EditTable().Layout.TableHeight * (zoom - 100) / 200;
    WC_SetZoom(g_Frame.hTableWnd, g_Settings.Settings.Zoom ? zoom : 100);
    EditTable().GrowthW = g_Frame.ZoomExtraWidth;
    EditTable().GrowthH = g_Frame.ZoomExtraHeight;
    // Step 6: the steps between cards and between rows.
    int a = (w - EditTable().Layout.BorderWidth - 730) / 9;
    a = a < 0 ? a + 71 : std::min(a, 10) + 71;
    const int b = 110;
    // Step 7: the table's origin, centred in the window.
    const platform::Point origin{(w - 9 * a - EditTable().Layout.BorderWidth - 71) / 2 - 2,
                                 (h - EditTable().Layout.MinWindowHeight) / 2 + EditTable().Layout.TableTop + 4};
    EditTable().Layout.LayoutX = origin.x;
    EditTable().Layout.LayoutY = origin.y;
    EditTable().Layout.CardStepX = a;
    EditTable().Layout.RowStepY = b;
    // Step 8: the rows take their places.
    LayoutTable(EditGameObject(), origin, a, b);
    // Step 9: a window too small grows to its least size; otherwise the table repaints whole.
    if (tooSmall) {
        const platform::Rect& r = WindowRect();
        MoveWindow({r.left, r.top, r.left + w, r.top + h}, true);
        EditTable().WindowResized = 1;
    } else if (View) {
        FrameTimers().AskFullRepaint();
    }
    // Step 10: a maximised or resized window redraws.
    if (g_Profile.RectMain.Zoomed) {
        EditTable().WindowResized = 1;
        FrameTimers().AskRedraw();
    } else if (Table().WindowResized) {
        EditTable().WindowResized = 0;
        FrameTimers().AskRedraw();
    }
}

// The window-size commands flip bit 0 of the height so that a second press is a real change.
static void PlaceWindow(CMainFrame& frame, int width, int& height) {
    height += (height % 2 == 0) ? 1 : -1;
    frame.SetPause(1);
    frame.WindowPosition({width, height});
}

void CMainFrame::OnMinimalWindow() {
    PlaceWindow(*this, EditTable().Layout.MinWindowWidth, EditTable().Layout.MinWindowHeight);
}
void CMainFrame::OnOptimalWindow() {
    PlaceWindow(*this, EditTable().Layout.TableWidth, EditTable().Layout.TableHeight);
}
void CMainFrame::OnIdealWindow() { PlaceWindow(*this, EditTable().Layout.IdealWidth, EditTable().Layout.IdealHeight); }

void CMainFrame::UpdateCommand(platform::CommandState& state) {
    const int flow = g_Game.FlowState;
    switch (state.Id()) {
        case ID_ABANDON: state.Enable(flow == STATE_PLAY); break;
        case ID_BREAK: state.Enable(Series().GameRunning != 0); break;
        case ID_LOAD: state.Enable(Series().GameRunning == 0); break;
        case ID_NEW: state.Enable(Series().GameRunning == 0); break;
        case ID_REPEAT: state.Enable(Series().RepeatAllowed != 0); break;
        case ID_SAVE_GAME: state.Enable(flow != STATE_INIT); break;
        case ID_SORT: state.Enable(Series().GameRunning != 0); break;
        case ID_UNDO: state.Enable(!g_Game.DemoMode && TrickPlay().HistoryPosition > 0); break;
        case ID_RECOVER: state.Enable(!g_Game.DemoMode && IsRedoPossible()); break;
        case ID_LAST: {
            EditTrickPlay().CourseRequested = (g_Game.GameEndFlags & 8) ? 1 : 0;
            bool enabled = false;
            if (!((flow == STATE_IDLE || flow == STATE_NEW) && !TrickPlay().CourseRequested)) {
                const int course = GameObject().CourseRow(0).count;
                enabled = GameObject().LastTrick().count > 0 || course == 10 ||
                          (course >= 1 && course <= 9 && TrickPlay().CourseRequested);
            }
            EditTrickPlay().CourseAvailable = enabled ? 1 : 0;
            state.Enable(enabled);
            break;
        }
        case ID_COMPLETE: state.Enable(flow == STATE_PLAY); break;
        case ID_NEW_MATCH:
        case ID_LOAD_MATCH:
        case ID_LANGUAGE:
        case ID_SKAT_RULE:
        case ID_SKAT_VARIANT:
        case ID_SKAT_RAMSCH:
        case ID_CONFIGURATION: state.Enable(Series().GameRunning == 0); break;
        default: UpdateMenuCommand(state); break;
    }
}

platform::CommandUpdater CMainFrame::Updater() {
    return [this](platform::CommandState& state) { UpdateCommand(state); };
}

void CMainFrame::OnInitMenuPopup(platform::Menu& popup, int index) {
    popup.Open(Updater());
    // A host's menu keeps its own model: it shows the check marks the frame keeps in its menu.
    if (Table().MainMenu) {
        for (const platform::MenuItem& item : popup.Items()) {
            if (item.IsPopup() || item.IsSeparator()) continue;
            const platform::MenuItem* own = Table().MainMenu->FindCommand(item.id);
            if (own && own != &item) popup.CheckItem(item.id, own->IsChecked());
        }
    }
    // The reminders stop while a menu is open.
    SetPause(g_Game.FlowState == STATE_IDLE ? 0 : 1);
    // The update function has decided what is enabled; the items that say what choosing them will
    // do get their texts, wherever they stand.
    (void)index;
    SetMenuTexts(popup);
}
