#include "shell/HelpFolder.h"

#include <filesystem>

std::string HelpFolder(const std::string& programFolder, const std::string& code) {
    std::string beside = programFolder;
    if (!beside.empty() && beside.back() != '/') beside += '/';
    beside += "help/";
    beside += code;
    beside += '/';
    std::error_code error;
    if (std::filesystem::is_directory(beside, error)) return beside;
    std::string folder = programFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    // "<prefix>/bin/" has the parent path "<prefix>/bin"; its parent is the prefix.
    std::string installed = std::filesystem::path(folder).parent_path().parent_path().string();
    installed += "/share/kartovan/help/";
    installed += code;
    installed += '/';
    return installed;
}
