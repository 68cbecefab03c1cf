// The manipulation commands of the Game menu: a free exchange of cards among the hands and the
// skat, the skat swap (a switch for the pause after the declaration, or an exchange with the skat),
// and whole hands or two suits exchanged in the deal, which is then played again. Each marks the
// game SWAPPED.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/DeclarationState.h"
#include "flow/FrameAudio.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/GiveUp.h"

#include "dialogs/ViewDialogs.h"
#include "model/FlowGlobals.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/CommandState.h"
#include "platform/core/Resources.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"

#include <vector>

namespace {

constexpr int kMarkSwapped = 8;
constexpr int kWithJacks = 8;

// The two suits of each pair the suit dialog offers (1..6), by suit index.
constexpr int kSuitPairs[7][2] = {{-1, -1}, {0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};

bool StateIsOneOf(int state, std::initializer_list<int> states) {
    for (int s : states)
        if (s == state) return true;
    return false;
}

}  // namespace

namespace {

// A manipulation nested in an auction, Ramsch or card step would rebuild the game beneath it; one
// whose menu item is off has no game to work on.
bool MayManipulate(CMainFrame& frame, int command) {
    platform::CommandState state(command);
    frame.UpdateCommand(state);
    if (frame.Run().StepDepth > 1 || g_Frame.ModalPumpActive || !state.Enabled()) {
        WriteTrace(":OnCommand(" + std::to_string(command) + ":refused)", LOG_MAINFRAME);
        frame.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return false;
    }
    return true;
}

// The hint of an exchange by the way cards are moved.
int SwapHint() { return g_Settings.Options.Drag ? IDS_PLEASE_SWAP_DRAG : IDS_PLEASE_SWAP_CLICK; }

}  // namespace

void CCardExchange::OnSwapCardsMode() {
    if (!MayManipulate(frame_, ID_SWAP_CARDS)) return;
    WriteTrace(":OnSwapCardsMode()", LOG_MAINFRAME);
    // Step 1: the pause ends, the desk clears, and the game is marked as swapped.
    frame_.SetPause(0);
    frame_.ClearDesk();
    CheckCheat(kMarkSwapped, 1);
    // Step 2: the exchange's notice replaces the declaration's.
    frame_.FrameTable().MoveExtraText(IDS_NOTICE_SWAP_CARDS, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
    frame_.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
    // Step 3: the cards as dealt.
    game_.LayOutDealtCards();
    // Step 4: the skat face up in the trick, both computer hands open, the end-swap bar.
    SwapCardsPerson(true, true, true, true, 3);
    // Step 5: the status window, and the exchange's hint in the status bar.
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FrameTexts().SetHintText(platform::LoadString(SwapHint()));
    frame_.FrameTexts().SetStatusText(platform::LoadString(IDS_SWAP_CARDS));
    frame_.FrameTimers().StartStatusRotation();
    frame_.SetStatusPane(0, frame_.Texts().HintText);
}

void CCardExchange::OnSkatSwap() {
    const int state = g_Game.FlowState;
    // In the states before and during a game the command is the switch of the swap pause.
    if (StateIsOneOf(state, {STATE_IDLE, STATE_START, STATE_OBSERVE, STATE_AUCTION, STATE_REPLY, STATE_SKAT,
                             STATE_HAND, STATE_ASK, STATE_PASS, STATE_QUERY, STATE_SWAP, STATE_PLAY})) {
        g_Flow.SkatSwapOption = g_Flow.SkatSwapOption ? 0 : 1;
        WriteTrace(":OnSkatSwap(" + std::string(g_Flow.SkatSwapOption ? "on" : "off") + ")", LOG_MAINFRAME);
        frame_.FrameTexts().SetStatusText(
            platform::LoadString(g_Flow.SkatSwapOption ? IDS_SKAT_SWAP_ON : IDS_SKAT_SWAP_OFF));
        frame_.SetStatusPane(0, frame_.Texts().StatusText);
        return;
    }
    // Otherwise the skat's holder exchanges cards with it: beneath another step only inside a swap
    // pause, and only while the skat and a holder are on the table.
    const int holder = g_Game.SkatHolderSeat;
    const bool nested = frame_.Run().StepDepth > 1 || g_Frame.ModalPumpActive;
    const bool skatOnTable =
        frame_.GameObject().count == 2 && frame_.GameObject().present[0] && frame_.GameObject().present[1];
    if ((nested && !frame_.Declaration().SwapPausePending) || holder < 0 || holder > 2 || !skatOnTable) {
        WriteTrace(":OnSkatSwap(refused)", LOG_MAINFRAME);
        frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    WriteTrace(":OnSkatSwap(" + frame_.GetPlayerName(holder) + ")", LOG_MAINFRAME);
    frame_.SetPause(0);
    CheckCheat(kMarkSwapped, 1);
    frame_.FrameTable().MoveExtraText(IDS_NOTICE_SWAP_CARDS, IDS_NOTICE_SWAP_SKAT_CARDS, 0, nullptr, nullptr);
    frame_.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
    frame_.CloseModelessDialog();
    SwapCardsPerson(true, holder == 0, holder == 1, holder == 2, 3);
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FrameTexts().SetHintText(platform::LoadString(SwapHint()));
    frame_.FrameTexts().ReplaceStatusText(platform::LoadString(IDS_SWAP_CARDS));
    frame_.FrameTimers().StartStatusRotation();
    frame_.SetStatusPane(0, frame_.Texts().HintText);
}

void CCardExchange::OnSwapHands() {
    if (!MayManipulate(frame_, ID_SWAP_HAND)) return;
    const int previous = frame_.SetPause(0);
    CSwapHandsDialog dialog;
    const int result = dialog.DoModal();
    frame_.SetPause(previous);
    const int code = result == IDOK ? dialog.Code : 0;
    WriteTrace(":OnSwapHands(" + std::to_string(code) + ")", LOG_MAINFRAME);
    // Anything but the three pairs is a cancel.
    if (code < 1 || code > 3) return;
    frame_.GiveUp().OnBreak();
    CheckCheat(kMarkSwapped, 1);
    static constexpr int kPairs[4][2] = {{0, 0}, {2, 0}, {2, 1}, {0, 1}};
    game_.SwapDealtHands(kPairs[code][0], kPairs[code][1]);
    ReplaySwappedDeal();
}

void CCardExchange::OnSwapSuits() {
    if (!MayManipulate(frame_, ID_SWAP_SUITS)) return;
    const int previous = frame_.SetPause(0);
    CSwapSuitsDialog dialog;
    const int result = dialog.DoModal();
    frame_.SetPause(previous);
    const int code = result == IDOK ? dialog.Code : 0;
    WriteTrace(":OnSwapSuits(" + std::to_string(code) + ")", LOG_MAINFRAME);
    // Anything but the six pairs, with or without the Jacks, is a cancel.
    const int pair = code & 7;
    if (pair < 1 || pair > 6 || (code & ~(7 | kWithJacks)) != 0) return;
    frame_.GiveUp().OnBreak();
    CheckCheat(kMarkSwapped, 1);
    // The 32 dealt cards (seat 0, seat 1, seat 2, the skat): of each rank the cards of the two
    // suits change places, the Jacks only when asked.
    const int a = kSuitPairs[pair][0], b = kSuitPairs[pair][1];
    game_.SwapDealtSuits(a, b, (code & kWithJacks) != 0);
    ReplaySwappedDeal();
}

void CCardExchange::ReplaySwappedDeal() {
    // The same deal at once, with the exchanged cards.
    frame_.GiveUp().OnRepeat();
    frame_.KillTimer(TM_ASSIGN);
    frame_.AssignedCards();
    game_.KeepHandsAsDealt();
    if (frame_.FramePanels().SideWindow(ID_LIST_TRICK_ESTIMATION)) frame_.FramePanels().SelectEstimatedGame();
}
