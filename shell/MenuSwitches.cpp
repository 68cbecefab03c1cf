// The Options menu's switches: each flips one setting and shows its new value as the item's check
// mark; some tell the person at once what changed.
#include "resources/FlowIds.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/TableState.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"

namespace {

// The manipulation mark of a game played with every card face up.
constexpr int kCheatFaceUp = 16;

// Flips a setting and checks the menu item by its new value.
int Flip(CMainFrame& frame, int& setting, int command) {
    setting = setting ? 0 : 1;
    if (frame.Table().MainMenu) frame.Table().MainMenu->CheckItem(command, setting != 0);
    return setting;
}

}  // namespace

void CMainFrame::OnContinue() { Flip(*this, g_Settings.Options.Continue, ID_CONTINUE); }

void CMainFrame::OnCount() {
    Flip(*this, g_Settings.Options.Count, ID_COUNT);
    FrameTexts().ShowPoints();
}

void CMainFrame::OnDemonstration() {
    if (Flip(*this, g_Game.DemoMode, ID_DEMONSTRATION)) {
        FrameTexts().SetDemoText(platform::LoadString(IDS_DEMONSTRATION));
        SetStatusPane(0, Texts().DemoText);
        // The tick's rotation shows the demonstration text next.
        FrameTimers().RotateFrom(2);
    } else {
        FrameTexts().ClearDemoText();
    }
}

void CMainFrame::OnDragCards() {
    const int drag = Flip(*this, g_Settings.Options.Drag, ID_DRAG_CARDS);
    SetStatusPane(0, platform::LoadString(drag ? IDS_PLEASE_DRAG_CARD : IDS_PLEASE_CLICK_CARD));
}

void CMainFrame::OnFaceUp() {
    // No check mark: the item's text says what choosing it does.
    g_Game.AllCardsOpen = g_Game.AllCardsOpen ? 0 : 1;
    FrameTimers().AskRedraw();
    CardExchange().CheckCheat(kCheatFaceUp, g_Game.FlowState);
}

void CMainFrame::UpdateVariantPane() {
    // The rule set's pane follows a changed configuration; the official rules show nothing there.
    if (g_Game.VariantMode == VARIANT_SKAT) {
        OnSkatVariant();
    } else if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY) {
        SetStatusPane(2, platform::LoadString(g_Settings.Variants.PassOn ? IDS_SCHIEBERAMSCH : IDS_RAMSCH));
    }
}

bool CMainFrame::RunSwitchCommand(int id) {
    switch (id) {
        case CM_CONFIGURATION_CHANGED: UpdateVariantPane(); return true;
        case ID_CONTINUE: OnContinue(); return true;
        case ID_COUNT: OnCount(); return true;
        case ID_DEMONSTRATION: OnDemonstration(); return true;
        case ID_DRAG_CARDS: OnDragCards(); return true;
        case ID_FACE_UP: OnFaceUp(); return true;
        default: return false;
    }
}
