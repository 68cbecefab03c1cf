#pragma once
// A topic of the edition's help pages, as the program names it: the help path followed by
// "::/" and the page, with an optional "#" anchor ("<help>::/Bedienung/Audio.htm#volume"), or just
// the page ("Bedienung/Audio.htm#volume"). The page stays inside the help folder: a topic that
// climbs out of it or carries control characters is not a topic.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

constexpr std::size_t kMaxHelpTopicBytes = 2048;

struct HelpTopic {
    std::string folder;  // the help pages' folder the topic named (ends with '/'), empty: the host's
    std::string page;    // relative to the folder, '/' between folders: "Bedienung/Audio.htm"
    std::string anchor;  // without '#', may be empty

    friend bool operator==(const HelpTopic&, const HelpTopic&) = default;
};

// Splits a topic; nullopt for an empty page, an absolute page, a ".." step, control characters or
// a topic longer than kMaxHelpTopicBytes. Backslashes count as '/'.
std::optional<HelpTopic> ParseHelpTopic(std::string_view text);

// The page and anchor as the program writes them: "Bedienung/Audio.htm#volume".
std::string HelpTopicText(const HelpTopic& topic);

}  // namespace platform
