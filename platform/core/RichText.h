#pragma once
// platform::RichText: a read-only field holding a rich text (the subset of RTF the program writes).
// It keeps the text as given; turning it into styled runs and drawing them is the host's part.

#include "platform/core/Edit.h"

#include <optional>

namespace platform {

class RichText : public Edit {
public:
    explicit RichText(unsigned style) : Edit(style | CTL_READONLY, ControlKind::RichText) {}

    bool WantsCharacters() const override { return false; }

    // The ground the text lies on, 0xBBGGRR; white until set.
    unsigned BackgroundColour() const { return m_background; }
    unsigned SetBackgroundColour(unsigned colour);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    unsigned m_background = 0xFFFFFF;
};

// The height the host lays the rich text control's text out in at its width, frame included; nothing
// where the host does not lay it out itself.
std::optional<int> RichTextHeight(HWND control);
// The width the host lays the rich text control's text out in with no line wrapped, frame included;
// nothing where the host does not lay it out itself.
std::optional<int> RichTextWidth(HWND control);

}  // namespace platform
