#include "platform/core/Slider.h"

namespace platform {

void Slider::Scroll(unsigned code, int track) {
    if (!AcceptsInput()) return;
    int target = m_range.Target(code, track);
    if (target != m_range.position) {
        m_range.SetPosition(target);
        Invalidate();
    }
    NotifyScroll(code, m_range.position);
}

}  // namespace platform
