// The lock that keeps a second program from writing into a work folder: held by one program at a
// time, given up when its holder ends however it ends (a kill included), taken over from a lock
// file left behind, waited for only as long as asked on the host's clock, and never had through a
// link or where no lock file can be made.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/FileTestSupport.h"
#include "platform/core/Clock.h"
#include "platform/core/FileIo.h"
#include "platform/core/WorkFolderLock.h"
#include "platform/headless/HeadlessHost.h"

using platform::WorkFolderLock;
using State = WorkFolderLock::State;

namespace {

// A child process that takes the folder's lock and then waits to be killed.
class LockingChild {
public:
    explicit LockingChild(const std::string& folder) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            WorkFolderLock lock(folder);
            const char taken = lock.TryTake() == State::Held ? 'y' : 'n';
            (void)!::write(ready[1], &taken, 1);
            for (;;) ::pause();
        }
        ::close(ready[1]);
        char taken = 0;
        held_ = pid_ > 0 && ::read(ready[0], &taken, 1) == 1 && taken == 'y';
        ::close(ready[0]);
    }
    ~LockingChild() { Kill(); }
    bool Held() const { return held_; }
    void Kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool held_ = false;
};

TEST(WorkFolderLockTest, OneHolderAtATimeUntilItGivesTheLockUp) {
    testsupport::TempFolder folder;
    WorkFolderLock first(folder.Folder()), second(folder.Path());
    EXPECT_EQ(first.TryTake(), State::Held);
    EXPECT_EQ(first.TryTake(), State::Held) << "taking it again keeps it";
    EXPECT_EQ(second.TryTake(), State::HeldElsewhere);
    EXPECT_EQ(second.Folder(), folder.Folder()) << "the folder is named with its slash";
    first.Release();
    EXPECT_EQ(first.Current(), State::Free);
    EXPECT_EQ(second.TryTake(), State::Held);
    EXPECT_EQ(first.TryTake(), State::HeldElsewhere);
    EXPECT_TRUE(platform::FileExists(folder.File(WorkFolderLock::kFileName)));
}

TEST(WorkFolderLockTest, AKilledHolderLeavesALockFileThatLocksNothing) {
    testsupport::TempFolder folder;
    LockingChild child(folder.Folder());
    ASSERT_TRUE(child.Held());
    WorkFolderLock next(folder.Folder());
    EXPECT_EQ(next.TryTake(), State::HeldElsewhere) << "held while the holder lives";
    child.Kill();
    ASSERT_TRUE(platform::FileExists(folder.File(WorkFolderLock::kFileName))) << "the kill left the file behind";
    EXPECT_EQ(next.TryTake(), State::Held) << "and the next start takes it over";
}

TEST(WorkFolderLockTest, AWaitEndsWhenTheAskedTimeHasPassedOnTheHostsClock) {
    platform::HeadlessHost host;
    testsupport::TempFolder folder;
    WorkFolderLock holder(folder.Folder()), waiter(folder.Folder());
    ASSERT_EQ(holder.TryTake(), State::Held);
    const std::int64_t start = platform::CurrentClock().NowMs();
    EXPECT_EQ(waiter.Take(2000), State::HeldElsewhere);
    const std::int64_t waited = platform::CurrentClock().NowMs() - start;
    EXPECT_GE(waited, 2000);
    EXPECT_LT(waited, 2000 + 2 * WorkFolderLock::kRetryMs) << "no longer than asked";
    // A free lock is taken at once.
    holder.Release();
    const std::int64_t again = platform::CurrentClock().NowMs();
    EXPECT_EQ(waiter.Take(2000), State::Held);
    EXPECT_EQ(platform::CurrentClock().NowMs(), again);
}

TEST(WorkFolderLockTest, NoLockThroughALinkOrWhereNoLockFileCanBeMade) {
    testsupport::TempFolder folder;
    const std::string target = folder.File("elsewhere");
    ASSERT_TRUE(platform::WriteFileAtomic(target, std::string("not a lock")));
    std::filesystem::create_directories(folder.File("linked"));
    std::filesystem::create_symlink(target, folder.File("linked/") + WorkFolderLock::kFileName);
    std::filesystem::create_directories(folder.File("taken/") + WorkFolderLock::kFileName);
    const struct {
        const char* what;
        std::string folder;
    } cases[] = {
        {"a link at the lock file's place", folder.File("linked/")},
        {"a folder at the lock file's place", folder.File("taken/")},
        {"a folder that does not exist", folder.File("missing/")},
    };
    for (const auto& c : cases) {
        WorkFolderLock lock(c.folder);
        EXPECT_EQ(lock.TryTake(), State::Unavailable) << c.what;
    }
    EXPECT_EQ(platform::ReadWholeFile(target).Text(), "not a lock") << "the link's target is untouched";
}

}  // namespace
