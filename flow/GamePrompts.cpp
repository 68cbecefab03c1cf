// The modal prompts of the game that ask the person something: the Rekontra prompt over a
// computer's Kontra and the question whether a computer may give up.
#include "flow/FrameKontra.h"

#include "flow/MainFrame.h"

#include "dialogs/AnswerDialogs.h"
#include "model/GameState.h"
#include "model/Settings.h"

int CFrameKontra::RunGameMessage(platform::Dialog& dialog) {
    if (g_Game.DemoMode) frame_.SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
    return frame_.DoModalDialog(dialog);
}

void CFrameKontra::RunRekontraPrompt(const std::string& text, int ruleNumber, int personRuleNumber) {
    CRekontraDialog prompt(text, ruleNumber, personRuleNumber);
    RunGameMessage(prompt);
}

bool CFrameKontra::RunResignPrompt(const std::string& text) {
    CResignDialog prompt(text);
    RunGameMessage(prompt);
    return prompt.Accepted() != 0;
}
