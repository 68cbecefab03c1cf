// The person's keys on the table outside the card play: Esc back to the bar (ending the
// demonstration), the bid display in the auction, the exchange with the skat and between hands.
// The play keys and the global letters come with the trick play.
#include "flow/MainFrame.h"

#include "dialogs/AuctionDialog.h"
#include "flow/PromptBars.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "resources/ids.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

namespace {

constexpr unsigned kVerboseFrame = LOG_MAINFRAME | LOG_VERBOSE;
constexpr int kTrickRow = 0, kPersonRow = 3;

void TraceKey(const char* name, int key) {
    WriteTrace(std::string(":") + name + "(" + std::to_string(key) + ")", kVerboseFrame);
}

int RowOf(int focus) { return focus / 2; }

}  // namespace

void CMainFrame::ExchangeFocusKey(bool upper) {
    KeyFocusUpperActive = upper ? 1 : 0;
    int& focus = upper ? KeyGroup : KeyFocusLowerGroup;
    const int heldByOther = RowOf(upper ? KeyFocusLowerGroup : KeyGroup);
    // The rows of the group in their cycle: the trick (the skat) or the person's hand first.
    const int order[3] = {upper ? kTrickRow : kPersonRow, 1, 2};
    auto usable = [&](int row) { return (ActiveGroups & (1 << row)) && row != heldByOther; };
    auto raised = [&](int row) { return GroupRow(row).GetSelectedCard() > 0; };
    auto focusOn = [&](int row) { focus = 2 * row + (raised(row) ? 0 : 1); };
    // A row of the group with a raised card takes the focus.
    for (int row : order) {
        if (usable(row) && raised(row)) {
            focus = 2 * row;
            break;
        }
    }
    const int current = RowOf(focus);
    if (usable(current) && raised(current)) {
        // Lowers the raised card (or raises it again).
        GroupRow(current).SelectCard(4, 0, true);
        focusOn(current);
        return;
    }
    // The focus moves on and raises that row's current card.
    int at = 0;
    while (at < 3 && order[at] != current) ++at;
    for (int step = 1; step <= 3; ++step) {
        const int row = order[(at + step) % 3];
        if (!usable(row)) continue;
        GroupRow(row).SelectCard(4, 0, true);
        focusOn(row);
        return;
    }
}

void CMainFrame::KeyDown(int key, unsigned /*flags*/) {
    TraceKey("KeyDown", key);
    const bool promptOpen = ::IsWindow(PromptDialog);
    // Esc: back to the bar; the demonstration ends.
    if (key == VK_ESCAPE && promptOpen) {
        SoundEffect(6, false);
        if (g_Game.DemoMode) {
            g_Game.DemoMode = 0;
            if (MainMenu) MainMenu->CheckItem(ID_DEMONSTRATION, false);
            DemoText.clear();
        }
        ::SetFocus(PromptDialog);
    }
    const int state = g_Game.FlowState;
    if (state == STATE_PLAY) {
        if (!promptOpen || PromptDialog == KontraPrompt) PlayKey(key);
        else if (PromptDialog == ContinuePrompt && g_Settings.Options.Suggest)
            WriteTrace(":ChooseNextTrick()", kVerboseFrame);  // choosing the next trick belongs to the manipulations
        else if (key != VK_ESCAPE && key != VK_SHIFT)
            SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    if (state == STATE_ASK || state == STATE_PICKUP || state == STATE_SWAP) {
        switch (key) {
            case VK_UP: ExchangeFocusKey(true); break;
            case VK_DOWN: ExchangeFocusKey(false); break;
            case VK_LEFT:
            case VK_RIGHT: {
                const int focus = KeyFocusUpperActive ? KeyGroup : KeyFocusLowerGroup;
                CCards& row = GroupRow(RowOf(focus));
                if (row.GetSelectedCard() > 0) row.SelectCard(key == VK_LEFT ? 1 : 2, 0, true);
                break;
            }
            case VK_RETURN: {
                // The first row with a raised card and the next with one exchange those two.
                int first = -1;
                for (int row = 0; row < 4; ++row) {
                    if (!(ActiveGroups & (1 << row)) || GroupRow(row).GetSelectedCard() <= 0) continue;
                    if (first < 0) {
                        first = row;
                        continue;
                    }
                    SwapCards(GroupRow(first).GetSelectedCard(), GroupRow(first), GroupRow(row).GetSelectedCard(),
                              GroupRow(row), false);
                    break;
                }
                break;
            }
            default: break;
        }
        return;
    }
    // The auction: Up or plus raises the bid shown, Down or minus lowers it.
    if ((state == STATE_OBSERVE || state == STATE_AUCTION || state == STATE_REPLY) && promptOpen) {
        CAuctionDialog* bar = OpenBarAs<CAuctionDialog>(*this);
        if (!bar) return;
        if (key == VK_UP || key == VK_OEM_PLUS || key == VK_ADD) bar->AlterBidDisplay(true);
        else if (key == VK_DOWN || key == VK_OEM_MINUS || key == VK_SUBTRACT) bar->AlterBidDisplay(false);
    }
}

void CMainFrame::KeyUp(int key, unsigned /*flags*/) {
    TraceKey("KeyUp", key);
    if (!::IsWindow(PromptDialog)) return;
    if (key == VK_RETURN) ::ShowWindow(PromptDialog, SW_SHOW);
    else if (key == VK_TAB) ::SetFocus(PromptDialog);
}
