#include "platform/core/ShellRequests.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::size_t kMaxUrlBytes = 2048;
constexpr std::size_t kMaxArguments = 16;
constexpr std::size_t kMaxArgumentBytes = 4096;

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return a == ((b >= 'A' && b <= 'Z') ? static_cast<char>(b - 'A' + 'a') : b);
    });
}

}  // namespace

const char* EditionProgramName(Edition edition) {
    return edition == Edition::German ? "kartovan-ge" : "kartovan-en";
}

std::string EditionProgramPath(Edition edition, const std::string& programFolder) {
    std::string path = programFolder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += EditionProgramName(edition);
    return path;
}

bool IsOpenableUrl(std::string_view url) {
    if (url.size() > kMaxUrlBytes) return false;
    if (std::any_of(url.begin(), url.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; }))
        return false;
    for (std::string_view scheme : {"http://", "https://", "mailto:"}) {
        if (StartsWithNoCase(url, scheme) && url.size() > scheme.size()) return true;
    }
    return false;
}

bool AreAcceptableArguments(const std::vector<std::string>& arguments) {
    if (arguments.size() > kMaxArguments) return false;
    return std::all_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return argument.size() <= kMaxArgumentBytes && argument.find('\0') == std::string::npos;
    });
}

}  // namespace platform
