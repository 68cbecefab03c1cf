#pragma once
// The host's clock. The Qt host reads the system's clocks; the headless host keeps a virtual one
// that only moves when a pump is idle or a blocking sleep runs, so tests never wait.

#include <cstdint>
#include <string>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic clock (the timers' and the tick's time base).
    virtual std::int64_t NowMs() const = 0;
    // Seconds since 1970-01-01 UTC (the C runtime's time(), the match clock).
    virtual std::int64_t EpochSeconds() const = 0;
    // Offset of local time from UTC in seconds, for dates in traces and files.
    virtual int UtcOffsetSeconds() const = 0;
};

// The clock of the running host; a system clock until a host installs its own.
Clock& CurrentClock();
// Installs a host's clock (nullptr restores the system clock). The caller keeps ownership.
void SetCurrentClock(Clock* clock);

// The system's clocks, used by the real program.
class SystemClock final : public Clock {
public:
    std::int64_t NowMs() const override;
    std::int64_t EpochSeconds() const override;
    int UtcOffsetSeconds() const override;
};

// Formats epoch seconds as local time of the current clock with strftime-style fields
// (%Y %m %d %H %M %S %%); other characters stand as they are.
std::string FormatLocalTime(const char* format, std::int64_t epochSeconds);

}  // namespace platform

// The current time in whole seconds (the C runtime's _time64 of the program).
std::int64_t Time64();
// Milliseconds of the host's monotonic clock.
std::int64_t TickCount();
