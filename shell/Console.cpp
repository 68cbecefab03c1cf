// Files handed to the program: named on the command line or sent by a second instance.
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"
#include "shell/SkatApp.h"

#include <cstring>

namespace {

// A quoted name loses its quotes; a name with only one of them stays as it is.
std::string Unquote(std::string name) {
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') return name.substr(1, name.size() - 2);
    return name;
}

}  // namespace

void CMainFrame::OnConsole() {
    // Step 1: the file named on the command line.
    const std::string commandLine = g_pApp ? g_pApp->CommandLine : std::string();
    WriteTrace(":OnConsole()", LOG_MAINFRAME);
    // Step 2: its name without quotes.
    const std::string name = Unquote(commandLine);
    // Step 3: the table comes to life first.
    g_Frame.ModalPumpActive = 1;
    WaitWhile([this] { return Table().TableWindow == nullptr && IsAlive(); });
    g_Frame.ModalPumpActive = 0;
    // Step 4: the named file opens.
    if (!name.empty() && IsAlive()) Start(name);
}

bool CMainFrame::OnCopyData(HWND /*sender*/, const COPYDATASTRUCT* data) {
    if (!data || !data->lpData) return true;
    // The text ends at its NUL or at the end of the block, whichever comes first.
    const char* bytes = static_cast<const char*>(data->lpData);
    const std::size_t length = strnlen(bytes, data->cbData);
    const std::string name = Unquote(std::string(bytes, length));
    std::string line = ":OnCopyData(";
    line += name;
    line += ")";
    WriteTrace(line, LOG_MAINFRAME);
    MatchFiles().HoldPendingFile(name);
    // A step or a wait running underneath keeps the file until it is over.
    if (Run().StepDepth == 0 && g_Frame.ModalPumpActive == 0 && !Run().BusyFlag) OpenPendingFile();
    return true;
}

void CMainFrame::OpenPendingFile() {
    if (Files().PendingFile.empty()) return;
    Start(MatchFiles().TakePendingFile());
}
