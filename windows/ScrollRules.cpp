#include "windows/ScrollRules.h"

#include "platform/core/ControlMessages.h"

#include <algorithm>
#include <cstdlib>

namespace sidewindow {

ScrollStep ApplyScrollCode(unsigned code, int position, int low, int high, int line, int page, int track) {
    ScrollStep step;
    step.position = position;
    auto moveBy = [&](int delta) {
        if (delta < 0 && position <= low) return;
        if (delta > 0 && position >= high) return;
        step.position = std::clamp(position + delta, low, std::max(low, high));
        step.moved = step.position - position;
        step.set = true;
    };
    switch (code) {
        case SB_LINEUP: moveBy(-line); break;
        case SB_LINEDOWN: moveBy(line); break;
        case SB_PAGEUP: moveBy(-page); break;
        case SB_PAGEDOWN: moveBy(page); break;
        case SB_THUMBTRACK:
            step.position = std::clamp(track, low, std::max(low, high));
            step.moved = step.position - position;
            step.set = true;
            break;
        case SB_THUMBPOSITION:
            step.position = std::clamp(track, low, std::max(low, high));
            step.set = true;
            break;
        default: break;
    }
    return step;
}

int ScrollPage(int clientExtent, bool otherBarShown) { return otherBarShown ? clientExtent - 22 : clientExtent; }

WheelLines SplitWheel(int rest, int delta) {
    const long long sum = static_cast<long long>(rest) + delta;
    WheelLines result;
    result.up = sum >= 0;
    const long long lines = (sum < 0 ? -sum : sum) / 120;
    result.lines = static_cast<int>(lines);
    result.rest = static_cast<int>(sum >= 0 ? sum - lines * 120 : sum + lines * 120);
    return result;
}

}  // namespace sidewindow
