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

void CMainFrame::SayKontra(int seat) { TraceBarStandIn("SayKontra", std::to_string(seat)); }

// Voices are silent until they are built; the stand-in only traces what would be spoken.
void CMainFrame::PlayVoiceTerm(int term, int language, int voice, bool fromFile) {
    TraceBarStandIn("PlayVoiceTerm", std::to_string(term) + "," + std::to_string(language) + "," +
                                         std::to_string(voice) + "," + (fromFile ? "1" : "0"));
}
