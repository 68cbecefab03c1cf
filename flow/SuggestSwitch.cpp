// The suggestion switch: Options/Suggest on or off; the open bar widens or narrows by its suggestion
// part, and the person's raised cards come down when suggestions go off.
#include "flow/MainFrame.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"

#include "dialogs/DeclareDialog.h"
#include "dialogs/ModelessDialog.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"

namespace {

// The width of the open bar's suggestion part in dialog units, by the state and the game.
int SuggestionPartWidth(int state, bool ramschSkatPromptOpen) {
    if (g_Game.GameType == GAME_RAMSCH) {
        switch (state) {
            case STATE_START: return 60;
            case STATE_PASS: return 120;
            case STATE_QUERY: return 192;
            case STATE_PICKUP: return ramschSkatPromptOpen ? 120 : 192;
            default: return 0;
        }
    }
    switch (state) {
        case STATE_SKAT:
        case STATE_HAND:
        case STATE_ASK: return 0;
        case STATE_SWAP: return g_Game.GameType == GAME_REVOLUTION ? 84 : 0;
        default: return 68;
    }
}

}  // namespace

void CMainFrame::OnSuggest() {
    const bool on = g_Settings.Options.Suggest == 0;
    if (!on) {
        FrameTimers().SetStatusRotation(!Texts().CheatText.empty() || !Texts().HintText.empty());
        g_Settings.Options.Suggest = 0;
        if (g_Game.FlowState != STATE_IDLE) {
            for (int seat = 0; seat < 3; ++seat) {
                if (GameObject().Hand(seat).GetSelectedCard() > 0) EditGameObject().SelectHandCard(seat, 4, 0, true);
            }
            FrameTrickPlay().ForgetSelectedSlot();
        }
    } else {
        FrameTimers().SetStatusRotation(true);
        g_Settings.Options.Suggest = 1;
        if (!::IsWindow(Prompts().ContinuePrompt)) FrameTable().MoveExtraText(0, IDS_YOUR_TURN, 466, nullptr, nullptr);
    }
    if (Table().MainMenu) Table().MainMenu->CheckItem(ID_SUGGEST, on);
    if (TrickPlay().PlayStep == 2) {
        FrameTrickPlay().ShowStateDialog();
        return;
    }
    // The open bar, unless it is the continue bar, gains or loses its suggestion part.
    CModelessDialog* bar = OpenBarAs<CModelessDialog>(*this);
    if (!bar || Prompts().PromptDialog == Prompts().ContinuePrompt) return;
    const int state = g_Game.FlowState;
    const int units = SuggestionPartWidth(
        state, ::IsWindow(Prompts().RamschSkatPrompt) && Prompts().RamschSkatPrompt == Prompts().PromptDialog);
    int half = (bar->MapDialogRect({0, 0, units, 0}).Width() + 1) / 2;
    if (on) half = -half;
    platform::Rect rect = bar->WindowRect();
    rect.left += half;
    rect.right -= half;
    if (state == STATE_HAND || (state == STATE_ASK && g_Game.GameType != GAME_RAMSCH))
        if (auto* declare = OpenBarAs<CDeclareDialog>(*this)) declare->UpdateSuggestButton();
    bar->MoveWindow(rect, true);
}
