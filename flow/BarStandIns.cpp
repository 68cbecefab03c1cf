// Frame services the prompt bars call whose own steps come later (Kontra). Until then each stand-in writes its trace line and does the least the bars rely on.
#include "flow/MainFrame.h"

#include "model/Trace.h"

#include <string>

namespace {
void TraceBarStandIn(const std::string& name, const std::string& arguments = std::string()) {
    WriteTrace(":" + name + "(" + arguments + ")", LOG_MAINFRAME);
}
}  // namespace

void CMainFrame::SayKontra(int seat) { TraceBarStandIn("SayKontra", std::to_string(seat)); }

