// Small services of the frame for dialogs and the view: the lock word of the two panels that may
// show an opponent's hidden cards, and rich text stripped of its control words.
#include "flow/MainFrame.h"

bool CMainFrame::LockFlag(int which, int mode) {
    if (which == 1 || which == 2) {
        const int bit = which;
        if (mode == 2) EditPanels().LockWord &= ~bit;
        else if (mode != -1) EditPanels().LockWord |= bit;
    }
    return Panels().LockWord != 0;
}

std::string StripRtfControls(const std::string& text) {
    std::string plain;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t slash = text.find('\\', at);
        if (slash == std::string::npos) {
            plain.append(text, at, std::string::npos);
            break;
        }
        plain.append(text, at, slash - at);
        // A control word runs up to and including the next blank; without one the text ends.
        const std::size_t blank = text.find(' ', slash);
        if (blank == std::string::npos) break;
        at = blank + 1;
    }
    return plain;
}
