#pragma once
// platform::Static: a text label. It takes no input and no focus; its '&' mnemonic passes the focus
// to the control after it (see DialogNavigation).

#include "platform/core/Control.h"

namespace platform {

class Static : public Control {
public:
    explicit Static(unsigned style) : Control(ControlKind::Static, style) {}
};

}  // namespace platform
