#include "platform/core/Folders.h"

#include <pwd.h>
#include <unistd.h>

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
    return "/tmp";
}

// An XDG base directory: the variable when it holds an absolute path (the standard says relative
// ones are to be ignored), else the fallback under the home folder.
std::string BaseFolder(const char* variable, const char* fallbackUnderHome) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return WithSlash(value);
    return WithSlash(HomeFolder()) + fallbackUnderHome;
}

}  // namespace

std::string ConfigFolder() { return BaseFolder("XDG_CONFIG_HOME", ".config/") + "kartovan/"; }

std::string RegistryFilePath() { return ConfigFolder() + "registry.reg"; }

std::string WorkFolder() {
    std::string folder = BaseFolder("XDG_DATA_HOME", ".local/share/") + "kartovan/";
    EnsureFolder(folder);
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
