// Timers: (window, id) identity, expiries synthesised at retrieval, and the blocking sleep.
#include <algorithm>

#include "platform/core/WindowSystem.h"

namespace platform {

std::int64_t WindowSystem::IntervalOf(int ms) const { return std::max<std::int64_t>(ms, kMinimumTimerMs); }

UINT WindowSystem::SetTimer(HWND hwnd, UINT id, int intervalMs) {
    if (!IsWindow(hwnd) || id == 0) return 0;
    const std::int64_t interval = IntervalOf(intervalMs);
    const std::int64_t due = Now() + interval;
    // Arming an armed id restarts it: it leaves its place and is filed anew as the latest armed.
    auto armed = std::find_if(m_timers.begin(), m_timers.end(),
                              [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (armed != m_timers.end()) m_timers.erase(armed);
    FileTimer({hwnd, id, interval, due, ++m_timerSequence});
    return id;
}

void WindowSystem::FileTimer(const Timer& timer) {
    // The list stays ordered by due time, then by arming: the front is the next expiry, and a
    // retrieval takes the first that is due and matches, as equal due times fire in arm order.
    auto place = std::upper_bound(m_timers.begin(), m_timers.end(), timer, [](const Timer& a, const Timer& b) {
        return a.due < b.due || (a.due == b.due && a.sequence < b.sequence);
    });
    m_timers.insert(place, timer);
}

bool WindowSystem::KillTimer(HWND hwnd, UINT id) {
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == m_timers.end()) return false;
    m_timers.erase(it);
    return true;
}

bool WindowSystem::IsTimerArmed(HWND hwnd, UINT id) const {
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
}

void WindowSystem::RemoveTimersOf(HWND hwnd) {
    std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<std::int64_t> WindowSystem::NextTimerDue() const {
    if (m_timers.empty()) return std::nullopt;
    return m_timers.front().due;
}

bool WindowSystem::TakeTimer(Message& out, HWND filter, UINT first, UINT last, bool remove) {
    const std::int64_t now = Now();
    auto chosen = m_timers.end();
    for (auto it = m_timers.begin(); it != m_timers.end() && it->due <= now; ++it) {
        if (Matches(it->hwnd, WM_TIMER, filter, first, last)) {
            chosen = it;
            break;
        }
    }
    if (chosen == m_timers.end()) return false;
    out = {chosen->hwnd, WM_TIMER, chosen->id, 0, now};
    if (remove) {
        // Next due: the first whole period after now, counted from the last due time. Periods missed
        // while nobody pumped are skipped, so a late timer gives one expiry, never a burst. It keeps
        // its arm order among timers due at the same moment.
        Timer timer = *chosen;
        timer.due += timer.interval * ((now - timer.due) / timer.interval + 1);
        m_timers.erase(chosen);
        FileTimer(timer);
    }
    return true;
}

void WindowSystem::Sleep(std::int64_t ms) { m_host->Sleep(ms); }

}  // namespace platform
