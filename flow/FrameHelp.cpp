// The help text of the window part under the mouse, in status pane 0.
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"

#include "platform/core/Resources.h"
#include "resources/ids.h"

void CMainFrame::OnSetCursor(int hitTest) {
    int text = 0;
    switch (hitTest) {
        case 2: text = IDS_HELP_CAPTION; break;
        case 3: text = IDS_HELP_SYSTEM_MENU; break;
        case 5: text = IDS_HELP_MENU; break;
        case 8: text = IDS_HELP_MINIMIZE; break;
        case 9: text = IDS_HELP_MAXIMIZE; break;
        default: break;
    }
    if (text) {
        SetStatusPane(0, platform::LoadString(text));
        return;
    }
    // Over the table: the game's status text, or the manipulation mark when there is none.
    FrameTimers().RotateFrom(Texts().StatusText.empty() ? 2 : 0);
    SetStatusPane(0, Texts().StatusText.empty() ? Texts().CheatText : Texts().StatusText);
}
