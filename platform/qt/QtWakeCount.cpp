#include "platform/qt/QtWakeCount.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace platform {

// Sees every event Qt delivers while it processes, and tells paints from the rest.
class QtWakeCount::Watcher final : public QObject {
public:
    explicit Watcher(const QObject* wakeTimer) : m_wakeTimer(wakeTimer) { QCoreApplication::instance()->installEventFilter(this); }
    ~Watcher() override {
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        // The host's own timer that ends a wait is the wait's end, not something found.
        if (watched == m_wakeTimer) {
            ++wakeTimer;
            return false;
        }
        if (type == QEvent::Paint || type == QEvent::UpdateRequest || type == QEvent::UpdateLater) ++paints;
        else ++others;
        return false;
    }
    int paints = 0;
    int others = 0;
    int wakeTimer = 0;

private:
    const QObject* m_wakeTimer;
};

std::unique_ptr<QtWakeCount> QtWakeCount::FromEnvironment(const QObject* wakeTimer) {
    const char* file = std::getenv("KARTOVAN_WAKE_COUNT");
    if (!file || !*file) return nullptr;
    return std::make_unique<QtWakeCount>(file, wakeTimer);
}

QtWakeCount::QtWakeCount(std::string file, const QObject* wakeTimer)
    : m_file(std::move(file)), m_watcher(std::make_unique<Watcher>(wakeTimer)) {}

QtWakeCount::~QtWakeCount() {
    m_watcher.reset();
    std::FILE* out = std::fopen(m_file.c_str(), "w");
    if (!out) return;
    static const char* const kFound[] = {"our timer", "for our loop", "paint", "other Qt event", "ran out", "nothing"};
    static const char* const kKind[] = {"wait", "poll", "sleep", "busy"};
    for (std::size_t kind = 0; kind < m_counts.size(); ++kind)
        for (std::size_t found = 0; found < m_counts[kind].size(); ++found)
            std::fprintf(out, "%s\t%s\t%lld\n", kKind[kind], kFound[found], static_cast<long long>(m_counts[kind][found]));
    std::fclose(out);
}

void QtWakeCount::Begin() {
    m_watcher->paints = 0;
    m_watcher->others = 0;
    m_watcher->wakeTimer = 0;
}

void QtWakeCount::End(Kind kind, bool ourTimerDue, bool forOurLoop) {
    Found found = Found::Nothing;
    if (ourTimerDue) found = Found::OurTimer;
    else if (forOurLoop) found = Found::ForOurLoop;
    else if (m_watcher->paints > 0) found = Found::Paint;
    else if (m_watcher->others > 0) found = Found::OtherQtEvent;
    else if (m_watcher->wakeTimer > 0) found = Found::RanOut;
    ++m_counts[static_cast<std::size_t>(kind)][static_cast<std::size_t>(found)];
}

}  // namespace platform
