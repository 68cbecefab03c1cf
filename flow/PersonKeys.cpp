// The person's keys on the table: the keys of every state (H for the rule help, Shift+L for the
// log window, Shift+N for a new match), Esc back to the bar (ending the demonstration), the play
// keys, choosing the next trick, the bid display in the auction, the exchange with the skat and
// between hands; with the support option the card a key raised is named.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FramePanels.h"
#include "flow/TrickPlay.h"
#include "flow/FileState.h"
#include "flow/FrameAudio.h"
#include "flow/FrameTexts.h"
#include "flow/GiveUp.h"

#include "dialogs/AuctionDialog.h"
#include "model/Cards.h"
#include "model/FlowGlobals.h"
#include "flow/PromptBars.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "resources/ids.h"
#include "model/Trace.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "flow/FrameGlobals.h"
#include "flow/ShellServices.h"
#include "flow/TableState.h"

namespace {

constexpr unsigned kVerboseFrame = LOG_MAINFRAME | LOG_VERBOSE;
constexpr int kTrickRow = 0, kPersonRow = 3;

void TraceKey(const char* name, int key) {
    WriteTrace(std::string(":") + name + "(" + std::to_string(key) + ")", kVerboseFrame);
}

int RowOf(int focus) { return focus / 2; }

}  // namespace

void CCardExchange::ExchangeFocusKey(bool upper) {
    exchange_.KeyFocusUpperActive = upper ? 1 : 0;
    int& focus = upper ? exchange_.KeyGroup : exchange_.KeyFocusLowerGroup;
    const int heldByOther = RowOf(upper ? exchange_.KeyFocusLowerGroup : exchange_.KeyGroup);
    // The rows of the group in their cycle: the trick (the skat) or the person's hand first.
    const int order[3] = {upper ? kTrickRow : kPersonRow, 1, 2};
    auto usable = [&](int row) { return (exchange_.ActiveGroups & (1 << row)) && row != heldByOther; };
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

bool CMainFrame::TableKey(int key) {
    if (key == 'H') {
        // The first press opens the rule last named, the next closes every help window.
        if (g_Flow.HelpKeyOpens)
            platform::ShowHelpTopic(g_Frame.hTableWnd, Files().HelpFilePath + g_Flow.RuleHelpTopic);
        else platform::CloseAllHelpWindows();
        // The table keeps the keys, so that the next H reaches it.
        if (::IsWindow(g_Frame.hTableWnd)) ::SetFocus(g_Frame.hTableWnd);
        return true;
    }
    if (key == VK_SHIFT) {
        g_Flow.ShiftHeld = 1;
        return true;
    }
    if (!g_Flow.ShiftHeld) return false;
    if (key == 'L') {
        // The log window is wanted when it is closed, and not when it is open.
        if (g_FrameShell.WantLogWindow) g_FrameShell.WantLogWindow(!FramePanels().SideWindow(CM_LOG_WINDOW));
        OnListLog();
        return true;
    }
    if (key == 'N') {
        GiveUp().OnBreak();
        OnNewMatch();
        return true;
    }
    return false;
}

void CMainFrame::KeyDown(int key, unsigned /*flags*/) {
    TraceKey("KeyDown", key);
    if (TableKey(key)) return;
    const bool promptOpen = ::IsWindow(Prompts().PromptDialog);
    // Esc: back to the bar; the demonstration ends.
    if (key == VK_ESCAPE && promptOpen) {
        FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
        if (g_Game.DemoMode) {
            g_Game.DemoMode = 0;
            if (Table().MainMenu) Table().MainMenu->CheckItem(ID_DEMONSTRATION, false);
            FrameTexts().ClearDemoText();
        }
        ::SetFocus(Prompts().PromptDialog);
    }
    // Only a card that this key raised is named below.
    g_Game.LastRaisedCard = 0;
    const int state = g_Game.FlowState;
    if (state == STATE_PLAY) {
        if (!promptOpen || Prompts().PromptDialog == Prompts().KontraPrompt) FrameTrickPlay().PlayKey(key);
        else if (Prompts().PromptDialog == Prompts().ContinuePrompt && g_Settings.Options.Suggest) FrameTrickPlay().NextTrickKey(key);
        else FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
    } else if (state == STATE_ASK || state == STATE_PICKUP || state == STATE_SWAP) {
        CCardExchange& exchange = CardExchange();
        switch (key) {
            case VK_UP: exchange.ExchangeFocusKey(true); break;
            case VK_DOWN: exchange.ExchangeFocusKey(false); break;
            case VK_LEFT:
            case VK_RIGHT: {
                const int focus = Exchange().KeyFocusUpperActive ? Exchange().KeyGroup : Exchange().KeyFocusLowerGroup;
                CCards& row = exchange.GroupRow(RowOf(focus));
                if (row.GetSelectedCard() > 0) row.SelectCard(key == VK_LEFT ? 1 : 2, 0, true);
                break;
            }
            case VK_RETURN: {
                // The first row with a raised card and the next with one exchange those two.
                int first = -1;
                for (int row = 0; row < 4; ++row) {
                    if (!(Exchange().ActiveGroups & (1 << row)) || exchange.GroupRow(row).GetSelectedCard() <= 0)
                        continue;
                    if (first < 0) {
                        first = row;
                        continue;
                    }
                    exchange.SwapCards(exchange.GroupRow(first).GetSelectedCard(), exchange.GroupRow(first),
                                       exchange.GroupRow(row).GetSelectedCard(), exchange.GroupRow(row), false);
                    break;
                }
                break;
            }
            default: break;
        }
    } else if ((state == STATE_OBSERVE || state == STATE_AUCTION || state == STATE_REPLY) && promptOpen) {
        // The auction: Up or plus raises the bid shown, Down or minus lowers it.
        if (CAuctionDialog* bar = OpenBarAs<CAuctionDialog>(*this)) {
            if (key == VK_UP || key == VK_OEM_PLUS || key == VK_ADD) bar->AlterBidDisplay(true);
            else if (key == VK_DOWN || key == VK_OEM_MINUS || key == VK_SUBTRACT) bar->AlterBidDisplay(false);
        }
    }
    // The support option names the card the key raised.
    if (g_Settings.Options.Support && !g_Settings.Options.SupportSuspended && g_Game.LastRaisedCard > 0)
        FrameAudio().VoiceSupport(g_Game.LastRaisedCard, -1);
}

void CMainFrame::KeyUp(int key, unsigned /*flags*/) {
    TraceKey("KeyUp", key);
    if (key == 'H') g_Flow.HelpKeyOpens = g_Flow.HelpKeyOpens ? 0 : 1;
    else if (key == VK_SHIFT) g_Flow.ShiftHeld = 0;
    if (!::IsWindow(Prompts().PromptDialog)) return;
    if (key == VK_RETURN) ::ShowWindow(Prompts().PromptDialog, SW_SHOW);
    else if (key == VK_TAB) ::SetFocus(Prompts().PromptDialog);
}
