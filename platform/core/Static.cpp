#include "platform/core/Static.h"

namespace platform {

void Static::SetTextColour(std::optional<Color> colour) {
    if (colour == m_textColour) return;
    m_textColour = colour;
    Invalidate();
}

}  // namespace platform
