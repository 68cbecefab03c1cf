#include "platform/qt/QtCloseSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include <QSocketNotifier>

namespace platform {

namespace {

constexpr int kSignals[3] = {SIGTERM, SIGINT, SIGHUP};

// Read by the handler only: the pipe's write end.
volatile std::sig_atomic_t g_writeEnd = -1;

extern "C" void OnCloseSignal(int number) {
    // Every signal is the same request: a second one while the first is taken (the program writing
    // its settings and files) must not cut the writing short.
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    // A full pipe already holds a request; nothing is lost by dropping this byte.
    const ssize_t written = write(g_writeEnd, &byte, 1);
    (void)written;
    errno = savedErrno;
}

bool MakePipe(int ends[2]) {
    if (pipe(ends) != 0) return false;
    for (int i = 0; i < 2; ++i) {
        const int flags = fcntl(ends[i], F_GETFL);
        if (flags < 0 || fcntl(ends[i], F_SETFL, flags | O_NONBLOCK) != 0 ||
            fcntl(ends[i], F_SETFD, FD_CLOEXEC) != 0) {
            close(ends[0]);
            close(ends[1]);
            ends[0] = ends[1] = -1;
            return false;
        }
    }
    return true;
}

}  // namespace

QtCloseSignals::QtCloseSignals(std::function<void()> onRequest) : m_onRequest(std::move(onRequest)) {
    if (!MakePipe(m_pipe)) return;
    g_writeEnd = m_pipe[1];
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { Drain(); });

    struct sigaction action = {};
    action.sa_handler = &OnCloseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &m_previous[i]);
    m_installed = true;
}

QtCloseSignals::~QtCloseSignals() {
    if (m_installed) {
        for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &m_previous[i], nullptr);
    }
    m_notifier.reset();
    g_writeEnd = -1;
    if (m_pipe[0] >= 0) close(m_pipe[0]);
    if (m_pipe[1] >= 0) close(m_pipe[1]);
}

void QtCloseSignals::Drain() {
    char bytes[16];
    bool arrived = false;
    while (read(m_pipe[0], bytes, sizeof bytes) > 0) arrived = true;
    if (arrived && m_onRequest) m_onRequest();
}

}  // namespace platform
