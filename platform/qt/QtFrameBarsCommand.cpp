#include "platform/qt/QtFrameBarsCommand.h"

#include <utility>

#include "platform/core/WindowSystem.h"
#include "platform/qt/QtHost.h"

namespace platform {

void ChooseFrameCommand(HWND frame, int id, CommandUpdater updater) {
    QtHost* host = QtHost::Current();
    if (!host) return;
    // Posting touches our window system, so it waits for the next retrieval too.
    host->RunAtNextRetrieval([host, frame, id, updater = std::move(updater)]() mutable {
        host->PostToLoop([frame, id, updater = std::move(updater)] { RunFrameCommand(frame, id, updater); });
    });
}

bool RunFrameCommand(HWND frame, int id, const CommandUpdater& updater) {
    WindowSystem& system = WindowSystem::Instance();
    // The state may have changed since the item was shown: a command disabled by now does nothing.
    if (!system.IsWindow(frame) || !system.IsWindowEnabled(frame)) return false;
    if (!QueryCommandState(updater, id).Enabled()) return false;
    system.SendMessage(frame, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
    return true;
}

}  // namespace platform
