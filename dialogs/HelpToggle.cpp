#include "dialogs/HelpToggle.h"

#include "computer/evaluation/GameOption.h"
#include "dialogs/DialogServices.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/TableServices.h"
#include "platform/core/DesktopServices.h"

void CHelpToggle::Toggle(const std::string& topic) {
    // The help window belongs to the table view, so it outlives a modal message.
    if (!open) {
        platform::ShowHelpTopic(g_TableServices.Window(), g_DialogFrame.HelpFile() + topic);
        FocusFrame();
    } else {
        platform::CloseAllHelpWindows();
    }
    open = !open;
}

int RuleHelpNumber(int record, int fallback) {
    int number = 0;
    const CPlayer* person = g_DialogFrame.Player(2);
    if (person && record >= 0 && record < GAME_OPTION_COUNT && (person->seat == 2 || g_Settings.Settings.Rule)) {
        number = person->gameOptions[record][OPT_RULE];
        if (number > RULE_OVERRIDE_FLAG) number -= RULE_OVERRIDE_FLAG;
    }
    return number >= 1 && number <= 99999 ? number : fallback;
}

std::string RuleHelpTopic(int ruleNumber) { return RuleHelpTopic(std::to_string(ruleNumber)); }

std::string RuleHelpTopic(const std::string& anchor) { return "::/Lexikon/RegelnReizen.htm#" + anchor; }
