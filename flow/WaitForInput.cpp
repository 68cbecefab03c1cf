// The short wait between the packets of a deal: messages are dispatched until the person presses a
// key or a button, the count of polls runs out or nobody is waited for any more.
#include "flow/MainFrame.h"

#include "flow/GameState.h"
#include "flow/Settings.h"
#include "platform/core/WindowApi.h"
#include "shell/ShellGlobals.h"

void CMainFrame::WaitForInput() {
    // Step 1.
    g_Shell.ModalPumpActive = 1;
    long count = static_cast<long>(g_Settings.Delay.Switch) * 4096;
    // Step 2. A stop request (a break-off, a close waiting its turn) ends the wait as well.
    while (count > 0 && g_Game.PauseLevel >= 1 && g_Game.StopFlag != 1) {
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
        if (count == 1) break;
        --count;
    }
    // Step 3.
    g_Shell.ModalPumpActive = 0;
}
