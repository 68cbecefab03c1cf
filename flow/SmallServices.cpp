// Small services of the frame for dialogs and the view: the lock word of the two panels that may
// show an opponent's hidden cards.
#include "flow/MainFrame.h"

bool CMainFrame::LockFlag(int which, int mode) {
    if (which == 1 || which == 2) {
        const int bit = which;
        if (mode == 2) EditPanels().LockWord &= ~bit;
        else if (mode != -1) EditPanels().LockWord |= bit;
    }
    return Panels().LockWord != 0;
}
