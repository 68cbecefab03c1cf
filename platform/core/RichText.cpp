#include "platform/core/RichText.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/Host.h"
#include "platform/core/WindowSystem.h"

namespace platform {

unsigned RichText::SetBackgroundColour(unsigned colour) {
    const unsigned previous = m_background;
    m_background = colour & 0xFFFFFFu;
    if (previous != m_background) Invalidate();
    return previous;
}

LRESULT RichText::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == EM_SETBKGNDCOLOR) return static_cast<LRESULT>(SetBackgroundColour(static_cast<unsigned>(lParam)));
    return Edit::WindowProc(message, wParam, lParam);
}

std::optional<int> RichTextHeight(HWND control) {
    Host* host = WindowSystem::Instance().AttachedHost();
    return host ? host->LaidOutTextHeight(control) : std::nullopt;
}

std::optional<int> RichTextWidth(HWND control) {
    Host* host = WindowSystem::Instance().AttachedHost();
    return host ? host->LaidOutTextWidth(control) : std::nullopt;
}

}  // namespace platform
