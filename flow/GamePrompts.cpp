// The modal prompts of the game that ask the person something: the Rekontra prompt over a
// computer's Kontra and the question whether a computer may give up.
#include "flow/MainFrame.h"

#include "dialogs/MessageDialogs.h"
#include "platform/core/Dialog.h"

void CMainFrame::RunRekontraPrompt(const std::string& text, int ruleNumber, int /*personRuleNumber*/) {
    CMessageDialog prompt(text, 1, ruleNumber);
    DoModalDialog(prompt);
}

bool CMainFrame::RunResignPrompt(const std::string& text) {
    CMessageDialog prompt(text, 0, 0);
    return DoModalDialog(prompt) == IDOK;
}
