#pragma once
// One running program per work folder, whichever edition: a start either becomes the program that
// writes there, or hands its file name to the running one (which comes forward) and ends, or, when
// the running one cannot be reached (it hangs, or it is another user's), says so and ends before it
// has read or changed any file of the folder.

#include <cstdint>
#include <string>

namespace platform {
class QtInstance;
class WorkFolderLock;
}  // namespace platform

namespace program {

enum class Claim {
    Ours,        // this program writes into the folder from now on, and listens for later starts
    HandedOver,  // the running program took the file name (or only came forward): end quietly
    Refused,     // another program holds the folder; the person was told, end
};

// How long a start waits for the program that holds the folder, and how long the edition started
// by the language switch waits for the closing one.
inline constexpr std::int64_t kStartWaitMs = 5000;
inline constexpr std::int64_t kLanguageSwitchWaitMs = 10000;

// `languageSwitch`: started by the other edition's language switch; it closes now, so this start
// waits for it instead of handing over. Needs the host (its clock, its blocking sleep, message
// boxes).
Claim ClaimWorkFolder(platform::WorkFolderLock& lock, platform::QtInstance& instance, const std::string& fileArgument,
                      bool languageSwitch);

}  // namespace program
