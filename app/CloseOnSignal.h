#pragma once
// A signal's close request (SIGTERM at a session's logout, SIGINT, SIGHUP) taken by the main frame
// as a confirmed exit: the frame's close writes the settings and files without asking, a close
// during a step, a nested wait or a busy step waits until it is over. The request goes to the frame
// at the next retrieval once the frame has started up; until then it waits.

#include "platform/qt/QtCloseSignals.h"

class CSkatApp;

namespace platform {
class QtHost;
}

namespace program {

class CloseOnSignal {
public:
    CloseOnSignal(platform::QtHost& host, CSkatApp& app);
    ~CloseOnSignal();
    CloseOnSignal(const CloseOnSignal&) = delete;
    CloseOnSignal& operator=(const CloseOnSignal&) = delete;

private:
    // From our loop: hands the request to the frame once it has started up.
    void TakeRequest();

    platform::QtHost& m_host;
    CSkatApp& m_app;
    bool m_pending = false;
    int m_idleHandler = 0;
    platform::QtCloseSignals m_signals;
};

}  // namespace program
