#pragma once
// What the benchmarks that start the whole program share: a private data and settings folder for the
// run, every global put back as at a start with the English edition and an empty registry, and the
// waits of the game set to nothing.

#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "resources/Editions.h"
#include "tests/support/ProgramGlobals.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace bench {

// The run's own XDG data and settings folders under the temporary folder, removed afterwards.
struct BenchFolders {
    explicit BenchFolders(const std::string& name) {
        folder = (std::filesystem::temp_directory_path() / name).string();
        std::filesystem::create_directories(folder);
        ::setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    }
    ~BenchFolders() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    BenchFolders(const BenchFolders&) = delete;
    BenchFolders& operator=(const BenchFolders&) = delete;
    std::string folder;
};

inline void ResetProgram() {
    testsupport::ResetProgramGlobals();
    platform::SetResources(&EnglishResources());
}

// Every delay of the settings at 0: the deal, the glides and the waits take no time.
inline void SetNoDelays() {
    for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap", "Switch"})
        WriteProfileInt("Delay", delay, 0);
}

}  // namespace bench
