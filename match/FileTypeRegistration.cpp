#include "match/FileTypeRegistration.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kStem = "kartovan-";
constexpr std::size_t kValueLimit = 259;

bool SameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Where the two letters of an edition start after "kartovan-" from `from` on; npos when none.
std::size_t FindEdition(std::string_view text, std::size_t from, std::string_view after) {
    for (std::size_t at = from; at + kStem.size() + 2 + after.size() <= text.size(); ++at) {
        if (!SameNoCase(text.substr(at, kStem.size()), kStem)) continue;
        const std::size_t letters = at + kStem.size();
        if (!IsLetter(text[letters]) || !IsLetter(text[letters + 1])) continue;
        if (!after.empty() && !SameNoCase(text.substr(letters + 2, after.size()), after)) continue;
        return letters;
    }
    return std::string_view::npos;
}

}  // namespace

std::optional<std::string> RepointCommand(std::string_view value, std::string_view code) {
    if (value.size() > kValueLimit || code.size() != 2) return std::nullopt;
    const std::size_t letters = FindEdition(value, 0, ".exe");
    if (letters == std::string_view::npos) return std::nullopt;
    std::string result(value);
    result.replace(letters, 2, code);
    return result;
}

std::optional<std::string> RepointDesktopEntry(std::string_view text, std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    std::string result(text);
    bool changed = false;
    std::size_t line = 0;
    while (line < result.size()) {
        std::size_t end = result.find('\n', line);
        if (end == std::string::npos) end = result.size();
        const std::string_view current(result.data() + line, end - line);
        if (current.starts_with("Exec=") || current.starts_with("TryExec=")) {
            const std::size_t letters = FindEdition(current, 0, {});
            if (letters != std::string_view::npos) {
                result.replace(line + letters, 2, code);
                changed = true;
            }
        }
        line = end + 1;
    }
    if (!changed) return std::nullopt;
    return result;
}
