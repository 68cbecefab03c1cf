#pragma once
// platform::QtWakeCount: a census of the Qt host's wake-ups, for finding waits that wake the program
// with nothing to do. Each return from Qt's event processing is counted once, under what it found:
// one of our timers due, the person's input or another Qt-side action for our loop, a paint, another
// Qt event, the wait's own end with nothing due, or nothing at all. Counted only when KARTOVAN_WAKE_COUNT names a file; the table is
// written there when the host goes.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class QObject;

namespace platform {

class QtWakeCount {
public:
    enum class Found { OurTimer, ForOurLoop, Paint, OtherQtEvent, RanOut, Nothing, Count };
    enum class Kind { Wait, Poll, Sleep, Busy, Count };

    // A census when the environment asks for one, or nullptr.
    // `wakeTimer`: the host's timer that ends its waits, whose own event is no finding.
    static std::unique_ptr<QtWakeCount> FromEnvironment(const QObject* wakeTimer);
    QtWakeCount(std::string file, const QObject* wakeTimer);
    ~QtWakeCount();
    QtWakeCount(const QtWakeCount&) = delete;
    QtWakeCount& operator=(const QtWakeCount&) = delete;

    // Around one call of Qt's event processing.
    void Begin();
    void End(Kind kind, bool ourTimerDue, bool forOurLoop);

private:
    class Watcher;
    std::string m_file;
    std::unique_ptr<Watcher> m_watcher;
    std::array<std::array<std::int64_t, static_cast<std::size_t>(Found::Count)>, static_cast<std::size_t>(Kind::Count)> m_counts{};
};

}  // namespace platform
