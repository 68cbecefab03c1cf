// Menu and window commands of the flow: the rule sets, the table's resizing, the window sizes, the
// "Your Turn" notice, the title, and the one update function of menus, accelerators and tool bar.
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
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
        frame.FrameTable().MoveExtraText(notice, IDS_NOTICE_RAMSCH, 0, nullptr, nullptr);
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

void CMainFrame::OnYourTurn() { FrameTable().MoveExtraText(IDS_YOUR_TURN, 0, 466, nullptr, nullptr); }

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
            prompts_.PromptHiddenByMinimise = Prompts().PromptDialog;
        }
        return;
    }
    if (type != static_cast<int>(SIZE_RESTORED) && type != static_cast<int>(SIZE_MAXIMIZED)) return;
    if (Prompts().PromptHiddenByMinimise) {
        if (Prompts().PromptHiddenByMinimise == Prompts().PromptDialog && ::IsWindow(Prompts().PromptDialog))
            ::ShowWindow(Prompts().PromptDialog, SW_SHOWNA);
        prompts_.PromptHiddenByMinimise = nullptr;
    }
    KeepMainRect();
    // Step 3: the window's size, no smaller than its least.
    const int clientWidth = ClientWidth();
    const int clientHeight = std::max(0, WindowRect().Height() - Table().Layout.BorderHeight);
    int w = Table().Layout.BorderWidth + clientWidth;
    int h = Table().Layout.BorderHeight + clientHeight;
    const bool tooSmall = w < Table().Layout.MinWindowWidth || h < Table().Layout.MinWindowHeight;
    w = std::max(w, Table().Layout.MinWindowWidth);
    h = std::max(h, Table().Layout.MinWindowHeight);
    // Step 4: the zoom.
    const int optimalWidth = std::max(1, Table().Layout.TableWidth);
    const int optimalHeight = std::max(1, Table().Layout.TableHeight);
    const int zoom = std::min(std::max(100, w * 100 / optimalWidth), std::max(100, h * 100 / optimalHeight));
    // Step 5: the growths of the layout, which the labels, boxes and portraits follow as well. They
    // are half the table's growth: the rows spread out from the table's middle to both sides, so a
    // whole table's growth on each side would push the outer cards past the window's edges at any
    // zoom above 100.
    g_Frame.ZoomPercent = zoom;
    g_Frame.ZoomExtraWidth = Table().Layout.TableWidth * (zoom - 100) / 200;
    g_Frame.ZoomExtraHeight = Table().Layout.TableHeight * (zoom - 100) / 200;
    WC_SetZoom(g_Frame.hTableWnd, g_Settings.Settings.Zoom ? zoom : 100);
    FrameTable().SetGrowths(g_Frame.ZoomExtraWidth, g_Frame.ZoomExtraHeight);
    // Step 6: the steps between cards and between rows.
    int a = (w - Table().Layout.BorderWidth - 730) / 9;
    a = a < 0 ? a + 71 : std::min(a, 10) + 71;
    const int b = 110;
    // Step 7: the table's origin, centred in the window.
    const platform::Point origin{(w - 9 * a - Table().Layout.BorderWidth - 71) / 2 - 2,
                                 (h - Table().Layout.MinWindowHeight) / 2 + Table().Layout.TableTop + 4};
    // Step 8: the rows take their places, and the table keeps its origin and steps.
    FrameTable().LayoutTable(origin, a, b);
    // Step 9: a window too small grows to its least size; otherwise the table repaints whole.
    if (tooSmall) {
        const platform::Rect& r = WindowRect();
        MoveWindow({r.left, r.top, r.left + w, r.top + h}, true);
        FrameTable().MarkWindowResized();
    } else if (View) {
        FrameTimers().AskFullRepaint();
    }
    // Step 10: a maximised or resized window redraws.
    if (g_Profile.RectMain.Zoomed) {
        FrameTable().MarkWindowResized();
        FrameTimers().AskRedraw();
    } else if (FrameTable().TakeWindowResized()) {
        FrameTimers().AskRedraw();
    }
}

// The window-size commands: the size the part gives (a second press is a real change too).
static void PlaceWindow(CMainFrame& frame, WindowSize kind) {
    const platform::Size size = frame.FrameTable().NextWindowSize(kind);
    frame.SetPause(1);
    frame.FrameTable().WindowPosition(size);
}

void CMainFrame::OnMinimalWindow() { PlaceWindow(*this, WindowSize::Minimal); }
void CMainFrame::OnOptimalWindow() { PlaceWindow(*this, WindowSize::Optimal); }
void CMainFrame::OnIdealWindow() { PlaceWindow(*this, WindowSize::Ideal); }

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
        case ID_RECOVER: state.Enable(!g_Game.DemoMode && FrameTrickPlay().IsRedoPossible()); break;
        case ID_LAST: {
            state.Enable(FrameTrickPlay().UpdateCourseCommand(flow));
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
