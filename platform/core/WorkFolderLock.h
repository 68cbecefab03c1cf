#pragma once
// platform::WorkFolderLock: one program at a time writes into a work folder. The lock is the
// kernel's lock on a small file in the folder (flock), tied to the open file: a program that ends,
// however it ends (a kill included), gives it up, so a lock file left behind locks nothing and the
// next start takes it over. The file is opened close-on-exec, so a program started from the holder
// (the other edition) does not inherit it.

#include <cstdint>
#include <string>

namespace platform {

class WorkFolderLock {
public:
    enum class State {
        Free,           // not taken (yet, or given up)
        Held,           // this program holds it
        HeldElsewhere,  // another running program holds it
        Unavailable,    // no lock file can be had there (a folder nobody may write to)
    };
    static constexpr const char* kFileName = "kartovan.lock";
    // How long a try pauses before the next one while waiting for the lock.
    static constexpr std::int64_t kRetryMs = 50;

    // `folder` ends with '/'.
    explicit WorkFolderLock(std::string folder);
    ~WorkFolderLock();
    WorkFolderLock(const WorkFolderLock&) = delete;
    WorkFolderLock& operator=(const WorkFolderLock&) = delete;

    // One try, without waiting.
    State TryTake();
    // Tries until the lock is held or `waitMs` have passed on the host's clock, pausing between
    // tries with the host's blocking sleep.
    State Take(std::int64_t waitMs);
    void Release();

    State Current() const { return m_state; }
    const std::string& Folder() const { return m_folder; }
    std::string FilePath() const { return m_folder + kFileName; }

private:
    std::string m_folder;
    int m_fd = -1;
    State m_state = State::Free;
};

}  // namespace platform
