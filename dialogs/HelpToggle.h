#pragma once
// The help buttons' toggle: the first click shows the dialog's topic, the second closes every help
// window, whatever topic was shown. One per dialog object.

#include <string>

class CHelpToggle {
public:
    // Shows `topic` (appended to the help file path) or closes all help windows, then flips.
    void Toggle(const std::string& topic);
    void Reset() { open = false; }
    bool IsOpen() const { return open; }

private:
    bool open = false;
};

// The rule help of the bars' "Rege&l" buttons: the anchor of the person's game-option record
// `record` (its rule code), when the person sits at seat 2 or Settings/Rule is on, else (or when
// the code is out of 1..99999) `fallback`. A code above 16384 loses the override flag.
int RuleHelpNumber(int record, int fallback);
// "::/Lexikon/RegelnReizen.htm#" + the number.
std::string RuleHelpTopic(int ruleNumber);
// "::/Lexikon/RegelnReizen.htm#" + the anchor (a rule link's caption).
std::string RuleHelpTopic(const std::string& anchor);
