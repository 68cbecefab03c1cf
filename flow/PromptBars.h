#pragma once
// Opening the frame's one prompt bar: the open one goes first, the new one is made from its
// template (engine-owned, so a bar destroyed inside its own handler is freed after the handler
// returns), shown over the table and recorded as the open prompt.

#include "computer/evaluation/GameOption.h"
#include "dialogs/DialogIds.h"
#include "dialogs/ModelessDialog.h"
#include "flow/MainFrame.h"
#include "platform/core/WindowApi.h"

#include <string>
#include <utility>

template <class Bar, class... Args>
Bar* OpenPromptBar(CMainFrame& frame, Args&&... args) {
    frame.CloseModelessDialog();
    Bar* bar = CreateBar<Bar>(std::forward<Args>(args)...);
    if (!bar) return nullptr;
    frame.EditPrompts().PromptDialog = bar->Handle();
    ::ShowWindow(frame.Prompts().PromptDialog, SW_SHOW);
    return bar;
}

// The bar recorded as the open prompt when it is a live bar of that class, else nullptr.
template <class Bar>
Bar* OpenBarAs(const CMainFrame& frame) {
    if (!::IsWindow(frame.Prompts().PromptDialog)) return nullptr;
    return dynamic_cast<Bar*>(::WindowFromHandle(frame.Prompts().PromptDialog));
}

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
