#pragma once
// platform::Static: a text label. It takes no input and no focus; its '&' mnemonic passes the focus
// to the control after it (see DialogNavigation). A label may show its text in a colour of its own
// (a link does); otherwise it takes the dialog's text colour.

#include "platform/core/Control.h"

#include <optional>

namespace platform {

class Static : public Control {
public:
    explicit Static(unsigned style) : Control(ControlKind::Static, style) {}

    // The text's own colour, nullopt for the dialog's; the host shows the change.
    void SetTextColour(std::optional<Color> colour);
    std::optional<Color> TextColour() const { return m_textColour; }

private:
    std::optional<Color> m_textColour;
};

}  // namespace platform
