#include "shell/WindowPlacement.h"

#include <algorithm>

#include "shell/ShellGlobals.h"

platform::Rect KeptInside(const platform::Rect& rect, const platform::Rect& area) {
    const int width = std::max(0, std::min(rect.Width(), area.Width()));
    const int height = std::max(0, std::min(rect.Height(), area.Height()));
    const int left = std::clamp(rect.left, area.left, std::max(area.left, area.right - width));
    const int top = std::clamp(rect.top, area.top, std::max(area.top, area.bottom - height));
    return {left, top, left + width, top + height};
}

platform::Rect PlacedOnWorkArea(const platform::Rect& stored, const platform::Rect& defaults) {
    const platform::Rect& chosen = stored.IsEmpty() ? defaults : stored;
    return KeptInside(chosen, g_Shell.WorkArea);
}
