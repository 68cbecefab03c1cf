#include "platform/core/ScrollBar.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

#include <algorithm>
#include <cstdint>

namespace platform {

void ScrollRange::SetRange(int low, int high) {
    minimum = std::min(low, high);
    maximum = std::max(low, high);
    position = std::clamp(position, minimum, maximum);
}

int ScrollRange::SetPosition(int value) {
    int previous = position;
    position = std::clamp(value, minimum, maximum);
    return previous;
}

int ScrollRange::Target(unsigned code, int track) const {
    int step = std::max(1, page);
    std::int64_t target = position;
    switch (code) {
        case SB_LINEUP: target = std::int64_t{position} - 1; break;
        case SB_LINEDOWN: target = std::int64_t{position} + 1; break;
        case SB_PAGEUP: target = std::int64_t{position} - step; break;
        case SB_PAGEDOWN: target = std::int64_t{position} + step; break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: target = track; break;
        case SB_TOP: target = minimum; break;
        case SB_BOTTOM: target = maximum; break;
        default: break;
    }
    return static_cast<int>(std::clamp<std::int64_t>(target, minimum, maximum));
}

void ScrollBar::NotifyScroll(unsigned code, int position) {
    UINT message = IsVertical() ? WM_VSCROLL : WM_HSCROLL;
    ::SendMessage(GetParent(), message, MAKEWPARAM(code, static_cast<unsigned>(position)),
                  static_cast<LPARAM>(HandleValue(Handle())));
}

int ScrollBar::PositionAt(Point client) const {
    Rect r = ClientRect();
    int length = IsVertical() ? r.Height() : r.Width();
    int along = IsVertical() ? client.y : client.x;
    if (length <= 1) return m_range.minimum;
    std::int64_t span = std::int64_t{m_range.maximum} - m_range.minimum;
    return static_cast<int>(m_range.minimum + span * std::clamp(along, 0, length - 1) / (length - 1));
}

void ScrollBar::Scroll(unsigned code, int track) {
    if (!AcceptsInput()) return;
    NotifyScroll(code, code == SB_THUMBPOSITION || code == SB_THUMBTRACK ? track : m_range.position);
}

LRESULT ScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case SBM_SETRANGE:
        case TBM_SETRANGE:
            m_range.SetRange(static_cast<int>(static_cast<LPARAM>(wParam)), static_cast<int>(lParam));
            Invalidate();
            return 0;
        case SBM_SETPOS:
        case TBM_SETPOS: {
            int previous = m_range.SetPosition(static_cast<int>(static_cast<LPARAM>(wParam)));
            Invalidate();
            return previous;
        }
        case SBM_GETPOS:
        case TBM_GETPOS:
            return m_range.position;
        case SBM_SETPAGE:
        case TBM_SETPAGESIZE:
            m_range.page = std::max(0, static_cast<int>(static_cast<LPARAM>(wParam)));
            return 0;
        case WM_KEYDOWN: {
            int key = static_cast<int>(wParam);
            bool backward = key == VK_LEFT || key == VK_UP;
            bool forward = key == VK_RIGHT || key == VK_DOWN;
            if (backward || forward) Scroll(backward ? SB_LINEUP : SB_LINEDOWN);
            else if (key == VK_PRIOR) Scroll(SB_PAGEUP);
            else if (key == VK_NEXT) Scroll(SB_PAGEDOWN);
            else if (key == VK_HOME) Scroll(SB_TOP);
            else if (key == VK_END) Scroll(SB_BOTTOM);
            else return Control::WindowProc(message, wParam, lParam);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            if (!AcceptsInput()) return 0;
            int at = PositionAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (at < m_range.position) Scroll(SB_PAGEUP);
            else if (at > m_range.position) Scroll(SB_PAGEDOWN);
            return 0;
        }
        default:
            return Control::WindowProc(message, wParam, lParam);
    }
}

}  // namespace platform
