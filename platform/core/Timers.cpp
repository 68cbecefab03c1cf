// Timers: (window, id) identity, expiries synthesised at retrieval, and the blocking sleep.
#include <algorithm>

#include "platform/core/WindowSystem.h"

namespace platform {

std::int64_t WindowSystem::IntervalOf(int ms) const { return std::max<std::int64_t>(ms, kMinimumTimerMs); }

UINT WindowSystem::SetTimer(HWND hwnd, UINT id, int intervalMs) {
    if (!IsWindow(hwnd) || id == 0) return 0;
    const std::int64_t interval = IntervalOf(intervalMs);
    const std::int64_t due = Now() + interval;
    for (Timer& timer : m_timers) {
        if (timer.hwnd == hwnd && timer.id == id) {
            timer.interval = interval;
            timer.due = due;
            timer.sequence = ++m_timerSequence;
            return id;
        }
    }
    m_timers.push_back({hwnd, id, interval, due, ++m_timerSequence});
    return id;
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
    std::optional<std::int64_t> next;
    for (const Timer& timer : m_timers)
        if (!next || timer.due < *next) next = timer.due;
    return next;
}

bool WindowSystem::TakeTimer(Message& out, HWND filter, UINT first, UINT last, bool remove) {
    const std::int64_t now = Now();
    Timer* chosen = nullptr;
    for (Timer& timer : m_timers) {
        if (timer.due > now || !Matches(timer.hwnd, WM_TIMER, filter, first, last)) continue;
        if (!chosen || timer.due < chosen->due || (timer.due == chosen->due && timer.sequence < chosen->sequence))
            chosen = &timer;
    }
    if (!chosen) return false;
    out = {chosen->hwnd, WM_TIMER, chosen->id, 0, now};
    if (remove) {
        // Next due: the first whole period after now, counted from the last due time. Periods missed
        // while nobody pumped are skipped, so a late timer gives one expiry, never a burst.
        chosen->due += chosen->interval * ((now - chosen->due) / chosen->interval + 1);
    }
    return true;
}

void WindowSystem::Sleep(std::int64_t ms) { m_host->Sleep(ms); }

}  // namespace platform
