#pragma once
// What the program asks of the desktop shell: open a web link or a folder in the person's own
// programs, start the other edition of the program. Each request is checked here before a host
// carries it out, and answers with a result instead of failing silently.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class Edition { German, English };

// The argument the language switch starts the other edition with: that start waits for the
// closing edition to give up the work folder, instead of handing over to it.
inline constexpr std::string_view kLanguageSwitchArgument = "--language-switch";

// The edition's program name: "kartovan-ge" or "kartovan-en".
const char* EditionProgramName(Edition edition);
// The edition's program in `programFolder` (ends with '/'), as the language switch starts it.
std::string EditionProgramPath(Edition edition, const std::string& programFolder);

// The answer to a shell request. `error` says what went wrong, for the trace log; the program
// shows its own message.
struct ShellResult {
    bool done = false;
    std::string error;

    static ShellResult Done() { return {true, {}}; }
    static ShellResult Failed(std::string error) { return {false, std::move(error)}; }
    // "what" followed by the request's subject (a link, a folder, a program).
    static ShellResult Failed(const char* what, const std::string& subject) {
        std::string error = what;
        error += subject;
        return {false, std::move(error)};
    }
};

// A link the shell may open: http, https or mailto, at most 2048 bytes, no blanks or control
// characters.
bool IsOpenableUrl(std::string_view url);
// Arguments handed to the other edition: at most 16, each at most 4096 bytes without NUL.
bool AreAcceptableArguments(const std::vector<std::string>& arguments);

}  // namespace platform
