#include "platform/core/Clock.h"

#include <chrono>
#include <ctime>

namespace platform {

namespace {
SystemClock g_systemClock;
Clock* g_clock = &g_systemClock;

// Civil date from days since 1970-01-01 (proleptic Gregorian), so formatting needs no time zone
// database and gives the same text on every machine for the same clock.
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

void AppendNumber(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
    out += digits;
}
}  // namespace

Clock& CurrentClock() { return *g_clock; }

void SetCurrentClock(Clock* clock) { g_clock = clock ? clock : &g_systemClock; }

std::int64_t SystemClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t SystemClock::EpochSeconds() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

int SystemClock::UtcOffsetSeconds() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return static_cast<int>(local.tm_gmtoff);
}

std::string FormatLocalTime(const char* format, std::int64_t epochSeconds) {
    std::int64_t t = epochSeconds + CurrentClock().UtcOffsetSeconds();
    std::int64_t days = t >= 0 ? t / 86400 : (t - 86399) / 86400;
    std::int64_t secs = t - days * 86400;
    int y = 0, m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    const int hour = static_cast<int>(secs / 3600);
    const int minute = static_cast<int>(secs / 60 % 60);
    const int second = static_cast<int>(secs % 60);

    std::string out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
            case 'Y': AppendNumber(out, y, 4); break;
            case 'm': AppendNumber(out, m, 2); break;
            case 'd': AppendNumber(out, d, 2); break;
            case 'H': AppendNumber(out, hour, 2); break;
            case 'M': AppendNumber(out, minute, 2); break;
            case 'S': AppendNumber(out, second, 2); break;
            case '%': out += '%'; break;
            default: out += '%'; out += *p; break;
        }
    }
    return out;
}

}  // namespace platform

std::int64_t Time64() { return platform::CurrentClock().EpochSeconds(); }

std::int64_t TickCount() { return platform::CurrentClock().NowMs(); }
