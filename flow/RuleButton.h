#pragma once
// The rule number on a bar's rule button: the number as the bars show it, and its place after the
// button's caption.

#include "computer/evaluation/GameOption.h"
#include "dialogs/DialogIds.h"
#include "platform/core/WindowApi.h"

#include <string>

// A rule code as the bars show it: without the variant flag.
inline int ShownRuleNumber(int code) { return code > RULE_OVERRIDE_FLAG ? code - RULE_OVERRIDE_FLAG : code; }

// A rule number on the bar's "Rege&l" button: the number, after `blanks` spaces, is appended to the
// button's caption, unless the caption shows it already. (Built by appending: the optimising
// compiler warns falsely of an overlap for a text put before a number's digits.)
inline void AppendToRuleButton(HWND bar, int rule, int blanks = 1) {
    const HWND button = ::GetDlgItem(bar, IDC_RULE);
    if (!::IsWindow(button)) return;
    std::string text(static_cast<std::size_t>(blanks), ' ');
    text += std::to_string(rule);
    const std::string caption = ::GetWindowText(button);
    if (caption.find(text) == std::string::npos) ::SetWindowText(button, caption + text);
}
