#include "dialogs/DialogServices.h"

#include "dialogs/ModelessDialog.h"
#include "flow/MainFrame.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"

void DialogSound(int effect) {
    if (CMainFrame* frame = BarFrame()) frame->SoundEffect(effect, false);
}

void TraceDialog(const std::string& line, unsigned flags) { WriteTrace(line, flags); }

void PostFrameCommand(int command) {
    if (CMainFrame* frame = BarFrame()) ::PostMessage(frame->Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void ArmDemoTimer(unsigned timer) {
    if (!g_Game.DemoMode) return;
    if (CMainFrame* frame = BarFrame()) frame->SetTimer(timer, g_Settings.Delay.Demo);
}

void SendFrameCommand(int command) {
    if (CMainFrame* frame = BarFrame()) ::SendMessage(frame->Handle(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}
