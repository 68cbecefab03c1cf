#include "platform/core/Folders.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) return entry->pw_dir;
    const char* shared = std::getenv("TMPDIR");
    return OwnFolderIn(shared && shared[0] == '/' ? shared : "/tmp");
}

// An XDG base directory: the variable when it holds an absolute path (the standard says relative
// ones are to be ignored), else the fallback under the home folder; empty without a home folder.
std::string BaseFolder(const char* variable, const char* fallbackUnderHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return WithSlash(value);
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : WithSlash(home) + fallbackUnderHome;
}

std::string Below(const std::string& base, const char* folder) { return base.empty() ? base : base + folder; }

}  // namespace

std::string ConfigFolder() { return Below(BaseFolder("XDG_CONFIG_HOME", ".config/"), "kartovan/"); }

std::string RegistryFilePath() { return Below(ConfigFolder(), "registry.reg"); }

std::string WorkFolder() {
    std::string folder = Below(BaseFolder("XDG_DATA_HOME", ".local/share/"), "kartovan/");
    if (!folder.empty()) EnsureFolder(folder);
    return folder;
}

std::string OwnFolderIn(const std::string& shared) {
    const std::string folder = WithSlash(shared) + "kartovan-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return std::string();
    // Whoever made it first decides what it holds: only a folder of ours that no one else may enter.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
        (info.st_mode & 077) != 0)
        return std::string();
    return folder;
}

std::string DesktopFolder() { return WorkFolder(); }

std::string ProgramFolder() {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    return WithSlash(executable.parent_path().string());
}

bool EnsureFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace platform
