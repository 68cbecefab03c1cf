#include "platform/core/HelpTopic.h"

#include <algorithm>

namespace platform {

namespace {

bool HasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// Each step of the page must be a plain name: no empty step, no "." or "..".
bool IsPlainRelativePath(std::string_view page) {
    if (page.empty() || page.front() == '/') return false;
    std::size_t start = 0;
    while (start <= page.size()) {
        const std::size_t end = std::min(page.find('/', start), page.size());
        const std::string_view step = page.substr(start, end - start);
        if (step.empty() || step == "." || step == "..") return false;
        start = end + 1;
    }
    return true;
}

}  // namespace

std::optional<HelpTopic> ParseHelpTopic(std::string_view text) {
    if (text.size() > kMaxHelpTopicBytes || HasControlCharacter(text)) return std::nullopt;
    std::string topic(text);
    std::replace(topic.begin(), topic.end(), '\\', '/');

    HelpTopic result;
    std::string_view rest = topic;
    // "<help>::/page": the part before "::" names the help pages' folder.
    if (const std::size_t separator = rest.find("::"); separator != std::string_view::npos) {
        result.folder = std::string(rest.substr(0, separator));
        if (!result.folder.empty() && result.folder.back() != '/') result.folder += '/';
        rest.remove_prefix(separator + 2);
        if (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
    }
    if (const std::size_t hash = rest.find('#'); hash != std::string_view::npos) {
        result.anchor = std::string(rest.substr(hash + 1));
        rest = rest.substr(0, hash);
    }
    if (!IsPlainRelativePath(rest)) return std::nullopt;
    result.page = std::string(rest);
    return result;
}

std::string HelpTopicText(const HelpTopic& topic) {
    std::string text = topic.page;
    if (!topic.anchor.empty()) {
        text += '#';
        text += topic.anchor;
    }
    return text;
}

}  // namespace platform
