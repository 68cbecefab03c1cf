#include "app/WorkFolderClaim.h"

#include "platform/core/Clock.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WorkFolderLock.h"
#include "platform/qt/QtInstance.h"
#include "resources/WorkFolderIds.h"
#include "resources/ids.h"

#include <cstdio>

namespace program {

namespace {

using platform::QtInstance;
using platform::WorkFolderLock;

// The running program takes the request; a name it would refuse is left out, so that it still
// comes forward.
QtInstance::Reach HandOver(const QtInstance& instance, const std::string& fileArgument) {
    const QtInstance::Reach reach = QtInstance::HandOver(instance.ServerName(), fileArgument);
    if (reach != QtInstance::Reach::Refused) return reach;
    return QtInstance::HandOver(instance.ServerName(), std::string());
}

// From here on later starts reach this program. A name nobody can listen on (a socket folder
// gone) leaves only the lock to keep them from writing.
Claim TakeFolder(WorkFolderLock& lock, QtInstance& instance) {
    if (!instance.Listen()) std::fprintf(stderr, "Kartovan+: later starts cannot reach this program\n");
    if (lock.Current() == WorkFolderLock::State::Unavailable)
        std::fprintf(stderr, "Kartovan+: the work folder cannot be locked: %s\n", lock.FilePath().c_str());
    return Claim::Ours;
}

// Nothing of the folder has been read or changed: the person is told, and this start ends.
Claim Refuse(const WorkFolderLock& lock, int text, const char* why) {
    std::fprintf(stderr, "Kartovan+: the work folder %s is held by another program that %s\n", lock.Folder().c_str(),
                 why);
    ::MessageBox(nullptr, platform::LoadString(text), {lock.Folder()}, platform::LoadString(IDS_PRODUCT_NAME),
                 platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return Claim::Refused;
}

}  // namespace

Claim ClaimWorkFolder(WorkFolderLock& lock, QtInstance& instance, const std::string& fileArgument,
                      bool languageSwitch) {
    // The edition the language switch started waits for the closing one to give the folder up.
    if (languageSwitch) {
        if (lock.Take(kLanguageSwitchWaitMs) != WorkFolderLock::State::HeldElsewhere) return TakeFolder(lock, instance);
        return Refuse(lock, IDS_LANGUAGE_SWITCH_NOT_CLOSED, "did not close");
    }
    const std::int64_t end = platform::CurrentClock().NowMs() + kStartWaitMs;
    for (;;) {
        // 1. A running program takes the file and comes forward. One that does not answer is not
        //    asked again: it would open the file twice once it wakes.
        const QtInstance::Reach reach = HandOver(instance, fileArgument);
        if (reach == QtInstance::Reach::Answered) return Claim::HandedOver;
        // 2. Nobody else holds the folder: it is ours. A folder that cannot be locked at all (one
        //    nobody may write to) keeps nobody out; writing there fails with its own messages.
        if (lock.TryTake() != WorkFolderLock::State::HeldElsewhere) return TakeFolder(lock, instance);
        // 3. Held: a program that is starting listens in a moment.
        if (reach == QtInstance::Reach::NoAnswer || platform::CurrentClock().NowMs() >= end)
            return Refuse(lock, IDS_FOLDER_IN_USE, "does not answer");
        ::Sleep(WorkFolderLock::kRetryMs);
    }
}

}  // namespace program
