// The short wait between the packets of a deal: messages are dispatched until the person presses a
// key or a button, the wait runs out or nobody is waited for any more.
#include "flow/MainFrame.h"

#include <algorithm>
#include <climits>

#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Clock.h"
#include "platform/core/WindowApi.h"
#include "flow/FrameGlobals.h"
#include "resources/FlowIds.h"

void CMainFrame::WaitForInput() {
    // Step 1. Delay/Switch counts polls of 4096 each; a poll stood for about a microsecond where the
    // setting was made, so the count is read as that much time: 100 waits about 0.4 s. Counting
    // polls here would wait minutes, as an empty poll on our hosts waits for events instead of
    // spinning the processor.
    g_Frame.ModalPumpActive = 1;
    const std::int64_t waitMs = (static_cast<std::int64_t>(g_Settings.Delay.Switch) * 4096 + 999) / 1000;
    const std::int64_t deadline = TickCount() + waitMs;
    // A timer at the deadline, so that the wait sleeps until then, or until the person acts, instead
    // of waking to look at the clock.
    if (waitMs > 0) SetTimer(TM_PACKET_WAIT, static_cast<int>(std::min<std::int64_t>(waitMs, INT_MAX)));
    // Step 2. A stop request (a break-off, a close waiting its turn) ends the wait as well.
    while (waitMs > 0 && g_Game.PauseLevel >= 1 && g_Game.StopFlag != StopState::Requested) {
        MSG message;
        if (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            DispatchMessage(&message);
            if (message.message == WM_KEYDOWN || message.message == WM_LBUTTONDOWN ||
                message.message == WM_RBUTTONDOWN)
                break;
        }
        if (TickCount() >= deadline) break;
    }
    // Step 3: the wait is over.
    KillTimer(TM_PACKET_WAIT);
    g_Frame.ModalPumpActive = 0;
}
