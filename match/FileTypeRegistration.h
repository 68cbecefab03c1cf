#pragma once
// Re-pointing the program's file-type registration at the other edition: the two letters of the
// edition in "kartovan-ge" / "kartovan-en" change, every other character stays. Nothing is created:
// a value or entry without the pattern is left as it is.

#include <optional>
#include <string>
#include <string_view>

// A shell command or program path (at most 259 bytes) with the edition's two letters between
// "kartovan-" and ".exe" (case ignored); nothing when the value has no such place.
std::optional<std::string> RepointCommand(std::string_view value, std::string_view code);

// A desktop entry whose Exec= and TryExec= lines name "kartovan-" and two letters: those two
// letters change in those lines only; nothing when no line has the pattern.
std::optional<std::string> RepointDesktopEntry(std::string_view text, std::string_view code);
