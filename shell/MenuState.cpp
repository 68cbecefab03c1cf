// The menu rules that follow the game beyond the flow commands: the swap commands, the close-help
// item, the course's print items, and the texts that say what an item will do. They answer through
// the frame's one update function, so the menu, the accelerators and the tool bar agree.
#include "model/FlowGlobals.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "match/Profile.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/Resources.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/Panels.h"

namespace {

bool StateIn(int state, std::initializer_list<int> states) {
    for (int s : states)
        if (s == state) return true;
    return false;
}

// Swapping the skat cards belongs to the Ramsch steps when the skat is passed on in a Ramsch game,
// or may become one: a Ramsch round or the Ramsch-only rules, unless the game is a Grand, when Grand
// Hand may be offered, the forehand is a computer or the swap option is on.
bool SwapSkatIsRamschCase() {
    if (!g_Settings.Variants.PassOn) return false;
    if (g_Game.GameType == GAME_RAMSCH) return true;
    if (g_Game.GameType == GAME_GRAND) return false;
    const bool ramschRules = g_Game.VariantMode == VARIANT_RAMSCH_ONLY ||
                             (g_Game.VariantMode == VARIANT_SKAT && g_Game.RoundStatus == ROUND_RAMSCH);
    return ramschRules && (g_Settings.Variants.GrandHand != 0 || g_Game.Forehand != 0 || g_Flow.SkatSwapOption != 0);
}

bool SwapSkatEnabled(int flow) {
    if (flow == STATE_IDLE || flow == STATE_PLAY) return true;
    if (SwapSkatIsRamschCase()) return StateIn(flow, {STATE_START, STATE_QUERY, STATE_PASS, STATE_PICKUP});
    return StateIn(flow, {STATE_OBSERVE, STATE_AUCTION, STATE_REPLY, STATE_SKAT, STATE_ASK, STATE_HAND,
                          STATE_MANIPULATE});
}

int SwapSkatText(int flow) {
    if (!StateIn(flow, {STATE_AUCTION, STATE_OBSERVE, STATE_REPLY, STATE_PLAY, STATE_HAND, STATE_SKAT, STATE_ASK,
                        STATE_IDLE, STATE_START, STATE_QUERY}))
        return IDS_MENU_SWAP_SKAT;
    return g_Flow.SkatSwapOption ? IDS_MENU_SWAP_SKAT_OFF : IDS_MENU_SWAP_SKAT_ON;
}

}  // namespace

bool CMainFrame::UpdateMenuCommand(platform::CommandState& state) {
    const int flow = g_Game.FlowState;
    switch (state.Id()) {
        case ID_SWAP_SKAT:
            state.Enable(SwapSkatEnabled(flow));
            return true;
        case ID_SWAP_CARDS:
        case ID_SWAP_HAND:
        case ID_SWAP_SUITS:
            state.Enable(StateIn(flow, {STATE_PASS, STATE_START, STATE_AUCTION, STATE_OBSERVE, STATE_HAND, STATE_ASK,
                                        STATE_REPLY, STATE_SKAT}));
            return true;
        case ID_HELP_CLOSE:
            // A help window the person closed by hand leaves no open topic behind.
            if (g_Profile.HelpTopic != 0 && !platform::IsHelpWindowOpen()) g_Profile.HelpTopic = 0;
            state.Enable(g_Profile.HelpTopic != 0);
            return true;
        case ID_ANNOTATION:
        case ID_LIST_DATA:
        case ID_LIST_GAME_VALUE:
        case ID_LIST_STATE:
            state.SetCheck(FramePanels().PanelWindow(PanelCloseCommand(state.Id())) ? 1 : 0);
            return true;
        case ID_PRINT_COURSE:
        case ID_PREVIEW_COURSE: state.Enable(GameObject().CourseRow(0).count == 10); return true;
        default:
            return false;
    }
}

void CMainFrame::SetMenuTexts(platform::Menu& popup) {
    // Each item is found wherever it stands: a popup without it is left alone.
    const int flow = g_Game.FlowState;
    popup.SetItemText(ID_FACE_UP, platform::LoadString(g_Game.AllCardsOpen ? IDS_MENU_NORMAL_PLAY : IDS_MENU_OPEN_PLAY));
    popup.SetItemText(ID_LAST, platform::LoadString(flow == STATE_IDLE ? IDS_MENU_LAST_CARDS : IDS_MENU_LAST_TRICK));
    popup.SetItemText(ID_SWAP_SKAT, platform::LoadString(SwapSkatText(flow)));
    popup.SetItemText(ID_ORIENTATION,
                      platform::LoadString(g_Settings.Print.Orient == 1 ? IDS_MENU_LANDSCAPE : IDS_MENU_PORTRAIT));
}
