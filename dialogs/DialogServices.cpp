#include "dialogs/DialogServices.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"

DialogFrameServices g_DialogFrame;

void DialogSound(int effect) { g_DialogFrame.SoundEffect(effect); }

void TraceDialog(const std::string& line, unsigned flags) { WriteTrace(line, flags); }

void PostFrameCommand(int command) {
    if (const HWND frame = g_DialogFrame.FrameWindow()) ::PostMessage(frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void ArmDemoTimer(unsigned timer) {
    if (!g_Game.DemoMode) return;
    if (const HWND frame = g_DialogFrame.FrameWindow()) ::SetTimer(frame, timer, g_Settings.Delay.Demo);
}

void SendFrameCommand(int command) {
    if (const HWND frame = g_DialogFrame.FrameWindow()) ::SendMessage(frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void FocusFrame() {
    if (const HWND frame = g_DialogFrame.FrameWindow()) ::SetFocus(frame);
}
