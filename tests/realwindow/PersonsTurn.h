#pragma once
// The real-window tests' road to the person's turn: the bars of the auction and the skat answered
// on the frame until the person's card is awaited.

#include <gtest/gtest.h>

#include "dialogs/DialogIds.h"
#include "flow/FrameAuction.h"
#include "flow/MainFrame.h"
#include "flow/TrickPlay.h"
#include "model/GameState.h"
#include "platform/core/WindowApi.h"
#include "qt/QtTestSupport.h"
#include "resources/FlowIds.h"
#include "resources/ids.h"

namespace realwindow {

// The bars of the auction and the skat answered for the person until his card is awaited: he bids
// on, takes the skat up and plays Clubs; a continue bar goes on.
inline void AnswerBarsUntilThePersonsCard(CMainFrame& frame) {
    for (int step = 0; step < 80 && !frame.FrameTrickPlay().PersonMayPlay(); ++step) {
        const HWND bar = frame.Prompts().PromptDialog;
        if (g_Game.FlowState == STATE_PLAY && ::IsWindow(frame.Prompts().ContinuePrompt)) {
            ::PostMessage(frame.Prompts().ContinuePrompt, WM_COMMAND, IDC_CONTINUE, 0);
        } else if (g_Game.FlowState == STATE_SKAT && ::IsWindow(bar)) {
            ::SendMessage(bar, WM_COMMAND, BTN_PICKUP, 0);
        } else if (g_Game.FlowState == STATE_ASK && ::IsWindow(bar)) {
            ::SendMessage(bar, WM_COMMAND, IDC_CLUBS, 0);
        } else if (frame.FrameAuction().IsAuctionBarOpen()) {
            ::SendMessage(bar, WM_COMMAND, BTN_BID, 0);
        }
        qttest::PumpUntil([&frame] { return frame.FrameTrickPlay().PersonMayPlay(); }, 300);
    }
    ASSERT_TRUE(frame.FrameTrickPlay().PersonMayPlay()) << "state " << g_Game.FlowState;
}

}  // namespace realwindow
