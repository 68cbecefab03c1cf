#include "platform/core/WorkFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/Clock.h"
#include "platform/core/WindowApi.h"

namespace platform {

namespace {

// The lock file, never through a link. A file another user made (the same home used under two
// accounts) may be readable only; a read-only descriptor locks as well.
int OpenLockFile(const std::string& path) {
    constexpr int kFlags = O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(path.c_str(), O_RDWR | kFlags, 0644);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | kFlags, 0644);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

WorkFolderLock::WorkFolderLock(std::string folder) : m_folder(std::move(folder)) {
    if (m_folder.empty() || m_folder.back() != '/') m_folder += '/';
}

WorkFolderLock::~WorkFolderLock() { Release(); }

WorkFolderLock::State WorkFolderLock::TryTake() {
    if (m_state == State::Held) return m_state;
    if (m_fd < 0) m_fd = OpenLockFile(FilePath());
    if (m_fd < 0) return m_state = State::Unavailable;
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return m_state = State::Held;
    return m_state = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
}

WorkFolderLock::State WorkFolderLock::Take(std::int64_t waitMs) {
    const std::int64_t end = CurrentClock().NowMs() + waitMs;
    while (TryTake() == State::HeldElsewhere && CurrentClock().NowMs() < end) ::Sleep(kRetryMs);
    return m_state;
}

void WorkFolderLock::Release() {
    // Closing the only descriptor of the open file gives up the lock.
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    m_state = State::Free;
}

}  // namespace platform
