// The help menu: four topics of the edition's help pages and closing the help windows.

#include "flow/MainFrame.h"
#include "flow/FrameGlobals.h"
#include "match/Profile.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"

namespace {

// Opens `topic` for the help menu's entry `number`; without help pages the person is told which
// folder is missing and the recorded topic stays as it was.
void OpenMenuTopic(CMainFrame& frame, int number, bool focusFrame) {
    if (platform::ShowHelpTopic(g_Frame.hTableWnd, g_Shell.HelpFile + HelpTopicPage(number))) {
        g_Profile.HelpTopic = number;
        if (focusFrame) ::SetFocus(frame.Handle());
        return;
    }
    ::MessageBox(frame.Handle(), platform::LoadString(IDS_HELP_FAILED), {g_Shell.HelpFile},
                 platform::LoadString(IDS_PRODUCT_NAME), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

}  // namespace

void CMainFrame::OnHelpInstructions() { OpenMenuTopic(*this, 1, true); }
void CMainFrame::OnHelpOperation() { OpenMenuTopic(*this, 2, true); }
void CMainFrame::OnHelpGlossary() { OpenMenuTopic(*this, 3, false); }
void CMainFrame::OnHelpKeyboard() { OpenMenuTopic(*this, 4, false); }

// The recorded topic is left alone: the next opening of the help menu, or the close, sees that
// no help window is left and forgets it.
void CMainFrame::OnHelpClose() { platform::CloseAllHelpWindows(); }

bool CMainFrame::ForgetClosedHelp() {
    const bool open = platform::IsHelpWindowOpen();
    if (g_Profile.HelpTopic != 0 && !open) g_Profile.HelpTopic = 0;
    return open;
}
