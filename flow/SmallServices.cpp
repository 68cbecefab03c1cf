// The panels part's small services for dialogs and the view: the part itself as the frame holds
// it, and the lock word of the two panels that may show an opponent's hidden cards.
#include "flow/FramePanels.h"
#include "flow/MainFrame.h"

CFramePanels::CFramePanels(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}

CFramePanels& CMainFrame::FramePanels() { return *panels_; }
const PanelState& CMainFrame::Panels() const { return panels_->Record(); }

bool CFramePanels::LockFlag(int which, int mode) {
    if (which == 1 || which == 2) {
        const int bit = which;
        if (mode == 2) panels_.LockWord &= ~bit;
        else if (mode != -1) panels_.LockWord |= bit;
    }
    return panels_.LockWord != 0;
}
