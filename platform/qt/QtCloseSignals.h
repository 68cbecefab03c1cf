#pragma once
// platform::QtCloseSignals: SIGTERM, SIGINT and SIGHUP (a session's logout, Ctrl+C in the shell,
// the terminal gone) become a request to close, handed to the program from Qt's event processing.
// The handler itself only writes the signal's number into a pipe (nothing else is safe inside a
// signal handler); a QSocketNotifier on the pipe's other end calls the request. A later signal is
// the same request again and never ends the program by itself, so that the writing of the settings
// and files that the first one started is never cut short. One at a time; the previous handlers
// come back when it goes.

#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {

class QtCloseSignals {
public:
    // `onRequest` runs from Qt's event processing (never inside the signal handler), once for the
    // signals that arrived since it last ran.
    explicit QtCloseSignals(std::function<void()> onRequest);
    ~QtCloseSignals();
    QtCloseSignals(const QtCloseSignals&) = delete;
    QtCloseSignals& operator=(const QtCloseSignals&) = delete;

    // Whether the handlers are in place (false when the pipe could not be made).
    bool Installed() const { return m_installed; }

private:
    void Drain();

    std::function<void()> m_onRequest;
    int m_pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previous[3] = {};
    bool m_installed = false;
};

}  // namespace platform
