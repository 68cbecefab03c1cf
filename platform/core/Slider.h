#pragma once
// platform::Slider: a knob on a track, e.g. a volume or a delay. Unlike a scroll bar it moves
// itself to where the person puts it, then tells the parent (WM_HSCROLL or WM_VSCROLL, as a scroll
// bar does) with the new position.

#include "platform/core/ScrollBar.h"

namespace platform {

class Slider : public ScrollBar {
public:
    explicit Slider(unsigned style) : ScrollBar(style, ControlKind::Slider) {}

    void Scroll(unsigned code, int track = 0) override;
};

}  // namespace platform
