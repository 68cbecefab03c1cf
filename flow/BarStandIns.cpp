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

// The 3-bit field of the seat in Audio/Voice: 0 no voice (8), else the speaker + 1.
int CMainFrame::GetPlayerVoice(int seat) const {
    if (seat < 0 || seat > 2) return 8;
    const int field = (g_Settings.Audio.Voice >> (4 * seat)) & 7;
    return field == 0 ? 8 : field - 1;
}
bool CMainFrame::IsVoiceFromFile(int voice) const {
    return voice >= 0 && voice <= 5 && ((g_Settings.Audio.Voice >> (4 * voice + 3)) & 1) != 0;
}
// Voices are silent until they are built; the stand-in only traces what would be spoken.
void CMainFrame::PlayVoiceTerm(int term, int language, int voice, bool fromFile) {
    TraceBarStandIn("PlayVoiceTerm", std::to_string(term) + "," + std::to_string(language) + "," +
                                         std::to_string(voice) + "," + (fromFile ? "1" : "0"));
}
