#pragma once
// platform::RichText: a read-only field holding a rich text (the subset of RTF the program writes).
// It keeps the text as given; turning it into styled runs and drawing them is the host's part.

#include "platform/core/Edit.h"

namespace platform {

class RichText : public Edit {
public:
    explicit RichText(unsigned style) : Edit(style | CTL_READONLY, ControlKind::RichText) {}

    bool WantsCharacters() const override { return false; }
};

}  // namespace platform
