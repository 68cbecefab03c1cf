#pragma once
// The headless host's clock: virtual milliseconds that move only when the host lets time pass (an idle
// pump, a blocking sleep, a test's pump helper). The monotonic clock starts at 0; the epoch clock
// starts on the whole second kStartEpochSeconds (2026-01-01 00:00:00 UTC) and advances with it, so
// the time of day at any virtual moment is reproducible. UTC offset 0 unless a test sets one.

#include <cstdint>

#include "platform/core/Clock.h"

namespace platform {

class VirtualClock final : public Clock {
public:
    static constexpr std::int64_t kStartEpochSeconds = 1767225600;

    std::int64_t NowMs() const override { return m_ms; }
    std::int64_t EpochSeconds() const override { return m_startEpoch + m_ms / 1000; }
    int UtcOffsetSeconds() const override { return m_utcOffset; }

    void Advance(std::int64_t ms) { if (ms > 0) m_ms += ms; }
    // Moves to `ms` when it lies ahead; never goes back.
    void AdvanceTo(std::int64_t ms) { if (ms > m_ms) m_ms = ms; }
    void SetStartEpochSeconds(std::int64_t seconds) { m_startEpoch = seconds; }
    void SetUtcOffsetSeconds(int seconds) { m_utcOffset = seconds; }

private:
    std::int64_t m_ms = 0;
    std::int64_t m_startEpoch = kStartEpochSeconds;
    int m_utcOffset = 0;
};

}  // namespace platform
