#pragma once
// A signal's close request (SIGTERM at a session's logout, SIGINT, SIGHUP) taken by the main frame
// as if the person had closed its window: the frame's close writes the settings and files, a close
// during a step or a nested wait is deferred as always. The request goes to the frame at the next
// retrieval once the frame has started up and no modal dialog holds it; until then it waits.

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
    // From our loop: posts WM_CLOSE to the frame when it can take it.
    void TakeRequest();

    platform::QtHost& m_host;
    CSkatApp& m_app;
    bool m_pending = false;
    int m_idleHandler = 0;
    platform::QtCloseSignals m_signals;
};

}  // namespace program
