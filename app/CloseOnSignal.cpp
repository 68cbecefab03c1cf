#include "app/CloseOnSignal.h"

#include <QCoreApplication>
#include <QTimer>

#include "flow/MainFrame.h"
#include "platform/core/Message.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "shell/SkatApp.h"

namespace program {

CloseOnSignal::CloseOnSignal(platform::QtHost& host, CSkatApp& app)
    : m_host(host),
      m_app(app),
      m_signals([this] {
          // Qt's side: the frame is ours to touch only from the loop.
          m_pending = true;
          m_host.RunAtNextRetrieval([this] { TakeRequest(); });
      }) {
    // A request that came before the frame could take it is taken when the loop next runs idle.
    m_idleHandler = m_host.AddIdleHandler([this] { TakeRequest(); });
}

CloseOnSignal::~CloseOnSignal() { m_host.RemoveIdleHandler(m_idleHandler); }

void CloseOnSignal::TakeRequest() {
    if (!m_pending) return;
    // Step 1: the frame has started up (its first erase brought its table to life) and has not
    // closed.
    CMainFrame* frame = m_app.MainFrame();
    if (frame == nullptr || !frame->Run().TableAlive || !frame->IsAlive()) return;
    // Step 2: the frame's close as a confirmed exit; the frame waits while it is busy and answers
    // a question or message that holds it.
    m_pending = false;
    frame->OnCloseSignal();
    // Wakes a loop that would otherwise wait in Qt for the next event or timer.
    QTimer::singleShot(0, QCoreApplication::instance(), [] {});
}

}  // namespace program
