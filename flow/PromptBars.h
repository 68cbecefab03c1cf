#pragma once
// Opening the frame's one prompt bar: the open one goes first, the new one is made from its
// template (engine-owned, so a bar destroyed inside its own handler is freed after the handler
// returns), shown over the table and recorded as the open prompt.

#include "dialogs/ModelessDialog.h"
#include "flow/MainFrame.h"
#include "platform/core/WindowApi.h"

#include <utility>

template <class Bar, class... Args>
Bar* OpenPromptBar(CMainFrame& frame, Args&&... args) {
    frame.CloseModelessDialog();
    Bar* bar = CreateBar<Bar>(std::forward<Args>(args)...);
    if (!bar) return nullptr;
    frame.RecordOpenPrompt(bar->Handle());
    ::ShowWindow(frame.Prompts().PromptDialog, SW_SHOW);
    return bar;
}

// The bar recorded as the open prompt when it is a live bar of that class, else nullptr.
template <class Bar>
Bar* OpenBarAs(const CMainFrame& frame) {
    if (!::IsWindow(frame.Prompts().PromptDialog)) return nullptr;
    return dynamic_cast<Bar*>(::WindowFromHandle(frame.Prompts().PromptDialog));
}
