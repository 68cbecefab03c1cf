#pragma once
// How wide a push button must be to show its caption whole, where the host lays text out in its own
// fonts (the host's LaidOutTextWidth answers for a push button with its caption in the button's own
// font and the room the button's frame keeps around it).

#include <optional>

#include "platform/core/Message.h"

namespace platform {

// Nothing where the host does not lay text out itself.
std::optional<int> ButtonWidthForCaption(HWND control);

}  // namespace platform
