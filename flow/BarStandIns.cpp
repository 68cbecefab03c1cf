// Frame services the prompt bars call whose own steps come later (Kontra, the skat swap pause,
// voices). Until then each stand-in writes its trace line and does the least the bars rely on.
#include "flow/MainFrame.h"

#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"

#include <string>

namespace {
void TraceBarStandIn(const std::string& name, const std::string& arguments = std::string()) {
    WriteTrace(":" + name + "(" + arguments + ")", LOG_MAINFRAME);
}
}  // namespace

bool CMainFrame::IsOpenPrompt(HWND bar) const {
    return bar && ::IsWindow(bar) && PromptDialog && PromptDialog->Handle() == bar;
}

void CMainFrame::SayKontra(int seat) { TraceBarStandIn("SayKontra", std::to_string(seat)); }

void CMainFrame::EndSwapPause() {
    TraceBarStandIn("EndSwapPause");
    SwapPausePending = 0;
}

