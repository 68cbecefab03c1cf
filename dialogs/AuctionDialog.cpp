#include "dialogs/AuctionDialog.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/BidLadder.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

#include <cstdio>

namespace {

constexpr int kPersonSeat = 2;
constexpr int kVoicesOn = 1 << 24;

std::string LabelText() {
    return platform::LoadString(g_Game.AuctionRole != 0 ? IDS_BUTTON_HOLD : IDS_BUTTON_BID);
}

}  // namespace

CAuctionDialog::CAuctionDialog() : CModelessDialog(kTemplateId, kCut) {}

std::string CAuctionDialog::BidButtonLabel() {
    char value[16];
    std::snprintf(value, sizeof value, "%4d", BidValue(g_Game.BidIndex + g_Game.PendingRaise));
    return LabelText() + value;
}

bool CAuctionDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_BID: OnBid(); return true;
        case IDC_PASS: OnPass(); return true;
        case IDC_SUGGEST_GAME: OnSuggest(); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}

void CAuctionDialog::OnBid() {
    const bool frame = g_DialogFrame.FrameWindow() != nullptr;
    // Step 1: the value shown becomes the bid; the person has bid.
    DialogSound();
    g_DialogFrame.TakePersonBid();
    if (!frame) return;

    // Step 2: the person answers the computers' last word: he says the bid, the frame goes on.
    if (g_Game.Soloist == kPersonSeat) {
        const int voice = g_DialogFrame.PlayerVoice(kPersonSeat);
        if ((g_Settings.Audio.Voice & kVoicesOn) != 0 && voice != 8) g_DialogFrame.SayTerm(g_Game.BidIndex, voice);
        PostFrameCommand(CM_PASS);
        return;
    }

    // Step 3: a computer answers: listen as holder, speak as bidder.
    const bool first = g_Game.Soloist == 0;
    const int command = g_Game.AuctionRole == 1 ? (first ? CM_LISTEN_COMPUTER1 : CM_LISTEN_COMPUTER2)
                                                : (first ? CM_SPEAK_COMPUTER1 : CM_SPEAK_COMPUTER2);

    // Step 4: no second click while the computers answer; their answer runs inside this send and
    // may end the auction and destroy this bar.
    g_DialogFrame.SetPause(1);
    EnableDlgItem(IDC_BID, false);
    EnableDlgItem(IDC_PASS, false);
    const HWND self = Handle();
    SendFrameCommand(command);

    // Step 5: only while this bar is still the frame's open prompt: the next value to bid or hold.
    if (!IsAlive() || !g_DialogFrame.IsOpenPrompt(self)) return;
    SetDlgItemText(IDC_BID, BidButtonLabel());
    EnableDlgItem(IDC_BID, true);
    EnableDlgItem(IDC_PASS, true);
    SetFocus();
}

void CAuctionDialog::OnPass() {
    DialogSound();
    g_DialogFrame.SetPause(1);
    g_DialogFrame.TakePersonPass();
    PostFrameCommand(CM_PASS);
}

void CAuctionDialog::OnSuggest() {
    DialogSound();
    g_DialogFrame.SetPause(1);
    PostFrameCommand(CM_SUGGEST_GAME);
}

void CAuctionDialog::AlterBidDisplay(bool raise) {
    // Step 1: nothing while the computers answer.
    if (!::IsWindowEnabled(GetDlgItem(IDC_BID))) return;
    // Steps 2-3: one rung up or down, never past the top of the ladder or below the bid itself.
    g_DialogFrame.AlterPendingRaise(raise);
    // Steps 4-5: the value, with the number of rungs raised after a slash.
    std::string value = std::to_string(BidValue(g_Game.BidIndex));
    if (g_Game.PendingRaise != 0)
        value = std::to_string(BidValue(g_Game.BidIndex + g_Game.PendingRaise)) + "/" +
                std::to_string(g_Game.PendingRaise);
    SetDlgItemText(IDC_BID, LabelText() + " " + value);
    // Step 6: the trace.
    TraceDialog("CAuctionDialog::AlterBidDisplay(" + std::string(g_Game.AuctionRole == 0 ? "bid" : "hold") + ":" +
                    value + ")",
                LOG_VERBOSE | LOG_MAINFRAME);
}
