// The frame's one open prompt bar and its modal messages, the refusals in the status bar, and the
// owner names of the trace lines.
#include "flow/MainFrame.h"
#include "flow/FrameDeclaration.h"
#include "flow/FrameAuction.h"

#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Dialog.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "tavlo/Tavlo.h"

void CMainFrame::CloseModelessDialog() {
    // The records go first: whatever runs while the bar is destroyed sees no open bar.
    const HWND prompt = Prompts().PromptDialog;
    prompts_.PromptDialog = prompts_.ContinuePrompt = prompts_.KontraPrompt = prompts_.RamschSkatPrompt = nullptr;
    FrameDeclaration().ForgetResumeBar();
    FrameAuction().ForgetFocusButton();
    if (::IsWindow(prompt)) ::DestroyWindow(prompt);
}

bool CMainFrame::IsOpenPrompt(HWND bar) const { return bar && ::IsWindow(bar) && Prompts().PromptDialog == bar; }

void CMainFrame::RecordOpenPrompt(HWND bar) { prompts_.PromptDialog = bar; }

void CMainFrame::MarkOpenPromptAs(PromptSlot slot) {
    switch (slot) {
        case PromptSlot::Continue: prompts_.ContinuePrompt = prompts_.PromptDialog; break;
        case PromptSlot::Kontra: prompts_.KontraPrompt = prompts_.PromptDialog; break;
        case PromptSlot::RamschSkat: prompts_.RamschSkatPrompt = prompts_.PromptDialog; break;
    }
}

HWND CMainFrame::MessageDialog() const {
    return Prompts().RunningMessage ? Prompts().RunningMessage->Handle() : nullptr;
}

int CMainFrame::DoModalDialog(platform::Dialog& dialog) {
    platform::Dialog* const outer = Prompts().RunningMessage;
    prompts_.RunningMessage = &dialog;
    const int previous = g_Game.PauseLevel;
    g_Game.PauseLevel = 0;
    const int result = dialog.DoModal();
    SetPause(previous);
    prompts_.RunningMessage = outer;
    return result;
}

std::string CMainFrame::CardOwnerName(int card, int where) const {
    auto holds = [card](const CCards& row, int first, int last) {
        for (int slot = first; slot <= last && slot < static_cast<int>(row.present.size()); ++slot)
            if (row.present[slot] && row.cards[slot] == card) return true;
        return false;
    };
    const CPlayer* hands[3] = {&*GameObject().Player(0), &*GameObject().Player(1), &GameObject().Person()};
    if (where == 0 || where == 1) {
        if (holds(GameObject(), 0, 1)) return GameObject().name;
    }
    if (where == 0 && holds(GameObject().Trick(), 0, 1)) return GameObject().name;
    if (where == 2 && holds(GameObject().Trick(), 0, 1)) return "Trick";
    for (const CPlayer* hand : hands)
        if (holds(*hand, 0, 9)) return hand->name;
    return std::string();
}
