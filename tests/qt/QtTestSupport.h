#pragma once
// Helpers for the Qt host's tests: a window that records its messages, a main-loop pump with a
// deadline, and the process's processor time.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QWidget>

#include "platform/core/Message.h"
#include "platform/core/Window.h"
#include "platform/core/WindowSystem.h"
#include "QtSettled.h"

namespace qttest {

// Records every message its handler gets (after the default handling ran for paints).
class RecordingWindow : public platform::Window {
public:
    std::vector<platform::Message> messages;
    std::function<void(UINT, WPARAM, LPARAM)> onMessage;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back({Handle(), message, wParam, lParam, 0});
        if (onMessage) onMessage(message, wParam, lParam);
        return Window::WindowProc(message, wParam, lParam);
    }
    int Count(UINT message) const {
        int n = 0;
        for (const auto& m : messages) n += m.message == message;
        return n;
    }
    // The first recorded message of this kind, or nullptr.
    const platform::Message* First(UINT message) const {
        for (const auto& m : messages)
            if (m.message == message) return &m;
        return nullptr;
    }
};

inline bool CreateWindowOf(platform::Window& window, platform::WindowKind kind, platform::Rect rect,
                           HWND parent = nullptr, bool visible = true) {
    platform::CreateParams params;
    params.kind = kind;
    params.parent = parent;
    params.rect = rect;
    params.title = "test";
    params.visible = visible;
    return window.Create(params);
}

// Runs the main loop's work (pre-translation, translation, dispatch) until the predicate holds or
// the time is up; waits through the host like the main loop. Returns whether it held.
inline bool PumpUntil(const std::function<bool()>& predicate, std::int64_t limitMs = 3000) {
    auto& system = platform::WindowSystem::Instance();
    const std::int64_t end = system.Now() + limitMs;
    while (!predicate()) {
        if (system.Now() >= end) return false;
        platform::Message message;
        if (system.TakeMessage(message, nullptr, 0, 0, true)) {
            if (message.message == WM_QUIT) return predicate();
            system.ProcessMessage(message);
            continue;
        }
        // A retrieval may have delivered only a message from another process, which ran its
        // handler inside the retrieval: the condition may hold now, before any wait.
        if (predicate()) return true;
        std::optional<std::int64_t> due = system.NextTimerDue();
        system.AttachedHost()->WaitForWork(due ? std::min(*due, end) : end);
    }
    return true;
}

// Pumps for a while (every message that comes in that time is dispatched), then until the work
// that time started has ended: on a busy machine a change the program hands to Qt can still be on
// its way when the time is up, and the test would read the widget before it arrived.
inline void PumpFor(std::int64_t ms) {
    PumpUntil([] { return false; }, ms);
    PumpUntilSettled(5000);
}

inline double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

inline double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Counts the paints Qt gives a widget.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
    int paints = 0;
};

// Runs an X tool to its end (at most five seconds) and gives what it printed.
inline std::string RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

}  // namespace qttest
